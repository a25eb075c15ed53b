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

// The per-user lock file of the running copy: in the runtime folder, else in the temporary folder (under a
// per-user name, since that folder is shared).
QString DefaultLockFilePath(const QString& applicationName);

// Guards against a second running copy with a lock file that lives as long as this object.
class RunningCopyGuard
{
public:
    explicit RunningCopyGuard(const QString& lockFilePath);

    // Takes the lock and returns true unless another running copy holds it. A lock left behind by a copy
    // that crashed or was killed is removed and taken. When no lock can be made at all (an unwritable
    // folder) nothing says another copy runs, so the program may start.
    bool acquire();

    // Whether this object holds the lock.
    bool holdsLock() const { return lock_.isLocked(); }

private:
    QLockFile lock_;
};

// Asks at most about every two weeks whether to look for a newer version; Yes opens the download page.
// Reads and writes LastReminderDate; an absent or unreadable value just records today.
void UpdateReminder(QSettings& settings, const Clock& today);

// The steps before the birth data window: the running-copy guard, then the update reminder. Returns false
// when another copy runs: the message has been shown, CloseAllAndEnd called, and the program must return
// from main without showing a window.
bool RunStartupChecks(RunningCopyGuard& guard, QSettings& settings, const Clock& today);

} // namespace tessaline
