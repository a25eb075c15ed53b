// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "chart/ChartState.h"
#include "ephemeris/CivilTime.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaline::atlas {

// One way the clocks of a place could be read: its offset east of Greenwich, how much of it was summer time,
// and the abbreviation of the time-zone database ("CEST", "BDST", "EWT"; "LMT" for local mean time).
struct ClockOffset {
    int seconds = 0; // local clock minus universal time
    int summerSeconds = 0; // 0 when it was standard time
    std::string abbreviation;
    friend bool operator==(const ClockOffset&, const ClockOffset&) = default;
};

enum class ClockKind {
    Unique, // the clock time happened once
    Gap, // the clocks jumped over it: it never happened
    Overlap, // the clocks were put back across it: it happened twice
};

// What the clock read at a local date-time. Unique: first is the reading. Gap: first is the offset before the
// jump (the clock not yet put forward), second the one after. Overlap: first is the earlier instant's
// offset, second the later's.
struct ClockReading {
    ClockKind kind = ClockKind::Unique;
    ClockOffset first;
    ClockOffset second;
    // Local mean time: the offset is the birthplace's own, 4 minutes per degree of its longitude, not the
    // mean time of the city that names the zone.
    bool localMeanTime = false;
};

// The clock at a place from the system's time-zone database: zone id ("Europe/Paris"), the local date and
// clock time, and the birthplace's longitude in degrees east. The message says why when the zone is not
// known to this computer.
Result<ClockReading> ReadClock(std::string_view zoneId, const CivilInstant& local, double longitudeEast);

// The clock at a place at a universal instant (seconds since 1970-01-01 00:00 UT): the offset then in force, the
// birthplace's own mean time while the zone kept local mean time. The message says why when the zone is not
// known to this computer.
Result<ClockOffset> ClockAtInstant(std::string_view zoneId, std::int64_t unixSeconds, double longitudeEast);

// "UT+5:08:48", "UT−4:30", "UT+0:00" (seconds only when there are some).
std::string OffsetName(int seconds);

// A clock to read instants on: a place's history of clocks (its zone id and longitude), or a fixed offset.
struct InstantClock {
    std::string zoneId; // empty: the fixed offset
    double longitudeEast = 0.0;
    int offsetSeconds = 0;
    std::string name; // "Asia/Kolkata", "UT+5:30"

    // The offset in force at a universal instant (seconds since 1970-01-01 00:00 UT).
    Result<int> At(std::int64_t unixSeconds) const;
    // The universal instant of a reading of this clock, given as seconds since 1970 on its own calendar; a reading
    // just after the clocks were changed takes the new offset.
    Result<std::int64_t> UniversalOf(std::int64_t localSeconds) const;
};

// A fixed offset as a clock, named by OffsetName.
InstantClock FixedClock(int offsetSeconds);

} // namespace tessaline::atlas
