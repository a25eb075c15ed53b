// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a command line, one argument per line. A batch always reads standard input (the rest of
// the bytes after an empty line), never a file named by the input.
#include "cli/ChartTool.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto split = text.find("\n\n");
    std::istringstream in(split == std::string::npos ? "" : text.substr(split + 2));

    std::vector<std::string> args{"tessaline-chart"};
    std::istringstream lines(text.substr(0, split));
    for (std::string line; std::getline(lines, line) && args.size() < 64;) {
        line = line.substr(0, line.find('\0')); // what a real command line can carry
        const bool batchFile = args.back() == "--batch";
        args.push_back(batchFile ? "-" : line.starts_with("--batch=") ? "--batch=-" : line);
    }
    std::vector<const char*> argv;
    for (const std::string& a : args)
        argv.push_back(a.c_str());

    std::ostringstream out;
    std::ostringstream err;
    const int code = tessaline::cli::RunChartTool(static_cast<int>(argv.size()), argv.data(), in, out, err);
    if (code < 0 || code > 2)
        __builtin_trap();
    return 0;
}
