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
    std::call_once(once_, [this] {
        std::error_code error;
        const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
        const auto file = atlas::FindAtlasFile(error ? std::filesystem::path{} : executable.parent_path());
        if (!file)
            failure_ = "The place atlas is not installed (share/tessaline/atlas.bin); set TESSALINE_ATLAS to its "
                       "file, or give --lon, --lat and --zone";
        else {
            auto loaded = atlas::Atlas::Load(*file);
            if (auto* message = std::get_if<std::string>(&loaded))
                failure_ = std::move(*message);
            else
                atlas_ = std::move(std::get<std::unique_ptr<atlas::Atlas>>(loaded));
        }
    });
    if (atlas_)
        return atlas_.get();
    return Fail(failure_);
}

Result<PlaceCache::Found> PlaceCache::Find(const PlaceRequest& request)
{
    const std::string key = request.placeId.empty() ? "name:" + request.place : "id:" + request.placeId;
    const std::scoped_lock lock(mutex_);
    if (const auto known = found_.find(key); known != found_.end())
        return known->second;
    Result<Found> found = Fail(std::string());
    if (const Result<const atlas::Atlas*> got = atlases_.Get(); !got)
        found = Fail(got.error());
    else if (const auto place = atlas::FindPlace(**got, request.place, request.placeId, Reader::ChartTool); !place)
        found = Fail(place.error());
    else {
        auto [json, added] = placeJson_.try_emplace(*place);
        if (added)
            json->second = "\"place\":" + PlaceJson(**got, **place).dump();
        found = Found{*got, *place, &json->second};
    }
    return found_.emplace(key, std::move(found)).first->second;
}

std::string PlaceAndClockJson(const std::string& placeJson, const atlas::PlacedBirth& placed)
{
    std::string out = placeJson + ",\"clock\":";
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
    // Written member by member: a batch writes one a row, and building a JSON object for it costs more than
    // the chart.
    const std::string offset = OffsetText(reading.localMeanTime ? reading.first.seconds : chosen.seconds);
    const std::string summerTime = OffsetText(chosen.summerSeconds);
    const std::pair<const char*, std::string_view> members[] = {
        {"offset", offset},
        {"summerTime", summerTime},
        {"abbreviation", chosen.abbreviation},
        {"kind", kind},
        {"source", placed.HandChose() ? "row" : "atlas"},
        {"sentence", suggestion.sentence},
    };
    out.reserve(out.size() + 64 + suggestion.sentence.size());
    char separator = '{';
    for (const auto& [key, value] : members) {
        out += separator;
        out += '"';
        out += key;
        out += "\":";
        AppendJsonString(out, value);
        separator = ',';
    }
    out += '}';
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
