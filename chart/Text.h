// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessaline {

// The text without the blanks (U+0020) at either end: what "blank" means in every check of the program.
std::string_view TrimBlanks(std::string_view text) noexcept;

// Letters case-folded by Unicode's full case folding ("FAGAN/Bradley" is "fagan/bradley", "STRASSE" and
// "Straße" are one word), everything else kept. Text that is not UTF-8 comes back as it is.
std::string CaseFolded(std::string_view text);

// A header name or option key as compared: case-folded and blanks dropped ("Place Id" is "placeid").
std::string FoldKey(std::string_view text);

// The length of the well-formed UTF-8 sequence at the start of text (1 to 4), 0 when there is none: a stray
// or missing continuation byte, an overlong form, a surrogate or a code point past U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view text) noexcept;

// Text made safe for a reader that shows it, whatever the output (a terminal, CSV, HTML, SVG): control
// characters (C0, DEL and C1) and the bidirectional controls, which could move the cursor, clear the screen or
// reorder a line, are written as visible escapes (\x1b, \r, \u009b, \u202e), line breaks too unless kept; a
// byte that is not well-formed UTF-8 as its escape, or as U+FFFD. Everything else stays as it is.
enum class Malformed { Escaped, Replaced };
enum class LineBreaks { Escaped, Kept };
std::string VisibleText(std::string_view text, Malformed malformed, LineBreaks lineBreaks = LineBreaks::Escaped);

} // namespace tessaline
