// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/BirthData.h"

#include "chart/Text.h"

#include <charconv>
#include <cstdint>
#include <memory>
#include <unicode/ucasemap.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace tessaline {

namespace {

struct RangeCheck {
    const std::string BirthDataForm::*text;
    int maximum;
    BirthField field;
    std::string_view message;
};

// Checks 2 to 5, in order. Two blanks before "Minute" in the minute messages, as they have always read.
constexpr RangeCheck kRangeChecks[] = {
    {&BirthDataForm::lonDegrees, 179, BirthField::LonDegrees,
     "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
    {&BirthDataForm::lonMinutes, 59, BirthField::LonMinutes,
     "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
    {&BirthDataForm::latDegrees, 89, BirthField::LatDegrees,
     "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
    {&BirthDataForm::latMinutes, 59, BirthField::LatMinutes,
     "Please Enter Value Between 0 And 59 in the  Minute of Latitude"},
};

constexpr int kFebruary = 1;
constexpr int kDay29 = 28; // list positions count from day 1
constexpr int kDay30 = 29;
constexpr int kDay31 = 30;

Unexpected<ValidationFailure> Failed(int check, std::string_view message, BirthField focus)
{
    return {ValidationFailure{check, std::string(message), focus}};
}

bool IsThirtyDayMonth(int monthPosition) noexcept
{
    return monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
}

} // namespace

std::optional<int> CoordinateValue(std::string_view text) noexcept
{
    const std::string_view t = TrimBlanks(text);
    if (t.empty())
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (error != std::errc{} || end != t.data() + t.size())
        return std::nullopt; // not a whole number: fails its range check, never read as 0
    return value;
}

Result<void, ValidationFailure> ValidateBirthData(const BirthDataForm& form)
{
    if (TrimBlanks(form.name).empty())
        return Failed(1, "Please Enter Name", BirthField::Name);

    int check = 2;
    for (const RangeCheck& range : kRangeChecks) {
        const std::optional<int> value = CoordinateValue(form.*range.text);
        if (!value || *value < 0 || *value > range.maximum)
            return Failed(check, range.message, range.field);
        ++check;
    }

    if (form.monthPosition == kFebruary) {
        const int year = kFirstYear + form.yearPosition;
        const bool leapYear = year % 4 == 0; // exact for 1901..2050
        if (form.dayPosition >= (leapYear ? kDay30 : kDay29))
            return Failed(6, "Please Enter Correct Date Or Month!", BirthField::None);
    }
    if (IsThirtyDayMonth(form.monthPosition) && form.dayPosition == kDay31)
        return Failed(7, "Please Enter Correct Date Or Month !", BirthField::None);
    return {};
}

std::optional<std::string> FilterNameText(std::string_view entry, std::string_view before)
{
    if (entry.size() > static_cast<std::size_t>(INT32_MAX / 4))
        return std::nullopt; // ICU counts in int32_t
    const auto length = static_cast<int32_t>(entry.size());

    // Whether the character in front is a letter, or a mark that itself followed one.
    bool afterLetter = false;
    if (!before.empty() && before.size() <= static_cast<std::size_t>(INT32_MAX)) {
        auto at = static_cast<int32_t>(before.size());
        UChar32 last = 0;
        U8_PREV(before.data(), 0, at, last);
        afterLetter = last >= 0 && (U_GET_GC_MASK(last) & (U_GC_L_MASK | U_GC_M_MASK)) != 0;
    }
    for (int32_t at = 0; at < length;) {
        UChar32 c = 0;
        U8_NEXT(entry.data(), at, length, c);
        if (c < 0)
            return std::nullopt; // not UTF-8
        const std::uint32_t category = U_GET_GC_MASK(c);
        if ((category & U_GC_L_MASK) != 0)
            afterLetter = true;
        else if ((category & U_GC_M_MASK) != 0 && afterLetter)
            continue; // accents and vowel signs belong to the letter before them
        else if (c == ' ' || c == '\r' || c == '\b')
            afterLetter = false;
        else
            return std::nullopt; // digits, punctuation, symbols, other blanks, controls, a lone mark
    }

    UErrorCode status = U_ZERO_ERROR;
    // "" is ICU's root locale: the language-neutral mapping, as Qt's (no Turkish or Greek special rules).
    const std::unique_ptr<UCaseMap, decltype(&ucasemap_close)> caseMap(ucasemap_open("", 0, &status), &ucasemap_close);
    if (U_FAILURE(status))
        return std::nullopt;
    std::string upper(entry.size() + 8, '\0');
    int32_t written = ucasemap_utf8ToUpper(caseMap.get(), upper.data(), static_cast<int32_t>(upper.size()),
                                           entry.data(), length, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) { // "ß" is one letter and "SS" two
        status = U_ZERO_ERROR;
        upper.resize(static_cast<std::size_t>(written));
        written = ucasemap_utf8ToUpper(caseMap.get(), upper.data(), written, entry.data(), length, &status);
    }
    if (U_FAILURE(status))
        return std::nullopt;
    upper.resize(static_cast<std::size_t>(written));
    return upper;
}

std::optional<char> FilterNameKey(char c)
{
    const std::optional<std::string> kept = FilterNameText(std::string_view(&c, 1));
    if (!kept || kept->size() != 1)
        return std::nullopt;
    return kept->front();
}

std::optional<char> FilterCoordinateKey(char c) noexcept
{
    if ((c >= '0' && c <= '9') || c == '\b')
        return c;
    return std::nullopt;
}

} // namespace tessaline
