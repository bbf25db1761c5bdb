#include "frame/bssettings.h"
#include "frame/resourcetext.h"

#include "settingsfixture.h"

#include <QDir>

#include <cmath>

namespace {

class BSSettingsTest : public SettingsFixture
{
protected:
    BSRef<IBSFile> file(const QString &name) const { return NewFile(path(name)); }
};

// Every typed read and write, against a memory section and a section of an INI file.
void checkTextForms(const BSRef<IBSSection> &section)
{
    const QString n = QStringLiteral("v");
    section->WriteBool(n, true);
    EXPECT_EQ(section->ReadString(n, QString()), QStringLiteral("True"));
    EXPECT_TRUE(section->ReadBool(n, false));
    section->WriteBool(n, false);
    EXPECT_EQ(section->ReadString(n, QString()), QStringLiteral("False"));

    struct BoolCase {
        const char *text;
        int value; // -1: the default
    };
    const BoolCase bools[] = {{"false", 0}, {"FALSE", 0}, {"true", 1}, {"tRuE", 1}, {"0", 0},
                              {"2", 1},     {"-1", 1},    {"0.0", 0},  {"yes", -1}, {"", -1}};
    for (const BoolCase &c : bools) {
        section->WriteString(n, QString::fromLatin1(c.text));
        const bool expectedTrue = c.value == -1 ? true : c.value == 1;
        const bool expectedFalse = c.value == -1 ? false : c.value == 1;
        EXPECT_EQ(section->ReadBool(n, true), expectedTrue) << c.text;
        EXPECT_EQ(section->ReadBool(n, false), expectedFalse) << c.text;
    }

    section->WriteInteger(n, -123);
    EXPECT_EQ(section->ReadString(n, QString()), QStringLiteral("-123"));
    EXPECT_EQ(section->ReadInteger(n, 0), -123);
    for (const char *bad : {"$1F", "1.5", "12a", "", "9999999999"}) {
        section->WriteString(n, QString::fromLatin1(bad));
        EXPECT_EQ(section->ReadInteger(n, 77), 77) << bad;
    }

    section->WriteFloat(n, 0.1);
    EXPECT_EQ(section->ReadString(n, QString()), QStringLiteral("0.1"));
    section->WriteFloat(n, 1.0 / 3.0);
    EXPECT_EQ(section->ReadString(n, QString()), QStringLiteral("0.333333333333333"));
    section->WriteFloat(n, -2.5e20);
    EXPECT_EQ(section->ReadFloat(n, 0), -2.5e20);
    section->WriteString(n, QStringLiteral("2,5"));
    EXPECT_EQ(section->ReadFloat(n, 0), 2.5);
    for (const char *bad : {"abc", "", "1.2.3", "nan", "inf"}) {
        section->WriteString(n, QString::fromLatin1(bad));
        EXPECT_EQ(section->ReadFloat(n, 9.5), 9.5) << bad;
    }

    const QDateTime when(QDate(2006, 5, 17), QTime(13, 4, 5, 678));
    section->WriteDateTime(n, when);
    EXPECT_EQ(section->ReadString(n, QString()), QStringLiteral("20060517130405678"));
    EXPECT_EQ(section->ReadDateTime(n, QDateTime()), when);
    const QDateTime fallback(QDate(2000, 1, 1), QTime(0, 0));
    for (const char *bad : {"2006051713040567", "200605171304056789", "2006051713040567x", "20061317130405678", ""}) {
        section->WriteString(n, QString::fromLatin1(bad));
        EXPECT_EQ(section->ReadDateTime(n, fallback), fallback) << bad;
    }
}

} // namespace

TEST_F(BSSettingsTest, TextFormsInMemory)
{
    checkTextForms(BSNew<TBSMemorySection>());
}

TEST_F(BSSettingsTest, TextFormsInAnIniFile)
{
    const BSRef<IBSSettings> settings = OpenIniSettings(file(QStringLiteral("forms.ini")));
    checkTextForms(settings->GetSection(QStringLiteral("Forms")));
}

TEST_F(BSSettingsTest, FilesAndDirectories)
{
    const BSRef<IBSSettings> settings = OpenIniSettings(file(QStringLiteral("paths.ini")));
    const BSRef<IBSSection> section = settings->GetSection(QStringLiteral("Paths"));
    const BSRef<IBSFile> defaultFile = NewFile(path(QStringLiteral("default.txt")));
    const BSRef<IBSDirectory> defaultDir = NewDirectory(path(QStringLiteral("defaultdir")));

    EXPECT_EQ(section->ReadFile(QStringLiteral("Missing"), defaultFile), defaultFile);
    EXPECT_EQ(section->ReadDirectory(QStringLiteral("Missing"), defaultDir), defaultDir);

    section->WriteFile(QStringLiteral("Pdf"), NewFile(path(QStringLiteral("out/report.pdf"))));
    section->WriteDirectory(QStringLiteral("Html"), NewDirectory(path(QStringLiteral("html"))));
    EXPECT_EQ(section->ReadString(QStringLiteral("Pdf"), QString()), path(QStringLiteral("out/report.pdf")));
    EXPECT_EQ(section->ReadFile(QStringLiteral("pdf"), defaultFile)->FullName(), path(QStringLiteral("out/report.pdf")));
    EXPECT_EQ(section->ReadDirectory(QStringLiteral("HTML"), defaultDir)->FullName(), path(QStringLiteral("html")));

    // No object, or an empty file, is stored as an empty value, which reads as no object.
    section->WriteFile(QStringLiteral("Pdf"), NewFile(QString()));
    section->WriteDirectory(QStringLiteral("Html"), nullptr);
    EXPECT_EQ(section->ReadString(QStringLiteral("Pdf"), QStringLiteral("x")), QString());
    EXPECT_EQ(section->ReadFile(QStringLiteral("Pdf"), defaultFile), nullptr);
    EXPECT_EQ(section->ReadDirectory(QStringLiteral("Html"), defaultDir), nullptr);
    section->WriteFile(QStringLiteral("None"), nullptr);
    EXPECT_EQ(section->ReadFile(QStringLiteral("None"), defaultFile), nullptr);
}

TEST_F(BSSettingsTest, DirectFileStoreWritesAtOnce)
{
    writeBytes(path(QStringLiteral("app.ini")), "; project file\n[Quelvar]\nProjectName=Club\n");
    const BSRef<IBSSettings> settings = OpenIniSettings(file(QStringLiteral("app.ini")));
    const BSRef<IBSSection> quelvar = settings->GetSection(QStringLiteral("quelvar"));
    EXPECT_FALSE(quelvar->IsEmpty());
    EXPECT_EQ(quelvar->ReadString(QStringLiteral("projectname"), QString()), QStringLiteral("Club"));
    quelvar->WriteInteger(QStringLiteral("ActiveLanguage"), 4);
    EXPECT_EQ(readBytes(path(QStringLiteral("app.ini"))),
              QByteArray("; project file\n[Quelvar]\nProjectName=Club\nActiveLanguage=4\n"));
    EXPECT_TRUE(settings->GetSection(QStringLiteral("Nothing"))->IsEmpty());
    EXPECT_EQ(settings->SectionNames()->Items(), QStringList{QStringLiteral("Quelvar")});

    // SetValues replaces the section's pairs; Clear erases it.
    const BSRef<IBSStringMap> pairs = NewStringMap();
    pairs->Put(QStringLiteral("A"), QStringLiteral("1"));
    pairs->Put(QStringLiteral("B"), QStringLiteral("2"));
    quelvar->SetValues(pairs);
    EXPECT_EQ(quelvar->Values()->GetText(), QStringLiteral("A=1\nB=2\n"));
    EXPECT_EQ(readBytes(path(QStringLiteral("app.ini"))), QByteArray("; project file\n[quelvar]\nA=1\nB=2\n"));
    quelvar->Clear();
    EXPECT_TRUE(quelvar->IsEmpty());
    EXPECT_EQ(readBytes(path(QStringLiteral("app.ini"))), QByteArray("; project file\n"));
}

TEST_F(BSSettingsTest, InMemoryCopyAndEmptyStore)
{
    writeBytes(path(QStringLiteral("app.ini")), "[S]\nk=1\n");
    const BSRef<IBSSettings> copy = OpenIniSettings(file(QStringLiteral("app.ini")), true);
    copy->GetSection(QStringLiteral("S"))->WriteString(QStringLiteral("k"), QStringLiteral("2"));
    EXPECT_EQ(copy->GetSection(QStringLiteral("S"))->ReadInteger(QStringLiteral("k"), 0), 2);
    EXPECT_EQ(readBytes(path(QStringLiteral("app.ini"))), QByteArray("[S]\nk=1\n"));

    const BSRef<IBSSettings> empty = OpenIniSettings(nullptr);
    EXPECT_EQ(empty->SectionNames()->Count(), 0);
    EXPECT_EQ(empty->GetSection(QStringLiteral("Quelvar"))->ReadString(QStringLiteral("ErrorFile"), QStringLiteral("d")),
              QStringLiteral("d"));
    empty->GetSection(QStringLiteral("X"))->WriteBool(QStringLiteral("b"), true);
    EXPECT_TRUE(empty->GetSection(QStringLiteral("x"))->ReadBool(QStringLiteral("B"), false));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("app.ini")});
}

TEST_F(BSSettingsTest, SectionsWithDefaults)
{
    writeBytes(path(QStringLiteral("project.ini")), "[Printer]\nFont=Arial\nSize=10\n[OnlyDefaults]\nx=1\n");
    const BSRef<IBSSettings> project = OpenIniSettings(file(QStringLiteral("project.ini")));
    const BSRef<IBSSettings> user = OpenIniSettings(file(QStringLiteral("user.ini")), false, project);
    const BSRef<IBSSection> printer = user->GetSection(QStringLiteral("Printer"));

    EXPECT_EQ(printer->ReadString(QStringLiteral("Font"), QStringLiteral("Courier")), QStringLiteral("Arial"));
    EXPECT_EQ(printer->ReadString(QStringLiteral("Missing"), QStringLiteral("Courier")), QStringLiteral("Courier"));
    EXPECT_EQ(printer->ReadInteger(QStringLiteral("Size"), 0), 10);
    EXPECT_FALSE(printer->IsEmpty());

    printer->WriteString(QStringLiteral("Font"), QStringLiteral("Verdana"));
    EXPECT_EQ(printer->ReadString(QStringLiteral("Font"), QString()), QStringLiteral("Verdana"));
    // Writes go to the user's store only.
    EXPECT_EQ(readBytes(path(QStringLiteral("project.ini"))), QByteArray("[Printer]\nFont=Arial\nSize=10\n[OnlyDefaults]\nx=1\n"));
    EXPECT_EQ(readBytes(path(QStringLiteral("user.ini"))), QByteArray("[Printer]\nFont=Verdana\n"));
    EXPECT_EQ(printer->Values()->GetText(), QStringLiteral("Font=Verdana\nSize=10\n"));

    EXPECT_FALSE(user->GetSection(QStringLiteral("OnlyDefaults"))->IsEmpty());
    EXPECT_TRUE(user->GetSection(QStringLiteral("Nowhere"))->IsEmpty());
    EXPECT_EQ(user->SectionNames()->Items(), QStringList{QStringLiteral("Printer")});

    // Clearing the user's section brings the defaults back.
    printer->Clear();
    EXPECT_EQ(printer->ReadString(QStringLiteral("Font"), QString()), QStringLiteral("Arial"));
}

TEST_F(BSSettingsTest, MergeMemoryCopyAndSetSection)
{
    const BSRef<IBSSettings> settings = OpenIniSettings(file(QStringLiteral("s.ini")));
    const BSRef<IBSSection> a = settings->GetSection(QStringLiteral("A"));
    a->WriteString(QStringLiteral("one"), QStringLiteral("1"));
    a->WriteString(QStringLiteral("two"), QStringLiteral("2"));

    const BSRef<IBSSection> copy = a->MemoryCopy();
    ASSERT_NE(Supports<TBSMemorySection>(copy), nullptr);
    copy->WriteString(QStringLiteral("one"), QStringLiteral("changed"));
    copy->WriteString(QStringLiteral("three"), QStringLiteral("3"));
    EXPECT_EQ(a->ReadString(QStringLiteral("one"), QString()), QStringLiteral("1"));

    a->Merge(copy);
    EXPECT_EQ(a->Values()->GetText(), QStringLiteral("one=changed\ntwo=2\nthree=3\n"));

    settings->SetSection(QStringLiteral("B"), copy);
    EXPECT_EQ(settings->GetSection(QStringLiteral("b"))->Values()->GetText(), QStringLiteral("one=changed\ntwo=2\nthree=3\n"));
    copy->Clear();
    EXPECT_TRUE(copy->IsEmpty());
    settings->SetSection(QStringLiteral("B"), copy);
    EXPECT_TRUE(settings->GetSection(QStringLiteral("B"))->IsEmpty());
    EXPECT_EQ(readBytes(path(QStringLiteral("s.ini"))), QByteArray("[A]\none=changed\ntwo=2\nthree=3\n"));
}

TEST_F(BSSettingsTest, SectionsKeepTheirSettingsAlive)
{
    BSRef<IBSSection> section;
    {
        const BSRef<IBSSettings> settings = OpenIniSettings(file(QStringLiteral("alive.ini")));
        section = settings->GetSection(QStringLiteral("S"));
    }
    section->WriteString(QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_EQ(readBytes(path(QStringLiteral("alive.ini"))), QByteArray("[S]\nk=v\n"));
}

TEST_F(BSSettingsTest, PerUserKeyStore)
{
    const QString keyFile = path(QStringLiteral("config/mirevo/registry/Software/Tarvo Software/Mirevo.ini"));
    EXPECT_EQ(RegistryKeyFileName(QStringLiteral("Software\\Tarvo Software\\Mirevo")), keyFile);
    const BSRef<IBSSettings> user = OpenRegistrySettings(QStringLiteral("Software\\Tarvo Software\\Mirevo"));
    user->GetSection(QStringLiteral("Quelvar"))->WriteInteger(QStringLiteral("ActiveLanguage"), 4);
    EXPECT_EQ(readBytes(keyFile), QByteArray("[Quelvar]\nActiveLanguage=4\n"));

    // Key paths are not case-sensitive, and cannot leave the store.
    EXPECT_EQ(RegistryKeyFileName(QStringLiteral("SOFTWARE/tarvo software\\\\MIREVO\\")), keyFile);
    EXPECT_EQ(RegistryKeyFileName(QStringLiteral("..\\..\\Software\\.\\Tarvo Software\\Mirevo")), keyFile);
    EXPECT_EQ(RegistryKeyFileName(QString()), path(QStringLiteral("config/mirevo/registry/(root).ini")));
    const BSRef<IBSSettings> again = OpenRegistrySettings(QStringLiteral("software\\TARVO SOFTWARE\\mirevo"));
    EXPECT_EQ(again->GetSection(QStringLiteral("quelvar"))->ReadInteger(QStringLiteral("activelanguage"), 0), 4);

    // A subkey is a file of its own.
    OpenRegistrySettings(QStringLiteral("Software\\Quelvar"))->GetSection(QStringLiteral("Flags"))->WriteBool(QStringLiteral("DEBUG"), true);
    EXPECT_EQ(readBytes(path(QStringLiteral("config/mirevo/registry/Software/Quelvar.ini"))), QByteArray("[Flags]\nDEBUG=True\n"));
}

TEST_F(BSSettingsTest, ResourceSettings)
{
    const BSRef<IBSSettings> table = OpenResourceSettings(QStringLiteral("TestTable"));
    EXPECT_EQ(table->SectionNames()->Items(), (QStringList{"Header", "LC Men"}));
    EXPECT_EQ(table->GetSection(QStringLiteral("header"))->ReadString(QStringLiteral("Formula"), QString()),
              QStringLiteral("CUBED"));
    EXPECT_EQ(table->GetSection(QStringLiteral("LC Men"))->ReadFloat(QStringLiteral("50_FR"), 0), 21.88);
    // Resource names are not case-sensitive.
    EXPECT_EQ(OpenResourceSettings(QStringLiteral("testtable"))->SectionNames()->Count(), 2);
    EXPECT_THROW(OpenResourceSettings(QStringLiteral("NoSuchTable")), EResNotFound);
}
