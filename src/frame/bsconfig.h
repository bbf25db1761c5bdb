#pragma once

#include "base/files.h"
#include "base/stringlist.h"
#include "base/stringmap.h"
#include "frame/bssettings.h"
#include "frame/versioninfo.h"

#include <QStringList>

#include <functional>

// Application and user configuration: the product (names and version of the build), the project
// configuration chosen at start, and the current user with the user's own settings.

// Implements IBSSettings by handing every call to the object's settings.
class TBSConfigAbstract : public TBSManagedInterface, public IBSSettings
{
public:
    BSRef<IBSSection> GetSection(const QString &name) override;
    void SetSection(const QString &name, const BSRef<IBSSection> &source) override;
    BSRef<IBSStringList> SectionNames() const override;

protected:
    TBSConfigAbstract() = default;
    virtual BSRef<IBSSettings> Settings() const = 0;
};

// A project configuration file offered at start: its file and the project's name.
struct TBSProjectConfig
{
    BSRef<IBSFile> file;
    QString name;
};

// Every ".ini" file directly in the folder (extension in any case) whose section "Quelvar" names a project
// ("ProjectName", else "Name"), sorted by name (case-sensitive; equal names keep the folder's order).
QList<TBSProjectConfig> FindProjectConfigs(const BSRef<IBSDirectory> &folder);

// What the application object is made from; the defaults are those of the running program.
struct TBSApplicationSetup
{
    TBSVersionInfo version = TBSVersionInfo::Build();
    // The command line, the program first; empty means the program's own.
    QStringList arguments;
    // Ends the program (a cancelled project choice); a test may do otherwise.
    std::function<void(int)> exitProgram;
};

// The product and the project configuration. BSApplication() makes the one object of the program.
class TBSApplication : public TBSConfigAbstract
{
public:
    // Loads the project configuration, hands the error file and the configuration file to the crash
    // reports and sets the prefix of temporary files.
    explicit TBSApplication(TBSApplicationSetup setup = {});
    ~TBSApplication() override;

    // Product name, a blank and file-version part 1: "Mirevo 2006".
    QString ProductTitle() const;
    // "DEBUG Build" for a debug build, otherwise "Build 16".
    QString BuildText() const;
    bool IsDebugBuild() const;
    QString CompanyName() const;
    // "ProductGroup" of the version values, else the product name.
    QString ProductGroup() const;

    // "Software\" + company + "\" + product group. Missing version values end the program with a message
    // and exit code 1.
    QString RegistryRoot() const;
    // RegistryRoot, followed by "\" and "UserProjectRegistryPath" of section "Quelvar" when set.
    QString UserRegistryPath() const;

    // The argument after "-name" or "/name" (name in any case), or the default when there is none.
    QString CommandLineValue(const QString &switchName, const QString &defaultValue) const;

    // The program's folder, or "ConfigDirectory" of section "Quelvar" of "BSConfig.ini" there.
    BSRef<IBSDirectory> ConfigDirectory() const;
    // The project configuration file; null when there is none.
    BSRef<IBSFile> ConfigFile() const { return m_configFile; }
    // "ProjectName" (else "Name") of section "Quelvar" of the project configuration.
    QString ProjectName() const;
    // The name to use for the user (section "UserAliases", names compared without regard to case); the
    // name itself when it has no alias.
    QString UserAlias(const QString &userName) const;
    // "ProjectAdmins" of section "Quelvar", lower-cased and divided at ",".
    BSRef<IBSStringList> ProjectAdmins() const { return m_projectAdmins; }
    // The file that receives crash reports.
    BSRef<IBSFile> ErrorFile() const { return m_errorFile; }

protected:
    BSRef<IBSSettings> Settings() const override { return m_configuration; }

private:
    void loadProjectConfiguration();
    BSRef<IBSFile> chooseConfigFile();
    BSRef<IBSSection> registryRootValues() const;

    TBSApplicationSetup m_setup;
    mutable BSRef<IBSDirectory> m_configDirectory;
    BSRef<IBSFile> m_configFile;
    BSRef<IBSSettings> m_configuration;
    BSRef<IBSStringMap> m_userAliases;
    BSRef<IBSStringList> m_projectAdmins;
    BSRef<IBSFile> m_errorFile;
};

// The current user and the user's settings.
class TBSUser : public TBSConfigAbstract
{
public:
    explicit TBSUser(BSRef<TBSApplication> application);

    // "UserOverride" of section "Quelvar" of the project configuration, else the login name; replaced by
    // its alias; lower case.
    QString UserName() const { return m_userName; }
    bool IsWindowsAdmin() const { return m_isWindowsAdmin; }
    // The user is one of the project's administrators.
    bool IsProjectAdmin() const { return m_isProjectAdmin; }
    // The user's own settings in the per-user key store at UserRegistryPath, with the project
    // configuration as defaults; made on first use.
    BSRef<IBSSettings> UserSettings() const;

protected:
    BSRef<IBSSettings> Settings() const override { return UserSettings(); }

private:
    BSRef<TBSApplication> m_application;
    QString m_userName;
    bool m_isWindowsAdmin = false;
    bool m_isProjectAdmin = false;
    mutable BSRef<IBSSettings> m_userSettings;
};

// The program's application object and user, made on first use.
BSRef<TBSApplication> BSApplication();
BSRef<TBSUser> BSUser();
// Forgets both (tests); the next call makes them again.
void ResetBSConfiguration();

// The values of a key of the per-user key store (the key's last part is a section of its parent key).
BSRef<IBSSection> RegistryKeyValues(const QString &keyPath);

// Lets the keyed catalogue read "ActiveLanguage" of section "Quelvar" from the user's settings.
void InstallUserLanguageReader();
