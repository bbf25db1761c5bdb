#include "frame/crashhook.h"
#include "frame/crashreporter.h"

#include <QFile>
#include <QTemporaryDir>

#include "qstringprint.h"

#include <gtest/gtest.h>

namespace {

const QString Separator = QString(78, QLatin1Char('-'));

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class CrashHookTest : public ::testing::Test
{
protected:
    void SetUp() override { TBSCrashHook::Clear(); }
    void TearDown() override { TBSCrashHook::Clear(); }
    QTemporaryDir m_dir;
};

TEST_F(CrashHookTest, ProjectLinesGoOnTopConfigurationFirst)
{
    struct Case
    {
        QString config, user, expected;
    } cases[] = {
        {QString(), QString(), QString()},
        {QString(), QStringLiteral("coach"), QStringLiteral("project user name : coach\n")},
        {QStringLiteral("/club/club.ini"), QString(), QStringLiteral("project ini file  : /club/club.ini\n")},
        {QStringLiteral("/club/club.ini"), QStringLiteral("coach"),
         QStringLiteral("project ini file  : /club/club.ini\nproject user name : coach\n")},
    };
    for (const Case &c : cases) {
        TBSCrashHook::Clear();
        TBSCrashHook::SetConfigFile(c.config);
        TBSCrashHook::SetUserName(c.user);
        QString report = QStringLiteral("what happened\n");
        TBSCrashHook::AddProjectInfo(report);
        EXPECT_EQ(report, c.expected + QStringLiteral("what happened\n"));
        EXPECT_EQ(TBSCrashHook::ProjectInfo(), c.expected);
        // The signal handler's copy says the same.
        EXPECT_EQ(QString::fromUtf8(TBSCrashHook::SignalSafeProjectInfo()), c.expected);
    }
}

TEST_F(CrashHookTest, ReportIsAppendedAfterASeparatorLine)
{
    const QString errorFile = m_dir.filePath(QStringLiteral("sub/mirevo.err"));
    TBSCrashHook::SetErrorFile(errorFile);
    TBSCrashHook::SetUserName(QStringLiteral("coach"));
    QString first = QStringLiteral("first");
    EXPECT_EQ(TBSCrashHook::AddProjectInfo(first), errorFile);
    QString second = QStringLiteral("second\n");
    EXPECT_EQ(TBSCrashHook::AddProjectInfo(second), errorFile);
    EXPECT_EQ(readFile(errorFile), Separator + QStringLiteral("\nproject user name : coach\nfirst\n") + Separator
                                       + QStringLiteral("\nproject user name : coach\nsecond\n"));
}

TEST_F(CrashHookTest, WithoutErrorFileNothingIsWritten)
{
    QString report = QStringLiteral("x");
    EXPECT_EQ(TBSCrashHook::AddProjectInfo(report), QString());
}

TEST_F(CrashHookTest, FallbackFileTakesTheReportWhenTheErrorFileCannotBeWritten)
{
    QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString fallback = m_dir.filePath(QStringLiteral("state/app/app.err"));
    TBSCrashHook::SetErrorFile(m_dir.filePath(QStringLiteral("blocker/app.err")));
    TBSCrashHook::SetFallbackErrorFile(fallback);
    QString report = QStringLiteral("report");
    EXPECT_EQ(TBSCrashHook::AddProjectInfo(report), fallback);
    EXPECT_EQ(readFile(fallback), Separator + QStringLiteral("\nreport\n"));
}

TEST_F(CrashHookTest, ComposedReportSaysWhatHappenedWithDetailsAndStack)
{
    const QString text = TBSCrashReporter::ComposeReport(
        QStringLiteral("an exception escaped an event handler"),
        {{QStringLiteral("exception"), QStringLiteral("EBSAssertion: Ungültiger Wert")}}, QStringLiteral("#frame\n"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 7);
    EXPECT_TRUE(lines.at(0).startsWith(QStringLiteral("crash report of")));
    EXPECT_EQ(lines.at(1), QStringLiteral("what happened : an exception escaped an event handler"));
    EXPECT_EQ(lines.at(2), QStringLiteral("exception     : EBSAssertion: Ungültiger Wert"));
    EXPECT_TRUE(lines.at(3).startsWith(QStringLiteral("date/time     : ")));
    EXPECT_TRUE(lines.at(4).startsWith(QStringLiteral("process id    : ")));
    EXPECT_EQ(lines.at(5), QStringLiteral("stack trace   :"));
    EXPECT_EQ(lines.at(6), QStringLiteral("#frame"));
}

} // namespace

// Outside the anonymous namespace, so its name is in the program's symbol table.
__attribute__((noinline)) QString traceFromNamedFunction()
{
    return TBSCrashReporter::StackTrace();
}

TEST(CrashReporter, StackTraceStartsAtTheCallerWithDemangledNames)
{
    const QStringList frames = traceFromNamedFunction().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(frames.isEmpty());
    EXPECT_TRUE(frames.first().contains(QStringLiteral("traceFromNamedFunction()"))) << frames.first().toStdString();
}
