#pragma once

#include "app/ChartState.h"
#include "chart/CivilTime.h"

#include <array>

namespace tessaline {

// The nine Keplerian orbits, in table order.
enum class OrbitIndex : int { Mercury = 0, Venus, Earth, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };

inline constexpr int kOrbitCount = 9;

// Which orbit gives each body: the Earth's orbit, seen from the Earth, gives the Sun.
struct BodyOrbit {
    BodyIndex body;
    OrbitIndex orbit;
};

inline constexpr std::array<BodyOrbit, kOrbitCount> kBodyOrbits{{
    {BodyIndex::Sun, OrbitIndex::Earth},
    {BodyIndex::Mercury, OrbitIndex::Mercury},
    {BodyIndex::Venus, OrbitIndex::Venus},
    {BodyIndex::Mars, OrbitIndex::Mars},
    {BodyIndex::Jupiter, OrbitIndex::Jupiter},
    {BodyIndex::Saturn, OrbitIndex::Saturn},
    {BodyIndex::Uranus, OrbitIndex::Uranus},
    {BodyIndex::Neptune, OrbitIndex::Neptune},
    {BodyIndex::Pluto, OrbitIndex::Pluto},
}};
inline constexpr double kKeplerTolerance = 1e-12;

// The clock date-time of the record moved by the signed zone correction and, under daylight saving,
// back one hour, with carry into day, month and year. The one instant of every body of the chart.
CivilInstant BodiesInstant(const BirthRecord& record, const ZoneCorrection& zone) noexcept;

// Days from J2000.0 (2000-01-01 12:00 UT); exact for 1900-03-01 .. 2100-02-28.
double J2000DayNumber(int Y, int M, int D, int h, int n) noexcept;

// J2000DayNumber of an instant.
double J2000DayNumber(const CivilInstant& at) noexcept;

struct OrbitalElementsAt {
    double a; // semi-major axis, AU
    double e; // eccentricity
    double i; // inclination, radians
    double Omega; // longitude of the ascending node, radians
    double varpi; // longitude of perihelion, radians
    double L; // mean longitude, radians in [0, 2π)
};

OrbitalElementsAt OrbitalElements(OrbitIndex k, double d) noexcept;

// True anomaly from mean anomaly M (radians) and eccentricity e < 1; result in [0, 2π).
double TrueAnomaly(double M, double e) noexcept;

// Geocentric ecliptic longitude of orbit k (the Earth's orbit gives the Sun), referred to the mean
// equinox of date; degrees in [0, 360].
double GeocentricLongitude(OrbitIndex k, double d) noexcept;

// All nine at once, by OrbitIndex; the Earth's own orbit is solved once for them all.
std::array<double, kOrbitCount> GeocentricLongitudes(double d) noexcept;

// General precession in longitude from J2000.0 to d days later, degrees.
double PrecessionSinceJ2000(double d) noexcept;

} // namespace tessaline
