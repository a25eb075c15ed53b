#include "chart/BirthData.h"

#include <charconv>

namespace tessaline {

namespace {

std::string_view TrimBlanks(std::string_view s) noexcept
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

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

std::optional<ValidationFailure> ValidateBirthData(const BirthDataForm& form)
{
    if (TrimBlanks(form.name).empty())
        return ValidationFailure{1, "Please Enter Name", MessageIcon::Critical, BirthField::Name};

    int check = 2;
    for (const RangeCheck& range : kRangeChecks) {
        const std::optional<int> value = CoordinateValue(form.*range.text);
        if (!value || *value < 0 || *value > range.maximum)
            return ValidationFailure{check, range.message, MessageIcon::Critical, range.field};
        ++check;
    }

    if (form.monthPosition == kFebruary) {
        const int year = kFirstYear + form.yearPosition;
        const bool leapYear = year % 4 == 0; // exact for 1901..2050
        if (form.dayPosition >= (leapYear ? kDay30 : kDay29))
            return ValidationFailure{6, "Please Enter Correct Date Or Month!", MessageIcon::Information,
                                     BirthField::None};
    }
    if (IsThirtyDayMonth(form.monthPosition) && form.dayPosition == kDay31)
        return ValidationFailure{7, "Please Enter Correct Date Or Month !", MessageIcon::Information, BirthField::None};
    return std::nullopt;
}

std::optional<char> FilterNameKey(char c) noexcept
{
    if ((c >= 'A' && c <= 'Z') || c == ' ' || c == '\r' || c == '\b')
        return c;
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 32);
    return std::nullopt;
}

std::optional<char> FilterCoordinateKey(char c) noexcept
{
    if ((c >= '0' && c <= '9') || c == '\b')
        return c;
    return std::nullopt;
}

} // namespace tessaline
