// SPDX-License-Identifier: GPL-3.0-or-later
// JSON string literals written by hand for speed, checked against the JSON library's reading and writing.
#include "base/JsonText.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>

namespace tessaline {
namespace {

TEST(AppendJsonString, ReadsBackAsTheSameText)
{
    // Every byte value below 0x80 at every offset of a word, and long runs around the escapes.
    std::string all;
    for (int c = 1; c < 0x80; ++c)
        all += static_cast<char>(c);
    const std::string texts[] = {"",
                                 "plain",
                                 all,
                                 all.substr(3),
                                 std::string(1000, 'a') + "\"" + std::string(9, '\\'),
                                 "d\xC3\xA9j\xC3\xA0 vu \xE2\x80\x94 UTF-8 stays as it is",
                                 std::string("nul\0in", 6)};
    for (const std::string& text : texts) {
        std::string json;
        AppendJsonString(json, text);
        EXPECT_EQ(nlohmann::json::parse(json).get<std::string>(), text) << json;
    }
}

// Bytes that are not UTF-8 (a name from a damaged atlas, a batch field) become U+FFFD exactly where the
// JSON library's own replacing dump puts it, so that every line reads back as JSON.
TEST(AppendJsonString, WritesWhatIsNotUtf8AsTheReplacementCharacter)
{
    const std::string texts[] = {"Paris\xFF\xFE",
                                 std::string(13, 'a') + "\xC3" + std::string(9, 'b'), // cut short, across words
                                 "\xE2\x80 arrow cut",
                                 "\xC0\xAF overlong slash",
                                 "\xED\xA0\x80 surrogate",
                                 "\xF4\x90\x80\x80 past U+10FFFF",
                                 "Z\xC3\xBCrich \xE2\x86\x92 \xF0\x9F\x8C\x8D fine"};
    for (const std::string& text : texts) {
        std::string json;
        AppendJsonString(json, text);
        EXPECT_EQ(json, nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)) << text;
    }
}

} // namespace
} // namespace tessaline
