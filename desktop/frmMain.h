// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/ImageList.h"

#include "chart/BirthData.h"
#include "chart/ChartState.h"

#include <QMainWindow>
#include <QPointer>
#include <QVariant>

#include <array>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSettings;

namespace tessaline {

class FilteredLineEdit;
class LinkLabel;
class PlacePicker;
class frmDisplay;

// The birth data window: the program's main window and the only place where input enters.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // `settings`, when given, remembers the Options menu between runs.
    explicit frmMain(QWidget* parent = nullptr, QSettings* settings = nullptr);
    ~frmMain() override;

    // The calculation driver: validate, store, run the engines, show the results, hide this window.
    void cmdRashi_Click();
    // The place lookup: opens a web search for the place's latitude and longitude.
    void cmdBrowser_Click();

    // The key filters: what an entry becomes, or nothing (after the box's message) to discard it. `before`
    // is the text in front of the entry (a mark may follow a letter there).
    std::optional<QString> txtName_KeyPress(const QString& incoming, const QString& before = {});
    std::optional<QString> txtLonD_KeyPress(const QString& incoming);
    std::optional<QString> txtLonM_KeyPress(const QString& incoming);
    std::optional<QString> txtLatD_KeyPress(const QString& incoming);
    std::optional<QString> txtLatM_KeyPress(const QString& incoming);

    // The controls as the plain values the core reads.
    BirthDataForm CurrentForm() const;

    const ChartState& chartState() const noexcept { return chartState_; }
    frmDisplay* resultsWindow() const noexcept;

    // The body pictures, Sun to Pluto as 1..10.
    const ImageList IMGPlanet = BodyPictures();

    QLabel* Label2 = nullptr;
    QLabel* Label13 = nullptr;
    FilteredLineEdit* txtName = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cboHH = nullptr;
    QComboBox* cboMM = nullptr;
    QComboBox* cboSS = nullptr;
    QLabel* Label12 = nullptr;
    QGroupBox* fraZone = nullptr;
    QComboBox* cmbTimeZone = nullptr;
    QCheckBox* chkDST = nullptr;
    QGroupBox* Frame4 = nullptr;
    FilteredLineEdit* txtLonD = nullptr;
    QLabel* Label6 = nullptr;
    FilteredLineEdit* txtLonM = nullptr;
    QLabel* Label8 = nullptr;
    std::array<QRadioButton*, 2> optLong{};
    QGroupBox* Frame3 = nullptr;
    FilteredLineEdit* txtLatD = nullptr;
    QLabel* Label7 = nullptr;
    FilteredLineEdit* txtLatM = nullptr;
    QLabel* Label9 = nullptr;
    std::array<QRadioButton*, 2> optLat{};
    QLabel* Label54 = nullptr;
    QLineEdit* txtMCity = nullptr;
    QLabel* Label55 = nullptr;
    QLineEdit* txtMState = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtMCountry = nullptr;
    QPushButton* cmdBrowser = nullptr;
    PlacePicker* placePicker = nullptr; // the Place search above City/State/Country and the clock line
    QPushButton* cmdRashi = nullptr;
    QFrame* Frame2 = nullptr;
    LinkLabel* Label61 = nullptr;

    QAction* mnuNext = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuPrecise = nullptr;
    // Options › Zodiac: tropical, or sidereal with one of the ayanamsas (in their order); one is checked.
    QMenu* mnuZodiac = nullptr;
    QAction* mnuTropical = nullptr;
    std::array<QAction*, kAyanamsaCount> mnuSidereal{};
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void Form_Load();
    void setReadingOrder();
    void mnuAbout_Click();
    void mnuPrecise_Click(bool checked);
    void mnuZodiac_Click(QAction* chosen);
    // Stores one choice and reports a failed save; the choice holds for this run either way.
    void saveChoice(const QString& key, const QVariant& value);
    ZodiacChoice chosenZodiac() const;
    void focusField(BirthField field);
    std::optional<QString> coordinateKeyPress(const QString& incoming);

    ChartState chartState_;
    QPointer<frmDisplay> display_;
    QSettings* settings_ = nullptr;
};

} // namespace tessaline
