// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

namespace tessaline {

// The birth data window's dark brown.
inline const QColor kBrown(63, 43, 35);

// Verdana, or the closest sans-serif the system has.
QFont DesktopFont();

// Dark brown background and white text for windows, frames, boxes and lists.
QPalette BrownPalette();

} // namespace tessaline
