// SPDX-License-Identifier: GPL-3.0-or-later
// The place search of the birth data window: choosing a place, the clock line, the hand's choice winning,
// the warnings, and the same universal time as the chart tool.

#include "desktop/PlacePicker.h"

#include "../cli/ToolRun.h"
#include "DesktopTestSupport.h"

#include "cli/ChartTool.h"
#include "desktop/TransitsWindow.h"
#include "desktop/frmDisplay.h"
#include "report/ChartLines.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <nlohmann/json.hpp>
#include <sstream>

namespace tessaline::testing {
namespace {

class PlacePickerTest : public DesktopTest
{
protected:
    void SetDate(int year, int month, int day, int hour, int minute)
    {
        Child<QComboBox>(window, "cboYear")->setCurrentIndex(year - 1901);
        Child<QComboBox>(window, "cboMonth")->setCurrentIndex(month - 1);
        Child<QComboBox>(window, "cboDate")->setCurrentIndex(day - 1);
        Child<QComboBox>(window, "cboHH")->setCurrentIndex(hour);
        Child<QComboBox>(window, "cboMM")->setCurrentIndex(minute);
    }
    // Types into the Place box, goes Down into the list and presses Enter on the first place.
    void TypeAndChoose(const char* typed)
    {
        PlacePicker& picker = *Child<PlacePicker>(window, "placePicker");
        picker.txtPlace->setFocus(Qt::OtherFocusReason);
        picker.waitForAtlas();
        QTest::keyClicks(picker.txtPlace, QString::fromUtf8(typed));
        ASSERT_TRUE(picker.lstPlaces->isVisible());
        QTest::keyClick(picker.txtPlace, Qt::Key_Down);
        ASSERT_TRUE(picker.lstPlaces->hasFocus());
        QTest::keyClick(picker.lstPlaces, Qt::Key_Return);
    }
    QString Clock() const { return Child<PlacePicker>(window, "placePicker")->lblClock->text(); }
    // Charts the form; the instant in universal time, as the chart tool writes it.
    std::string ChartedInstant(frmMain& form)
    {
        form.cmdRashi_Click();
        EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text.toStdString();
        return form.chart() ? InstantUtText(*form.chart()) : std::string();
    }
    QTemporaryDir folder;
};

// Springfield, Illinois: 39.802° N 89.644° W (GeoNames 4250542), America/Chicago; in July 1990 Chicago
// time was CDT, UT-5, an hour of summer time on CST (row 21, Central Standard Time).
TEST_F(PlacePickerTest, ChoosingAPlaceFillsTheFormAndTheZone)
{
    SetDate(1990, 7, 1, 12, 0);
    TypeAndChoose("springfield illinois");
    EXPECT_EQ(Child<QLineEdit>(window, "txtMCity")->text(), QStringLiteral("Springfield"));
    EXPECT_EQ(Child<QLineEdit>(window, "txtMState")->text(), QStringLiteral("Illinois"));
    EXPECT_EQ(Child<QLineEdit>(window, "txtMCountry")->text(), QStringLiteral("United States"));
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtLonD")->text(), QStringLiteral("89"));
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtLonM")->text(), QStringLiteral("39"));
    EXPECT_TRUE(Child<QRadioButton>(window, "optLong", 1)->isChecked());
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtLatD")->text(), QStringLiteral("39"));
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtLatM")->text(), QStringLiteral("48"));
    EXPECT_TRUE(Child<QRadioButton>(window, "optLat", 0)->isChecked());
    EXPECT_EQ(Child<QComboBox>(window, "cmbTimeZone")->currentIndex(), 21);
    EXPECT_TRUE(Child<QCheckBox>(window, "chkDST")->isChecked());
    EXPECT_TRUE(
        Clock().startsWith(QStringLiteral("Springfield, 1 July 1990, 12:00: clocks ran UT\u22125:00, summer time "
                                          "(CDT) \u2192 Central Standard Time with daylight saving")))
        << Clock().toStdString();

    // A winter date: the suggestion follows, without the tick.
    SetDate(1990, 1, 15, 12, 0);
    EXPECT_EQ(Child<QComboBox>(window, "cmbTimeZone")->currentIndex(), 21);
    EXPECT_FALSE(Child<QCheckBox>(window, "chkDST")->isChecked());
    EXPECT_TRUE(Child<PlacePicker>(window, "placePicker")->lblZoneWarning->isHidden());
}

// A misspelt place says the nearest names and what to do instead, in the notice a screen reader speaks.
TEST_F(PlacePickerTest, AMissSuggestsTheNearestNames)
{
    PlacePicker& picker = *Child<PlacePicker>(window, "placePicker");
    picker.txtPlace->setFocus(Qt::OtherFocusReason);
    picker.waitForAtlas();
    QTest::keyClicks(picker.txtPlace, QStringLiteral("springfeld"));
    EXPECT_TRUE(picker.lstPlaces->isHidden());
    EXPECT_TRUE(picker.lblNoPlace->text().contains(
        QStringLiteral("did you mean Springfield? Or enter the coordinates and the zone by hand.")));
}

TEST_F(PlacePickerTest, TheHandWinsAndTheAtlasOffersToApplyItsSuggestion)
{
    SetDate(1990, 7, 1, 12, 0);
    TypeAndChoose("springfield illinois");
    Child<QComboBox>(window, "cmbTimeZone")->setCurrentIndex(27); // Eastern Standard Time, by hand
    EXPECT_EQ(Child<QComboBox>(window, "cmbTimeZone")->currentIndex(), 27);
    EXPECT_TRUE(Clock().startsWith(QStringLiteral("You chose the zone by hand; the atlas suggests:")));
    EXPECT_FALSE(Child<PlacePicker>(window, "placePicker")->cmdApplyZone->isHidden());
    SetDate(1990, 7, 2, 12, 0);
    EXPECT_EQ(Child<QComboBox>(window, "cmbTimeZone")->currentIndex(), 27); // still the hand's choice

    Child<PlacePicker>(window, "placePicker")->cmdApplyZone->click();
    EXPECT_EQ(Child<QComboBox>(window, "cmbTimeZone")->currentIndex(), 21);
    EXPECT_TRUE(Child<QCheckBox>(window, "chkDST")->isChecked());
    EXPECT_TRUE(Child<PlacePicker>(window, "placePicker")->cmdApplyZone->isHidden());

    // Coordinates typed by hand drop the place.
    Child<FilteredLineEdit>(window, "txtLonM")->clear();
    QTest::keyClicks(Child<FilteredLineEdit>(window, "txtLonM"), QStringLiteral("7"));
    EXPECT_TRUE(Child<PlacePicker>(window, "placePicker")->placeLabel().empty());
    EXPECT_TRUE(Clock().contains(QStringLiteral("no longer used")));
}

TEST_F(PlacePickerTest, WarnsOfSummerTimeCountedTwiceAndAZoneFarFromTheLongitude)
{
    // Without a place: 89° W on Eastern Daylight Time (row 24) with the tick.
    Child<FilteredLineEdit>(window, "txtLonD")->setText(QStringLiteral("89"));
    Child<QRadioButton>(window, "optLong", 1)->setChecked(true);
    Child<QComboBox>(window, "cmbTimeZone")->setCurrentIndex(24);
    Child<QCheckBox>(window, "chkDST")->setChecked(true);
    const QString twice = Child<PlacePicker>(window, "placePicker")->lblZoneWarning->text();
    EXPECT_TRUE(twice.contains(QStringLiteral("counts summer time twice"))) << twice.toStdString();
    EXPECT_FALSE(twice.contains(QStringLiteral("three hours")));

    Child<QCheckBox>(window, "chkDST")->setChecked(false);
    Child<QComboBox>(window, "cmbTimeZone")->setCurrentIndex(20); // Central European Time, 7 hours from 89° W
    const QString far = Child<PlacePicker>(window, "placePicker")->lblZoneWarning->text();
    EXPECT_TRUE(far.contains(QStringLiteral("more than three hours"))) << far.toStdString();
    EXPECT_FALSE(Child<PlacePicker>(window, "placePicker")->lblZoneWarning->isHidden());
}

// Kathmandu has kept UT+5:45 since 1986: no row fits, so the chart uses the exact offset, and the window and
// the chart tool give the same universal time.
TEST_F(PlacePickerTest, AnOffsetNoRowHasChartsExactlyAndAgreesWithTheChartTool)
{
    SetDate(2000, 1, 1, 12, 0);
    Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("ada"));
    TypeAndChoose("kathmandu");
    EXPECT_EQ(Child<QComboBox>(window, "cmbTimeZone")->currentText(),
              QStringLiteral("Local clock of Kathmandu, UT+5:45"));
    EXPECT_TRUE(Clock().contains(QStringLiteral("no zone in the list matches it, so the chart uses UT+5:45")));
    const BirthDataForm form = window->CurrentForm();
    ASSERT_TRUE(form.exactZone.has_value());
    EXPECT_EQ(form.exactZone->seconds, (5 * 60 + 45) * 60);

    window->cmdRashi_Click();
    const CivilInstant at = window->chart()->Instant().universal;
    EXPECT_EQ(at, (CivilInstant{2000, 1, 1, 6, 15}));
    EXPECT_NE(window->chart()->Place().find("Kathmandu"), std::string::npos);

    const std::vector<std::string> args{"tessaline-chart", "--name", "ada",     "--date",    "2000-01-01",
                                        "--time",          "12:00",  "--place", "kathmandu", "--json"};
    std::vector<const char*> argv;
    for (const auto& a : args)
        argv.push_back(a.c_str());
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(cli::RunChartTool(static_cast<int>(argv.size()), argv.data(), in, out, err), 0) << err.str();
    const auto chart = nlohmann::json::parse(out.str());
    EXPECT_EQ(chart["instantUT"], "2000-01-01T06:15Z");
    EXPECT_EQ(chart["positions"]["Moon"], window->chart()->Position(Body::Moon));
}

// Every state the window reaches at a place saves to a birth file that the window and the chart tool open to
// the same chart. Universal times from the places' published clock history (tz database): Springfield,
// Illinois keeps CST, UT-6, in January and CDT, UT-5, in July 1990; Kathmandu UT+5:45 since 1986; Guadalajara
// kept local mean time in 1910, 103.392° W (the atlas) x 4 min = 6 h 53 min 34 s, 6:54 to the minute; Paris
// jumped from 02:00 CET to 03:00 CEST on 2021-03-28 (02:30 read as CET, 01:30 UT) and went back from 03:00
// CEST to 02:00 CET on 2021-10-31 (02:30 was 00:30 UT, then 01:30 UT).
struct RoundTrip {
    const char* label;
    const char* place;
    CivilInstant local;
    bool untick;
    const char* instantUT;
};

TEST_F(PlacePickerTest, EveryPlacedStateSavesToAFileBothProgramsOpenToTheSameChart)
{
    const RoundTrip trips[] = {
        {"ZoneRow", "springfield illinois", {1990, 1, 15, 12, 0}, false, "1990-01-15T18:00Z"},
        {"RowWithTick", "springfield illinois", {1990, 7, 1, 12, 0}, false, "1990-07-01T17:00Z"},
        {"ExactOffset", "kathmandu", {1990, 6, 15, 10, 0}, false, "1990-06-15T04:15Z"},
        {"LocalMeanTime", "guadalajara jalisco", {1910, 5, 1, 12, 0}, false, "1910-05-01T18:54Z"},
        {"Gap", "paris", {2021, 3, 28, 2, 30}, false, "2021-03-28T01:30Z"},
        {"OverlapTicked", "paris", {2021, 10, 31, 2, 30}, false, "2021-10-31T00:30Z"},
        {"OverlapUnticked", "paris", {2021, 10, 31, 2, 30}, true, "2021-10-31T01:30Z"},
    };
    Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("ada"));
    for (const RoundTrip& trip : trips) {
        SCOPED_TRACE(trip.label);
        const CivilInstant& at = trip.local;
        SetDate(at.year, at.month, at.day, at.hour, at.minute);
        Child<PlacePicker>(window, "placePicker")->txtPlace->clear();
        TypeAndChoose(trip.place);
        if (trip.untick)
            Child<QCheckBox>(window, "chkDST")->setChecked(false);
        ASSERT_EQ(ChartedInstant(*window), trip.instantUT) << Clock().toStdString();
        const PositionTable chart = PositionsOf(*window->chart());
        window->show();
        ActivateMain();

        const QString path = folder.filePath(QLatin1String(trip.label) + QStringLiteral(".csv"));
        ASSERT_TRUE(window->SaveBirthDataTo(path));
        frmMain reopened;
        ASSERT_TRUE(reopened.OpenBirthDataFrom(path));
        EXPECT_EQ(ChartedInstant(reopened), trip.instantUT);
        EXPECT_EQ(PositionsOf(*reopened.chart()), chart);
        const cli::ToolRun tool = cli::RunTool({"--batch", path.toStdString(), "--json"});
        ASSERT_EQ(tool.code, 0) << tool.err;
        const auto row = nlohmann::json::parse(tool.out);
        EXPECT_EQ(row["instantUT"], trip.instantUT);
        EXPECT_EQ(row["positions"]["Moon"], chart[ToIndex(BodyIndex::Moon)]);
    }
}

// A saved birth keeps the place chosen, its clock line and the hand's choice: reopened, the window shows
// what it showed, and the chart tool charts the file the same. Springfield in July 1990 was on CDT, UT-5;
// with the tick taken off by hand the chart reads CST, UT-6: 12:00 is 18:00 UT.
TEST_F(PlacePickerTest, ASavedPlaceReopensWithItsClockLineAndTheHandsChoice)
{
    struct Case {
        const char* label;
        const char* place;
        CivilInstant local;
        bool untick;
        const char* instantUT;
    };
    const Case cases[] = {
        {"AtlasZone", "kathmandu", {1990, 6, 15, 10, 0}, false, "1990-06-15T04:15Z"},
        {"HandsZone", "springfield illinois", {1990, 7, 1, 12, 0}, true, "1990-07-01T18:00Z"},
    };
    Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("asha rao"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SetDate(c.local.year, c.local.month, c.local.day, c.local.hour, c.local.minute);
        Child<PlacePicker>(window, "placePicker")->txtPlace->clear();
        TypeAndChoose(c.place);
        if (c.untick)
            QTest::mouseClick(Child<QCheckBox>(window, "chkDST"), Qt::LeftButton);
        const QString path = folder.filePath(QLatin1String(c.label) + QStringLiteral(".csv"));
        ASSERT_TRUE(window->SaveBirthDataTo(path));

        frmMain reopened;
        ASSERT_TRUE(reopened.OpenBirthDataFrom(path));
        EXPECT_FALSE(Child<PlacePicker>(reopened, "placePicker")->placeLabel().empty());
        EXPECT_EQ(Child<PlacePicker>(reopened, "placePicker")->placeLabel(),
                  Child<PlacePicker>(window, "placePicker")->placeLabel());
        EXPECT_EQ(Child<PlacePicker>(reopened, "placePicker")->lblClock->text(), Clock());
        EXPECT_EQ(Child<QLineEdit>(reopened, "txtMCity")->text(), Child<QLineEdit>(window, "txtMCity")->text());
        EXPECT_EQ(Child<QCheckBox>(reopened, "chkDST")->isChecked(), Child<QCheckBox>(window, "chkDST")->isChecked());
        EXPECT_EQ(Child<QComboBox>(reopened, "cmbTimeZone")->currentText(),
                  Child<QComboBox>(window, "cmbTimeZone")->currentText());
        EXPECT_EQ(ChartedInstant(reopened), c.instantUT);
        EXPECT_FALSE(reopened.chart()->ClockSentence().empty());
        const cli::ToolRun tool = cli::RunTool({"--batch", path.toStdString(), "--json"});
        ASSERT_EQ(tool.code, 0) << tool.err;
        EXPECT_EQ(nlohmann::json::parse(tool.out)["instantUT"], c.instantUT);
    }
}

// Alt+V in the Place box is no retyping: the place chosen stays.
TEST_F(PlacePickerTest, AnAltLetterKeepsThePlaceChosen)
{
    SetDate(1990, 6, 15, 10, 0);
    TypeAndChoose("kathmandu");
    const std::string chosen = Child<PlacePicker>(window, "placePicker")->placeLabel();
    ASSERT_FALSE(chosen.empty());
    QTest::keyClick(Child<PlacePicker>(window, "placePicker")->txtPlace, Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(Child<PlacePicker>(window, "placePicker")->placeLabel(), chosen);
}

// A file opened over a place chosen before: its coordinates are the file's, not an edit by hand.
TEST_F(PlacePickerTest, AnOpenedFileIsNoEditByHand)
{
    SetDate(1990, 7, 1, 12, 0);
    TypeAndChoose("springfield illinois");
    const QString path = folder.filePath(QStringLiteral("plain.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("name,date,time,zone,lon,lat,dst\nADA,1975-06-15,10:30,34,77E12,28N36,0\n");
    file.close();
    ASSERT_TRUE(window->OpenBirthDataFrom(path));
    EXPECT_FALSE(Clock().contains(QStringLiteral("by hand"))) << Clock().toStdString();
}

// Kathmandu's +5:45 is the list's last entry, and stays the zone in use when the coordinates are edited or
// East, already chosen, is clicked again; the tick does not count on an exact offset.
TEST_F(PlacePickerTest, EditingTheFormKeepsTheExactOffsetItShows)
{
    SetDate(1990, 6, 15, 10, 0);
    Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("ada"));
    TypeAndChoose("kathmandu");
    QTest::mouseClick(Child<QRadioButton>(window, "optLong", 0), Qt::LeftButton);
    Child<FilteredLineEdit>(window, "txtLatM")->clear();
    QTest::keyClicks(Child<FilteredLineEdit>(window, "txtLatM"), QStringLiteral("1"));
    EXPECT_TRUE(Child<PlacePicker>(window, "placePicker")->placeLabel().empty());
    EXPECT_EQ(Child<QComboBox>(window, "cmbTimeZone")->currentText(),
              QStringLiteral("Local clock of Kathmandu, UT+5:45"));
    EXPECT_FALSE(Child<QCheckBox>(window, "chkDST")->isEnabled());
    EXPECT_EQ(ChartedInstant(*window), "1990-06-15T04:15Z");
    window->show();
    const QString path = folder.filePath(QStringLiteral("kathmandu.csv"));
    ASSERT_TRUE(window->SaveBirthDataTo(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains(",+05:45,")) << "the offset in use is the offset saved";
}

// Paris, 31 October 2021, 02:30 happened twice; the tick chooses which. Unticked it stays unticked when the
// minute changes: 02:45 CET is 01:45 UT.
TEST_F(PlacePickerTest, AChoiceOfTheTickHoldsAcrossTimeChanges)
{
    SetDate(2021, 10, 31, 2, 30);
    Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("ada"));
    TypeAndChoose("paris");
    ASSERT_TRUE(Child<QCheckBox>(window, "chkDST")->isChecked());
    QTest::mouseClick(Child<QCheckBox>(window, "chkDST"), Qt::LeftButton);
    EXPECT_FALSE(Child<QCheckBox>(window, "chkDST")->isChecked());
    Child<QComboBox>(window, "cboMM")->setCurrentIndex(45);
    EXPECT_FALSE(Child<QCheckBox>(window, "chkDST")->isChecked());
    EXPECT_EQ(ChartedInstant(*window), "2021-10-31T01:45Z");
}

// A retyped Place box without a choice is no place; a birth file without a place leaves City, State and
// Country empty beside its coordinates.
TEST_F(PlacePickerTest, ARetypedPlaceOrAnOpenedFileLeavesNoOldPlaceBehind)
{
    SetDate(1990, 6, 15, 10, 0);
    Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("ada"));
    TypeAndChoose("paris texas");
    QTest::keyClicks(Child<PlacePicker>(window, "placePicker")->txtPlace, QStringLiteral(" london"));
    ChartedInstant(*window);
    EXPECT_TRUE(window->chart()->Place().empty()) << window->chart()->Place();
    window->show();

    const QString path = folder.filePath(QStringLiteral("plain.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("name,date,time,zone,lon,lat,dst\nADA,1975-06-15,10:30,34,77E12,28N36,0\n");
    file.close();
    ASSERT_TRUE(window->OpenBirthDataFrom(path));
    for (const QLineEdit* part : {Child<QLineEdit>(window, "txtMCity"), Child<QLineEdit>(window, "txtMState"),
                                  Child<QLineEdit>(window, "txtMCountry")})
        EXPECT_TRUE(part->text().isEmpty()) << part->objectName().toStdString();

    // A row that names its place opens with it chosen, as the chart tool charts it: Kolkata kept IST, UT+5:30.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("name,date,time,place\nADA,1975-06-15,10:30,Kolkata\n");
    file.close();
    ASSERT_TRUE(window->OpenBirthDataFrom(path)) << messages.shown.back().text.toStdString();
    EXPECT_EQ(Child<QLineEdit>(window, "txtMCity")->text(), QStringLiteral("Kolkata"));
    EXPECT_EQ(Child<QComboBox>(window, "cmbTimeZone")->currentIndex(), 34);
    EXPECT_EQ(ChartedInstant(*window), "1975-06-15T05:00Z");
}

// The list under the Place box: six places whole, the first highlighted as you type (Enter takes it), one
// click chooses, Escape closes, text from an assistive tool searches, and a search that finds nothing says so.
TEST_F(PlacePickerTest, TheListShowsHighlightsChoosesAndSaysWhenNothingMatches)
{
    PlacePicker& picker = *Child<PlacePicker>(window, "placePicker");
    picker.txtPlace->setFocus(Qt::OtherFocusReason);
    picker.waitForAtlas();
    QTest::keyClicks(picker.txtPlace, QStringLiteral("springfield"));
    ASSERT_GT(picker.lstPlaces->count(), 6);
    EXPECT_EQ(picker.lstPlaces->currentRow(), 0);
    EXPECT_GE(picker.lstPlaces->viewport()->height(),
              picker.lstPlaces->visualItemRect(picker.lstPlaces->item(5)).bottom());
    EXPECT_TRUE(picker.lstPlaces->item(0)->text().contains(QLatin1Char('\n'))) << "a place on two lines";
    QTest::keyClick(picker.txtPlace, Qt::Key_Escape);
    EXPECT_TRUE(picker.lstPlaces->isHidden());

    QAccessible::queryAccessibleInterface(picker.txtPlace)->setText(QAccessible::Value, QStringLiteral("paris texas"));
    ASSERT_FALSE(picker.lstPlaces->isHidden());
    QTest::mouseClick(picker.lstPlaces->viewport(), Qt::LeftButton, {},
                      picker.lstPlaces->visualItemRect(picker.lstPlaces->item(0)).center());
    EXPECT_EQ(Child<QLineEdit>(window, "txtMState")->text(), QStringLiteral("Texas"));

    picker.txtPlace->clear();
    QTest::keyClicks(picker.txtPlace, QStringLiteral("qqxzv"));
    EXPECT_TRUE(picker.lstPlaces->isHidden());
    EXPECT_FALSE(picker.lblNoPlace->isHidden());
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(picker.lblNoPlace)
                    ->text(QAccessible::Name)
                    .startsWith(QStringLiteral("No place matches \u201cqqxzv\u201d")));
}

// A birth at a place reads the transits on the place's own clock at their moment: Paris keeps CEST, UT+2, on
// 1 July 2026 (the time zone database's Europe/Paris), though the birth fell in winter time, as the chart tool
// reads it; the birth's own clock stays UT+1.
TEST_F(PlacePickerTest, TransitsAreReadOnTheBirthplacesClock)
{
    SetDate(1990, 1, 15, 8, 0);
    Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("ada"));
    TypeAndChoose("paris");
    ASSERT_EQ(ChartedInstant(*window), "1990-01-15T07:00Z");
    TransitsWindow* transits = window->resultsWindow()->showTransits();
    auto* clocks = Child<QComboBox>(*transits, "cboTransitClock");
    EXPECT_EQ(clocks->itemText(0), QStringLiteral("The birthplace's clock (Europe/Paris)"));
    EXPECT_EQ(clocks->itemText(1), QStringLiteral("The birth's clock (UT+1:00)"));
    transits->showMoment(QDateTime(QDate(2026, 7, 1), QTime(14, 0), Qt::UTC));
    ASSERT_TRUE(transits->report());
    EXPECT_EQ(TransitTitle(*transits->report()), "Transits on 1 July 2026, 14:00 (UT+2:00, Europe/Paris)");
    // Another clock keeps the instant: 12:00 UT.
    clocks->setCurrentIndex(2);
    EXPECT_EQ(Child<QDateTimeEdit>(*transits, "dtpTransits")->time(), QTime(12, 0));
    transits->close();
}

} // namespace
} // namespace tessaline::testing
