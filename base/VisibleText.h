// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tessaline {

// Text made safe for a reader that shows it, whatever the output (a terminal, CSV, HTML, SVG): control
// characters (C0, DEL and C1) and the bidirectional controls, which could move the cursor, clear the screen or
// reorder a line, are written as visible escapes (\x1b, \r, \u009b, \u202e), line breaks too unless kept; a
// byte that is not well-formed UTF-8 as its escape, or as U+FFFD. Everything else stays as it is.
enum class Malformed { Escaped, Replaced };
enum class LineBreaks { Escaped, Kept };
std::string VisibleText(std::string_view text, Malformed malformed, LineBreaks lineBreaks = LineBreaks::Escaped);

// Text from the input made safe to show on a terminal: VisibleText with a byte that is not UTF-8 written as
// its escape, so no input can move the cursor, clear the screen, overwrite a message or reorder a line.
std::string TerminalText(std::string_view text);

} // namespace tessaline
