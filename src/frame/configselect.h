#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class TFBSConfigSelect;
}

// The project chooser: a small tool window, centred on the screen, with the project names; OK or a double
// click confirms, "Abbrechen" cancels.
class TFBSConfigSelect : public QDialog
{
    Q_OBJECT

public:
    // Shows the names with lastProject selected (the first entry when it is not in the list).
    TFBSConfigSelect(const QString &productGroup, const QStringList &projectNames, const QString &lastProject,
                     QWidget *parent = nullptr);
    ~TFBSConfigSelect() override;

    // Index of the selected name, -1 when none is selected.
    int ChosenIndex() const;

private:
    std::unique_ptr<Ui::TFBSConfigSelect> m_ui;
};
