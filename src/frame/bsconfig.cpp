#include "frame/bsconfig.h"

#include "base/standardfolders.h"
#include "frame/bssystem.h"
#include "frame/bsui.h"
#include "frame/crashhook.h"
#include "frame/programpaths.h"
#include "i18n/bslanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString QuelvarSection = QStringLiteral("Quelvar");

BSRef<TBSApplication> g_application;
BSRef<TBSUser> g_user;

// Splits a key path into its parent and its last part ("Software\Quelvar" -> "Software", "Quelvar").
void splitKeyPath(const QString &keyPath, QString &parent, QString &last)
{
    QStringList parts = keyPath.split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts);
    last = parts.isEmpty() ? QString() : parts.takeLast();
    parent = parts.join(QLatin1Char('\\'));
}

QString projectNameOf(const BSRef<IBSSection> &quelvar)
{
    const QString name = quelvar->ReadString(QStringLiteral("ProjectName"), QString());
    return name.isEmpty() ? quelvar->ReadString(QStringLiteral("Name"), QString()) : name;
}

// The file in the folder whose name equals name without regard to case; null when there is none.
BSRef<IBSFile> fileInAnyCase(const BSRef<IBSDirectory> &folder, const QString &name)
{
    const QDir dir(folder->FullName());
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder->File(entry);
    }
    return {};
}

} // namespace

// --- TBSConfigAbstract -------------------------------------------------------------------------------

BSRef<IBSSection> TBSConfigAbstract::GetSection(const QString &name)
{
    return Settings()->GetSection(name);
}

void TBSConfigAbstract::SetSection(const QString &name, const BSRef<IBSSection> &source)
{
    Settings()->SetSection(name, source);
}

BSRef<IBSStringList> TBSConfigAbstract::SectionNames() const
{
    return Settings()->SectionNames();
}

// --- project configuration files ---------------------------------------------------------------------

QList<TBSProjectConfig> FindProjectConfigs(const BSRef<IBSDirectory> &folder)
{
    QList<TBSProjectConfig> configs;
    if (!folder || !folder->Exists())
        return configs;
    QDir dir(folder->FullName());
    dir.setNameFilters({QStringLiteral("*.ini")});
    // Without QDir::CaseSensitive the pattern matches ".INI" as well.
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::Readable);
    dir.setSorting(QDir::Name);
    for (const QString &entry : dir.entryList()) {
        const BSRef<IBSFile> file = folder->File(entry);
        // A copy in memory: looking at a file never writes it.
        const QString name = projectNameOf(OpenIniSettings(file, true)->GetSection(QuelvarSection));
        if (!name.isEmpty())
            configs << TBSProjectConfig{file, name};
    }
    std::stable_sort(configs.begin(), configs.end(),
                     [](const TBSProjectConfig &a, const TBSProjectConfig &b) { return a.name < b.name; });
    return configs;
}

// --- TBSApplication ----------------------------------------------------------------------------------

TBSApplication::TBSApplication(TBSApplicationSetup setup)
    : m_setup(std::move(setup))
{
    if (m_setup.arguments.isEmpty() && QCoreApplication::instance())
        m_setup.arguments = QCoreApplication::arguments();
    if (!m_setup.exitProgram)
        m_setup.exitProgram = [](int code) { TBSSystem::ExitProgram(code); };
    loadProjectConfiguration();
    QString prefix = QStringLiteral("$$$qvr_%1_%2").arg(ProductTitle(), ProjectName());
    prefix.remove(QLatin1Char(' '));
    SetTempFilePrefix(prefix.toLower());
}

TBSApplication::~TBSApplication() = default;

QString TBSApplication::ProductTitle() const
{
    return m_setup.version.ProductTitle();
}

QString TBSApplication::BuildText() const
{
    return m_setup.version.BuildText();
}

bool TBSApplication::IsDebugBuild() const
{
    return m_setup.version.IsDebugBuild;
}

QString TBSApplication::CompanyName() const
{
    return m_setup.version.CompanyName;
}

QString TBSApplication::ProductGroup() const
{
    return m_setup.version.EffectiveProductGroup();
}

QString TBSApplication::RegistryRoot() const
{
    if (CompanyName().isEmpty())
        BSUI().ShowErrorAndExit(QStringLiteral("Versionsinfo: CompanyName fehlt!"), 1);
    else if (ProductGroup().isEmpty())
        BSUI().ShowErrorAndExit(QStringLiteral("Versionsinfo: ProductGroup/ProductName fehlt!"), 1);
    return QStringLiteral("Software\\") + CompanyName() + QLatin1Char('\\') + ProductGroup();
}

QString TBSApplication::UserRegistryPath() const
{
    const QString sub = m_configuration->GetSection(QuelvarSection)->ReadString(QStringLiteral("UserProjectRegistryPath"),
                                                                                QString());
    return sub.isEmpty() ? RegistryRoot() : RegistryRoot() + QLatin1Char('\\') + sub;
}

QString TBSApplication::CommandLineValue(const QString &switchName, const QString &defaultValue) const
{
    const QStringList &args = m_setup.arguments;
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        const QString &arg = args.at(i);
        if ((arg.startsWith(QLatin1Char('-')) || arg.startsWith(QLatin1Char('/')))
            && arg.mid(1).compare(switchName, Qt::CaseInsensitive) == 0)
            return args.at(i + 1);
    }
    return defaultValue;
}

BSRef<IBSDirectory> TBSApplication::ConfigDirectory() const
{
    if (!m_configDirectory) {
        const BSRef<IBSDirectory> programFolder = SpecialDirectory(sdProgram);
        m_configDirectory = programFolder;
        const BSRef<IBSFile> bsConfig = fileInAnyCase(programFolder, QStringLiteral("BSConfig.ini"));
        if (bsConfig) {
            const QString folder = OpenIniSettings(bsConfig, true)
                                       ->GetSection(QuelvarSection)
                                       ->ReadString(QStringLiteral("ConfigDirectory"), QString());
            // A relative folder lies below the program's folder.
            if (!folder.isEmpty())
                m_configDirectory = NewDirectory(folder, programFolder);
        }
    }
    return m_configDirectory;
}

QString TBSApplication::ProjectName() const
{
    return projectNameOf(m_configuration->GetSection(QuelvarSection));
}

QString TBSApplication::UserAlias(const QString &userName) const
{
    return m_userAliases->ContainsName(userName) ? m_userAliases->ValueOf(userName) : userName;
}

BSRef<IBSSection> TBSApplication::registryRootValues() const
{
    return RegistryKeyValues(RegistryRoot());
}

BSRef<IBSFile> TBSApplication::chooseConfigFile()
{
    const BSRef<IBSDirectory> folder = ConfigDirectory();
    const QList<TBSProjectConfig> configs = FindProjectConfigs(folder);
    if (configs.size() == 1)
        return configs.first().file;
    if (configs.isEmpty()) {
        // The usual installation: the program's own settings file serves as the project configuration.
        const QString ownName = ProgramPaths().programName() + QStringLiteral(".ini");
        if (const BSRef<IBSFile> own = fileInAnyCase(folder, ownName))
            return own;
        const QString settingsFile = ProgramPaths().settingsFileName();
        if (folder->FullName() == SpecialDirectory(sdProgram)->FullName() && QFileInfo::exists(settingsFile))
            return NewFile(settingsFile);
        return {};
    }

    QStringList names;
    for (const TBSProjectConfig &config : configs)
        names << config.name;
    const BSRef<IBSSection> lastChoice = registryRootValues();
    const int chosen = BSUI().ChooseConfiguration(ProductGroup(),
                                                  lastChoice->ReadString(QStringLiteral("ProjectName"), QString()), names);
    if (chosen < 0 || chosen >= configs.size()) {
        m_setup.exitProgram(0);
        return {};
    }
    lastChoice->WriteString(QStringLiteral("ProjectName"), configs.at(chosen).name);
    return configs.at(chosen).file;
}

void TBSApplication::loadProjectConfiguration()
{
    BSRef<IBSFile> file;
    const QString given = CommandLineValue(QStringLiteral("CONFIG"), QString());
    if (!given.isEmpty()) {
        file = NewFile(given, NewDirectory(QDir::currentPath()));
        if (!file->Exists())
            file.reset();
    }
    if (!file)
        file = chooseConfigFile();

    m_configFile = file;
    m_configuration = file ? OpenIniSettings(file) : OpenIniSettings(BSRef<IBSFile>());
    m_userAliases = m_configuration->GetSection(QStringLiteral("UserAliases"))->Values();
    m_projectAdmins = NewStringList();
    const QString admins = m_configuration->GetSection(QuelvarSection)->ReadString(QStringLiteral("ProjectAdmins"), QString());
    for (const QString &admin : admins.toLower().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString name = admin.trimmed();
        if (!name.isEmpty())
            m_projectAdmins->Add(name);
    }

    const BSRef<IBSDirectory> folder = ConfigDirectory();
    const QString errorFile = m_configuration->GetSection(QuelvarSection)->ReadString(QStringLiteral("ErrorFile"), QString());
    m_errorFile = errorFile.isEmpty() ? folder->File(ProgramPaths().programName() + QStringLiteral(".err"))
                                      : NewFile(errorFile, folder);
    TBSCrashHook::SetErrorFile(m_errorFile);
    TBSCrashHook::SetConfigFile(m_configFile);
}

// --- TBSUser -----------------------------------------------------------------------------------------

TBSUser::TBSUser(BSRef<TBSApplication> application)
    : m_application(std::move(application))
{
    QString name = m_application->GetSection(QuelvarSection)->ReadString(QStringLiteral("UserOverride"), QString());
    if (name.isEmpty())
        name = TBSSystem::UserName();
    m_userName = m_application->UserAlias(name).toLower();
    m_isWindowsAdmin = TBSSystem::IsAdmin();
    m_isProjectAdmin = m_application->ProjectAdmins()->Contains(m_userName);
    TBSCrashHook::SetUserName(m_userName);
}

BSRef<IBSSettings> TBSUser::UserSettings() const
{
    if (!m_userSettings)
        m_userSettings = OpenRegistrySettings(m_application->UserRegistryPath(), m_application);
    return m_userSettings;
}

// --- process-wide objects ----------------------------------------------------------------------------

BSRef<TBSApplication> BSApplication()
{
    if (!g_application)
        g_application = BSNew<TBSApplication>();
    return g_application;
}

BSRef<TBSUser> BSUser()
{
    if (!g_user)
        g_user = BSNew<TBSUser>(BSApplication());
    return g_user;
}

void ResetBSConfiguration()
{
    g_user.reset();
    g_application.reset();
}

BSRef<IBSSection> RegistryKeyValues(const QString &keyPath)
{
    QString parent;
    QString last;
    splitKeyPath(keyPath, parent, last);
    return OpenRegistrySettings(parent)->GetSection(last);
}

void InstallUserLanguageReader()
{
    SetActiveLanguageReader([](int defaultValue) {
        return BSUser()->GetSection(QuelvarSection)->ReadInteger(QStringLiteral("ActiveLanguage"), defaultValue);
    });
}
