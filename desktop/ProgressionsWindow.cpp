// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ProgressionsWindow.h"

#include "desktop/FormControls.h"
#include "desktop/QtString.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>

namespace tessaline {

namespace {

constexpr int kColumns = 6;

QTableWidget* ProgressionsTable(QWidget* parent)
{
    auto* grid = new QTableWidget(0, kColumns, parent);
    grid->setObjectName(QStringLiteral("grdProgressions"));
    grid->setAccessibleName(ProgressionsWindow::tr("Progressions"));
    grid->setHorizontalHeaderLabels({ProgressionsWindow::tr("Date"), ProgressionsWindow::tr("Age"),
                                     ProgressionsWindow::tr("Point"), ProgressionsWindow::tr("Leaves"),
                                     ProgressionsWindow::tr("Enters"), ProgressionsWindow::tr("Direction")});
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() * 3 / 2);
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

} // namespace

ProgressionsWindow::ProgressionsWindow(const Chart& chart, QWidget* parent)
    : QDialog(parent)
    , chart_(chart)
{
    setObjectName(QStringLiteral("frmProgressions"));
    setWindowTitle(tr("Progressions of %1").arg(FromUtf8(chart_.Name())));
    setFont(parent != nullptr ? parent->font() : font()); // the results window's type
    cboProgressedPoint = ChoiceList("cboProgressedPoint", tr("Point"), this);
    cboProgressedPoint->addItem(tr("All points"));
    for (const Body body : kProgressedPoints)
        cboProgressedPoint->addItem(FromUtf8(BodyName(body)));
    auto* pointLabel = new QLabel(tr("&Show:"), this);
    pointLabel->setBuddy(cboProgressedPoint);
    grdProgressions = ProgressionsTable(this);
    lblProgressionsNote = new QLabel(this);
    lblProgressionsNote->setObjectName(QStringLiteral("lblProgressionsNote"));
    lblProgressionsNote->setWordWrap(true);
    auto* close = new QPushButton(tr("&Close"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(pointLabel);
    top->addWidget(cboProgressedPoint);
    top->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblProgressionsNote, 1);
    bottom->addWidget(close, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grdProgressions, 1);
    layout->addLayout(buildRingRow());
    layout->addLayout(bottom);
    resize(980, 560); // every column without scrolling sideways at the usual type

    const Result<ProgressionTimeline> timeline = FindProgressions(chart_);
    const CivilInstant& born = chart_.Clock();
    dtpProgressedOn->setMinimumDate(QDate(born.year, born.month, born.day));
    if (timeline)
        dtpProgressedOn->setMaximumDate(QDate(timeline->end.year, timeline->end.month, timeline->end.day));
    dtpProgressedOn->setDate(QDate::currentDate()); // held inside the life's span
    // Room for the longest month's name: the control measures its dates once, before these.
    dtpProgressedOn->setMinimumWidth(dtpProgressedOn->sizeHint().width()
                                     + fontMetrics().horizontalAdvance(QStringLiteral("September 0000")));
    if (timeline) {
        rows_ = ProgressionRows(*timeline, chart_.Scheme());
        lblProgressionsNote->setText(
            tr("A day after birth for each year of life; dates on the birth's clock, in the chart's zodiac, from the "
               "precise ephemeris (the Midheaven by the solar arc). %1")
                .arg(FromUtf8(ProgressionSpanSentence(*timeline))));
    } else {
        lblProgressionsNote->setText(FromUtf8(timeline.error()));
    }
    connect(cboProgressedPoint, &QComboBox::currentIndexChanged, this, [this](int index) {
        point_
            = index <= 0 ? std::nullopt : std::optional<Body>(kProgressedPoints[static_cast<std::size_t>(index - 1)]);
        fill();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    // A row chosen brings its date to the ring's.
    connect(grdProgressions, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row < static_cast<int>(shown_.size()))
            dtpProgressedOn->setDate(
                QDate::fromString(FromUtf8(shown_[static_cast<std::size_t>(row)].date), Qt::ISODate));
    });
    fill();
    progressToDate();
}

QLayout* ProgressionsWindow::buildRingRow()
{
    chkProgressedRing = new QCheckBox(tr("Draw the progressed chart round the &wheel, on"), this);
    chkProgressedRing->setObjectName(QStringLiteral("chkProgressedRing"));
    dtpProgressedOn = new QDateEdit(this);
    dtpProgressedOn->setObjectName(QStringLiteral("dtpProgressedOn"));
    dtpProgressedOn->setAccessibleName(tr("Date of the progressed chart"));
    dtpProgressedOn->setDisplayFormat(QStringLiteral("d MMMM yyyy"));
    dtpProgressedOn->setCalendarPopup(true);
    lblProgressedRing = new QLabel(this);
    lblProgressedRing->setObjectName(QStringLiteral("lblProgressedRing"));
    lblProgressedRing->setWordWrap(true);
    connect(chkProgressedRing, &QCheckBox::toggled, this, &ProgressionsWindow::ringChanged);
    connect(dtpProgressedOn, &QDateEdit::dateChanged, this, &ProgressionsWindow::progressToDate);
    auto* row = new QHBoxLayout;
    row->addWidget(chkProgressedRing);
    row->addWidget(dtpProgressedOn);
    row->addWidget(lblProgressedRing, 1);
    return row;
}

void ProgressionsWindow::progressToDate()
{
    const QDate date = dtpProgressedOn->date();
    const Result<ProgressedPositions> positions = ProgressedOn(chart_, {date.year(), date.month(), date.day()});
    progressed_.reset();
    if (positions) {
        progressed_ = *positions;
        lblProgressedRing->setText(tr("age %1").arg(FromUtf8(AgeText(positions->age))));
    } else {
        lblProgressedRing->setText(FromUtf8(positions.error()));
    }
    if (chkProgressedRing->isChecked())
        emit ringChanged();
}

void ProgressionsWindow::drawOnWheel(bool draw, const QDate& date)
{
    dtpProgressedOn->setDate(date);
    chkProgressedRing->setChecked(draw);
}

std::optional<OuterRing> ProgressionsWindow::ring() const
{
    if (!open_ || !chkProgressedRing->isChecked() || !progressed_)
        return std::nullopt;
    return ProgressedRing(*progressed_);
}

void ProgressionsWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!std::exchange(open_, true))
        emit ringChanged();
}

void ProgressionsWindow::hideEvent(QHideEvent* event)
{
    open_ = false;
    emit ringChanged();
    QDialog::hideEvent(event);
}

void ProgressionsWindow::showPoint(std::optional<Body> point)
{
    const auto at
        = point ? std::find(kProgressedPoints.begin(), kProgressedPoints.end(), *point) : kProgressedPoints.end();
    cboProgressedPoint->setCurrentIndex(
        at == kProgressedPoints.end() ? 0 : static_cast<int>(at - kProgressedPoints.begin()) + 1);
}

void ProgressionsWindow::fill()
{
    grdProgressions->setRowCount(0);
    shown_.clear();
    for (const ProgressionRow& row : rows_) {
        if (point_ && row.body != *point_)
            continue;
        shown_.push_back(row);
        const int at = grdProgressions->rowCount();
        grdProgressions->insertRow(at);
        const std::array<QString, kColumns> cells{FromUtf8(row.date), FromUtf8(row.age),     FromUtf8(row.point),
                                                  FromUtf8(row.left), FromUtf8(row.entered), FromUtf8(row.direction)};
        // The whole change in one sentence, for a screen reader reading a cell out of its row.
        const QString sentence = tr("On %1, at %2, the progressed %3 leaves %4 and enters %5 (%6)")
                                     .arg(cells[0], cells[1], cells[2], cells[3], cells[4], cells[5]);
        for (int column = 0; column < kColumns; ++column) {
            auto* item = new QTableWidgetItem(cells[static_cast<std::size_t>(column)]);
            item->setToolTip(sentence);
            grdProgressions->setItem(at, column, item);
        }
    }
    grdProgressions->resizeColumnsToContents();
}

} // namespace tessaline
