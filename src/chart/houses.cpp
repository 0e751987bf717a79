#include "chart/houses.h"

#include <cmath>
#include <cstdio>

#include "chart/angles.h"
#include "settings/lenient_number.h"

namespace orvantis {
namespace {

// Four-character labels of the display positions 1..12 (houses 10, 11, 12, 1 .. 9).
constexpr std::string_view kHouseLabels = "10TH11TH12TH 1ST 2ND 3RD 4TH 5TH 6TH 7TH 8TH 9TH    ";
constexpr std::size_t kHouseFieldWidth = 10;  // a label and " HOUSE"

// The value the time step keeps in NegLatRadians for the equator.
constexpr double kEquatorMark = 1e-05;

// What the house formulas need. The chart keeps -ε and -φ; the formulas here are written with
// the true obliquity and latitude, so both are negated back once, on the way in.
struct Sphere {
    double ramc;       // α, radians
    double obliquity;  // ε, radians, positive
    double latitude;   // φ, radians, north positive
};

// Placidus keeps the equator as a latitude of 1e-05 radians, so that tan φ · tan δ is never 0;
// the other systems divide by nothing that vanishes there and take the equator as it is, so
// that at latitude 0 Koch, Regiomontanus and Meridian agree exactly.
Sphere SphereOf(const ChartState& chart, bool keep_equator_mark = false) {
    const bool equator = chart.NegLatRadians == kEquatorMark && !keep_equator_mark;
    return {chart.RAMC, -chart.Obliquity, equator ? 0.0 : -chart.NegLatRadians};
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
double RisingCusp(const Sphere& s, double h, double tan_pole) {
    const double c = std::atan(
        std::sin(h) / (std::cos(h) * std::cos(s.obliquity) - tan_pole * std::sin(s.obliquity)));
    return ToLongitude(QuadrantFix(c, std::sin(h)));
}

// The ecliptic point setting on that horizon when its western point has right ascension h.
double SettingCusp(const Sphere& s, double h, double tan_pole) {
    const double c = std::atan(
        std::sin(h) / (std::cos(h) * std::cos(s.obliquity) + tan_pole * std::sin(s.obliquity)));
    return ToLongitude(QuadrantFix(c, std::sin(h)));
}

// arccos over [0, π] from the system's ArcCosPositive.
double ArcCos(double x) {
    const double a = ArcCosPositive(x);
    return a < 0 ? a + kPi : a;
}

void Placidus(ChartState& chart) {
    auto& c = chart.CuspsStd;
    c[4] = chart.MC + 180.0;
    c[1] = chart.Ascendant;
    const double a = chart.RAMC;
    c[5] = PlacidusCusp(chart, a + DegToRad(30.0), 3.0, PlacidusForm::kDiurnal) + 180.0;
    c[6] = PlacidusCusp(chart, a + DegToRad(60.0), 1.5, PlacidusForm::kDiurnal) + 180.0;
    c[2] = PlacidusCusp(chart, a + DegToRad(120.0), 1.5, PlacidusForm::kNocturnal);
    c[3] = PlacidusCusp(chart, a + DegToRad(150.0), 3.0, PlacidusForm::kNocturnal);
    for (int n = 1; n <= 6; ++n) c[n] = Reduce360(c[n]);
    for (int n = 7; n <= 12; ++n) c[n] = Reduce360(c[n - 6] + 180.0);
}

// Koch: the MC's semi-arc trisected in oblique ascension; houses 4 to 9 set where 10 to 3 rise.
void Koch(ChartState& chart) {
    const Sphere s = SphereOf(chart);
    const double tan_phi = std::tan(s.latitude);
    const double ad =
        RadToDeg(ArcSin(std::sin(s.ramc) * tan_phi * std::tan(s.obliquity)));  // of the MC
    const double ramc_degrees = RadToDeg(s.ramc);
    for (int i = 1; i <= 12; ++i) {
        const double a = Reduce360(30.0 * i + 60.0);
        const bool rising = a < 180.0;
        const double k = rising ? a / 90.0 - 1.0 : a / 90.0 - 3.0;
        const double h = DegToRad(Reduce360(ramc_degrees + a + k * ad));
        chart.CuspsStd[i] = rising ? RisingCusp(s, h, tan_phi) : SettingCusp(s, h, tan_phi);
    }
}

// Regiomontanus: the equator divided equally, each house circle with its own pole height.
void Regiomontanus(ChartState& chart) {
    const Sphere s = SphereOf(chart);
    const double tan_phi = std::tan(s.latitude);
    for (int i = 1; i <= 12; ++i) {
        const double a = DegToRad(30.0 * i + 60.0);
        chart.CuspsStd[i] = RisingCusp(s, s.ramc + a, tan_phi * std::sin(a));
    }
}

// Campanus: the prime vertical divided equally.
void Campanus(ChartState& chart) {
    const Sphere s = SphereOf(chart);
    const double tan_phi = std::tan(s.latitude);
    for (int i = 1; i <= 12; ++i) {
        // The millionth of a degree keeps the tangent away from its poles at 90° and 270°.
        const double a = DegToRad(30.0 * i + 60.000001);
        double x = std::atan(std::tan(a) * std::cos(s.latitude));
        if (x < 0) x += kPi;
        if (std::sin(a) < 0) x += kPi;
        chart.CuspsStd[i] = RisingCusp(s, s.ramc + x, tan_phi * std::sin(x));
    }
}

// Porphyry: each ecliptic quadrant between the angles divided in three.
void Porphyry(ChartState& chart) {
    auto& c = chart.CuspsStd;
    double q1 = chart.Ascendant - chart.MC;  // from the MC to the Ascendant
    if (q1 < 0) q1 += 360.0;
    for (int i = 1; i <= 2; ++i) c[4 + i] = Reduce360(chart.MC + 180.0 + i * q1 / 3.0);
    c[4] = Reduce360(chart.MC + 180.0);
    double q2 = c[4] - chart.Ascendant;  // from the Ascendant to the IC
    if (q2 < 0) q2 += 360.0;
    c[1] = chart.Ascendant;
    for (int i = 1; i <= 3; ++i) c[1 + i] = Reduce360(chart.Ascendant + i * q2 / 3.0);
    for (int i = 1; i <= 6; ++i) c[i + 6] = Reduce360(c[i] + 180.0);
}

// Equal: 30° steps from the Ascendant all round, so house 10 is the Ascendant + 270°, not the
// MC. Written in display order.
void Equal(ChartState& chart) {
    auto& d = chart.Cusps;
    d[4] = chart.Ascendant;
    for (int n = 5; n <= 12; ++n) d[n] = Reduce360(d[n - 1] + 30.0);
    d[1] = Reduce360(d[12] + 30.0);
    d[2] = d[1] + 30.0;
    d[3] = d[2] + 30.0;
}

// Meridian: the equator divided equally and carried to the ecliptic by hour circles.
void Meridian(ChartState& chart) {
    const Sphere s = SphereOf(chart);
    for (int i = 1; i <= 12; ++i) {
        const double h = s.ramc + DegToRad(30.0 * i + 60.0);
        const double c = std::atan(std::sin(h) / (std::cos(h) * std::cos(s.obliquity)));
        chart.CuspsStd[i] = ToLongitude(QuadrantFix(c, std::sin(h)));
    }
}

// Morinus: the equator divided equally and carried to the ecliptic by circles through the
// ecliptic poles.
void Morinus(ChartState& chart) {
    const Sphere s = SphereOf(chart);
    for (int i = 1; i <= 12; ++i) {
        const double h = s.ramc + DegToRad(30.0 * i + 60.0);
        const double y = std::sin(h) * std::cos(s.obliquity);
        chart.CuspsStd[i] = ToLongitude(QuadrantFix(std::atan(y / std::cos(h)), y));
    }
}

std::string TwoDigits(double value) {
    if (!(value >= 0 && value < 10000) || value != std::floor(value)) return "--";
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", static_cast<int>(value));
    return buffer;
}

}  // namespace

double PlacidusCusp(const ChartState& chart, double start_ra, double divisor, PlacidusForm form) {
    const Sphere s = SphereOf(chart, /*keep_equator_mark=*/true);
    const double tan_product = std::tan(s.latitude) * std::tan(s.obliquity);
    double h = start_ra;
    // Ten fixed iterations and no convergence test: the reference charts were made this way.
    for (int i = 0; i < 10; ++i) {
        const double t = tan_product * std::sin(h);  // tan φ · tan δ of the point at h
        if (form == PlacidusForm::kDiurnal) {
            h = s.ramc + ArcCos(-t) / divisor;
        } else {
            h = s.ramc + kPi - ArcCos(t) / divisor;
        }
    }
    const double c = std::atan(std::tan(h) / std::cos(s.obliquity));
    return ToLongitude(QuadrantFix(c, std::sin(h)));
}

ComputeStatus ComputeHouseCusps(ChartState& chart) {
    chart.SiderealTimeText = FormatSiderealTime(chart.SidHours, chart.SidMinutes, chart.SidSeconds);

    switch (chart.HouseSystem) {
        case 'P':
            Placidus(chart);
            break;
        case 'K':
            Koch(chart);
            break;
        case 'C':
            Campanus(chart);
            break;
        case 'O':
            Porphyry(chart);
            break;
        case 'E':
            Equal(chart);
            break;
        case 'M':
            Meridian(chart);
            break;
        case 'I':
            Morinus(chart);
            break;
        default:
            Regiomontanus(chart);
            break;
    }

    for (int house = 1; house <= 12; ++house) {
        if (chart.HouseSystem == 'E') {
            // Equal works in display order; its house-order copy is kept in step as well.
            chart.CuspsStd[house] = Reduce360(chart.Cusps[CuspPosition(house)]);
        } else {
            chart.Cusps[CuspPosition(house)] = chart.CuspsStd[house];
        }
    }
    bool finite = true;
    for (int n = 1; n <= 12; ++n) {
        chart.Cusps[n] = Reduce360(chart.Cusps[n]);
        finite = finite && std::isfinite(chart.Cusps[n]);
    }
    return finite ? ComputeStatus::kOk : ComputeStatus::kNonFinite;
}

void PlaceBodiesInHouses(ChartState& chart) {
    std::string& field = chart.HouseOfPlanet;
    if (field.size() < kBodyCount * kHouseFieldWidth) {
        field.resize(kBodyCount * kHouseFieldWidth, ' ');
    }
    for (int p = 1; p <= kBodyCount; ++p) {
        const std::size_t at = (p - 1) * kHouseFieldWidth;
        field.replace(at + 4, 6, " HOUSE");
        // A tenth of an arc second on: a body exactly on a cusp belongs to the house the cusp
        // opens. Reduced so that a body within that tenth below 360° still finds the house
        // beginning at or after 0° (the unreduced sum would belong to no house).
        const double x = Reduce360(chart.PlanetLong[p] + 1.0 / 36000.0);
        for (int h = 1; h <= 12; ++h) {
            const double from = chart.Cusps[h];
            const double to = chart.Cusps[h == 12 ? 1 : h + 1];
            const bool inside = from > to ? (from <= x && x < 360.0) || (0.0 <= x && x < to)
                                          : from <= x && x < to;  // equal cusps hold nothing
            if (inside) field.replace(at, 4, kHouseLabels.substr(4 * (h - 1), 4));
        }
    }
}

void SetHouseSystemCaption(ChartState& chart) {
    chart.CaptionLines[7] = std::string(HouseSystemName(chart.HouseSystem));
}

std::string FormatSiderealTime(double hours, double minutes, double seconds) {
    return TwoDigits(hours) + "H  " + TwoDigits(minutes) + "M  " + TwoDigits(seconds) + "S ";
}

std::string_view HouseSystemName(char letter) {
    switch (letter) {
        case 'P':
            return "Placidus";
        case 'R':
            return "Regiomontanus";
        case 'K':
            return "Koch";
        case 'C':
            return "Campanus";
        case 'O':
            return "Porphyry";
        case 'E':
            return "Equal";
        case 'M':
            return "Meridian";
        case 'I':
            return "Morinus";
        default:
            return "";
    }
}

int HouseOfBody(const ChartState& chart, int body) {
    const std::size_t start = static_cast<std::size_t>(10 * body - 10);
    if (body < 1 || start >= chart.HouseOfPlanet.size()) return 0;
    const double house = LenientNumber(std::string_view(chart.HouseOfPlanet).substr(start, 2));
    return house >= 1 && house <= 12 ? static_cast<int>(house) : 0;
}

}  // namespace orvantis
