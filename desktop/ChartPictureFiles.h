// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <string_view>

namespace tessaline {

// A chart's picture saved as a file, by the name's extension: .svg as drawn, .png with `pixels` on its longer
// side and the picture's title and description as text chunks (what a reader of the file is told of it), or
// .pdf as a vector drawing on a page of the picture's shape. Written through a temporary file, so a failure
// leaves no half-written file; the reason, when it fails.
std::optional<QString> SaveChartPicture(std::string_view svg, const QString& path, int pixels);

// The words the picture carries for readers that cannot see it: its <title> and its <desc>, as plain text.
QString PictureTitle(std::string_view svg);
QString PictureDescription(std::string_view svg);

} // namespace tessaline
