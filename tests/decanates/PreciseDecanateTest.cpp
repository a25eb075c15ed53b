// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/PositionText.h"
#include "decanates/BirthTimeMargins.h"
#include "decanates/CalculationDriver.h"
#include "decanates/DecanateAssignment.h"

#include <gtest/gtest.h>
#include <string>

namespace tessaline {
namespace {

struct BirthAt {
    int year, month, day, hour, minute, zone;
    const char* lonDegrees;
    const char* lonMinutes;
    bool east;
    const char* latDegrees;
    const char* latMinutes;
    bool south;
};

BirthDataForm Form(const BirthAt& b)
{
    BirthDataForm form;
    form.name = "TEST";
    form.yearPosition = b.year - kFirstYear;
    form.monthPosition = b.month - 1;
    form.dayPosition = b.day - 1;
    form.hour = b.hour;
    form.minute = b.minute;
    form.zonePosition = b.zone;
    form.lonDegrees = b.lonDegrees;
    form.lonMinutes = b.lonMinutes;
    form.isEast = b.east;
    form.latDegrees = b.latDegrees;
    form.latMinutes = b.latMinutes;
    form.isSouth = b.south;
    return form;
}

Chart ChartOf(const BirthAt& birth, EphemerisMode mode)
{
    ChartOptions options;
    options.ephemeris = mode;
    Result<Chart, ValidationFailure> chart = Calculate({Form(birth)}, options);
    EXPECT_TRUE(chart.has_value());
    return chart ? std::move(chart).value() : Chart(ChartFacts{});
}

// Two births where a scan of classic charts found Saturn a few minutes of arc from a decanate edge. Saturn's
// apparent longitude there, from astronomy-engine (tests/ephemeris/precise-reference.js): 30.05375° on
// 1939-09-21 07:08 UT and 230.06451° on 2043-11-04 07:22 UT, so the precise entries are 00 Tau 03 and
// 20 Sco 03.
struct PartingCase {
    const char* label;
    BirthAt birth;
    const char* precisePosition;
    const char* decanateName;
    const char* decanateSign;
    const char* sentence;
};

const PartingCase kParting[] = {
    {"AcrossASign",
     {1939, 9, 21, 20, 8, 46, "8", "8", false, "8", "56", false}, // zone 46: UT +13:00
     "00 Tau 03",
     "First Decanate",
     "Taurus",
     "A precise ephemeris puts Saturn at 00 Tau 03, in the first decanate (Taurus), ruled by Venus."},
    {"WithinASign",
     {2043, 11, 3, 22, 22, 0, "142", "22", false, "52", "34", false}, // zone 0: UT -9:00
     "20 Sco 03",
     "Third Decanate",
     "Cancer",
     "A precise ephemeris puts Saturn at 20 Sco 03, in the third decanate (Cancer), ruled by The Moon."},
};

TEST(PreciseDecanate, ClassicChartNamesThePreciseDecanateWhereTheTwoPart)
{
    for (const PartingCase& c : kParting) {
        const Chart classic = ChartOf(c.birth, EphemerisMode::Classic);
        ASSERT_TRUE(classic.Precise(Body::Saturn).has_value()) << c.label;
        const PreciseDecanate& named = *classic.Precise(Body::Saturn);
        EXPECT_EQ(FormatPositionEntry(named.longitude), c.precisePosition) << c.label;
        EXPECT_EQ(DecanateTexts(named.decanate).DecanateName, c.decanateName) << c.label;
        EXPECT_EQ(DecanateTexts(named.decanate).DecanateSign, c.decanateSign) << c.label;
        EXPECT_NE(classic.DecanateTextsOf(Body::Saturn).DecanateSign, c.decanateSign) << c.label;
        EXPECT_EQ(classic.PreciseSentence(Body::Saturn), c.sentence) << c.label;

        // The precise chart shows that decanate itself, and names nothing beside it.
        const Chart precise = ChartOf(c.birth, EphemerisMode::Precise);
        EXPECT_EQ(precise.Position(Body::Saturn), c.precisePosition) << c.label;
        EXPECT_EQ(precise.DecanateTextsOf(Body::Saturn).DecanateSign, c.decanateSign) << c.label;
        for (std::size_t body = 0; body < kDecanateBodyCount; ++body)
            EXPECT_FALSE(precise.Precise(Body(body))) << c.label << " body " << body;
    }
}

// 1975-06-15 10:30 in Delhi: every body lies over half a degree from a decanate edge by astronomy-engine
// (tests/ephemeris/precise-reference.js), further than any classic error, so nothing is named.
TEST(PreciseDecanate, NothingIsNamedWhereBothAgree)
{
    const Chart classic
        = ChartOf({1975, 6, 15, 10, 30, 34, "77", "12", true, "28", "36", false}, EphemerisMode::Classic);
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        EXPECT_FALSE(classic.Precise(Body(body))) << body;
        EXPECT_EQ(classic.PreciseSentence(Body(body)), "");
    }
}

// The margins follow the chart's mode: by astronomy-engine the apparent Moon reaches 160° (from the second
// into the third decanate of Virgo) at 13:57:35 UT on 1975-06-15, 19:27:35 on Delhi's clock, so a precise
// chart entered for 19:00 there changes decanate from 19:28 on.
TEST(PreciseDecanate, MarginsUseThePrecisePositions)
{
    const Chart precise
        = ChartOf({1975, 6, 15, 19, 0, 34, "77", "12", true, "28", "36", false}, EphemerisMode::Precise);
    const BirthTimeMargin& moon = precise.Margin(Body::Moon);
    ASSERT_TRUE(moon.changesAfter);
    EXPECT_EQ(*moon.changesAfter, (CivilInstant{1975, 6, 15, 19, 28}));
    EXPECT_FALSE(moon.changesBefore);
}

} // namespace
} // namespace tessaline
