// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Progressions.h"
#include "report/ChartWheelSvg.h"
#include "report/ChartWriter.h"

#include <string>
#include <vector>

namespace tessaline {

// A life's progressions as people read them: a row a change, the same in the chart tool's text, JSON and CSV and
// in the desktop program's table.

struct ProgressionRow {
    Body body = Body::Sun;
    std::string point; // "Sun", "Ascendant"
    std::string date; // "1982-04-06", by the birth's clock
    std::string age; // "6 years 9 months"
    std::string left; // "Gemini III (Aquarius, Uranus)": the decanate with its sign and ruler by the scheme
    std::string entered;
    std::string direction; // "direct" or "retrograde"
};

std::vector<ProgressionRow> ProgressionRows(const ProgressionTimeline& timeline, DecanScheme scheme);

// "1982-04-06".
std::string LifeDateText(const LifeDate& date);
// "6 years 9 months", "1 year 1 month", "0 years 4 months".
std::string AgeText(const Age& age);

// "From birth to 14 June 2075, age 99 years 11 months." and, where the tables end first, why the timeline stops
// short of a hundred years.
std::string ProgressionSpanSentence(const ProgressionTimeline& timeline);

// The timeline as text (a heading, the span, a line a change), JSON (one document: "name", "birthUT", "zodiac",
// "scheme" when not the table's own, "yearDays", "end" {date, age}, "clipped", "changes": [{"point", "date",
// "age" {years, months}, "left" and "entered" {sign, decanate, decanateSign, rulingPlanet}, "direction"}]) or CSV
// (a header, then a row a change).
void AppendProgressions(std::string& out, const Chart& natal, const ProgressionTimeline& timeline, ChartFormat format);

// The progressed points on one date as the wheel's outer ring: "Progressed to 9 December 2026, age 51 years
// 5 months".
OuterRing ProgressedRing(const ProgressedPositions& positions);

// The progressed points on one date, in the same three formats: a line, an object or a row a point, with its
// longitude, decanate and direction.
void AppendProgressedPositions(std::string& out, const Chart& natal, const ProgressedPositions& positions,
                               ChartFormat format);

} // namespace tessaline
