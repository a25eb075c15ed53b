// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decanates/Chart.h"

#include <string>
#include <vector>

namespace tessaline {

// Two people's charts side by side: a body Sun to Pluto of one standing in the same decanate (the same ten degrees
// of the same sign) as a body of the other. Each such pair is one contact, which both bodies share: the list is the
// same whichever chart comes first, but for the sides its bodies are named on.
struct DecanateContact {
    Body first = Body::Sun; // the first chart's body
    Body second = Body::Sun; // the second chart's
    SignDecanate decanate;
};

// Every contact, in zodiac order of their decanates, then by the pair's bodies whatever their sides.
std::vector<DecanateContact> DecanateContacts(const Chart& first, const Chart& second);

// "ASHA RAO's Sun and JOHN SMITH's Moon stand in the third decanate of Gemini (Aquarius).", the decanate's sign
// by the first chart's scheme (a face's ruler instead: "…of Gemini, ruled by the Sun").
std::string ContactSentence(const DecanateContact& contact, const Chart& first, const Chart& second);

} // namespace tessaline
