// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/PlaceText.h"

#include "atlas/Atlas.h"

#include <cmath>
#include <cstdio>

namespace tessaline::atlas {

std::string Thousands(std::int64_t value)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

ArcMinutes RoundToArcMinute(double degrees) noexcept
{
    const long arcMinutes = std::lround(std::abs(degrees) * 60.0);
    return {static_cast<int>(arcMinutes / 60), static_cast<int>(arcMinutes % 60)};
}

std::string Atlas::Label(const Place& place) const
{
    const std::string_view name = Name(place);
    const std::string_view region = RegionName(place);
    std::string label(name);
    if (place.region < regions_.size() && region != name) {
        label += ", ";
        label += region;
    }
    label += ", ";
    label += CountryName(place);
    return label;
}

InstantClock Atlas::Clock(const Place& place) const
{
    const std::string zone(ZoneId(place));
    return {zone, place.Longitude(), 0, zone};
}

std::string Atlas::Detail(const Place& place) const
{
    char coordinates[48];
    std::snprintf(coordinates, sizeof coordinates, "%.2f°%c %.2f°%c", std::abs(place.Latitude()),
                  place.latitudeThousandths < 0 ? 'S' : 'N', std::abs(place.Longitude()),
                  place.longitudeThousandths < 0 ? 'W' : 'E');
    std::string detail = coordinates;
    detail += " · ";
    detail += place.population > 0 ? Thousands(place.population) + " people" : std::string("population unknown");
    detail += " · ";
    detail += ZoneId(place);
    return detail;
}

} // namespace tessaline::atlas
