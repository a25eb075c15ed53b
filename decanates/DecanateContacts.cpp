// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/DecanateContacts.h"

#include "decanates/DecanateTable.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace tessaline {

namespace {

constexpr std::array<std::string_view, 3> kOrdinals{"first", "second", "third"};

// The zodiac order of a decanate, 0 (Aries' first) to 35 (Pisces' third).
int PlaceOf(SignDecanate decanate) noexcept
{
    return 3 * decanate.signIndex + decanate.decanate - 1;
}

std::string Possessive(const std::string& name)
{
    return name.empty() ? std::string("the chart") + "'s" : name + "'s";
}

} // namespace

std::vector<DecanateContact> DecanateContacts(const Chart& first, const Chart& second)
{
    std::vector<DecanateContact> contacts;
    for (std::size_t a = 0; a < kDecanateBodyCount; ++a)
        for (std::size_t b = 0; b < kDecanateBodyCount; ++b) {
            const SignDecanate decanate = first.Decanate(static_cast<Body>(a));
            if (decanate == second.Decanate(static_cast<Body>(b)))
                contacts.push_back({static_cast<Body>(a), static_cast<Body>(b), decanate});
        }
    // By decanate, then by the pair's bodies as a set, so that swapping the charts keeps the order.
    const auto key = [](const DecanateContact& c) {
        return std::tuple(PlaceOf(c.decanate), std::min(c.first, c.second), std::max(c.first, c.second), c.first);
    };
    std::sort(contacts.begin(), contacts.end(),
              [&key](const DecanateContact& x, const DecanateContact& y) { return key(x) < key(y); });
    return contacts;
}

std::string ContactSentence(const DecanateContact& contact, const Chart& first, const Chart& second)
{
    const DecanateResult texts = DecanateTexts(contact.decanate, first.Scheme());
    std::string sentence = Possessive(first.Name()) + " " + BodyName(contact.first) + " and "
        + Possessive(second.Name()) + " " + BodyName(contact.second) + " stand in the "
        + std::string(kOrdinals[static_cast<std::size_t>(std::clamp(contact.decanate.decanate, 1, 3) - 1)])
        + " decanate of " + std::string(LookUpDecanate(contact.decanate.signIndex, 1).DecanateSign);
    if (texts.DecanateSign.empty())
        sentence += ", ruled by " + std::string(texts.RulingPlanet);
    else
        sentence += " (" + std::string(texts.DecanateSign) + ")";
    return sentence + ".";
}

} // namespace tessaline
