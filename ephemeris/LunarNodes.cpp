// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephemeris/LunarNodes.h"

#include "ephemeris/AngleMath.h"

namespace tessaline {

LunarNodes MeanLunarNodes(double d) noexcept
{
    double N = (125.1228 - 0.0529538083 * d) * kRadiansPerDegree;
    N = ReduceRadians(N);
    double rahu = N * (180.0 / 3.1416) - 1.0;
    if (rahu < 0.0)
        rahu += 360.0;
    double ketu = rahu + 180.0;
    while (ketu > 360.0)
        ketu -= 360.0;
    return {rahu, ketu};
}

} // namespace tessaline
