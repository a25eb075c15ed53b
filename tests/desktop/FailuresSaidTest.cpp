// SPDX-License-Identifier: GPL-3.0-or-later
// Failures of the surroundings, each said. Saving and printing the reading into places that fail: a file
// system that is full, one that is read-only, a folder that is really a file; each must leave no partial
// file and the file that was there before intact (the file systems are real tmpfs mounts, made when the
// test runs as root). Web pages when no browser can be started.
#include "DesktopTestSupport.h"

#include "desktop/frmDisplay.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace tessaline::testing {
namespace {

enum class Place { Writable, Full, ReadOnly, UnderAFile };
enum class Way { Html, Pdf, PrintToFile };

const QByteArray kEarlierReading = "the reading of the person saved before";

// A tmpfs of its own on a folder, unmounted when the test is done with it.
class Mount
{
public:
    explicit Mount(const QString& folder)
        : folder_(QFile::encodeName(folder))
    {
        if (::mount("tmpfs", folder_.constData(), "tmpfs", 0, "size=2m") == 0)
            mounted_ = true;
        else
            reason_ = std::strerror(errno);
    }
    ~Mount()
    {
        if (mounted_)
            ::umount2(folder_.constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    const char* reason() const { return reason_; }
    bool makeReadOnly() { return ::mount(nullptr, folder_.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }

private:
    QByteArray folder_;
    bool mounted_ = false;
    const char* reason_ = "";
};

// Writes until the file system refuses another byte.
void FillUp(const QString& path)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) { }
}

class FailingSave : public DesktopTest, public ::testing::WithParamInterface<std::tuple<Place, Way>>
{
protected:
    frmDisplay* calculate()
    {
        FillValidForm();
        window->cmdRashi_Click();
        return window->resultsWindow();
    }
};

std::string CaseName(Place place, Way way)
{
    static const char* places[] = {"Writable", "Full", "ReadOnly", "UnderAFile"};
    static const char* ways[] = {"Html", "Pdf", "PrintToFile"};
    return std::string(places[static_cast<int>(place)]) + ways[static_cast<int>(way)];
}

TEST_P(FailingSave, SaysSoAndKeepsTheEarlierFile)
{
    const auto [place, way] = GetParam();
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    QString folder = scratch.filePath(QStringLiteral("target"));
    ASSERT_TRUE(QDir().mkpath(folder));
    std::optional<Mount> mount;
    if (place == Place::Full || place == Place::ReadOnly) {
        mount.emplace(folder);
        if (!mount->mounted()) {
            GTEST_SKIP() << "a tmpfs cannot be mounted here (" << mount->reason() << "); run as root to test it";
        }
    }
    if (place == Place::UnderAFile) { // a path whose "folder" is a file: refused even to root
        QFile file(folder + QStringLiteral(".txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        folder = file.fileName();
    }

    const QString path
        = QDir(folder).filePath(way == Way::Html ? QStringLiteral("reading.html") : QStringLiteral("reading.pdf"));
    if (place != Place::UnderAFile) {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write(kEarlierReading);
    }
    if (place == Place::Full)
        FillUp(QDir(folder).filePath(QStringLiteral("filler")));
    if (place == Place::ReadOnly) {
        ASSERT_TRUE(mount->makeReadOnly()) << std::strerror(errno);
    }
    const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);

    frmDisplay* results = calculate();
    ASSERT_NE(results, nullptr);
    bool written = false;
    if (way == Way::PrintToFile) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        written = results->PrintReadingOn(printer);
    } else {
        written = results->SaveReadingTo(path);
    }

    QFile after(path);
    if (place == Place::Writable) {
        EXPECT_TRUE(written);
        EXPECT_TRUE(messages.shown.empty());
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        EXPECT_TRUE(after.readAll().startsWith(way == Way::Html ? "<!DOCTYPE html>" : "%PDF-"));
    } else {
        EXPECT_FALSE(written);
        ASSERT_EQ(messages.shown.size(), 1U);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
        EXPECT_TRUE(messages.shown[0].text.contains(path)) << messages.shown[0].text.toStdString();
        if (place != Place::UnderAFile) {
            ASSERT_TRUE(after.open(QIODevice::ReadOnly));
            EXPECT_EQ(after.readAll(), kEarlierReading);
        }
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), before) << "a partial file was left behind";
}

INSTANTIATE_TEST_SUITE_P(Places, FailingSave,
                         ::testing::Combine(::testing::Values(Place::Writable, Place::Full, Place::ReadOnly,
                                                              Place::UnderAFile),
                                            ::testing::Values(Way::Html, Way::Pdf, Way::PrintToFile)),
                         [](const auto& info) { return CaseName(std::get<0>(info.param), std::get<1>(info.param)); });

// Without a browser (the offscreen platform has none) every link gives its address in a message.
TEST_F(DesktopTest, UnopenedWebPageGivesItsAddress)
{
    if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
        GTEST_SKIP() << "only the offscreen platform is sure to start no browser";
    SetUrlOpener(nullptr);
    Child<QAction>(window, "mnuOnline")->trigger();
    Child<QLineEdit>(window, "txtMCity")->setText(QStringLiteral("Pune"));
    Child<QLineEdit>(window, "txtMState")->setText(QStringLiteral("Maharashtra"));
    Child<QLineEdit>(window, "txtMCountry")->setText(QStringLiteral("India"));
    QTest::mouseClick(Child<QPushButton>(window, "cmdBrowser"), Qt::LeftButton);

    const QString addresses[] = {ProgramSite() + QStringLiteral("/qb-free-tessaline-help.html"),
                                 QStringLiteral(TESSALINE_PLACE_SEARCH)
                                     + QStringLiteral("Pune%20Maharashtra%20India%20Latitude%20Longitude")};
    ASSERT_EQ(messages.shown.size(), 2U);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_TRUE(messages.shown[i].text.startsWith(QStringLiteral("The web page could not be opened")));
        EXPECT_TRUE(messages.shown[i].text.endsWith(QLatin1Char('\n') + addresses[i]))
            << messages.shown[i].text.toStdString();
    }
}

} // namespace
} // namespace tessaline::testing
