// SPDX-License-Identifier: GPL-3.0-or-later
// The ephemeris tables against the ephemeris library itself, over the whole span: at 100,000 random instants
// and at both sides of every edge between the tables' segments, every point within 0.1" of the library, the
// Ascendant and Midheaven within 1" up to 66° of latitude. Prints the largest difference of each point.

#include "LibraryPoints.h"

#include "ephemeris/EphemerisTableFormat.h"
#include "ephemeris/EphemerisTables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <vector>

namespace tessaline {
namespace {

constexpr double kPointTolerance = 0.1; // arcseconds
constexpr double kAngleTolerance = 1.0;
constexpr double kJustBefore = 1e-6; // days: 0.09 s, the end of the part before an edge

// Points in the order of the tables' series: bodies, mean node, the ayanamsas, then Ascendant and Midheaven.
constexpr std::size_t kNode = kPreciseBodyCount;
constexpr std::size_t kFirstAyanamsa = kNode + 1;
constexpr std::size_t kAscendant = kFirstAyanamsa + kAyanamsaCount;
constexpr std::size_t kPointCount = kAscendant + 2;

struct Worst {
    std::array<double, kPointCount> arcseconds{};
    std::array<double, kPointCount> at{};

    void Note(std::size_t point, double tabulated, double library, double julianDayUT)
    {
        const double error = std::abs(std::remainder(tabulated - library, 360.0)) * 3600.0;
        if (error > arcseconds[point]) {
            arcseconds[point] = error;
            at[point] = julianDayUT;
        }
    }
};

// The points of one series' kind at an instant; the nutation's series reaches every point that adds it.
void Compare(const TabulatedInstant& tables, tables::Series series, double latitude, Worst& worst)
{
    const double jd = tables.JulianDayUT();
    const auto s = static_cast<std::size_t>(series);
    const bool all = series == tables::Series::Count || series == tables::Series::NutationInLongitude;
    for (std::size_t body = 0; body < kPreciseBodyCount; ++body)
        if (all || s == body)
            worst.Note(body, tables.Longitude(static_cast<Body>(body)), library::Longitude(library::kBodies[body], jd),
                       jd);
    if (all || series == tables::Series::MeanNode)
        worst.Note(kNode, tables.MeanNode(), library::Longitude(SE_MEAN_NODE, jd), jd);
    for (int i = 0; i < kAyanamsaCount; ++i)
        if (all || s == static_cast<std::size_t>(tables::Series::Lahiri) + i)
            worst.Note(kFirstAyanamsa + i, tables.AyanamsaDegrees(static_cast<Ayanamsa>(i)),
                       library::Ayanamsa(static_cast<Ayanamsa>(i), jd), jd);
    if (all || series == tables::Series::TrueObliquity || series == tables::Series::SiderealOffset) {
        const double west = 360.0 * std::fmod(jd * 7.31, 1.0) - 180.0; // any place, varied with the instant
        const PreciseAngles ours = tables.ChartAngles(west, latitude);
        const PreciseAngles theirs = library::Angles(jd, west, latitude);
        worst.Note(kAscendant, ours.ascendant, theirs.ascendant, jd);
        worst.Note(kAscendant + 1, ours.midheaven, theirs.midheaven, jd);
    }
}

// Every edge between parts of every series, read from the tables' file.
std::vector<std::pair<tables::Series, double>> Edges()
{
    std::ifstream file(TESSALINE_EPHEMERIS_TABLES_FILE, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    std::vector<std::pair<tables::Series, double>> edges;
    for (std::uint32_t s = 0; s < tables::kSeriesCount; ++s) {
        tables::SeriesEntry e{};
        std::memcpy(&e, bytes.data() + sizeof(tables::Header) + s * sizeof(e), sizeof(e));
        std::uint32_t part = 0;
        for (std::uint32_t base = 0; base < e.baseCount; ++base) {
            std::uint32_t word = 0;
            std::memcpy(&word, bytes.data() + e.indexAt + 4 * base, sizeof(word));
            double start = e.first + base * e.length;
            for (std::uint32_t i = 0; i < (word & tables::kMostParts); ++i, ++part) {
                edges.emplace_back(static_cast<tables::Series>(s), start);
                start += std::ldexp(e.length, -static_cast<int>(static_cast<unsigned char>(bytes[e.levelsAt + part])));
            }
        }
    }
    return edges;
}

TEST(EphemerisAgreement, EveryPointWithinATenthOfASecondOfTheLibrary)
{
    swe_set_ephe_path(nullptr);
    const TabulatedSpan span = EphemerisTablesSpan();
    std::mt19937_64 random(20240601);
    std::uniform_real_distribution<double> instant(span.first, span.last);
    std::uniform_real_distribution<double> latitude(-66.0, 66.0);

    // Random instants in time order, which the library reads its files fastest in.
    std::vector<double> instants(100000);
    std::generate(instants.begin(), instants.end(), [&] { return instant(random); });
    std::sort(instants.begin(), instants.end());
    Worst worst;
    for (const double jd : instants)
        Compare(*TabulatedInstant::At(jd), tables::Series::Count, latitude(random), worst);

    std::size_t edgeCount = 0;
    for (const auto& [series, edge] : Edges()) {
        for (const double jd : {edge, edge - kJustBefore}) {
            if (const auto at = TabulatedInstant::At(jd)) {
                Compare(*at, series, latitude(random), worst);
                ++edgeCount;
            }
        }
    }

    constexpr std::array<const char*, kPointCount> kNames{
        "Sun",       "Moon",     "Mercury",   "Venus",  "Mars",  "Jupiter",      "Saturn",        "Uranus",
        "Neptune",   "Pluto",    "mean node", "Lahiri", "Raman", "Krishnamurti", "Fagan/Bradley", "True Chitrapaksha",
        "Ascendant", "Midheaven"};
    std::printf("Largest difference from the library at %zu instants and %zu edge instants:\n", instants.size(),
                edgeCount);
    for (std::size_t point = 0; point < kPointCount; ++point) {
        std::printf("  %-18s %.6f\" at JD %.6f\n", kNames[point], worst.arcseconds[point], worst.at[point]);
        EXPECT_LE(worst.arcseconds[point], point >= kAscendant ? kAngleTolerance : kPointTolerance) << kNames[point];
    }
}

} // namespace
} // namespace tessaline
