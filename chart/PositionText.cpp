// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/PositionText.h"

#include "chart/BirthData.h"
#include "chart/Text.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace tessaline {

namespace {

constexpr std::string_view kDegreeSign = "\u00B0";

// A text of at most a couple of dozen characters built in place, without allocating on the way.
class ShortText
{
public:
    void Add(std::string_view part) noexcept
    {
        for (char c : part)
            if (size_ < buffer_.size())
                buffer_[size_++] = c;
    }
    void Add(char c) noexcept { Add(std::string_view(&c, 1)); }
    // 0..99 in plain decimal.
    void AddNumber(int n) noexcept
    {
        if (n >= 10)
            Add(static_cast<char>('0' + n / 10));
        Add(static_cast<char>('0' + n % 10));
    }
    // A number's text padded to two digits with a leading zero.
    void AddTwoDigits(std::string_view digits) noexcept
    {
        if (digits.size() <= 1)
            Add('0');
        Add(digits);
    }
    std::string Str() const { return std::string(buffer_.data(), size_); }

private:
    std::array<char, 32> buffer_{};
    std::size_t size_ = 0;
};

std::string_view SignCode(int sign) noexcept
{
    return sign >= 0 && sign < 12 ? SignAbbreviations.substr(3 * static_cast<std::size_t>(sign), 3) : "";
}

} // namespace

ZodiacFields SplitZodiacPosition(double x) noexcept
{
    double a = std::fabs(x);
    // 360 is the same point as 0° Aries (there is no thirteenth sign code); nothing else above one turn
    // reaches here from the engines, but a stray value must still give a text, not a runaway loop.
    if (!(a < 360.0))
        a = std::isfinite(a) ? std::fmod(a, 360.0) : 0.0;
    double D = std::floor(a);
    const double m = 60.0 * (a - D);
    const double M = std::floor(m);
    const double S = std::floor(60.0 * (m - M));
    const int k = static_cast<int>(std::floor(D / 30.0));
    while (D >= 30.0)
        D -= 30.0;
    return {static_cast<int>(D), static_cast<int>(M), static_cast<int>(S), k};
}

std::string FormatZodiacPosition(double x)
{
    const ZodiacFields f = SplitZodiacPosition(x);
    ShortText text;
    text.AddNumber(f.degrees);
    text.Add(kDegreeSign);
    text.Add(' ');
    text.AddNumber(f.minutes);
    text.Add("' ");
    text.AddNumber(f.seconds);
    text.Add("\" ");
    text.Add(SignCode(f.sign));
    return text.Str();
}

std::string FormatPositionEntry(double x)
{
    const ZodiacFields f = SplitZodiacPosition(x);
    const std::string_view sign = SignCode(f.sign);
    // Always nine characters: two-digit degrees, the sign code, two-digit minutes.
    std::array<char, 9> entry{
        static_cast<char>('0' + f.degrees / 10), static_cast<char>('0' + f.degrees % 10), ' ', ' ', ' ', ' ', ' ',
        static_cast<char>('0' + f.minutes / 10), static_cast<char>('0' + f.minutes % 10)};
    for (std::size_t i = 0; i < sign.size() && i < 3; ++i)
        entry[3 + i] = sign[i];
    return std::string(entry.data(), entry.size());
}

std::string FormatPositionEntry(std::string_view text)
{
    const std::string_view t = TrimBlanks(text);
    const auto degreeAt = t.find(kDegreeSign);
    const auto apostropheAt = t.find('\'');
    const std::string_view degrees = TrimBlanks(t.substr(0, degreeAt));
    std::string_view minutes;
    if (degreeAt != std::string_view::npos && apostropheAt != std::string_view::npos && apostropheAt > degreeAt)
        minutes = TrimBlanks(t.substr(degreeAt + kDegreeSign.size(), apostropheAt - degreeAt - kDegreeSign.size()));
    const std::string_view sign = TrimBlanks(text.size() >= 3 ? text.substr(text.size() - 3) : text);

    ShortText entry;
    entry.AddTwoDigits(degrees);
    entry.Add(' ');
    entry.Add(sign);
    entry.Add(' ');
    entry.AddTwoDigits(minutes);
    return entry.Str();
}

std::string ClockText(const CivilInstant& at)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", (at.hour % 24 + 24) % 24, (at.minute % 60 + 60) % 60);
    return text;
}

std::string DayText(const CivilInstant& at)
{
    const std::string_view month
        = at.month >= 1 && at.month <= 12 ? kMonthNames[static_cast<std::size_t>(at.month - 1)] : std::string_view();
    return std::to_string(at.day) + " " + std::string(month) + " " + std::to_string(at.year);
}

std::string LocalDateTimeText(const CivilInstant& at)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%s", at.year, at.month, at.day, ClockText(at).c_str());
    return text;
}

} // namespace tessaline
