// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/PlaceOptions.h"
#include "cli/ToolOptions.h"

#include <ostream>

namespace tessaline::cli {

// A life's progressions of the command line's chart (--progressions), or its progressed points on one date
// (--progressed-on), in the format the options ask for; the exit code.
int RunProgressions(const Options& options, const ZodiacChoice& zodiac, const PlaceRequest& request, std::ostream& out,
                    std::ostream& err);

} // namespace tessaline::cli
