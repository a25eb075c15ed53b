// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The births the tests and benchmarks share, each written once: ASHA RAO in Delhi, 1975 (the worked example of
// the reading, the pictures and the writers), and 1,000 births spread over the years, zones and places.

#include "decanates/CalculationDriver.h"

#include <string>
#include <vector>

namespace tessaline::fixtures {

// 15 June 1975, 10:30 (the minute given, wrapped into the hour) on Indian Standard Time (zone row 34, +5:30),
// Delhi at 77°12′ E, 28°36′ N.
inline BirthDataForm Delhi1975(int minute = 30, std::string name = "ASHA RAO")
{
    // Built in one go: assigning the short strings one by one trips a false uninitialised-use warning in GCC 12.
    return BirthDataForm{.name = std::move(name),
                         .monthPosition = 5,
                         .dayPosition = 14,
                         .yearPosition = 1975 - kFirstYear,
                         .hour = 10,
                         .minute = minute % 60,
                         .zonePosition = 34,
                         .lonDegrees = "77",
                         .lonMinutes = "12",
                         .latDegrees = "28",
                         .latMinutes = "36"};
}

// The Delhi birth calculated (classic, tropical).
inline Chart Delhi1975Chart()
{
    auto chart = Calculate({Delhi1975()}, {});
    return chart ? std::move(chart).value() : Chart(ChartFacts{});
}

inline std::vector<BirthDataForm> SpreadBirths()
{
    std::vector<BirthDataForm> births;
    for (int i = 0; i < 1000; ++i) {
        BirthDataForm form = Delhi1975(i * 13);
        form.yearPosition = (i * 37) % 150;
        form.monthPosition = i % 12;
        form.dayPosition = (i * 7) % 28;
        form.hour = (i * 5) % 24;
        form.zonePosition = i % 71;
        form.lonDegrees = std::to_string((i * 11) % 180);
        form.latDegrees = std::to_string((i * 3) % 66);
        births.push_back(form);
    }
    return births;
}

} // namespace tessaline::fixtures
