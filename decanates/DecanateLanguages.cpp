// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/DecanateLanguages.h"

#include "decanates/translations/Translations.h"

namespace tessaline {

std::string_view DecanateLanguageFor(std::string_view locale) noexcept
{
    // The language is what comes before the region, the encoding or the variant: "pt_BR.UTF-8@x" reads "pt".
    const std::string_view language = locale.substr(0, locale.find_first_of("_-.@"));
    if (language == "pt")
        return "pt_BR"; // the one Portuguese written, for every Portuguese reader
    for (const DecanateLanguage& written : kDecanateLanguages)
        if (written.code == language)
            return written.code;
    return "en";
}

const DecanateTable& DecanateTableIn(std::string_view locale) noexcept
{
    const std::string_view language = DecanateLanguageFor(locale);
    if (language == "hi")
        return HindiDecanateTable();
    if (language == "es")
        return SpanishDecanateTable();
    if (language == "de")
        return GermanDecanateTable();
    if (language == "fr")
        return FrenchDecanateTable();
    if (language == "pt_BR")
        return PortugueseDecanateTable();
    return BuildDecanateTable();
}

} // namespace tessaline
