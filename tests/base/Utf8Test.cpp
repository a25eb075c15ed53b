// SPDX-License-Identifier: GPL-3.0-or-later
// Well-formed UTF-8 and the escapes of each output, where the table of well-formed bytes ends.
#include "base/Utf8.h"

#include "base/CsvText.h"
#include "base/VisibleText.h"
#include "base/XmlText.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tessaline {
namespace {

// The edges of each row of Unicode's Table 3-7 (Well-Formed UTF-8 Byte Sequences), one byte in and one out.
TEST(Utf8, SequenceLengthFollowsTheTableOfWellFormedBytes)
{
    struct Case {
        const char* bytes;
        std::size_t length;
    };
    for (const Case& c : {Case{"A", 1},
                          Case{"\x7F", 1},
                          Case{"\x80", 0},
                          Case{"\xC1\xBF", 0},
                          Case{"\xC2\x80", 2},
                          Case{"\xDF\xBF", 2},
                          Case{"\xC2", 0},
                          Case{"\xE0\x9F\xBF", 0},
                          Case{"\xE0\xA0\x80", 3},
                          Case{"\xED\x9F\xBF", 3},
                          Case{"\xED\xA0\x80", 0},
                          Case{"\xEE\x80\x80", 3},
                          Case{"\xEF\xBF\xBF", 3},
                          Case{"\xE1\x80", 0},
                          Case{"\xF0\x8F\xBF\xBF", 0},
                          Case{"\xF0\x90\x80\x80", 4},
                          Case{"\xF4\x8F\xBF\xBF", 4},
                          Case{"\xF4\x90\x80\x80", 0},
                          Case{"\xF5\x80\x80\x80", 0},
                          Case{"\xF1\x80\x80\xC0", 0}})
        EXPECT_EQ(Utf8SequenceLength(c.bytes), c.length) << c.bytes;
}

// Unicode's Table 3-8 (U+FFFD for Non-Shortest Form Sequences and its neighbours, section 3.9): the bytes
// 61 F1 80 80 E1 80 C2 62 80 63 80 BF 64 read as a, three U+FFFD, b, one, c, two, d.
TEST(Utf8, MaximalSubpartsAreWhatOneReplacementCharacterStandsFor)
{
    const std::string text = "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64";
    std::string read;
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t length = Utf8SequenceLength(std::string_view(text).substr(i)); length != 0) {
            read.append(text, i, length);
            i += length;
        } else {
            read += '?';
            i += Utf8MaximalSubpart(std::string_view(text).substr(i));
        }
    }
    EXPECT_EQ(read, "a???b?c??d");
}

// The same hostile text as each output shows it: nothing that could move a cursor, reorder a line, run as a
// formula or break the markup gets through, and an ill-formed byte is escaped or replaced as the target needs.
TEST(Escapes, EachOutputShowsHostileTextItsWay)
{
    const std::string hostile = "a\x1b[2J\r\xC2\x9B\xE2\x80\xAE\xFF\n";
    EXPECT_EQ(TerminalText(hostile), "a\\x1b[2J\\r\\u009b\\u202e\\xff\\n");
    EXPECT_EQ(CsvText(hostile), "a\\x1b[2J\\r\\u009b\\u202e\uFFFD\\n");
    std::string xml;
    AppendXmlText(xml, hostile + "<a b='c'>&\"\xEF\xBF\xBE");
    EXPECT_EQ(xml,
              "a\\x1b[2J\\r\\u009b\\u202e\uFFFD\n&lt;a b=&#39;c&#39;&gt;&amp;&quot;\uFFFD\uFFFD\uFFFD"); // U+FFFE, byte
                                                                                                         // by byte

    struct Case {
        const char* text;
        const char* field;
    };
    for (const Case& c : {Case{"plain", "plain"}, Case{"a,\"b\"", "\"a,\"\"b\"\"\""}, Case{"=1+2", "'=1+2"},
                          Case{"@SUM(A1)", "'@SUM(A1)"}, Case{"-05:30", "-05:30"}, Case{"+7.5", "+7.5"},
                          Case{"-1+2", "'-1+2"}, Case{"=a,b", "\"'=a,b\""}, Case{"\xFF", "\uFFFD"}}) {
        std::string field;
        AppendCsvField(field, c.text);
        EXPECT_EQ(field, c.field) << c.text;
    }
}

} // namespace
} // namespace tessaline
