// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "chart/ChartState.h"

#include <cstdint>
#include <vector>

namespace tessaline {

// The calendar of decanate changes: every instant a body passes from one decanate into the next or back, in a
// range of universal time, always by the precise ephemeris (the apparent longitude of date; the mean node for
// Rahu and Ketu).

// One body passing one decanate edge (0°, 10°, ..., 350° of the chosen zodiac).
struct DecanateChange {
    Body body = Body::Sun;
    // The first whole second at which the body stands in the decanate entered, in seconds since 1970-01-01
    // 00:00:00 UT and as a Julian day (UT): the same whatever range it was found in.
    std::int64_t unixSeconds = 0;
    double julianDayUT = 0.0;
    SignDecanate left;
    SignDecanate entered;
    bool retrograde = false; // the body moved backwards across the edge
};

struct DecanateChangeRequest {
    double fromJulianDayUT = 0.0; // the range's start, included
    double toJulianDayUT = 0.0; // its end, excluded
    std::vector<Body> bodies; // Sun to Pluto, Rahu, Ketu; each at most once
    ZodiacChoice zodiac;
};

// The longest range one request covers: 150 years, the precise ephemeris's whole span.
inline constexpr double kMostDecanateChangeDays = 150 * 365.25 + 2;

// Every change in the range, by instant (and by body at one instant). A body that crosses an edge three times
// around a station gives three changes. Fails for an empty or reversed range, one longer than
// kMostDecanateChangeDays, a point with no decanate of its own (the angles), or where the precise ephemeris
// has no positions.
Result<std::vector<DecanateChange>> FindDecanateChanges(const DecanateChangeRequest& request);

// The longitude FindDecanateChanges follows for a body at an instant, in the zodiac: degrees in [0, 360).
Result<double> ChangingLongitude(Body body, double julianDayUT, const ZodiacChoice& zodiac);

} // namespace tessaline
