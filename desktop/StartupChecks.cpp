// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/StartupChecks.h"

#include "chart/BirthData.h"
#include "desktop/MessagePresenter.h"
#include "desktop/modHelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
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

// Whether path is a plain file of this user's, as the lock of another running copy is.
bool IsOwnPlainFile(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat info {
    };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode)
        && info.st_uid == ::getuid();
#else
    return QFileInfo(path).isFile();
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

QString PreparePrivateFolder(const QString& path)
{
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        return QObject::tr("the folder %1 cannot be made: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat info {
    };
    if (::lstat(native.constData(), &info) != 0) {
        return QObject::tr("the folder %1 cannot be read: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!S_ISDIR(info.st_mode)) {
        return QObject::tr("%1 is not a folder").arg(path);
    }
    if (info.st_uid != ::getuid()) {
        return QObject::tr("the folder %1 belongs to another user").arg(path);
    }
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        return QObject::tr("other users may use the folder %1").arg(path);
    }
    return {};
#else
    return QDir().mkpath(path) ? QString() : QObject::tr("the folder %1 cannot be made").arg(path);
#endif
}

QString DefaultLockFilePath(const QString& applicationName, QString* problem)
{
    const QString lockName = applicationName + QStringLiteral(".lock");
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) {
        return QDir(runtime).filePath(lockName);
    }
    // A name in the shared temporary folder is predictable: another user could make it first and so keep
    // the program from starting. A folder only this user may use cannot be taken over that way.
    const QString folder = QDir(QDir::tempPath()).filePath(applicationName + PerUserSuffix());
    const QString unusable = PreparePrivateFolder(folder);
    if (!unusable.isEmpty()) {
        if (problem != nullptr) {
            *problem = unusable;
        }
        return {};
    }
    return QDir(folder).filePath(lockName);
}

RunningCopyGuard::RunningCopyGuard(const QString& lockFilePath, const QString& whyNoPath)
    : lock_(lockFilePath)
    , problem_(lockFilePath.isEmpty() ? whyNoPath : QString())
{
    // A running copy keeps its lock however long it runs: never judge a lock stale by its age, only by
    // whether the process that wrote it is gone (QLockFile checks the process id and name for that).
    lock_.setStaleLockTime(0);
}

bool RunningCopyGuard::acquire()
{
    if (lock_.fileName().isEmpty()) {
        if (problem_.isEmpty()) {
            problem_ = QObject::tr("there is no folder for the lock file");
        }
        return true;
    }
    if (lock_.isLocked() || lock_.tryLock(0)) {
        problem_.clear();
        return true;
    }
    // Only a lock that another live copy holds stops the start; a folder we cannot write to does not.
    if (lock_.error() != QLockFile::LockFailedError) {
        problem_ = QObject::tr("the lock file %1 cannot be made").arg(lock_.fileName());
        return true;
    }
    // Nor does anything at the lock's path that is not a lock file of this user's: a folder, a device,
    // another user's file.
    if (!IsOwnPlainFile(lock_.fileName())) {
        problem_ = QObject::tr("%1 is not a lock file of this user's").arg(lock_.fileName());
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
    if (!guard.problem().isEmpty()) {
        const QByteArray line = (QStringLiteral("tessaline: starting without the check for another running copy: ")
                                 + guard.problem() + QLatin1Char('\n'))
                                    .toLocal8Bit();
        std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    }
    UpdateReminder(settings, today);
    return true;
}

} // namespace tessaline
