#include "frame/startscreentiming.h"

#include <QtGlobal>

void TStartScreenTiming::Started(int seconds)
{
    m_interval = qMax(seconds, 0) * 1000;
    m_running = true;
}

bool TStartScreenTiming::Tick()
{
    if (!m_running)
        return false;
    m_interval = RecheckIntervalMs;
    if (!m_startupDone)
        return false;
    m_running = false;
    return true;
}
