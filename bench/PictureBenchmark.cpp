// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/CalculationDriver.h"
#include "report/ChartWheelSvg.h"
#include "report/DrekkanaChartSvg.h"
#include "tests/support/Births.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// One wheel as SVG text, caption and all.
void ChartWheel(benchmark::State& st)
{
    const tessaline::Chart state = tessaline::fixtures::Delhi1975Chart();
    for (auto _ : st) {
        std::string svg = tessaline::ChartWheelSvg(state);
        benchmark::DoNotOptimize(svg);
    }
}
BENCHMARK(ChartWheel);

// The same with every body in five degrees, so the spreading and the long leaders cost the most.
void CrowdedChartWheel(benchmark::State& st)
{
    tessaline::ChartFacts crowded = tessaline::fixtures::Delhi1975Chart().Facts();
    for (std::size_t i = 0; i < tessaline::kDecanateBodyCount; ++i)
        crowded.longitudes[i] = 357.5 + 0.5 * static_cast<double>(i);
    const tessaline::Chart state(crowded);
    for (auto _ : st) {
        std::string svg = tessaline::ChartWheelSvg(state);
        benchmark::DoNotOptimize(svg);
    }
}
BENCHMARK(CrowdedChartWheel);

// The wheel with a full outer ring, every point of it crowded into five degrees and half of them retrograde, so
// that both bands spread their longest runs.
void ChartWheelWithOuterRing(benchmark::State& st)
{
    const tessaline::Chart state = tessaline::fixtures::Delhi1975Chart();
    tessaline::OuterRing ring{"Transits on 9 December 2026, 20:00 UT", {}};
    for (std::size_t i = 0; i < tessaline::kBodyCount; ++i)
        ring.points.push_back({static_cast<tessaline::Body>(i), 357.5 + 0.35 * static_cast<double>(i), i % 2 == 1});
    for (auto _ : st) {
        std::string svg = tessaline::ChartWheelSvg(state, ring);
        benchmark::DoNotOptimize(svg);
    }
}
BENCHMARK(ChartWheelWithOuterRing);

void DrekkanaChart(benchmark::State& st)
{
    const tessaline::Chart state = tessaline::fixtures::Delhi1975Chart();
    const auto style = st.range(0) == 0 ? tessaline::DrekkanaStyle::SouthIndian : tessaline::DrekkanaStyle::NorthIndian;
    for (auto _ : st) {
        std::string svg = tessaline::DrekkanaChartSvg(state, style);
        benchmark::DoNotOptimize(svg);
    }
}
BENCHMARK(DrekkanaChart)->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
