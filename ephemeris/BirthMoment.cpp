#include "ephemeris/BirthMoment.h"

#include <cmath>
#include <cstdint>

namespace tessaline {

BirthMoment BirthUniversalTime(const BirthRecord& record, const ZoneCorrection& zone) noexcept
{
    BirthMoment moment;
    const double clockTime = record.hour + record.minute / 60.0;
    double correction = zone.zoneCorrectionHours + zone.zoneCorrectionMinutes / 60.0;
    if (record.daylightSaving != 0)
        correction -= 1.0; // the clock ran an hour ahead of the zone's standard time
    moment.universalTime = clockTime + correction;

    moment.signedLongitude = record.lonDegrees + record.lonMinutes / 60.0;
    if (record.isEast != 0)
        moment.signedLongitude = -moment.signedLongitude;
    moment.signedLatitude = record.latDegrees + record.latMinutes / 60.0;
    if (record.isSouth != 0)
        moment.signedLatitude = -moment.signedLatitude;
    return moment;
}

double JulianDayNumber(int month, int day, int year) noexcept
{
    // 64-bit throughout: 365 × m alone is about 30 million for the years we meet.
    const std::int64_t m = 12 * (static_cast<std::int64_t>(year) + 4800) + month - 3;
    const auto floorDiv = [](std::int64_t a, std::int64_t b) {
        const std::int64_t q = a / b;
        return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
    };
    const std::int64_t mMod12 = m - 12 * floorDiv(m, 12);
    std::int64_t j = day + floorDiv(365 * m + 2 * mMod12 + 7, 12) + floorDiv(m, 48) - 32083;
    if (j >= 2299171)
        j = j + floorDiv(m, 4800) - floorDiv(m, 1200) + 38;
    return static_cast<double>(j);
}

double CenturiesSinceJ2000(double julianDayNumber, double universalTime) noexcept
{
    return ((julianDayNumber - kJ2000) + universalTime / 24.0 - 0.5) / kDaysPerCentury;
}

} // namespace tessaline
