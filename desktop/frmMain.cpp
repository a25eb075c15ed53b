// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/frmMain.h"

#include "chart/ZoneTable.h"
#include "decanates/CalculationDriver.h"
#include "desktop/AccessibleControls.h"
#include "desktop/BirthDataFiles.h"
#include "desktop/ChartWheelPanel.h"
#include "desktop/DesktopLook.h"
#include "desktop/FilteredLineEdit.h"
#include "desktop/FormControls.h"
#include "desktop/LinkLabel.h"
#include "desktop/LocationSearch.h"
#include "desktop/MessagePresenter.h"
#include "desktop/OptionsMenu.h"
#include "desktop/PeopleList.h"
#include "desktop/PlacePicker.h"
#include "desktop/WindowFit.h"
#include "desktop/frmAbout.h"
#include "desktop/frmDisplay.h"
#include "desktop/modHelp.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QUndoStack>
#include <QVBoxLayout>

namespace tessaline {

frmMain::frmMain(QWidget* parent, QSettings* settings)
    : QMainWindow(parent)
    , settings_(settings)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Birth Data")); // the platform adds the program's name
    setWindowIcon(ProgramIcon());
    setFont(DesktopFont());
    setPalette(BrownPalette());
    setAutoFillBackground(true);

    buildMenus();
    buildControls();
    setReadingOrder();
    Form_Load();
    windowFit = new WindowFit(this, settings_, QStringLiteral("Window/BirthDataSize"));
    connect(placePicker, &PlacePicker::shownChanged, windowFit, &WindowFit::fit);
    if (auto* dock = findChild<QDockWidget*>(QStringLiteral("dckPeople")))
        connect(dock, &QDockWidget::visibilityChanged, windowFit, &WindowFit::fit);
}

frmMain::~frmMain()
{
    // The dock hides as the window goes: its height no longer matters, and the layout it would ask is gone.
    if (auto* dock = findChild<QDockWidget*>(QStringLiteral("dckPeople")))
        disconnect(dock, nullptr, windowFit, nullptr);
    delete display_;
}

frmDisplay* frmMain::resultsWindow() const noexcept
{
    return display_;
}

void frmMain::buildMenus()
{
    menuBar()->setPalette(QApplication::palette());
    menuBar()->setAutoFillBackground(true);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    birthDataFiles = new BirthDataFiles(*this, *this, file, settings_);
    mnuOpenBirthData = birthDataFiles->mnuOpenBirthData;
    mnuOpenRecent = birthDataFiles->mnuOpenRecent;
    mnuSaveBirthData = birthDataFiles->mnuSaveBirthData;
    file->addSeparator();
    mnuNext = file->addAction(tr("Get My Tessaline"));
    mnuNext->setObjectName(QStringLiteral("mnuNext"));
    buildPeopleList(file);
    file->addSeparator();
    mnuExit = file->addAction(tr("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    options = new OptionsMenu(menuBar(), this, settings_);
    mnuPrecise = options->mnuPrecise;
    mnuZodiac = options->mnuZodiac;
    mnuTropical = options->mnuTropical;
    mnuSidereal = options->mnuSidereal;

    const HelpMenuEntries help = AddHelpMenus(menuBar(), tr("Check for Software &Update"));
    mnuOnline = help.mnuOnline;
    mnuVisit = help.mnuVisit;
    mnuUpdate = help.mnuUpdate;
    mnuAbout = help.mnuAbout;
    mnuDonate = help.mnuDonate;

    connect(options, &OptionsMenu::schemeChosen, this, [this](DecanScheme scheme) {
        if (display_ != nullptr)
            display_->setDecanScheme(scheme);
    });
    connect(mnuNext, &QAction::triggered, this, &frmMain::cmdRashi_Click);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
}

void frmMain::buildPeopleList(QMenu* file)
{
    // The people of a file, beside the form; hidden until a file of several people opens.
    peopleList = new PeopleList(this);
    auto* dock = new QDockWidget(tr("People"), this);
    dock->setObjectName(QStringLiteral("dckPeople"));
    dock->setWidget(peopleList);
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();
    birthDataFiles->setPeopleList(peopleList, dock);
    connect(birthDataFiles, &BirthDataFiles::personOpened, this, &frmMain::cmdRashi_Click);

    // In the File menu: every letter of a menu of its own would already be a field's Alt key.
    file->addSeparator();
    mnuPeopleList = dock->toggleViewAction();
    mnuPeopleList->setText(tr("People &List"));
    mnuPeopleList->setObjectName(QStringLiteral("mnuPeopleList"));
    mnuPeopleList->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    file->addAction(mnuPeopleList);
    QAction* undo = peopleList->undoStack().createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("mnuPeopleUndo"));
    undo->setShortcut(QKeySequence::Undo);
    undo->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QAction* redo = peopleList->undoStack().createRedoAction(this, tr("Re&do"));
    redo->setObjectName(QStringLiteral("mnuPeopleRedo"));
    redo->setShortcut(QKeySequence::Redo);
    redo->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    file->addActions({undo, redo});
    peopleList->addActions({undo, redo}); // Ctrl+Z in the list undoes the list, in the form the form's box
}

void frmMain::buildControls()
{
    auto* central = new QWidget(this);

    Label2 = new QLabel(
        QStringLiteral("Why are people born under the same zodiac sign so different from each other? How can "
                       "astrology guide you in knowing the finer attributes of ones' personality? QB Tessaline can "
                       "help you understand your physical and physiological qualities that influence one's body, "
                       "mind and soul."),
        central);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);

    QGridLayout* person = buildPerson(central);
    buildZone(central);
    QLayout* coordinates = buildCoordinates(central);
    QWidget* place = buildPlaceLookup(central);

    placePicker
        = new PlacePicker({cboMonth, cboDate, cboYear, cboHH, cboMM, cmbTimeZone, chkDST, txtLonD, txtLonM, optLong[0],
                           optLong[1], txtLatD, txtLatM, optLat[0], optLat[1], txtMCity, txtMState, txtMCountry},
                          central);
    placePicker->setObjectName(QStringLiteral("placePicker"));
    // The Place box under the time of birth, before the zone it fills; the clock line under the zone.
    placePicker->placeSearchIn(person, 3, fraZone);
    placePicker->clockArea->stackUnder(Frame4); // read in the order shown, by a screen reader's review too

    cmdRashi = MainActionButton("cmdRashi", QStringLiteral("Get My Tessaline"), central);

    // Advertisement.
    Frame2 = new QFrame(central);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameShape(QFrame::Box);
    Label61 = new LinkLabel(tr("Talk about your chart with others in our astrology discussion forums. Click here!"),
                            Frame2);
    Label61->setObjectName(QStringLiteral("Label61"));
    Label61->setAlignment(Qt::AlignCenter);
    auto* ad = new QHBoxLayout(Frame2);
    ad->addWidget(Label61);

    auto* layout = new QVBoxLayout(central);
    layout->setSpacing(10);
    layout->addWidget(Label2);
    layout->addLayout(person);
    layout->addWidget(fraZone);
    layout->addWidget(placePicker->clockArea);
    layout->addLayout(coordinates);
    layout->addWidget(place);
    layout->addWidget(cmdRashi);
    layout->addWidget(Frame2);
    layout->addStretch(1);
    setCentralWidget(central);

    connect(cmdRashi, &QPushButton::clicked, this, &frmMain::cmdRashi_Click);
    connect(cmdBrowser, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    connect(Label61, &LinkLabel::clicked, this, &OpenHomePage);
}

// The name, and the date and clock time of birth; the place comes under them.
QGridLayout* frmMain::buildPerson(QWidget* central)
{
    txtName = new FilteredLineEdit(central);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setAccessibleName(tr("Name"));
    txtName->setFilter(
        [this](const QString& incoming, const QString& before) { return txtName_KeyPress(incoming, before); });
    Label13 = Caption("Label13", tr("&Name"), txtName, central);

    cboMonth = ChoiceList("cboMonth", tr("Month of birth"), central);
    cboDate = ChoiceList("cboDate", tr("Day of birth"), central);
    cboYear = ChoiceList("cboYear", tr("Year of birth"), central);
    Label5 = Caption("Label5", tr("Date of &Birth"), cboMonth, central);

    cboHH = ChoiceList("cboHH", tr("Hour of birth"), central);
    cboMM = ChoiceList("cboMM", tr("Minute of birth"), central);
    cboSS = ChoiceList("cboSS", tr("Second of birth"), central);
    Label1 = Caption("Label1", tr("&Time of Birth"), cboHH, central);
    Label12 = Caption("Label12", QStringLiteral("HH:MM:SS"), cboHH, central);

    auto* person = new QGridLayout;
    person->addWidget(Label13, 0, 0);
    person->addWidget(txtName, 0, 1, 1, 4);
    person->addWidget(Label5, 1, 0);
    person->addWidget(cboMonth, 1, 1);
    person->addWidget(cboDate, 1, 2);
    person->addWidget(cboYear, 1, 3);
    person->addWidget(Label1, 2, 0);
    person->addWidget(cboHH, 2, 1);
    person->addWidget(cboMM, 2, 2);
    person->addWidget(cboSS, 2, 3);
    person->addWidget(Label12, 2, 4);
    person->setColumnStretch(4, 1);
    return person;
}

// The zone list and the daylight-saving tick, in their frame.
void frmMain::buildZone(QWidget* central)
{
    fraZone = new QGroupBox(tr("&Zone"), central);
    fraZone->setObjectName(QStringLiteral("fraZone"));
    cmbTimeZone = ChoiceList("cmbTimeZone", tr("Time zone"), fraZone);
    cmbTimeZone->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbTimeZone->setMinimumContentsLength(34);
    LandOnMnemonic(fraZone, cmbTimeZone);
    chkDST = new QCheckBox(tr("Daylight &Saving Time"), fraZone);
    chkDST->setObjectName(QStringLiteral("chkDST"));
    chkDST->setAccessibleName(tr("Daylight Saving Time"));
    auto* zone = new QHBoxLayout(fraZone);
    zone->addWidget(cmbTimeZone, 1);
    zone->addWidget(chkDST);
}

// Longitude and latitude: degrees, minutes and the hemisphere of each, side by side.
QLayout* frmMain::buildCoordinates(QWidget* central)
{
    txtLonD = CoordinateBox("txtLonD", tr("Longitude degrees"), 3, central);
    txtLonM = CoordinateBox("txtLonM", tr("Longitude minutes"), 2, central);
    Label6 = Caption("Label6", tr("Deg"), txtLonD, central);
    Label8 = Caption("Label8", tr("Min"), txtLonM, central);
    optLong = {OptionButton("optLong", 0, tr("East")), OptionButton("optLong", 1, tr("West"))};
    Frame4 = CoordinateFrame(central, "Frame4", tr("&Longitude"), txtLonD, Label6, txtLonM, Label8, optLong);

    txtLatD = CoordinateBox("txtLatD", tr("Latitude degrees"), 2, central);
    txtLatM = CoordinateBox("txtLatM", tr("Latitude minutes"), 2, central);
    Label7 = Caption("Label7", tr("Deg"), txtLatD, central);
    Label9 = Caption("Label9", tr("Min"), txtLatM, central);
    optLat = {OptionButton("optLat", 0, tr("North")), OptionButton("optLat", 1, tr("South"))};
    Frame3 = CoordinateFrame(central, "Frame3", tr("L&atitude"), txtLatD, Label7, txtLatM, Label9, optLat);

    txtLonD->setFilter([this](const QString& incoming, const QString&) { return txtLonD_KeyPress(incoming); });
    txtLonM->setFilter([this](const QString& incoming, const QString&) { return txtLonM_KeyPress(incoming); });
    txtLatD->setFilter([this](const QString& incoming, const QString&) { return txtLatD_KeyPress(incoming); });
    txtLatM->setFilter([this](const QString& incoming, const QString&) { return txtLatM_KeyPress(incoming); });

    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(Frame4, 1);
    coordinates->addWidget(Frame3, 1);
    return coordinates;
}

// City, State and Country, and the button that looks their coordinates up on the web.
QWidget* frmMain::buildPlaceLookup(QWidget* central)
{
    auto* place = new QFrame(central);
    place->setObjectName(QStringLiteral("fraPlace"));
    place->setFrameShape(QFrame::StyledPanel);
    const auto placeBox = [place](const char* name, const QString& accessibleName) {
        auto* box = new FilteredLineEdit(place); // no filter: any text, but Alt+letter types nothing
        box->setObjectName(QLatin1String(name));
        box->setAccessibleName(accessibleName);
        return box;
    };
    txtMCity = placeBox("txtMCity", tr("City"));
    txtMState = placeBox("txtMState", tr("State"));
    txtMCountry = placeBox("txtMCountry", tr("Country"));
    Label54 = Caption("Label54", tr("&City"), txtMCity, place);
    Label55 = Caption("Label55", tr("Stat&e"), txtMState, place);
    Label4 = Caption("Label4", tr("Co&untry"), txtMCountry, place); // Alt+O opens the Options menu
    cmdBrowser = new QPushButton(QStringLiteral("Click Here To Find Latitude && Longitude"), place);
    cmdBrowser->setObjectName(QStringLiteral("cmdBrowser"));
    cmdBrowser->setAutoDefault(true); // Enter on it looks the place up
    cmdBrowser->setAccessibleName(QStringLiteral("Click Here To Find Latitude & Longitude")); // as it reads
    auto* placeGrid = new QGridLayout(place);
    placeGrid->addWidget(Label54, 0, 0);
    placeGrid->addWidget(txtMCity, 0, 1);
    placeGrid->addWidget(Label55, 0, 2);
    placeGrid->addWidget(txtMState, 0, 3);
    placeGrid->addWidget(Label4, 1, 0);
    placeGrid->addWidget(txtMCountry, 1, 1);
    placeGrid->addWidget(cmdBrowser, 1, 2, 1, 2);
    placeGrid->setColumnStretch(1, 1);
    placeGrid->setColumnStretch(3, 1);
    return place;
}

void frmMain::setReadingOrder()
{
    // clang-format off
    SetReadingOrder({txtName, cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS,
                     placePicker->txtPlace, placePicker->lstPlaces,
                     cmbTimeZone, chkDST, placePicker->cmdApplyZone,
                     txtLonD, txtLonM, optLong[0], optLong[1], txtLatD, txtLatM, optLat[0], optLat[1],
                     txtMCity, txtMState, txtMCountry, cmdBrowser,
                     cmdRashi, Label61});
    // clang-format on
}

void frmMain::Form_Load()
{
    for (const std::string_view month : kMonthNames)
        cboMonth->addItem(QString::fromLatin1(month.data(), static_cast<qsizetype>(month.size())));
    for (int row = 0; row < static_cast<int>(kZoneCount); ++row) {
        const std::string_view text = ZoneDisplayText(row);
        cmbTimeZone->addItem(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    }
    AddNumbers(cboDate, 1, 31);
    AddNumbers(cboYear, kFirstYear, kLastYear);
    AddNumbers(cboHH, 0, 23);
    AddNumbers(cboMM, 0, 59);
    AddNumbers(cboSS, 0, 59);
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS}) {
        list->setCurrentIndex(0);
    }
    cmbTimeZone->setCurrentIndex(kGreenwichZonePosition);
    optLong[0]->setChecked(true);
    optLat[0]->setChecked(true);
    chkDST->setChecked(false);
}

std::optional<QString> frmMain::txtName_KeyPress(const QString& incoming, const QString& before)
{
    const std::optional<std::string> accepted = FilterNameText(incoming.toStdString(), before.toStdString());
    if (!accepted) {
        ShowMessage(this, MessageIcon::Information,
                    QString::fromLatin1(kMsgOnlyLetters.data(), kMsgOnlyLetters.size()));
        return std::nullopt;
    }
    return QString::fromStdString(*accepted);
}

std::optional<QString> frmMain::coordinateKeyPress(const QString& incoming)
{
    std::optional<QString> accepted = FilterEntry(incoming, &FilterCoordinateKey);
    if (!accepted) {
        ShowMessage(this, MessageIcon::Critical, QString::fromLatin1(kMsgOnlyNumbers.data(), kMsgOnlyNumbers.size()));
    }
    return accepted;
}

std::optional<QString> frmMain::txtLonD_KeyPress(const QString& incoming)
{
    return coordinateKeyPress(incoming);
}
std::optional<QString> frmMain::txtLonM_KeyPress(const QString& incoming)
{
    return coordinateKeyPress(incoming);
}
std::optional<QString> frmMain::txtLatD_KeyPress(const QString& incoming)
{
    return coordinateKeyPress(incoming);
}
std::optional<QString> frmMain::txtLatM_KeyPress(const QString& incoming)
{
    return coordinateKeyPress(incoming);
}

BirthDataForm frmMain::CurrentForm() const
{
    BirthDataForm form;
    form.name = txtName->text().toStdString();
    form.monthPosition = cboMonth->currentIndex();
    form.dayPosition = cboDate->currentIndex();
    form.yearPosition = cboYear->currentIndex();
    form.hour = cboHH->currentText().toInt();
    form.minute = cboMM->currentText().toInt();
    form.zonePosition = cmbTimeZone->currentIndex();
    form.daylightSaving = chkDST->isChecked();
    form.lonDegrees = txtLonD->text().toStdString();
    form.lonMinutes = txtLonM->text().toStdString();
    form.latDegrees = txtLatD->text().toStdString();
    form.latMinutes = txtLatM->text().toStdString();
    form.isEast = optLong[0]->isChecked();
    form.isSouth = optLat[1]->isChecked();
    placePicker->applyTo(form);
    return form;
}

void frmMain::showFailure(const ValidationFailure& failure)
{
    ShowMessage(this, IconFor(failure), QString::fromStdString(failure.message));
    // The fields in the order of BirthField: None, Name, then the four coordinate boxes.
    const std::array<QWidget*, 6> fields{nullptr, txtName, txtLonD, txtLonM, txtLatD, txtLatM};
    QWidget* target = fields[static_cast<std::size_t>(failure.focus)];
    if (target != nullptr)
        target->setFocus(Qt::OtherFocusReason);
}

void frmMain::cmdRashi_Click()
{
    Birth birth{CurrentForm(), placePicker->placeLabel(), placePicker->clockSentence()};
    if (birth.place.empty()) { // no place chosen: City, State and Country as the user wrote them
        QStringList typed;
        for (const std::string& part : placePicker->typedParts())
            if (const QString text = QString::fromStdString(part).simplified(); !text.isEmpty())
                typed << text;
        birth.place = typed.join(QStringLiteral(", ")).toStdString();
    }
    Result<Chart, ValidationFailure> calculated = Calculate(birth, options->chosenOptions());
    if (!calculated) {
        chart_.reset();
        showFailure(calculated.error());
        return;
    }
    chart_.emplace(std::move(calculated).value());
    if (display_ == nullptr) {
        display_ = new frmDisplay(this, settings_);
        display_->shareSchemeMenu(options->mnuDecanScheme);
        display_->setComparer([this](const QString& path) -> Result<Chart, QString> {
            Result<Birth, QString> birth = birthDataFiles->birthFromFile(path);
            if (!birth)
                return Unexpected<QString>{birth.error()};
            Result<Chart, ValidationFailure> other = Calculate(*birth, options->chosenOptions());
            if (!other)
                return Unexpected<QString>{QDir::toNativeSeparators(path) + QStringLiteral(": ")
                                           + QString::fromStdString(other.error().message)};
            return *std::move(other);
        });
    }
    display_->setDrekkanaStyle(options->chosenDrekkanaStyle());
    display_->setBirthplaceClock(placePicker->placeClock());
    display_->ShowDecanateResults(*chart_, IMGPlanet);
    display_->show();
    display_->activateWindow();
    hide();
}

void frmMain::cmdBrowser_Click()
{
    struct Part {
        QLineEdit* box;
        const char* message;
    };
    for (const Part& part : {Part{txtMCity, "Please Enter City"}, Part{txtMState, "Please Enter State"},
                             Part{txtMCountry, "Please Enter Country"}}) {
        // Blanks count as content here: only a box without any character is missing.
        if (part.box->text().isEmpty()) {
            ShowMessage(this, MessageIcon::Information, QString::fromLatin1(part.message));
            part.box->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    const QString query = txtMCity->text() + QLatin1Char(' ') + txtMState->text() + QLatin1Char(' ')
        + txtMCountry->text() + QStringLiteral(" Latitude Longitude");
    LocationSearch().search(query, HomePageAddress());
}

void frmMain::fillForm(const BirthDataForm& form, const atlas::PlacedBirth* placed)
{
    placePicker->formReplaced(); // the file's coordinates are no edit by hand of the place chosen before
    txtName->setText(QString::fromStdString(form.name));
    cboMonth->setCurrentIndex(form.monthPosition);
    cboDate->setCurrentIndex(form.dayPosition);
    cboYear->setCurrentIndex(form.yearPosition);
    cboHH->setCurrentIndex(cboHH->findText(QString::number(form.hour)));
    cboMM->setCurrentIndex(cboMM->findText(QString::number(form.minute)));
    cboSS->setCurrentIndex(0);
    // The checked values, so that "028" fits a two-digit box as 28.
    const auto number = [](const std::string& text) {
        return QString::number(CoordinateValue(text).value_or(0));
    };
    txtLonD->setText(number(form.lonDegrees));
    txtLonM->setText(number(form.lonMinutes));
    txtLatD->setText(number(form.latDegrees));
    txtLatM->setText(number(form.latMinutes));
    optLong[form.isEast ? 0 : 1]->setChecked(true);
    optLat[form.isSouth ? 1 : 0]->setChecked(true);
    if (placed != nullptr) {
        placePicker->showPlacedBirth(*placed); // with City, State and Country of its place
        return;
    }
    for (QLineEdit* part : {txtMCity, txtMState, txtMCountry})
        part->clear(); // the file names no place: nothing of one chosen before stays beside its coordinates
    placePicker->showBirth(form);
}

void frmMain::mnuAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

QString frmMain::typedName() const
{
    return txtName->text();
}

std::array<std::string, 3> frmMain::typedPlaceParts() const
{
    return placePicker->typedParts();
}

const atlas::PlacedBirth& frmMain::placedBirth() const
{
    return placePicker->placedBirth();
}

Result<BirthDataForm> frmMain::birthAtPlace(const BatchBirth& birth, atlas::PlacedBirth& placed)
{
    return placePicker->birthAtPlace(birth, placed);
}

void frmMain::typePlacePart(std::size_t part, const QString& text)
{
    const std::array<QLineEdit*, 3> parts{txtMCity, txtMState, txtMCountry};
    parts.at(part)->setText(text);
}

ZodiacChoice frmMain::chosenZodiac() const
{
    return options->chosenZodiac();
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    // Enter in any field calculates: the fields pass it on (a list open on the screen takes it first, to choose).
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        cmdRashi_Click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    CloseAllAndEnd();
}

} // namespace tessaline
