// The desktop program: the start-up checks, then the birth data window, and from it the results.

#include "desktop/ImageList.h"
#include "desktop/StartupChecks.h"
#include "desktop/UnattendedMessages.h"
#include "desktop/frmMain.h"

#include <QApplication>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// Which platform Qt will use: "-platform NAME" on the command line, else QT_QPA_PLATFORM.
std::string_view ChosenPlatform(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return argv[i + 1];
        }
    }
    const char* fromEnvironment = std::getenv("QT_QPA_PLATFORM");
    return fromEnvironment != nullptr ? fromEnvironment : "";
}

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt aborts when its windowing platform cannot reach a display; find out first and say what to do.
bool DisplayAvailable(int argc, char** argv)
{
    const std::string_view platform = ChosenPlatform(argc, argv);
    if (platform.starts_with("xcb")) {
        return IsSet("DISPLAY");
    }
    if (platform.starts_with("wayland")) {
        return IsSet("WAYLAND_DISPLAY");
    }
    if (platform.empty()) {
        return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
    }
    return true; // offscreen, vnc, eglfs, linuxfb...: they bring their own screen
}

} // namespace

int main(int argc, char** argv)
{
    if (!DisplayAvailable(argc, argv)) {
        std::fputs("tessaline: this program needs a graphical display, and none was found.\n"
                   "  Run it on a desktop, or under a virtual display: xvfb-run -a tessaline\n"
                   "  For charts without windows use the command-line tool: tessaline-chart --help\n",
                   stderr);
        return 2;
    }

    // The application keeps Qt's default name, its executable's: the settings file and the lock file are
    // named after it.
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("QB Tessaline"));
    QApplication::setApplicationVersion(QStringLiteral("1.15"));
    QApplication::setDesktopFileName(QStringLiteral(TESSALINE_APP_ID)); // the installed menu entry
    QApplication::setWindowIcon(tessaline::ProgramIcon());
    tessaline::UseUnattendedMessagesIfAsked();

    // The guard holds its lock until main returns.
    const QString name = QApplication::applicationName();
    QString noLockPlace;
    const QString lockPath = tessaline::DefaultLockFilePath(name, &noLockPlace);
    tessaline::RunningCopyGuard guard(lockPath, noLockPlace);
    QSettings settings(QSettings::UserScope, name);
    if (!tessaline::RunStartupChecks(guard, settings, tessaline::SystemToday)) {
        return 1; // another copy runs: this one did not do what it was started for
    }

    tessaline::frmMain window(nullptr, &settings);
    window.show();
    return QApplication::exec();
}
