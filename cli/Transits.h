// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/PlaceOptions.h"
#include "cli/ToolOptions.h"
#include "report/TransitReport.h"

namespace tessaline::cli {

// The sky at --transits around the command line's chart: the instant read on --transit-zone's clock, else on the
// clock of the chart's place (its history, daylight saving and all) when it was charted at one, else on the
// chart's own clock (its zone and daylight saving as given). The message, in the tool's words, when the instant
// cannot be read or lies outside the tables' years.
Result<TransitReport> TransitsOfChart(const Options& options, const Chart& chart, const PlaceRequest& request,
                                      PlaceCache& places);

} // namespace tessaline::cli
