// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/DecanateLanguages.h"

#include "decanates/DecanateFields.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <string_view>

namespace tessaline {
namespace {

TEST(DecanateLanguages, LocaleNamesChooseTheWrittenLanguage)
{
    struct Row {
        std::string_view locale, language;
    };
    constexpr Row kRows[] = {
        {"es_MX.UTF-8", "es"},
        {"es", "es"},
        {"hi_IN", "hi"},
        {"hi-IN", "hi"},
        {"de_AT.UTF-8@euro", "de"},
        {"fr_CA", "fr"},
        {"pt_BR", "pt_BR"},
        {"pt_PT.UTF-8", "pt_BR"},
        {"pt", "pt_BR"},
        {"en_GB.UTF-8", "en"},
        {"C", "en"},
        {"POSIX", "en"},
        {"", "en"},
        {"ja_JP", "en"},
        {"esperanto", "en"},
    };
    for (const Row& row : kRows)
        EXPECT_EQ(DecanateLanguageFor(row.locale), row.language) << row.locale;
}

bool HasDevanagari(std::string_view text)
{
    // U+0900..U+097F are E0 A4 xx and E0 A5 xx in UTF-8.
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) == 0xE0
            && (static_cast<unsigned char>(text[i + 1]) == 0xA4 || static_cast<unsigned char>(text[i + 1]) == 0xA5))
            return true;
    return false;
}

// Every written language has every field of every row, leaves none of the three texts in English, and
// translates one English value one way wherever it stands (a sign's name, a ruler, a shared tree text).
TEST(DecanateLanguages, EveryLanguageIsWhollyAndConsistentlyTranslated)
{
    const DecanateTable& english = BuildDecanateTable();
    for (const DecanateLanguage& language : kDecanateLanguages) {
        if (language.code == "en")
            continue;
        const DecanateTable& table = DecanateTableIn(language.code);
        ASSERT_NE(&table, &english) << language.code;
        EXPECT_TRUE(IsComplete(table)) << language.code;
        std::map<std::pair<int, std::string_view>, std::string_view> translationOf;
        for (std::size_t s = 0; s < english.size(); ++s) {
            for (std::size_t d = 0; d < 3; ++d) {
                for (const DecanateFieldName& name : kDecanateFields) {
                    const std::string_view from = FieldValue(english[s].rows[d], name.field);
                    const std::string_view to = FieldValue(table[s].rows[d], name.field);
                    const std::string where = std::string(language.code) + " " + std::string(english[s].SignKey) + " "
                        + std::to_string(d + 1) + " " + std::string(name.key);
                    if (name.field >= DecanateField::KarmicInfluence) {
                        EXPECT_NE(from, to) << where << " is still in English";
                    }
                    if (language.code == "hi") {
                        EXPECT_TRUE(HasDevanagari(to)) << where;
                    }
                    const auto [known, added] = translationOf.try_emplace({static_cast<int>(name.field), from}, to);
                    if (!added && name.field != DecanateField::Keyword && name.field != DecanateField::KarmicInfluence
                        && name.field != DecanateField::MoreAboutDecanateSign) {
                        EXPECT_EQ(known->second, to) << where << " translates \"" << from << "\" two ways";
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace tessaline
