// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the ephemeris tables: Chebyshev fits of what the ephemeris library gives for the precise
// positions, so that the programs need neither the library nor its data files.
//   ephemeris_tables_generator OUTPUT.bin
// Reads the library's data files from SE_EPHE_PATH when set, else from its installed data folder, and stops
// when a position comes from anywhere else. Prints one line per series: its size and the largest
// difference from the library at its check points.

#include "ephemeris/EphemerisTableFormat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <numbers>
#include <string>
#include <swephexp.h>
#include <vector>

namespace {

using tessaline::tables::Series;

// 1900-12-29 00:00 UT to 2051-01-03 00:00 UT: the accepted years 1901–2050 and what a birth on their first
// or last day can reach (zones of −12 to +14 hours, local mean time, three hours of margins either way).
constexpr double kFirstJulianDayUT = 2415382.5;
constexpr double kLastJulianDayUT = 2470174.5;

// The library's mean sidereal time changes model at 2050-01-01 00:00 UT, with a step of about 1.9";
// the sidereal series keeps a segment edge there.
constexpr double kSiderealModelChange = 2469807.5;

struct SeriesPlan {
    Series series;
    std::uint32_t flags;
    double length; // days per base segment
    std::uint32_t coefficients;
    std::uint32_t doubles; // leading coefficients kept as doubles
    double offset;
    double tolerance; // arcseconds; a base segment is cut until every part is within it
    std::uint32_t mostLevels;
    double anchor = kFirstJulianDayUT; // a segment edge
};

constexpr std::uint32_t kAngle = tessaline::tables::kFlagAngle;
constexpr std::uint32_t kPlusNutation = tessaline::tables::kFlagPlusNutation;

// The Moon's own positions wander by about 0.0005" from one call to the next; nothing smoother fits them
// closer, so its tolerance sits above that.
const std::array<SeriesPlan, tessaline::tables::kSeriesCount> kPlans{{
    {Series::Sun, kAngle | kPlusNutation, 16, 12, 2, 0.0, 0.001, 2},
    {Series::Moon, kAngle, 8, 13, 3, 0.0, 0.0015, 2},
    {Series::Mercury, kAngle | kPlusNutation, 8, 12, 2, 0.0, 0.0005, 12},
    {Series::Venus, kAngle | kPlusNutation, 8, 12, 2, 0.0, 0.0005, 12},
    {Series::Mars, kAngle | kPlusNutation, 16, 14, 2, 0.0, 0.0005, 12},
    {Series::Jupiter, kAngle | kPlusNutation, 16, 12, 2, 0.0, 0.0005, 12},
    {Series::Saturn, kAngle | kPlusNutation, 16, 12, 2, 0.0, 0.0005, 12},
    {Series::Uranus, kAngle | kPlusNutation, 16, 12, 2, 0.0, 0.0005, 12},
    {Series::Neptune, kAngle | kPlusNutation, 16, 12, 2, 0.0, 0.0005, 12},
    {Series::Pluto, kAngle | kPlusNutation, 16, 12, 2, 0.0, 0.0005, 12},
    {Series::MeanNode, kAngle | kPlusNutation, 64, 6, 2, 0.0, 0.0001, 3},
    {Series::NutationInLongitude, 0, 32, 28, 0, 0.0, 0.00001, 2},
    {Series::TrueObliquity, 0, 32, 26, 0, 23.44, 0.00001, 2},
    {Series::SiderealOffset, 0, 175, 8, 1, 0.0, 0.0001, 6, kSiderealModelChange},
    {Series::Lahiri, kPlusNutation, 64, 8, 1, 0.0, 0.0001, 3},
    {Series::Raman, kPlusNutation, 64, 8, 1, 0.0, 0.0001, 3},
    {Series::Krishnamurti, kPlusNutation, 64, 8, 1, 0.0, 0.0001, 3},
    {Series::FaganBradley, kPlusNutation, 64, 8, 1, 0.0, 0.0001, 3},
    {Series::TrueChitrapaksha, kPlusNutation, 16, 12, 1, 0.0, 0.0005, 12},
}};

constexpr std::array<int, 11> kLibraryBody{SE_SUN,    SE_MOON,   SE_MERCURY, SE_VENUS, SE_MARS,     SE_JUPITER,
                                           SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MEAN_NODE};
constexpr std::array<int, 5> kLibraryAyanamsa{SE_SIDM_LAHIRI, SE_SIDM_RAMAN, SE_SIDM_KRISHNAMURTI,
                                              SE_SIDM_FAGAN_BRADLEY, SE_SIDM_TRUE_CITRA};

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "ephemeris_tables_generator: %s\n", what.c_str());
    std::exit(1);
}

// The library's answer for one series at one instant, as the programs asked for it: swe_calc_ut with
// SEFLG_SWIEPH alone, swe_get_ayanamsa_ex_ut with the same flag, swe_sidtime0 without the nutation in
// longitude (the evaluator adds the equation of the equinoxes).
double LibraryValue(Series series, double julianDayUT)
{
    std::array<double, 6> x{};
    std::array<char, AS_MAXCH> error{};
    const auto calc = [&](int body) {
        const int used = swe_calc_ut(julianDayUT, body, SEFLG_SWIEPH, x.data(), error.data());
        if (used < 0 || (used & SEFLG_SWIEPH) == 0)
            Fail("body " + std::to_string(body) + " not from the data files: " + error.data());
    };
    const auto index = static_cast<std::size_t>(series);
    switch (series) {
    case Series::NutationInLongitude:
        calc(SE_ECL_NUT);
        return x[2];
    case Series::TrueObliquity:
        calc(SE_ECL_NUT);
        return x[0];
    case Series::SiderealOffset: {
        // From 2050 on, the library's mean sidereal time depends on the obliquity it is given: the true one,
        // as its house functions give it.
        calc(SE_ECL_NUT);
        const double mean = swe_sidtime0(julianDayUT, x[0], 0.0) * 15.0;
        return std::remainder(mean - tessaline::tables::EarthRotationAngle(julianDayUT), 360.0);
    }
    case Series::Lahiri:
    case Series::Raman:
    case Series::Krishnamurti:
    case Series::FaganBradley:
    case Series::TrueChitrapaksha: {
        swe_set_sid_mode(kLibraryAyanamsa[index - static_cast<std::size_t>(Series::Lahiri)], 0.0, 0.0);
        double degrees = 0.0;
        if (swe_get_ayanamsa_ex_ut(julianDayUT, SEFLG_SWIEPH, &degrees, error.data()) < 0)
            Fail(std::string("ayanamsa: ") + error.data());
        return degrees;
    }
    default:
        calc(kLibraryBody[index]);
        return x[0];
    }
}

double NutationInLongitude(double julianDayUT)
{
    return LibraryValue(Series::NutationInLongitude, julianDayUT);
}

// What the series stores at an instant, before its offset: the library's value, less the nutation in
// longitude where the evaluator adds it back.
double Target(const SeriesPlan& plan, double julianDayUT)
{
    double value = LibraryValue(plan.series, julianDayUT);
    if ((plan.flags & kPlusNutation) != 0)
        value -= NutationInLongitude(julianDayUT);
    return value - plan.offset;
}

struct Fit {
    std::vector<double> coefficients; // as stored: the tail rounded to float
    double largestError = 0.0; // arcseconds
};

// The Chebyshev series over [a, b]: the curve through 2n nodes, cut to its first n terms (close to the best
// fit of that degree), checked against the library at 4n + 1 points from a to just before b.
Fit FitPart(const SeriesPlan& plan, double a, double b)
{
    const std::uint32_t n = plan.coefficients;
    const std::uint32_t m = 2 * n;
    const double mid = 0.5 * (a + b);
    const double half = 0.5 * (b - a);
    std::vector<double> values(m);
    for (std::uint32_t k = 0; k < m; ++k) {
        // In time order, which is what the library reads its files fastest in.
        const double x = -std::cos(std::numbers::pi * (k + 0.5) / m);
        values[k] = Target(plan, mid + half * x);
        if ((plan.flags & kAngle) != 0 && k > 0)
            values[k] = values[k - 1] + std::remainder(values[k] - values[k - 1], 360.0);
    }
    Fit fit;
    fit.coefficients.resize(n);
    for (std::uint32_t j = 0; j < n; ++j) {
        double sum = 0.0;
        for (std::uint32_t k = 0; k < m; ++k)
            sum += values[k] * std::cos(std::numbers::pi * j * (m - k - 0.5) / m); // nodes run from -1 up
        fit.coefficients[j] = (j == 0 ? 1.0 : 2.0) * sum / m;
        if (j >= plan.doubles)
            fit.coefficients[j] = static_cast<float>(fit.coefficients[j]);
    }
    const std::uint32_t checks = 4 * n + 1;
    for (std::uint32_t i = 0; i < checks; ++i) {
        const double x = i + 1 < checks ? -1.0 + 2.0 * i / (checks - 1) : 1.0 - 1e-7;
        const double fitted = tessaline::tables::ChebyshevSum(fit.coefficients.data(), n, x);
        const double error = std::abs(std::remainder(fitted - Target(plan, mid + half * x), 360.0)) * 3600.0;
        fit.largestError = std::max(fit.largestError, error);
    }
    return fit;
}

struct Written {
    std::vector<std::uint32_t> index;
    std::vector<std::uint8_t> levels;
    std::vector<unsigned char> blocks;
    double largestError = 0.0;
    std::size_t cutSegments = 0;
};

void AppendBlock(const SeriesPlan& plan, const std::vector<double>& coefficients, std::vector<unsigned char>& out)
{
    const std::size_t start = out.size();
    out.resize(start + tessaline::tables::BlockSize(plan.coefficients, plan.doubles), 0);
    unsigned char* at = out.data() + start;
    for (std::uint32_t j = 0; j < plan.coefficients; ++j) {
        if (j < plan.doubles) {
            std::memcpy(at, &coefficients[j], sizeof(double));
            at += sizeof(double);
        } else {
            const auto narrow = static_cast<float>(coefficients[j]);
            std::memcpy(at, &narrow, sizeof(float));
            at += sizeof(float);
        }
    }
}

// [a, b] as one part, or cut in halves until each is within the tolerance or as short as allowed.
void Cut(const SeriesPlan& plan, double a, double b, std::uint32_t level, Written& written)
{
    Fit fit = FitPart(plan, a, b);
    if (fit.largestError > plan.tolerance && level < plan.mostLevels) {
        Cut(plan, a, 0.5 * (a + b), level + 1, written);
        Cut(plan, 0.5 * (a + b), b, level + 1, written);
        return;
    }
    AppendBlock(plan, fit.coefficients, written.blocks);
    written.levels.push_back(static_cast<std::uint8_t>(level));
    written.largestError = std::max(written.largestError, fit.largestError);
}

Written WriteSeries(const SeriesPlan& plan, double& first, std::uint32_t& baseCount)
{
    first = plan.anchor - std::ceil((plan.anchor - kFirstJulianDayUT) / plan.length) * plan.length;
    baseCount = static_cast<std::uint32_t>(std::ceil((kLastJulianDayUT - first) / plan.length));
    if (first + baseCount * plan.length <= kLastJulianDayUT)
        ++baseCount; // the last day itself lies inside
    Written written;
    for (std::uint32_t base = 0; base < baseCount; ++base) {
        const std::size_t firstPart = written.levels.size();
        const double a = first + base * plan.length;
        Cut(plan, a, a + plan.length, 0, written);
        const std::size_t parts = written.levels.size() - firstPart;
        if (parts > tessaline::tables::kMostParts)
            Fail("too many parts in one segment of " + std::to_string(static_cast<int>(plan.series)));
        written.index.push_back(static_cast<std::uint32_t>(firstPart << tessaline::tables::kCountBits | parts));
        written.cutSegments += parts > 1 ? 1 : 0;
    }
    return written;
}

const char* SeriesName(Series series)
{
    constexpr std::array<const char*, tessaline::tables::kSeriesCount> kNames{"Sun",
                                                                              "Moon",
                                                                              "Mercury",
                                                                              "Venus",
                                                                              "Mars",
                                                                              "Jupiter",
                                                                              "Saturn",
                                                                              "Uranus",
                                                                              "Neptune",
                                                                              "Pluto",
                                                                              "mean node",
                                                                              "nutation",
                                                                              "true obliquity",
                                                                              "sidereal time",
                                                                              "Lahiri",
                                                                              "Raman",
                                                                              "Krishnamurti",
                                                                              "Fagan/Bradley",
                                                                              "True Chitrapaksha"};
    return kNames[static_cast<std::size_t>(series)];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.bin\n", argv[0]);
        return 2;
    }
    swe_set_ephe_path(nullptr); // SE_EPHE_PATH when set, else the installed data folder
    std::array<char, AS_MAXCH> version{};
    swe_version(version.data());

    tessaline::tables::Header header{};
    header.magic = tessaline::tables::kMagic;
    header.seriesCount = tessaline::tables::kSeriesCount;
    header.firstJulianDayUT = kFirstJulianDayUT;
    header.lastJulianDayUT = kLastJulianDayUT;

    std::vector<tessaline::tables::SeriesEntry> entries(kPlans.size());
    std::vector<unsigned char> body;
    std::uint64_t at = sizeof(header) + entries.size() * sizeof(tessaline::tables::SeriesEntry);
    for (std::size_t s = 0; s < kPlans.size(); ++s) {
        const SeriesPlan& plan = kPlans[s];
        if (static_cast<std::size_t>(plan.series) != s)
            Fail("the plans are out of order");
        tessaline::tables::SeriesEntry& entry = entries[s];
        const Written written = WriteSeries(plan, entry.first, entry.baseCount);
        entry.flags = plan.flags;
        entry.coefficientCount = plan.coefficients;
        entry.doubleCount = plan.doubles;
        entry.length = plan.length;
        entry.offset = plan.offset;
        entry.largestError = written.largestError;
        entry.partCount = static_cast<std::uint32_t>(written.levels.size());
        const auto append = [&](const void* data, std::size_t bytes) {
            const std::uint64_t where = at + body.size();
            body.resize(body.size() + (bytes + 7) / 8 * 8, 0);
            std::memcpy(body.data() + (where - at), data, bytes);
            return where;
        };
        const std::size_t indexBytes = written.index.size() * sizeof(std::uint32_t);
        entry.indexAt = append(written.index.data(), indexBytes);
        entry.levelsAt = append(written.levels.data(), written.levels.size());
        entry.blocksAt = at + body.size();
        body.insert(body.end(), written.blocks.begin(), written.blocks.end());
        header.largestError = std::max(header.largestError, written.largestError);
        std::printf("%-18s %5.0f d x %2u (%u double)  %6u segments, %3zu cut, %6zu parts  %8zu bytes  largest "
                    "error %.6f\"\n",
                    SeriesName(plan.series), plan.length, plan.coefficients, plan.doubles, entry.baseCount,
                    written.cutSegments, written.levels.size(),
                    indexBytes + written.levels.size() + written.blocks.size(), written.largestError);
        std::fflush(stdout);
    }

    // The files the library read: its planets' and its Moon's, and the numerical integration behind them.
    std::string source = std::string("Swiss Ephemeris ") + version.data() + " (";
    int integration = 0;
    for (const int file : {0, 1}) {
        double start = 0.0;
        double end = 0.0;
        const char* path = swe_get_current_file_data(file, &start, &end, &integration);
        if (path == nullptr)
            Fail("the library names no data file");
        const std::string name(path);
        source += name.substr(name.find_last_of('/') + 1) + ", ";
    }
    source += "DE" + std::to_string(integration) + ")";
    if (source.size() >= header.source.size())
        Fail("the library's name is too long: " + source);
    std::memcpy(header.source.data(), source.data(), source.size());

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(entries.data()),
              static_cast<std::streamsize>(entries.size() * sizeof(tessaline::tables::SeriesEntry)));
    out.write(reinterpret_cast<const char*>(body.data()), static_cast<std::streamsize>(body.size()));
    if (!out.flush())
        Fail(std::string("cannot write ") + argv[1]);
    std::printf("%s: %llu bytes, %s, largest error %.6f\"\n", argv[1],
                static_cast<unsigned long long>(at + body.size()), header.source.data(), header.largestError);
    swe_close();
    return 0;
}
