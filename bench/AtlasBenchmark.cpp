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
        return *std::move(result);
    }();
    return *atlas;
}

// Opening the atlas file: mapping it and checking its header, sections and small tables. "heapKB" is what
// the opened atlas holds on the heap, "fileMB" the size of the file it maps.
void AtlasLoad(benchmark::State& st)
{
    std::size_t heap = 0;
    std::size_t file = 0;
    for (auto _ : st) {
        auto result = Atlas::Load(TESSALINE_ATLAS_FILE);
        const Atlas& atlas = **result;
        heap = atlas.HeapBytes();
        file = atlas.FileBytes();
        benchmark::DoNotOptimize(result);
    }
    st.counters["heapKB"] = static_cast<double>(heap) / 1024.0;
    st.counters["fileMB"] = static_cast<double>(file) / (1024.0 * 1024.0);
}
BENCHMARK(AtlasLoad)->Unit(benchmark::kMillisecond);

// What `tessaline-chart --places paris` asks of the atlas: open it, search once, close it.
void OpenAndSearchOnce(benchmark::State& st)
{
    for (auto _ : st) {
        auto result = Atlas::Load(TESSALINE_ATLAS_FILE);
        benchmark::DoNotOptimize((*result)->Search("paris", 12));
    }
}
BENCHMARK(OpenAndSearchOnce)->Unit(benchmark::kMillisecond);

// The text atlas read and converted in memory, as when TESSALINE_ATLAS names data/atlas/atlas.tsv (and as
// the build converts it once).
void TextAtlasConverted(benchmark::State& st)
{
    for (auto _ : st)
        benchmark::DoNotOptimize(Atlas::Load(TESSALINE_ATLAS_TEXT));
}
BENCHMARK(TextAtlasConverted)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every keystroke of names typed letter by letter, as the Place box searches them: "meanMs" per
// keystroke; "worstMs" the slowest keystroke (the first letter of a common initial) by its median time,
// "worstOnceMs" the slowest single time, which takes in whatever else the computer did meanwhile.
void Keystrokes(benchmark::State& st, const std::vector<std::string>& words)
{
    const Atlas& atlas = Loaded();
    std::vector<std::string> keystrokes;
    for (const auto& word : words)
        for (std::size_t n = 1; n <= word.size(); ++n)
            if (n == word.size() || (static_cast<unsigned char>(word[n]) & 0xC0) != 0x80) // whole code points
                keystrokes.push_back(word.substr(0, n));
    std::vector<std::vector<double>> times(keystrokes.size());
    for (auto _ : st) {
        for (std::size_t k = 0; k < keystrokes.size(); ++k) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(atlas.Search(keystrokes[k], 12));
            times[k].push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    }
    double total = 0;
    double worst = 0;
    double worstOnce = 0;
    for (auto& samples : times) {
        std::sort(samples.begin(), samples.end());
        for (double ms : samples)
            total += ms;
        worst = std::max(worst, samples[samples.size() / 2]);
        worstOnce = std::max(worstOnce, samples.back());
    }
    st.SetItemsProcessed(static_cast<std::int64_t>(st.iterations() * keystrokes.size()));
    st.counters["keystrokes"] = static_cast<double>(keystrokes.size());
    st.counters["meanMs"] = total / static_cast<double>(st.iterations() * keystrokes.size());
    st.counters["worstMs"] = worst;
    st.counters["worstOnceMs"] = worstOnce;
}

// Fifteen names in ASCII: the folding's road without ICU.
void SearchPerKeystroke(benchmark::State& st)
{
    Keystrokes(st,
               {"springfield illinois", "calcutta", "zurich", "sao paulo", "new york", "london", "lodz", "mumbai",
                "san francisco", "berlin", "paris texas", "kathmandu", "st petersburg", "guadalajara", "amsterdam"});
}
BENCHMARK(SearchPerKeystroke)->Unit(benchmark::kMillisecond);

// Names beyond ASCII, each keystroke brought to one form by ICU first: decomposed marks, capitals of other
// alphabets, fullwidth letters, a ligature, a soft hyphen.
void SearchPerKeystrokeBeyondAscii(benchmark::State& st)
{
    Keystrokes(st,
               {"Zu\u0308rich", "\u0398\u0395\u03A3\u03A3\u0391\u039B\u039F\u039D\u0399\u039A\u0397",
                "\u0535\u0550\u0535\u054E\u0531\u0546", "\u041A\u0418\u0407\u0412", "\uFF30\uFF41\uFF52\uFF49\uFF53",
                "\uFB01renze", "Zu\u00ADrich", "\u0141\u00F3d\u017A"});
}
BENCHMARK(SearchPerKeystrokeBeyondAscii)->Unit(benchmark::kMillisecond);

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
