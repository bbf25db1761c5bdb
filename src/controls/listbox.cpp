#include "controls/listbox.h"

TTrvListBox::TTrvListBox(QWidget *parent)
    : QListWidget(parent)
{
}

void TTrvListBox::SetItemIndex(int index)
{
    setCurrentRow(index >= 0 && index < count() ? index : -1);
}
