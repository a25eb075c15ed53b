// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

namespace tessaline {

// The birth data window's dark brown.
inline const QColor kBrown(63, 43, 35);

// Verdana, or the closest sans-serif the system has.
QFont DesktopFont();

// "QB Tessaline v1.15", the caption of every window, from the version of the build.
QString ProgramTitle();

// Dark brown background and white text for windows, frames, boxes and lists.
QPalette BrownPalette();

} // namespace tessaline
