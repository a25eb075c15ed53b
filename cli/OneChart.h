// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "chart/BirthArguments.h"
#include "cli/PlaceOptions.h"
#include "cli/ToolOptions.h"
#include "decanates/Chart.h"
#include "report/ChartCsv.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tessaline::cli {

// What a chart adds to the outputs beside the chart itself: the JSON members of its place and clock, the
// place for the CSV columns, and the warnings about a zone given by hand.
struct ChartExtras {
    bool json = true; // whether the JSON members are wanted: a batch row written as CSV or text leaves them out
    std::string placeJson; // "place":{...},"clock":{...}, empty without a place or without json
    std::optional<CsvPlace> place;
    std::vector<std::string> warnings;

    // The JSON members after "utcOffset": the place and clock, then "warnings" when there are any.
    std::string JsonMembers() const;
    // The warnings on err, one a line, after prefix ("line 7: ").
    void PrintWarnings(std::ostream& err, std::string_view prefix) const;
};

// The chart of one birth given by its coordinates and zone, shown at the place named placeLabel when it is not
// empty; the message that rejects it otherwise.
Result<Chart> ChartOf(const BirthArguments& birth, const ChartOptions& options, std::string placeLabel = {});

// The chart of one birth at a place of the atlas; the message that rejects it otherwise.
Result<Chart> ChartAtPlace(const BirthArguments& birth, const ChartOptions& options, const PlaceRequest& request,
                           PlaceCache& places, ChartExtras& extras);

// One chart from the command line, in the form the options ask for; the exit code.
int RunSingle(const Options& options, const ZodiacChoice& zodiac, const PlaceRequest& request, std::ostream& out,
              std::ostream& err);

} // namespace tessaline::cli
