// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/FailureWords.h"

namespace tessaline {

namespace {

// " 4250542 Springfield, Illinois, United States (39.80°N 89.64°W · 116,565 people · America/Chicago); ..."
std::string CandidateList(const std::vector<atlas::PlaceCandidate>& candidates)
{
    std::string list;
    for (std::size_t i = 0; i < candidates.size(); ++i) // one line: every control character is escaped
        list += (i == 0 ? " " : "; ") + std::to_string(candidates[i].geonamesId) + ' ' + candidates[i].label + " ("
            + candidates[i].detail + ")";
    return list;
}

std::string NoMatchWords(const atlas::PlaceFailure& failure, const FailureVoice& voice)
{
    std::string message = std::string(voice.noMatch) + voice.quoted(failure.query);
    for (std::size_t i = 0; i < failure.nearest.size(); ++i)
        message += (i == 0 ? "; did you mean " : ", ") + failure.nearest[i];
    message += failure.nearest.empty() ? "." : "?";
    return message + std::string(voice.noMatchNext);
}

} // namespace

std::string FailureInWords(const BirthFailure& failure, const FailureVoice& voice)
{
    using enum BirthFailure::Kind;
    switch (failure.kind) {
    case Stated:
        break;
    case AutoZoneWithoutPlace:
        return failure.lead
            + "Zone \"auto\" takes the zone from the clock history of a place, and this birth names none: "
            + std::string(voice.autoZoneNext);
    case NotAZone:
        return failure.lead + "Zone " + QuotedInput(failure.input) + " is not a zone: give its list position, 0 to 70"
            + std::string(voice.zoneListHint) + ", or the clock's exact offset as +HH:MM or -HH:MM";
    case UnknownAyanamsa:
        return failure.lead + "no ayanamsa is called \"" + failure.input + "\"" + std::string(voice.ayanamsaHint);
    }
    return failure.message;
}

std::string FailureInWords(const atlas::PlaceFailure& failure, const FailureVoice& voice)
{
    using enum atlas::PlaceFailure::Kind;
    switch (failure.kind) {
    case NoMatch:
        break;
    case TooManyWords:
        return "The place " + voice.quoted(failure.query) + " has more than "
            + std::to_string(atlas::Atlas::kMostQueryWords)
            + " words, more than any place's name, region and country: give those alone";
    case Ambiguous:
        return "The place " + voice.quoted(failure.query) + " is ambiguous; give more of it (\"Name, Region, Country\")"
            + std::string(voice.ambiguousNext) + CandidateList(failure.candidates);
    case NoSuchId:
        return "No place in the atlas has the id \"" + failure.id + "\"";
    case DifferentPlaces:
        return "The place " + voice.quoted(failure.query) + " and the id " + failure.id + " ("
            + (failure.candidates.empty() ? std::string() : failure.candidates.front().label)
            + ") are different places: give one of them";
    }
    return NoMatchWords(failure, voice);
}

} // namespace tessaline
