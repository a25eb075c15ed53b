// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The layout of the ephemeris tables, shared by their evaluator and the program that writes them
// (tools/ephemeris-tables). Little-endian throughout; every offset counts bytes from the tables' start.
//
//   Header | SeriesEntry × seriesCount | per series: its index, its part levels, its blocks
//
// A series covers [first, first + baseCount × length) in Julian days of universal time with base segments
// of `length` days. A base segment whose curve is too sharp for one fit (a planet passing behind the Sun,
// where the bending of its light turns within hours) is cut in halves, and the halves that are still too
// sharp in halves again; its parts, in time order, each have their own block.
// Index word of a base segment: (number of its first part << kCountBits) | its number of parts.
// Part levels: one byte per part, the part being length / 2^level long.
// Block: doubleCount coefficients as doubles, then the rest as floats, padded to a multiple of 8 bytes;
// Chebyshev coefficients of the value less `offset` over the part, its time mapped onto [-1, 1].

#include <array>
#include <cmath>
#include <cstdint>

namespace tessaline::tables {

inline constexpr std::array<char, 8> kMagic{'T', 'S', 'L', 'E', 'P', 'H', '0', '1'};

// What the series hold, in the order of the directory. Degrees throughout.
enum class Series : std::uint32_t {
    // Apparent geocentric ecliptic longitude of date, as the library gives it for its default flags
    // (less the nutation in longitude where the entry says so).
    Sun = 0,
    Moon,
    Mercury,
    Venus,
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    Pluto,
    MeanNode, // the Moon's mean ascending node, same frame
    NutationInLongitude,
    TrueObliquity,
    SiderealOffset, // the library's mean sidereal time at Greenwich less the Earth's rotation angle
    Lahiri, // the five ayanamsas with nutation, each less the nutation in longitude
    Raman,
    Krishnamurti,
    FaganBradley,
    TrueChitrapaksha,
    Count,
};

inline constexpr std::uint32_t kSeriesCount = static_cast<std::uint32_t>(Series::Count);

// SeriesEntry::flags
inline constexpr std::uint32_t kFlagAngle = 1; // a longitude: reduced to [0, 360) after evaluation
inline constexpr std::uint32_t kFlagPlusNutation = 2; // add NutationInLongitude at the same instant

inline constexpr std::uint32_t kCountBits = 8;
inline constexpr std::uint32_t kMostParts = (1U << kCountBits) - 1;
inline constexpr std::uint32_t kMostLevel = 30;
inline constexpr std::uint32_t kMostCoefficients = 32;

struct Header {
    std::array<char, 8> magic;
    std::uint32_t seriesCount;
    std::uint32_t reserved;
    double firstJulianDayUT; // the span every series covers, both ends included
    double lastJulianDayUT;
    double largestError; // arcseconds: the largest difference from the library the writer measured
    std::array<char, 64> source; // the library and its files, NUL-terminated
};
static_assert(sizeof(Header) == 104);

struct SeriesEntry {
    std::uint32_t flags;
    std::uint32_t coefficientCount;
    std::uint32_t doubleCount;
    std::uint32_t baseCount;
    double first;
    double length;
    double offset;
    double largestError; // arcseconds, at the writer's check points
    std::uint64_t indexAt; // baseCount words
    std::uint64_t levelsAt; // partCount bytes
    std::uint64_t blocksAt; // partCount blocks
    std::uint32_t partCount;
    std::uint32_t reserved;
};
static_assert(sizeof(SeriesEntry) == 80);

// Bytes of one block.
constexpr std::uint64_t BlockSize(std::uint32_t coefficientCount, std::uint32_t doubleCount) noexcept
{
    const std::uint64_t bytes = 8ULL * doubleCount + 4ULL * (coefficientCount - doubleCount);
    return (bytes + 7) / 8 * 8;
}

// The Earth's rotation angle at a Julian day of universal time (IERS Conventions 2003); degrees in [0, 360).
// The whole days are taken apart first so that the fast turn keeps every digit.
inline double EarthRotationAngle(double julianDayUT) noexcept
{
    const double Du = julianDayUT - 2451545.0;
    const double turns = std::fmod(0.7790572732640 + 0.00273781191135448 * Du + std::fmod(Du, 1.0), 1.0);
    return 360.0 * (turns < 0.0 ? turns + 1.0 : turns);
}

// Σ c[k] T_k(x) by Clenshaw's recurrence, x in [-1, 1].
inline double ChebyshevSum(const double* c, std::uint32_t count, double x) noexcept
{
    double b1 = 0.0;
    double b2 = 0.0;
    const double twoX = 2.0 * x;
    for (std::uint32_t k = count - 1; k >= 1; --k) {
        const double b = twoX * b1 - b2 + c[k];
        b2 = b1;
        b1 = b;
    }
    return c[0] + x * b1 - b2;
}

} // namespace tessaline::tables
