// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>

namespace tessaline::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRejected = 1; // a chart or a batch row was rejected
inline constexpr int kExitUsage = 2;
inline constexpr int kExitOutputFailed = 3; // the output could not be written (a full disk, a closed stream)
inline constexpr int kExitNoMemory = 4; // the run could not go on: not enough memory, whatever the rows held

// The whole chart tool: arguments in, charts out. Reads a batch named "-" from in. Whatever was written to
// out is checked (a batch after every row); when out fails the tool stops at once and says so on err.
int RunChartTool(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace tessaline::cli
