// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/BirthMoment.h"

#include "ephemeris/CivilTime.h"

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

CivilInstant ClockInstant(const BirthRecord& record) noexcept
{
    return {record.year, record.month, record.day, record.hour, record.minute};
}

CivilInstant BodiesInstant(const BirthRecord& record, const ZoneCorrection& zone) noexcept
{
    int minutes = zone.zoneCorrectionHours * 60 + zone.zoneCorrectionMinutes;
    if (record.daylightSaving != 0)
        minutes -= 60; // the clock ran an hour ahead of the zone's standard time
    return AddMinutes(ClockInstant(record), minutes);
}

} // namespace tessaline
