// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "chart/BirthData.h"

#include <string>
#include <string_view>

namespace tessaline {

// The birth of one chart as the chart tool receives it, every field still text.
struct BirthArguments {
    std::string name;
    std::string date; // YYYY-MM-DD
    std::string time; // HH:MM or HH:MM:SS
    std::string zone; // list position 0..70, or the clock's exact offset east of Greenwich, +HH:MM or -HH:MM
    std::string lon; // degrees, E or W, minutes: 77E12
    std::string lat; // degrees, N or S, minutes: 28N36
    bool dst = false;
};

// Who reads a message: the chart tool's may point to its options ("see --zones"), the window's never do.
enum class Reader { ChartTool, Window };

// The filled form, or the message that rejects the birth. The form's own checks (name, the four
// coordinates, the calendar) are left to ValidateBirthData, so their messages are the window's.
Result<BirthDataForm> ParseBirthArguments(const BirthArguments& arguments, Reader reader = Reader::ChartTool);

// The zodiac named by a zodiac and an ayanamsa text (the chart tool's options, or a batch row's columns),
// either may be empty: an ayanamsa alone means the sidereal zodiac, a sidereal zodiac alone means Lahiri,
// nothing means fallback. The message starts in lower case, to follow the caller's words.
Result<ZodiacChoice> ParseZodiac(std::string_view zodiac, std::string_view ayanamsa, const ZodiacChoice& fallback,
                                 Reader reader);

// "+05:45", "-4:30": the clock's offset east of Greenwich as the signed correction (west positive); nothing
// for anything else or beyond 14 hours.
std::optional<ZoneCorrection> ParseExactOffset(std::string_view text) noexcept;

// The texts that read back as the form: date 1975-06-15, time 10:30, zone 34 (or the exact offset +05:45),
// lon 77E12, lat 28N36. The form has passed ValidateBirthData.
BirthArguments BirthArgumentsFromForm(const BirthDataForm& form);

// "1", "0", "true", "false", "yes", "no" in any case, or empty for no; nothing for anything else.
std::optional<bool> ParseFlag(std::string_view text);

} // namespace tessaline
