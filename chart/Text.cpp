// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/Text.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unicode/ucasemap.h>
#include <unicode/utf8.h>

namespace tessaline {

std::string_view TrimBlanks(std::string_view text) noexcept
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string CaseFolded(std::string_view text)
{
    std::string kept(text);
    bool ascii = true;
    for (const char c : text)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) { // Unicode's folding of ASCII is its lower case: header names and keys take this road
        for (char& c : kept)
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
        return kept;
    }
    if (kept.size() > static_cast<std::size_t>(INT32_MAX / 4))
        return kept; // ICU counts in int32_t
    const auto length = static_cast<int32_t>(kept.size());
    for (int32_t at = 0; at < length;) {
        UChar32 c = 0;
        U8_NEXT(kept.data(), at, length, c);
        if (c < 0)
            return kept; // not UTF-8: compared byte for byte
    }
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCaseMap, decltype(&ucasemap_close)> caseMap(ucasemap_open("", 0, &status), &ucasemap_close);
    if (U_FAILURE(status))
        return kept;
    std::string folded(kept.size() + 8, '\0');
    int32_t written = ucasemap_utf8FoldCase(caseMap.get(), folded.data(), static_cast<int32_t>(folded.size()),
                                            kept.data(), length, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) { // "ß" folds to "ss"
        status = U_ZERO_ERROR;
        folded.resize(static_cast<std::size_t>(written));
        written = ucasemap_utf8FoldCase(caseMap.get(), folded.data(), written, kept.data(), length, &status);
    }
    if (U_FAILURE(status))
        return kept;
    folded.resize(static_cast<std::size_t>(written));
    return folded;
}

std::string FoldKey(std::string_view text)
{
    std::string key = CaseFolded(text);
    std::erase(key, ' ');
    return key;
}

} // namespace tessaline
