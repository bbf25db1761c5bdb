#include "controls/checkbox.h"

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
    : TTrvCaptionButton(caption, parent)
{
    // clicked comes from the user only (mouse, space bar, accelerator), not from setChecked.
    connect(this, &QCheckBox::clicked, this, [this] { emit OnToggle(); });
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
