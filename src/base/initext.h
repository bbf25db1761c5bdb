#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <vector>

// An INI-like text kept line by line: the one parser behind the point table texts, the settings file and
// the in-memory settings stores. Lines the program does not know (comments, foreign keys and sections,
// malformed lines) are kept as they were, so writing a value back changes only that value's line.
//
// Reading rules:
// - lines end at CR LF, LF or CR; every line is trimmed of blanks before it is looked at;
// - empty lines and lines starting with ";" are comments;
// - "[name]" opens a section (name trimmed); lines before the first section belong to no section;
// - any other line is an entry "key=value", split at the first "=" with key and value trimmed; a line
//   without "=" or with an empty key is ignored;
// - section names and keys are compared without regard to case; when a section name occurs twice the first
//   section of that name supplies the entries; when a key occurs twice in a section its last value counts.
class TBSIniText
{
public:
    using Entry = QPair<QString, QString>;

    TBSIniText();
    static TBSIniText parse(const QString &text);

    // The whole text with the given line end after every line.
    QString toText(const QString &lineEnd = QStringLiteral("\r\n")) const;

    // Section names in file order, duplicates included, as spelt in the text.
    QStringList sectionNamesInFileOrder() const;
    // Section names in file order, each name once (its first spelling).
    QStringList sectionNames() const;
    bool hasSection(const QString &section) const;

    // Entries of the first section of that name in order of first appearance, each with its last value.
    QList<Entry> entries(const QString &section) const;
    bool hasKey(const QString &section, const QString &key) const;
    QString value(const QString &section, const QString &key, const QString &defaultValue = QString()) const;

    // Sets a value: rewrites the key's last line in the first section of that name, or adds a line after
    // the section's last entry, or adds the section at the end of the text.
    void setValue(const QString &section, const QString &key, const QString &value);
    // Removes every line of the key in the first section of that name.
    void removeKey(const QString &section, const QString &key);
    // Removes every section of that name with all its lines.
    void eraseSection(const QString &section);

private:
    struct Line {
        QString raw;   // the line as read or written
        QString key;   // trimmed key of an entry line; empty for any other line
        QString value; // trimmed value of an entry line
    };
    struct Section {
        QString name; // empty for the lines before the first section
        bool hasHeader = false;
        std::vector<Line> lines;
    };

    Section *findSection(const QString &name);
    const Section *findSection(const QString &name) const;
    static const Line *lastLineOf(const Section &section, const QString &key);
    static Line makeEntry(const QString &key, const QString &value);

    std::vector<Section> m_sections; // m_sections[0] holds the lines before the first section
};
