// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephemeris/Moon.h"

#include "ephemeris/AngleMath.h"

#include <array>
#include <cmath>

namespace tessaline {

namespace {

// One periodic term: coefficient in degrees × sin(d·D + m·M + mp·M′ + f·F), × E when eFactor.
struct LunarTerm {
    double coefficient;
    int d;
    int m;
    int mp;
    int f;
    bool eFactor;
};

// clang-format off
constexpr std::array<LunarTerm, 25> kLunarTerms{{
    //   coefficient   D   M  M′   F    ×E
    {  6.288774,    0,  0,  1,  0, false},  //  1  M′
    {  1.274027,    2,  0, -1,  0, false},  //  2  2D − M′
    {  0.658314,    2,  0,  0,  0, false},  //  3  2D
    {  0.213618,    0,  0,  2,  0, false},  //  4  2M′
    { -0.185116,    0,  1,  0,  0, true },  //  5  M
    { -0.114332,    0,  0,  0,  2, false},  //  6  2F
    {  0.058793,    2,  0, -2,  0, false},  //  7  2D − 2M′
    {  0.057066,    2, -1, -1,  0, true },  //  8  2D − M − M′
    {  0.053322,    2,  0,  1,  0, false},  //  9  2D + M′
    {  0.045758,    2, -1,  0,  0, true },  // 10  2D − M
    { -0.040923,    0,  1, -1,  0, true },  // 11  M − M′
    { -0.03472,     1,  0,  0,  0, false},  // 12  D
    { -0.030383,    0,  1,  1,  0, true },  // 13  M + M′
    {  0.015327,    2,  0,  0, -2, false},  // 14  2D − 2F
    { -0.012528,    0,  0,  1,  2, false},  // 15  M′ + 2F
    {  0.01098,     0,  0,  1, -2, false},  // 16  M′ − 2F
    {  0.010675,    4,  0, -1,  0, false},  // 17  4D − M′
    {  0.010034,    0,  0,  3,  0, false},  // 18  3M′
    {  0.008548,    4,  0, -2,  0, false},  // 19  4D − 2M′
    { -0.007888,    2,  1, -1,  0, true },  // 20  2D + M − M′
    { -0.006766,    2,  1,  0,  0, true },  // 21  2D + M
    { -0.005163,    1,  0, -1,  0, false},  // 22  D − M′
    {  0.004987,    1,  1,  0,  0, true },  // 23  D + M
    {  0.004036,    2, -1,  1,  0, true },  // 24  2D − M + M′
    {  0.003994,    2,  0,  2,  0, false},  // 25  2D + 2M′
}};
// clang-format on
static_assert(kLunarTerms.size() == 25);

// The series is summed in these four groups, each added to the running total in turn.
constexpr std::array<std::size_t, 5> kGroupStarts{0, 6, 13, 18, 25};

} // namespace

double MoonLongitude(double T) noexcept
{
    // Mean arguments, linear in T and deliberately not reduced: the sines take the large angles as they are.
    const double Lprime = 218.3164591 + 481267.88134236 * T;
    const double D = (297.8502042 + 445267.1115168 * T) * kRadiansPerDegree;
    const double M = (357.5291092 + 35999.0502909 * T) * kRadiansPerDegree;
    const double Mprime = (134.9634114 + 477198.8676313 * T) * kRadiansPerDegree;
    const double F = (93.2720993 + 483202.0175273 * T) * kRadiansPerDegree;
    const double E = 1.0 - 0.002516 * T - 0.0000074 * T * T;

    double sigma = 0.0;
    for (std::size_t g = 0; g + 1 < kGroupStarts.size(); ++g) {
        double group = 0.0;
        for (std::size_t i = kGroupStarts[g]; i < kGroupStarts[g + 1]; ++i) {
            const LunarTerm& term = kLunarTerms[i];
            const double argument = term.d * D + term.m * M + term.mp * Mprime + term.f * F;
            double value = term.coefficient * std::sin(argument);
            if (term.eFactor)
                value *= E;
            group += value;
        }
        sigma += group;
    }

    double lambda = Lprime + sigma;
    // Into one turn: whole turns removed at once (exact, since they are multiples of the value's last
    // place), then the step-by-step loops finish the job; exactly 360 stays 360.
    if (lambda < -360.0)
        lambda += 360.0 * std::floor(-lambda / 360.0);
    while (lambda < 0.0)
        lambda += 360.0;
    if (lambda > 720.0)
        lambda -= 360.0 * (std::floor(lambda / 360.0) - 1.0);
    while (lambda > 360.0)
        lambda -= 360.0;
    return lambda;
}

} // namespace tessaline
