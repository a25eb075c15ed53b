// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The births the chart benchmarks share: one in Delhi, 1975, and 1,000 spread over the years, zones and places.

#include "decanates/CalculationDriver.h"

#include <string>
#include <vector>

namespace tessaline::bench {

inline BirthDataForm Delhi1975(int minute = 30)
{
    BirthDataForm form;
    form.name = "ASHA RAO";
    form.yearPosition = 1975 - kFirstYear;
    form.monthPosition = 5;
    form.dayPosition = 14;
    form.hour = 10;
    form.minute = minute % 60;
    form.zonePosition = 34;
    form.lonDegrees = "77";
    form.lonMinutes = "12";
    form.latDegrees = "28";
    form.latMinutes = "36";
    return form;
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

} // namespace tessaline::bench
