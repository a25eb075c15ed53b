// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/ImageList.h"

#include "chart/BirthData.h"
#include "chart/ChartState.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QVariant>

#include <array>
#include <functional>
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

    // Saves the window's inputs as a one-row birth batch, after the checks of Get My Tessaline; a failure
    // is reported in a message naming the file.
    bool SaveBirthDataTo(const QString& path);
    // Fills the window from a birth batch (a row the user picks when it holds several); a file that cannot
    // be read or a row the checks refuse is reported naming the file and line, and changes nothing.
    bool OpenBirthDataFrom(const QString& path);
    // The last ten files saved or opened, newest first (kept in the constructor's settings, if given).
    QStringList recentFiles() const { return recent_; }
    // Picks one of several rows, each shown as "line N: NAME, date time"; the index, or nothing to cancel.
    using RowChooser = std::function<std::optional<int>(QWidget* parent, const QStringList& rows)>;
    void setRowChooser(RowChooser chooser) { chooseRow_ = std::move(chooser); }

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

    QAction* mnuOpenBirthData = nullptr;
    QMenu* mnuOpenRecent = nullptr;
    QAction* mnuSaveBirthData = nullptr;
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
    void mnuSaveBirthData_Click();
    void mnuOpenBirthData_Click();
    void fillForm(const BirthDataForm& form);
    void rememberFile(const QString& path);
    void rebuildRecentMenu();
    // Where the file dialogs start: the folder of the newest recent file, else the home folder.
    QString birthDataFolder() const;

    ChartState chartState_;
    QPointer<frmDisplay> display_;
    QSettings* settings_ = nullptr;
    QStringList recent_;
    RowChooser chooseRow_;
};

} // namespace tessaline
