// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/ToolOptions.h"
#include "decanates/Chart.h"

#include <istream>
#include <ostream>

namespace tessaline::cli {

// A batch, a chart per row in the form the options ask for (a file, or standard input for "-"), then the
// summary line on err; the exit code. Stops at the first row whose output cannot be written.
int RunBatch(const Options& options, const ZodiacChoice& zodiac, std::istream& stdIn, Output& output,
             std::ostream& err);

} // namespace tessaline::cli
