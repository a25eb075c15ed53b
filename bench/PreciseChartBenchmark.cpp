// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/Births.h"
// The precise positions and the sidereal zodiac beside the classic tropical chart, each with its margins, on
// the same births: one a minute later each time (nothing of the last chart can be reused), and 1,000 births
// spread over the years, zones and places.

#include "decanates/CalculationDriver.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

using tessaline::fixtures::Delhi1975;
using tessaline::fixtures::SpreadBirths;

template <tessaline::EphemerisMode kMode, tessaline::Zodiac kZodiac> void ChartWithMargins(benchmark::State& st)
{
    const tessaline::ChartOptions options{kMode, {kZodiac, tessaline::Ayanamsa::Lahiri}};
    int minute = 0;
    for (auto _ : st) {
        auto chart = tessaline::Calculate({Delhi1975(minute++)}, options);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(ChartWithMargins<tessaline::EphemerisMode::Classic, tessaline::Zodiac::Tropical>)
    ->Name("ChartWithMargins/Classic/Tropical");
BENCHMARK(ChartWithMargins<tessaline::EphemerisMode::Classic, tessaline::Zodiac::Sidereal>)
    ->Name("ChartWithMargins/Classic/Sidereal");
BENCHMARK(ChartWithMargins<tessaline::EphemerisMode::Precise, tessaline::Zodiac::Tropical>)
    ->Name("ChartWithMargins/Precise/Tropical");
BENCHMARK(ChartWithMargins<tessaline::EphemerisMode::Precise, tessaline::Zodiac::Sidereal>)
    ->Name("ChartWithMargins/Precise/Sidereal");

// Whole charts with their margins over births spread across the years, where the precise positions are read
// from every part of the tables and bodies lie near a decanate edge as often as in real charts.
template <tessaline::EphemerisMode kMode, tessaline::Zodiac kZodiac> void ChartsAcrossYears(benchmark::State& st)
{
    const std::vector<tessaline::BirthDataForm> births = SpreadBirths();
    const tessaline::ChartOptions options{kMode, {kZodiac, tessaline::Ayanamsa::Lahiri}};
    std::size_t next = 0;
    for (auto _ : st) {
        auto chart = tessaline::Calculate({births[next]}, options);
        benchmark::DoNotOptimize(chart);
        next = (next + 1) % births.size();
    }
}
BENCHMARK(ChartsAcrossYears<tessaline::EphemerisMode::Classic, tessaline::Zodiac::Tropical>)
    ->Name("ChartsAcrossYears/Classic/Tropical");
BENCHMARK(ChartsAcrossYears<tessaline::EphemerisMode::Classic, tessaline::Zodiac::Sidereal>)
    ->Name("ChartsAcrossYears/Classic/Sidereal");
BENCHMARK(ChartsAcrossYears<tessaline::EphemerisMode::Precise, tessaline::Zodiac::Tropical>)
    ->Name("ChartsAcrossYears/Precise/Tropical");
BENCHMARK(ChartsAcrossYears<tessaline::EphemerisMode::Precise, tessaline::Zodiac::Sidereal>)
    ->Name("ChartsAcrossYears/Precise/Sidereal");

} // namespace
