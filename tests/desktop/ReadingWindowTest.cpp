// SPDX-License-Identifier: GPL-3.0-or-later
// What the results window adds for keeping a reading: the instant line, the birth-time margins, and the
// reading saved as HTML or PDF.
#include "DesktopTestSupport.h"

#include "desktop/ChartWheelPanel.h"
#include "desktop/ComparisonWindow.h"
#include "desktop/DecanateCalendarWindow.h"
#include "desktop/ProgressionsWindow.h"
#include "desktop/TransitsWindow.h"
#include "desktop/frmDisplay.h"

#include <QAccessible>
#include <QAction>
#include <QDateTimeEdit>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>

#include <array>
#include <functional>

namespace tessaline::testing {
namespace {

class Reading : public DesktopTest
{
protected:
    // Delhi, 15 June 1975, Indian Time, 77° 12′ East, 28° 36′ North, at the given clock time.
    frmDisplay* CalculateDelhi(const char* hour, const char* minute)
    {
        Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("ASHA RAO"));
        SelectDate(1975, 6, 15);
        SelectText(Child<QComboBox>(window, "cboHH"), QLatin1String(hour));
        SelectText(Child<QComboBox>(window, "cboMM"), QLatin1String(minute));
        Child<QComboBox>(window, "cmbTimeZone")->setCurrentIndex(34);
        Child<FilteredLineEdit>(window, "txtLonD")->setText(QStringLiteral("77"));
        Child<FilteredLineEdit>(window, "txtLonM")->setText(QStringLiteral("12"));
        Child<FilteredLineEdit>(window, "txtLatD")->setText(QStringLiteral("28"));
        Child<FilteredLineEdit>(window, "txtLatM")->setText(QStringLiteral("36"));
        window->cmdRashi_Click();
        EXPECT_TRUE(messages.shown.empty());
        return window->resultsWindow();
    }
};

TEST_F(Reading, InstantLineStandsAboveTheTabs)
{
    frmDisplay* results = CalculateDelhi("10", "30");
    ASSERT_NE(results, nullptr);
    // One short line each: when, where, which zodiac and positions.
    EXPECT_EQ(Child<QLabel>(results, "lblInstant")->text(),
              QStringLiteral("Calculated for 15 June 1975, 05:00 Universal Time (zone +5:30, no daylight saving)"));
    EXPECT_EQ(Child<QLabel>(results, "lblPlace")->text(), QStringLiteral("77°12′ E, 28°36′ N"));
    EXPECT_EQ(Child<QLabel>(results, "lblZodiac")->text(),
              QStringLiteral("Tropical zodiac; positions from the classic formulas"));
    EXPECT_TRUE(Child<QLabel>(results, "lblInstant")->isVisible());
    EXPECT_TRUE(Child<QLabel>(results, "lblClock")->isHidden()) << "no place chosen from the atlas, no clock sentence";
    EXPECT_EQ(Child<QLabel>(results, "lblName")->text(), QStringLiteral("ASHA RAO"));
    // The README's worked example; the Ascendant's decanate is checked against the table in the report tests.
    // Each item is held together (no-break spaces), so the line wraps only between items.
    const QString angles = Child<QLabel>(results, "lblAngles")->text();
    for (const QString& item : angles.split(QStringLiteral(" · ")))
        EXPECT_FALSE(item.contains(QLatin1Char(' '))) << item.toStdString();
    const QString spaced = QString(angles).replace(QChar(0x00A0), QLatin1Char(' '));
    EXPECT_TRUE(spaced.startsWith(QStringLiteral("Ascendant 29 Leo 24 in the decanate of Aries")));
    EXPECT_TRUE(spaced.endsWith(QStringLiteral("Midheaven 27 Tau 20 · Rahu 28 Sco 55 · Ketu 28 Tau 55")));
}

TEST_F(Reading, MarginShowsOnlyWhereTheDecanateMayChange)
{
    // At 19:26 the Moon is minutes short of 10° Virgo; the Sun, at 23° Gemini, is far from any edge.
    frmDisplay* results = CalculateDelhi("19", "26");
    ASSERT_NE(results, nullptr);
    const QLabel* moon = Child<NoticeLabel>(results, "lblMargin", 1);
    EXPECT_TRUE(moon->isVisibleTo(results));
    EXPECT_TRUE(moon->text().startsWith(QStringLiteral("The decanate changes if the birth was after 19:")));
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(const_cast<QLabel*>(moon));
    EXPECT_EQ(heard->role(), QAccessible::Notification) << "spoken when it appears";
    EXPECT_EQ(heard->text(QAccessible::Name), QStringLiteral("Warning: ") + moon->text());
    EXPECT_FALSE(Child<NoticeLabel>(results, "lblMargin", 0)->isVisibleTo(results));
    EXPECT_TRUE(Child<NoticeLabel>(results, "lblMargin", 0)->text().isEmpty());
}

TEST_F(Reading, SavedHtmlAndPdfHoldTheWholeReading)
{
    frmDisplay* results = CalculateDelhi("10", "30");
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(Child<QAction>(results, "mnuSaveReading")->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(Child<QAction>(results, "mnuPrint")->shortcut(), QKeySequence(QKeySequence::Print));

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString htmlPath = folder.filePath(QStringLiteral("reading.html"));
    ASSERT_TRUE(results->SaveReadingTo(htmlPath));
    QFile html(htmlPath);
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(html.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("<h1>ASHA RAO</h1>")));
    EXPECT_EQ(text.count(QStringLiteral("<svg")), 11); // the ten pictures and the chart wheel

    const QString pdfPath = folder.filePath(QStringLiteral("reading.pdf"));
    ASSERT_TRUE(results->SaveReadingTo(pdfPath));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QProcess extract;
    extract.start(pdftotext, {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
    ASSERT_TRUE(extract.waitForFinished(30000));
    const QString pdfText = QString::fromUtf8(extract.readAllStandardOutput()).simplified();
    EXPECT_TRUE(pdfText.contains(QStringLiteral("ASHA RAO")));
    // Every body with its decanate and decanate sign, as the tabs show them.
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        const QString name = QString::fromLatin1(BodyName(static_cast<BodyIndex>(body)));
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(pdfText.contains(name));
        EXPECT_TRUE(pdfText.contains(Child<QLabel>(results, "lblDecanateName", body)->text()));
        EXPECT_TRUE(pdfText.contains(Child<QLabel>(results, "lblDecanateSign", body)->text()));
    }
    // "Influence" may come out of the PDF with its "fl" as one ligature character.
    EXPECT_EQ(pdfText.count(QStringLiteral("Karmic In")), 10);
}

// A name in other alphabets reaches the saved reading unchanged, in capitals (python3 -c
// 'print("Ødegaard Σίσυφος".upper())' gives ØDEGAARD ΣΊΣΥΦΟΣ).
TEST_F(Reading, NamesInOtherAlphabetsReachTheHtmlAndThePdf)
{
    FillValidForm();
    Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("Ødegaard Σίσυφος"));
    const QString name = QStringLiteral("ØDEGAARD ΣΊΣΥΦΟΣ");
    ASSERT_EQ(Child<FilteredLineEdit>(window, "txtName")->text(), name);
    window->cmdRashi_Click();
    frmDisplay* results = window->resultsWindow();
    ASSERT_NE(results, nullptr);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(results->SaveReadingTo(folder.filePath(QStringLiteral("reading.html"))));
    QFile html(folder.filePath(QStringLiteral("reading.html")));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(html.readAll()).contains(QStringLiteral("<h1>%1</h1>").arg(name)));

    const QString pdfPath = folder.filePath(QStringLiteral("reading.pdf"));
    ASSERT_TRUE(results->SaveReadingTo(pdfPath));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QProcess extract;
    extract.start(pdftotext, {pdfPath, QStringLiteral("-")});
    ASSERT_TRUE(extract.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(extract.readAllStandardOutput()).contains(name));
}

TEST_F(Reading, PdfNamesThePersonAndSplitsNoBodyAcrossPages)
{
    frmDisplay* results = CalculateDelhi("19", "26");
    ASSERT_NE(results, nullptr);
    QTemporaryDir folder;
    const QString pdfPath = folder.filePath(QStringLiteral("reading.pdf"));
    ASSERT_TRUE(results->SaveReadingTo(pdfPath));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdfinfo.isEmpty() || pdftotext.isEmpty())
        GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
    const auto run = [](const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    const QString info = run(pdfinfo, {pdfPath});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +ASHA RAO\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Creator: +QB Tessaline\n")))) << info.toStdString();
    const QString xmp = run(pdfinfo, {QStringLiteral("-meta"), pdfPath});
    EXPECT_TRUE(xmp.contains(QStringLiteral("<dc:creator><rdf:Seq><rdf:li>QB Tessaline</rdf:li>")))
        << xmp.toStdString();

    // Each body runs from its "Decanate Name" row to its "More About Decanate Sign" text: on every page
    // as many bodies begin as end, so none is cut in two.
    const QStringList pages = run(pdftotext, {pdfPath, QStringLiteral("-")}).split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 3);
    int bodies = 0;
    for (const QString& page : pages) {
        EXPECT_EQ(page.count(QStringLiteral("Decanate Name")), page.count(QStringLiteral("More About Decanate Sign")))
            << page.toStdString();
        bodies += static_cast<int>(page.count(QStringLiteral("Decanate Name")));
    }
    EXPECT_EQ(bodies, 10);
}

// Saved as PDF or printed, the reading is one paginated document: as many pages either way.
TEST_F(Reading, SavedPdfHasThePagesOfThePrintedReading)
{
    frmDisplay* results = CalculateDelhi("19", "26");
    ASSERT_NE(results, nullptr);
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("saved.pdf"));
    ASSERT_TRUE(results->SaveReadingTo(saved));
    QPrinter printer(QPrinter::HighResolution);
    const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    ASSERT_TRUE(results->PrintReadingOn(printer));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty())
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    const auto pages = [&pdfinfo](const QString& path) {
        QProcess process;
        process.start(pdfinfo, {path});
        EXPECT_TRUE(process.waitForFinished(30000));
        const auto found = QRegularExpression(QStringLiteral("Pages: +(\\d+)"))
                               .match(QString::fromUtf8(process.readAllStandardOutput()));
        return found.hasMatch() ? found.captured(1).toInt() : -1;
    };
    EXPECT_EQ(pages(saved), pages(printed));
}

// The wheel on the first page, drawn, not pasted in as a bitmap: the page holds no image, and rendered it
// shows the wheel's water cells in their tint (#b5cce2, which nothing else in the reading uses).
TEST_F(Reading, PdfDrawsTheWheelOnItsFirstPage)
{
    frmDisplay* results = CalculateDelhi("10", "30");
    ASSERT_NE(results, nullptr);
    QTemporaryDir folder;
    const QString pdfPath = folder.filePath(QStringLiteral("reading.pdf"));
    ASSERT_TRUE(results->SaveReadingTo(pdfPath));
    const QString pdfimages = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdfimages.isEmpty() || pdftoppm.isEmpty())
        GTEST_SKIP() << "pdfimages and pdftoppm (poppler-utils) are not installed";
    const QStringList firstPage{QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1")};
    QProcess images;
    images.start(pdfimages, QStringList{QStringLiteral("-list")} + firstPage + QStringList{pdfPath});
    ASSERT_TRUE(images.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(images.readAllStandardOutput()).trimmed().count(QLatin1Char('\n')), 1)
        << "no more than the list's two heading lines";

    QProcess render;
    render.start(
        pdftoppm,
        QStringList{QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"), QStringLiteral("-singlefile")}
            + firstPage + QStringList{pdfPath, folder.filePath(QStringLiteral("page"))});
    ASSERT_TRUE(render.waitForFinished(30000));
    const QImage page(folder.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    int water = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            water += std::abs(c.red() - 0xb5) + std::abs(c.green() - 0xcc) + std::abs(c.blue() - 0xe2) < 12 ? 1 : 0;
        }
    EXPECT_GT(water, 300);
}

TEST_F(Reading, AFailedSaveSaysSoAndWritesNothing)
{
    frmDisplay* results = CalculateDelhi("10", "30");
    ASSERT_NE(results, nullptr);
    EXPECT_FALSE(results->SaveReadingTo(QStringLiteral("/nonexistent-folder/reading.html")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("The reading could not be saved to")));
}

} // namespace
// The picture in front saved in each kind: the SVG as drawn, a PNG of the side asked for that tells its readers
// what it shows, a one-page vector PDF; a file that cannot be written is said, naming it.
TEST_F(Reading, ChartPictureIsSavedAsSvgPngOrPdf)
{
    frmDisplay* results = CalculateDelhi("10", "30");
    ASSERT_NE(results, nullptr);
    QTemporaryDir folder;
    struct Case {
        const char* file;
        int pixels;
        QByteArray starts;
    };
    const std::array<Case, 3> cases{{
        {"wheel.svg", 0, "<svg"},
        {"wheel.png", 640, "\x89PNG"},
        {"wheel.pdf", 0, "%PDF"},
    }};
    for (const Case& c : cases) {
        const QString path = folder.filePath(QLatin1String(c.file));
        ASSERT_TRUE(results->SaveChartPictureTo(path, c.pixels)) << c.file;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().contains(c.starts)) << c.file;
    }
    const QImage png(folder.filePath(QStringLiteral("wheel.png")));
    EXPECT_EQ(std::max(png.width(), png.height()), 640);
    EXPECT_TRUE(png.text(QStringLiteral("Description")).contains(QStringLiteral("Sun 23 Gem 29")));
    EXPECT_TRUE(png.text(QStringLiteral("Title")).startsWith(QStringLiteral("Chart wheel of ASHA RAO")));

    EXPECT_FALSE(results->SaveChartPictureTo(QStringLiteral("/nonexistent-folder/wheel.png")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("/nonexistent-folder/wheel.png")));
}

// View › Decanate Calendar for March 2024 on the birth's clock (India, UT+5:30): the Sun enters Aries at the
// equinox, 03:06 UT on the 20th (the published instant), 08:36 on that clock; saved as iCalendar, an event a change.
TEST_F(Reading, DecanateCalendarListsAMonthAndSavesIt)
{
    frmDisplay* results = CalculateDelhi("10", "30");
    ASSERT_NE(results, nullptr);
    Child<QAction>(*results, "mnuDecanateCalendar")->trigger();
    auto* calendar = results->findChild<DecanateCalendarWindow*>(QStringLiteral("frmCalendar"));
    ASSERT_NE(calendar, nullptr);
    calendar->showPeriod(QDate(2024, 3, 1), false);
    auto* grid = Child<QTableWidget>(*calendar, "grdChanges");
    const QList<QTableWidgetItem*> equinox
        = grid->findItems(QStringLiteral("Sun enters the first decanate of Aries (Aries)"), Qt::MatchExactly);
    ASSERT_EQ(equinox.size(), 1);
    EXPECT_TRUE(grid->item(equinox[0]->row(), 0)->text().contains(QStringLiteral("20 Mar 2024, 08:36")));
    EXPECT_GT(grid->rowCount(), 36); // the Moon alone changes decanate some 40 times a month

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("march.ics"));
    ASSERT_FALSE(calendar->saveTo(path).has_value());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ics = file.readAll();
    EXPECT_TRUE(ics.startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_EQ(ics.count("BEGIN:VEVENT"), grid->rowCount());
    EXPECT_TRUE(calendar->saveTo(folder.path()).has_value()); // a folder where the file would go
}

// View › Progressions (Ctrl+G): ASHA RAO's progressed Sun enters Cancer on 6 April 1982, at 6 years 9 months, and
// the Midheaven enters ten decanates in a hundred years (the ephemeris library's days:
// tests/decanates/library_progressions.py 1975 6 15 5.0 77.2 28.6 5.5). The point is chosen by keyboard.
TEST_F(Reading, ProgressionsListALifeAndShowOnePointAtATime)
{
    frmDisplay* results = CalculateDelhi("10", "30");
    ASSERT_NE(results, nullptr);
    auto* menu = Child<QAction>(*results, "mnuProgressions");
    EXPECT_EQ(menu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    menu->trigger();
    auto* progressions = results->findChild<ProgressionsWindow*>(QStringLiteral("frmProgressions"));
    ASSERT_NE(progressions, nullptr);
    auto* grid = Child<QTableWidget>(*progressions, "grdProgressions");
    EXPECT_EQ(grid->accessibleName(), QStringLiteral("Progressions"));
    const QList<QTableWidgetItem*> cancer = grid->findItems(QStringLiteral("1982-04-06"), Qt::MatchExactly);
    ASSERT_EQ(cancer.size(), 1);
    const int row = cancer[0]->row();
    EXPECT_EQ(grid->item(row, 1)->text(), QStringLiteral("6 years 9 months"));
    EXPECT_EQ(grid->item(row, 2)->text(), QStringLiteral("Sun"));
    EXPECT_EQ(grid->item(row, 4)->text(), QStringLiteral("Cancer I (Cancer, The Moon)"));
    EXPECT_TRUE(grid->item(row, 0)->toolTip().contains(QStringLiteral("the progressed Sun leaves Gemini III")));

    auto* point = Child<QComboBox>(*progressions, "cboProgressedPoint");
    point->setFocus();
    QTest::keyClick(point, Qt::Key_End); // the last point listed: the Midheaven
    ASSERT_EQ(grid->rowCount(), 10);
    for (int r = 0; r < grid->rowCount(); ++r)
        EXPECT_EQ(grid->item(r, 2)->text(), QStringLiteral("Midheaven")) << r;
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("1978-03-27"));
    QTest::keyClick(point, Qt::Key_Home);
    EXPECT_EQ(static_cast<std::size_t>(grid->rowCount()), progressions->rows().size());
}

// View › Transits (Ctrl+T): the sky of 9 December 2026, 12:00 UT (17:30 on the birth's clock, UT+5:30) around
// ASHA RAO's chart. Saturn stands retrograde at 07 Ari 55 and leaves Aries I at 17:02 UT on 28 January 2027
// (tests/decanates/library_transits.py 2026 12 9 12.0), 22:32 on that clock. Each key its menu lists steps the
// moment; the Sun entering her Neptune's decanate (Sagittarius II, about 05:00 UT on 2 December 2026) is
// announced; the wheel carries the ring while the window is shown, and says it to a screen reader.
TEST_F(Reading, TransitsStepThroughTheSkyAroundTheChart)
{
    frmDisplay* results = CalculateDelhi("10", "30");
    ASSERT_NE(results, nullptr);
    auto* menu = Child<QAction>(*results, "mnuTransits");
    EXPECT_EQ(menu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    menu->trigger();
    auto* transits = results->findChild<TransitsWindow*>(QStringLiteral("frmTransits"));
    ASSERT_NE(transits, nullptr);
    transits->showMoment(QDateTime(QDate(2026, 12, 9), QTime(17, 30), Qt::UTC));
    auto* grid = Child<QTableWidget>(*transits, "grdTransits");
    const QList<QTableWidgetItem*> saturn = grid->findItems(QStringLiteral("Saturn"), Qt::MatchExactly);
    ASSERT_EQ(saturn.size(), 1);
    const int row = saturn[0]->row();
    EXPECT_EQ(grid->item(row, 1)->text(), QStringLiteral("07 Ari 55"));
    EXPECT_EQ(grid->item(row, 2)->text(), QStringLiteral("retrograde"));
    EXPECT_EQ(grid->item(row, 5)->text(), QStringLiteral("2027-01-28 22:32"));
    auto* panel = results->findChild<ChartWheelPanel*>();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->accessibleDescription().contains(
        QStringLiteral("Outer ring, Transits on 9 December 2026, 17:30 (UT+5:30): Sun 17 Sag 25")));
    EXPECT_NE(panel->wheelPicture().find("Transits on 9 December 2026"), std::string::npos);
    // The reading saved now holds the sky too: the ring round its wheel and the table after it.
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("reading.html"));
    ASSERT_TRUE(results->SaveReadingTo(saved));
    QFile reading(saved);
    ASSERT_TRUE(reading.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(reading.readAll());
    EXPECT_TRUE(html.contains(QStringLiteral("<h2>Transits on 9 December 2026, 17:30 (UT+5:30)</h2>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<td>Saturn</td><td>07 Ari 55</td><td>retrograde</td>")));
    EXPECT_TRUE(html.contains(QStringLiteral("id=\"outer-Saturn\"")));

    // Each step by its key, as the menu lists it.
    auto* moment = Child<QDateTimeEdit>(*transits, "dtpTransits");
    const std::pair<QKeyCombination, QDateTime> steps[] = {
        {Qt::ALT | Qt::Key_Right, QDateTime(QDate(2026, 12, 9), QTime(18, 30), Qt::UTC)},
        {Qt::ALT | Qt::Key_Up, QDateTime(QDate(2026, 12, 10), QTime(18, 30), Qt::UTC)},
        {Qt::ALT | Qt::Key_PageDown, QDateTime(QDate(2026, 11, 10), QTime(18, 30), Qt::UTC)},
        {Qt::ALT | Qt::SHIFT | Qt::Key_PageUp, QDateTime(QDate(2027, 11, 10), QTime(18, 30), Qt::UTC)},
        {Qt::ALT | Qt::Key_Left, QDateTime(QDate(2027, 11, 10), QTime(17, 30), Qt::UTC)},
    };
    QApplication::setActiveWindow(transits);
    ASSERT_TRUE(QTest::qWaitForWindowActive(transits));
    moment->setFocus();
    for (const auto& [key, expected] : steps) {
        QTest::keyClick(moment, key.key(), key.keyboardModifiers());
        EXPECT_EQ(moment->dateTime().toString(Qt::ISODate).toStdString(), expected.toString(Qt::ISODate).toStdString())
            << QKeySequence(key).toString().toStdString();
    }

    transits->showMoment(QDateTime(QDate(2026, 12, 1), QTime(17, 30), Qt::UTC));
    transits->step(TransitsWindow::Step::Day, 1); // the Sun crosses 10° Sagittarius
    const QStringList said = transits->announced();
    EXPECT_EQ(said.filter(QRegularExpression(QStringLiteral("^Sun is in your Neptune's decanate"))).size(), 1)
        << said.join('|').toStdString();

    transits->close();
    EXPECT_FALSE(panel->accessibleDescription().contains(QStringLiteral("Outer ring")));
    EXPECT_EQ(panel->wheelPicture().find("Transits on"), std::string::npos);
}

// File › Compare With…: the person of a birth file charted with the window's options, and the decanates both
// share listed; JOHN SMITH's Sun (about 12° 40' Cancer on 4 July 1985, as the almanacs give it) shares Cancer's
// second decanate with ASHA RAO's Saturn (18 Can 43). A file that cannot be read is said, naming it.
TEST_F(Reading, ComparisonListsTheSharedDecanates)
{
    frmDisplay* results = CalculateDelhi("10", "30");
    ASSERT_NE(results, nullptr);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("john.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("name,date,time,zone,lon,lat,dst\nJOHN SMITH,1985-07-04,18:45,27,073W58,40N45,1\n");
    file.close();
    ASSERT_TRUE(results->CompareWith(path));
    auto* comparison = results->findChild<ComparisonWindow*>(QStringLiteral("frmComparison"));
    ASSERT_NE(comparison, nullptr);
    auto* grid = Child<QTableWidget>(*comparison, "grdContacts");
    ASSERT_GT(grid->rowCount(), 0);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Saturn"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("Sun"));
    EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("Cancer, second decanate"));

    EXPECT_FALSE(results->CompareWith(folder.filePath(QStringLiteral("nobody.csv"))));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("nobody.csv")));
}

// The windows that draw round the wheel take turns: the one that changed last draws, and when it closes the one
// before it draws again. The progressed points of 15 June 2020 are the library's (ProgressionsTest: Sun 126.43586°,
// 6°26' Leo); JOHN SMITH's Sun about 12° 40' Cancer, as the almanacs give it.
TEST_F(Reading, OuterRingsTakeTurnsRoundTheWheel)
{
    frmDisplay* results = CalculateDelhi("10", "30");
    ASSERT_NE(results, nullptr);
    auto* panel = results->findChild<ChartWheelPanel*>();
    ASSERT_NE(panel, nullptr);
    const auto said = [panel] {
        const QString description = panel->accessibleDescription();
        const qsizetype ring = description.indexOf(QStringLiteral("Outer ring, "));
        return ring < 0 ? QString() : description.mid(ring);
    };
    TransitsWindow* transits = results->showTransits();
    transits->showMoment(QDateTime(QDate(2026, 12, 9), QTime(17, 30), Qt::UTC));
    Child<QAction>(*results, "mnuProgressions")->trigger();
    auto* progressions = results->findChild<ProgressionsWindow*>(QStringLiteral("frmProgressions"));
    ASSERT_NE(progressions, nullptr);
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("john.csv")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("name,date,time,zone,lon,lat,dst\nJOHN SMITH,1985-07-04,18:45,27,073W58,40N45,1\n");
    file.close();

    const std::pair<std::function<void()>, QString> turns[] = {
        {[] {}, QStringLiteral("Outer ring, Transits on 9 December 2026, 17:30 (UT+5:30): Sun 17 Sag 25")},
        {[&] { progressions->drawOnWheel(true, QDate(2020, 6, 15)); },
         QStringLiteral("Outer ring, Progressed to 15 June 2020, age 45 years 0 months: Sun 06 Leo 26")},
        {[&] { ASSERT_TRUE(results->CompareWith(file.fileName())); },
         QStringLiteral("Outer ring, The chart of JOHN SMITH: Sun 12 Can")},
        {[&] { transits->step(TransitsWindow::Step::Hour, 1); },
         QStringLiteral("Outer ring, Transits on 9 December 2026, 18:30 (UT+5:30): Sun 17 Sag")},
        {[&] { transits->close(); }, QStringLiteral("Outer ring, The chart of JOHN SMITH: Sun 12 Can")},
        {[&] { results->findChild<ComparisonWindow*>()->close(); },
         QStringLiteral("Outer ring, Progressed to 15 June 2020")},
        {[&] { progressions->drawOnWheel(false, QDate(2020, 6, 15)); }, QString()},
    };
    for (const auto& [turn, ring] : turns) {
        turn();
        EXPECT_TRUE(said().startsWith(ring)) << said().left(100).toStdString() << " | " << ring.toStdString();
        EXPECT_EQ(panel->wheelPicture().find("around it: ") != std::string::npos, !ring.isEmpty());
    }
}

} // namespace tessaline::testing
