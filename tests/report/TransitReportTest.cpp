// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/TransitReport.h"

#include "ephemeris/PreciseEphemeris.h"
#include "tests/support/Births.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

const ClockReading kUniversal = [](std::int64_t) {
    return Result<int>(0);
};

// A report stepped on from the one before lends each body the instant it leaves its decanate only while that still
// holds: every step, forward across the Moon's and Sun's changes or backward, gives what a report made afresh gives.
TEST(TransitReport, SteppingOnGivesWhatAFreshReportGives)
{
    const auto chart = Calculate({fixtures::Delhi1975()}, {});
    ASSERT_TRUE(chart);
    const double start = JulianDayUT({2026, 12, 9, 12, 0});
    const double steps[] = {1.0 / 24, 1.0, 3.0, 30.0, 365.0, -1.0 / 24, -30.0};
    for (const double step : steps) {
        const Result<TransitReport> before = TransitReportAt(*chart, start, kUniversal, "UT");
        const Result<TransitReport> stepped = TransitReportAt(*chart, start + step, kUniversal, "UT", &*before);
        const Result<TransitReport> fresh = TransitReportAt(*chart, start + step, kUniversal, "UT");
        ASSERT_TRUE(before && stepped && fresh);
        for (std::size_t i = 0; i < fresh->lines.size(); ++i) {
            const auto& a = stepped->lines[i].leaves;
            const auto& b = fresh->lines[i].leaves;
            ASSERT_EQ(a.has_value(), b.has_value());
            if (a) {
                EXPECT_EQ(a->unixSeconds, b->unixSeconds) << BodyName(fresh->lines[i].point.body) << " after " << step;
            }
        }
    }
}

} // namespace
} // namespace tessaline
