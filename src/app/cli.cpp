#include "app/cli.h"

#include "app/calculation.h"
#include "app/clibatch.h"
#include "app/clivalues.h"
#include "frame/programpaths.h"
#include "points/controller.h"
#include "points/tablefolders.h"

#include <QFile>
#include <QHash>
#include <QIODevice>

#include <optional>

namespace {

const char *const kMainHelp =
    "Usage: mirevo [COMMAND] [OPTIONS]\n"
    "Swim times to performance points and back, under the point tables of the program.\n"
    "\n"
    "Commands:\n"
    "  tables          list the point tables: the ID, a tab, the name\n"
    "  points          the points a swim time earns\n"
    "  time            the swim time that earns a number of points\n"
    "  batch [FILE]    calculate every row of a CSV file (or of standard input)\n"
    "\n"
    "Run \"mirevo COMMAND --help\" for the options of a command.\n"
    "\n"
    "Tables are built in; more are read from *.txt table files in \"tables\" next to the program and in\n"
    "$XDG_DATA_HOME/Mirevo/tables (their header needs ID=, a whole number above 0).\n"
    "\n"
    "Exit status: 0 done, 1 some batch rows failed, 2 bad command line or unreadable file.\n";

const char *const kTablesHelp = "Usage: mirevo tables\n"
                                "Lists the point tables, one per line: the ID, a tab and the name, sorted by name.\n";

const char *const kCalcOptions =
    "  --table ID          the point table (see \"mirevo tables\")\n"
    "  --table-file PATH   use the table text in PATH instead of --table\n"
    "  --event EVENT       the event row 0..33 or its name, such as \"100m Freestyle\" or\n"
    "                      \"4 x 100m Medley Relay\" (any case)\n"
    "  --pool POOL         25m, 50m, 25y, 33m, 16m or the pool row 0..4\n"
    "  --gender GENDER     men (m), women (w) or mixed (x)\n"
    "  --age AGE           1..99; 99, the default, means no age group\n";

const char *const kPointsHelp = "Usage: mirevo points --table ID --event EVENT --pool POOL --gender GENDER [--age AGE] --time TIME\n"
                                "Prints the calculator's history line for the points a swim time earns:\n"
                                "  FINA 2004;100m Freestyle;Men;99;50.00;901 Pt.\n"
                                "\n"
                                "Options:\n";
const char *const kPointsOption = "  --time TIME         the swim time: 50.00, 1:02.37; NT for no time\n"
                                  "  -h, --help          show this help\n";

const char *const kTimeHelp = "Usage: mirevo time --table ID --event EVENT --pool POOL --gender GENDER [--age AGE] --points N\n"
                              "Prints the calculator's history line for the slowest time that earns N points:\n"
                              "  FINA 2004;100m Freestyle;Men;99;48.30;1000 Pt.\n"
                              "The time is empty when the table has none. Points above 1100 count as 1100.\n"
                              "\n"
                              "Options:\n";
const char *const kTimeOption = "  --points N          the points, a whole number 0 or more\n"
                                "  -h, --help          show this help\n";

const char *const kBatchHelp =
    "Usage: mirevo batch [FILE]\n"
    "Reads CSV rows from FILE (or standard input, also for \"-\") with the header\n"
    "  table,event,pool,gender,age,time    or    table,event,pool,gender,age,points\n"
    "and writes every row again with a column \"points\" (a whole number) or \"time\" (as 48.30 or 1:02.37,\n"
    "empty when there is none) added, in the same order. Columns take the values of \"mirevo points\";\n"
    "table is a table ID, an empty age is 99. A row that cannot be read gets an empty result and a warning\n"
    "with its line number on standard error.\n"
    "\n"
    "Exit status: 0 every row calculated, 1 some row failed, 2 no valid header or unreadable file.\n";

void writeText(QIODevice &device, const QString &text)
{
    device.write(text.toUtf8());
}

int usageError(QIODevice &err, const QString &message)
{
    writeText(err, QStringLiteral("mirevo: ") + message + QLatin1Char('\n'));
    return CliUsageError;
}

bool isHelp(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

// Options "--name value" or "--name=value" of one command.
struct Options {
    QHash<QString, QString> values;
    QStringList positional;
    bool help = false;
    QString error;
};

Options readOptions(const QStringList &args, const QStringList &names)
{
    Options options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (isHelp(arg)) {
            options.help = true;
            continue;
        }
        if (!arg.startsWith(QLatin1String("--")) || arg == QLatin1String("--")) {
            if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
                options.error = QStringLiteral("unknown option '%1'").arg(arg);
                return options;
            }
            options.positional << arg;
            continue;
        }
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        const QString name = arg.mid(2, eq < 0 ? -1 : eq - 2);
        if (!names.contains(name)) {
            options.error = QStringLiteral("unknown option '--%1'").arg(name);
            return options;
        }
        if (eq >= 0) {
            options.values.insert(name, arg.mid(eq + 1));
        } else if (i + 1 < args.size()) {
            options.values.insert(name, args.at(++i));
        } else {
            options.error = QStringLiteral("option '--%1' needs a value").arg(name);
            return options;
        }
    }
    return options;
}

int runTables(const QStringList &args, QIODevice &out, QIODevice &err)
{
    const Options options = readOptions(args, {});
    if (!options.error.isEmpty())
        return usageError(err, options.error);
    if (options.help) {
        out.write(kTablesHelp);
        return CliOk;
    }
    if (!options.positional.isEmpty())
        return usageError(err, QStringLiteral("unexpected argument '%1'").arg(options.positional.first()));
    const BSRef<IBSLookupItems> list = Controller().GetPointTableList();
    QString text;
    for (int i = 0; i < list->Count(); ++i)
        text += QStringLiteral("%1\t%2\n").arg(list->Key(i)).arg(list->Text(i));
    writeText(out, text);
    return CliOk;
}

// "points" (pointsMode false) and "time" (pointsMode true).
int runCalculation(bool pointsMode, const QStringList &args, QIODevice &out, QIODevice &err)
{
    const QString valueName = pointsMode ? QStringLiteral("points") : QStringLiteral("time");
    const Options options = readOptions(args, {QStringLiteral("table"), QStringLiteral("table-file"), QStringLiteral("event"),
                                               QStringLiteral("pool"), QStringLiteral("gender"), QStringLiteral("age"),
                                               valueName});
    if (!options.error.isEmpty())
        return usageError(err, options.error);
    if (options.help) {
        out.write(pointsMode ? kTimeHelp : kPointsHelp);
        out.write(kCalcOptions);
        out.write(pointsMode ? kTimeOption : kPointsOption);
        return CliOk;
    }
    if (!options.positional.isEmpty())
        return usageError(err, QStringLiteral("unexpected argument '%1'").arg(options.positional.first()));
    const bool hasTable = options.values.contains(QStringLiteral("table"));
    const bool hasTableFile = options.values.contains(QStringLiteral("table-file"));
    if (hasTable && hasTableFile)
        return usageError(err, QStringLiteral("give either --table or --table-file, not both"));
    if (!hasTable && !hasTableFile)
        return usageError(err, QStringLiteral("missing --table (or --table-file)"));
    for (const QString &name : {QStringLiteral("event"), QStringLiteral("pool"), QStringLiteral("gender"), valueName})
        if (!options.values.contains(name))
            return usageError(err, QStringLiteral("missing --%1").arg(name));

    // Every value is checked before the table is read.
    TCalcInput input;
    input.pointsMode = pointsMode;
    const QString eventText = options.values.value(QStringLiteral("event"));
    const auto event = ReadEventArg(eventText);
    if (!event)
        return usageError(err, QStringLiteral("unknown event '%1'").arg(eventText));
    input.eventRow = *event;
    const QString poolText = options.values.value(QStringLiteral("pool"));
    const auto pool = ReadPoolArg(poolText);
    if (!pool)
        return usageError(err, QStringLiteral("unknown pool '%1' (use 25m, 50m, 25y, 33m, 16m or 0..4)").arg(poolText));
    input.poolRow = *pool;
    const QString genderText = options.values.value(QStringLiteral("gender"));
    const auto gender = ReadGenderArg(genderText);
    if (!gender)
        return usageError(err, QStringLiteral("unknown gender '%1' (use men, women or mixed)").arg(genderText));
    input.gender = *gender;
    if (options.values.contains(QStringLiteral("age"))) {
        const QString ageText = options.values.value(QStringLiteral("age"));
        const auto age = ReadAgeArg(ageText);
        if (!age)
            return usageError(err, QStringLiteral("age '%1' is not a whole number from 1 to 99").arg(ageText));
        input.age = *age;
    }
    const QString valueText = options.values.value(valueName);
    if (pointsMode) {
        const auto points = ReadPointsArg(valueText);
        if (!points)
            return usageError(err, QStringLiteral("points '%1' are not a whole number, 0 or more").arg(valueText));
        input.points = *points;
    } else {
        const auto chron = ReadTypedTime(valueText);
        if (!chron)
            return usageError(err, QStringLiteral("time '%1' is not a swim time such as 50.00 or 1:02.37").arg(valueText));
        input.chron = *chron;
    }

    BSRef<IBSSwPoints> table;
    if (hasTable) {
        const QString idText = options.values.value(QStringLiteral("table"));
        const auto id = ReadTableIdArg(idText);
        if (!id || !Controller().FindClass(*id))
            return usageError(err, QStringLiteral("unknown table '%1' (see \"mirevo tables\")").arg(idText));
        table = Controller().GetPointTable(*id);
    } else {
        const QString path = options.values.value(QStringLiteral("table-file"));
        QString reason;
        const TBSSwPointTableClassRef cls = LoadTableFile(path, &reason);
        if (!cls)
            return usageError(err, QStringLiteral("table file '%1' %2").arg(path, reason));
        table = cls->Create();
    }

    const TCalcOutput output = Calculate(*table, input);
    writeText(out, HistoryLine(table->ShortName(), EventDisplayName(input.eventRow), GenderDisplayName(input.gender),
                               input.age, output.chron, output.points)
                       + QLatin1Char('\n'));
    return CliOk;
}

int runBatch(const QStringList &args, QIODevice &in, QIODevice &out, QIODevice &err)
{
    const Options options = readOptions(args, {});
    if (!options.error.isEmpty())
        return usageError(err, options.error);
    if (options.help) {
        out.write(kBatchHelp);
        return CliOk;
    }
    if (options.positional.size() > 1)
        return usageError(err, QStringLiteral("unexpected argument '%1'").arg(options.positional.at(1)));
    const QString path = options.positional.value(0);
    if (path.isEmpty() || path == QLatin1String("-"))
        return RunBatch(in, QStringLiteral("<stdin>"), out, err);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return usageError(err, QStringLiteral("cannot read '%1': %2").arg(path, file.errorString()));
    return RunBatch(file, path, out, err);
}

} // namespace

void PrepareCli(QIODevice &err)
{
    LoadCliVocabulary();
    RegisterTableFolders(Controller(), DefaultTableFolders(ProgramPaths().programFolder()), [&err](const QString &warning) {
        writeText(err, QStringLiteral("mirevo: warning: ") + warning + QLatin1Char('\n'));
    });
}

bool CliHasCommand(const QStringList &args)
{
    return !args.isEmpty();
}

int RunCli(const QStringList &args, QIODevice &in, QIODevice &out, QIODevice &err)
{
    if (args.isEmpty() || isHelp(args.first())) {
        out.write(kMainHelp);
        return CliOk;
    }
    const QString command = args.first();
    const QStringList rest = args.mid(1);
    if (command == QLatin1String("tables"))
        return runTables(rest, out, err);
    if (command == QLatin1String("points"))
        return runCalculation(false, rest, out, err);
    if (command == QLatin1String("time"))
        return runCalculation(true, rest, out, err);
    if (command == QLatin1String("batch"))
        return runBatch(rest, in, out, err);
    if (command.startsWith(QLatin1Char('-')))
        return usageError(err, QStringLiteral("unknown option '%1' (see \"mirevo --help\")").arg(command));
    return usageError(err, QStringLiteral("unknown command '%1' (see \"mirevo --help\")").arg(command));
}
