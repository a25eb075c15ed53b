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

} // namespace tessaline
