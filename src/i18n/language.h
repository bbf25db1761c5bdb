#pragma once

#include "i18n/languagecodes.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The numbered text catalogue: the texts of the application, the form layer and the report layer, named
// by a section and a number ("G" 61). The catalogue text is the built-in English one (loaded by the main
// window) or a language file next to the program.
//
// Text format: a line starting with "[" is a section header, the name being the text between its first
// and last character. Every line after a header belongs to that section, empty ones included. In a
// numbered section the n-th line after the header is text n, written as anything, "=" and the text (the
// part before the first "=" is not read). In a text "\N" is a line break (CR LF) and "_" a blank; a text
// may hold ";"-separated items. Sections named after a form class hold the texts of that form's controls
// (see FindSection).
class TLanguage
{
public:
    // Called after a text change that asks for it (LoadFromStrings, LoadLanguage with translateForms): the
    // form layer translates every open form again.
    using TFormTranslator = std::function<void(TLanguage &)>;

    // An empty catalogue with no language loaded; Language() makes the process-wide one.
    TLanguage();
    ~TLanguage();
    TLanguage(const TLanguage &) = delete;
    TLanguage &operator=(const TLanguage &) = delete;

    // Replaces the catalogue text by the lines, then re-indexes and translates the open forms.
    void LoadFromStrings(const QStringList &lines);
    // Loads the language file of the index (25: the first "*.x*" entry of the program's folder, when its
    // extension names a language). Answers whether a file was loaded; when none is found nothing
    // changes. A file that exists but cannot be read throws ETextFileError.
    bool LoadLanguage(TLanguageIndex index, bool translateForms);

    // Text number of the section; item 0 is the whole text, item k > 0 the k-th ";"-item. Empty for a
    // number beyond the text, below 1, or in a section that is not a numbered one.
    QString GetText(const QString &section, int number, int item = 0) const;

    // While a report is composed: switch the texts to the print language, and back afterwards.
    void UsePrintLanguage();
    void UseInterfaceLanguage();

    // Chooses the help language: the index when its help file exists, else DefaultLanguage; the
    // application's help file becomes that language's help file when it exists, else none.
    void SetHelpLanguage(TLanguageIndex index);
    QString HelpFileName(TLanguageIndex index) const;
    QString LanguageCode(TLanguageIndex index) const;

    // Chooses and loads the interface language as at start: 25 takes it from the user's language.
    void ChooseInterfaceLanguage(TLanguageIndex requested);
    // The interface language chosen by ChooseInterfaceLanguage (the user's language in place of 25),
    // whether or not its file exists; LanguageAutomatic before the choice.
    TLanguageIndex ChosenLanguage() const { return m_chosenLanguage; }

    TLanguageIndex CurrentLanguage() const { return m_currentLanguage; }
    TLanguageIndex PrintLanguage() const { return m_printLanguage; }
    void SetPrintLanguage(TLanguageIndex index) { m_printLanguage = index; }
    TLanguageIndex HelpLanguage() const { return m_helpLanguage; }
    TLanguageIndex SavedLanguage() const { return m_savedLanguage; }

    // All lines of the catalogue text.
    const QStringList &Lines() const { return m_lines; }
    // The section index: one entry per header in text order, "name=start" where start is the header's
    // 1-based line number, followed by ";" and the section's line count for names longer than one
    // character.
    const QStringList &Sections() const { return m_sections; }
    // Where a per-form section lies: start is the 0-based position of its first line in Lines(), count
    // the number of its lines. False (and 0, 0) when the index has no such section or no count for it.
    // Names are compared without regard to case; the first header of a name wins.
    bool FindSection(const QString &name, int *start, int *count) const;

    // The form layer's translation of all open forms; none until the form layer installs it.
    static void SetFormTranslator(TFormTranslator translator);
    void TranslateAllForms();

private:
    struct IndexEntry {
        QString name;
        int start = 0;
        int count = 0;
        bool numbered = false; // the entry's value is one whole number
    };

    void reindex(bool translateForms);
    const IndexEntry *findEntry(const QString &name) const;

    TLanguageIndex m_savedLanguage = LanguageAutomatic;
    TLanguageIndex m_helpLanguage = DefaultLanguage;
    TLanguageIndex m_currentLanguage = DefaultLanguage;
    TLanguageIndex m_printLanguage = DefaultLanguage;
    TLanguageIndex m_chosenLanguage = LanguageAutomatic;
    QStringList m_sections;
    QStringList m_lines;
    std::vector<IndexEntry> m_index;
    // The interface texts while the print language is active.
    QStringList m_savedLines;
};

// The process-wide catalogue, created on first use: the interface language from the settings file
// ("Config", "lbxLanguage"; missing or negative: the user's language), the print language
// ("lbxPrnLanguage") and the help language ("lbxHlpLanguage"), both defaulting to the interface language.
TLanguage &Language();
// Frees the process-wide catalogue; the next Language() creates it again.
void FreeLanguage();

// The help file that the application's forms open; empty when there is none.
QString ApplicationHelpFile();
