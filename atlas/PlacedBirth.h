// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "atlas/Atlas.h"
#include "atlas/Clock.h"
#include "atlas/Suggestion.h"
#include "base/Result.h"
#include "chart/BirthArguments.h"
#include "chart/BirthData.h"
#include "ephemeris/CivilTime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline::atlas {

// The zone a chart uses: a row of the list with the daylight-saving tick, or an exact clock offset that no
// row gives (local mean time, a city's mean time, Kathmandu's +5:45), rounded to the minute.
struct ZoneInUse {
    bool exact = false;
    int row = 29; // a row: its list position
    bool tick = false; // a row: the daylight-saving tick
    UtcOffset exactOffset; // exact: the clock's offset
    // exact: how the zone list names it, "Local clock of Kathmandu, UT+5:45" ("Clock offset UT+5:45" when no
    // place named it).
    std::string exactName;

    // The offset the chart reads the clock with, daylight saving included.
    UtcOffset Offset() const noexcept;
    bool SameZone(const ZoneInUse& other) const noexcept;
};

// The zone of an exact clock offset as the window lists it: the standard row that gives it, else a row
// with the daylight-saving tick, else the exact offset itself (named by name, or "Clock offset UT+5:45").
ZoneInUse ZoneForOffset(UtcOffset offset, std::string name = {});

// Why the chosen place no longer counts.
enum class PlaceDropped {
    CoordinatesEdited, // the coordinates no longer are the place's
    PlaceRetyped, // the Place box was typed into and nothing chosen
    Replaced, // the form was filled from elsewhere (a birth file)
};

// One birth as both programs hold it: the place chosen from the atlas (or none), the local date and clock
// time, and the hand's choices of zone, tick and exact offset. From them come the clock reading, the atlas's
// suggestion, the zone the chart uses, the sentences the window shows under the zone and the chart names as
// its clock, the warnings, and what a birth file stores. The rules:
// - with a place and no hand choice, the zone is the atlas's suggestion for the date and time; a choice by
//   hand (a row, the tick, an exact offset) wins until Apply or another place is chosen, whatever the date;
// - in a clock time that happened twice, the tick on the suggested zone chooses the reading (ticked = the
//   earlier) and is no hand choice; that choice also holds until Apply or another place;
// - dropping the place (coordinates edited, Place retyped) keeps the zone in use, as a hand choice.
class PlacedBirth
{
public:
    PlacedBirth() = default;

    void ChoosePlace(const Atlas& atlas, const Place& place);
    void DropPlace(PlaceDropped why);
    const Place* ChosenPlace() const noexcept { return place_; }
    // "Springfield, Illinois, United States"; empty without a place.
    std::string PlaceLabel() const;

    void SetLocalTime(const CivilInstant& local);
    const CivilInstant& LocalTime() const noexcept { return local_; }

    // The hand's choices.
    void ChooseRow(int row);
    void ChooseTick(bool tick);
    void ChooseZone(ZoneInUse zone);
    // In a clock time that happened twice: which reading (the earlier, summer time, or the later).
    void ChooseReading(bool earlier);
    // The atlas's suggestion stands again.
    void Apply();

    // The zone the chart uses, which the window shows.
    ZoneInUse Zone() const;
    // The exact offset the zone list offers as its last entry, if any: the hand's, else the atlas's.
    std::optional<ZoneInUse> ExactEntry() const;
    // The tick means something: on a row, and in a clock time that happened twice (it chooses the reading).
    bool TickCounts() const;

    bool HandChose() const noexcept { return hand_.has_value(); }
    // The line under the zone: what the atlas found, what the hand chose instead, or why there is no place.
    std::string ClockLine() const;
    // Apply is offered: the hand's zone is not the atlas's.
    bool OffersApply() const;
    // What the chart names as its clock: the atlas's sentence, after "Zone chosen by hand; the atlas found: "
    // when the hand chose; empty without a place or reading.
    std::string ChartClockSentence() const;
    // Summer time counted twice, and a zone more than three hours from what the longitude suggests.
    std::vector<std::string> Warnings(std::optional<double> longitudeEast) const;

    const std::optional<ClockReading>& Reading() const noexcept { return reading_; }
    const std::optional<ZoneSuggestion>& Suggestion() const noexcept { return suggestion_; }
    // Why there is no reading (the zone is not in this computer's time-zone database); empty otherwise.
    const std::string& ReadingProblem() const noexcept { return readingProblem_; }

    // The zone, tick and exact offset into a form: what a chart and a birth file take.
    void ApplyTo(BirthDataForm& form) const;

private:
    void Refresh();

    const Atlas* atlas_ = nullptr;
    const Place* place_ = nullptr;
    CivilInstant local_{kFirstYear, 1, 1, 0, 0};
    std::optional<ZoneInUse> hand_ = ZoneInUse{};
    bool earlier_ = true;
    std::optional<PlaceDropped> dropped_;
    std::optional<ClockReading> reading_;
    std::optional<ZoneSuggestion> suggestion_;
    std::string readingProblem_;
};

// The warnings of a zone chosen by hand, for a form as a chart takes it: summer time counted twice, and a
// zone more than three hours from what the form's longitude suggests.
std::vector<std::string> HandZoneWarnings(const BirthDataForm& form);

// A place a failure offers: its GeoNames id, its label, and what tells equal labels apart (Atlas::Detail).
struct PlaceCandidate {
    std::int32_t geonamesId = 0;
    std::string label;
    std::string detail;
};

// Why a birth's place was not found. Each program words it: the chart tool points to its options and the
// window to its boxes, each quoting the query its own way (QueryShown).
struct PlaceFailure {
    enum class Kind {
        NoMatch, // query; nearest: the names of places a few letters away, nearest first (maybe none)
        TooManyWords, // query: more words than a search takes (Atlas::kMostQueryWords)
        Ambiguous, // query; candidates: the competing places, best first, at most five
        NoSuchId, // id
        DifferentPlaces, // query and id; candidates: the id's place, which the query does not find
    };
    Kind kind = Kind::NoMatch;
    std::string query;
    std::string id; // at most its first 20 bytes
    std::vector<std::string> nearest;
    std::vector<PlaceCandidate> candidates;
};

// The query as a message shows it, cut at 80 bytes ("…"), for the program's own quotes.
std::string QueryShown(std::string_view query);

// One place for a query whose comma- or blank-separated parts match name, region and country: the best match
// when it weighs (Match::Weight) at least ten times any other of its rank (its own name typed whole, another
// name typed whole, a name typed in part: the ranks above count too; a section of a city never competes with
// a city); otherwise Ambiguous with the best five. Nothing found: NoPlaceMatches.
Result<const Place*, PlaceFailure> ResolvePlace(const Atlas& atlas, std::string_view query);

// Why a query finds no place: NoMatch with the names a few letters away ("springfeld": Springfield), or
// TooManyWords.
PlaceFailure NoPlaceMatches(const Atlas& atlas, std::string_view query);

// The place with a GeoNames id given as text.
Result<const Place*, PlaceFailure> PlaceWithId(const Atlas& atlas, std::string_view id);

// The place a birth names: by its id when one is given (and then the name, if any, must find it), else by
// its name.
Result<const Place*, PlaceFailure> FindPlace(const Atlas& atlas, std::string_view name, std::string_view id);

// The birth at a place: its coordinates (to the nearest arc-minute) in place of lon and lat; with the zone
// "auto" or empty, the zone row and tick, or the exact offset, from the clock history, dst then choosing the
// reading of a clock time that happened twice (nothing: the earlier); a zone given by hand is kept, with dst
// as its tick. placed holds the place, its clock and the choices afterwards.
Result<BirthDataForm, BirthFailure> BirthAtPlace(BirthArguments birth, std::optional<bool> dst, const Atlas& atlas,
                                                 const Place& place, PlacedBirth& placed);

} // namespace tessaline::atlas
