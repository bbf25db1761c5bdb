// Start screen and about box on real widgets (offscreen platform).
#include "frame/systemx.h"
#include "frame/tarvoscreen.h"
#include "frame/trvapplication.h"
#include "frame/versioninfo.h"

#include "modalhelper.h"
#include "settingsfixture.h"
#include "qstringprint.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class StartScreenTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        freshSystemX();
    }
    void TearDown() override
    {
        freshSystemX();
        SettingsFixture::TearDown();
    }
    // The program-services object reads its settings once; a test that changes them starts a new one.
    static void freshSystemX() { delete &SystemX(); }
};

TEST_F(StartScreenTest, ScreenShowsProductAndBuild)
{
    TTrvFTarvoScreen screen;
    EXPECT_EQ(screen.size(), QSize(383, 243));
    EXPECT_TRUE(screen.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(screen.ApplicationText(), QStringLiteral("Mirevo 2006"));
    if (TBSVersionInfo::Build().IsDebugBuild) {
        EXPECT_EQ(screen.BuildText(), QStringLiteral("Debug build"));
        EXPECT_EQ(SystemX().VersionText(), QStringLiteral("2006.xxx"));
    } else {
        EXPECT_EQ(screen.BuildText(), QStringLiteral("Build Nr. 16"));
        EXPECT_EQ(SystemX().VersionText(), QStringLiteral("2006.16"));
    }
    EXPECT_FALSE(screen.BetaMarkVisible());
    EXPECT_EQ(TTrvApplication::Title(), QStringLiteral("Mirevo 2006"));
}

TEST_F(StartScreenTest, BetaFlagShowsTheRedMark)
{
    SettingsFile().WriteString(QStringLiteral("Special"), QStringLiteral("BBeta"), QStringLiteral("1"));
    freshSystemX();
    EXPECT_TRUE(SystemX().IsBeta());
    TTrvFTarvoScreen screen;
    EXPECT_TRUE(screen.BetaMarkVisible());
    auto *mark = screen.findChild<QLabel *>(QStringLiteral("LIsBeta"));
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->text(), QStringLiteral("ß"));
    EXPECT_EQ(mark->toolTip(), QStringLiteral("Programmversion mit Beta-Features"));
}

TEST_F(StartScreenTest, StartScreenCannotBeClosedAndHidesOK)
{
    TTrvFTarvoScreen screen;
    screen.ShowAsStartScreen();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(screen.IsStartScreen());
    EXPECT_FALSE(screen.findChild<QPushButton *>(QStringLiteral("BOK"))->isVisible());
    QTest::keyClick(&screen, Qt::Key_Escape);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(screen.close());
    EXPECT_TRUE(screen.isVisible());
    screen.reject();
    EXPECT_TRUE(screen.isVisible());
    // Hiding it ends its time as start screen.
    screen.hide();
    EXPECT_FALSE(screen.IsStartScreen());
}

TEST_F(StartScreenTest, StaysForTheMinimumTimeThenClosesAfterStartupDone)
{
    QElapsedTimer clock;
    clock.start();
    SystemX().ShowStartScreen<TTrvFTarvoScreen>(1);
    QPointer<TTrvTarvoForm> screen = SystemX().StartScreen();
    ASSERT_TRUE(screen);
    EXPECT_TRUE(screen->isVisible());
    SystemX().StartupDone(); // the main window is up before the minimum time is over
    QTest::qWait(700);
    EXPECT_TRUE(screen) << "closed before the minimum time";
    EXPECT_TRUE(QTest::qWaitFor([&] { return screen.isNull(); }, 3000));
    EXPECT_GE(clock.elapsed(), 1000);
    EXPECT_FALSE(SystemX().Timer().isActive());
}

TEST_F(StartScreenTest, WithoutStartupDoneTheScreenStaysAndIsCheckedEvery50Ms)
{
    SystemX().ShowStartScreen<TTrvFTarvoScreen>(1);
    QPointer<TTrvTarvoForm> screen = SystemX().StartScreen();
    EXPECT_EQ(SystemX().Timer().interval(), 1000);
    QTest::qWait(1300);
    ASSERT_TRUE(screen);
    EXPECT_TRUE(SystemX().Timer().isActive());
    EXPECT_EQ(SystemX().Timer().interval(), 50);

    QElapsedTimer clock;
    clock.start();
    SystemX().StartupDone();
    EXPECT_TRUE(QTest::qWaitFor([&] { return screen.isNull(); }, 2000));
    // Well before another full second: after the first tick the timer looks every 50 ms.
    EXPECT_LT(clock.elapsed(), 900);
}

TEST_F(StartScreenTest, AboutBoxIsModalWithOKAndClosesWithEscape)
{
    bool okVisible = false;
    bool closedByEscape = false;
    whenModal<TTrvFTarvoScreen>([&](TTrvFTarvoScreen *about) {
        okVisible = about->findChild<QPushButton *>(QStringLiteral("BOK"))->isVisible();
        QTest::keyClick(about, Qt::Key_Escape);
        closedByEscape = !about->isVisible();
    });
    SystemX().ShowAbout();
    EXPECT_TRUE(okVisible);
    EXPECT_TRUE(closedByEscape);
}

TEST_F(StartScreenTest, AboutBoxComesBackWhereItWasLeft)
{
    {
        TTrvFTarvoScreen about;
        about.show();
        about.move(120, 80);
    }
    TTrvFTarvoScreen again;
    EXPECT_TRUE(again.PlacementRestored());
    EXPECT_EQ(again.pos(), QPoint(120, 80));
}

} // namespace
