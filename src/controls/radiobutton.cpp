#include "controls/radiobutton.h"

#include "controls/captionoverlay.h"
#include "frame/trvinifile.h"

TTrvRadioButton::TTrvRadioButton(QWidget *parent)
    : TTrvRadioButton(QString(), parent)
{
}

TTrvRadioButton::TTrvRadioButton(const QString &caption, QWidget *parent)
    : QRadioButton(caption, parent), m_state(new TTrvReadOnlyCaption(this))
{
}

TTrvRadioButton::~TTrvRadioButton() = default;

bool TTrvRadioButton::Enabled() const
{
    return m_state->enabled();
}

void TTrvRadioButton::SetEnabled(bool enabled)
{
    m_state->setEnabled(enabled);
}

bool TTrvRadioButton::ReadOnly() const
{
    return m_state->readOnly();
}

void TTrvRadioButton::SetReadOnly(bool readOnly)
{
    m_state->setReadOnly(readOnly);
}

QString TTrvRadioButton::Caption() const
{
    return m_state->caption();
}

void TTrvRadioButton::SetCaption(const QString &caption)
{
    m_state->setCaption(caption);
}

QLabel *TTrvRadioButton::Overlay() const
{
    return m_state->overlay();
}

QStringList TTrvRadioButton::GetTexts() const
{
    QStringList lines{Caption()};
    if (!toolTip().isEmpty())
        lines << toolTip();
    return lines;
}

void TTrvRadioButton::SetTexts(const QStringList &lines, int first, int count)
{
    if (count <= 0)
        return;
    SetCaption(TranslationLine(lines, first));
    if (count > 1)
        setToolTip(TranslationLine(lines, first + 1));
}

void TTrvRadioButton::LoadFromIni(TTrvIniFile &ini, const QString &section)
{
    setChecked(ini.ReadBool(section, objectName(), isChecked()));
}

void TTrvRadioButton::SaveToIni(TTrvIniFile &ini, const QString &section)
{
    ini.WriteBool(section, objectName(), isChecked());
}
