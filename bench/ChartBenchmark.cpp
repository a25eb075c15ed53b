#include "app/CalculationDriver.h"

#include <benchmark/benchmark.h>

namespace {

tessaline::BirthDataForm Delhi1975()
{
    tessaline::BirthDataForm form;
    form.name = "ASHA RAO";
    form.yearPosition = 1975 - tessaline::kFirstYear;
    form.monthPosition = 5;
    form.dayPosition = 14;
    form.hour = 10;
    form.minute = 30;
    form.zonePosition = 34;
    form.lonDegrees = "77";
    form.lonMinutes = "12";
    form.latDegrees = "28";
    form.latMinutes = "36";
    return form;
}

// One whole chart: validation, the record, all fourteen positions and the ten decanates.
void FullChart(benchmark::State& st)
{
    tessaline::ChartState state;
    const tessaline::BirthDataForm form = Delhi1975();
    for (auto _ : st) {
        auto failure = tessaline::CalculateChart(state, form);
        benchmark::DoNotOptimize(failure);
        benchmark::DoNotOptimize(state.positionTable);
    }
}
BENCHMARK(FullChart);

} // namespace

BENCHMARK_MAIN();
