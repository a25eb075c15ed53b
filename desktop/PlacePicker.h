// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "atlas/Atlas.h"
#include "atlas/Suggestion.h"

#include "chart/BirthData.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QThread;

namespace tessaline {

// The birth data window's place search and what it says about the clock. Choosing a place fills City,
// State, Country, the coordinates and the suggested zone; the line under the zone frame says what the clock
// read, and a warning line catches summer time counted twice and a zone far from the longitude.
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

    QWidget* searchArea = nullptr; // "Place" box and its list, above City/State/Country
    QWidget* clockArea = nullptr; // the clock line, its Apply button and the warning line, under the zone
    QLineEdit* txtPlace = nullptr;
    QListWidget* lstPlaces = nullptr;
    QLabel* lblClock = nullptr;
    QPushButton* cmdApplyZone = nullptr;
    QLabel* lblZoneWarning = nullptr;

    // Forgets the chosen place, as editing its coordinates does: the form's own values stand.
    void clearPlace() { dropPlace(); }
    // Chooses the n-th place of the list, as Enter on it does.
    void choosePlace(int row);
    // Waits until the atlas has been read (it is read on a worker thread when the place box is first used).
    void waitForAtlas();
    // The exact offset, when the atlas is in charge and no row expresses the clock.
    void applyTo(BirthDataForm& form) const;
    // For the chart: "Springfield, Illinois, United States" and the clock sentence; empty without a place.
    std::string placeLabel() const;
    std::string clockSentence() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startLoading();
    void atlasLoaded();
    void search();
    void refresh();
    void apply(const atlas::ZoneSuggestion& suggestion);
    void zoneChangedByHand(bool tickOnly);
    void dropPlace();
    void updateWarnings();
    CivilInstant localTime() const;

    Controls c_;
    QThread* loader_ = nullptr;
    std::shared_ptr<std::variant<std::unique_ptr<atlas::Atlas>, std::string>> loaded_;
    std::unique_ptr<atlas::Atlas> atlas_;
    QString atlasProblem_;
    std::vector<const atlas::Place*> results_;
    const atlas::Place* chosen_ = nullptr;
    std::optional<atlas::ClockReading> reading_;
    std::optional<atlas::ZoneSuggestion> suggestion_;
    std::optional<ZoneCorrection> exact_;
    bool overridden_ = false;
    bool applying_ = false;
};

} // namespace tessaline
