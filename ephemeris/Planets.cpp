// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephemeris/Planets.h"

#include "ephemeris/AngleMath.h"
#include "ephemeris/JulianDay.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace tessaline {

namespace {

// Mean elements at J2000.0 and their rates per Julian century; angles in degrees, angle rates in
// seconds of arc.
struct OrbitRow {
    double a0, aDot, e0, eDot;
    double i0, iDot, Omega0, OmegaDot, varpi0, varpiDot, L0, LDot;
};

// clang-format off
constexpr std::array<OrbitRow, kOrbitCount> kOrbits{{
    //  a0           ȧ            e0          ė
    //  i0        i̇        Ω0          Ω̇          ϖ0          ϖ̇         L0          L̇
    {0.38709893,  +0.00000066, 0.20563069, +0.00002527,
     7.00487,  -23.51,  48.33167,   -446.30,   77.45645,  +573.57,  252.25084, +538101628.29},  // Mercury
    {0.72333199,  +0.00000092, 0.00677323, -0.00004938,
     3.39471,   -2.86,  76.68069,   -996.89,  131.53298,  -108.80,  181.97973, +210664136.06},  // Venus
    {1.00000011,  -0.00000005, 0.01671022, -0.00003804,
     0.00005,  -46.94, -11.26064, -18228.25,  102.94719, +1198.28,  100.46435, +129597740.63},  // Earth
    {1.52366231,  -0.00007221, 0.09341233, +0.00011902,
     1.85061,  -25.47,  49.57854,  -1020.19,  336.04084, +1560.78,  355.45332,  +68905103.78},  // Mars
    {5.20336301,  +0.00060737, 0.04839266, -0.00012880,
     1.30530,   -4.15, 100.55615,  +1217.17,   14.75385,  +839.93,   34.40438,  +10925078.35},  // Jupiter
    {9.53707032,  -0.00301530, 0.05415060, -0.00036762,
     2.48446,   +6.11, 113.71504,  -1591.05,   92.43194, -1948.89,   49.94432,   +4401052.95},  // Saturn
    {19.19126393, +0.00152025, 0.04716771, -0.00019150,
     0.76986,   -2.09,  74.22988,  -1681.40,  170.96424, +1312.56,  313.23218,   +1542547.79},  // Uranus
    {30.06896348, -0.00125196, 0.00858587, +0.00002510,
     1.76917,   -3.64, 131.72169,   -151.25,   44.97135,  -844.43,  304.88003,    +786449.21},  // Neptune
    {39.48168677, -0.00076912, 0.24880766, +0.00006465,
     17.14175, +11.07, 110.30347,    -37.33,  224.06676,  -132.25,  238.92881,    +522747.90},  // Pluto
}};
// clang-format on
static_assert(kOrbits.size() == 9);

double FloorDiv(double a, double b) noexcept
{
    return std::floor(a / b);
}

struct OrbitPoint {
    double r; // distance from the Sun, AU
    double nu; // true anomaly, radians
    OrbitalElementsAt elements;
};

OrbitPoint PlaceOnOrbit(OrbitIndex k, double d) noexcept
{
    OrbitPoint p{};
    p.elements = OrbitalElements(k, d);
    const OrbitalElementsAt& el = p.elements;
    const double M = ReduceRadians(el.L - el.varpi);
    p.nu = TrueAnomaly(M, el.e);
    p.r = el.a * (1.0 - el.e * el.e) / (1.0 + el.e * std::cos(p.nu));
    return p;
}

} // namespace

double J2000DayNumber(int Y, int M, int D, int h, int n) noexcept
{
    return 367.0 * Y - FloorDiv(7.0 * (Y + FloorDiv(M + 9.0, 12.0)), 4.0) + FloorDiv(275.0 * M, 9.0) + D - 730531.5
        + (h + n / 60.0) / 24.0;
}

double J2000DayNumber(const CivilInstant& at) noexcept
{
    return J2000DayNumber(at.year, at.month, at.day, at.hour, at.minute);
}

OrbitalElementsAt OrbitalElements(OrbitIndex k, double d) noexcept
{
    const OrbitRow& row = kOrbits[static_cast<std::size_t>(k)];
    const double T = d / kDaysPerCentury;
    OrbitalElementsAt el{};
    el.a = row.a0 + row.aDot * T;
    el.e = row.e0 + row.eDot * T;
    el.i = (row.i0 + row.iDot * T / 3600.0) * kRadiansPerDegree;
    el.Omega = (row.Omega0 + row.OmegaDot * T / 3600.0) * kRadiansPerDegree;
    el.varpi = (row.varpi0 + row.varpiDot * T / 3600.0) * kRadiansPerDegree;
    el.L = ReduceRadians((row.L0 + row.LDot * T / 3600.0) * kRadiansPerDegree);
    return el;
}

double TrueAnomaly(double M, double e) noexcept
{
    double E = M + e * std::sin(M) * (1.0 + e * std::cos(M));
    // Newton's method converges in at most four steps for these orbits; the cap only guards the loop.
    for (int step = 0; step < 50; ++step) {
        const double Eprime = E;
        E = Eprime - (Eprime - e * std::sin(Eprime) - M) / (1.0 - e * std::cos(Eprime));
        if (std::fabs(E - Eprime) <= kKeplerTolerance)
            break;
    }
    double nu = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(E / 2.0));
    if (nu < 0.0)
        nu += kTwoPi;
    return nu;
}

double PrecessionSinceJ2000(double d) noexcept
{
    const double T = d / kDaysPerCentury;
    return (5029.0966 * T + 1.11113 * T * T) / 3600.0;
}

namespace {

struct EarthPosition {
    double xE;
    double yE;
};

EarthPosition EarthAt(double d) noexcept
{
    const OrbitPoint earth = PlaceOnOrbit(OrbitIndex::Earth, d);
    return {earth.r * std::cos(earth.nu + earth.elements.varpi), earth.r * std::sin(earth.nu + earth.elements.varpi)};
}

double LongitudeFromEarth(OrbitIndex k, double d, const EarthPosition& earth) noexcept
{
    double x = 0.0;
    double y = 0.0;
    if (k != OrbitIndex::Earth) {
        const OrbitPoint body = PlaceOnOrbit(k, d);
        const OrbitalElementsAt& el = body.elements;
        const double u = body.nu + el.varpi - el.Omega;
        const double cosOmega = std::cos(el.Omega);
        const double sinOmega = std::sin(el.Omega);
        const double cosU = std::cos(u);
        const double sinU = std::sin(u);
        const double cosI = std::cos(el.i);
        x = body.r * (cosOmega * cosU - sinU * sinOmega * cosI);
        y = body.r * (sinOmega * cosU + sinU * cosOmega * cosI);
    }
    const double X = x - earth.xE;
    const double Y = y - earth.yE;

    // The elements are referred to the equinox of J2000.0; the precession since then brings the
    // longitude to the equinox of the birth date, as the Moon and the angles already are.
    double lambda = ArcTan2(Y, X) * (180.0 / kPi) + PrecessionSinceJ2000(d);
    while (lambda > 360.0)
        lambda -= 360.0;
    while (lambda < 0.0)
        lambda += 360.0;
    return lambda;
}

} // namespace

double GeocentricLongitude(OrbitIndex k, double d) noexcept
{
    return LongitudeFromEarth(k, d, EarthAt(d));
}

std::array<double, kOrbitCount> GeocentricLongitudes(double d) noexcept
{
    const EarthPosition earth = EarthAt(d); // the same for every body of the instant
    std::array<double, kOrbitCount> longitudes{};
    for (int k = 0; k < kOrbitCount; ++k)
        longitudes[static_cast<std::size_t>(k)] = LongitudeFromEarth(static_cast<OrbitIndex>(k), d, earth);
    return longitudes;
}

} // namespace tessaline
