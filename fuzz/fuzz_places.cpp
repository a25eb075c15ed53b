// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a place question and a birth there: the first bytes are the birth's date, clock time and
// the hand's choices, the rest the query. The search, the resolving of the name with its "did you mean",
// --places as text and JSON, then at the place found (or one the bytes pick) the clock reading, the zone
// suggestion, the placed birth with its hand choices and warnings, and the chart through to its JSON. The
// atlas the build wrote is opened once ($TESSALINE_ATLAS, when set, names another).
#include "atlas/Atlas.h"
#include "atlas/PlacedBirth.h"
#include "atlas/Suggestion.h"
#include "cli/FailureWords.h"
#include "cli/PlaceOptions.h"
#include "decanates/CalculationDriver.h"
#include "report/ChartJson.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using namespace tessaline;

const atlas::Atlas& TheAtlas()
{
    static const std::unique_ptr<atlas::Atlas> opened = [] {
        const char* chosen = std::getenv("TESSALINE_ATLAS");
        auto loaded = atlas::Atlas::Load(chosen != nullptr && *chosen != '\0' ? chosen : TESSALINE_ATLAS_FILE);
        if (!loaded) {
            std::fprintf(stderr, "%s\n", loaded.error().c_str());
            std::abort();
        }
        return std::move(*loaded);
    }();
    return *opened;
}

std::string TwoDigits(int value)
{
    return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kChoices = 8;
    if (size < kChoices)
        return 0;
    const atlas::Atlas& atlas = TheAtlas();
    const std::string_view query(reinterpret_cast<const char*>(data + kChoices), size - kChoices);
    const std::uint8_t choices = data[5];

    // --places, or the resolving of a name (each asks for the nearest names when nothing matches).
    const atlas::Place* place = nullptr;
    if ((data[7] & 1) != 0) {
        std::ostringstream listed;
        (void)cli::PrintPlaces(listed, atlas, query, (choices & 2) != 0);
        if (const auto found = atlas.Search(query, 1); !found.empty())
            place = found.front().place;
    } else if (const auto resolved = atlas::ResolvePlace(atlas, query)) {
        place = *resolved;
    } else {
        (void)FailureInWords(resolved.error(), cli::kToolVoice);
    }
    if (place == nullptr) { // a place the bytes pick, as a checked place comes out of the atlas
        const auto places = atlas.Places();
        place = atlas.FindId(places[(std::size_t{data[6]} << 8 | data[7]) * 3 % places.size()].geonamesId);
        if (place == nullptr)
            return 0;
    }

    // The clock at the place, and at a longitude the bytes choose (the date line, the poles' meridians).
    const CivilInstant local{kFirstYear + data[0] % 150, 1 + data[1] % 12, 1 + data[2] % 31, data[3] % 24,
                             data[4] % 60};
    const double longitude = (data[6] - 128) * (180.0 / 127.0);
    for (const double east : {place->Longitude(), longitude})
        if (const auto reading = atlas::ReadClock(atlas.ZoneId(*place), local, east))
            (void)atlas::SuggestZone(*reading,
                                     {atlas.Name(*place), atlas.ZoneId(*place), local, east, (choices & 4) != 0});

    // The birth there, the zone from the atlas or given by hand, and the hand's later choices.
    BirthArguments birth{"Ada",
                         std::to_string(local.year) + '-' + TwoDigits(local.month) + '-' + TwoDigits(local.day),
                         TwoDigits(local.hour) + ':' + TwoDigits(local.minute),
                         "",
                         "",
                         "",
                         false};
    const int row = data[7] % 75 - 2; // a row of the list, or none
    if ((choices & 8) != 0)
        birth.zone = (choices & 16) != 0 ? std::to_string(row) : "+05:45";
    const std::optional<bool> dst = (choices & 32) != 0 ? std::optional<bool>((choices & 64) != 0) : std::nullopt;
    atlas::PlacedBirth placed;
    if (auto form = atlas::BirthAtPlace(birth, dst, atlas, *place, placed)) {
        (void)atlas::HandZoneWarnings(*form);
        if (const auto chart = Calculate({*form, placed.PlaceLabel(), placed.ChartClockSentence()}, {})) {
            std::string json;
            AppendChartJson(json, *chart, std::nullopt, cli::PlaceAndClockJson("\"place\":{}", placed), true);
        }
    }
    placed.ChooseTick((choices & 128) != 0);
    (void)placed.ClockLine();
    placed.ChooseRow(row < 0 ? 0 : row % 71);
    (void)placed.Warnings(place->Longitude());
    (void)placed.ExactEntry();
    placed.Apply();
    (void)placed.ChartClockSentence();
    return 0;
}
