// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PictureFiles.h"

#include "cli/ExitCodes.h"
#include "cli/PngPicture.h"
#include "report/ChartWheelSvg.h"
#include "report/DrekkanaChartSvg.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tessaline::cli {

namespace {

Status SystemFailure(int error)
{
    return Fail(std::system_category().message(error));
}

// The temporary picture being written, for the signal handlers: a run writes one picture at a time, from one
// thread, and a handler may touch nothing but a plain buffer and a flag. Process-wide by nature, as signals are.
char gTemporary[4096];
volatile std::sig_atomic_t gWriting = 0;

extern "C" void RemoveTemporaryAndStop(int signal)
{
    if (gWriting != 0)
        ::unlink(gTemporary);
    std::signal(signal, SIG_DFL);
    std::raise(signal); // and end as the signal would have ended the tool
}

constexpr std::array kCleanedSignals{SIGINT, SIGTERM, SIGHUP};

// Whether name is a temporary picture of this tool that no running copy is writing: ".line-N.svg.PID.XXXXXX"
// (or .png)
// of a process that is gone, or ".line-N.svg.XXXXXX" of an older version, whose runs never left one on purpose.
bool StaleTemporary(std::string_view name)
{
    const auto digits = [](std::string_view text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!name.starts_with(".line-"))
        return false;
    name.remove_prefix(6);
    std::size_t svg = name.find(".svg.");
    if (svg == std::string_view::npos)
        svg = name.find(".png.");
    if (svg == std::string_view::npos || !digits(name.substr(0, svg)))
        return false;
    name.remove_prefix(svg + 5);
    if (name.size() < 6 || !std::all_of(name.end() - 6, name.end(), [](char c) { return std::isalnum(c) != 0; }))
        return false;
    if (name.size() == 6)
        return true;
    const std::string_view pid = name.substr(0, name.size() - 7);
    if (name[name.size() - 7] != '.' || !digits(pid) || pid.size() > 9)
        return false;
    return ::kill(static_cast<pid_t>(std::stol(std::string(pid))), 0) != 0 && errno == ESRCH;
}

void RemoveStaleTemporaries(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir))
        if (StaleTemporary(entry->d_name))
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    ::closedir(dir);
}

} // namespace

PictureSignals::PictureSignals()
{
    for (std::size_t i = 0; i < kCleanedSignals.size(); ++i) {
        struct sigaction action {
        };
        action.sa_handler = RemoveTemporaryAndStop;
        sigemptyset(&action.sa_mask);
        struct sigaction& before = before_[i];
        // A signal the caller ignores (nohup) stays ignored.
        installed_[i] = ::sigaction(kCleanedSignals[i], nullptr, &before) == 0 && before.sa_handler == SIG_DFL
            && ::sigaction(kCleanedSignals[i], &action, nullptr) == 0;
    }
}

SignalsHeldBack::SignalsHeldBack()
{
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : kCleanedSignals)
        sigaddset(&held, signal);
    held_ = ::pthread_sigmask(SIG_BLOCK, &held, &before_) == 0;
}

SignalsHeldBack::~SignalsHeldBack()
{
    if (held_)
        ::pthread_sigmask(SIG_SETMASK, &before_, nullptr);
}

PictureSignals::~PictureSignals()
{
    for (std::size_t i = 0; i < kCleanedSignals.size(); ++i)
        if (installed_[i])
            ::sigaction(kCleanedSignals[i], &before_[i], nullptr);
}

std::string ChartPictureSvg(const Chart& chart, const Options& options, const OuterRing* ring)
{
    if (options.drekkana.empty())
        return ring != nullptr ? ChartWheelSvg(chart, *ring) : ChartWheelSvg(chart);
    // The option's check lets only the two forms through, in any case.
    const bool north = options.drekkana.front() == 'n' || options.drekkana.front() == 'N';
    return DrekkanaChartSvg(chart, north ? DrekkanaStyle::NorthIndian : DrekkanaStyle::SouthIndian);
}

int WritePicture(const std::string& svg, const Options& options, std::ostream& out, std::ostream& err)
{
    if (!options.png) {
        out << svg;
        return kExitOk;
    }
    const Result<std::string> png = PngOfSvg(svg, options.size);
    if (!png) {
        err << "tessaline-chart: cannot write the picture: " << png.error() << '\n';
        return kExitOutputFailed;
    }
    out << *png;
    return kExitOk;
}

std::string PicturePath(std::string_view folder, std::size_t line, std::string_view extension)
{
    std::string path(folder);
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path + "line-" + std::to_string(line) + "." + std::string(extension);
}

Status PrepareFolder(const std::string& folder)
{
    if (mkdir(folder.c_str(), 0777) == 0)
        return {};
    const int error = errno;
    struct stat status {
    };
    if (error == EEXIST && stat(folder.c_str(), &status) == 0) {
        if (!S_ISDIR(status.st_mode))
            return SystemFailure(ENOTDIR);
        RemoveStaleTemporaries(folder);
        return {};
    }
    if (error == EEXIST && lstat(folder.c_str(), &status) == 0 && S_ISLNK(status.st_mode))
        return Fail("it is a symbolic link to something that does not exist; name a folder, or remove the link");
    return SystemFailure(error);
}

Status WriteWholeFile(const std::string& path, std::string_view text)
{
    // A hidden name in the same folder, so that the rename stays on one file system.
    const std::size_t slash = path.rfind('/');
    const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    // The process in the name tells a later run whether the file is still being written.
    std::string temporary
        = path.substr(0, nameAt) + "." + path.substr(nameAt) + "." + std::to_string(::getpid()) + ".XXXXXX";
    // Known to the handlers before the file exists: mkstemp fills in the name before it makes the file.
    const bool known = temporary.size() < sizeof gTemporary;
    if (known) {
        temporary.copy(gTemporary, temporary.size());
        gTemporary[temporary.size()] = '\0';
        gWriting = 1;
    }
    const int file = mkstemp(known ? gTemporary : temporary.data());
    if (file < 0) {
        gWriting = 0;
        return SystemFailure(errno);
    }
    if (known)
        temporary = gTemporary;
    // mkstemp makes the file for its owner alone; a picture is as readable as any file the user makes.
    static const mode_t mask = [] {
        const mode_t current = umask(0);
        umask(current);
        return current;
    }();
    int error = fchmod(file, 0666 & ~mask) == 0 ? 0 : errno;
    for (std::size_t written = 0; error == 0 && written < text.size();) {
        const ssize_t n = write(file, text.data() + written, text.size() - written);
        if (n < 0 && errno != EINTR)
            error = errno;
        else if (n > 0)
            written += static_cast<std::size_t>(n);
    }
    if (close(file) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0)
        unlink(temporary.c_str());
    gWriting = 0;
    if (error != 0)
        return SystemFailure(error);
    return {};
}

} // namespace tessaline::cli
