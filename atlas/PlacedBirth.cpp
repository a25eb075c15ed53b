// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/PlacedBirth.h"

#include "atlas/PlaceText.h"
#include "chart/Text.h"
#include "chart/ZoneTable.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace tessaline::atlas {

namespace {

constexpr std::size_t kCandidatesShown = 5;
constexpr double kClearLead = 10; // the best match wins outright at ten times the weight of any other

// Degrees, the hemisphere letter, minutes, to the nearest arc-minute: -89.644 -> "89W39".
std::string ArcMinuteText(double degrees, char positive, char negative)
{
    const ArcMinutes rounded = RoundToArcMinute(degrees);
    return std::to_string(rounded.degrees) + (degrees < 0 ? negative : positive) + std::to_string(rounded.minutes);
}

std::string ExactName(std::string_view placeName, UtcOffset clock)
{
    const std::string offset = OffsetName(clock.seconds);
    return placeName.empty() ? "Clock offset " + offset : "Local clock of " + std::string(placeName) + ", " + offset;
}

} // namespace

UtcOffset ZoneInUse::Offset() const noexcept
{
    return exact ? exactOffset : RowOffset(row, tick);
}

bool ZoneInUse::SameZone(const ZoneInUse& other) const noexcept
{
    if (exact != other.exact)
        return false;
    return exact ? exactOffset == other.exactOffset : row == other.row && tick == other.tick;
}

ZoneInUse ZoneForOffset(UtcOffset offset, std::string name)
{
    // A standard row first (the offset as it stands), then a row with the tick (the offset an hour on).
    for (const int summer : {0, 3600})
        if (const auto choice = RowForOffset(ClockOffset{offset.seconds, summer, ""}, ""))
            if (choice->tick == (summer != 0))
                return ZoneInUse{false, choice->row, choice->tick, {}, {}};
    ZoneInUse zone;
    zone.exact = true;
    zone.exactOffset = offset;
    zone.exactName = name.empty() ? ExactName({}, offset) : std::move(name);
    return zone;
}

void PlacedBirth::ChoosePlace(const Atlas& atlas, const Place& place)
{
    const ZoneInUse before = Zone();
    atlas_ = &atlas;
    place_ = &place;
    dropped_.reset();
    hand_.reset();
    earlier_ = true;
    Refresh();
    if (!suggestion_)
        hand_ = before; // no clock history here: the zone stays as it was, the hand's to change
}

void PlacedBirth::DropPlace(PlaceDropped why)
{
    if (place_ == nullptr)
        return;
    hand_ = Zone(); // what the chart used stays, now as a choice of the hand
    place_ = nullptr;
    dropped_ = why;
    earlier_ = true;
    Refresh();
}

std::string PlacedBirth::PlaceLabel() const
{
    return place_ != nullptr ? atlas_->Label(*place_) : std::string();
}

void PlacedBirth::SetLocalTime(const CivilInstant& local)
{
    if (local == local_)
        return;
    local_ = local;
    Refresh();
}

void PlacedBirth::Refresh()
{
    reading_.reset();
    suggestion_.reset();
    readingProblem_.clear();
    if (place_ == nullptr)
        return;
    const std::string_view zoneId = atlas_->ZoneId(*place_);
    Result<ClockReading> reading = ReadClock(zoneId, local_, place_->Longitude());
    if (!reading) {
        readingProblem_ = reading.error();
        return;
    }
    reading_ = *reading;
    suggestion_ = SuggestZone(*reading_,
                              SuggestionContext{atlas_->Name(*place_), zoneId, local_, place_->Longitude(),
                                                reading_->kind != ClockKind::Overlap || earlier_});
}

void PlacedBirth::ChooseRow(int row)
{
    const ZoneInUse now = Zone();
    hand_ = ZoneInUse{false, row, now.exact ? false : now.tick, {}, {}};
}

void PlacedBirth::ChooseTick(bool tick)
{
    if (!hand_ && suggestion_ && suggestion_->tickChoosesReading) {
        ChooseReading(tick);
        return;
    }
    ZoneInUse zone = Zone();
    if (zone.exact)
        return; // an exact offset is the clock's whole offset: no tick counts on it
    zone.tick = tick;
    hand_ = std::move(zone);
}

void PlacedBirth::ChooseZone(ZoneInUse zone)
{
    if (zone.exact && zone.exactName.empty())
        zone.exactName = ExactName(place_ != nullptr ? atlas_->Name(*place_) : std::string_view(), zone.exactOffset);
    hand_ = std::move(zone);
}

void PlacedBirth::ChooseReading(bool earlier)
{
    if (earlier == earlier_)
        return;
    earlier_ = earlier;
    Refresh();
}

void PlacedBirth::Apply()
{
    if (place_ == nullptr)
        return;
    hand_.reset();
    if (!earlier_)
        ChooseReading(true);
}

ZoneInUse PlacedBirth::Zone() const
{
    if (hand_ || !suggestion_)
        return hand_.value_or(ZoneInUse{});
    if (suggestion_->kind == SuggestionKind::Row)
        return ZoneInUse{false, suggestion_->row, suggestion_->tick, {}, {}};
    ZoneInUse zone;
    zone.exact = true;
    zone.exactOffset = suggestion_->exact;
    zone.exactName = ExactName(atlas_->Name(*place_), zone.exactOffset);
    zone.tick = suggestion_->tickChoosesReading && earlier_; // shows the reading chosen
    return zone;
}

std::optional<ZoneInUse> PlacedBirth::ExactEntry() const
{
    if (hand_ && hand_->exact)
        return hand_;
    if (suggestion_ && suggestion_->kind == SuggestionKind::ExactOffset) {
        ZoneInUse zone = Zone();
        if (hand_) { // the atlas's offer stands beside a row chosen by hand
            zone.exact = true;
            zone.exactOffset = suggestion_->exact;
            zone.exactName = ExactName(atlas_->Name(*place_), zone.exactOffset);
            zone.tick = false;
        }
        return zone;
    }
    return std::nullopt;
}

bool PlacedBirth::TickCounts() const
{
    return !Zone().exact || (!hand_ && suggestion_ && suggestion_->tickChoosesReading);
}

std::string PlacedBirth::ClockLine() const
{
    if (place_ == nullptr) {
        if (dropped_ == PlaceDropped::CoordinatesEdited)
            return "The coordinates were changed by hand: the place and its clock are no longer used.";
        if (dropped_ == PlaceDropped::PlaceRetyped)
            return "No place is chosen: the chart uses the coordinates and the zone as they stand.";
        return {};
    }
    if (!readingProblem_.empty())
        return readingProblem_ + ".";
    if (!suggestion_)
        return {};
    return hand_ ? "You chose the zone by hand; the atlas suggests: " + suggestion_->sentence : suggestion_->sentence;
}

bool PlacedBirth::OffersApply() const
{
    return place_ != nullptr && hand_ && suggestion_;
}

std::string PlacedBirth::ChartClockSentence() const
{
    if (place_ == nullptr || !suggestion_)
        return {};
    return hand_ ? "Zone chosen by hand; the atlas found: " + suggestion_->sentence : suggestion_->sentence;
}

std::vector<std::string> PlacedBirth::Warnings(std::optional<double> longitudeEast) const
{
    std::vector<std::string> warnings;
    const ZoneInUse zone = Zone();
    if (!zone.exact && zone.tick && IsSummerOrWarRow(zone.row))
        warnings.emplace_back("This zone is already summer or war time: ticking Daylight Saving Time as well counts "
                              "summer time twice.");
    if (longitudeEast && FarFromLongitude(zone.Offset(), *longitudeEast))
        warnings.push_back("The zone is more than three hours from what the longitude suggests (about "
                           + OffsetName(static_cast<int>(std::lround(*longitudeEast / 15.0)) * 3600) + ").");
    return warnings;
}

std::vector<std::string> HandZoneWarnings(const BirthDataForm& form)
{
    PlacedBirth hand;
    hand.ChooseZone(form.exactZone ? ZoneInUse{true, -1, false, *form.exactZone, {}}
                                   : ZoneInUse{false, form.zonePosition, form.daylightSaving, {}, {}});
    int degrees = 0;
    int minutes = 0;
    const auto whole = [](const std::string& text, int& value) {
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        return error == std::errc{} && end == text.data() + text.size();
    };
    std::optional<double> longitudeEast;
    if (whole(form.lonDegrees, degrees) && whole(form.lonMinutes, minutes))
        longitudeEast = (degrees + minutes / 60.0) * (form.isEast ? 1 : -1);
    return hand.Warnings(longitudeEast);
}

void PlacedBirth::ApplyTo(BirthDataForm& form) const
{
    const ZoneInUse zone = Zone();
    if (zone.exact) {
        form.exactZone = zone.exactOffset;
        form.zonePosition = -1;
        form.daylightSaving = false;
    } else {
        form.exactZone.reset();
        form.zonePosition = zone.row;
        form.daylightSaving = zone.tick;
    }
}

std::string QueryShown(std::string_view query)
{
    constexpr std::size_t kShown = 80;
    std::string shown(query.substr(0, kShown));
    if (query.size() > kShown)
        shown += "…";
    return shown;
}

PlaceFailure NoPlaceMatches(const Atlas& atlas, std::string_view query)
{
    PlaceFailure failure{PlaceFailure::Kind::NoMatch, std::string(query), {}, {}, {}};
    if (atlas.QueryWords(query) > Atlas::kMostQueryWords)
        failure.kind = PlaceFailure::Kind::TooManyWords;
    else
        failure.nearest = atlas.NearestNames(query, kCandidatesShown);
    return failure;
}

Result<const Place*, PlaceFailure> ResolvePlace(const Atlas& atlas, std::string_view query)
{
    constexpr std::size_t kConsidered = 12; // sections of a city may come between the places that compete
    const auto found = atlas.Search(query, kConsidered);
    if (found.empty())
        return Unexpected<PlaceFailure>{NoPlaceMatches(atlas, query)};
    // A place's own name typed whole outranks another name typed whole, which outranks a name typed in part:
    // the best competes only with places of its rank or above, and a section of a city (GeoNames' PPLX) never
    // with the city.
    const auto rank = [](const Match& match) {
        return !match.whole ? 0 : match.alternate.empty() ? 2 : 1;
    };
    const Match& best = found.front();
    std::vector<const Match*> competing{&best};
    for (std::size_t i = 1; i < found.size(); ++i) {
        const Match& other = found[i];
        if (rank(other) < rank(best) || (other.place->kind == 'S' && best.place->kind != 'S'))
            continue;
        if (best.Weight() < kClearLead * other.Weight())
            competing.push_back(&other);
    }
    if (competing.size() == 1)
        return best.place;
    PlaceFailure failure{PlaceFailure::Kind::Ambiguous, std::string(query), {}, {}, {}};
    for (std::size_t i = 0; i < competing.size() && i < kCandidatesShown; ++i) {
        const Place& place = *competing[i]->place;
        failure.candidates.push_back({place.geonamesId, atlas.Label(place), atlas.Detail(place)});
    }
    return Unexpected<PlaceFailure>{std::move(failure)};
}

Result<const Place*, PlaceFailure> PlaceWithId(const Atlas& atlas, std::string_view id)
{
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), number);
    const Place* place = nullptr;
    if (error != std::errc{} || end != id.data() + id.size() || (place = atlas.FindId(number)) == nullptr)
        return Unexpected<PlaceFailure>{{PlaceFailure::Kind::NoSuchId, {}, std::string(id.substr(0, 20)), {}, {}}};
    return place;
}

Result<const Place*, PlaceFailure> FindPlace(const Atlas& atlas, std::string_view name, std::string_view id)
{
    if (id.empty())
        return ResolvePlace(atlas, name);
    Result<const Place*, PlaceFailure> place = PlaceWithId(atlas, id);
    if (!place || TrimBlanks(name).empty())
        return place;
    // Both given: the id's place must be one the name finds.
    if (atlas.Finds(name, **place))
        return place;
    const Place& found = **place;
    return Unexpected<PlaceFailure>{{PlaceFailure::Kind::DifferentPlaces,
                                     std::string(name),
                                     std::string(id.substr(0, 20)),
                                     {},
                                     {{found.geonamesId, atlas.Label(found), atlas.Detail(found)}}}};
}

Result<BirthDataForm, BirthFailure> BirthAtPlace(BirthArguments birth, std::optional<bool> dst, const Atlas& atlas,
                                                 const Place& place, PlacedBirth& placed)
{
    birth.lon = ArcMinuteText(place.Longitude(), 'E', 'W');
    birth.lat = ArcMinuteText(place.Latitude(), 'N', 'S');
    const bool fromAtlas = birth.zone.empty() || birth.zone == "auto";
    if (fromAtlas)
        birth.zone.assign(1, '0'); // stands in until the clock history has spoken
    else
        birth.dst = dst.value_or(false);
    Result<BirthDataForm, BirthFailure> parsed = ParseBirthArguments(birth);
    if (!parsed)
        return parsed;
    BirthDataForm& form = *parsed;

    placed = PlacedBirth();
    placed.SetLocalTime(CivilInstant{kFirstYear + form.yearPosition, form.monthPosition + 1, form.dayPosition + 1,
                                     form.hour, form.minute});
    placed.ChoosePlace(atlas, place);
    placed.ChooseReading(dst.value_or(true));
    if (!placed.ReadingProblem().empty() && fromAtlas)
        return Unexpected<BirthFailure>{{BirthFailure::Kind::Stated, {}, placed.ReadingProblem(), {}}};
    if (!fromAtlas)
        placed.ChooseZone(form.exactZone ? ZoneInUse{true, -1, false, *form.exactZone, {}}
                                         : ZoneInUse{false, form.zonePosition, form.daylightSaving, {}, {}});
    placed.ApplyTo(form);
    return parsed;
}

} // namespace tessaline::atlas
