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

// One body's decanate and its row of the decanate table. The texts are views of the table's constants,
// which live as long as the program, so a chart copies no prose.
struct DecanateResult {
    std::string_view DecanateName;
    std::string_view DecanateSign;
    std::string_view RulingPlanet;
    std::string_view RulingElement;
    std::string_view ConstellationName;
    std::string_view Keyword;
    std::string_view TreeZodiac;
    std::string_view MoreAboutDecanateSign;
    std::string_view KarmicInfluence;
    std::string_view MoreAboutTreeZodiac;
};

// Where a classic chart's body lies in another sign or decanate by the precise ephemeris: the precise
// position entry and the decanate it falls in.
struct PreciseDecanate {
    PositionEntry position;
    DecanateResult decanate;
};

// Everything one calculation leaves behind. One instance lives for the whole run and each calculation
// overwrites it field by field; the place and clock sentence, the margins and the precise decanates are
// emptied first, so nothing of an earlier chart stays beside a new one.
struct ChartState {
    BirthRecord birthRecord;
    ZoneCorrection zoneCorrection;
    PositionTable positionTable;
    std::string moonPosition;
    std::string ascendantText;
    std::string midheavenText;
    std::array<DecanateResult, kDecanateBodyCount> decanateResults;

    // The longitude in degrees that was formatted into each position table entry, by Body.
    std::array<double, kBodyCount> longitudes{};

    // Set by the program before a calculation; the engines read it.
    EphemerisMode ephemeris = EphemerisMode::Classic;
    // Set by the program before a calculation, like the mode.
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
    // Set by the program: whether a classic chart looks for those bodies. The check costs more than the chart
    // itself; output that never shows its result (spreadsheet rows) leaves it out.
    bool checkPreciseDecanates = true;

    // The chosen row of the zone list, -1 before the first calculation and when the correction is an exact
    // offset from the place atlas.
    int zonePosition = -1;
    // The birthplace and the clock sentence from the place atlas: emptied by each calculation, then set by
    // the program when the birth came from the atlas.
    std::string place;
    std::string clock;
    // How firm each body's decanate is against an uncertain birth time, Sun to Pluto.
    std::array<BirthTimeMargin, kDecanateBodyCount> margins;
};

} // namespace tessaline
