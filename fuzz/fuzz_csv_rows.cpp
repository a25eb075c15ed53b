// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a batch: the CSV reader, the argument parsing and checks of every row, and the chart of
// every row that passes them.
#include "cli/ChartTool.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string header = (size > 0 && data[0] % 2 == 0) ? "name,date,time,zone,lon,lat,dst\n" : "";
    std::istringstream in(header + std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    const char* argv[] = {"tessaline-chart", "--batch", "-", "--json"};
    const int code = tessaline::cli::RunChartTool(4, argv, in, out, err);
    if (code < 0 || code > 2)
        __builtin_trap();
    return 0;
}
