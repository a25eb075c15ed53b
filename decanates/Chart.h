// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/BirthData.h"
#include "chart/ChartState.h"
#include "decanates/DecanateAssignment.h"
#include "decanates/LunarMansions.h"

#include <array>
#include <optional>
#include <string>

namespace tessaline {

// How a chart is calculated.
struct ChartOptions {
    EphemerisMode ephemeris = EphemerisMode::Classic;
    ZodiacChoice zodiac;
    // Whether a classic chart looks for bodies the precise ephemeris puts in another decanate. The check costs
    // more than the chart itself; output that never shows its result (spreadsheet rows) leaves it out.
    bool checkPreciseDecanates = true;
    // Whose sign and ruler each decanate takes; the texts stay the table's.
    DecanScheme scheme = DecanScheme::Triplicity;
    // Whether the chart's outputs give each point's lunar mansion and pada beside its decanate.
    bool mansions = false;
};

// What a chart is calculated from: the form's values, and the place and clock as the program read them
// from the place atlas (or as the user typed the place): the birthplace's name and the sentence saying which
// clock ran there then. Both are empty when the program has none.
struct Birth {
    BirthDataForm form;
    std::string place{};
    std::string clockSentence{};
};

// The birthplace as entered: whole degrees and minutes with their hemispheres.
struct BirthCoordinates {
    int lonDegrees = 0;
    int lonMinutes = 0;
    bool isEast = false;
    int latDegrees = 0;
    int latMinutes = 0;
    bool isSouth = false;
};

// The numbers a chart is made of: what Calculate reads out of its engines' working record. Tests and
// benchmarks may fill one by hand.
struct ChartFacts {
    std::string name;
    CivilInstant clock; // the birth's date and clock time as entered
    UtcOffset zone; // the zone's standard offset, without daylight saving
    bool daylightSaving = false;
    int zoneRow = -1; // the zone list's row; -1 for an exact offset
    BirthCoordinates coordinates;
    BirthInstant instant; // the one instant (UT) and place of every point
    EphemerisMode ephemeris = EphemerisMode::Classic;
    ZodiacChoice zodiac;
    DecanScheme scheme = DecanScheme::Triplicity;
    bool mansions = false;
    double ayanamsa = 0.0; // degrees taken off every point of a sidereal chart; 0 in a tropical one
    std::array<double, kBodyCount> longitudes{}; // degrees in [0, 360), in the chart's zodiac, by Body
    std::array<SignDecanate, kDecanateBodyCount> decanates{}; // Sun to Pluto
    std::array<BirthTimeMargin, kDecanateBodyCount> margins{};
    // In a classic chart, where the precise ephemeris puts a body in another decanate.
    std::array<std::optional<PreciseDecanate>, kDecanateBodyCount> precise{};
    std::string place{};
    std::string clockSentence{};
};

// One calculated chart: a value that never changes once made. Numbers first; the texts a reader shows are
// made from them when written (Position), and the decanates' texts are views of the table's constants.
class Chart
{
public:
    explicit Chart(ChartFacts facts)
        : facts_(std::move(facts))
    { }

    const std::string& Name() const noexcept { return facts_.name; }
    const CivilInstant& Clock() const noexcept { return facts_.clock; }
    UtcOffset Zone() const noexcept { return facts_.zone; }
    bool DaylightSaving() const noexcept { return facts_.daylightSaving; }
    // The clock's own offset: the zone's, an hour more under daylight saving.
    UtcOffset ClockOffset() const noexcept { return tessaline::ClockOffset(facts_.zone, facts_.daylightSaving); }
    int ZoneRow() const noexcept { return facts_.zoneRow; }
    const BirthCoordinates& Coordinates() const noexcept { return facts_.coordinates; }
    const BirthInstant& Instant() const noexcept { return facts_.instant; }
    EphemerisMode Ephemeris() const noexcept { return facts_.ephemeris; }
    const ZodiacChoice& Zodiac() const noexcept { return facts_.zodiac; }
    DecanScheme Scheme() const noexcept { return facts_.scheme; }
    bool Mansions() const noexcept { return facts_.mansions; }
    double Ayanamsa() const noexcept { return facts_.ayanamsa; }
    double Longitude(Body body) const noexcept { return facts_.longitudes[ToIndex(body)]; }
    const std::array<double, kBodyCount>& Longitudes() const noexcept { return facts_.longitudes; }
    // "DD Sss MM" of a point's longitude.
    std::string Position(Body body) const;
    // Sun to Pluto only.
    SignDecanate Decanate(Body body) const noexcept { return facts_.decanates[ToIndex(body)]; }
    // Its texts, with the sign, ruler and element of the chart's scheme.
    DecanateResult DecanateTextsOf(Body body) const noexcept { return DecanateTexts(Decanate(body), Scheme()); }
    const BirthTimeMargin& Margin(Body body) const noexcept { return facts_.margins[ToIndex(body)]; }
    // Any point's lunar mansion and pada.
    LunarMansion Mansion(Body body) const noexcept { return LunarMansionOf(Longitude(body)).value_or(LunarMansion{}); }
    const std::optional<PreciseDecanate>& Precise(Body body) const noexcept { return facts_.precise[ToIndex(body)]; }
    // The precise decanate's sentence (PreciseDecanateSentence), empty when the body has none of its own.
    std::string PreciseSentence(Body body) const;
    const std::string& Place() const noexcept { return facts_.place; }
    const std::string& ClockSentence() const noexcept { return facts_.clockSentence; }
    // Everything at once, to make another chart from this one with something changed.
    const ChartFacts& Facts() const noexcept { return facts_; }

private:
    ChartFacts facts_;
};

// The "DD Sss MM" of every point, by Body: the position table as a reader writes it.
PositionTable PositionsOf(const Chart& chart);

} // namespace tessaline
