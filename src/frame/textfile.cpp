#include "frame/textfile.h"

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
    // 0x80 to 0x9F; the rest of the code page equals Latin-1.
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte < 0xA0) ? QChar(high[byte - 0x80]) : QChar(byte);
    }
    return text;
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
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(bytes);
}

QStringList SplitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n'))
            ++end;
        lines << text.mid(start, end - start);
        if (end < size && text.at(end) == QLatin1Char('\r') && end + 1 < size
            && text.at(end + 1) == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    return lines;
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
