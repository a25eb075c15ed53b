// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/frmDisplay.h"

#include "chart/BirthMoment.h"
#include "decanates/BirthTimeMargins.h"
#include "decanates/DecanateAssignment.h"
#include "decanates/DecanateFields.h"
#include "desktop/AccessibleControls.h"
#include "desktop/ChartPictureFiles.h"
#include "desktop/ChartWheelPanel.h"
#include "desktop/ComparisonWindow.h"
#include "desktop/DecanateCalendarWindow.h"
#include "desktop/DesktopLook.h"
#include "desktop/ImageList.h"
#include "desktop/LinkLabel.h"
#include "desktop/MessagePresenter.h"
#include "desktop/NoticeLabel.h"
#include "desktop/OuterRingSource.h"
#include "desktop/ProgressionsWindow.h"
#include "desktop/QtString.h"
#include "desktop/ReadingExport.h"
#include "desktop/TabPanel.h"
#include "desktop/TransitsWindow.h"
#include "desktop/frmAbout.h"
#include "desktop/modHelp.h"
#include "report/ChartLines.h"
#include "report/ChartWheelSvg.h"
#include "report/DrekkanaChartSvg.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

namespace tessaline {

namespace {

constexpr int kPictureSide = 112;

// A decanate field's caption, as every output shows it.
const char* Caption(DecanateField field)
{
    return NameOf(field).caption.data();
}

QString ArrayName(const char* name, std::size_t index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QLabel* ValueLabel(const char* name, std::size_t body, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(ArrayName(name, body));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::NoFocus);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// A line above the tabs, heard as the words it shows, its description saying what it is.
QLabel* HeaderLine(const char* name, const QString& description, QWidget* parent)
{
    auto* line = new QLabel(parent);
    line->setObjectName(QLatin1String(name));
    line->setTextFormat(Qt::PlainText);
    line->setWordWrap(true);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    line->setAccessibleDescription(description);
    return line;
}

// The angles line with each item held together, so that it wraps only between items: "Ketu 08 Leo 46" never
// breaks inside.
QString AnglesText(const Chart& chart)
{
    QStringList items;
    for (const std::string& item : AngleItems(chart))
        items << QString::fromStdString(item).replace(QLatin1Char(' '), QChar(0x00A0));
    return items.join(QStringLiteral(" \u00B7 "));
}

// A line of items between middle dots, each held together as the angles line holds its own.
QString HeldItems(const QString& line)
{
    const QString dot = QStringLiteral(" \u00B7 ");
    QStringList items = line.split(dot);
    for (QString& item : items)
        item.replace(QLatin1Char(' '), QChar(0x00A0));
    return items.join(dot);
}

// "Tropical zodiac; positions from the classic formulas": the zodiac and how the positions were calculated.
QString ZodiacAndMode(const Chart& chart)
{
    QString line = QString::fromStdString(ZodiacText(chart));
    if (!line.isEmpty())
        line[0] = line[0].toUpper();
    return line
        + (chart.Ephemeris() == EphemerisMode::Precise ? QObject::tr("; positions from the precise ephemeris")
                                                       : QObject::tr("; positions from the classic formulas"));
}

LockedTextBox* LockedText(const char* name, std::size_t body, QWidget* parent)
{
    auto* text = new LockedTextBox(parent);
    text->setObjectName(ArrayName(name, body));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setTabChangesFocus(true);
    text->setMinimumHeight(text->fontMetrics().lineSpacing() * 7);
    return text;
}

} // namespace

frmDisplay::frmDisplay(QWidget* birthDataWindow, QSettings* settings)
    : birthDataWindow_(birthDataWindow)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Reading"));
    setWindowIcon(ProgramIcon());
    setFont(DesktopFont());

    buildMenus(settings);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildBanner());
    // Whose chart, then one short line each: when, where, which zodiac and positions, the angles.
    lblName = HeaderLine("lblName", tr("Whose chart"), central); // its name is the person's name itself
    QFont heading = lblName->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    lblName->setFont(heading);
    lblInstant = HeaderLine("lblInstant", tr("Instant of the chart"), central);
    lblClock = HeaderLine("lblClock", tr("Clock at the birthplace"), central);
    lblPlace = HeaderLine("lblPlace", tr("Place of the chart"), central);
    lblZodiac = HeaderLine("lblZodiac", tr("Zodiac and positions"), central);
    lblAngles = HeaderLine("lblAngles", tr("Ascendant, Midheaven and lunar nodes"), central);
    lblMansions = HeaderLine("lblMansions", tr("Lunar mansions of the angles and nodes"), central);
    lblMansions->hide();
    for (QLabel* line : {lblName, lblInstant, lblClock, lblPlace, lblZodiac, lblAngles, lblMansions})
        layout->addWidget(line);

    SSTab1 = new TabPanel(5, central);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setAccessibleName(tr("Bodies"));
    SSTab1->tabList()->setAccessibleName(tr("Bodies"));
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        SSTab1->addTab(buildPanel(body), QString::fromLatin1(BodyName(static_cast<BodyIndex>(body))));
    }
    SSTab1->setCurrentIndex(static_cast<int>(BodyIndex::Moon));
    layout->addWidget(chartPanel->besideTabs(SSTab1), 1);
    layout->addWidget(buildBottomStrip());
    setCentralWidget(central);

    // Reading order: the tabs, then the open panel's texts, then the links and buttons.
    QWidget* previous = SSTab1->tabButton(0);
    for (int tab = 1; tab < SSTab1->count(); ++tab) {
        setTabOrder(previous, SSTab1->tabButton(tab));
        previous = SSTab1->tabButton(tab);
    }
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        for (QWidget* next :
             {static_cast<QWidget*>(txtKarmicInfluence[body]), static_cast<QWidget*>(txtMoreAboutTreeZodiac[body]),
              static_cast<QWidget*>(txtMoreAboutDecanateSign[body])}) {
            setTabOrder(previous, next);
            previous = next;
        }
    }
    auto* splitter = findChild<QSplitter*>(QStringLiteral("splChart"));
    QWidget* divider = splitter != nullptr ? splitter->handle(1) : nullptr;
    for (QWidget* next :
         std::initializer_list<QWidget*>{divider, chartPanel->tabPictures, chartPanel,
                                         chartPanel->lblDrekkanaUnavailable, Label61, lblCoBrandAd, cmdOK, cmdExit}) {
        if (next == nullptr)
            continue;
        setTabOrder(previous, next);
        previous = next;
    }
    resize(ResultsWindowSize(sizeHint(), screen()->availableGeometry().size()));
}

void frmDisplay::buildMenus(QSettings* settings)
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    mnuSaveReading = file->addAction(tr("&Save Reading…"));
    mnuSaveReading->setObjectName(QStringLiteral("mnuSaveReading"));
    mnuSaveReading->setShortcut(QKeySequence::Save);
    mnuSaveChartPicture = file->addAction(tr("Save Chart P&icture…"));
    mnuSaveChartPicture->setObjectName(QStringLiteral("mnuSaveChartPicture"));
    mnuSaveChartPicture->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(mnuSaveChartPicture, &QAction::triggered, this, &frmDisplay::mnuSaveChartPicture_Click);
    mnuCompareWith = file->addAction(tr("&Compare With…"));
    mnuCompareWith->setObjectName(QStringLiteral("mnuCompareWith"));
    connect(mnuCompareWith, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Compare With"), QDir::homePath(),
                                                          tr("Birth data (*.csv *.aaf);;All files (*)"));
        if (!path.isEmpty())
            CompareWith(path);
    });
    mnuPrint = file->addAction(tr("&Print…"));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    mnuPrint->setShortcut(QKeySequence::Print);
    file->addSeparator();
    mnuFileBack = file->addAction(tr("&Back"));
    mnuFileBack->setObjectName(QStringLiteral("mnuFileBack"));
    mnuExit = file->addAction(tr("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    chartPanel = new ChartWheelPanel(menuBar(), settings, this); // with the View menu
    if (auto* view = menuBar()->findChild<QMenu*>(QStringLiteral("mnuView"))) {
        view->addSeparator();
        mnuDecanateCalendar = view->addAction(tr("Decanate &Calendar…"));
        mnuDecanateCalendar->setObjectName(QStringLiteral("mnuDecanateCalendar"));
        mnuDecanateCalendar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
        connect(mnuDecanateCalendar, &QAction::triggered, this, [this] {
            // A window of its own, for the chart shown now (its zodiac and scheme may have changed since).
            delete calendar_;
            calendar_ = new DecanateCalendarWindow(reading_, this);
            calendar_->show();
            calendar_->raise();
            calendar_->activateWindow();
        });
        mnuProgressions = view->addAction(tr("&Progressions…"));
        mnuProgressions->setObjectName(QStringLiteral("mnuProgressions"));
        mnuProgressions->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
        connect(mnuProgressions, &QAction::triggered, this, [this] {
            // Like the calendar: a window of its own, for the chart shown now.
            delete progressions_;
            progressions_ = ringSource(new ProgressionsWindow(reading_, this));
            progressions_->show();
            progressions_->raise();
            progressions_->activateWindow();
        });
        mnuTransits = view->addAction(tr("&Transits…"));
        mnuTransits->setObjectName(QStringLiteral("mnuTransits"));
        mnuTransits->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
        connect(mnuTransits, &QAction::triggered, this, [this] { showTransits(); });
    }
    connect(chartPanel->mnuLunarMansions, &QAction::toggled, this, [this] {
        if (pictures_)
            showChart(reading_);
    });

    const HelpMenuEntries help = AddHelpMenus(menuBar(), tr("&Check for Software Update"));
    mnuOnline = help.mnuOnline;
    mnuVisit = help.mnuVisit;
    mnuUpdate = help.mnuUpdate;
    mnuAbout = help.mnuAbout;
    mnuDonate = help.mnuDonate;

    connect(mnuSaveReading, &QAction::triggered, this, &frmDisplay::mnuSaveReading_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmDisplay::mnuPrint_Click);
    connect(mnuFileBack, &QAction::triggered, this, &frmDisplay::cmdOK_Click);
    connect(mnuExit, &QAction::triggered, this, &frmDisplay::cmdExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmDisplay::mnuAbout_Click);
}

QWidget* frmDisplay::buildBanner()
{
    auto* banner = new QFrame(this);
    banner->setObjectName(QStringLiteral("fraBanner"));
    banner->setAutoFillBackground(true);
    banner->setPalette(BrownPalette());
    auto* layout = new QHBoxLayout(banner);
    auto* title = new QLabel(QStringLiteral("QB Tessaline"), banner);
    QFont large = title->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    title->setFont(large);
    Label61 = new LinkLabel(tr("Share your chart and talk astrology with others in our discussion forums"), banner);
    Label61->setObjectName(QStringLiteral("Label61"));
    Label61->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label61->setWordWrap(true);
    layout->addWidget(title);
    layout->addWidget(Label61, 1);
    connect(Label61, &LinkLabel::clicked, this, &OpenHomePage);
    return banner;
}

QFrame* frmDisplay::buildPanel(std::size_t body)
{
    auto* panel = new QFrame;
    panel->setObjectName(ArrayName("Frame3", body));
    panel->setAccessibleName(QString::fromLatin1(BodyName(static_cast<BodyIndex>(body))));
    Frame3[body] = panel;
    QGridLayout* fields = buildFields(panel, body);

    picPlanet[body] = new QLabel(panel);
    picPlanet[body]->setObjectName(ArrayName("picPlanet", body));
    picPlanet[body]->setFixedSize(kPictureSide, kPictureSide);
    picPlanet[body]->setAlignment(Qt::AlignCenter);
    picPlanet[body]->setAccessibleName(tr("Picture of %1").arg(lblPlanetName[body]->text()));

    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addWidget(picPlanet[body], 0, Qt::AlignTop | Qt::AlignRight);

    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buildTexts(panel, body), 1);
    return panel;
}

QGridLayout* frmDisplay::buildFields(QFrame* panel, std::size_t body)
{
    struct Row {
        const char* caption;
        const char* name;
        PerBody<QLabel>* value;
    };
    const std::array<Row, 10> rows{{
        {"Planet Name", "lblPlanetName", &lblPlanetName},
        {"Position", "lblPosition", &lblPosition},
        {"Decanate Name", "lblDecanateName", &lblDecanateName},
        {Caption(DecanateField::DecanateSign), "lblDecanateSign", &lblDecanateSign},
        {Caption(DecanateField::RulingPlanet), "lblRulingPlanet", &lblRulingPlanet},
        {Caption(DecanateField::RulingElement), "lblRulingElement", &lblRulingElement},
        {Caption(DecanateField::ConstellationName), "lblConstellationName", &lblConstellationName},
        {Caption(DecanateField::Keyword), "lblKeyword", &lblKeyword},
        {Caption(DecanateField::TreeZodiac), "lblTreeZodiac", &lblTreeZodiac},
        {"Lunar Mansion", "lblLunarMansion", &lblLunarMansion},
    }};

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(16);
    fields->setColumnStretch(1, 1);
    int gridRow = 0;
    for (const Row& row : rows) {
        auto* caption = new QLabel(tr(row.caption), panel);
        // A screen reader reads the value as the label's name and finds the caption through the buddy.
        QLabel* value = ValueLabel(row.name, body, panel);
        value->setAccessibleDescription(tr(row.caption));
        caption->setBuddy(value);
        (*row.value)[body] = value;
        fields->addWidget(caption, gridRow, 0);
        fields->addWidget(value, gridRow, 1);
        ++gridRow;
        if (row.value == &lblPosition) {
            // How firm the decanate is against an uncertain birth time; shown only when it may change.
            lblMargin[body] = new NoticeLabel(NoticeLabel::Kind::Warning, panel);
            lblMargin[body]->setObjectName(ArrayName("lblMargin", body));
            lblMargin[body]->setAccessibleDescription(tr("Birth-time margin"));
            fields->addWidget(lblMargin[body], gridRow++, 0, 1, 2);
            // In a classic chart, the decanate a precise ephemeris gives where it differs.
            lblPrecise[body] = new NoticeLabel(NoticeLabel::Kind::Warning, panel);
            lblPrecise[body]->setObjectName(ArrayName("lblPrecise", body));
            lblPrecise[body]->setAccessibleDescription(tr("Precise decanate"));
            fields->addWidget(lblPrecise[body], gridRow++, 0, 1, 2);
        }
        if (row.value == &lblRulingElement) {
            // Under the sign, ruler and element another scheme gave: which one, so none of them reads as the
            // table's.
            lblScheme[body] = new QLabel(panel);
            lblScheme[body]->setObjectName(ArrayName("lblScheme", body));
            lblScheme[body]->setTextFormat(Qt::PlainText);
            lblScheme[body]->setWordWrap(true);
            lblScheme[body]->setAccessibleDescription(tr("Decan scheme"));
            lblScheme[body]->hide();
            fields->addWidget(lblScheme[body], gridRow++, 0, 1, 2);
        }
    }
    lblPlanetName[body]->setText(QString::fromLatin1(BodyName(static_cast<BodyIndex>(body))));
    return fields;
}

QGridLayout* frmDisplay::buildTexts(QFrame* panel, std::size_t body)
{
    struct Box {
        const char* caption;
        const char* name;
        PerBody<LockedTextBox>* text;
    };
    const std::array<Box, 3> boxes{{
        {Caption(DecanateField::KarmicInfluence), "txtKarmicInfluence", &txtKarmicInfluence},
        {Caption(DecanateField::MoreAboutTreeZodiac), "txtMoreAboutTreeZodiac", &txtMoreAboutTreeZodiac},
        {Caption(DecanateField::MoreAboutDecanateSign), "txtMoreAboutDecanateSign", &txtMoreAboutDecanateSign},
    }};
    auto* texts = new QGridLayout;
    for (std::size_t b = 0; b < boxes.size(); ++b) {
        auto* caption = new QLabel(tr(boxes[b].caption), panel);
        LockedTextBox* text = LockedText(boxes[b].name, body, panel);
        text->setAccessibleName(tr(boxes[b].caption));
        caption->setBuddy(text);
        (*boxes[b].text)[body] = text;
        texts->addWidget(caption, 0, static_cast<int>(b));
        texts->addWidget(text, 1, static_cast<int>(b));
        texts->setColumnStretch(static_cast<int>(b), 1);
    }
    return texts;
}

QWidget* frmDisplay::buildBottomStrip()
{
    auto* strip = new QWidget(this);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    lblCoBrandAd = new LinkLabel(tr("Offer QB Tessaline on your own web site under your own name"), strip);
    lblCoBrandAd->setObjectName(QStringLiteral("lblCoBrandAd"));
    cmdOK = new QPushButton(tr("&Back"), strip);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAccessibleName(tr("Back"));
    cmdExit = new QPushButton(tr("&Exit"), strip);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setAccessibleName(tr("Exit"));
    layout->addWidget(lblCoBrandAd);
    layout->addStretch(1);
    layout->addWidget(cmdOK);
    layout->addWidget(cmdExit);
    connect(lblCoBrandAd, &LinkLabel::clicked, this, &OpenCoBrandPage);
    connect(cmdOK, &QPushButton::clicked, this, &frmDisplay::cmdOK_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    return strip;
}

void frmDisplay::ShowDecanateResults(const Chart& chart, const ImageList& pictures)
{
    pictures_ = std::make_unique<ImageList>(pictures);
    const qreal ratio = devicePixelRatioF();
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body)
        picPlanet[body]->setPixmap(
            pictures.picture(static_cast<int>(body) + 1, QSize(kPictureSide, kPictureSide), ratio));
    showChart(chart);
}

template <typename Window> Window* frmDisplay::ringSource(Window* window)
{
    connect(window, &Window::ringChanged, this, [this, window] { offerRing(window); });
    return window;
}

void frmDisplay::offerRing(QWidget* source)
{
    // A window deleted (a new comparison, new progressions) is only left out, never asked.
    ringSources_.removeIf([source](const QPointer<QWidget>& window) { return window.isNull() || window == source; });
    if (source != nullptr)
        ringSources_.prepend(source);
    for (const QPointer<QWidget>& window : ringSources_) {
        const auto* offered = dynamic_cast<const OuterRingSource*>(window.data());
        if (std::optional<OuterRing> ring = offered != nullptr ? offered->ring() : std::nullopt) {
            ringOwner_ = window;
            chartPanel->setOuterRing(std::move(ring));
            return;
        }
    }
    ringOwner_ = nullptr;
    chartPanel->setOuterRing(std::nullopt);
}

ReadingRing frmDisplay::readingRing() const
{
    // What the window draws, the reading prints: the ring, and the transits' table when the ring is the sky.
    ReadingRing around{chartPanel->outerRing(), std::nullopt};
    if (around.ring && transits_ && ringOwner_ == transits_.data())
        around.transits = transits_->report();
    return around;
}

void frmDisplay::setBirthplaceClock(std::optional<atlas::InstantClock> clock)
{
    const bool same = clock.has_value() == birthplaceClock_.has_value()
        && (!clock
            || (clock->zoneId == birthplaceClock_->zoneId && clock->longitudeEast == birthplaceClock_->longitudeEast));
    birthplaceClock_ = std::move(clock);
    if (transits_ && !same)
        transits_->setBirthplaceClock(birthplaceClock_);
}

TransitsWindow* frmDisplay::showTransits()
{
    // One window, kept: its moment and clock stay while it is hidden and shown again.
    if (!transits_) {
        transits_ = ringSource(new TransitsWindow(reading_, this));
        transits_->setBirthplaceClock(birthplaceClock_);
    }
    transits_->show();
    transits_->raise();
    transits_->activateWindow();
    return transits_;
}

void frmDisplay::showChart(const Chart& chart)
{
    ChartFacts facts = chart.Facts();
    facts.mansions = chartPanel->mnuLunarMansions->isChecked();
    reading_ = Chart(std::move(facts));
    lblName->setText(QString::fromStdString(reading_.Name()));
    setWindowTitle(tr("Reading — %1").arg(QString::fromStdString(reading_.Name()).trimmed()));
    lblInstant->setText(QString::fromStdString(CalculatedForText(reading_)));
    lblClock->setText(QString::fromStdString(reading_.ClockSentence()));
    lblClock->setVisible(!reading_.ClockSentence().empty());
    lblPlace->setText(QString::fromStdString(BirthPlaceText(reading_)));
    lblZodiac->setText(ZodiacAndMode(reading_));
    lblAngles->setText(AnglesText(reading_));
    lblMansions->setText(reading_.Mansions() ? HeldItems(FromUtf8(OtherMansionsLine(reading_))) : QString());
    lblMansions->setVisible(reading_.Mansions());
    chartPanel->ShowChart(reading_);
    if (transits_)
        transits_->setChart(reading_); // the same moment around the chart as it is now
    const QString scheme = FromUtf8(SchemeLine(reading_));
    for (std::size_t body = 0; body < kDecanateBodyCount; ++body) {
        const auto point = static_cast<Body>(body);
        const DecanateResult result = reading_.DecanateTextsOf(point);
        lblPosition[body]->setText(QString::fromStdString(reading_.Position(point)));
        lblMargin[body]->setNotice(QString::fromStdString(MarginSentence(reading_.Margin(point), reading_.Clock())));
        lblPrecise[body]->setNotice(QString::fromStdString(reading_.PreciseSentence(point)));
        lblDecanateName[body]->setText(FromUtf8(result.DecanateName));
        lblDecanateSign[body]->setText(FromUtf8(ShownValue(result.DecanateSign)));
        // A face stands in no sign: heard as that, not as a dash.
        lblDecanateSign[body]->setAccessibleName(result.DecanateSign.empty() ? tr("none, a face stands in no sign")
                                                                             : QString());
        lblRulingPlanet[body]->setText(FromUtf8(result.RulingPlanet));
        lblRulingElement[body]->setText(FromUtf8(result.RulingElement));
        lblScheme[body]->setText(scheme);
        lblScheme[body]->setVisible(!scheme.isEmpty());
        lblConstellationName[body]->setText(FromUtf8(result.ConstellationName));
        lblKeyword[body]->setText(FromUtf8(result.Keyword));
        lblTreeZodiac[body]->setText(FromUtf8(result.TreeZodiac));
        lblLunarMansion[body]->setText(FromUtf8(MansionOf(reading_, point)));
        txtKarmicInfluence[body]->setLockedText(FromUtf8(result.KarmicInfluence));
        txtMoreAboutTreeZodiac[body]->setLockedText(FromUtf8(result.MoreAboutTreeZodiac));
        txtMoreAboutDecanateSign[body]->setLockedText(FromUtf8(result.MoreAboutDecanateSign));
    }
}

void frmDisplay::setDrekkanaStyle(DrekkanaStyle style)
{
    chartPanel->setDrekkanaStyle(style);
}

void frmDisplay::setDecanScheme(DecanScheme scheme)
{
    if (!pictures_ || scheme == reading_.Scheme())
        return;
    ChartFacts facts = reading_.Facts();
    facts.scheme = scheme;
    showChart(Chart(std::move(facts)));
}

void frmDisplay::shareSchemeMenu(QMenu* schemes)
{
    if (mnuOptions != nullptr || schemes == nullptr)
        return;
    // Between View and Help, as in the birth data window.
    const QList<QAction*> menus = menuBar()->actions();
    mnuOptions = new QMenu(tr("&Options"), menuBar());
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuOptions->addMenu(schemes);
    menuBar()->insertMenu(menus.size() > 2 ? menus.at(2) : nullptr, mnuOptions);
}

void frmDisplay::cmdOK_Click()
{
    // Show the birth data window before this one goes, so the program never finds itself without a window.
    goingBack_ = true;
    if (birthDataWindow_ != nullptr) {
        birthDataWindow_->show();
        birthDataWindow_->activateWindow();
    }
    close();
}

void frmDisplay::cmdExit_Click()
{
    close();
}

bool frmDisplay::SaveReadingTo(const QString& path)
{
    const auto saved = SaveReading(reading_, pictures_ ? *pictures_ : BodyPictures(), path, readingRing());
    if (saved)
        return true;
    ShowMessage(this, MessageIcon::Critical,
                tr("The reading could not be saved to %1: %2").arg(QDir::toNativeSeparators(path), saved.error()));
    return false;
}

void frmDisplay::mnuSaveReading_Click()
{
    const QString html = tr("HTML document (*.html)");
    const QString pdf = tr("PDF document (*.pdf)");
    QString chosenFilter = html;
    const QString suggested
        = QDir::home().filePath(tr("%1 reading.html").arg(QString::fromStdString(reading_.Name()).trimmed()));
    QString path = QFileDialog::getSaveFileName(this, tr("Save Reading"), suggested, html + QStringLiteral(";;") + pdf,
                                                &chosenFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += chosenFilter == pdf ? QStringLiteral(".pdf") : QStringLiteral(".html");
    SaveReadingTo(path);
}

bool frmDisplay::CompareWith(const QString& path)
{
    if (!comparer_)
        return false;
    const Result<Chart, QString> other = comparer_(path);
    if (!other) {
        if (!other.error().isEmpty())
            ShowMessage(this, MessageIcon::Critical, other.error());
        return false;
    }
    delete comparison_;
    comparison_ = ringSource(new ComparisonWindow(reading_, *other, this));
    comparison_->show();
    comparison_->raise();
    comparison_->activateWindow();
    return true;
}

std::string frmDisplay::pictureInFront() const
{
    const PictureOptions paper{PictureColours::Light, true}; // a file is printed or pasted on paper: its caption too
    if (chartPanel->drekkanaInFront() && DrekkanaUnavailable(reading_).empty())
        return DrekkanaChartSvg(reading_, chartPanel->drekkanaStyle(), paper);
    const std::optional<OuterRing>& ring = chartPanel->outerRing();
    return ring ? ChartWheelSvg(reading_, *ring, paper) : ChartWheelSvg(reading_, paper);
}

bool frmDisplay::SaveChartPictureTo(const QString& path, int pixels)
{
    if (const std::optional<QString> failed = SaveChartPicture(pictureInFront(), path, pixels)) {
        ShowMessage(this, MessageIcon::Critical,
                    tr("The chart picture could not be saved to %1: %2").arg(QDir::toNativeSeparators(path), *failed));
        return false;
    }
    return true;
}

void frmDisplay::mnuSaveChartPicture_Click()
{
    const QString svg = tr("SVG picture (*.svg)");
    const QString png = tr("PNG picture (*.png)");
    const QString pdf = tr("PDF document (*.pdf)");
    QString chosenFilter = png;
    const bool drekkana = chartPanel->drekkanaInFront() && DrekkanaUnavailable(reading_).empty();
    const QString suggested = QDir::home().filePath(
        (drekkana ? tr("%1 drekkana chart.png") : tr("%1 chart wheel.png")).arg(FromUtf8(reading_.Name()).trimmed()));
    QString path
        = QFileDialog::getSaveFileName(this, tr("Save Chart Picture"), suggested,
                                       svg + QStringLiteral(";;") + png + QStringLiteral(";;") + pdf, &chosenFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += chosenFilter == svg ? QStringLiteral(".svg")
            : chosenFilter == pdf   ? QStringLiteral(".pdf")
                                    : QStringLiteral(".png");
    int pixels = 1000;
    if (QFileInfo(path).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0) {
        bool chosen = false;
        pixels = QInputDialog::getInt(this, tr("Save Chart Picture"), tr("The picture's longer side, in pixels:"), 1000,
                                      100, 10000, 100, &chosen);
        if (!chosen)
            return;
    }
    SaveChartPictureTo(path, pixels);
}

void frmDisplay::mnuPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Reading"));
    if (dialog.exec() == QDialog::Accepted)
        PrintReadingOn(printer);
}

bool frmDisplay::PrintReadingOn(QPrinter& printer)
{
    const auto printed = PrintReading(reading_, pictures_ ? *pictures_ : BodyPictures(), printer, readingRing());
    if (printed)
        return true;
    const QString& failure = printed.error();
    const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    ShowMessage(this, MessageIcon::Critical,
                file.isEmpty()
                    ? tr("The reading could not be printed: %1").arg(failure)
                    : tr("The reading could not be printed to %1: %2").arg(QDir::toNativeSeparators(file), failure));
    return false;
}

void frmDisplay::mnuAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmDisplay::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!goingBack_) {
        CloseAllAndEnd();
    }
}

} // namespace tessaline
