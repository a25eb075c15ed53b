// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/BirthMoment.h"

#include "ephemeris/CivilTime.h"
#include "ephemeris/JulianDay.h"
#include "ephemeris/Planets.h"
#include "ephemeris/PreciseEphemeris.h"

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

BirthInstant MakeBirthInstant(const BirthRecord& record, const ZoneCorrection& zone) noexcept
{
    const BirthMoment moment = BirthUniversalTime(record, zone);
    BirthInstant instant;
    instant.universal = BodiesInstant(record, zone);
    instant.julianDay = JulianDayUT(instant.universal);
    instant.j2000Days = J2000DayNumber(instant.universal);
    instant.clockDayNumber = JulianDayNumber(record.month, record.day, record.year);
    instant.universalHours = moment.universalTime;
    instant.signedLongitude = moment.signedLongitude;
    instant.signedLatitude = moment.signedLatitude;
    return instant;
}

} // namespace tessaline
