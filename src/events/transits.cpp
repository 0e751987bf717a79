#include "events/transits.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <tuple>

#include "aspects/aspect_kind.h"
#include "astro/angles.h"
#include "ephemeris/ephemeris.h"
#include "events/precise_sky_table.h"
#include "events/sky_scan.h"

namespace orvantis {
namespace {

using namespace sky_scan;

// The turn of a planet is placed to this; within it the planet moves far less than an arc second.
constexpr Seconds kTurnPrecision = 60;
// Secant steps before bisection takes over; three or four suffice for every body.
constexpr int kSecantSteps = 8;
// How far before and after the span an orb's entry and exit are looked for, a chunk at a time:
// a 10 degree orb keeps Pluto in it for about twenty years.
constexpr Seconds kChunk = 120 * kDay;
constexpr Seconds kFarthest = 40 * 366 * kDay;

// The transiting bodies' longitudes at one second, zodiac shift included (index = body number):
// the longitudes of LongitudesAt, without the second set a day later that it adds for the
// retrograde marks, which would double the cost of every sample.
struct Sky {
    std::array<double, 12> longitude{};
    bool finite = false;
};

// `table` is the precise ephemeris' table when the settings ask for it, else null.
Sky SkyAt(Seconds at, const EventSettings& settings, PreciseSkyTable* table) {
    const SkyMoment moment = SkyMomentAt(Moment(at));
    double shift = 0;
    if (settings.zodiac == 1 || settings.zodiac == 2) {
        const SiderealOffsets o = SiderealOffsetsAt(moment.julian_day_number, moment.time_of_day);
        shift = ZodiacShift(settings.zodiac, o.svp_offset, o.ayanamsa);
    }
    Sky s;
    if (table) {
        const double jd = moment.julian_day_number + moment.time_of_day - 0.5;
        for (int body = kSun; body <= kMoon; ++body)
            s.longitude[body] = table->Longitude(body, jd) + shift;
        s.longitude[kNode] =
            table->Longitude(settings.true_node ? PreciseSkyTable::kTrueNode : kNode, jd) + shift;
        s.finite = true;
        return s;
    }
    const BodyLongitudes bodies = BodyLongitudesAt(moment.julian_day_number, moment.time_of_day);
    s.finite = bodies.status == ComputeStatus::kOk;
    for (int body = kSun; body <= kMoon; ++body) s.longitude[body] = bodies.longitude[body] + shift;
    s.longitude[kNode] = (settings.true_node ? bodies.true_node : bodies.mean_node) + shift;
    return s;
}

// A longitude a transiting body can pass, and what passing it means.
enum class Mark { kExact, kOrbEdge, kCusp };
struct Target {
    double longitude;
    Mark mark;
    int group;  // kExact, kOrbEdge: the aspect (radix point and angle); kCusp: the house
};

// One transiting body passing one target: the first second past it, and the direction.
struct Passage {
    std::size_t target;
    Seconds at;
    bool forwards;  // the body's longitude less the target turned from negative to >= 0
};

// The sky sampled every kBodyStep over a span, with one sample beyond each end so that every step
// has the motion at both its ends; shared by the scans of all transiting bodies.
struct Grid {
    std::vector<Seconds> times;
    std::vector<Sky> skies;
};

// A grid whose steps cover (from, to].
Grid GridOver(Seconds from, Seconds to, const EventSettings& settings, PreciseSkyTable* table) {
    Grid grid;
    for (Seconds t = from - kBodyStep;; t += kBodyStep) {
        grid.times.push_back(std::min(t, to + kBodyStep));
        grid.skies.push_back(SkyAt(grid.times.back(), settings, table));
        if (t >= to + kBodyStep) break;
    }
    return grid;
}

// The passages of one body over the steps of a grid, with a root search per passage.
class BodyScan {
public:
    BodyScan(int body, const std::vector<Target>& targets, const EventSettings& settings,
             PreciseSkyTable* table)
        : body_(body), targets_(targets), settings_(settings), table_(table) {}

    // Every passage over the grid's steps of a target the filter accepts.
    template <class Filter>
    std::vector<Passage> Run(const Grid& grid, Filter wanted) const {
        std::vector<Passage> found;
        const auto& times = grid.times;
        const auto& skies = grid.skies;
        for (std::size_t k = 1; k + 2 < times.size(); ++k) {
            if (!skies[k - 1].finite || !skies[k].finite || !skies[k + 1].finite ||
                !skies[k + 2].finite)
                continue;
            const double v0 = Value(skies[k]), v1 = Value(skies[k + 1]);
            const double r0 = Wrap180(Value(skies[k + 1]) - Value(skies[k - 1]));
            const double r1 = Wrap180(Value(skies[k + 2]) - Value(skies[k]));
            const Seconds t0 = times[k], t1 = times[k + 1];
            if ((r0 < 0) != (r1 < 0) && Near(v0, v1, std::max(std::fabs(r0), std::fabs(r1)))) {
                const Seconds turn = Turn(t0, r0 >= 0, t1);
                const double vt = Value(SkyAt(turn, settings_, table_));
                Cross(t0, v0, turn, vt, wanted, found);
                Cross(turn, vt, t1, v1, wanted, found);
            } else {
                Cross(t0, v0, t1, v1, wanted, found);
            }
        }
        return found;
    }

    double Value(const Sky& sky) const { return sky.longitude[body_]; }

private:
    // Whether a target lies within `reach` of either end of a step.
    bool Near(double v0, double v1, double reach) const {
        for (const Target& target : targets_) {
            if (std::fabs(Wrap180(v0 - target.longitude)) <= reach ||
                std::fabs(Wrap180(v1 - target.longitude)) <= reach)
                return true;
        }
        return false;
    }

    // Motion over a day centred on the moment, as the event finder takes it.
    double Rate(Seconds at) const {
        return Wrap180(Value(SkyAt(at + kDay / 2, settings_, table_)) -
                       Value(SkyAt(at - kDay / 2, settings_, table_)));
    }

    Seconds Turn(Seconds lo, bool lo_side, Seconds hi) const {
        while (hi - lo > kTurnPrecision) {
            const Seconds mid = lo + (hi - lo) / 2;
            ((Rate(mid) >= 0) == lo_side ? lo : hi) = mid;
        }
        return hi;
    }

    template <class Filter>
    void Cross(Seconds a, double va, Seconds b, double vb, Filter wanted,
               std::vector<Passage>& found) const {
        const double delta = Wrap180(vb - va);
        for (std::size_t i = 0; i < targets_.size(); ++i) {
            const double before = Wrap180(va - targets_[i].longitude);
            if ((before >= 0) == (before + delta >= 0) || !wanted(targets_[i])) continue;
            const double after = Wrap180(vb - targets_[i].longitude);
            found.push_back({i, Refine(targets_[i].longitude, a, before, b, after), before < 0});
        }
    }

    // The first second past the target, from a step's ends and their values less the target: a
    // secant through the two latest samples, kept inside the bracket; near the root it lands
    // within a second, and the second on the far side closes the bracket. Bisection takes over
    // should the secant go on too long.
    Seconds Refine(double target, Seconds lo, double f_lo, Seconds hi, double f_hi) const {
        const bool lo_side = f_lo >= 0;
        Seconds a = lo, b = hi;
        double f_a = f_lo, f_b = f_hi;
        for (int step = 0; hi - lo > 1; ++step) {
            double guess = static_cast<double>(b) - f_b * static_cast<double>(b - a) / (f_b - f_a);
            if (step >= kSecantSteps || !(guess > lo && guess < hi))
                guess = static_cast<double>(lo + (hi - lo) / 2);
            const Seconds mid =
                std::clamp(static_cast<Seconds>(std::floor(guess + 0.5)), lo + 1, hi - 1);
            const double f = Wrap180(Value(SkyAt(mid, settings_, table_)) - target);
            ((f >= 0) == lo_side ? lo : hi) = mid;
            a = b, f_a = f_b;
            b = mid, f_b = f;
        }
        return hi;
    }

    int body_;
    const std::vector<Target>& targets_;
    const EventSettings& settings_;
    PreciseSkyTable* table_;
};

std::vector<int> TransitingBodies(bool moon) {
    std::vector<int> bodies = {kSun,    kMercury, kVenus,   kMars,  kJupiter,
                               kSaturn, kUranus,  kNeptune, kPluto, kNode};
    if (moon) bodies.push_back(kMoon);
    return bodies;
}

// The aspect groups of a body: radix point and angle, and its orb.
struct AspectGroup {
    int point;
    int kind;
    double orb;
};

bool Wanted(EventKinds kinds, EventKind kind) {
    return kinds.test(KindBit(kind));
}

// The transits of one body over the span of the grid.
void BodyTransits(int body, const Grid& grid, Seconds first, Seconds last, const Radix& radix,
                  const EventSettings& settings, PreciseSkyTable* table, const TransitRules& rules,
                  EventKinds kinds, std::vector<Event>& events) {
    std::vector<AspectGroup> groups;
    std::vector<Target> targets;
    if (Wanted(kinds, EventKind::kTransit)) {
        for (int point : kRadixPoints) {
            for (const AspectAngle& a : kAspectAngles) {
                const int group = static_cast<int>(groups.size());
                const double orb = rules.orb_times ? TransitOrb(rules.orbs, body, a.kind) : 0;
                const double exact = Reduce360(radix.longitude[point] + a.angle);
                groups.push_back({point, a.kind, orb});
                targets.push_back({exact, Mark::kExact, group});
                if (orb > 0) {
                    targets.push_back({Reduce360(exact - orb), Mark::kOrbEdge, group});
                    targets.push_back({Reduce360(exact + orb), Mark::kOrbEdge, group});
                }
            }
        }
    }
    if (Wanted(kinds, EventKind::kTransitHouse)) {
        for (int house = 1; house <= 12; ++house)
            targets.push_back({Reduce360(radix.cusp[house]), Mark::kCusp, house});
    }
    if (targets.empty()) return;

    const BodyScan scan(body, targets, settings, table);
    const auto all = [](const Target&) { return true; };
    std::vector<Passage> passages = scan.Run(grid, all);

    // The orb edges passed, by aspect group, in order of time.
    std::vector<std::vector<Seconds>> edges(groups.size());
    const auto note_edges = [&](const std::vector<Passage>& found) {
        for (const Passage& p : found) {
            const Target& t = targets[p.target];
            if (t.mark == Mark::kOrbEdge) edges[static_cast<std::size_t>(t.group)].push_back(p.at);
        }
        for (auto& list : edges) std::sort(list.begin(), list.end());
    };
    note_edges(passages);
    std::erase_if(passages, [&](const Passage& p) {
        return targets[p.target].mark == Mark::kOrbEdge || p.at <= first || p.at > last;
    });

    // The orb edge of a hit's group last passed before it (or first passed after it).
    const auto edge = [&](const Passage& p, bool before) -> std::optional<Seconds> {
        const auto& list = edges[static_cast<std::size_t>(targets[p.target].group)];
        const auto it = std::lower_bound(list.begin(), list.end(), p.at);
        if (before) return it == list.begin() ? std::nullopt : std::optional<Seconds>(*(it - 1));
        return it == list.end() ? std::nullopt : std::optional<Seconds>(*it);
    };
    const auto lacks_edge = [&](const Passage& p, bool before) {
        const Target& t = targets[p.target];
        return t.mark == Mark::kExact && groups[static_cast<std::size_t>(t.group)].orb > 0 &&
               !edge(p, before);
    };
    // Where the span holds no edge, the search goes on beyond it a chunk at a time.
    for (const bool before : {true, false}) {
        for (Seconds reach = 0; reach < kFarthest; reach += kChunk) {
            std::vector<bool> lacking(groups.size());
            bool any = false;
            for (const Passage& p : passages) {
                if (!lacks_edge(p, before)) continue;
                lacking[static_cast<std::size_t>(targets[p.target].group)] = true;
                any = true;
            }
            if (!any) break;
            const Grid beyond =
                before ? GridOver(first - reach - kChunk, first - reach, settings, table)
                       : GridOver(last + reach, last + reach + kChunk, settings, table);
            note_edges(scan.Run(beyond, [&](const Target& t) {
                return t.mark == Mark::kOrbEdge && lacking[static_cast<std::size_t>(t.group)];
            }));
        }
    }

    for (const Passage& p : passages) {
        const Target& target = targets[p.target];
        Event e;
        e.ut = Moment(p.at);
        e.body = body;
        e.retrograde = !p.forwards;
        if (target.mark == Mark::kCusp) {
            e.kind = EventKind::kTransitHouse;
            e.house = p.forwards ? target.group : (target.group + 10) % 12 + 1;
        } else {
            const AspectGroup& group = groups[static_cast<std::size_t>(target.group)];
            e.kind = EventKind::kTransit;
            e.other = group.point;
            e.aspect = group.kind;
            // No edge (an orb of 0, or a sky not finite that far): the exact second alone.
            e.start = Moment(edge(p, true).value_or(p.at));
            e.end = Moment(edge(p, false).value_or(p.at));
        }
        events.push_back(e);
    }
}

}  // namespace

Radix RadixOf(const ChartState& chart) {
    Radix radix;
    for (int point : kRadixPoints) radix.longitude[point] = chart.PlanetLong[point];
    for (int house = 1; house <= 12; ++house) radix.cusp[house] = chart.Cusps[CuspPosition(house)];
    return radix;
}

std::vector<Event> FindTransits(std::chrono::sys_seconds from, std::chrono::sys_seconds to,
                                const Radix& radix, const EventSettings& settings,
                                const TransitRules& rules, EventKinds kinds) {
    std::vector<Event> events;
    const Seconds first = from.time_since_epoch().count();
    const Seconds last = to.time_since_epoch().count();
    if (last <= first) return events;
    // A passage at `first` itself is seen from the second before it: (first - 1, last - 1].
    PreciseSkyTable precise;
    PreciseSkyTable* table = settings.ephemeris == EphemerisChoice::kPrecise ? &precise : nullptr;
    const Grid grid = GridOver(first - 1, last - 1, settings, table);
    for (int body : TransitingBodies(rules.moon))
        BodyTransits(body, grid, first - 1, last - 1, radix, settings, table, rules, kinds, events);
    std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return std::tie(a.ut, a.kind, a.body, a.other, a.aspect, a.house) <
               std::tie(b.ut, b.kind, b.body, b.other, b.aspect, b.house);
    });
    return events;
}

}  // namespace orvantis
