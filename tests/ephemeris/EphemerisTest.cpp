// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/BirthMoment.h"
#include "chart/Engines.h"
#include "ephemeris/JulianDay.h"
#include "ephemeris/Moon.h"

#include <gtest/gtest.h>
#include <string>

namespace tessaline {
namespace {

struct JdnCase {
    int year, month, day;
    double jdn;
};

TEST(JulianDayNumber, MatchesPublishedDayNumbers)
{
    // A date in every month, each from an independent day count:
    //   python3 -c "from datetime import date; print(date(1904, 2, 29).toordinal() + 1721425)"
    // (1957-10-04 and 1969-07-20 agree with the published 2436116 and 2440423.)
    const JdnCase cases[] = {
        {2000, 1, 1, 2451545},   {1901, 1, 1, 2415386},  {2050, 12, 31, 2470172}, {1992, 4, 12, 2448725},
        {1582, 10, 15, 2299161}, {1582, 10, 4, 2299160}, // the calendar reform: consecutive days
        {1975, 4, 31, 2442534}, // 31 April counts on to 1 May
        {1975, 5, 1, 2442534},   {1900, 2, 28, 2415079}, {1900, 3, 1, 2415080},   {1900, 12, 31, 2415385},
        {1904, 2, 29, 2416540},  {1918, 3, 1, 2421654},  {1929, 4, 30, 2425732},  {1945, 5, 8, 2431584},
        {1953, 6, 2, 2434531},   {1969, 7, 20, 2440423}, {1977, 8, 16, 2443372},  {1987, 9, 30, 2447069},
        {1957, 10, 4, 2436116},  {1989, 11, 9, 2447840}, {2000, 2, 29, 2451604},  {2023, 9, 1, 2460189},
        {2050, 12, 30, 2470171},
    };
    for (const JdnCase& c : cases)
        EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.jdn) << c.year << '-' << c.month << '-' << c.day;
}

struct MomentCase {
    const char* label;
    int hour, minute;
    ZoneCorrection zone;
    int lonDegrees, lonMinutes;
    bool east, dst;
    double universalTime;
    double signedLongitude;
};

class BirthUniversalTimeTest : public testing::TestWithParam<MomentCase>
{
};

TEST_P(BirthUniversalTimeTest, TakesTheZonesOwnDirection)
{
    const MomentCase& c = GetParam();
    BirthRecord record;
    record.hour = static_cast<std::int16_t>(c.hour);
    record.minute = static_cast<std::int16_t>(c.minute);
    record.lonDegrees = static_cast<std::int16_t>(c.lonDegrees);
    record.lonMinutes = static_cast<std::int16_t>(c.lonMinutes);
    record.isEast = c.east ? kTrue : kFalse;
    record.daylightSaving = c.dst ? kTrue : kFalse;
    const BirthMoment moment = BirthUniversalTime(record, c.zone);
    EXPECT_DOUBLE_EQ(moment.universalTime, c.universalTime);
    EXPECT_NEAR(moment.signedLongitude, c.signedLongitude, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BirthUniversalTimeTest,
    testing::Values(MomentCase{"Greenwich", 12, 0, {0, 0}, 0, 0, false, false, 12.0, 0.0},
                    MomentCase{"IndianZoneEast", 10, 30, {-5, -30}, 77, 12, true, false, 5.0, -77.2},
                    MomentCase{"EasternZoneWestWithDst", 18, 45, {5, 0}, 73, 58, false, true, 22.75, 73.0 + 58 / 60.0},
                    MomentCase{"EarlyMorningEastGoesBelowZero", 2, 0, {-5, -30}, 77, 12, true, false, -3.5, -77.2},
                    // A birthplace west of Greenwich whose clocks run an hour ahead: the zone decides.
                    MomentCase{"WestOfGreenwichInZoneAhead", 12, 0, {-1, 0}, 3, 0, false, false, 11.0, 3.0},
                    MomentCase{"EastOfGreenwichInZoneBehind", 12, 0, {1, 0}, 3, 0, true, true, 12.0, -3.0},
                    MomentCase{"ZeroLongitudeEastOption", 9, 0, {-1, 0}, 0, 0, true, true, 7.0, 0.0}),
    [](const testing::TestParamInfo<MomentCase>& info) { return std::string(info.param.label); });

TEST(CenturiesSinceJ2000, IsZeroAtNoonOfJ2000AndMatchesThe1975Example)
{
    EXPECT_DOUBLE_EQ(CenturiesSinceJ2000(2451545, 12), 0.0);
    EXPECT_NEAR(CenturiesSinceJ2000(2442579, 5), -0.245483686972, 1e-12);
}

struct MoonCase {
    const char* label;
    int year, month, day, hour, minute;
    ZoneCorrection zone;
    bool dst;
    double lambda; // < 0 when only the text is known
    const char* text;
};

class MoonTest : public testing::TestWithParam<MoonCase>
{
};

TEST_P(MoonTest, MatchesWorkedExample)
{
    const MoonCase& c = GetParam();
    ChartState state;
    BirthRecord& r = state.birthRecord;
    r.year = static_cast<std::int16_t>(c.year);
    r.month = static_cast<std::int16_t>(c.month);
    r.day = static_cast<std::int16_t>(c.day);
    r.hour = static_cast<std::int16_t>(c.hour);
    r.minute = static_cast<std::int16_t>(c.minute);
    r.daylightSaving = c.dst ? kTrue : kFalse;
    state.zoneCorrection = c.zone;
    ASSERT_TRUE(StoreBirthInstant(state).has_value());
    Moon_Calculation(state);
    EXPECT_EQ(state.moonPosition, c.text);
    if (c.lambda >= 0) {
        EXPECT_NEAR(state.longitudes[ToIndex(BodyIndex::Moon)], c.lambda, 1e-8);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, MoonTest,
    testing::Values(MoonCase{"J2000", 2000, 1, 1, 12, 0, {0, 0}, false, 223.316102916, "13° 18' 57\" Sco"},
                    MoonCase{"April1992", 1992, 4, 12, 0, 0, {0, 0}, false, 133.158083853, "13° 9' 29\" Leo"},
                    MoonCase{"Delhi1975", 1975, 6, 15, 10, 30, {-5, -30}, false, 154.651918149, "4° 39' 6\" Vir"},
                    MoonCase{"NewYork1985Dst", 1985, 7, 4, 18, 45, {5, 0}, true, 314.172791845, "14° 10' 22\" Aqu"},
                    MoonCase{"NewYork1985", 1985, 7, 4, 18, 45, {5, 0}, false, -1, "14° 43' 43\" Aqu"},
                    MoonCase{"FirstDayOfTheRange", 1901, 1, 1, 0, 0, {0, 0}, false, -1, "18° 18' 36\" Tau"},
                    MoonCase{"LastMinuteOfTheRange", 2050, 12, 31, 23, 59, {-12, 0}, false, -1, "18° 37' 54\" Leo"}),
    [](const testing::TestParamInfo<MoonCase>& info) { return std::string(info.param.label); });

// A leap day, away from the worked examples' months. The full lunar theory at the same instant read as
// dynamical time, mean equinox of date (astronomy-engine from npm):
//   node -e "const A=require('astronomy-engine');let t=A.MakeTime(new Date('2024-02-29T12:00Z'));
//            t=t.AddDays(t.ut-t.tt);console.log(A.EclipticGeoMoon(t).lon-A.e_tilt(t).dpsi/3600)"
// gives 214.4233; the 25 terms keep within about 0.02° of it. A day off moves the Moon 13°.
TEST(MoonLongitude, LeapDayAgreesWithTheFullTheory)
{
    ChartState state;
    BirthRecord& r = state.birthRecord;
    r.year = 2024;
    r.month = 2;
    r.day = 29;
    r.hour = 12;
    ASSERT_TRUE(StoreBirthInstant(state).has_value());
    Moon_Calculation(state);
    EXPECT_NEAR(state.longitudes[ToIndex(BodyIndex::Moon)], 214.4233, 0.03);
}

} // namespace
} // namespace tessaline
