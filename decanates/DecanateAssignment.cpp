// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/DecanateAssignment.h"

#include "chart/Engines.h"
#include "chart/PositionText.h"
#include "decanates/DecanateTable.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <system_error>

namespace tessaline {

namespace {

constexpr std::array<std::string_view, 3> kDecanateNames = {"First Decanate", "Second Decanate", "Third Decanate"};
constexpr std::array<std::string_view, 3> kDecanateNamesInSentence
    = {"first decanate", "second decanate", "third decanate"};

// Characters 4 to 6 of a position entry ("DD Sss MM"): the sign key, or fewer characters when the entry is
// shorter.
std::string_view SignKeyOf(std::string_view entry) noexcept
{
    constexpr std::size_t kKeyStart = 3;
    constexpr std::size_t kKeyLength = 3;
    if (entry.size() <= kKeyStart) {
        return {};
    }
    return entry.substr(kKeyStart, kKeyLength);
}

// Characters 1 and 2 of a position entry as whole degrees. Both must be digits; anything else (a sign,
// a space, a letter, an entry shorter than two characters) is no number.
std::optional<int> WholeDegreesOf(std::string_view entry) noexcept
{
    constexpr std::size_t kDegreeDigits = 2;
    if (entry.size() < kDegreeDigits || entry.front() == '-') {
        return std::nullopt;
    }
    const char* const first = entry.data();
    const char* const last = first + kDegreeDigits;
    int degrees = 0;
    const auto [end, error] = std::from_chars(first, last, degrees);
    if (error != std::errc{} || end != last) {
        return std::nullopt;
    }
    return degrees;
}

// 1 below ten degrees, 2 below twenty, 3 from twenty on; minutes play no part.
int DecanateOf(int wholeDegrees) noexcept
{
    if (wholeDegrees < 10) {
        return 1;
    }
    if (wholeDegrees < 20) {
        return 2;
    }
    return 3;
}

void FillResult(DecanateResult& result, std::string_view decanateName, const DecanateRow& row) noexcept
{
    result.DecanateName = decanateName;
    result.DecanateSign = row.DecanateSign;
    result.RulingPlanet = row.RulingPlanet;
    result.RulingElement = row.RulingElement;
    result.ConstellationName = row.ConstellationName;
    result.Keyword = row.Keyword;
    result.TreeZodiac = row.TreeZodiac;
    result.MoreAboutDecanateSign = row.MoreAboutDecanateSign;
    result.KarmicInfluence = row.KarmicInfluence;
    result.MoreAboutTreeZodiac = row.MoreAboutTreeZodiac;
}

// How far the classic formulas can put each body from the precise ephemeris, in degrees, with room to
// spare. Measured over 200,000 births from 1901 to 2050 (bench/ClassicErrorScan.cpp:
// build/release/bench/classic_error_scan 200000), the largest differences in arcminutes were: Sun 1.01,
// Moon 2.79, Mercury 1.50, Venus 1.47, Mars 5.79, Jupiter 10.56, Saturn 11.81, Uranus 2.74, Neptune 1.59,
// Pluto 1.30; 2.02 % of the charts had a body in another decanate. The bounds are about 1.5 times those.
constexpr std::array<double, kDecanateBodyCount> kClassicErrorBound{
    2.0 / 60, // Sun
    5.0 / 60, // Moon
    3.0 / 60, // Mercury
    3.0 / 60, // Venus
    9.0 / 60, // Mars
    16.0 / 60, // Jupiter
    18.0 / 60, // Saturn
    5.0 / 60, // Uranus
    3.0 / 60, // Neptune
    3.0 / 60, // Pluto
};

bool NearDecanateEdge(double longitude, double reach) noexcept
{
    const double edgeBelow = 10.0 * std::floor(longitude / 10.0);
    return longitude - edgeBelow <= reach || edgeBelow + 10.0 - longitude <= reach;
}

} // namespace

std::optional<EntryDecanate> DecanateOfEntry(std::string_view entry) noexcept
{
    const std::optional<int> sign = FindSignIndex(SignKeyOf(entry));
    if (!sign)
        return std::nullopt;
    const std::optional<int> degrees = WholeDegreesOf(entry);
    if (!degrees)
        return std::nullopt; // treated like an unknown sign
    return EntryDecanate{*sign, DecanateOf(*degrees)};
}

void Decanate_Calculation(ChartState& state)
{
    // The table is a compile-time constant, so there is nothing to rebuild between charts.
    const DecanateTable& table = BuildDecanateTable();

    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        const std::optional<EntryDecanate> found = DecanateOfEntry(state.positionTable[body]);
        if (!found)
            continue; // the body keeps what an earlier chart gave it
        const auto d = static_cast<std::size_t>(found->decanate - 1);
        FillResult(state.decanateResults[body], kDecanateNames[d],
                   table[static_cast<std::size_t>(found->signIndex)].rows[d]);
    }
}

} // namespace tessaline

namespace tessaline {

std::optional<EntryDecanate> DecanateOfLongitude(double degrees) noexcept
{
    if (!std::isfinite(degrees))
        return std::nullopt;
    // The whole degrees and the sign as the position texts split them (SplitZodiacPosition), without the
    // minutes and seconds, which no decanate needs.
    double a = std::fabs(degrees);
    if (!(a < 360.0))
        a = std::fmod(a, 360.0);
    const double whole = std::floor(a);
    const int sign = static_cast<int>(whole / 30.0);
    return EntryDecanate{sign, DecanateOf(static_cast<int>(whole) - 30 * sign)};
}

Status PreciseDecanate_Calculation(ChartState& state)
{
    state.preciseDecanates = {};
    if (state.ephemeris != EphemerisMode::Classic || !state.checkPreciseDecanates)
        return {};
    const DecanateTable& table = BuildDecanateTable();
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        if (!NearDecanateEdge(state.longitudes[body], kClassicErrorBound[body]))
            continue;
        const Result<double> tropical = BodyLongitudeAt(static_cast<Body>(body), state.instant, EphemerisMode::Precise);
        if (!tropical)
            return Fail(tropical.error());
        const double lambda = InZodiac(*tropical, state.zodiac, state.ayanamsaDegrees);
        const std::optional<EntryDecanate> precise = DecanateOfLongitude(lambda);
        if (!precise || precise == DecanateOfLongitude(state.longitudes[body]))
            continue;
        PreciseDecanate& named = state.preciseDecanates[body].emplace();
        named.position = FormatPositionEntry(lambda);
        const auto d = static_cast<std::size_t>(precise->decanate - 1);
        FillResult(named.decanate, kDecanateNames[d], table[static_cast<std::size_t>(precise->signIndex)].rows[d]);
    }
    return {};
}

std::string PreciseDecanateSentence(const ChartState& state, Body body)
{
    const std::size_t i = ToIndex(body);
    if (i >= kDecanateBodyCount || !state.preciseDecanates[i])
        return {};
    const PreciseDecanate& named = *state.preciseDecanates[i];
    // "the third decanate": the table's name as it reads inside a sentence.
    std::string_view name = named.decanate.DecanateName;
    for (std::size_t d = 0; d < kDecanateNames.size(); ++d)
        if (name == kDecanateNames[d])
            name = kDecanateNamesInSentence[d];
    return "A precise ephemeris puts " + std::string(BodyName(body)) + " at " + named.position + ", in the "
        + std::string(name) + " (" + std::string(named.decanate.DecanateSign) + "), ruled by "
        + std::string(named.decanate.RulingPlanet) + ".";
}

} // namespace tessaline
