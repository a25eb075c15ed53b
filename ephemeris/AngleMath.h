// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessaline {

// Angle constants, exactly these decimal literals.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kRadiansPerDegree = 0.0174532925199433;
inline constexpr double kDegreesPerRadian = 57.2957795130823;

// One correction step in each direction; exactly 360 is left standing. Result in [0, 360] for x in
// (-360, 720).
double ReduceDegrees(double x) noexcept;

// Result in [0, 2π).
double ReduceRadians(double x) noexcept;

// The angle of the point (x, y); result in (-π, π].
double ArcTan2(double y, double x) noexcept;

} // namespace tessaline
