// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/PlacePicker.h"

#include "atlas/Clock.h"

#include "chart/ZoneTable.h"

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
#include <QThread>
#include <QVBoxLayout>

#include <cmath>

namespace tessaline {

namespace {

constexpr int kListed = 12;

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Degrees and arc-minutes, to the nearest arc-minute, into a coordinate frame.
void FillCoordinate(double degrees, QLineEdit* whole, QLineEdit* minutes, QRadioButton* positive,
                    QRadioButton* negative)
{
    const long arcMinutes = std::lround(std::abs(degrees) * 60.0);
    whole->setText(QString::number(arcMinutes / 60));
    minutes->setText(QString::number(arcMinutes % 60));
    (degrees < 0 ? negative : positive)->setChecked(true);
}

} // namespace

PlacePicker::PlacePicker(const Controls& controls, QWidget* parent)
    : QObject(parent)
    , c_(controls)
{
    searchArea = new QWidget(parent);
    searchArea->setObjectName(QStringLiteral("fraPlaceSearch"));
    txtPlace = new QLineEdit(searchArea);
    txtPlace->setObjectName(QStringLiteral("txtPlace"));
    txtPlace->setAccessibleName(tr("Place"));
    txtPlace->setAccessibleDescription(tr("Type a place's name, then Down to the list and Enter to choose it"));
    txtPlace->setPlaceholderText(tr("Type the birthplace, e.g. Springfield Illinois"));
    auto* caption = new QLabel(tr("&Place"), searchArea);
    caption->setObjectName(QStringLiteral("lblPlace"));
    caption->setBuddy(txtPlace);
    lstPlaces = new QListWidget(searchArea);
    lstPlaces->setObjectName(QStringLiteral("lstPlaces"));
    lstPlaces->setAccessibleName(tr("Places found"));
    lstPlaces->setMaximumHeight(lstPlaces->fontMetrics().height() * 7);
    lstPlaces->hide();
    auto* grid = new QGridLayout(searchArea);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(txtPlace, 0, 1);
    grid->addWidget(lstPlaces, 1, 1);
    grid->setColumnStretch(1, 1);

    clockArea = new QWidget(parent);
    clockArea->setObjectName(QStringLiteral("fraClock"));
    lblClock = new QLabel(clockArea);
    lblClock->setObjectName(QStringLiteral("lblClock"));
    lblClock->setWordWrap(true);
    lblClock->setAccessibleName(tr("Clock at the birthplace"));
    lblClock->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdApplyZone = new QPushButton(tr("Appl&y"), clockArea);
    cmdApplyZone->setObjectName(QStringLiteral("cmdApplyZone"));
    cmdApplyZone->setAccessibleName(tr("Apply the zone the atlas suggests"));
    cmdApplyZone->hide();
    lblZoneWarning = new QLabel(clockArea);
    lblZoneWarning->setObjectName(QStringLiteral("lblZoneWarning"));
    lblZoneWarning->setWordWrap(true);
    lblZoneWarning->setAccessibleName(tr("Zone warning"));
    lblZoneWarning->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblZoneWarning->hide();
    auto* line = new QHBoxLayout;
    line->addWidget(lblClock, 1);
    line->addWidget(cmdApplyZone);
    auto* lines = new QVBoxLayout(clockArea);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->addLayout(line);
    lines->addWidget(lblZoneWarning);

    txtPlace->installEventFilter(this);
    lstPlaces->installEventFilter(this);
    connect(txtPlace, &QLineEdit::textEdited, this, [this] {
        startLoading();
        search();
    });
    connect(lstPlaces, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { choosePlace(lstPlaces->row(item)); });
    connect(cmdApplyZone, &QPushButton::clicked, this, [this] {
        overridden_ = false;
        refresh();
    });
    for (QComboBox* box : {c_.month, c_.day, c_.year, c_.hour, c_.minute})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(c_.zone, &QComboBox::currentIndexChanged, this, [this] { zoneChangedByHand(false); });
    connect(c_.dst, &QCheckBox::toggled, this, [this] { zoneChangedByHand(true); });
    for (QLineEdit* box : {c_.lonDegrees, c_.lonMinutes, c_.latDegrees, c_.latMinutes})
        connect(box, &QLineEdit::textEdited, this, [this] { dropPlace(); });
    for (QRadioButton* button : {c_.east, c_.west, c_.north, c_.south})
        connect(button, &QRadioButton::clicked, this, [this] { dropPlace(); });
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
        lblClock->setText(atlasProblem_);
        return;
    }
    lblClock->setText(tr("Reading the place atlas…"));
    loaded_ = std::make_shared<std::variant<std::unique_ptr<atlas::Atlas>, std::string>>();
    loader_ = QThread::create([result = loaded_, path = *file] { *result = atlas::Atlas::Load(path); });
    loader_->setParent(this);
    connect(loader_, &QThread::finished, this, &PlacePicker::atlasLoaded);
    loader_->start();
}

void PlacePicker::atlasLoaded()
{
    if (!loaded_)
        return;
    if (auto* message = std::get_if<std::string>(loaded_.get())) {
        atlasProblem_ = Text(*message) + tr(": enter the coordinates and the zone by hand.");
        lblClock->setText(atlasProblem_);
    } else {
        atlas_ = std::move(std::get<std::unique_ptr<atlas::Atlas>>(*loaded_));
        lblClock->clear();
    }
    loaded_.reset();
    search();
    refresh();
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
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == txtPlace && key == Qt::Key_Down && lstPlaces->count() > 0) {
            lstPlaces->setCurrentRow(0);
            lstPlaces->setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (watched == txtPlace && (key == Qt::Key_Return || key == Qt::Key_Enter) && lstPlaces->isVisible()
            && lstPlaces->count() > 0) {
            choosePlace(0);
            return true;
        }
        if (watched == lstPlaces && key == Qt::Key_Escape) {
            lstPlaces->hide();
            txtPlace->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PlacePicker::search()
{
    lstPlaces->clear();
    results_.clear();
    if (!atlas_ || txtPlace->text().trimmed().isEmpty()) {
        lstPlaces->hide();
        return;
    }
    for (const atlas::Match& match : atlas_->Search(txtPlace->text().toStdString(), kListed)) {
        QString label = Text(atlas_->Label(*match.place));
        if (!match.alternate.empty())
            label += QStringLiteral(" (") + Text(match.alternate) + QLatin1Char(')');
        auto* item = new QListWidgetItem(label + QStringLiteral("  —  ") + Text(atlas_->Detail(*match.place)));
        item->setData(Qt::AccessibleTextRole, label + QStringLiteral(", ") + Text(atlas_->Detail(*match.place)));
        lstPlaces->addItem(item);
        results_.push_back(match.place);
    }
    lstPlaces->setVisible(!results_.empty());
}

void PlacePicker::choosePlace(int row)
{
    if (!atlas_ || row < 0 || row >= static_cast<int>(results_.size()))
        return;
    const atlas::Place& place = *results_[static_cast<std::size_t>(row)];
    chosen_ = &place;
    overridden_ = false;
    txtPlace->setText(Text(atlas_->Label(place)));
    c_.city->setText(Text(atlas_->Name(place)));
    c_.state->setText(Text(atlas_->RegionName(place)));
    c_.country->setText(Text(atlas_->CountryName(place)));
    FillCoordinate(place.Longitude(), c_.lonDegrees, c_.lonMinutes, c_.east, c_.west);
    FillCoordinate(place.Latitude(), c_.latDegrees, c_.latMinutes, c_.north, c_.south);
    lstPlaces->hide();
    txtPlace->setFocus(Qt::OtherFocusReason);
    refresh();
}

CivilInstant PlacePicker::localTime() const
{
    return CivilInstant{kFirstYear + c_.year->currentIndex(), c_.month->currentIndex() + 1, c_.day->currentIndex() + 1,
                        c_.hour->currentIndex(), c_.minute->currentIndex()};
}

void PlacePicker::refresh()
{
    reading_.reset();
    suggestion_.reset();
    cmdApplyZone->hide();
    if (chosen_ == nullptr || !atlas_) {
        if (atlasProblem_.isEmpty() && (loader_ == nullptr || loader_->isFinished()))
            lblClock->clear();
        updateWarnings();
        return;
    }
    const auto local = localTime();
    auto reading = atlas::ReadClock(atlas_->ZoneId(*chosen_), local, chosen_->Longitude());
    if (auto* message = std::get_if<std::string>(&reading)) {
        exact_.reset();
        lblClock->setText(Text(*message) + QLatin1Char('.'));
        updateWarnings();
        return;
    }
    reading_ = std::get<atlas::ClockReading>(reading);
    const bool earlier = reading_->kind != atlas::ClockKind::Overlap || c_.dst->isChecked() || !overridden_;
    suggestion_ = atlas::SuggestZone(
        *reading_,
        atlas::SuggestionContext{atlas_->Name(*chosen_), atlas_->ZoneId(*chosen_), local, chosen_->Longitude(),
                                 reading_->kind == atlas::ClockKind::Overlap ? earlier : true});
    const QString sentence = Text(suggestion_->sentence);
    if (!overridden_) {
        apply(*suggestion_);
        lblClock->setText(sentence);
    } else {
        lblClock->setText(tr("You chose the zone by hand; the atlas suggests: ") + sentence);
        cmdApplyZone->show();
    }
    updateWarnings();
}

void PlacePicker::apply(const atlas::ZoneSuggestion& suggestion)
{
    applying_ = true;
    if (suggestion.kind == atlas::SuggestionKind::Row) {
        c_.zone->setCurrentIndex(suggestion.row);
        c_.dst->setChecked(suggestion.tick);
        exact_.reset();
    } else {
        c_.zone->setCurrentIndex(-1);
        c_.dst->setChecked(false);
        exact_ = suggestion.exact;
    }
    applying_ = false;
}

void PlacePicker::zoneChangedByHand(bool tickOnly)
{
    if (applying_)
        return;
    if (chosen_ != nullptr && suggestion_) {
        // In an overlap the tick chooses which of the two readings: that is no override.
        const bool choosingReading = tickOnly && reading_ && reading_->kind == atlas::ClockKind::Overlap
            && suggestion_->kind == atlas::SuggestionKind::Row && c_.zone->currentIndex() == suggestion_->row;
        if (choosingReading) {
            const auto local = localTime();
            suggestion_
                = atlas::SuggestZone(*reading_,
                                     atlas::SuggestionContext{atlas_->Name(*chosen_), atlas_->ZoneId(*chosen_), local,
                                                              chosen_->Longitude(), c_.dst->isChecked()});
            lblClock->setText(Text(suggestion_->sentence));
            updateWarnings();
            return;
        }
        overridden_ = true;
        exact_.reset(); // a row chosen by hand wins over the exact offset
        refresh();
        return;
    }
    updateWarnings();
}

void PlacePicker::dropPlace()
{
    if (chosen_ != nullptr) {
        chosen_ = nullptr;
        exact_.reset();
        overridden_ = false;
        txtPlace->clear();
        lblClock->setText(tr("The coordinates were changed by hand: the place and its clock are no longer used."));
        cmdApplyZone->hide();
    }
    updateWarnings();
}

void PlacePicker::updateWarnings()
{
    QStringList warnings;
    const int row = c_.zone->currentIndex();
    const bool tick = c_.dst->isChecked();
    if (atlas::IsSummerOrWarRow(row) && tick)
        warnings << tr("This zone is already summer or war time: ticking Daylight Saving Time as well counts "
                       "summer time twice.");
    bool degreesOk = false;
    const int degrees = c_.lonDegrees->text().toInt(&degreesOk);
    if (degreesOk && (row >= 0 || exact_)) {
        const double longitude = (degrees + c_.lonMinutes->text().toInt() / 60.0) * (c_.west->isChecked() ? -1 : 1);
        const int offsetMinutes = exact_ && !overridden_
            ? -(exact_->zoneCorrectionHours * 60 + exact_->zoneCorrectionMinutes)
            : atlas::RowOffsetMinutes(row, tick);
        if (atlas::FarFromLongitude(offsetMinutes, longitude))
            warnings << tr("The zone is more than three hours from what the longitude suggests (about %1).")
                            .arg(Text(atlas::OffsetName(static_cast<int>(std::lround(longitude / 15.0)) * 3600)));
    }
    lblZoneWarning->setText(warnings.join(QLatin1Char(' ')));
    lblZoneWarning->setVisible(!warnings.isEmpty());
}

void PlacePicker::applyTo(BirthDataForm& form) const
{
    if (chosen_ != nullptr && exact_ && !overridden_)
        form.exactZone = exact_;
}

std::string PlacePicker::placeLabel() const
{
    return chosen_ != nullptr && atlas_ ? atlas_->Label(*chosen_) : std::string();
}

std::string PlacePicker::clockSentence() const
{
    if (chosen_ == nullptr || !suggestion_)
        return {};
    return overridden_ ? "Zone chosen by hand; the atlas found: " + suggestion_->sentence : suggestion_->sentence;
}

} // namespace tessaline
