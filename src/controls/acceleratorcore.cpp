#include "controls/acceleratorcore.h"

#include <algorithm>

bool IsAcceleratorChar(QChar upper)
{
    return (upper >= u'0' && upper <= u'9') || (upper >= u'A' && upper <= u'Z') || upper == u'Ä' || upper == u'Ö'
           || upper == u'Ü';
}

// Texts are upper-cased character by character, so that positions stay those of the text ("ß" stays).
QChar ExistingAccelerator(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const QChar next = text.at(i + 1).toUpper();
        if (text.at(i) == u'&' && IsAcceleratorChar(next))
            return next;
    }
    return QChar();
}

QString AcceleratorCandidates(const QString &text)
{
    QString candidates;
    for (const QChar c : text) {
        const QChar upper = c.toUpper();
        if (IsAcceleratorChar(upper) && !candidates.contains(upper))
            candidates += upper;
    }
    return candidates;
}

QString InsertAccelerator(const QString &text, QChar accelerator)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).toUpper() == accelerator) {
            QString result = text;
            result.insert(i, u'&');
            return result;
        }
    }
    return text;
}

TTrvAcceleratorItem::TTrvAcceleratorItem(QObject *control, int itemIndex, int kind, const QString &text,
                                         Writer writer)
    : m_control(control), m_itemIndex(itemIndex), m_kind(kind), m_text(text), m_writer(std::move(writer))
{
    m_accelerator = ExistingAccelerator(text);
    if (m_accelerator.isNull())
        m_candidates = AcceleratorCandidates(text);
}

void TTrvAcceleratorItem::assign(QChar accelerator)
{
    m_accelerator = accelerator;
    m_text = InsertAccelerator(m_text, accelerator);
    if (m_writer)
        m_writer(m_text);
}

TTrvAcceleratorGroup::TTrvAcceleratorGroup(QObject *container, TTrvAcceleratorGroup *parent)
    : m_container(container), m_parent(parent)
{
}

TTrvAcceleratorItem *TTrvAcceleratorGroup::addItem(QObject *control, int itemIndex, int kind, const QString &text,
                                                   TTrvAcceleratorItem::Writer writer)
{
    m_items.push_back(std::make_unique<TTrvAcceleratorItem>(control, itemIndex, kind, text, std::move(writer)));
    return m_items.back().get();
}

TTrvAcceleratorGroup *TTrvAcceleratorGroup::addChild(QObject *container)
{
    m_children.push_back(std::make_unique<TTrvAcceleratorGroup>(container, this));
    return m_children.back().get();
}

TTrvAcceleratorGroup *TTrvAcceleratorGroup::find(const QObject *container)
{
    if (m_container == container)
        return this;
    for (const auto &child : m_children) {
        if (TTrvAcceleratorGroup *found = child->find(container))
            return found;
    }
    return nullptr;
}

QString TTrvAcceleratorGroup::usedCharacters(const QString &reserved) const
{
    QString used = reserved;
    for (const TTrvAcceleratorGroup *group = this; group; group = group->m_parent) {
        for (const auto &item : group->m_items) {
            if (!item->accelerator().isNull())
                used += item->accelerator();
        }
    }
    return used;
}

void TTrvAcceleratorGroup::assign(const QString &reserved)
{
    std::vector<TTrvAcceleratorItem *> order;
    order.reserve(m_items.size());
    for (const auto &item : m_items)
        order.push_back(item.get());
    std::stable_sort(order.begin(), order.end(), [](const TTrvAcceleratorItem *a, const TTrvAcceleratorItem *b) {
        return a->sortKey() < b->sortKey();
    });

    for (TTrvAcceleratorItem *item : order) {
        if (!item->accelerator().isNull())
            continue;
        for (const QChar candidate : item->candidates()) {
            if (!usedCharacters(reserved).contains(candidate)) {
                item->assign(candidate);
                break;
            }
        }
    }
    for (const auto &child : m_children)
        child->assign(reserved);
}

TTrvAccelerator::TTrvAccelerator(QObject *form, const QString &reserved)
    : m_root(form, nullptr)
{
    for (const QChar c : reserved.toUpper())
        addReserved(c);
}

void TTrvAccelerator::addReserved(QChar c)
{
    const QChar upper = c.toUpper();
    if (!upper.isNull() && !m_reserved.contains(upper))
        m_reserved += upper;
}

void TTrvAccelerator::Assign()
{
    m_root.assign(m_reserved);
}
