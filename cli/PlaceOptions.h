// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "atlas/Atlas.h"
#include "atlas/PlacedBirth.h"
#include "atlas/Suggestion.h"
#include "chart/BirthArguments.h"
#include "cli/ToolOptions.h"
#include "report/ChartCsv.h"

#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>

namespace tessaline::cli {

// The place atlas, read the first time a place is asked for and then kept for the rest of the run. Any
// number of threads may ask at once: it is read once.
class AtlasOnDemand
{
public:
    // The atlas, or why there is none (not installed, unreadable, damaged).
    Result<const atlas::Atlas*> Get();

private:
    std::once_flag once_;
    std::unique_ptr<atlas::Atlas> atlas_;
    std::string failure_;
};

// The places one run asks for, each looked up once however many rows name it: by its name or its GeoNames
// id, the place or why there is none, with its JSON member. Any number of threads may ask at once.
class PlaceCache
{
public:
    explicit PlaceCache(AtlasOnDemand& atlases)
        : atlases_(atlases)
    { }

    struct Found {
        const atlas::Atlas* atlas = nullptr;
        const atlas::Place* place = nullptr;
        const std::string* placeJson = nullptr; // "\"place\":{id, name, region, country, lat, lon, timeZone}"
    };
    // The place a request names: its id when given, else its name.
    Result<Found> Find(const PlaceRequest& request);

private:
    AtlasOnDemand& atlases_;
    std::mutex mutex_;
    std::unordered_map<std::string, Result<Found>> found_;
    std::unordered_map<const atlas::Place*, std::string> placeJson_;
};

// The JSON member "clock": {offset, summerTime, abbreviation, kind, source, sentence}, null when the zone is
// unknown here; with the place's member in front: what a placed chart adds to its JSON.
std::string PlaceAndClockJson(const std::string& placeJson, const atlas::PlacedBirth& placed);

// The place as the CSV columns give it.
CsvPlace CsvPlaceOf(const atlas::Atlas& atlas, const atlas::Place& place);

// The candidates for a query, best first: id, label and details a line, or one JSON array; when none
// matches, nothing is printed and the message says what to do.
Status PrintPlaces(std::ostream& out, const atlas::Atlas& atlas, std::string_view query, bool json);

} // namespace tessaline::cli
