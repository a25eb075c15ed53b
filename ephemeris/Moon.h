// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessaline {

// Geocentric ecliptic longitude of the Moon, mean equinox of date, from the 25 largest terms of the
// lunar series. T in Julian centuries from J2000.0; result in [0, 360].
double MoonLongitude(double T) noexcept;

} // namespace tessaline
