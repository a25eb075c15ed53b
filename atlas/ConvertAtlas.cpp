// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the text atlas into the atlas file the programs map (AtlasFormat.h); the build runs it:
//
//   tessaline-atlas-convert data/atlas/atlas.tsv share/tessaline/atlas.bin
//
// The file is written beside its destination and renamed over it, so a program that has the old one mapped
// keeps reading it whole. The new file is opened and checked as the programs will open it before it is
// put in place.
#include "atlas/Atlas.h"
#include "atlas/AtlasWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>

namespace {

int Convert(int argc, char** argv)
{
    using namespace tessaline::atlas;
    if (argc != 3) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "tessaline-atlas-convert") << " ATLAS.tsv ATLAS.bin\n";
        return 2;
    }
    const std::filesystem::path input = argv[1];
    const std::filesystem::path output = argv[2];
    std::ifstream in(input, std::ios::binary);
    const int openError = errno;
    std::ostringstream read;
    if (in)
        read << in.rdbuf();
    const std::string text = std::move(read).str();
    if (!in || in.bad()) {
        std::cerr << "Cannot read the place atlas \"" << input.string()
                  << "\": " << std::system_category().message(in.is_open() ? EIO : openError) << '\n';
        return 1;
    }
    auto converted = ConvertAtlasText(text, input.string());
    if (!converted) {
        std::cerr << converted.error() << '\n';
        return 1;
    }
    const auto& image = *converted;

    std::error_code error;
    std::filesystem::create_directories(output.parent_path(), error);
    std::filesystem::path temporary = output;
    temporary += ".new";
    {
        // In pieces of a common size, as a copy would write it: one write of the whole file leaves it in the
        // page cache as pieces of megabytes, and a program that touches a byte of one maps all of it.
        constexpr std::size_t kPiece = std::size_t{64} * 1024;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (std::size_t at = 0; at < image.size() && out; at += kPiece)
            out.write(reinterpret_cast<const char*>(image.data()) + at,
                      static_cast<std::streamsize>(std::min(kPiece, image.size() - at)));
        out.close();
        if (!out) {
            std::cerr << "Cannot write \"" << temporary.string() << "\"\n";
            std::filesystem::remove(temporary, error);
            return 1;
        }
    }
    const auto opened = Atlas::Load(temporary);
    if (!opened) {
        std::cerr << opened.error() << '\n';
        std::filesystem::remove(temporary, error);
        return 1;
    }
    std::filesystem::rename(temporary, output, error);
    if (error) {
        std::cerr << "Cannot put \"" << output.string() << "\" in place: " << error.message() << '\n';
        return 1;
    }
    const Atlas& atlas = **opened;
    std::cout << output.string() << ": " << atlas.Places().size() << " places, " << atlas.Zones().size() << " zones, "
              << image.size() << " bytes\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return Convert(argc, argv);
    } catch (const std::exception& failure) {
        std::cerr << "Cannot write the atlas file: " << failure.what() << '\n';
        return 1;
    }
}
