// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ephemeris/Body.h"

#include <string_view>

namespace tessaline {

// The picture of a body Sun to Pluto as SVG text; empty for any other point.
std::string_view BodyPictureSvg(Body body) noexcept;

} // namespace tessaline
