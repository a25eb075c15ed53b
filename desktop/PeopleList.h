// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QString>
#include <QWidget>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QUndoStack;

namespace tessaline {

// Text as the list compares it: letters without their accents, in one case ("Zürich" and "zurich" match).
QString FoldedForSearch(const QString& text);

// The people of a file: its header and every record as written (columns no chart reads among them), and the
// four things the list shows of each, name, date, time and place.
class PeopleModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { kName, kDate, kTime, kPlace, kColumnCount };

    explicit PeopleModel(QObject* parent = nullptr);

    void setPeople(std::vector<std::string> header, std::vector<std::vector<std::string>> records);
    const std::vector<std::string>& header() const noexcept { return header_; }
    std::vector<std::string>& header() noexcept { return header_; }
    const std::vector<std::string>& record(std::size_t person) const { return people_[person].record; }
    std::vector<std::vector<std::string>> records() const;
    std::size_t count() const noexcept { return people_.size(); }
    // The person's words, case and accents folded, which the filter looks in.
    const QString& searchText(std::size_t person) const { return people_[person].folded; }

    void insertPerson(std::size_t at, std::vector<std::string> record);
    void removePerson(std::size_t at);
    void replacePerson(std::size_t at, std::vector<std::string> record);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Person {
        std::vector<std::string> record;
        std::array<QString, kColumnCount> shown;
        QString folded;
    };
    Person personOf(std::vector<std::string> record) const;

    std::vector<std::string> header_;
    std::vector<Person> people_;
};

// The people whose name, date, time or place holds every word typed, accents and case aside.
class PeopleFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit PeopleFilter(QObject* parent = nullptr);
    void setQuery(const QString& typed);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QStringList words_;
};

// The people list beside the birth data form: a file's people, found by typing, sorted by any column, each charted
// with Enter or a double click; people added from the form, updated from it, deleted (all undoable) and the list
// saved back to its file whole, through a temporary file.
class PeopleList : public QWidget
{
    Q_OBJECT

public:
    explicit PeopleList(QWidget* parent = nullptr);

    // Shows a file's people; the list then belongs to that file.
    void open(const QString& path, std::vector<std::string> header, std::vector<std::vector<std::string>> records);
    const QString& path() const noexcept { return path_; }
    PeopleModel& model() noexcept { return *model_; }
    QUndoStack& undoStack() noexcept { return *undo_; }
    // The person chosen in the list (by the model's order), if any.
    std::optional<std::size_t> chosenPerson() const;
    void choosePerson(std::size_t person);
    // Whether something changed since the file was opened or saved.
    bool modified() const;

    // Each takes a record in the file's columns (the form's birth, written by the window); the header may grow.
    void addPerson(std::vector<std::string> record);
    void updateChosen(std::vector<std::string> record);
    void deleteChosen();
    // Writes the list to its file through a temporary file, as CSV in the file's columns, or as the text given (the
    // file's own format); the reason when it cannot.
    std::optional<QString> save();
    std::optional<QString> saveText(const std::string& text);

signals:
    // Enter or a double click on a person: the window charts them.
    void personActivated(std::size_t person);
    // The buttons that take the form: the window gives the record.
    void addRequested();
    void updateRequested();
    void saveRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCount();

    QLineEdit* txtFindPerson = nullptr;
    QTableView* lstPeople = nullptr;
    QLabel* lblPeopleCount = nullptr;
    QPushButton* cmdAddPerson = nullptr;
    QPushButton* cmdUpdatePerson = nullptr;
    QPushButton* cmdDeletePerson = nullptr;
    QPushButton* cmdSavePeople = nullptr;
    PeopleModel* model_ = nullptr;
    PeopleFilter* filter_ = nullptr;
    QUndoStack* undo_ = nullptr;
    QString path_;
};

} // namespace tessaline
