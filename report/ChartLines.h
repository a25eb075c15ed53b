// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"

#include <string>
#include <vector>

namespace tessaline {

// The chart's facts as lines of text, the same in the reading, the pictures' captions, the chart tool's
// outputs and the results window.

// "77°12′ E" and "28°36′ N": the place's coordinates as entered, with the hemisphere's letter.
std::string LongitudeText(const BirthCoordinates& at);
std::string LatitudeText(const BirthCoordinates& at);

// "Calculated for 15 June 1975, 05:00 Universal Time (zone +5:30, no daylight saving), 77°12′ E, 28°36′ N":
// the instant the chart was computed for, the zone east positive as people write it, the place as entered,
// for a precise chart "; positions from the precise ephemeris", and for a sidereal one
// "; sidereal zodiac, Lahiri ayanamsa 23°31′".
std::string InstantLine(const Chart& chart);

// The instant line's facts one by one, for a caption that sets them on lines of their own:
// "15 June 1975, 05:00 Universal Time (zone +5:30, no daylight saving)",
std::string UniversalTimeText(const Chart& chart);
// the same after "Calculated for ", as the instant line begins,
std::string CalculatedForText(const Chart& chart);
// "77°12′ E, 28°36′ N", with the place from the atlas in brackets when there is one,
std::string BirthPlaceText(const Chart& chart);
// "sidereal zodiac, Lahiri ayanamsa 23°31′" or "tropical zodiac".
std::string ZodiacText(const Chart& chart);

// "Ascendant 29 Leo 24 in the decanate of Aries (Mars, Promotion) · Midheaven 27 Tau 20 · Rahu 28 Sco 55 ·
// Ketu 28 Tau 55": the angles and nodes, with the Ascendant's decanate sign, ruling planet and keyword.
std::string AnglesLine(const Chart& chart);
// The angles line's items, the Ascendant with its decanate first, for a caption that wraps only between them.
std::vector<std::string> AngleItems(const Chart& chart);

// In a chart whose decanates take another scheme's signs and rulers: "Decanate signs and rulers by the
// Chaldean faces; the texts are those of each decanate's place in its sign." Empty in the table's own scheme.
std::string SchemeLine(const Chart& chart);

// A field's value as a page shows it: a dash where there is none (a face's sign).
std::string_view ShownValue(std::string_view value) noexcept;

// "Krittika, pada 2 (lord: Sun)" for a point of the chart.
std::string MansionOf(const Chart& chart, Body body);

// "Lunar mansions: Ascendant Rohini, pada 1 (lord: Moon) · Midheaven … · Rahu … · Ketu …": the mansions of
// the points without a tab of their own.
std::string OtherMansionsLine(const Chart& chart);

// The clock's offset from universal time at the birth, daylight saving included, east positive: "+05:30".
std::string UtcOffsetText(const Chart& chart);

// The chart's instant as an ISO 8601 universal time: "1975-06-15T05:00Z".
std::string InstantUtText(const Chart& chart);

} // namespace tessaline
