// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Transits.h"
#include "report/ChartWheelSvg.h"
#include "report/ChartWriter.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tessaline {

// The sky around a chart as people read it: the same rows in the chart tool's text, JSON and CSV, in the desktop
// program's list and in the reading.

// One transiting body, and when it leaves its decanate.
struct TransitLine {
    TransitPoint point;
    std::optional<DecanateChange> leaves; // nothing when the body stays past the tables' end
    CivilInstant leavesClock; // the leaving instant on the report's clock
};

struct TransitReport {
    double julianDayUT = 0.0;
    CivilInstant clock; // the instant on the report's clock
    std::string clockName; // "UT+5:30", or a place's zone, "Asia/Kolkata"
    std::vector<TransitLine> lines; // in the order of kTransitingBodies
};

// The offset east of Greenwich, seconds, that the report's clock reads at an instant (seconds since 1970, UT).
using ClockReading = std::function<Result<int>(std::int64_t unixSeconds)>;

// The sky at the instant around the chart, each body with the instant it leaves its decanate, on the clock.
// Fails outside the precise ephemeris's years, saying which they are, or where the clock has no reading.
// previous, a report of the same chart and clock at an earlier instant, lends each body that has not left its
// decanate since the instant it leaves, which costs the most to find: what a window stepping on asks for.
Result<TransitReport> TransitReportAt(const Chart& natal, double julianDayUT, const ClockReading& clock,
                                      std::string clockName, const TransitReport* previous = nullptr);

struct TransitRow {
    Body body = Body::Sun;
    std::string point; // "Saturn"
    std::string position; // "07 Ari 55"
    std::string direction; // "direct" or "retrograde"
    std::string decanate; // "Aries I (Aries, Mars)": with its sign and ruler by the chart's scheme
    std::string natal; // "Moon, Venus": the chart's bodies in the same decanate; empty for none
    std::string leaves; // "2027-01-28 22:32" on the report's clock; empty past the tables' end
    std::string sentence; // TransitSentence, the day on the report's clock
};

std::vector<TransitRow> TransitRows(const TransitReport& report, const Chart& natal);

// "Transits on 9 December 2026, 17:30 (UTC+05:30)".
std::string TransitTitle(const TransitReport& report);

// The sky as the wheel's outer ring: every transiting point at its longitude, under the report's title.
OuterRing TransitRing(const TransitReport& report);

// The transits after a chart's own output: text (a heading, a line a body, then the sentence of each body in
// one of the chart's decanates), or CSV (a header, then a row a body: body, instantUT, clock, longitude,
// position, direction, sign, decanate, decanateSign, rulingPlanet, natal, leavesUT, leavesClock).
void AppendTransits(std::string& out, const TransitReport& report, const Chart& natal, ChartFormat format);

// The JSON member "transits": {"instantUT", "clock" {"local", "name"}, "points": [{"body", "longitude", "position",
// "speed", "direction", "decanate" {sign, decanate, decanateSign, rulingPlanet}, "natal": [...], "leaves"
// {"instantUT", "local"} or null, "sentence"}]}, for the chart's JSON.
std::string TransitsJsonMember(const TransitReport& report, const Chart& natal);

} // namespace tessaline
