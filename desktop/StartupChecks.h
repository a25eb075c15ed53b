// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLockFile>
#include <QString>

#include <functional>

class QSettings;

namespace tessaline {

// Today's date; the system's unless a test supplies its own.
using Clock = std::function<QDate()>;
QDate SystemToday();

// The message a second copy shows before it ends.
inline const QString kAlreadyRunningMessage = QStringLiteral("Application is already running");

// The update question: two lines joined by a carriage return.
inline const QString kUpdateQuestion = QStringLiteral("There maybe an update to this software available\r"
                                                      "Do you want to check for an update?");

// Where LastReminderDate lives in the per-user settings: section "Settings", name "Duration".
inline const QString kLastReminderKey = QStringLiteral("Settings/Duration");

// The reminder asks again once the last reminder lies more than this many days before or after today.
inline constexpr qint64 kReminderIntervalDays = 14;

// The per-user lock file of the running copy: in the runtime folder, else in a folder of the temporary
// folder that only this user may use. Any local user could have made that folder first, so it is checked;
// when it does not serve, the result is empty and problem says why.
QString DefaultLockFilePath(const QString& applicationName, QString* problem = nullptr);

// Makes the folder if it is absent (mode 0700) and checks that it is a folder, not a link, owned by this
// user, that no one else may enter or write. Returns why it cannot serve, or an empty text.
QString PreparePrivateFolder(const QString& path);

// Guards against a second running copy with a lock file that lives as long as this object.
class RunningCopyGuard
{
public:
    // An empty path means there is no safe place for the lock; whyNoPath says why.
    explicit RunningCopyGuard(const QString& lockFilePath, const QString& whyNoPath = {});

    // Takes the lock and returns true unless another running copy holds it. A lock left behind by a copy
    // that crashed or was killed is removed and taken. When no lock can be made at all (an unwritable
    // folder), or the path holds something that is not this user's lock file, nothing says another copy
    // runs: the program may start, without the guard, and problem() says why.
    bool acquire();

    // Whether this object holds the lock.
    bool holdsLock() const { return lock_.isLocked(); }

    // Why the program starts without the guard; empty when the guard is in force.
    const QString& problem() const { return problem_; }

private:
    QLockFile lock_;
    QString problem_;
};

// Asks at most about every two weeks whether to look for a newer version; Yes opens the download page.
// Reads and writes LastReminderDate; an absent or unreadable value just records today.
void UpdateReminder(QSettings& settings, const Clock& today);

// The steps before the birth data window: the running-copy guard, then the update reminder. Returns false
// when another copy runs: the message has been shown, CloseAllAndEnd called, and the program must return
// from main without showing a window. A guard that cannot work says why on stderr.
bool RunStartupChecks(RunningCopyGuard& guard, QSettings& settings, const Clock& today);

} // namespace tessaline
