// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"
#include "decanates/DecanateChanges.h"

#include <QDate>
#include <QDialog>

#include <optional>
#include <vector>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tessaline {

// View › Decanate Calendar: every moment the Sun to Pluto and the node enter another decanate in a month or a
// year, in the chart's zodiac and scheme, the times in the birth's clock; saved as iCalendar for a calendar
// program. A window of its own beside the results, read by keyboard and screen reader like a table.
class DecanateCalendarWindow : public QDialog
{
    Q_OBJECT

public:
    DecanateCalendarWindow(const Chart& chart, QWidget* parent);

    // Shows the month or the year (whole) that holds the date.
    void showPeriod(QDate date, bool wholeYear);
    const std::vector<DecanateChange>& changes() const noexcept { return changes_; }
    // Writes the period's changes as an iCalendar file through a temporary file; the reason when it cannot.
    std::optional<QString> saveTo(const QString& path) const;

private:
    void calculate();
    void saveClicked();

    Chart chart_;
    QComboBox* cboPeriod = nullptr;
    QDateEdit* dtpPeriod = nullptr;
    QPushButton* cmdEarlier = nullptr;
    QPushButton* cmdLater = nullptr;
    QTableWidget* grdChanges = nullptr;
    QLabel* lblCalendarNote = nullptr;
    QPushButton* cmdSaveCalendar = nullptr;
    std::vector<DecanateChange> changes_;
};

} // namespace tessaline
