// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/PlaceOptions.h"
#include "cli/ToolOptions.h"

#include <ostream>

namespace tessaline::cli {

// The decanates one chart (the command line's) shares with another person's, read from a batch file's row
// (--compare FILE, --compare-line N: the file's only or first birth without it), charted with the same options;
// in the format the options ask for. The exit code.
int RunCompare(const Options& options, const ZodiacChoice& zodiac, const PlaceRequest& request, std::ostream& out,
               std::ostream& err);

} // namespace tessaline::cli
