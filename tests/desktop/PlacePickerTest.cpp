// SPDX-License-Identifier: GPL-3.0-or-later
// The place search of the birth data window: choosing a place, the clock line, the hand's choice winning,
// the warnings, and the same universal time as the chart tool.

#include "desktop/PlacePicker.h"

#include "DesktopTestSupport.h"

#include "cli/ChartTool.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
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
        window->cboYear->setCurrentIndex(year - 1901);
        window->cboMonth->setCurrentIndex(month - 1);
        window->cboDate->setCurrentIndex(day - 1);
        window->cboHH->setCurrentIndex(hour);
        window->cboMM->setCurrentIndex(minute);
    }
    // Types into the Place box, goes Down into the list and presses Enter on the first place.
    void TypeAndChoose(const char* typed)
    {
        PlacePicker& picker = *window->placePicker;
        picker.txtPlace->setFocus(Qt::OtherFocusReason);
        picker.waitForAtlas();
        QTest::keyClicks(picker.txtPlace, QString::fromUtf8(typed));
        ASSERT_TRUE(picker.lstPlaces->isVisible());
        QTest::keyClick(picker.txtPlace, Qt::Key_Down);
        ASSERT_TRUE(picker.lstPlaces->hasFocus());
        QTest::keyClick(picker.lstPlaces, Qt::Key_Return);
    }
    QString Clock() const { return window->placePicker->lblClock->text(); }
};

// Springfield, Illinois: 39.802° N 89.644° W (GeoNames 4250542), America/Chicago; in July 1990 Chicago
// time was CDT, UT-5, an hour of summer time on CST (row 21, Central Standard Time).
TEST_F(PlacePickerTest, ChoosingAPlaceFillsTheFormAndTheZone)
{
    SetDate(1990, 7, 1, 12, 0);
    TypeAndChoose("springfield illinois");
    EXPECT_EQ(window->txtMCity->text(), QStringLiteral("Springfield"));
    EXPECT_EQ(window->txtMState->text(), QStringLiteral("Illinois"));
    EXPECT_EQ(window->txtMCountry->text(), QStringLiteral("United States"));
    EXPECT_EQ(window->txtLonD->text(), QStringLiteral("89"));
    EXPECT_EQ(window->txtLonM->text(), QStringLiteral("39"));
    EXPECT_TRUE(window->optLong[1]->isChecked());
    EXPECT_EQ(window->txtLatD->text(), QStringLiteral("39"));
    EXPECT_EQ(window->txtLatM->text(), QStringLiteral("48"));
    EXPECT_TRUE(window->optLat[0]->isChecked());
    EXPECT_EQ(window->cmbTimeZone->currentIndex(), 21);
    EXPECT_TRUE(window->chkDST->isChecked());
    EXPECT_TRUE(
        Clock().startsWith(QStringLiteral("Springfield, 1 July 1990, 12:00: clocks ran UT\u22125:00, summer time "
                                          "(CDT) \u2192 Central Standard Time with daylight saving")))
        << Clock().toStdString();

    // A winter date: the suggestion follows, without the tick.
    SetDate(1990, 1, 15, 12, 0);
    EXPECT_EQ(window->cmbTimeZone->currentIndex(), 21);
    EXPECT_FALSE(window->chkDST->isChecked());
    EXPECT_TRUE(window->placePicker->lblZoneWarning->isHidden());
}

TEST_F(PlacePickerTest, TheHandWinsAndTheAtlasOffersToApplyItsSuggestion)
{
    SetDate(1990, 7, 1, 12, 0);
    TypeAndChoose("springfield illinois");
    window->cmbTimeZone->setCurrentIndex(27); // Eastern Standard Time, by hand
    EXPECT_EQ(window->cmbTimeZone->currentIndex(), 27);
    EXPECT_TRUE(Clock().startsWith(QStringLiteral("You chose the zone by hand; the atlas suggests:")));
    EXPECT_FALSE(window->placePicker->cmdApplyZone->isHidden());
    SetDate(1990, 7, 2, 12, 0);
    EXPECT_EQ(window->cmbTimeZone->currentIndex(), 27); // still the hand's choice

    window->placePicker->cmdApplyZone->click();
    EXPECT_EQ(window->cmbTimeZone->currentIndex(), 21);
    EXPECT_TRUE(window->chkDST->isChecked());
    EXPECT_TRUE(window->placePicker->cmdApplyZone->isHidden());

    // Coordinates typed by hand drop the place.
    window->txtLonM->clear();
    QTest::keyClicks(window->txtLonM, QStringLiteral("7"));
    EXPECT_TRUE(window->placePicker->placeLabel().empty());
    EXPECT_TRUE(Clock().contains(QStringLiteral("no longer used")));
}

TEST_F(PlacePickerTest, WarnsOfSummerTimeCountedTwiceAndAZoneFarFromTheLongitude)
{
    // Without a place: 89° W on Eastern Daylight Time (row 24) with the tick.
    window->txtLonD->setText(QStringLiteral("89"));
    window->optLong[1]->setChecked(true);
    window->cmbTimeZone->setCurrentIndex(24);
    window->chkDST->setChecked(true);
    const QString twice = window->placePicker->lblZoneWarning->text();
    EXPECT_TRUE(twice.contains(QStringLiteral("counts summer time twice"))) << twice.toStdString();
    EXPECT_FALSE(twice.contains(QStringLiteral("three hours")));

    window->chkDST->setChecked(false);
    window->cmbTimeZone->setCurrentIndex(20); // Central European Time, 7 hours from 89° W
    const QString far = window->placePicker->lblZoneWarning->text();
    EXPECT_TRUE(far.contains(QStringLiteral("more than three hours"))) << far.toStdString();
    EXPECT_FALSE(window->placePicker->lblZoneWarning->isHidden());
}

// Kathmandu has kept UT+5:45 since 1986: no row fits, so the chart uses the exact offset, and the window and
// the chart tool give the same universal time.
TEST_F(PlacePickerTest, AnOffsetNoRowHasChartsExactlyAndAgreesWithTheChartTool)
{
    SetDate(2000, 1, 1, 12, 0);
    window->txtName->setText(QStringLiteral("ada"));
    TypeAndChoose("kathmandu");
    EXPECT_EQ(window->cmbTimeZone->currentText(), QStringLiteral("Local clock of Kathmandu, UT+5:45"));
    EXPECT_TRUE(Clock().contains(QStringLiteral("none of the 71 zones fits; the chart uses UT+5:45")));
    const BirthDataForm form = window->CurrentForm();
    ASSERT_TRUE(form.exactZone.has_value());
    EXPECT_EQ(form.exactZone->zoneCorrectionHours, -5);
    EXPECT_EQ(form.exactZone->zoneCorrectionMinutes, -45);

    window->cmdRashi_Click();
    const CivilInstant at = window->chartState().instant.universal;
    EXPECT_EQ(at, (CivilInstant{2000, 1, 1, 6, 15}));
    EXPECT_NE(window->chartState().place.find("Kathmandu"), std::string::npos);

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
    EXPECT_EQ(chart["positions"]["Moon"], window->chartState().positionTable[1]);
}

} // namespace
} // namespace tessaline::testing
