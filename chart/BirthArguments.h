// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/BirthData.h"

#include <string>
#include <string_view>
#include <variant>

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

// Either the filled form or the message that rejects the birth. The form's own checks (name, the four
// coordinates, the calendar) are left to ValidateBirthData, so their messages are the window's.
using ParsedBirth = std::variant<BirthDataForm, std::string>;

ParsedBirth ParseBirthArguments(const BirthArguments& arguments);

// "+05:45", "-4:30": the clock's offset east of Greenwich as the signed correction (west positive); nothing
// for anything else or beyond 14 hours.
std::optional<ZoneCorrection> ParseExactOffset(std::string_view text) noexcept;

// The texts that read back as the form: date 1975-06-15, time 10:30, zone 34 (or the exact offset +05:45),
// lon 77E12, lat 28N36. The form has passed ValidateBirthData.
BirthArguments BirthArgumentsFromForm(const BirthDataForm& form);

// "1", "0", "true", "false", "yes", "no" in any case, or empty for no; nothing for anything else.
std::optional<bool> ParseFlag(std::string_view text);

} // namespace tessaline
