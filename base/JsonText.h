// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tessaline {

// A JSON string literal for UTF-8 text: quotes, backslashes and control characters escaped, an ill-formed
// UTF-8 sequence written as U+FFFD (as the JSON library's replacing dump does): the literal is always valid JSON.
void AppendJsonString(std::string& out, std::string_view text);

} // namespace tessaline
