#include "ephemeris/ephemeris_choice.h"

#include <cmath>

#include "astro/angles.h"
#include "ephemeris/precise_ephemeris.h"

namespace orvantis {

std::string_view EphemerisWord(EphemerisChoice choice) {
    return choice == EphemerisChoice::kPrecise ? "precise" : "builtin";
}

std::optional<EphemerisChoice> EphemerisFromWord(std::string_view word) {
    if (word == "builtin") return EphemerisChoice::kBuiltin;
    if (word == "precise") return EphemerisChoice::kPrecise;
    return std::nullopt;
}

EphemerisRange RangeOf(EphemerisChoice choice) {
    return choice == EphemerisChoice::kPrecise ? EphemerisRange{1885, 2099}
                                               : EphemerisRange{1900, 2099};
}

std::optional<std::string> RangeWarning(EphemerisChoice choice, int first_year, int last_year) {
    const EphemerisRange range = RangeOf(choice);
    if (first_year >= range.first_year && last_year <= range.last_year) return std::nullopt;
    const std::string years =
        std::to_string(range.first_year) + " to " + std::to_string(range.last_year);
    return choice == EphemerisChoice::kPrecise
               ? "The precise ephemeris holds Pluto for " + years +
                     " only; outside these years its place is uncertain."
               : "The built-in series hold for " + years +
                     "; outside these years the places drift.";
}

Ephemeris ComputeEphemeris(EphemerisChoice choice, double julian_day_number, double ut_fraction) {
    Ephemeris builtin = ComputeEphemeris(julian_day_number, ut_fraction);
    if (choice == EphemerisChoice::kBuiltin) return builtin;

    const PreciseBodies p = PreciseBodiesAt(julian_day_number + ut_fraction - 0.5);
    Ephemeris e;
    e.SvpOffset = builtin.SvpOffset;
    e.Ayanamsa = builtin.Ayanamsa;
    for (int body = kSun; body <= kMoon; ++body) {
        e.PlanetLong[body] = p.longitude[body];
        e.PlanetLongNext[body] = Reduce360(p.longitude[body] + p.speed[body]);
        if (body >= kMercury && body <= kPluto && p.speed[body] < 0) e.Retrograde[body - 1] = true;
    }
    e.PlanetLong[kNode] = p.mean_node;
    e.PlanetLong[kOppositeNode] = Reduce360(p.mean_node + 180.0);
    e.TrueNode = p.true_node;
    const bool finite = builtin.status == ComputeStatus::kOk && p.status == ComputeStatus::kOk;
    e.status = finite ? ComputeStatus::kOk : ComputeStatus::kNonFinite;
    return e;
}

}  // namespace orvantis
