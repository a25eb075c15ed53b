// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephemeris/JulianDay.h"

#include <cstdint>

namespace tessaline {

double JulianDayNumber(int month, int day, int year) noexcept
{
    // 64-bit throughout: 365 × m alone is about 30 million for the years we meet.
    const std::int64_t m = 12 * (static_cast<std::int64_t>(year) + 4800) + month - 3;
    const auto floorDiv = [](std::int64_t a, std::int64_t b) {
        const std::int64_t q = a / b;
        return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
    };
    const std::int64_t mMod12 = m - 12 * floorDiv(m, 12);
    std::int64_t j = day + floorDiv(365 * m + 2 * mMod12 + 7, 12) + floorDiv(m, 48) - 32083;
    if (j >= 2299171)
        j = j + floorDiv(m, 4800) - floorDiv(m, 1200) + 38;
    return static_cast<double>(j);
}

double CenturiesSinceJ2000(double julianDayNumber, double universalTime) noexcept
{
    return ((julianDayNumber - kJ2000) + universalTime / 24.0 - 0.5) / kDaysPerCentury;
}

} // namespace tessaline
