// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ephemeris/AngleMath.h"
#include "ephemeris/CivilTime.h"

#include <string>
#include <string_view>

namespace tessaline {

// The twelve sign codes from Aries to Pisces, three letters each.
inline constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Long form, e.g. 13° 18' 57" Sco: every field truncated, never rounded. Works on the magnitude;
// exactly 360 shows as 0° Aries.
std::string FormatZodiacPosition(double x);

// Short form DD Sss MM from a long-form text.
std::string FormatPositionEntry(std::string_view text);

// Short form straight from degrees: the same text as the long form's entry, without the detour.
std::string FormatPositionEntry(double x);

// Whole degrees within the sign (0..29), whole minutes and seconds, all truncated, and the sign index
// (0 Aries .. 11 Pisces).
struct ZodiacFields {
    int degrees;
    int minutes;
    int seconds;
    int sign;
};
ZodiacFields SplitZodiacPosition(double x) noexcept;

// The clock time as "HH:MM".
std::string ClockText(const CivilInstant& at);

// The calendar day as people write it: "31 December 2049".
std::string DayText(const CivilInstant& at);

// The local date and clock time in ISO 8601 form, without a zone: "2049-12-31T22:24".
std::string LocalDateTimeText(const CivilInstant& at);

} // namespace tessaline
