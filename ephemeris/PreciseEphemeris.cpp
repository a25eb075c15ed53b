// SPDX-License-Identifier: GPL-3.0-or-later
// The one file that speaks to the ephemeris library: nothing else includes its header.

#include "ephemeris/PreciseEphemeris.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <swephexp.h>

namespace tessaline {

namespace {

constexpr double kJulianDayOf1970 = 2440587.5;

constexpr std::array<int, kPreciseBodyCount> kLibraryBody{SE_SUN,     SE_MOON,   SE_MERCURY, SE_VENUS,   SE_MARS,
                                                          SE_JUPITER, SE_SATURN, SE_URANUS,  SE_NEPTUNE, SE_PLUTO};

// The library keeps its open files and its search path for the whole process; this mirrors what it
// found once, so that every later call asks for the right source without searching again.
struct Library {
    int sourceFlag = SEFLG_SWIEPH;
    PreciseSource source = PreciseSource::DataFiles;

    Library()
    {
        swe_set_ephe_path(nullptr); // SE_EPHE_PATH when set, else the installed data folder
        // The library falls back to its analytic theory on its own when a file is missing and says so in
        // the flags it returns; ask for the Sun (planet file) and the Moon (lunar file) at J2000.0.
        std::array<double, 6> x{};
        std::array<char, AS_MAXCH> error{};
        for (const int body : {SE_SUN, SE_MOON}) {
            const int used = swe_calc_ut(2451545.0, body, SEFLG_SWIEPH, x.data(), error.data());
            if (used < 0 || (used & SEFLG_SWIEPH) == 0) {
                sourceFlag = SEFLG_MOSEPH;
                source = PreciseSource::Analytic;
            }
        }
    }
};

const Library& OpenLibrary() noexcept
{
    static const Library library;
    return library;
}

struct AyanamsaEntry {
    const char* name;
    const char* key;
    int libraryMode;
};

constexpr std::array<AyanamsaEntry, kAyanamsaCount> kAyanamsas{{
    {"Lahiri", "lahiri", SE_SIDM_LAHIRI},
    {"Raman", "raman", SE_SIDM_RAMAN},
    {"Krishnamurti", "krishnamurti", SE_SIDM_KRISHNAMURTI},
    {"Fagan/Bradley", "fagan-bradley", SE_SIDM_FAGAN_BRADLEY},
    {"True Chitrapaksha", "true-chitrapaksha", SE_SIDM_TRUE_CITRA},
}};

// [0, 360) from any finite angle.
double Wrapped(double degrees) noexcept
{
    const double r = std::fmod(degrees, 360.0);
    return r < 0.0 ? r + 360.0 : (r >= 360.0 ? 0.0 : r);
}

// What the library said when a call failed, with the instant it was asked for.
Unexpected<std::string> LibraryFailure(const char* what, double julianDayUT, const char* error)
{
    char at[48];
    std::snprintf(at, sizeof at, " at Julian day %.5f", julianDayUT);
    std::string message = std::string("The precise ephemeris could not compute ") + what + at;
    if (error[0] != '\0')
        message += std::string(": ") + error;
    return Fail(std::move(message));
}

Result<double> LongitudeOf(int body, double julianDayUT, const char* what)
{
    const Library& library = OpenLibrary();
    std::array<double, 6> x{};
    std::array<char, AS_MAXCH> error{};
    if (swe_calc_ut(julianDayUT, body, library.sourceFlag, x.data(), error.data()) >= 0 && std::isfinite(x[0]))
        return Wrapped(x[0]);
    error.fill('\0'); // outside the files' years: the analytic theory covers millennia
    if (swe_calc_ut(julianDayUT, body, SEFLG_MOSEPH, x.data(), error.data()) >= 0 && std::isfinite(x[0]))
        return Wrapped(x[0]);
    return LibraryFailure(what, julianDayUT, error.data());
}

} // namespace

double JulianDayUT(const CivilInstant& at) noexcept
{
    const auto days = static_cast<double>(DaysFromCivil(at.year, at.month, at.day));
    return kJulianDayOf1970 + days + (at.hour * 60 + at.minute) / 1440.0;
}

Result<double> PreciseLongitude(PreciseBody body, double julianDayUT)
{
    constexpr std::array<const char*, kPreciseBodyCount> kNames{"the Sun", "the Moon", "Mercury", "Venus",   "Mars",
                                                                "Jupiter", "Saturn",   "Uranus",  "Neptune", "Pluto"};
    const auto i = static_cast<std::size_t>(body);
    return LongitudeOf(kLibraryBody[i], julianDayUT, kNames[i]);
}

Result<PreciseAngles> PreciseChartAngles(double julianDayUT, double signedLongitude, double signedLatitude)
{
    OpenLibrary();
    std::array<double, 13> cusps{};
    std::array<double, 10> ascmc{};
    // Porphyry cusps are defined at every latitude; the Ascendant and Midheaven do not depend on them.
    if (swe_houses_ex(julianDayUT, 0, signedLatitude, -signedLongitude, 'O', cusps.data(), ascmc.data()) < 0
        || !std::isfinite(ascmc[SE_ASC]) || !std::isfinite(ascmc[SE_MC]))
        return LibraryFailure("the Ascendant and Midheaven", julianDayUT, "");
    return PreciseAngles{Wrapped(ascmc[SE_ASC]), Wrapped(ascmc[SE_MC])};
}

Result<double> PreciseMeanNode(double julianDayUT)
{
    return LongitudeOf(SE_MEAN_NODE, julianDayUT, "the Moon's node");
}

Result<PrecisePoints> PreciseChartPoints(double julianDayUT, double signedLongitude, double signedLatitude)
{
    PrecisePoints points;
    for (int i = 0; i < kPreciseBodyCount; ++i) {
        const Result<double> lambda = PreciseLongitude(static_cast<PreciseBody>(i), julianDayUT);
        if (!lambda)
            return Fail(lambda.error());
        points.bodies[static_cast<std::size_t>(i)] = *lambda;
    }
    const Result<double> node = PreciseMeanNode(julianDayUT);
    if (!node)
        return Fail(node.error());
    points.meanNode = *node;
    Result<PreciseAngles> angles = PreciseChartAngles(julianDayUT, signedLongitude, signedLatitude);
    if (!angles)
        return Fail(angles.error());
    points.angles = *angles;
    return points;
}

const char* AyanamsaName(Ayanamsa ayanamsa) noexcept
{
    const auto i = static_cast<std::size_t>(ayanamsa);
    return i < kAyanamsas.size() ? kAyanamsas[i].name : "";
}

const char* AyanamsaKey(Ayanamsa ayanamsa) noexcept
{
    const auto i = static_cast<std::size_t>(ayanamsa);
    return i < kAyanamsas.size() ? kAyanamsas[i].key : "";
}

Result<double> PreciseAyanamsa(Ayanamsa ayanamsa, double julianDayUT)
{
    const Library& library = OpenLibrary();
    const auto i = static_cast<std::size_t>(ayanamsa);
    swe_set_sid_mode(kAyanamsas[i < kAyanamsas.size() ? i : 0].libraryMode, 0.0, 0.0);
    double degrees = 0.0;
    std::array<char, AS_MAXCH> error{};
    // Without the data files the library still has the precession and nutation it needs, and for True
    // Chitrapaksha the star catalogue in the same folder.
    if (swe_get_ayanamsa_ex_ut(julianDayUT, library.sourceFlag, &degrees, error.data()) >= 0 && std::isfinite(degrees))
        return degrees;
    error.fill('\0');
    if (swe_get_ayanamsa_ex_ut(julianDayUT, SEFLG_MOSEPH, &degrees, error.data()) >= 0 && std::isfinite(degrees))
        return degrees;
    return LibraryFailure("the ayanamsa", julianDayUT, error.data());
}

PreciseSource PreciseEphemerisSource() noexcept
{
    return OpenLibrary().source;
}

std::string PreciseEphemerisDescription()
{
    std::array<char, AS_MAXCH> version{};
    swe_version(version.data());
    std::string text = "Swiss Ephemeris ";
    text += version.data();
    text += PreciseEphemerisSource() == PreciseSource::DataFiles
        ? ", from its data files"
        : ": its data files were not found, so it uses its built-in analytic mode";
    return text;
}

} // namespace tessaline
