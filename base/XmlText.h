// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tessaline {

// Text for an element or attribute of XML or HTML: the markup characters escaped, control and bidirectional
// characters shown as VisibleText shows them (\x1b, \u202e; line breaks kept), and any byte that is not part of
// well-formed UTF-8 (or is one of the non-characters XML forbids, U+FFFE and U+FFFF) replaced by U+FFFD, so that
// no name can break the document or reorder a caption.
void AppendXmlText(std::string& out, std::string_view text);

} // namespace tessaline
