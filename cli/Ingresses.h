// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/PlaceOptions.h"
#include "cli/ToolOptions.h"

#include <ostream>

namespace tessaline::cli {

// The calendar of decanate changes from --from to --to (whole days of the chosen clock) for --bodies, in the
// format the options ask for; the exit code. The clock is the place's (the offset in force at each change),
// the zone's, or universal time.
int RunIngresses(const Options& options, const ZodiacChoice& zodiac, const PlaceRequest& request, Output& output,
                 std::ostream& err);

} // namespace tessaline::cli
