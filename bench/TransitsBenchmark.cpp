// SPDX-License-Identifier: GPL-3.0-or-later
// The sky around a chart: every body at one instant around the sample birth (Delhi, 1975) with its speed and
// the chart's bodies in its decanate; then the whole report a window shows at each step, the instant each body
// leaves its decanate included, from nothing and from the step before (an hour earlier), which is what holding a
// step key asks for.

#include "decanates/Transits.h"
#include "ephemeris/PreciseEphemeris.h"
#include "report/TransitReport.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>

namespace {

tessaline::Chart DelhiChart()
{
    auto chart = tessaline::Calculate({tessaline::fixtures::Delhi1975()}, {});
    return chart ? std::move(chart).value() : tessaline::Chart(tessaline::ChartFacts{});
}

const tessaline::ClockReading kUniversal = [](std::int64_t) {
    return tessaline::Result<int>(0);
};

void SkyAtOneInstant(benchmark::State& st)
{
    const tessaline::Chart chart = DelhiChart();
    const double now = tessaline::JulianDayUT({2026, 12, 9, 12, 0});
    for (auto _ : st)
        benchmark::DoNotOptimize(tessaline::TransitsAt(chart, now));
}
BENCHMARK(SkyAtOneInstant)->Unit(benchmark::kMicrosecond);

void WholeReport(benchmark::State& st)
{
    const tessaline::Chart chart = DelhiChart();
    double now = tessaline::JulianDayUT({2026, 12, 9, 12, 0});
    for (auto _ : st) {
        benchmark::DoNotOptimize(tessaline::TransitReportAt(chart, now, kUniversal, "UT"));
        now += 1.0 / 24.0;
    }
}
BENCHMARK(WholeReport)->Unit(benchmark::kMillisecond);

void StepAnHour(benchmark::State& st)
{
    const tessaline::Chart chart = DelhiChart();
    double now = tessaline::JulianDayUT({2026, 12, 9, 12, 0});
    auto report = tessaline::TransitReportAt(chart, now, kUniversal, "UT");
    for (auto _ : st) {
        now += 1.0 / 24.0;
        auto next = tessaline::TransitReportAt(chart, now, kUniversal, "UT", report ? &*report : nullptr);
        benchmark::DoNotOptimize(next);
        report = std::move(next);
    }
}
BENCHMARK(StepAnHour)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
