// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "atlas/Atlas.h"
#include "atlas/Suggestion.h"

#include "chart/BirthArguments.h"

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
    std::variant<const atlas::Atlas*, std::string> Get();

private:
    std::unique_ptr<atlas::Atlas> atlas_;
    std::string failure_;
    bool tried_ = false;
};

// One place for a query whose comma- or blank-separated parts match name, region and country: the best match
// when its population is at least ten times the next one's; otherwise the message listing the best five
// with their ids.
std::variant<const atlas::Place*, std::string> ResolvePlace(const atlas::Atlas& atlas, std::string_view query);

// What the atlas said about the clock of a placed birth, for the output.
struct PlacedClock {
    const atlas::Place* place = nullptr;
    std::string label; // "Springfield, Illinois, United States"
    std::string sentence; // what the chart names as its clock
    std::optional<atlas::ClockReading> reading; // none when the zone is not in this computer's database
    atlas::ZoneSuggestion suggestion;
    bool fromAtlas = false; // the zone correction came from the atlas ("auto"), not from the arguments
};

// The birth at a place: its coordinates (to the nearest arc-minute) in place of lon and lat; with the zone
// "auto" or empty, the zone row and tick, or the exact offset, from the clock history; dst then chooses the
// reading in an overlap only (nothing: the earlier). A row or exact offset given by hand is kept.
std::variant<BirthDataForm, std::string> ParsePlacedBirth(BirthArguments birth, std::optional<bool> dst,
                                                          const atlas::Atlas& atlas, const atlas::Place& place,
                                                          PlacedClock& clock);

// The JSON members "place": {id, name, region, country, lat, lon, timeZone} and "clock": {offset,
// summerTime, abbreviation, kind, source, sentence} (clock null when the zone is unknown here).
std::string PlaceAndClockJson(const atlas::Atlas& atlas, const PlacedClock& clock);

// The candidates for a query, best first: id, label and details a line, or one JSON array.
void PrintPlaces(std::ostream& out, const atlas::Atlas& atlas, std::string_view query, bool json);

} // namespace tessaline::cli
