// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/Transits.h"

#include "chart/Sky.h"
#include "ephemeris/PreciseEphemeris.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace tessaline {
namespace {

// The sky of 9 December 2026, 12:00 UT by the ephemeris library itself, with the script kept beside this file:
//   cd tests/decanates && python3 library_transits.py 2026 12 9 12.0
// (apparent longitude of date, the library's daily speed, the first decanate change after the instant). Saturn,
// Uranus, Neptune and the node move backwards; Jupiter, nearly stationary, leaves backwards.
struct SkyRow {
    Body body;
    bool retrograde;
    double longitude;
    const char* leaves; // UT, to the second
};

constexpr SkyRow kSky[] = {
    {Body::Sun, false, 257.418068, "2026-12-12T00:57:29"},
    {Body::Moon, false, 262.490946, "2026-12-10T03:08:40"},
    {Body::Mercury, false, 244.777818, "2026-12-12T21:43:42"},
    {Body::Venus, false, 213.549294, "2026-12-17T13:34:48"},
    {Body::Mars, false, 154.862449, "2027-01-02T04:45:39"},
    {Body::Jupiter, false, 147.004038, "2027-02-26T21:27:47"},
    {Body::Saturn, true, 7.933044, "2027-01-28T17:02:14"},
    {Body::Uranus, true, 63.113370, "2028-05-30T09:26:22"},
    {Body::Neptune, true, 1.616296, "2029-05-08T04:34:37"},
    {Body::Pluto, false, 303.746784, "2029-03-27T06:21:32"},
    {Body::Rahu, true, 324.035125, "2027-02-23T17:09:59"},
};

double UniversalJulianDay(const char* text)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    EXPECT_EQ(std::sscanf(text, "%d-%d-%dT%d:%d:%d", &y, &mo, &d, &h, &mi, &s), 6) << text;
    return 2440587.5 + static_cast<double>(DaysFromCivil(y, mo, d)) + (h * 3600 + mi * 60 + s) / 86400.0;
}

// A chart whose Sun stands in the first decanate of Aquarius and whose Moon and Venus stand in the first of Aries.
Chart Natal()
{
    ChartFacts facts;
    facts.name = "ASHA RAO";
    facts.decanates.fill(SignDecanate{5, 2});
    facts.decanates[ToIndex(Body::Sun)] = {10, 1};
    facts.decanates[ToIndex(Body::Moon)] = {0, 1};
    facts.decanates[ToIndex(Body::Venus)] = {0, 1};
    return Chart(facts);
}

TEST(Transits, EveryBodyWhereTheLibraryPutsItAndWhenItLeaves)
{
    const Chart natal = Natal();
    const double now = JulianDayUT({2026, 12, 9, 12, 0});
    const Result<Transits> transits = TransitsAt(natal, now);
    ASSERT_TRUE(transits) << transits.error();
    for (const SkyRow& row : kSky) {
        const TransitPoint& point = *transits->Find(row.body);
        EXPECT_NEAR(point.longitude, row.longitude, 1e-3) << BodyName(row.body);
        EXPECT_EQ(point.Retrograde(), row.retrograde) << BodyName(row.body);
        const auto leaves = NextDecanateChange(row.body, now, natal.Zodiac());
        ASSERT_TRUE(leaves && *leaves) << BodyName(row.body);
        // A minute's room: the slow bodies cross at a few arc-seconds a day, and the tables fit to 0.1".
        EXPECT_NEAR(((*leaves)->julianDayUT - UniversalJulianDay(row.leaves)) * 1440.0, 0.0, 60.0)
            << BodyName(row.body);
    }
    EXPECT_NEAR(transits->Find(Body::Ketu)->longitude, 144.035125, 1e-3);
}

TEST(Transits, SentencesNameTheChartsBodiesAndTheDayTheDecanateIsLeft)
{
    const Chart natal = Natal();
    const Result<Transits> transits = TransitsAt(natal, JulianDayUT({2026, 12, 9, 12, 0}));
    ASSERT_TRUE(transits);
    struct Row {
        Body body;
        std::optional<CivilInstant> leaves;
        const char* sentence;
    };
    const Row rows[] = {
        {Body::Saturn, CivilInstant{2027, 1, 28},
         "Saturn is in your Moon's and Venus's decanate, the first of Aries (Aries), until 28 January 2027."},
        {Body::Pluto, CivilInstant{2029, 3, 27},
         "Pluto is in your Sun's decanate, the first of Aquarius (Aquarius), until 27 March 2029."},
        {Body::Mars, CivilInstant{2027, 1, 2}, "Mars is in the first decanate of Virgo (Virgo), until 2 January 2027."},
        {Body::Uranus, std::nullopt,
         "Uranus is in the first decanate of Gemini (Gemini), past the tables' end (2050)."},
    };
    for (const Row& row : rows) {
        const TransitPoint& point = *transits->Find(row.body);
        EXPECT_EQ(TransitSentence(point, natal, row.leaves), row.sentence);
    }
}

TEST(Transits, OutsideTheTablesIsRefusedWithTheYearsThatCanBeCharted)
{
    const Chart natal = Natal();
    for (const double julianDay : {JulianDayUT({1900, 6, 1}), JulianDayUT({2051, 6, 1}), std::nan(""),
                                   std::numeric_limits<double>::infinity()}) {
        const Result<Transits> transits = TransitsAt(natal, julianDay);
        ASSERT_FALSE(transits);
        EXPECT_NE(transits.error().find("from 1901 to 2050"), std::string::npos) << transits.error();
        EXPECT_FALSE(NextDecanateChange(Body::Sun, julianDay, natal.Zodiac()));
    }
}

} // namespace
} // namespace tessaline
