// SPDX-License-Identifier: GPL-3.0-or-later
// The placed birth's zone rules without a window: a place, its clock history and the hand's choices give the
// zone a chart uses. The offsets are the clocks' as the time-zone database publishes them:
//   zdump -v -c 1980,1990 Asia/Kathmandu    +0530 until 1985-12-31 23:59:59, +0545 from 1986-01-01 00:15
//   zdump -v -c 2000,2001 Australia/Sydney  AEDT +11 until 2000-03-26 02:59:59, then AEST +10 (02:00 to 02:59
//                                           happened twice); AEDT again from 2000-08-27 03:00
#include "atlas/PlacedBirth.h"

#include "atlas/PlaceText.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tessaline::atlas {
namespace {

constexpr const char* kTwoPlaces = "TESSALINE-ATLAS\t1\nsource\ttest\nzones\t2\nAsia/Kathmandu\nAustralia/Sydney\n"
                                   "countries\t2\nNP\tNepal\nAU\tAustralia\nregions\t0\nfold\t0\nplaces\t2\n"
                                   "Kathmandu\t\t0\t\t27717\t85317\t1442271\t0\tC\t1283240\n"
                                   "Sydney\t\t1\t\t-33868\t151207\t4627345\t1\t\t2147714\n";

// One step of what a person does in the form.
struct Step {
    enum { Date, Row, Tick, Exact, Reading, Apply, Drop } what;
    CivilInstant when{}; // Date
    int value = 0; // Row: the list position; Tick, Reading: 1 for true; Exact: minutes east
};

struct ZoneCase {
    const char* name;
    const char* place;
    CivilInstant local;
    std::vector<Step> steps;
    int minutesEast; // the clock the chart reads
    bool exact; // an exact offset rather than a row of the list
    bool handChose;
};

class PlacedBirthZones : public ::testing::TestWithParam<ZoneCase>
{
protected:
    static void SetUpTestSuite()
    {
        auto parsed = Atlas::Parse(kTwoPlaces, "test.tsv");
        ASSERT_TRUE(parsed) << parsed.error();
        atlas_ = parsed->release();
    }
    static void TearDownTestSuite()
    {
        delete atlas_;
        atlas_ = nullptr;
    }
    static inline Atlas* atlas_ = nullptr;
};

TEST_P(PlacedBirthZones, GiveTheZoneTheChartUses)
{
    const ZoneCase& c = GetParam();
    const auto place = ResolvePlace(*atlas_, c.place);
    ASSERT_TRUE(place);
    PlacedBirth birth;
    birth.SetLocalTime(c.local);
    birth.ChoosePlace(*atlas_, **place);
    for (const Step& step : c.steps) {
        switch (step.what) {
        case Step::Date:
            birth.SetLocalTime(step.when);
            break;
        case Step::Row:
            birth.ChooseRow(step.value);
            break;
        case Step::Tick:
            birth.ChooseTick(step.value != 0);
            break;
        case Step::Exact:
            birth.ChooseZone(ZoneInUse{true, -1, false, UtcOffset{step.value * 60}, {}});
            break;
        case Step::Reading:
            birth.ChooseReading(step.value != 0);
            break;
        case Step::Apply:
            birth.Apply();
            break;
        case Step::Drop:
            birth.DropPlace(PlaceDropped::CoordinatesEdited);
            break;
        }
    }
    const ZoneInUse zone = birth.Zone();
    EXPECT_EQ(zone.Offset().seconds, c.minutesEast * 60);
    EXPECT_EQ(zone.exact, c.exact);
    EXPECT_EQ(birth.HandChose(), c.handChose);
}

constexpr CivilInstant kNepal1980{1980, 6, 15, 12, 0};
constexpr CivilInstant kNepal1990{1990, 6, 15, 12, 0};
constexpr CivilInstant kSydneyJanuary{2000, 1, 15, 12, 0};
constexpr CivilInstant kSydneyJune{2000, 6, 15, 12, 0};
constexpr CivilInstant kSydneyTwice{2000, 3, 26, 2, 30};

INSTANTIATE_TEST_SUITE_P(
    ClockHistoryAndHand, PlacedBirthZones,
    ::testing::Values(
        ZoneCase{"NepalBefore1986IsARow", "Kathmandu", kNepal1980, {}, 330, false, false},
        ZoneCase{"NepalFrom1986IsExact", "Kathmandu", kNepal1990, {}, 345, true, false},
        ZoneCase{"NewDateNewSuggestion", "Kathmandu", kNepal1990, {{Step::Date, kNepal1980}}, 330, false, false},
        ZoneCase{"HandWinsWhateverTheDate",
                 "Kathmandu",
                 kNepal1990,
                 {{Step::Exact, {}, 360}, {Step::Date, kNepal1980}},
                 360,
                 true,
                 true},
        ZoneCase{"ApplyBringsTheSuggestionBack",
                 "Kathmandu",
                 kNepal1990,
                 {{Step::Exact, {}, 360}, {Step::Date, kNepal1980}, {Step::Apply}},
                 330,
                 false,
                 false},
        ZoneCase{"DroppedPlaceKeepsItsZone",
                 "Kathmandu",
                 kNepal1990,
                 {{Step::Drop}, {Step::Date, kNepal1980}},
                 345,
                 true,
                 true},
        ZoneCase{"SydneySummer", "Sydney", kSydneyJanuary, {}, 660, false, false},
        ZoneCase{"SydneyWinter", "Sydney", kSydneyJune, {}, 600, false, false},
        ZoneCase{"TickByHandOnARow", "Sydney", kSydneyJune, {{Step::Tick, {}, 1}}, 660, false, true},
        ZoneCase{"TwiceEarlierByDefault", "Sydney", kSydneyTwice, {}, 660, false, false},
        ZoneCase{"TwiceLaterReading", "Sydney", kSydneyTwice, {{Step::Reading, {}, 0}}, 600, false, false},
        ZoneCase{"TwiceTickChoosesTheReading", "Sydney", kSydneyTwice, {{Step::Tick, {}, 0}}, 600, false, false}),
    [](const ::testing::TestParamInfo<ZoneCase>& info) { return std::string(info.param.name); });

// A place's coordinates reach the form rounded to the arc-minute, on their own side of the globe.
TEST(RoundToArcMinute, RoundsTheMagnitudeToTheNearestMinute)
{
    const struct {
        double degrees;
        int whole, minutes;
    } cases[] = {
        {-89.644, 89, 39}, // 0.644 * 60 = 38.64
        {151.207, 151, 12}, // 12.42
        {27.7417, 27, 45}, // 44.502
        {59.9999, 60, 0}, // a minute's carry reaches the degrees
        {-0.0083, 0, 0}, // 0.498
    };
    for (const auto& c : cases) {
        const ArcMinutes rounded = RoundToArcMinute(c.degrees);
        EXPECT_EQ(rounded.degrees, c.whole) << c.degrees;
        EXPECT_EQ(rounded.minutes, c.minutes) << c.degrees;
    }
}

} // namespace
} // namespace tessaline::atlas
