// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "decanates/Chart.h"

#include <array>
#include <vector>

namespace tessaline {

// A life's progressions (secondary progressions): the sky of the n-th day after birth stands for the n-th year of
// life, a day of the ephemeris for each tropical year lived. The bodies are the precise ephemeris's (apparent
// longitude of date) in the birth chart's zodiac, whatever road the birth chart itself took; the progressed
// Midheaven is the natal one carried on by the solar arc (the progressed Sun less the natal Sun), and the
// progressed Ascendant the one that goes with that Midheaven at the birth latitude, with the obliquity of the
// progressed day.

inline constexpr double kTropicalYearDays = 365.24219;
inline constexpr int kProgressionYears = 100;

// The points progressed, in this order: Sun to Pluto, then the Ascendant and the Midheaven.
inline constexpr std::array<Body, 12> kProgressedPoints{
    Body::Sun,    Body::Moon,   Body::Mercury, Body::Venus, Body::Mars,      Body::Jupiter,
    Body::Saturn, Body::Uranus, Body::Neptune, Body::Pluto, Body::Ascendant, Body::Midheaven,
};

// A date of the birth's clock (its zone and daylight saving at birth), and an age on it.
struct LifeDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const LifeDate&, const LifeDate&) = default;
};
struct Age {
    int years = 0;
    int months = 0; // 0..11
    friend bool operator==(const Age&, const Age&) = default;
};

// The whole years and months from the birth's date to a date: a month is complete on the same day of the
// month as the birth (on the month's last day where it has no such day).
Age AgeOn(const LifeDate& birth, const LifeDate& date) noexcept;

// One progressed point entering another decanate.
struct ProgressedChange {
    Body body = Body::Sun;
    double julianDayUT = 0.0; // the instant of life (UT) the progressed point stands in the decanate entered
    LifeDate date; // that instant by the birth's clock
    Age age;
    SignDecanate left;
    SignDecanate entered;
    bool retrograde = false; // the progressed body moved backwards across the edge
};

struct ProgressionTimeline {
    std::vector<ProgressedChange> changes; // by date, then in the order of kProgressedPoints
    LifeDate end; // the last date the timeline covers
    Age endAge; // the age then: 100 years, or less where the tables end first
    // The tables end (3 January 2051, their last year 2050) before the hundredth year's progressed day, so the
    // timeline stops short of 100 years.
    bool clipped = false;
};

// Every change of every progressed point from birth to age 100 (or the tables' end), in order. Fails where the
// precise ephemeris has no positions at birth.
Result<ProgressionTimeline> FindProgressions(const Chart& natal);

// One progressed point at an instant of life.
struct ProgressedPoint {
    Body body = Body::Sun;
    double longitude = 0.0; // degrees in [0, 360), in the chart's zodiac
    SignDecanate decanate;
    bool retrograde = false;
};

struct ProgressedPositions {
    LifeDate date;
    Age age;
    double progressedJulianDayUT = 0.0; // the day of the ephemeris that stands for the date
    std::array<ProgressedPoint, kProgressedPoints.size()> points{}; // as kProgressedPoints
};

// The progressed points on a date of the birth's clock, at the birth's clock time. Fails for a date that is
// not a calendar date, before the birth, past the hundredth year or past the tables.
Result<ProgressedPositions> ProgressedOn(const Chart& natal, const LifeDate& date);

} // namespace tessaline
