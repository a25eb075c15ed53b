// SPDX-License-Identifier: GPL-3.0-or-later
// The chart tool run in-process, as the tests of its options, batches and places drive it.
#pragma once

#include "cli/ChartTool.h"

#include <istream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tessaline::cli {

struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

// Runs tessaline-chart with args (the program name is added), reading standard input from in.
inline ToolRun RunTool(std::vector<std::string> args, std::istream& in)
{
    args.insert(args.begin(), "tessaline-chart");
    std::vector<const char*> argv;
    argv.reserve(args.size());
    for (const std::string& a : args)
        argv.push_back(a.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunChartTool(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {code, out.str(), err.str()};
}

inline ToolRun RunTool(std::vector<std::string> args, const std::string& input = "")
{
    std::istringstream in(input);
    return RunTool(std::move(args), in);
}

} // namespace tessaline::cli
