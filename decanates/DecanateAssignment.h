// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "chart/ChartState.h"
#include "decanates/DecanSchemes.h"

#include <optional>
#include <string_view>

namespace tessaline {

// The sign and decanate of a longitude in degrees: whole degrees within the sign decide, as the position texts
// truncate them (9°59' is still the first decanate, 10° the second). A negative longitude counts by its
// magnitude and one of a turn or more wraps (360 is 0° Aries), as the position texts do. Nothing for a
// longitude that is not finite.
std::optional<SignDecanate> DecanateOf(double longitude) noexcept;

// Whether a longitude lies within reach (degrees) of a decanate edge below or above it.
bool NearDecanateEdge(double longitude, double reach) noexcept;

// One decanate's row of the decanate table with its name ("Second Decanate"). The texts are views of the
// table's constants, which live as long as the program, so nothing copies prose.
struct DecanateResult {
    std::string_view DecanateName;
    std::string_view DecanateSign;
    std::string_view RulingPlanet;
    std::string_view RulingElement;
    std::string_view ConstellationName;
    std::string_view Keyword;
    std::string_view TreeZodiac;
    std::string_view MoreAboutDecanateSign;
    std::string_view KarmicInfluence;
    std::string_view MoreAboutTreeZodiac;
};
// In another scheme than the table's own, the sign, ruler and element are that scheme's (the sign empty for
// a face, which stands in no sign) and the rest stays the table's.
DecanateResult DecanateTexts(SignDecanate decanate, DecanScheme scheme = DecanScheme::Triplicity) noexcept;

// Each body's decanate, Sun to Pluto, from its longitude.
void Decanate_Calculation(ChartState& state);

// In a classic chart, for each body Sun to Pluto within reach of a decanate edge (the classic formulas'
// largest error, with room to spare), the precise longitude; where its sign or decanate differs from the
// classic one, preciseDecanates names it. In a precise chart, or one whose options leave the check out, it
// leaves preciseDecanates empty. Fails where the precise ephemeris does.
Status PreciseDecanate_Calculation(ChartState& state);

// "A precise ephemeris puts Saturn at 20 Cap 03, in the third decanate (Virgo), ruled by Mercury." for a body
// and its precise decanate, in the chart's scheme (a face's sentence names no sign).
std::string PreciseDecanateSentence(Body body, const PreciseDecanate& precise,
                                    DecanScheme scheme = DecanScheme::Triplicity);

} // namespace tessaline
