// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "atlas/Clock.h"
#include "chart/ChartState.h"
#include "ephemeris/CivilTime.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessaline::atlas {

// Where the reading was taken and which reading the daylight-saving tick picks in an overlap.
struct SuggestionContext {
    std::string_view placeName; // "Paris"
    std::string_view zoneId; // "Europe/Paris"
    CivilInstant local; // the clock date and time of birth
    double longitudeEast = 0.0;
    bool tickChoosesEarlier = true; // overlap only: the tick as it stands (ticked = the earlier instant)
};

enum class SuggestionKind {
    Row, // a row of the zone list, with or without the daylight-saving tick
    ExactOffset, // no row expresses the clock: the exact offset, rounded to the minute, is used
};

// What the window shows and the chart uses for a clock reading.
struct ZoneSuggestion {
    SuggestionKind kind = SuggestionKind::Row;
    int row = -1; // Row: the list position
    bool tick = false; // Row: the daylight-saving tick
    int clockSeconds = 0; // the offset east of Greenwich the clock ran on
    UtcOffset exact; // ExactOffset: the clock's offset rounded to the minute, halves away from zero
    std::string sentence; // one line saying what was found and what is used
    // In a clock time that happened twice: the daylight-saving tick shows and chooses the reading (ticked =
    // the earlier), rather than being part of the row.
    bool tickChoosesReading = false;
};

// A row of the list and its daylight-saving tick.
struct RowAndTick {
    int row = -1;
    bool tick = false;
};

// The row and tick that express a clock offset exactly, if any: the row whose abbreviation is the clock's
// for war and double-summer time, summer time of one hour as the standard row with the tick, else a row of
// the offset (a standard row before a summer one, Australian rows only for Australian zones).
std::optional<RowAndTick> RowForOffset(const ClockOffset& offset, std::string_view zoneId);

// The row or exact offset for a clock reading, and its sentence. The war-time and double-summer rows are
// taken when the abbreviation says so; summer time of one hour is the standard row with the tick; a time in
// a gap is read as the clock not yet put forward; in an overlap the tick chooses (ticked = earlier).
ZoneSuggestion SuggestZone(const ClockReading& reading, const SuggestionContext& context);

// The clock's offset a row and tick stand for; none (zero) for a row out of the list.
UtcOffset RowOffset(int row, bool tick) noexcept;

// A row that is itself summer, daylight, war or double-summer time: ticking daylight saving on it counts
// summer time twice.
bool IsSummerOrWarRow(int row) noexcept;

// The zone is more than three hours from what the longitude suggests (15 degrees an hour).
bool FarFromLongitude(UtcOffset offset, double longitudeEast) noexcept;

// "15 June 1975, 10:30".
std::string LocalTimeText(const CivilInstant& local);

} // namespace tessaline::atlas
