#include "ephemeris/perturbations.h"

#include <array>
#include <cstdint>
#include <span>

#include "astro/angles.h"
#include "ephemeris/series.h"

namespace orvantis {

namespace {

enum ArgIndex { kV, kW, kZeta, kEta, kQ, kS, kH, kG, kTheta, kArgCount };
using Angle = Multiples<kArgCount>;

constexpr Angle V = Unit<kArgCount>(kV);
constexpr Angle W = Unit<kArgCount>(kW);
constexpr Angle Zeta = Unit<kArgCount>(kZeta);
constexpr Angle Eta = Unit<kArgCount>(kEta);
constexpr Angle Q = Unit<kArgCount>(kQ);
constexpr Angle S = Unit<kArgCount>(kS);
constexpr Angle H = Unit<kArgCount>(kH);
constexpr Angle G = Unit<kArgCount>(kG);
constexpr Angle Theta = Unit<kArgCount>(kTheta);

// The multiples of an argument packed six bits each (they lie well within -31..31); never 0.
constexpr std::uint64_t AngleKey(const Angle& of) {
    std::uint64_t key = 1;
    for (int k : of.k) key = key << 6 | static_cast<std::uint64_t>(k + 32);
    return key;
}

// A sine or cosine of a combined argument; an absent wave is the factor 1.
struct Wave {
    bool present = false;
    bool cosine = false;
    Angle of{};
    std::uint64_t key = 0;
};
constexpr Wave Sin(Angle a) {
    return {true, false, a, AngleKey(a)};
}
constexpr Wave Cos(Angle a) {
    return {true, true, a, AngleKey(a)};
}

// coefficient[0] + coefficient[1] ν + coefficient[2] ν², times one wave or a product of two.
struct Term {
    std::array<double, 3> coefficient;
    Wave first;
    Wave second{};
};

// clang-format off
constexpr std::array<Term, 23> kJupiterLongitude{{
    {{0.331364, -0.010281, -0.004692}, Sin(V)},
    {{0.003228, -0.064436, 0.002075}, Cos(V)},
    {{-0.003083, -0.000275, 0.000489}, Sin(2 * V)},
    {{0.002472}, Sin(W)},
    {{0.013619}, Sin(Zeta)},
    {{0.018472}, Sin(2 * Zeta)},
    {{0.006717}, Sin(3 * Zeta)},
    {{0.002775}, Sin(4 * Zeta)},
    {{0.007275, -0.001253}, Sin(Zeta), Sin(Q)},
    {{0.006417}, Sin(2 * Zeta), Sin(Q)},
    {{0.002439}, Sin(3 * Zeta), Sin(Q)},
    {{-0.033839, -0.001125}, Cos(Zeta), Sin(Q)},
    {{-0.003767}, Cos(2 * Zeta), Sin(Q)},
    {{-0.035681, -0.001208}, Sin(Zeta), Cos(Q)},
    {{-0.004261}, Sin(2 * Zeta), Cos(Q)},
    {{0.002178}, Cos(Q)},
    {{-0.006333, 0.001161}, Cos(Zeta), Cos(Q)},
    {{-0.006675}, Cos(2 * Zeta), Cos(Q)},
    {{-0.002664}, Cos(3 * Zeta), Cos(Q)},
    {{-0.002572}, Sin(Zeta), Sin(2 * Q)},
    {{-0.003567}, Sin(2 * Zeta), Sin(2 * Q)},
    {{0.002094}, Cos(Zeta), Cos(2 * Q)},
    {{0.003342}, Cos(2 * Zeta), Cos(2 * Q)},
}};

constexpr std::array<Term, 29> kJupiterEccentricity{{  // units of 1e-7
    {{3606, 130, -43}, Sin(V)},
    {{1289, -580}, Cos(V)},
    {{-6764}, Sin(Zeta), Sin(Q)},
    {{-1110}, Sin(2 * Zeta), Sin(Q)},
    {{-224}, Sin(3 * Zeta), Sin(Q)},
    {{-204}, Sin(Q)},
    {{1284, 116}, Cos(Zeta), Sin(Q)},
    {{188}, Cos(2 * Zeta), Sin(Q)},
    {{1460, 130}, Sin(Zeta), Cos(Q)},
    {{224}, Sin(2 * Zeta), Cos(Q)},
    {{-817}, Cos(Q)},
    {{6074}, Cos(Zeta), Cos(Q)},
    {{992}, Cos(2 * Zeta), Cos(Q)},
    {{508}, Cos(3 * Zeta), Cos(Q)},
    {{230}, Cos(4 * Zeta), Cos(Q)},
    {{108}, Cos(5 * Zeta), Cos(Q)},
    {{-956, -73}, Sin(Zeta), Sin(2 * Q)},
    {{448}, Sin(2 * Zeta), Sin(2 * Q)},
    {{137}, Sin(3 * Zeta), Sin(2 * Q)},
    {{-997, 108}, Cos(Zeta), Sin(2 * Q)},
    {{480}, Cos(2 * Zeta), Sin(2 * Q)},
    {{148}, Cos(3 * Zeta), Sin(2 * Q)},
    {{-956, 99}, Sin(Zeta), Cos(2 * Q)},
    {{490}, Sin(2 * Zeta), Cos(2 * Q)},
    {{158}, Sin(3 * Zeta), Cos(2 * Q)},
    {{179}, Cos(2 * Q)},
    {{1024, 75}, Cos(Zeta), Cos(2 * Q)},
    {{-437}, Cos(2 * Zeta), Cos(2 * Q)},
    {{-132}, Cos(3 * Zeta), Cos(2 * Q)},
}};

constexpr std::array<Term, 18> kJupiterPerihelion{{
    {{0.007192, -0.003147}, Sin(V)},
    {{-0.020428, -0.000675, 0.000197}, Cos(V)},
    {{0.007269, 0.000672}, Sin(Zeta), Sin(Q)},
    {{-0.004344}, Sin(Q)},
    {{0.034036}, Cos(Zeta), Sin(Q)},
    {{0.005614}, Cos(2 * Zeta), Sin(Q)},
    {{0.002964}, Cos(3 * Zeta), Sin(Q)},
    {{0.037761}, Sin(Zeta), Cos(Q)},
    {{0.006158}, Sin(2 * Zeta), Cos(Q)},
    {{-0.006603}, Cos(Zeta), Cos(Q)},
    {{-0.005356}, Sin(Zeta), Sin(2 * Q)},
    {{0.002722}, Sin(2 * Zeta), Sin(2 * Q)},
    {{0.004483}, Cos(Zeta), Sin(2 * Q)},
    {{-0.002536}, Sin(2 * Zeta), Cos(2 * Q)},
    {{-0.002642}, Cos(2 * Zeta), Sin(2 * Q)},
    {{0.005547}, Cos(Zeta), Cos(2 * Q)},
    {{0.004403}, Sin(Zeta), Cos(2 * Q)},
    {{-0.002689}, Cos(2 * Zeta), Cos(2 * Q)},
}};

constexpr std::array<Term, 11> kJupiterAxis{{  // units of 1e-6 AU
    {{-263}, Cos(V)},
    {{205}, Cos(Zeta)},
    {{693}, Cos(2 * Zeta)},
    {{312}, Cos(3 * Zeta)},
    {{147}, Cos(4 * Zeta)},
    {{299}, Sin(Zeta), Sin(Q)},
    {{181}, Cos(2 * Zeta), Sin(Q)},
    {{204}, Sin(2 * Zeta), Cos(Q)},
    {{111}, Sin(3 * Zeta), Cos(Q)},
    {{-337}, Cos(Zeta), Cos(Q)},
    {{-111}, Cos(2 * Zeta), Cos(Q)},
}};

constexpr std::array<Term, 24> kSaturnLongitude{{
    {{-0.814181, 0.01815, 0.016714}, Sin(V)},
    {{-0.010497, 0.160906, -0.0041}, Cos(V)},
    {{0.007581}, Sin(2 * V)},
    {{-0.007986}, Sin(W)},
    {{-0.148811}, Sin(Zeta)},
    {{-0.040786}, Sin(2 * Zeta)},
    {{-0.015208}, Sin(3 * Zeta)},
    {{-0.006339}, Sin(4 * Zeta)},
    {{-0.006244}, Sin(Q)},
    {{0.008931, 0.002728}, Sin(Zeta), Sin(Q)},
    {{-0.0165}, Sin(2 * Zeta), Sin(Q)},
    {{-0.005775}, Sin(3 * Zeta), Sin(Q)},
    {{0.081344, 0.003206}, Cos(Zeta), Sin(Q)},
    {{0.015019}, Cos(2 * Zeta), Sin(Q)},
    {{0.085581, 0.002494}, Sin(Zeta), Cos(Q)},
    {{0.025328, -0.003117}, Cos(Zeta), Cos(Q)},
    {{0.014394}, Cos(2 * Zeta), Cos(Q)},
    {{0.006319}, Cos(3 * Zeta), Cos(Q)},
    {{0.006369}, Sin(Zeta), Sin(2 * Q)},
    {{0.009156}, Sin(2 * Zeta), Sin(2 * Q)},
    {{0.007525}, Sin(3 * Eta), Sin(2 * Q)},
    {{-0.005236}, Cos(Zeta), Cos(2 * Q)},
    {{-0.007736}, Cos(2 * Zeta), Cos(2 * Q)},
    {{-0.007528}, Cos(3 * Eta), Cos(2 * Q)},
}};

constexpr std::array<Term, 49> kSaturnEccentricity{{  // units of 1e-7
    {{-7927, 2548, 91}, Sin(V)},
    {{13381, 1226, -253}, Cos(V)},
    {{248, -121}, Sin(2 * V)},
    {{-305, -91}, Cos(2 * V)},
    {{412}, Sin(2 * Zeta)},
    {{12415}, Sin(Q)},
    {{390, -617}, Sin(Zeta), Sin(Q)},
    {{165, -204}, Sin(2 * Zeta), Sin(Q)},
    {{26599}, Cos(Zeta), Sin(Q)},
    {{-4687}, Cos(2 * Zeta), Sin(Q)},
    {{-1870}, Cos(3 * Zeta), Sin(Q)},
    {{-821}, Cos(4 * Zeta), Sin(Q)},
    {{-377}, Cos(5 * Zeta), Sin(Q)},
    {{497}, Cos(2 * Eta), Sin(Q)},
    {{163, -611}, Cos(Q)},
    {{-12696}, Sin(Zeta), Cos(Q)},
    {{-4200}, Sin(2 * Zeta), Cos(Q)},
    {{-1503}, Sin(3 * Zeta), Cos(Q)},
    {{-619}, Sin(4 * Zeta), Cos(Q)},
    {{-268}, Sin(5 * Zeta), Cos(Q)},
    {{-282, -1306}, Cos(Zeta), Cos(Q)},
    {{-86, 230}, Cos(2 * Zeta), Cos(Q)},
    {{461}, Sin(2 * Eta), Cos(Q)},
    {{-350}, Sin(2 * Q)},
    {{2211, -286}, Sin(Zeta), Sin(2 * Q)},
    {{-2208}, Sin(2 * Zeta), Sin(2 * Q)},
    {{-568}, Sin(3 * Zeta), Sin(2 * Q)},
    {{-346}, Sin(4 * Zeta), Sin(2 * Q)},
    {{-2780, -222}, Cos(Zeta), Sin(2 * Q)},
    {{2022, 263}, Cos(2 * Zeta), Sin(2 * Q)},
    {{248}, Cos(3 * Zeta), Sin(2 * Q)},
    {{242}, Sin(3 * Eta), Sin(2 * Q)},
    {{467}, Cos(3 * Eta), Sin(2 * Q)},
    {{-490}, Cos(2 * Q)},
    {{-2842, -279}, Sin(Zeta), Cos(2 * Q)},
    {{128, 226}, Sin(2 * Zeta), Cos(2 * Q)},
    {{224}, Sin(3 * Zeta), Cos(2 * Q)},
    {{-1594, 282}, Cos(Zeta), Cos(2 * Q)},
    {{2162, -207}, Cos(2 * Zeta), Cos(2 * Q)},
    {{561}, Cos(3 * Zeta), Cos(2 * Q)},
    {{343}, Cos(4 * Zeta), Cos(2 * Q)},
    {{469}, Sin(3 * Eta), Cos(2 * Q)},
    {{-242}, Cos(3 * Eta), Cos(2 * Q)},
    {{-205}, Sin(Zeta), Sin(3 * Q)},
    {{262}, Sin(3 * Zeta), Sin(3 * Q)},
    {{208}, Cos(Zeta), Cos(3 * Q)},
    {{-271}, Cos(3 * Zeta), Cos(3 * Q)},
    {{-382}, Cos(3 * Zeta), Sin(4 * Q)},
    {{-376}, Sin(3 * Zeta), Cos(4 * Q)},
}};

constexpr std::array<Term, 17> kSaturnPerihelion{{
    {{0.077108, 0.007186, -0.001533}, Sin(V)},
    {{0.045803, -0.014766, -0.000536}, Cos(V)},
    {{-0.007075}, Sin(Zeta)},
    {{-0.075825}, Sin(Zeta), Sin(Q)},
    {{-0.024839}, Sin(2 * Zeta), Sin(Q)},
    {{-0.008631}, Sin(3 * Zeta), Sin(Q)},
    {{-0.072586}, Cos(Q)},
    {{-0.150383}, Cos(Zeta), Cos(Q)},
    {{0.026897}, Cos(2 * Zeta), Cos(Q)},
    {{0.010053}, Cos(3 * Zeta), Cos(Q)},
    {{-0.013597, -0.001719}, Sin(Zeta), Sin(2 * Q)},
    {{-0.007742, 0.001517}, Cos(Zeta), Sin(2 * Q)},
    {{0.013586, -0.001375}, Cos(2 * Zeta), Sin(2 * Q)},
    {{-0.013667, 0.001239}, Sin(Zeta), Cos(2 * Q)},
    {{0.011981}, Sin(2 * Zeta), Cos(2 * Q)},
    {{0.014861, 0.001136}, Cos(Zeta), Cos(2 * Q)},
    {{-0.013064, -0.001628}, Cos(2 * Zeta), Cos(2 * Q)},
}};

constexpr std::array<Term, 36> kSaturnAxis{{  // units of 1e-6 AU
    {{0, 572}, Sin(V)},
    {{2933}, Cos(V)},
    {{33629}, Cos(Zeta)},
    {{-3081}, Cos(2 * Zeta)},
    {{-1423}, Cos(3 * Zeta)},
    {{-671}, Cos(4 * Zeta)},
    {{-320}, Cos(5 * Zeta)},
    {{1098}, Sin(Q)},
    {{-2812}, Sin(Zeta), Sin(Q)},
    {{688}, Sin(2 * Zeta), Sin(Q)},
    {{-393}, Sin(3 * Zeta), Sin(Q)},
    {{-228}, Sin(4 * Zeta), Sin(Q)},
    {{2138}, Cos(Zeta), Sin(Q)},
    {{-999}, Cos(2 * Zeta), Sin(Q)},
    {{-642}, Cos(3 * Zeta), Sin(Q)},
    {{-325}, Cos(4 * Zeta), Sin(Q)},
    {{-890}, Cos(Q)},
    {{2206}, Sin(Zeta), Cos(Q)},
    {{-1590}, Sin(2 * Zeta), Cos(Q)},
    {{-647}, Sin(3 * Zeta), Cos(Q)},
    {{-344}, Sin(4 * Zeta), Cos(Q)},
    {{2885}, Cos(Zeta), Cos(Q)},
    {{2172, 102}, Cos(2 * Zeta), Cos(Q)},
    {{296}, Cos(3 * Zeta), Cos(Q)},
    {{-267}, Sin(2 * Zeta), Sin(2 * Q)},
    {{-778}, Cos(Zeta), Sin(2 * Q)},
    {{495}, Cos(2 * Zeta), Sin(2 * Q)},
    {{250}, Cos(3 * Zeta), Sin(2 * Q)},
    {{-856}, Sin(Zeta), Cos(2 * Q)},
    {{441}, Sin(2 * Zeta), Cos(2 * Q)},
    {{296}, Cos(2 * Zeta), Cos(2 * Q)},
    {{211}, Cos(3 * Zeta), Cos(2 * Q)},
    {{-427}, Sin(Zeta), Sin(3 * Q)},
    {{398}, Sin(3 * Zeta), Sin(3 * Q)},
    {{344}, Cos(Zeta), Cos(3 * Q)},
    {{-427}, Cos(3 * Zeta), Cos(3 * Q)},
}};

constexpr std::array<Term, 5> kUranusLongitude{{
    {{0.864319, -0.001583}, Sin(H)},
    {{0.082222, -0.006833}, Cos(H)},
    {{0.036017}, Sin(2 * H)},
    {{-0.003019}, Cos(2 * H)},
    {{0.008122}, Sin(W)},
}};

constexpr std::array<Term, 3> kUranusPerihelion{{
    {{0.120303}, Sin(H)},
    {{0.019472, -0.000947}, Cos(H)},
    {{0.006197}, Sin(2 * H)},
}};

constexpr std::array<Term, 3> kUranusEccentricity{{  // units of 1e-7
    {{-3349, 163}, Sin(H)},
    {{20981}, Cos(H)},
    {{1311}, Cos(2 * H)},
}};

constexpr std::array<Term, 1> kUranusAxis{{  // AU: this one term is not scaled
    {{-0.003825}, Cos(H)},
}};

constexpr std::array<Term, 10> kUranusCorrection{{
    {{0.010122, -0.000988}, Sin(S + Eta)},
    {{-0.038581, 0.002031, -0.00191}, Cos(S + Eta)},
    {{0.034964, -0.001038, 0.000868}, Cos(2 * S + Eta)},
    {{0.005594}, Sin(S + 3 * Theta)},
    {{-0.014808}, Sin(Zeta)},
    {{-0.005794}, Sin(Eta)},
    {{0.002347}, Cos(Eta)},
    {{0.009872}, Sin(Theta)},
    {{0.008803}, Sin(2 * Theta)},
    {{-0.004308}, Sin(3 * Theta)},
}};

constexpr std::array<Term, 3> kNeptuneLongitude{{
    {{-0.589833, 0.001089}, Sin(H)},
    {{-0.056094, 0.004658}, Cos(H)},
    {{-0.024286}, Sin(2 * H)},
}};

constexpr std::array<Term, 4> kNeptunePerihelion{{
    {{0.024039}, Sin(H)},
    {{-0.025303}, Cos(H)},
    {{0.006206}, Sin(2 * H)},
    {{-0.005992}, Cos(2 * H)},
}};

constexpr std::array<Term, 4> kNeptuneEccentricity{{  // units of 1e-7
    {{4389}, Sin(H)},
    {{1129}, Sin(2 * H)},
    {{4262}, Cos(H)},
    {{1089}, Cos(2 * H)},
}};

constexpr std::array<Term, 3> kNeptuneAxis{{  // units of 1e-6 AU
    {{-817}, Sin(H)},
    {{8189}, Cos(H)},
    {{781}, Cos(2 * H)},
}};

constexpr std::array<Term, 5> kNeptuneCorrection{{
    {{-0.009556}, Sin(Zeta)},
    {{-0.005178}, Sin(Eta)},
    {{0.002572}, Sin(2 * Theta)},
    {{-0.002972}, Cos(2 * Theta), Sin(G)},
    {{-0.002833}, Sin(2 * Theta), Cos(G)},
}};
// clang-format on

// The sines and cosines of one body's arguments. A body's four tables repeat the same few
// dozen combined angles, so each is evaluated once and shared; the values are exactly those
// of a direct evaluation.
class Waves {
public:
    explicit Waves(const PerturbationArgs& args)
        : angles_{args.V, args.W, args.zeta, args.eta, args.Q, args.S, args.H, args.G, args.theta},
          nu_(args.nu) {}

    double Nu() const { return nu_; }

    double Value(const Wave& wave) {
        if (!wave.present) return 1.0;
        // Sine and cosine of the same angle are kept apart: most angles need only one of them.
        const std::uint64_t key = wave.key << 1 | (wave.cosine ? 1 : 0);
        std::size_t slot = (key * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits);
        // The tables hold far fewer distinct waves than slots, so a free slot is always near.
        while (slots_[slot].key != 0 && slots_[slot].key != key) slot = (slot + 1) % kSlots;
        Entry& e = slots_[slot];
        if (e.key == 0) {
            const double angle = wave.of.Of(angles_);
            e = {key, wave.cosine ? CosDeg(angle) : SinDeg(angle)};
        }
        return e.value;
    }

private:
    struct Entry {
        std::uint64_t key = 0;  // 0: empty slot
        double value = 0;
    };

    // Saturn's tables, the largest, use fewer than forty distinct waves.
    static constexpr int kSlotBits = 7;
    static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;
    std::array<double, kArgCount> angles_;
    double nu_;
    std::array<Entry, kSlots> slots_{};
};

// The rows summed in their order.
double Sum(std::span<const Term> terms, Waves& waves) {
    const double nu = waves.Nu();
    double sum = 0.0;
    for (const Term& term : terms) {
        const double coefficient =
            term.coefficient[0] + term.coefficient[1] * nu + term.coefficient[2] * nu * nu;
        sum += coefficient * (waves.Value(term.first) * waves.Value(term.second));
    }
    return sum;
}

struct Corrections {
    double longitude;     // ΔL, degrees
    double eccentricity;  // Δe
    double perihelion;    // B, degrees
    double axis;          // Δa, AU
};

// The corrections in their fixed order; B / e uses the eccentricity before its own correction.
void Apply(const Corrections& c, double own_mean_anomaly, OrbitWork& work) {
    const double e = work.Eccentricity;
    work.MeanLongitude = work.MeanLongitude + c.longitude;
    work.MeanAnomaly = own_mean_anomaly + c.longitude - c.perihelion / e;
    work.PerihelionLongitude = work.PerihelionLongitude + c.perihelion / e;
    work.ArgPerihelion = work.ArgPerihelion + c.perihelion / e;
    work.Eccentricity = e + c.eccentricity;
    work.SemiMajorAxis = work.SemiMajorAxis + c.axis * kKmPerAU;
}

// Uranus and Neptune share G, H and θ.
PerturbationArgs OuterArguments(double t1900) {
    PerturbationArgs args = PerturbationArguments(t1900);
    args.G = 83.76922 + 218.4901 * t1900;
    args.H = 2.0 * args.G - args.S;
    args.theta = args.G - args.S;
    return args;
}

}  // namespace

PerturbationArgs PerturbationArguments(double t1900) {
    PerturbationArgs args;
    args.nu = t1900 / 5.0 + 0.1;
    args.P = 237.47555 + 3034.9061 * t1900;
    args.Q = 265.9165 + 1222.1139 * t1900;
    args.S = 243.51721 + 428.4677 * t1900;
    args.V = 5.0 * args.Q - 2.0 * args.P;
    args.W = 2.0 * args.P - 6.0 * args.Q + 3.0 * args.S;
    args.zeta = args.Q - args.P;
    args.eta = args.S - args.Q;
    return args;
}

void PerturbJupiter(double t1900, OrbitWork& work) {
    Waves waves(PerturbationArguments(t1900));
    Apply({Sum(kJupiterLongitude, waves), Sum(kJupiterEccentricity, waves) / 10000000.0,
           Sum(kJupiterPerihelion, waves), Sum(kJupiterAxis, waves) / 1000000.0},
          work.MeanAnomaly, work);
}

void PerturbSaturn(double t1900, OrbitWork& work) {
    Waves waves(PerturbationArguments(t1900));
    Apply({Sum(kSaturnLongitude, waves), Sum(kSaturnEccentricity, waves) / 10000000.0,
           Sum(kSaturnPerihelion, waves), Sum(kSaturnAxis, waves) / 1000000.0},
          work.MeanAnomaly, work);
}

double PerturbUranus(double t1900, OrbitWork& work) {
    PerturbationArgs args = OuterArguments(t1900);
    args.zeta = args.S - args.P;
    args.eta = args.S - args.Q;
    Waves waves(args);
    const double own_mean_anomaly = 72.64878 + 428.37911 * t1900 + 0.000079 * t1900 * t1900;
    Apply({Sum(kUranusLongitude, waves), Sum(kUranusEccentricity, waves) / 10000000.0,
           Sum(kUranusPerihelion, waves), Sum(kUranusAxis, waves)},
          own_mean_anomaly, work);
    return Sum(kUranusCorrection, waves);
}

double PerturbNeptune(double t1900, OrbitWork& work) {
    PerturbationArgs args = OuterArguments(t1900);
    args.zeta = args.G - args.P;
    args.eta = args.G - args.Q;
    Waves waves(args);
    const double own_mean_anomaly = 37.73063 + 218.46134 * t1900 - 0.00007 * t1900 * t1900;
    Apply({Sum(kNeptuneLongitude, waves), Sum(kNeptuneEccentricity, waves) / 10000000.0,
           Sum(kNeptunePerihelion, waves), Sum(kNeptuneAxis, waves) / 1000000.0},
          own_mean_anomaly, work);
    return Sum(kNeptuneCorrection, waves);
}

}  // namespace orvantis
