#include "controls/fontcombobox.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace {

constexpr qsizetype MaxFaceName = 32;

// The sign of an outline font: a grey "T" and a blue one 4 pixels right and 2 down, bold.
QIcon trueTypeSign(const QFont &base)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font = base;
    font.setBold(true);
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(Qt::gray);
    painter.drawText(QRect(0, 0, 10, 11), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("T"));
    painter.setPen(Qt::blue);
    painter.drawText(QRect(4, 2, 10, 11), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("T"));
    return QIcon(pixmap);
}

QIcon emptySign()
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    return QIcon(pixmap);
}

} // namespace

TTrvFontComboBox::TTrvFontComboBox(QWidget *parent)
    : TTrvComboBox(parent)
{
    SetStyle(csOwnerDrawFixed);
    setIconSize(QSize(14, 14));
    RebuildFontList();
}

void TTrvFontComboBox::SetDevice(const QString &device)
{
    if (device == m_device)
        return;
    m_device = device;
    RebuildFontList();
}

void TTrvFontComboBox::SetOptions(TFontComboOptions options)
{
    if (options == m_options)
        return;
    m_options = options;
    RebuildFontList();
}

void TTrvFontComboBox::SetSorted(bool sorted)
{
    if (sorted == m_sorted)
        return;
    m_sorted = sorted;
    RebuildFontList();
}

QString TTrvFontComboBox::StoredEntry(int index) const
{
    if (index < 0 || index >= count())
        return QString();
    return itemData(index, ItemStoredRole).toString();
}

void TTrvFontComboBox::RebuildFontList()
{
    if (ReadOnly())
        return; // the kept list is not the box's; it is rebuilt with the next change after read-only ends
    const QString current = Text();
    QStringList entries;
    for (const QString &family : QFontDatabase::families()) {
        const bool fixedPitch = QFontDatabase::isFixedPitch(family);
        const bool candidate = (fixedPitch && (m_options & tfcFixedPitch)) || (!fixedPitch && (m_options & tfcVarPitch));
        if (!candidate)
            continue;
        // Outline fonts scale smoothly to any size; they take the place of TrueType fonts here.
        const bool trueType = QFontDatabase::isSmoothlyScalable(family);
        if ((m_options & tfcOnlyTrueType) && !trueType)
            continue;
        entries << QString(trueType ? u'T' : u'x') + family.left(MaxFaceName);
    }
    if (m_sorted)
        std::sort(entries.begin(), entries.end());

    const QIcon sign = trueTypeSign(font());
    const QIcon none = emptySign();
    clear();
    for (const QString &entry : entries) {
        addItem(entry.at(0) == u'T' ? sign : none, entry.mid(1), 0);
        setItemData(count() - 1, entry, ItemStoredRole);
    }
    SelectFont(current);
}

void TTrvFontComboBox::SelectFont(const QString &name)
{
    SelectText(name);
}

QString TTrvFontComboBox::Text() const
{
    return ItemText(SelectedIndex());
}
