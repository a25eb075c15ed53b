// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "atlas/Clock.h"
#include "base/Result.h"
#include "decanates/Chart.h"
#include "desktop/AccessibleControls.h"
#include "desktop/NoticeLabel.h"
#include "report/DrekkanaChartSvg.h"
#include "report/Reading.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QFrame;
class QGridLayout;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class QSettings;

namespace tessaline {

class ChartWheelPanel;
class DecanateCalendarWindow;
class ComparisonWindow;
class ProgressionsWindow;
class TransitsWindow;
class ImageList;
class LinkLabel;
class TabPanel;

// The results window: one tab per body, Sun to Pluto, each with the body's picture, position, decanate
// and the three interpretation texts. It computes nothing; the calculation writes into it.
class frmDisplay : public QMainWindow
{
    Q_OBJECT

public:
    template <typename T> using PerBody = std::array<T*, kDecanateBodyCount>;

    // `birthDataWindow` is shown again by Back; the window deletes itself when closed. `settings`, when
    // given, remember what the View menu shows between runs.
    explicit frmDisplay(QWidget* birthDataWindow, QSettings* settings = nullptr);

    // Fills the window from a chart: the name, the short lines of its instant, clock, place, zodiac and angles,
    // and for every body its position, its picture (number i + 1 of the list), the ten decanate texts, its
    // margin and precise sentences.
    void ShowDecanateResults(const Chart& chart, const ImageList& pictures);

    void cmdOK_Click();
    void cmdExit_Click();
    // View › Transits: opens (or brings back) the window of the sky around the chart; the wheel draws it.
    TransitsWindow* showTransits();
    // The clocks of the birthplace through time, for the transits (nothing: the birth had no place).
    void setBirthplaceClock(std::optional<atlas::InstantClock> clock);

    // Saves the reading shown, HTML or PDF by the file name's ending; a failure is reported in a message.
    bool SaveReadingTo(const QString& path);
    // Saves the picture in front (the wheel, or the drekkana chart) as .svg, .png (pixels on its longer side) or
    // .pdf; a failure is reported in a message naming the file.
    bool SaveChartPictureTo(const QString& path, int pixels = 1000);
    // How File › Compare With… charts another person: from a birth file, with the birth data window's options; why
    // not otherwise (empty when the user chose no one).
    using Comparer = std::function<Result<Chart, QString>(const QString& path)>;
    void setComparer(Comparer comparer) { comparer_ = std::move(comparer); }
    // Compares the chart shown with the person the file holds; false after the message that says why not.
    bool CompareWith(const QString& path);

    // Prints the reading shown on a printer already set up (or to its file); a failure is reported in a
    // message.
    bool PrintReadingOn(QPrinter& printer);

    // How the drekkana chart beside the tabs is drawn, as the Options menu chooses it.
    void setDrekkanaStyle(DrekkanaStyle style);

    // The chart shown, made again in another decan scheme: the tabs, the pictures and the reading follow it.
    void setDecanScheme(DecanScheme scheme);

    // Puts the birth data window's Options › Decan Scheme into this window's own Options menu, so that the
    // scheme can be changed while the birth data window is hidden.
    void shareSchemeMenu(QMenu* schemes);

    // The chart the window shows (its reading, its pictures).
    const Chart& shownChart() const noexcept { return reading_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The ring of the window that changed last, or of the next that still gives one; none: the plain wheel.
    void offerRing(QWidget* source);
    ReadingRing readingRing() const;
    template <typename Window> Window* ringSource(Window* window);
    void buildMenus(QSettings* settings);
    QWidget* buildBanner();
    QFrame* buildPanel(std::size_t body);
    // The caption and value of each short field, with the margin and precise lines under the position.
    QGridLayout* buildFields(QFrame* panel, std::size_t body);
    // The three interpretation texts under their captions, side by side.
    QGridLayout* buildTexts(QFrame* panel, std::size_t body);
    QWidget* buildBottomStrip();
    // Fills everything but the pictures of the bodies from the chart, with the mansions as the View menu says.
    void showChart(const Chart& chart);
    void mnuAbout_Click();
    void mnuSaveReading_Click();
    void mnuSaveChartPicture_Click();
    // The picture in front as an SVG for paper, with its caption.
    std::string pictureInFront() const;
    void mnuPrint_Click();

    QLabel* lblName = nullptr;
    QLabel* lblInstant = nullptr; // "Calculated for 15 June 1975, 05:00 Universal Time (zone +5:30, ...)"
    QLabel* lblClock = nullptr; // what the clocks read at the place, when it was chosen from the atlas
    QLabel* lblPlace = nullptr;
    QLabel* lblZodiac = nullptr;
    QLabel* lblAngles = nullptr;
    QLabel* lblMansions = nullptr; // the angles' and nodes' lunar mansions, when the View menu shows them
    PerBody<NoticeLabel> lblMargin{};
    PerBody<NoticeLabel> lblPrecise{};

    TabPanel* SSTab1 = nullptr;
    ChartWheelPanel* chartPanel = nullptr; // the wheel and the drekkana chart beside the tabs
    PerBody<QFrame> Frame3{};
    PerBody<QLabel> lblPlanetName{};
    PerBody<QLabel> lblPosition{};
    PerBody<QLabel> lblDecanateName{};
    PerBody<QLabel> lblDecanateSign{};
    PerBody<QLabel> lblRulingPlanet{};
    PerBody<QLabel> lblRulingElement{};
    PerBody<QLabel> lblScheme{}; // which scheme gives the sign and ruler, when it is not the table's own
    PerBody<QLabel> lblConstellationName{};
    PerBody<QLabel> lblKeyword{};
    PerBody<QLabel> lblTreeZodiac{};
    PerBody<QLabel> lblLunarMansion{};
    PerBody<QLabel> picPlanet{};
    PerBody<LockedTextBox> txtKarmicInfluence{};
    PerBody<LockedTextBox> txtMoreAboutTreeZodiac{};
    PerBody<LockedTextBox> txtMoreAboutDecanateSign{};
    LinkLabel* Label61 = nullptr;
    LinkLabel* lblCoBrandAd = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdExit = nullptr;

    QAction* mnuSaveReading = nullptr;
    QAction* mnuSaveChartPicture = nullptr;
    QAction* mnuDecanateCalendar = nullptr;
    QAction* mnuProgressions = nullptr;
    QAction* mnuTransits = nullptr;
    QAction* mnuCompareWith = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuFileBack = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuOptions = nullptr; // made when the birth data window shares its decan schemes
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;

    QPointer<QWidget> birthDataWindow_;
    Chart reading_{ChartFacts{}}; // what the window shows, for saving and printing
    QPointer<DecanateCalendarWindow> calendar_; // once View › Decanate Calendar opened it
    QPointer<ComparisonWindow> comparison_; // the last File › Compare With…
    QPointer<ProgressionsWindow> progressions_; // once View › Progressions opened it
    QPointer<TransitsWindow> transits_; // once View › Transits opened it: the wheel's outer ring while shown
    // The windows that can draw round the wheel, the one that changed last first: the first that gives a ring draws.
    QList<QPointer<QWidget>> ringSources_;
    QPointer<QWidget> ringOwner_; // the one whose ring is drawn
    std::optional<atlas::InstantClock> birthplaceClock_;
    Comparer comparer_;
    std::unique_ptr<ImageList> pictures_;
    bool goingBack_ = false;
};

} // namespace tessaline
