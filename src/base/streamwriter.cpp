#include "base/streams.h"

#include "base/format.h"
#include "base/stringlist.h"
#include "base/stringmap.h"
#include "base/textcodec.h"

#include <QBuffer>
#include <QFile>
#include <QScopeGuard>

#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// A table value that would break its row (tab, line break) or be misread (quote) goes in double quotes.
QString tableValue(const QString &value)
{
    const bool quote = value.contains(QLatin1Char('\t')) || value.contains(QLatin1Char('\r'))
        || value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('"'));
    if (!quote)
        return value;
    QString inner = value;
    inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

} // namespace

// ---- TBSAbstractWriter

IBSStreamWriter &TBSAbstractWriter::WriteFormat(const QString &format, const QVariantList &arguments)
{
    return Write(BSFormat(format, arguments));
}

IBSStreamWriter &TBSAbstractWriter::WriteLine(const QString &text)
{
    return Write(text + kLineEnd);
}

IBSStreamWriter &TBSAbstractWriter::WriteLineFormat(const QString &format, const QVariantList &arguments)
{
    return Write(BSFormat(format, arguments) + kLineEnd);
}

IBSStreamWriter &TBSAbstractWriter::WriteLines(const IBSStringList &lines)
{
    QString text;
    for (const QString &line : lines.Items())
        text += line + kLineEnd;
    return Write(text);
}

IBSStreamWriter &TBSAbstractWriter::WriteStringMap(const IBSStringMap &map)
{
    QString text;
    for (int i = 0; i < map.Count(); ++i)
        text += map.Name(i) + QLatin1Char('=') + map.Value(i) + kLineEnd;
    return Write(text);
}

IBSStreamWriter &TBSAbstractWriter::WriteTable(IBSTableRows &rows)
{
    rows.First();
    const QStringList columns = rows.ColumnNames();
    QStringList header;
    for (const QString &column : columns)
        header << BSCommaText({column});
    if (columns.size() == 1 && columns.first().isEmpty())
        header = QStringList{QStringLiteral("\"\"")};
    WriteLine(header.join(QLatin1Char('\t')));
    while (rows.HasCurrent()) {
        QStringList values;
        for (const QString &column : columns)
            values << tableValue(rows.Value(column));
        WriteLine(values.join(QLatin1Char('\t')));
        rows.Next();
    }
    return *this;
}

// ---- TBSStreamWriter

TBSStreamWriter::TBSStreamWriter(QIODevice *device, bool ownsStream)
    : m_device(device)
    , m_ownsStream(ownsStream)
{
}

TBSStreamWriter::~TBSStreamWriter()
{
    try {
        Close();
    } catch (...) {
        // A destructor cannot report; callers who need to know call Close themselves.
    }
}

int64_t TBSStreamWriter::Position() const
{
    if (!m_device)
        throw EBSStreamError(QStringLiteral("Stream is closed"));
    return m_device->pos();
}

void TBSStreamWriter::SetPosition(int64_t position)
{
    if (!m_device)
        throw EBSStreamError(QStringLiteral("Stream is closed"));
    if (!m_device->seek(position))
        throw EBSStreamError(QStringLiteral("Stream seek error"));
}

void TBSStreamWriter::Close()
{
    if (!m_device)
        return;
    // The device is forgotten (and freed when owned) whatever beforeClose answers.
    std::unique_ptr<QIODevice> owned(m_ownsStream ? m_device : nullptr);
    const auto forget = qScopeGuard([this] {
        m_device = nullptr;
        m_ownsStream = false;
    });
    beforeClose();
}

IBSStreamWriter &TBSStreamWriter::Write(const QString &text)
{
    if (!m_device)
        throw EBSStreamError(QStringLiteral("Stream is closed"));
    const QByteArray bytes = BSEncodeText(text);
    if (!bytes.isEmpty() && m_device->write(bytes) != bytes.size())
        throw EBSStreamError(QStringLiteral("Stream write error: %1").arg(m_device->errorString()));
    return *this;
}

// ---- TBSFileStreamWriter

TBSFileStreamWriter::~TBSFileStreamWriter()
{
    try {
        Close();
    } catch (...) {
        // A destructor cannot report; callers who need to know call Close themselves.
    }
}

void TBSFileStreamWriter::beforeClose()
{
    auto *file = qobject_cast<QFile *>(Stream());
    if (!file)
        return;
    if (!file->flush())
        throw EBSStreamError(QStringLiteral("Stream write error: %1").arg(file->errorString()));
    if (file->handle() >= 0 && ::fsync(file->handle()) != 0)
        throw EBSStreamError(QStringLiteral("Stream write error: the file could not be written to disk"));
}

BSRef<IBSStreamWriter> NewFileWriter(const QString &path, bool append)
{
    auto file = std::make_unique<QFile>(path);
    // ReadWrite without Truncate: the content goes only after the lock is held.
    if (!file->open(QIODevice::ReadWrite))
        throw EBSStreamError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file->errorString()));
    if (::flock(file->handle(), LOCK_EX | LOCK_NB) != 0)
        throw EBSStreamError(QStringLiteral("Cannot open file \"%1\". The file is in use.").arg(path));
    if (append) {
        if (!file->seek(file->size()))
            throw EBSStreamError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file->errorString()));
    } else if (!file->resize(0)) {
        throw EBSStreamError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file->errorString()));
    }
    return BSNew<TBSFileStreamWriter>(file.release(), true);
}

BSRef<IBSStreamWriter> NewMemoryWriter()
{
    auto *buffer = new QBuffer;
    buffer->open(QIODevice::ReadWrite);
    return BSNew<TBSStreamWriter>(buffer, true);
}
