// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ChartWheelPanel.h"

#include "desktop/OptionsMenu.h"
#include "desktop/QtString.h"
#include "desktop/TabPanel.h"
#include "report/SvgDrawing.h"

#include <QAction>
#include <QFontInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QSplitterHandle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QTabBar>
#include <QToolTip>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <utility>

namespace tessaline {

namespace {

const QString kWheelKey = QStringLiteral("View/ChartWheel");
const QString kDrekkanaKey = QStringLiteral("View/DrekkanaChart");
const QString kMansionsKey = QStringLiteral("View/LunarMansions");

// The wheel's share of the panel's height when both pictures are shown: it has more to say.
constexpr qreal kWheelShare = 0.6;
// The least width and height the pictures' scroll area keeps beside the tabs. The pictures themselves are
// never drawn smaller than their text needs (readableSide()); where the area is smaller, it scrolls.
constexpr int kLeastSide = 360;
// The most of the results window's width the panel takes when it fits its width to its height.
constexpr int kLargestShare = 55; // per cent
// Room round a glyph, in the picture's units, that still counts as the glyph under a click.
constexpr double kHitMargin = 4.0;
// A comfortable first size for the results window, and what a 1280 × 800 screen leaves for it once its
// panels and the window's frame are taken off.
constexpr QSize kComfortable{1240, 760};
constexpr QSize kFrame{20, 60};

bool IsTabBody(BodyIndex body) noexcept
{
    return ToIndex(body) < kDecanateBodyCount;
}

// A point of the panel in a picture's own units, the picture drawn into `target`.
QPointF InPicture(const QRectF& target, double width, double height, QPointF at)
{
    return {(at.x() - target.left()) * width / target.width(), (at.y() - target.top()) * height / target.height()};
}

// A box of a picture in the panel's coordinates.
QRectF InPanel(const QRectF& target, double width, double height, const PictureBox& box)
{
    const qreal sx = target.width() / width;
    const qreal sy = target.height() / height;
    return {target.left() + box.left * sx, target.top() + box.top * sy, (box.right - box.left) * sx,
            (box.bottom - box.top) * sy};
}

bool Hits(const PictureBox& box, QPointF at)
{
    return box.right > box.left
        && PictureBox{box.left - kHitMargin, box.top - kHitMargin, box.right + kHitMargin, box.bottom + kHitMargin}
               .Contains(at.x(), at.y());
}

const DrekkanaPoint* DrekkanaPointOf(const DrekkanaLayout& layout, BodyIndex body, bool drawn)
{
    if (!drawn)
        return nullptr;
    const auto found = std::find_if(layout.points.begin(), layout.points.end(),
                                    [body](const DrekkanaPoint& point) { return point.body == body; });
    return found != layout.points.end() ? &*found : nullptr;
}

// The divider beside the chart takes the focus: Left and Right move it (with Shift, a pixel at a time).
class KeyboardSplitterHandle final : public QSplitterHandle
{
public:
    KeyboardSplitterHandle(Qt::Orientation orientation, QSplitter* parent)
        : QSplitterHandle(orientation, parent)
    {
        setFocusPolicy(Qt::TabFocus);
        setAccessibleName(QObject::tr("Divider between the reading and the chart"));
        setAccessibleDescription(QObject::tr("Left and Right move it"));
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const int step = (event->modifiers() & Qt::ShiftModifier) ? 1 : 24;
        const int at = mapToParent(QPoint(0, 0)).x();
        if (event->key() == Qt::Key_Left)
            moveSplitter(at - step);
        else if (event->key() == Qt::Key_Right)
            moveSplitter(at + step);
        else
            QSplitterHandle::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent* event) override
    {
        QSplitterHandle::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Highlight));
    }
};

class KeyboardSplitter final : public QSplitter
{
public:
    using QSplitter::QSplitter;

protected:
    QSplitterHandle* createHandle() override { return new KeyboardSplitterHandle(orientation(), this); }
};

// The pictures' scroll area asks for the whole of the pictures, where a plain one asks for a fraction of the
// screen: the results window opens large enough to show them unscrolled when the screen has room.
class PictureScrollArea final : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        return widget() != nullptr ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
    QSize minimumSizeHint() const override { return {kLeastSide, kLeastSide}; }
};

void LoadSvg(QSvgRenderer& renderer, const std::string& svg)
{
    renderer.load(QByteArray::fromRawData(svg.data(), static_cast<qsizetype>(svg.size())));
}

} // namespace

ChartPicturePlaces PlaceChartPictures(QSizeF panel, bool wheel, bool drekkana, qreal headingHeight)
{
    const qreal width = std::max<qreal>(0.0, panel.width());
    const qreal room = std::max<qreal>(0.0, panel.height() - (drekkana ? headingHeight : 0.0));
    qreal wheelSide = 0.0;
    qreal drekkanaSide = 0.0;
    if (wheel && drekkana) {
        wheelSide = std::min(width, kWheelShare * room);
        drekkanaSide = std::min(width, room - wheelSide);
        wheelSide = std::min(width, room - drekkanaSide); // what a narrow drekkana chart leaves over
    } else if (wheel) {
        wheelSide = std::min(width, std::max<qreal>(0.0, panel.height()));
    } else if (drekkana) {
        drekkanaSide = std::min(width, room);
    }
    ChartPicturePlaces places;
    if (wheel)
        places.wheel = {(width - wheelSide) / 2.0, 0.0, wheelSide, wheelSide};
    if (drekkana) {
        places.drekkanaHeading = {0.0, wheelSide, width, headingHeight};
        places.drekkana = {(width - drekkanaSide) / 2.0, wheelSide + headingHeight, drekkanaSide, drekkanaSide};
    }
    return places;
}

QSize ResultsWindowSize(QSize contents, QSize available)
{
    return contents.expandedTo(kComfortable).boundedTo(available - kFrame);
}

ChartWheelPanel::ChartWheelPanel(QMenuBar* bar, QSettings* settings, QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
    , wheel_(std::make_unique<QSvgRenderer>())
    , drekkana_(std::make_unique<QSvgRenderer>())
{
    setObjectName(QStringLiteral("chartPanel"));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    addViewMenu(bar);
    tabPictures = new QTabBar(this);
    tabPictures->setObjectName(QStringLiteral("tabPictures"));
    tabPictures->setAccessibleName(tr("Picture shown"));
    tabPictures->addTab(tr("Chart Wheel"));
    tabPictures->addTab(tr("Drekkana Chart"));
    tabPictures->setExpanding(false);
    tabPictures->setDrawBase(false);
    connect(tabPictures, &QTabBar::currentChanged, this, [this] {
        drawn_ = QPixmap();
        placeUnavailableNote();
        update();
    });
    lblDrekkanaUnavailable = new QLabel(this);
    lblDrekkanaUnavailable->setObjectName(QStringLiteral("lblDrekkanaUnavailable"));
    lblDrekkanaUnavailable->setTextFormat(Qt::PlainText);
    lblDrekkanaUnavailable->setWordWrap(true);
    lblDrekkanaUnavailable->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Selectable by keyboard, so the Tab key stops on it as it did on the picture.
    lblDrekkanaUnavailable->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblDrekkanaUnavailable->setFocusPolicy(Qt::StrongFocus);
    lblDrekkanaUnavailable->setAccessibleDescription(tr("Drekkana chart"));
    lblDrekkanaUnavailable->hide();
    showChosenPictures();
}

ChartWheelPanel::~ChartWheelPanel() = default;

void ChartWheelPanel::addViewMenu(QMenuBar* bar)
{
    QMenu* view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    mnuChartWheel = view->addAction(tr("Chart &Wheel"));
    mnuChartWheel->setObjectName(QStringLiteral("mnuChartWheel"));
    mnuChartWheel->setStatusTip(tr("The chart as a wheel of the 36 decanates beside the tabs"));
    mnuDrekkanaChart = view->addAction(tr("&Drekkana Chart"));
    mnuDrekkanaChart->setObjectName(QStringLiteral("mnuDrekkanaChart"));
    mnuDrekkanaChart->setStatusTip(tr("Every body in the sign of its decanate, under the wheel or in its place"));
    for (const auto& entry : {std::pair{mnuChartWheel, kWheelKey}, std::pair{mnuDrekkanaChart, kDrekkanaKey}}) {
        QAction* action = entry.first;
        const QString key = entry.second;
        action->setCheckable(true);
        // The wheel at first: at the size of a small screen two pictures would be too small to read.
        const bool shown = key == kWheelKey;
        action->setChecked(settings_ != nullptr ? settings_->value(key, shown).toBool() : shown);
        connect(action, &QAction::toggled, this, [this, key](bool checked) {
            SaveChoice(window(), settings_, key, checked);
            showChosenPictures();
        });
    }
    view->addSeparator();
    mnuLunarMansions = view->addAction(tr("Lunar &Mansions"));
    mnuLunarMansions->setObjectName(QStringLiteral("mnuLunarMansions"));
    mnuLunarMansions->setStatusTip(tr("The 27 lunar mansions round the wheel and each point's mansion in the reading"));
    mnuLunarMansions->setCheckable(true);
    mnuLunarMansions->setChecked(settings_ != nullptr && settings_->value(kMansionsKey, false).toBool());
    // Saved first: the window makes its chart again on the same signal, after this.
    connect(mnuLunarMansions, &QAction::toggled, this,
            [this](bool checked) { SaveChoice(window(), settings_, kMansionsKey, checked); });
}

QWidget* ChartWheelPanel::besideTabs(TabPanel* tabs)
{
    auto* splitter = new KeyboardSplitter(Qt::Horizontal, tabs->parentWidget());
    splitter->setObjectName(QStringLiteral("splChart"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(tabs);
    scroll_ = new PictureScrollArea(splitter);
    scroll_->setObjectName(QStringLiteral("scrPictures"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setFocusPolicy(Qt::NoFocus); // the panel inside takes the focus and passes on the keys that scroll
    scroll_->setWidget(this);
    splitter->addWidget(scroll_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    connect(this, &ChartWheelPanel::bodyChosen, tabs, &TabPanel::setCurrentIndex);
    connect(tabs, &TabPanel::currentChanged, this, &ChartWheelPanel::chooseBody);
    chooseBody(tabs->currentIndex());
    showChosenPictures(); // the splitter shows what it takes in
    return splitter;
}

void ChartWheelPanel::showChosenPictures()
{
    const bool wheel = mnuChartWheel->isChecked();
    const bool drekkana = mnuDrekkanaChart->isChecked();
    setAccessibleName(wheel && drekkana ? tr("Chart wheel and drekkana chart")
                          : wheel       ? tr("Chart wheel")
                                        : tr("Drekkana chart"));
    QWidget::setVisible(wheel || drekkana);
    if (scroll_ != nullptr)
        scroll_->setVisible(wheel || drekkana);
    tabPictures->setVisible(wheel && drekkana);
    fitWidthToHeight();
    drawn_ = QPixmap();
    placeUnavailableNote();
    update();
}

void ChartWheelPanel::placeUnavailableNote()
{
    const QString reason = charted_ ? FromUtf8(DrekkanaUnavailable(chart_)) : QString();
    const QRectF at = places().drekkana;
    if (reason.isEmpty() || at.isEmpty()) {
        lblDrekkanaUnavailable->hide();
        return;
    }
    lblDrekkanaUnavailable->setText(reason);
    lblDrekkanaUnavailable->setGeometry(at.toAlignedRect().adjusted(12, 12, -12, -12));
    lblDrekkanaUnavailable->show();
}

void ChartWheelPanel::fitWidthToHeight()
{
    auto* splitter = scroll_ != nullptr ? qobject_cast<QSplitter*>(scroll_->parentWidget()) : nullptr;
    if (splitter == nullptr || !isVisible() || splitter->count() != 2)
        return;
    // As wide as the pictures are at the area's height, but never narrower than their text needs unless the
    // tabs would lose their own least width; the area scrolls what it cannot show.
    const Shown shown = shownPictures();
    const ChartPicturePlaces ideal = PlaceChartPictures(QSizeF(QWIDGETSIZE_MAX, scroll_->height() - shown.top),
                                                        shown.wheel, shown.drekkana, headingHeight());
    const int total = splitter->width() - splitter->handleWidth();
    const int wanted = static_cast<int>(std::ceil(std::max(ideal.wheel.width(), ideal.drekkana.width())));
    const int tabsLeast = splitter->widget(0)->minimumSizeHint().width();
    // readableSide(), not an override: the call also comes from the constructor.
    const int width = std::clamp(std::max(readableSide(), std::min(wanted, total * kLargestShare / 100)),
                                 std::min(kLeastSide, total), std::max(kLeastSide, total - tabsLeast));
    splitter->setSizes({total - width, width});
}

void ChartWheelPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!fitted_) { // once: afterwards the splitter stays where the user puts it
        fitted_ = true;
        fitWidthToHeight();
    }
}

int ChartWheelPanel::headingHeight() const
{
    const int width = std::max(1, this->width());
    return fontMetrics().boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap, drekkanaHeading()).height() + 6;
}

ChartWheelPanel::Shown ChartWheelPanel::shownPictures() const
{
    const bool wheel = mnuChartWheel->isChecked();
    const bool drekkana = mnuDrekkanaChart->isChecked();
    if (!(wheel && drekkana))
        return {wheel, drekkana, 0.0};
    const bool wheelInFront = tabPictures->currentIndex() == 0;
    return {wheelInFront, !wheelInFront, static_cast<qreal>(tabPictures->sizeHint().height())};
}

void ChartWheelPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    tabPictures->setGeometry(0, 0, width(), tabPictures->sizeHint().height());
    placeUnavailableNote();
}

void ChartWheelPanel::ShowChart(const Chart& chart)
{
    chart_ = chart;
    charted_ = true;
    drawPictures();
    describeChosen();
}

void ChartWheelPanel::setDrekkanaStyle(DrekkanaStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    if (charted_)
        drawPictures();
}

void ChartWheelPanel::drawPictures()
{
    // The pictures paint their own ground: dark ones where the window is dark.
    options_
        = {palette().color(QPalette::Window).lightness() < 128 ? PictureColours::Dark : PictureColours::Light, false};
    wheelLayout_ = ring_ ? LayOutChartWheel(chart_, *ring_, options_) : LayOutChartWheel(chart_, options_);
    // No drekkana chart where the scheme gives none: no glyphs to click, nothing drawn in its place but why.
    hasDrekkana_ = DrekkanaUnavailable(chart_).empty();
    drekkanaLayout_ = hasDrekkana_ ? LayOutDrekkanaChart(chart_, style_, options_) : DrekkanaLayout{};
    placeUnavailableNote();
    // The SVG of each is written and read when it is first painted: a picture not shown costs nothing.
    wheelRead_ = false;
    drekkanaRead_ = false;
    drawn_ = QPixmap();
    update();
}

std::string ChartWheelPanel::wheelPicture() const
{
    return ring_ ? ChartWheelSvg(chart_, *ring_, options_) : ChartWheelSvg(chart_, options_);
}

void ChartWheelPanel::setOuterRing(std::optional<OuterRing> ring)
{
    ring_ = std::move(ring);
    if (!charted_)
        return;
    // Only the wheel anew: the drekkana chart's picture stays read.
    wheelLayout_ = ring_ ? LayOutChartWheel(chart_, *ring_, options_) : LayOutChartWheel(chart_, options_);
    wheelRead_ = false;
    drawn_ = QPixmap();
    describeChosen();
    updateGeometry(); // the ring's smaller text asks for a larger side
    update();
}

void ChartWheelPanel::describeChosen()
{
    const QString chosen = FromUtf8(PointDescription(chart_, chosen_));
    setAccessibleDescription(ring_ ? chosen + QStringLiteral(". ") + FromUtf8(OuterRingDescription(chart_, *ring_))
                                   : chosen);
}

QString ChartWheelPanel::drekkanaHeading() const
{
    const QString form = style_ == DrekkanaStyle::SouthIndian ? tr("South Indian") : tr("North Indian");
    const QString zodiac = chart_.Zodiac().zodiac == Zodiac::Sidereal ? tr("sidereal") : tr("tropical");
    return tr("Drekkana chart (D3), %1, %2").arg(form, zodiac);
}

ChartPicturePlaces ChartWheelPanel::places() const
{
    const Shown shown = shownPictures();
    ChartPicturePlaces at
        = PlaceChartPictures(QSizeF(width(), height() - shown.top), shown.wheel, shown.drekkana, headingHeight());
    for (QRectF* place : {&at.wheel, &at.drekkanaHeading, &at.drekkana})
        if (!place->isEmpty())
            place->translate(0, shown.top);
    return at;
}

std::optional<QPointF> ChartWheelPanel::glyphCentre(BodyIndex body) const
{
    const ChartPicturePlaces at = places();
    if (!at.wheel.isEmpty()) {
        const PictureBox& glyph = wheelLayout_.points[ToIndex(body)].glyph;
        return InPanel(at.wheel, wheelLayout_.width, wheelLayout_.height, glyph).center();
    }
    const DrekkanaPoint* point = DrekkanaPointOf(drekkanaLayout_, body, hasDrekkana_);
    if (at.drekkana.isEmpty() || point == nullptr)
        return std::nullopt;
    return InPanel(at.drekkana, drekkanaLayout_.width, drekkanaLayout_.height, point->glyph).center();
}

std::optional<BodyIndex> ChartWheelPanel::pointAt(QPointF pos) const
{
    if (!charted_)
        return std::nullopt;
    const ChartPicturePlaces at = places();
    if (at.wheel.contains(pos)) {
        const QPointF p = InPicture(at.wheel, wheelLayout_.width, wheelLayout_.height, pos);
        for (const WheelPoint& point : wheelLayout_.points)
            if (Hits(point.glyph, p) || Hits(point.degrees, p) || Hits(point.minutes, p))
                return point.body;
    }
    if (hasDrekkana_ && at.drekkana.contains(pos)) {
        const QPointF p = InPicture(at.drekkana, drekkanaLayout_.width, drekkanaLayout_.height, pos);
        for (const DrekkanaPoint& point : drekkanaLayout_.points)
            if (Hits(point.glyph, p))
                return point.body;
    }
    return std::nullopt;
}

void ChartWheelPanel::chooseBody(int body)
{
    if (body < 0 || body >= static_cast<int>(kDecanateBodyCount) || body == static_cast<int>(ToIndex(chosen_)))
        return;
    chosen_ = static_cast<BodyIndex>(body);
    if (charted_)
        describeChosen();
    if (const auto at = glyphCentre(chosen_); at && scroll_ != nullptr) // in sight where the area scrolls
        scroll_->ensureVisible(qRound(at->x()), qRound(at->y()), 60, 60);
    update();
}

void ChartWheelPanel::stepChoice(int step)
{
    // Along the zodiac: counter-clockwise round the wheel.
    std::array<std::size_t, kDecanateBodyCount> order{};
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return NormalisedDegrees(chart_.Longitudes()[a]) < NormalisedDegrees(chart_.Longitudes()[b]);
    });
    const auto at = static_cast<int>(std::find(order.begin(), order.end(), ToIndex(chosen_)) - order.begin());
    const int count = static_cast<int>(order.size());
    const auto next = static_cast<int>(order[static_cast<std::size_t>((at + step + count) % count)]);
    chooseBody(next);
    emit bodyChosen(next);
}

bool ChartWheelPanel::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    if (const auto body = pointAt(help->pos())) {
        QToolTip::showText(help->globalPos(), FromUtf8(PointDescription(chart_, *body)), this);
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

void ChartWheelPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange && charted_)
        drawPictures();
    else if (event->type() == QEvent::FontChange)
        drawn_ = QPixmap();
    QWidget::changeEvent(event);
}

void ChartWheelPanel::paintEvent(QPaintEvent*)
{
    const ChartPicturePlaces at = places();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (charted_ && (drawn_.size() != pixels || drawn_.devicePixelRatio() != ratio)) {
        // Drawn anew at each size from the SVG, so the pictures are sharp at any scale.
        drawn_ = QPixmap(pixels);
        drawn_.setDevicePixelRatio(ratio);
        drawn_.fill(Qt::transparent);
        QPainter painter(&drawn_);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        if (!at.wheel.isEmpty()) {
            if (!std::exchange(wheelRead_, true))
                LoadSvg(*wheel_, wheelPicture());
            wheel_->render(&painter, at.wheel);
        }
        if (!at.drekkana.isEmpty()) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(at.drekkanaHeading, Qt::AlignCenter | Qt::TextWordWrap, drekkanaHeading());
            if (hasDrekkana_ && !std::exchange(drekkanaRead_, true))
                LoadSvg(*drekkana_, DrekkanaChartSvg(chart_, style_, options_));
            if (hasDrekkana_) // else the note says why there is none
                drekkana_->render(&painter, at.drekkana);
        }
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, drawn_);
    if (!charted_)
        return;
    // The chosen body, in each picture.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), hasFocus() ? 2.5 : 1.5));
    painter.setBrush(Qt::NoBrush);
    if (!at.wheel.isEmpty())
        painter.drawRoundedRect(
            InPanel(at.wheel, wheelLayout_.width, wheelLayout_.height, wheelLayout_.points[ToIndex(chosen_)].glyph)
                .adjusted(-3, -3, 3, 3),
            4, 4);
    if (const DrekkanaPoint* point = DrekkanaPointOf(drekkanaLayout_, chosen_, hasDrekkana_);
        point && !at.drekkana.isEmpty())
        painter.drawRoundedRect(
            InPanel(at.drekkana, drekkanaLayout_.width, drekkanaLayout_.height, point->glyph).adjusted(-3, -3, 3, 3), 4,
            4);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = at.wheel.united(at.drekkana).toAlignedRect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ChartWheelPanel::mousePressEvent(QMouseEvent* event)
{
    const auto body = event->button() == Qt::LeftButton ? pointAt(event->position()) : std::nullopt;
    if (!body || !IsTabBody(*body)) {
        QWidget::mousePressEvent(event);
        return;
    }
    chooseBody(static_cast<int>(ToIndex(*body)));
    emit bodyChosen(static_cast<int>(ToIndex(*body)));
}

void ChartWheelPanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        stepChoice(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        stepChoice(1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

int ChartWheelPanel::readableSide() const
{
    const Shown shown = shownPictures();
    // The note in place of a drekkana chart the scheme does not give needs no more room than the wheel.
    // The wheel's text is the smaller in a picture that also holds the outer ring.
    const double share = shown.drekkana && hasDrekkana_ ? DrekkanaChartSmallestText()
        : charted_                                      ? ChartWheelSmallestText(wheelLayout_)
                                                        : ChartWheelSmallestText();
    const int type = QFontInfo(font()).pixelSize();
    return std::max(kLeastSide, static_cast<int>(std::ceil(type / share)));
}

QSize ChartWheelPanel::sizeHint() const
{
    return minimumSizeHint();
}

QSize ChartWheelPanel::minimumSizeHint() const
{
    const Shown shown = shownPictures();
    const int side = readableSide();
    return {side, side + static_cast<int>(shown.top) + (shown.drekkana ? headingHeight() : 0)};
}

} // namespace tessaline
