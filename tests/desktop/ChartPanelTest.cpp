// SPDX-License-Identifier: GPL-3.0-or-later
// The chart pictures beside the results window's tabs: choosing a body in them, the View menu and the
// drekkana form remembered, and dark pictures in a dark window.
#include "DesktopTestSupport.h"

#include "desktop/ChartWheelPanel.h"
#include "desktop/OptionsMenu.h"
#include "desktop/TabPanel.h"
#include "desktop/frmDisplay.h"

#include <QFontInfo>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTabBar>
#include <QTemporaryDir>

#include <memory>

namespace tessaline::testing {
namespace {

class ChartPanel : public DesktopTest
{
protected:
    // A fresh birth data window that keeps its settings in an INI file of its own.
    void OpenWithSettings()
    {
        window.reset();
        settings = std::make_unique<QSettings>(folder.filePath(QStringLiteral("tessaline.conf")), QSettings::IniFormat);
        window = std::make_unique<frmMain>(nullptr, settings.get());
        window->show();
        ActivateMain();
    }

    // 2000-01-01 12:00 GMT, 0° W, 51° 30′ N. Longitudes by astronomy-engine for the instant
    // (tests/ephemeris/precise-reference.js): Jupiter 25.3°, Saturn 40.4°, Moon 223.3°, Venus 241.6°,
    // Pluto 251.5°, Mercury 271.9°, Sun 280.4°, Neptune 303.2°, Uranus 314.8°, Mars 328.0°.
    frmDisplay* CalculateJ2000()
    {
        FillValidForm();
        SelectDate(2000, 1, 1);
        SelectText(Child<QComboBox>(window, "cboHH"), QStringLiteral("12"));
        window->cmdRashi_Click();
        frmDisplay* results = window->resultsWindow();
        if (results != nullptr) {
            results->resize(1200, 760);
            EXPECT_TRUE(QTest::qWaitForWindowExposed(results));
        }
        return results;
    }

    std::unique_ptr<QSettings> settings;
    QTemporaryDir folder;
};

TEST_F(ChartPanel, ClickingAGlyphInEitherPictureBringsItsTabToTheFront)
{
    frmDisplay* results = CalculateJ2000();
    ASSERT_NE(results, nullptr);
    ChartWheelPanel* panel = Child<ChartWheelPanel>(results, "chartPanel");
    EXPECT_EQ(Child<TabPanel>(results, "SSTab1")->currentIndex(), 1); // the Moon, as every results window opens
    // The window fits a 1280 × 800 screen less a panel of 30 pixels and the window's frame.
    EXPECT_LE(results->minimumSizeHint().width(), 1260);
    EXPECT_LE(results->minimumSizeHint().height(), 710);
    panel->mnuDrekkanaChart->setChecked(true);
    for (const bool wheel : {true, false}) { // the drekkana chart under the wheel, then in its place
        panel->mnuChartWheel->setChecked(wheel);
        for (const BodyIndex body : {BodyIndex::Sun, BodyIndex::Venus, BodyIndex::Pluto}) {
            const auto at = panel->glyphCentre(body);
            ASSERT_TRUE(at.has_value());
            QTest::mouseClick(panel, Qt::LeftButton, {}, at->toPoint());
            const auto tab = static_cast<std::size_t>(Child<TabPanel>(results, "SSTab1")->currentIndex());
            EXPECT_EQ(tab, ToIndex(body)) << BodyName(body) << (wheel ? " on the wheel" : " in the drekkana chart");
            // The description a screen reader gives: the position and decanate sign the tab shows.
            const QString description = panel->accessibleDescription();
            EXPECT_TRUE(description.startsWith(QLatin1String(BodyName(body)) + QLatin1Char(' ')
                                               + Child<QLabel>(results, "lblPosition", tab)->text()))
                << description.toStdString();
            EXPECT_TRUE(
                description.endsWith(QStringLiteral(": ") + Child<QLabel>(results, "lblDecanateSign", tab)->text()));
        }
    }
    // A tab brought to the front chooses its body in the pictures.
    Child<TabPanel>(results, "SSTab1")->setCurrentIndex(static_cast<int>(BodyIndex::Mars));
    EXPECT_EQ(panel->chosenBody(), BodyIndex::Mars);
}

TEST_F(ChartPanel, ArrowKeysStepAlongTheZodiac)
{
    frmDisplay* results = CalculateJ2000();
    ASSERT_NE(results, nullptr);
    ChartWheelPanel* panel = Child<ChartWheelPanel>(results, "chartPanel");
    panel->setFocus();
    struct Step {
        Qt::Key key;
        BodyIndex to;
    };
    // From the Moon: Venus and Pluto follow it; back past it, Saturn comes before; from Jupiter, the first
    // by longitude, the step back goes round to Mars, the last.
    for (const Step step : {Step{Qt::Key_Right, BodyIndex::Venus}, Step{Qt::Key_Down, BodyIndex::Pluto},
                            Step{Qt::Key_Left, BodyIndex::Venus}, Step{Qt::Key_Up, BodyIndex::Moon},
                            Step{Qt::Key_Left, BodyIndex::Saturn}, Step{Qt::Key_Left, BodyIndex::Jupiter},
                            Step{Qt::Key_Left, BodyIndex::Mars}}) {
        QTest::keyClick(panel, step.key);
        EXPECT_EQ(Child<TabPanel>(results, "SSTab1")->currentIndex(), static_cast<int>(ToIndex(step.to)))
            << BodyName(step.to);
    }
    EXPECT_TRUE(panel->hasFocus()); // the tabs change under the wheel, which keeps the keys
}

TEST_F(ChartPanel, ViewMenuAndDrekkanaFormAreRemembered)
{
    OpenWithSettings();
    EXPECT_TRUE(Child<QAction>(window, "mnuDrekkanaSouth")->isChecked());
    Child<QAction>(window, "mnuDrekkanaNorth")->trigger();
    frmDisplay* results = CalculateJ2000();
    ASSERT_NE(results, nullptr);
    ChartWheelPanel* panel = Child<ChartWheelPanel>(results, "chartPanel");
    EXPECT_EQ(panel->drekkanaStyle(), DrekkanaStyle::NorthIndian);
    EXPECT_TRUE(panel->mnuChartWheel->isChecked()); // the wheel alone at first
    EXPECT_FALSE(panel->mnuDrekkanaChart->isChecked());
    EXPECT_TRUE(panel->isVisible());
    panel->mnuChartWheel->trigger(); // neither picture: no panel
    EXPECT_FALSE(panel->isVisible());
    panel->mnuDrekkanaChart->trigger();
    EXPECT_TRUE(panel->isVisible());

    results->cmdOK_Click();
    FlushDeletes();
    OpenWithSettings();
    EXPECT_TRUE(Child<QAction>(window, "mnuDrekkanaNorth")->isChecked());
    results = CalculateJ2000();
    ASSERT_NE(results, nullptr);
    EXPECT_FALSE(Child<ChartWheelPanel>(results, "chartPanel")->mnuChartWheel->isChecked());
    EXPECT_TRUE(Child<ChartWheelPanel>(results, "chartPanel")->mnuDrekkanaChart->isChecked());
    EXPECT_TRUE(messages.shown.empty());
}

// The two pictures never share the panel: with both chosen, tabs over the panel show one at a time, each
// at least 360 px a side, the drekkana chart's heading whole above it, in the window's own font and at 200 %
// type; the divider beside the panel takes the focus and moves with the arrow keys.
TEST_F(ChartPanel, BothPicturesTakeTurnsAtAReadableSizeAndTheDividerMovesByKeyboard)
{
    frmDisplay* results = CalculateJ2000();
    ASSERT_NE(results, nullptr);
    ChartWheelPanel* panel = Child<ChartWheelPanel>(results, "chartPanel");
    panel->mnuChartWheel->setChecked(true);
    panel->mnuDrekkanaChart->setChecked(true);
    ASSERT_TRUE(panel->tabPictures->isVisible());
    EXPECT_GE(panel->places().wheel.width(), 360);
    EXPECT_TRUE(panel->places().drekkana.isEmpty());
    QTest::keyClick(panel->tabPictures, Qt::Key_Right);
    EXPECT_TRUE(panel->places().wheel.isEmpty());
    EXPECT_GE(panel->places().drekkana.width(), 360);
    for (const qreal scale : {1.0, 2.0}) {
        QFont larger = results->font();
        larger.setPointSizeF(larger.pointSizeF() * scale);
        panel->setFont(larger);
        const QRectF heading = panel->places().drekkanaHeading;
        const QRect needed = panel->fontMetrics().boundingRect(
            heading.toAlignedRect(), Qt::TextWordWrap, QStringLiteral("Drekkana chart (D3), South Indian, tropical"));
        EXPECT_GE(heading.height(), needed.height()) << scale;
        EXPECT_LE(needed.width(), heading.width()) << scale;
    }

    auto* splitter = results->findChild<QSplitter*>(QStringLiteral("splChart"));
    ASSERT_NE(splitter, nullptr);
    QWidget* divider = splitter->handle(1);
    EXPECT_TRUE(divider->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(divider->accessibleName().isEmpty());
    const int before = splitter->sizes().at(0);
    QTest::keyClick(divider, Qt::Key_Right);
    EXPECT_GT(splitter->sizes().at(0), before);
    QTest::keyClick(divider, Qt::Key_Left);
    EXPECT_EQ(splitter->sizes().at(0), before);
}

// The pictures' text follows a larger font: at the smallest window, type twice as large gives pictures
// (and so their text) about twice as large.
TEST_F(ChartPanel, PicturesGrowWithTheWindowsType)
{
    frmDisplay* results = CalculateJ2000();
    ASSERT_NE(results, nullptr);
    ChartWheelPanel* panel = Child<ChartWheelPanel>(results, "chartPanel");
    const auto smallest = [results, panel] {
        results->resize(results->minimumSizeHint());
        QCoreApplication::processEvents();
        return panel->places().wheel.width();
    };
    const qreal before = smallest();
    QFont twice = results->font();
    twice.setPointSizeF(twice.pointSizeF() * 2);
    results->setFont(twice);
    EXPECT_GE(smallest(), 1.8 * before) << before;
}

// However small the window, each picture's smallest text is at least the window's own type, at the usual size
// and twice it: where the window has no room for that, the pictures scroll rather than shrink.
TEST_F(ChartPanel, PicturesTextIsNeverSmallerThanTheWindowsType)
{
    frmDisplay* results = CalculateJ2000();
    ASSERT_NE(results, nullptr);
    ChartWheelPanel* panel = Child<ChartWheelPanel>(results, "chartPanel");
    panel->mnuDrekkanaChart->setChecked(true);
    const QFont usual = results->font();
    for (const double scale : {1.0, 2.0}) {
        QFont font = usual;
        font.setPointSizeF(usual.pointSizeF() * scale);
        results->setFont(font);
        for (const int tab : {0, 1}) {
            panel->tabPictures->setCurrentIndex(tab);
            results->resize(results->minimumSizeHint());
            QCoreApplication::processEvents();
            const ChartPicturePlaces at = panel->places();
            const double smallest = tab == 0 ? at.wheel.width() * ChartWheelSmallestText()
                                             : at.drekkana.width() * DrekkanaChartSmallestText();
            EXPECT_GE(smallest, QFontInfo(panel->font()).pixelSize()) << "scale " << scale << ", picture " << tab;
        }
    }
    // In type twice as large the smallest window scrolls, and the keys scroll it with the focus on the panel.
    QScrollBar* down = Child<QScrollArea>(results, "scrPictures")->verticalScrollBar();
    ASSERT_GT(down->maximum(), 0);
    down->setValue(0);
    panel->setFocus();
    QTest::keyClick(panel, Qt::Key_PageDown);
    EXPECT_GT(down->value(), 0);
}

TEST_F(ChartPanel, PicturesAreDarkInADarkWindow)
{
    frmDisplay* results = CalculateJ2000();
    ASSERT_NE(results, nullptr);
    ChartWheelPanel* panel = Child<ChartWheelPanel>(results, "chartPanel");
    const auto groundLightness = [panel] {
        const QRectF wheel = panel->places().wheel;
        const QImage drawn = panel->grab().toImage();
        // Inside the wheel's square, outside its ring: the picture's own ground.
        return drawn.pixelColor(QPointF(wheel.left() + 3, wheel.top() + 3).toPoint()).lightness();
    };
    EXPECT_GT(groundLightness(), 200);
    QPalette dark = panel->palette();
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x24));
    dark.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(dark);
    EXPECT_LT(groundLightness(), 60);
}

} // namespace
} // namespace tessaline::testing
