#include "frame/textfile.h"

#include "base/textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

ETextFileError::ETextFileError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

QString DecodeWindows1252(const QByteArray &bytes)
{
    return BSDecodeWindows1252(bytes);
}

QString DecodeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        return utf8.decode(bytes.mid(3));
    }
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder utf16(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless);
        return utf16.decode(bytes.mid(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless);
        return utf16.decode(bytes.mid(2));
    }
    return BSDecodeText(bytes);
}

QString ReadTextFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ETextFileError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ETextFileError(QStringLiteral("Cannot read file \"%1\". %2").arg(fileName, file.errorString()));
    return DecodeText(bytes);
}

bool WriteTextFileSafely(const QString &fileName, const QString &text, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, why);
        return false;
    };
    const QFileInfo info(fileName);
    if (!QDir().mkpath(info.absolutePath()))
        return fail(QStringLiteral("The folder cannot be created."));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    // commit() flushes the new file to disk before it takes the old one's place.
    if (!file.commit())
        return fail(file.errorString());
    if (error)
        error->clear();
    return true;
}
