// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/ChartWheelSvg.h"
#include "report/DrekkanaChartSvg.h"

#include <QPixmap>
#include <QRectF>
#include <QWidget>

#include <memory>
#include <optional>

class QAction;
class QLabel;
class QScrollArea;
class QTabBar;
class QMenuBar;
class QSettings;
class QSvgRenderer;

namespace tessaline {

class TabPanel;

// Where the pictures stand in a panel of the given size: the wheel at the top, the drekkana chart under it
// (with a line of heading above it) or in its place. A picture not shown has an empty rectangle. Both
// pictures are squares, centred across the panel.
struct ChartPicturePlaces {
    QRectF wheel;
    QRectF drekkanaHeading;
    QRectF drekkana;
};
ChartPicturePlaces PlaceChartPictures(QSizeF panel, bool wheel, bool drekkana, qreal headingHeight);

// The results window's first size: what its contents ask for, at least a comfortable reading size, and no
// more than the room the screen has (its available size) with the window's frame: a 1280 × 800 screen
// takes it whole.
QSize ResultsWindowSize(QSize contents, QSize available);

// The chart as pictures beside the results window's tabs: the wheel, and the drekkana chart under it or
// in its place, drawn from the same SVG the reading and the chart tool give, at the panel's size and
// the screen's pixel density. The panel owns the window's View menu, which shows or hides each picture
// (the panel itself when neither is shown) and remembers the choice.
//
// Clicking a body's glyph in either picture, or stepping to it with the arrow keys while the panel has
// the focus, chooses it; besideTabs() brings its tab to the front, and a tab brought to the front
// chooses its body here. The tooltip says where the point under the mouse stands, and the panel's
// accessible description where the chosen body stands.
class ChartWheelPanel : public QWidget
{
    Q_OBJECT

public:
    // Adds the View menu to the bar; settings, when given, remember what it shows between runs.
    ChartWheelPanel(QMenuBar* bar, QSettings* settings, QWidget* parent);
    ~ChartWheelPanel() override;

    QAction* mnuChartWheel = nullptr;
    QAction* mnuDrekkanaChart = nullptr;
    // The 27 lunar mansions on the wheel and in the reading; the results window makes its chart again with
    // them or without.
    QAction* mnuLunarMansions = nullptr;
    // With both pictures chosen: which one the panel shows, each at the panel's whole size.
    QTabBar* tabPictures = nullptr;
    // In place of a drekkana chart the chart's scheme does not give (the faces stand in no sign): why there
    // is none, which the keyboard reaches and a screen reader reads.
    QLabel* lblDrekkanaUnavailable = nullptr;

    // The panel and the tabs side by side, in a splitter the user can move.
    QWidget* besideTabs(TabPanel* tabs);

    void ShowChart(const Chart& chart);
    // Points drawn round the chart as the wheel's outer ring (nothing: the plain wheel); a screen reader hears
    // them after the chosen body.
    void setOuterRing(std::optional<OuterRing> ring);
    const std::optional<OuterRing>& outerRing() const noexcept { return ring_; }
    void setDrekkanaStyle(DrekkanaStyle style);
    DrekkanaStyle drekkanaStyle() const noexcept { return style_; }

    // The wheel as the panel draws it: the SVG it gives its renderer.
    std::string wheelPicture() const;
    // Whether the picture in front is the drekkana chart (the wheel hidden, or behind its tab).
    bool drekkanaInFront() const
    {
        const Shown shown = shownPictures();
        return shown.drekkana && !shown.wheel;
    }

    BodyIndex chosenBody() const noexcept { return chosen_; }
    ChartPicturePlaces places() const;
    // Where a point's glyph stands in the panel, in the wheel or else in the drekkana chart; nothing when
    // neither is shown.
    std::optional<QPointF> glyphCentre(BodyIndex body) const;
    // The point whose glyph (on the wheel also its degrees and minutes) is at pos, if any.
    std::optional<BodyIndex> pointAt(QPointF pos) const;

public slots:
    void chooseBody(int body);

signals:
    // A body Sun .. Pluto was chosen in the panel.
    void bodyChosen(int body);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    void addViewMenu(QMenuBar* bar);
    void showChosenPictures();
    // Makes the panel in its splitter as wide as its pictures are at its height.
    void fitWidthToHeight();
    // The least side of the picture shown at which its smallest text is as large as the window's own type.
    int readableSide() const;
    // The heading's height at the panel's width: it wraps rather than being cut.
    int headingHeight() const;
    // The pictures shown now (with both chosen, the one whose tab is in front) and where they start.
    struct Shown {
        bool wheel;
        bool drekkana;
        qreal top;
    };
    Shown shownPictures() const;
    // Lays the pictures out anew, in the palette's colours, and has them drawn: after a new chart, form or
    // palette.
    void drawPictures();
    void stepChoice(int step);
    // The chosen body's place, then the outer ring's, as the panel's accessible description.
    void describeChosen();
    QString drekkanaHeading() const;
    // Shows the reason there is no drekkana chart where the chart would stand, or hides it.
    void placeUnavailableNote();

    QSettings* settings_;
    QScrollArea* scroll_ = nullptr; // the pictures' scroll area in the splitter, once besideTabs() made it
    Chart chart_{ChartFacts{}};
    bool charted_ = false;
    DrekkanaStyle style_ = DrekkanaStyle::SouthIndian;
    PictureOptions options_;
    std::unique_ptr<QSvgRenderer> wheel_;
    std::unique_ptr<QSvgRenderer> drekkana_;
    bool wheelRead_ = false; // whether each renderer holds the chart's picture
    bool drekkanaRead_ = false;
    std::optional<OuterRing> ring_;
    WheelLayout wheelLayout_;
    DrekkanaLayout drekkanaLayout_;
    bool hasDrekkana_ = true; // whether the chart's scheme gives a drekkana chart
    BodyIndex chosen_ = BodyIndex::Moon;
    bool fitted_ = false;
    QPixmap drawn_; // both pictures at the panel's size in device pixels, drawn again when either changes
};

} // namespace tessaline
