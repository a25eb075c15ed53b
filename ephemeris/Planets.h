// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ephemeris/CivilTime.h"

#include <array>

namespace tessaline {

// The nine Keplerian orbits, in table order.
enum class OrbitIndex : int { Mercury = 0, Venus, Earth, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };

inline constexpr int kOrbitCount = 9;

inline constexpr double kKeplerTolerance = 1e-12;

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
