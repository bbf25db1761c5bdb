#include "base/stringlist.h"

QString TBSStringList2::GetText() const
{
    QString text;
    for (const QString &item : m_items)
        text += item + QLatin1Char('\n');
    return text;
}

void TBSStringList2::SetText(const QString &text)
{
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_items = normalized.split(QLatin1Char('\n'));
    if (!m_items.isEmpty() && m_items.last().isEmpty())
        m_items.removeLast();
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
