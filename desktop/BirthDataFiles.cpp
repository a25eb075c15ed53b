// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/BirthDataFiles.h"

#include "atlas/PlacedBirth.h"
#include "chart/BatchFile.h"
#include "chart/BirthArguments.h"
#include "chart/BirthData.h"
#include "chart/ChartState.h"
#include "desktop/FailureWords.h"
#include "desktop/FilteredLineEdit.h"
#include "desktop/MessagePresenter.h"
#include "desktop/OptionsMenu.h"
#include "desktop/PeopleList.h"
#include "desktop/QtString.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QSaveFile>
#include <QSettings>

#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace tessaline {

namespace {

// The birth data files saved or opened, newest first.
const QString kRecentKey = QStringLiteral("RecentBirthData");
constexpr int kRecentCount = 10;

std::optional<int> ChooseRowInDialog(QWidget* parent, const QStringList& rows)
{
    bool chosen = false;
    const QString row
        = QInputDialog::getItem(parent, QObject::tr("Open Birth Data"),
                                QObject::tr("The file holds several births. Which one?"), rows, 0, false, &chosen);
    if (!chosen)
        return std::nullopt;
    return static_cast<int>(rows.indexOf(row));
}

// Why the batch could not be read at all, in the window's words.
QString FailureText(const BatchFailure& failure)
{
    using enum BatchFailure::Kind;
    switch (failure.kind) {
    case Empty:
        return QObject::tr("it is empty");
    case HeaderTooLong:
        return QObject::tr("the header is too long for a birth batch");
    case CannotOpen:
        return failure.reason.empty() ? QObject::tr("it cannot be opened") : FromUtf8(failure.reason);
    case Folder:
    case Header:
    case ReadFailed:
        break;
    }
    return FromUtf8(failure.reason);
}

// What the list shows for a row: its line, and the name, date and time as written.
QString RowLabel(const BatchFile::Row& row)
{
    using enum BatchHeader::Column;
    QString label = QObject::tr("line %1").arg(row.line);
    if (row.birth || !row.fields[kName].empty())
        label += QStringLiteral(": %1, %2 %3")
                     .arg(FromUtf8(row.fields[kName]).left(60), FromUtf8(row.fields[kDate]).left(12),
                          FromUtf8(row.fields[kTime]).left(8));
    return label;
}

} // namespace

BirthDataFiles::BirthDataFiles(QWidget& window, BirthFormWindow& form, QMenu* file, QSettings* settings)
    : QObject(&window)
    , window_(window)
    , form_(form)
    , settings_(settings)
{
    mnuOpenBirthData = file->addAction(tr("&Open Birth Data…"));
    mnuOpenBirthData->setObjectName(QStringLiteral("mnuOpenBirthData"));
    mnuOpenBirthData->setShortcut(QKeySequence::Open);
    mnuOpenRecent = file->addMenu(tr("Open &Recent"));
    mnuOpenRecent->setObjectName(QStringLiteral("mnuOpenRecent"));
    mnuSaveBirthData = file->addAction(tr("&Save Birth Data…"));
    mnuSaveBirthData->setObjectName(QStringLiteral("mnuSaveBirthData"));
    mnuSaveBirthData->setShortcut(QKeySequence::Save);
    if (settings_ != nullptr)
        recent_ = settings_->value(kRecentKey).toStringList().mid(0, kRecentCount);
    rebuildRecentMenu();

    connect(mnuOpenBirthData, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getOpenFileName(&window_, tr("Open Birth Data"), folder(),
                                                          tr("Birth data (*.csv);;All files (*)"));
        if (!path.isEmpty())
            openFrom(path);
    });
    connect(mnuSaveBirthData, &QAction::triggered, this, [this] {
        const QString suggested = QDir(folder()).filePath(form_.typedName().trimmed() + QStringLiteral(".csv"));
        QString path
            = QFileDialog::getSaveFileName(&window_, tr("Save Birth Data"), suggested, tr("Birth data (*.csv)"));
        if (path.isEmpty())
            return;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".csv");
        saveTo(path);
    });
}

void BirthDataFiles::remember(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent_.removeAll(absolute);
    recent_.prepend(absolute);
    while (recent_.size() > kRecentCount)
        recent_.removeLast();
    SaveChoice(&window_, settings_, kRecentKey, recent_);
    rebuildRecentMenu();
}

void BirthDataFiles::rebuildRecentMenu()
{
    mnuOpenRecent->clear();
    for (int i = 0; i < recent_.size(); ++i) {
        const QString path = recent_[i];
        QAction* entry = mnuOpenRecent->addAction(
            QStringLiteral("&%1 %2").arg(i == 9 ? 0 : i + 1).arg(QDir::toNativeSeparators(path)));
        entry->setObjectName(QStringLiteral("mnuRecent_%1").arg(i));
        connect(entry, &QAction::triggered, this, [this, path] { openFrom(path); });
    }
    mnuOpenRecent->setEnabled(!recent_.isEmpty());
}

QString BirthDataFiles::folder() const
{
    return recent_.isEmpty() ? QDir::homePath() : QFileInfo(recent_.first()).absolutePath();
}

bool BirthDataFiles::refuse(const QString& path, std::size_t line, const QString& why) const
{
    const QString shownPath = QDir::toNativeSeparators(path);
    ShowMessage(&window_, MessageIcon::Critical,
                line > 0 ? tr("%1, line %2: %3").arg(shownPath).arg(line).arg(why)
                         : tr("The birth data could not be read from %1: %2").arg(shownPath, why));
    return false;
}

std::pair<BirthArguments, BirthFileExtras> BirthDataFiles::formBirth(const BirthDataForm& form) const
{
    BirthArguments birth = BirthArgumentsFromForm(form);
    const std::array<std::string, 3> typed = form_.typedPlaceParts();
    BirthFileExtras extras{{}, {}, {}, typed[0], typed[1], typed[2]};
    // The place chosen brings its coordinates and clock: the file names it, and the zone only when the hand
    // chose one there, so that it opens to the same place, clock line and choices.
    const atlas::PlacedBirth& placed = form_.placedBirth();
    if (const atlas::Place* place = placed.ChosenPlace(); place != nullptr) {
        extras.place = placed.PlaceLabel();
        extras.placeId = std::to_string(place->geonamesId);
        if (placed.HandChose())
            extras.handZone = birth.zone;
        birth.zone.clear();
        birth.lon.clear();
        birth.lat.clear();
    }
    return {birth, extras};
}

std::string BirthDataFiles::birthFileText(const BirthDataForm& form) const
{
    const auto [birth, extras] = formBirth(form);
    return BirthBatchText(birth, extras);
}

bool BirthDataFiles::saveTo(const QString& path)
{
    const BirthDataForm form = form_.CurrentForm();
    if (const auto checked = ValidateBirthData(form); !checked) {
        form_.showFailure(checked.error());
        return false;
    }
    // Written in full to a temporary file first, so a failure never leaves half a file behind.
    QSaveFile file(path);
    const std::string text = birthFileText(form);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())
        || !file.commit()) {
        ShowMessage(
            &window_, MessageIcon::Critical,
            tr("The birth data could not be saved to %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    remember(path);
    return true;
}

bool BirthDataFiles::openFrom(const QString& path)
{
    auto opened = BatchFile::Open(QFile::encodeName(path).toStdString());
    if (!opened)
        return refuse(path, opened.error().line, FailureText(opened.error()));
    BatchFile& batch = **opened;
    if (people_ != nullptr)
        batch.KeepRecords();
    std::vector<BatchFile::Row> rows;
    while (auto row = batch.Next(form_.chosenZodiac()))
        rows.push_back(std::move(*row));
    if (const auto finished = batch.Finished(); !finished)
        return refuse(path, 0, FailureText(finished.error()));
    if (rows.empty())
        return refuse(path, 0, tr("it holds no birth, only the header"));

    std::size_t chosen = 0;
    if (rows.size() > 1) {
        QStringList labels;
        for (const BatchFile::Row& row : rows)
            labels.append(RowLabel(row));
        RowChooser choose = chooseRow_ ? chooseRow_ : ChooseRowInDialog;
        if (people_ != nullptr) {
            std::vector<std::vector<std::string>> records;
            records.reserve(rows.size());
            for (BatchFile::Row& row : rows)
                records.push_back(std::move(row.record));
            people_->open(path, batch.HeaderRecord(), std::move(records));
            peopleDock_->show();
            if (!chooseRow_)
                choose = [](QWidget*, const QStringList&) {
                    return std::optional<int>(0);
                };
        }
        const std::optional<int> picked = choose(&window_, labels);
        if (!picked || *picked < 0 || static_cast<std::size_t>(*picked) >= rows.size())
            return false;
        chosen = static_cast<std::size_t>(*picked);
        if (people_ != nullptr)
            people_->choosePerson(chosen);
    }
    if (!openRow(path, batch, rows[chosen]))
        return false;
    remember(path);
    return true;
}

bool BirthDataFiles::openRow(const QString& path, const BatchFile& batch, const BatchFile::Row& row)
{
    if (!row.birth)
        return refuse(path, row.line, FromUtf8(FailureInWords(row.birth.error(), kWindowVoice)));
    const BatchBirth& birth = *row.birth;
    atlas::PlacedBirth placed;
    Result<BirthDataForm> form
        = birth.Placed() ? form_.birthAtPlace(birth, placed) : Worded(ParseBirthArguments(birth.birth), kWindowVoice);
    if (!form)
        return refuse(path, row.line, FromUtf8(form.error()));
    if (const auto checked = ValidateBirthData(*form); !checked)
        return refuse(path, row.line, FromUtf8(checked.error().message));
    form_.fillForm(*form, birth.Placed() ? &placed : nullptr);
    // City, State and Country as the file keeps them, typed; a file without them keeps the window's rule.
    constexpr std::size_t kPlaceParts = 3; // City, State, Country
    for (std::size_t i = 0; i < kPlaceParts; ++i) {
        const auto column = static_cast<BatchHeader::Kept>(BatchHeader::kCity + i);
        if (batch.Header().Has(column))
            form_.typePlacePart(i, FromUtf8(row.kept[column]));
    }
    return true;
}

void BirthDataFiles::setPeopleList(PeopleList* people, QDockWidget* dock)
{
    people_ = people;
    peopleDock_ = dock;
    connect(people_, &PeopleList::personActivated, this, [this](std::size_t person) {
        if (openPerson(person))
            emit personOpened();
    });
    connect(people_, &PeopleList::addRequested, this, [this] {
        if (auto record = formRecord({}))
            people_->addPerson(std::move(*record));
    });
    connect(people_, &PeopleList::updateRequested, this, [this] {
        const std::optional<std::size_t> chosen = people_->chosenPerson();
        if (!chosen)
            return;
        if (auto record = formRecord(people_->model().record(*chosen)))
            people_->updateChosen(std::move(*record));
    });
    connect(people_, &PeopleList::saveRequested, this, [this] {
        if (const std::optional<QString> failed = people_->save())
            ShowMessage(
                &window_, MessageIcon::Critical,
                tr("The people could not be saved to %1: %2").arg(QDir::toNativeSeparators(people_->path()), *failed));
        else
            remember(people_->path());
    });
}

bool BirthDataFiles::openPerson(std::size_t person)
{
    // The person's record read as a batch of one row, by the same rules as the file it came from.
    const std::vector<std::string> record = people_->model().record(person);
    std::istringstream text(PeopleFileText(people_->model().header(), {record}));
    auto opened = BatchFile::Read(text);
    if (!opened)
        return refuse(people_->path(), 0, FailureText(opened.error()));
    std::optional<BatchFile::Row> row = (*opened)->Next(form_.chosenZodiac());
    if (!row)
        return refuse(people_->path(), 0, tr("the person's line cannot be read"));
    row->line = 0; // a line of the one-row copy, not of the file: the message names the file alone
    return openRow(people_->path(), **opened, *row);
}

std::optional<std::vector<std::string>> BirthDataFiles::formRecord(std::vector<std::string> keep)
{
    const BirthDataForm form = form_.CurrentForm();
    if (const auto checked = ValidateBirthData(form); !checked) {
        form_.showFailure(checked.error());
        return std::nullopt;
    }
    const auto [birth, extras] = formBirth(form);
    return BirthRecordIn(people_->model().header(), birth, extras, std::move(keep));
}

} // namespace tessaline
