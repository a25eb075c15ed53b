#pragma once

#include "app/ChartState.h"

#include <cstdint>
#include <string>

namespace tessaline {

// Days since 1970-01-01 of a proleptic Gregorian date; an impossible day counts on into the next month.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) noexcept;

// The date of a day count from DaysFromCivil.
void CivilFromDays(std::int64_t days, int& year, int& month, int& day) noexcept;

// The instant moved by a signed number of minutes, with carry into day, month and year.
CivilInstant AddMinutes(const CivilInstant& instant, std::int64_t minutes) noexcept;

// The record's clock date and time.
CivilInstant ClockInstant(const BirthRecord& record) noexcept;

// The clock time as "HH:MM".
std::string ClockText(const CivilInstant& at);

} // namespace tessaline
