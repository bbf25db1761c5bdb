#include "base/stringmap.h"

#include "base/converterror.h"
#include "base/integermaps.h"
#include "base/lookupitems.h"
#include "base/stringlist.h"
#include "base/stringset.h"

#include <QCollator>

#include <algorithm>
#include <stdexcept>

namespace {

const QString &checkedLine(const QStringList &lines, int i)
{
    if (i < 0 || i >= lines.size())
        throw std::out_of_range("list index out of bounds");
    return lines[i];
}

} // namespace

QString TBSStringMap::Name(int i) const
{
    const QString &line = checkedLine(m_lines, i);
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? line : line.left(eq);
}

QString TBSStringMap::Value(int i) const
{
    const QString &line = checkedLine(m_lines, i);
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : line.mid(eq + 1);
}

void TBSStringMap::SetValue(int i, const QString &value)
{
    checkedLine(m_lines, i);
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
    m_lines = BSSplitLines(text);
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

BSRef<IBSStringMap> TBSStringMap::Inverted() const
{
    auto map = BSNew<TBSStringMap>();
    for (int i = 0; i < m_lines.size(); ++i)
        map->Put(Value(i), Name(i));
    return map;
}

void TBSStringMap::SortByName()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::stable_sort(m_lines.begin(), m_lines.end(), [&](const QString &a, const QString &b) {
        return collator.compare(a.section(QLatin1Char('='), 0, 0), b.section(QLatin1Char('='), 0, 0)) < 0;
    });
}

void TBSStringMap::SortByValue()
{
    auto valueOf = [](const QString &line) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        return eq < 0 ? QString() : line.mid(eq + 1);
    };
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::stable_sort(m_lines.begin(), m_lines.end(),
                     [&](const QString &a, const QString &b) { return collator.compare(valueOf(a), valueOf(b)) < 0; });
}

QString TBSStringMap::NameOfValue(const QString &value) const
{
    for (int i = 0; i < m_lines.size(); ++i)
        if (Value(i) == value)
            return Name(i);
    return {};
}

BSRef<IBSStringSet> TBSStringMap::Names() const
{
    auto names = NewStringSet();
    for (int i = 0; i < m_lines.size(); ++i)
        names->Add(Name(i));
    return names;
}

BSRef<IBSIntegerMap> TBSStringMap::AsIntegerMap() const
{
    auto map = NewIntegerMap();
    for (int i = 0; i < m_lines.size(); ++i)
        map->Put(BSStrToIntDef(Name(i), 0), BSStrToIntDef(Value(i), 0));
    return map;
}

BSRef<IBSLookupItems> TBSStringMap::AsLookupItems() const
{
    auto items = NewLookupItems();
    for (int i = 0; i < m_lines.size(); ++i)
        items->SetTextOf(BSStrToIntDef(Name(i), 0), Value(i));
    return items;
}

BSRef<IBSStringList> TBSStringMap::Values() const
{
    auto values = NewStringList();
    for (int i = 0; i < m_lines.size(); ++i)
        values->Add(Value(i));
    return values;
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
