// Crash reports of a program that really crashes: the test runs a helper program as a child process and
// reads the error file it leaves behind.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "qstringprint.h"

#include <gtest/gtest.h>

namespace {

const QString Separator = QString(78, QLatin1Char('-'));

struct ChildRun
{
    QProcess::ExitStatus status = QProcess::NormalExit;
    int exitCode = -1;
    QString out;
    QString err;
};

class CrashReportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // A copy of the helper in a folder of its own, so the default error file (the program's name with
        // ".err" in the program's folder) lands in the test's folder.
        m_helper = m_dir.filePath(QStringLiteral("frame_crash_helper"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(CRASH_HELPER), m_helper));
        QFile::setPermissions(m_helper, QFile::permissions(m_helper) | QFileDevice::ExeOwner);
    }

    ChildRun run(const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_STATE_HOME"), m_dir.filePath(QStringLiteral("state")));
        // The child dies on purpose; a core file would only litter the folder.
        env.insert(QStringLiteral("ASAN_OPTIONS"), env.value(QStringLiteral("ASAN_OPTIONS"))
                                                       + QStringLiteral(":disable_coredump=1"));
        process.setProcessEnvironment(env);
        process.start(m_helper, arguments);
        EXPECT_TRUE(process.waitForFinished(60000)) << "the helper did not end";
        ChildRun result;
        result.status = process.exitStatus();
        result.exitCode = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QString defaultErrorFile() const { return m_dir.filePath(QStringLiteral("frame_crash_helper.err")); }

    static QString readFile(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromUtf8(file.readAll());
    }

    QTemporaryDir m_dir;
    QString m_helper;
};

struct FatalCase
{
    const char *mode;
    const char *signal;
    const char *frame; // a function that must appear in the stack trace
};

class FatalSignalTest : public CrashReportTest, public ::testing::WithParamInterface<FatalCase>
{
};

TEST_P(FatalSignalTest, ReportWithProjectLinesAndStackIsAppendedAndTheProcessDies)
{
    const FatalCase c = GetParam();
    const QString config = m_dir.filePath(QStringLiteral("club.ini"));
    const ChildRun child = run({QString::fromLatin1(c.mode), QStringLiteral("--config"), config,
                                QStringLiteral("--user"), QStringLiteral("coach")});
    EXPECT_EQ(child.status, QProcess::CrashExit) << child.err.toStdString();
    EXPECT_TRUE(child.err.contains(QStringLiteral("crash report appended to ") + defaultErrorFile())) << child.err.toStdString();

    const QString report = readFile(defaultErrorFile());
    const QStringList lines = report.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 6) << report.toStdString();
    EXPECT_EQ(lines.at(0), Separator);
    EXPECT_EQ(lines.at(1), QStringLiteral("project ini file  : ") + config);
    EXPECT_EQ(lines.at(2), QStringLiteral("project user name : coach"));
    EXPECT_TRUE(lines.at(3).startsWith(QStringLiteral("crash report of "))) << lines.at(3).toStdString();
    EXPECT_TRUE(lines.at(4).startsWith(QStringLiteral("what happened : fatal signal ") + QString::fromLatin1(c.signal)))
        << lines.at(4).toStdString();
    const qsizetype stack = report.indexOf(QStringLiteral("stack trace   :\n"));
    ASSERT_GE(stack, 0) << report.toStdString();
    EXPECT_TRUE(report.mid(stack).contains(QString::fromLatin1(c.frame))) << report.toStdString();
    EXPECT_EQ(report.count(Separator), 1);
}

INSTANTIATE_TEST_SUITE_P(Signals, FatalSignalTest,
                         ::testing::Values(FatalCase{"segv", "SIGSEGV", "crashSegv"},
                                           FatalCase{"abort", "SIGABRT", "main"},
                                           FatalCase{"fpe", "SIGFPE", "crashFpe"},
                                           FatalCase{"ill", "SIGILL", "crashIll"},
                                           FatalCase{"bus", "SIGBUS", "crashBus"},
                                           FatalCase{"gui-segv", "SIGSEGV", "crashSegv"}),
                         [](const auto &info) {
                             QString name = QString::fromLatin1(info.param.mode);
                             return name.remove(QLatin1Char('-')).toStdString();
                         });

TEST_F(CrashReportTest, UncaughtExceptionIsReportedThroughTerminate)
{
    const ChildRun child = run({QStringLiteral("terminate"), QStringLiteral("--user"), QStringLiteral("coach")});
    EXPECT_EQ(child.status, QProcess::CrashExit);
    const QString report = readFile(defaultErrorFile());
    EXPECT_TRUE(report.startsWith(Separator + QStringLiteral("\nproject user name : coach\n"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("what happened : uncaught exception\n")));
    EXPECT_TRUE(report.contains(QStringLiteral("exception     : std::runtime_error: nobody catches this\n")))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("noexceptThrower"))) << report.toStdString();
    // The abort that ends the process does not add a second report.
    EXPECT_EQ(report.count(Separator), 1);
}

TEST_F(CrashReportTest, CrashBeforeTheConfigurationIsLoadedHasNoProjectLines)
{
    const ChildRun child = run({QStringLiteral("segv")});
    EXPECT_EQ(child.status, QProcess::CrashExit);
    const QString report = readFile(defaultErrorFile());
    EXPECT_TRUE(report.startsWith(Separator + QStringLiteral("\ncrash report of Crash Helper 1\n"))) << report.toStdString();
    EXPECT_FALSE(report.contains(QStringLiteral("project ")));
}

TEST_F(CrashReportTest, ReportsAreAppendedOneAfterAnother)
{
    run({QStringLiteral("segv")});
    run({QStringLiteral("abort"), QStringLiteral("--user"), QStringLiteral("swimmer")});
    const QString report = readFile(defaultErrorFile());
    EXPECT_EQ(report.count(Separator), 2);
    const qsizetype first = report.indexOf(QStringLiteral("SIGSEGV"));
    const qsizetype second = report.indexOf(QStringLiteral("project user name : swimmer"));
    EXPECT_GE(first, 0);
    EXPECT_GT(second, first);
}

TEST_F(CrashReportTest, ConfiguredErrorFileReceivesTheReport)
{
    const QString errorFile = m_dir.filePath(QStringLiteral("reports/club.err"));
    run({QStringLiteral("fpe"), QStringLiteral("--errorfile"), errorFile});
    EXPECT_TRUE(readFile(errorFile).contains(QStringLiteral("fatal signal SIGFPE")));
    EXPECT_FALSE(QFileInfo::exists(defaultErrorFile()));
}

TEST_F(CrashReportTest, UnwritableErrorFileFallsBackToTheStateFolder)
{
    // A plain file where the error file's folder should be: the error file cannot be created.
    QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ChildRun child = run({QStringLiteral("segv"), QStringLiteral("--errorfile"), m_dir.filePath(QStringLiteral("blocker/x.err"))});
    EXPECT_EQ(child.status, QProcess::CrashExit);
    const QString fallback = m_dir.filePath(QStringLiteral("state/frame_crash_helper/frame_crash_helper.err"));
    EXPECT_TRUE(readFile(fallback).contains(QStringLiteral("fatal signal SIGSEGV"))) << child.err.toStdString();
    EXPECT_TRUE(child.err.contains(fallback));
}

struct EventCase
{
    const char *mode;
    const char *exception; // as the report names it
    const char *message;   // as the dialog shows it
};

class EventExceptionTest : public CrashReportTest, public ::testing::WithParamInterface<EventCase>
{
};

TEST_P(EventExceptionTest, DialogIsShownReportIsWrittenAndTheProgramGoesOn)
{
    const EventCase c = GetParam();
    const ChildRun child = run({QString::fromLatin1(c.mode), QStringLiteral("--user"), QStringLiteral("coach")});
    EXPECT_EQ(child.status, QProcess::NormalExit) << child.err.toStdString();
    EXPECT_EQ(child.exitCode, 0) << child.err.toStdString();

    const QString message = QString::fromUtf8(c.message);
    EXPECT_TRUE(child.out.contains(QStringLiteral("REPORTED: ") + message + QStringLiteral(" | ") + defaultErrorFile()))
        << child.out.toStdString();
    const QRegularExpression dialog(QStringLiteral("DIALOG: .*") + QRegularExpression::escape(message)
                                    + QStringLiteral(".*goes on.*") + QRegularExpression::escape(defaultErrorFile()));
    EXPECT_TRUE(dialog.match(child.out).hasMatch()) << child.out.toStdString();
    // The dialog was closed and the event loop went on.
    EXPECT_GT(child.out.indexOf(QStringLiteral("CONTINUED")), child.out.indexOf(QStringLiteral("DIALOG: ")));

    const QString report = readFile(defaultErrorFile());
    EXPECT_TRUE(report.startsWith(Separator + QStringLiteral("\nproject user name : coach\n"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("what happened : an exception escaped an event handler\n")));
    EXPECT_TRUE(report.contains(QStringLiteral("exception     : ") + QString::fromUtf8(c.exception) + QStringLiteral(": ")
                                + message + QLatin1Char('\n')))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("receiver      : QWidget \"ThrowingWidget\"\n"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("event         : User (1000)\n"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("TTrvApplication::notify"))) << report.toStdString();
    EXPECT_EQ(report.count(Separator), 1);
}

INSTANTIATE_TEST_SUITE_P(Exceptions, EventExceptionTest,
                         ::testing::Values(EventCase{"event-assert", "EBSAssertion", "Doppelt belegte ID für Punktewertungen!"},
                                           EventCase{"event-std", "std::runtime_error", "the table file is broken"}),
                         [](const auto &info) {
                             QString name = QString::fromLatin1(info.param.mode);
                             return name.remove(QLatin1Char('-')).toStdString();
                         });

} // namespace
