#pragma once

#include "frame/trvform.h"

// Base of the start screen. While it serves as start screen the form stays in front of the other windows
// and cannot be closed (not with Escape, not with the window's close button); hiding it ends that.
class TTrvTarvoForm : public TTrvForm
{
    Q_OBJECT

public:
    explicit TTrvTarvoForm(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // Marks the form as start screen, shows it (not modally), brings it to the front and paints it at
    // once.
    void ShowAsStartScreen();
    bool IsStartScreen() const { return m_startScreen; }

    void done(int result) override;

protected:
    // Called before the form is shown as start screen (the concrete screen hides its OK button).
    virtual void PrepareAsStartScreen() {}

    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    bool m_startScreen = false;
};
