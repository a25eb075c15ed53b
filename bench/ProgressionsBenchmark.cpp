// SPDX-License-Identifier: GPL-3.0-or-later
// A life's progressions: every decanate the progressed Sun to Pluto, Ascendant and Midheaven of the sample birth
// (Delhi, 1975) enter in a hundred years, in the tropical zodiac and in Lahiri's; and the progressed points on
// one date.

#include "decanates/Progressions.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>

namespace {

tessaline::Chart DelhiChart(tessaline::Zodiac zodiac)
{
    tessaline::ChartOptions options;
    options.zodiac = {zodiac, tessaline::Ayanamsa::Lahiri};
    auto chart = tessaline::Calculate({tessaline::fixtures::Delhi1975()}, options);
    return chart ? std::move(chart).value() : tessaline::Chart(tessaline::ChartFacts{});
}

void WholeLife(benchmark::State& st, tessaline::Zodiac zodiac)
{
    const tessaline::Chart chart = DelhiChart(zodiac);
    std::size_t count = 0;
    for (auto _ : st) {
        auto timeline = tessaline::FindProgressions(chart);
        count = timeline ? timeline->changes.size() : 0;
        benchmark::DoNotOptimize(timeline);
    }
    st.counters["changes"] = static_cast<double>(count);
}
BENCHMARK_CAPTURE(WholeLife, Tropical, tessaline::Zodiac::Tropical)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeLife, Sidereal, tessaline::Zodiac::Sidereal)->Unit(benchmark::kMillisecond);

void PositionsOnADate(benchmark::State& st)
{
    const tessaline::Chart chart = DelhiChart(tessaline::Zodiac::Tropical);
    for (auto _ : st)
        benchmark::DoNotOptimize(tessaline::ProgressedOn(chart, {2020, 6, 15}));
}
BENCHMARK(PositionsOnADate)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
