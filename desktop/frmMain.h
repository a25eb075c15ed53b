// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "chart/BirthData.h"
#include "decanates/Chart.h"
#include "desktop/BirthDataFiles.h"
#include "desktop/ImageList.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSettings;

namespace tessaline {

namespace atlas {
class PlacedBirth;
}
struct BatchBirth;
class FilteredLineEdit;
class OptionsMenu;
class LinkLabel;
class PlacePicker;
class WindowFit;
class frmDisplay;
class PeopleList;

// The birth data window: the program's main window and the only place where input enters.
class frmMain : public QMainWindow, public BirthFormWindow
{
    Q_OBJECT

public:
    // `settings`, when given, remembers the Options menu and the window's size between runs.
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
    BirthDataForm CurrentForm() const override;

    // The birth data files (File › Open, Open Recent, Save), in a class of their own.
    bool SaveBirthDataTo(const QString& path) { return birthDataFiles->saveTo(path); }
    bool OpenBirthDataFrom(const QString& path) { return birthDataFiles->openFrom(path); }
    QStringList recentFiles() const { return birthDataFiles->recentFiles(); }
    void setRowChooser(BirthDataFiles::RowChooser chooser) { birthDataFiles->setRowChooser(std::move(chooser)); }

    // A failed check as the window says it: its message, then the focus on its field.
    void showFailure(const ValidationFailure& failure) override;
    // The form filled from a birth file: its fields, and its place (with City, State and Country) or none.
    void fillForm(const BirthDataForm& form, const atlas::PlacedBirth* placed) override;
    // The zodiac of the Options menu.
    ZodiacChoice chosenZodiac() const override;

    // The chart the last calculation made; nothing before the first and after one that failed.
    const std::optional<Chart>& chart() const noexcept { return chart_; }
    frmDisplay* resultsWindow() const noexcept;

    // The body pictures, Sun to Pluto as 1..10.
    const ImageList IMGPlanet = BodyPictures();

    // What a birth file keeps beside the form: the name as typed, City, State and Country as the user wrote
    // them, and the place chosen in the atlas.
    QString typedName() const override;
    std::array<std::string, 3> typedPlaceParts() const override;
    const atlas::PlacedBirth& placedBirth() const override;
    // A birth file's row at a place of the atlas: its form and placed birth, or why it cannot be opened.
    Result<BirthDataForm> birthAtPlace(const BatchBirth& birth, atlas::PlacedBirth& placed) override;
    // Writes City, State or Country (part 0, 1 or 2) as typed text.
    void typePlacePart(std::size_t part, const QString& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    QGridLayout* buildPerson(QWidget* central);
    void buildZone(QWidget* central);
    QLayout* buildCoordinates(QWidget* central);
    QWidget* buildPlaceLookup(QWidget* central);
    void buildMenus();
    void buildPeopleList(QMenu* file);
    void Form_Load();
    void setReadingOrder();
    void mnuAbout_Click();
    std::optional<QString> coordinateKeyPress(const QString& incoming);

    PeopleList* peopleList = nullptr;
    QAction* mnuPeopleList = nullptr;
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
    PlacePicker* placePicker = nullptr; // the Place search under the time of birth and the clock line
    QPushButton* cmdRashi = nullptr;
    QFrame* Frame2 = nullptr;
    LinkLabel* Label61 = nullptr;

    BirthDataFiles* birthDataFiles = nullptr;
    OptionsMenu* options = nullptr;
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

    // Keeps the window as tall as what it shows needs, and the size the user gives it.
    WindowFit* windowFit = nullptr;

    std::optional<Chart> chart_;
    QPointer<frmDisplay> display_;
    QSettings* settings_ = nullptr;
};

} // namespace tessaline
