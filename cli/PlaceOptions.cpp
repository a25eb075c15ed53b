// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PlaceOptions.h"

#include "chart/ZoneTable.h"
#include "cli/ChartOutput.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace tessaline::cli {

namespace {

Json PlaceJson(const atlas::Atlas& atlas, const atlas::Place& place)
{
    return Json{{"id", place.geonamesId},
                {"name", atlas.Name(place)},
                {"region", atlas.RegionName(place)},
                {"country", atlas.CountryName(place)},
                {"lat", place.Latitude()},
                {"lon", place.Longitude()},
                {"timeZone", atlas.ZoneId(place)}};
}

} // namespace

Result<const atlas::Atlas*> AtlasOnDemand::Get()
{
    if (!tried_) {
        tried_ = true;
        std::error_code error;
        const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
        const auto file = atlas::FindAtlasFile(error ? std::filesystem::path{} : executable.parent_path());
        if (!file)
            failure_ = "The place atlas is not installed (share/tessaline/atlas.bin); set TESSALINE_ATLAS to its "
                       "file, or give --lon, --lat and --zone";
        else {
            auto loaded = atlas::Atlas::Load(*file);
            if (!loaded)
                failure_ = std::move(loaded).error();
            else
                atlas_ = std::move(*loaded);
        }
    }
    if (atlas_)
        return atlas_.get();
    return Fail(failure_);
}

std::string PlaceAndClockJson(const atlas::Atlas& atlas, const atlas::PlacedBirth& placed)
{
    std::string out = "\"place\":" + PlaceJson(atlas, *placed.ChosenPlace()).dump() + ",\"clock\":";
    if (!placed.Reading()) {
        out += "null";
        return out;
    }
    const atlas::ClockReading& reading = *placed.Reading();
    const atlas::ZoneSuggestion& suggestion = *placed.Suggestion();
    const atlas::ClockOffset& chosen
        = suggestion.clockSeconds == reading.second.seconds && reading.kind != atlas::ClockKind::Unique ? reading.second
                                                                                                        : reading.first;
    const char* kind = reading.kind == atlas::ClockKind::Gap ? "gap"
        : reading.kind == atlas::ClockKind::Overlap          ? "overlap"
                                                             : "unique";
    const Json json{{"offset", OffsetText(reading.localMeanTime ? reading.first.seconds : chosen.seconds)},
                    {"summerTime", OffsetText(chosen.summerSeconds)},
                    {"abbreviation", chosen.abbreviation},
                    {"kind", kind},
                    {"source", placed.HandChose() ? "row" : "atlas"},
                    {"sentence", suggestion.sentence}};
    out += json.dump();
    return out;
}

void PrintPlaces(std::ostream& out, const atlas::Atlas& atlas, std::string_view query, bool json)
{
    constexpr std::size_t kListed = 12;
    const auto found = atlas.Search(query, kListed);
    if (json) {
        Json list = Json::array();
        for (const atlas::Match& match : found) {
            Json entry = PlaceJson(atlas, *match.place);
            entry["population"] = match.place->population;
            entry["label"] = atlas.Label(*match.place);
            if (!match.alternate.empty())
                entry["matchedName"] = match.alternate;
            list.push_back(std::move(entry));
        }
        out << list.dump(2) << '\n';
        return;
    }
    for (const atlas::Match& match : found) {
        out << match.place->geonamesId << '\t' << atlas.Label(*match.place);
        if (!match.alternate.empty())
            out << " (" << match.alternate << ')';
        out << '\t' << atlas.Detail(*match.place) << '\n';
    }
}

} // namespace tessaline::cli
