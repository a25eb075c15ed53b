// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the rows of tests/ephemeris/library-values.inc: every precise point from the ephemeris library
// itself at a few instants and places chosen where the tables could slip (see the comments beside them).
//   build/release/tests/ephemeris/print_library_values > tests/ephemeris/library-values.inc

#include "LibraryPoints.h"

#include <cstdio>

int main()
{
    using namespace tessaline;
    struct Place {
        double julianDayUT, west, latitude;
        const char* why;
    };
    constexpr Place kPlaces[] = {
        {2415382.5, 0.0, 0.0, "the tables' first instant, 1900-12-29 00:00"},
        {2470174.5, -77.2, 28.6, "their last, 2051-01-03 00:00"},
        {2415385.5 - 14.0 / 24, 0.0, 51.5, "1901-01-01 00:00 at +14:00"},
        {2451545.0, -151.2, -33.8667, "J2000.0, Sydney"},
        {2442578.5 + 5.0 / 24, -77.2, 28.6, "1975-06-15 05:00, Delhi"},
        {2447516.625, 21.95, 64.15, "1988-12-21 03:00, Reykjavik"},
        {2440423.5 + 20.0 / 24 + 17.0 / 1440, 74.0, 66.0, "1969-07-20 20:17 at 66 N"},
        {2428228.5 + 18.75 / 24, -18.95, -66.0, "1936-02-29 18:45 at 66 S"},
        {2455479.5 + 10.0 / 24 + 10.0 / 1440, -18.95, 69.65, "2010-10-10 10:10, above the polar circle"},
        {2451545.0, 33.56, 80.0, "80 N, where the Ascendant is the point after the Midheaven"},
        {2451673.70, 74.0, 40.7167, "Mercury 0.05 degrees from the Sun's centre"},
        {2469807.5 - 1.0 / 1440, -0.1, 51.5, "2049-12-31 23:59, a minute before ..."},
        {2469807.5, -0.1, 51.5, "... the library's mean sidereal time changes model"},
        {2460389.5 + 3.0 / 24 + 6.0 / 1440, 0.0, 0.0, "2024-03-20 03:06, the equinox"},
        {2470171.5 + 23.0 / 24 + 59.0 / 1440, 0.0, -45.0, "2050-12-31 23:59"},
    };
    swe_set_ephe_path(nullptr);
    std::array<char, AS_MAXCH> version{};
    std::printf("// The ephemeris library's own values (%s), printed by tests/ephemeris/PrintLibraryValues.cpp:\n"
                "//   build/release/tests/ephemeris/print_library_values > tests/ephemeris/library-values.inc\n"
                "// {Julian day UT, west longitude, latitude, {Sun .. Pluto}, mean node, {Lahiri, Raman,\n"
                "//  Krishnamurti, Fagan/Bradley, True Chitrapaksha}, Ascendant, Midheaven}\n",
                swe_version(version.data()));
    for (const Place& p : kPlaces) {
        std::printf("{%.9f, %g, %g, {", p.julianDayUT, p.west, p.latitude);
        for (int body = 0; body < kPreciseBodyCount; ++body)
            std::printf("%s%.9f", body > 0 ? ", " : "", library::Longitude(library::kBodies[body], p.julianDayUT));
        std::printf("}, %.9f, {", library::Longitude(SE_MEAN_NODE, p.julianDayUT));
        for (int i = 0; i < kAyanamsaCount; ++i)
            std::printf("%s%.9f", i > 0 ? ", " : "", library::Ayanamsa(static_cast<Ayanamsa>(i), p.julianDayUT));
        const PreciseAngles angles = library::Angles(p.julianDayUT, p.west, p.latitude);
        std::printf("}, %.9f, %.9f}, // %s\n", angles.ascendant, angles.midheaven, p.why);
    }
    return 0;
}
