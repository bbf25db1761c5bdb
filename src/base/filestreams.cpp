#include "base/files_p.h"

#include "base/osservices.h"
#include "base/streams.h"
#include "base/stringlist.h"
#include "base/stringmap.h"
#include "base/textcodec.h"

#include <QProcess>
#include <QSaveFile>

namespace {

// Replaces the file's content as a whole: the new text is written beside the file and takes its place
// only when complete, so a failed save never leaves a half-written file.
void saveText(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EBSStreamError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    const QByteArray bytes = BSEncodeText(text);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw EBSStreamError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}

} // namespace

BSRef<IBSStringList> TBSFile::LoadLines() const
{
    const BSRef<IBSStreamReader> reader = Reader();
    return reader ? reader->ReadLines() : NewStringList();
}

void TBSFile::SaveLines(const BSRef<IBSStringList> &lines)
{
    QString text;
    if (lines)
        for (const QString &line : lines->Items())
            text += line + QLatin1String("\r\n");
    saveText(m_path, text);
}

BSRef<IBSStringMap> TBSFile::LoadStringMap() const
{
    const BSRef<IBSStreamReader> reader = Reader();
    return reader ? reader->ReadStringMap() : NewStringMap();
}

void TBSFile::SaveStringMap(const BSRef<IBSStringMap> &map)
{
    QString text;
    if (map)
        for (int i = 0; i < map->Count(); ++i)
            text += map->Name(i) + QLatin1Char('=') + map->Value(i) + QLatin1String("\r\n");
    saveText(m_path, text);
}

bool TBSFile::RunAndCapture(const QString &parameters, const BSRef<IBSStreamWriter> &writer)
{
    if (m_path.isEmpty())
        return false;
    return BSRunAndCapture(m_path, QProcess::splitCommand(parameters), [&writer](const QString &line) {
        if (writer)
            writer->WriteLine(line);
    });
}

BSRef<IBSStreamReader> TBSFile::Reader() const
{
    if (!Exists())
        return nullptr;
    return NewFileReader(m_path);
}

BSRef<IBSStreamWriter> TBSFile::Writer(bool append) const
{
    return NewFileWriter(m_path, append);
}
