#include "controls/radiogroup.h"

#include "controls/captionoverlay.h"
#include "frame/trvinifile.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

TTrvRadioGroup::TTrvRadioGroup(QWidget *parent)
    : TTrvRadioGroup(QString(), parent)
{
}

TTrvRadioGroup::TTrvRadioGroup(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this)), m_layout(new QGridLayout(this))
{
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) { buttonClicked(id); });
}

TTrvRadioGroup::~TTrvRadioGroup() = default;

void TTrvRadioGroup::SetItems(const QStringList &items)
{
    if (items.size() == m_items.size()) {
        m_items = items;
        for (int i = 0; i < m_buttons.size(); ++i)
            m_buttons.at(i)->setText(items.at(i));
        updateOverlays();
        return;
    }
    m_items = items;
    rebuildButtons();
}

void TTrvRadioGroup::SetItemText(int index, const QString &text)
{
    if (index < 0 || index >= m_items.size())
        return;
    m_items[index] = text;
    m_buttons.at(index)->setText(text);
    updateOverlays();
}

void TTrvRadioGroup::SetItemIndex(int index)
{
    if (index < 0 || index >= m_buttons.size())
        index = -1;
    m_itemIndex = index;
    if (index >= 0) {
        m_buttons.at(index)->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last button by itself.
    m_group->setExclusive(false);
    for (QRadioButton *button : std::as_const(m_buttons))
        button->setChecked(false);
    m_group->setExclusive(true);
}

void TTrvRadioGroup::SetColumns(int columns)
{
    columns = qMax(1, columns);
    if (columns == m_columns)
        return;
    m_columns = columns;
    arrange();
}

void TTrvRadioGroup::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    QGroupBox::setEnabled(enabled);
    updateOverlays();
}

void TTrvRadioGroup::SetReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    updateOverlays();
}

QRadioButton *TTrvRadioGroup::Button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons.at(index) : nullptr;
}

QList<QLabel *> TTrvRadioGroup::Overlays() const
{
    QList<QLabel *> labels;
    for (const QPointer<QLabel> &label : m_overlays) {
        if (label)
            labels << label.data();
    }
    return labels;
}

void TTrvRadioGroup::rebuildButtons()
{
    for (const QPointer<QLabel> &label : std::as_const(m_overlays))
        delete label.data();
    m_overlays.clear();
    qDeleteAll(m_buttons);
    m_buttons.clear();
    for (int i = 0; i < m_items.size(); ++i) {
        auto *button = new QRadioButton(m_items.at(i), this);
        button->setObjectName(objectName() + QStringLiteral("Item%1").arg(i));
        button->installEventFilter(this);
        m_group->addButton(button, i);
        m_buttons << button;
    }
    arrange();
    SetItemIndex(m_itemIndex);
}

void TTrvRadioGroup::arrange()
{
    for (QRadioButton *button : std::as_const(m_buttons))
        m_layout->removeWidget(button);
    const int n = int(m_buttons.size());
    const int rows = qMax(1, (n + m_columns - 1) / m_columns);
    for (int i = 0; i < n; ++i)
        m_layout->addWidget(m_buttons.at(i), i % rows, i / rows);
    for (int c = 0; c < m_columns; ++c)
        m_layout->setColumnStretch(c, 1);
    updateOverlays();
}

void TTrvRadioGroup::updateOverlays()
{
    const bool wanted = m_readOnly && IsMeantVisible(this) && m_enabled;
    if (wanted) {
        m_layout->activate();
        m_overlays.resize(m_buttons.size());
        for (int i = 0; i < m_buttons.size(); ++i) {
            if (!m_overlays.at(i))
                m_overlays[i] = CreateCaptionOverlay(m_buttons.at(i), this);
            m_overlays.at(i)->setText(m_buttons.at(i)->text());
            m_overlays.at(i)->setFont(m_buttons.at(i)->font());
            PlaceCaptionOverlay(m_overlays.at(i), m_buttons.at(i));
        }
    } else {
        for (int i = 0; i < m_overlays.size(); ++i)
            RemoveCaptionOverlay(m_overlays.at(i), m_buttons.value(i));
        m_overlays.clear();
    }
    for (QRadioButton *button : std::as_const(m_buttons))
        button->setEnabled(m_enabled && !m_readOnly);
}

void TTrvRadioGroup::buttonClicked(int index)
{
    if (m_readOnly) {
        SetItemIndex(m_itemIndex);
        return;
    }
    if (index == m_itemIndex)
        return;
    m_itemIndex = index;
    emit OnClick();
}

bool TTrvRadioGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_overlays.isEmpty() && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        const qsizetype i = m_buttons.indexOf(qobject_cast<QRadioButton *>(watched));
        if (i >= 0 && i < m_overlays.size() && m_overlays.at(i))
            PlaceCaptionOverlay(m_overlays.at(i), m_buttons.at(i));
    }
    return QGroupBox::eventFilter(watched, event);
}

void TTrvRadioGroup::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    if (!m_overlays.isEmpty())
        updateOverlays();
}

void TTrvRadioGroup::showEvent(QShowEvent *event)
{
    QGroupBox::showEvent(event);
    updateOverlays();
}

QStringList TTrvRadioGroup::GetTexts() const
{
    QStringList lines;
    lines << (title().isEmpty() ? QStringLiteral(".") : title());
    lines << (toolTip().isEmpty() ? QStringLiteral(".") : toolTip());
    lines << m_items;
    return lines;
}

void TTrvRadioGroup::SetTexts(const QStringList &lines, int first, int count)
{
    if (count <= 0)
        return;
    const QString caption = TranslationLine(lines, first);
    if (caption != QLatin1String("."))
        setTitle(caption);
    if (count > 1) {
        const QString hint = TranslationLine(lines, first + 1);
        if (hint != QLatin1String("."))
            setToolTip(hint);
    }
    int last = first + count - 1;
    while (last >= first + 2 && TranslationLine(lines, last).isEmpty())
        --last;
    QStringList items;
    for (int i = first + 2; i <= last; ++i)
        items << TranslationLine(lines, i);
    const int selected = m_itemIndex;
    SetItems(items);
    SetItemIndex(selected);
}

void TTrvRadioGroup::LoadFromIni(TTrvIniFile &ini, const QString &section)
{
    SetItemIndex(ini.ReadInteger(section, objectName(), m_itemIndex));
}

void TTrvRadioGroup::SaveToIni(TTrvIniFile &ini, const QString &section)
{
    ini.WriteInteger(section, objectName(), m_itemIndex);
}
