// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's and the manual's pictures from the real windows: run under a display, e.g.
//   xvfb-run -a build/release/tests/desktop/desktop_screenshots docs
// It fills in a sample birth, calculates, and grabs the birth data window, the results window and the about box,
// then a second birth whose Moon tab shows a birth-time margin, and the same birth's drekkana chart. A second
// argument saves that reading too; a third names a folder for the chart pictures in both zodiacs and both
// drekkana forms, the wheel and the drekkana chart shown together.
// With --states FOLDER it also grabs the birth data window in the states worth checking by eye (as loaded, a
// place chosen, a zone chosen by hand with both warnings, the Place list, the smallest size), the results of
// that birth, and the ten body pictures as the results window draws them; run it again with
// QT_SCALE_FACTOR=2 for the same at 200 %. With --people FOLDER it grabs the birth data window with a thousand
// people in its list, filtered; with --calendar FOLDER the decanate calendar of a month.
// With --schemes FOLDER it grabs the results window of one birth under the Chaldean faces and under the
// Parivritti drekkana with the lunar mansions shown, each with the wheel and then the drekkana chart in front.

#include "desktop/ChartWheelPanel.h"
#include "desktop/DecanateCalendarWindow.h"
#include "desktop/FilteredLineEdit.h"
#include "desktop/ImageList.h"
#include "desktop/OptionsMenu.h"
#include "desktop/PlacePicker.h"
#include "desktop/ProgressionsWindow.h"
#include "desktop/TabPanel.h"
#include "desktop/TransitsWindow.h"
#include "desktop/WindowFit.h"
#include "desktop/frmAbout.h"
#include "desktop/frmDisplay.h"
#include "desktop/frmMain.h"
#include "tests/desktop/FindControl.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstring>

using namespace tessaline;
using tessaline::testing::Child;
using tessaline::testing::SiderealEntry;

namespace {

bool Save(QWidget& window, const QDir& folder, const char* file)
{
    window.raise();
    QTest::qWait(200);
    const bool saved = window.grab().save(folder.filePath(QLatin1String(file)));
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(folder.filePath(QLatin1String(file))));
    return saved;
}

// Calculates again with the zodiac and the drekkana form chosen, showing the pictures asked for.
frmDisplay* Recalculate(frmMain& window, QAction* zodiac, QAction* form, bool wheel, bool drekkana)
{
    if (frmDisplay* shown = window.resultsWindow()) {
        shown->cmdOK_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    zodiac->trigger();
    form->trigger();
    window.cmdRashi_Click();
    frmDisplay* results = window.resultsWindow();
    if (results != nullptr) {
        Child<ChartWheelPanel>(results, "chartPanel")->mnuChartWheel->setChecked(wheel);
        Child<ChartWheelPanel>(results, "chartPanel")->mnuDrekkanaChart->setChecked(drekkana);
    }
    return results;
}

void SetBirth(frmMain& form, const char* name, int year, int month, int day, int hour, int minute)
{
    Child<FilteredLineEdit>(form, "txtName")->setText(QLatin1String(name));
    Child<QComboBox>(form, "cboMonth")->setCurrentIndex(month - 1);
    Child<QComboBox>(form, "cboDate")->setCurrentIndex(day - 1);
    Child<QComboBox>(form, "cboYear")->setCurrentIndex(year - 1901);
    Child<QComboBox>(form, "cboHH")->setCurrentIndex(hour);
    Child<QComboBox>(form, "cboMM")->setCurrentIndex(minute);
}

void TypePlace(frmMain& form, const char* typed)
{
    Child<PlacePicker>(form, "placePicker")->txtPlace->setFocus();
    Child<PlacePicker>(form, "placePicker")->waitForAtlas();
    QTest::keyClicks(Child<PlacePicker>(form, "placePicker")->txtPlace, QLatin1String(typed));
}

// The birth data window in the states worth checking by eye.
bool GrabStates(const QDir& folder)
{
    bool ok = true;
    frmMain form;
    form.show();
    ok &= QTest::qWaitForWindowExposed(&form);
    ok &= Save(form, folder, "form-loaded.png");

    SetBirth(form, "ASHA RAO", 1990, 7, 2, 6, 4);
    TypePlace(form, "springfield");
    ok &= Save(form, folder, "form-place-list-springfield.png");

    Child<PlacePicker>(form, "placePicker")->txtPlace->clear();
    TypePlace(form, "springfeld");
    ok &= Save(form, folder, "form-place-miss-springfeld.png");

    Child<PlacePicker>(form, "placePicker")->txtPlace->clear();
    TypePlace(form, "kathmandu");
    Child<PlacePicker>(form, "placePicker")->choosePlace(0);
    ok &= Save(form, folder, "form-kathmandu-1990.png");

    Child<QComboBox>(form, "cmbTimeZone")
        ->setCurrentIndex(18); // Central Daylight Time, by hand, and the tick on it too
    Child<QCheckBox>(form, "chkDST")->setChecked(true);
    ok &= Save(form, folder, "form-hand-zone-both-warnings.png");
    form.resize(form.minimumSize());
    QTest::qWait(100);
    ok &= Save(form, folder, "form-smallest-size.png");
    form.cmdRashi_Click(); // the results' short lines with the clock the atlas found
    if (frmDisplay* results = form.resultsWindow(); results != nullptr && QTest::qWaitForWindowExposed(results))
        ok &= Save(*results, folder, "results-kathmandu-hand-zone.png");

    // The ten pictures side by side, at the size and on the background the results window gives them.
    constexpr int kSide = 112;
    QPixmap strip(QSize(kSide * 10, kSide) * form.devicePixelRatioF());
    strip.setDevicePixelRatio(form.devicePixelRatioF());
    strip.fill(QApplication::palette().color(QPalette::Window));
    QPainter painter(&strip);
    const ImageList pictures = BodyPictures();
    for (int n = 1; n <= 10; ++n)
        painter.drawPixmap((n - 1) * kSide, 0, pictures.picture(n, QSize(kSide, kSide), form.devicePixelRatioF()));
    painter.end();
    const bool saved = strip.save(folder.filePath(QStringLiteral("pictures.png")));
    std::printf("%s %s\n", saved ? "wrote" : "could not write",
                qPrintable(folder.filePath(QStringLiteral("pictures.png"))));
    return ok && saved;
}

// A dark desktop's palette, for checking the windows and pictures on it by eye.
void UseDarkPalette()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x33));
    dark.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    dark.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    QApplication::setPalette(dark);
}

// Longitude and latitude as the four boxes and the two hemispheres take them.
void SetCoordinates(frmMain& window, const char* lonD, const char* lonM, bool east, const char* latD, const char* latM)
{
    Child<FilteredLineEdit>(window, "txtLonD")->setText(QLatin1String(lonD));
    Child<FilteredLineEdit>(window, "txtLonM")->setText(QLatin1String(lonM));
    Child<QRadioButton>(window, "optLong", east ? 0 : 1)->setChecked(true);
    Child<FilteredLineEdit>(window, "txtLatD")->setText(QLatin1String(latD));
    Child<FilteredLineEdit>(window, "txtLatM")->setText(QLatin1String(latM));
}

// The birth data window after choosing a place from the atlas: Paris, 1 July 1976, 10:30, in summer time.
bool ShootPlaceChosen(const QDir& folder)
{
    frmMain placed;
    placed.show();
    SetBirth(placed, "ADA LOVELACE", 1976, 7, 1, 10, 30);
    TypePlace(placed, "paris");
    Child<PlacePicker>(placed, "placePicker")->choosePlace(0);
    const bool exposed = QTest::qWaitForWindowExposed(&placed);
    return Save(placed, folder, "place-chosen.png") && exposed;
}

// The about box over the results window, closed once taken.
bool ShootAboutBox(frmDisplay* results, const QDir& folder)
{
    bool ok = true;
    QTimer::singleShot(300, [&] {
        if (auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget())) {
            ok &= Save(*about, folder, "about-box.png");
            about->accept();
        }
    });
    Child<QAction>(results, "mnuAbout")->trigger();
    return ok;
}

// The chart pictures in every zodiac and drekkana form, into `pictures`.
bool ShootDrekkanaForms(frmMain& window, const QDir& pictures)
{
    struct Shot {
        QAction* zodiac;
        QAction* form;
        const char* file;
    };
    QAction* tropical = Child<QAction>(window, "mnuTropical");
    QAction* sidereal = SiderealEntry(window, Ayanamsa::Lahiri);
    QAction* south = Child<QAction>(window, "mnuDrekkanaSouth");
    QAction* north = Child<QAction>(window, "mnuDrekkanaNorth");
    bool ok = true;
    for (const Shot& shot :
         {Shot{tropical, south, "tropical-south.png"}, Shot{tropical, north, "tropical-north.png"},
          Shot{sidereal, south, "sidereal-south.png"}, Shot{sidereal, north, "sidereal-north.png"}}) {
        frmDisplay* results = Recalculate(window, shot.zodiac, shot.form, true, true);
        if (results == nullptr)
            return false;
        ok &= QTest::qWaitForWindowExposed(results);
        ok &= Save(*results, pictures, shot.file);
    }
    return ok;
}

// The results window in two decan schemes, the Sun's tab in front: the faces (no drekkana chart), then
// Parivritti with the lunar mansions.
bool ShootSchemes(const QDir& folder)
{
    frmMain window;
    window.show();
    SetBirth(window, "ASHA RAO", 1975, 6, 15, 10, 30);
    Child<QComboBox>(window, "cmbTimeZone")->setCurrentIndex(34);
    SetCoordinates(window, "77", "12", true, "28", "36");
    Child<QAction>(window, "mnuScheme_chaldean")->trigger();
    window.cmdRashi_Click();
    frmDisplay* results = window.resultsWindow();
    if (results == nullptr || !QTest::qWaitForWindowExposed(results))
        return false;
    auto* panel = Child<ChartWheelPanel>(results, "chartPanel");
    panel->mnuDrekkanaChart->setChecked(true);
    Child<TabPanel>(results, "SSTab1")->setCurrentIndex(0);
    bool ok = true;
    for (const bool parivritti : {false, true}) {
        if (parivritti) {
            Child<QAction>(window, "mnuScheme_parivritti")->trigger();
            panel->mnuLunarMansions->setChecked(true);
        }
        const QString scheme = parivritti ? QStringLiteral("parivritti-mansions") : QStringLiteral("chaldean");
        for (const int picture : {0, 1}) {
            panel->tabPictures->setCurrentIndex(picture);
            const QString file = QStringLiteral("schemes-%1-%2.png").arg(scheme, picture == 0 ? "wheel" : "drekkana");
            ok &= Save(*results, folder, file.toLatin1().constData());
        }
    }
    panel->mnuLunarMansions->setChecked(false); // the View menu's choice is not kept: no settings
    return ok;
}

} // namespace

// The birth data window with a thousand people in its list, filtered by a word: people.png.
bool ShootPeopleList(const QDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("people.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("name,date,time,zone,lon,lat,dst,city,country\n");
    const char* places[] = {"Zürich,Switzerland", "São Paulo,Brazil", "Kraków,Poland", "Delhi,India", "Lyon,France"};
    const char* names[] = {"ZOË MÜLLER", "JOÃO SILVA", "ANNA NOWAK", "ASHA RAO", "CLAIRE DUBOIS"};
    for (int i = 0; i < 1000; ++i)
        file.write(QStringLiteral("%1 %2,%3-%4-%5,%6:%7,%8,077E12,28N36,0,%9\n")
                       .arg(QString::fromUtf8(names[i % 5]))
                       .arg(QString(QChar(u'A' + i / 26 % 26)) + QChar(u'A' + i % 26))
                       .arg(1901 + i % 150)
                       .arg(i % 9 + 1, 2, 10, QLatin1Char('0'))
                       .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                       .arg(i % 24, 2, 10, QLatin1Char('0'))
                       .arg(i % 60, 2, 10, QLatin1Char('0'))
                       .arg(i % 71)
                       .arg(QString::fromUtf8(places[i % 5]))
                       .toUtf8());
    file.close();
    frmMain window;
    window.show();
    bool ok = QTest::qWaitForWindowExposed(&window) && window.OpenBirthDataFrom(path);
    QTest::keyClicks(Child<QLineEdit>(window, "txtFindPerson"), QStringLiteral("zurich 19"));
    ok &= Save(window, folder, "people.png");
    QFile::remove(path);
    return ok;
}

// View › Decanate Calendar of the sample birth for March 2024: calendar.png.
bool ShootCalendar(const QDir& folder)
{
    frmMain window;
    window.show();
    SetBirth(window, "ASHA RAO", 1975, 6, 15, 10, 30);
    Child<QComboBox>(window, "cmbTimeZone")->setCurrentIndex(34);
    SetCoordinates(window, "77", "12", true, "28", "36");
    window.cmdRashi_Click();
    frmDisplay* results = window.resultsWindow();
    if (results == nullptr)
        return false;
    Child<QAction>(*results, "mnuDecanateCalendar")->trigger();
    auto* calendar = results->findChild<DecanateCalendarWindow*>(QStringLiteral("frmCalendar"));
    if (calendar == nullptr)
        return false;
    calendar->showPeriod(QDate(2024, 3, 1), false);
    return QTest::qWaitForWindowExposed(calendar) && Save(*calendar, folder, "calendar.png");
}

// View › Progressions of the sample birth: progressions.png.
bool ShootProgressions(const QDir& folder)
{
    frmMain window;
    window.show();
    SetBirth(window, "ASHA RAO", 1975, 6, 15, 10, 30);
    Child<QComboBox>(window, "cmbTimeZone")->setCurrentIndex(34);
    SetCoordinates(window, "77", "12", true, "28", "36");
    window.cmdRashi_Click();
    frmDisplay* results = window.resultsWindow();
    if (results == nullptr)
        return false;
    Child<QAction>(*results, "mnuProgressions")->trigger();
    auto* progressions = results->findChild<ProgressionsWindow*>(QStringLiteral("frmProgressions"));
    return progressions != nullptr && QTest::qWaitForWindowExposed(progressions)
        && Save(*progressions, folder, "progressions.png");
}

// View › Transits of the sample birth on 9 December 2026, 17:30 on the birth's clock: the results window with
// the sky as the wheel's outer ring (bi-wheel.png) and the transits window (transits.png).
bool ShootTransits(const QDir& folder)
{
    frmMain window;
    window.show();
    SetBirth(window, "ASHA RAO", 1975, 6, 15, 10, 30);
    Child<QComboBox>(window, "cmbTimeZone")->setCurrentIndex(34);
    SetCoordinates(window, "77", "12", true, "28", "36");
    window.cmdRashi_Click();
    frmDisplay* results = window.resultsWindow();
    if (results == nullptr)
        return false;
    TransitsWindow* transits = results->showTransits();
    transits->showMoment(QDateTime(QDate(2026, 12, 9), QTime(17, 30), Qt::UTC));
    results->resize(results->width() + 1200, results->height() + 500); // the whole bi-wheel in sight
    return QTest::qWaitForWindowExposed(transits) && Save(*transits, folder, "transits.png")
        && Save(*results, folder, "bi-wheel.png")
        && results->SaveReadingTo(folder.filePath(QStringLiteral("transits-reading.pdf")));
}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (qEnvironmentVariableIsSet("TESSALINE_SHOTS_DARK"))
        UseDarkPalette();
    if (argc > 2 && std::strcmp(argv[1], "--states") == 0)
        return GrabStates(QDir(QString::fromLocal8Bit(argv[2]))) ? 0 : 1;
    if (argc > 2 && std::strcmp(argv[1], "--calendar") == 0)
        return ShootCalendar(QDir(QString::fromLocal8Bit(argv[2]))) ? 0 : 1;
    if (argc > 2 && std::strcmp(argv[1], "--progressions") == 0)
        return ShootProgressions(QDir(QString::fromLocal8Bit(argv[2]))) ? 0 : 1;
    if (argc > 2 && std::strcmp(argv[1], "--transits") == 0)
        return ShootTransits(QDir(QString::fromLocal8Bit(argv[2]))) ? 0 : 1;
    if (argc > 2 && std::strcmp(argv[1], "--people") == 0)
        return ShootPeopleList(QDir(QString::fromLocal8Bit(argv[2]))) ? 0 : 1;
    if (argc > 2 && std::strcmp(argv[1], "--schemes") == 0)
        return ShootSchemes(QDir(QString::fromLocal8Bit(argv[2]))) ? 0 : 1;
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    bool ok = true;

    frmMain window;
    window.show();
    SetBirth(window, "ADA LOVELACE", 1915, 12, 10, 14, 30);
    SetCoordinates(window, "0", "7", false, "51", "30");
    Child<QLineEdit>(window, "txtMCity")->setText(QStringLiteral("London"));
    Child<QLineEdit>(window, "txtMState")->setText(QStringLiteral("England"));
    Child<QLineEdit>(window, "txtMCountry")->setText(QStringLiteral("United Kingdom"));
    ok &= QTest::qWaitForWindowExposed(&window);
    ok &= Save(window, folder, "birth-data-window.png");
    ok &= ShootPlaceChosen(folder);

    window.cmdRashi_Click();
    frmDisplay* results = window.resultsWindow();
    if (results == nullptr) {
        std::puts("the calculation did not open the results window");
        return 1;
    }
    ok &= QTest::qWaitForWindowExposed(results);
    ok &= Save(*results, folder, "results-window.png");
    ok &= ShootAboutBox(results, folder);

    // A tab whose decanate may change with the birth time: Delhi, 15 June 1975, 19:26 Indian Time, when the
    // Moon is minutes short of 10° Virgo.
    results->cmdOK_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetBirth(window, "ASHA RAO", 1975, 6, 15, 19, 26);
    Child<QComboBox>(window, "cmbTimeZone")->setCurrentIndex(34);
    SetCoordinates(window, "77", "12", true, "28", "36");
    window.cmdRashi_Click();
    results = window.resultsWindow();
    if (results == nullptr)
        return 1;
    ok &= QTest::qWaitForWindowExposed(results);
    ok &= Save(*results, folder, "margin-tab.png");
    if (argc > 2)
        ok &= results->SaveReadingTo(QString::fromLocal8Bit(argv[2]));

    // The drekkana chart in the place of the wheel: sidereal (Lahiri), North Indian.
    results = Recalculate(window, SiderealEntry(window, Ayanamsa::Lahiri), Child<QAction>(window, "mnuDrekkanaNorth"),
                          false, true);
    if (results == nullptr)
        return 1;
    ok &= QTest::qWaitForWindowExposed(results);
    ok &= Save(*results, folder, "drekkana-chart.png");

    if (argc > 3)
        ok &= ShootDrekkanaForms(window, QDir(QString::fromLocal8Bit(argv[3])));
    return ok ? 0 : 1;
}
