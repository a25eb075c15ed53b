// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PlaceOptions.h"

#include "chart/ZoneTable.h"
#include "cli/ChartOutput.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace tessaline::cli {

namespace {

constexpr std::size_t kCandidatesShown = 5;
constexpr int kClearLead = 10; // the best match wins outright at ten times the next one's population

// Degrees, the hemisphere letter, minutes, to the nearest arc-minute: -89.644 -> "89W39".
std::string ArcMinuteText(double degrees, char positive, char negative)
{
    const long arcMinutes = std::lround(std::abs(degrees) * 60.0);
    return std::to_string(arcMinutes / 60) + (degrees < 0 ? negative : positive) + std::to_string(arcMinutes % 60);
}

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

std::variant<const atlas::Atlas*, std::string> AtlasOnDemand::Get()
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
            if (auto* message = std::get_if<std::string>(&loaded))
                failure_ = std::move(*message);
            else
                atlas_ = std::move(std::get<std::unique_ptr<atlas::Atlas>>(loaded));
        }
    }
    if (atlas_)
        return atlas_.get();
    return failure_;
}

std::variant<const atlas::Place*, std::string> ResolvePlace(const atlas::Atlas& atlas, std::string_view query)
{
    const auto found = atlas.Search(query, kCandidatesShown + 1);
    std::string quoted = "\"" + std::string(query.substr(0, 80)) + "\"";
    if (found.empty())
        return "No place in the atlas matches " + quoted;
    const bool clearLead = found.size() == 1
        || (found[0].place->population > 0
            && std::int64_t{found[0].place->population} >= std::int64_t{kClearLead} * found[1].place->population);
    if (clearLead)
        return found[0].place;
    std::string message = "The place " + quoted
        + " is ambiguous; give more of it (\"Name, Region, Country\") or "
          "--place-id with one of these ids:";
    // One line, candidates apart by semicolons: the message is shown with every control character escaped.
    for (std::size_t i = 0; i < found.size() && i < kCandidatesShown; ++i)
        message += (i == 0 ? " " : "; ") + std::to_string(found[i].place->geonamesId) + ' '
            + atlas.Label(*found[i].place) + " (" + atlas.Detail(*found[i].place) + ")";
    return message;
}

std::variant<BirthDataForm, std::string> ParsePlacedBirth(BirthArguments birth, std::optional<bool> dst,
                                                          const atlas::Atlas& atlas, const atlas::Place& place,
                                                          PlacedClock& clock)
{
    clock = PlacedClock{};
    clock.place = &place;
    birth.lon = ArcMinuteText(place.Longitude(), 'E', 'W');
    birth.lat = ArcMinuteText(place.Latitude(), 'N', 'S');
    clock.fromAtlas = birth.zone.empty() || birth.zone == "auto";
    if (clock.fromAtlas)
        birth.zone = "0"; // stands in until the clock history has spoken
    if (!clock.fromAtlas)
        birth.dst = dst.value_or(false);
    ParsedBirth parsed = ParseBirthArguments(birth);
    if (auto* message = std::get_if<std::string>(&parsed))
        return std::move(*message);
    auto form = std::get<BirthDataForm>(std::move(parsed));
    clock.label = atlas.Label(place);

    const CivilInstant local{kFirstYear + form.yearPosition, form.monthPosition + 1, form.dayPosition + 1, form.hour,
                             form.minute};
    auto reading = atlas::ReadClock(atlas.ZoneId(place), local, place.Longitude());
    if (auto* message = std::get_if<std::string>(&reading)) {
        if (clock.fromAtlas)
            return *message;
        return form; // the zone was given by hand: the chart needs no clock history
    }
    clock.reading = std::get<atlas::ClockReading>(reading);
    clock.suggestion = atlas::SuggestZone(
        *clock.reading,
        atlas::SuggestionContext{atlas.Name(place), atlas.ZoneId(place), local, place.Longitude(), dst.value_or(true)});
    if (!clock.fromAtlas) {
        clock.sentence = "Zone given by hand; the atlas found: " + clock.suggestion.sentence;
        return form;
    }
    clock.sentence = clock.suggestion.sentence;
    if (clock.suggestion.kind == atlas::SuggestionKind::Row) {
        form.zonePosition = clock.suggestion.row;
        form.daylightSaving = clock.suggestion.tick;
    } else {
        form.exactZone = clock.suggestion.exact;
        form.daylightSaving = false;
    }
    return form;
}

std::string PlaceAndClockJson(const atlas::Atlas& atlas, const PlacedClock& clock)
{
    std::string out = "\"place\":" + PlaceJson(atlas, *clock.place).dump() + ",\"clock\":";
    if (!clock.reading) {
        out += "null";
        return out;
    }
    const atlas::ClockReading& reading = *clock.reading;
    const atlas::ClockOffset& chosen
        = clock.suggestion.clockSeconds == reading.second.seconds && reading.kind != atlas::ClockKind::Unique
        ? reading.second
        : reading.first;
    const char* kind = reading.kind == atlas::ClockKind::Gap ? "gap"
        : reading.kind == atlas::ClockKind::Overlap          ? "overlap"
                                                             : "unique";
    const Json json{{"offset", OffsetText(reading.localMeanTime ? reading.first.seconds : chosen.seconds)},
                    {"summerTime", OffsetText(chosen.summerSeconds)},
                    {"abbreviation", chosen.abbreviation},
                    {"kind", kind},
                    {"source", clock.fromAtlas ? "atlas" : "row"},
                    {"sentence", clock.suggestion.sentence}};
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
