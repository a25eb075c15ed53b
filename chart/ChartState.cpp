// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ChartState.h"

#include "chart/Text.h"

#include <array>

namespace tessaline {

const char* BodyName(Body body) noexcept
{
    static constexpr std::array<const char*, kBodyCount> kNames{
        "Sun",    "Moon",    "Mercury", "Venus",     "Mars",      "Jupiter", "Saturn",
        "Uranus", "Neptune", "Pluto",   "Ascendant", "Midheaven", "Rahu",    "Ketu",
    };
    const auto i = ToIndex(body);
    return i < kNames.size() ? kNames[i] : "";
}

UtcOffset OffsetOf(const ZoneCorrection& zone) noexcept
{
    return {-(zone.zoneCorrectionHours * 60 + zone.zoneCorrectionMinutes) * 60};
}

ZoneCorrection CorrectionOf(UtcOffset offset) noexcept
{
    const int minutesWest = -(offset.seconds / 60);
    return {minutesWest / 60, minutesWest % 60};
}

UtcOffset ClockOffset(UtcOffset standard, bool daylightSaving) noexcept
{
    return {standard.seconds + (daylightSaving ? 3600 : 0)};
}

std::optional<Ayanamsa> AyanamsaNamed(std::string_view text)
{
    const std::string key = CaseFolded(text);
    for (int i = 0; i < kAyanamsaCount; ++i) {
        const auto ayanamsa = static_cast<Ayanamsa>(i);
        if (key == CaseFolded(AyanamsaName(ayanamsa)) || key == CaseFolded(AyanamsaKey(ayanamsa)))
            return ayanamsa;
    }
    return std::nullopt;
}

} // namespace tessaline
