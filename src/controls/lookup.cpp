#include "controls/lookup.h"

#include "controls/captionoverlay.h"
#include "controls/edit.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>

namespace {

TLookupPopupFactory &popupFactory()
{
    static TLookupPopupFactory factory;
    return factory;
}

// The popup button's glyph: the outline of an upward arrow, 16 x 15 pixels.
QIcon popupGlyph(const QColor &color)
{
    QPixmap pixmap(16, 15);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(color);
    QPainterPath arrow;
    arrow.moveTo(7.5, 2.5);
    arrow.lineTo(13.5, 8.5);
    arrow.lineTo(10.5, 8.5);
    arrow.lineTo(10.5, 12.5);
    arrow.lineTo(4.5, 12.5);
    arrow.lineTo(4.5, 8.5);
    arrow.lineTo(1.5, 8.5);
    arrow.closeSubpath();
    painter.drawPath(arrow);
    return QIcon(pixmap);
}

} // namespace

void SetLookupPopupFactory(TLookupPopupFactory factory)
{
    popupFactory() = std::move(factory);
}

TTrvAbstractLookup::TTrvAbstractLookup(TTrvEdit *edit)
    : QObject(edit), m_edit(edit)
{
}

TTrvAbstractLookup::~TTrvAbstractLookup()
{
    delete m_button.data();
    delete m_label.data();
}

void TTrvAbstractLookup::SetShowDispLabel(bool show)
{
    m_showDispLabel = show;
    Refresh();
}

void TTrvAbstractLookup::SetEntries(const QStringList &entries)
{
    m_entries = entries;
    Refresh();
    CheckKey();
}

QString TTrvAbstractLookup::EntryText(const QString &key, bool *found) const
{
    for (const QString &entry : m_entries) {
        const qsizetype eq = entry.indexOf(u'=');
        const QString entryKey = eq < 0 ? entry : entry.left(eq);
        if (entryKey == key) {
            if (found)
                *found = true;
            return eq < 0 ? QString() : entry.mid(eq + 1);
        }
    }
    if (found)
        *found = false;
    return QString();
}

bool TTrvAbstractLookup::CheckKey()
{
    bool found = false;
    const QString text = EntryText(m_edit->Text(), &found);
    if (m_label) {
        m_label->setText(text);
        m_label->adjustSize();
        UpdatePlacement();
    }
    return found;
}

void TTrvAbstractLookup::ReleaseControls()
{
    delete m_button.data();
    delete m_label.data();
}

void TTrvAbstractLookup::Refresh()
{
    QWidget *parent = m_edit->parentWidget();
    if (m_showDispLabel && !m_label && parent) {
        m_label = new QLabel(parent);
        m_label->setObjectName(m_edit->objectName() + QStringLiteral("DispLabel"));
    } else if (!m_showDispLabel && m_label) {
        delete m_label.data();
    }
    if (!m_entries.isEmpty() && !m_button && parent) {
        m_button = new QToolButton(parent);
        m_button->setObjectName(m_edit->objectName() + QStringLiteral("PopupButton"));
        m_button->setAutoRaise(true);
        m_button->setFocusPolicy(Qt::NoFocus);
        m_button->setIcon(popupGlyph(m_edit->palette().color(QPalette::ButtonText)));
        m_button->setIconSize(QSize(16, 15));
        connect(m_button, &QToolButton::clicked, this, [this] { ShowLookup(); });
    } else if (m_entries.isEmpty() && m_button) {
        delete m_button.data();
    }
    UpdatePlacement();
    UpdateState();
}

void TTrvAbstractLookup::UpdatePlacement()
{
    const QRect field = m_edit->geometry();
    int buttonWidth = 0;
    if (m_button) {
        const int side = qMax(1, field.height() - 2);
        m_button->setGeometry(field.x() + field.width(), field.y() + 1, side, side);
        buttonWidth = side;
    }
    if (m_label) {
        const int left = field.x() + field.width() + buttonWidth + 5;
        const int top = field.y() + 1 + (field.height() - m_label->height()) / 2;
        m_label->move(left, top);
    }
}

void TTrvAbstractLookup::UpdateState()
{
    const bool visible = IsMeantVisible(m_edit);
    if (m_button) {
        m_button->setVisible(visible);
        m_button->setEnabled(m_edit->isEnabled() && !m_edit->isReadOnly());
        m_button->raise();
    }
    if (m_label)
        m_label->setVisible(visible);
}

void TTrvAbstractLookup::acceptResult(const QString &result)
{
    m_edit->BeforeTextEdit();
    m_edit->SetText(result);
    m_edit->selectAll();
    m_edit->setFocus(Qt::OtherFocusReason);
    emit AfterLookup(m_edit, false);
}

TLookup::TLookup(TTrvEdit *edit)
    : TTrvAbstractLookup(edit)
{
}

TLookup::~TLookup() = default;

void TLookup::ShowLookup()
{
    if (!PopupButton())
        return;
    bool keyFound = false;
    EntryText(Edit()->Text(), &keyFound);
    bool showSelection = true;
    emit BeforeLookup(Edit(), keyFound, &showSelection);
    if (showSelection && !Entries().isEmpty() && popupFactory()) {
        m_popup.reset();
        m_popup = popupFactory()(m_multiSel, Edit());
        if (m_popup) {
            m_popup->Fill(Entries(), QString());
            m_popup->Select(Edit()->Text());
            ITrvLookupPopup *popup = m_popup.get();
            m_popup->ShowAt(PopupButton()->mapToGlobal(QPoint(0, 0)),
                            [this, popup] { acceptResult(popup->Result()); });
            return;
        }
    }
    emit AfterLookup(Edit(), false);
}
