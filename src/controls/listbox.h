#pragma once

#include <QListWidget>

// The list box of the control library; its selected index is kept in the settings.
class TTrvListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit TTrvListBox(QWidget *parent = nullptr);

    // The selected entry's index, -1 for none; an index out of range selects none.
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index);
};
