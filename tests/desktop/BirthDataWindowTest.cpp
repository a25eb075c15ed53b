// SPDX-License-Identifier: GPL-3.0-or-later
// The birth data window: lists and defaults, key filters (typed and pasted), validation, place lookup.

#include "DesktopTestSupport.h"

#include "desktop/PlacePicker.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace tessaline::testing {
namespace {

const QString kOnlyLetters = QStringLiteral("Please Enter only Letters");
const QString kOnlyNumbers = QStringLiteral("Only Numbers Are Accepted");

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->itemText(i);
    }
    return items;
}

QStringList Numbers(int first, int last)
{
    QStringList numbers;
    for (int n = first; n <= last; ++n) {
        numbers << QString::number(n);
    }
    return numbers;
}

using BirthDataWindow = DesktopTest;

TEST_F(BirthDataWindow, ListsAndDefaultsAfterLoading)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Birth Data")); // the window said; the platform adds the program
    EXPECT_EQ(Items(Child<QComboBox>(window, "cboMonth")),
              QStringList({"January", "February", "March", "April", "May", "June", "July", "August", "September",
                           "October", "November", "December"}));
    EXPECT_EQ(Items(Child<QComboBox>(window, "cboDate")), Numbers(1, 31));
    EXPECT_EQ(Items(Child<QComboBox>(window, "cboYear")), Numbers(1901, 2050));
    EXPECT_EQ(Items(Child<QComboBox>(window, "cboHH")), Numbers(0, 23));
    EXPECT_EQ(Items(Child<QComboBox>(window, "cboMM")), Numbers(0, 59));
    EXPECT_EQ(Items(Child<QComboBox>(window, "cboSS")), Numbers(0, 59));
    EXPECT_EQ(Child<QComboBox>(window, "cmbTimeZone")->count(), 71);
    EXPECT_EQ(Child<QComboBox>(window, "cmbTimeZone")->currentIndex(), 29);
    EXPECT_EQ(Child<QComboBox>(window, "cmbTimeZone")->currentText(), QStringLiteral("Greenwich Mean Time,GMT,0.0"));
    EXPECT_EQ(Child<QComboBox>(window, "cmbTimeZone")->itemText(34), QStringLiteral("Indian Time, IST, +5.3"));

    for (QComboBox* list :
         {Child<QComboBox>(window, "cboMonth"), Child<QComboBox>(window, "cboDate"),
          Child<QComboBox>(window, "cboYear"), Child<QComboBox>(window, "cboHH"), Child<QComboBox>(window, "cboMM"),
          Child<QComboBox>(window, "cboSS"), Child<QComboBox>(window, "cmbTimeZone")}) {
        EXPECT_FALSE(list->isEditable()) << list->objectName().toStdString();
    }
    for (QComboBox* list : {Child<QComboBox>(window, "cboMonth"), Child<QComboBox>(window, "cboDate"),
                            Child<QComboBox>(window, "cboYear"), Child<QComboBox>(window, "cboHH"),
                            Child<QComboBox>(window, "cboMM"), Child<QComboBox>(window, "cboSS")}) {
        EXPECT_EQ(list->currentIndex(), 0) << list->objectName().toStdString();
    }
    for (QLineEdit* box :
         {static_cast<QLineEdit*>(Child<FilteredLineEdit>(window, "txtName")),
          static_cast<QLineEdit*>(Child<FilteredLineEdit>(window, "txtLonD")),
          static_cast<QLineEdit*>(Child<FilteredLineEdit>(window, "txtLonM")),
          static_cast<QLineEdit*>(Child<FilteredLineEdit>(window, "txtLatD")),
          static_cast<QLineEdit*>(Child<FilteredLineEdit>(window, "txtLatM")), Child<QLineEdit>(window, "txtMCity"),
          Child<QLineEdit>(window, "txtMState"), Child<QLineEdit>(window, "txtMCountry")}) {
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
    }
    EXPECT_TRUE(Child<QRadioButton>(window, "optLong", 0)->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(window, "optLong", 1)->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(window, "optLat", 0)->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(window, "optLat", 1)->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(window, "chkDST")->isChecked());
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtLonD")->maxLength(), 3);
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtLonM")->maxLength(), 2);
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtLatD")->maxLength(), 2);
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtLatM")->maxLength(), 2);
    EXPECT_TRUE(Child<QPushButton>(window, "cmdRashi")->font().bold());
    EXPECT_EQ(Child<QPushButton>(window, "cmdBrowser")->text(),
              QStringLiteral("Click Here To Find Latitude && Longitude"));
}

TEST_F(BirthDataWindow, ControlsAreFoundByTheirGivenNames)
{
    for (const char* name :
         {"txtName", "txtLonD", "txtLonM", "txtLatD", "txtLatM", "txtMCity", "txtMState", "txtMCountry"}) {
        EXPECT_NE(window->findChild<QLineEdit*>(QLatin1String(name)), nullptr) << name;
    }
    for (const char* name : {"optLong_0", "optLong_1", "optLat_0", "optLat_1"}) {
        EXPECT_NE(window->findChild<QRadioButton*>(QLatin1String(name)), nullptr) << name;
    }
    EXPECT_EQ(window->findChild<QRadioButton*>(QStringLiteral("optLong_0"))->text(), QStringLiteral("East"));
    EXPECT_EQ(window->findChild<QRadioButton*>(QStringLiteral("optLat_1"))->text(), QStringLiteral("South"));
    // Every other control and menu entry of the window, each under its name exactly once.
    for (const char* name : {"Label2",        "Label13",
                             "Label5",        "cboMonth",
                             "cboDate",       "cboYear",
                             "Label1",        "cboHH",
                             "cboMM",         "cboSS",
                             "Label12",       "fraZone",
                             "cmbTimeZone",   "chkDST",
                             "Frame4",        "Label6",
                             "Label8",        "Frame3",
                             "Label7",        "Label9",
                             "Label54",       "Label55",
                             "Label4",        "cmdBrowser",
                             "cmdRashi",      "Frame2",
                             "Label61",       "mnuOpenBirthData",
                             "mnuOpenRecent", "mnuSaveBirthData",
                             "mnuNext",       "mnuExit",
                             "mnuPrecise",    "mnuZodiac",
                             "mnuTropical",   "mnuOnline",
                             "mnuVisit",      "mnuUpdate",
                             "mnuAbout",      "mnuDonate"}) {
        EXPECT_EQ(window->findChildren<QObject*>(QLatin1String(name)).size(), 1) << name;
    }
}

// One typed key: the box, the key, the text it holds before and after, and the message (empty for none).
struct TypedKey {
    const char* label;
    const char* box;
    char key;
    const char* before;
    const char* after;
    const char* message;
    MessageIcon icon;
};

class KeyFilter : public DesktopTest, public ::testing::WithParamInterface<TypedKey>
{
};

TEST_P(KeyFilter, TypedKeyIsKeptChangedOrRefused)
{
    const TypedKey& row = GetParam();
    auto* box = window->findChild<QLineEdit*>(QLatin1String(row.box));
    ASSERT_NE(box, nullptr);
    box->setText(QLatin1String(row.before));
    box->setFocus();
    QTest::keyClick(box, row.key);
    EXPECT_EQ(box->text(), QLatin1String(row.after));
    if (*row.message == '\0') {
        EXPECT_TRUE(messages.shown.empty());
    } else {
        ASSERT_EQ(messages.shown.size(), 1U);
        EXPECT_EQ(messages.shown[0].text, QLatin1String(row.message));
        EXPECT_EQ(messages.shown[0].icon, row.icon);
    }
}

// A letter held with Alt, Ctrl or Meta that is no shortcut is no text: no box takes it, whatever its filter
// would make of it ("g" in the name box would become "G"); the box's own commands still work.
TEST_F(BirthDataWindow, ALetterWithAltCtrlOrMetaTypesNothing)
{
    struct Box {
        const char* name;
        const char* text;
    };
    const Box boxes[] = {{"txtName", "A"},  {"txtLatD", "1"},   {"txtLonM", "1"},    {"txtPlace", "A"},
                         {"txtMCity", "A"}, {"txtMState", "A"}, {"txtMCountry", "A"}};
    const Qt::KeyboardModifiers held[]
        = {Qt::AltModifier, Qt::ControlModifier, Qt::MetaModifier, Qt::AltModifier | Qt::ShiftModifier};
    for (const Box& row : boxes) {
        auto* box = window->findChild<QLineEdit*>(QLatin1String(row.name));
        ASSERT_NE(box, nullptr) << row.name;
        box->setText(QLatin1String(row.text));
        box->setFocus();
        for (const Qt::KeyboardModifiers modifiers : held)
            for (const char key : {'g', 'k', 'q', 'w'})
                QTest::keyClick(box, key, modifiers);
        EXPECT_EQ(box->text(), QLatin1String(row.text)) << row.name;
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(box->selectedText(), QLatin1String(row.text)) << row.name << ": Ctrl+A selects all";
    }
    EXPECT_TRUE(messages.shown.empty());
}

constexpr auto kInfo = MessageIcon::Information;
constexpr auto kCritical = MessageIcon::Critical;

INSTANTIATE_TEST_SUITE_P(
    Typed, KeyFilter,
    ::testing::Values(
        TypedKey{"NameSmallLetterBecomesCapital", "txtName", 'a', "JO", "JOA", "", kInfo},
        TypedKey{"NameCapitalKept", "txtName", 'Z', "", "Z", "", kInfo},
        TypedKey{"NameBlankKept", "txtName", ' ', "JO", "JO ", "", kInfo},
        TypedKey{"NameBackspaceKept", "txtName", '\b', "JO", "J", "", kInfo},
        TypedKey{"NameDigitRefused", "txtName", '7', "JO", "JO", "Please Enter only Letters", kInfo},
        TypedKey{"NameMinusRefused", "txtName", '-', "JO", "JO", "Please Enter only Letters", kInfo},
        TypedKey{"NamePointRefused", "txtName", '.', "JO", "JO", "Please Enter only Letters", kInfo},
        TypedKey{"LonDegreesDigitKept", "txtLonD", '9', "17", "179", "", kCritical},
        TypedKey{"LonDegreesFourthDigitIgnored", "txtLonD", '9', "179", "179", "", kCritical},
        TypedKey{"LonMinutesBackspaceKept", "txtLonM", '\b', "59", "5", "", kCritical},
        TypedKey{"LatDegreesBlankRefused", "txtLatD", ' ', "5", "5", "Only Numbers Are Accepted", kCritical},
        TypedKey{"LatMinutesMinusRefused", "txtLatM", '-', "", "", "Only Numbers Are Accepted", kCritical},
        TypedKey{"LonMinutesPointRefused", "txtLonM", '.', "1", "1", "Only Numbers Are Accepted", kCritical},
        TypedKey{"LonDegreesLetterRefused", "txtLonD", 'e', "1", "1", "Only Numbers Are Accepted", kCritical}),
    [](const auto& info) { return std::string(info.param.label); });

// Pasted text passes the same filters as typed keys: all of it, changed as a key would be, or none of it.
struct PastedText {
    const char* label;
    const char* box;
    const char* clipboard;
    const char* after;
    const char* message;
};

class PasteFilter : public DesktopTest, public ::testing::WithParamInterface<PastedText>
{
};

TEST_P(PasteFilter, PasteIsFilteredWhole)
{
    const PastedText& row = GetParam();
    auto* box = window->findChild<FilteredLineEdit*>(QLatin1String(row.box));
    ASSERT_NE(box, nullptr);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(row.clipboard));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QString::fromUtf8(row.after));
    if (*row.message == '\0') {
        EXPECT_TRUE(messages.shown.empty());
    } else {
        ASSERT_EQ(messages.shown.size(), 1U) << "one message for the whole paste";
        EXPECT_EQ(messages.shown[0].text, QLatin1String(row.message));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pasted, PasteFilter,
    ::testing::Values(PastedText{"NameSmallLettersBecomeCapitals", "txtName", "mary ann", "MARY ANN", ""},
                      PastedText{"NameWithDigitChangesNothing", "txtName", "mary 2", "", "Please Enter only Letters"},
                      PastedText{"NameWithAccentBecomesCapital", "txtName", "Ren\xc3\xa9", "REN\xc3\x89", ""},
                      PastedText{"GreekNameBecomesCapitals", "txtName", "Σίσυφος", "ΣΊΣΥΦΟΣ", ""},
                      PastedText{"DegreesDigitsKept", "txtLatD", "42", "42", ""},
                      PastedText{"DegreesKeepsItsLength", "txtLonD", "12345", "123", ""},
                      PastedText{"SignedNumberChangesNothing", "txtLonD", "-12", "", "Only Numbers Are Accepted"},
                      PastedText{"DecimalChangesNothing", "txtLatM", "1.5", "", "Only Numbers Are Accepted"}),
    [](const auto& info) { return std::string(info.param.label); });

// Letters of every alphabet typed one key at a time, as a keyboard layout sends them; a vowel sign typed
// after its letter joins it. Upper-case forms from python3 -c 'print("josé straße".upper())'.
// One key press per character, carrying its text, as a keyboard layout sends them (QTest::keyClicks
// knows only Latin-1).
void TypeKeys(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

TEST_F(BirthDataWindow, NameTakesLettersOfEveryAlphabetKeyByKey)
{
    Child<FilteredLineEdit>(window, "txtName")->setFocus();
    TypeKeys(Child<FilteredLineEdit>(window, "txtName"), QStringLiteral("josé straße र"));
    TypeKeys(Child<FilteredLineEdit>(window, "txtName"), QStringLiteral("\u093E")); // DEVANAGARI VOWEL SIGN AA, a mark
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtName")->text(), QStringLiteral("JOSÉ STRASSE रा"));
    EXPECT_TRUE(messages.shown.empty());
    TypeKeys(Child<FilteredLineEdit>(window, "txtName"),
             QStringLiteral(" \u0301")); // an accent after a blank has no letter
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, kOnlyLetters);
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtName")->text(), QStringLiteral("JOSÉ STRASSE रा "));
}

// The core's upper-casing and Qt's agree, so a name reads the same in the window and from the chart tool.
TEST(NameCase, CoreUpperCasingMatchesQt)
{
    for (const char* name : {"José Müller", "Ødegaard", "Σίσυφος", "straße", "ﬁona", "ǆemal", "Jose\u0301",
                             "Łukasz Żółw", "Çağrı ıi", "ǰ"}) {
        const std::optional<std::string> core = FilterNameText(name);
        ASSERT_TRUE(core) << name;
        EXPECT_EQ(QString::fromStdString(*core), QString::fromUtf8(name).toUpper()) << name;
    }
}

TEST_F(BirthDataWindow, PasteFromTheContextMenuIsFilteredToo)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("12x"));
    Child<FilteredLineEdit>(window, "txtLonD")->filteredPaste();
    EXPECT_TRUE(Child<FilteredLineEdit>(window, "txtLonD")->text().isEmpty());
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, kOnlyNumbers);
}

// One validation case: what the form holds differently from a valid one, and what the user is told.
struct Check {
    const char* label;
    const char* name;
    const char* lonD;
    const char* lonM;
    const char* latD;
    const char* latM;
    const char* message; // empty: the calculation runs
    MessageIcon icon;
    const char* focus; // the box that gets the focus, or empty
};

class Validation : public DesktopTest, public ::testing::WithParamInterface<Check>
{
};

TEST_P(Validation, FirstFailingCheckIsReportedAndFocused)
{
    const Check& row = GetParam();
    Child<FilteredLineEdit>(window, "txtName")->setText(QLatin1String(row.name));
    Child<FilteredLineEdit>(window, "txtLonD")->setText(QLatin1String(row.lonD));
    Child<FilteredLineEdit>(window, "txtLonM")->setText(QLatin1String(row.lonM));
    Child<FilteredLineEdit>(window, "txtLatD")->setText(QLatin1String(row.latD));
    Child<FilteredLineEdit>(window, "txtLatM")->setText(QLatin1String(row.latM));
    Child<QPushButton>(window, "cmdBrowser")->setFocus();
    QTest::mouseClick(Child<QPushButton>(window, "cmdRashi"), Qt::LeftButton);

    if (*row.message == '\0') {
        EXPECT_TRUE(messages.shown.empty());
        ASSERT_NE(window->resultsWindow(), nullptr);
        EXPECT_FALSE(window->isVisible());
        return;
    }
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, QLatin1String(row.message));
    EXPECT_EQ(messages.shown[0].icon, row.icon);
    EXPECT_EQ(QApplication::focusWidget(), window->findChild<QWidget*>(QLatin1String(row.focus)));
    EXPECT_EQ(window->resultsWindow(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->chart().has_value()) << "nothing calculated";
}

INSTANTIATE_TEST_SUITE_P(
    Checks, Validation,
    ::testing::Values(Check{"AllLimitsAccepted", "JO", "179", "59", "89", "59", "", kCritical, ""},
                      Check{"ZerosAccepted", "JO", "0", "0", "0", "0", "", kCritical, ""},
                      Check{"EmptyName", "", "1", "1", "1", "1", "Please Enter Name", kCritical, "txtName"},
                      Check{"BlanksOnlyName", "   ", "1", "1", "1", "1", "Please Enter Name", kCritical, "txtName"},
                      Check{"LonDegreesAbove179", "JO", "180", "1", "1", "1",
                            "Please Enter Value Between 0 And 179 in the Degree of Longitude", kCritical, "txtLonD"},
                      Check{"LonMinutesBlank", "JO", "1", "", "1", "1",
                            "Please Enter Value Between 0 And 59 in the  Minute of Longitude", kCritical, "txtLonM"},
                      Check{"LonMinutesAbove59", "JO", "1", "60", "1", "1",
                            "Please Enter Value Between 0 And 59 in the  Minute of Longitude", kCritical, "txtLonM"},
                      Check{"LatDegreesAbove89", "JO", "1", "1", "90", "1",
                            "Please Enter Value Between 0 And 89 in the Degree of Latitude", kCritical, "txtLatD"},
                      Check{"LatMinutesAbove59", "JO", "1", "1", "1", "60",
                            "Please Enter Value Between 0 And 59 in the  Minute of Latitude", kCritical, "txtLatM"},
                      Check{"OnlyTheFirstOfSeveral", "", "999", "99", "99", "99", "Please Enter Name", kCritical,
                            "txtName"},
                      Check{"LongitudeBeforeLatitude", "JO", "1", "75", "95", "",
                            "Please Enter Value Between 0 And 59 in the  Minute of Longitude", kCritical, "txtLonM"}),
    [](const auto& info) { return std::string(info.param.label); });

// The date checks: a day the month does not have.
struct DateCase {
    const char* label;
    int year;
    int month;
    int day;
    const char* message; // empty: accepted
};

class DateCheck : public DesktopTest, public ::testing::WithParamInterface<DateCase>
{
};

TEST_P(DateCheck, DayMustExistInTheMonth)
{
    const DateCase& row = GetParam();
    FillValidForm();
    SelectDate(row.year, row.month, row.day);
    Child<FilteredLineEdit>(window, "txtName")->setFocus();
    window->cmdRashi_Click();
    if (*row.message == '\0') {
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_NE(window->resultsWindow(), nullptr);
        return;
    }
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, QLatin1String(row.message));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(QApplication::focusWidget(), Child<FilteredLineEdit>(window, "txtName"))
        << "the focus stays where it was";
    EXPECT_EQ(window->resultsWindow(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateCheck,
    ::testing::Values(DateCase{"LeapDay2000", 2000, 2, 29, ""}, DateCase{"LeapDay1904", 1904, 2, 29, ""},
                      DateCase{"NoLeapDay1901", 1901, 2, 29, "Please Enter Correct Date Or Month!"},
                      DateCase{"February30InLeapYear", 2000, 2, 30, "Please Enter Correct Date Or Month!"},
                      DateCase{"February31", 1999, 2, 31, "Please Enter Correct Date Or Month!"},
                      DateCase{"April31", 2001, 4, 31, "Please Enter Correct Date Or Month !"},
                      DateCase{"November31", 2001, 11, 31, "Please Enter Correct Date Or Month !"},
                      DateCase{"May31", 2001, 5, 31, ""}, DateCase{"April30", 2001, 4, 30, ""}),
    [](const auto& info) { return std::string(info.param.label); });

// The place lookup: a missing part is named and focused; a complete place opens one search.
struct Place {
    const char* label;
    const char* city;
    const char* state;
    const char* country;
    const char* message; // empty: the search opens
    const char* focus;
    const char* encodedQuery;
};

class PlaceLookup : public DesktopTest, public ::testing::WithParamInterface<Place>
{
};

TEST_P(PlaceLookup, MessagesAndEncodedQuery)
{
    const Place& row = GetParam();
    Child<QLineEdit>(window, "txtMCity")->setText(QString::fromUtf8(row.city));
    Child<QLineEdit>(window, "txtMState")->setText(QString::fromUtf8(row.state));
    Child<QLineEdit>(window, "txtMCountry")->setText(QString::fromUtf8(row.country));
    QTest::mouseClick(Child<QPushButton>(window, "cmdBrowser"), Qt::LeftButton);
    if (*row.message != '\0') {
        ASSERT_EQ(messages.shown.size(), 1U);
        EXPECT_EQ(messages.shown[0].text, QLatin1String(row.message));
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
        EXPECT_EQ(QApplication::focusWidget(), window->findChild<QWidget*>(QLatin1String(row.focus)));
        EXPECT_TRUE(browser.opened.empty());
        return;
    }
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(browser.opened.size(), 1U);
    EXPECT_EQ(browser.opened[0], QStringLiteral(TESSALINE_PLACE_SEARCH) + QLatin1String(row.encodedQuery));
    EXPECT_TRUE(Child<FilteredLineEdit>(window, "txtLonD")->text().isEmpty()) << "the lookup fills in nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, PlaceLookup,
    ::testing::Values(Place{"NoCity", "", "Maharashtra", "India", "Please Enter City", "txtMCity", ""},
                      Place{"NoStateNorCountry", "Pune", "", "", "Please Enter State", "txtMState", ""},
                      Place{"NoCountry", "Pune", "Maharashtra", "", "Please Enter Country", "txtMCountry", ""},
                      Place{"Pune", "Pune", "Maharashtra", "India", "", "",
                            "Pune%20Maharashtra%20India%20Latitude%20Longitude"},
                      Place{"ReservedCharactersReachTheSearch", "St. John's & Co #1", "NL", "Canada", "", "",
                            "St.%20John%27s%20%26%20Co%20%231%20NL%20Canada%20Latitude%20Longitude"},
                      Place{"PlusAndPercentAreNotSpaces", "A+B", "50%", "C=D?", "", "",
                            "A%2BB%2050%25%20C%3DD%3F%20Latitude%20Longitude"},
                      Place{"BlanksOnlyBoxCounts", " ", "Bavaria", "Germany", "", "",
                            "%20%20Bavaria%20Germany%20Latitude%20Longitude"},
                      Place{"NonAsciiIsUtf8", "K\xc3\xb6ln", "NRW", "Germany", "", "",
                            "K%C3%B6ln%20NRW%20Germany%20Latitude%20Longitude"}),
    [](const auto& info) { return std::string(info.param.label); });

// A calculation that fails leaves no chart behind: not the one before it, which the window must never show or
// save as if it were the birth now entered.
TEST_F(BirthDataWindow, AFailedCalculationLeavesNoEarlierChart)
{
    Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("JO"));
    for (const char* box : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"})
        Child<FilteredLineEdit>(window, box)->setText(QStringLiteral("10"));
    QTest::mouseClick(Child<QPushButton>(window, "cmdRashi"), Qt::LeftButton);
    ASSERT_TRUE(messages.shown.empty());
    ASSERT_TRUE(window->chart().has_value());
    EXPECT_EQ(window->chart()->Name(), "JO");

    Child<FilteredLineEdit>(window, "txtLatD")->setText(QStringLiteral("90"));
    QTest::mouseClick(Child<QPushButton>(window, "cmdRashi"), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_FALSE(window->chart().has_value());
}

TEST_F(BirthDataWindow, EveryControlIsReachableInReadingOrderAndNamed)
{
    // The Place box under the time of birth, before the zone it fills.
    const std::vector<QWidget*> expected{
        Child<FilteredLineEdit>(window, "txtName"), Child<QComboBox>(window, "cboMonth"),
        Child<QComboBox>(window, "cboDate"),        Child<QComboBox>(window, "cboYear"),
        Child<QComboBox>(window, "cboHH"),          Child<QComboBox>(window, "cboMM"),
        Child<QComboBox>(window, "cboSS"),          Child<PlacePicker>(window, "placePicker")->txtPlace,
        Child<QComboBox>(window, "cmbTimeZone"),    Child<QCheckBox>(window, "chkDST"),
        Child<FilteredLineEdit>(window, "txtLonD"), Child<FilteredLineEdit>(window, "txtLonM"),
        Child<QRadioButton>(window, "optLong", 0),  Child<FilteredLineEdit>(window, "txtLatD"),
        Child<FilteredLineEdit>(window, "txtLatM"), Child<QRadioButton>(window, "optLat", 0),
        Child<QLineEdit>(window, "txtMCity"),       Child<QLineEdit>(window, "txtMState"),
        Child<QLineEdit>(window, "txtMCountry"),    Child<QPushButton>(window, "cmdBrowser"),
        Child<QPushButton>(window, "cmdRashi"),     Child<LinkLabel>(window, "Label61")};
    Child<FilteredLineEdit>(window, "txtName")->setFocus();
    for (QWidget* control : expected) {
        ASSERT_EQ(QApplication::focusWidget(), control)
            << "expected " << control->objectName().toStdString() << ", focus is on "
            << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "nothing");
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (QLabel* caption :
         {Child<QLabel>(window, "Label13"), Child<QLabel>(window, "Label5"), Child<QLabel>(window, "Label1"),
          Child<QLabel>(window, "Label6"), Child<QLabel>(window, "Label8"), Child<QLabel>(window, "Label7"),
          Child<QLabel>(window, "Label9"), Child<QLabel>(window, "Label54"), Child<QLabel>(window, "Label55"),
          Child<QLabel>(window, "Label4")}) {
        EXPECT_NE(caption->buddy(), nullptr) << caption->objectName().toStdString();
    }
}

// Tab and Shift+Tab into East/West or North/South land on the option chosen, whichever it is.
TEST_F(BirthDataWindow, TabIntoAPairOfOptionsLandsOnTheOneChosen)
{
    struct Pair {
        QWidget* before;
        std::array<QRadioButton*, 2> options;
        QWidget* after;
    };
    for (const Pair& pair :
         {Pair{Child<FilteredLineEdit>(window, "txtLonM"),
               {Child<QRadioButton>(window, "optLong", 0), Child<QRadioButton>(window, "optLong", 1)},
               Child<FilteredLineEdit>(window, "txtLatD")},
          Pair{Child<FilteredLineEdit>(window, "txtLatM"),
               {Child<QRadioButton>(window, "optLat", 0), Child<QRadioButton>(window, "optLat", 1)},
               Child<QLineEdit>(window, "txtMCity")}}) {
        for (QRadioButton* chosen : pair.options) {
            chosen->setChecked(true);
            pair.before->setFocus();
            QTest::keyClick(pair.before, Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), chosen) << chosen->objectName().toStdString();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), pair.after) << chosen->objectName().toStdString();
            QTest::keyClick(pair.after, Qt::Key_Backtab, Qt::ShiftModifier);
            EXPECT_EQ(QApplication::focusWidget(), chosen) << chosen->objectName().toStdString();
        }
    }
}

TEST_F(BirthDataWindow, CaptionAcceleratorMovesTheFocusToItsField)
{
    Child<QPushButton>(window, "cmdRashi")->setFocus();
    QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier); // L&atitude
    EXPECT_TRUE(Child<QGroupBox>(window, "Frame3")->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(window.get(), Qt::Key_N, Qt::AltModifier); // &Name
    EXPECT_EQ(QApplication::focusWidget(), Child<FilteredLineEdit>(window, "txtName"));
}

} // namespace
} // namespace tessaline::testing
