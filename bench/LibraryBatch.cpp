// SPDX-License-Identifier: GPL-3.0-or-later
// The births of a bench/batch.sh file (name,date,time,zone,lon,lat,dst) straight from the ephemeris library:
// the ten bodies and the mean node (swe_calc_ut, SEFLG_SWIEPH) and the Ascendant and Midheaven
// (swe_houses_ex), one line of longitudes per birth; no margins, no texts. What a program calling the library
// for each chart spends, for bench/library-batch.sh to set beside the chart tool.
//   library_batch BATCH.csv > /dev/null

#include "chart/ZoneTable.h"
#include "ephemeris/CivilTime.h"
#include "ephemeris/PreciseEphemeris.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <swephexp.h>
#include <vector>

namespace {

// "77E12" or "28S36" as signed degrees, east and north positive.
double Coordinate(const std::string& text)
{
    const std::size_t hemisphere = text.find_first_of("EWNS");
    const double degrees = std::stod(text.substr(0, hemisphere)) + std::stod(text.substr(hemisphere + 1)) / 60.0;
    return text[hemisphere] == 'W' || text[hemisphere] == 'S' ? -degrees : degrees;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s BATCH.csv\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1]);
    std::string line;
    std::getline(in, line); // header
    swe_set_ephe_path(nullptr);
    constexpr std::array<int, 11> kBodies{SE_SUN,    SE_MOON,   SE_MERCURY, SE_VENUS, SE_MARS,     SE_JUPITER,
                                          SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MEAN_NODE};
    std::array<double, 6> x{};
    std::array<char, AS_MAXCH> error{};
    std::array<double, 13> cusps{};
    std::array<double, 10> ascmc{};
    std::array<char, 64> number{};
    std::string out;
    std::size_t rows = 0;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream split(line);
        for (std::string field; std::getline(split, field, ',');)
            fields.push_back(field);
        tessaline::CivilInstant clock{std::stoi(fields[1].substr(0, 4)), std::stoi(fields[1].substr(5, 2)),
                                      std::stoi(fields[1].substr(8, 2)), std::stoi(fields[2].substr(0, 2)),
                                      std::stoi(fields[2].substr(3, 2))};
        const tessaline::ZoneRow& zone = tessaline::ZoneTable()[std::stoul(fields[3])];
        const int correction = zone.correctionHours * 60 + zone.correctionMinutes - 60 * std::stoi(fields[6]);
        const double jd = tessaline::JulianDayUT(tessaline::AddMinutes(clock, correction));
        out.clear();
        for (const int body : kBodies) {
            if (swe_calc_ut(jd, body, SEFLG_SWIEPH, x.data(), error.data()) < 0) {
                std::fprintf(stderr, "%s\n", error.data());
                return 1;
            }
            std::snprintf(number.data(), number.size(), "%.9f,", x[0]);
            out += number.data();
        }
        swe_houses_ex(jd, 0, Coordinate(fields[5]), Coordinate(fields[4]), 'O', cusps.data(), ascmc.data());
        std::snprintf(number.data(), number.size(), "%.9f,%.9f\n", ascmc[SE_ASC], ascmc[SE_MC]);
        out += number.data();
        std::fwrite(out.data(), 1, out.size(), stdout);
        ++rows;
    }
    std::fprintf(stderr, "library_batch: %zu births\n", rows);
    return 0;
}
