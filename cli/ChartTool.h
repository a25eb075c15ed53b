// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/ExitCodes.h"

#include <istream>
#include <ostream>

namespace tessaline::cli {

// The whole chart tool: arguments in, charts out. Reads a batch named "-" from in. Whatever was written to
// out is checked (a batch after every row); when out fails the tool stops at once and says so on err.
int RunChartTool(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace tessaline::cli
