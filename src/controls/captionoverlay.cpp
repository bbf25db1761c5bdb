#include "controls/captionoverlay.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// The colour a check box or radio button draws its caption with (the indicator uses others).
constexpr QPalette::ColorRole captionRoles[] = {QPalette::WindowText};

QByteArray savedColorName(QPalette::ColorRole role)
{
    return QByteArray("mirevoSavedColor") + QByteArray::number(int(role));
}

} // namespace

bool IsMeantVisible(const QWidget *widget)
{
    return !(widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

QRect ButtonCaptionRect(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QStyle::SubElement element = qobject_cast<const QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                                                  : QStyle::SE_CheckBoxContents;
    const QRect contents = button->style()->subElementRect(element, &option, button);
    return contents.translated(button->pos());
}

QLabel *CreateCaptionOverlay(QAbstractButton *button, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(button->objectName() + QStringLiteral("Caption"));
    label->setFont(button->font());
    label->setText(button->text());
    // The buddy lets the label show the caption's accelerator underlined; the property keeps the
    // accelerator assignment from taking the label for a captioned control of its own.
    label->setBuddy(button);
    label->setProperty(CaptionOverlayProperty, true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setMargin(0);
    label->setIndent(0);
    QPalette pal = button->palette();
    for (const QPalette::ColorRole role : captionRoles) {
        label->setProperty(savedColorName(role), pal.color(QPalette::Disabled, role));
        pal.setColor(QPalette::Disabled, role, Qt::transparent);
    }
    button->setPalette(pal);
    PlaceCaptionOverlay(label, button);
    label->show();
    label->raise();
    return label;
}

void PlaceCaptionOverlay(QLabel *overlay, const QAbstractButton *button)
{
    QRect rect = ButtonCaptionRect(button);
    if (overlay->parentWidget() != button->parentWidget() && overlay->parentWidget() && button->parentWidget())
        rect.moveTopLeft(button->parentWidget()->mapTo(overlay->parentWidget(), rect.topLeft()));
    overlay->setGeometry(rect);
    overlay->raise();
}

void RemoveCaptionOverlay(QLabel *overlay, QAbstractButton *button)
{
    if (!overlay)
        return;
    if (!button) {
        delete overlay;
        return;
    }
    QPalette pal = button->palette();
    for (const QPalette::ColorRole role : captionRoles) {
        const QVariant saved = overlay->property(savedColorName(role));
        if (saved.isValid())
            pal.setColor(QPalette::Disabled, role, saved.value<QColor>());
    }
    button->setPalette(pal);
    delete overlay;
}

TTrvReadOnlyCaption::TTrvReadOnlyCaption(QAbstractButton *button)
    : QObject(button), m_button(button)
{
    button->installEventFilter(this);
}

TTrvReadOnlyCaption::~TTrvReadOnlyCaption()
{
    // The button is being destroyed: only the label on its parent is left to free.
    delete m_overlay.data();
}

void TTrvReadOnlyCaption::setEnabled(bool enabled)
{
    m_enabled = enabled;
    update();
}

void TTrvReadOnlyCaption::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    update();
}

QString TTrvReadOnlyCaption::caption() const
{
    return m_overlay ? m_overlay->text() : m_button->text();
}

void TTrvReadOnlyCaption::setCaption(const QString &caption)
{
    m_button->setText(caption);
    if (m_overlay) {
        m_overlay->setText(caption);
        PlaceCaptionOverlay(m_overlay, m_button);
    }
}

void TTrvReadOnlyCaption::update()
{
    if (m_updating)
        return;
    m_updating = true;
    QWidget *parent = m_button->parentWidget();
    const bool wanted = m_readOnly && IsMeantVisible(m_button) && m_enabled && parent;
    if (wanted && !m_overlay) {
        m_overlay = CreateCaptionOverlay(m_button, parent);
    } else if (!wanted && m_overlay) {
        m_button->setText(m_overlay->text());
        RemoveCaptionOverlay(m_overlay, m_button);
    }
    if (m_overlay) {
        m_overlay->setFont(m_button->font());
        PlaceCaptionOverlay(m_overlay, m_button);
    }
    m_button->setEnabled(m_enabled && !m_readOnly);
    m_updating = false;
}

bool TTrvReadOnlyCaption::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_button) {
        switch (event->type()) {
        case QEvent::ParentAboutToChange:
            RemoveCaptionOverlay(m_overlay, m_button);
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ParentChange:
        case QEvent::FontChange:
        case QEvent::StyleChange:
            update();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
