// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/Clock.h"

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tessaline::atlas {

namespace {

using Seconds = cctz::time_point<cctz::seconds>;

// How much of the offset at an instant under summer time is summer time: the offset minus the standard
// offset of the nearest standard-time period before it (after it, for a zone that never had one before).
int SummerSeconds(const cctz::time_zone& zone, const Seconds& at, const cctz::time_zone::absolute_lookup& reading)
{
    if (!reading.is_dst)
        return 0;
    constexpr int kMostTransitions = 12; // British double summer time sat on top of years of summer time
    Seconds tp = at;
    cctz::time_zone::civil_transition transition;
    for (int i = 0; i < kMostTransitions && zone.prev_transition(tp, &transition); ++i) {
        tp = zone.lookup(transition.to).trans;
        const auto before = zone.lookup(tp - cctz::seconds(1));
        if (!before.is_dst)
            return reading.offset - before.offset;
    }
    tp = at;
    for (int i = 0; i < kMostTransitions && zone.next_transition(tp, &transition); ++i) {
        tp = zone.lookup(transition.to).trans;
        const auto after = zone.lookup(tp);
        if (!after.is_dst)
            return reading.offset - after.offset;
    }
    return 0;
}

ClockOffset OffsetAt(const cctz::time_zone& zone, const Seconds& at)
{
    const auto reading = zone.lookup(at);
    return ClockOffset{reading.offset, SummerSeconds(zone, at, reading), reading.abbr};
}

} // namespace

Result<ClockReading> ReadClock(std::string_view zoneId, const CivilInstant& local, double longitudeEast)
{
    cctz::time_zone zone;
    // Only names inside the database: never a path of the computer's own choosing.
    const bool plainName = !zoneId.empty() && zoneId.front() != '/' && zoneId.find("..") == std::string_view::npos;
    if (!plainName || !cctz::load_time_zone(std::string(zoneId), &zone))
        return Fail(
            "The time zone \"" + std::string(zoneId)
            + "\" is not in this computer's time-zone database (package tzdata): the zone must be chosen by hand");
    const auto lookup
        = zone.lookup(cctz::civil_second(local.year, local.month, local.day, local.hour, local.minute, 0));
    ClockReading reading;
    switch (lookup.kind) {
    case cctz::time_zone::civil_lookup::UNIQUE:
        reading.first = OffsetAt(zone, lookup.pre);
        reading.second = reading.first;
        break;
    case cctz::time_zone::civil_lookup::SKIPPED:
        reading.kind = ClockKind::Gap;
        reading.first = OffsetAt(zone, lookup.trans - cctz::seconds(1));
        reading.second = OffsetAt(zone, lookup.trans);
        break;
    case cctz::time_zone::civil_lookup::REPEATED:
        reading.kind = ClockKind::Overlap;
        reading.first = OffsetAt(zone, lookup.pre);
        reading.second = OffsetAt(zone, lookup.post);
        break;
    }
    if (reading.kind == ClockKind::Unique && reading.first.abbreviation == "LMT") {
        // 360 degrees in 86,400 seconds: 240 seconds a degree.
        reading.localMeanTime = true;
        reading.first.seconds = static_cast<int>(std::lround(longitudeEast * 240.0));
        reading.second = reading.first;
    }
    return reading;
}

std::string OffsetName(int seconds)
{
    const int magnitude = std::abs(seconds);
    char text[32];
    if (magnitude % 60 != 0)
        std::snprintf(text, sizeof text, "UT%s%d:%02d:%02d", seconds < 0 ? "\u2212" : "+", magnitude / 3600,
                      magnitude / 60 % 60, magnitude % 60);
    else
        std::snprintf(text, sizeof text, "UT%s%d:%02d", seconds < 0 ? "\u2212" : "+", magnitude / 3600,
                      magnitude / 60 % 60);
    return text;
}

} // namespace tessaline::atlas
