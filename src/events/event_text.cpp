#include "events/event_text.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "aspects/aspect_kind.h"
#include "chart/chart_state.h"

namespace orvantis {
namespace {

constexpr std::array<const char*, 16> kBodyWords = {
    "",          "Sun",     "Mercury", "Venus", "Mars",       "Jupiter",    "Saturn",
    "Uranus",    "Neptune", "Pluto",   "Moon",  "North Node", "South Node", "Part of Fortune",
    "Ascendant", "MC"};

constexpr std::array<const char*, 13> kSignWords = {
    "",      "Aries",   "Taurus",      "Gemini",    "Cancer",   "Leo",   "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

constexpr std::array<const char*, kEventKindCount> kKindWords = {
    "ingress", "station", "aspect", "phase", "void", "angle", "transit", "transit_house"};

constexpr std::array<const char*, 4> kPhaseWords = {"new", "first quarter", "full", "last quarter"};

// Unicode astrological symbols; the angles keep their usual abbreviations.
constexpr std::array<const char*, 16> kBodyGlyphs = {"",  "☉", "☿", "♀", "♂", "♃", "♄",   "♅",
                                                     "♆", "♇", "☽", "☊", "☋", "⊗", "Asc", "MC"};
constexpr std::array<const char*, 13> kSignGlyphs = {"",  "♈", "♉", "♊", "♋", "♌", "♍",
                                                     "♎", "♏", "♐", "♑", "♒", "♓"};
// By aspect kind: conjunction 2 .. opposition 6.
constexpr std::array<const char*, 7> kAspectGlyphs = {"", "", "☌", "⚹", "□", "△", "☍"};
// New, first quarter (lit on the right), full, last quarter.
constexpr std::array<const char*, 4> kPhaseGlyphs = {"●", "◐", "○", "◑"};

const char* UnicodeBodyGlyph(int body) {
    return body >= 1 && body <= kBodyCount ? kBodyGlyphs[body] : "";
}

const char* UnicodeSignGlyph(int sign) {
    return sign >= 1 && sign <= 12 ? kSignGlyphs[sign] : "";
}

std::string PhaseText(LunarPhase phase) {
    std::string text = PhaseWord(phase);
    return text + (phase == LunarPhase::kNew || phase == LunarPhase::kFull ? " moon" : "");
}

// Date and time of a moment already moved to the wanted clock.
std::string IsoDateTime(std::chrono::sys_seconds at) {
    using namespace std::chrono;
    const auto day = floor<days>(at);
    const year_month_day date{day};
    const hh_mm_ss<seconds> time{at - day};
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

std::string AspectWord(int kind) {
    return std::string(AspectName(kind));
}

}  // namespace

const char* BodyWord(int body) {
    return body >= 1 && body <= kBodyCount ? kBodyWords[body] : "";
}

const char* SignWord(int sign) {
    return sign >= 1 && sign <= 12 ? kSignWords[sign] : "";
}

const char* EventKindWord(EventKind kind) {
    return kKindWords[KindBit(kind)];
}

const char* PhaseWord(LunarPhase phase) {
    return kPhaseWords[static_cast<std::size_t>(phase)];
}

std::optional<EventKinds> ParseEventKinds(std::string_view list) {
    EventKinds kinds;
    while (true) {
        const auto comma = list.find(',');
        const std::string_view word = list.substr(0, comma);
        bool known = false;
        for (std::size_t k = 0; k < kKindWords.size(); ++k) {
            if (word == kKindWords[k]) kinds.set(k), known = true;
        }
        if (!known) return std::nullopt;
        if (comma == std::string_view::npos) return kinds;
        list.remove_prefix(comma + 1);
    }
}

std::string HiddenKindsText(EventKinds shown) {
    std::string text;
    for (std::size_t k = 0; k < kKindWords.size(); ++k) {
        if (shown.test(k)) continue;
        if (!text.empty()) text += ',';
        text += kKindWords[k];
    }
    return text;
}

EventKinds ShownKindsOfHidden(std::string_view hidden) {
    EventKinds shown = AllEventKinds();
    while (!hidden.empty()) {
        const auto comma = std::min(hidden.find(','), hidden.size());
        if (const auto kind = ParseEventKinds(hidden.substr(0, comma))) shown &= ~*kind;
        hidden.remove_prefix(std::min(comma + 1, hidden.size()));
    }
    return shown;
}

std::string EventWords(const Event& e) {
    const std::string body = BodyWord(e.body);
    switch (e.kind) {
        case EventKind::kIngress:
        case EventKind::kAngle:
            return body + " enters " + SignWord(e.sign);
        case EventKind::kStation:
            return body + " stations " + (e.retrograde ? "retrograde" : "direct");
        case EventKind::kAspect:
            return body + " " + AspectWord(e.aspect) + " " + BodyWord(e.other);
        case EventKind::kPhase: {
            std::string text = PhaseText(e.phase);
            text[0] = static_cast<char>(text[0] - 'a' + 'A');
            return text;
        }
        case EventKind::kVoid:
            return body + " void of course";
        case EventKind::kTransit:
            return body + " " + AspectWord(e.aspect) + " natal " + BodyWord(e.other);
        case EventKind::kTransitHouse:
            return body + " enters natal house " + std::to_string(e.house);
    }
    return body;
}

std::string EventGlyphs(const Event& e) {
    const std::string body = UnicodeBodyGlyph(e.body);
    switch (e.kind) {
        case EventKind::kIngress:
        case EventKind::kAngle:
            return body + " enters " + UnicodeSignGlyph(e.sign);
        case EventKind::kStation:
            return body + " stations " + (e.retrograde ? "℞" : "D");
        case EventKind::kAspect:
            return body + " " + kAspectGlyphs[static_cast<std::size_t>(e.aspect) % 7] + " " +
                   UnicodeBodyGlyph(e.other);
        case EventKind::kPhase:
            return std::string(kPhaseGlyphs[static_cast<std::size_t>(e.phase)]) + " " +
                   PhaseText(e.phase);
        case EventKind::kVoid:
            return body + " void of course";
        case EventKind::kTransit:
            return body + " " + kAspectGlyphs[static_cast<std::size_t>(e.aspect) % 7] + " natal " +
                   UnicodeBodyGlyph(e.other);
        case EventKind::kTransitHouse:
            return body + " enters natal house " + std::to_string(e.house);
    }
    return body;
}

std::string CountdownText(long long seconds) {
    if (seconds <= 0) return "now";
    const long long minutes = seconds / 60, hours = minutes / 60, days = hours / 24;
    if (days > 0) return "in " + std::to_string(days) + " d " + std::to_string(hours % 24) + " h";
    if (hours > 0)
        return "in " + std::to_string(hours) + " h " + std::to_string(minutes % 60) + " min";
    if (minutes > 0) return "in " + std::to_string(minutes) + " min";
    return "in " + std::to_string(seconds) + " s";
}

std::chrono::seconds ZoneOffsetSeconds(float zone_hours) {
    // Not held to the options' -13 .. 12: a named zone may lie east of +13 (+14 on Kiritimati)
    // or keep a local mean time to the second (+05:21:10).
    if (!std::isfinite(zone_hours)) return {};
    return std::chrono::seconds{-std::lround(static_cast<double>(zone_hours) * 3600.0)};
}

std::chrono::minutes ZoneOffset(float zone_hours) {
    return std::chrono::round<std::chrono::minutes>(ZoneOffsetSeconds(zone_hours));
}

std::string IsoUtc(std::chrono::sys_seconds at) {
    return IsoDateTime(at) + "Z";
}

std::string IsoLocal(std::chrono::sys_seconds at, float zone_hours) {
    const std::chrono::seconds offset = ZoneOffsetSeconds(zone_hours);
    const long long seconds = offset.count() < 0 ? -offset.count() : offset.count();
    char zone[48];
    std::snprintf(zone, sizeof zone, "%c%02lld:%02lld", offset.count() < 0 ? '-' : '+',
                  seconds / 3600, seconds / 60 % 60);
    std::string text = IsoDateTime(at + offset) + zone;
    if (seconds % 60 != 0) {
        std::snprintf(zone, sizeof zone, ":%02lld", seconds % 60);
        text += zone;
    }
    return text;
}

}  // namespace orvantis
