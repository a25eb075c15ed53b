// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "atlas/Atlas.h"
#include "atlas/PlacedBirth.h"
#include "atlas/Suggestion.h"
#include "chart/BatchFile.h"
#include "chart/BirthData.h"
#include "desktop/NoticeLabel.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QThread;

namespace tessaline {

// The birth data window's place search and its clock line. It draws the placed birth (atlas/PlacedBirth.h),
// which holds the rules, and forwards the user's actions to it: choosing a place fills City, State, Country,
// the coordinates and the zone the rules give; the zone list and tick always show the zone the chart uses
// (an exact offset as the list's last entry); the line under the zone frame says what the clock read, and a
// warning line catches summer time counted twice and a zone far from the longitude.
class PlacePicker : public QObject
{
    Q_OBJECT

public:
    // The window's controls the picker reads and fills.
    struct Controls {
        QComboBox* month;
        QComboBox* day;
        QComboBox* year;
        QComboBox* hour;
        QComboBox* minute;
        QComboBox* zone;
        QCheckBox* dst;
        QLineEdit* lonDegrees;
        QLineEdit* lonMinutes;
        QRadioButton* east;
        QRadioButton* west;
        QLineEdit* latDegrees;
        QLineEdit* latMinutes;
        QRadioButton* north;
        QRadioButton* south;
        QLineEdit* city;
        QLineEdit* state;
        QLineEdit* country;
    };

    PlacePicker(const Controls& controls, QWidget* parent);
    ~PlacePicker() override;

    // The Place box with its caption, the list of places found under it and the notice when none is found;
    // the window sets them under the time of birth.
    QLabel* lblPlace = nullptr;
    QLineEdit* txtPlace = nullptr;
    QListWidget* lstPlaces = nullptr;
    NoticeLabel* lblNoPlace = nullptr;
    // The clock line, its Apply button and the warning line, under the zone; hidden while empty.
    QWidget* clockArea = nullptr;
    QLabel* lblClock = nullptr;
    QPushButton* cmdApplyZone = nullptr;
    NoticeLabel* lblZoneWarning = nullptr;

    // Sets the Place caption and box into `row` of the window's grid, the list and the notice under them, and
    // has them read (by a screen reader's review of the window too) before `readBefore`.
    void placeSearchIn(QGridLayout* grid, int row, QWidget* readBefore);
    // Chooses the n-th place of the list, as Enter on it does.
    void choosePlace(int row);
    // Waits until the atlas has been read (it is read on a worker thread when the place box is first used).
    void waitForAtlas();
    // The form is about to be filled from elsewhere (a birth file): the place chosen before no longer counts,
    // and the file's coordinates are no edit by hand.
    void formReplaced()
    {
        placed_.DropPlace(atlas::PlaceDropped::Replaced);
        filledParts_ = {};
    }
    // The form filled from elsewhere (a birth file): no place, the form's zone and tick, an exact offset as
    // the row that gives it where one does.
    void showBirth(const BirthDataForm& form);
    // A birth file's row at a place of the atlas: its form and placed birth, or why it cannot be opened (the
    // atlas is read first if it has not been). Changes nothing in the window.
    Result<BirthDataForm> birthAtPlace(const BatchBirth& birth, atlas::PlacedBirth& placed);
    // The window filled from such a row: its place chosen, with City, State, Country and the zone it gives.
    void showPlacedBirth(const atlas::PlacedBirth& placed);
    // The zone, tick and exact offset the chart uses, into a form.
    void applyTo(BirthDataForm& form) const { placed_.ApplyTo(form); }
    // For the chart: "Springfield, Illinois, United States" and the clock sentence; empty without a place.
    std::string placeLabel() const { return placed_.PlaceLabel(); }
    std::string clockSentence() const { return placed_.ChartClockSentence(); }
    const atlas::PlacedBirth& placedBirth() const noexcept { return placed_; }
    // The clocks of the place chosen, through time; nothing without a place.
    std::optional<atlas::InstantClock> placeClock() const;
    // City, State and Country as the user wrote them: empty where they are still what choosing a place put
    // there (the place's own names stand for them, or, once the place no longer counts, nothing does).
    std::array<std::string, 3> typedParts() const;

signals:
    // What the picker shows changed in size: a list, a notice, the clock line or a warning came or went.
    void shownChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startLoading();
    void atlasLoaded();
    void placeTextChanged();
    void setPlaceText(const QString& text);
    void search();
    void showList(bool shown);
    // The most the list may take of the window's height for the window to stay on the screen.
    int roomForList(int wanted) const;
    // Draws the placed birth: the zone list and its exact entry, the tick, the clock line, Apply, warnings.
    void render();
    void fillParts(const atlas::Place& place);
    void zoneChosen(int index);
    void coordinatesEdited();
    std::optional<double> formLongitude() const;
    CivilInstant localTime() const;

    Controls c_;
    QThread* loader_ = nullptr;
    std::shared_ptr<std::optional<atlas::Atlas::Loaded>> loaded_;
    std::unique_ptr<atlas::Atlas> atlas_;
    QString atlasProblem_;
    std::vector<const atlas::Place*> results_;
    atlas::PlacedBirth placed_;
    std::array<QString, 3> filledParts_; // City, State and Country as the last place chosen filled them
    bool rendering_ = false; // the picker itself is setting the controls
    bool settingPlaceText_ = false; // the picker itself is writing the Place box
};

} // namespace tessaline
