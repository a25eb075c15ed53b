// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/XmlText.h"

#include "base/Utf8.h"
#include "base/VisibleText.h"

#include <algorithm>

namespace tessaline {

namespace {

// The length of the well-formed UTF-8 sequence at the start of text, 0 if there is none; the two
// non-characters XML forbids (U+FFFE, U+FFFF) count as malformed too.
std::size_t XmlSequenceLength(std::string_view text) noexcept
{
    const std::size_t length = Utf8SequenceLength(text);
    const bool nonCharacter = length == 3 && static_cast<unsigned char>(text[0]) == 0xEF
        && static_cast<unsigned char>(text[1]) == 0xBF && static_cast<unsigned char>(text[2]) >= 0xBE;
    return nonCharacter ? 0 : length;
}

// The entity for a markup character, empty for any other ASCII byte. No control character is left but the
// line break: VisibleText escaped them.
std::string_view Entity(unsigned char c) noexcept
{
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&quot;";
    case '\'':
        return "&#39;";
    default:
        return {};
    }
}

} // namespace

void AppendXmlText(std::string& out, std::string_view text)
{
    const bool plainAscii = std::all_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b >= 0x20 && b < 0x7F) || b == '\n';
    });
    std::string visible;
    if (!plainAscii) {
        visible = VisibleText(text, Malformed::Replaced, LineBreaks::Kept);
        text = visible;
    }
    // Runs of characters that need nothing are copied whole.
    std::size_t plain = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        std::string_view replacement;
        if (c >= 0x80) {
            length = XmlSequenceLength(text.substr(i));
            if (length != 0) {
                i += length;
                continue;
            }
            length = 1;
            replacement = "\uFFFD";
        } else {
            replacement = Entity(c);
            if (replacement.empty()) {
                ++i;
                continue;
            }
        }
        out.append(text.substr(plain, i - plain));
        out.append(replacement);
        i += length;
        plain = i;
    }
    out.append(text.substr(plain));
}

} // namespace tessaline
