#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <stdexcept>

// Reading and writing the program's text files (settings, language files, catalogue resources).
//
// Files are read as UTF-8; a file that is not valid UTF-8 was written by an older Windows tool and is
// read as Windows-1252. A byte order mark (UTF-8, UTF-16 LE/BE) is honoured and dropped. Files are
// written as UTF-8 without a byte order mark.

// A file that exists but cannot be read or written.
class ETextFileError : public std::runtime_error
{
public:
    explicit ETextFileError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The text of raw file contents by the rules above.
QString DecodeText(const QByteArray &bytes);
// Windows-1252 bytes as text; the five bytes the code page leaves undefined become the control
// characters of the same number, as Windows itself does.
QString DecodeWindows1252(const QByteArray &bytes);



// The decoded text of a file. Throws ETextFileError when the file cannot be opened or read.
QString ReadTextFile(const QString &fileName);

// Writes the text as UTF-8 to a new file beside fileName and then puts it in place of fileName, so a
// crash or a full disk never leaves a damaged or empty file behind. Missing folders are created.
// Answers false and sets *error when the file could not be written; the old file is then unchanged.
bool WriteTextFileSafely(const QString &fileName, const QString &text, QString *error = nullptr);
