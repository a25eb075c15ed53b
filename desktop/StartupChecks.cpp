#include "desktop/StartupChecks.h"

#include "desktop/MessagePresenter.h"
#include "desktop/modHelp.h"

#include "chart/BirthData.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tessaline {

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QString PerUserSuffix()
{
#ifdef Q_OS_UNIX
    return QStringLiteral("-%1").arg(::getuid());
#else
    return QLatin1Char('-') + qEnvironmentVariable("USERNAME");
#endif
}

void StoreToday(QSettings& settings, const QDate& today)
{
    settings.setValue(kLastReminderKey, today.toString(kDateFormat));
    settings.sync();
}

} // namespace

QDate SystemToday()
{
    return QDate::currentDate();
}

QString DefaultLockFilePath(const QString& applicationName)
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) {
        return QDir(runtime).filePath(applicationName + QStringLiteral(".lock"));
    }
    return QDir(QDir::tempPath()).filePath(applicationName + PerUserSuffix() + QStringLiteral(".lock"));
}

RunningCopyGuard::RunningCopyGuard(const QString& lockFilePath)
    : lock_(lockFilePath)
{
    // A running copy keeps its lock however long it runs: never judge a lock stale by its age, only by
    // whether the process that wrote it is gone (QLockFile checks the process id and name for that).
    lock_.setStaleLockTime(0);
}

bool RunningCopyGuard::acquire()
{
    if (lock_.isLocked() || lock_.tryLock(0)) {
        return true;
    }
    // Only a lock that another live copy holds stops the start; a folder we cannot write to does not.
    if (lock_.error() != QLockFile::LockFailedError) {
        return true;
    }
    // A lock file that names no process was left half-written by a copy that died while taking it, and with
    // age not counting it would block every start from now on. Removing it fails while a live copy holds the
    // file's native lock, so a copy that is just taking its lock keeps it.
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock_.getLockInfo(&pid, &host, &application) && lock_.removeStaleLockFile()) {
        return lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError;
    }
    return false;
}

void UpdateReminder(QSettings& settings, const Clock& today)
{
    const QDate now = today();
    const QString stored = settings.value(kLastReminderKey).toString().trimmed();
    const QDate last = QDate::fromString(stored, kDateFormat);
    if (!last.isValid()) {
        // First start, or a value that is not a date: start counting from today, without a message.
        StoreToday(settings, now);
        return;
    }
    const qint64 days = last.daysTo(now);
    if (days >= -kReminderIntervalDays && days <= kReminderIntervalDays) {
        return;
    }
    const MessagePresenter::Answer answer
        = ShowMessage(nullptr, MessageIcon::Information, kUpdateQuestion, MessagePresenter::Buttons::YesNo);
    StoreToday(settings, now);
    if (answer == MessagePresenter::Answer::Yes) {
        OpenDownloadPage();
    }
}

bool RunStartupChecks(RunningCopyGuard& guard, QSettings& settings, const Clock& today)
{
    if (!guard.acquire()) {
        ShowMessage(nullptr, MessageIcon::Information, kAlreadyRunningMessage);
        CloseAllAndEnd();
        return false;
    }
    UpdateReminder(settings, today);
    return true;
}

} // namespace tessaline
