# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a C++ source that holds the ten body pictures as text, so the Qt-free reading can inline them.
# Called with -DPICTURE_DIR=... -DOUTPUT=...
set(bodies sun moon mercury venus mars jupiter saturn uranus neptune pluto)
set(entries "")
foreach(body IN LISTS bodies)
    file(READ "${PICTURE_DIR}/${body}.svg" svg)
    string(FIND "${svg}" ")svg\"" clash)
    if(NOT clash EQUAL -1)
        message(FATAL_ERROR "${body}.svg holds the raw-string delimiter )svg\"")
    endif()
    string(APPEND entries "    R\"svg(${svg})svg\",\n")
endforeach()
file(WRITE "${OUTPUT}.new" "// Made at build time from the body pictures; do not edit.\n"
    "#include \"report/BodyPictures.h\"\n\n#include <array>\n\nnamespace tessaline {\n\n"
    "namespace {\n\nconstexpr std::array<std::string_view, kDecanateBodyCount> kPictures{\n${entries}};\n\n"
    "} // namespace\n\nstd::string_view BodyPictureSvg(Body body) noexcept\n{\n"
    "    const auto i = ToIndex(body);\n    return i < kPictures.size() ? kPictures[i] : std::string_view();\n}\n\n"
    "} // namespace tessaline\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
