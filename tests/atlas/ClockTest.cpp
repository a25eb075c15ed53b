// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/Clock.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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

// A zone that went back to mean time: the mean-time periods, the period between them, the one just after
// the last and the ones after that (where ReadClock no longer looks for mean time) each read as the database
// has them. zdump -v -c 1850,1960 Africa/Lagos: LMT +0:13:35 until 1905-06-30 23:46:25 UT, GMT until
// 1908-07-01 00:00 UT, LMT again until 1913-12-31 23:46:25 UT, +0:30 until 1919-08-31 23:30 UT, then WAT +1:00.
// The birthplace's longitude is the zone city's mean time, 815 s / 240 s a degree.
TEST(ReadClock, AZoneThatWentBackToMeanTimeReadsEachOfItsPeriods)
{
    const struct {
        CivilInstant local;
        int seconds;
        bool meanTime;
    } cases[] = {
        {{1903, 6, 1, 12, 0}, 815, true},   {{1907, 6, 1, 12, 0}, 0, false},    {{1910, 6, 1, 12, 0}, 815, true},
        {{1915, 6, 1, 12, 0}, 1800, false}, {{1919, 9, 1, 12, 0}, 3600, false}, {{1990, 6, 1, 12, 0}, 3600, false},
    };
    for (const auto& c : cases) {
        const auto reading = ReadClock("Africa/Lagos", c.local, 815.0 / 240.0);
        ASSERT_TRUE(reading.has_value()) << c.local.year;
        EXPECT_EQ(reading->first.seconds, c.seconds) << c.local.year;
        EXPECT_EQ(reading->localMeanTime, c.meanTime) << c.local.year;
    }
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

namespace tessaline::atlas {
namespace {

// Local mean time is the birthplace's longitude at 240 s a degree, on the side of the date line where the
// zone's own mean time lies (zdump -v: Pacific/Tongatapu LMT +12:19:12 until 1945, Asia/Anadyr LMT +11:49:56
// until 1924, Asia/Kuching LMT +7:21:20 until 1926-02-28 16:38:40 UT, then +7:30). Longitudes are GeoNames'.
//  Nuku'alofa 175.201° W: 42048 s behind Greenwich, a day less: 86400 - 42048 = 44352 s ahead (+12:19:12).
//  Provideniya 173.226° W: 41574 s behind, so 86400 - 41574 = 44826 s ahead (+12:27:06).
//  Kota Kinabalu 116.072° E: 27857 s (+7:44:17) until 16:38:40 UT, which its own clock read as 00:22:57 on
//  1 March; from then +7:30 read 00:08:40, so 00:08:40-00:22:57 happened twice and 00:05 once, in mean time.
TEST(ReadClock, LocalMeanTimeLiesOnTheZonesSideOfTheDateLineAndEndsInOneClock)
{
    constexpr int kKotaKinabalu = 27857;
    constexpr int kKuching = 7 * 3600 + 30 * 60;
    const struct {
        const char* zone;
        double longitude;
        CivilInstant local;
        ClockKind kind;
        int first;
        int second;
    } cases[] = {
        {"Pacific/Tongatapu", -175.201, {1940, 6, 1, 12, 0}, ClockKind::Unique, 44352, 44352},
        {"Asia/Anadyr", -173.226, {1910, 6, 1, 12, 0}, ClockKind::Unique, 44826, 44826},
        {"Asia/Kuching", 116.072, {1926, 2, 28, 23, 55}, ClockKind::Unique, kKotaKinabalu, kKotaKinabalu},
        {"Asia/Kuching", 116.072, {1926, 3, 1, 0, 5}, ClockKind::Unique, kKotaKinabalu, kKotaKinabalu},
        {"Asia/Kuching", 116.072, {1926, 3, 1, 0, 15}, ClockKind::Overlap, kKotaKinabalu, kKuching},
        {"Asia/Kuching", 116.072, {1926, 3, 1, 0, 25}, ClockKind::Unique, kKuching, kKuching},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.local.day) + " " + std::to_string(c.local.minute));
        const auto reading = ReadClock(c.zone, c.local, c.longitude).value();
        EXPECT_EQ(reading.kind, c.kind);
        EXPECT_EQ(reading.first.seconds, c.first);
        EXPECT_EQ(reading.second.seconds, c.second);
    }
}

// A zone file is read only when it is a regular file, and an offset no clock ever had is refused: the
// files are made here, a named pipe and a file of the time-zone file format (tzfile(5), version 1) whose
// one clock runs 23:59:59 ahead of Greenwich.
TEST(ReadClock, AZoneFileThatIsNoneOrThatNoClockCouldHaveIsRefused)
{
    const auto folder = std::filesystem::temp_directory_path() / ("tessaline-tz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "Test");
    ASSERT_EQ(::mkfifo((folder / "Test" / "Pipe").c_str(), 0600), 0);
    std::string file = "TZif";
    file.append(16, '\0');
    for (const std::uint32_t count : {0U, 0U, 0U, 0U, 1U, 4U}) // the counts: one type, four bytes of names
        for (int shift = 24; shift >= 0; shift -= 8)
            file += static_cast<char>((count >> shift) & 0xFF);
    file += std::string("\x00\x01\x51\x7F\x00\x00", 6) + std::string("FAR\0", 4); // +86399 s, "FAR"
    std::ofstream(folder / "Test" / "Far", std::ios::binary) << file;
    setenv("TZDIR", folder.c_str(), 1);
    const auto pipe = ReadClock("Test/Pipe", {2000, 1, 1, 12, 0}, 0.0);
    const auto far = ReadClock("Test/Far", {2000, 1, 1, 12, 0}, 0.0);
    unsetenv("TZDIR");
    std::filesystem::remove_all(folder);
    ASSERT_FALSE(pipe.has_value());
    EXPECT_NE(pipe.error().find("is not a regular file"), std::string::npos) << pipe.error();
    ASSERT_FALSE(far.has_value());
    EXPECT_NE(far.error().find("UT+23:59:59, more than any clock has had"), std::string::npos) << far.error();
}

// A zone file is checked where it is first loaded, once per run, not on every row: CCTZ keeps the zone, so a
// file changed afterwards is never read (a named pipe in its place no longer refuses the zone, as it did when
// every reading asked the system again). The offset is CET's, from the system's own database:
//   TZ=Europe/Paris date -d '2000-01-01 12:00' +%z   gives +0100
TEST(ReadClock, AZoneFileIsCheckedOnceWhereItIsLoaded)
{
    const auto folder = std::filesystem::temp_directory_path() / ("tessaline-tz-once-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "Test");
    std::filesystem::copy_file("/usr/share/zoneinfo/Europe/Paris", folder / "Test" / "Once");
    setenv("TZDIR", folder.c_str(), 1);
    const auto first = ReadClock("Test/Once", {2000, 1, 1, 12, 0}, 2.35);
    std::filesystem::remove(folder / "Test" / "Once");
    ASSERT_EQ(::mkfifo((folder / "Test" / "Once").c_str(), 0600), 0);
    const auto again = ReadClock("Test/Once", {2000, 1, 1, 12, 0}, 2.35);
    unsetenv("TZDIR");
    std::filesystem::remove_all(folder);
    ASSERT_TRUE(first.has_value()) << first.error();
    ASSERT_TRUE(again.has_value()) << again.error();
    EXPECT_EQ(again->first.seconds, 3600);
}

// The clock in force at a universal instant, either side of a jump and in summer and winter; the system's own
// reading beside each: TZ=America/New_York date -d @1710053999 +"%F %T %z %Z" (and so on). Guadalajara in 1910
// ran on its own mean time, as above: 1910-05-01 12:00 there is 18:53:24 UT, 1008 s after the capital's
// 12:00 (TZ=America/Mexico_City date -d "1910-05-01 12:00" +%s gives -1883021004): -1883019996.
TEST(ClockAtInstant, GivesTheOffsetInForceThen)
{
    const struct {
        const char* zone;
        std::int64_t at;
        double longitude;
        int seconds;
        const char* abbreviation;
    } cases[] = {
        {"America/New_York", 1710053999, -74.0, -5 * 3600, "EST"}, // 01:59:59 EST, the last second before the jump
        {"America/New_York", 1710054000, -74.0, -4 * 3600, "EDT"}, // 03:00:00 EDT
        {"Europe/Paris", 1719835200, 2.35, 2 * 3600, "CEST"},
        {"Europe/Paris", 1705320000, 2.35, 3600, "CET"},
        {"America/Mexico_City", -1883019996, -103.35, -(6 * 3600 + 53 * 60 + 24), "LMT"},
    };
    for (const auto& c : cases) {
        const auto offset = ClockAtInstant(c.zone, c.at, c.longitude);
        ASSERT_TRUE(offset) << c.zone << ' ' << offset.error();
        EXPECT_EQ(offset->seconds, c.seconds) << c.zone << ' ' << c.at;
        EXPECT_EQ(offset->abbreviation, c.abbreviation) << c.zone << ' ' << c.at;
    }
    EXPECT_FALSE(ClockAtInstant("Nowhere/Atlantis", 0, 0.0));
}

} // namespace
} // namespace tessaline::atlas
