// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/Progressions.h"

#include "chart/Sky.h"
#include "decanates/DecanateChanges.h"
#include "ephemeris/EphemerisTables.h"
#include "ephemeris/PreciseEphemeris.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace tessaline {

namespace {

constexpr double kJulianDayOf1970 = 2440587.5;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kEdgeDegrees = 10.0;
constexpr int kDecanateCount = 36;
// Progressed days between two looks at the angles: the Midheaven moves about 0.02° a step, the Ascendant at
// most a few times as much, so no step passes two edges of a decanate unnoticed.
constexpr double kAngleStepDays = 0.02;
// A crossing of the angles is found to this many progressed days: about three seconds of life.
constexpr double kAngleCrossingDays = 1e-7;
// The progressed days over which a body's direction is read: an hour of the ephemeris.
constexpr double kDirectionDays = 1.0 / 24.0;

double Wrapped(double degrees) noexcept
{
    const double wrapped = std::fmod(degrees, 360.0);
    return wrapped < 0.0 ? wrapped + 360.0 : wrapped;
}

// What every progressed point is worked from: the birth by the precise ephemeris, tropical.
struct Natal {
    double julianDayUT = 0.0;
    double sun = 0.0; // tropical, degrees
    double midheaven = 0.0; // tropical, degrees
    double latitude = 0.0; // north positive
    ZodiacChoice zodiac;
    std::int64_t offsetSeconds = 0; // the birth's clock less universal time
    LifeDate birthDate;
    CivilInstant clock; // the birth's date and clock time as entered
};

std::int64_t MinutesOf(const CivilInstant& at) noexcept
{
    return DaysFromCivil(at.year, at.month, at.day) * 1440 + std::int64_t{at.hour} * 60 + at.minute;
}

Result<Natal> NatalOf(const Chart& chart)
{
    const BirthInstant& instant = chart.Instant();
    Natal natal;
    natal.julianDayUT = instant.julianDay;
    natal.latitude = instant.signedLatitude;
    natal.zodiac = chart.Zodiac();
    natal.clock = chart.Clock();
    natal.birthDate = {natal.clock.year, natal.clock.month, natal.clock.day};
    natal.offsetSeconds = (MinutesOf(natal.clock) - MinutesOf(instant.universal)) * 60;
    const Result<double> sun = PreciseLongitude(Body::Sun, natal.julianDayUT);
    if (!sun)
        return Fail(sun.error());
    const Result<PreciseAngles> angles
        = PreciseChartAngles(natal.julianDayUT, instant.signedLongitude, instant.signedLatitude);
    if (!angles)
        return Fail(angles.error());
    natal.sun = *sun;
    natal.midheaven = angles->midheaven;
    return natal;
}

double LifeInstant(const Natal& natal, double progressed) noexcept
{
    return natal.julianDayUT + (progressed - natal.julianDayUT) * kTropicalYearDays;
}

double ProgressedInstant(const Natal& natal, double life) noexcept
{
    return natal.julianDayUT + (life - natal.julianDayUT) / kTropicalYearDays;
}

LifeDate ClockDate(const Natal& natal, double julianDayUT) noexcept
{
    const double local = (julianDayUT - kJulianDayOf1970) * kSecondsPerDay + static_cast<double>(natal.offsetSeconds);
    LifeDate date;
    CivilFromDays(static_cast<std::int64_t>(std::floor(local / kSecondsPerDay)), date.year, date.month, date.day);
    return date;
}

struct Angles {
    double ascendant = 0.0; // degrees in [0, 360), in the chart's zodiac
    double midheaven = 0.0;
};

// The progressed angles on a progressed day: the natal Midheaven carried on by the solar arc (under half a turn
// in a hundred days), its Ascendant at the birth latitude with that day's obliquity.
Result<Angles> ProgressedAngles(const Natal& natal, double progressed)
{
    const Result<double> sun = PreciseLongitude(Body::Sun, progressed);
    if (!sun)
        return Fail(sun.error());
    const Result<double> epsilon = PreciseTrueObliquity(progressed);
    if (!epsilon)
        return Fail(epsilon.error());
    const Result<double> ayanamsa = AyanamsaFor(natal.zodiac, progressed);
    if (!ayanamsa)
        return Fail(ayanamsa.error());
    const double arc = std::remainder(*sun - natal.sun, 360.0);
    const double midheaven = Wrapped(natal.midheaven + arc);
    const double ascendant = AscendantFromMidheaven(midheaven, *epsilon, natal.latitude);
    return Angles{InZodiac(ascendant, natal.zodiac, *ayanamsa), InZodiac(midheaven, natal.zodiac, *ayanamsa)};
}

Result<double> ProgressedLongitude(const Natal& natal, Body body, double progressed)
{
    if (body != Body::Ascendant && body != Body::Midheaven)
        return ChangingLongitude(body, progressed, natal.zodiac);
    const Result<Angles> angles = ProgressedAngles(natal, progressed);
    if (!angles)
        return Fail(angles.error());
    return body == Body::Ascendant ? angles->ascendant : angles->midheaven;
}

SignDecanate DecanateNumbered(int index) noexcept
{
    const int wrapped = ((index % kDecanateCount) + kDecanateCount) % kDecanateCount;
    return SignDecanate{wrapped / 3, wrapped % 3 + 1};
}

ProgressedChange ChangeAt(const Natal& natal, Body body, double progressed, int edge, bool backwards)
{
    ProgressedChange change;
    change.body = body;
    change.julianDayUT = LifeInstant(natal, progressed);
    change.date = ClockDate(natal, change.julianDayUT);
    change.age = AgeOn(natal.birthDate, change.date);
    change.left = DecanateNumbered(backwards ? edge : edge - 1);
    change.entered = DecanateNumbered(backwards ? edge - 1 : edge);
    change.retrograde = backwards;
    return change;
}

// An angle's look on a progressed day, unwrapped from the look before (less than half a turn away).
struct Look {
    double t = 0.0;
    double unwrapped = 0.0;
};

Result<Look> LookAt(const Natal& natal, Body body, double t, const Look& near)
{
    const Result<double> longitude = ProgressedLongitude(natal, body, t);
    if (!longitude)
        return Fail(longitude.error());
    return Look{t, near.unwrapped + std::remainder(*longitude - Wrapped(near.unwrapped), 360.0)};
}

// The first progressed day, to kAngleCrossingDays, at which the angle moving one way from a to b stands past
// the edge.
Result<double> AngleCrossing(const Natal& natal, Body body, const Look& a, const Look& b, double edge)
{
    const double sense = b.unwrapped > a.unwrapped ? 1.0 : -1.0;
    double before = a.t;
    double after = b.t;
    while (after - before > kAngleCrossingDays) {
        const double middle = (before + after) / 2.0;
        const Result<Look> look = LookAt(natal, body, middle, a);
        if (!look)
            return Fail(look.error());
        (sense * (look->unwrapped - edge) < 0.0 ? before : after) = middle;
    }
    return after;
}

// Every decanate an angle enters between the progressed days from and to, looked at every kAngleStepDays.
Result<std::vector<ProgressedChange>> AngleChanges(const Natal& natal, Body body, double from, double to)
{
    std::vector<ProgressedChange> changes;
    Result<Look> a = LookAt(natal, body, from, Look{from, 0.0});
    for (double t = from; a && t < to;) {
        t = std::min(to, t + kAngleStepDays);
        const Result<Look> b = LookAt(natal, body, t, *a);
        if (!b)
            return Fail(b.error());
        const auto ka = static_cast<int>(std::floor(a->unwrapped / kEdgeDegrees));
        const auto kb = static_cast<int>(std::floor(b->unwrapped / kEdgeDegrees));
        for (int k = std::min(ka, kb) + 1; k <= std::max(ka, kb); ++k) {
            const Result<double> crossing = AngleCrossing(natal, body, *a, *b, k * kEdgeDegrees);
            if (!crossing)
                return Fail(crossing.error());
            changes.push_back(ChangeAt(natal, body, *crossing, k, kb < ka));
        }
        a = b;
    }
    if (!a)
        return Fail(a.error());
    return changes;
}

Result<std::vector<ProgressedChange>> BodyChanges(const Natal& natal, double from, double to)
{
    DecanateChangeRequest request;
    request.fromJulianDayUT = from;
    request.toJulianDayUT = to;
    request.bodies.assign(kProgressedPoints.begin(), kProgressedPoints.begin() + kDecanateBodyCount);
    request.zodiac = natal.zodiac;
    const Result<std::vector<DecanateChange>> found = FindDecanateChanges(request);
    if (!found)
        return Fail(found.error());
    std::vector<ProgressedChange> changes;
    for (const DecanateChange& change : *found) {
        const int entered = change.entered.signIndex * 3 + change.entered.decanate - 1;
        const int edge = change.retrograde ? entered + 1 : entered;
        changes.push_back(ChangeAt(natal, change.body, change.julianDayUT, edge, change.retrograde));
    }
    return changes;
}

int DaysInMonth(int year, int month) noexcept
{
    if (month == 12)
        return 31;
    return static_cast<int>(DaysFromCivil(year, month + 1, 1) - DaysFromCivil(year, month, 1));
}

bool IsCalendarDate(const LifeDate& date) noexcept
{
    return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

Result<bool> MovesBackwards(const Natal& natal, Body body, double progressed)
{
    if (body == Body::Ascendant || body == Body::Midheaven)
        return false;
    const double last = EphemerisTablesSpan().last;
    const double t0 = progressed + kDirectionDays <= last ? progressed : progressed - kDirectionDays;
    const Result<double> a = ChangingLongitude(body, t0, natal.zodiac);
    const Result<double> b = ChangingLongitude(body, t0 + kDirectionDays, natal.zodiac);
    if (!a || !b)
        return Fail(!a ? a.error() : b.error());
    return std::remainder(*b - *a, 360.0) < 0.0;
}

std::string DateText(const LifeDate& date)
{
    return std::to_string(date.year) + '-' + std::to_string(date.month) + '-' + std::to_string(date.day);
}

} // namespace

Age AgeOn(const LifeDate& birth, const LifeDate& date) noexcept
{
    Age age{date.year - birth.year, date.month - birth.month};
    if (date.day < std::min(birth.day, DaysInMonth(date.year, date.month)))
        --age.months;
    if (age.months < 0) {
        --age.years;
        age.months += 12;
    }
    return age;
}

Result<ProgressionTimeline> FindProgressions(const Chart& chart)
{
    const Result<Natal> natal = NatalOf(chart);
    if (!natal)
        return Fail(natal.error());
    const double from = natal->julianDayUT;
    const double hundredth = from + kProgressionYears; // a day of the ephemeris for each year
    const double to = std::min(hundredth, EphemerisTablesSpan().last);
    ProgressionTimeline timeline;
    timeline.clipped = to < hundredth;
    timeline.end = ClockDate(*natal, LifeInstant(*natal, to));
    timeline.endAge = AgeOn(natal->birthDate, timeline.end);
    if (!(from < to))
        return timeline;
    Result<std::vector<ProgressedChange>> changes = BodyChanges(*natal, from, to);
    if (!changes)
        return Fail(changes.error());
    timeline.changes = std::move(*changes);
    for (const Body angle : {Body::Ascendant, Body::Midheaven}) {
        const Result<std::vector<ProgressedChange>> found = AngleChanges(*natal, angle, from, to);
        if (!found)
            return Fail(found.error());
        timeline.changes.insert(timeline.changes.end(), found->begin(), found->end());
    }
    std::stable_sort(
        timeline.changes.begin(), timeline.changes.end(), [](const ProgressedChange& x, const ProgressedChange& y) {
            return x.julianDayUT != y.julianDayUT ? x.julianDayUT < y.julianDayUT : ToIndex(x.body) < ToIndex(y.body);
        });
    return timeline;
}

Result<ProgressedPositions> ProgressedOn(const Chart& chart, const LifeDate& date)
{
    if (!IsCalendarDate(date))
        return Fail("There is no date " + DateText(date));
    const Result<Natal> natal = NatalOf(chart);
    if (!natal)
        return Fail(natal.error());
    const CivilInstant clock{date.year, date.month, date.day, natal->clock.hour, natal->clock.minute};
    const double life
        = kJulianDayOf1970 + static_cast<double>(MinutesOf(clock) * 60 - natal->offsetSeconds) / kSecondsPerDay;
    if (life < natal->julianDayUT - 1e-9)
        return Fail("The date " + DateText(date) + " lies before the birth");
    const double progressed = ProgressedInstant(*natal, life);
    if (progressed > natal->julianDayUT + kProgressionYears)
        return Fail("The date " + DateText(date) + " lies past the hundredth year");
    if (progressed > EphemerisTablesSpan().last)
        return Fail("The progressed day of " + DateText(date) + " lies past the tables' end, 3 January 2051");
    ProgressedPositions positions;
    positions.date = date;
    positions.age = AgeOn(natal->birthDate, date);
    positions.progressedJulianDayUT = progressed;
    for (std::size_t i = 0; i < kProgressedPoints.size(); ++i) {
        const Body body = kProgressedPoints[i];
        const Result<double> longitude = ProgressedLongitude(*natal, body, progressed);
        const Result<bool> backwards = MovesBackwards(*natal, body, progressed);
        if (!longitude || !backwards)
            return Fail(!longitude ? longitude.error() : backwards.error());
        const SignDecanate decanate = DecanateNumbered(static_cast<int>(std::floor(*longitude / kEdgeDegrees)));
        positions.points[i] = ProgressedPoint{body, *longitude, decanate, *backwards};
    }
    return positions;
}

} // namespace tessaline
