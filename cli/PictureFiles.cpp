// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PictureFiles.h"

#include "report/ChartWheelSvg.h"
#include "report/DrekkanaChartSvg.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tessaline::cli {

namespace {

Status SystemFailure(int error)
{
    return Fail(std::system_category().message(error));
}

} // namespace

std::string ChartPictureSvg(const ChartState& state, const Options& options)
{
    if (options.drekkana.empty())
        return ChartWheelSvg(state);
    // The option's check lets only the two forms through, in any case.
    const bool north = options.drekkana.front() == 'n' || options.drekkana.front() == 'N';
    return DrekkanaChartSvg(state, north ? DrekkanaStyle::NorthIndian : DrekkanaStyle::SouthIndian);
}

std::string PicturePath(std::string_view folder, std::size_t line)
{
    std::string path(folder);
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path + "line-" + std::to_string(line) + ".svg";
}

Status PrepareFolder(const std::string& folder)
{
    if (mkdir(folder.c_str(), 0777) == 0)
        return {};
    const int error = errno;
    struct stat status {
    };
    if (error == EEXIST && stat(folder.c_str(), &status) == 0)
        return S_ISDIR(status.st_mode) ? Status{} : SystemFailure(ENOTDIR);
    return SystemFailure(error);
}

Status WriteWholeFile(const std::string& path, std::string_view text)
{
    // A hidden name in the same folder, so that the rename stays on one file system.
    const std::size_t slash = path.rfind('/');
    const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    std::string temporary = path.substr(0, nameAt) + "." + path.substr(nameAt) + ".XXXXXX";
    const int file = mkstemp(temporary.data());
    if (file < 0)
        return SystemFailure(errno);
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
    if (error != 0) {
        unlink(temporary.c_str());
        return SystemFailure(error);
    }
    return {};
}

} // namespace tessaline::cli
