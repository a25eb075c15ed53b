// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/PeopleList.h"

#include "chart/BatchFile.h"
#include "chart/Text.h"
#include "desktop/QtString.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <utility>

namespace tessaline {

namespace {

// A change to the list that undoes itself: what to do, and what undoes it.
class ListChange : public QUndoCommand
{
public:
    ListChange(const QString& text, std::function<void()> doIt, std::function<void()> undoIt)
        : QUndoCommand(text)
        , do_(std::move(doIt))
        , undo_(std::move(undoIt))
    { }
    void redo() override { do_(); }
    void undo() override { undo_(); }

private:
    std::function<void()> do_;
    std::function<void()> undo_;
};

// The index of a column of the file's header, if it has one.
std::optional<std::size_t> ColumnNamed(const std::vector<std::string>& header, std::string_view name)
{
    const auto at = std::find(header.begin(), header.end(), name);
    return at == header.end() ? std::nullopt : std::optional<std::size_t>(at - header.begin());
}

} // namespace

QString FoldedForSearch(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            folded += c;
    return folded.toCaseFolded();
}

PeopleModel::PeopleModel(QObject* parent)
    : QAbstractTableModel(parent)
{ }

PeopleModel::Person PeopleModel::personOf(std::vector<std::string> record) const
{
    const auto field = [&](std::string_view name) {
        const std::optional<std::size_t> column = ColumnNamed(header_, name);
        return column && *column < record.size() ? FromUtf8(TrimBlanks(record[*column])) : QString();
    };
    Person person;
    person.shown[kName] = field("name");
    person.shown[kDate] = field("date");
    person.shown[kTime] = field("time");
    // The place the file names; else City, State and Country as typed; else the coordinates.
    QString place = field("place");
    if (place.isEmpty()) {
        QStringList parts;
        for (const char* part : {"city", "state", "country"})
            if (const QString value = field(part); !value.isEmpty())
                parts.append(value);
        place = parts.join(QStringLiteral(", "));
    }
    if (place.isEmpty() && !field("lon").isEmpty())
        place = field("lat") + QStringLiteral(" ") + field("lon");
    person.shown[kPlace] = place;
    person.folded = FoldedForSearch(person.shown[kName] + QLatin1Char(' ') + person.shown[kDate] + QLatin1Char(' ')
                                    + person.shown[kTime] + QLatin1Char(' ') + place);
    person.record = std::move(record);
    return person;
}

void PeopleModel::setPeople(std::vector<std::string> header, std::vector<std::vector<std::string>> records)
{
    beginResetModel();
    header_ = std::move(header);
    people_.clear();
    people_.reserve(records.size());
    for (std::vector<std::string>& record : records)
        people_.push_back(personOf(std::move(record)));
    endResetModel();
}

std::vector<std::vector<std::string>> PeopleModel::records() const
{
    std::vector<std::vector<std::string>> all;
    all.reserve(people_.size());
    for (const Person& person : people_)
        all.push_back(person.record);
    return all;
}

void PeopleModel::insertPerson(std::size_t at, std::vector<std::string> record)
{
    at = std::min(at, people_.size());
    beginInsertRows({}, static_cast<int>(at), static_cast<int>(at));
    people_.insert(people_.begin() + static_cast<std::ptrdiff_t>(at), personOf(std::move(record)));
    endInsertRows();
}

void PeopleModel::removePerson(std::size_t at)
{
    if (at >= people_.size())
        return;
    beginRemoveRows({}, static_cast<int>(at), static_cast<int>(at));
    people_.erase(people_.begin() + static_cast<std::ptrdiff_t>(at));
    endRemoveRows();
}

void PeopleModel::replacePerson(std::size_t at, std::vector<std::string> record)
{
    if (at >= people_.size())
        return;
    people_[at] = personOf(std::move(record));
    emit dataChanged(index(static_cast<int>(at), 0), index(static_cast<int>(at), kColumnCount - 1));
}

int PeopleModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(people_.size());
}

int PeopleModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant PeopleModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= people_.size()
        || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return people_[static_cast<std::size_t>(index.row())].shown[static_cast<std::size_t>(index.column())];
}

QVariant PeopleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case kName:
        return tr("Name");
    case kDate:
        return tr("Date");
    case kTime:
        return tr("Time");
    case kPlace:
        return tr("Place");
    default:
        return {};
    }
}

PeopleFilter::PeopleFilter(QObject* parent)
    : QSortFilterProxyModel(parent)
{
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void PeopleFilter::setQuery(const QString& typed)
{
    words_ = FoldedForSearch(typed).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    invalidateFilter();
}

bool PeopleFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const auto* people = static_cast<const PeopleModel*>(sourceModel());
    const QString& text = people->searchText(static_cast<std::size_t>(sourceRow));
    return std::all_of(words_.begin(), words_.end(), [&text](const QString& word) { return text.contains(word); });
}

PeopleList::PeopleList(QWidget* parent)
    : QWidget(parent)
    , model_(new PeopleModel(this))
    , filter_(new PeopleFilter(this))
    , undo_(new QUndoStack(this))
{
    setObjectName(QStringLiteral("fraPeople"));
    filter_->setSourceModel(model_);
    auto* find = new QLabel(tr("&Find:"), this);
    txtFindPerson = new QLineEdit(this);
    txtFindPerson->setObjectName(QStringLiteral("txtFindPerson"));
    txtFindPerson->setClearButtonEnabled(true);
    txtFindPerson->setPlaceholderText(tr("name, date or place"));
    txtFindPerson->setAccessibleName(tr("Find a person"));
    find->setBuddy(txtFindPerson);
    lstPeople = new QTableView(this);
    lstPeople->setObjectName(QStringLiteral("lstPeople"));
    lstPeople->setAccessibleName(tr("People"));
    lstPeople->setModel(filter_);
    lstPeople->setSortingEnabled(true);
    lstPeople->sortByColumn(-1, Qt::AscendingOrder); // the file's order until a column is chosen
    lstPeople->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstPeople->setSelectionMode(QAbstractItemView::SingleSelection);
    lstPeople->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstPeople->setTabKeyNavigation(false);
    lstPeople->verticalHeader()->hide();
    lstPeople->verticalHeader()->setDefaultSectionSize(lstPeople->fontMetrics().height() * 3 / 2);
    lstPeople->setWordWrap(false); // a row a line; a long name ends in an ellipsis, whole in its tooltip
    lstPeople->horizontalHeader()->setStretchLastSection(true);
    lstPeople->horizontalHeader()->setResizeContentsPrecision(200); // the first rows measure a column, not all
    lstPeople->installEventFilter(this);
    txtFindPerson->installEventFilter(this);
    lblPeopleCount = new QLabel(this);
    lblPeopleCount->setObjectName(QStringLiteral("lblPeopleCount"));
    cmdAddPerson = new QPushButton(tr("&Add from Form"), this);
    cmdAddPerson->setObjectName(QStringLiteral("cmdAddPerson"));
    cmdUpdatePerson = new QPushButton(tr("&Update from Form"), this);
    cmdUpdatePerson->setObjectName(QStringLiteral("cmdUpdatePerson"));
    cmdDeletePerson = new QPushButton(tr("De&lete"), this);
    cmdDeletePerson->setObjectName(QStringLiteral("cmdDeletePerson"));
    cmdSavePeople = new QPushButton(tr("Sa&ve List"), this);
    cmdSavePeople->setObjectName(QStringLiteral("cmdSavePeople"));

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(find);
    findRow->addWidget(txtFindPerson, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdAddPerson, cmdUpdatePerson, cmdDeletePerson, cmdSavePeople})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(findRow);
    layout->addWidget(lstPeople, 1);
    layout->addWidget(lblPeopleCount);
    layout->addLayout(buttons);

    connect(txtFindPerson, &QLineEdit::textChanged, this, [this](const QString& typed) {
        filter_->setQuery(typed);
        showCount();
    });
    connect(lstPeople, &QTableView::doubleClicked, this, [this] {
        if (const auto person = chosenPerson())
            emit personActivated(*person);
    });
    connect(cmdAddPerson, &QPushButton::clicked, this, &PeopleList::addRequested);
    connect(cmdUpdatePerson, &QPushButton::clicked, this, &PeopleList::updateRequested);
    connect(cmdDeletePerson, &QPushButton::clicked, this, &PeopleList::deleteChosen);
    connect(cmdSavePeople, &QPushButton::clicked, this, &PeopleList::saveRequested);
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(filter_, signal, this, &PeopleList::showCount);
    connect(filter_, &QAbstractItemModel::modelReset, this, &PeopleList::showCount);
}

void PeopleList::open(const QString& path, std::vector<std::string> header,
                      std::vector<std::vector<std::string>> records)
{
    path_ = path;
    undo_->clear();
    model_->setPeople(std::move(header), std::move(records));
    txtFindPerson->clear();
    for (const int column : {PeopleModel::kName, PeopleModel::kDate, PeopleModel::kTime})
        lstPeople->resizeColumnToContents(column);
    showCount();
}

void PeopleList::showCount()
{
    const int shown = filter_->rowCount();
    const int all = model_->rowCount();
    lblPeopleCount->setText(shown == all ? tr("%1 people in %2").arg(all).arg(QDir::toNativeSeparators(path_))
                                         : tr("%1 of %2 people").arg(shown).arg(all));
}

std::optional<std::size_t> PeopleList::chosenPerson() const
{
    const QModelIndex current = lstPeople->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return static_cast<std::size_t>(filter_->mapToSource(current).row());
}

void PeopleList::choosePerson(std::size_t person)
{
    const QModelIndex at = filter_->mapFromSource(model_->index(static_cast<int>(person), 0));
    if (!at.isValid())
        return;
    lstPeople->setCurrentIndex(at);
    lstPeople->scrollTo(at);
}

bool PeopleList::modified() const
{
    return !undo_->isClean();
}

void PeopleList::addPerson(std::vector<std::string> record)
{
    const std::size_t at = model_->count();
    undo_->push(new ListChange(
        tr("Add"),
        [this, at, record = std::move(record)] {
            model_->insertPerson(at, record);
            choosePerson(at);
        },
        [this, at] { model_->removePerson(at); }));
}

void PeopleList::updateChosen(std::vector<std::string> record)
{
    const std::optional<std::size_t> person = chosenPerson();
    if (!person)
        return;
    const std::size_t at = *person;
    undo_->push(new ListChange(
        tr("Update"), [this, at, record = std::move(record)] { model_->replacePerson(at, record); },
        [this, at, before = model_->record(at)] { model_->replacePerson(at, before); }));
}

void PeopleList::deleteChosen()
{
    const std::optional<std::size_t> person = chosenPerson();
    if (!person)
        return;
    const std::size_t at = *person;
    undo_->push(new ListChange(
        tr("Delete"), [this, at] { model_->removePerson(at); },
        [this, at, before = model_->record(at)] {
            model_->insertPerson(at, before);
            choosePerson(at);
        }));
}

std::optional<QString> PeopleList::save()
{
    return saveText(PeopleFileText(model_->header(), model_->records()));
}

std::optional<QString> PeopleList::saveText(const std::string& text)
{
    // Written in full to a temporary file first, so a failure never leaves half a file behind.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())
        || !file.commit())
        return file.errorString();
    undo_->setClean();
    return std::nullopt;
}

bool PeopleList::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == txtFindPerson && (key->key() == Qt::Key_Down || enter) && filter_->rowCount() > 0) {
        // From the box to the list: the first person shown, or straight to the chart with Enter.
        if (!lstPeople->currentIndex().isValid())
            lstPeople->setCurrentIndex(filter_->index(0, 0));
        if (enter) {
            emit personActivated(*chosenPerson());
            return true;
        }
        lstPeople->setFocus();
        return true;
    }
    if (watched == lstPeople && enter) {
        if (const auto person = chosenPerson())
            emit personActivated(*person);
        return true;
    }
    if (watched == lstPeople && key->key() == Qt::Key_Delete) {
        deleteChosen();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessaline
