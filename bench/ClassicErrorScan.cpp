// SPDX-License-Identifier: GPL-3.0-or-later
// How far the classic formulas stray from the precise ephemeris: for many births spread over the years,
// the zones and the globe, the largest difference per body, how many charts put a body in another
// decanate, and how many of those the edge check (PreciseDecanate_Calculation) reaches. The bounds in
// decanates/DecanateAssignment.cpp come from this program's output.
//
//   build/release/bench/classic_error_scan [BIRTHS]     (default 200000)

#include "chart/BirthMoment.h"
#include "chart/Engines.h"
#include "chart/PositionText.h"
#include "decanates/CalculationDriver.h"
#include "decanates/DecanateAssignment.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

using namespace tessaline;

int main(int argc, char** argv)
{
    const long births = argc > 1 ? std::atol(argv[1]) : 200000;
    std::mt19937_64 random(20261208);
    const auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };

    std::array<double, kDecanateBodyCount> largest{};
    long chartsMissed = 0;
    long bodiesMissed = 0;
    long missesFlagged = 0;
    ChartState state;
    for (long n = 0; n < births; ++n) {
        BirthRecord& r = state.birthRecord;
        r.year = static_cast<std::int16_t>(uniform(1901, 2050));
        r.month = static_cast<std::int16_t>(uniform(1, 12));
        r.day = static_cast<std::int16_t>(uniform(1, 28));
        r.hour = static_cast<std::int16_t>(uniform(0, 23));
        r.minute = static_cast<std::int16_t>(uniform(0, 59));
        const int zone = uniform(-24, 24) * 30; // minutes west positive
        state.zoneCorrection = {zone / 60, zone % 60};
        r.zoneHours = static_cast<std::int16_t>(std::abs(zone / 60));
        r.zoneMinutes = static_cast<std::int16_t>(std::abs(zone % 60));
        r.daylightSaving = uniform(0, 1) != 0 ? kTrue : kFalse;
        r.lonDegrees = static_cast<std::int16_t>(uniform(0, 179));
        r.lonMinutes = static_cast<std::int16_t>(uniform(0, 59));
        r.latDegrees = static_cast<std::int16_t>(uniform(0, 66));
        r.latMinutes = static_cast<std::int16_t>(uniform(0, 59));
        r.isEast = uniform(0, 1) != 0 ? kTrue : kFalse;
        r.isSouth = uniform(0, 1) != 0 ? kTrue : kFalse;
        state.ephemeris = EphemerisMode::Classic;
        Status done = StoreBirthInstant(state);
        if (done)
            done = RunChartEngines(state);
        if (!done) {
            std::fprintf(stderr, "%s\n", done.error().c_str());
            return 2;
        }

        bool missed = false;
        for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
            const Result<double> computed
                = BodyLongitudeAt(static_cast<Body>(body), state.instant, EphemerisMode::Precise);
            if (!computed) {
                std::fprintf(stderr, "%s\n", computed.error().c_str());
                return 2;
            }
            const double precise = *computed;
            const double apart = std::abs(std::remainder(precise - state.longitudes[body], 360.0));
            largest[body] = std::max(largest[body], apart);
            if (DecanateOf(precise) != DecanateOf(state.longitudes[body])) {
                missed = true;
                ++bodiesMissed;
                missesFlagged += state.preciseDecanates[body].has_value() ? 1 : 0;
            }
        }
        chartsMissed += missed ? 1 : 0;
    }
    std::printf("births: %ld\nlargest difference, arcminutes:\n", births);
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body)
        std::printf("  %-8s %7.2f\n", BodyName(static_cast<Body>(body)), largest[body] * 60.0);
    std::printf("charts with a body in another decanate: %ld (%.2f %%)\n", chartsMissed, 100.0 * chartsMissed / births);
    std::printf("bodies in another decanate: %ld, named by the edge check: %ld\n", bodiesMissed, missesFlagged);
    return missesFlagged == bodiesMissed ? 0 : 1;
}
