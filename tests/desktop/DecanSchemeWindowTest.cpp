// SPDX-License-Identifier: GPL-3.0-or-later
// The decan scheme chosen in the Options menu and the lunar mansions of the View menu in the results window:
// the open chart made again at once, the choices remembered, no drekkana chart where the scheme gives none.
#include "DesktopTestSupport.h"

#include "desktop/ChartWheelPanel.h"
#include "desktop/frmDisplay.h"
#include "tests/support/Births.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace tessaline::testing {
namespace {

class DecanSchemeWindow : public DesktopTest
{
protected:
    void OpenWithSettings()
    {
        if (window != nullptr && window->resultsWindow() != nullptr)
            window->resultsWindow()->cmdOK_Click();
        FlushDeletes();
        window.reset();
        settings = std::make_unique<QSettings>(folder.filePath(QStringLiteral("tessaline.conf")), QSettings::IniFormat);
        window = std::make_unique<frmMain>(nullptr, settings.get());
        window->show();
        ActivateMain();
    }

    // ASHA RAO, Delhi 1975: the Sun at 23 Gem 29, in the third decanate of Gemini.
    frmDisplay* CalculateDelhi()
    {
        window->fillForm(fixtures::Delhi1975(), nullptr);
        window->cmdRashi_Click();
        return window->resultsWindow();
    }

    QString SunField(const char* name) const { return Child<QLabel>(window->resultsWindow(), name, 0)->text(); }

    std::unique_ptr<QSettings> settings;
    QTemporaryDir folder;
};

// The Sun's decanate, the ninth of the zodiac (Gemini's third, an air sign), by each scheme's own rule:
// triplicity, the third sign of the air triplicity, Aquarius; Chaldean faces, the ninth planet from Mars in the
// order Mars, Sun, Venus, Mercury, Moon, Saturn, Jupiter, the Sun, in no sign; Parivritti, the ninth sign from
// Aries; Somanatha, Gemini the second odd sign, so the fourth to sixth signs from Aries and its third Virgo;
// Jagannatha, the dual air sign.
TEST_F(DecanSchemeWindow, EachSchemeRemakesTheOpenChartAndIsRemembered)
{
    struct Row {
        const char* key;
        const char* sign;
        const char* ruler;
        const char* element;
    };
    const Row rows[] = {
        {"chaldean", "\u2014", "The Sun", "Air"},
        {"parivritti", "Sagittarius", "Jupiter", "Fire"},
        {"somanatha", "Virgo", "Mercury", "Earth"},
        {"jagannatha", "Gemini", "Mercury", "Air"},
        {"triplicity", "Aquarius", "Uranus and Saturn", "Air"},
    };
    OpenWithSettings();
    EXPECT_TRUE(Child<QAction>(window, "mnuScheme_triplicity")->isChecked()); // the table's own at first
    frmDisplay* results = CalculateDelhi();
    ASSERT_NE(results, nullptr);
    // The birth data window is hidden now: the results window's own Options menu offers the same entries.
    EXPECT_TRUE(
        Child<QMenu>(results, "mnuOptions")->actions().contains(Child<QMenu>(window, "mnuDecanScheme")->menuAction()));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        Child<QAction>(window, QStringLiteral("mnuScheme_") + QLatin1String(row.key))->trigger();
        EXPECT_EQ(SunField("lblDecanateSign"), QString::fromUtf8(row.sign));
        EXPECT_EQ(SunField("lblRulingPlanet"), QLatin1String(row.ruler));
        EXPECT_EQ(SunField("lblRulingElement"), QLatin1String(row.element));
        const bool other = QLatin1String(row.key) != QLatin1String("triplicity");
        EXPECT_EQ(Child<QLabel>(results, "lblScheme", 0)->isVisibleTo(Child<QFrame>(results, "Frame3", 0)), other);
        EXPECT_EQ(NameOf(results->shownChart().Scheme()).key, row.key); // what the pictures and reading draw
        // 83°29′: Punarvasu (80°–93°20′), its second pada from 83°20′, lord Jupiter.
        EXPECT_EQ(SunField("lblLunarMansion"), QStringLiteral("Punarvasu, pada 2 (lord: Jupiter)"));
    }
    Child<QAction>(window, "mnuScheme_somanatha")->trigger();

    OpenWithSettings();
    EXPECT_TRUE(Child<QAction>(window, "mnuScheme_somanatha")->isChecked());
    ASSERT_NE(CalculateDelhi(), nullptr);
    EXPECT_EQ(SunField("lblDecanateSign"), QStringLiteral("Virgo"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DecanSchemeWindow, ChaldeanFacesShowWhyThereIsNoDrekkanaChart)
{
    frmDisplay* results = CalculateDelhi();
    ASSERT_NE(results, nullptr);
    ChartWheelPanel* panel = Child<ChartWheelPanel>(results, "chartPanel");
    panel->mnuChartWheel->setChecked(false);
    panel->mnuDrekkanaChart->setChecked(true);
    QLabel* note = panel->lblDrekkanaUnavailable;
    EXPECT_FALSE(note->isVisible());
    Child<QAction>(window, "mnuScheme_chaldean")->trigger();
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(),
              QStringLiteral("The Chaldean faces place no decanate in a sign, so they give no drekkana chart."));
    EXPECT_TRUE(note->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(panel->glyphCentre(BodyIndex::Sun).has_value()); // no glyph stands anywhere to be clicked
    Child<QAction>(window, "mnuScheme_parivritti")->trigger();
    EXPECT_FALSE(note->isVisible());
    EXPECT_TRUE(panel->glyphCentre(BodyIndex::Sun).has_value());
}

TEST_F(DecanSchemeWindow, LunarMansionsShowTheRingAndTheLinesAndAreRemembered)
{
    OpenWithSettings();
    frmDisplay* results = CalculateDelhi();
    ASSERT_NE(results, nullptr);
    QAction* mansions = Child<QAction>(results, "mnuLunarMansions");
    ChartWheelPanel* panel = Child<ChartWheelPanel>(results, "chartPanel");
    const QString reading = folder.filePath(QStringLiteral("reading.html"));
    for (const bool shown : {true, false}) {
        SCOPED_TRACE(shown);
        mansions->setChecked(shown);
        EXPECT_EQ(panel->wheelPicture().find("id=\"mansion-1\"") != std::string::npos, shown);
        EXPECT_EQ(Child<QLabel>(results, "lblMansions")->isVisibleTo(results), shown);
        ASSERT_TRUE(results->SaveReadingTo(reading));
        QFile saved(reading);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll().contains("Punarvasu"), shown);
    }
    mansions->setChecked(true);
    OpenWithSettings();
    results = CalculateDelhi();
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(Child<QAction>(results, "mnuLunarMansions")->isChecked());
    EXPECT_TRUE(results->shownChart().Mansions());
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace tessaline::testing
