// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/Suggestion.h"

#include <gtest/gtest.h>

namespace tessaline::atlas {
namespace {

// Row numbers are the zone list's (tessaline-chart --zones): 15 British Double Summer Time, 20 Central
// European Time, 27 Eastern Standard Time, 28 Eastern War Time, 29 Greenwich Mean Time, 34 Indian Time.
TEST(SuggestZone, PicksTheRowAndTickThatExpressTheClock)
{
    const struct {
        const char* what;
        ClockOffset offset;
        int row;
        bool tick;
    } cases[] = {
        {"double summer time has its own row", {7200, 7200, "BDST"}, 15, false},
        {"war time has its own row", {-4 * 3600, 3600, "EWT"}, 28, false},
        {"an hour of summer time is the standard row ticked", {-4 * 3600, 3600, "EDT"}, 27, true},
        {"summer time in Paris", {7200, 3600, "CEST"}, 20, true},
        {"standard time", {3600, 0, "CET"}, 20, false},
        {"Greenwich", {0, 0, "GMT"}, 29, false},
        {"India", {5 * 3600 + 30 * 60, 0, "IST"}, 34, false},
    };
    for (const auto& c : cases) {
        const auto suggestion = SuggestZone(ClockReading{ClockKind::Unique, c.offset, c.offset, false},
                                            SuggestionContext{"Here", "Europe/Here", {1975, 6, 15, 10, 30}, 0.0});
        EXPECT_EQ(suggestion.kind, SuggestionKind::Row) << c.what;
        EXPECT_EQ(suggestion.row, c.row) << c.what;
        EXPECT_EQ(suggestion.tick, c.tick) << c.what;
    }
}

// Offsets no row has: the exact one, rounded to the minute (expected as a correction, west positive).
TEST(SuggestZone, UsesTheExactOffsetWhenNoRowFits)
{
    const struct {
        const char* what;
        ClockOffset offset;
        bool localMeanTime;
        int hours;
        int minutes;
    } cases[] = {
        {"Kathmandu +5:45", {5 * 3600 + 45 * 60, 0, "+0545"}, false, -5, -45},
        {"Caracas -4:30", {-(4 * 3600 + 30 * 60), 0, "-0430"}, false, 4, 30},
        {"Amsterdam summer 1920 +1:19:32", {3600 + 19 * 60 + 32, 3600, "NST"}, false, -1, -20},
        {"Madras time +5:21:10", {5 * 3600 + 21 * 60 + 10, 0, "MMT"}, false, -5, -21},
        {"local mean time at 103°21'W", {-(6 * 3600 + 53 * 60 + 24), 0, "LMT"}, true, 6, 53},
    };
    for (const auto& c : cases) {
        const auto suggestion = SuggestZone(ClockReading{ClockKind::Unique, c.offset, c.offset, c.localMeanTime},
                                            SuggestionContext{"Here", "Asia/Here", {1920, 6, 1, 12, 0}, -103.35});
        EXPECT_EQ(suggestion.kind, SuggestionKind::ExactOffset) << c.what;
        EXPECT_EQ(suggestion.exact.seconds, -(c.hours * 60 + c.minutes) * 60) << c.what;
        EXPECT_NE(suggestion.sentence.find("no zone in the list matches it"), std::string::npos) << suggestion.sentence;
    }
}

TEST(SuggestZone, SaysWhatItFoundInOneSentence)
{
    const ClockOffset summer{7200, 3600, "CEST"};
    const auto suggestion = SuggestZone(ClockReading{ClockKind::Unique, summer, summer, false},
                                        SuggestionContext{"Paris", "Europe/Paris", {1976, 7, 1, 12, 0}, 2.35});
    EXPECT_EQ(suggestion.sentence,
              "Paris, 1 July 1976, 12:00: clocks ran UT+2:00, summer time (CEST) \u2192 Central "
              "European Time with daylight saving.");
    const ClockOffset mean{-(6 * 3600 + 53 * 60 + 24), 0, "LMT"};
    EXPECT_EQ(SuggestZone(ClockReading{ClockKind::Unique, mean, mean, true},
                          SuggestionContext{"Guadalajara", "America/Mexico_City", {1910, 5, 1, 12, 0}, -103.35})
                  .sentence,
              "Guadalajara, 1 May 1910, 12:00: clocks ran on local mean time at 103\u00b021\u2032W, UT\u22126:53:24; "
              "no zone in the list matches it, so the chart uses UT\u22126:53.");
}

// Berlin 2021: 02:30 on 28 March never happened; 02:30 on 31 October happened in CEST, then in CET.
TEST(SuggestZone, ReadsAGapAsNotYetPutForwardAndLetsTheTickChooseInAnOverlap)
{
    const ClockOffset cet{3600, 0, "CET"};
    const ClockOffset cest{7200, 3600, "CEST"};
    const auto gap = SuggestZone(ClockReading{ClockKind::Gap, cet, cest, false},
                                 SuggestionContext{"Berlin", "Europe/Berlin", {2021, 3, 28, 2, 30}, 13.4});
    EXPECT_EQ(gap.row, 20);
    EXPECT_FALSE(gap.tick);
    EXPECT_NE(gap.sentence.find("never existed"), std::string::npos);

    for (const bool earlier : {true, false}) {
        const auto twice
            = SuggestZone(ClockReading{ClockKind::Overlap, cest, cet, false},
                          SuggestionContext{"Berlin", "Europe/Berlin", {2021, 10, 31, 2, 30}, 13.4, earlier});
        EXPECT_EQ(twice.row, 20);
        EXPECT_EQ(twice.tick, earlier);
        EXPECT_EQ(twice.clockSeconds, earlier ? 7200 : 3600);
        EXPECT_NE(twice.sentence.find("happened twice"), std::string::npos);
    }
}

TEST(ZoneWarnings, CatchSummerTimeCountedTwiceAndAZoneFarFromTheLongitude)
{
    EXPECT_TRUE(IsSummerOrWarRow(16)); // British Summer Time
    EXPECT_TRUE(IsSummerOrWarRow(24)); // Eastern Daylight Time
    EXPECT_TRUE(IsSummerOrWarRow(28)); // Eastern War Time
    EXPECT_TRUE(IsSummerOrWarRow(15)); // British Double Summer Time
    EXPECT_FALSE(IsSummerOrWarRow(20)); // Central European Time
    EXPECT_FALSE(IsSummerOrWarRow(-1));

    // 15 degrees an hour: New York (74° W) is 4.9 h west; Madrid (3.7° W) keeps CET, 1.2 h from its longitude.
    EXPECT_FALSE(FarFromLongitude(UtcOffset{-5 * 3600}, -74.0));
    EXPECT_FALSE(FarFromLongitude(UtcOffset{3600}, -3.7));
    EXPECT_TRUE(FarFromLongitude(UtcOffset{3600}, -74.0));
    EXPECT_TRUE(FarFromLongitude(UtcOffset{-5 * 3600}, 2.35));
    EXPECT_FALSE(FarFromLongitude(UtcOffset{12 * 3600}, -179.0)); // across the date line: one hour
}

} // namespace
} // namespace tessaline::atlas
