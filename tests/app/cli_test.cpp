// The command-line calculator, run in-process with memory buffers for its streams.
#include "app/cli.h"
#include "app/clivalues.h"
#include "points/controller.h"
#include "points/tablefolders.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

CliRun run(const QStringList &args, const QByteArray &input = {})
{
    QByteArray inBytes = input;
    QByteArray outBytes;
    QByteArray errBytes;
    QBuffer in(&inBytes);
    QBuffer out(&outBytes);
    QBuffer err(&errBytes);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    CliRun result;
    result.status = RunCli(args, in, out, err);
    result.out = QString::fromUtf8(outBytes);
    result.err = QString::fromUtf8(errBytes);
    return result;
}

QStringList calc(const char *command, const char *table, const char *event, const char *pool, const char *gender,
                 const char *valueName, const char *value)
{
    return {QString::fromUtf8(command),  QStringLiteral("--table"),    QString::fromUtf8(table),
            QStringLiteral("--event"),   QString::fromUtf8(event),     QStringLiteral("--pool"),
            QString::fromUtf8(pool),     QStringLiteral("--gender"),   QString::fromUtf8(gender),
            QStringLiteral("--") + QString::fromUtf8(valueName), QString::fromUtf8(value)};
}

class Cli : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        LoadCliVocabulary();
        s_dir = new QTemporaryDir;
        QFile file(s_dir->filePath(QStringLiteral("mixed.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Header]\nID=7501\nName=Mixed Test\nVersion=1\nShortNameVersion=MT @POOL\n"
                   "[LC Men]\n200_FR=1:40.00\n[LC]\n200_FR=2:00.00\n");
        file.close();
        if (!Controller().FindClass(7501))
            RegisterTableFolders(Controller(), {s_dir->path()}, [](const QString &) {});
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static QTemporaryDir *s_dir;
};

QTemporaryDir *Cli::s_dir = nullptr;

struct LineCase {
    QStringList args;
    const char *line;
};

TEST_F(Cli, CalculatorLines)
{
    const LineCase cases[] = {
        {calc("points", "3000", "100m Freestyle", "50m", "men", "time", "50.00"),
         "FINA 2004;100m Freestyle;Men;99;50.00;901 Pt."},
        {calc("points", "3000", "100M FREESTYLE", "25m", "M", "time", "50.00"), "FINA 2004;100m Freestyle;Men;99;50.00;820 Pt."},
        {calc("points", "3000", "1", "0", "Men", "time", "50.00"), "FINA 2004;100m Freestyle;Men;99;50.00;820 Pt."},
        // The relay row is looked up as 400_FR: 3:20.00 against 3:44.30.
        {calc("points", "3000", "4 x 100m Freestyle Relay", "50m", "men", "time", "3:20.00"),
         "FINA 2004;4 x 100m Freestyle Relay;Men;99;3:20.00;1411 Pt."},
        {calc("points", "3000", "4  x 100m   freestyle relay", "1", "w", "time", "3:38.69"),
         "FINA 2004;4 x 100m Freestyle Relay;Women;99;3:38.69;1417 Pt."},
        // Mixed reads the men's sections in the FINA table.
        {calc("points", "3000", "200m Freestyle", "50m", "x", "time", "1:45.94"),
         "FINA 2004;200m Freestyle;Mixed;99;1:45.94;1000 Pt."},
        // Without UseMenForMixed only the mixed section answers.
        {calc("points", "7501", "200m Freestyle", "50m", "mixed", "time", "2:00.00"), "MT LC;200m Freestyle;Mixed;99;2:00.00;1000 Pt."},
        {calc("points", "7501", "200m Freestyle", "50m", "men", "time", "1:40.00"), "MT LC;200m Freestyle;Men;99;1:40.00;1000 Pt."},
        {calc("points", "1004", "50m Freestyle", "25m", "men", "time", "25.00"), "SNC SC 2003/2004;50m Freestyle;Men;99;25.00;0 Pt."},
        {calc("points", "1006", "50m Freestyle", "50m", "women", "time", "25.00"),
         "SNC LC 2004/2005;50m Freestyle;Women;99;25.00;0 Pt."},
        {calc("points", "3000", "100m Freestyle", "33m", "men", "time", "50.00"), "FINA 2004;100m Freestyle;Men;99;50.00;0 Pt."},
        {calc("points", "3000", "100m Freestyle", "50m", "men", "time", "NT"), "FINA 2004;100m Freestyle;Men;99;;0 Pt."},
        {calc("points", "3000", "100m Freestyle", "50m", "men", "time", "45.00"), "FINA 2004;100m Freestyle;Men;99;45.00;1237 Pt."},
        {calc("time", "3000", "100m Freestyle", "50m", "men", "points", "1000"), "FINA 2004;100m Freestyle;Men;99;48.30;1000 Pt."},
        {calc("time", "3000", "100m Freestyle", "50m", "men", "points", "2000"), "FINA 2004;100m Freestyle;Men;99;46.79;1100 Pt."},
        {calc("time", "3000", "100m Freestyle", "50m", "men", "points", "0"), "FINA 2004;100m Freestyle;Men;99;;0 Pt."},
        {calc("time", "1001", "50m Freestyle", "16m", "women", "points", "500"), "DSV 2001;50m Freestyle;Women;99;;500 Pt."},
    };
    for (const LineCase &c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, CliOk) << c.args.join(' ').toStdString() << "\n" << r.err.toStdString();
        EXPECT_EQ(r.out, QString::fromUtf8(c.line) + QLatin1Char('\n')) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    }
}

TEST_F(Cli, AgeAndRudolph)
{
    QStringList args = calc("points", "1105", "50m Freestyle", "25m", "women", "time", "30.00");
    args << QStringLiteral("--age") << QStringLiteral("12");
    const CliRun r = run(args);
    EXPECT_EQ(r.out, QStringLiteral("Rudolph Table 2005;50m Freestyle;Women;12;30.00;146 Pt.\n"));
    args.last() = QStringLiteral("13");
    EXPECT_EQ(run(args).out, QStringLiteral("Rudolph Table 2005;50m Freestyle;Women;13;30.00;0 Pt.\n"));
}

TEST_F(Cli, TableFileWithAnyFormula)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("british.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Header]\r\nShortNameVersion=Brit @POOL\r\nFormula=BRITISH\r\n[XX $]\r\n100_FR=48.30\r\n");
    file.close();
    const QStringList args = {QStringLiteral("points"), QStringLiteral("--table-file"), path,
                              QStringLiteral("--event=100m Freestyle"), QStringLiteral("--pool=25y"),
                              QStringLiteral("--gender=women"), QStringLiteral("--time=50.00")};
    const CliRun r = run(args);
    EXPECT_EQ(r.status, CliOk) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Brit SCY;100m Freestyle;Women;99;50.00;922 Pt.\n"));
}

struct ErrorCase {
    QStringList args;
    const char *named; // the bad value the message must name
};

TEST_F(Cli, BadCommandLines)
{
    const QStringList ok = calc("points", "3000", "100m Freestyle", "50m", "men", "time", "50.00");
    auto with = [&](int index, const char *value) {
        QStringList args = ok;
        args[index] = QString::fromUtf8(value);
        return args;
    };
    const ErrorCase cases[] = {
        {{QStringLiteral("frobnicate")}, "frobnicate"},
        {{QStringLiteral("--bogus")}, "--bogus"},
        {ok + QStringList{QStringLiteral("--colour"), QStringLiteral("red")}, "--colour"},
        {ok + QStringList{QStringLiteral("extra")}, "extra"},
        {ok + QStringList{QStringLiteral("--age")}, "--age"},
        {with(2, "9999"), "9999"},
        {with(2, "FINA"), "FINA"},
        {with(4, "100m Crawl"), "100m Crawl"},
        {with(4, "34"), "34"},
        {with(6, "20m"), "20m"},
        {with(6, "5"), "5"},
        {with(8, "boys"), "boys"},
        {with(10, "abc"), "abc"},
        {with(10, "50"), "50"},
        {ok + QStringList{QStringLiteral("--age"), QStringLiteral("0")}, "0"},
        {ok + QStringList{QStringLiteral("--age"), QStringLiteral("100")}, "100"},
        {calc("time", "3000", "100m Freestyle", "50m", "men", "points", "-5"), "-5"},
        {calc("time", "3000", "100m Freestyle", "50m", "men", "points", "many"), "many"},
        {calc("time", "3000", "100m Freestyle", "50m", "men", "time", "50.00"), "--time"},
        {{QStringLiteral("points"), QStringLiteral("--table-file"), QStringLiteral("/nonexistent/table.txt"),
          QStringLiteral("--event"), QStringLiteral("0"), QStringLiteral("--pool"), QStringLiteral("0"),
          QStringLiteral("--gender"), QStringLiteral("m"), QStringLiteral("--time"), QStringLiteral("30.00")},
         "/nonexistent/table.txt"},
        {ok.mid(0, 9), "--time"},
        {{QStringLiteral("batch"), QStringLiteral("/nonexistent/rows.csv")}, "/nonexistent/rows.csv"},
        {{QStringLiteral("tables"), QStringLiteral("now")}, "now"},
    };
    for (const ErrorCase &c : cases) {
        const CliRun r = run(c.args);
        const std::string what = c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(r.status, CliUsageError) << what;
        EXPECT_TRUE(r.out.isEmpty()) << what << ": " << r.out.toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << what << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith(QLatin1String("mirevo: "))) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.named))) << what << ": " << r.err.toStdString();
    }
}

TEST_F(Cli, TablesListsIdTabName)
{
    const CliRun r = run({QStringLiteral("tables")});
    EXPECT_EQ(r.status, CliOk);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), int(Controller().Classes().size()));
    EXPECT_EQ(lines.first(), QStringLiteral("1005\tDSV Master Performance Table 1998"));
    EXPECT_TRUE(lines.contains(QStringLiteral("3000\tFINA Point Scoring 2004")));
    EXPECT_TRUE(lines.contains(QStringLiteral("7501\tMixed Test 1")));
}

TEST_F(Cli, HelpForEveryCommand)
{
    for (const QStringList &args : {QStringList{}, QStringList{QStringLiteral("--help")}, QStringList{QStringLiteral("-h")},
                                    QStringList{QStringLiteral("tables"), QStringLiteral("--help")},
                                    QStringList{QStringLiteral("points"), QStringLiteral("--help")},
                                    QStringList{QStringLiteral("time"), QStringLiteral("-h")},
                                    QStringList{QStringLiteral("batch"), QStringLiteral("--help")}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, CliOk);
        EXPECT_TRUE(r.out.startsWith(QLatin1String("Usage: mirevo"))) << r.out.toStdString();
        EXPECT_TRUE(r.err.isEmpty());
    }
    EXPECT_TRUE(run({QStringLiteral("points"), QStringLiteral("--help")}).out.contains(QLatin1String("--table-file PATH")));
    EXPECT_TRUE(run({QStringLiteral("time"), QStringLiteral("--help")}).out.contains(QLatin1String("--points N")));
}

TEST_F(Cli, BatchPoints)
{
    const QByteArray input = "table,event,pool,gender,age,time\r\n"
                             "3000,100m Freestyle,50m,men,99,50.00\r\n"
                             "3000,\"4 x 100m Freestyle Relay\",50m,m,,3:20.00\r\n"
                             "\r\n"
                             "1105,0,25m,w,12,30.00\r\n"
                             "3000,100m Freestyle,50m,men,99,NT\r\n"
                             "3000,100m Crawl,50m,men,99,50.00\r\n"
                             "4242,100m Freestyle,50m,men,99,50.00\r\n"
                             "3000,100m Freestyle,50m,men,99\r\n"
                             "3000,100m Freestyle,50m,men,99,fast\r\n"
                             "1004,50m Freestyle,25m,women,30,30.00";
    const CliRun r = run({QStringLiteral("batch")}, input);
    EXPECT_EQ(r.status, CliRowsFailed);
    EXPECT_EQ(r.out, QStringLiteral("table,event,pool,gender,age,time,points\n"
                                    "3000,100m Freestyle,50m,men,99,50.00,901\n"
                                    "3000,\"4 x 100m Freestyle Relay\",50m,m,,3:20.00,1411\n"
                                    "1105,0,25m,w,12,30.00,146\n"
                                    "3000,100m Freestyle,50m,men,99,NT,0\n"
                                    "3000,100m Crawl,50m,men,99,50.00,\n"
                                    "4242,100m Freestyle,50m,men,99,50.00,\n"
                                    "3000,100m Freestyle,50m,men,99,\n"
                                    "3000,100m Freestyle,50m,men,99,fast,\n"
                                    "1004,50m Freestyle,25m,women,30,30.00,0\n"));
    const QStringList warnings = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(warnings.size(), 4) << r.err.toStdString();
    EXPECT_TRUE(warnings[0].contains(QLatin1String("line 7:")) && warnings[0].contains(QLatin1String("100m Crawl")));
    EXPECT_TRUE(warnings[1].contains(QLatin1String("line 8:")) && warnings[1].contains(QLatin1String("4242")));
    EXPECT_TRUE(warnings[2].contains(QLatin1String("line 9:")));
    EXPECT_TRUE(warnings[3].contains(QLatin1String("line 10:")) && warnings[3].contains(QLatin1String("fast")));
}

TEST_F(Cli, BatchTimesFromAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rows.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBFTable,Event,Pool,Gender,Age,Points\n"
               "3000,100m Freestyle,50m,men,99,1000\n"
               "3000,1,50m,men,99,901\n"
               "3000,100m Freestyle,50m,men,99,0\n"
               "3000,1500m Freestyle,50m,men,99,1\n"
               "3000,100m Freestyle,50m,men,99,5000\n");
    file.close();
    const CliRun r = run({QStringLiteral("batch"), path});
    EXPECT_EQ(r.status, CliOk) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Table,Event,Pool,Gender,Age,Points,time\n"
                                    "3000,100m Freestyle,50m,men,99,1000,48.30\n"
                                    "3000,1,50m,men,99,901,50.01\n"
                                    "3000,100m Freestyle,50m,men,99,0,\n"
                                    "3000,1500m Freestyle,50m,men,99,1,\n"
                                    "3000,100m Freestyle,50m,men,99,5000,46.79\n"));
}

TEST_F(Cli, BatchWithoutHeaderStops)
{
    for (const QByteArray &input : {QByteArray(), QByteArray("3000,100m Freestyle,50m,men,99,50.00\n"),
                                    QByteArray("table,event,pool,gender,age\n")}) {
        const CliRun r = run({QStringLiteral("batch"), QStringLiteral("-")}, input);
        EXPECT_EQ(r.status, CliUsageError);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
    }
}

} // namespace
