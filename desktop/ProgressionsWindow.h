// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"
#include "report/ProgressionReport.h"

#include <QDialog>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;

namespace tessaline {

// View › Progressions: a life's progressions of the chart shown, every decanate its progressed points enter from
// birth to a hundred, a row a change (the rows the chart tool writes), in the chart's zodiac and scheme, the dates
// on the birth's clock. One point or all may be shown. A window of its own beside the results, read by keyboard
// and screen reader like a table.
class ProgressionsWindow : public QDialog
{
    Q_OBJECT

public:
    ProgressionsWindow(const Chart& chart, QWidget* parent);

    const std::vector<ProgressionRow>& rows() const noexcept { return rows_; }
    // Shows the changes of one point only, or (nothing) of all.
    void showPoint(std::optional<Body> point);

private:
    void fill();

    Chart chart_;
    QComboBox* cboProgressedPoint = nullptr;
    QTableWidget* grdProgressions = nullptr;
    QLabel* lblProgressionsNote = nullptr;
    std::vector<ProgressionRow> rows_;
    std::optional<Body> point_;
};

} // namespace tessaline
