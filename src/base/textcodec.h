#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// Text of files: read as UTF-8, or as Windows-1252 when the bytes are not valid UTF-8 (files written by
// older Windows tools); written as UTF-8.
QString BSDecodeText(const QByteArray &bytes);
QByteArray BSEncodeText(const QString &text);

// Windows-1252: the character of a byte, and the byte of a character (false when it has none).
QChar BSWindows1252Char(unsigned char byte);
bool BSWindows1252Byte(QChar c, unsigned char &byte);
QString BSDecodeWindows1252(const QByteArray &bytes);
