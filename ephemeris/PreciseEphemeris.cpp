// SPDX-License-Identifier: GPL-3.0-or-later
// The precise positions, from the ephemeris tables.

#include "ephemeris/PreciseEphemeris.h"

#include "ephemeris/EphemerisTables.h"

#include <algorithm>
#include <array>

namespace tessaline {

namespace {

constexpr double kJulianDayOf1970 = 2440587.5;

struct AyanamsaEntry {
    const char* name;
    const char* key;
};

constexpr std::array<AyanamsaEntry, kAyanamsaCount> kAyanamsas{{
    {"Lahiri", "lahiri"},
    {"Raman", "raman"},
    {"Krishnamurti", "krishnamurti"},
    {"Fagan/Bradley", "fagan-bradley"},
    {"True Chitrapaksha", "true-chitrapaksha"},
}};

bool SameWord(std::string_view a, std::string_view b) noexcept
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
        };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The tables at the instant, or at the nearer end of their span for an instant outside it. Only tables
// that fail their check give nothing, and then every point reads 0.
std::optional<TabulatedInstant> Tabulated(double julianDayUT) noexcept
{
    const TabulatedSpan span = EphemerisTablesSpan();
    return TabulatedInstant::At(std::clamp(julianDayUT, span.first, span.last));
}

} // namespace

double JulianDayUT(const CivilInstant& at) noexcept
{
    const auto days = static_cast<double>(DaysFromCivil(at.year, at.month, at.day));
    return kJulianDayOf1970 + days + (at.hour * 60 + at.minute) / 1440.0;
}

double PreciseLongitude(PreciseBody body, double julianDayUT) noexcept
{
    const auto at = Tabulated(julianDayUT);
    return at ? at->Longitude(body) : 0.0;
}

PreciseAngles PreciseChartAngles(double julianDayUT, double signedLongitude, double signedLatitude) noexcept
{
    const auto at = Tabulated(julianDayUT);
    return at ? at->ChartAngles(signedLongitude, signedLatitude) : PreciseAngles{};
}

double PreciseMeanNode(double julianDayUT) noexcept
{
    const auto at = Tabulated(julianDayUT);
    return at ? at->MeanNode() : 0.0;
}

const char* AyanamsaName(Ayanamsa ayanamsa) noexcept
{
    const auto i = static_cast<std::size_t>(ayanamsa);
    return i < kAyanamsas.size() ? kAyanamsas[i].name : "";
}

const char* AyanamsaKey(Ayanamsa ayanamsa) noexcept
{
    const auto i = static_cast<std::size_t>(ayanamsa);
    return i < kAyanamsas.size() ? kAyanamsas[i].key : "";
}

std::optional<Ayanamsa> AyanamsaNamed(std::string_view text) noexcept
{
    for (std::size_t i = 0; i < kAyanamsas.size(); ++i)
        if (SameWord(text, kAyanamsas[i].name) || SameWord(text, kAyanamsas[i].key))
            return static_cast<Ayanamsa>(i);
    return std::nullopt;
}

double PreciseAyanamsa(Ayanamsa ayanamsa, double julianDayUT) noexcept
{
    const auto at = Tabulated(julianDayUT);
    return at ? at->AyanamsaDegrees(ayanamsa) : 0.0;
}

PreciseSource PreciseEphemerisSource() noexcept
{
    return PreciseSource::Tables;
}

std::string PreciseEphemerisDescription()
{
    // The window's About box has said where the library's positions came from since before the tables.
    return EphemerisTablesDescription() + ", from its data files";
}

} // namespace tessaline
