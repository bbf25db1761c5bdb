#include "controls/checkbox.h"

#include "controls/captionoverlay.h"

TTrvCheckBox::TTrvCheckBox(QWidget *parent)
    : TTrvCheckBox(QString(), parent)
{
}

TTrvCheckBox::TTrvCheckBox(const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent), m_state(new TTrvReadOnlyCaption(this))
{
    // clicked comes from the user only (mouse, space bar, accelerator), not from setChecked.
    connect(this, &QCheckBox::clicked, this, [this] { emit OnToggle(); });
}

TTrvCheckBox::~TTrvCheckBox() = default;

bool TTrvCheckBox::Enabled() const
{
    return m_state->enabled();
}

void TTrvCheckBox::SetEnabled(bool enabled)
{
    m_state->setEnabled(enabled);
}

bool TTrvCheckBox::ReadOnly() const
{
    return m_state->readOnly();
}

void TTrvCheckBox::SetReadOnly(bool readOnly)
{
    m_state->setReadOnly(readOnly);
}

QString TTrvCheckBox::Caption() const
{
    return m_state->caption();
}

void TTrvCheckBox::SetCaption(const QString &caption)
{
    m_state->setCaption(caption);
}

QLabel *TTrvCheckBox::Overlay() const
{
    return m_state->overlay();
}

QStringList TTrvCheckBox::GetTexts() const
{
    QStringList lines{Caption()};
    if (!toolTip().isEmpty())
        lines << toolTip();
    return lines;
}

void TTrvCheckBox::SetTexts(const QStringList &lines, int first, int count)
{
    if (count <= 0)
        return;
    SetCaption(TranslationLine(lines, first));
    if (count > 1)
        setToolTip(TranslationLine(lines, first + 1));
}
