#pragma once

#include "frame/startscreentiming.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class TTrvTarvoForm;

// Program services of the user interface: product name and version text, the beta flag, the start screen
// while the program starts, and the about box.
class TTrvSystemX : public QObject
{
    Q_OBJECT

public:
    using FormFactory = std::function<TTrvTarvoForm *()>;

    // Reads the beta flag and the version values and sets the application title ("Mirevo 2006").
    explicit TTrvSystemX(QObject *parent = nullptr);
    ~TTrvSystemX() override;

    QString ProductName() const { return m_productName; }
    // "2006.16"; for a debug build "2006.xxx".
    QString VersionText() const { return m_versionText; }
    // Key "BBeta" of section "Special" of the settings file.
    bool IsBeta() const { return m_isBeta; }

    // Shows a form made by factory as start screen for at least the given seconds; it closes at the
    // first check after StartupDone, every 50 ms once the minimum time is over.
    void ShowStartScreen(int seconds, FormFactory factory);
    template<class Form>
    void ShowStartScreen(int seconds)
    {
        ShowStartScreen(seconds, [] { return new Form(); });
    }
    // The program is ready: the start screen may close.
    void StartupDone();
    // Shows a new form of the start screen's kind (TTrvFTarvoScreen when no start screen was shown)
    // modally as about box.
    void ShowAbout();

    // The open start screen, or null.
    TTrvTarvoForm *StartScreen() const { return m_startScreen; }
    const QTimer &Timer() const { return m_timer; }

private:
    void tick();

    QString m_productName;
    QString m_versionText;
    bool m_isBeta = false;
    QTimer m_timer;
    TStartScreenTiming m_timing;
    FormFactory m_factory;
    QPointer<TTrvTarvoForm> m_startScreen;
};

// The one program-services object, created on first use and freed with the application object.
TTrvSystemX &SystemX();
