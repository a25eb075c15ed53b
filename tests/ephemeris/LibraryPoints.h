// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every precise point as the ephemeris library itself gives it, called the way the programs called it before
// the tables: for the agreement test and for printing the committed library values. Only built where the
// library and its data files are installed.

#include "ephemeris/PreciseEphemeris.h"

#include <array>
#include <stdexcept>
#include <string>
#include <swephexp.h>

namespace tessaline::library {

inline constexpr std::array<int, kPreciseBodyCount> kBodies{SE_SUN,     SE_MOON,   SE_MERCURY, SE_VENUS,   SE_MARS,
                                                            SE_JUPITER, SE_SATURN, SE_URANUS,  SE_NEPTUNE, SE_PLUTO};
inline constexpr std::array<int, kAyanamsaCount> kAyanamsas{SE_SIDM_LAHIRI, SE_SIDM_RAMAN, SE_SIDM_KRISHNAMURTI,
                                                            SE_SIDM_FAGAN_BRADLEY, SE_SIDM_TRUE_CITRA};

// swe_calc_ut with SEFLG_SWIEPH alone; SE_MEAN_NODE for the node. Throws unless the data files answered.
inline double Longitude(int body, double julianDayUT)
{
    std::array<double, 6> x{};
    std::array<char, AS_MAXCH> error{};
    const int used = swe_calc_ut(julianDayUT, body, SEFLG_SWIEPH, x.data(), error.data());
    if (used < 0 || (used & SEFLG_SWIEPH) == 0)
        throw std::runtime_error(std::string("the library's data files did not answer: ") + error.data());
    return x[0];
}

inline double Ayanamsa(Ayanamsa ayanamsa, double julianDayUT)
{
    swe_set_sid_mode(kAyanamsas[static_cast<std::size_t>(ayanamsa)], 0.0, 0.0);
    double degrees = 0.0;
    std::array<char, AS_MAXCH> error{};
    if (swe_get_ayanamsa_ex_ut(julianDayUT, SEFLG_SWIEPH, &degrees, error.data()) < 0)
        throw std::runtime_error(std::string("no ayanamsa: ") + error.data());
    return degrees;
}

// Porphyry houses, whose Ascendant and Midheaven are those of every system; longitude west positive.
inline PreciseAngles Angles(double julianDayUT, double signedLongitude, double signedLatitude)
{
    std::array<double, 13> cusps{};
    std::array<double, 10> ascmc{};
    swe_houses_ex(julianDayUT, 0, signedLatitude, -signedLongitude, 'O', cusps.data(), ascmc.data());
    return {ascmc[SE_ASC], ascmc[SE_MC]};
}

} // namespace tessaline::library
