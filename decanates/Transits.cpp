// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/Transits.h"

#include "chart/BirthData.h"
#include "chart/PositionText.h"
#include "chart/Sky.h"
#include "decanates/DecanateTable.h"
#include "ephemeris/EphemerisTables.h"

#include <algorithm>
#include <cmath>

namespace tessaline {

namespace {

constexpr std::array<std::string_view, 3> kOrdinals{"first", "second", "third"};
constexpr double kHalfDay = 0.5; // the speed is the change from half a day before to half a day after

// The tables' span, a day inside either end, so that a speed's neighbouring looks stay inside too.
bool Charted(double julianDayUT) noexcept
{
    const TabulatedSpan span = EphemerisTablesSpan();
    return julianDayUT >= span.first + 1.0 && julianDayUT <= span.last - 1.0;
}

std::string OutsideTheTables()
{
    return "The sky can be charted from " + std::to_string(kFirstYear) + " to " + std::to_string(kLastYear)
        + ", the years of the precise tables";
}

Result<TransitPoint> PointAt(Body body, double julianDayUT, const Chart& natal)
{
    const Result<double> before = ChangingLongitude(body, julianDayUT - kHalfDay, natal.Zodiac());
    const Result<double> now = ChangingLongitude(body, julianDayUT, natal.Zodiac());
    const Result<double> after = ChangingLongitude(body, julianDayUT + kHalfDay, natal.Zodiac());
    for (const Result<double>* look : {&before, &now, &after})
        if (!*look)
            return Fail(look->error());
    TransitPoint point;
    point.body = body;
    point.longitude = *now;
    point.speed = std::remainder(*after - *before, 360.0) / (2.0 * kHalfDay);
    point.decanate = DecanateOf(*now).value_or(SignDecanate{});
    for (std::size_t b = 0; b < kDecanateBodyCount; ++b)
        if (natal.Decanate(static_cast<Body>(b)) == point.decanate)
            point.natal.push_back(static_cast<Body>(b));
    return point;
}

std::string NatalOwners(const std::vector<Body>& natal)
{
    std::string owners = "your ";
    for (std::size_t i = 0; i < natal.size(); ++i) {
        if (i > 0)
            owners += i + 1 == natal.size() ? " and " : ", ";
        owners += std::string(BodyName(natal[i])) + "'s";
    }
    return owners + " decanate";
}

std::string DecanateWords(SignDecanate decanate, DecanScheme scheme, bool owned)
{
    const DecanateResult texts = DecanateTexts(decanate, scheme);
    const std::string ordinal(kOrdinals[static_cast<std::size_t>(std::clamp(decanate.decanate, 1, 3) - 1)]);
    const std::string sign(LookUpDecanate(decanate.signIndex, 1).DecanateSign);
    std::string words = owned ? "the " + ordinal + " of " + sign : "the " + ordinal + " decanate of " + sign;
    if (texts.DecanateSign.empty())
        return words + ", ruled by " + std::string(texts.RulingPlanet);
    return words + " (" + std::string(texts.DecanateSign) + ")";
}

} // namespace

Result<Transits> TransitsAt(const Chart& natal, double julianDayUT)
{
    if (!std::isfinite(julianDayUT) || !Charted(julianDayUT))
        return Fail(OutsideTheTables());
    Transits transits;
    transits.julianDayUT = julianDayUT;
    for (std::size_t i = 0; i < kTransitingBodies.size(); ++i) {
        Result<TransitPoint> point = PointAt(kTransitingBodies[i], julianDayUT, natal);
        if (!point)
            return Fail(point.error());
        transits.points[i] = std::move(*point);
    }
    return transits;
}

Result<std::optional<DecanateChange>> NextDecanateChange(Body body, double julianDayUT, const ZodiacChoice& zodiac)
{
    if (!std::isfinite(julianDayUT) || !Charted(julianDayUT))
        return Fail(OutsideTheTables());
    // Look a month ahead, then twice as far each time: the Moon leaves within days, Pluto may stay twenty years.
    const double end = EphemerisTablesSpan().last - 1.0;
    double from = julianDayUT;
    for (double window = 32.0; from < end; window *= 2.0) {
        const double to = std::min(end, from + window);
        const Result<std::vector<DecanateChange>> changes = FindDecanateChanges({from, to, {body}, zodiac});
        if (!changes)
            return Fail(changes.error());
        for (const DecanateChange& change : *changes)
            if (change.julianDayUT > julianDayUT)
                return std::optional<DecanateChange>(change);
        from = to;
    }
    return std::optional<DecanateChange>();
}

std::string TransitSentence(const TransitPoint& point, const Chart& natal, const std::optional<CivilInstant>& leaves)
{
    const bool owned = !point.natal.empty();
    std::string sentence = std::string(BodyName(point.body)) + " is in ";
    if (owned)
        sentence += NatalOwners(point.natal) + ", ";
    sentence += DecanateWords(point.decanate, natal.Scheme(), owned);
    if (leaves)
        return sentence + ", until " + DayText(*leaves) + ".";
    return sentence + ", past the tables' end (" + std::to_string(kLastYear) + ").";
}

} // namespace tessaline
