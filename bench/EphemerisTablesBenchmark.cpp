// SPDX-License-Identifier: GPL-3.0-or-later
// The ephemeris tables: their check on first use (what loading them costs), every precise point of a chart at
// one instant, and the memory they take once every part of them has been read.

#include "ephemeris/EphemerisTables.h"
#include "ephemeris/PreciseEphemeris.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

void TablesLoad(benchmark::State& st)
{
    for (auto _ : st)
        benchmark::DoNotOptimize(tessaline::CheckEphemerisTables());
    st.counters["bytes"] = static_cast<double>(tessaline::EphemerisTablesSize());
}
BENCHMARK(TablesLoad)->Unit(benchmark::kMicrosecond);

std::vector<double> RandomInstants()
{
    const tessaline::TabulatedSpan span = tessaline::EphemerisTablesSpan();
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> instant(span.first, span.last);
    std::vector<double> instants(4096);
    for (double& jd : instants)
        jd = instant(random);
    return instants;
}

// The ten bodies, the mean node, one ayanamsa and the angles: what a precise sidereal chart reads.
void AllPointsAtAnInstant(benchmark::State& st)
{
    const std::vector<double> instants = RandomInstants();
    std::size_t next = 0;
    for (auto _ : st) {
        const auto at = tessaline::TabulatedInstant::At(instants[next]);
        double sum = at->MeanNode() + at->AyanamsaDegrees(tessaline::Ayanamsa::Lahiri);
        for (int body = 0; body < tessaline::kPreciseBodyCount; ++body)
            sum += at->Longitude(static_cast<tessaline::Body>(body));
        const tessaline::PreciseAngles angles = at->ChartAngles(-77.2, 28.6);
        benchmark::DoNotOptimize(sum + angles.ascendant + angles.midheaven);
        next = (next + 1) % instants.size();
    }
}
BENCHMARK(AllPointsAtAnInstant);

// The process's resident memory, kilobytes (Linux).
double ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6));
    return 0.0;
}

// Reads every point every 12 hours over the whole span, so that every page of the tables is in memory; the
// counter is how much the process grew doing so.
void TablesMemory(benchmark::State& st)
{
    const double before = ResidentKilobytes();
    const tessaline::TabulatedSpan span = tessaline::EphemerisTablesSpan();
    for (auto _ : st) {
        double sum = 0.0;
        for (double jd = span.first; jd <= span.last; jd += 0.5) {
            const auto at = tessaline::TabulatedInstant::At(jd);
            for (int body = 0; body < tessaline::kPreciseBodyCount; ++body)
                sum += at->Longitude(static_cast<tessaline::Body>(body));
            for (int i = 0; i < tessaline::kAyanamsaCount; ++i)
                sum += at->AyanamsaDegrees(static_cast<tessaline::Ayanamsa>(i));
            sum += at->MeanNode() + at->ChartAngles(0.0, 45.0).ascendant;
        }
        benchmark::DoNotOptimize(sum);
    }
    st.counters["resident_MB"] = (ResidentKilobytes() - before) / 1024.0;
}
BENCHMARK(TablesMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
