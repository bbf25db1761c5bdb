#pragma once

#include "frame/inistored.h"

#include <QListWidget>

// The list box of the control library; its selected index is kept in the settings.
class TTrvListBox : public QListWidget, public ITrvIniStored
{
    Q_OBJECT
    Q_INTERFACES(ITrvIniStored)

public:
    explicit TTrvListBox(QWidget *parent = nullptr);

    // The selected entry's index, -1 for none; an index out of range selects none.
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index);

    // The selected index (-1 for none) under the object name.
    void LoadFromIni(TTrvIniFile &ini, const QString &section) override;
    void SaveToIni(TTrvIniFile &ini, const QString &section) override;
};
