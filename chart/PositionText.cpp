#include "chart/PositionText.h"

#include <cmath>

namespace tessaline {

namespace {

constexpr std::string_view kDegreeSign = "\u00B0";

std::string_view Trim(std::string_view s) noexcept
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

void AppendTwoDigits(std::string& out, std::string_view part)
{
    if (part.size() <= 1)
        out += '0';
    out += part;
}

} // namespace

std::string FormatZodiacPosition(double x)
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

    std::string text;
    text.reserve(20);
    text += std::to_string(static_cast<int>(D));
    text += kDegreeSign;
    text += ' ';
    text += std::to_string(static_cast<int>(M));
    text += "' ";
    text += std::to_string(static_cast<int>(S));
    text += "\" ";
    if (k >= 0 && k < 12)
        text += SignAbbreviations.substr(static_cast<std::size_t>(3 * k), 3);
    return text;
}

std::string FormatPositionEntry(std::string_view text)
{
    const std::string_view t = Trim(text);
    const auto degreeAt = t.find(kDegreeSign);
    const auto apostropheAt = t.find('\'');
    const std::string_view degrees = Trim(t.substr(0, degreeAt));
    std::string_view minutes;
    if (degreeAt != std::string_view::npos && apostropheAt != std::string_view::npos && apostropheAt > degreeAt)
        minutes = Trim(t.substr(degreeAt + kDegreeSign.size(), apostropheAt - degreeAt - kDegreeSign.size()));
    const std::string_view sign = Trim(text.size() >= 3 ? text.substr(text.size() - 3) : text);

    std::string entry;
    entry.reserve(9);
    AppendTwoDigits(entry, degrees);
    entry += ' ';
    entry += sign;
    entry += ' ';
    AppendTwoDigits(entry, minutes);
    return entry;
}

double ReduceDegrees(double x) noexcept
{
    if (x < 0.0)
        x += 360.0;
    if (x > 360.0)
        x -= 360.0;
    return x;
}

double ReduceRadians(double x) noexcept
{
    const double q = x / kTwoPi;
    double r = kTwoPi * (q - std::trunc(q));
    if (r < 0.0)
        r += kTwoPi;
    return r;
}

double ArcTan2(double y, double x) noexcept
{
    if (x > 0.0)
        return std::atan(y / x);
    if (x < 0.0) {
        const double a = kPi - std::atan(std::fabs(y / x));
        return y >= 0.0 ? a : -a;
    }
    if (y > 0.0)
        return kPi / 2.0;
    if (y < 0.0)
        return -kPi / 2.0;
    return 0.0;
}

} // namespace tessaline
