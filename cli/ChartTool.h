#pragma once

#include <istream>
#include <ostream>

namespace tessaline::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRejected = 1; // a chart or a batch row was rejected
inline constexpr int kExitUsage = 2;

// The whole chart tool: arguments in, charts out. Reads a batch named "-" from in.
int RunChartTool(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace tessaline::cli
