#pragma once

#include "base/stringlist.h"
#include "base/stringmap.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

// The keyed text catalogue of the base library: texts named "#" + section + "." + name ("#BS.Cancel",
// "#BSSwLanguage.StrokeNames"), read from a text built into the program.
//
// Catalogue text: every line is trimmed of blanks and control characters and loses every "$". A line
// starting with "[Data." opens a data section of "key=value" entries (keys compared without regard to
// case, a later key replaces an earlier one, values of at most 999 characters, lines "." ignored); one
// starting with "[Form." opens a form section whose lines are kept in order ("." becomes an empty line).
// Empty lines and lines starting with ";" are skipped; any other line starting with "[" is an ordinary
// line; lines before the first section are skipped. Section names are kept upper-case ("DATA.BS").
class TBSLanguage
{
public:
    // A handler that is told when the catalogue's texts change; the catalogue is the sender.
    using TNotification = std::function<void(TBSLanguage &sender)>;
    static constexpr int FormHandlers = 0;       // forms of the base library
    static constexpr int VocabularyHandlers = 1; // vocabulary objects (the swimming vocabulary)

    virtual ~TBSLanguage();
    TBSLanguage(const TBSLanguage &) = delete;
    TBSLanguage &operator=(const TBSLanguage &) = delete;

    // Bit n set for every language number n that the implementation carries.
    virtual quint32 AvailableLanguages() const = 0;
    // The catalogue text, line by line.
    virtual QStringList ReadData() const = 0;

    // The text of a key: for "#section.name" the entry's value (item >= 0: its ";"-item counted from 0,
    // empty beyond the list), otherwise, and when there is no such entry or it is empty, the key itself
    // (without taking an item). Then "\n" (either case) becomes a line feed and "_" a blank.
    QString GetText(const QString &key, int item = -1) const;
    // GetText(key), filled with the arguments (see BSFormat).
    QString FormatText(const QString &key, const QVariantList &args) const;

    // The entries of data section "Data." + name; an empty map when there is none.
    BSRef<IBSStringMap> DataSection(const QString &name) const;
    // The lines of form section "Form." + name; an empty list when there is none.
    BSRef<IBSStringList> FormSection(const QString &name) const;
    // Upper-case section names in text order.
    QStringList SectionNames() const { return m_sectionNames; }

    // Adds a handler to list 0 or 1 under its owner (any other list number is ignored); with callNow it
    // runs at once.
    void AddLanguageHandler(int list, bool callNow, const void *owner, TNotification handler);
    // Removes every handler of the owner from both lists.
    void RemoveLanguageHandler(const void *owner);

    // Reads the text again, sets the month, day and file type names, and tells every handler.
    void LoadCatalogue();
    // Sets the process-wide month and day names and the file type descriptions from section BS.
    void ApplyLocaleNames();

    // 0: none; n (1..25): the language of numbered-catalogue index n - 1.
    quint8 ActiveLanguage() const { return m_activeLanguage; }

    // File type descriptions of the file layer: "All files", and per extension (".doc") "Word documents"
    // or "<EXT> files"; filter names 1 to 4 (0 is the whole list).
    QString FileAllDescription() const { return m_fileAll; }
    QString FileTypeDescription(const QString &extension) const;
    QString FileFilterName(int i) const;

protected:
    TBSLanguage();

private:
    friend TBSLanguage &BSLanguageInstance();
    struct Handler {
        const void *owner;
        TNotification notify;
    };
    struct Section {
        BSRef<IBSStringMap> data; // data section
        BSRef<IBSStringList> form; // form section
    };

    // First call of BSLanguageInstance: choose the language number, then load.
    void create();
    void parse(const QStringList &lines);
    int findSection(const QString &fullName) const;
    void notifyHandlers();

    quint8 m_activeLanguage = 0;
    std::vector<Handler> m_handlers[2];
    QStringList m_sectionNames;
    std::vector<Section> m_sectionList;
    QString m_fileAll;
    QMap<QString, QString> m_fileTypes;
    QString m_filterNames[5];
};

// A programming error around the catalogue's implementation class.
class EBSLanguageError : public std::runtime_error
{
public:
    explicit EBSLanguageError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

using TBSLanguageFactory = std::function<std::unique_ptr<TBSLanguage>()>;
// Registers the program's implementation class; a second registration fails with an assertion.
void RegisterLanguageClass(TBSLanguageFactory factory);
template<class T>
void RegisterLanguageClass()
{
    RegisterLanguageClass([] { return std::unique_ptr<TBSLanguage>(new T); });
}
// The one catalogue, created from the registered class on first use. Throws EBSLanguageError when no
// class is registered.
TBSLanguage &BSLanguageInstance();
// The catalogue when it has been created; null otherwise.
TBSLanguage *ExistingBSLanguage();
// BSLanguageInstance().GetText(key, item).
QString BSText(const QString &key, int item = -1);
// Frees the catalogue (the next BSLanguageInstance creates it again); with forgetClass the registration
// is dropped as well.
void FreeBSLanguage(bool forgetClass = false);

// Where the catalogue reads "ActiveLanguage" of section "Quelvar" of the user's configuration: a function
// given the default that answers the stored value. Without one the default stands.
using TActiveLanguageReader = std::function<int(int defaultValue)>;
void SetActiveLanguageReader(TActiveLanguageReader reader);
