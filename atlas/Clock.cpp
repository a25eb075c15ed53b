// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/Clock.h"

#include "chart/ZoneTable.h"

#include <algorithm>
#include <array>
#include <cctz/civil_time.h>
#include <cctz/time_zone.h>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unordered_map>
#include <vector>

namespace tessaline::atlas {

namespace {

using Seconds = cctz::time_point<cctz::seconds>;

constexpr int kSecondsPerDay = 86400;
// The farthest any clock has run from Greenwich is +14:00 (the Line Islands): a zone file that says more
// than 15 hours is damaged, and would move the chart by a day.
constexpr int kMostOffsetSeconds = 15 * 3600;
// A compiled zone file is a few kilobytes; one of a megabyte is none.
constexpr off_t kPlausibleZoneFileBytes = off_t{1} << 20;

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

bool IsMeanTime(const cctz::time_zone& zone, const Seconds& at)
{
    return std::string_view(zone.lookup(at).abbr) == "LMT";
}

// A period of the zone's local mean time, when an instant lies in it or in the period just after it: the
// instants the clocks entered it (none: from the zone's beginning; Lagos went back to it in 1908) and left
// it (none when they never did), and the mean time's offset, the zone city's.
struct MeanTimeEnd {
    std::optional<Seconds> from;
    std::optional<Seconds> at;
    int zoneOffset = 0;
};

// The instant of the last transition at or before an instant, if any.
std::optional<Seconds> TransitionAtOrBefore(const cctz::time_zone& zone, const Seconds& at)
{
    cctz::time_zone::civil_transition transition;
    if (!zone.prev_transition(at + cctz::seconds(1), &transition))
        return std::nullopt;
    return zone.lookup(transition.to).trans;
}

// A zone as ReadClock reads it, and the instant from which no instant lies in local mean time or in the
// period just after it (the start of the second period after the last of mean time): none when that never
// comes. Nearly every birth is later, and needs no look for mean time.
struct LoadedZone {
    cctz::time_zone zone;
    std::optional<Seconds> meanTimeOver;
};

// The instant meanTimeOver holds. Mean time lies in a zone's recorded history, never in the rule for its
// future: the walk through the transitions stops at 2100.
std::optional<Seconds> MeanTimeOver(const cctz::time_zone& zone)
{
    const Seconds stop = cctz::convert(cctz::civil_second(2100, 1, 1, 0, 0, 0), cctz::utc_time_zone());
    std::optional<Seconds> meanTimeEnd; // the last transition out of mean time
    std::optional<Seconds> over;
    Seconds tp = cctz::convert(cctz::civil_second(1000, 1, 1, 0, 0, 0), cctz::utc_time_zone());
    cctz::time_zone::civil_transition transition;
    while (tp < stop && zone.next_transition(tp, &transition)) {
        tp = zone.lookup(transition.to).trans;
        if (IsMeanTime(zone, tp - cctz::seconds(1)) && !IsMeanTime(zone, tp)) {
            meanTimeEnd = tp;
            over.reset();
        } else if (meanTimeEnd && !over)
            over = tp;
    }
    if (!meanTimeEnd) // mean time to the end (no instant is over it), or none at all (every instant is)
        return IsMeanTime(zone, tp) ? std::nullopt : std::optional(Seconds::min());
    return over; // none when the period after mean time never ends
}

std::optional<MeanTimeEnd> MeanTimeEndNear(const LoadedZone& loaded, const Seconds& near)
{
    if (loaded.meanTimeOver && near >= *loaded.meanTimeOver)
        return std::nullopt;
    const cctz::time_zone& zone = loaded.zone;
    if (IsMeanTime(zone, near)) {
        MeanTimeEnd end{TransitionAtOrBefore(zone, near), std::nullopt, zone.lookup(near).offset};
        cctz::time_zone::civil_transition transition;
        if (zone.next_transition(near, &transition))
            end.at = zone.lookup(transition.to).trans;
        return end;
    }
    const auto at = TransitionAtOrBefore(zone, near);
    if (!at || !IsMeanTime(zone, *at - cctz::seconds(1)))
        return std::nullopt;
    return MeanTimeEnd{TransitionAtOrBefore(zone, *at - cctz::seconds(1)), at,
                       zone.lookup(*at - cctz::seconds(1)).offset};
}

// The birthplace's mean time, 240 seconds a degree of longitude, on the zone's side of the date line: of
// the offsets a whole day apart, the one nearest the zone city's mean time (Nuku'alofa at 175°12' W ran
// 12:19:12 ahead of Greenwich, with Asia, not 11:40:48 behind it).
int BirthplaceMeanTime(double longitudeEast, int zoneMeanTime)
{
    const auto own = static_cast<int>(std::lround(longitudeEast * 240.0));
    const auto days = static_cast<int>(std::lround(static_cast<double>(zoneMeanTime - own) / kSecondsPerDay));
    return own + days * kSecondsPerDay;
}

struct Candidate {
    Seconds at;
    ClockOffset offset;
    bool meanTime = false;
};

// The clock of a birth near the zone's local mean time, read with the birthplace's own mean time until the
// instant the zone left it and with the zone's clock after, so that the night the mean time ended is read
// in one clock throughout: a clock time the birthplace's clock showed twice is an overlap, one it skipped
// a gap.
ClockReading ReadAroundMeanTime(const cctz::time_zone& zone, const cctz::civil_second& local,
                                const cctz::time_zone::civil_lookup& lookup, const MeanTimeEnd& end,
                                double longitudeEast)
{
    const int meanTime = BirthplaceMeanTime(longitudeEast, end.zoneOffset);
    const Seconds asUtc = cctz::convert(local, cctz::utc_time_zone());
    std::vector<Candidate> candidates;
    if (const Seconds at = asUtc - cctz::seconds(meanTime); (!end.from || at >= *end.from) && (!end.at || at < *end.at))
        candidates.push_back({at, ClockOffset{meanTime, 0, "LMT"}, true});
    if (end.at || end.from) {
        std::vector<Seconds> zoneReadings;
        if (lookup.kind == cctz::time_zone::civil_lookup::UNIQUE)
            zoneReadings = {lookup.pre};
        else if (lookup.kind == cctz::time_zone::civil_lookup::REPEATED)
            zoneReadings = {lookup.pre, lookup.post};
        for (const Seconds& at : zoneReadings)
            if (at >= *end.at || (end.from && at < *end.from))
                candidates.push_back({at, OffsetAt(zone, at), false});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& x, const Candidate& y) { return x.at < y.at; });

    ClockReading reading;
    if (candidates.empty()) {
        // Skipped, and read as not yet put forward: at the jump into the birthplace's mean time (Lagos went
        // back to it in 1908), at the jump out of it, or at a jump of the zone's clock after it.
        reading.kind = ClockKind::Gap;
        const ClockOffset own{meanTime, 0, "LMT"};
        if (end.from && asUtc - cctz::seconds(meanTime) < *end.from) {
            reading.first = OffsetAt(zone, *end.from - cctz::seconds(1));
            reading.second = own;
        } else if (lookup.kind == cctz::time_zone::civil_lookup::SKIPPED && lookup.trans != end.at) {
            reading.first = OffsetAt(zone, lookup.trans - cctz::seconds(1));
            reading.second = OffsetAt(zone, lookup.trans);
        } else {
            reading.first = own;
            reading.second = end.at ? OffsetAt(zone, *end.at) : own;
        }
        return reading;
    }
    reading.first = candidates.front().offset;
    reading.second = candidates.back().offset;
    if (candidates.size() == 1) {
        reading.localMeanTime = candidates.front().meanTime;
        return reading;
    }
    reading.kind = ClockKind::Overlap;
    return reading;
}

// Only names inside the database, of the characters its names are made of: never a path of the computer's
// own choosing, nor a name CCTZ reads from elsewhere ("localtime").
bool PlainZoneName(std::string_view zoneId)
{
    if (zoneId.empty() || zoneId.front() == '/' || zoneId.find("..") != std::string_view::npos || zoneId == "localtime")
        return false;
    return std::all_of(zoneId.begin(), zoneId.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' || c == '_'
            || c == '-' || c == '+';
    });
}

// The zone's file is one CCTZ can read without waiting: a regular file of a plausible size (a named pipe
// would block it, a device could be endless). The message says why not.
std::optional<std::string> ZoneFileProblem(const std::string& path, bool& exists)
{
    struct stat status {
    };
    exists = ::stat(path.c_str(), &status) == 0;
    if (!exists)
        return std::nullopt; // CCTZ says it cannot load it
    if (!S_ISREG(status.st_mode) || status.st_size > kPlausibleZoneFileBytes)
        return "The time-zone file \"" + path + "\" is "
            + (S_ISREG(status.st_mode) ? "too large to be one" : "not a regular file");
    return std::nullopt;
}

std::string NotInDatabase(std::string_view zoneId)
{
    return "The time zone \"" + std::string(zoneId)
        + "\" is not in this computer's time-zone database (package tzdata): the zone must be chosen by hand";
}

// The zone of an id, its file checked where it is loaded, once per file and run: CCTZ keeps a zone once
// loaded, so the file is read only then, and a batch of a million rows need not ask the system about it a
// million times. Rows on any number of threads share the zone. Only files that exist are kept: the names are
// the database's, not every name a batch could make up: the answer for a name no file has lasts until the
// thread's next call.
const Result<LoadedZone>& LoadZone(std::string_view zoneId)
{
    const char* folder = std::getenv("TZDIR");
    thread_local std::string path; // its room kept from row to row
    path = folder != nullptr && *folder != '\0' ? folder : "/usr/share/zoneinfo";
    path += '/';
    path += zoneId;
    static std::mutex mutex;
    // Never erased: what a row was given stays where it is while other rows add theirs.
    static std::unordered_map<std::string, Result<LoadedZone>> loaded;
    const std::scoped_lock lock(mutex);
    if (const auto known = loaded.find(path); known != loaded.end())
        return known->second;
    bool exists = false;
    Result<LoadedZone> zone = Fail(NotInDatabase(zoneId));
    if (auto problem = ZoneFileProblem(path, exists))
        zone = Fail(std::move(*problem) + ": the zone must be chosen by hand");
    else if (cctz::time_zone read; cctz::load_time_zone(std::string(zoneId), &read))
        zone = LoadedZone{read, MeanTimeOver(read)};
    if (!exists) { // a name no file has: said each time, not kept
        thread_local Result<LoadedZone> missing = Fail(std::string());
        missing = std::move(zone);
        return missing;
    }
    return loaded.emplace(path, std::move(zone)).first->second;
}

} // namespace

Result<ClockReading> ReadClock(std::string_view zoneId, const CivilInstant& local, double longitudeEast)
{
    if (!PlainZoneName(zoneId))
        return Fail(NotInDatabase(zoneId));
    const Result<LoadedZone>& loaded = LoadZone(zoneId);
    if (!loaded)
        return Fail(loaded.error());
    const cctz::time_zone& zone = loaded->zone;
    const cctz::civil_second civil(local.year, local.month, local.day, local.hour, local.minute, 0);
    const auto lookup = zone.lookup(civil);
    ClockReading reading;
    if (const auto end = MeanTimeEndNear(*loaded, lookup.pre)) {
        reading = ReadAroundMeanTime(zone, civil, lookup, *end, longitudeEast);
    } else {
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
    }
    for (const ClockOffset* offset : {&reading.first, &reading.second})
        if (std::abs(offset->seconds) > kMostOffsetSeconds)
            return Fail("The time-zone file of \"" + std::string(zoneId) + "\" gives the clock an offset of "
                        + OffsetName(offset->seconds)
                        + ", more than any clock has had: the zone must be chosen by hand");
    return reading;
}

Result<ClockOffset> ClockAtInstant(std::string_view zoneId, std::int64_t unixSeconds, double longitudeEast)
{
    if (!PlainZoneName(zoneId))
        return Fail(NotInDatabase(zoneId));
    const Result<LoadedZone>& loaded = LoadZone(zoneId);
    if (!loaded)
        return Fail(loaded.error());
    const Seconds at
        = cctz::convert(cctz::civil_second(1970, 1, 1, 0, 0, 0), cctz::utc_time_zone()) + cctz::seconds(unixSeconds);
    ClockOffset offset = OffsetAt(loaded->zone, at);
    if (IsMeanTime(loaded->zone, at))
        offset = ClockOffset{BirthplaceMeanTime(longitudeEast, offset.seconds), 0, "LMT"};
    if (std::abs(offset.seconds) > kMostOffsetSeconds)
        return Fail("The time-zone file of \"" + std::string(zoneId) + "\" gives the clock an offset of "
                    + OffsetName(offset.seconds) + ", more than any clock has had: the zone must be chosen by hand");
    return offset;
}

std::string OffsetName(int seconds)
{
    return "UT" + ReadableOffset(seconds);
}

Result<int> InstantClock::At(std::int64_t unixSeconds) const
{
    if (zoneId.empty())
        return offsetSeconds;
    const Result<ClockOffset> offset = ClockAtInstant(zoneId, unixSeconds, longitudeEast);
    if (!offset)
        return Fail(offset.error());
    return offset->seconds;
}

Result<std::int64_t> InstantClock::UniversalOf(std::int64_t localSeconds) const
{
    // Looked up twice, so that a reading just after a change of the clocks takes the new offset.
    const Result<int> guess = At(localSeconds);
    const Result<int> offset = guess ? At(localSeconds - *guess) : guess;
    if (!offset)
        return Fail(offset.error());
    return localSeconds - *offset;
}

InstantClock FixedClock(int offsetSeconds)
{
    return {{}, 0.0, offsetSeconds, OffsetName(offsetSeconds)};
}

} // namespace tessaline::atlas
