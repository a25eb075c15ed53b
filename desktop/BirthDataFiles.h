// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/Result.h"
#include "chart/BatchFile.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QDockWidget;
class QMenu;
class QSettings;
class QWidget;

namespace tessaline {
class PeopleList;
struct BatchBirth;
struct Birth;
struct BirthArguments;
struct BirthFileExtras;
struct BirthDataForm;
struct ValidationFailure;
struct ZodiacChoice;
namespace atlas {
class PlacedBirth;
}
} // namespace tessaline

namespace tessaline {

// The birth data window as the birth data files see it: the form they save and fill, the words typed beside
// it and the place chosen in the atlas. Everything is read and written on the window's thread.
class BirthFormWindow
{
public:
    // The form as the user left it, before any check.
    virtual BirthDataForm CurrentForm() const = 0;
    // Says a failed check of the form (its message, then the focus on its field).
    virtual void showFailure(const ValidationFailure& failure) = 0;
    // Fills the form from a birth file's row: its fields, and its place (with City, State and Country) or none.
    virtual void fillForm(const BirthDataForm& form, const atlas::PlacedBirth* placed) = 0;
    // The zodiac a file's rows are read in.
    virtual ZodiacChoice chosenZodiac() const = 0;
    // The name as typed (a saved file is named after it).
    virtual QString typedName() const = 0;
    // City, State and Country as the user wrote them.
    virtual std::array<std::string, 3> typedPlaceParts() const = 0;
    // The place chosen in the atlas, with the clock and the zone choices made there.
    virtual const atlas::PlacedBirth& placedBirth() const = 0;
    // A row at a place of the atlas: its form and placed birth, or why it cannot be opened.
    virtual Result<BirthDataForm> birthAtPlace(const BatchBirth& birth, atlas::PlacedBirth& placed) = 0;
    // Writes City, State or Country (part 0, 1 or 2) as typed text.
    virtual void typePlacePart(std::size_t part, const QString& text) = 0;

protected:
    BirthFormWindow() = default;
    BirthFormWindow(const BirthFormWindow&) = default;
    BirthFormWindow& operator=(const BirthFormWindow&) = default;
    ~BirthFormWindow() = default;
};

// The birth data window's files: File › Open Birth Data…, Open Recent and Save Birth Data…. A birth file
// is a birth batch (chart/BatchFile.h), the chart tool's format; a row at a place of the atlas opens with
// that place chosen. The last ten files saved or opened are kept in the settings.
class BirthDataFiles : public QObject
{
    Q_OBJECT

public:
    // Adds the three entries to the File menu. window parents the dialogs and messages and owns this object;
    // form is the same window's form, and both outlive this object.
    BirthDataFiles(QWidget& window, BirthFormWindow& form, QMenu* file, QSettings* settings);

    QAction* mnuOpenBirthData = nullptr;
    QMenu* mnuOpenRecent = nullptr;
    QAction* mnuSaveBirthData = nullptr;

    // Saves the window's inputs as a one-row birth batch, after the checks of Get My Tessaline; a failure
    // is reported in a message naming the file.
    bool saveTo(const QString& path);
    // Fills the window from a birth batch (a row the user picks when it holds several); a file that cannot
    // be read or a row the checks refuse is reported naming the file and line, and changes nothing.
    bool openFrom(const QString& path);
    QStringList recentFiles() const { return recent_; }

    // Picks one of several rows, each shown as "line N: NAME, date time"; the index, or nothing to cancel.
    // Where the window has a people list, a file of several people opens in it, and without a chooser the
    // form takes the first.
    using RowChooser = std::function<std::optional<int>(QWidget* parent, const QStringList& rows)>;
    void setRowChooser(RowChooser chooser) { chooseRow_ = std::move(chooser); }

    // The people list beside the form, in its dock: a file of several people opens there, and its buttons
    // take the form's birth. Both belong to the window.
    void setPeopleList(PeopleList* people, QDockWidget* dock);
    // Fills the form with a person of the list; false, after a message naming the file and line, when the
    // person cannot be opened.
    bool openPerson(std::size_t person);
    // A birth of a file (the one the user picks when it holds several) as a chart is calculated from, by the same
    // rules as Open, without touching the form; why not, naming the file and line, otherwise.
    Result<Birth, QString> birthFromFile(const QString& path);

signals:
    // A person of the list was chosen with Enter or a double click and fills the form: the window charts them.
    void personOpened();

private:
    // The birth the form holds as a file keeps it: its place chosen (or its coordinates and zone), City,
    // State and Country.
    std::pair<BirthArguments, BirthFileExtras> formBirth(const BirthDataForm& form) const;
    // The file's text for one birth.
    std::string birthFileText(const BirthDataForm& form) const;
    // The form filled from a row of a file; header says which columns the file has.
    bool openRow(const QString& path, const BatchHeader* header, const BatchFile::Row& row);
    // The rows of a file of another program's format (AAF), as the batch rows both programs chart; false after
    // the message that says why the file cannot be read.
    bool readExchangeFile(const QString& path, std::vector<BatchFile::Row>& rows);
    // A person of the list as a chart is calculated from; why not otherwise.
    Result<Birth, QString> birthOfRow(const QString& path, const BatchFile::Row& row);
    // The list as an AAF file: each person charted for the instant the file keeps; why not, naming the person.
    Result<std::string, QString> peopleAsAaf();
    // The checked form as a record of the people list's file, or nothing after the check's message. keep: the
    // record's other fields.
    std::optional<std::vector<std::string>> formRecord(std::vector<std::string> keep);
    void remember(const QString& path);
    void rebuildRecentMenu();
    // Where the file dialogs start: the folder of the newest recent file, else the home folder.
    QString folder() const;
    bool refuse(const QString& path, std::size_t line, const QString& why) const;

    QWidget& window_;
    BirthFormWindow& form_;
    QSettings* settings_;
    QStringList recent_;
    RowChooser chooseRow_;
    PeopleList* people_ = nullptr;
    QDockWidget* peopleDock_ = nullptr;
};

} // namespace tessaline
