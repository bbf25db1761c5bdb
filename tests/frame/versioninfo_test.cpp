#include "frame/versioninfo.h"

#include "qstringprint.h"

#include <gtest/gtest.h>

namespace {

TBSVersionInfo release()
{
    TBSVersionInfo v;
    v.CompanyName = QStringLiteral("Tarvo Software");
    v.ProductName = QStringLiteral("Mirevo");
    v.FileVersion = QStringLiteral("2006.0.0.16");
    return v;
}

TEST(VersionInfo, BuildValuesComeFromTheProject)
{
    const TBSVersionInfo &v = TBSVersionInfo::Build();
    EXPECT_EQ(v.CompanyName, QStringLiteral("Tarvo Software"));
    EXPECT_EQ(v.ProductName, QStringLiteral("Mirevo"));
    EXPECT_EQ(v.FileVersion, QStringLiteral("2006.0.0.16"));
    EXPECT_EQ(v.ProductTitle(), QStringLiteral("Mirevo 2006"));
#ifdef NDEBUG
    EXPECT_FALSE(v.IsDebugBuild);
    EXPECT_EQ(v.BuildText(), QStringLiteral("Build 16"));
#else
    // The tests are built as a Debug build, which is a debug build of the program.
    EXPECT_TRUE(v.IsDebugBuild);
    EXPECT_EQ(v.BuildText(), QStringLiteral("DEBUG Build"));
    EXPECT_EQ(v.VersionText(), QStringLiteral("2006.xxx"));
#endif
}

TEST(VersionInfo, ReleaseTexts)
{
    const TBSVersionInfo v = release();
    EXPECT_EQ(v.ProductTitle(), QStringLiteral("Mirevo 2006"));
    EXPECT_EQ(v.BuildText(), QStringLiteral("Build 16"));
    EXPECT_EQ(v.VersionText(), QStringLiteral("2006.16"));
    EXPECT_EQ(v.VersionPart(4), QStringLiteral("16"));
    EXPECT_EQ(v.VersionPart(5), QString());
}

TEST(VersionInfo, DebugTexts)
{
    TBSVersionInfo v = release();
    v.IsDebugBuild = true;
    EXPECT_EQ(v.BuildText(), QStringLiteral("DEBUG Build"));
    EXPECT_EQ(v.VersionText(), QStringLiteral("2006.xxx"));
}

TEST(VersionInfo, ProductGroupFallsBackToTheProductName)
{
    TBSVersionInfo v = release();
    EXPECT_EQ(v.EffectiveProductGroup(), QStringLiteral("Mirevo"));
    v.ProductGroup = QStringLiteral("Swim Tools");
    EXPECT_EQ(v.EffectiveProductGroup(), QStringLiteral("Swim Tools"));
}

TEST(VersionInfo, MissingVersionGivesEmptyVersionText)
{
    TBSVersionInfo v = release();
    v.FileVersion.clear();
    EXPECT_EQ(v.VersionText(), QString());
}

} // namespace
