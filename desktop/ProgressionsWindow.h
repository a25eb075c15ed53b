// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"
#include "desktop/OuterRingSource.h"
#include "report/ProgressionReport.h"

#include <QDialog>

#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDate;
class QDateEdit;
class QLabel;
class QTableWidget;

namespace tessaline {

// View › Progressions: a life's progressions of the chart shown, every decanate its progressed points enter from
// birth to a hundred, a row a change (the rows the chart tool writes), in the chart's zodiac and scheme, the dates
// on the birth's clock. One point or all may be shown. A window of its own beside the results, read by keyboard
// and screen reader like a table. On request, the progressed chart of a chosen date (a row's, or one typed) is the
// ring round the results window's wheel.
class ProgressionsWindow : public QDialog, public OuterRingSource
{
    Q_OBJECT

public:
    ProgressionsWindow(const Chart& chart, QWidget* parent);

    const std::vector<ProgressionRow>& rows() const noexcept { return rows_; }
    // Shows the changes of one point only, or (nothing) of all.
    void showPoint(std::optional<Body> point);
    // The progressed chart of this date of the birth's clock round the wheel (or not); the date is held between
    // the birth and the last day that can be progressed.
    void drawOnWheel(bool draw, const QDate& date);
    // The progressed points on the chosen date while the window is open and asked to draw them.
    std::optional<OuterRing> ring() const override;

signals:
    // The date or the choice to draw changed, or the window opened or closed.
    void ringChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void fill();
    QLayout* buildRingRow();
    void progressToDate();

    Chart chart_;
    QComboBox* cboProgressedPoint = nullptr;
    QTableWidget* grdProgressions = nullptr;
    QLabel* lblProgressionsNote = nullptr;
    QCheckBox* chkProgressedRing = nullptr;
    QDateEdit* dtpProgressedOn = nullptr;
    QLabel* lblProgressedRing = nullptr;
    std::vector<ProgressionRow> rows_;
    std::vector<ProgressionRow> shown_; // the rows of the table, as it shows them
    std::optional<Body> point_;
    std::optional<ProgressedPositions> progressed_; // on the chosen date
    bool open_ = false;
};

} // namespace tessaline
