// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/BatchFile.h"
#include "decanates/Chart.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

// How the bytes of a file other programs wrote were read.
enum class TextEncoding { Utf8, Windows1252 };

// The bytes as UTF-8: as they are when they are well-formed UTF-8 (a byte-order mark dropped), else each byte
// read as the Windows Latin-1 code page that older files use.
std::string DecodedText(std::string_view bytes, TextEncoding& found);

// An AAF file read whole: each record as the batch row both programs chart (its line that of its #A93, its
// warnings, or why it is refused), and what the file held beside its records.
struct AafRecords {
    TextEncoding encoding = TextEncoding::Utf8;
    std::vector<BatchFile::Row> rows;
    std::vector<std::string> notes; // lines passed over before the first record, comment lines
    bool placed = false; // whether some row names its place for the atlas
};

// The records of the bytes of an AAF file, rows in the file's order; the zodiac of every row is zodiac.
AafRecords ReadAafRecords(std::string_view bytes, const ZodiacChoice& zodiac);

// A chart as one AAF record, an #A93 and a #B93 line, so that another program gets the instant without our
// atlas. warnings receives what AAF cannot hold as it is (a comma in the name or place).
std::string AafRecord(const Chart& chart, std::vector<std::string>& warnings);

} // namespace tessaline
