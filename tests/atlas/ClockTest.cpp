// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/Clock.h"

#include <gtest/gtest.h>

namespace tessaline::atlas {
namespace {

// Each expected offset is the published clock history of the place (the tz database's own sources and the
// national laws they cite), not a figure this code produced:
//  London 1944: British Double Summer Time, GMT+2 from 2 April to 17 September 1944.
//  New York 1943: Eastern War Time, GMT-4 all year from 9 February 1942 to 30 September 1945.
//  Kolkata 1901: Madras time, GMT+5:21:10, the railway time of India until 1906.
//  Amsterdam 1920: Amsterdam Mean Time GMT+0:19:32, summer time one hour on it (until 1937).
//  Paris 1975: no summer time (France resumed it on 28 March 1976); Paris July 1976: GMT+2 summer time.
//  Kathmandu 2000: GMT+5:45 since 1 January 1986. Caracas 2010: GMT-4:30 from 9 December 2007 to 1 May 2016.
//  Phoenix July 1990: Arizona keeps MST, GMT-7, all year. Moscow 2012: GMT+4 all year (2011-2014).
TEST(ReadClock, GivesThePublishedHistoricalOffsetOfAPlace)
{
    const struct {
        const char* zone;
        CivilInstant local;
        int seconds;
        int summerSeconds;
        const char* abbreviation; // "" when the history gives none to check
    } cases[] = {
        {"Europe/London", {1944, 6, 6, 12, 0}, 2 * 3600, 2 * 3600, "BDST"},
        {"America/New_York", {1943, 7, 1, 12, 0}, -4 * 3600, 3600, "EWT"},
        {"Asia/Kolkata", {1901, 6, 1, 12, 0}, 5 * 3600 + 21 * 60 + 10, 0, "MMT"},
        {"Europe/Amsterdam", {1920, 6, 1, 12, 0}, 3600 + 19 * 60 + 32, 3600, ""},
        {"Europe/Paris", {1975, 6, 15, 10, 30}, 3600, 0, "CET"},
        {"Europe/Paris", {1976, 7, 1, 12, 0}, 2 * 3600, 3600, "CEST"},
        {"Asia/Kathmandu", {2000, 1, 1, 12, 0}, 5 * 3600 + 45 * 60, 0, ""},
        {"America/Caracas", {2010, 1, 1, 12, 0}, -(4 * 3600 + 30 * 60), 0, ""},
        {"America/Phoenix", {1990, 7, 1, 12, 0}, -7 * 3600, 0, "MST"},
        {"Europe/Moscow", {2012, 7, 1, 12, 0}, 4 * 3600, 0, "MSK"},
    };
    for (const auto& c : cases) {
        const auto result = ReadClock(c.zone, c.local, 0.0);
        ASSERT_TRUE(result.has_value()) << c.zone;
        const auto& reading = result.value();
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.local.year));
        EXPECT_EQ(reading.kind, ClockKind::Unique);
        EXPECT_FALSE(reading.localMeanTime);
        EXPECT_EQ(reading.first.seconds, c.seconds);
        EXPECT_EQ(reading.first.summerSeconds, c.summerSeconds);
        if (*c.abbreviation) {
            EXPECT_EQ(reading.first.abbreviation, c.abbreviation);
        }
    }
}

// Mexico City kept local mean time until 1922. A birth in Guadalajara (103.35° W) in 1910 ran on
// Guadalajara's own mean time: 103.35 × 4 min = 413.4 min = 6 h 53 min 24 s behind Greenwich, not the
// capital's 6:36:36.
TEST(ReadClock, LocalMeanTimeIsTheBirthplacesOwn)
{
    const auto result = ReadClock("America/Mexico_City", {1910, 5, 1, 12, 0}, -103.35);
    ASSERT_TRUE(result.has_value());
    const auto& reading = result.value();
    EXPECT_TRUE(reading.localMeanTime);
    EXPECT_EQ(reading.first.seconds, -(6 * 3600 + 53 * 60 + 24));
    EXPECT_EQ(OffsetName(reading.first.seconds), "UT\u22126:53:24");
}

// The EU's rule: summer time begins on the last Sunday of March at 01:00 UT (clocks 02:00 -> 03:00 in
// Berlin) and ends on the last Sunday of October at 01:00 UT (03:00 -> 02:00). In 2021 those were 28 March
// and 31 October.
TEST(ReadClock, SaysWhenTheClockTimeNeverHappenedOrHappenedTwice)
{
    const auto gap = ReadClock("Europe/Berlin", {2021, 3, 28, 2, 30}, 13.4).value();
    EXPECT_EQ(gap.kind, ClockKind::Gap);
    EXPECT_EQ(gap.first.seconds, 3600);
    EXPECT_EQ(gap.first.summerSeconds, 0);
    EXPECT_EQ(gap.second.seconds, 7200);
    EXPECT_EQ(gap.second.summerSeconds, 3600);

    const auto twice = ReadClock("Europe/Berlin", {2021, 10, 31, 2, 30}, 13.4).value();
    EXPECT_EQ(twice.kind, ClockKind::Overlap);
    EXPECT_EQ(twice.first, (ClockOffset{7200, 3600, "CEST"}));
    EXPECT_EQ(twice.second, (ClockOffset{3600, 0, "CET"}));

    const auto after = ReadClock("Europe/Berlin", {2021, 3, 28, 3, 0}, 13.4).value();
    EXPECT_EQ(after.kind, ClockKind::Unique);
    EXPECT_EQ(after.first.seconds, 7200);
}

TEST(ReadClock, AnUnknownZoneIsRefusedWithItsReason)
{
    for (const char* zone : {"Mars/Olympus_Mons", "", "../../etc/passwd"}) {
        const auto result = ReadClock(zone, {2000, 1, 1, 12, 0}, 0.0);
        ASSERT_FALSE(result.has_value()) << zone;
        EXPECT_NE(result.error().find("not in this computer's time-zone database"), std::string::npos);
    }
}

} // namespace
} // namespace tessaline::atlas
