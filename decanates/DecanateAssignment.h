#pragma once

#include "chart/ChartState.h"

#include <optional>
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

} // namespace tessaline
