// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace tessaline {

// File › Compare With…: the decanates the chart shown shares with another person's, a row a pair of bodies
// (one of each) in the same decanate, in zodiac order; the same rows whichever person was charted first.
class ComparisonWindow : public QDialog
{
    Q_OBJECT

public:
    ComparisonWindow(const Chart& first, const Chart& second, QWidget* parent);

    const Chart& other() const noexcept { return second_; }

private:
    Chart first_;
    Chart second_;
    QTableWidget* grdContacts = nullptr;
    QLabel* lblComparison = nullptr;
};

} // namespace tessaline
