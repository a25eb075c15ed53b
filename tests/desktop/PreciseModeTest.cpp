// SPDX-License-Identifier: GPL-3.0-or-later
// The Options menu's precise positions: remembered through the settings, and what the results window shows
// in each mode.
#include "DesktopTestSupport.h"

#include "desktop/frmAbout.h"
#include "desktop/frmDisplay.h"

#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace tessaline::testing {
namespace {

class PreciseMode : public DesktopTest
{
protected:
    // A fresh birth data window that keeps its settings in an INI file of its own.
    void OpenWithSettings(const QString& path)
    {
        window.reset();
        settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        window = std::make_unique<frmMain>(nullptr, settings.get());
        window->show();
        ActivateMain();
    }

    // 21 September 1939, 20:08 New Zealand summer time (UT +13), 8° 08′ W, 8° 56′ N: by astronomy-engine
    // (tests/ephemeris/precise-reference.js) Saturn lies at 30.05375°, 00 Tau 03, where the classic
    // formulas put it a few minutes of arc short of Taurus.
    frmDisplay* CalculateSaturnAtAnEdge()
    {
        Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("TEST"));
        SelectDate(1939, 9, 21);
        SelectText(Child<QComboBox>(window, "cboHH"), QStringLiteral("20"));
        SelectText(Child<QComboBox>(window, "cboMM"), QStringLiteral("8"));
        Child<QComboBox>(window, "cmbTimeZone")->setCurrentIndex(46);
        Child<FilteredLineEdit>(window, "txtLonD")->setText(QStringLiteral("8"));
        Child<FilteredLineEdit>(window, "txtLonM")->setText(QStringLiteral("8"));
        Child<QRadioButton>(window, "optLong", 1)->setChecked(true);
        Child<FilteredLineEdit>(window, "txtLatD")->setText(QStringLiteral("8"));
        Child<FilteredLineEdit>(window, "txtLatM")->setText(QStringLiteral("56"));
        window->cmdRashi_Click();
        EXPECT_TRUE(messages.shown.empty());
        return window->resultsWindow();
    }

    std::unique_ptr<QSettings> settings;
    QTemporaryDir folder;
};

TEST_F(PreciseMode, TheChoiceIsRememberedForTheNextRun)
{
    const QString path = folder.filePath(QStringLiteral("tessaline.conf"));
    OpenWithSettings(path);
    ASSERT_TRUE(Child<QAction>(window, "mnuPrecise")->isCheckable());
    EXPECT_FALSE(Child<QAction>(window, "mnuPrecise")->isChecked()); // classic unless asked
    Child<QAction>(window, "mnuPrecise")->trigger();
    EXPECT_TRUE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("Options/PrecisePositions")).toBool());

    OpenWithSettings(path);
    EXPECT_TRUE(Child<QAction>(window, "mnuPrecise")->isChecked());
    Child<QAction>(window, "mnuPrecise")->trigger();
    OpenWithSettings(path);
    EXPECT_FALSE(Child<QAction>(window, "mnuPrecise")->isChecked());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PreciseMode, AChoiceThatCannotBeSavedIsReported)
{
    QFile blocker(folder.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = folder.filePath(QStringLiteral("not-a-folder/tessaline.conf"));
    OpenWithSettings(path);
    Child<QAction>(window, "mnuPrecise")->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(messages.shown[0].text.contains(path)) << messages.shown[0].text.toStdString();
    EXPECT_TRUE(Child<QAction>(window, "mnuPrecise")->isChecked()); // the choice holds for this run
}

TEST_F(PreciseMode, ClassicTabNamesThePreciseDecanateAndPreciseTabShowsIt)
{
    frmDisplay* results = CalculateSaturnAtAnEdge();
    ASSERT_NE(results, nullptr);
    EXPECT_NE(Child<QLabel>(results, "lblPosition", 6)->text(), QStringLiteral("00 Tau 03"));
    EXPECT_FALSE(Child<NoticeLabel>(results, "lblPrecise", 6)->isHidden());
    EXPECT_EQ(Child<NoticeLabel>(results, "lblPrecise", 6)->text(),
              QStringLiteral("A precise ephemeris puts Saturn at 00 Tau 03, in the first decanate (Taurus), ruled by "
                             "Venus."));
    EXPECT_TRUE(Child<NoticeLabel>(results, "lblPrecise", 0)->isHidden());
    EXPECT_FALSE(Child<QLabel>(results, "lblInstant")->text().contains(QStringLiteral("precise")));

    results->cmdOK_Click();
    FlushDeletes();
    Child<QAction>(window, "mnuPrecise")->trigger();
    results = CalculateSaturnAtAnEdge();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(Child<QLabel>(results, "lblPosition", 6)->text(), QStringLiteral("00 Tau 03"));
    EXPECT_EQ(Child<QLabel>(results, "lblDecanateSign", 6)->text(), QStringLiteral("Taurus"));
    EXPECT_TRUE(Child<NoticeLabel>(results, "lblPrecise", 6)->isHidden());
    EXPECT_TRUE(
        Child<QLabel>(results, "lblZodiac")->text().endsWith(QStringLiteral("; positions from the precise ephemeris")));
}

TEST_F(PreciseMode, TheZodiacIsRememberedAndCountsThePositions)
{
    const QString path = folder.filePath(QStringLiteral("tessaline.conf"));
    OpenWithSettings(path);
    EXPECT_TRUE(Child<QAction>(window, "mnuTropical")->isChecked()); // tropical unless asked
    SiderealEntry(window, Ayanamsa::FaganBradley)->trigger();
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).value(QStringLiteral("Options/Zodiac")).toString(),
              QStringLiteral("fagan-bradley"));

    OpenWithSettings(path);
    EXPECT_TRUE(SiderealEntry(window, Ayanamsa::FaganBradley)->isChecked());
    EXPECT_FALSE(Child<QAction>(window, "mnuTropical")->isChecked());
    frmDisplay* results = CalculateSaturnAtAnEdge();
    ASSERT_NE(results, nullptr);
    // Saturn at about 30° tropical, an ayanamsa of about 24° behind: early Aries.
    EXPECT_TRUE(Child<QLabel>(results, "lblPosition", 6)->text().contains(QStringLiteral(" Ari ")))
        << Child<QLabel>(results, "lblPosition", 6)->text().toStdString();
    EXPECT_TRUE(Child<QLabel>(results, "lblZodiac")
                    ->text()
                    .startsWith(QStringLiteral("Sidereal zodiac, Fagan/Bradley ayanamsa 23°")));
    results->cmdOK_Click();
    FlushDeletes();

    Child<QAction>(window, "mnuTropical")->trigger();
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).value(QStringLiteral("Options/Zodiac")).toString(),
              QStringLiteral("tropical"));
    QSettings(path, QSettings::IniFormat).setValue(QStringLiteral("Options/Zodiac"), QStringLiteral("nonsense"));
    OpenWithSettings(path);
    EXPECT_TRUE(Child<QAction>(window, "mnuTropical")->isChecked());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PreciseMode, AboutBoxSaysWherePrecisePositionsComeFromAndUnderWhichLicences)
{
    const frmAbout about(window.get());
    EXPECT_TRUE(about.lblLicence->text().contains(QStringLiteral("GNU General Public License, version 3 or later")));
    // Nothing of the ephemeris library is linked any more: its numbers come as tables, fitted to it.
    EXPECT_FALSE(about.lblLicence->text().contains(QStringLiteral("Affero")));
    EXPECT_TRUE(about.lblEphemeris->text().startsWith(QStringLiteral("Precise positions: Swiss Ephemeris 2.")));
    EXPECT_TRUE(about.lblEphemeris->text().contains(QStringLiteral("tabulated for 1901\u20132050 to within")));
}

} // namespace
} // namespace tessaline::testing
