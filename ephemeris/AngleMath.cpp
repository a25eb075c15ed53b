// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephemeris/AngleMath.h"

#include <cmath>

namespace tessaline {

double ReduceDegrees(double x) noexcept
{
    if (x < 0.0)
        x += 360.0;
    if (x > 360.0)
        x -= 360.0;
    return x;
}

double ReduceRadians(double x) noexcept
{
    const double q = x / kTwoPi;
    double r = kTwoPi * (q - std::trunc(q));
    if (r < 0.0)
        r += kTwoPi;
    return r;
}

double ArcTan2(double y, double x) noexcept
{
    if (x > 0.0)
        return std::atan(y / x);
    if (x < 0.0) {
        const double a = kPi - std::atan(std::fabs(y / x));
        return y >= 0.0 ? a : -a;
    }
    if (y > 0.0)
        return kPi / 2.0;
    if (y < 0.0)
        return -kPi / 2.0;
    return 0.0;
}

} // namespace tessaline
