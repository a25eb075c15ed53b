// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a real (virtual) X display: a second copy ends with "Application is already running"
// while the first keeps running.
//
// The copies run unattended (TESSALINE_UNATTENDED=1): their messages go to stderr instead of waiting in a box.
// Each copy gets its own runtime and configuration folders, so a copy the developer is running is not
// disturbed.

#include <QCoreApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kStartMs = 15000; // a copy has this long to take its lock or to end
constexpr int kKeepsRunningMs = 2000;

// One copy of the program, killed when the test is done with it.
class Copy
{
public:
    Copy(const QProcessEnvironment& environment)
    {
        process_.setProcessEnvironment(environment);
        process_.start(QStringLiteral(TESSALINE_PROGRAM), {});
    }
    ~Copy()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    QProcess& process() { return process_; }
    bool running() const { return process_.state() == QProcess::Running; }
    QString errors() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

private:
    QProcess process_;
};

class SecondCopy : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {
            GTEST_SKIP() << "No X server: DISPLAY is not set. Run this test under xvfb-run (package xvfb).";
        }
        ASSERT_TRUE(folder.isValid());
        const QString runtime = folder.filePath(QStringLiteral("runtime"));
        ASSERT_TRUE(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        lockPath = QDir(runtime).filePath(QStringLiteral("tessaline.lock"));

        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")); // ctest may ask offscreen
        environment.insert(QStringLiteral("TESSALINE_UNATTENDED"), QStringLiteral("1"));
    }

    // Waits until the copy holds the lock file; false if it ended or took too long.
    bool waitForLock(Copy& copy)
    {
        const QDeadlineTimer deadline(kStartMs);
        while (!deadline.hasExpired()) {
            qint64 pid = 0;
            QString host;
            QString application;
            if (QLockFile(lockPath).getLockInfo(&pid, &host, &application) && pid == copy.process().processId()) {
                return true;
            }
            if (copy.process().waitForFinished(100)) {
                return false;
            }
        }
        return false;
    }

    QTemporaryDir folder;
    QString lockPath;
    QProcessEnvironment environment;
};

TEST_F(SecondCopy, EndsWithTheMessageWhileTheFirstKeepsRunning)
{
    Copy first(environment);
    ASSERT_TRUE(waitForLock(first)) << first.errors().toStdString();

    Copy second(environment);
    ASSERT_TRUE(second.process().waitForFinished(kStartMs)) << "the second copy did not end";
    EXPECT_EQ(second.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process().exitCode(), 1) << "a copy that did not start must not report success";
    EXPECT_TRUE(second.errors().contains(QStringLiteral("QB Tessaline: Application is already running")));

    EXPECT_FALSE(first.process().waitForFinished(kKeepsRunningMs)) << first.errors().toStdString();
    EXPECT_TRUE(first.running());
    EXPECT_FALSE(first.errors().contains(QStringLiteral("already running")));

    // The first start recorded today as its last reminder, in a settings file named after the program.
    const QSettings settings(folder.filePath(QStringLiteral("config/tessaline.conf")), QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("Settings/Duration")).toString(),
              QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
