// SPDX-License-Identifier: GPL-3.0-or-later
// A whole calculation through the windows: the driver, the results window, Back and Exit.

#include "DesktopTestSupport.h"

#include "desktop/TabPanel.h"
#include "desktop/frmDisplay.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace tessaline::testing {
namespace {

// What one tab is expected to show: the position from the published planetary longitudes worked out for
// the date, and the decanate row of that sign and degree, with the opening words of its three texts.
struct TabExpectation {
    int body;
    const char* position;
    std::array<const char*, 7> fields; // decanate name, sign, ruler, element, constellation, keyword, tree
    const char* karmicOpens;
    const char* treeOpens;
    const char* signOpens;
};

// 2000-01-01 12:00 GMT: the Sun at 280.379632 degrees (10 Cap 22), Venus at 241.578068 (01 Sag 34).
const TabExpectation kSunJ2000{0,
                               "10 Cap 22",
                               {"Second Decanate", "Taurus", "Venus", "Earth", "Orion", "Effort", "Poplar-tree"},
                               "You wish the best for your",
                               "You will have an artistic temperament",
                               "You will be very conventional and"};
const TabExpectation kVenusJ2000{3,
                                 "01 Sag 34",
                                 {"First Decanate", "Sagittarius", "Jupiter", "Fire", "Lyra", "Piety", "Ash tree"},
                                 "You have to learn to be clever",
                                 "People belonging to Ash are very",
                                 "You will live a life of"};

void ExpectTab(const frmDisplay& results, const TabExpectation& tab)
{
    const auto i = static_cast<std::size_t>(tab.body);
    SCOPED_TRACE(Child<TabPanel>(results, "SSTab1")->tabText(tab.body).toStdString());
    EXPECT_EQ(Child<QLabel>(results, "lblPosition", i)->text(), QLatin1String(tab.position));
    const std::array<QLabel*, 7> labels{
        Child<QLabel>(results, "lblDecanateName", i),      Child<QLabel>(results, "lblDecanateSign", i),
        Child<QLabel>(results, "lblRulingPlanet", i),      Child<QLabel>(results, "lblRulingElement", i),
        Child<QLabel>(results, "lblConstellationName", i), Child<QLabel>(results, "lblKeyword", i),
        Child<QLabel>(results, "lblTreeZodiac", i)};
    for (std::size_t f = 0; f < labels.size(); ++f) {
        EXPECT_EQ(labels[f]->text(), QLatin1String(tab.fields[f])) << labels[f]->objectName().toStdString();
    }
    EXPECT_TRUE(Child<LockedTextBox>(results, "txtKarmicInfluence", i)
                    ->toPlainText()
                    .startsWith(QLatin1String(tab.karmicOpens)));
    EXPECT_TRUE(Child<LockedTextBox>(results, "txtMoreAboutTreeZodiac", i)
                    ->toPlainText()
                    .startsWith(QLatin1String(tab.treeOpens)));
    EXPECT_TRUE(Child<LockedTextBox>(results, "txtMoreAboutDecanateSign", i)
                    ->toPlainText()
                    .startsWith(QLatin1String(tab.signOpens)));
}

class Calculation : public DesktopTest
{
protected:
    // 2000-01-01 12:00, GMT, no daylight saving, 0 deg 0 min West, 51 deg 30 min North.
    void EnterJ2000()
    {
        Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("J TWO THOUSAND"));
        SelectDate(2000, 1, 1);
        SelectText(Child<QComboBox>(window, "cboHH"), QStringLiteral("12"));
        Child<FilteredLineEdit>(window, "txtLonD")->setText(QStringLiteral("0"));
        Child<FilteredLineEdit>(window, "txtLonM")->setText(QStringLiteral("0"));
        Child<QRadioButton>(window, "optLong", 1)->setChecked(true);
        Child<FilteredLineEdit>(window, "txtLatD")->setText(QStringLiteral("51"));
        Child<FilteredLineEdit>(window, "txtLatM")->setText(QStringLiteral("30"));
    }

    // The same picture as number `number` of the window's image list, drawn for the label.
    bool ShowsPicture(const QLabel* picture, int number) const
    {
        const QPixmap expected = window->IMGPlanet.picture(number, picture->pixmap().deviceIndependentSize().toSize(),
                                                           picture->pixmap().devicePixelRatio());
        return !expected.isNull() && picture->pixmap().toImage() == expected.toImage();
    }
};

// The button and the File menu entry run the same calculation.
class CalculationTrigger : public Calculation, public ::testing::WithParamInterface<bool>
{
};

TEST_P(CalculationTrigger, J2000ShowsSunAndVenusWithTheirPictures)
{
    EnterJ2000();
    if (GetParam()) {
        QTest::mouseClick(Child<QPushButton>(window, "cmdRashi"), Qt::LeftButton);
    } else {
        Child<QAction>(window, "mnuNext")->trigger();
    }
    ASSERT_TRUE(messages.shown.empty());
    frmDisplay* results = window->resultsWindow();
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(results->isVisible());
    EXPECT_FALSE(results->isModal());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(results->windowTitle(), QStringLiteral("Reading — J TWO THOUSAND"));

    EXPECT_EQ(Child<TabPanel>(results, "SSTab1")->currentIndex(), 1);
    EXPECT_EQ(Child<TabPanel>(results, "SSTab1")->tabText(1), QStringLiteral("Moon"));
    EXPECT_EQ(Child<QLabel>(results, "lblPosition", 1)->text(), QStringLiteral("13 Sco 18"));

    ExpectTab(*results, kSunJ2000);
    ExpectTab(*results, kVenusJ2000);
    EXPECT_TRUE(ShowsPicture(Child<QLabel>(results, "picPlanet", 3), 4)) << "Venus shows picture 4";
    EXPECT_TRUE(ShowsPicture(Child<QLabel>(results, "picPlanet", 0), 1)) << "the Sun shows picture 1";
    EXPECT_FALSE(ShowsPicture(Child<QLabel>(results, "picPlanet", 3), 1)) << "the pictures differ";
}

INSTANTIATE_TEST_SUITE_P(ButtonOrMenu, CalculationTrigger, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Button" : "FileMenu"; });

// Every control and menu entry of the results window under its given name exactly once; the per-body ones
// as name_0 (Sun) to name_9 (Pluto).
TEST_F(Calculation, ResultsControlsAreFoundByTheirGivenNames)
{
    EnterJ2000();
    Child<QPushButton>(window, "cmdRashi")->click();
    const frmDisplay* results = window->resultsWindow();
    ASSERT_NE(results, nullptr);
    for (const char* name :
         {"lblName",     "lblInstant", "lblClock",     "lblPlace", "lblZodiac", "lblAngles",      "SSTab1",
          "chartPanel",  "Label61",    "lblCoBrandAd", "cmdOK",    "cmdExit",   "mnuSaveReading", "mnuPrint",
          "mnuFileBack", "mnuExit",    "mnuOnline",    "mnuVisit", "mnuUpdate", "mnuAbout",       "mnuDonate"}) {
        EXPECT_EQ(results->findChildren<QObject*>(QLatin1String(name)).size(), 1) << name;
    }
    for (const char* array :
         {"Frame3", "lblPlanetName", "lblPosition", "lblMargin", "lblPrecise", "lblDecanateName", "lblDecanateSign",
          "lblRulingPlanet", "lblRulingElement", "lblConstellationName", "lblKeyword", "lblTreeZodiac", "picPlanet",
          "txtKarmicInfluence", "txtMoreAboutTreeZodiac", "txtMoreAboutDecanateSign"}) {
        for (int body = 0; body < 10; ++body) {
            const QString name = QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(body);
            EXPECT_EQ(results->findChildren<QObject*>(name).size(), 1) << name.toStdString();
        }
    }
}

TEST_F(Calculation, TabsStandInTwoRowsOfFiveAndSwitchPanels)
{
    EnterJ2000();
    window->cmdRashi_Click();
    frmDisplay* results = window->resultsWindow();
    ASSERT_NE(results, nullptr);
    const QStringList captions{"Sun",     "Moon",   "Mercury", "Venus",   "Mars",
                               "Jupiter", "Saturn", "Uranus",  "Neptune", "Pluto"};
    ASSERT_EQ(Child<TabPanel>(results, "SSTab1")->count(), 10);
    for (int tab = 0; tab < 10; ++tab) {
        EXPECT_EQ(Child<TabPanel>(results, "SSTab1")->tabText(tab), captions[tab]);
        EXPECT_EQ(Child<QLabel>(results, "lblPlanetName", static_cast<std::size_t>(tab))->text(), captions[tab]);
        const int row = Child<TabPanel>(results, "SSTab1")->tabButton(tab)->y();
        EXPECT_EQ(row, Child<TabPanel>(results, "SSTab1")->tabButton(tab < 5 ? 0 : 5)->y()) << "tab " << tab;
    }
    EXPECT_LT(Child<TabPanel>(results, "SSTab1")->tabButton(0)->y(),
              Child<TabPanel>(results, "SSTab1")->tabButton(5)->y());

    QTest::mouseClick(Child<TabPanel>(results, "SSTab1")->tabButton(3), Qt::LeftButton);
    EXPECT_EQ(Child<TabPanel>(results, "SSTab1")->currentIndex(), 3);
    EXPECT_TRUE(Child<QFrame>(results, "Frame3", 3)->isVisible());
    EXPECT_FALSE(Child<QFrame>(results, "Frame3", 1)->isVisible());
}

TEST_F(Calculation, TextsAreLockedButSelectable)
{
    EnterJ2000();
    window->cmdRashi_Click();
    frmDisplay* results = window->resultsWindow();
    ASSERT_NE(results, nullptr);
    QPlainTextEdit* text = Child<LockedTextBox>(results, "txtKarmicInfluence", 1);
    const QString before = text->toPlainText();
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("xyz"));
    QTest::keyClick(text, Qt::Key_Backspace);
    EXPECT_EQ(text->toPlainText(), before);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST_F(Calculation, BackShowsTheSameInputsAndASecondCalculationShowsOnlyNewResults)
{
    EnterJ2000();
    window->cmdRashi_Click();
    QPointer<frmDisplay> first = window->resultsWindow();
    ASSERT_NE(first, nullptr);
    Child<TabPanel>(first, "SSTab1")->setCurrentIndex(3);
    QTest::mouseClick(Child<QPushButton>(first, "cmdOK"), Qt::LeftButton);
    FlushDeletes();
    EXPECT_TRUE(first.isNull()) << "Back destroys the results window";
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtName")->text(), QStringLiteral("J TWO THOUSAND"));
    EXPECT_EQ(Child<QComboBox>(window, "cboYear")->currentText(), QStringLiteral("2000"));
    EXPECT_TRUE(Child<QRadioButton>(window, "optLong", 1)->isChecked());

    // 1975-06-15 10:30 in Indian time (5 h 30 min ahead), that is 05:00 UT: the Sun at 83.837804 degrees and
    // Venus at 129.152883 in the frame of J2000.0, less the general precession since then (0.3429149 degrees):
    // 83.494889 is 23 Gem 29, 128.809968 is 08 Leo 48.
    SelectDate(1975, 6, 15);
    Child<QComboBox>(window, "cboHH")->setCurrentIndex(10);
    Child<QComboBox>(window, "cboMM")->setCurrentIndex(30);
    Child<QComboBox>(window, "cmbTimeZone")->setCurrentIndex(34);
    Child<QRadioButton>(window, "optLong", 0)->setChecked(true);
    Child<FilteredLineEdit>(window, "txtLonD")->setText(QStringLiteral("73"));
    Child<FilteredLineEdit>(window, "txtLonM")->setText(QStringLiteral("51"));
    Child<FilteredLineEdit>(window, "txtLatD")->setText(QStringLiteral("18"));
    Child<FilteredLineEdit>(window, "txtLatM")->setText(QStringLiteral("31"));
    Child<QAction>(window, "mnuNext")->trigger();
    frmDisplay* second = window->resultsWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Child<TabPanel>(second, "SSTab1")->currentIndex(), 1) << "a new window opens on the Moon";
    EXPECT_EQ(Child<QLabel>(second, "lblPosition", 0)->text(), QStringLiteral("23 Gem 29"));
    EXPECT_EQ(Child<QLabel>(second, "lblDecanateName", 0)->text(), QStringLiteral("Third Decanate"));
    EXPECT_EQ(Child<QLabel>(second, "lblDecanateSign", 0)->text(), QStringLiteral("Aquarius"));
    EXPECT_EQ(Child<QLabel>(second, "lblPosition", 3)->text(), QStringLiteral("08 Leo 48"));
    EXPECT_EQ(Child<QLabel>(second, "lblDecanateName", 3)->text(), QStringLiteral("First Decanate"));
    EXPECT_EQ(Child<QLabel>(second, "lblDecanateSign", 3)->text(), QStringLiteral("Leo"));
    EXPECT_TRUE(Child<LockedTextBox>(second, "txtKarmicInfluence", 3)
                    ->toPlainText()
                    .startsWith(QStringLiteral("You will look for ways to")));
}

TEST_F(Calculation, MenuBackDoesWhatTheBackButtonDoes)
{
    EnterJ2000();
    window->cmdRashi_Click();
    QPointer<frmDisplay> results = window->resultsWindow();
    ASSERT_NE(results, nullptr);
    Child<QAction>(results, "mnuFileBack")->trigger();
    FlushDeletes();
    EXPECT_TRUE(results.isNull());
    EXPECT_TRUE(window->isVisible());
}

// Every way out of the results window ends the program: the window goes, the birth data window stays hidden.
class ExitWay : public Calculation, public ::testing::WithParamInterface<int>
{
};

TEST_P(ExitWay, EndsWithoutShowingTheBirthDataWindow)
{
    EnterJ2000();
    window->cmdRashi_Click();
    QPointer<frmDisplay> results = window->resultsWindow();
    ASSERT_NE(results, nullptr);
    const std::array<std::function<void()>, 3> ways{
        [&] { QTest::mouseClick(Child<QPushButton>(results, "cmdExit"), Qt::LeftButton); },
        [&] { Child<QAction>(results, "mnuExit")->trigger(); },
        [&] {
            results->close();
        }};
    ways[static_cast<std::size_t>(GetParam())]();
    FlushDeletes();
    EXPECT_TRUE(results.isNull());
    EXPECT_FALSE(window->isVisible());
}

const char* const kExitWayNames[] = {"ExitButton", "ExitMenu", "CloseBox"};
INSTANTIATE_TEST_SUITE_P(Ways, ExitWay, ::testing::Values(0, 1, 2),
                         [](const auto& info) { return std::string(kExitWayNames[info.param]); });

} // namespace
} // namespace tessaline::testing
