// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/FailureWords.h"

namespace tessaline {

namespace {

std::string Quoted(std::string_view query)
{
    return "\u201c" + atlas::QueryShown(query) + "\u201d";
}

// " 4250542 Springfield, Illinois, United States (39.80°N 89.64°W · 116,565 people · America/Chicago); ..."
std::string CandidateList(const std::vector<atlas::PlaceCandidate>& candidates)
{
    std::string list;
    for (std::size_t i = 0; i < candidates.size(); ++i) // one line: every control character is escaped
        list += (i == 0 ? " " : "; ") + std::to_string(candidates[i].geonamesId) + ' ' + candidates[i].label + " ("
            + candidates[i].detail + ")";
    return list;
}

std::string NoMatchWords(const atlas::PlaceFailure& failure)
{
    std::string message = "No place matches " + Quoted(failure.query);
    for (std::size_t i = 0; i < failure.nearest.size(); ++i)
        message += (i == 0 ? "; did you mean " : ", ") + failure.nearest[i];
    message += failure.nearest.empty() ? "." : "?";
    return message + " Or enter the coordinates and the zone by hand.";
}

} // namespace

std::string InWords(const BirthFailure& failure)
{
    using enum BirthFailure::Kind;
    switch (failure.kind) {
    case Stated:
        break;
    case AutoZoneWithoutPlace:
        return failure.lead
            + "Zone \"auto\" takes the zone from the clock history of a place, and this birth names none: choose "
              "a place, or a zone of the list";
    case NotAZone:
        return failure.lead + "Zone " + QuotedInput(failure.input)
            + " is not a zone: give its list position, 0 to 70, or the clock's exact offset as "
              "+HH:MM or -HH:MM";
    case UnknownAyanamsa:
        return failure.lead + "no ayanamsa is called \"" + failure.input + "\"";
    }
    return failure.message;
}

std::string InWords(const atlas::PlaceFailure& failure)
{
    using enum atlas::PlaceFailure::Kind;
    switch (failure.kind) {
    case NoMatch:
        break;
    case TooManyWords:
        return "The place " + Quoted(failure.query) + " has more than " + std::to_string(atlas::Atlas::kMostQueryWords)
            + " words, more than any place's name, region and country: give those alone";
    case Ambiguous:
        return "The place " + Quoted(failure.query)
            + " is ambiguous; give more of it (\"Name, Region, Country\"); these are the likeliest:"
            + CandidateList(failure.candidates);
    case NoSuchId:
        return "No place in the atlas has the id \"" + failure.id + "\"";
    case DifferentPlaces:
        return "The place " + Quoted(failure.query) + " and the id " + failure.id + " ("
            + (failure.candidates.empty() ? std::string() : failure.candidates.front().label)
            + ") are different places: give one of them";
    }
    return NoMatchWords(failure);
}

} // namespace tessaline
