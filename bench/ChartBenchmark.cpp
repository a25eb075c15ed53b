// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/Engines.h"
#include "decanates/BirthTimeMargins.h"
#include "decanates/CalculationDriver.h"
#include "decanates/DecanateAssignment.h"
#include "ephemeris/Angles.h"
#include "ephemeris/Moon.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

using tessaline::fixtures::Delhi1975;
using tessaline::fixtures::SpreadBirths;

// One whole chart: validation, the record, all fourteen positions and the ten decanates.
void FullChart(benchmark::State& st)
{
    tessaline::ChartState state;
    const tessaline::BirthDataForm form = Delhi1975();
    for (auto _ : st) {
        auto failure = tessaline::ValidateBirthData(form);
        benchmark::DoNotOptimize(failure);
        auto stored = tessaline::StoreBirthData(state, form);
        benchmark::DoNotOptimize(stored);
        auto done = tessaline::RunChartEngines(state);
        benchmark::DoNotOptimize(done);
        benchmark::DoNotOptimize(state.longitudes);
    }
}
BENCHMARK(FullChart);

// The same with the birth-time margins, as a calculation in the program runs it: the chart as a value.
void FullChartWithMargins(benchmark::State& st)
{
    const tessaline::Birth birth{Delhi1975()};
    for (auto _ : st) {
        auto chart = tessaline::Calculate(birth, {});
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(FullChartWithMargins);

// A sidereal chart with its margins, a minute later each time, so no result of the last one can be reused.
void SiderealChartWithMargins(benchmark::State& st)
{
    tessaline::ChartOptions options;
    options.zodiac = {tessaline::Zodiac::Sidereal, tessaline::Ayanamsa::Lahiri};
    tessaline::Birth birth{Delhi1975()};
    int minute = 0;
    for (auto _ : st) {
        birth.form.minute = minute++ % 60;
        auto chart = tessaline::Calculate(birth, options);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(SiderealChartWithMargins);

// The same chart from the precise ephemeris.
void PreciseFullChart(benchmark::State& st)
{
    tessaline::ChartState state;
    state.ephemeris = tessaline::EphemerisMode::Precise;
    const tessaline::BirthDataForm form = Delhi1975();
    for (auto _ : st) {
        auto failure = tessaline::ValidateBirthData(form);
        benchmark::DoNotOptimize(failure);
        auto stored = tessaline::StoreBirthData(state, form);
        benchmark::DoNotOptimize(stored);
        auto done = tessaline::RunChartEngines(state);
        benchmark::DoNotOptimize(done);
        benchmark::DoNotOptimize(state.longitudes);
    }
}
BENCHMARK(PreciseFullChart);

// 1,000 births spread over the years, clock times and places, so that the edge check meets bodies near a
// decanate edge as often as real charts do (about one body in twenty). The average per chart, classic with
// the edge check as the program runs it, and without it as the classic chart was before.

template <bool kEdgeCheck> void ClassicChartsAcrossYears(benchmark::State& st)
{
    const std::vector<tessaline::BirthDataForm> births = SpreadBirths();
    tessaline::ChartState state;
    std::size_t next = 0;
    for (auto _ : st) {
        auto stored = tessaline::StoreBirthData(state, births[next]);
        benchmark::DoNotOptimize(stored);
        if (kEdgeCheck) {
            auto done = tessaline::RunChartEngines(state);
            benchmark::DoNotOptimize(done);
        } else {
            tessaline::Angles_Calculation(state);
            tessaline::Moon_Calculation(state);
            tessaline::Positions_Calculation(state);
            tessaline::Decanate_Calculation(state);
        }
        benchmark::DoNotOptimize(state.longitudes);
        next = (next + 1) % births.size();
    }
}
BENCHMARK(ClassicChartsAcrossYears<true>)->Name("ClassicChartsAcrossYears/WithEdgeCheck");
BENCHMARK(ClassicChartsAcrossYears<false>)->Name("ClassicChartsAcrossYears/WithoutEdgeCheck");

// A working record filled as a calculation fills it, for the engines to run on again.
void Prepare(tessaline::ChartState& state, const tessaline::BirthDataForm& form)
{
    auto stored = tessaline::StoreBirthData(state, form);
    auto done = tessaline::RunChartEngines(state);
    benchmark::DoNotOptimize(stored);
    benchmark::DoNotOptimize(done);
}

// The engines one by one, on a record already stored, to see where a chart's time goes.
template <void (*Engine)(tessaline::ChartState&)> void OneEngine(benchmark::State& st)
{
    tessaline::ChartState state;
    Prepare(state, Delhi1975());
    for (auto _ : st) {
        Engine(state);
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(OneEngine<tessaline::Angles_Calculation>)->Name("Angles");
BENCHMARK(OneEngine<tessaline::Moon_Calculation>)->Name("Moon");
BENCHMARK(OneEngine<tessaline::Positions_Calculation>)->Name("Positions");
BENCHMARK(OneEngine<tessaline::Decanate_Calculation>)->Name("Decanates");
void Margins(tessaline::ChartState& state)
{
    auto done = tessaline::Margins_Calculation(state);
    benchmark::DoNotOptimize(done);
}
BENCHMARK(OneEngine<Margins>)->Name("Margins");

// The margins where they cost the most: the Moon minutes from a decanate edge (19:26 on the same day),
// so its edge is searched for.
void MarginsNearAnEdge(benchmark::State& st)
{
    tessaline::ChartState state;
    tessaline::BirthDataForm form = Delhi1975();
    form.hour = 19;
    form.minute = 26;
    Prepare(state, form);
    for (auto _ : st) {
        auto done = tessaline::Margins_Calculation(state);
        benchmark::DoNotOptimize(done);
        benchmark::DoNotOptimize(state.margins);
    }
}
BENCHMARK(MarginsNearAnEdge);

} // namespace

BENCHMARK_MAIN();
