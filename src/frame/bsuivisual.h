#pragma once

#include "frame/bsui.h"

#include <QPointer>

class QAction;

// The UI service of a program with windows: owns the "DEBUG" and "ADMIN" menu entries that the form base
// puts into the main window's menu for developers and project administrators.
class TBSUIVisualAbstract : public TBSUI
{
    Q_OBJECT

public:
    // Sets the application title to the product title and creates the two menu entries, owned by the
    // application object.
    TBSUIVisualAbstract();
    ~TBSUIVisualAbstract() override;

    QAction *DebugMenu() const { return m_debugMenu; }
    QAction *AdminMenu() const { return m_adminMenu; }

private:
    QPointer<QAction> m_debugMenu;
    QPointer<QAction> m_adminMenu;
};

class TBSUIVisual : public TBSUIVisualAbstract
{
    Q_OBJECT

public:
    TBSUIVisual() = default;

    // Beeps and shows the text in an error message box with an OK button.
    void ShowError(const QString &text) override;
    // The project chooser (TFBSConfigSelect).
    int ChooseConfiguration(const QString &productGroup, const QString &lastProject,
                            const QStringList &projectNames) override;

    // The text as the error box shows it: a text of one line gets an empty line in front of it, so it
    // stands beside the icon; a text of several lines is shown unchanged.
    static QString ErrorDialogText(const QString &text);
};
