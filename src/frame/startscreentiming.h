#pragma once

// When the start screen closes: it stays at least the minimum display time, then closes at the first timer
// tick after the program has reported that its start-up is done. After the first tick the timer looks
// again every 50 ms. The owner mirrors Interval and Running onto its timer and frees the screen when
// Tick answers true.
class TStartScreenTiming
{
public:
    static constexpr int RecheckIntervalMs = 50;

    // The start screen was shown with a minimum display time in seconds; the timer starts with it.
    void Started(int seconds);
    void StartupDone() { m_startupDone = true; }
    // A timer tick: the interval becomes 50 ms; answers true (and stops) when the screen closes now.
    bool Tick();

    int Interval() const { return m_interval; }
    bool Running() const { return m_running; }
    bool IsStartupDone() const { return m_startupDone; }

private:
    int m_interval = 0;
    bool m_running = false;
    bool m_startupDone = false;
};
