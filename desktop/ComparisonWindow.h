// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"
#include "desktop/OuterRingSource.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace tessaline {

// File › Compare With…: the decanates the chart shown shares with another person's, a row a pair of bodies
// (one of each) in the same decanate, in zodiac order; the same rows whichever person was charted first. While it
// is open, the other person's chart is the ring round the results window's wheel.
class ComparisonWindow : public QDialog, public OuterRingSource
{
    Q_OBJECT

public:
    ComparisonWindow(const Chart& first, const Chart& second, QWidget* parent);

    const Chart& other() const noexcept { return second_; }
    std::optional<OuterRing> ring() const override;

signals:
    // The window opened or closed.
    void ringChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Chart first_;
    Chart second_;
    QTableWidget* grdContacts = nullptr;
    QLabel* lblComparison = nullptr;
    bool open_ = false;
};

} // namespace tessaline
