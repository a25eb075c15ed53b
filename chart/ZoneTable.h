// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/ChartState.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tessaline {

// How the list writes a row: commas alone ("Central European Time,CET,+1.0") or each with a blank after it
// ("Azores Time, AT, -2.0"), as the rows have always read.
enum class ZoneCommas { kPlain, kSpaced };

// One row of the zone list: its parts, from which the list's text is made.
struct ZoneRow {
    std::string_view name; // "Central European Time"
    std::string_view abbreviation; // "CET"
    int correctionHours; // added to the clock time to get universal time
    int correctionMinutes; // same sign as the hours
    ZoneCommas commas;
    // The offset as the list writes it, where that is not the correction's own ("+5.3" for five and a half
    // hours east); empty for every other row.
    std::string_view writtenOffset = {};
};

inline constexpr std::size_t kZoneCount = 71;
inline constexpr int kGreenwichZonePosition = 29;

const std::array<ZoneRow, kZoneCount>& ZoneTable() noexcept;

// The text the list shows for a position: name, abbreviation and the offset east of Greenwich in hours with
// one decimal, "Central European Time,CET,+1.0"; empty for a position outside 0..70.
std::string_view ZoneDisplayText(int position) noexcept;

// Sets the signed zone correction from the list position; a position outside 0..70 (no row chosen)
// leaves the previous correction standing.
void Zone_Calculation(ChartState& state, int selectedPosition) noexcept;

// A zone correction (what the clock adds to reach universal time) as the clock's offset east of Greenwich.
int MinutesEast(const ZoneCorrection& zone) noexcept;

// A clock's offset east of Greenwich as people write it: "+05:30", "-04:00", with the seconds when it has
// any ("+01:19:32"); without twoDigitHours "+5:30".
std::string OffsetText(int secondsEast, bool twoDigitHours = true);

// An offset for people to read: "+5:30", "−5:00", "−6:53:24" (hours unpadded, seconds only when there are
// any, and the minus sign of text, U+2212, where files and JSON keep OffsetText's hyphen that programs read
// back).
std::string ReadableOffset(int secondsEast);

// The decimal digits of value after out, two at least when twoDigits ("%d", "%02d"), for texts written on
// every row of a batch, where formatting would cost more than the chart.
void AppendDigits(std::string& out, int value, bool twoDigits);

} // namespace tessaline
