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

// Why a birth's texts give no form or no zodiac. Most failures read the same in both programs (Stated: the
// message says it); the others name what failed and the text, and each program words them, pointing to its
// own options or boxes.
struct BirthFailure {
    enum class Kind {
        Stated, // message
        AutoZoneWithoutPlace, // the zone "auto", and the birth names no place
        NotAZone, // input: the zone as given
        UnknownAyanamsa, // input: the ayanamsa as given
    };
    Kind kind = Kind::Stated;
    std::string input;
    std::string message;
    // Not Stated: the words the program's own follow ("In this row "); empty when they begin the sentence.
    std::string lead;
};

// A text a message quotes, in straight quotes, cut at 40 bytes ("...") so a pasted novel is not echoed whole.
std::string QuotedInput(std::string_view text);

// The filled form, or why the birth is rejected. The form's own checks (name, the four coordinates, the
// calendar) are left to ValidateBirthData, so their messages are the window's.
Result<BirthDataForm, BirthFailure> ParseBirthArguments(const BirthArguments& arguments);

// The zodiac named by a zodiac and an ayanamsa text (the chart tool's options, or a batch row's columns),
// either may be empty: an ayanamsa alone means the sidereal zodiac, a sidereal zodiac alone means Lahiri,
// nothing means fallback. Its words start in lower case, to follow the caller's.
Result<ZodiacChoice, BirthFailure> ParseZodiac(std::string_view zodiac, std::string_view ayanamsa,
                                               const ZodiacChoice& fallback);

// "+05:45", "-4:30": the clock's offset east of Greenwich as the signed correction (west positive); nothing
// for anything else or beyond 14 hours.
std::optional<ZoneCorrection> ParseExactOffset(std::string_view text) noexcept;

// The texts that read back as the form: date 1975-06-15, time 10:30, zone 34 (or the exact offset +05:45),
// lon 77E12, lat 28N36. The form has passed ValidateBirthData.
BirthArguments BirthArgumentsFromForm(const BirthDataForm& form);

// "1", "0", "true", "false", "yes", "no" in any case, or empty for no; nothing for anything else.
std::optional<bool> ParseFlag(std::string_view text);

} // namespace tessaline
