// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/BirthArguments.h"
#include "chart/ChartState.h"
#include "cli/PlaceOptions.h"
#include "cli/ToolOptions.h"
#include "ephemeris/Result.h"

#include <ostream>
#include <string>

namespace tessaline::cli {

// Validates and calculates one birth given by its coordinates and zone; the message that rejects it otherwise.
Status Calculate(ChartState& state, const BirthArguments& birth);

// Validates and calculates one birth at a place of the atlas; the message that rejects it otherwise. The
// JSON members of the place and its clock go to placeJson.
Status CalculateAtPlace(ChartState& state, const BirthArguments& birth, const PlaceRequest& request, PlaceCache& places,
                        std::string& placeJson);

// One chart from the command line, in the form the options ask for; the exit code.
int RunSingle(const Options& options, const ZodiacChoice& zodiac, const PlaceRequest& request, std::ostream& out,
              std::ostream& err);

} // namespace tessaline::cli
