#include "controls/checkbox.h"

#include "controls/captionoverlay.h"
#include "frame/trvinifile.h"

namespace {

// The stored numbers of the states: 0 unchecked, 1 checked, 2 grey.
int stateNumber(Qt::CheckState state)
{
    return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
}

Qt::CheckState stateFromNumber(int number)
{
    return number == 1 ? Qt::Checked : number == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

} // namespace

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

void TTrvCheckBox::LoadFromIni(TTrvIniFile &ini, const QString &section)
{
    if (isTristate())
        setCheckState(stateFromNumber(ini.ReadInteger(section, objectName(), stateNumber(checkState()))));
    else
        setChecked(ini.ReadBool(section, objectName(), isChecked()));
}

void TTrvCheckBox::SaveToIni(TTrvIniFile &ini, const QString &section)
{
    if (isTristate())
        ini.WriteInteger(section, objectName(), stateNumber(checkState()));
    else
        ini.WriteBool(section, objectName(), isChecked());
}
