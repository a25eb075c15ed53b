// SPDX-License-Identifier: GPL-3.0-or-later
// The place atlas: load, search per keystroke, its memory, and one clock reading per birth.
#include "atlas/Atlas.h"
#include "atlas/Clock.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

using tessaline::atlas::Atlas;

const Atlas& Loaded()
{
    static const std::unique_ptr<Atlas> atlas = [] {
        auto result = Atlas::Load(TESSALINE_ATLAS_FILE);
        return std::get<std::unique_ptr<Atlas>>(std::move(result));
    }();
    return *atlas;
}

// Reading, checking and indexing the whole file; "heapMB" is what the loaded atlas holds.
void AtlasLoad(benchmark::State& st)
{
    std::size_t bytes = 0;
    for (auto _ : st) {
        auto result = Atlas::Load(TESSALINE_ATLAS_FILE);
        bytes = std::get<std::unique_ptr<Atlas>>(result)->HeapBytes();
        benchmark::DoNotOptimize(result);
    }
    st.counters["heapMB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(AtlasLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

// Every keystroke of fifteen names typed letter by letter, as the Place box searches them; "worstMs" is
// the slowest single keystroke (the first letter of a common initial).
void SearchPerKeystroke(benchmark::State& st)
{
    const Atlas& atlas = Loaded();
    const std::vector<std::string> words{"springfield illinois",
                                         "calcutta",
                                         "zurich",
                                         "sao paulo",
                                         "new york",
                                         "london",
                                         "lodz",
                                         "mumbai",
                                         "san francisco",
                                         "berlin",
                                         "paris texas",
                                         "kathmandu",
                                         "st petersburg",
                                         "guadalajara",
                                         "amsterdam"};
    std::vector<std::string> keystrokes;
    for (const auto& word : words)
        for (std::size_t n = 1; n <= word.size(); ++n)
            keystrokes.push_back(word.substr(0, n));
    double worst = 0;
    for (auto _ : st) {
        for (const auto& typed : keystrokes) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(atlas.Search(typed, 12));
            worst = std::max(
                worst, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    }
    st.SetItemsProcessed(static_cast<std::int64_t>(st.iterations() * keystrokes.size()));
    st.counters["keystrokes"] = static_cast<double>(keystrokes.size());
    st.counters["worstMs"] = worst;
}
BENCHMARK(SearchPerKeystroke)->Unit(benchmark::kMillisecond);

// One birth's clock reading: zone lookup, the local time resolved, the summer-time amount.
void ClockReading(benchmark::State& st)
{
    int day = 0;
    for (auto _ : st) {
        day = (day + 7) % 28;
        benchmark::DoNotOptimize(tessaline::atlas::ReadClock("Europe/London", {1944, 6, 1 + day, 12, 0}, -0.126));
    }
}
BENCHMARK(ClockReading)->Unit(benchmark::kMicrosecond);

} // namespace
BENCHMARK_MAIN();
