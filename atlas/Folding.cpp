// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/Folding.h"

#include <cstdint>
#include <unicode/normalizer2.h>
#include <unicode/stringpiece.h>
#include <unicode/unistr.h>

namespace tessaline::atlas::detail {

std::string CompatibleCaseFolded(std::string_view text)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalizer = icu::Normalizer2::getNFKCCasefoldInstance(status);
    if (U_FAILURE(status) || text.size() > static_cast<std::size_t>(INT32_MAX / 4))
        return std::string(text); // ICU counts in int32_t; a name is never so long
    // An ill-formed sequence becomes U+FFFD, as NextCodePoint reads it.
    const icu::UnicodeString source
        = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
    const icu::UnicodeString folded = normalizer->normalize(source, status);
    if (U_FAILURE(status))
        return std::string(text);
    std::string out;
    folded.toUTF8String(out);
    return out;
}

} // namespace tessaline::atlas::detail
