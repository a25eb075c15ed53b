// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

class QAction;
class QMenu;
class QSettings;
class QWidget;

namespace tessaline {
struct BirthDataForm;
}

namespace tessaline {

class frmMain;

// The birth data window's files: File › Open Birth Data…, Open Recent and Save Birth Data…. A birth file
// is a birth batch (chart/BatchFile.h), the chart tool's format; a row at a place of the atlas opens with
// that place chosen. The last ten files saved or opened are kept in the settings.
class BirthDataFiles : public QObject
{
    Q_OBJECT

public:
    // Adds the three entries to the File menu.
    BirthDataFiles(frmMain& window, QMenu* file, QSettings* settings);

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
    using RowChooser = std::function<std::optional<int>(QWidget* parent, const QStringList& rows)>;
    void setRowChooser(RowChooser chooser) { chooseRow_ = std::move(chooser); }

private:
    // The file's text: the birth, its place chosen (or its coordinates and zone), City, State and Country.
    std::string birthFileText(const BirthDataForm& form) const;
    void remember(const QString& path);
    void rebuildRecentMenu();
    // Where the file dialogs start: the folder of the newest recent file, else the home folder.
    QString folder() const;
    bool refuse(const QString& path, std::size_t line, const QString& why) const;

    frmMain& window_;
    QSettings* settings_;
    QStringList recent_;
    RowChooser chooseRow_;
};

} // namespace tessaline
