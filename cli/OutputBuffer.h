// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <streambuf>

namespace tessaline::cli {

// A stream buffer writing to a file descriptor (standard output) that keeps the error number of the first
// write that failed: the system's reason survives whatever runs between the failure and its report (a
// file looked for and not found sets errno too).
class DescriptorBuffer : public std::streambuf
{
public:
    explicit DescriptorBuffer(int descriptor);
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;
    ~DescriptorBuffer() override;

    // The error number of the first failed write, 0 while none has failed.
    int Error() const noexcept { return error_; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    bool WriteAll(const char* text, std::size_t count);
    bool Drain();

    int descriptor_;
    int error_ = 0;
    std::array<char, std::size_t{64} * 1024> buffer_{};
};

} // namespace tessaline::cli
