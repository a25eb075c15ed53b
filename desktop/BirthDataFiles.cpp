// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/BirthDataFiles.h"

#include "atlas/PlacedBirth.h"
#include "chart/BatchFile.h"
#include "chart/BirthArguments.h"
#include "chart/BirthData.h"
#include "chart/ChartState.h"
#include "decanates/CalculationDriver.h"
#include "decanates/Chart.h"
#include "desktop/FailureWords.h"
#include "desktop/FilteredLineEdit.h"
#include "desktop/MessagePresenter.h"
#include "desktop/OptionsMenu.h"
#include "desktop/PeopleList.h"
#include "desktop/QtString.h"
#include "report/AafFile.h"

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

// Whether a file is another program's: an AAF file, by its name.
bool IsExchangeFile(const QString& path)
{
    return QFileInfo(path).suffix().compare(QStringLiteral("aaf"), Qt::CaseInsensitive) == 0;
}

// The columns an exchange file's people are kept in: every column a batch reads or keeps.
std::vector<std::string> OurColumns()
{
    std::vector<std::string> header(BatchHeader::kNames.begin(), BatchHeader::kNames.end());
    header.insert(header.end(), BatchHeader::kKeptNames.begin(), BatchHeader::kKeptNames.end());
    return header;
}

// An exchange file's record in those columns, as its birth reads; the place's name it gives (no atlas reads it)
// as the city typed. A refused record keeps what its row holds.
std::vector<std::string> RecordInOurColumns(const BatchFile::Row& row)
{
    std::vector<std::string> record(row.fields.begin(), row.fields.end());
    record.insert(record.end(), row.kept.begin(), row.kept.end());
    if (!row.birth)
        return record;
    using enum BatchHeader::Column;
    const BatchBirth& birth = *row.birth;
    const BirthArguments& given = birth.birth;
    for (const auto& [column, value] :
         {std::pair{kName, given.name}, std::pair{kDate, given.date}, std::pair{kTime, given.time},
          std::pair{kZone, given.zone}, std::pair{kLon, given.lon}, std::pair{kLat, given.lat},
          std::pair{kPlace, birth.place}, std::pair{kPlaceId, birth.placeId}})
        record[column] = value;
    record[kDst] = birth.dst ? (*birth.dst ? "1" : "0") : (given.dst ? "1" : "0");
    if (const std::size_t city = BatchHeader::kNames.size() + BatchHeader::kCity;
        !birth.placeLabel.empty() && record[city].empty())
        record[city] = birth.placeLabel;
    return record;
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
                                                          tr("Birth data (*.csv *.aaf);;All files (*)"));
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
    // Another program's file (AAF) gives its records as the rows of our own batches.
    const bool exchange = IsExchangeFile(path);
    std::unique_ptr<BatchFile> batch;
    std::vector<BatchFile::Row> rows;
    if (exchange) {
        if (!readExchangeFile(path, rows))
            return false;
    } else {
        auto opened = BatchFile::Open(QFile::encodeName(path).toStdString());
        if (!opened)
            return refuse(path, opened.error().line, FailureText(opened.error()));
        batch = std::move(*opened);
        if (people_ != nullptr)
            batch->KeepRecords();
        while (auto row = batch->Next(form_.chosenZodiac()))
            rows.push_back(std::move(*row));
        if (const auto finished = batch->Finished(); !finished)
            return refuse(path, 0, FailureText(finished.error()));
    }
    if (rows.empty())
        return refuse(path, 0, exchange ? tr("it holds no record") : tr("it holds no birth, only the header"));

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
                records.push_back(exchange ? RecordInOurColumns(row) : std::move(row.record));
            people_->open(path, exchange ? OurColumns() : batch->HeaderRecord(), std::move(records));
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
    if (!openRow(path, exchange ? nullptr : &batch->Header(), rows[chosen]))
        return false;
    remember(path);
    return true;
}

bool BirthDataFiles::readExchangeFile(const QString& path, std::vector<BatchFile::Row>& rows)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(path, 0, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refuse(path, 0, file.errorString());
    AafRecords read = ReadAafRecords(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                     form_.chosenZodiac());
    rows = std::move(read.rows);
    return true;
}

bool BirthDataFiles::openRow(const QString& path, const BatchHeader* header, const BatchFile::Row& row)
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
        if (header != nullptr && header->Has(column))
            form_.typePlacePart(i, FromUtf8(row.kept[column]));
    }
    if (header == nullptr && !birth.Placed()) // another program's file: its place's name, as typed
        for (std::size_t i = 0; i < kPlaceParts; ++i)
            form_.typePlacePart(i, i == 0 ? FromUtf8(birth.placeLabel) : QString());
    return true;
}

Result<Birth, QString> BirthDataFiles::birthFromFile(const QString& path)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    const auto refused = [&shownPath](std::size_t line, const QString& why) {
        return Unexpected<QString>{line > 0 ? tr("%1, line %2: %3").arg(shownPath).arg(line).arg(why)
                                            : tr("The birth could not be read from %1: %2").arg(shownPath, why)};
    };
    std::vector<BatchFile::Row> rows;
    if (IsExchangeFile(path)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return refused(0, file.errorString());
        const QByteArray bytes = file.readAll();
        rows = ReadAafRecords(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                              form_.chosenZodiac())
                   .rows;
    } else {
        auto opened = BatchFile::Open(QFile::encodeName(path).toStdString());
        if (!opened)
            return refused(opened.error().line, FailureText(opened.error()));
        while (auto row = (*opened)->Next(form_.chosenZodiac()))
            rows.push_back(std::move(*row));
        if (const auto finished = (*opened)->Finished(); !finished)
            return refused(0, FailureText(finished.error()));
    }
    if (rows.empty())
        return refused(0, tr("it holds no birth"));
    std::size_t chosen = 0;
    if (rows.size() > 1) {
        QStringList labels;
        for (const BatchFile::Row& row : rows)
            labels.append(RowLabel(row));
        const std::optional<int> picked = (chooseRow_ ? chooseRow_ : ChooseRowInDialog)(&window_, labels);
        if (!picked || *picked < 0 || static_cast<std::size_t>(*picked) >= rows.size())
            return Unexpected<QString>{QString()}; // the user chose none: nothing to say
        chosen = static_cast<std::size_t>(*picked);
    }
    return birthOfRow(path, rows[chosen]);
}

Result<Birth, QString> BirthDataFiles::birthOfRow(const QString& path, const BatchFile::Row& row)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    const auto refused = [&shownPath](std::size_t line, const QString& why) {
        return Unexpected<QString>{line > 0 ? tr("%1, line %2: %3").arg(shownPath).arg(line).arg(why)
                                            : tr("%1: %2").arg(shownPath, why)};
    };
    if (!row.birth)
        return refused(row.line, FromUtf8(FailureInWords(row.birth.error(), kWindowVoice)));
    atlas::PlacedBirth placed;
    Result<BirthDataForm> form = row.birth->Placed() ? form_.birthAtPlace(*row.birth, placed)
                                                     : Worded(ParseBirthArguments(row.birth->birth), kWindowVoice);
    if (!form)
        return refused(row.line, FromUtf8(form.error()));
    if (const auto checked = ValidateBirthData(*form); !checked)
        return refused(row.line, FromUtf8(checked.error().message));
    if (!row.birth->Placed())
        return Birth{*form, row.birth->placeLabel};
    return Birth{*form, placed.PlaceLabel(), placed.ChartClockSentence()};
}

Result<std::string, QString> BirthDataFiles::peopleAsAaf()
{
    std::string text;
    const PeopleModel& people = people_->model();
    for (std::size_t i = 0; i < people.count(); ++i) {
        // Each person read as a batch of one row, by the rules of the list's own columns.
        std::istringstream one(PeopleFileText(people.header(), {people.record(i)}));
        auto opened = BatchFile::Read(one);
        std::optional<BatchFile::Row> row;
        if (opened)
            row = (*opened)->Next(form_.chosenZodiac());
        if (!row)
            return Unexpected<QString>{tr("person %1 of the list cannot be read").arg(i + 1)};
        row->line = 0;
        const Result<Birth, QString> birth = birthOfRow(people_->path(), *row);
        if (!birth)
            return Unexpected<QString>{
                tr("person %1 of the list (%2): %3")
                    .arg(i + 1)
                    .arg(people.data(people.index(static_cast<int>(i), 0), Qt::DisplayRole).toString(), birth.error())};
        const Result<Chart, ValidationFailure> chart = Calculate(*birth, ChartOptions{});
        if (!chart)
            return Unexpected<QString>{FromUtf8(chart.error().message)};
        std::vector<std::string> lost; // what AAF cannot hold as it is: a comma in a name becomes a blank
        text += AafRecord(*chart, lost);
    }
    return text;
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
        std::optional<QString> failed;
        if (IsExchangeFile(people_->path())) { // the file's own format, every person charted for its instant
            const Result<std::string, QString> text = peopleAsAaf();
            failed = text ? people_->saveText(*text) : std::optional<QString>(text.error());
        } else {
            failed = people_->save();
        }
        if (failed)
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
    return openRow(people_->path(), &(*opened)->Header(), *row);
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
