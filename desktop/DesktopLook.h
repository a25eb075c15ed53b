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

// The contrast ratio of two colours as the Web Content Accessibility Guidelines define it: 1 (the same
// luminance) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// Text that stands out as a warning on the background, at a contrast of at least 4.5 to 1 (the guidelines'
// level AA for text): a dark amber on light backgrounds, a light amber on dark ones.
QColor WarningColour(const QColor& background);

} // namespace tessaline
