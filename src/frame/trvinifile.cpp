#include "frame/trvinifile.h"
#include "base/stringlist.h"

#include "frame/inivalues.h"
#include "frame/programpaths.h"
#include "frame/textfile.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <memory>

namespace {

QString detectLineEnd(const QString &text)
{
    const qsizetype lf = text.indexOf(QLatin1Char('\n'));
    if (lf > 0 && text.at(lf - 1) == QLatin1Char('\r'))
        return QStringLiteral("\r\n");
    return QStringLiteral("\n");
}

QString lineKey(const QString &key, int line)
{
    return key + QStringLiteral("%1").arg(line, 3, 10, QLatin1Char('0'));
}

const QString kMissingLine = QStringLiteral("$@@$");

} // namespace

// ---- Batch -------------------------------------------------------------------------------------------

TTrvIniFile::Batch::Batch(TTrvIniFile &ini)
    : m_ini(ini)
{
    m_ini.BeginUpdate();
}

TTrvIniFile::Batch::~Batch()
{
    finish();
}

bool TTrvIniFile::Batch::finish()
{
    if (m_finished)
        return true;
    m_finished = true;
    return m_ini.EndUpdate();
}

// ---- TTrvIniFile -------------------------------------------------------------------------------------

TTrvIniFile::TTrvIniFile(const QString &fileName)
    : TTrvIniFile(fileName, QString())
{
}

TTrvIniFile::TTrvIniFile(const QString &fileName, const QString &seedFileName)
    : m_fileName(fileName)
{
    m_known = diskState();
    if (m_known.exists) {
        loadFromDisk();
    } else if (!seedFileName.isEmpty() && QFileInfo::exists(seedFileName)) {
        try {
            const QString text = ReadTextFile(seedFileName);
            m_document = TBSIniText::parse(text);
            m_lineEnd = detectLineEnd(text);
        } catch (const ETextFileError &error) {
            m_lastError = error.message();
        }
    }
}

TTrvIniFile::TTrvIniFile(const QString &fileName, InMemory)
    : m_fileName(fileName)
    , m_inMemory(true)
{
    if (fileName.isEmpty() || !QFileInfo::exists(fileName))
        return;
    try {
        setText(ReadTextFile(fileName));
    } catch (const ETextFileError &error) {
        m_lastError = error.message();
    }
}

TTrvIniFile::~TTrvIniFile() = default;

void TTrvIniFile::BeginUpdate()
{
    if (m_batchDepth == 0) {
        refresh();
        m_pending = false;
    }
    ++m_batchDepth;
}

bool TTrvIniFile::EndUpdate()
{
    if (m_batchDepth == 0)
        return true;
    if (--m_batchDepth > 0 || !m_pending)
        return true;
    m_pending = false;
    return flush();
}

TTrvIniFile::DiskState TTrvIniFile::diskState() const
{
    DiskState state;
    if (m_inMemory || m_fileName.isEmpty())
        return state;
    // Every write puts a new file in place, so the file's identity changes with each write, also when
    // two writes fall into the same clock tick and leave the same size.
    struct stat info {};
    if (::stat(QFile::encodeName(m_fileName).constData(), &info) != 0)
        return state;
    state.exists = true;
    state.size = qint64(info.st_size);
    state.modified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    state.device = quint64(info.st_dev);
    state.inode = quint64(info.st_ino);
    return state;
}

void TTrvIniFile::loadFromDisk() const
{
    if (!m_known.exists) {
        m_document = TBSIniText();
        return;
    }
    try {
        const QString text = ReadTextFile(m_fileName);
        m_document = TBSIniText::parse(text);
        m_lineEnd = detectLineEnd(text);
    } catch (const ETextFileError &error) {
        // The values read so far stay; the next successful read brings the file's.
        m_lastError = error.message();
    }
}

void TTrvIniFile::refresh() const
{
    if (m_inMemory || m_batchDepth > 0)
        return;
    const DiskState now = diskState();
    if (now == m_known)
        return;
    m_known = now;
    loadFromDisk();
}

bool TTrvIniFile::flush()
{
    return m_inMemory || writeDocument();
}

bool TTrvIniFile::writeDocument()
{
    QString error;
    if (!WriteTextFileSafely(m_fileName, m_document.toText(m_lineEnd), &error)) {
        m_lastError = error;
        return false;
    }
    m_lastError.clear();
    m_known = diskState();
    return true;
}

void TTrvIniFile::setText(const QString &text)
{
    m_document = TBSIniText::parse(text);
    m_lineEnd = detectLineEnd(text);
}

QString TTrvIniFile::GetText() const
{
    refresh();
    return m_document.toText(m_lineEnd);
}

bool TTrvIniFile::UpdateFile()
{
    return m_fileName.isEmpty() || writeDocument();
}

QString TTrvIniFile::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    refresh();
    return m_document.value(section, key, defaultValue);
}

bool TTrvIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    if (section.trimmed().isEmpty() || key.trimmed().isEmpty())
        return false;
    Batch batch(*this);
    if (m_document.hasKey(section, key) && m_document.value(section, key) == value.trimmed())
        return batch.finish();
    m_document.setValue(section, key, value);
    m_pending = true;
    return batch.finish();
}

qint32 TTrvIniFile::ReadInteger(const QString &section, const QString &key, qint32 defaultValue) const
{
    const QString text = ReadString(section, key, QString());
    return ParseIniInteger(text).value_or(defaultValue);
}

bool TTrvIniFile::WriteInteger(const QString &section, const QString &key, qint32 value)
{
    return WriteString(section, key, QString::number(value));
}

bool TTrvIniFile::ReadBool(const QString &section, const QString &key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TTrvIniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QDateTime TTrvIniFile::ReadDateTime(const QString &section, const QString &key, const QDateTime &defaultValue) const
{
    return ParseIniDateTime(ReadString(section, key, QString())).value_or(defaultValue);
}

bool TTrvIniFile::WriteDateTime(const QString &section, const QString &key, const QDateTime &value)
{
    return WriteString(section, key, FormatIniDateTime(value));
}

QString TTrvIniFile::ReadMultiLine(const QString &section, const QString &key, const QString &defaultValue) const
{
    const qint32 count = ReadInteger(section, key + QStringLiteral("XX"), -1);
    if (count == -1)
        return defaultValue;
    refresh();
    // Every stored line has its own key, so a count above the number of keys of the section comes from a
    // damaged file: read up to the last line that is there instead of producing millions of empty lines.
    qint32 lineCount = count;
    const auto entries = m_document.entries(section);
    if (count > entries.size()) {
        lineCount = 0;
        for (const auto &entry : entries) {
            if (!entry.first.startsWith(key, Qt::CaseInsensitive))
                continue;
            bool ok = false;
            const int index = entry.first.mid(key.size()).toInt(&ok);
            if (ok && index >= 0 && index < count && index + 1 > lineCount
                && lineKey(key, index).compare(entry.first, Qt::CaseInsensitive) == 0)
                lineCount = index + 1;
        }
    }
    QStringList lines;
    for (qint32 i = 0; i < lineCount; ++i)
        lines << m_document.value(section, lineKey(key, i));
    return lines.join(QStringLiteral("\r\n"));
}

bool TTrvIniFile::WriteMultiLine(const QString &section, const QString &key, const QString &text)
{
    QStringList lines = BSSplitLines(text);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    Batch batch(*this);
    WriteInteger(section, key + QStringLiteral("XX"), qint32(lines.size()));
    for (int i = 0; i < lines.size(); ++i)
        WriteString(section, lineKey(key, i), lines.at(i));
    for (int i = int(lines.size());; ++i) {
        if (ReadString(section, lineKey(key, i), kMissingLine) == kMissingLine)
            break;
        DeleteKey(section, lineKey(key, i));
    }
    return batch.finish();
}

QStringList TTrvIniFile::ReadSection(const QString &section) const
{
    refresh();
    QStringList keys;
    for (const auto &entry : m_document.entries(section))
        keys << entry.first;
    return keys;
}

QStringList TTrvIniFile::ReadSections() const
{
    refresh();
    return m_document.sectionNames();
}

QStringList TTrvIniFile::ReadSectionValues(const QString &section) const
{
    refresh();
    QStringList lines;
    for (const auto &entry : m_document.entries(section))
        lines << entry.first + QLatin1Char('=') + entry.second;
    return lines;
}

bool TTrvIniFile::SectionExists(const QString &section) const
{
    refresh();
    return m_document.hasSection(section);
}

bool TTrvIniFile::ValueExists(const QString &section, const QString &key) const
{
    refresh();
    return m_document.hasKey(section, key);
}

bool TTrvIniFile::EraseSection(const QString &section)
{
    Batch batch(*this);
    if (m_document.hasSection(section)) {
        m_document.eraseSection(section);
        m_pending = true;
    }
    return batch.finish();
}

bool TTrvIniFile::DeleteKey(const QString &section, const QString &key)
{
    Batch batch(*this);
    if (m_document.hasKey(section, key)) {
        m_document.removeKey(section, key);
        m_pending = true;
    }
    return batch.finish();
}

// ---- TTrvMemIniFile ----------------------------------------------------------------------------------

TTrvMemIniFile::TTrvMemIniFile()
    : TTrvIniFile(QString(), InMemory{})
{
}

TTrvMemIniFile::TTrvMemIniFile(const QString &fileName)
    : TTrvIniFile(fileName, InMemory{})
{
}

void TTrvMemIniFile::SetStrings(const QStringList &lines)
{
    setText(lines.join(QLatin1Char('\n')));
}

// ---- SettingsFile ------------------------------------------------------------------------------------

namespace {

std::unique_ptr<TTrvIniFile> &settingsFileInstance()
{
    static std::unique_ptr<TTrvIniFile> instance;
    return instance;
}

} // namespace

TTrvIniFile &SettingsFile()
{
    auto &instance = settingsFileInstance();
    if (!instance) {
        const TProgramPaths &paths = ProgramPaths();
        instance = std::make_unique<TTrvIniFile>(paths.settingsFileName(), paths.settingsSeedFileName());
    }
    return *instance;
}

void CloseSettingsFile()
{
    settingsFileInstance().reset();
}
