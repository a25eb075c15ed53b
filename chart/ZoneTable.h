// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/ChartState.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tessaline {

struct ZoneRow {
    std::string_view displayText; // shown verbatim in the list, used for nothing else
    int correctionHours; // added to the clock time to get universal time
    int correctionMinutes; // same sign as the hours
};

inline constexpr std::size_t kZoneCount = 71;
inline constexpr int kGreenwichZonePosition = 29;

const std::array<ZoneRow, kZoneCount>& ZoneTable() noexcept;

// Sets the signed zone correction from the list position; a position outside 0..70 (no row chosen)
// leaves the previous correction standing.
void Zone_Calculation(ChartState& state, int selectedPosition) noexcept;

// A zone correction (what the clock adds to reach universal time) as the clock's offset east of Greenwich.
int MinutesEast(const ZoneCorrection& zone) noexcept;

// A clock's offset east of Greenwich as people write it: "+05:30", "-04:00", with the seconds when it has
// any ("+01:19:32"); without twoDigitHours "+5:30".
std::string OffsetText(int secondsEast, bool twoDigitHours = true);

} // namespace tessaline
