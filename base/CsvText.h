// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tessaline {

// One field of a CSV record as a reader reads it back (RFC 4180): in quotes, its quotes doubled, when it holds a
// comma, a quote or a line break. prefix goes in front of the text, inside the quotes. The text goes as it is.
void AppendCsvQuoted(std::string& out, std::string_view text, std::string_view prefix = {});

// Text for a CSV cell: VisibleText, except that a byte that is not UTF-8 becomes U+FFFD, as in the JSON: the
// file is valid UTF-8 whatever the input held.
std::string CsvText(std::string_view text);

// One CSV field, made safe by CsvText and quoted by AppendCsvQuoted. A text a spreadsheet would run as a formula
// (starting with = + - @, a tab or a carriage return) is kept as text by a leading apostrophe, except a signed
// number or clock offset ("-05:30"), which no spreadsheet can turn into a call.
void AppendCsvField(std::string& out, std::string_view text);

} // namespace tessaline
