// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar of decanate changes: a year of every body (Sun to Pluto and the mean node), in the tropical
// zodiac and in Lahiri's, and a year of the slow bodies alone, where the stations cost most.

#include "decanates/DecanateChanges.h"
#include "ephemeris/PreciseEphemeris.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

using tessaline::Body;

const std::vector<Body> kAllBodies{Body::Sun,    Body::Moon,   Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter,
                                   Body::Saturn, Body::Uranus, Body::Neptune, Body::Pluto, Body::Rahu};

void YearOfChanges(benchmark::State& st, const std::vector<Body>& bodies, tessaline::Zodiac zodiac)
{
    const double from = tessaline::JulianDayUT({2024, 1, 1});
    const double to = tessaline::JulianDayUT({2025, 1, 1});
    std::size_t count = 0;
    for (auto _ : st) {
        auto changes = tessaline::FindDecanateChanges({from, to, bodies, {zodiac, tessaline::Ayanamsa::Lahiri}});
        count = changes ? changes->size() : 0;
        benchmark::DoNotOptimize(changes);
    }
    st.counters["changes"] = static_cast<double>(count);
}
BENCHMARK_CAPTURE(YearOfChanges, AllBodies / Tropical, kAllBodies, tessaline::Zodiac::Tropical)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(YearOfChanges, AllBodies / Sidereal, kAllBodies, tessaline::Zodiac::Sidereal)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(YearOfChanges, SlowBodies / Tropical,
                  std::vector<Body>{Body::Mars, Body::Jupiter, Body::Saturn, Body::Uranus, Body::Neptune, Body::Pluto},
                  tessaline::Zodiac::Tropical)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
