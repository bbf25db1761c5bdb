#include "frame/systemx.h"

#include "frame/tarvoscreen.h"
#include "frame/trvapplication.h"
#include "frame/trvinifile.h"
#include "frame/versioninfo.h"

#include <QCoreApplication>

#include <memory>

namespace {

QPointer<TTrvSystemX> g_systemX;

} // namespace

TTrvSystemX::TTrvSystemX(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(false);
    // A coarse timer may fire up to 5 % early; the minimum display time is a minimum.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TTrvSystemX::tick);
    m_isBeta = SettingsFile().ReadBool(QStringLiteral("Special"), QStringLiteral("BBeta"), false);
    const TBSVersionInfo &version = TBSVersionInfo::Build();
    m_productName = version.ProductName;
    m_versionText = version.VersionText();
    TTrvApplication::SetTitle(m_productName + QLatin1Char(' ') + m_versionText.left(4));
}

TTrvSystemX::~TTrvSystemX()
{
    delete m_startScreen;
}

void TTrvSystemX::ShowStartScreen(int seconds, FormFactory factory)
{
    m_factory = std::move(factory);
    delete m_startScreen;
    m_startScreen = m_factory();
    m_startScreen->ShowAsStartScreen();
    m_timing.Started(seconds);
    m_timer.start(m_timing.Interval());
}

void TTrvSystemX::StartupDone()
{
    m_timing.StartupDone();
}

void TTrvSystemX::tick()
{
    const bool closeNow = m_timing.Tick();
    if (!m_timing.Running())
        m_timer.stop();
    else if (m_timer.interval() != m_timing.Interval())
        m_timer.setInterval(m_timing.Interval());
    if (closeNow)
        delete m_startScreen;
}

void TTrvSystemX::ShowAbout()
{
    const std::unique_ptr<TTrvTarvoForm> about(m_factory ? m_factory() : new TTrvFTarvoScreen());
    about->exec();
}

TTrvSystemX &SystemX()
{
    if (!g_systemX)
        g_systemX = new TTrvSystemX(QCoreApplication::instance());
    return *g_systemX;
}
