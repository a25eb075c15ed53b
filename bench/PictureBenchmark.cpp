// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartWheelSvg.h"
#include "report/DrekkanaChartSvg.h"

#include "decanates/CalculationDriver.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

tessaline::ChartState Delhi1975()
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
    tessaline::ChartState state;
    tessaline::CalculateChart(state, form);
    return state;
}

// One wheel as SVG text, caption and all.
void ChartWheel(benchmark::State& st)
{
    const tessaline::ChartState state = Delhi1975();
    for (auto _ : st) {
        std::string svg = tessaline::ChartWheelSvg(state);
        benchmark::DoNotOptimize(svg);
    }
}
BENCHMARK(ChartWheel);

// The same with every body in five degrees, so the spreading and the long leaders cost the most.
void CrowdedChartWheel(benchmark::State& st)
{
    tessaline::ChartState state = Delhi1975();
    for (std::size_t i = 0; i < tessaline::kDecanateBodyCount; ++i)
        state.longitudes[i] = 357.5 + 0.5 * static_cast<double>(i);
    for (auto _ : st) {
        std::string svg = tessaline::ChartWheelSvg(state);
        benchmark::DoNotOptimize(svg);
    }
}
BENCHMARK(CrowdedChartWheel);

void DrekkanaChart(benchmark::State& st)
{
    const tessaline::ChartState state = Delhi1975();
    const auto style = st.range(0) == 0 ? tessaline::DrekkanaStyle::SouthIndian : tessaline::DrekkanaStyle::NorthIndian;
    for (auto _ : st) {
        std::string svg = tessaline::DrekkanaChartSvg(state, style);
        benchmark::DoNotOptimize(svg);
    }
}
BENCHMARK(DrekkanaChart)->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
