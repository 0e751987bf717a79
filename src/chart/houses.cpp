#include "chart/houses.h"

#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "chart/house_systems.h"

namespace orvantis {
namespace {

using Cusps = std::array<double, 14>;

// The latitude Placidus takes for the equator: a tenth of a thousandth of a radian south, so
// that tan φ · tan δ is never 0 (kept on purpose: saved equator charts keep their
// cusps to the last digit).
constexpr double kPlacidusEquator = -1e-05;

// The other systems divide by nothing that vanishes at the equator and take it as it is, so that
// at latitude 0 Koch, Regiomontanus and Meridian agree exactly.
HouseSphere SphereOf(const TimeAndAngles& t) {
    return {t.RAMC, t.Obliquity, t.LatRadians};
}

// The quadrant correction after an arctangent: add π when c is negative, then again when s is.
double QuadrantFix(double c, double s) {
    if (c < 0) c += kPi;
    if (s < 0) c += kPi;
    return c;
}

double ToLongitude(double radians) {
    return Reduce360(RadToDeg(radians));
}

// The ecliptic point rising on a horizon whose pole height p has tan p = tan_pole, when the
// eastern point of that horizon has right ascension h (its oblique ascension).
double RisingCusp(const HouseSphere& s, double h, double tan_pole) {
    const double c = std::atan(
        std::sin(h) / (std::cos(h) * std::cos(s.obliquity) - tan_pole * std::sin(s.obliquity)));
    return ToLongitude(QuadrantFix(c, std::sin(h)));
}

// The ecliptic point setting on that horizon when its western point has right ascension h.
double SettingCusp(const HouseSphere& s, double h, double tan_pole) {
    const double c = std::atan(
        std::sin(h) / (std::cos(h) * std::cos(s.obliquity) + tan_pole * std::sin(s.obliquity)));
    return ToLongitude(QuadrantFix(c, std::sin(h)));
}

// arccos over [0, π] from the system's ArcCosPositive.
double ArcCos(double x) {
    const double a = ArcCosPositive(x);
    return a < 0 ? a + kPi : a;
}

void Placidus(const TimeAndAngles& t, Cusps& c) {
    HouseSphere s = SphereOf(t);
    if (s.latitude == 0.0) s.latitude = kPlacidusEquator;
    c[4] = t.MC + 180.0;
    c[1] = t.Ascendant;
    const double a = t.RAMC;
    c[5] = PlacidusCusp(s, a + DegToRad(30.0), 3.0, PlacidusForm::kDiurnal) + 180.0;
    c[6] = PlacidusCusp(s, a + DegToRad(60.0), 1.5, PlacidusForm::kDiurnal) + 180.0;
    c[2] = PlacidusCusp(s, a + DegToRad(120.0), 1.5, PlacidusForm::kNocturnal);
    c[3] = PlacidusCusp(s, a + DegToRad(150.0), 3.0, PlacidusForm::kNocturnal);
    for (int n = 1; n <= 6; ++n) c[n] = Reduce360(c[n]);
    for (int n = 7; n <= 12; ++n) c[n] = Reduce360(c[n - 6] + 180.0);
}

// Koch: the MC's semi-arc trisected in oblique ascension; houses 4 to 9 set where 10 to 3 rise.
void Koch(const TimeAndAngles& t, Cusps& cusps) {
    const HouseSphere s = SphereOf(t);
    const double tan_phi = std::tan(s.latitude);
    const double ad =
        RadToDeg(ArcSin(std::sin(s.ramc) * tan_phi * std::tan(s.obliquity)));  // of the MC
    const double ramc_degrees = RadToDeg(s.ramc);
    for (int i = 1; i <= 12; ++i) {
        const double a = Reduce360(30.0 * i + 60.0);
        const bool rising = a < 180.0;
        const double k = rising ? a / 90.0 - 1.0 : a / 90.0 - 3.0;
        const double h = DegToRad(Reduce360(ramc_degrees + a + k * ad));
        cusps[i] = rising ? RisingCusp(s, h, tan_phi) : SettingCusp(s, h, tan_phi);
    }
}

// Regiomontanus: the equator divided equally, each house circle with its own pole height.
void Regiomontanus(const TimeAndAngles& t, Cusps& cusps) {
    const HouseSphere s = SphereOf(t);
    const double tan_phi = std::tan(s.latitude);
    for (int i = 1; i <= 12; ++i) {
        const double a = DegToRad(30.0 * i + 60.0);
        cusps[i] = RisingCusp(s, s.ramc + a, tan_phi * std::sin(a));
    }
}

// Campanus: the prime vertical divided equally.
void Campanus(const TimeAndAngles& t, Cusps& cusps) {
    const HouseSphere s = SphereOf(t);
    const double tan_phi = std::tan(s.latitude);
    for (int i = 1; i <= 12; ++i) {
        // The millionth of a degree keeps the tangent away from its poles at 90° and 270°.
        const double a = DegToRad(30.0 * i + 60.000001);
        double x = std::atan(std::tan(a) * std::cos(s.latitude));
        if (x < 0) x += kPi;
        if (std::sin(a) < 0) x += kPi;
        cusps[i] = RisingCusp(s, s.ramc + x, tan_phi * std::sin(x));
    }
}

// Porphyry: each ecliptic quadrant between the angles divided in three.
void Porphyry(const TimeAndAngles& t, Cusps& c) {
    double q1 = t.Ascendant - t.MC;  // from the MC to the Ascendant
    if (q1 < 0) q1 += 360.0;
    for (int i = 1; i <= 2; ++i) c[4 + i] = Reduce360(t.MC + 180.0 + i * q1 / 3.0);
    c[4] = Reduce360(t.MC + 180.0);
    double q2 = c[4] - t.Ascendant;  // from the Ascendant to the IC
    if (q2 < 0) q2 += 360.0;
    c[1] = t.Ascendant;
    for (int i = 1; i <= 3; ++i) c[1 + i] = Reduce360(t.Ascendant + i * q2 / 3.0);
    for (int i = 1; i <= 6; ++i) c[i + 6] = Reduce360(c[i] + 180.0);
}

// Equal: 30° steps from the Ascendant all round, so house 10 is the Ascendant + 270°, not the
// MC. Written in display order.
void Equal(const TimeAndAngles& t, Cusps& d) {
    d[4] = t.Ascendant;
    for (int n = 5; n <= 12; ++n) d[n] = Reduce360(d[n - 1] + 30.0);
    d[1] = Reduce360(d[12] + 30.0);
    d[2] = d[1] + 30.0;
    d[3] = d[2] + 30.0;
}

// Meridian: the equator divided equally and carried to the ecliptic by hour circles.
void Meridian(const TimeAndAngles& t, Cusps& cusps) {
    const HouseSphere s = SphereOf(t);
    for (int i = 1; i <= 12; ++i) {
        const double h = s.ramc + DegToRad(30.0 * i + 60.0);
        const double c = std::atan(std::sin(h) / (std::cos(h) * std::cos(s.obliquity)));
        cusps[i] = ToLongitude(QuadrantFix(c, std::sin(h)));
    }
}

// Morinus: the equator divided equally and carried to the ecliptic by circles through the
// ecliptic poles.
void Morinus(const TimeAndAngles& t, Cusps& cusps) {
    const HouseSphere s = SphereOf(t);
    for (int i = 1; i <= 12; ++i) {
        const double h = s.ramc + DegToRad(30.0 * i + 60.0);
        const double y = std::sin(h) * std::cos(s.obliquity);
        cusps[i] = ToLongitude(QuadrantFix(std::atan(y / std::cos(h)), y));
    }
}

std::string TwoDigits(double value) {
    if (!(value >= 0 && value < 10000) || value != std::floor(value)) return "--";
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", static_cast<int>(value));
    return buffer;
}

}  // namespace

double PlacidusCusp(const HouseSphere& s, double start_ra, double divisor, PlacidusForm form) {
    const double tan_product = std::tan(s.latitude) * std::tan(s.obliquity);
    const auto longitude_at = [&](double h) {
        return ToLongitude(
            QuadrantFix(std::atan(std::tan(h) / std::cos(s.obliquity)), std::sin(h)));
    };
    // Iterated until the cusp settles: near the polar circles the iteration converges slowly
    // (some 60 steps at 66°), and the ten fixed steps it once took left cusps up to 19' off
    // there. Deterministic all the same: the same steps on every run and machine.
    constexpr int kMaxSteps = 1000;
    constexpr double kSettled = 1e-9;  // degrees of longitude
    double h = start_ra;
    double cusp = longitude_at(h);
    for (int step = 0; step < kMaxSteps; ++step) {
        const double t = tan_product * std::sin(h);  // tan φ · tan δ of the point at h
        h = form == PlacidusForm::kDiurnal ? s.ramc + ArcCos(-t) / divisor
                                           : s.ramc + kPi - ArcCos(t) / divisor;
        const double next = longitude_at(h);
        const double moved = std::abs(Reduce360(next - cusp + 180.0) - 180.0);
        cusp = next;
        if (!(moved >= kSettled)) break;  // settled, or no solution (not a number)
    }
    return cusp;
}

HouseCusps ComputeHouseCusps(const TimeAndAngles& t, char system) {
    HouseCusps h;
    switch (HouseSystemOfLetter(system).value_or(HouseSystem::kRegiomontanus)) {
        case HouseSystem::kPlacidus:
            Placidus(t, h.CuspsStd);
            break;
        case HouseSystem::kKoch:
            Koch(t, h.CuspsStd);
            break;
        case HouseSystem::kCampanus:
            Campanus(t, h.CuspsStd);
            break;
        case HouseSystem::kPorphyry:
            Porphyry(t, h.CuspsStd);
            break;
        case HouseSystem::kEqual:
            Equal(t, h.Cusps);
            break;
        case HouseSystem::kMeridian:
            Meridian(t, h.CuspsStd);
            break;
        case HouseSystem::kMorinus:
            Morinus(t, h.CuspsStd);
            break;
        case HouseSystem::kRegiomontanus:
            Regiomontanus(t, h.CuspsStd);
            break;
    }

    for (int house = 1; house <= 12; ++house) {
        if (system == 'E') {
            // Equal works in display order; its house-order copy is kept in step as well.
            h.CuspsStd[house] = Reduce360(h.Cusps[CuspPosition(house)]);
        } else {
            h.Cusps[CuspPosition(house)] = h.CuspsStd[house];
        }
    }
    bool finite = true;
    for (int n = 1; n <= 12; ++n) {
        h.Cusps[n] = Reduce360(h.Cusps[n]);
        finite = finite && std::isfinite(h.Cusps[n]);
    }
    h.status = finite ? ComputeStatus::kOk : ComputeStatus::kNonFinite;
    return h;
}

std::array<int, 16> PlaceBodiesInHouses(const Cusps& cusps,
                                        const std::array<double, 16>& longitudes,
                                        std::array<int, 16> houses) {
    for (int p = 1; p <= kBodyCount; ++p) {
        // A tenth of an arc second on: a body exactly on a cusp belongs to the house the cusp
        // opens. Reduced so that a body within that tenth below 360° still finds the house
        // beginning at or after 0° (the unreduced sum would belong to no house).
        const double x = Reduce360(longitudes[p] + 1.0 / 36000.0);
        for (int h = 1; h <= 12; ++h) {
            const double from = cusps[h];
            const double to = cusps[h == 12 ? 1 : h + 1];
            const bool inside = from > to ? (from <= x && x < 360.0) || (0.0 <= x && x < to)
                                          : from <= x && x < to;  // equal cusps hold nothing
            if (inside) houses[p] = HouseAtPosition(h);
        }
    }
    return houses;
}

std::string FormatSiderealTime(double hours, double minutes, double seconds) {
    return TwoDigits(hours) + "H  " + TwoDigits(minutes) + "M  " + TwoDigits(seconds) + "S ";
}

std::string_view HouseSystemName(char letter) {
    const auto system = HouseSystemOfLetter(letter);
    for (const HouseSystemEntry& entry : kHouseSystems)
        if (system == entry.system) return entry.name;
    return "";
}

}  // namespace orvantis
