// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OutputBuffer.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tessaline::cli {

DescriptorBuffer::DescriptorBuffer(int descriptor)
    : descriptor_(descriptor)
{
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorBuffer::~DescriptorBuffer()
{
    Drain();
}

bool DescriptorBuffer::WriteAll(const char* text, std::size_t count)
{
    if (error_ != 0)
        return false;
    while (count > 0) {
        const ssize_t written = ::write(descriptor_, text, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error_ = written < 0 && errno != 0 ? errno : EIO;
            return false;
        }
        text += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

bool DescriptorBuffer::Drain()
{
    const auto pending = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return pending == 0 || WriteAll(buffer_.data(), pending);
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c)
{
    if (!Drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize DescriptorBuffer::xsputn(const char* text, std::streamsize count)
{
    const auto size = static_cast<std::size_t>(count);
    const auto room = static_cast<std::size_t>(epptr() - pptr());
    if (size <= room) {
        std::memcpy(pptr(), text, size);
        pbump(static_cast<int>(size));
        return count;
    }
    // Longer than the room left: what is held first, then the text itself, in order.
    if (!Drain())
        return 0;
    if (size < buffer_.size()) {
        std::memcpy(pptr(), text, size);
        pbump(static_cast<int>(size));
        return count;
    }
    return WriteAll(text, size) ? count : 0;
}

int DescriptorBuffer::sync()
{
    return Drain() ? 0 : -1;
}

} // namespace tessaline::cli
