// The words and glyphs of the events, for the window, the status bar and the command line.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "events/events.h"

namespace orvantis {

// English names: bodies 1..15 ("Sun" .. "Pluto", "Moon", "North Node", "South Node", "Part of
// Fortune", "Ascendant", "MC") and signs 1..12 ("Aries" .. "Pisces"); "" for other numbers.
const char* BodyWord(int body);
const char* SignWord(int sign);

// "ingress", "station", "aspect", "phase", "void", "angle", "transit", "transit_house".
const char* EventKindWord(EventKind kind);

// "new", "first quarter", "full", "last quarter".
const char* PhaseWord(LunarPhase phase);

// A comma-separated list of kind words ("ingress,station"); nullopt when a word is not a kind or
// the list is empty.
std::optional<EventKinds> ParseEventKinds(std::string_view list);

// The kinds shown as a settings file keeps them: the words of the kinds left out ("" when all are
// shown), so a kind added later is shown; reading passes over words it does not know.
std::string HiddenKindsText(EventKinds shown);
EventKinds ShownKindsOfHidden(std::string_view hidden);

// The event in words: "Moon enters Leo", "Mercury stations retrograde", "Sun square Saturn",
// "Full moon", "Moon void of course", "Ascendant enters Leo", "Saturn square natal Sun",
// "Mars enters natal house 7".
std::string EventWords(const Event& event);

// The event in glyphs (UTF-8): "☽ enters ♌", "☿ stations ℞", "☉ □ ♄", "○ full moon",
// "☽ void of course", "Asc enters ♌", "♄ □ natal ☉", "♂ enters natal house 7".
std::string EventGlyphs(const Event& event);

// A countdown to an event `seconds` ahead: "in 3 d 4 h", "in 2 h 13 min", "in 13 min",
// "in 45 s"; "now" at 0 or below. Whole units, counted down (2 h 13 min 59 s is "2 h 13 min").
std::string CountdownText(long long seconds);

// A zone (hours, west positive) as the offset from UT to its clock, east positive: to the
// second, and rounded to whole minutes; 0 for a value that is not finite.
std::chrono::seconds ZoneOffsetSeconds(float zone_hours);
std::chrono::minutes ZoneOffset(float zone_hours);

// The home zone in force at an instant (hours, west positive): a named zone changes its offset
// with summer time, so every event is shown on the clock of its own moment.
using HomeZoneAt = std::function<float(std::chrono::sys_seconds)>;

// "2024-03-20T03:06:21Z", and the same moment on the home clock with its offset,
// "2024-03-19T22:06:21-05:00" (an offset with seconds, a local mean time, shows them: +05:21:10).
std::string IsoUtc(std::chrono::sys_seconds at);
std::string IsoLocal(std::chrono::sys_seconds at, float zone_hours);

}  // namespace orvantis
