// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "chart/ChartState.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessaline {

struct EntryDecanate {
    int signIndex; // 0 Aries .. 11 Pisces
    int decanate; // 1..3
    friend bool operator==(const EntryDecanate&, const EntryDecanate&) = default;
};

// The sign and decanate a position entry names: the sign key in characters 4-6, the decanate from the
// whole degrees in characters 1-2. Nothing when the key is no sign or the degrees are no number.
std::optional<EntryDecanate> DecanateOfEntry(std::string_view entry) noexcept;

// Reads position table entries 0..9 and fills decanateResults; a body whose entry names no known sign,
// or whose first two characters are not two digits, keeps its previous result.
void Decanate_Calculation(ChartState& state);

// The sign and decanate of a longitude in degrees, [0, 360]: whole degrees within the sign decide, as in the
// position texts (360 is 0° Aries). Nothing for a longitude that is not finite.
std::optional<EntryDecanate> DecanateOfLongitude(double degrees) noexcept;

// In a classic chart, for each body Sun to Pluto within reach of a decanate edge (the classic formulas'
// largest error, with room to spare), the precise position; where its sign or decanate differs from the
// classic one, preciseDecanates names it. In a precise chart it leaves preciseDecanates empty. Runs after
// Decanate_Calculation; fails where the precise ephemeris does.
Status PreciseDecanate_Calculation(ChartState& state);

// "A precise ephemeris puts Saturn at 20 Cap 03, in the third decanate (Virgo), ruled by
// Mercury." or
// empty when the body has no precise decanate of its own.
std::string PreciseDecanateSentence(const ChartState& state, Body body);

} // namespace tessaline
