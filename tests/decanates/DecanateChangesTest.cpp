// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/DecanateChanges.h"

#include "ephemeris/PreciseEphemeris.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace tessaline {
namespace {

// Every instant below is the ephemeris library's own, by bisection on its apparent longitude of date (the mean
// node for Rahu; Lahiri's ayanamsa taken off for the sidereal row), with the script kept beside this file:
//   python3 tests/decanates/library_crossings.py BODY Y M D Y M D [SIDEREAL_MODE]
// (BODY: 0 Sun, 1 Moon, 2 Mercury, 4 Mars, 9 Pluto, 10 mean node; SIDEREAL_MODE 1 is Lahiri).
struct Crossing {
    const char* instant; // UT, to the second
    int edge; // degrees: the edge between the decanate left and the one entered
    bool retrograde;
};

struct ChangesRow {
    const char* name;
    Body body;
    Zodiac zodiac;
    CivilInstant from;
    CivilInstant to;
    long tolerance; // seconds: 0.1" of the tables' fit, at the body's speed then, with room
    std::vector<Crossing> crossings;
};

void PrintTo(const ChangesRow& row, std::ostream* out)
{
    *out << row.name;
}

std::int64_t UnixSeconds(const char* text)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    EXPECT_EQ(std::sscanf(text, "%d-%d-%dT%d:%d:%dZ", &y, &mo, &d, &h, &mi, &s), 6) << text;
    return DaysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
}

const std::vector<ChangesRow>& Rows()
{
    static const std::vector<ChangesRow> rows{
        {"SunAroundTheEquinox",
         Body::Sun,
         Zodiac::Tropical,
         {2024, 3, 20},
         {2024, 5, 1},
         5,
         {{"2024-03-20T03:06:24Z", 0, false},
          {"2024-03-30T05:24:17Z", 10, false},
          {"2024-04-09T08:59:20Z", 20, false},
          {"2024-04-19T13:59:46Z", 30, false},
          {"2024-04-29T20:28:58Z", 40, false}}},
        {"MercuryCrossesOneEdgeThreeTimesAroundItsStations",
         Body::Mercury,
         Zodiac::Tropical,
         {2024, 3, 1},
         {2024, 6, 1},
         5,
         {{"2024-03-05T00:11:28Z", 350, false},
          {"2024-03-10T04:02:56Z", 0, false},
          {"2024-03-15T13:02:03Z", 10, false},
          {"2024-03-21T23:56:28Z", 20, false},
          {"2024-04-15T08:58:36Z", 20, true},
          {"2024-05-05T18:38:26Z", 20, false},
          {"2024-05-15T17:05:10Z", 30, false},
          {"2024-05-22T21:45:29Z", 40, false},
          {"2024-05-28T23:09:12Z", 50, false}}},
        {"MercuryInAndOutWithinHoursOfItsStation",
         Body::Mercury,
         Zodiac::Tropical,
         {1970, 1, 1},
         {1970, 1, 8},
         120,
         {{"1970-01-04T04:20:18Z", 300, false}, {"1970-01-04T11:59:22Z", 300, true}}},
        {"MarsOutAndBackWithinTwoDaysOfItsStation",
         Body::Mars,
         Zodiac::Tropical,
         {1961, 1, 20},
         {1961, 2, 20},
         300,
         {{"1961-02-05T00:25:19Z", 90, true}, {"1961-02-07T05:22:57Z", 90, false}}},
        {"PlutoLeavesCapricornReturnsAndLeavesAgain",
         Body::Pluto,
         Zodiac::Tropical,
         {2024, 1, 1},
         {2025, 1, 1},
         300,
         {{"2024-01-21T00:56:10Z", 300, false},
          {"2024-09-01T23:57:27Z", 300, true},
          {"2024-11-19T20:39:41Z", 300, false}}},
        {"TheMeanNodeGoesBackwards",
         Body::Rahu,
         Zodiac::Tropical,
         {2024, 1, 1},
         {2025, 1, 1},
         60,
         {{"2024-01-17T13:30:52Z", 20, true}, {"2024-07-24T10:09:38Z", 10, true}}},
        {"SunInTheLahiriZodiac",
         Body::Sun,
         Zodiac::Sidereal,
         {2024, 4, 1},
         {2024, 5, 1},
         5,
         {{"2024-04-03T11:25:26Z", 350, false},
          {"2024-04-13T15:34:24Z", 0, false},
          {"2024-04-23T21:14:31Z", 10, false}}},
    };
    return rows;
}

class DecanateChangesTest : public testing::TestWithParam<ChangesRow>
{
};

TEST_P(DecanateChangesTest, EveryCrossingOnceAtTheLibrarysInstant)
{
    const ChangesRow& row = GetParam();
    const DecanateChangeRequest request{JulianDayUT(row.from), JulianDayUT(row.to), {row.body}, {row.zodiac}};
    const auto changes = FindDecanateChanges(request);
    ASSERT_TRUE(changes) << changes.error();
    ASSERT_EQ(changes->size(), row.crossings.size());
    for (std::size_t i = 0; i < row.crossings.size(); ++i) {
        const DecanateChange& change = (*changes)[i];
        const Crossing& expected = row.crossings[i];
        EXPECT_NEAR(change.unixSeconds, UnixSeconds(expected.instant), row.tolerance) << expected.instant;
        EXPECT_EQ(change.retrograde, expected.retrograde) << expected.instant;
        const int below = (expected.edge + 350) % 360 / 10; // the decanate below the edge, counted from 0° Aries
        const int above = expected.edge / 10;
        const SignDecanate left{(expected.retrograde ? above : below) / 3,
                                (expected.retrograde ? above : below) % 3 + 1};
        const SignDecanate entered{(expected.retrograde ? below : above) / 3,
                                   (expected.retrograde ? below : above) % 3 + 1};
        EXPECT_EQ(change.left, left) << expected.instant;
        EXPECT_EQ(change.entered, entered) << expected.instant;
    }
}

INSTANTIATE_TEST_SUITE_P(Library, DecanateChangesTest, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<ChangesRow>& info) { return std::string(info.param.name); });

// The Moon changes decanate 40 times in January 2024 and 39 in February (the library, as above, body 1).
TEST(DecanateChanges, TheMoonsChangesInAMonth)
{
    for (const auto& [from, to, count] : {std::tuple{CivilInstant{2024, 1, 1}, CivilInstant{2024, 2, 1}, 40u},
                                          std::tuple{CivilInstant{2024, 2, 1}, CivilInstant{2024, 3, 1}, 39u}}) {
        const auto changes = FindDecanateChanges({JulianDayUT(from), JulianDayUT(to), {Body::Moon}, {}});
        ASSERT_TRUE(changes) << changes.error();
        EXPECT_EQ(changes->size(), count);
    }
}

// A change found from two starts, its looks falling elsewhere, is the same second: a calendar's events keep
// their names from one range to the next.
TEST(DecanateChanges, TheSameSecondWhateverTheRange)
{
    const double end = JulianDayUT({2024, 3, 1});
    const auto whole = FindDecanateChanges({JulianDayUT({2024, 1, 1}), end, {Body::Moon}, {}});
    const auto later = FindDecanateChanges({JulianDayUT({2024, 2, 10, 7, 13}), end, {Body::Moon}, {}});
    ASSERT_TRUE(whole && later);
    ASSERT_FALSE(later->empty());
    const auto first = std::find_if(whole->begin(), whole->end(), [&](const DecanateChange& change) {
        return change.julianDayUT >= later->front().julianDayUT - 1.0 / 24;
    });
    ASSERT_EQ(whole->end() - first, static_cast<std::ptrdiff_t>(later->size()));
    for (std::size_t i = 0; i < later->size(); ++i)
        EXPECT_EQ(first[static_cast<std::ptrdiff_t>(i)].unixSeconds, (*later)[i].unixSeconds);
}

// Ranges the ephemeris cannot give, or that say nothing, fail in words instead of listing nothing.
TEST(DecanateChanges, RangesWithoutAnswerFail)
{
    const double start = JulianDayUT({2024, 1, 1});
    const struct {
        double from;
        double to;
        std::vector<Body> bodies;
    } rows[] = {
        {start, start, {Body::Sun}}, // empty
        {start, start - 1.0, {Body::Sun}}, // reversed
        {JulianDayUT({1901, 1, 1}), JulianDayUT({2060, 1, 1}), {Body::Sun}}, // longer than 150 years
        {JulianDayUT({2050, 6, 1}), JulianDayUT({2052, 1, 1}), {Body::Sun}}, // past the ephemeris
        {start, start + 10.0, {Body::Ascendant}}, // no decanate of its own
    };
    for (const auto& row : rows)
        EXPECT_FALSE(FindDecanateChanges({row.from, row.to, row.bodies, {}})) << row.from << ' ' << row.to;
}

} // namespace
} // namespace tessaline
