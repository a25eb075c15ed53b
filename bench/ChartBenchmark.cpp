#include "chart/Engines.h"
#include "decanates/BirthTimeMargins.h"
#include "decanates/CalculationDriver.h"
#include "decanates/DecanateAssignment.h"
#include "ephemeris/Angles.h"
#include "ephemeris/Moon.h"

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
        auto failure = tessaline::ValidateBirthData(form);
        benchmark::DoNotOptimize(failure);
        tessaline::StoreBirthData(state, form);
        tessaline::RunChartEngines(state);
        benchmark::DoNotOptimize(state.positionTable);
    }
}
BENCHMARK(FullChart);

// The same with the birth-time margins, as a calculation in the program runs it.
void FullChartWithMargins(benchmark::State& st)
{
    tessaline::ChartState state;
    const tessaline::BirthDataForm form = Delhi1975();
    for (auto _ : st) {
        auto failure = tessaline::CalculateChart(state, form);
        benchmark::DoNotOptimize(failure);
        benchmark::DoNotOptimize(state.positionTable);
    }
}
BENCHMARK(FullChartWithMargins);

// The engines one by one, on a record already stored, to see where a chart's time goes.
template <void (*Engine)(tessaline::ChartState&)> void OneEngine(benchmark::State& st)
{
    tessaline::ChartState state;
    tessaline::CalculateChart(state, Delhi1975());
    for (auto _ : st) {
        Engine(state);
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(OneEngine<tessaline::Angles_Calculation>)->Name("Angles");
BENCHMARK(OneEngine<tessaline::Moon_Calculation>)->Name("Moon");
BENCHMARK(OneEngine<tessaline::Positions_Calculation>)->Name("Positions");
BENCHMARK(OneEngine<tessaline::Decanate_Calculation>)->Name("Decanates");
BENCHMARK(OneEngine<tessaline::Margins_Calculation>)->Name("Margins");

// The margins where they cost the most: the Moon minutes from a decanate edge (19:26 on the same day),
// so its edge is searched for.
void MarginsNearAnEdge(benchmark::State& st)
{
    tessaline::ChartState state;
    tessaline::BirthDataForm form = Delhi1975();
    form.hour = 19;
    form.minute = 26;
    tessaline::CalculateChart(state, form);
    for (auto _ : st) {
        tessaline::Margins_Calculation(state);
        benchmark::DoNotOptimize(state.margins);
    }
}
BENCHMARK(MarginsNearAnEdge);

} // namespace

BENCHMARK_MAIN();
