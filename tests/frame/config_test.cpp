// Application and user configuration: project files, the CONFIG switch, aliases, administrators, the
// error file, the user's settings and the per-user key store.
#include "base/standardfolders.h"
#include "frame/bsconfig.h"
#include "frame/bssystem.h"
#include "frame/bsui.h"
#include "frame/crashhook.h"
#include "i18n/bslanguage.h"
#include "i18n/bslanguageen.h"

#include "qstringprint.h"
#include "settingsfixture.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// The chooser's stand-in: records what it was asked and answers a fixed index.
class ChooserUI : public TBSUI
{
    Q_OBJECT

public:
    void ShowError(const QString &text) override { errors << text; }
    int ChooseConfiguration(const QString &group, const QString &last, const QStringList &names) override
    {
        ++calls;
        askedGroup = group;
        askedLast = last;
        askedNames = names;
        return answer;
    }

    static inline int answer = 0;
    static inline int calls = 0;
    static inline QString askedGroup, askedLast;
    static inline QStringList askedNames, errors;
    static inline QList<int> exitCodes;

protected:
    void ExitProcess(int code) override { exitCodes << code; }
};

struct CancelledChoice
{
    int code;
};

class ConfigTest : public SettingsFixture
{
protected:
    void SetUp() override
    {
        SettingsFixture::SetUp();
        ResetUIRegistration();
        RegisterUIClass<ChooserUI>();
        ChooserUI::answer = 0;
        ChooserUI::calls = 0;
        ChooserUI::askedNames.clear();
        ChooserUI::askedLast.clear();
        ChooserUI::errors.clear();
        ChooserUI::exitCodes.clear();
        TBSCrashHook::Clear();
        SetTempFilePrefix(QString());
    }
    void TearDown() override
    {
        ResetBSConfiguration();
        ResetUIRegistration();
        TBSCrashHook::Clear();
        SetTempFilePrefix(QString());
        SettingsFixture::TearDown();
    }

    void writeIni(const QString &name, const QString &text) { writeBytes(path(name), text.toUtf8()); }
    void project(const QString &file, const QString &name, const QString &more = QString())
    {
        writeIni(file, QStringLiteral("[Quelvar]\nProjectName=%1\n%2").arg(name, more));
    }

    BSRef<TBSApplication> makeApplication(const QStringList &args = {})
    {
        TBSApplicationSetup setup;
        setup.arguments = QStringList{path(QStringLiteral("mirevo"))} + args;
        setup.exitProgram = [](int code) { throw CancelledChoice{code}; };
        return BSNew<TBSApplication>(setup);
    }

    static QString fileOf(const BSRef<TBSApplication> &app)
    {
        return app->ConfigFile() ? app->ConfigFile()->FullName() : QString();
    }
};

TEST_F(ConfigTest, OneProjectFileIsTakenWithoutAsking)
{
    project(QStringLiteral("club.ini"), QStringLiteral("Swim Club"));
    writeIni(QStringLiteral("other.ini"), QStringLiteral("[Printer]\nCurrent=x\n")); // no project name
    const auto app = makeApplication();
    EXPECT_EQ(fileOf(app), path(QStringLiteral("club.ini")));
    EXPECT_EQ(app->ProjectName(), QStringLiteral("Swim Club"));
    EXPECT_EQ(ChooserUI::calls, 0);
}

TEST_F(ConfigTest, NameStandsInForProjectName)
{
    writeIni(QStringLiteral("club.ini"), QStringLiteral("[Quelvar]\nName=Old Club\n"));
    const auto app = makeApplication();
    EXPECT_EQ(fileOf(app), path(QStringLiteral("club.ini")));
    EXPECT_EQ(app->ProjectName(), QStringLiteral("Old Club"));
}

TEST_F(ConfigTest, NoProjectFileAndNoSettingsFileGivesAnEmptyConfiguration)
{
    const auto app = makeApplication();
    EXPECT_EQ(app->ConfigFile(), nullptr);
    EXPECT_EQ(app->ProjectName(), QString());
    EXPECT_EQ(app->GetSection(QStringLiteral("Quelvar"))->ReadString(QStringLiteral("ErrorFile"), QStringLiteral("dflt")),
              QStringLiteral("dflt"));
    EXPECT_EQ(app->ProjectAdmins()->Count(), 0);
    EXPECT_EQ(app->UserAlias(QStringLiteral("anna")), QStringLiteral("anna"));
    EXPECT_EQ(TBSCrashHook::ConfigFile(), QString());
}

TEST_F(ConfigTest, NoProjectFileTakesTheProgramsOwnSettingsFile)
{
    writeIni(QStringLiteral("mirevo.INI"), QStringLiteral("[Windows]\nTFMain=1,2,3,4,0\n[UserAliases]\nanna=Anna B\n"));
    const auto app = makeApplication();
    EXPECT_EQ(fileOf(app), path(QStringLiteral("mirevo.INI")));
    EXPECT_EQ(app->UserAlias(QStringLiteral("ANNA")), QStringLiteral("Anna B"));
    EXPECT_EQ(ChooserUI::calls, 0);
}

TEST_F(ConfigTest, TwoProjectFilesAreOfferedSortedWithTheLastChoicePreselected)
{
    project(QStringLiteral("b.ini"), QStringLiteral("B"));
    project(QStringLiteral("a.ini"), QStringLiteral("A"));
    {
        ChooserUI::answer = 1;
        const auto app = makeApplication();
        EXPECT_EQ(ChooserUI::askedNames, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
        EXPECT_EQ(ChooserUI::askedGroup, QStringLiteral("Mirevo"));
        EXPECT_EQ(ChooserUI::askedLast, QString());
        EXPECT_EQ(fileOf(app), path(QStringLiteral("b.ini")));
    }
    // The choice is remembered in the user's key store and offered next time.
    EXPECT_EQ(RegistryKeyValues(QStringLiteral("Software\\Tarvo Software\\Mirevo"))
                  ->ReadString(QStringLiteral("ProjectName"), QString()),
              QStringLiteral("B"));
    ChooserUI::answer = 0;
    const auto again = makeApplication();
    EXPECT_EQ(ChooserUI::askedLast, QStringLiteral("B"));
    EXPECT_EQ(fileOf(again), path(QStringLiteral("a.ini")));
    EXPECT_EQ(ChooserUI::calls, 2);
}

TEST_F(ConfigTest, EqualNamesKeepTheirOrderAndUpperCaseSortsFirst)
{
    project(QStringLiteral("x1.ini"), QStringLiteral("same"));
    project(QStringLiteral("x2.ini"), QStringLiteral("same"));
    project(QStringLiteral("x3.ini"), QStringLiteral("Zebra"));
    const QList<TBSProjectConfig> configs = FindProjectConfigs(NewDirectory(m_dir.path()));
    ASSERT_EQ(configs.size(), 3);
    EXPECT_EQ(configs.at(0).name, QStringLiteral("Zebra"));
    EXPECT_EQ(configs.at(1).file->Name(), QStringLiteral("x1.ini"));
    EXPECT_EQ(configs.at(2).file->Name(), QStringLiteral("x2.ini"));
}

TEST_F(ConfigTest, CancelledChoiceEndsTheProgramWithCodeZero)
{
    project(QStringLiteral("a.ini"), QStringLiteral("A"));
    project(QStringLiteral("b.ini"), QStringLiteral("B"));
    ChooserUI::answer = -1;
    try {
        makeApplication();
        FAIL() << "the program went on";
    } catch (const CancelledChoice &c) {
        EXPECT_EQ(c.code, 0);
    }
}

TEST_F(ConfigTest, ConfigSwitchInAnyCaseNamesTheFile)
{
    project(QStringLiteral("a.ini"), QStringLiteral("A"));
    project(QStringLiteral("b.ini"), QStringLiteral("B"));
    project(QStringLiteral("elsewhere.cfg"), QStringLiteral("Elsewhere"));
    for (const QString &option : {QStringLiteral("-CONFIG"), QStringLiteral("/config"), QStringLiteral("-Config")}) {
        const auto app = makeApplication({QStringLiteral("-x"), option, path(QStringLiteral("elsewhere.cfg"))});
        EXPECT_EQ(fileOf(app), path(QStringLiteral("elsewhere.cfg"))) << option.toStdString();
        EXPECT_EQ(app->ProjectName(), QStringLiteral("Elsewhere"));
    }
    EXPECT_EQ(ChooserUI::calls, 0);
}

TEST_F(ConfigTest, ConfigSwitchWithoutAnExistingFileIsIgnored)
{
    project(QStringLiteral("a.ini"), QStringLiteral("A"));
    // The switch as the last argument has no file.
    EXPECT_EQ(fileOf(makeApplication({QStringLiteral("-CONFIG")})), path(QStringLiteral("a.ini")));
    // A file that does not exist: the folder is searched.
    EXPECT_EQ(fileOf(makeApplication({QStringLiteral("-CONFIG"), path(QStringLiteral("missing.ini"))})),
              path(QStringLiteral("a.ini")));
}

TEST_F(ConfigTest, CommandLineValue)
{
    const auto app = makeApplication({QStringLiteral("/Lang"), QStringLiteral("de"), QStringLiteral("-last")});
    EXPECT_EQ(app->CommandLineValue(QStringLiteral("LANG"), QStringLiteral("x")), QStringLiteral("de"));
    EXPECT_EQ(app->CommandLineValue(QStringLiteral("last"), QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(app->CommandLineValue(QStringLiteral("mirevo"), QStringLiteral("x")), QStringLiteral("x"));
}

TEST_F(ConfigTest, BSConfigNamesTheConfigurationFolder)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("projects"));
    writeIni(QStringLiteral("BSConfig.ini"), QStringLiteral("[Quelvar]\nConfigDirectory=projects\n"));
    project(QStringLiteral("here.ini"), QStringLiteral("Here"));
    project(QStringLiteral("projects/there.ini"), QStringLiteral("There"));
    const auto app = makeApplication();
    EXPECT_EQ(app->ConfigDirectory()->FullName(), path(QStringLiteral("projects")));
    EXPECT_EQ(fileOf(app), path(QStringLiteral("projects/there.ini")));
    // The default error file lies in the configuration folder.
    EXPECT_EQ(app->ErrorFile()->FullName(), path(QStringLiteral("projects/mirevo.err")));
}

TEST_F(ConfigTest, ErrorFileAndConfigurationGoToTheCrashReports)
{
    project(QStringLiteral("club.ini"), QStringLiteral("Club"), QStringLiteral("ErrorFile=logs/club.err\n"));
    const auto app = makeApplication();
    EXPECT_EQ(TBSCrashHook::ConfigFile(), path(QStringLiteral("club.ini")));
    EXPECT_EQ(TBSCrashHook::ErrorFile(), path(QStringLiteral("logs/club.err")));
}

TEST_F(ConfigTest, DefaultErrorFileIsTheProgramsNameInTheConfigurationFolder)
{
    const auto app = makeApplication();
    EXPECT_EQ(TBSCrashHook::ErrorFile(), path(QStringLiteral("mirevo.err")));
}

TEST_F(ConfigTest, TempFilePrefixFromProductAndProject)
{
    project(QStringLiteral("club.ini"), QStringLiteral("Swim Club Nord"));
    makeApplication();
    EXPECT_EQ(TempFilePrefix(), QStringLiteral("$$$qvr_mirevo2006_swimclubnord"));
}

TEST_F(ConfigTest, VersionValues)
{
    const auto app = makeApplication();
    EXPECT_EQ(app->ProductTitle(), QStringLiteral("Mirevo 2006"));
    EXPECT_EQ(app->CompanyName(), QStringLiteral("Tarvo Software"));
    EXPECT_EQ(app->RegistryRoot(), QStringLiteral("Software\\Tarvo Software\\Mirevo"));
    EXPECT_EQ(app->UserRegistryPath(), QStringLiteral("Software\\Tarvo Software\\Mirevo"));
    EXPECT_EQ(app->BuildText(), app->IsDebugBuild() ? QStringLiteral("DEBUG Build") : QStringLiteral("Build 16"));
}

TEST_F(ConfigTest, ProductGroupDecidesTheRegistryRoot)
{
    TBSApplicationSetup setup;
    setup.arguments = {path(QStringLiteral("mirevo"))};
    setup.version.ProductGroup = QStringLiteral("Swim Tools");
    EXPECT_EQ(BSNew<TBSApplication>(setup)->RegistryRoot(), QStringLiteral("Software\\Tarvo Software\\Swim Tools"));
}

TEST_F(ConfigTest, MissingVersionValuesEndTheProgram)
{
    TBSApplicationSetup setup;
    setup.arguments = {path(QStringLiteral("mirevo"))};
    setup.version.CompanyName.clear();
    BSNew<TBSApplication>(setup)->RegistryRoot();
    setup.version.CompanyName = QStringLiteral("Tarvo Software");
    setup.version.ProductName.clear();
    BSNew<TBSApplication>(setup)->RegistryRoot();
    EXPECT_EQ(ChooserUI::errors, (QStringList{QStringLiteral("Versionsinfo: CompanyName fehlt!"),
                                              QStringLiteral("Versionsinfo: ProductGroup/ProductName fehlt!")}));
    EXPECT_EQ(ChooserUI::exitCodes, (QList<int>{1, 1}));
}

TEST_F(ConfigTest, AliasOfTheLoginNameBecomesTheUserNameInLowerCase)
{
    const QString login = TBSSystem::UserName();
    project(QStringLiteral("club.ini"), QStringLiteral("Club"),
            QStringLiteral("ProjectAdmins=Other, Coach Smith\n[UserAliases]\n%1=Coach Smith\n").arg(login.toUpper()));
    const auto user = BSNew<TBSUser>(makeApplication());
    EXPECT_EQ(user->UserName(), QStringLiteral("coach smith"));
    EXPECT_TRUE(user->IsProjectAdmin());
    EXPECT_EQ(TBSCrashHook::UserName(), QStringLiteral("coach smith"));
    EXPECT_EQ(user->IsWindowsAdmin(), TBSSystem::IsAdmin());
}

TEST_F(ConfigTest, UserOverrideReplacesTheLoginName)
{
    project(QStringLiteral("club.ini"), QStringLiteral("Club"),
            QStringLiteral("UserOverride=Timekeeper\nProjectAdmins=coach\n[UserAliases]\ntimekeeper=Judge\n"));
    const auto user = BSNew<TBSUser>(makeApplication());
    EXPECT_EQ(user->UserName(), QStringLiteral("judge"));
    EXPECT_FALSE(user->IsProjectAdmin());
}

TEST_F(ConfigTest, UserSettingsOverrideTheProjectsValues)
{
    project(QStringLiteral("club.ini"), QStringLiteral("Club"),
            QStringLiteral("UserProjectRegistryPath=Club\n[Print]\nCopies=2\nFont=Arial\n"));
    const auto app = makeApplication();
    EXPECT_EQ(app->UserRegistryPath(), QStringLiteral("Software\\Tarvo Software\\Mirevo\\Club"));
    const auto user = BSNew<TBSUser>(app);
    const BSRef<IBSSection> print = user->GetSection(QStringLiteral("Print"));
    EXPECT_EQ(print->ReadInteger(QStringLiteral("Copies"), 0), 2);
    print->WriteInteger(QStringLiteral("Copies"), 5);
    EXPECT_EQ(print->ReadInteger(QStringLiteral("Copies"), 0), 5);
    EXPECT_EQ(print->ReadString(QStringLiteral("Font"), QString()), QStringLiteral("Arial"));
    // The user's value went to the user's key, not into the project file.
    EXPECT_EQ(app->GetSection(QStringLiteral("Print"))->ReadInteger(QStringLiteral("Copies"), 0), 2);
    EXPECT_EQ(OpenRegistrySettings(QStringLiteral("Software\\Tarvo Software\\Mirevo\\Club"))
                  ->GetSection(QStringLiteral("Print"))
                  ->ReadInteger(QStringLiteral("Copies"), 0),
              5);
}

TEST_F(ConfigTest, DeveloperFlagFromTheUsersKey)
{
    EXPECT_FALSE(TBSSystem::IsDebugMode());
    RegistryKeyValues(QStringLiteral("Software\\Quelvar"))->WriteBool(QStringLiteral("DEBUG"), true);
    EXPECT_TRUE(TBSSystem::IsDebugMode());
    RegistryKeyValues(QStringLiteral("Software\\Quelvar"))->WriteString(QStringLiteral("DEBUG"), QStringLiteral("0"));
    EXPECT_FALSE(TBSSystem::IsDebugMode());
}

TEST_F(ConfigTest, CatalogueReadsTheActiveLanguageFromTheUsersSettings)
{
    project(QStringLiteral("club.ini"), QStringLiteral("Club"), QStringLiteral("ActiveLanguage=5\n"));
    ResetBSConfiguration();
    FreeBSLanguage(true);
    RegisterLanguageClass<TBSLanguageEN>();
    InstallUserLanguageReader();
    // Making the catalogue makes the program's configuration objects (the folder holds one project, so
    // nothing is asked) and reads the user's value, which falls back to the project's.
    EXPECT_EQ(BSLanguageInstance().ActiveLanguage(), 5);
    EXPECT_EQ(fileOf(BSApplication()), path(QStringLiteral("club.ini")));
    SetActiveLanguageReader(nullptr);
    FreeBSLanguage(true);
}

} // namespace

#include "config_test.moc"
