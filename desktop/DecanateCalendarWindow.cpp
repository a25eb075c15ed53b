// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DecanateCalendarWindow.h"

#include "chart/Version.h"
#include "chart/ZoneTable.h"
#include "desktop/FormControls.h"
#include "desktop/MessagePresenter.h"
#include "desktop/QtString.h"
#include "ephemeris/JulianDay.h"
#include "report/DecanateCalendar.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QTimeZone>
#include <QVBoxLayout>

namespace tessaline {

namespace {

constexpr std::array<Body, 11> kCalendarBodies{Body::Sun,     Body::Moon,    Body::Mercury, Body::Venus,
                                               Body::Mars,    Body::Jupiter, Body::Saturn,  Body::Uranus,
                                               Body::Neptune, Body::Pluto,   Body::Rahu};

// The Julian day (UT) of a civil date's midnight on a clock east of Greenwich by offsetSeconds.
double MidnightOn(QDate date, int offsetSeconds)
{
    return JulianDayNumber(date.month(), date.day(), date.year()) - 0.5 - offsetSeconds / 86400.0;
}

} // namespace

DecanateCalendarWindow::DecanateCalendarWindow(const Chart& chart, QWidget* parent)
    : QDialog(parent)
    , chart_(chart)
{
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(tr("Decanate Calendar"));
    setFont(parent != nullptr ? parent->font() : font()); // the results window's type
    cboPeriod = ChoiceList("cboPeriod", tr("Period"), this);
    cboPeriod->addItems({tr("Month"), tr("Year")});
    dtpPeriod = new QDateEdit(this);
    dtpPeriod->setObjectName(QStringLiteral("dtpPeriod"));
    dtpPeriod->setDisplayFormat(QStringLiteral("MMMM yyyy"));
    dtpPeriod->setDateRange(QDate(1901, 1, 1), QDate(2050, 12, 31));
    dtpPeriod->setAccessibleName(tr("Month and year"));
    auto* periodLabel = new QLabel(tr("&Show:"), this);
    periodLabel->setBuddy(cboPeriod);
    cmdEarlier = new QPushButton(tr("&Earlier"), this);
    cmdEarlier->setObjectName(QStringLiteral("cmdEarlier"));
    cmdLater = new QPushButton(tr("&Later"), this);
    cmdLater->setObjectName(QStringLiteral("cmdLater"));
    grdChanges = new QTableWidget(0, 3, this);
    grdChanges->setObjectName(QStringLiteral("grdChanges"));
    grdChanges->setAccessibleName(tr("Decanate changes"));
    grdChanges->setHorizontalHeaderLabels({tr("When"), tr("Body"), tr("Change")});
    grdChanges->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdChanges->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdChanges->setTabKeyNavigation(false);
    grdChanges->setWordWrap(false);
    grdChanges->verticalHeader()->hide();
    grdChanges->verticalHeader()->setDefaultSectionSize(grdChanges->fontMetrics().height() * 3 / 2);
    grdChanges->horizontalHeader()->setStretchLastSection(true);
    lblCalendarNote = new QLabel(this);
    lblCalendarNote->setObjectName(QStringLiteral("lblCalendarNote"));
    lblCalendarNote->setWordWrap(true);
    cmdSaveCalendar = new QPushButton(tr("Save as &iCalendar…"), this);
    cmdSaveCalendar->setObjectName(QStringLiteral("cmdSaveCalendar"));
    auto* close = new QPushButton(tr("&Close"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(periodLabel);
    top->addWidget(cboPeriod);
    top->addWidget(dtpPeriod);
    top->addWidget(cmdEarlier);
    top->addWidget(cmdLater);
    top->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cmdSaveCalendar);
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grdChanges, 1);
    layout->addWidget(lblCalendarNote);
    layout->addLayout(bottom);
    resize(760, 520);

    const auto step = [this](int direction) {
        const QDate at = dtpPeriod->date();
        dtpPeriod->setDate(cboPeriod->currentIndex() == 1 ? at.addYears(direction) : at.addMonths(direction));
    };
    connect(cmdEarlier, &QPushButton::clicked, this, [step] { step(-1); });
    connect(cmdLater, &QPushButton::clicked, this, [step] { step(1); });
    connect(cboPeriod, &QComboBox::currentIndexChanged, this, &DecanateCalendarWindow::calculate);
    connect(dtpPeriod, &QDateEdit::dateChanged, this, &DecanateCalendarWindow::calculate);
    connect(cmdSaveCalendar, &QPushButton::clicked, this, &DecanateCalendarWindow::saveClicked);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    showPeriod(QDate::currentDate(), false);
}

void DecanateCalendarWindow::showPeriod(QDate date, bool wholeYear)
{
    const QSignalBlocker quiet(cboPeriod);
    const QSignalBlocker still(dtpPeriod);
    cboPeriod->setCurrentIndex(wholeYear ? 1 : 0);
    dtpPeriod->setDate(date.isValid() ? date : QDate::currentDate());
    calculate();
}

void DecanateCalendarWindow::calculate()
{
    const bool year = cboPeriod->currentIndex() == 1;
    dtpPeriod->setDisplayFormat(year ? QStringLiteral("yyyy") : QStringLiteral("MMMM yyyy"));
    const QDate at = dtpPeriod->date();
    const QDate first = year ? QDate(at.year(), 1, 1) : QDate(at.year(), at.month(), 1);
    const QDate next = year ? first.addYears(1) : first.addMonths(1);
    const int offset = chart_.ClockOffset().seconds;
    const Result<std::vector<DecanateChange>> found
        = FindDecanateChanges({MidnightOn(first, offset), MidnightOn(next, offset),
                               std::vector<Body>(kCalendarBodies.begin(), kCalendarBodies.end()), chart_.Zodiac()});
    changes_ = found ? *found : std::vector<DecanateChange>{};
    grdChanges->setRowCount(static_cast<int>(changes_.size()));
    const QTimeZone clock(offset);
    for (int row = 0; row < grdChanges->rowCount(); ++row) {
        const DecanateChange& change = changes_[static_cast<std::size_t>(row)];
        const QDateTime when = QDateTime::fromSecsSinceEpoch(change.unixSeconds, clock);
        const std::array<QString, 3> cells{QLocale().toString(when, QStringLiteral("ddd d MMM yyyy, HH:mm")),
                                           FromUtf8(BodyName(change.body)),
                                           FromUtf8(ChangeSentence(change, chart_.Scheme()))};
        for (int column = 0; column < 3; ++column)
            grdChanges->setItem(row, column, new QTableWidgetItem(cells[static_cast<std::size_t>(column)]));
    }
    grdChanges->resizeColumnsToContents();
    const QString count = changes_.size() == 1 ? tr("1 change") : tr("%1 changes").arg(changes_.size());
    lblCalendarNote->setText(
        found ? tr("%1; times on the birth's clock (UT%2), in the chart's zodiac, from the precise ephemeris.")
                    .arg(count, FromUtf8(ReadableOffset(offset)))
              : FromUtf8(found.error()));
    cmdSaveCalendar->setEnabled(!changes_.empty());
}

std::optional<QString> DecanateCalendarWindow::saveTo(const QString& path) const
{
    CalendarSetting setting;
    setting.format = CalendarFormat::ICalendar;
    setting.zodiacKey = CalendarZodiacKey(chart_.Zodiac());
    setting.version = kProgramVersion;
    setting.scheme = chart_.Scheme();
    std::string text;
    AppendCalendarStart(text, setting);
    for (const DecanateChange& change : changes_)
        AppendCalendarChange(text, change, {}, setting);
    AppendCalendarEnd(text, setting);
    // Written in full to a temporary file first, so a failure never leaves half a file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())
        || !file.commit())
        return file.errorString();
    return std::nullopt;
}

void DecanateCalendarWindow::saveClicked()
{
    QString path
        = QFileDialog::getSaveFileName(this, tr("Save Decanate Calendar"),
                                       QDir::home().filePath(tr("decanate calendar.ics")), tr("iCalendar (*.ics)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".ics");
    if (const std::optional<QString> failed = saveTo(path))
        ShowMessage(this, MessageIcon::Critical,
                    tr("The calendar could not be saved to %1: %2").arg(QDir::toNativeSeparators(path), *failed));
}

} // namespace tessaline
