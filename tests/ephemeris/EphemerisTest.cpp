// SPDX-License-Identifier: GPL-3.0-or-later
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

TEST(CenturiesSinceJ2000, IsZeroAtNoonOfJ2000AndMatchesThe1975Example)
{
    EXPECT_DOUBLE_EQ(CenturiesSinceJ2000(2451545, 12), 0.0);
    EXPECT_NEAR(CenturiesSinceJ2000(2442579, 5), -0.245483686972, 1e-12);
}

} // namespace
} // namespace tessaline
