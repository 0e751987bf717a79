#include "events/events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>

#include "aspects/aspect_kind.h"
#include "astro/angles.h"
#include "astro/calendar.h"
#include "chart/chart_state.h"
#include "chart/ephemeris_mode.h"
#include "ephemeris/ephemeris.h"
#include "events/precise_sky_table.h"
#include "events/sky_scan.h"
#include "settings/option_lines.h"

namespace orvantis {
namespace {

using namespace sky_scan;

// The scan step of the Ascendant and MC; a step in which either moves more than 60 degrees (near
// the polar circles) is halved until it does not.
constexpr Seconds kAngleStep = 600;
constexpr double kAngleStepLimit = 60.0;
// Longer than the Moon's longest stay in a sign (about 2.7 days): a void of course that starts in
// the span is found whole.
constexpr Seconds kVoidMargin = 3 * kDay;

// The Moon first, then the Sun and Mercury .. Pluto: the order of the two bodies of an aspect.
constexpr std::array<int, 10> kAspectBodies = {kMoon,    kSun,    kMercury, kVenus,   kMars,
                                               kJupiter, kSaturn, kUranus,  kNeptune, kPluto};

// The sky at one second: the chart's longitudes (11 is the node of the settings), the zodiac
// shift, and the daily motion when asked for.
struct Sample {
    std::array<double, 12> longitude{};
    std::array<double, 12> motion{};
    double shift = 0;
    bool finite = false;
};

// What one scan needs of each moment.
struct SampleRules {
    bool true_node = false;
    int zodiac = 0;
    bool motion = false;
    PreciseSkyTable* precise = nullptr;  // the precise ephemeris' table; null: the built-in series
};

std::array<double, 12> BodiesOf(const SkyLongitudes& sky, bool true_node) {
    std::array<double, 12> longitude = sky.longitude;
    if (true_node) longitude[kNode] = sky.true_node;
    return longitude;
}

// The precise ephemeris: its motion is the speed at the moment itself.
Sample PreciseSampleAt(Seconds at, const SampleRules& rules, bool with_motion) {
    const SkyMoment moment = SkyMomentAt(Moment(at));
    const double jd = moment.julian_day_number + moment.time_of_day - 0.5;
    PreciseSkyTable& table = *rules.precise;
    Sample s;
    for (int body = kSun; body <= kNode; ++body) {
        const int slot = body == kNode && rules.true_node ? PreciseSkyTable::kTrueNode : body;
        s.longitude[body] = table.Longitude(slot, jd);
        if (with_motion) s.motion[body] = table.Speed(slot, jd);
    }
    if (rules.zodiac == 1 || rules.zodiac == 2) {
        const SiderealOffsets o = SiderealOffsetsAt(moment.julian_day_number, moment.time_of_day);
        s.shift = ZodiacShift(rules.zodiac, o.svp_offset, o.ayanamsa);
    }
    s.finite = std::all_of(s.longitude.begin(), s.longitude.end(),
                           [](double v) { return std::isfinite(v); });
    return s;
}

Sample SampleAt(Seconds at, const SampleRules& rules, bool with_motion) {
    if (rules.precise) return PreciseSampleAt(at, rules, with_motion);
    const SkyMoment moment = SkyMomentAt(Moment(at));
    const SkyLongitudes sky = LongitudesAt(moment);
    Sample s;
    s.longitude = BodiesOf(sky, rules.true_node);
    s.shift = ZodiacShift(rules.zodiac, sky.svp_offset, sky.ayanamsa);
    s.finite = sky.finite;
    if (with_motion) {
        // Half a day either side on the same day number, as the chart's own daily motion keeps
        // it: centred, so the motion is 0 at the station itself.
        const SkyLongitudes before =
            LongitudesAt({moment.julian_day_number, moment.time_of_day - 0.5});
        const SkyLongitudes after =
            LongitudesAt({moment.julian_day_number, moment.time_of_day + 0.5});
        const auto b = BodiesOf(before, rules.true_node), a = BodiesOf(after, rules.true_node);
        for (int body = kSun; body <= kNode; ++body) s.motion[body] = Wrap180(a[body] - b[body]);
        s.finite = s.finite && before.finite && after.finite;
    }
    return s;
}

// One angle of the sky followed through time, and the values at which it makes an event.
enum class TrackType { kSign, kSeparation, kMotion };
struct Track {
    TrackType type;
    int body;
    int other = 0;       // kSeparation: the second body
    bool turns = false;  // it can change direction, so a step may cross a target twice

    double Value(const Sample& s) const {
        switch (type) {
            case TrackType::kSign:
                return s.longitude[body] + s.shift;
            case TrackType::kSeparation:
                return s.longitude[body] - s.longitude[other];
            case TrackType::kMotion:
                return s.motion[body];
        }
        return 0;
    }
    double Rate(const Sample& s) const {
        return type == TrackType::kSeparation ? s.motion[body] - s.motion[other] : s.motion[body];
    }
};

std::vector<double> TargetsOf(const Track& track) {
    switch (track.type) {
        case TrackType::kSign: {
            std::vector<double> cusps;
            for (int sign = 0; sign < 12; ++sign) cusps.push_back(30.0 * sign);
            return cusps;
        }
        case TrackType::kSeparation: {
            std::vector<double> angles;
            for (const AspectAngle& t : kAspectAngles) angles.push_back(t.angle);
            return angles;
        }
        case TrackType::kMotion:
            return {0.0};
    }
    return {};
}

// A target value passed by a track: the first second on the far side, and which side that is.
struct Crossing {
    std::size_t track;
    double target;
    Seconds at;
    bool rising;  // the track's value less the target turned from negative to >= 0
};

bool SideOf(double value, double target) {
    return Wrap180(value - target) >= 0;
}

class Scan {
public:
    Scan(std::vector<Track> tracks, SampleRules rules) : tracks_(std::move(tracks)), rules_(rules) {
        for (const Track& track : tracks_) targets_.push_back(TargetsOf(track));
    }

    std::vector<Crossing> Run(Seconds from, Seconds to) {
        Sample previous = SampleAt(from, rules_, rules_.motion);
        for (Seconds t0 = from; t0 < to;) {
            const Seconds t1 = std::min(t0 + kBodyStep, to);
            const Sample next = SampleAt(t1, rules_, rules_.motion);
            if (previous.finite && next.finite) {
                for (std::size_t i = 0; i < tracks_.size(); ++i) Step(i, t0, previous, t1, next);
            }
            previous = next;
            t0 = t1;
        }
        return std::move(crossings_);
    }

private:
    void Step(std::size_t i, Seconds t0, const Sample& s0, Seconds t1, const Sample& s1) {
        const Track& track = tracks_[i];
        const double v0 = track.Value(s0), v1 = track.Value(s1);
        const double r0 = track.Rate(s0), r1 = track.Rate(s1);
        if (track.turns && rules_.motion && (r0 < 0) != (r1 < 0)) {
            // Within this step the value moves at most about as fast as at its ends.
            const double reach =
                2.0 * std::max(std::fabs(r0), std::fabs(r1)) * static_cast<double>(t1 - t0) / kDay;
            if (NearTarget(i, v0, reach) || NearTarget(i, v1, reach)) {
                const Seconds turn = Turn(track, t0, r0 >= 0, t1);
                const Sample at_turn = SampleAt(turn, rules_, false);
                Cross(i, t0, v0, turn, track.Value(at_turn));
                Cross(i, turn, track.Value(at_turn), t1, v1);
                return;
            }
        }
        Cross(i, t0, v0, t1, v1);
    }

    bool NearTarget(std::size_t i, double value, double reach) const {
        for (double target : targets_[i])
            if (std::fabs(Wrap180(value - target)) <= reach) return true;
        return false;
    }

    // The first second at which the rate has left the sign it had at lo.
    Seconds Turn(const Track& track, Seconds lo, bool lo_side, Seconds hi) const {
        while (hi - lo > 1) {
            const Seconds mid = lo + (hi - lo) / 2;
            ((track.Rate(SampleAt(mid, rules_, true)) >= 0) == lo_side ? lo : hi) = mid;
        }
        return hi;
    }

    void Cross(std::size_t i, Seconds a, double va, Seconds b, double vb) {
        const double delta = Wrap180(vb - va);
        for (double target : targets_[i]) {
            const double before = Wrap180(va - target);
            const bool lo_side = before >= 0;
            if (lo_side == (before + delta >= 0)) continue;
            crossings_.push_back({i, target, Refine(tracks_[i], target, a, lo_side, b), !lo_side});
        }
    }

    // Bisection on the side of the target to the first second past it.
    Seconds Refine(const Track& track, double target, Seconds lo, bool lo_side, Seconds hi) const {
        const bool motion = track.type == TrackType::kMotion;
        while (hi - lo > 1) {
            const Seconds mid = lo + (hi - lo) / 2;
            (SideOf(track.Value(SampleAt(mid, rules_, motion)), target) == lo_side ? lo : hi) = mid;
        }
        return hi;
    }

    std::vector<Track> tracks_;
    std::vector<std::vector<double>> targets_;
    SampleRules rules_;
    std::vector<Crossing> crossings_;
};

bool Wanted(EventKinds kinds, EventKind kind) {
    return kinds.test(KindBit(kind));
}

int SignEntered(double target, bool rising) {
    const int cusp_sign = static_cast<int>(std::lround(target / 30.0)) + 1;  // 1..12
    return rising ? cusp_sign : (cusp_sign + 10) % 12 + 1;
}

int AspectKindAt(double target) {
    for (const AspectAngle& t : kAspectAngles)
        if (t.angle == target) return t.kind;
    return kNoAspect;
}

bool IsPhaseTrack(const Track& track) {
    return track.type == TrackType::kSeparation && track.body == kMoon && track.other == kSun;
}

LunarPhase PhaseAt(double target) {
    return static_cast<LunarPhase>(static_cast<int>(std::lround(target / 90.0)) % 4);
}

// The tracks the kinds need. The Moon's ingresses and aspects also serve the void of course.
std::vector<Track> TracksFor(EventKinds kinds, bool true_node) {
    std::vector<Track> tracks;
    const bool voids = Wanted(kinds, EventKind::kVoid);
    if (Wanted(kinds, EventKind::kIngress)) {
        for (int body = kSun; body <= kNode; ++body) {
            const bool turns = (body >= kMercury && body <= kPluto) || (body == kNode && true_node);
            tracks.push_back({TrackType::kSign, body, 0, turns});
        }
    } else if (voids) {
        tracks.push_back({TrackType::kSign, kMoon});
    }
    if (Wanted(kinds, EventKind::kStation)) {
        for (int body = kMercury; body <= kPluto; ++body)
            tracks.push_back({TrackType::kMotion, body});
    }
    const bool aspects = Wanted(kinds, EventKind::kAspect);
    for (std::size_t i = 0; i < kAspectBodies.size(); ++i) {
        for (std::size_t j = i + 1; j < kAspectBodies.size(); ++j) {
            const bool moon = i == 0;
            const bool phase = moon && j == 1 && Wanted(kinds, EventKind::kPhase);
            if (aspects || phase || (moon && voids))
                tracks.push_back(
                    {TrackType::kSeparation, kAspectBodies[i], kAspectBodies[j], !moon});
        }
    }
    return tracks;
}

Event EventOf(const Track& track, const Crossing& c) {
    Event e;
    e.ut = Moment(c.at);
    e.body = track.body;
    switch (track.type) {
        case TrackType::kSign:
            e.kind = EventKind::kIngress;
            e.sign = SignEntered(c.target, c.rising);
            break;
        case TrackType::kMotion:
            e.kind = EventKind::kStation;
            e.retrograde = !c.rising;
            break;
        case TrackType::kSeparation:
            e.other = track.other;
            e.aspect = AspectKindAt(c.target);
            e.kind = EventKind::kAspect;
            if (IsPhaseTrack(track) && e.aspect != kSextile && e.aspect != kTrine) {
                e.kind = EventKind::kPhase;
                e.phase = PhaseAt(c.target);
            }
            break;
    }
    return e;
}

// From each Moon ingress to the next: void from the last Moon aspect (or phase) in between.
std::vector<Event> VoidsOf(const std::vector<Event>& moon_events) {
    std::vector<Event> voids;
    const Event* entered = nullptr;
    const Event* last_aspect = nullptr;
    for (const Event& e : moon_events) {
        if (e.kind != EventKind::kIngress) {
            last_aspect = &e;
            continue;
        }
        if (entered) {
            Event v;
            v.kind = EventKind::kVoid;
            v.body = kMoon;
            v.ut = last_aspect && last_aspect->ut >= entered->ut ? last_aspect->ut : entered->ut;
            v.end = e.ut;
            voids.push_back(v);
        }
        entered = &e;
    }
    return voids;
}

// The Ascendant and MC through the signs: a fine scan of the cheap angle formulas, with the
// zodiac shift taken between the samples of the body scan (it changes by less than 0.0001" in
// half a day beyond a straight line, far below the 15" the Ascendant moves in a second).
class AngleScan {
public:
    AngleScan(const EventSettings& settings, Seconds from, Seconds to)
        : settings_(settings), from_(from) {
        if (settings.zodiac == 1 || settings.zodiac == 2) {
            for (Seconds t = from;; t += kBodyStep) {
                const SkyLongitudes sky = LongitudesAt(SkyMomentAt(Moment(t)));
                shifts_.push_back(ZodiacShift(settings.zodiac, sky.svp_offset, sky.ayanamsa));
                if (t >= to) break;
            }
        }
    }

    void Run(Seconds from, Seconds to, std::vector<Event>& events) {
        std::array<double, 2> previous = Angles(from);
        for (Seconds t0 = from; t0 < to;) {
            const Seconds t1 = std::min(t0 + kAngleStep, to);
            const std::array<double, 2> next = Angles(t1);
            Step(t0, previous, t1, next, events);
            previous = next;
            t0 = t1;
        }
    }

private:
    std::array<double, 2> Angles(Seconds at) const {
        const SkyAngles a = AnglesAt(SkyMomentAt(Moment(at)), settings_.place, settings_.ephemeris);
        const double shift = Shift(at);
        return {a.ascendant + shift, a.mc + shift};
    }

    double Shift(Seconds at) const {
        if (shifts_.empty()) return 0.0;
        const auto k = std::min<std::size_t>(static_cast<std::size_t>((at - from_) / kBodyStep),
                                             shifts_.size() - 2);
        const double f =
            static_cast<double>(at - from_ - static_cast<Seconds>(k) * kBodyStep) / kBodyStep;
        return shifts_[k] + (shifts_[k + 1] - shifts_[k]) * f;
    }

    void Step(Seconds t0, const std::array<double, 2>& v0, Seconds t1,
              const std::array<double, 2>& v1, std::vector<Event>& events) {
        const bool too_far = std::fabs(Wrap180(v1[0] - v0[0])) > kAngleStepLimit ||
                             std::fabs(Wrap180(v1[1] - v0[1])) > kAngleStepLimit;
        if (too_far && t1 - t0 > 1) {
            const Seconds mid = t0 + (t1 - t0) / 2;
            const auto vm = Angles(mid);
            Step(t0, v0, mid, vm, events);
            Step(mid, vm, t1, v1, events);
            return;
        }
        for (int which = 0; which < 2; ++which) {
            const double delta = Wrap180(v1[which] - v0[which]);
            for (int sign = 0; sign < 12; ++sign) {
                const double cusp = 30.0 * sign;
                const double before = Wrap180(v0[which] - cusp);
                const bool lo_side = before >= 0;
                if (lo_side == (before + delta >= 0)) continue;
                Seconds lo = t0, hi = t1;
                while (hi - lo > 1) {
                    const Seconds mid = lo + (hi - lo) / 2;
                    (SideOf(Angles(mid)[which], cusp) == lo_side ? lo : hi) = mid;
                }
                Event e;
                e.kind = EventKind::kAngle;
                e.ut = Moment(hi);
                e.body = which == 0 ? kAscendantBody : kMCBody;
                e.sign = SignEntered(cusp, !lo_side);
                events.push_back(e);
            }
        }
    }

    const EventSettings& settings_;
    Seconds from_;
    std::vector<double> shifts_;
};

bool PlaceFinite(const SkyPlace& place) {
    return std::isfinite(place.west_longitude) && std::isfinite(place.latitude);
}

auto SortKey(const Event& e) {
    return std::make_tuple(e.ut, static_cast<int>(e.kind), e.body, e.other, e.aspect, e.sign);
}

}  // namespace

SkyMoment SkyMomentAt(std::chrono::sys_seconds at) {
    const Seconds s = at.time_since_epoch().count();
    const Seconds day = s >= 0 ? s / kDay : -((-s + kDay - 1) / kDay);
    return {static_cast<double>(kUnixEpochDayNumber + day),
            static_cast<double>(s - day * kDay) / static_cast<double>(kDay)};
}

std::optional<std::string> SpanWarning(std::chrono::sys_seconds from, std::chrono::sys_seconds to,
                                       EphemerisChoice ephemeris) {
    const auto year_of = [](std::chrono::sys_seconds t) {
        return static_cast<int>(
            std::chrono::year_month_day{std::chrono::floor<std::chrono::days>(t)}.year());
    };
    // The span ends before `to`: one ending on 2100 January 1 stays within 2099.
    return RangeWarning(ephemeris, year_of(from),
                        year_of(std::max(from, to - std::chrono::seconds{1})));
}

EventSettings EventSettingsFromOptions(const OptionValues& options) {
    EventSettings settings;
    settings.true_node = options[kOptionTrueNode] == 1;
    settings.zodiac = options[kOptionZodiac] == 1 ? 1 : (options[kOptionZodiac] == 2 ? 2 : 0);
    settings.place = HomeSkyPlace(options);
    settings.ephemeris = EphemerisOf(options);
    // A hand-edited place beyond any number (1e999) reads as not a number; held as infinity it
    // still compares equal to itself, and the angles are passed over all the same.
    if (!PlaceFinite(settings.place)) {
        settings.place = {std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::infinity()};
    }
    return settings;
}

std::vector<Event> FindEvents(std::chrono::sys_seconds from, std::chrono::sys_seconds to,
                              const EventSettings& settings, EventKinds kinds) {
    std::vector<Event> events;
    const Seconds first = from.time_since_epoch().count();
    const Seconds last = to.time_since_epoch().count();
    if (last <= first) return events;
    // A crossing in the very first second of the span is seen from the second before it.
    const Seconds margin = Wanted(kinds, EventKind::kVoid) ? kVoidMargin : 0;
    const Seconds scan_from = first - 1 - margin, scan_to = last + margin;

    const std::vector<Track> tracks = TracksFor(kinds, settings.true_node);
    if (!tracks.empty()) {
        const bool motion = std::any_of(tracks.begin(), tracks.end(), [](const Track& t) {
            return t.turns || t.type == TrackType::kMotion;
        });
        PreciseSkyTable table;
        const bool precise = settings.ephemeris == EphemerisChoice::kPrecise;
        Scan scan(tracks,
                  {settings.true_node, settings.zodiac, motion, precise ? &table : nullptr});
        std::vector<Event> moon_events;
        for (const Crossing& c : scan.Run(scan_from, scan_to)) {
            const Event e = EventOf(tracks[c.track], c);
            if (e.body == kMoon) moon_events.push_back(e);
            events.push_back(e);
        }
        if (Wanted(kinds, EventKind::kVoid)) {
            std::sort(moon_events.begin(), moon_events.end(),
                      [](const Event& a, const Event& b) { return SortKey(a) < SortKey(b); });
            const std::vector<Event> voids = VoidsOf(moon_events);
            events.insert(events.end(), voids.begin(), voids.end());
        }
    }
    if (Wanted(kinds, EventKind::kAngle) && PlaceFinite(settings.place)) {
        AngleScan angles(settings, first - 1, last);
        angles.Run(first - 1, last, events);
    }

    std::erase_if(events, [&](const Event& e) {
        const Seconds at = e.ut.time_since_epoch().count();
        return !Wanted(kinds, e.kind) || at < first || at >= last;
    });
    std::sort(events.begin(), events.end(),
              [](const Event& a, const Event& b) { return SortKey(a) < SortKey(b); });
    return events;
}

}  // namespace orvantis
