// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the desktop program, run under a display (xvfb-run -a, or QT_QPA_PLATFORM=offscreen):
//   click-to-results   median time from a click on "Get My Tessaline" to the results window shown and painted
//   start-to-window    median time from process start to the birth data window shown and painted (fresh processes)
//   peak memory        the process's peak resident size after one calculation (a fresh process)
//   wheel drawn        median time to draw a new chart's wheel in the results window's panel at 800 × 800:
//                      its SVG written and read, and painted at the panel's size
//   transit step       median time from a step of an hour in the transits window to the results window's wheel,
//                      outer ring and all, painted again at 800 × 800
//   people opened      median time to open a file of 10,000 people into the people list, shown and painted
//   people filtered    median time from a key typed into the list's Find box to the list shown again
//   first place search median time from the first key typed into the Place box of a fresh window to its list
//                      of places shown, the atlas opened on the way (fresh processes)
// Usage: bench_desktop [runs]   (default 50 clicks, 15 starts, 100 wheels)

#include "decanates/CalculationDriver.h"
#include "desktop/ChartWheelPanel.h"
#include "desktop/FilteredLineEdit.h"
#include "desktop/PlacePicker.h"
#include "desktop/TransitsWindow.h"
#include "desktop/frmDisplay.h"
#include "desktop/frmMain.h"
#include "tests/desktop/FindControl.h"
#include "tests/support/Births.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

using namespace tessaline;
using tessaline::testing::Child;

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0.0 : (n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0);
}

// Milliseconds since this process was started, from the kernel's record of its start.
double MillisecondsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string content((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t afterName = content.rfind(')');
    std::vector<std::string> fields;
    std::string field;
    for (std::size_t i = afterName + 2; i <= content.size(); ++i) {
        if (i == content.size() || content[i] == ' ') {
            fields.push_back(field);
            field.clear();
        } else {
            field += content[i];
        }
    }
    // Field 22 of the file is the start time in clock ticks after boot; it is the 20th after the name.
    const double startTicks = std::stod(fields.at(19));
    double uptimeSeconds = 0;
    std::ifstream("/proc/uptime") >> uptimeSeconds;
    return (uptimeSeconds - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK))) * 1000.0;
}

long PeakResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// Notes the first paint of any widget of a results window.
class PaintWatch : public QObject
{
public:
    bool painted = false;
    const QWidget* target = nullptr; // the window whose painting counts; the results window when none

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            const QWidget* top = static_cast<QWidget*>(watched)->window();
            painted = painted || (target != nullptr ? top == target : qobject_cast<const frmDisplay*>(top) != nullptr);
        }
        return false;
    }
};

void FillForm(frmMain& window)
{
    Child<FilteredLineEdit>(window, "txtName")->setText(QStringLiteral("BENCH MARK"));
    Child<FilteredLineEdit>(window, "txtLonD")->setText(QStringLiteral("73"));
    Child<FilteredLineEdit>(window, "txtLonM")->setText(QStringLiteral("51"));
    Child<FilteredLineEdit>(window, "txtLatD")->setText(QStringLiteral("18"));
    Child<FilteredLineEdit>(window, "txtLatM")->setText(QStringLiteral("31"));
}

int StartOnce()
{
    frmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    QCoreApplication::processEvents();
    std::printf("%.3f\n", MillisecondsSinceProcessStart());
    return 0;
}

int MemoryOnce()
{
    frmMain window;
    window.show();
    FillForm(window);
    QTest::mouseClick(Child<QPushButton>(window, "cmdRashi"), Qt::LeftButton);
    if (window.resultsWindow() == nullptr || !QTest::qWaitForWindowExposed(window.resultsWindow())) {
        return 1;
    }
    QCoreApplication::processEvents();
    std::printf("%ld\n", PeakResidentKilobytes());
    return 0;
}

// The first key in a fresh window's Place box until its list shows: the atlas is opened on that key.
int FirstPlaceSearchOnce()
{
    frmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    Child<PlacePicker>(window, "placePicker")->txtPlace->setFocus();
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(Child<PlacePicker>(window, "placePicker")->txtPlace, Qt::Key_K);
    while (!Child<PlacePicker>(window, "placePicker")->lstPlaces->isVisible() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    if (!Child<PlacePicker>(window, "placePicker")->lstPlaces->isVisible())
        return 1;
    std::printf("%.3f\n", static_cast<double>(timer.nsecsElapsed()) / 1e6);
    return 0;
}

std::vector<double> ChildFigures(const char* self, const char* mode, int runs)
{
    std::vector<double> figures;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.start(QString::fromLocal8Bit(self), {QString::fromLatin1(mode)});
        if (child.waitForFinished(30000) && child.exitCode() == 0) {
            figures.push_back(child.readAllStandardOutput().trimmed().toDouble());
        }
    }
    return figures;
}

// This thread's processor time in milliseconds: on a busy machine a fairer figure than the wall clock's.
double ThreadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct WheelTimes {
    std::vector<double> wall;
    std::vector<double> processor;
};

// Milliseconds to draw one new chart's wheel at 800 × 800, run by run (the first, which loads the fonts, left out).
WheelTimes WheelDrawTimes(int runs)
{
    const auto calculated = Calculate({fixtures::Delhi1975()}, {});
    if (!calculated)
        return {};
    ChartFacts facts = calculated->Facts();
    QWidget window;
    QMenuBar bar(&window);
    ChartWheelPanel panel(&bar, nullptr, &window);
    panel.resize(800, 800);
    WheelTimes times;
    for (int run = 0; run <= runs; ++run) {
        facts.longitudes[0] += 0.01; // a new chart each time
        QElapsedTimer timer;
        timer.start();
        const double processor = ThreadMilliseconds();
        panel.ShowChart(Chart(facts));
        const QPixmap drawn = panel.grab();
        if (run > 0) {
            times.wall.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            times.processor.push_back(ThreadMilliseconds() - processor);
        }
        if (drawn.isNull()) {
            return {};
        }
    }
    return times;
}

// Milliseconds from one step of an hour in the transits window to the wheel with its new outer ring painted.
WheelTimes TransitStepTimes(frmMain& window, int runs)
{
    FillForm(window);
    window.cmdRashi_Click();
    frmDisplay* results = window.resultsWindow();
    if (results == nullptr)
        return {};
    TransitsWindow* transits = results->showTransits();
    transits->showMoment(QDateTime(QDate(2026, 12, 9), QTime(17, 30), Qt::UTC));
    auto* panel = results->findChild<ChartWheelPanel*>();
    panel->resize(800, 800);
    WheelTimes times;
    for (int run = 0; run <= runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const double processor = ThreadMilliseconds();
        transits->step(TransitsWindow::Step::Hour, 1);
        const QPixmap drawn = panel->grab();
        if (run > 0) {
            times.wall.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            times.processor.push_back(ThreadMilliseconds() - processor);
        }
        if (drawn.isNull())
            return {};
    }
    results->cmdOK_Click();
    return times;
}

} // namespace

struct PeopleTimes {
    std::vector<double> opened;
    std::vector<double> filtered;
};

// Opens 10,000 people (a batch file of spread births) a few times, then types into the Find box key by key.
PeopleTimes PeopleListTimes(int opens)
{
    const QString path = QDir::temp().filePath(QStringLiteral("tessaline-bench-people.csv"));
    {
        std::ofstream file(path.toStdString());
        file << "name,date,time,zone,lon,lat,dst,city\n";
        const char* cities[] = {"Zürich", "São Paulo", "Kraków", "Delhi", "Springfield"};
        for (int i = 0; i < 10000; ++i)
            file << "PERSON " << static_cast<char>('A' + i / 676) << static_cast<char>('A' + i / 26 % 26)
                 << static_cast<char>('A' + i % 26) << ',' << 1901 + i % 150 << '-' << (i % 9 + 10) << '-'
                 << (i % 18 + 10) << ',' << (i % 14 + 10) << ':' << (i % 50 + 10) << ',' << i % 71 << ",077E12,28N36,0,"
                 << cities[i % 5] << '\n';
    }
    PeopleTimes times;
    frmMain window;
    window.setRowChooser([](QWidget*, const QStringList&) { return std::optional<int>(0); });
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    PaintWatch watch;
    watch.target = &window;
    QApplication::instance()->installEventFilter(&watch);
    const auto untilPainted = [&watch](QElapsedTimer& timer) {
        while (!watch.painted && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        return static_cast<double>(timer.nsecsElapsed()) / 1e6;
    };
    for (int run = 0; run < opens; ++run) {
        watch.painted = false;
        QElapsedTimer timer;
        timer.start();
        window.OpenBirthDataFrom(path);
        times.opened.push_back(untilPainted(timer));
    }
    auto* find = Child<QLineEdit>(window, "txtFindPerson");
    find->setFocus();
    for (const QString& typed : {QStringLiteral("zurich 19"), QStringLiteral("person bc")}) {
        find->clear();
        for (const QChar key : typed) {
            watch.painted = false;
            QElapsedTimer timer;
            timer.start();
            QTest::keyClick(find, key.toLatin1());
            times.filtered.push_back(untilPainted(timer));
        }
    }
    QApplication::instance()->removeEventFilter(&watch);
    QFile::remove(path);
    return times;
}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--start-once") == 0) {
        return StartOnce();
    }
    if (argc > 1 && std::strcmp(argv[1], "--memory-once") == 0) {
        return MemoryOnce();
    }
    if (argc > 1 && std::strcmp(argv[1], "--place-once") == 0)
        return FirstPlaceSearchOnce();
    const int clicks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    std::vector<double> clickTimes;
    {
        frmMain window;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            std::puts("no window could be shown");
            return 1;
        }
        FillForm(window);
        PaintWatch watch;
        application.installEventFilter(&watch);
        for (int run = 0; run <= clicks; ++run) {
            watch.painted = false;
            QElapsedTimer timer;
            timer.start();
            QTest::mouseClick(Child<QPushButton>(window, "cmdRashi"), Qt::LeftButton);
            while (!watch.painted && timer.elapsed() < 5000) {
                QCoreApplication::processEvents(QEventLoop::AllEvents);
            }
            const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            frmDisplay* results = window.resultsWindow();
            if (results == nullptr || !watch.painted) {
                std::puts("the results window did not appear");
                return 1;
            }
            if (run > 0) { // the first run also loads fonts and styles
                clickTimes.push_back(elapsed);
            }
            results->cmdOK_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    const WheelTimes wheels = WheelDrawTimes(100);
    WheelTimes steps;
    {
        frmMain window;
        window.show();
        steps = TransitStepTimes(window, 100);
    }
    const PeopleTimes people = PeopleListTimes(5);
    const std::vector<double> starts = ChildFigures(argv[0], "--start-once", 15);
    const std::vector<double> memory = ChildFigures(argv[0], "--memory-once", 3);
    const std::vector<double> places = ChildFigures(argv[0], "--place-once", 10);

    std::printf("click to results shown:   median %.2f ms over %zu clicks (limit 50 ms)\n", Median(clickTimes),
                clickTimes.size());
    std::printf("start to window shown:    median %.1f ms over %zu starts (limit 500 ms)\n", Median(starts),
                starts.size());
    std::printf("peak memory, one chart:   %.1f MB (limit 80 MB)\n", Median(memory) / 1024.0);
    std::printf("first place search shown: median %.1f ms over %zu fresh windows (limit 50 ms)\n", Median(places),
                places.size());
    std::printf("wheel drawn at 800 x 800: median %.2f ms (%.2f ms of processor time) over %zu charts (limit 16 ms)\n",
                Median(wheels.wall), Median(wheels.processor), wheels.wall.size());
    std::printf("transit step redrawn:     median %.2f ms (%.2f ms of processor time) over %zu steps (limit 16 ms)\n",
                Median(steps.wall), Median(steps.processor), steps.wall.size());
    std::printf("10,000 people opened:     median %.1f ms over %zu opens (limit 1000 ms)\n", Median(people.opened),
                people.opened.size());
    std::printf("people filtered per key:  median %.2f ms, slowest %.2f ms over %zu keys (limit 50 ms)\n",
                Median(people.filtered), *std::max_element(people.filtered.begin(), people.filtered.end()),
                people.filtered.size());
    return 0;
}
