// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "atlas/Atlas.h"
#include "atlas/PlacedBirth.h"
#include "atlas/Suggestion.h"

#include "chart/BirthArguments.h"
#include "cli/ChartOutput.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

namespace tessaline::cli {

// The place atlas, read the first time a place is asked for and then kept for the rest of the run.
class AtlasOnDemand
{
public:
    // The atlas, or why there is none (not installed, unreadable, damaged).
    Result<const atlas::Atlas*> Get();

private:
    std::unique_ptr<atlas::Atlas> atlas_;
    std::string failure_;
    bool tried_ = false;
};

// The JSON members "place": {id, name, region, country, lat, lon, timeZone} and "clock": {offset,
// summerTime, abbreviation, kind, source, sentence} (clock null when the zone is unknown here).
std::string PlaceAndClockJson(const atlas::Atlas& atlas, const atlas::PlacedBirth& placed);

// The place as the CSV columns give it.
CsvPlace CsvPlaceOf(const atlas::Atlas& atlas, const atlas::Place& place);

// The candidates for a query, best first: id, label and details a line, or one JSON array; when none
// matches, nothing is printed and the message says what to do.
Status PrintPlaces(std::ostream& out, const atlas::Atlas& atlas, std::string_view query, bool json);

} // namespace tessaline::cli
