// SPDX-License-Identifier: GPL-3.0-or-later
// People kept and reopened: File › Save Birth Data writes a one-row batch, Open Birth Data reads one back.
#include "../cli/ToolRun.h"
#include "DesktopTestSupport.h"

#include "chart/ZoneTable.h"
#include "report/ChartLines.h"

#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

namespace tessaline::testing {
namespace {

class BirthDataFile : public DesktopTest
{
protected:
    QString Write(const char* name, const QByteArray& text)
    {
        const QString path = folder.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    // New York, 4 July 1985, 18:45 Eastern time with daylight saving, 73° 58′ W, 40° 45′ N.
    void FillNewYork()
    {
        Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("JOHN SMITH"));
        SelectDate(1985, 7, 4);
        Child<QComboBox>(window, "cboHH")->setCurrentIndex(18);
        Child<QComboBox>(window, "cboMM")->setCurrentIndex(45);
        Child<QComboBox>(window, "cmbTimeZone")->setCurrentIndex(27);
        Child<QCheckBox>(window, "chkDST")->setChecked(true);
        Child<FilteredLineEdit>(window, "txtLonD")->setText(QStringLiteral("73"));
        Child<FilteredLineEdit>(window, "txtLonM")->setText(QStringLiteral("58"));
        Child<QRadioButton>(window, "optLong", 1)->setChecked(true);
        Child<FilteredLineEdit>(window, "txtLatD")->setText(QStringLiteral("40"));
        Child<FilteredLineEdit>(window, "txtLatM")->setText(QStringLiteral("45"));
    }

    QTemporaryDir folder;
};

TEST_F(BirthDataFile, SavedAndReopenedGivesTheSameChart)
{
    FillNewYork();
    window->cmdRashi_Click();
    ASSERT_TRUE(messages.shown.empty());
    const PositionTable before = PositionsOf(*window->chart());

    const QString path = folder.filePath(QStringLiteral("john.csv"));
    ASSERT_TRUE(window->SaveBirthDataTo(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    // The chart tool's batch format, written out by hand.
    EXPECT_EQ(saved.readAll(),
              QByteArray("name,date,time,zone,lon,lat,dst\n"
                         "JOHN SMITH,1985-07-04,18:45,27,73W58,40N45,1\n"));

    window = std::make_unique<frmMain>(); // a fresh window: every input back at its default
    window->show();
    ASSERT_TRUE(window->OpenBirthDataFrom(path));
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtName")->text(), QStringLiteral("JOHN SMITH"));
    EXPECT_TRUE(Child<QRadioButton>(window, "optLong", 1)->isChecked());
    window->cmdRashi_Click();
    ASSERT_TRUE(messages.shown.empty());
    EXPECT_EQ(PositionsOf(*window->chart()), before);
}

// City, State and Country typed without a place are kept in the file and named where the chart names its
// place; the chart tool still charts the file.
TEST_F(BirthDataFile, TypedCityStateAndCountryAreKeptAndShown)
{
    FillNewYork();
    Child<QLineEdit>(window, "txtMCity")->setText(QStringLiteral("New York, Manhattan"));
    Child<QLineEdit>(window, "txtMState")->setText(QStringLiteral("New York"));
    Child<QLineEdit>(window, "txtMCountry")->setText(QStringLiteral("USA"));
    window->cmdRashi_Click();
    ASSERT_TRUE(messages.shown.empty());
    EXPECT_EQ(window->chart()->Place(), "New York, Manhattan, New York, USA");
    EXPECT_NE(BirthPlaceText(*window->chart()).find("(New York, Manhattan, New York, USA)"), std::string::npos);

    const QString path = folder.filePath(QStringLiteral("john.csv"));
    ASSERT_TRUE(window->SaveBirthDataTo(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(),
              QByteArray("name,date,time,zone,lon,lat,dst,city,state,country\n"
                         "JOHN SMITH,1985-07-04,18:45,27,73W58,40N45,1,\"New York, Manhattan\",New York,USA\n"));
    window = std::make_unique<frmMain>();
    ASSERT_TRUE(window->OpenBirthDataFrom(path));
    EXPECT_EQ(Child<QLineEdit>(window, "txtMCity")->text(), QStringLiteral("New York, Manhattan"));
    EXPECT_EQ(Child<QLineEdit>(window, "txtMState")->text(), QStringLiteral("New York"));
    EXPECT_EQ(Child<QLineEdit>(window, "txtMCountry")->text(), QStringLiteral("USA"));
    const cli::ToolRun tool = cli::RunTool({"--batch", path.toStdString(), "--csv"});
    EXPECT_EQ(tool.code, 0) << tool.err;
}

TEST_F(BirthDataFile, RefusedFileOrRowNamesFileAndLineAndChangesNothing)
{
    struct Case {
        const char* file;
        QByteArray text;
        const char* says;
    };
    const Case cases[] = {
        {"notes.csv", "Dear diary,\ntoday\n", "notes.csv, line 1: The batch header has no column \"name\""},
        {"empty.csv", "", "empty.csv: it is empty"},
        {"header.csv", "name,date,time,zone,lon,lat,dst\n", "it holds no birth"},
        {"zone.csv", "name,date,time,zone,lon,lat,dst\nA,1975-06-15,10:30,99,77E12,28N36,0\n",
         "zone.csv, line 2: Zone \"99\" is not a zone"},
        {"lon.csv", "name,date,time,zone,lon,lat,dst\n\nA,1975-06-15,10:30,34,180E00,28N36,0\n",
         "lon.csv, line 3: Please Enter Value Between 0 And 179 in the Degree of Longitude"},
        {"quote.csv", "name,date,time,zone,lon,lat,dst\n\"A,1975-06-15,10:30,34,77E12,28N36,0\n",
         "quote.csv, line 2: The quote opened on line 2 is never closed"},
    };
    FillValidForm();
    const BirthDataForm typed = window->CurrentForm();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        messages.shown.clear();
        EXPECT_FALSE(window->OpenBirthDataFrom(Write(c.file, c.text)));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].text.contains(QLatin1String(c.says))) << messages.shown[0].text.toStdString();
        EXPECT_EQ(Child<FilteredLineEdit>(window, "txtName")->text(), QStringLiteral("JANE DOE"));
        EXPECT_EQ(window->CurrentForm().latDegrees, typed.latDegrees);
    }
    EXPECT_TRUE(window->recentFiles().isEmpty());
}

TEST_F(BirthDataFile, SeveralRowsAskWhichAndRecentFilesAreKept)
{
    const QString settingsPath = folder.filePath(QStringLiteral("settings.ini"));
    QSettings settings(settingsPath, QSettings::IniFormat);
    window = std::make_unique<frmMain>(nullptr, &settings);
    QStringList offered;
    int pick = 1;
    window->setRowChooser([&offered, &pick](QWidget*, const QStringList& rows) {
        offered = rows;
        return std::optional<int>(pick);
    });
    const QString path = Write("family.csv",
                               "lat,lon,name,date,time,zone,dst\n"
                               "35N41,51E25,SARA AHMADI,1975-06-15,10:30,+04:30,0\n"
                               "33S52,151E12,ravi rao,2001-02-03,04:05,50,yes\n");
    ASSERT_TRUE(window->OpenBirthDataFrom(path));
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(offered[1], QStringLiteral("line 3: ravi rao, 2001-02-03 04:05"));
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtName")->text(), QStringLiteral("RAVI RAO"));
    EXPECT_EQ(Child<QComboBox>(window, "cboYear")->currentText(), QStringLiteral("2001"));
    EXPECT_EQ(Child<QComboBox>(window, "cmbTimeZone")->currentIndex(), 50);
    EXPECT_TRUE(Child<QCheckBox>(window, "chkDST")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(window, "optLat", 1)->isChecked());
    EXPECT_EQ(Child<FilteredLineEdit>(window, "txtLonD")->text(), QStringLiteral("151"));

    // An exact offset opens as the row that gives it: no row is +04:30, Iran's +03:30 with the tick is.
    pick = 0;
    ASSERT_TRUE(window->OpenBirthDataFrom(path));
    const ZoneRow& zone
        = ZoneTable()[static_cast<std::size_t>(Child<QComboBox>(window, "cmbTimeZone")->currentIndex())];
    EXPECT_EQ(zone.correctionHours * 60 + zone.correctionMinutes, -210);
    EXPECT_TRUE(Child<QCheckBox>(window, "chkDST")->isChecked());

    for (int i = 0; i < 11; ++i)
        ASSERT_TRUE(window->SaveBirthDataTo(folder.filePath(QStringLiteral("%1.csv").arg(i))));
    EXPECT_EQ(window->recentFiles().size(), 10);
    EXPECT_EQ(window->recentFiles().first(), folder.filePath(QStringLiteral("10.csv")));
    EXPECT_EQ(QSettings(settingsPath, QSettings::IniFormat).value(QStringLiteral("RecentBirthData")).toStringList(),
              window->recentFiles());
    EXPECT_EQ(Child<QMenu>(window, "mnuOpenRecent")->actions().size(), 10);
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace tessaline::testing
