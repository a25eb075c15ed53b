// SPDX-License-Identifier: GPL-3.0-or-later
// Names and keys as the program compares them: header names, flags and ayanamsas in any case.
#include "chart/Text.h"

#include "chart/BirthArguments.h"
#include "chart/ChartState.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(Text, KeysFoldCaseByUnicodeAndDropBlanks)
{
    struct Case {
        const char* text;
        const char* key;
    };
    // Unicode's CaseFolding.txt: U+00DF folds to "ss", U+0130 to "i̇", Greek capital sigma to small sigma.
    for (const Case& c : {Case{"Place Id", "placeid"}, Case{"STRASSE", "strasse"}, Case{"Stra\u00DFe", "strasse"},
                          Case{"\u03A3\u039F\u03A6\u0399\u0391", "\u03C3\u03BF\u03C6\u03B9\u03B1"}, Case{"  ", ""},
                          Case{"caf\xC3", "caf\xC3"}})
        EXPECT_EQ(FoldKey(c.text), c.key) << c.text;
    EXPECT_EQ(CaseFolded("Fagan/Bradley Ayanamsa"), "fagan/bradley ayanamsa");
}

TEST(Text, FlagsAreWordsInAnyCase)
{
    EXPECT_EQ(ParseFlag(" YES "), true);
    EXPECT_EQ(ParseFlag("False"), false);
    EXPECT_EQ(ParseFlag("y es"), std::nullopt);
    EXPECT_EQ(ParseFlag("1 1"), std::nullopt);
}

TEST(Text, AyanamsasAreFoundByKeyOrNameInAnyCase)
{
    for (int i = 0; i < kAyanamsaCount; ++i) {
        const auto ayanamsa = static_cast<Ayanamsa>(i);
        EXPECT_EQ(AyanamsaNamed(AyanamsaKey(ayanamsa)), ayanamsa);
        EXPECT_EQ(AyanamsaNamed(AyanamsaName(ayanamsa)), ayanamsa);
    }
    EXPECT_EQ(AyanamsaNamed("FAGAN/bradley"), Ayanamsa::FaganBradley);
    EXPECT_EQ(AyanamsaNamed("True Chitrapaksha"), Ayanamsa::TrueChitrapaksha);
    for (const char* other : {"", "lahir", "lahiri ", "tropical", "fagan bradley"})
        EXPECT_EQ(AyanamsaNamed(other), std::nullopt) << other;
}

} // namespace
} // namespace tessaline
