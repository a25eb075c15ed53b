// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "decanates/Chart.h"
#include "decanates/DecanateChanges.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tessaline {

// The sky around a birth chart (its transits): where each body stands at another instant, always by the precise
// ephemeris (the apparent longitude of date; the mean node for Rahu and Ketu) in the chart's own zodiac, which
// decanate that is, and which of the chart's bodies stand in the same one.

inline constexpr std::array<Body, 12> kTransitingBodies{Body::Sun,     Body::Moon,    Body::Mercury, Body::Venus,
                                                        Body::Mars,    Body::Jupiter, Body::Saturn,  Body::Uranus,
                                                        Body::Neptune, Body::Pluto,   Body::Rahu,    Body::Ketu};

struct TransitPoint {
    Body body = Body::Sun;
    double longitude = 0.0; // degrees in [0, 360), in the chart's zodiac
    double speed = 0.0; // degrees a day, negative while retrograde
    SignDecanate decanate;
    std::vector<Body> natal; // the chart's bodies (Sun to Pluto) standing in the same decanate, in their order
    bool Retrograde() const noexcept { return speed < 0.0; }
};

struct Transits {
    double julianDayUT = 0.0;
    std::array<TransitPoint, kTransitingBodies.size()> points{}; // in the order of kTransitingBodies
    // The body's point; nothing for the angles, which have no transit of their own.
    const TransitPoint* Find(Body body) const noexcept
    {
        for (const TransitPoint& point : points)
            if (point.body == body)
                return &point;
        return nullptr;
    }
};

// The sky at the instant around the chart. Fails outside the precise ephemeris's years, saying which they are.
Result<Transits> TransitsAt(const Chart& natal, double julianDayUT);

// The first change of decanate after the instant (the body leaving the one it stands in): nothing when the body
// stays until the tables end. Fails only where the ephemeris does.
Result<std::optional<DecanateChange>> NextDecanateChange(Body body, double julianDayUT, const ZodiacChoice& zodiac);

// "Saturn is in your Sun's decanate, the third of Gemini (Aquarius), until 12 March 2028." — the decanate's sign by
// the chart's scheme (a face's ruler instead: "…of Gemini, ruled by the Sun"), the natal bodies whose decanate it
// is, and the day it leaves (in whatever clock the caller counts it), or "past the tables' end (2050)" without one.
// A point in none of the chart's decanates: "Saturn is in the third decanate of Gemini (Aquarius), until …".
std::string TransitSentence(const TransitPoint& point, const Chart& natal, const std::optional<CivilInstant>& leaves);

} // namespace tessaline
