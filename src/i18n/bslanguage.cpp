#include "i18n/bslanguage.h"

#include "base/assertion.h"
#include "i18n/bsformat.h"
#include "i18n/catalogueitems.h"
#include "i18n/languagecodes.h"
#include "i18n/localenames.h"

namespace {

constexpr int kMaxValueLength = 999;

// The file types of the file layer, by extension.
const char *const kFileTypes[] = {".bmp", ".cf",  ".csv", ".dat", ".dbf", ".dgn", ".doc", ".dot", ".dsv",
                                  ".dxf", ".ecw", ".err", ".exe", ".fbk", ".fbz", ".fdb", ".gbk", ".gdf",
                                  ".gif", ".htm", ".ini", ".jpg", ".kml", ".lef", ".log", ".lxf", ".mdb",
                                  ".mif", ".p91", ".pdf", ".png", ".shp", ".sql", ".sr*", ".tif", ".txt",
                                  ".wmf", ".xls", ".xml", ".xlt", ".zip", ".x*"};

struct Registry {
    TBSLanguageFactory factory;
    std::unique_ptr<TBSLanguage> instance;
    TActiveLanguageReader activeLanguageReader;
};

Registry &registry()
{
    static Registry r;
    return r;
}

// Trims blanks and control characters at both ends.
QString trimControl(const QString &line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && line.at(end - 1).unicode() <= 0x20)
        --end;
    return line.mid(begin, end - begin);
}

QString applyEscapes(QString text)
{
    text.replace(QStringLiteral("\\n"), QStringLiteral("\n"), Qt::CaseInsensitive);
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    return text;
}

} // namespace

EBSLanguageError::EBSLanguageError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

TBSLanguage::TBSLanguage() = default;
TBSLanguage::~TBSLanguage() = default;

void TBSLanguage::create()
{
    // The user's language by the table of the numbered catalogue, shifted by one; English otherwise.
    const auto index = LanguageIndexForLocale(UserLanguageLocale());
    m_activeLanguage = index ? quint8(*index + 1) : quint8(4);
    if (const TActiveLanguageReader &reader = registry().activeLanguageReader) {
        const int stored = reader(m_activeLanguage);
        if (stored >= 0 && stored <= 25)
            m_activeLanguage = quint8(stored);
    }
    LoadCatalogue();
}

void TBSLanguage::parse(const QStringList &lines)
{
    m_sectionNames.clear();
    m_sectionList.clear();
    Section *current = nullptr;
    for (const QString &raw : lines) {
        QString line = trimControl(raw);
        line.remove(QLatin1Char('$'));
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        const bool data = line.startsWith(QStringLiteral("[Data."), Qt::CaseInsensitive);
        const bool form = !data && line.startsWith(QStringLiteral("[Form."), Qt::CaseInsensitive);
        if (data || form) {
            Section section;
            if (data)
                section.data = NewStringMap();
            else
                section.form = NewStringList();
            m_sectionNames << line.mid(1, line.size() - 2).toUpper();
            m_sectionList.push_back(section);
            current = &m_sectionList.back();
            continue;
        }
        if (!current)
            continue; // text before the first section belongs nowhere
        if (current->data) {
            if (line == QStringLiteral("."))
                continue;
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq <= 0)
                continue;
            current->data->Put(line.left(eq), line.mid(eq + 1).left(kMaxValueLength));
        } else {
            current->form->Add(line == QStringLiteral(".") ? QString() : line);
        }
    }
}

void TBSLanguage::LoadCatalogue()
{
    parse(ReadData());
    ApplyLocaleNames();
    notifyHandlers();
}

void TBSLanguage::ApplyLocaleNames()
{
    TLocaleNames names;
    for (int m = 0; m < 12; ++m) {
        names.ShortMonthNames[m] = GetText(QStringLiteral("#BS.ShortMonthNames"), m);
        names.LongMonthNames[m] = GetText(QStringLiteral("#BS.LongMonthNames"), m);
    }
    for (int d = 0; d < 7; ++d) {
        names.ShortDayNames[d] = GetText(QStringLiteral("#BS.ShortDayNames"), d);
        names.LongDayNames[d] = GetText(QStringLiteral("#BS.LongDayNames"), d);
    }
    SetLocaleNames(names);

    m_fileAll = GetText(QStringLiteral("#BS.FileAll"));
    m_fileTypes.clear();
    for (const char *extension : kFileTypes) {
        const QString upper = QString::fromLatin1(extension + 1).toUpper();
        const QString key = QStringLiteral("#BS.File") + upper;
        QString description = GetText(key);
        if (description == key)
            description = FormatText(QStringLiteral("#BS.FileGeneric"), {upper});
        m_fileTypes.insert(QString::fromLatin1(extension), description);
    }
    m_filterNames[0] = GetText(QStringLiteral("#BS.FileFilterNames"));
    for (int i = 1; i <= 4; ++i)
        m_filterNames[i] = GetText(QStringLiteral("#BS.FileFilterNames"), i - 1);
}

QString TBSLanguage::FileTypeDescription(const QString &extension) const
{
    return m_fileTypes.value(extension.toLower());
}

QString TBSLanguage::FileFilterName(int i) const
{
    return i >= 0 && i <= 4 ? m_filterNames[i] : QString();
}

int TBSLanguage::findSection(const QString &fullName) const
{
    const QString upper = fullName.toUpper();
    for (int i = 0; i < m_sectionNames.size(); ++i)
        if (m_sectionNames.at(i) == upper)
            return i;
    return -1;
}

BSRef<IBSStringMap> TBSLanguage::DataSection(const QString &name) const
{
    const int i = findSection(QStringLiteral("Data.") + name);
    if (i >= 0 && m_sectionList[size_t(i)].data)
        return m_sectionList[size_t(i)].data;
    return NewStringMap();
}

BSRef<IBSStringList> TBSLanguage::FormSection(const QString &name) const
{
    const int i = findSection(QStringLiteral("Form.") + name);
    if (i >= 0 && m_sectionList[size_t(i)].form)
        return m_sectionList[size_t(i)].form;
    return NewStringList();
}

QString TBSLanguage::GetText(const QString &key, int item) const
{
    QString result;
    if (key.startsWith(QLatin1Char('#'))) {
        const qsizetype dot = key.indexOf(QLatin1Char('.'), 1);
        if (dot > 0) {
            const int i = findSection(QStringLiteral("Data.") + key.mid(1, dot - 1));
            if (i >= 0 && m_sectionList[size_t(i)].data)
                result = m_sectionList[size_t(i)].data->ValueOf(key.mid(dot + 1).left(kMaxValueLength));
        }
    }
    if (result.isEmpty())
        return applyEscapes(key);
    if (item >= 0)
        result = CatalogueItem(result, item + 1);
    return applyEscapes(result);
}

QString TBSLanguage::FormatText(const QString &key, const QVariantList &args) const
{
    return BSFormat(GetText(key), args);
}

void TBSLanguage::AddLanguageHandler(int list, bool callNow, const void *owner, TNotification handler)
{
    if (list != FormHandlers && list != VocabularyHandlers)
        return;
    m_handlers[list].push_back(Handler{owner, handler});
    if (callNow && handler)
        handler(*this);
}

void TBSLanguage::RemoveLanguageHandler(const void *owner)
{
    for (auto &list : m_handlers)
        std::erase_if(list, [owner](const Handler &h) { return h.owner == owner; });
}

void TBSLanguage::notifyHandlers()
{
    for (const auto &list : m_handlers) {
        // A handler may add or remove handlers; run over a copy.
        const std::vector<Handler> handlers = list;
        for (const Handler &h : handlers)
            if (h.notify)
                h.notify(*this);
    }
}

// ---- registration and the one instance ---------------------------------------------------------------

void RegisterLanguageClass(TBSLanguageFactory factory)
{
    BSAssert(!registry().factory,
             QStringLiteral("Pro Projekt darf nur eine Language Implementation eingebunden werden!"));
    registry().factory = std::move(factory);
}

TBSLanguage &BSLanguageInstance()
{
    Registry &r = registry();
    if (!r.instance) {
        if (!r.factory)
            throw EBSLanguageError(QStringLiteral("Keine BSLanguage - Klasse definiert !"));
        r.instance = r.factory();
        r.instance->create();
    }
    return *r.instance;
}

TBSLanguage *ExistingBSLanguage()
{
    return registry().instance.get();
}

QString BSText(const QString &key, int item)
{
    return BSLanguageInstance().GetText(key, item);
}

void FreeBSLanguage(bool forgetClass)
{
    registry().instance.reset();
    if (forgetClass)
        registry().factory = nullptr;
}

void SetActiveLanguageReader(TActiveLanguageReader reader)
{
    registry().activeLanguageReader = std::move(reader);
}
