// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "atlas/Clock.h"
#include "decanates/Chart.h"
#include "desktop/OuterRingSource.h"
#include "report/TransitReport.h"

#include <QDialog>

#include <array>
#include <optional>

class QAction;
class QComboBox;
class QDateTime;
class QDateTimeEdit;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tessaline {

// View › Transits: the sky at a chosen moment around the chart shown, "now" when it opens. The moment is set
// in a date-and-time control on a clock (the birth's, universal time, or a zone of the list), or stepped an hour,
// a day, a month or a year back and forth by buttons and by the keys its Moment menu lists. Each body's place,
// direction, decanate, the chart's bodies in the same decanate and the moment it leaves are listed a row a body;
// the results window draws them as the wheel's outer ring. A body entering one of the chart's decanates is
// announced to a screen reader with its sentence.
class TransitsWindow : public QDialog, public OuterRingSource
{
    Q_OBJECT

public:
    TransitsWindow(const Chart& chart, QWidget* parent);

    // The chart the sky stands around: the same moment, around the chart as it is now (another scheme, say).
    void setChart(const Chart& chart);

    enum class Step { Hour, Day, Month, Year };
    // Moves the moment by count steps (negative: back), on the chosen clock's calendar.
    void step(Step size, int count);
    // The clock of the birthplace through time (nothing without a place), listed first and chosen when new.
    void setBirthplaceClock(std::optional<atlas::InstantClock> clock);
    // Sets the moment to now.
    void showNow();
    // Sets the moment, read on the chosen clock; a moment outside the tables' years is held at their edge.
    void showMoment(const QDateTime& moment);

    const std::optional<TransitReport>& report() const noexcept { return report_; }
    const std::vector<TransitRow>& rows() const noexcept { return rows_; }
    // The outer ring the results window draws; nothing without a sky, or while the window is closed.
    std::optional<OuterRing> ring() const override;
    // The sentences announced at the last step: of the bodies that entered one of the chart's decanates.
    const QStringList& announced() const noexcept { return announced_; }

    std::array<QAction*, 9> mnuMoment{}; // Now, then each step back and forward, hour to year

signals:
    // The sky changed, or the window opened or closed (ring() then gives nothing).
    void ringChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void addMomentMenu();
    // The clock list anew; placeFirst chooses the birthplace's clock (or the birth's), else the same kind as before.
    void fillClocks(bool placeFirst);
    const atlas::InstantClock& clock() const;
    // A universal instant as the chosen clock reads it, held as the date-and-time control holds it.
    QDateTime onClock(std::int64_t unixSeconds) const;
    void keepInstant();
    void calculate();
    void fill();
    void announce(const std::optional<TransitReport>& before);

    Chart chart_;
    QDateTimeEdit* dtpTransits = nullptr;
    QComboBox* cboTransitClock = nullptr;
    QPushButton* cmdNow = nullptr;
    QTableWidget* grdTransits = nullptr;
    QLabel* lblTransitNews = nullptr;
    QLabel* lblTransitsNote = nullptr;
    std::optional<atlas::InstantClock> birthplace_;
    std::vector<atlas::InstantClock> clocks_; // as the clock list lists them
    bool placeListed_ = false;
    std::optional<TransitReport> report_;
    std::vector<TransitRow> rows_;
    QStringList announced_;
    bool open_ = false; // shown: the wheel draws its ring
};

} // namespace tessaline
