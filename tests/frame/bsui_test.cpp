#include "base/assertion.h"
#include "frame/bsui.h"
#include "i18n/bslanguage.h"
#include "i18n/bslanguageen.h"

#include "qstringprint.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A UI service that records what it is asked instead of showing windows or ending the process.
class RecordingUI : public TBSUI
{
    Q_OBJECT

public:
    void ShowError(const QString &text) override { shown << text; }
    int ChooseConfiguration(const QString &, const QString &, const QStringList &) override { return -1; }

    QStringList shown;
    int exitCode = -1;
    static int instances;

    RecordingUI() { ++instances; }

protected:
    void ExitProcess(int code) override { exitCode = code; }
};

int RecordingUI::instances = 0;

class OtherUI : public RecordingUI
{
    Q_OBJECT
};

class BSUITest : public ::testing::Test
{
protected:
    void SetUp() override { ResetUIRegistration(); }
    void TearDown() override { ResetUIRegistration(); }
};

TEST_F(BSUITest, WithoutRegisteredClassBSUIFails)
{
    try {
        BSUI();
        FAIL() << "no error";
    } catch (const std::runtime_error &e) {
        EXPECT_STREQ(e.what(), "Keine BSUI - Klasse definiert !");
    }
}

TEST_F(BSUITest, SecondRegistrationIsAnAssertionNamingBothClasses)
{
    RegisterUIClass<RecordingUI>();
    try {
        RegisterUIClass<OtherUI>();
        FAIL() << "no assertion";
    } catch (const EBSAssertion &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Pro Projekt darf nur eine UI Implementation eingebunden werden! "
                                              "(RecordingUI / OtherUI)"));
    }
    EXPECT_EQ(RegisteredUIClassName(), QStringLiteral("RecordingUI"));
}

TEST_F(BSUITest, InstanceIsCreatedOnceOnFirstUse)
{
    RecordingUI::instances = 0;
    RegisterUIClass<RecordingUI>();
    EXPECT_EQ(RecordingUI::instances, 0);
    TBSUI *first = &BSUI();
    EXPECT_EQ(&BSUI(), first);
    EXPECT_EQ(RecordingUI::instances, 1);
}

TEST_F(BSUITest, ShowErrorAndExitShowsThenEndsWithTheCode)
{
    RegisterUIClass<RecordingUI>();
    auto &ui = static_cast<RecordingUI &>(BSUI());
    ui.ShowErrorAndExit(QStringLiteral("Versionsinfo: CompanyName fehlt!"), 1);
    EXPECT_EQ(ui.shown, QStringList{QStringLiteral("Versionsinfo: CompanyName fehlt!")});
    EXPECT_EQ(ui.exitCode, 1);
}

TEST_F(BSUITest, ShowErrorAndExitShowsTheTextOfACatalogueKey)
{
    FreeBSLanguage(true);
    RegisterLanguageClass<TBSLanguageEN>();
    RegisterUIClass<RecordingUI>();
    auto &ui = static_cast<RecordingUI &>(BSUI());
    ui.ShowErrorAndExit(QStringLiteral("#BS.CloseProgram"), 3);
    FreeBSLanguage(true);
    EXPECT_EQ(ui.shown, QStringList{QStringLiteral("Close the program?")});
    EXPECT_EQ(ui.exitCode, 3);
}

TEST_F(BSUITest, ShowErrorAndExitWithoutCatalogueShowsTheKey)
{
    FreeBSLanguage(true);
    RegisterUIClass<RecordingUI>();
    auto &ui = static_cast<RecordingUI &>(BSUI());
    ui.ShowErrorAndExit(QStringLiteral("#BS.CloseProgram"), 1);
    EXPECT_EQ(ui.shown, QStringList{QStringLiteral("#BS.CloseProgram")});
}

} // namespace

#include "bsui_test.moc"
