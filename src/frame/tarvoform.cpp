#include "frame/tarvoform.h"

#include <QApplication>
#include <QCloseEvent>

TTrvTarvoForm::TTrvTarvoForm(QWidget *parent, Qt::WindowFlags flags)
    : TTrvForm(parent, flags)
{
}

void TTrvTarvoForm::ShowAsStartScreen()
{
    m_startScreen = true;
    PrepareAsStartScreen();
    show();
    raise();
    repaint();
    // Let the window system map and draw the window before the program goes on starting.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TTrvTarvoForm::done(int result)
{
    if (m_startScreen)
        return;
    TTrvForm::done(result);
}

void TTrvTarvoForm::closeEvent(QCloseEvent *event)
{
    if (m_startScreen) {
        event->ignore();
        return;
    }
    TTrvForm::closeEvent(event);
}

void TTrvTarvoForm::changeEvent(QEvent *event)
{
    TTrvForm::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && m_startScreen && !isActiveWindow() && isVisible())
        raise();
}

void TTrvTarvoForm::hideEvent(QHideEvent *event)
{
    TTrvForm::hideEvent(event);
    if (!event->spontaneous())
        m_startScreen = false;
}
