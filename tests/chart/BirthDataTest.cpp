// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/BirthData.h"

#include "chart/PositionText.h"
#include "chart/ZoneTable.h"
#include "decanates/CalculationDriver.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>

namespace tessaline {
namespace {

// ---- Zone table -------------------------------------------------------------------------------------

struct ZoneCase {
    int position;
    const char* text;
    int hours, minutes;
};

TEST(ZoneTable, RowsHaveTheirOwnCorrections)
{
    const ZoneCase cases[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
        {61, "Universal Time, UT, 0.0", 0, 0},
        {34, "Indian Time, IST, +5.3", -5, -30}, // not 5.3 hours
        {31, "Hawaiian Daylight Time,HDT,-9.5", 9, 30},
        {32, "Hawaiian Standard Time,HST,-10.5", 10, 30},
        {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        {52, "North Sumatra Time,NST,+6.5", -6, -30}, // same abbreviation as row 50
        {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {70, "Yukon War Time,YWT,-8.0", 8, 0},
    };
    for (const ZoneCase& c : cases) {
        const ZoneRow& row = ZoneTable()[static_cast<std::size_t>(c.position)];
        EXPECT_EQ(ZoneDisplayText(c.position), c.text);
        EXPECT_EQ(row.correctionHours, c.hours) << c.position;
        EXPECT_EQ(row.correctionMinutes, c.minutes) << c.position;
    }
}

TEST(ZoneTable, EveryCorrectionIsTheTextsOffsetReversed)
{
    for (int position = 0; position < static_cast<int>(kZoneCount); ++position) {
        const ZoneRow& row = ZoneTable()[static_cast<std::size_t>(position)];
        const std::string text(ZoneDisplayText(position));
        const double offset = std::stod(text.substr(text.rfind(',') + 1));
        const double correction = row.correctionHours + row.correctionMinutes / 60.0;
        const double expected = text == "Indian Time, IST, +5.3" ? -5.5 : -offset;
        EXPECT_DOUBLE_EQ(correction, expected) << text;
        EXPECT_TRUE(row.correctionHours * row.correctionMinutes >= 0) << text; // one sign for both
    }
}

TEST(ZoneTable, IsInCaseInsensitiveAlphabeticalOrder)
{
    const auto lower = [](std::string_view s) {
        std::string out(s);
        for (char& c : out)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    for (std::size_t i = 1; i < ZoneTable().size(); ++i)
        EXPECT_LE(lower(ZoneDisplayText(static_cast<int>(i) - 1)), lower(ZoneDisplayText(static_cast<int>(i)))) << i;
}

TEST(ZoneCalculation, NoSelectionKeepsThePreviousCorrection)
{
    ChartState state;
    Zone_Calculation(state, 34);
    Zone_Calculation(state, -1);
    Zone_Calculation(state, 71);
    EXPECT_EQ(state.zoneCorrection.zoneCorrectionHours, -5);
    EXPECT_EQ(state.zoneCorrection.zoneCorrectionMinutes, -30);
}

// Offsets as the zone list and clock histories give them: India +5:30, Newfoundland -3:30, and Amsterdam's
// summer time of 1920, local mean time plus an hour (+1:19:32).
TEST(OffsetText, SignsHoursMinutesAndSecondsWhenThereAreAny)
{
    ChartState india;
    Zone_Calculation(india, 34);
    EXPECT_EQ(OffsetText(MinutesEast(india.zoneCorrection) * 60), "+05:30");
    EXPECT_EQ(OffsetText(MinutesEast(india.zoneCorrection) * 60, false), "+5:30");
    EXPECT_EQ(OffsetText(-(3 * 3600 + 30 * 60)), "-03:30");
    EXPECT_EQ(OffsetText(0, false), "+0:00");
    EXPECT_EQ(OffsetText(3600 + 19 * 60 + 32), "+01:19:32");
}

// ---- Validation -------------------------------------------------------------------------------------

BirthDataForm ValidForm()
{
    BirthDataForm form; // 1 January 1901, 0:00, GMT, East, North
    form.name = "ASHA RAO";
    form.lonDegrees = "77";
    form.lonMinutes = "12";
    form.latDegrees = "28";
    form.latMinutes = "36";
    return form;
}

struct ValidationCase {
    const char* label;
    void (*change)(BirthDataForm&);
    int check; // 0 when the form passes
    const char* message;
    BirthField focus;
};

class ValidationTest : public testing::TestWithParam<ValidationCase>
{
};

TEST_P(ValidationTest, ReportsTheFirstFailingCheck)
{
    const ValidationCase& c = GetParam();
    BirthDataForm form = ValidForm();
    c.change(form);
    const auto checked = ValidateBirthData(form);
    if (c.check == 0) {
        EXPECT_TRUE(checked.has_value()) << checked.error().message;
        return;
    }
    ASSERT_FALSE(checked.has_value());
    const ValidationFailure& failure = checked.error();
    EXPECT_EQ(failure.check, c.check);
    EXPECT_EQ(failure.message, c.message);
    EXPECT_EQ(failure.focus, c.focus);
}

constexpr const char* kLonD = "Please Enter Value Between 0 And 179 in the Degree of Longitude";
constexpr const char* kLonM = "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
constexpr const char* kLatD = "Please Enter Value Between 0 And 89 in the Degree of Latitude";
constexpr const char* kLatM = "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
constexpr const char* kFeb = "Please Enter Correct Date Or Month!";
constexpr const char* kThirty = "Please Enter Correct Date Or Month !";

// Year positions: 1904 is 3, 1901 is 0, 2000 is 99.
INSTANTIATE_TEST_SUITE_P(
    Checks, ValidationTest,
    testing::Values(
        ValidationCase{"Defaults", [](BirthDataForm&) {}, 0, "", BirthField::None},
        ValidationCase{"EmptyName", [](BirthDataForm& f) { f.name = ""; }, 1, "Please Enter Name", BirthField::Name},
        ValidationCase{"BlankName", [](BirthDataForm& f) { f.name = "   "; }, 1, "Please Enter Name", BirthField::Name},
        ValidationCase{"EverythingWrongReportsName",
                       [](BirthDataForm& f) {
                           f = BirthDataForm{};
                           f.monthPosition = 1;
                           f.dayPosition = 30;
                       },
                       1, "Please Enter Name", BirthField::Name},
        ValidationCase{"LonDegrees179", [](BirthDataForm& f) { f.lonDegrees = "179"; }, 0, "", BirthField::None},
        ValidationCase{"LonDegrees180", [](BirthDataForm& f) { f.lonDegrees = "180"; }, 2, kLonD,
                       BirthField::LonDegrees},
        ValidationCase{"LonDegreesBlank", [](BirthDataForm& f) { f.lonDegrees = " "; }, 2, kLonD,
                       BirthField::LonDegrees},
        ValidationCase{"LonDegreesPastedDecimal", [](BirthDataForm& f) { f.lonDegrees = "7.5"; }, 2, kLonD,
                       BirthField::LonDegrees},
        ValidationCase{"LonDegreesPastedNegative", [](BirthDataForm& f) { f.lonDegrees = "-1"; }, 2, kLonD,
                       BirthField::LonDegrees},
        ValidationCase{"LonDegreesPastedWord", [](BirthDataForm& f) { f.lonDegrees = "1a"; }, 2, kLonD,
                       BirthField::LonDegrees},
        ValidationCase{"LonDegreesHuge", [](BirthDataForm& f) { f.lonDegrees = "99999999999999999999"; }, 2, kLonD,
                       BirthField::LonDegrees},
        ValidationCase{"LonDegreesPaddedZero", [](BirthDataForm& f) { f.lonDegrees = " 0 "; }, 0, "", BirthField::None},
        ValidationCase{"LonMinutes60", [](BirthDataForm& f) { f.lonMinutes = "60"; }, 3, kLonM, BirthField::LonMinutes},
        ValidationCase{"LatDegrees89", [](BirthDataForm& f) { f.latDegrees = "89"; }, 0, "", BirthField::None},
        ValidationCase{"LatDegrees90", [](BirthDataForm& f) { f.latDegrees = "90"; }, 4, kLatD, BirthField::LatDegrees},
        ValidationCase{"LatMinutesEmpty", [](BirthDataForm& f) { f.latMinutes = ""; }, 5, kLatM,
                       BirthField::LatMinutes},
        ValidationCase{"LatMinutes59", [](BirthDataForm& f) { f.latMinutes = "59"; }, 0, "", BirthField::None},
        ValidationCase{"LeapDay2000",
                       [](BirthDataForm& f) {
                           f.monthPosition = 1;
                           f.dayPosition = 28;
                           f.yearPosition = 99;
                       },
                       0, "", BirthField::None},
        ValidationCase{"LeapDay1904",
                       [](BirthDataForm& f) {
                           f.monthPosition = 1;
                           f.dayPosition = 28;
                           f.yearPosition = 3;
                       },
                       0, "", BirthField::None},
        ValidationCase{"LeapDay1901",
                       [](BirthDataForm& f) {
                           f.monthPosition = 1;
                           f.dayPosition = 28;
                       },
                       6, kFeb, BirthField::None},
        ValidationCase{"February30InLeapYear",
                       [](BirthDataForm& f) {
                           f.monthPosition = 1;
                           f.dayPosition = 29;
                           f.yearPosition = 99;
                       },
                       6, kFeb, BirthField::None},
        ValidationCase{"April31",
                       [](BirthDataForm& f) {
                           f.monthPosition = 3;
                           f.dayPosition = 30;
                       },
                       7, kThirty, BirthField::None},
        ValidationCase{"November31",
                       [](BirthDataForm& f) {
                           f.monthPosition = 10;
                           f.dayPosition = 30;
                       },
                       7, kThirty, BirthField::None},
        ValidationCase{"May31",
                       [](BirthDataForm& f) {
                           f.monthPosition = 4;
                           f.dayPosition = 30;
                       },
                       0, "", BirthField::None}),
    [](const testing::TestParamInfo<ValidationCase>& info) { return std::string(info.param.label); });

TEST(ValidateBirthData, TakesDay31OnlyInMonthsThatHaveIt)
{
    // Month lengths from the standard library's calendar.
    for (unsigned month = 1; month <= 12; ++month) {
        BirthDataForm form = ValidForm();
        form.monthPosition = static_cast<int>(month) - 1;
        form.dayPosition = 30;
        const auto last = (std::chrono::year{1975} / std::chrono::month{month} / std::chrono::last).day();
        EXPECT_EQ(!ValidateBirthData(form).has_value(), last < std::chrono::day{31}) << month;
    }
}

TEST(KeyFilters, NameTakesCapitalsAndBlanksAndRaisesSmallLetters)
{
    EXPECT_EQ(FilterNameKey('A'), 'A');
    EXPECT_EQ(FilterNameKey('z'), 'Z');
    EXPECT_EQ(FilterNameKey(' '), ' ');
    EXPECT_EQ(FilterNameKey('\b'), '\b');
    for (char c : {'1', '-', '.', '\'', '\t', '@', '[', '`', '{', '\x80'})
        EXPECT_FALSE(FilterNameKey(c)) << static_cast<int>(c);
}

// Names in every alphabet. The upper-case forms come from Python's own Unicode database (14.0), not
// from ICU: python3 -c 'print("Σίσυφος".upper())' and so on for each row.
struct NameCase {
    const char* label;
    const char* entry;
    const char* before; // the text in front of the entry
    const char* kept; // nullptr: refused
};

class NameFilter : public testing::TestWithParam<NameCase>
{
};

TEST_P(NameFilter, LettersOfEveryAlphabetPassUpperCased)
{
    const NameCase& c = GetParam();
    const std::optional<std::string> kept = FilterNameText(c.entry, c.before);
    if (c.kept == nullptr)
        EXPECT_FALSE(kept) << *kept;
    else
        EXPECT_EQ(kept, std::optional<std::string>(c.kept));
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameFilter,
    testing::Values(
        NameCase{"Latin", "José Müller", "", "JOSÉ MÜLLER"}, NameCase{"Nordic", "Ødegaard", "", "ØDEGAARD"},
        NameCase{"GreekKeepsItsTonos", "Σίσυφος", "", "ΣΊΣΥΦΟΣ"}, NameCase{"Han", "李小龙", "", "李小龙"},
        NameCase{"SharpSBecomesTwoLetters", "straße", "", "STRASSE"}, NameCase{"LigatureSplits", "ﬁona", "", "FIONA"},
        NameCase{"DecomposedAccentFollowsItsLetter", "Jose\u0301", "", "JOSE\u0301"},
        NameCase{"VowelSignTypedAfterItsLetter", "\u093E", "र", "\u093E"}, NameCase{"DevanagariWord", "राम", "", "राम"},
        NameCase{"EnterAndBackspaceAreKeys", "\r\b", "", "\r\b"}, NameCase{"MarkAtTheStart", "\u0301", "", nullptr},
        NameCase{"MarkAfterABlank", "\u0301", "A ", nullptr}, NameCase{"Digit", "ASHA 2", "", nullptr},
        NameCase{"ArabicIndicDigit", "\u0663", "", nullptr}, NameCase{"RomanNumeral", "\u2160", "", nullptr},
        NameCase{"HyphenMinus", "ANNE-MARIE", "", nullptr}, NameCase{"MinusSign", "A\u2212B", "", nullptr},
        NameCase{"Point", "J.R.", "", nullptr}, NameCase{"Apostrophe", "O'BRIEN", "", nullptr},
        NameCase{"NoBreakSpace", "A\u00A0B", "", nullptr}, NameCase{"NotUtf8", "Ren\xE9", "", nullptr}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.label); });

TEST(KeyFilters, CoordinatesTakeDigitsAndBackspaceOnly)
{
    EXPECT_EQ(FilterCoordinateKey('0'), '0');
    EXPECT_EQ(FilterCoordinateKey('9'), '9');
    EXPECT_EQ(FilterCoordinateKey('\b'), '\b');
    for (char c : {' ', '-', '.', '+', 'a', '/', ':'})
        EXPECT_FALSE(FilterCoordinateKey(c)) << c;
}

// ---- The driver -------------------------------------------------------------------------------------

TEST(StoreBirthData, StoresMagnitudesFlagsAndTheSignedCorrection)
{
    ChartState state;
    BirthDataForm form = ValidForm();
    form.zonePosition = 34;
    form.isEast = false;
    form.isSouth = true;
    form.daylightSaving = true;
    ASSERT_TRUE(StoreBirthData(state, form).has_value());
    const BirthRecord& r = state.birthRecord;
    EXPECT_EQ(r.zoneHours, 5);
    EXPECT_EQ(r.zoneMinutes, 30);
    EXPECT_EQ(state.zoneCorrection.zoneCorrectionHours, -5);
    EXPECT_EQ(state.zoneCorrection.zoneCorrectionMinutes, -30);
    EXPECT_EQ(r.isEast, kFalse);
    EXPECT_EQ(r.isSouth, kTrue);
    EXPECT_EQ(r.daylightSaving, kTrue);
    EXPECT_EQ(r.year, 1901);
    EXPECT_EQ(r.lonDegrees, 77);
    EXPECT_EQ(r.latMinutes, 36);

    // The chart carries the same as numbers: India's +5:30 in seconds east, the summer hour beside it.
    const auto chart = Calculate({form}, {});
    ASSERT_TRUE(chart.has_value());
    EXPECT_EQ(chart->Zone().seconds, 5 * 3600 + 30 * 60);
    EXPECT_EQ(chart->ClockOffset().seconds, 6 * 3600 + 30 * 60);
    EXPECT_TRUE(chart->DaylightSaving());
    EXPECT_EQ(chart->ZoneRow(), 34);
    EXPECT_FALSE(chart->Coordinates().isEast);
    EXPECT_TRUE(chart->Coordinates().isSouth);
    EXPECT_EQ(chart->Clock(), (CivilInstant{1901, 1, 1, 0, 0}));
}

TEST(Calculate, RejectedFormSaysWhichCheckAndField)
{
    BirthDataForm bad = ValidForm();
    bad.name = "OTHER";
    bad.latDegrees = "90";
    const auto failed = Calculate({bad}, {});
    ASSERT_FALSE(failed.has_value());
    EXPECT_EQ(failed.error().check, 4);
    EXPECT_EQ(failed.error().focus, BirthField::LatDegrees);
}

TEST(Calculate, GreenwichAtJ2000FillsTheWholeTable)
{
    BirthDataForm form = ValidForm();
    form.yearPosition = 99; // 2000-01-01 12:00 GMT, 0° 0' West, 51° 30' North
    form.hour = 12;
    form.lonDegrees = "0";
    form.lonMinutes = "0";
    form.latDegrees = "51";
    form.latMinutes = "30";
    form.isEast = false;
    const auto chart = Calculate({form}, {});
    ASSERT_TRUE(chart.has_value());
    const PositionTable expected{"10 Cap 22", "13 Sco 18", "01 Cap 54", "01 Sag 34", "27 Aqu 58",
                                 "25 Ari 21", "10 Tau 12", "14 Aqu 47", "03 Aqu 11", "11 Sag 27",
                                 "24 Ari 17", "09 Cap 36", "04 Leo 07", "04 Aqu 07"};
    EXPECT_EQ(PositionsOf(*chart), expected);
    EXPECT_EQ(FormatZodiacPosition(chart->Longitude(Body::Ascendant)), "24° 17' 52\" Ari");
    EXPECT_EQ(FormatZodiacPosition(chart->Longitude(Body::Midheaven)), "9° 36' 52\" Cap");

    // Another calculation is another chart.
    const auto other = Calculate({ValidForm()}, {});
    ASSERT_TRUE(other.has_value());
    for (std::size_t i = 0; i < kBodyCount; ++i)
        EXPECT_NE(other->Position(static_cast<Body>(i)), expected[i]) << BodyName(static_cast<Body>(i));
}

TEST(Calculate, DaylightSavingMovesEveryBodyToTheSameInstant)
{
    // 1985-07-04 18:45 with daylight saving in Eastern Standard Time is 17:45 EST, i.e. 22:45 UT.
    BirthDataForm form = ValidForm();
    form.yearPosition = 84;
    form.monthPosition = 6;
    form.dayPosition = 3;
    form.hour = 18;
    form.minute = 45;
    form.zonePosition = 27;
    form.isEast = false;
    form.daylightSaving = true;
    const auto withDst = Calculate({form}, {});
    form.hour = 17;
    form.daylightSaving = false;
    const auto standard = Calculate({form}, {});
    ASSERT_TRUE(withDst.has_value() && standard.has_value());
    EXPECT_EQ(PositionsOf(*withDst), PositionsOf(*standard));
    EXPECT_EQ(withDst->Position(Body::Moon), "14 Aqu 10");
    EXPECT_EQ(withDst->Instant().universal, (CivilInstant{1985, 7, 4, 22, 45}));
}

} // namespace
} // namespace tessaline
