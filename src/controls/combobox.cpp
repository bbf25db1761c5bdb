#include "controls/combobox.h"

#include "base/assertion.h"
#include "frame/trvinifile.h"

#include <QKeyEvent>
#include <QLineEdit>

TTrvComboBox::TTrvComboBox(QWidget *parent)
    : QComboBox(parent)
{
    applyStyle(csDropDown);
    updateColors();
}

TTrvComboBox::~TTrvComboBox() = default;

void TTrvComboBox::SetColors(const TColors &colors)
{
    m_colors = colors;
    updateColors();
}

void TTrvComboBox::updateColors()
{
    const bool enabled = isEnabled();
    m_colors.applyTo(this, enabled, m_readOnly, m_focused);
    QPalette pal = palette();
    const QColor text = m_colors.textFor(enabled, m_readOnly, m_focused);
    if (pal.color(QPalette::ButtonText) != text) {
        pal.setColor(QPalette::ButtonText, text);
        setPalette(pal);
    }
}

void TTrvComboBox::applyStyle(TComboStyle style)
{
    m_style = style;
    setEditable(style == csDropDown);
}

TTrvComboBox::TComboStyle TTrvComboBox::Style() const
{
    return m_readOnly ? m_savedStyle : m_style;
}

void TTrvComboBox::SetStyle(TComboStyle style)
{
    if (m_readOnly)
        m_savedStyle = style;
    else
        applyStyle(style);
}

bool TTrvComboBox::TabStop() const
{
    return m_readOnly ? m_savedTabStop : bool(focusPolicy() & Qt::TabFocus);
}

void TTrvComboBox::SetTabStop(bool tabStop)
{
    if (m_readOnly)
        m_savedTabStop = tabStop;
    else
        setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TTrvComboBox::SetReadOnly(bool readOnly)
{
    if (readOnly == m_readOnly)
        return;
    if (readOnly) {
        m_savedTabStop = focusPolicy() & Qt::TabFocus;
        setFocusPolicy(Qt::ClickFocus);
        m_savedItems.clear();
        for (int i = 0; i < count(); ++i) {
            m_savedItems.push_back({itemText(i), itemData(i, ItemKeyRole).toInt(), itemData(i, ItemStoredRole),
                                    itemIcon(i)});
        }
        m_savedIndex = currentIndex();
        m_savedStyle = m_style;
        m_savedSizeHint = sizeHint();
        m_savedMinimumSizeHint = minimumSizeHint();
        QString shown = currentText();
        if (m_style != csDropDown)
            shown = m_savedIndex >= 0 ? itemText(m_savedIndex) : QString();
        m_readOnly = true;
        m_style = csDropDown;
        setEditable(true);
        clear();
        setEditText(shown);
        lineEdit()->setReadOnly(true);
        lineEdit()->setCursorPosition(0);
    } else {
        const QString shown = currentText();
        lineEdit()->setReadOnly(false);
        m_readOnly = false;
        setFocusPolicy(m_savedTabStop ? Qt::StrongFocus : Qt::ClickFocus);
        applyStyle(m_savedStyle);
        clear();
        for (const Entry &entry : m_savedItems) {
            addItem(entry.icon, entry.text, entry.key);
            setItemData(count() - 1, entry.stored, ItemStoredRole);
        }
        m_savedItems.clear();
        if (m_style != csDropDown)
            setCurrentIndex(m_savedIndex);
        else
            setEditText(shown);
    }
    updateGeometry();
    updateColors();
}

QStringList TTrvComboBox::Items() const
{
    QStringList items;
    for (int i = 0; i < ItemCount(); ++i)
        items << ItemText(i);
    return items;
}

void TTrvComboBox::SetItems(const QStringList &items)
{
    ClearItems();
    for (const QString &item : items)
        AddKeyed(item, 0);
}

int TTrvComboBox::ItemCount() const
{
    return m_readOnly ? int(m_savedItems.size()) : count();
}

QString TTrvComboBox::ItemText(int index) const
{
    if (index < 0 || index >= ItemCount())
        return QString();
    return m_readOnly ? m_savedItems[size_t(index)].text : itemText(index);
}

int32_t TTrvComboBox::ItemKey(int index) const
{
    if (index < 0 || index >= ItemCount())
        return 0;
    return m_readOnly ? m_savedItems[size_t(index)].key : itemData(index, ItemKeyRole).toInt();
}

void TTrvComboBox::ClearItems()
{
    if (m_readOnly) {
        m_savedItems.clear();
        SetSelectedIndex(-1);
    } else {
        clear();
    }
}

int TTrvComboBox::SelectedIndex() const
{
    return m_readOnly ? m_savedIndex : currentIndex();
}

void TTrvComboBox::SetSelectedIndex(int index)
{
    if (index < 0 || index >= ItemCount())
        index = -1;
    if (m_readOnly) {
        m_savedIndex = index;
        setEditText(ItemText(index));
        lineEdit()->setCursorPosition(0);
        return;
    }
    setCurrentIndex(index);
    if (index < 0 && isEditable())
        setEditText(QString());
}

int32_t TTrvComboBox::SelectedKey() const
{
    const int index = SelectedIndex();
    return index < 0 ? 0 : ItemKey(index);
}

void TTrvComboBox::SelectKey(int32_t key)
{
    if (SelectedIndex() >= 0 && SelectedKey() == key)
        return;
    for (int i = ItemCount() - 1; i >= 0; --i) {
        if (ItemKey(i) == key) {
            SetSelectedIndex(i);
            return;
        }
    }
    SetSelectedIndex(-1);
}

void TTrvComboBox::SelectText(const QString &text)
{
    for (int i = ItemCount() - 1; i >= 0; --i) {
        if (ItemText(i) == text) {
            SetSelectedIndex(i);
            return;
        }
    }
    SetSelectedIndex(-1);
}

void TTrvComboBox::AddKeyed(const QString &text, int32_t key)
{
    BSAssert(key >= 0, QStringLiteral("Negative Keys nicht erlaubt!"));
    if (m_readOnly) {
        m_savedItems.push_back({text, key, QVariant(), QIcon()});
        return;
    }
    // A new list starts without a selection, as the box's users expect (QComboBox would select entry 0).
    const int selected = currentIndex();
    addItem(text, key);
    if (selected < 0)
        setCurrentIndex(-1);
}

void TTrvComboBox::FillKeyed(const IBSLookupItems &items)
{
    const int32_t selected = SelectedKey();
    ClearItems();
    for (int i = 0; i < items.Count(); ++i)
        AddKeyed(items.Text(i), items.Key(i));
    SelectKey(selected);
}

bool TTrvComboBox::SelectFirstIfNone()
{
    if (ItemCount() == 0)
        return false;
    if (SelectedIndex() < 0)
        SetSelectedIndex(0);
    return true;
}

void TTrvComboBox::LoadFromIni(TTrvIniFile &ini, const QString &section)
{
    SetSelectedIndex(ini.ReadInteger(section, objectName(), SelectedIndex()));
}

void TTrvComboBox::SaveToIni(TTrvIniFile &ini, const QString &section)
{
    ini.WriteInteger(section, objectName(), SelectedIndex());
}

QStringList TTrvComboBox::GetTexts() const
{
    QStringList lines;
    lines << (toolTip().isEmpty() ? QStringLiteral(".") : toolTip());
    lines << Items();
    return lines;
}

void TTrvComboBox::SetTexts(const QStringList &lines, int first, int count)
{
    if (count <= 0)
        return;
    const QString hint = TranslationLine(lines, first);
    if (hint != QLatin1String("."))
        setToolTip(hint);
    int last = first + count - 1;
    while (last > first && (TranslationLine(lines, last).isEmpty() || TranslationLine(lines, last) == QLatin1String(".")))
        --last;
    const int selected = SelectedIndex();
    QStringList items;
    for (int i = first + 1; i <= last; ++i)
        items << TranslationLine(lines, i);
    SetItems(items);
    SetSelectedIndex(selected);
}

QSize TTrvComboBox::sizeHint() const
{
    return m_readOnly && m_savedSizeHint.isValid() ? m_savedSizeHint : QComboBox::sizeHint();
}

QSize TTrvComboBox::minimumSizeHint() const
{
    return m_readOnly && m_savedMinimumSizeHint.isValid() ? m_savedMinimumSizeHint : QComboBox::minimumSizeHint();
}

void TTrvComboBox::showPopup()
{
    if (m_readOnly)
        return;
    QComboBox::showPopup();
}

void TTrvComboBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    m_focused = true;
    updateColors();
}

void TTrvComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    m_focused = false;
    updateColors();
}

void TTrvComboBox::changeEvent(QEvent *event)
{
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateColors();
}

void TTrvComboBox::wheelEvent(QWheelEvent *event)
{
    if (m_readOnly) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}
