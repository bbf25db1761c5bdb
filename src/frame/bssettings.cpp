#include "frame/bssettings.h"

#include "frame/programpaths.h"
#include "frame/resourcetext.h"
#include "frame/trvinifile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace {

// Optional sign and decimal digits, within 32 bits.
std::optional<qint32> parseDecimal(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok || text.isEmpty() || text.front().isSpace() || text.back().isSpace() || value < INT32_MIN
        || value > INT32_MAX)
        return std::nullopt;
    return qint32(value);
}

std::optional<double> parseFloat(const QString &text)
{
    QString normalized = text.trimmed();
    normalized.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(normalized, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> parseBool(const QString &text)
{
    if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = parseFloat(text); number && !text.contains(QLatin1Char(',')))
        return *number != 0;
    return std::nullopt;
}

const QString kDateTimeFormat = QStringLiteral("yyyyMMddHHmmsszzz");

std::optional<QDateTime> parseDateTime(const QString &text)
{
    if (text.size() != 17)
        return std::nullopt;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const QDate date(text.mid(0, 4).toInt(), text.mid(4, 2).toInt(), text.mid(6, 2).toInt());
    const QTime time(text.mid(8, 2).toInt(), text.mid(10, 2).toInt(), text.mid(12, 2).toInt(), text.mid(14, 3).toInt());
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}

BSRef<IBSStringMap> mapOfLines(const QStringList &lines)
{
    auto map = NewStringMap();
    for (const QString &line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        map->Put(line.left(eq), line.mid(eq + 1));
    }
    return map;
}

} // namespace

// ---- TBSAbstractSection ------------------------------------------------------------------------------

void TBSAbstractSection::Merge(const BSRef<IBSSection> &other)
{
    if (!other)
        return;
    const BSRef<IBSStringMap> values = other->Values();
    for (int i = 0; i < values->Count(); ++i)
        WriteString(values->Name(i), values->Value(i));
}

BSRef<IBSSection> TBSAbstractSection::MemoryCopy() const
{
    return BSNew<TBSMemorySection>(Values());
}

void TBSAbstractSection::WriteBool(const QString &name, bool value)
{
    WriteString(name, value ? QStringLiteral("True") : QStringLiteral("False"));
}

void TBSAbstractSection::WriteDateTime(const QString &name, const QDateTime &value)
{
    WriteString(name, value.toLocalTime().toString(kDateTimeFormat));
}

void TBSAbstractSection::WriteDirectory(const QString &name, const BSRef<IBSDirectory> &value)
{
    WriteString(name, value ? value->FullName() : QString());
}

void TBSAbstractSection::WriteFile(const QString &name, const BSRef<IBSFile> &value)
{
    WriteString(name, value && !value->IsEmpty() ? value->FullName() : QString());
}

void TBSAbstractSection::WriteFloat(const QString &name, double value)
{
    WriteString(name, QString::number(value, 'g', 15));
}

void TBSAbstractSection::WriteInteger(const QString &name, qint32 value)
{
    WriteString(name, QString::number(value));
}

bool TBSAbstractSection::ReadBool(const QString &name, bool defaultValue) const
{
    return parseBool(ReadString(name, QString())).value_or(defaultValue);
}

QDateTime TBSAbstractSection::ReadDateTime(const QString &name, const QDateTime &defaultValue) const
{
    return parseDateTime(ReadString(name, QString())).value_or(defaultValue);
}

// The stored path of a file or directory value: nothing for an absent key, so it can be told from an
// empty value (which means no object).
std::optional<QString> TBSAbstractSection::readPath(const QString &name) const
{
    // A marker that no stored value can equal.
    const QString absent(1, QChar(0xFFFF));
    const QString text = ReadString(name, absent);
    if (text == absent)
        return std::nullopt;
    return text;
}

BSRef<IBSDirectory> TBSAbstractSection::ReadDirectory(const QString &name, const BSRef<IBSDirectory> &defaultValue) const
{
    const auto path = readPath(name);
    if (!path)
        return defaultValue;
    return path->isEmpty() ? BSRef<IBSDirectory>() : NewDirectory(*path);
}

BSRef<IBSFile> TBSAbstractSection::ReadFile(const QString &name, const BSRef<IBSFile> &defaultValue) const
{
    const auto path = readPath(name);
    if (!path)
        return defaultValue;
    return path->isEmpty() ? BSRef<IBSFile>() : NewFile(*path);
}

double TBSAbstractSection::ReadFloat(const QString &name, double defaultValue) const
{
    return parseFloat(ReadString(name, QString())).value_or(defaultValue);
}

qint32 TBSAbstractSection::ReadInteger(const QString &name, qint32 defaultValue) const
{
    return parseDecimal(ReadString(name, QString())).value_or(defaultValue);
}

// ---- TBSSection --------------------------------------------------------------------------------------

TBSSection::TBSSection(BSRef<IBSUnknown> owner, TTrvIniFile *store, const QString &name)
    : m_owner(std::move(owner))
    , m_store(store)
    , m_name(name)
{
}

BSRef<IBSStringMap> TBSSection::Values() const
{
    return mapOfLines(m_store->ReadSectionValues(m_name));
}

void TBSSection::SetValues(const BSRef<IBSStringMap> &values)
{
    m_store->BeginUpdate();
    m_store->EraseSection(m_name);
    if (values)
        for (int i = 0; i < values->Count(); ++i)
            m_store->WriteString(m_name, values->Name(i), values->Value(i));
    m_store->EndUpdate();
}

void TBSSection::Clear()
{
    m_store->EraseSection(m_name);
}

bool TBSSection::IsEmpty() const
{
    return !m_store->SectionExists(m_name);
}

QString TBSSection::ReadString(const QString &name, const QString &defaultValue) const
{
    return m_store->ReadString(m_name, name, defaultValue);
}

void TBSSection::WriteString(const QString &name, const QString &value)
{
    m_store->WriteString(m_name, name, value);
}

// ---- TBSSectionWithDefaults --------------------------------------------------------------------------

TBSSectionWithDefaults::TBSSectionWithDefaults(BSRef<IBSUnknown> owner, TTrvIniFile *store, const QString &name,
                                               BSRef<IBSSection> defaults)
    : TBSSection(std::move(owner), store, name)
    , m_defaults(std::move(defaults))
{
}

BSRef<IBSStringMap> TBSSectionWithDefaults::Values() const
{
    BSRef<IBSStringMap> values = TBSSection::Values();
    const BSRef<IBSStringMap> defaults = m_defaults->Values();
    for (int i = 0; i < defaults->Count(); ++i)
        if (!values->ContainsName(defaults->Name(i)))
            values->Put(defaults->Name(i), defaults->Value(i));
    return values;
}

bool TBSSectionWithDefaults::IsEmpty() const
{
    return TBSSection::IsEmpty() && m_defaults->IsEmpty();
}

QString TBSSectionWithDefaults::ReadString(const QString &name, const QString &defaultValue) const
{
    return TBSSection::ReadString(name, m_defaults->ReadString(name, defaultValue));
}

// ---- TBSMemorySection --------------------------------------------------------------------------------

TBSMemorySection::TBSMemorySection(const BSRef<IBSStringMap> &values)
    : m_values(NewStringMap())
{
    if (values)
        m_values->AddFrom(*values);
}

BSRef<IBSStringMap> TBSMemorySection::Values() const
{
    auto copy = NewStringMap();
    copy->AddFrom(*m_values);
    return copy;
}

void TBSMemorySection::SetValues(const BSRef<IBSStringMap> &values)
{
    m_values->Clear();
    if (values)
        m_values->AddFrom(*values);
}

void TBSMemorySection::Clear()
{
    m_values->Clear();
}

bool TBSMemorySection::IsEmpty() const
{
    return m_values->Count() == 0;
}

QString TBSMemorySection::ReadString(const QString &name, const QString &defaultValue) const
{
    return m_values->ContainsName(name) ? m_values->ValueOf(name) : defaultValue;
}

void TBSMemorySection::WriteString(const QString &name, const QString &value)
{
    m_values->Put(name, value);
}

// ---- TBSSettings -------------------------------------------------------------------------------------

TBSSettings::TBSSettings(std::unique_ptr<TTrvIniFile> store, BSRef<IBSSettings> defaults)
    : m_store(std::move(store))
    , m_defaults(std::move(defaults))
{
}

TBSSettings::~TBSSettings() = default;

BSRef<IBSSection> TBSSettings::GetSection(const QString &name)
{
    BSRef<IBSUnknown> self = std::dynamic_pointer_cast<IBSUnknown>(shared_from_this());
    if (m_defaults)
        return BSNew<TBSSectionWithDefaults>(self, m_store.get(), name, m_defaults->GetSection(name));
    return BSNew<TBSSection>(self, m_store.get(), name);
}

void TBSSettings::SetSection(const QString &name, const BSRef<IBSSection> &source)
{
    const BSRef<IBSStringMap> values = source ? source->Values() : NewStringMap();
    m_store->BeginUpdate();
    m_store->EraseSection(name);
    for (int i = 0; i < values->Count(); ++i)
        m_store->WriteString(name, values->Name(i), values->Value(i));
    m_store->EndUpdate();
}

BSRef<IBSStringList> TBSSettings::SectionNames() const
{
    return NewStringListFromStrings(m_store->ReadSections());
}

// ---- factories ---------------------------------------------------------------------------------------

BSRef<IBSSettings> OpenIniSettings(const BSRef<IBSFile> &file, bool inMemory, const BSRef<IBSSettings> &defaults)
{
    std::unique_ptr<TTrvIniFile> store;
    if (!file || file->IsEmpty())
        store = std::make_unique<TTrvMemIniFile>();
    else if (inMemory)
        store = std::make_unique<TTrvMemIniFile>(file->FullName());
    else
        store = std::make_unique<TTrvIniFile>(file->FullName());
    return BSNew<TBSSettings>(std::move(store), defaults);
}

BSRef<IBSSettings> OpenRegistrySettings(const QString &keyPath, const BSRef<IBSSettings> &defaults)
{
    return BSNew<TBSSettings>(std::make_unique<TTrvIniFile>(RegistryKeyFileName(keyPath)), defaults);
}

BSRef<IBSSettings> OpenResourceSettings(const QString &resourceName)
{
    return OpenTextSettings(ReadResourceText(resourceName));
}

BSRef<IBSSettings> OpenTextSettings(const QString &text, const BSRef<IBSSettings> &defaults)
{
    auto store = std::make_unique<TTrvMemIniFile>();
    store->SetText(text);
    return BSNew<TBSSettings>(std::move(store), defaults);
}

QString RegistryKeyFileName(const QString &keyPath)
{
    QStringList parts;
    for (QString part : keyPath.split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts)) {
        part.remove(QChar(0));
        part = part.trimmed();
        if (part.isEmpty() || part == QStringLiteral(".") || part == QStringLiteral(".."))
            continue;
        parts << part;
    }
    QString folder = ProgramPaths().registryFolder();
    if (parts.isEmpty())
        return folder + QStringLiteral("/(root).ini");
    // Key names are not case-sensitive: reuse what is there in whatever case it was first written.
    const auto existing = [](const QString &dir, const QString &name, QDir::Filters filter) {
        for (const QString &entry : QDir(dir).entryList(filter | QDir::Hidden | QDir::NoDotAndDotDot))
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                return entry;
        return name;
    };
    for (qsizetype i = 0; i + 1 < parts.size(); ++i)
        folder += QLatin1Char('/') + existing(folder, parts.at(i), QDir::Dirs);
    return folder + QLatin1Char('/') + existing(folder, parts.last() + QStringLiteral(".ini"), QDir::Files);
}
