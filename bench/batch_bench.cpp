// "mirevo batch" over a generated file of 100,000 rows across all tables, events and pools, in-process
// (no process start). The counter "rows/s" is the throughput.
#include "app/clibatch.h"
#include "app/clivalues.h"
#include "domain/calculatorevents.h"
#include "points/controller.h"
#include "points/tablefolders.h"

#include <QBuffer>
#include <QByteArray>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kRows = 100000;
const char *const kPools[CalcPoolCount] = {"25m", "50m", "25y", "33m", "16m"};
const char *const kGenders[] = {"men", "women", "m", "w", "mixed"};

void prepare()
{
    static const bool done = [] {
        LoadCliVocabulary();
        RegisterTableFolders(Controller(), {QStringLiteral(MIREVO_SHIPPED_TABLES)},
                             [](const QString &warning) { std::fprintf(stderr, "%s\n", qPrintable(warning)); });
        return true;
    }();
    (void)done;
}

// Rows cycling through every table, event, pool and gender; events alternate between row number and
// name, times between seconds and minutes.
QByteArray generate(bool pointsMode)
{
    prepare();
    std::vector<int32_t> ids;
    for (const auto &cls : Controller().Classes())
        ids.push_back(cls->ID());
    QByteArray text = pointsMode ? "table,event,pool,gender,age,points\n" : "table,event,pool,gender,age,time\n";
    for (int i = 0; i < kRows; ++i) {
        const int row = (i / int(ids.size())) % CalcEventCount;
        text += QByteArray::number(ids[size_t(i) % ids.size()]) + ',';
        text += (i % 2 ? EventDisplayName(row).toUtf8() : QByteArray::number(row)) + ',';
        text += QByteArray(kPools[(i / 7) % CalcPoolCount]) + ',';
        text += QByteArray(kGenders[(i / 3) % 5]) + ',';
        text += QByteArray::number(8 + i % 92) + ',';
        if (pointsMode)
            text += QByteArray::number(1 + (i * 37) % 1100);
        else if (i % 3)
            text += QByteArray::number(20 + i % 40) + '.' + QByteArray::number(10 + i % 90);
        else
            text += QByteArray::number(1 + i % 20) + ':' + QByteArray::number(10 + i % 50) + '.' +
                    QByteArray::number(10 + i % 90);
        text += '\n';
    }
    return text;
}

void runBatch(benchmark::State &state, bool pointsMode)
{
    QByteArray input = generate(pointsMode);
    QByteArray output;
    QByteArray errors;
    for (auto _ : state) {
        QBuffer in(&input);
        QBuffer out(&output);
        QBuffer err(&errors);
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        err.open(QIODevice::WriteOnly | QIODevice::Truncate);
        const int status = RunBatch(in, QStringLiteral("bench"), out, err);
        if (status != 0) {
            state.SkipWithError(errors.left(200).constData());
            break;
        }
        benchmark::DoNotOptimize(output.data());
    }
    state.counters["rows/s"] = benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_BatchPoints(benchmark::State &state)
{
    runBatch(state, false);
}
BENCHMARK(BM_BatchPoints)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_BatchTimes(benchmark::State &state)
{
    runBatch(state, true);
}
BENCHMARK(BM_BatchTimes)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
