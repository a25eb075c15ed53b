// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PlaceOptions.h"

#include "base/JsonText.h"
#include "base/VisibleText.h"
#include "chart/ZoneTable.h"
#include "cli/FailureWords.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string_view>

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
            if (!loaded)
                failure_ = std::move(loaded).error();
            else
                atlas_ = std::move(*loaded);
        }
    });
    if (atlas_)
        return atlas_.get();
    // Lack of memory fails the run, not the birth that asked: every row after it would fail the same way.
    if (std::string_view(failure_).starts_with(atlas::kNotEnoughMemory))
        throw std::bad_alloc();
    return Fail(failure_);
}

Result<PlaceCache::Found> PlaceCache::Find(const PlaceRequest& request)
{
    // Both parts: a name beside an id must still be checked against the id's place.
    std::string key = request.placeId;
    key += '\n';
    key += request.place;
    const std::scoped_lock lock(mutex_);
    if (const auto known = found_.find(key); known != found_.end())
        return known->second;
    Result<Found> found = Fail(std::string());
    if (const Result<const atlas::Atlas*> got = atlases_.Get(); !got)
        found = Fail(got.error());
    else if (const auto place = Worded(atlas::FindPlace(**got, request.place, request.placeId), kToolVoice); !place)
        found = Fail(place.error());
    else {
        auto [json, added] = placeJson_.try_emplace(*place);
        if (added)
            json->second
                = "\"place\":" + PlaceJson(**got, **place).dump(-1, ' ', false, Json::error_handler_t::replace);
        found = Found{*got, *place, &json->second};
    }
    return found_.emplace(key, std::move(found)).first->second;
}

std::string PlaceAndClockJson(const std::string& placeJson, const atlas::PlacedBirth& placed)
{
    std::string out = placeJson + ",\"clock\":";
    std::string offset;
    std::string summerTime;
    std::string_view abbreviation;
    const char* kind = "unique";
    std::string_view sentence;
    std::string handSentence; // what sentence shows when the zone is the hand's
    if (placed.HandChose()) {
        // The clock the chart used is the hand's: the row (and its tick) or the exact offset.
        const atlas::ZoneInUse zone = placed.Zone();
        offset = OffsetText(zone.Offset().seconds);
        summerTime = OffsetText(!zone.exact && zone.tick ? 3600 : 0);
        if (!zone.exact)
            abbreviation = ZoneTable()[static_cast<std::size_t>(zone.row)].abbreviation;
        handSentence = placed.ChartClockSentence();
        sentence = handSentence;
    } else if (!placed.Reading()) {
        out += "null";
        return out;
    } else {
        const atlas::ClockReading& reading = *placed.Reading();
        const atlas::ZoneSuggestion& suggestion = *placed.Suggestion();
        const atlas::ClockOffset& chosen
            = suggestion.clockSeconds == reading.second.seconds && reading.kind != atlas::ClockKind::Unique
            ? reading.second
            : reading.first;
        kind = reading.kind == atlas::ClockKind::Gap    ? "gap"
            : reading.kind == atlas::ClockKind::Overlap ? "overlap"
                                                        : "unique";
        offset = OffsetText(reading.localMeanTime ? reading.first.seconds : chosen.seconds);
        summerTime = OffsetText(chosen.summerSeconds);
        abbreviation = chosen.abbreviation;
        sentence = suggestion.sentence;
    }
    // Written member by member: a batch writes one a row, and building a JSON object for it costs more than
    // the chart.
    const std::pair<const char*, std::string_view> members[] = {
        {"offset", offset},
        {"summerTime", summerTime},
        {"abbreviation", abbreviation},
        {"kind", kind},
        {"source", placed.HandChose() ? "row" : "atlas"},
        {"sentence", sentence},
    };
    out.reserve(out.size() + 64 + sentence.size());
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

CsvPlace CsvPlaceOf(const atlas::Atlas& atlas, const atlas::Place& place)
{
    return CsvPlace{place.geonamesId, atlas.Label(place), place.Latitude(), place.Longitude()};
}

Status PrintPlaces(std::ostream& out, const atlas::Atlas& atlas, std::string_view query, bool json)
{
    constexpr std::size_t kListed = 12;
    const auto found = atlas.Search(query, kListed);
    if (found.empty())
        return Fail(FailureInWords(atlas::NoPlaceMatches(atlas, query), kToolVoice));
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
        out << list.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
        return {};
    }
    for (const atlas::Match& match : found) {
        std::string label = atlas.Label(*match.place);
        if (!match.alternate.empty())
            label += " (" + std::string(match.alternate) + ')';
        out << match.place->geonamesId << '\t' << TerminalText(label) << '\t'
            << TerminalText(atlas.Detail(*match.place)) << '\n';
    }
    return {};
}

} // namespace tessaline::cli
