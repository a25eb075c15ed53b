// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ephemeris/Body.h"
#include "ephemeris/CivilTime.h"
#include "ephemeris/PreciseEphemeris.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tessaline {

// The chart's name for the points (ephemeris/Body.h), as the windows' control arrays are indexed.
using BodyIndex = Body;

// "Sun", "Moon", ... "Ketu"; empty for an index out of range.
const char* BodyName(Body body) noexcept;

// Flags are 16-bit integers, -1 for true and 0 for false; readers test for non-zero.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// The birth data as the driver copies it from the form. Zone fields are magnitudes without direction;
// the signed correction lives in ZoneCorrection.
struct BirthRecord {
    std::string name;
    std::int16_t month = 0;
    std::int16_t day = 0;
    std::int16_t year = 0;
    std::int16_t hour = 0;
    std::int16_t minute = 0;
    std::int16_t zoneHours = 0;
    std::int16_t zoneMinutes = 0;
    std::int16_t lonDegrees = 0;
    std::int16_t lonMinutes = 0;
    std::int16_t latDegrees = 0;
    std::int16_t latMinutes = 0;
    std::int16_t isEast = kFalse;
    std::int16_t isSouth = kFalse;
    std::int16_t daylightSaving = kFalse;
};

// What to add to the local standard clock time to get universal time; both parts carry the same sign,
// positive for zones west of Greenwich. Daylight saving is never folded in.
struct ZoneCorrection {
    int zoneCorrectionHours = 0;
    int zoneCorrectionMinutes = 0;
};

// A clock's offset from universal time in seconds, east of Greenwich positive: the one form an offset takes
// from the place atlas to the chart. UT = clock time − offset.
struct UtcOffset {
    int seconds = 0;
    friend bool operator==(const UtcOffset&, const UtcOffset&) = default;
};

// The offset of a zone correction, and the correction (hours and minutes, west positive, both with the
// same sign, seconds dropped) of an offset.
UtcOffset OffsetOf(const ZoneCorrection& zone) noexcept;
ZoneCorrection CorrectionOf(UtcOffset offset) noexcept;

// The clock's offset under a zone's standard offset: an hour more east under daylight saving, when the clock
// runs an hour ahead.
UtcOffset ClockOffset(UtcOffset standard, bool daylightSaving) noexcept;

// The clock times nearest the entered one, within three hours either way, at which a body would fall
// into another decanate; nothing where it keeps its decanate for the whole three hours.
struct BirthTimeMargin {
    std::optional<CivilInstant> changesBefore; // the latest earlier clock time with another decanate
    std::optional<CivilInstant> changesAfter; // the earliest later one
};

// The birth as every engine reads it, worked out once from the birth record and the zone correction: the
// instant in universal time in the forms the formulas take, and the place with its signs.
struct BirthInstant {
    // The clock date-time moved by the signed zone correction and, under daylight saving, back one hour,
    // with carry into day, month and year: the one instant of the chart.
    CivilInstant universal;
    double julianDay = 0.0; // Julian day (UT) of that instant: the precise ephemeris and the ayanamsa
    double j2000Days = 0.0; // days from J2000.0 of that instant: the Sun, the planets and the nodes
    // The Moon's and the angles' road to the same instant: the Julian Day Number of the clock's date and the
    // hours of universal time counted from that date's midnight (below 0 or past 24, never wrapped).
    double clockDayNumber = 0.0;
    double universalHours = 0.0;
    double signedLongitude = 0.0; // degrees, west positive
    double signedLatitude = 0.0; // degrees, north positive
};

// Which ephemeris gives the chart's positions: the classic formulas (the default, reproducible to the last
// digit) or the precise ephemeris library.
enum class EphemerisMode { Classic, Precise };

// Where longitudes are counted from: the vernal point (tropical, the default) or a point fixed among the
// stars, the chosen ayanamsa behind it (sidereal).
enum class Zodiac { Tropical, Sidereal };

// The zodiac a chart is drawn in; the ayanamsa counts only in the sidereal one.
struct ZodiacChoice {
    Zodiac zodiac = Zodiac::Tropical;
    Ayanamsa ayanamsa = Ayanamsa::Lahiri;
    friend bool operator==(const ZodiacChoice&, const ZodiacChoice&) = default;
};

// The ayanamsa with either its key or its name ("fagan-bradley", "Fagan/Bradley"), in any case; nothing for
// any other text.
std::optional<Ayanamsa> AyanamsaNamed(std::string_view text);

// "DD Sss MM": degrees within the sign, sign code, minutes; nine characters, fixed columns.
using PositionEntry = std::string;
using PositionTable = std::array<PositionEntry, kBodyCount>;

// A decanate as a place in the decanate table: the sign (0 Aries .. 11 Pisces) and its decanate (1..3).
struct SignDecanate {
    int signIndex = 0;
    int decanate = 1;
    friend bool operator==(const SignDecanate&, const SignDecanate&) = default;
};

// Where a classic chart's body lies in another sign or decanate by the precise ephemeris: the precise
// longitude (in the chart's zodiac) and the decanate it falls in.
struct PreciseDecanate {
    double longitude = 0.0;
    SignDecanate decanate;
};

// The engines' working record inside one calculation (decanates/CalculationDriver.h): made fresh for each
// chart and read into a Chart at the end, so no program ever sees it half filled or left from another chart.
struct ChartState {
    BirthRecord birthRecord;
    ZoneCorrection zoneCorrection;
    std::array<SignDecanate, kDecanateBodyCount> decanates;

    // Every point's longitude in degrees, in the chart's zodiac, by Body: what the engines leave.
    std::array<double, kBodyCount> longitudes{};

    // Set from the chart's options before the engines run; the engines read them.
    EphemerisMode ephemeris = EphemerisMode::Classic;
    ZodiacChoice zodiac;
    // Worked out once before the engines run (StoreBirthData): the instant and place they all read; the
    // ayanamsa of that instant, subtracted from every point of a sidereal chart (0 in a tropical one); and the
    // sky at that instant and place (chart/Sky.h), every point in the chart's zodiac, by Body, which the
    // engines write into the chart.
    BirthInstant instant;
    double ayanamsaDegrees = 0.0;
    std::array<double, kBodyCount> skyLongitudes{};
    // In a classic chart, the bodies whose precise decanate differs from the classic one; always empty in a
    // precise chart.
    std::array<std::optional<PreciseDecanate>, kDecanateBodyCount> preciseDecanates;
    // Whether a classic chart looks for those bodies (ChartOptions).
    bool checkPreciseDecanates = true;

    // The chosen row of the zone list; -1 when the correction is an exact offset.
    int zonePosition = -1;
    // How firm each body's decanate is against an uncertain birth time, Sun to Pluto.
    std::array<BirthTimeMargin, kDecanateBodyCount> margins;
};

} // namespace tessaline
