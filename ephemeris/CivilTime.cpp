// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephemeris/CivilTime.h"

namespace tessaline {

std::int64_t DaysFromCivil(std::int64_t y, int m, int d) noexcept
{
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) noexcept
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

CivilInstant AddMinutes(const CivilInstant& instant, std::int64_t minutes) noexcept
{
    minutes += std::int64_t{instant.hour} * 60 + instant.minute;
    const std::int64_t dayShift = (minutes >= 0 ? minutes : minutes - 1439) / 1440;
    minutes -= dayShift * 1440;

    CivilInstant moved;
    CivilFromDays(DaysFromCivil(instant.year, instant.month, instant.day) + dayShift, moved.year, moved.month,
                  moved.day);
    moved.hour = static_cast<int>(minutes / 60);
    moved.minute = static_cast<int>(minutes % 60);
    return moved;
}

} // namespace tessaline
