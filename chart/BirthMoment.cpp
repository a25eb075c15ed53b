// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/BirthMoment.h"

#include "ephemeris/CivilTime.h"
#include "ephemeris/JulianDay.h"
#include "ephemeris/Planets.h"
#include "ephemeris/PreciseEphemeris.h"

namespace tessaline {

ZoneCorrection ClockToUniversal(const BirthRecord& record, const ZoneCorrection& zone) noexcept
{
    return CorrectionOf(ClockOffset(OffsetOf(zone), record.daylightSaving != 0));
}

BirthMoment BirthUniversalTime(const BirthRecord& record, const ZoneCorrection& zone) noexcept
{
    BirthMoment moment;
    const double clockTime = record.hour + record.minute / 60.0;
    const ZoneCorrection toUniversal = ClockToUniversal(record, zone);
    moment.universalTime = clockTime + (toUniversal.zoneCorrectionHours + toUniversal.zoneCorrectionMinutes / 60.0);

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
    const ZoneCorrection toUniversal = ClockToUniversal(record, zone);
    return AddMinutes(ClockInstant(record), toUniversal.zoneCorrectionHours * 60 + toUniversal.zoneCorrectionMinutes);
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
