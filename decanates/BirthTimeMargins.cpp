// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/BirthTimeMargins.h"

#include "chart/BirthMoment.h"
#include "chart/Engines.h"
#include "chart/PositionText.h"
#include "decanates/DecanateAssignment.h"
#include "ephemeris/CivilTime.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace tessaline {

namespace {

// The farthest each body can move in three hours, in degrees, with room to spare (the Moon runs at
// most about 15.4° a day, Mercury 2.2°, the outer planets a few hundredths of a degree).
constexpr std::array<double, kDecanateBodyCount> kMostTravelInWindow{
    0.2, // Sun
    2.5, // Moon
    0.4, // Mercury
    0.25, // Venus
    0.15, // Mars
    0.05, // Jupiter
    0.03, // Saturn
    0.02, // Uranus
    0.02, // Neptune
    0.02, // Pluto
};

// The record as it would be stored had the clock time been entered that many minutes later.
BirthRecord ShiftedRecord(const BirthRecord& record, int minutes) noexcept
{
    const CivilInstant at = AddMinutes(ClockInstant(record), minutes);
    BirthRecord shifted = record;
    shifted.year = static_cast<std::int16_t>(at.year);
    shifted.month = static_cast<std::int16_t>(at.month);
    shifted.day = static_cast<std::int16_t>(at.day);
    shifted.hour = static_cast<std::int16_t>(at.hour);
    shifted.minute = static_cast<std::int16_t>(at.minute);
    return shifted;
}

class BodyProbe
{
public:
    BodyProbe(const ChartState& state, std::size_t body)
        : state_(state)
        , body_(body)
    { }

    struct Sample {
        double longitude;
        std::optional<SignDecanate> decanate;
    };

    // The body for the clock time moved by minutes.
    Result<Sample> At(int minutes) const
    {
        const BirthInstant shifted
            = MakeBirthInstant(ShiftedRecord(state_.birthRecord, minutes), state_.zoneCorrection);
        Result<double> longitude = BodyLongitudeAt(static_cast<Body>(body_), shifted, state_.ephemeris);
        if (!longitude)
            return Fail(longitude.error());
        if (state_.zodiac.zodiac == Zodiac::Sidereal) {
            const Result<double> ayanamsa = AyanamsaFor(state_.zodiac, shifted.julianDay);
            if (!ayanamsa)
                return Fail(ayanamsa.error());
            *longitude = InZodiac(*longitude, state_.zodiac, *ayanamsa);
        }
        return Sample{*longitude, DecanateOf(*longitude)};
    }

    // The first minute offset in the direction (+1 or −1) with another decanate than the chart's, if any
    // within the window. Over three hours every body moves one way and much less than a decanate, so once
    // it has left its decanate it stays out. It moves almost evenly too: the search starts at the minute
    // where the straight line from the entered time to the window's end meets the decanate edge, and
    // steps from there to the exact minute, usually in one or two looks.
    Result<std::optional<int>> FirstChange(int direction, double chartLongitude,
                                           const std::optional<SignDecanate>& chart) const
    {
        const Result<Sample> end = At(direction * kMarginWindowMinutes);
        if (!end)
            return Fail(end.error());
        if (end->decanate == chart)
            return std::optional<int>();

        std::string failure;
        const auto differs = [&](int minutes) {
            const Result<Sample> sample = At(direction * minutes);
            if (!sample)
                failure = sample.error();
            return !sample || sample->decanate != chart; // a failure stops the walk, then is reported
        };
        const double travel = std::remainder(end->longitude - chartLongitude, 360.0); // signed, across 0°
        const double edgeBelow = 10.0 * std::floor(chartLongitude / 10.0);
        const double toEdge = travel > 0.0 ? edgeBelow + 10.0 - chartLongitude : edgeBelow - chartLongitude;
        int minute = kMarginWindowMinutes / 2;
        if (travel != 0.0 && std::isfinite(toEdge / travel))
            minute = static_cast<int>(std::ceil(kMarginWindowMinutes * (toEdge / travel)));
        minute = std::clamp(minute, 1, kMarginWindowMinutes);

        if (minute < kMarginWindowMinutes && !differs(minute)) {
            do
                ++minute;
            while (minute < kMarginWindowMinutes && !differs(minute));
        } else {
            while (minute > 1 && failure.empty() && differs(minute - 1))
                --minute;
        }
        if (!failure.empty())
            return Fail(std::move(failure));
        return std::optional<int>(direction * minute);
    }

private:
    const ChartState& state_;
    std::size_t body_;
};

} // namespace

Status Margins_Calculation(ChartState& state)
{
    const CivilInstant clock = ClockInstant(state.birthRecord);
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        BirthTimeMargin& margin = state.margins[body];
        margin = {};
        const double lambda = state.longitudes[body];
        const std::optional<SignDecanate> chart = DecanateOf(lambda);
        if (!chart)
            continue;

        // Only a body within reach of a decanate edge can change in the window; a planet may be
        // retrograde, so either edge can be met in either direction of time.
        if (!NearDecanateEdge(lambda, kMostTravelInWindow[body]))
            continue;
        const BodyProbe probe(state, body);
        const Result<std::optional<int>> before = probe.FirstChange(-1, lambda, chart);
        if (!before)
            return Fail(before.error());
        if (*before)
            margin.changesBefore = AddMinutes(clock, **before);
        const Result<std::optional<int>> after = probe.FirstChange(+1, lambda, chart);
        if (!after)
            return Fail(after.error());
        if (*after)
            margin.changesAfter = AddMinutes(clock, **after);
    }
    return {};
}

std::string MarginSentence(const BirthTimeMargin& margin, const CivilInstant& birthClock)
{
    // The last minute that still keeps the decanate, with its day when that is not the birth's.
    const auto held = [&birthClock](const CivilInstant& change, int towardBirth) {
        const CivilInstant at = AddMinutes(change, towardBirth);
        std::string text = ClockText(at);
        if (at.year != birthClock.year || at.month != birthClock.month || at.day != birthClock.day)
            text += " on " + DayText(at);
        return text;
    };
    std::string sentence;
    if (margin.changesBefore)
        sentence = "before " + held(*margin.changesBefore, 1);
    if (margin.changesAfter) {
        if (!sentence.empty())
            sentence += " or ";
        sentence += "after " + held(*margin.changesAfter, -1);
    }
    return sentence.empty() ? sentence : "The decanate changes if the birth was " + sentence;
}

} // namespace tessaline
