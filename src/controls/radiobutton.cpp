#include "controls/radiobutton.h"

#include "frame/trvinifile.h"

TTrvRadioButton::TTrvRadioButton(QWidget *parent)
    : TTrvRadioButton(QString(), parent)
{
}

TTrvRadioButton::TTrvRadioButton(const QString &caption, QWidget *parent)
    : TTrvCaptionButton(caption, parent)
{
}

void TTrvRadioButton::LoadFromIni(TTrvIniFile &ini, const QString &section)
{
    setChecked(ini.ReadBool(section, objectName(), isChecked()));
}

void TTrvRadioButton::SaveToIni(TTrvIniFile &ini, const QString &section)
{
    ini.WriteBool(section, objectName(), isChecked());
}
