// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tessaline {

// A calendar date and a clock time to the minute.
struct CivilInstant {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    friend bool operator==(const CivilInstant&, const CivilInstant&) = default;
};

// Days since 1970-01-01 of a proleptic Gregorian date; an impossible day counts on into the next month.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) noexcept;

// The date of a day count from DaysFromCivil.
void CivilFromDays(std::int64_t days, int& year, int& month, int& day) noexcept;

// The instant moved by a signed number of minutes, with carry into day, month and year.
CivilInstant AddMinutes(const CivilInstant& instant, std::int64_t minutes) noexcept;

} // namespace tessaline
