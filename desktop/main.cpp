// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program: the start-up checks, then the birth data window, and from it the results.

#include "chart/Version.h"
#include "desktop/ImageList.h"
#include "desktop/StartupChecks.h"
#include "desktop/UnattendedMessages.h"
#include "desktop/frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
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

// The command line, read before any window exists: --help and --version print and end the program,
// an unknown option says so and ends it with 1; nothing when the program should go on and open its
// window. Qt's own options (-platform, -style and the like) pass on to the application untouched.
std::optional<int> AnswerCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "QB Tessaline: decanate charts from birth data. Opens the birth data window: type a name, pick the\n"
        "date, time and zone of birth, type the place's longitude and latitude, press Get My Tessaline.\n"
        "\n"
        "TESSALINE_UNATTENDED=1 in the environment writes the program's messages to standard error and\n"
        "answers them at once instead of showing them in a box. Charts without windows: tessaline-chart --help"));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // as Qt reads -platform
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const char* qtOption :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowtitle", "qwindowicon",
          "display", "geometry", "title", "name", "style", "stylesheet", "session", "qmljsdebugger"}) {
        QCommandLineOption passed(QLatin1String(qtOption), QString(), QStringLiteral("value"));
        passed.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(passed);
    }
    for (const char* qtFlag : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption passed{QString::fromLatin1(qtFlag)};
        passed.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(passed);
    }
    if (parser.parse(arguments) && !parser.isSet(help) && !parser.isSet(version)
        && !parser.isSet(QStringLiteral("help-all"))) {
        return std::nullopt;
    }
    // Printing the help or an error needs the program's name and version, and no display.
    const QCoreApplication application(argc, argv);
    parser.process(arguments); // prints and ends the program
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationVersion(QString::fromLatin1(
        tessaline::kProgramShortVersion.data(), static_cast<qsizetype>(tessaline::kProgramShortVersion.size())));
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv)) {
        return *answered;
    }
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
