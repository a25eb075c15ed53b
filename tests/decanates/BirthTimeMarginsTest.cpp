// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/BirthTimeMargins.h"

#include "chart/BirthMoment.h"
#include "decanates/CalculationDriver.h"
#include "decanates/DecanateAssignment.h"
#include "ephemeris/CivilTime.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <utility>

namespace tessaline {
namespace {

BirthDataForm Form(int year, int month, int day, int hour, int minute, int zone, bool dst,
                   std::string lonDegrees = "77", std::string lonMinutes = "12", bool east = true)
{
    BirthDataForm form;
    form.name = "TEST";
    form.yearPosition = year - kFirstYear;
    form.monthPosition = month - 1;
    form.dayPosition = day - 1;
    form.hour = hour;
    form.minute = minute;
    form.zonePosition = zone;
    form.daylightSaving = dst;
    form.lonDegrees = std::move(lonDegrees);
    form.lonMinutes = std::move(lonMinutes);
    form.isEast = east;
    form.latDegrees = "28";
    form.latMinutes = "36";
    return form;
}

// The chart of a form that must pass.
Chart Charted(const BirthDataForm& form)
{
    Result<Chart, ValidationFailure> chart = Calculate({form}, {});
    EXPECT_TRUE(chart.has_value());
    return chart ? std::move(chart).value() : Chart(ChartFacts{});
}

// The window the program promises, written out rather than taken from the code.
constexpr int kThreeHours = 3 * 60;

// The margins by their definition: enter every clock time minute by minute, up to three hours either
// way, through the whole calculation, and look for the first chart whose decanate differs.
std::array<BirthTimeMargin, kDecanateBodyCount> MarginsByEnteringEveryMinute(const BirthDataForm& form)
{
    const Chart chart = Charted(form);
    const CivilInstant clock{kFirstYear + form.yearPosition, form.monthPosition + 1, form.dayPosition + 1, form.hour,
                             form.minute};
    std::array<BirthTimeMargin, kDecanateBodyCount> margins;
    for (int direction : {-1, +1}) {
        for (int minutes = 1; minutes <= kThreeHours; ++minutes) {
            const CivilInstant at = AddMinutes(clock, direction * minutes);
            BirthDataForm shifted = form;
            shifted.yearPosition = at.year - kFirstYear;
            shifted.monthPosition = at.month - 1;
            shifted.dayPosition = at.day - 1;
            shifted.hour = at.hour;
            shifted.minute = at.minute;
            const Chart other = Charted(shifted);
            for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
                auto& found = direction < 0 ? margins[body].changesBefore : margins[body].changesAfter;
                if (!found && other.Decanate(Body(body)) != chart.Decanate(Body(body)))
                    found = at;
            }
        }
    }
    return margins;
}

void ExpectSameMargins(const BirthDataForm& form)
{
    const Chart state = Charted(form);
    const auto expected = MarginsByEnteringEveryMinute(form);
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        EXPECT_EQ(state.Margin(Body(body)).changesBefore, expected[body].changesBefore) << BodyName(Body(body));
        EXPECT_EQ(state.Margin(Body(body)).changesAfter, expected[body].changesAfter) << BodyName(Body(body));
    }
}

TEST(BirthTimeMargins, MoonMinutesFromAnEdge)
{
    // 1975-06-15 at Delhi: the Moon stands at 4° 39' Virgo at 10:30 and runs about half a degree an
    // hour, so at 19:26 it is at 9° 5x' Virgo, a few minutes short of the second decanate.
    const BirthDataForm form = Form(1975, 6, 15, 19, 26, 34, false);
    const Chart state = Charted(form);
    ASSERT_EQ(state.Position(Body::Moon).substr(0, 7), "09 Vir ");
    const BirthTimeMargin& moon = state.Margin(Body::Moon);
    ASSERT_TRUE(moon.changesAfter);
    EXPECT_LE(moon.changesAfter->hour * 60 + moon.changesAfter->minute, 19 * 60 + 26 + 10);
    EXPECT_FALSE(moon.changesBefore);
    ExpectSameMargins(form);
}

TEST(BirthTimeMargins, MoonTwoAndAHalfHoursFromAnEdge)
{
    // The same Moon entered at 17:00 reaches the second decanate about two and a half hours later: inside
    // the window, but outside a window of two hours.
    const BirthDataForm form = Form(1975, 6, 15, 17, 0, 34, false);
    const Chart state = Charted(form);
    const auto& after = state.Margin(Body::Moon).changesAfter;
    ASSERT_TRUE(after);
    EXPECT_GT(after->hour * 60 + after->minute, 19 * 60);
    ExpectSameMargins(form);
}

TEST(BirthTimeMargins, NoBodyChanges)
{
    // 2000-01-01 12:00 GMT: the Sun at 10° 22' Capricorn, the Moon at 13° 18' Scorpio and every planet
    // more than a degree from an edge but Venus (1° 34'), which moves a quarter of a degree in a day.
    const BirthDataForm form = Form(2000, 1, 1, 12, 0, 29, false, "0", "0", false);
    const Chart state = Charted(form);
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        EXPECT_FALSE(state.Margin(Body(body)).changesBefore) << BodyName(Body(body));
        EXPECT_FALSE(state.Margin(Body(body)).changesAfter) << BodyName(Body(body));
        EXPECT_EQ(MarginSentence(state.Margin(Body(body)), state.Clock()), "");
    }
    ExpectSameMargins(form);
}

TEST(BirthTimeMargins, RetrogradePlanetLeavesItsDecanateBackwards)
{
    // 1 September 2024: Pluto, retrograde, stands a few arcseconds short of 0° Aquarius, so going back in
    // time it reaches the edge above it, not the one below.
    const BirthDataForm form = Form(2024, 9, 1, 4, 6, 64, false);
    const Chart state = Charted(form);
    ASSERT_EQ(state.Position(Body::Pluto), "29 Cap 59");
    EXPECT_TRUE(state.Margin(Body::Pluto).changesBefore);
    EXPECT_FALSE(state.Margin(Body::Pluto).changesAfter);
    ExpectSameMargins(form);
}

TEST(BirthTimeMargins, AgreeWithEnteringEveryMinuteForManyBirths)
{
    std::mt19937 random(20261207);
    for (int i = 0; i < 100; ++i) {
        const int year = std::uniform_int_distribution(1901, 2050)(random);
        const int month = std::uniform_int_distribution(1, 12)(random);
        const int day = std::uniform_int_distribution(1, 28)(random);
        const int hour = std::uniform_int_distribution(0, 23)(random);
        const int minute = std::uniform_int_distribution(0, 59)(random);
        const int zone = std::uniform_int_distribution(0, 70)(random);
        SCOPED_TRACE(testing::Message() << year << '-' << month << '-' << day << ' ' << hour << ':' << minute
                                        << " zone " << zone);
        ExpectSameMargins(Form(year, month, day, hour, minute, zone, i % 2 == 1));
    }
}

TEST(MarginSentence, NamesTheClockTimesAtWhichTheDecanateStillHolds)
{
    const CivilInstant birth{1975, 6, 15, 10, 30};
    const CivilInstant before{1975, 6, 15, 9, 13};
    const CivilInstant after{1975, 6, 15, 13, 3};
    EXPECT_EQ(MarginSentence({before, after}, birth),
              "The decanate changes if the birth was before 09:14 or after 13:02");
    EXPECT_EQ(MarginSentence({before, std::nullopt}, birth), "The decanate changes if the birth was before 09:14");
    EXPECT_EQ(MarginSentence({std::nullopt, CivilInstant{1975, 6, 16, 0, 0}}, birth),
              "The decanate changes if the birth was after 23:59");
    EXPECT_EQ(MarginSentence({}, birth), "");
}

// A margin whose last minute falls on another calendar day than the birth names that day. The dates are
// plain calendar arithmetic: the minute after 23:59 is 00:00 of the next day, 2024 is a leap year.
struct DayCase {
    const char* label;
    CivilInstant birth;
    BirthTimeMargin margin;
    const char* sentence;
};

class MarginDay : public testing::TestWithParam<DayCase>
{
};

TEST_P(MarginDay, NamesTheDayWhenItIsNotTheBirthDay)
{
    EXPECT_EQ(MarginSentence(GetParam().margin, GetParam().birth), GetParam().sentence);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, MarginDay,
    testing::Values(DayCase{"BeforeMidnight",
                            {1975, 6, 15, 1, 0},
                            {CivilInstant{1975, 6, 14, 22, 23}, std::nullopt},
                            "The decanate changes if the birth was before 22:24 on 14 June 1975"},
                    DayCase{"AfterMidnight",
                            {1975, 6, 15, 23, 10},
                            {std::nullopt, CivilInstant{1975, 6, 16, 1, 5}},
                            "The decanate changes if the birth was after 01:04 on 16 June 1975"},
                    DayCase{"LastMinuteIsTheBirthDay",
                            {1975, 6, 15, 1, 0},
                            {CivilInstant{1975, 6, 14, 23, 59}, std::nullopt},
                            "The decanate changes if the birth was before 00:00"},
                    DayCase{"AcrossNewYear",
                            {2050, 1, 1, 0, 30},
                            {CivilInstant{2049, 12, 31, 22, 23}, std::nullopt},
                            "The decanate changes if the birth was before 22:24 on 31 December 2049"},
                    DayCase{"IntoNewYear",
                            {1999, 12, 31, 23, 0},
                            {CivilInstant{1999, 12, 31, 21, 0}, CivilInstant{2000, 1, 1, 1, 30}},
                            "The decanate changes if the birth was before 21:01 or after 01:29 on 1 January 2000"},
                    DayCase{"LeapDay",
                            {2024, 3, 1, 0, 20},
                            {CivilInstant{2024, 2, 29, 22, 0}, std::nullopt},
                            "The decanate changes if the birth was before 22:01 on 29 February 2024"}),
    [](const testing::TestParamInfo<DayCase>& info) { return std::string(info.param.label); });

} // namespace
} // namespace tessaline
