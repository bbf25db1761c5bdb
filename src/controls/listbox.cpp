#include "controls/listbox.h"

#include "frame/trvinifile.h"

TTrvListBox::TTrvListBox(QWidget *parent)
    : QListWidget(parent)
{
}

void TTrvListBox::SetItemIndex(int index)
{
    setCurrentRow(index >= 0 && index < count() ? index : -1);
}

void TTrvListBox::LoadFromIni(TTrvIniFile &ini, const QString &section)
{
    SetItemIndex(ini.ReadInteger(section, objectName(), ItemIndex()));
}

void TTrvListBox::SaveToIni(TTrvIniFile &ini, const QString &section)
{
    ini.WriteInteger(section, objectName(), ItemIndex());
}
