// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"

#include <string>
#include <vector>

namespace tessaline {

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

// The clock's offset from universal time at the birth, daylight saving included, east positive: "+05:30".
std::string UtcOffsetText(const Chart& chart);

// The chart's instant as an ISO 8601 universal time: "1975-06-15T05:00Z".
std::string InstantUtText(const Chart& chart);

// How the reading shows the pictures: inline SVG for a document that stands alone, or an <img> whose
// source is "picture-N.png" (N = 1..10, Sun to Pluto) or, for the chart wheel, "chart-wheel.svg" (its
// ChartWheelSvg without caption), for a renderer that supplies the images.
enum class ReadingPictures { InlineSvg, NamedImages };

// The whole reading as one HTML document: the name, the birth data as entered, the instant used, the
// angles line, the chart wheel, and for each body its picture, position, decanate, the six short
// fields, the margin sentence, the precise decanate's sentence where it differs, and the three texts under their
// captions.
std::string RenderReadingHtml(const Chart& chart, ReadingPictures pictures = ReadingPictures::InlineSvg);

} // namespace tessaline
