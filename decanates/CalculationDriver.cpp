// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/CalculationDriver.h"

#include "chart/BirthMoment.h"
#include "chart/Engines.h"
#include "chart/ZoneTable.h"
#include "decanates/BirthTimeMargins.h"
#include "decanates/DecanateAssignment.h"
#include "ephemeris/Angles.h"
#include "ephemeris/Moon.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace tessaline {

namespace {

// A field whose value does not fit keeps its default.
void Store(std::int16_t& field, std::optional<int> value) noexcept
{
    if (value && *value >= std::numeric_limits<std::int16_t>::min()
        && *value <= std::numeric_limits<std::int16_t>::max())
        field = static_cast<std::int16_t>(*value);
}

std::int16_t Flag(bool on) noexcept
{
    return on ? kTrue : kFalse;
}

} // namespace

Status StoreBirthData(ChartState& state, const BirthDataForm& form)
{
    BirthRecord& record = state.birthRecord;
    record.name = form.name;
    if (form.exactZone) {
        state.zoneCorrection = CorrectionOf(*form.exactZone);
        state.zonePosition = -1;
    } else
        Zone_Calculation(state, form.zonePosition);

    Store(record.month, form.monthPosition + 1);
    Store(record.day, form.dayPosition + 1);
    Store(record.year, kFirstYear + form.yearPosition);
    Store(record.hour, form.hour);
    Store(record.minute, form.minute);
    Store(record.zoneHours, std::abs(state.zoneCorrection.zoneCorrectionHours));
    Store(record.zoneMinutes, std::abs(state.zoneCorrection.zoneCorrectionMinutes));
    Store(record.lonDegrees, CoordinateValue(form.lonDegrees));
    Store(record.lonMinutes, CoordinateValue(form.lonMinutes));
    Store(record.latDegrees, CoordinateValue(form.latDegrees));
    Store(record.latMinutes, CoordinateValue(form.latMinutes));
    record.isEast = Flag(form.isEast);
    record.isSouth = Flag(form.isSouth);
    record.daylightSaving = Flag(form.daylightSaving && !form.exactZone); // an exact offset has it already

    return StoreBirthInstant(state);
}

Status RunChartEngines(ChartState& state)
{
    Angles_Calculation(state);
    Moon_Calculation(state);
    Positions_Calculation(state);
    Decanate_Calculation(state);
    return PreciseDecanate_Calculation(state);
}

namespace {

Chart ChartOf(const ChartState& state, const Birth& birth, const ChartOptions& options)
{
    const BirthRecord& record = state.birthRecord;
    ChartFacts facts;
    facts.name = record.name;
    facts.clock = ClockInstant(record);
    facts.zone = OffsetOf(state.zoneCorrection);
    facts.daylightSaving = record.daylightSaving != 0;
    facts.zoneRow = state.zonePosition;
    facts.coordinates = {record.lonDegrees, record.lonMinutes, record.isEast != 0,
                         record.latDegrees, record.latMinutes, record.isSouth != 0};
    facts.instant = state.instant;
    facts.ephemeris = state.ephemeris;
    facts.zodiac = state.zodiac;
    facts.scheme = options.scheme;
    facts.mansions = options.mansions;
    facts.ayanamsa = state.ayanamsaDegrees;
    facts.longitudes = state.longitudes;
    facts.decanates = state.decanates;
    facts.margins = state.margins;
    facts.precise = state.preciseDecanates;
    facts.place = birth.place;
    facts.clockSentence = birth.clockSentence;
    return Chart(std::move(facts));
}

} // namespace

Result<Chart, ValidationFailure> Calculate(const Birth& birth, const ChartOptions& options)
{
    if (auto checked = ValidateBirthData(birth.form); !checked)
        return Unexpected<ValidationFailure>{std::move(checked).error()};
    ChartState state;
    state.ephemeris = options.ephemeris;
    state.zodiac = options.zodiac;
    state.checkPreciseDecanates = options.checkPreciseDecanates;
    Status done = StoreBirthData(state, birth.form);
    if (done)
        done = RunChartEngines(state);
    if (done)
        done = Margins_Calculation(state);
    if (!done)
        return Unexpected<ValidationFailure>{ValidationFailure{0, std::move(done).error()}};
    return ChartOf(state, birth, options);
}

} // namespace tessaline
