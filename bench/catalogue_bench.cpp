// Text lookups in the numbered and the keyed catalogue (the built-in English texts), and the cost of one
// settings write, which rewrites the whole file beside it and puts it in place.
#include "frame/trvinifile.h"
#include "i18n/bslanguage.h"
#include "i18n/builtincatalogue.h"
#include "i18n/language.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_NumberedLookup(benchmark::State &state)
{
    TLanguage catalogue;
    catalogue.LoadFromStrings(BuiltInCatalogueLines());
    const QString g = QStringLiteral("G");
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue.GetText(g, 61));
}
BENCHMARK(BM_NumberedLookup);

void BM_NumberedItemLookup(benchmark::State &state)
{
    TLanguage catalogue;
    catalogue.LoadFromStrings(BuiltInCatalogueLines());
    const QString s = QStringLiteral("S");
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue.GetText(s, 2, 5));
}
BENCHMARK(BM_NumberedItemLookup);

void BM_LoadBuiltInCatalogue(benchmark::State &state)
{
    const QStringList lines = BuiltInCatalogueLines();
    TLanguage catalogue;
    for (auto _ : state)
        catalogue.LoadFromStrings(lines);
}
BENCHMARK(BM_LoadBuiltInCatalogue);

void BM_KeyedLookup(benchmark::State &state)
{
    TBSLanguage &catalogue = BSLanguageInstance();
    const QString key = QStringLiteral("#BSSwLanguage.StrokeCodes");
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue.GetText(key, 3));
}
BENCHMARK(BM_KeyedLookup);

// One value written to a settings file of state.range(0) keys.
void BM_SettingsWrite(benchmark::State &state)
{
    QTemporaryDir dir;
    TTrvIniFile ini(dir.filePath(QStringLiteral("bench.INI")));
    ini.BeginUpdate();
    for (int i = 0; i < state.range(0); ++i)
        ini.WriteInteger(QStringLiteral("Section%1").arg(i / 20), QStringLiteral("Key%1").arg(i), i);
    ini.EndUpdate();
    int value = 0;
    for (auto _ : state)
        ini.WriteInteger(QStringLiteral("Windows"), QStringLiteral("TFMain"), ++value);
}
BENCHMARK(BM_SettingsWrite)->Arg(20)->Arg(200)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
