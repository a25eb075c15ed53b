// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "chart/ChartState.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessaline {

// The birth data window's inputs as plain values: texts exactly as typed, list choices as positions.
struct BirthDataForm {
    std::string name;
    int monthPosition = 0; // 0 = January .. 11 = December
    int dayPosition = 0; // 0 = day 1 .. 30 = day 31
    int yearPosition = 0; // 0 = 1901 .. 149 = 2050
    int hour = 0; // 0..23
    int minute = 0; // 0..59
    int zonePosition = 29; // 0..70; -1 when no row is chosen
    bool daylightSaving = false;
    std::string lonDegrees;
    std::string lonMinutes;
    std::string latDegrees;
    std::string latMinutes;
    bool isEast = true;
    bool isSouth = false;
    // The clock offset from the place atlas or an exact offset typed as such, when no row expresses it (whole
    // minutes); it stands in for the row and the daylight-saving tick.
    std::optional<UtcOffset> exactZone{};
};

// The month list of the birth data window, January first.
inline constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;

// The field that receives the focus after a failed check, if any.
enum class BirthField { None, Name, LonDegrees, LonMinutes, LatDegrees, LatMinutes };

// Why a form was not calculated: one of the checks (its number, its fixed message and the field to correct),
// or (check 0) a position the precise ephemeris could not compute, with its reason. How to show it (the
// window's icon) is the program's choice.
struct ValidationFailure {
    int check = 0; // 1..7, the order in which the checks run; 0 when the calculation itself failed
    std::string message;
    BirthField focus = BirthField::None;
};

// Runs the checks in their fixed order: success when the form may be calculated, else the first that fails.
Result<void, ValidationFailure> ValidateBirthData(const BirthDataForm& form);

// A coordinate box's trimmed text as a whole number; nothing when it is blank or not a whole number.
std::optional<int> CoordinateValue(std::string_view text) noexcept;

// The name filter over an entry of any length in UTF-8 (a typed key, a paste, a whole argument): every
// letter of any alphabet, upper-cased by Unicode's full case mapping without a language (so "ß" becomes
// "SS", as in Qt's QString::toUpper), combining marks that follow a letter, blanks, and the Enter and
// Backspace keys (codes 13 and 8) pass; nothing when any other character is in it. `before` is the text
// already in front of the entry: it decides whether a mark at the entry's start follows a letter.
std::optional<std::string> FilterNameText(std::string_view entry, std::string_view before = {});

// The key filters for one byte: what a typed character becomes, or nothing when the box rejects it.
// FilterNameKey is FilterNameText for a single ASCII key.
std::optional<char> FilterNameKey(char c);
std::optional<char> FilterCoordinateKey(char c) noexcept;

inline constexpr std::string_view kMsgOnlyLetters = "Please Enter only Letters";
inline constexpr std::string_view kMsgOnlyNumbers = "Only Numbers Are Accepted";

} // namespace tessaline
