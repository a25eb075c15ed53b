// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/PlacePicker.h"

#include "atlas/Clock.h"
#include "atlas/PlaceText.h"
#include "chart/ZoneTable.h"
#include "desktop/FailureWords.h"
#include "desktop/FilteredLineEdit.h"
#include "desktop/NoticeLabel.h"
#include "desktop/QtString.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tessaline {

namespace {

constexpr int kListed = 12; // places found
constexpr int kShownPlaces = 6; // places the list shows without scrolling

// Degrees and arc-minutes, to the nearest arc-minute, into a coordinate frame.
void FillCoordinate(double degrees, QLineEdit* whole, QLineEdit* minutes, QRadioButton* positive,
                    QRadioButton* negative)
{
    const atlas::ArcMinutes rounded = atlas::RoundToArcMinute(degrees);
    whole->setText(QString::number(rounded.degrees));
    minutes->setText(QString::number(rounded.minutes));
    (degrees < 0 ? negative : positive)->setChecked(true);
}

} // namespace

PlacePicker::PlacePicker(const Controls& controls, QWidget* parent)
    : QObject(parent)
    , c_(controls)
{
    txtPlace = new FilteredLineEdit(parent); // no filter: any text, but Alt+letter types nothing
    txtPlace->setObjectName(QStringLiteral("txtPlace"));
    txtPlace->setAccessibleName(tr("Place"));
    txtPlace->setAccessibleDescription(
        tr("Type a place's name; Enter chooses the place highlighted in the list, Down goes into the list"));
    txtPlace->setPlaceholderText(tr("Type the birthplace, e.g. Springfield Illinois"));
    lblPlace = new QLabel(tr("&Place"), parent);
    lblPlace->setObjectName(QStringLiteral("lblPlace"));
    lblPlace->setBuddy(txtPlace);
    // Each place on two lines, its name, then where it is, how many live there and its clock: never cut off.
    lstPlaces = new QListWidget(parent);
    lstPlaces->setObjectName(QStringLiteral("lstPlaces"));
    lstPlaces->setAccessibleName(tr("Places found"));
    lstPlaces->setWordWrap(true);
    lstPlaces->setAlternatingRowColors(true);
    lstPlaces->setTextElideMode(Qt::ElideNone);
    lstPlaces->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstPlaces->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstPlaces->hide();
    lblNoPlace = new NoticeLabel(NoticeLabel::Kind::Status, parent);
    lblNoPlace->setObjectName(QStringLiteral("lblNoPlace"));

    clockArea = new QWidget(parent);
    clockArea->setObjectName(QStringLiteral("fraClock"));
    lblClock = new QLabel(clockArea);
    lblClock->setObjectName(QStringLiteral("lblClock"));
    lblClock->setTextFormat(Qt::PlainText);
    lblClock->setWordWrap(true);
    lblClock->setAccessibleDescription(tr("Clock at the birthplace")); // heard as the sentence it shows
    lblClock->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdApplyZone = new QPushButton(tr("Appl&y"), clockArea);
    cmdApplyZone->setObjectName(QStringLiteral("cmdApplyZone"));
    cmdApplyZone->setAccessibleName(tr("Apply the zone the atlas suggests"));
    cmdApplyZone->setAutoDefault(true); // Enter on it applies
    cmdApplyZone->hide();
    lblZoneWarning = new NoticeLabel(NoticeLabel::Kind::Warning, clockArea);
    lblZoneWarning->setObjectName(QStringLiteral("lblZoneWarning"));
    auto* line = new QHBoxLayout;
    line->addWidget(lblClock, 1);
    line->addWidget(cmdApplyZone, 0, Qt::AlignTop);
    auto* lines = new QVBoxLayout(clockArea);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->addLayout(line);
    lines->addWidget(lblZoneWarning);
    clockArea->hide();

    txtPlace->installEventFilter(this);
    lstPlaces->installEventFilter(this);
    // Typed or put in by an assistive tool, the text searches alike.
    connect(txtPlace, &QLineEdit::textChanged, this, &PlacePicker::placeTextChanged);
    connect(lstPlaces, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choosePlace(lstPlaces->row(item)); });
    connect(cmdApplyZone, &QPushButton::clicked, this, [this] {
        placed_.Apply();
        render();
    });
    for (QComboBox* box : {c_.month, c_.day, c_.year, c_.hour, c_.minute})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            placed_.SetLocalTime(localTime());
            render();
        });
    connect(c_.zone, &QComboBox::currentIndexChanged, this, &PlacePicker::zoneChosen);
    connect(c_.dst, &QCheckBox::toggled, this, [this](bool checked) {
        if (rendering_)
            return;
        placed_.ChooseTick(checked);
        render();
    });
    for (QLineEdit* box : {c_.lonDegrees, c_.lonMinutes, c_.latDegrees, c_.latMinutes})
        connect(box, &QLineEdit::textEdited, this, &PlacePicker::coordinatesEdited);
    for (QRadioButton* button : {c_.east, c_.west, c_.north, c_.south})
        connect(button, &QRadioButton::toggled, this, &PlacePicker::coordinatesEdited);
}

void PlacePicker::placeSearchIn(QGridLayout* grid, int row, QWidget* readBefore)
{
    grid->addWidget(lblPlace, row, 0);
    grid->addWidget(txtPlace, row, 1, 1, grid->columnCount() - 1);
    grid->addWidget(lstPlaces, row + 1, 1, 1, grid->columnCount() - 1);
    grid->addWidget(lblNoPlace, row + 2, 1, 1, grid->columnCount() - 1);
    for (QWidget* shown : std::initializer_list<QWidget*>{lblPlace, txtPlace, lstPlaces, lblNoPlace})
        shown->stackUnder(readBefore);
}

void PlacePicker::placeTextChanged()
{
    if (settingPlaceText_)
        return;
    if (placed_.ChosenPlace() != nullptr) { // a place retyped and not chosen is no place
        placed_.DropPlace(atlas::PlaceDropped::PlaceRetyped);
        render();
    }
    startLoading();
    search();
}

PlacePicker::~PlacePicker()
{
    if (loader_ != nullptr)
        loader_->wait();
}

void PlacePicker::startLoading()
{
    if (loader_ != nullptr || atlas_ || !atlasProblem_.isEmpty())
        return;
    const auto file = atlas::FindAtlasFile(QCoreApplication::applicationDirPath().toStdString());
    if (!file) {
        atlasProblem_ = tr("The place atlas is not installed (share/tessaline/atlas.bin): enter the coordinates "
                           "and the zone by hand.");
        render();
        return;
    }
    loaded_ = std::make_shared<std::optional<atlas::Atlas::Loaded>>();
    loader_ = QThread::create([result = loaded_, path = *file] { *result = atlas::Atlas::Load(path); });
    loader_->setParent(this);
    connect(loader_, &QThread::finished, this, &PlacePicker::atlasLoaded);
    loader_->start();
    render(); // "Reading the place atlas…"
}

void PlacePicker::atlasLoaded()
{
    if (!loaded_ || !*loaded_)
        return;
    if (!**loaded_)
        atlasProblem_ = FromUtf8((*loaded_)->error()) + tr(": enter the coordinates and the zone by hand.");
    else
        atlas_ = std::move(***loaded_);
    loaded_.reset();
    search();
    render();
}

void PlacePicker::waitForAtlas()
{
    startLoading();
    if (loader_ != nullptr) {
        loader_->wait();
        atlasLoaded();
    }
}

bool PlacePicker::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched == txtPlace)
        startLoading();
    if (event->type() != QEvent::KeyPress || (watched != txtPlace && watched != lstPlaces) || lstPlaces->isHidden())
        return QObject::eventFilter(watched, event);
    // With the list open: Down goes into it, Enter chooses the place highlighted, Escape closes it. With the
    // list closed the keys go on to the box and the window (where Enter calculates).
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Down:
        if (watched != txtPlace)
            break;
        lstPlaces->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choosePlace(lstPlaces->currentRow());
        return true;
    case Qt::Key_Escape:
        showList(false);
        txtPlace->setFocus(Qt::OtherFocusReason);
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void PlacePicker::search()
{
    lstPlaces->clear();
    results_.clear();
    const QString query = txtPlace->text().trimmed();
    if (!atlas_ || query.isEmpty()) {
        showList(false);
        if (!lblNoPlace->isHidden()) {
            lblNoPlace->setNotice({});
            emit shownChanged();
        }
        return;
    }
    for (const atlas::Match& match : atlas_->Search(txtPlace->text().toStdString(), kListed)) {
        QString label = FromUtf8(atlas_->Label(*match.place));
        if (!match.alternate.empty())
            label += QStringLiteral(" (") + FromUtf8(match.alternate) + QLatin1Char(')');
        const QString detail = FromUtf8(atlas_->Detail(*match.place));
        auto* item = new QListWidgetItem(label + QLatin1Char('\n') + detail);
        item->setData(Qt::AccessibleTextRole, label + QStringLiteral(", ") + detail);
        lstPlaces->addItem(item);
        results_.push_back(match.place);
    }
    const bool noneBefore = !lblNoPlace->isHidden();
    // Nothing found: the nearest names and what to do instead, said as a notice a screen reader speaks.
    lblNoPlace->setNotice(
        results_.empty() ? FromUtf8(FailureInWords(atlas::NoPlaceMatches(*atlas_, query.toStdString()), kWindowVoice))
                         : QString());
    if (noneBefore != !lblNoPlace->isHidden())
        emit shownChanged();
    if (!results_.empty())
        lstPlaces->setCurrentRow(0); // what Enter takes, highlighted as the user types
    showList(!results_.empty());
}

void PlacePicker::showList(bool shown)
{
    if (shown) {
        // Tall enough for kShownPlaces places whole; more scroll.
        int height = 2 * lstPlaces->frameWidth();
        for (int row = 0; row < std::min(lstPlaces->count(), kShownPlaces); ++row)
            height += lstPlaces->sizeHintForRow(row);
        height = std::min(height, roomForList(height));
        if (height != lstPlaces->height() && !lstPlaces->isHidden()) {
            // Fewer places as the name is typed further: the window gives back what the list no longer needs.
            lstPlaces->setFixedHeight(height);
            emit shownChanged();
            return;
        }
        lstPlaces->setFixedHeight(height);
    }
    if (lstPlaces->isHidden() == !shown)
        return;
    lstPlaces->setVisible(shown);
    emit shownChanged();
}

int PlacePicker::roomForList(int wanted) const
{
    // Never past the bottom of the screen (at 200 % six places may not fit): the list then scrolls, one
    // place always shown.
    const QWidget* window = lstPlaces->window();
    const QScreen* screen = window->screen();
    if (screen == nullptr || !window->isVisible())
        return wanted;
    const int frame = window->frameGeometry().height() - window->height();
    const int shownNow = lstPlaces->isHidden() ? 0 : lstPlaces->height();
    const int withoutList = window->height() - shownNow + (shownNow == 0 ? lstPlaces->fontMetrics().height() / 2 : 0);
    const int least = 2 * lstPlaces->frameWidth() + (lstPlaces->count() > 0 ? lstPlaces->sizeHintForRow(0) : 0);
    return std::max(least, screen->availableGeometry().height() - frame - withoutList);
}

void PlacePicker::setPlaceText(const QString& text)
{
    settingPlaceText_ = true;
    txtPlace->setText(text);
    settingPlaceText_ = false;
}

void PlacePicker::choosePlace(int row)
{
    if (!atlas_ || row < 0 || row >= static_cast<int>(results_.size()))
        return;
    const atlas::Place& place = *results_[static_cast<std::size_t>(row)];
    rendering_ = true; // filling the form is no edit of the user's
    setPlaceText(FromUtf8(atlas_->Label(place)));
    fillParts(place);
    FillCoordinate(place.Longitude(), c_.lonDegrees, c_.lonMinutes, c_.east, c_.west);
    FillCoordinate(place.Latitude(), c_.latDegrees, c_.latMinutes, c_.north, c_.south);
    rendering_ = false;
    placed_.SetLocalTime(localTime());
    placed_.ChoosePlace(*atlas_, place);
    showList(false);
    txtPlace->setFocus(Qt::OtherFocusReason);
    render();
}

void PlacePicker::showBirth(const BirthDataForm& form)
{
    placed_.DropPlace(atlas::PlaceDropped::Replaced);
    placed_.SetLocalTime(localTime());
    placed_.ChooseZone(form.exactZone ? atlas::ZoneForOffset(*form.exactZone)
                                      : atlas::ZoneInUse{false, form.zonePosition, form.daylightSaving, {}, {}});
    setPlaceText({});
    showList(false);
    lblNoPlace->setNotice({});
    render();
}

Result<BirthDataForm> PlacePicker::birthAtPlace(const BatchBirth& birth, atlas::PlacedBirth& placed)
{
    waitForAtlas();
    if (!atlas_)
        return Fail(atlasProblem_.isEmpty() ? std::string("The place atlas is not installed")
                                            : atlasProblem_.toStdString());
    const Result<const atlas::Place*> place
        = Worded(atlas::FindPlace(*atlas_, birth.place, birth.placeId), kWindowVoice);
    if (!place)
        return Fail(place.error());
    return Worded(atlas::BirthAtPlace(birth.birth, birth.dst, *atlas_, **place, placed), kWindowVoice);
}

void PlacePicker::showPlacedBirth(const atlas::PlacedBirth& placed)
{
    placed_ = placed;
    if (const atlas::Place* place = placed_.ChosenPlace(); place != nullptr && atlas_) {
        setPlaceText(FromUtf8(atlas_->Label(*place)));
        fillParts(*place);
    }
    showList(false);
    lblNoPlace->setNotice({});
    render();
}

void PlacePicker::fillParts(const atlas::Place& place)
{
    filledParts_
        = {FromUtf8(atlas_->Name(place)), FromUtf8(atlas_->RegionName(place)), FromUtf8(atlas_->CountryName(place))};
    c_.city->setText(filledParts_[0]);
    c_.state->setText(filledParts_[1]);
    c_.country->setText(filledParts_[2]);
}

std::array<std::string, 3> PlacePicker::typedParts() const
{
    const std::array<QString, 3> shown{c_.city->text(), c_.state->text(), c_.country->text()};
    if (shown == filledParts_)
        return {};
    return {shown[0].toStdString(), shown[1].toStdString(), shown[2].toStdString()};
}

CivilInstant PlacePicker::localTime() const
{
    return CivilInstant{kFirstYear + c_.year->currentIndex(), c_.month->currentIndex() + 1, c_.day->currentIndex() + 1,
                        c_.hour->currentIndex(), c_.minute->currentIndex()};
}

void PlacePicker::zoneChosen(int index)
{
    if (rendering_ || index < 0)
        return;
    if (index < static_cast<int>(kZoneCount))
        placed_.ChooseRow(index);
    else if (const auto exact = placed_.ExactEntry())
        placed_.ChooseZone(*exact);
    render();
}

std::optional<double> PlacePicker::formLongitude() const
{
    bool degreesOk = false;
    const int degrees = c_.lonDegrees->text().toInt(&degreesOk);
    if (!degreesOk)
        return std::nullopt;
    return (degrees + c_.lonMinutes->text().toInt() / 60.0) * (c_.west->isChecked() ? -1 : 1);
}

void PlacePicker::coordinatesEdited()
{
    if (rendering_)
        return;
    if (const atlas::Place* place = placed_.ChosenPlace()) {
        // The place stands while the form shows its coordinates, to the arc-minute, whatever was clicked.
        const auto same = [](double degrees, QLineEdit* whole, QLineEdit* minutes, QRadioButton* negative) {
            const atlas::ArcMinutes rounded = atlas::RoundToArcMinute(degrees);
            return whole->text() == QString::number(rounded.degrees)
                && minutes->text() == QString::number(rounded.minutes)
                && ((rounded.degrees == 0 && rounded.minutes == 0) || negative->isChecked() == (degrees < 0));
        };
        if (!same(place->Longitude(), c_.lonDegrees, c_.lonMinutes, c_.west)
            || !same(place->Latitude(), c_.latDegrees, c_.latMinutes, c_.south))
            placed_.DropPlace(atlas::PlaceDropped::CoordinatesEdited);
    }
    render();
}

void PlacePicker::render()
{
    const bool wasRendering = rendering_;
    rendering_ = true;
    // The list's last entry is the exact offset on offer, named after where it came from.
    const auto exact = placed_.ExactEntry();
    const int exactIndex = static_cast<int>(kZoneCount);
    if (exact && c_.zone->count() == exactIndex)
        c_.zone->addItem(FromUtf8(exact->exactName));
    else if (exact)
        c_.zone->setItemText(exactIndex, FromUtf8(exact->exactName));
    else if (c_.zone->count() > exactIndex)
        c_.zone->removeItem(exactIndex);
    const atlas::ZoneInUse zone = placed_.Zone();
    c_.zone->setCurrentIndex(zone.exact ? exactIndex : zone.row);
    c_.dst->setChecked(zone.tick);
    c_.dst->setEnabled(placed_.TickCounts());

    QString line = FromUtf8(placed_.ClockLine());
    if (line.isEmpty() && placed_.ChosenPlace() == nullptr)
        line = atlasProblem_.isEmpty() && loader_ != nullptr && !loader_->isFinished() ? tr("Reading the place atlas…")
                                                                                       : atlasProblem_;
    lblClock->setText(line);
    lblClock->setVisible(!line.isEmpty());
    cmdApplyZone->setVisible(placed_.OffersApply());

    QStringList warnings;
    for (const std::string& warning : placed_.Warnings(formLongitude()))
        warnings << FromUtf8(warning);
    lblZoneWarning->setNotice(warnings.join(QLatin1Char(' ')));
    // Nothing to say takes no room: no empty line under the zone.
    clockArea->setVisible(!line.isEmpty() || !warnings.isEmpty());
    rendering_ = wasRendering;
    emit shownChanged();
}

std::optional<atlas::InstantClock> PlacePicker::placeClock() const
{
    const atlas::Place* place = placed_.ChosenPlace();
    if (place == nullptr || !atlas_)
        return std::nullopt;
    return atlas_->Clock(*place);
}

} // namespace tessaline
