#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

// Raw text resources built into the program (point tables, catalogue data). A resource is named as the
// program's code names it ("BSLanguageData_EN"); it is found as ":/rcdata/<name>" or ":/<name>", and
// otherwise by its file name, with or without extension and without regard to case, among the files of
// ":/rcdata". A name starting with ":" is taken as the resource path itself.

// A resource that the program asks for and does not carry.
class EResNotFound : public std::runtime_error
{
public:
    explicit EResNotFound(const QString &name);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The Qt resource path of the named resource; empty when there is none.
QString FindResourcePath(const QString &name);
// The resource's text (UTF-8, or Windows-1252 when not valid UTF-8). Throws EResNotFound.
QString ReadResourceText(const QString &name);
// The resource's lines. Throws EResNotFound.
QStringList ReadResourceLines(const QString &name);
