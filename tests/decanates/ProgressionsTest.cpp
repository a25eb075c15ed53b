// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/Progressions.h"

#include "chart/Sky.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace tessaline {
namespace {

// Every instant below is the ephemeris library's own, by the script kept beside this file:
//   cd tests/decanates && python3 library_progressions.py Y M D HOURS_UT EAST_LON LAT OFFSET_HOURS [SIDEREAL_MODE]
// (the bodies' crossings on the progressed days bisected on the library's apparent longitudes; the Midheaven
// carried on by the solar arc from the library's own natal Midheaven, its Ascendant by the library's house
// routine at the meridian the library converts it to; each progressed day turned into a day of life as
// birth + (day - birth) × 365.24219 and shown on the birth's clock).

struct Birth {
    CivilInstant universal;
    int offsetMinutes; // the birth's clock less universal time
    double eastLongitude;
    double latitude;
    Zodiac zodiac;
};

// ASHA RAO: 15 June 1975, 10:30 IST (05:00 UT), Delhi 77°12′ E, 28°36′ N.
constexpr Birth kDelhi{{1975, 6, 15, 5, 0}, 330, 77.2, 28.6, Zodiac::Tropical};
constexpr Birth kDelhiSidereal{{1975, 6, 15, 5, 0}, 330, 77.2, 28.6, Zodiac::Sidereal};
// A month before the tables' last day: the progressed days run out at age 32 years and 6 months.
constexpr Birth kLate{{2050, 12, 1, 12, 0}, 0, 0.0, 51.5, Zodiac::Tropical};

Chart ChartOf(const Birth& birth)
{
    ChartFacts facts;
    facts.instant = InstantAt(birth.universal, -birth.eastLongitude, birth.latitude);
    facts.clock = AddMinutes(birth.universal, birth.offsetMinutes);
    facts.zodiac = ZodiacChoice{birth.zodiac, Ayanamsa::Lahiri};
    return Chart(facts);
}

struct Entry {
    Body body;
    const char* clock; // the library's crossing on the birth's clock, to the minute
    int edge; // degrees: the edge between the decanate left and the one entered
    bool retrograde;
};

struct TimelineRow {
    const char* name;
    Birth birth;
    std::vector<Body> bodies; // whose changes the row lists in full
    std::vector<Entry> entries;
};

void PrintTo(const TimelineRow& row, std::ostream* out)
{
    *out << row.name;
}

double LocalJulianDay(const char* text)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    EXPECT_EQ(std::sscanf(text, "%d-%d-%dT%d:%d", &y, &mo, &d, &h, &mi), 5) << text;
    return 2440587.5 + static_cast<double>(DaysFromCivil(y, mo, d)) + (h * 60 + mi) / 1440.0;
}

const std::vector<TimelineRow>& Rows()
{
    static const std::vector<TimelineRow> rows{
        {"DelhiSunVenusNeptuneAndTheAngles",
         kDelhi,
         {Body::Sun, Body::Venus, Body::Neptune, Body::Ascendant, Body::Midheaven},
         {{Body::Sun, "1982-04-06T17:47", 90, false},        {Body::Sun, "1992-10-01T10:15", 100, false},
          {Body::Sun, "2003-03-28T00:15", 110, false},       {Body::Sun, "2013-09-19T11:07", 120, false},
          {Body::Sun, "2024-03-07T06:04", 130, false},       {Body::Sun, "2034-08-11T20:51", 140, false},
          {Body::Sun, "2045-01-03T23:22", 150, false},       {Body::Sun, "2055-05-12T21:23", 160, false},
          {Body::Sun, "2065-08-28T23:00", 170, false},       {Body::Venus, "1976-08-30T16:55", 130, false},
          {Body::Venus, "1987-05-31T00:26", 140, false},     {Body::Venus, "1999-09-16T04:00", 150, false},
          {Body::Venus, "2017-09-05T18:02", 160, false},     {Body::Venus, "2036-10-23T05:36", 160, true},
          {Body::Venus, "2054-11-22T09:11", 150, true},      {Body::Neptune, "1977-09-19T11:10", 250, true},
          {Body::Ascendant, "1976-02-19T13:45", 150, false}, {Body::Ascendant, "1987-08-13T20:45", 160, false},
          {Body::Ascendant, "1998-09-30T21:03", 170, false}, {Body::Ascendant, "2009-09-09T09:59", 180, false},
          {Body::Ascendant, "2020-08-14T22:59", 190, false}, {Body::Ascendant, "2031-09-14T18:58", 200, false},
          {Body::Ascendant, "2043-02-06T22:26", 210, false}, {Body::Ascendant, "2054-12-02T15:34", 220, false},
          {Body::Ascendant, "2067-03-09T07:43", 230, false}, {Body::Midheaven, "1978-03-27T14:53", 60, false},
          {Body::Midheaven, "1988-09-20T01:44", 70, false},  {Body::Midheaven, "1999-03-17T09:46", 80, false},
          {Body::Midheaven, "2009-09-09T09:59", 90, false},  {Body::Midheaven, "2020-02-29T19:26", 100, false},
          {Body::Midheaven, "2030-08-10T01:19", 110, false}, {Body::Midheaven, "2041-01-06T20:47", 120, false},
          {Body::Midheaven, "2051-05-23T06:29", 130, false}, {Body::Midheaven, "2061-09-15T14:48", 140, false},
          {Body::Midheaven, "2071-12-22T17:42", 150, false}}},
        // Lahiri's ayanamsa of each progressed day taken off (library mode 1).
        {"DelhiSiderealSun",
         kDelhiSidereal,
         {Body::Sun},
         {{Body::Sun, "1975-06-22T10:58", 60, false},
          {Body::Sun, "1985-12-14T11:44", 70, false},
          {Body::Sun, "1996-06-10T09:19", 80, false},
          {Body::Sun, "2006-12-04T18:03", 90, false},
          {Body::Sun, "2017-05-28T01:03", 100, false},
          {Body::Sun, "2027-11-09T19:00", 110, false},
          {Body::Sun, "2038-04-11T15:16", 120, false},
          {Body::Sun, "2048-08-29T15:43", 130, false},
          {Body::Sun, "2058-12-29T10:45", 140, false},
          {Body::Sun, "2069-04-10T08:46", 150, false}}},
        {"LateBirthMercuryBackAndForthUntilTheTablesEnd",
         kLate,
         {Body::Mercury, Body::Midheaven},
         {{Body::Midheaven, "2058-10-04T18:57", 260, false},
          {Body::Mercury, "2060-09-23T19:00", 260, true},
          {Body::Midheaven, "2068-08-03T09:23", 270, false},
          {Body::Midheaven, "2078-05-29T23:43", 280, false},
          {Body::Mercury, "2083-02-17T04:32", 260, false}}},
    };
    return rows;
}

class ProgressionTimelineTest : public testing::TestWithParam<TimelineRow>
{
};

// Each listed body's changes are the library's (the table lists them body by body), in order, each on the library's day
// of the birth's clock (within half an hour of its instant: the tables keep within 0.006″ of the library, and the
// slowest point listed moves about 1″ a day of life).
TEST_P(ProgressionTimelineTest, ListedBodiesChangeOnTheLibrarysDays)
{
    const TimelineRow& row = GetParam();
    const Chart chart = ChartOf(row.birth);
    const ProgressionTimeline timeline = FindProgressions(chart).value();
    const double offsetDays = row.birth.offsetMinutes / 1440.0;
    for (const Body body : row.bodies) {
        std::vector<ProgressedChange> got;
        std::copy_if(timeline.changes.begin(), timeline.changes.end(), std::back_inserter(got),
                     [&](const ProgressedChange& c) { return c.body == body; });
        std::vector<Entry> want;
        std::copy_if(row.entries.begin(), row.entries.end(), std::back_inserter(want),
                     [&](const Entry& e) { return e.body == body; });
        ASSERT_EQ(got.size(), want.size()) << BodyName(body);
        for (std::size_t i = 0; i < got.size(); ++i) {
            const std::string at = want[i].clock;
            EXPECT_NEAR(got[i].julianDayUT + offsetDays, LocalJulianDay(want[i].clock), 0.5 / 24) << at;
            EXPECT_EQ(got[i].date,
                      (LifeDate{std::stoi(at.substr(0, 4)), std::stoi(at.substr(5, 2)), std::stoi(at.substr(8, 2))}))
                << at;
            const int entered = got[i].entered.signIndex * 30 + (got[i].entered.decanate - 1) * 10;
            EXPECT_EQ(want[i].retrograde ? (entered + 10) % 360 : entered, want[i].edge) << at;
            EXPECT_EQ(got[i].retrograde, want[i].retrograde) << at;
        }
    }
    for (std::size_t i = 1; i < timeline.changes.size(); ++i)
        EXPECT_LE(timeline.changes[i - 1].julianDayUT, timeline.changes[i].julianDayUT);
}

INSTANTIATE_TEST_SUITE_P(Library, ProgressionTimelineTest, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<TimelineRow>& info) { return std::string(info.param.name); });

// The progressed Moon moves 12° to 15° a progressed day, so it enters a new decanate every 8 to 10 months of life:
// the library finds 131 changes in Delhi's hundred years, the first on 29 October 1975, age 0 years 4 months.
TEST(Progressions, TheMoonChangesDecanateAboutEveryTenMonths)
{
    const ProgressionTimeline timeline = FindProgressions(ChartOf(kDelhi)).value();
    std::vector<double> moon;
    for (const ProgressedChange& change : timeline.changes)
        if (change.body == Body::Moon)
            moon.push_back(change.julianDayUT);
    ASSERT_EQ(moon.size(), 131U);
    for (std::size_t i = 1; i < moon.size(); ++i) {
        const double months = (moon[i] - moon[i - 1]) / (365.24219 / 12);
        EXPECT_GT(months, 7.5) << i;
        EXPECT_LT(months, 10.5) << i;
    }
    const auto first = std::find_if(timeline.changes.begin(), timeline.changes.end(),
                                    [](const ProgressedChange& c) { return c.body == Body::Moon; });
    EXPECT_EQ(first->date, (LifeDate{1975, 10, 29}));
    EXPECT_EQ(first->age, (Age{0, 4}));
}

// Age 100 lies within the tables for Delhi (the progressed day is 23 September 1975): a hundred tropical years
// from 15 June 1975 10:30 IST end on 14 June 2075 at 15:45 (36,524.219 days, one short of the calendar's
// hundred years, which hold 25 leap days), at 99 years and 11 months by the calendar. The late birth's progressed
// days end with the tables on 3 January 2051 00:00 UT, which stands for 2083-06-01 20:54 UT of life (worked as
// birth + 32.5 days × 365.24219).
TEST(Progressions, TheTimelineEndsAtAHundredOrWhereTheTablesEnd)
{
    const ProgressionTimeline delhi = FindProgressions(ChartOf(kDelhi)).value();
    EXPECT_FALSE(delhi.clipped);
    EXPECT_EQ(delhi.end, (LifeDate{2075, 6, 14}));
    EXPECT_EQ(delhi.endAge, (Age{99, 11}));
    const ProgressionTimeline late = FindProgressions(ChartOf(kLate)).value();
    EXPECT_TRUE(late.clipped);
    EXPECT_EQ(late.end, (LifeDate{2083, 6, 1}));
    EXPECT_EQ(late.endAge, (Age{32, 6}));
}

// Delhi on 15 June 2020, 10:30 IST, by the same script's progressed_angles and the library's longitudes on the
// progressed day (2442623.71135): Sun 126.43586, Moon 23.58159, Venus 160.81439 (direct), Neptune retrograde,
// Ascendant 189.84907, Midheaven 100.27909.
TEST(Progressions, PositionsOnADateAreTheLibrarys)
{
    const ProgressedPositions on = ProgressedOn(ChartOf(kDelhi), {2020, 6, 15}).value();
    EXPECT_NEAR(on.progressedJulianDayUT, 2442623.71135, 1e-5);
    EXPECT_EQ(on.age, (Age{45, 0}));
    constexpr double kArcsec = 1.0 / 3600;
    EXPECT_NEAR(on.points[0].longitude, 126.43586, kArcsec);
    EXPECT_NEAR(on.points[1].longitude, 23.58159, kArcsec);
    EXPECT_NEAR(on.points[3].longitude, 160.81439, kArcsec);
    EXPECT_NEAR(on.points[10].longitude, 189.84907, 5 * kArcsec);
    EXPECT_NEAR(on.points[11].longitude, 100.27909, 5 * kArcsec);
    EXPECT_EQ(on.points[10].decanate, (SignDecanate{6, 1})); // Libra I
    EXPECT_FALSE(on.points[3].retrograde);
    EXPECT_TRUE(on.points[8].retrograde);
    for (const LifeDate& refused : {LifeDate{1975, 6, 14}, LifeDate{2075, 6, 16}, LifeDate{2021, 2, 29}})
        EXPECT_FALSE(ProgressedOn(ChartOf(kDelhi), refused)) << refused.year;
    EXPECT_FALSE(ProgressedOn(ChartOf(kLate), {2084, 1, 1})); // past the tables' end, short of a hundred
}

// Ages counted by hand: a month is complete on the birth's day of the month, or on the month's last day
// where it has none.
TEST(Progressions, AgesCountWholeYearsAndMonths)
{
    struct AgeRow {
        LifeDate birth, date;
        Age age;
    };
    constexpr AgeRow kRows[] = {
        {{1975, 6, 15}, {1975, 6, 15}, {0, 0}},    {{1975, 6, 15}, {1975, 7, 14}, {0, 0}},
        {{1975, 6, 15}, {1975, 7, 15}, {0, 1}},    {{1975, 6, 15}, {1982, 4, 6}, {6, 9}},
        {{1975, 6, 15}, {1976, 6, 14}, {0, 11}},   {{2000, 1, 31}, {2000, 2, 29}, {0, 1}},
        {{2000, 1, 31}, {2001, 2, 27}, {1, 0}},    {{2000, 2, 29}, {2001, 2, 28}, {1, 0}},
        {{1999, 12, 31}, {2000, 12, 30}, {0, 11}}, {{1999, 12, 31}, {2075, 12, 31}, {76, 0}},
    };
    for (const AgeRow& row : kRows)
        EXPECT_EQ(AgeOn(row.birth, row.date), row.age) << row.date.year << '-' << row.date.month << '-' << row.date.day;
}

} // namespace
} // namespace tessaline
