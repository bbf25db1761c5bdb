#include "i18n/language.h"
#include "base/stringlist.h"

#include "frame/programpaths.h"
#include "frame/textfile.h"
#include "frame/trvinifile.h"
#include "i18n/bslanguage.h"
#include "i18n/bslanguageen.h"
#include "i18n/catalogueitems.h"
#include "i18n/localenames.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace {

// At most this many characters of a text after its "=" are used.
constexpr int kMaxTextLength = 999;

TLanguage::TFormTranslator &formTranslator()
{
    static TLanguage::TFormTranslator translator;
    return translator;
}

QString &applicationHelpFile()
{
    static QString file;
    return file;
}

bool isHeader(const QString &line)
{
    return line.startsWith(QLatin1Char('['));
}

bool isLanguageIndex(qint32 value)
{
    return value >= 0 && value <= LanguageAutomatic;
}

} // namespace

TLanguage::TLanguage() = default;
TLanguage::~TLanguage() = default;

void TLanguage::SetFormTranslator(TFormTranslator translator)
{
    formTranslator() = std::move(translator);
}

void TLanguage::TranslateAllForms()
{
    if (formTranslator())
        formTranslator()(*this);
}

void TLanguage::LoadFromStrings(const QStringList &lines)
{
    m_lines = lines;
    reindex(true);
}

bool TLanguage::LoadLanguage(TLanguageIndex index, bool translateForms)
{
    // The keyed catalogue exists before any language file is read.
    (void)BSLanguageInstance();
    if (index > LanguageAutomatic)
        return false;
    TLanguageIndex found = index;
    QString file;
    if (index == LanguageAutomatic) {
        // The first "*.x*" entry of the program's folder decides, when its extension names a language.
        const QDir folder(ProgramPaths().programFolder());
        const QStringList entries = folder.entryList({QStringLiteral("*.x*")}, QDir::Files | QDir::Hidden,
                                                     QDir::Name | QDir::IgnoreCase);
        if (entries.isEmpty())
            return false;
        const QString first = entries.first();
        const QString extension = first.mid(first.lastIndexOf(QLatin1Char('.')));
        for (int i = 0; i < LanguageAutomatic; ++i) {
            if (extension.compare(QStringLiteral(".x") + LanguageCodeOf(i), Qt::CaseInsensitive) == 0) {
                found = TLanguageIndex(i);
                file = folder.filePath(first);
                break;
            }
        }
        if (file.isEmpty())
            return false;
    } else {
        file = LanguageFileName(index);
    }
    if (!QFileInfo(file).isFile())
        return false;
    const QStringList lines = BSSplitLines(ReadTextFile(file));
    m_currentLanguage = found;
    m_lines = lines;
    reindex(translateForms);
    return true;
}

void TLanguage::reindex(bool translateForms)
{
    m_sections.clear();
    m_index.clear();
    int header = -1; // position of the current section's header
    const auto closeSection = [&](int end) {
        if (header < 0)
            return;
        IndexEntry &entry = m_index.back();
        if (entry.name.size() > 1) {
            entry.count = end - header - 1;
            m_sections.last() += QLatin1Char(';') + QString::number(entry.count);
        }
    };
    const int lineCount = int(m_lines.size());
    for (int i = 0; i < lineCount; ++i) {
        const QString &line = m_lines.at(i);
        if (!isHeader(line))
            continue;
        closeSection(i);
        IndexEntry entry;
        entry.name = line.size() >= 2 ? line.mid(1, line.size() - 2) : QString();
        entry.start = i + 1;
        entry.numbered = entry.name.size() <= 1;
        m_sections << entry.name + QLatin1Char('=') + QString::number(entry.start);
        m_index.push_back(entry);
        header = i;
    }
    closeSection(lineCount);

    TLocaleNames names;
    for (int m = 0; m < 12; ++m) {
        names.LongMonthNames[m] = GetText(QStringLiteral("G"), 70, m + 1);
        names.ShortMonthNames[m] = GetText(QStringLiteral("G"), 71, m + 1);
    }
    for (int d = 0; d < 7; ++d) {
        names.LongDayNames[d] = GetText(QStringLiteral("G"), 72, d + 1);
        names.ShortDayNames[d] = GetText(QStringLiteral("G"), 73, d + 1);
    }
    SetLocaleNames(names);

    if (translateForms)
        TranslateAllForms();
}

const TLanguage::IndexEntry *TLanguage::findEntry(const QString &name) const
{
    for (const IndexEntry &entry : m_index)
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0)
            return &entry;
    return nullptr;
}

bool TLanguage::FindSection(const QString &name, int *start, int *count) const
{
    const IndexEntry *entry = findEntry(name);
    const bool found = entry && !entry->numbered;
    if (start)
        *start = found ? entry->start : 0;
    if (count)
        *count = found ? entry->count : 0;
    return found;
}

QString TLanguage::GetText(const QString &section, int number, int item) const
{
    const IndexEntry *entry = findEntry(section);
    if (!entry || !entry->numbered || number < 1)
        return QString();
    const qsizetype position = qsizetype(entry->start) + number - 1;
    if (position >= m_lines.size())
        return QString();
    QString text = m_lines.at(position);
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq >= 0)
        text = text.mid(eq + 1);
    text.truncate(kMaxTextLength);
    text.replace(QStringLiteral("\\N"), QStringLiteral("\r\n"));
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    if (item > 0)
        return CatalogueItem(text, item);
    return text;
}

void TLanguage::UsePrintLanguage()
{
    if (m_currentLanguage == m_printLanguage)
        return;
    m_savedLanguage = m_currentLanguage;
    m_savedLines = m_lines;
    LoadLanguage(m_printLanguage, false);
}

void TLanguage::UseInterfaceLanguage()
{
    if (m_savedLanguage == LanguageAutomatic)
        return;
    // Back to the texts the interface had, also when they came from the built-in catalogue rather than a
    // language file.
    m_currentLanguage = m_savedLanguage;
    m_savedLanguage = LanguageAutomatic;
    m_lines = m_savedLines;
    m_savedLines.clear();
    reindex(false);
}

void TLanguage::SetHelpLanguage(TLanguageIndex index)
{
    m_helpLanguage = QFileInfo::exists(HelpFileNameOf(index)) ? index : DefaultLanguage;
    const QString file = HelpFileNameOf(m_helpLanguage);
    applicationHelpFile() = QFileInfo::exists(file) ? file : QString();
}

QString TLanguage::HelpFileName(TLanguageIndex index) const
{
    return HelpFileNameOf(index);
}

QString TLanguage::LanguageCode(TLanguageIndex index) const
{
    return LanguageCodeOf(index);
}

void TLanguage::ChooseInterfaceLanguage(TLanguageIndex requested)
{
    TLanguageIndex index = requested;
    if (requested >= LanguageAutomatic)
        index = LanguageIndexForLocale(UserLanguageLocale()).value_or(DefaultLanguage);
    m_chosenLanguage = index;
    try {
        LoadLanguage(index, true);
    } catch (const ETextFileError &) {
        // A language file that cannot be read at start counts as missing; the built-in texts follow.
    }
    m_savedLanguage = LanguageAutomatic;
    m_savedLines.clear();
    m_printLanguage = m_currentLanguage;
    SetHelpLanguage(m_currentLanguage);
}

// ---- process-wide catalogue --------------------------------------------------------------------------

namespace {

std::unique_ptr<TLanguage> &languageInstance()
{
    static std::unique_ptr<TLanguage> instance;
    return instance;
}

} // namespace

TLanguage &Language()
{
    auto &instance = languageInstance();
    if (instance)
        return *instance;
    // The program's keyed catalogue is the English one.
    (void)BSLanguageENRegistered();
    instance = std::make_unique<TLanguage>();
    TLanguage &language = *instance;
    TTrvIniFile &settings = SettingsFile();
    const QString config = QStringLiteral("Config");
    const qint32 requested = settings.ReadInteger(config, QStringLiteral("lbxLanguage"), -1);
    language.ChooseInterfaceLanguage(isLanguageIndex(requested) ? TLanguageIndex(requested) : LanguageAutomatic);
    const TLanguageIndex current = language.CurrentLanguage();
    const qint32 print = settings.ReadInteger(config, QStringLiteral("lbxPrnLanguage"), current);
    language.SetPrintLanguage(isLanguageIndex(print) ? TLanguageIndex(print) : current);
    const qint32 help = settings.ReadInteger(config, QStringLiteral("lbxHlpLanguage"), current);
    language.SetHelpLanguage(isLanguageIndex(help) ? TLanguageIndex(help) : current);
    return language;
}

void FreeLanguage()
{
    languageInstance().reset();
    applicationHelpFile().clear();
}

QString ApplicationHelpFile()
{
    return applicationHelpFile();
}
