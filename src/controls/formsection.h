#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The layout of a per-form section of the numbered catalogue: the first line is the form caption ("."
// keeps the designed one), then entries, each a line ".@" + component name followed by its lines up to
// the next ".@" line or the end of the section. A "$" at the end of a name is dropped.

struct TFormSectionEntry {
    QString name; // component name, at most 99 characters, without a trailing "$"
    int first;    // index of the entry's first line in the whole catalogue
    int count;    // number of lines, empty lines included
};

struct TFormSection {
    bool valid = false;  // false when the section has no lines
    QString caption;     // the caption to set; empty when the designed caption stays
    std::vector<TFormSectionEntry> entries;
};

// Reads the section whose first line is lines[start] and which has count lines. Entries without lines
// are left out.
TFormSection ParseFormSection(const QStringList &lines, int start, int count);

// The lines [first, first + count) of a catalogue; lines past its end are left out.
QStringList EntryLines(const QStringList &lines, int first, int count);
