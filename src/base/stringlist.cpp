#include "base/stringlist.h"

#include "base/converterror.h"
#include "base/integercollections.h"
#include "base/lookupitems.h"
#include "base/stringmap.h"
#include "base/stringset.h"

#include <algorithm>
#include <stdexcept>

QString BSCommaText(const QStringList &items)
{
    if (items.size() == 1 && items.first().isEmpty())
        return QStringLiteral("\"\"");
    QString text;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString &item = items[i];
        if (i > 0)
            text += QLatin1Char(',');
        const bool quote = std::any_of(item.begin(), item.end(), [](QChar c) {
            return c.unicode() <= ' ' || c == QLatin1Char('"') || c == QLatin1Char(',');
        });
        if (quote) {
            QString inner = item;
            inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
            text += QLatin1Char('"') + inner + QLatin1Char('"');
        } else {
            text += item;
        }
    }
    return text;
}

QStringList BSSplitLines(const QString &text)
{
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normalized.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// ---- TBSStringCollection

QString TBSStringCollection::CommaText() const
{
    return BSCommaText(m_items);
}

void TBSStringCollection::SetCommaText(const QString &text)
{
    assign(text.isEmpty() ? QStringList() : text.split(QLatin1Char(',')));
}

QString TBSStringCollection::Item(int i) const
{
    if (i < 0 || i >= m_items.size())
        throw std::out_of_range("list index out of bounds");
    return m_items[i];
}

BSRef<IBSStringSet> TBSStringCollection::AsStringSet() const
{
    return BSNew<TBSStringSet>(m_items);
}

// ---- TBSStringList2

void TBSStringList2::SetItem(int i, const QString &s)
{
    if (i < 0 || i >= m_items.size())
        throw std::out_of_range("list index out of bounds");
    m_items[i] = s;
}

QString TBSStringList2::GetText() const
{
    QString text;
    for (const QString &item : m_items)
        text += item + QLatin1Char('\n');
    return text;
}

void TBSStringList2::SetText(const QString &text)
{
    m_items = BSSplitLines(text);
}

BSRef<IBSStringList> TBSStringList2::Clone() const
{
    return BSNew<TBSStringList2>(m_items);
}

BSRef<IBSStringList> TBSStringList2::SubList(int from, int count) const
{
    const int n = Count();
    const int start = std::clamp(from, 0, n);
    const int length = count < 0 ? n - start : std::min(count, n - start);
    return BSNew<TBSStringList2>(m_items.mid(start, length));
}

void TBSStringList2::Delete(int i)
{
    if (i < 0 || i >= m_items.size())
        throw std::out_of_range("list index out of bounds");
    m_items.removeAt(i);
}

void TBSStringList2::Insert(int i, const QString &s)
{
    if (i < 0 || i > m_items.size())
        throw std::out_of_range("list index out of bounds");
    m_items.insert(i, s);
}

void TBSStringList2::Reverse()
{
    std::reverse(m_items.begin(), m_items.end());
}

void TBSStringList2::Sort(const Comparison &comparison)
{
    if (comparison)
        std::stable_sort(m_items.begin(), m_items.end(),
                         [&](const QString &a, const QString &b) { return comparison(a, b) < 0; });
    else
        std::stable_sort(m_items.begin(), m_items.end(),
                         [](const QString &a, const QString &b) { return QString::compare(a, b) < 0; });
}

BSRef<IBSStringMap> TBSStringList2::AsStringMap() const
{
    return NewStringMapFromStrings(m_items);
}

BSRef<IBSLookupItems> TBSStringList2::AsLookupItems() const
{
    auto items = NewLookupItems();
    for (int i = 0; i < m_items.size(); ++i)
        items->SetTextOf(i, m_items[i]);
    return items;
}

BSRef<IBSIntegerList> TBSStringList2::AsIntegerList() const
{
    auto list = NewIntegerList();
    for (const QString &item : m_items)
        list->Add(BSStrToInt(item));
    return list;
}

BSRef<IBSStringList> NewStringList()
{
    return BSNew<TBSStringList2>();
}

BSRef<IBSStringList> NewStringListFromText(const QString &text)
{
    auto list = BSNew<TBSStringList2>();
    list->SetText(text);
    return list;
}

BSRef<IBSStringList> NewStringListFromStrings(const QStringList &items)
{
    return BSNew<TBSStringList2>(items);
}
