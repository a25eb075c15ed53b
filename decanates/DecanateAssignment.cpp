// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/DecanateAssignment.h"

#include "chart/Engines.h"
#include "chart/PositionText.h"
#include "decanates/DecanateTable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>

namespace tessaline {

namespace {

constexpr std::array<std::string_view, 3> kDecanateNames = {"First Decanate", "Second Decanate", "Third Decanate"};
constexpr std::array<std::string_view, 3> kDecanateNamesInSentence
    = {"first decanate", "second decanate", "third decanate"};

// 1 below ten degrees, 2 below twenty, 3 from twenty on; minutes play no part.
int DecanateWithinSign(int wholeDegrees) noexcept
{
    if (wholeDegrees < 10)
        return 1;
    if (wholeDegrees < 20)
        return 2;
    return 3;
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

} // namespace

std::optional<SignDecanate> DecanateOf(double longitude) noexcept
{
    if (!std::isfinite(longitude))
        return std::nullopt;
    // The whole degrees and the sign as the position texts split them (SplitZodiacPosition), without the
    // minutes and seconds, which no decanate needs.
    double a = std::fabs(longitude);
    if (!(a < 360.0))
        a = std::fmod(a, 360.0);
    const double whole = std::floor(a);
    const int sign = static_cast<int>(whole / 30.0);
    return SignDecanate{sign, DecanateWithinSign(static_cast<int>(whole) - 30 * sign)};
}

bool NearDecanateEdge(double longitude, double reach) noexcept
{
    const double edgeBelow = 10.0 * std::floor(longitude / 10.0);
    return longitude - edgeBelow <= reach || edgeBelow + 10.0 - longitude <= reach;
}

DecanateResult DecanateTexts(SignDecanate decanate, DecanScheme scheme) noexcept
{
    const DecanateRow& row = LookUpDecanate(decanate.signIndex, decanate.decanate);
    const auto d = static_cast<std::size_t>(std::clamp(decanate.decanate, 1, 3) - 1);
    DecanateResult result{
        kDecanateNames[d], row.DecanateSign, row.RulingPlanet,          row.RulingElement,   row.ConstellationName,
        row.Keyword,       row.TreeZodiac,   row.MoreAboutDecanateSign, row.KarmicInfluence, row.MoreAboutTreeZodiac};
    if (scheme == DecanScheme::Triplicity)
        return result;
    // Another tradition's sign and ruler; the element is that of the sign the decanate is placed in, or of
    // its own sign for a face. The table's first row of a sign names the sign and gives its element.
    const DecanPlacement placement = PlacementOf(scheme, decanate);
    const DecanateRow& placed = LookUpDecanate(placement.sign, 1);
    result.DecanateSign = placed.DecanateSign; // empty for a face, which no sign holds
    result.RulingPlanet = placement.rulerName;
    result.RulingElement = (placement.sign >= 0 ? placed : LookUpDecanate(decanate.signIndex, 1)).RulingElement;
    return result;
}

void Decanate_Calculation(ChartState& state)
{
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body)
        if (const std::optional<SignDecanate> found = DecanateOf(state.longitudes[body]))
            state.decanates[body] = *found;
}

Status PreciseDecanate_Calculation(ChartState& state)
{
    state.preciseDecanates = {};
    if (state.ephemeris != EphemerisMode::Classic || !state.checkPreciseDecanates)
        return {};
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        if (!NearDecanateEdge(state.longitudes[body], kClassicErrorBound[body]))
            continue;
        const Result<double> tropical = BodyLongitudeAt(static_cast<Body>(body), state.instant, EphemerisMode::Precise);
        if (!tropical)
            return Fail(tropical.error());
        const double lambda = InZodiac(*tropical, state.zodiac, state.ayanamsaDegrees);
        const std::optional<SignDecanate> precise = DecanateOf(lambda);
        if (!precise || precise == DecanateOf(state.longitudes[body]))
            continue;
        state.preciseDecanates[body] = PreciseDecanate{lambda, *precise};
    }
    return {};
}

std::string PreciseDecanateSentence(Body body, const PreciseDecanate& precise, DecanScheme scheme)
{
    const DecanateResult texts = DecanateTexts(precise.decanate, scheme);
    const auto d = static_cast<std::size_t>(std::clamp(precise.decanate.decanate, 1, 3) - 1);
    std::string sentence = "A precise ephemeris puts " + std::string(BodyName(body)) + " at "
        + FormatPositionEntry(precise.longitude) + ", in the " + std::string(kDecanateNamesInSentence[d]);
    if (!texts.DecanateSign.empty())
        sentence += " (" + std::string(texts.DecanateSign) + ")";
    return sentence + ", ruled by " + std::string(texts.RulingPlanet) + ".";
}

} // namespace tessaline
