#include "base/stringmap.h"

QString TBSStringMap::Name(int i) const
{
    const QString &line = m_lines.at(i);
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? line : line.left(eq);
}

QString TBSStringMap::Value(int i) const
{
    const QString &line = m_lines.at(i);
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : line.mid(eq + 1);
}

void TBSStringMap::SetValue(int i, const QString &value)
{
    QString &line = m_lines[i];
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    line = eq < 0 ? value : line.left(eq + 1) + value;
}

int TBSStringMap::indexOfName(const QString &name) const
{
    for (int i = 0; i < m_lines.size(); ++i)
        if (Name(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TBSStringMap::ValueOf(const QString &name) const
{
    const int i = indexOfName(name);
    return i < 0 ? QString() : Value(i);
}

void TBSStringMap::Put(const QString &name, const QString &value)
{
    const QString line = name + QLatin1Char('=') + value;
    const int i = indexOfName(name);
    if (i < 0)
        m_lines << line;
    else
        m_lines[i] = line;
}

QString TBSStringMap::GetText() const
{
    QString text;
    for (const QString &line : m_lines)
        text += line + QLatin1Char('\n');
    return text;
}

void TBSStringMap::SetText(const QString &text)
{
    m_lines.clear();
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_lines = normalized.split(QLatin1Char('\n'));
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
}

void TBSStringMap::AddFrom(const IBSStringMap &other)
{
    for (int i = 0; i < other.Count(); ++i)
        Put(other.Name(i), other.Value(i));
}

void TBSStringMap::Remove(const QString &name)
{
    const int i = indexOfName(name);
    if (i >= 0)
        m_lines.removeAt(i);
}

BSRef<IBSStringMap> NewStringMap()
{
    return BSNew<TBSStringMap>();
}

BSRef<IBSStringMap> NewStringMapFromStrings(const QStringList &lines)
{
    auto map = BSNew<TBSStringMap>();
    for (const QString &line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 1)
            continue;
        map->Put(line.left(eq), line.mid(eq + 1).left(9999));
    }
    return map;
}
