// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/TransitsWindow.h"

#include "atlas/Clock.h"
#include "chart/BirthData.h"
#include "chart/ZoneTable.h"
#include "desktop/FormControls.h"
#include "desktop/QtString.h"

#include <QAccessible>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tessaline {

namespace {

constexpr int kColumns = 6;
constexpr double kJulianDayOf1970 = 2440587.5;

// The moments the tables chart, as the control holds them (clock time as if it were UT).
const QDateTime kFirstMoment(QDate(kFirstYear, 1, 1), QTime(0, 0), Qt::UTC);
const QDateTime kLastMoment(QDate(kLastYear, 12, 31), QTime(23, 59), Qt::UTC);

struct StepKey {
    const char* name;
    const char* text;
    const char* button; // the button's own short text
    TransitsWindow::Step size;
    int count;
    QKeyCombination key;
};

// Up and Page Up go forward, as in the date-and-time control itself; Left goes back.
const std::array<StepKey, 8> kSteps{{
    {"mnuHourBack", QT_TR_NOOP("Back an &Hour"), QT_TR_NOOP("− Hour"), TransitsWindow::Step::Hour, -1,
     Qt::ALT | Qt::Key_Left},
    {"mnuHourForward", QT_TR_NOOP("Forward an H&our"), QT_TR_NOOP("+ Hour"), TransitsWindow::Step::Hour, 1,
     Qt::ALT | Qt::Key_Right},
    {"mnuDayBack", QT_TR_NOOP("Back a &Day"), QT_TR_NOOP("− Day"), TransitsWindow::Step::Day, -1,
     Qt::ALT | Qt::Key_Down},
    {"mnuDayForward", QT_TR_NOOP("Forward a D&ay"), QT_TR_NOOP("+ Day"), TransitsWindow::Step::Day, 1,
     Qt::ALT | Qt::Key_Up},
    {"mnuMonthBack", QT_TR_NOOP("Back a &Month"), QT_TR_NOOP("− Month"), TransitsWindow::Step::Month, -1,
     Qt::ALT | Qt::Key_PageDown},
    {"mnuMonthForward", QT_TR_NOOP("Forward a Mo&nth"), QT_TR_NOOP("+ Month"), TransitsWindow::Step::Month, 1,
     Qt::ALT | Qt::Key_PageUp},
    {"mnuYearBack", QT_TR_NOOP("Back a &Year"), QT_TR_NOOP("− Year"), TransitsWindow::Step::Year, -1,
     Qt::ALT | Qt::SHIFT | Qt::Key_PageDown},
    {"mnuYearForward", QT_TR_NOOP("Forward a Y&ear"), QT_TR_NOOP("+ Year"), TransitsWindow::Step::Year, 1,
     Qt::ALT | Qt::SHIFT | Qt::Key_PageUp},
}};

QTableWidget* TransitsTable(QWidget* parent)
{
    auto* grid = new QTableWidget(0, kColumns, parent);
    grid->setObjectName(QStringLiteral("grdTransits"));
    grid->setAccessibleName(TransitsWindow::tr("Transits"));
    grid->setHorizontalHeaderLabels({TransitsWindow::tr("Body"), TransitsWindow::tr("Position"),
                                     TransitsWindow::tr("Direction"), TransitsWindow::tr("Decanate"),
                                     TransitsWindow::tr("Your Bodies There"), TransitsWindow::tr("Leaves")});
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() * 3 / 2);
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

// Seconds since 1970 of the instant a report stands for.
std::int64_t UnixSeconds(const TransitReport& report)
{
    return std::llround((report.julianDayUT - kJulianDayOf1970) * 86400.0);
}

} // namespace

TransitsWindow::TransitsWindow(const Chart& chart, QWidget* parent)
    : QDialog(parent)
    , chart_(chart)
{
    setObjectName(QStringLiteral("frmTransits"));
    setWindowTitle(tr("Transits for %1").arg(FromUtf8(chart_.Name())));
    setFont(parent != nullptr ? parent->font() : font()); // the results window's type
    dtpTransits = new QDateTimeEdit(this);
    dtpTransits->setObjectName(QStringLiteral("dtpTransits"));
    dtpTransits->setTimeSpec(Qt::UTC); // the clock's own time, whatever the computer's zone
    dtpTransits->setDisplayFormat(QStringLiteral("d MMMM yyyy  HH:mm"));
    dtpTransits->setDateTimeRange(kFirstMoment, kLastMoment);
    dtpTransits->setCalendarPopup(true);
    dtpTransits->setAccessibleName(tr("Moment"));
    auto* momentLabel = new QLabel(tr("&Moment:"), this);
    momentLabel->setBuddy(dtpTransits);
    cboTransitClock = ChoiceList("cboTransitClock", tr("Clock"), this);
    fillClocks(true);
    auto* clockLabel = new QLabel(tr("&Clock:"), this);
    clockLabel->setBuddy(cboTransitClock);
    cmdNow = new QPushButton(tr("&Now"), this);
    cmdNow->setObjectName(QStringLiteral("cmdNow"));
    grdTransits = TransitsTable(this);
    lblTransitNews = new QLabel(this);
    lblTransitNews->setObjectName(QStringLiteral("lblTransitNews"));
    lblTransitNews->setWordWrap(true);
    lblTransitNews->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblTransitsNote = new QLabel(this);
    lblTransitsNote->setObjectName(QStringLiteral("lblTransitsNote"));
    lblTransitsNote->setWordWrap(true);
    auto* close = new QPushButton(tr("C&lose"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(momentLabel);
    top->addWidget(dtpTransits, 1);
    top->addWidget(clockLabel);
    top->addWidget(cboTransitClock, 1);
    top->addWidget(cmdNow);
    auto* steps = new QHBoxLayout;
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblTransitsNote, 1);
    bottom->addWidget(close, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(steps);
    layout->addWidget(grdTransits, 1);
    layout->addWidget(lblTransitNews);
    layout->addLayout(bottom);
    addMomentMenu();
    QWidget* before = cmdNow; // Tab goes from Now along the steps to the table, as they stand
    for (std::size_t i = 0; i < kSteps.size(); ++i) {
        // Back from the longest step to the shortest, then forward from the shortest to the longest.
        const std::size_t at = i < 4 ? 6 - 2 * i : 2 * (i - 4) + 1;
        QAction* action = mnuMoment[at + 1];
        auto* button = new QPushButton(tr(kSteps[at].button), this);
        button->setObjectName(QStringLiteral("cmd") + QString::fromLatin1(kSteps[at].name + 3));
        button->setAccessibleName(action->text().remove(QLatin1Char('&')));
        button->setToolTip(
            tr("%1 (%2)").arg(button->accessibleName(), action->shortcut().toString(QKeySequence::NativeText)));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        steps->addWidget(button);
        setTabOrder(before, button);
        before = button;
    }
    setTabOrder(before, grdTransits);
    cmdNow->setAutoDefault(false);
    resize(1000, 600); // every column without scrolling sideways at the usual type

    connect(dtpTransits, &QDateTimeEdit::dateTimeChanged, this, [this] { calculate(); });
    connect(cboTransitClock, &QComboBox::currentIndexChanged, this, &TransitsWindow::keepInstant);
    connect(cmdNow, &QPushButton::clicked, mnuMoment[0], &QAction::trigger);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    showNow();
}

void TransitsWindow::setChart(const Chart& chart)
{
    chart_ = chart;
    fillClocks(false); // the birth's clock may be another
    report_.reset(); // nothing lent from the sky around another chart
    calculate();
}

void TransitsWindow::addMomentMenu()
{
    auto* bar = new QMenuBar(this);
    auto* menu = bar->addMenu(tr("&Moment"));
    menu->setObjectName(QStringLiteral("mnuMoment"));
    mnuMoment[0] = menu->addAction(tr("&Now"));
    mnuMoment[0]->setObjectName(QStringLiteral("mnuNow"));
    mnuMoment[0]->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    connect(mnuMoment[0], &QAction::triggered, this, &TransitsWindow::showNow);
    menu->addSeparator();
    for (std::size_t i = 0; i < kSteps.size(); ++i) {
        QAction* action = menu->addAction(tr(kSteps[i].text));
        action->setObjectName(QString::fromLatin1(kSteps[i].name));
        action->setShortcut(QKeySequence(kSteps[i].key));
        action->setShortcutContext(Qt::WindowShortcut);
        const StepKey& key = kSteps[i];
        connect(action, &QAction::triggered, this, [this, &key] { step(key.size, key.count); });
        mnuMoment[i + 1] = action;
    }
    layout()->setMenuBar(bar);
}

void TransitsWindow::setBirthplaceClock(std::optional<atlas::InstantClock> clock)
{
    birthplace_ = std::move(clock);
    fillClocks(true);
    keepInstant();
}

void TransitsWindow::fillClocks(bool placeFirst)
{
    // The birthplace's clock first where the birth had a place, then the birth's own, universal time, the zones.
    const QSignalBlocker quiet(cboTransitClock);
    // What was chosen: -1 the birthplace's clock (or nothing yet), 0 the birth's, 1 universal time, 2 on the zones.
    const int chosen = placeFirst ? -1 : cboTransitClock->currentIndex() - (placeListed_ ? 1 : 0);
    cboTransitClock->clear();
    clocks_.clear();
    placeListed_ = birthplace_.has_value();
    if (birthplace_) {
        clocks_.push_back(*birthplace_);
        cboTransitClock->addItem(tr("The birthplace's clock (%1)").arg(FromUtf8(birthplace_->name)));
    }
    clocks_.push_back(atlas::FixedClock(chart_.ClockOffset().seconds));
    cboTransitClock->addItem(tr("The birth's clock (%1)").arg(FromUtf8(clocks_.back().name)));
    clocks_.push_back(atlas::FixedClock(0));
    cboTransitClock->addItem(tr("Universal time"));
    for (int row = 0; row < static_cast<int>(kZoneCount); ++row) {
        const ZoneRow& zone = ZoneTable()[static_cast<std::size_t>(row)];
        clocks_.push_back(atlas::FixedClock(OffsetOf({zone.correctionHours, zone.correctionMinutes}).seconds));
        const std::string_view text = ZoneDisplayText(row);
        cboTransitClock->addItem(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    }
    cboTransitClock->setCurrentIndex(chosen < 0 ? 0 : chosen + (placeListed_ ? 1 : 0));
}

const atlas::InstantClock& TransitsWindow::clock() const
{
    const int chosen = std::clamp(cboTransitClock->currentIndex(), 0, static_cast<int>(clocks_.size()) - 1);
    return clocks_[static_cast<std::size_t>(chosen)];
}

QDateTime TransitsWindow::onClock(std::int64_t unixSeconds) const
{
    const Result<int> offset = clock().At(unixSeconds);
    return QDateTime::fromSecsSinceEpoch(unixSeconds + (offset ? *offset : 0), Qt::UTC);
}

void TransitsWindow::keepInstant()
{
    // The same instant, read on the clock now chosen.
    if (report_)
        showMoment(onClock(UnixSeconds(*report_)));
    else
        showNow();
}

void TransitsWindow::step(Step size, int count)
{
    const QDateTime now = dtpTransits->dateTime();
    switch (size) {
    case Step::Hour:
        showMoment(now.addSecs(3600LL * count));
        break;
    case Step::Day:
        showMoment(now.addDays(count));
        break;
    case Step::Month:
        showMoment(now.addMonths(count));
        break;
    case Step::Year:
        showMoment(now.addYears(count));
        break;
    }
}

void TransitsWindow::showNow()
{
    showMoment(onClock(QDateTime::currentSecsSinceEpoch()));
}

void TransitsWindow::showMoment(const QDateTime& moment)
{
    const QDateTime held = std::clamp(moment, kFirstMoment, kLastMoment);
    if (held == dtpTransits->dateTime())
        calculate(); // the clock changed under the same reading, or a step at an edge
    else
        dtpTransits->setDateTime(held);
}

void TransitsWindow::calculate()
{
    const atlas::InstantClock& reading = clock();
    const Result<std::int64_t> universal = reading.UniversalOf(dtpTransits->dateTime().toSecsSinceEpoch());
    const bool sameClock = report_ && report_->clockName == reading.name;
    const std::optional<TransitReport> before = std::move(report_);
    Result<TransitReport> sky = universal ? TransitReportAt(
                                    chart_, kJulianDayOf1970 + static_cast<double>(*universal) / 86400.0,
                                    [reading](std::int64_t at) { return reading.At(at); }, reading.name,
                                    before && sameClock ? &*before : nullptr)
                                          : Result<TransitReport>(Fail(universal.error()));
    if (sky) {
        report_ = std::move(*sky);
        rows_ = TransitRows(*report_, chart_);
        lblTransitsNote->setText(tr("%1; by the precise ephemeris, in the chart's zodiac. The wheel of the results "
                                    "window shows the sky as its outer ring.")
                                     .arg(FromUtf8(TransitTitle(*report_))));
    } else {
        report_.reset();
        rows_.clear();
        lblTransitsNote->setText(FromUtf8(sky.error()));
    }
    fill();
    announce(before);
    emit ringChanged();
}

void TransitsWindow::fill()
{
    grdTransits->setRowCount(static_cast<int>(rows_.size()));
    for (int at = 0; at < static_cast<int>(rows_.size()); ++at) {
        const TransitRow& row = rows_[static_cast<std::size_t>(at)];
        const std::array<QString, kColumns> cells{
            FromUtf8(row.point),     FromUtf8(row.position),
            FromUtf8(row.direction), FromUtf8(row.decanate),
            FromUtf8(row.natal),     row.leaves.empty() ? tr("after %1").arg(kLastYear) : FromUtf8(row.leaves)};
        const QString sentence = FromUtf8(row.sentence);
        for (int column = 0; column < kColumns; ++column) {
            QTableWidgetItem* item = grdTransits->item(at, column);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                grdTransits->setItem(at, column, item);
            }
            item->setText(cells[static_cast<std::size_t>(column)]);
            item->setToolTip(sentence); // the whole row in one sentence, for a cell read out of its row
        }
    }
    QStringList owned;
    for (const TransitRow& row : rows_)
        if (!row.natal.empty())
            owned << FromUtf8(row.sentence);
    lblTransitNews->setText(owned.isEmpty() ? tr("No body stands in one of your decanates now.")
                                            : owned.join(QLatin1Char('\n')));
    if (grdTransits->property("fitted").isNull() && !rows_.empty()) {
        grdTransits->resizeColumnsToContents(); // once: stepping keeps the columns where they are
        grdTransits->setProperty("fitted", true);
    }
}

void TransitsWindow::announce(const std::optional<TransitReport>& before)
{
    announced_.clear();
    if (!report_ || !before)
        return;
    for (std::size_t i = 0; i < report_->lines.size() && i < before->lines.size(); ++i) {
        const TransitPoint& now = report_->lines[i].point;
        if (!now.natal.empty() && before->lines[i].point.decanate != now.decanate)
            announced_ << FromUtf8(rows_[i].sentence);
    }
    if (announced_.isEmpty())
        return;
    // Said at once by a screen reader: the label's name changes and it alerts.
    lblTransitNews->setAccessibleName(announced_.join(QLatin1Char(' ')));
    QAccessibleEvent changed(lblTransitNews, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(lblTransitNews, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

std::optional<OuterRing> TransitsWindow::ring() const
{
    if (!open_ || !report_)
        return std::nullopt;
    return TransitRing(*report_);
}

void TransitsWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!std::exchange(open_, true))
        emit ringChanged();
}

void TransitsWindow::hideEvent(QHideEvent* event)
{
    // Closed by its button, by Escape or by the window's frame: the wheel loses the ring.
    open_ = false;
    emit ringChanged();
    QDialog::hideEvent(event);
}

} // namespace tessaline
