// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/DecanateChanges.h"

#include "chart/Sky.h"
#include "ephemeris/PreciseEphemeris.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tessaline {

namespace {

constexpr double kEdgeDegrees = 10.0;
constexpr int kDecanateCount = 36;
constexpr double kSecond = 1.0 / 86400.0; // days
constexpr double kMinute = 60.0 * kSecond;
constexpr double kJulianDayOf1970 = 2440587.5;
constexpr double kGolden = 0.6180339887498949;

// Days between two looks at a body: short enough that it moves well under a decanate from one to the next,
// and that no two of its stations fall within two steps of each other (Mercury's are three weeks apart at
// the least, Mars's two months, the outer planets' four; the mean node never stops).
double StepDays(Body body) noexcept
{
    switch (body) {
    case Body::Moon:
        return 0.25; // 13-15° a day: under 4° a step
    case Body::Sun:
    case Body::Mercury:
    case Body::Venus:
        return 1.0;
    case Body::Mars:
        return 2.0;
    default:
        return 5.0;
    }
}

// One look at a body: the instant, its longitude in the zodiac, and the longitude counted on from the range's
// start without wrapping at 360°, so that edges crossed are whole multiples of 10° passed.
struct Look {
    double t = 0.0;
    double longitude = 0.0;
    double unwrapped = 0.0;
};

// A body followed through the range; the first failure of the ephemeris is kept and ends the walk.
class BodyPath
{
public:
    BodyPath(Body body, const ZodiacChoice& zodiac)
        : body_(body)
        , zodiac_(zodiac)
    { }

    // The look at t, unwrapped from a nearby look (less than half a turn away).
    Look At(double t, const Look& near)
    {
        Look look{t, 0.0, near.unwrapped};
        if (const Result<double> longitude = ChangingLongitude(body_, t, zodiac_); !longitude)
            failure_ = longitude.error();
        else {
            look.longitude = *longitude;
            look.unwrapped = near.unwrapped + std::remainder(look.longitude - near.longitude, 360.0);
        }
        return look;
    }
    Look First(double t)
    {
        Look look = At(t, Look{t, 0.0, 0.0});
        look.unwrapped = look.longitude;
        return look;
    }
    bool Failed() const noexcept { return !failure_.empty(); }
    const std::string& Failure() const noexcept { return failure_; }

private:
    Body body_;
    ZodiacChoice zodiac_;
    std::string failure_;
};

// The station between a and c where the body turns (b, between them, lies beyond both in longitude): the
// extreme longitude found by golden section to a minute.
Look Station(BodyPath& path, const Look& a, const Look& b, const Look& c)
{
    const double sense = b.unwrapped > a.unwrapped ? 1.0 : -1.0; // a greatest (direct to retrograde) or least
    double low = a.t;
    double high = c.t;
    Look x = path.At(high - kGolden * (high - low), b);
    Look y = path.At(low + kGolden * (high - low), b);
    while (high - low > kMinute && !path.Failed()) {
        if (sense * x.unwrapped >= sense * y.unwrapped) {
            high = y.t;
            y = x;
            x = path.At(high - kGolden * (high - low), b);
        } else {
            low = x.t;
            x = y;
            y = path.At(low + kGolden * (high - low), b);
        }
    }
    return sense * x.unwrapped >= sense * y.unwrapped ? x : y;
}

// Every look at the body through the range, its stations among them: between two neighbours the body moves
// one way only.
std::vector<Look> Walk(BodyPath& path, double from, double to, double step)
{
    std::vector<Look> looks;
    const auto count = static_cast<std::size_t>(std::ceil((to - from) / step));
    looks.reserve(count + 1);
    looks.push_back(path.First(from));
    for (std::size_t i = 1; i <= count && !path.Failed(); ++i)
        looks.push_back(path.At(std::min(to, from + static_cast<double>(i) * step), looks.back()));
    std::vector<Look> stations;
    for (std::size_t i = 1; i + 1 < looks.size() && !path.Failed(); ++i) {
        const double before = looks[i].unwrapped - looks[i - 1].unwrapped;
        const double after = looks[i + 1].unwrapped - looks[i].unwrapped;
        if ((before > 0.0 && after < 0.0) || (before < 0.0 && after > 0.0))
            stations.push_back(Station(path, looks[i - 1], looks[i], looks[i + 1]));
    }
    looks.insert(looks.end(), stations.begin(), stations.end());
    std::sort(looks.begin(), looks.end(), [](const Look& x, const Look& y) { return x.t < y.t; });
    return looks;
}

SignDecanate DecanateNumbered(int index) noexcept
{
    const int wrapped = ((index % kDecanateCount) + kDecanateCount) % kDecanateCount;
    return SignDecanate{wrapped / 3, wrapped % 3 + 1};
}

// The first whole second (since 1970) at which the body, moving one way between a and b, stands past the edge:
// found by halving a range of whole seconds, so that the answer is the same whatever range was asked for and
// wherever its looks fell.
std::int64_t Crossing(BodyPath& path, const Look& a, const Look& b, double edge)
{
    const double sense = b.unwrapped > a.unwrapped ? 1.0 : -1.0;
    auto before = static_cast<std::int64_t>(std::floor((a.t - kJulianDayOf1970) / kSecond));
    auto after = static_cast<std::int64_t>(std::ceil((b.t - kJulianDayOf1970) / kSecond));
    while (after - before > 1 && !path.Failed()) {
        const std::int64_t middle = before + (after - before) / 2;
        const Look look = path.At(kJulianDayOf1970 + static_cast<double>(middle) * kSecond, a);
        (sense * (look.unwrapped - edge) < 0.0 ? before : after) = middle;
    }
    return after;
}

// The changes of one body between neighbouring looks, each edge between them crossed once.
void AddChanges(BodyPath& path, Body body, const std::vector<Look>& looks, double to,
                std::vector<DecanateChange>& changes)
{
    for (std::size_t i = 1; i < looks.size() && !path.Failed(); ++i) {
        const Look& a = looks[i - 1];
        const Look& b = looks[i];
        const auto ka = static_cast<int>(std::floor(a.unwrapped / kEdgeDegrees));
        const auto kb = static_cast<int>(std::floor(b.unwrapped / kEdgeDegrees));
        const bool backwards = kb < ka;
        for (int k = std::min(ka, kb) + 1; k <= std::max(ka, kb); ++k) {
            const std::int64_t second = Crossing(path, a, b, k * kEdgeDegrees);
            const double t = kJulianDayOf1970 + static_cast<double>(second) * kSecond;
            if (t >= to)
                continue;
            DecanateChange change;
            change.body = body;
            change.julianDayUT = t;
            change.unixSeconds = second;
            change.left = DecanateNumbered(backwards ? k : k - 1);
            change.entered = DecanateNumbered(backwards ? k - 1 : k);
            change.retrograde = backwards;
            changes.push_back(change);
        }
    }
}

bool Changes(Body body) noexcept
{
    return body != Body::Ascendant && body != Body::Midheaven;
}

} // namespace

Result<double> ChangingLongitude(Body body, double julianDayUT, const ZodiacChoice& zodiac)
{
    Result<double> tropical
        = body == Body::Rahu || body == Body::Ketu ? PreciseMeanNode(julianDayUT) : PreciseLongitude(body, julianDayUT);
    if (!tropical)
        return tropical;
    if (body == Body::Ketu)
        *tropical = *tropical < 180.0 ? *tropical + 180.0 : *tropical - 180.0;
    const Result<double> ayanamsa = AyanamsaFor(zodiac, julianDayUT);
    if (!ayanamsa)
        return Fail(ayanamsa.error());
    return InZodiac(*tropical, zodiac, *ayanamsa);
}

Result<std::vector<DecanateChange>> FindDecanateChanges(const DecanateChangeRequest& request)
{
    const double from = request.fromJulianDayUT;
    const double to = request.toJulianDayUT;
    if (!(from < to))
        return Fail(std::string("The range of decanate changes ends before it begins"));
    if (to - from > kMostDecanateChangeDays)
        return Fail(std::string("The range of decanate changes is longer than 150 years"));
    std::vector<DecanateChange> changes;
    for (const Body body : request.bodies) {
        if (!Changes(body))
            return Fail(std::string(BodyName(body)) + " has no decanate changes of its own");
        BodyPath path(body, request.zodiac);
        const std::vector<Look> looks = Walk(path, from, to, StepDays(body));
        if (!path.Failed())
            AddChanges(path, body, looks, to, changes);
        if (path.Failed())
            return Fail(path.Failure());
    }
    std::stable_sort(changes.begin(), changes.end(), [](const DecanateChange& x, const DecanateChange& y) {
        return x.unixSeconds != y.unixSeconds ? x.unixSeconds < y.unixSeconds : ToIndex(x.body) < ToIndex(y.body);
    });
    return changes;
}

} // namespace tessaline
