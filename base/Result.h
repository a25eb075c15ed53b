// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace tessaline {

// The one way code below the programs says that something failed: a value, or why there is none. Shaped
// like the standard's expected (has_value, value, error, *, ->) so that it can become it once both compilers
// of the build offer it; the error is a message in words unless a caller needs more (the form's checks).
template <typename E> struct Unexpected {
    E error;
};

// Unexpected{message} in code that names no error type: return Fail("The atlas is damaged").
inline Unexpected<std::string> Fail(std::string message)
{
    return {std::move(message)};
}

template <typename T, typename E = std::string> class [[nodiscard]] Result
{
public:
    Result(T value)
        : held_(std::in_place_index<0>, std::move(value))
    { }
    template <typename F>
    requires std::is_constructible_v<E, F&&> Result(Unexpected<F> failure)
        : held_(std::in_place_index<1>, std::move(failure.error))
    { }

    bool has_value() const noexcept { return held_.index() == 0; }
    explicit operator bool() const noexcept { return has_value(); }

    // Only when has_value().
    T& value() & { return std::get<0>(held_); }
    const T& value() const& { return std::get<0>(held_); }
    T&& value() && { return std::get<0>(std::move(held_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T&& operator*() && { return std::move(*this).value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // Only when !has_value().
    const E& error() const& { return std::get<1>(held_); }
    E&& error() && { return std::get<1>(std::move(held_)); }

private:
    std::variant<T, E> held_;
};

// Success without a value, or why it failed.
template <typename E> class [[nodiscard]] Result<void, E>
{
public:
    Result() = default;
    template <typename F>
    requires std::is_constructible_v<E, F&&> Result(Unexpected<F> failure)
        : error_(std::move(failure.error))
        , failed_(true)
    { }

    bool has_value() const noexcept { return !failed_; }
    explicit operator bool() const noexcept { return has_value(); }
    const E& error() const& { return error_; }
    E&& error() && { return std::move(error_); }

private:
    E error_{};
    bool failed_ = false;
};

using Status = Result<void>;

} // namespace tessaline
