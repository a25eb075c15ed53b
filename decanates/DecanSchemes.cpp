// SPDX-License-Identifier: GPL-3.0-or-later
#include "decanates/DecanSchemes.h"

#include "decanates/DecanateTable.h"

#include <algorithm>
#include <cstddef>

namespace tessaline {

namespace {

enum Sign : int { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };

using SignsByDecanate = std::array<std::array<Sign, 3>, kSignCount>;

// The sign each decanate is placed in, a row per sign from Aries, the first, second and third ten degrees.

// The cyclic drekkana: the 36 decanates counted from Aries through the twelve signs three times over
// (pjc2.vedicdawn.com/tag/drekkana, "Parivrtti drekkana mapping").
constexpr SignsByDecanate kParivritti{{
    {Ari, Tau, Gem},
    {Can, Leo, Vir},
    {Lib, Sco, Sag},
    {Cap, Aqu, Pis}, // Aries .. Cancer
    {Ari, Tau, Gem},
    {Can, Leo, Vir},
    {Lib, Sco, Sag},
    {Cap, Aqu, Pis}, // Leo .. Scorpio
    {Ari, Tau, Gem},
    {Can, Leo, Vir},
    {Lib, Sco, Sag},
    {Cap, Aqu, Pis}, // Sagittarius .. Pisces
}};

// The odd signs count forward from Aries, Aries Gemini Leo Libra Sagittarius Aquarius in turn; the even signs
// backward from Pisces, Pisces Capricorn Scorpio Virgo Cancer Taurus in turn (pjc2.sarbani.com/?p=757,
// "D3-S chart", its two tables).
constexpr SignsByDecanate kSomanatha{{
    {Ari, Tau, Gem}, // Aries
    {Sag, Sco, Lib}, // Taurus
    {Can, Leo, Vir}, // Gemini
    {Pis, Aqu, Cap}, // Cancer
    {Lib, Sco, Sag}, // Leo
    {Gem, Tau, Ari}, // Virgo
    {Cap, Aqu, Pis}, // Libra
    {Vir, Leo, Can}, // Scorpio
    {Ari, Tau, Gem}, // Sagittarius
    {Sag, Sco, Lib}, // Capricorn
    {Can, Leo, Vir}, // Aquarius
    {Pis, Aqu, Cap}, // Pisces
}};

// The movable, the fixed and the dual sign of the sign's element, always from the movable one (V. Larsen,
// "Jagannatha Drekkana", Jyotish Digest 2005: fire Aries Leo Sagittarius, earth Capricorn Taurus Virgo, air
// Libra Aquarius Gemini, water Cancer Scorpio Pisces).
constexpr SignsByDecanate kJagannatha{{
    {Ari, Leo, Sag},
    {Cap, Tau, Vir},
    {Lib, Aqu, Gem},
    {Can, Sco, Pis}, // Aries .. Cancer
    {Ari, Leo, Sag},
    {Cap, Tau, Vir},
    {Lib, Aqu, Gem},
    {Can, Sco, Pis}, // Leo .. Scorpio
    {Ari, Leo, Sag},
    {Cap, Tau, Vir},
    {Lib, Aqu, Gem},
    {Can, Sco, Pis}, // Sagittarius .. Pisces
}};

// The faces: the seven planets in the Chaldean order (Saturn, Jupiter, Mars, the Sun, Venus, Mercury, the
// Moon) from Mars at 0 Aries, around the zodiac, so Pisces ends with Mars again (the faces' table in
// en.wikipedia.org/wiki/Decan, "Chaldean decans").
constexpr std::array<std::array<Body, 3>, kSignCount> kChaldeanFaces{{
    {Body::Mars, Body::Sun, Body::Venus}, // Aries
    {Body::Mercury, Body::Moon, Body::Saturn}, // Taurus
    {Body::Jupiter, Body::Mars, Body::Sun}, // Gemini
    {Body::Venus, Body::Mercury, Body::Moon}, // Cancer
    {Body::Saturn, Body::Jupiter, Body::Mars}, // Leo
    {Body::Sun, Body::Venus, Body::Mercury}, // Virgo
    {Body::Moon, Body::Saturn, Body::Jupiter}, // Libra
    {Body::Mars, Body::Sun, Body::Venus}, // Scorpio
    {Body::Mercury, Body::Moon, Body::Saturn}, // Sagittarius
    {Body::Jupiter, Body::Mars, Body::Sun}, // Capricorn
    {Body::Venus, Body::Mercury, Body::Moon}, // Aquarius
    {Body::Saturn, Body::Jupiter, Body::Mars}, // Pisces
}};

// Each sign's lord as the Indian schemes read it (the seven visible planets) and as the decanate table does
// (the outer planets beside the old lords of Scorpio, Aquarius and Pisces).
constexpr std::array<Body, kSignCount> kClassicalLords{
    Body::Mars,  Body::Venus, Body::Mercury, Body::Moon,   Body::Sun,    Body::Mercury,
    Body::Venus, Body::Mars,  Body::Jupiter, Body::Saturn, Body::Saturn, Body::Jupiter,
};
constexpr std::array<Body, kSignCount> kTableLords{
    Body::Mars,  Body::Venus, Body::Mercury, Body::Moon,   Body::Sun,    Body::Mercury,
    Body::Venus, Body::Pluto, Body::Jupiter, Body::Saturn, Body::Uranus, Body::Neptune,
};

// As the decanate table writes a single ruler.
std::string_view RulerName(Body body) noexcept
{
    switch (body) {
    case Body::Sun:
        return "The Sun";
    case Body::Moon:
        return "The Moon";
    default:
        return BodyName(body);
    }
}

const SignsByDecanate* SignsOf(DecanScheme scheme) noexcept
{
    switch (scheme) {
    case DecanScheme::Parivritti:
        return &kParivritti;
    case DecanScheme::Somanatha:
        return &kSomanatha;
    case DecanScheme::Jagannatha:
        return &kJagannatha;
    default:
        return nullptr;
    }
}

} // namespace

const DecanSchemeName& NameOf(DecanScheme scheme) noexcept
{
    const auto* found = std::find_if(kDecanSchemes.begin(), kDecanSchemes.end(),
                                     [scheme](const DecanSchemeName& name) { return name.scheme == scheme; });
    return found != kDecanSchemes.end() ? *found : kDecanSchemes.front();
}

std::optional<DecanScheme> DecanSchemeFromKey(std::string_view key) noexcept
{
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    for (const DecanSchemeName& name : kDecanSchemes)
        if (std::equal(key.begin(), key.end(), name.key.begin(), name.key.end(),
                       [&lower](char a, char b) { return lower(a) == b; }))
            return name.scheme;
    return std::nullopt;
}

DecanPlacement PlacementOf(DecanScheme scheme, SignDecanate decanate) noexcept
{
    const int s = decanate.signIndex;
    const int d = decanate.decanate;
    if (s < 0 || s >= static_cast<int>(kSignCount) || d < 1 || d > 3)
        return {};
    const auto sign = static_cast<std::size_t>(s);
    const auto third = static_cast<std::size_t>(d - 1);
    DecanPlacement placement;
    switch (scheme) {
    case DecanScheme::Triplicity:
        placement.sign = (s + 4 * (d - 1)) % static_cast<int>(kSignCount);
        placement.ruler = kTableLords[static_cast<std::size_t>(placement.sign)];
        placement.rulerName = LookUpDecanate(s, d).RulingPlanet;
        return placement;
    case DecanScheme::Chaldean:
        placement.ruler = kChaldeanFaces[sign][third];
        placement.rulerName = RulerName(placement.ruler);
        return placement;
    default:
        break;
    }
    const SignsByDecanate* signs = SignsOf(scheme);
    if (signs == nullptr)
        return {};
    placement.sign = (*signs)[sign][third];
    placement.ruler = kClassicalLords[static_cast<std::size_t>(placement.sign)];
    placement.rulerName = RulerName(placement.ruler);
    return placement;
}

} // namespace tessaline
