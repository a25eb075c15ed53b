// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's pictures from the real windows: run under a display, e.g.
//   xvfb-run -a build/dev/tests/desktop/desktop_screenshots docs
// It fills in a sample birth, calculates, and grabs the birth data window, the results window and the about box,
// then a second birth whose Moon tab shows a birth-time margin, and the same birth's drekkana chart. A second
// argument saves that reading too; a third names a folder for the chart pictures in both zodiacs and both
// drekkana forms, the wheel and the drekkana chart shown together.

#include "desktop/ChartWheelPanel.h"
#include "desktop/FilteredLineEdit.h"
#include "desktop/OptionsMenu.h"
#include "desktop/PlacePicker.h"
#include "desktop/TabPanel.h"
#include "desktop/frmAbout.h"
#include "desktop/frmDisplay.h"
#include "desktop/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace tessaline;

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
        results->chartPanel->mnuChartWheel->setChecked(wheel);
        results->chartPanel->mnuDrekkanaChart->setChecked(drekkana);
    }
    return results;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    bool ok = true;

    frmMain window;
    window.show();
    window.txtName->setText(QStringLiteral("ADA LOVELACE"));
    window.cboMonth->setCurrentIndex(11);
    window.cboDate->setCurrentIndex(9);
    window.cboYear->setCurrentIndex(1915 - 1901);
    window.cboHH->setCurrentIndex(14);
    window.cboMM->setCurrentIndex(30);
    window.txtLonD->setText(QStringLiteral("0"));
    window.txtLonM->setText(QStringLiteral("7"));
    window.optLong[1]->setChecked(true);
    window.txtLatD->setText(QStringLiteral("51"));
    window.txtLatM->setText(QStringLiteral("30"));
    window.txtMCity->setText(QStringLiteral("London"));
    window.txtMState->setText(QStringLiteral("England"));
    window.txtMCountry->setText(QStringLiteral("United Kingdom"));
    ok &= QTest::qWaitForWindowExposed(&window);
    ok &= Save(window, folder, "birth-data-window.png");

    // The same window after choosing a place from the atlas: Paris, 1 July 1976, 10:30, in summer time.
    {
        frmMain placed;
        placed.show();
        placed.txtName->setText(QStringLiteral("ADA LOVELACE"));
        placed.cboMonth->setCurrentIndex(6);
        placed.cboYear->setCurrentIndex(1976 - 1901);
        placed.cboHH->setCurrentIndex(10);
        placed.cboMM->setCurrentIndex(30);
        placed.placePicker->txtPlace->setFocus();
        placed.placePicker->waitForAtlas();
        QTest::keyClicks(placed.placePicker->txtPlace, QStringLiteral("paris"));
        placed.placePicker->choosePlace(0);
        ok &= QTest::qWaitForWindowExposed(&placed);
        ok &= Save(placed, folder, "place-chosen.png");
    }

    window.cmdRashi_Click();
    frmDisplay* results = window.resultsWindow();
    if (results == nullptr) {
        std::puts("the calculation did not open the results window");
        return 1;
    }
    ok &= QTest::qWaitForWindowExposed(results);
    ok &= Save(*results, folder, "results-window.png");

    QTimer::singleShot(300, [&] {
        if (auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget())) {
            ok &= Save(*about, folder, "about-box.png");
            about->accept();
        }
    });
    results->mnuAbout->trigger();

    // A tab whose decanate may change with the birth time: Delhi, 15 June 1975, 19:26 Indian Time, when the
    // Moon is minutes short of 10° Virgo.
    results->cmdOK_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window.txtName->setText(QStringLiteral("ASHA RAO"));
    window.cboMonth->setCurrentIndex(5);
    window.cboDate->setCurrentIndex(14);
    window.cboYear->setCurrentIndex(1975 - 1901);
    window.cboHH->setCurrentIndex(19);
    window.cboMM->setCurrentIndex(26);
    window.cmbTimeZone->setCurrentIndex(34);
    window.txtLonD->setText(QStringLiteral("77"));
    window.txtLonM->setText(QStringLiteral("12"));
    window.optLong[0]->setChecked(true);
    window.txtLatD->setText(QStringLiteral("28"));
    window.txtLatM->setText(QStringLiteral("36"));
    window.cmdRashi_Click();
    results = window.resultsWindow();
    if (results == nullptr)
        return 1;
    ok &= QTest::qWaitForWindowExposed(results);
    ok &= Save(*results, folder, "margin-tab.png");
    if (argc > 2)
        ok &= results->SaveReadingTo(QString::fromLocal8Bit(argv[2]));

    // The drekkana chart in the place of the wheel: sidereal (Lahiri), North Indian.
    OptionsMenu& options = *window.options;
    results = Recalculate(window, options.mnuSidereal[0], options.mnuDrekkanaNorth, false, true);
    if (results == nullptr)
        return 1;
    ok &= QTest::qWaitForWindowExposed(results);
    ok &= Save(*results, folder, "drekkana-chart.png");

    if (argc > 3) {
        const QDir pictures(QString::fromLocal8Bit(argv[3]));
        struct Shot {
            QAction* zodiac;
            QAction* form;
            const char* file;
        };
        for (const Shot& shot : {Shot{options.mnuTropical, options.mnuDrekkanaSouth, "tropical-south.png"},
                                 Shot{options.mnuTropical, options.mnuDrekkanaNorth, "tropical-north.png"},
                                 Shot{options.mnuSidereal[0], options.mnuDrekkanaSouth, "sidereal-south.png"},
                                 Shot{options.mnuSidereal[0], options.mnuDrekkanaNorth, "sidereal-north.png"}}) {
            results = Recalculate(window, shot.zodiac, shot.form, true, true);
            if (results == nullptr)
                return 1;
            ok &= QTest::qWaitForWindowExposed(results);
            ok &= Save(*results, pictures, shot.file);
        }
    }
    return ok ? 0 : 1;
}
