// SPDX-License-Identifier: GPL-3.0-or-later
// Opening an AAF file of 10,000 records: decoding, chunks and rows, before any chart.
#include "report/AafFile.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// Half the records by their Julian day, half by their coordinates and zone; every tenth in Windows-1252
// when latin1 (one byte that is not UTF-8 sends the whole file through the code page).
std::string TenThousandRecords(bool latin1)
{
    std::string text = "#: 10,000 records\n";
    for (int i = 0; i < 10000; ++i) {
        const std::string day = std::to_string(1 + i % 28);
        const std::string name = latin1 && i % 10 == 0 ? "M\xFCller" : "Meyer";
        text += "#A93:" + name + ",Person " + std::to_string(i) + ",m," + day + ".6.1975,10:30,Kandel/Pfalz,D\n";
        text += i % 2 == 0 ? "#B93:" + std::to_string(2442578.708333 + (i % 28)) + ",49n05,8e11,1he00,1\n"
                           : std::string("#B93:*,49n05,8e11,1he,1\n");
        text += "#ZNAM:CEST\n#COM:a note for people\n";
    }
    return text;
}

void OpenTenThousandAafRecords(benchmark::State& st)
{
    const std::string text = TenThousandRecords(st.range(0) != 0);
    for (auto _ : st) {
        tessaline::AafRecords records = tessaline::ReadAafRecords(text, tessaline::ZodiacChoice{});
        benchmark::DoNotOptimize(records);
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations() * text.size()));
}
BENCHMARK(OpenTenThousandAafRecords)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
BENCHMARK_MAIN();
