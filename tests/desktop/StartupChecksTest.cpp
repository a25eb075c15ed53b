// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the running-copy guard and the update reminder, through a scripted clock, a temporary settings
// file and lock files held by the test or by a helper process.

#include "desktop/StartupChecks.h"

#include "DesktopTestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace tessaline::testing {
namespace {

const QString kQuestion = QStringLiteral("There maybe an update to this software available\r"
                                         "Do you want to check for an update?");

struct Asked {
    MessageIcon icon;
    QString text;
    MessagePresenter::Buttons buttons;
};

// Records every message and gives the scripted answer to a question.
class ScriptedPresenter final : public MessagePresenter
{
public:
    Answer present(QWidget*, MessageIcon icon, const QString& text, Buttons buttons) override
    {
        asked.push_back({icon, text, buttons});
        return buttons == Buttons::YesNo ? answer : Answer::Ok;
    }
    Answer answer = Answer::No;
    std::vector<Asked> asked;
};

class StartupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        SetMessagePresenter(&messages);
        SetUrlOpener(&browser);
        SetSiteAddresses(TestSites());
    }
    void TearDown() override
    {
        SetMessagePresenter(nullptr);
        SetUrlOpener(nullptr);
        SetSiteAddresses(std::nullopt);
    }

    QString settingsPath() const { return folder.filePath(QStringLiteral("tessaline.conf")); }
    QString lockPath() const { return folder.filePath(QStringLiteral("tessaline.lock")); }

    // The stored LastReminderDate as a fresh reader of the file sees it.
    QString storedDate() const
    {
        return QSettings(settingsPath(), QSettings::IniFormat).value(QStringLiteral("Settings/Duration")).toString();
    }

    void store(const QString& value)
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Settings/Duration"), value);
    }

    QTemporaryDir folder;
    ScriptedPresenter messages;
    RecordingOpener browser;
};

// ---- Update reminder ------------------------------------------------------------------------------------

struct ReminderCase {
    const char* name;
    std::optional<QString> stored; // nullopt: the setting is absent
    QDate today;
    MessagePresenter::Answer answer;
    bool asks;
    QString storedAfter;
};

const QDate kMarch15 = QDate(2024, 3, 15);

// Day counts by calendar: 2024 is a leap year, so 29 February 2024 lies 15 days before 15 March.
const std::vector<ReminderCase>& ReminderCases()
{
    using A = MessagePresenter::Answer;
    static const std::vector<ReminderCase> cases{
        {"FirstStart", std::nullopt, kMarch15, A::No, false, "2024-03-15"},
        {"EmptyValue", QString(), kMarch15, A::No, false, "2024-03-15"},
        {"FourteenDaysAgo", "2024-03-01", kMarch15, A::No, false, "2024-03-01"},
        {"FifteenDaysAgoNo", "2024-02-29", kMarch15, A::No, true, "2024-03-15"},
        {"FifteenDaysAgoYes", "2024-02-29", kMarch15, A::Yes, true, "2024-03-15"},
        {"FourteenDaysAhead", "2024-03-29", kMarch15, A::No, false, "2024-03-29"},
        {"FifteenDaysAheadYes", "2024-03-30", kMarch15, A::Yes, true, "2024-03-15"},
        {"FourteenDaysAcrossNewYear", "2023-12-27", QDate(2024, 1, 10), A::No, false, "2023-12-27"},
        {"FifteenDaysAcrossNewYear", "2023-12-26", QDate(2024, 1, 10), A::No, true, "2024-01-10"},
        {"Unreadable", "soon", kMarch15, A::No, false, "2024-03-15"},
        {"NoSuchDay", "2023-02-29", kMarch15, A::No, false, "2024-03-15"},
        {"OtherDateForm", "15/03/2023", kMarch15, A::No, false, "2024-03-15"},
        {"TrailingGarbage", "2023-03-15xyz", kMarch15, A::No, false, "2024-03-15"},
    };
    return cases;
}

class Reminder : public StartupTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(Reminder, AsksOnlyAfterTwoWeeksAndRecordsToday)
{
    const ReminderCase& c = ReminderCases()[static_cast<std::size_t>(GetParam())];
    if (c.stored) {
        store(*c.stored);
    }
    messages.answer = c.answer;
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        UpdateReminder(settings, [&] { return c.today; });
    }

    if (c.asks) {
        ASSERT_EQ(messages.asked.size(), 1U);
        EXPECT_EQ(messages.asked[0].text, kQuestion);
        EXPECT_EQ(messages.asked[0].icon, MessageIcon::Information);
        EXPECT_EQ(messages.asked[0].buttons, MessagePresenter::Buttons::YesNo);
    } else {
        EXPECT_TRUE(messages.asked.empty());
    }
    const bool opens = c.asks && c.answer == MessagePresenter::Answer::Yes;
    ASSERT_EQ(browser.opened.size(), opens ? 1U : 0U);
    if (opens) {
        EXPECT_EQ(browser.opened[0], ProgramSite() + QStringLiteral("/download-qb-free-tessaline.html"));
    }
    EXPECT_EQ(storedDate(), c.storedAfter);
}

INSTANTIATE_TEST_SUITE_P(ReminderDates, Reminder, ::testing::Range(0, static_cast<int>(ReminderCases().size())),
                         [](const auto& info) {
                             return std::string(ReminderCases()[static_cast<std::size_t>(info.param)].name);
                         });

TEST_F(StartupTest, ReminderDateIsDurationInSectionSettings)
{
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        UpdateReminder(settings, [] { return QDate(2025, 7, 4); });
    }
    QFile file(settingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    EXPECT_EQ(QString::fromUtf8(file.readAll()).trimmed(), QStringLiteral("[Settings]\nDuration=2025-07-04"));
}

// ---- Running-copy guard -----------------------------------------------------------------------------------

// Another copy, played by a helper process that takes the lock like the program does.
class OtherCopy
{
public:
    explicit OtherCopy(const QString& lockPath)
    {
        process_.start(QStringLiteral(TESSALINE_LOCK_HOLDER), {lockPath});
        locked_ = process_.waitForReadyRead(10000) && process_.readAll().startsWith("locked");
    }
    ~OtherCopy()
    {
        process_.kill();
        process_.waitForFinished(5000);
    }
    bool locked() const { return locked_; }

    // Ends the other copy the hard way: it cannot remove its lock file.
    void killHard()
    {
        process_.kill();
        process_.waitForFinished(5000);
    }

private:
    QProcess process_;
    bool locked_ = false;
};

class Guard : public StartupTest
{
protected:
    // Runs the start-up checks with a reminder that would ask if it ran (its date is a month old).
    bool startUp()
    {
        store(QStringLiteral("2024-02-15"));
        RunningCopyGuard guard(lockPath());
        QSettings settings(settingsPath(), QSettings::IniFormat);
        return RunStartupChecks(guard, settings, [] { return kMarch15; });
    }

    void expectOnlyAlreadyRunning()
    {
        ASSERT_EQ(messages.asked.size(), 1U);
        EXPECT_EQ(messages.asked[0].text, QStringLiteral("Application is already running"));
        EXPECT_EQ(messages.asked[0].icon, MessageIcon::Information);
        EXPECT_EQ(messages.asked[0].buttons, MessagePresenter::Buttons::Ok);
        EXPECT_EQ(storedDate(), QStringLiteral("2024-02-15")) << "the reminder must not run in a second copy";
    }

    void expectStartedWithReminder()
    {
        ASSERT_EQ(messages.asked.size(), 1U);
        EXPECT_EQ(messages.asked[0].text, kQuestion);
    }
};

TEST_F(Guard, FirstCopyStartsAndRunsTheReminder)
{
    EXPECT_TRUE(startUp());
    expectStartedWithReminder();
}

TEST_F(Guard, SecondCopyEndsWithTheMessage)
{
    OtherCopy first(lockPath());
    ASSERT_TRUE(first.locked());
    EXPECT_FALSE(startUp());
    expectOnlyAlreadyRunning();
}

TEST_F(Guard, LockOfALongRunningCopyIsNotStale)
{
    // A live copy's lock file, two days old, without the native file lock that would also stop its removal
    // (as on a file system that keeps none): only the rule that age never counts can keep it.
    const QString heldByTheOtherCopy = folder.filePath(QStringLiteral("other.lock"));
    OtherCopy first(heldByTheOtherCopy);
    ASSERT_TRUE(first.locked());
    ASSERT_TRUE(QFile::copy(heldByTheOtherCopy, lockPath()));
    QFile lockFile(lockPath());
    ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
    lockFile.close();
    EXPECT_FALSE(startUp());
    expectOnlyAlreadyRunning();
}

TEST_F(Guard, LockLeftByAKilledCopyDoesNotBlock)
{
    {
        OtherCopy first(lockPath());
        ASSERT_TRUE(first.locked());
        first.killHard();
    }
    ASSERT_TRUE(QFile::exists(lockPath())) << "a killed copy leaves its lock file behind";
    EXPECT_TRUE(startUp());
    expectStartedWithReminder();
}

TEST_F(Guard, HalfWrittenLockFileDoesNotBlock)
{
    QFile empty(lockPath());
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_TRUE(startUp());
    expectStartedWithReminder();
}

TEST_F(Guard, UnwritableLockFolderDoesNotStopTheProgram)
{
    RunningCopyGuard guard(folder.filePath(QStringLiteral("no-such-folder/tessaline.lock")));
    EXPECT_TRUE(guard.acquire());
}

// ---- A guard that others cannot block --------------------------------------------------------------------

TEST_F(Guard, SomethingAtTheLockPathThatIsNoLockFileDoesNotBlock)
{
    ASSERT_TRUE(QDir().mkpath(lockPath())); // a folder where the lock file should be
    RunningCopyGuard guard(lockPath());
    EXPECT_TRUE(guard.acquire());
    EXPECT_TRUE(guard.problem().contains(lockPath())) << guard.problem().toStdString();
    EXPECT_TRUE(startUp());
    expectStartedWithReminder();
}

// The fallback folder: made private when absent, refused when someone else could have prepared it.
TEST_F(StartupTest, PrivateFolderIsRefusedWhenOthersControlIt)
{
    const QString own = folder.filePath(QStringLiteral("own"));
    ASSERT_EQ(PreparePrivateFolder(own), QString());
    EXPECT_EQ(QFileInfo(own).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(PreparePrivateFolder(own), QString()) << "made once, it serves again";

    const QString open = folder.filePath(QStringLiteral("open"));
    ASSERT_TRUE(QDir().mkpath(open));
    ASSERT_TRUE(QFile::setPermissions(
        open, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::WriteOther | QFile::ExeOther));
    const QString link = folder.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(own, link));
    const QString file = folder.filePath(QStringLiteral("file"));
    QFile(file).open(QIODevice::WriteOnly);
    for (const QString& path : {open, link, file}) {
        EXPECT_TRUE(PreparePrivateFolder(path).contains(path)) << path.toStdString();
    }

    // Another user's folder, as a folder made first in the shared temporary folder would be.
    const QString taken = folder.filePath(QStringLiteral("taken"));
    ASSERT_TRUE(QDir().mkpath(taken));
    ASSERT_TRUE(QFile::setPermissions(taken, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    if (::chown(QFile::encodeName(taken).constData(), 65534, 65534) != 0) {
        GTEST_SKIP() << "giving a folder to another user needs root";
    }
    EXPECT_TRUE(PreparePrivateFolder(taken).contains(QStringLiteral("another user")));

    // With no usable runtime folder (neither the named one nor Qt's own in the temporary folder is this
    // user's) the lock goes to the private folder in the temporary folder, and when that has been taken
    // over there is no lock path at all, and the reason.
    const QString qtRuntime
        = folder.filePath(QStringLiteral("runtime-") + QString::fromLocal8Bit(getpwuid(getuid())->pw_name));
    ASSERT_TRUE(QDir().mkpath(qtRuntime));
    ASSERT_EQ(::chown(QFile::encodeName(qtRuntime).constData(), 65534, 65534), 0);
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray temp = qgetenv("TMPDIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(taken));
    qputenv("TMPDIR", QFile::encodeName(folder.path()));
    QString problem;
    const QString fallback = DefaultLockFilePath(QStringLiteral("tessaline"), &problem);
    const QString privateFolder = folder.filePath(QStringLiteral("tessaline-%1").arg(::getuid()));
    EXPECT_EQ(fallback, privateFolder + QStringLiteral("/tessaline.lock")) << problem.toStdString();
    ASSERT_TRUE(QFile::setPermissions(privateFolder,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                          | QFile::WriteGroup | QFile::ExeGroup));
    EXPECT_EQ(DefaultLockFilePath(QStringLiteral("tessaline"), &problem), QString());
    EXPECT_TRUE(problem.contains(privateFolder));
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("TMPDIR", temp);

    RunningCopyGuard unguarded(QString(), problem);
    EXPECT_TRUE(unguarded.acquire());
    EXPECT_EQ(unguarded.problem(), problem);
}

} // namespace
} // namespace tessaline::testing
