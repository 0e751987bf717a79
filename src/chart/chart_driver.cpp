#include "chart/chart_driver.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "chart/ephemeris_mode.h"
#include "chart/house_systems.h"
#include "chart/houses.h"
#include "chart/time_scales.h"
#include "chart/time_travel.h"
#include "ephemeris/ephemeris.h"
#include "settings/option_lines.h"

namespace orvantis {
namespace {

// A number as plain text: no leading blank, at most four decimals, no trailing zeros.
std::string PlainNumber(float value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
    std::string text(buffer, result.ptr);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text == "-0" ? "0" : text;
}

// Signed degrees from whole degrees and minutes of a place. They pass through single precision
// as degrees and hundredths (40°30' as 40.30): every chart this program has recorded was computed
// from that reading, and this keeps their positions to the last digit.
double PlaceDegrees(int degrees, int minutes, bool negative) {
    const double magnitude = DmmToDecimal(static_cast<float>(degrees + minutes / 100.0));
    return negative ? -magnitude : magnitude;
}

// A place's degrees as the captions show them, unsigned: 40°30' as "40.30".
std::string DegreesMinutesText(double degrees) {
    const double magnitude = std::fabs(degrees);
    long long whole = static_cast<long long>(std::floor(magnitude));
    long long minutes = std::llround((magnitude - static_cast<double>(whole)) * 60);
    if (minutes == 60) ++whole, minutes = 0;
    return std::to_string(whole) + (minutes < 10 ? ".0" : ".") + std::to_string(minutes);
}

// 0..23 to the 12-hour clock: 0 is 12 A.M., 12 is 12 P.M.
int TwelveHour(int hour24) {
    if (hour24 == 0) return 12;
    return hour24 > 12 ? hour24 - 12 : hour24;
}

// Sets the chart's instant from its local clock (to the minute) and zone; returns that clock.
CivilMoment SetMoment(ChartState& chart, CivilMoment local) {
    local.second = 0;
    chart.Moment = InstantOfCivil(local) + ZoneSeconds(chart.ChartZone);
    return local;
}

CivilMoment SetMomentFromElection(ChartState& chart, const ElectionData& e) {
    chart.ChartTitle = e.ElectEvent + " - election chart";
    chart.ChartZone = e.ElectZone;
    chart.ChartZoneName = e.ElectZoneName;
    chart.Longitude = PlaceDegrees(e.ElectLongDeg, e.ElectLongMin, e.ElectWest == 0);
    chart.Latitude = PlaceDegrees(e.ElectLatDeg, e.ElectLatMin, e.ElectSouth == 1);
    CivilMoment local;
    local.date = {e.ElectYear, e.ElectMonth, e.ElectDay};
    local.hour = e.ElectHour % 12 + (e.ElectPM == 1 ? 12 : 0);
    local.minute = e.ElectMinute;
    return SetMoment(chart, local);
}

CivilMoment SetMomentFromNow(ChartState& chart, const OptionValues& options,
                             const ChartRequest& request) {
    const HomeLocation home = HomePlace(options);
    chart.ChartTitle = "Now";
    chart.ChartZone = request.zone_hours;
    chart.ChartZoneName = request.zone_name;
    chart.Longitude = SignedDmmToDecimal(home.PackedLongitude());
    chart.Latitude = SignedDmmToDecimal(home.PackedLatitude());
    return SetMoment(chart, CivilMomentOf(request.now - ZoneSeconds(chart.ChartZone)));
}

bool AllFinite(const ChartState& chart) {
    for (int i = 1; i <= 12; ++i)
        if (!std::isfinite(chart.Cusps[i])) return false;
    for (int i = 1; i <= kBodyCount; ++i)
        if (!std::isfinite(chart.PlanetLong[i])) return false;
    return std::isfinite(chart.Ascendant) && std::isfinite(chart.MC) && std::isfinite(chart.RAMC) &&
           std::isfinite(chart.TrueNodeLongitude) && std::isfinite(chart.SvpOffset) &&
           std::isfinite(chart.Ayanamsa);
}

// Moves every cusp, body and the true node into the chosen zodiac. The house placement was made
// on the tropical values; cusps and bodies move by the same amount, so it holds.
void ApplyZodiac(ChartState& chart, float zodiac) {
    if (zodiac != 1 && zodiac != 2) return;
    const double shift = ZodiacShift(static_cast<int>(zodiac), chart.SvpOffset, chart.Ayanamsa);
    for (int i = 1; i <= 12; ++i) chart.Cusps[i] = Reduce360(chart.Cusps[i] + shift);
    for (int i = 1; i <= kBodyCount; ++i)
        chart.PlanetLong[i] = Reduce360(chart.PlanetLong[i] + shift);
    chart.TrueNodeLongitude = Reduce360(chart.TrueNodeLongitude + shift);
}

}  // namespace

CivilMoment HomeClockAt(std::chrono::sys_seconds now, float zone_hours) {
    return CivilMomentOf(now - ZoneSeconds(zone_hours));
}

bool LatitudeTooHigh(double degrees, double minutes, char house_system) {
    // Meridian and Morinus houses divide the equator, so they exist up to the poles.
    const bool polar_circle_limit = house_system != HouseLetter(HouseSystem::kMeridian) &&
                                    house_system != HouseLetter(HouseSystem::kMorinus);
    if (polar_circle_limit && (degrees > 66 || (degrees == 66 && minutes > 0))) return true;
    return degrees + minutes / 60 >= 90;
}

bool CheckLatitudeLimit(const OptionValues& options, char house_system, Notifier& notifier) {
    if (LatitudeTooHigh(std::fabs(options[kOptionHomeLatDeg]),
                        std::fabs(options[kOptionHomeLatMin]), house_system)) {
        notifier.Notify(Warning(kLatitudeTooHigh, Icon::kInformation));
        return false;
    }
    return true;
}

void ReportHomeDataError(Notifier& notifier) {
    notifier.Notify(Warning(kHomeDataError, Icon::kInformation));
}

bool CheckHomeData(const OptionValues& options, Notifier& notifier, bool zone_by_name) {
    bool ok = true;
    const HomeLocation home = HomePlace(options);
    if (!zone_by_name && !(home.zone >= -13 && home.zone <= 12))
        ok = false, ReportHomeDataError(notifier);
    if (!(home.long_degrees <= 180 && home.long_minutes <= 59))
        ok = false, ReportHomeDataError(notifier);
    if (!(home.lat_minutes <= 59)) ok = false, ReportHomeDataError(notifier);
    return ok;
}

ElectionData LoadElectionDataFromNow(std::chrono::sys_seconds now, const OptionValues& options,
                                     float zone_hours, const std::string& zone_name) {
    const HomeLocation home = HomePlace(options);
    const CivilMoment clock = HomeClockAt(now, zone_hours);
    // A hand-edited options file can hold any single (3e38, 99999): values beyond the 16-bit
    // range are held at its ends instead of overflowing; the election checks refuse them.
    const auto whole = [](float option) {
        const double value = std::nearbyint(option);
        return static_cast<std::int16_t>(std::clamp(value, -32768.0, 32767.0));
    };
    ElectionData e;
    e.ElectEvent = "Now";
    e.ElectMonth = static_cast<std::int16_t>(clock.date.month);
    e.ElectDay = static_cast<std::int16_t>(clock.date.day);
    e.ElectYear = static_cast<std::int16_t>(clock.date.year);
    e.ElectHour = static_cast<std::int16_t>(TwelveHour(clock.hour));
    e.ElectMinute = static_cast<std::int16_t>(clock.minute);
    e.ElectPM = clock.hour >= 12 ? 1 : 0;
    e.ElectZone = zone_hours;
    e.ElectZoneName = zone_name;
    e.ElectLongDeg = whole(home.long_degrees);
    e.ElectLongMin = whole(home.long_minutes);
    e.ElectLatDeg = whole(home.lat_degrees);
    e.ElectLatMin = whole(home.lat_minutes);
    e.ElectWest = home.west ? 1 : 0;
    e.ElectSouth = home.south ? 1 : 0;
    return e;
}

std::string ZoneOffsetText(float hours) {
    if (!std::isfinite(hours)) return "0";
    const long long seconds = std::llround(static_cast<double>(hours) * 3600.0);
    if (seconds % 900 == 0) return PlainNumber(static_cast<float>(seconds) / 3600.0f);
    const long long magnitude = seconds < 0 ? -seconds : seconds;
    char text[48];
    std::snprintf(text, sizeof text, "%s%lld:%02lld:%02lld", seconds < 0 ? "-" : "",
                  magnitude / 3600, magnitude / 60 % 60, magnitude % 60);
    return text;
}

std::string BuildCaptionPrefix(const std::string& owner_name, const OptionValues& options) {
    // Without an owner the caption starts with the program's name, not a blank.
    std::string prefix = owner_name.empty() ? "Orvantis " : owner_name + " Orvantis ";
    const float zodiac = options[kOptionZodiac];
    if (zodiac == 0) prefix += "(Tropical zodiac) - ";
    if (zodiac == 1) prefix += "(Sidereal zodiac - SVP) - ";
    if (zodiac == 2) prefix += "(Sidereal zodiac - Ayanamsa) - ";
    if (EphemerisOf(options) == EphemerisChoice::kPrecise) prefix += "(Precise ephemeris) - ";
    return prefix;
}

char HouseLetterForOption(float start_house_system, Notifier* notifier) {
    std::optional<Problem> warning;
    const HouseSystem system = HouseSystemOfOption(start_house_system, &warning);
    if (warning && notifier) notifier->Notify(*warning);
    return HouseLetter(system);
}

CaptionLines CaptionLinesOf(const ChartState& chart) {
    CaptionLines lines;
    const CivilMoment local = LocalMomentOf(chart);
    lines[1] = chart.ChartTitle;
    char text[64];
    std::snprintf(text, sizeof text, "%02d %s %04d", local.date.day,
                  MonthAbbreviation(local.date.month), local.date.year);
    lines[2] = text;
    std::snprintf(text, sizeof text, "%d.%02d %s", TwelveHour(local.hour), local.minute,
                  local.hour >= 12 ? "P.M." : "A.M.");
    lines[3] = std::string(text) + " (" + ZoneOffsetText(chart.ChartZone) + ")";
    lines[4] = DegreesMinutesText(chart.Longitude) + (chart.Longitude < 0 ? " EAST" : " WEST");
    lines[5] = DegreesMinutesText(chart.Latitude) + (chart.Latitude < 0 ? " SOUTH" : " NORTH");
    lines[6] = FormatSiderealTime(chart.SidHours, chart.SidMinutes, chart.SidSeconds);
    lines[7] = std::string(HouseSystemName(chart.HouseSystem));
    return lines;
}

// What the chart's accuracy does not cover, from its local year.
static void SetWarnings(ChartState& chart) {
    const int year = LocalMomentOf(chart).date.year;
    chart.Warnings = AccuracyWarnings(year);
    // The precise ephemeris has its own range (Pluto's series, 1885-2099).
    if (chart.ChartEphemeris == EphemerisChoice::kPrecise) {
        const auto warning = RangeWarning(chart.ChartEphemeris, year, year);
        chart.Warnings = warning ? std::vector<std::string>{*warning} : std::vector<std::string>{};
    }
}

std::vector<std::string> AccuracyWarnings(int year) {
    if (year < 1900) return {kBeforeSeriesYears};
    if (year > 2099) return {kAfterSeriesYears};
    return {};
}

void SetTimeAndAngles(ChartState& chart, const TimeAndAngles& t) {
    chart.JulianDayNumber = t.JulianDayNumber;
    chart.CenturiesT = t.CenturiesT;
    chart.UTFraction = t.UTFraction;
    chart.SiderealDays = t.SiderealDays;
    chart.RAMC = t.RAMC;
    chart.Obliquity = t.Obliquity;
    chart.ObliquityDeg = t.ObliquityDeg;
    chart.LatRadians = t.LatRadians;
    chart.SidHours = t.SidHours;
    chart.SidMinutes = t.SidMinutes;
    chart.SidSeconds = t.SidSeconds;
    chart.Ascendant = t.Ascendant;
    chart.MC = t.MC;
}

bool ComputeChart(ChartState& chart, const ElectionData& election, const OptionValues& options,
                  const ChartRequest& request, Notifier& notifier) {
    if (request.running) {
        chart.InputError = false;
        const bool latitude_ok = CheckLatitudeLimit(options, request.house_system, notifier);
        const bool home_ok = CheckHomeData(options, notifier, !request.zone_name.empty());
        if (!latitude_ok || !home_ok) {
            chart.InputError = true;
            return false;
        }
    }
    // A refused chart leaves the previous one whole.
    const auto refuse = [&] {
        notifier.Notify(Warning(kNonFiniteChart, Icon::kExclamation));
        chart.InputError = true;
        return false;
    };

    ChartState next;
    next.InputError = chart.InputError;
    next.HouseSystem = request.house_system;
    const CivilMoment local = request.running ? SetMomentFromNow(next, options, request)
                                              : SetMomentFromElection(next, election);

    next.ChartEphemeris = EphemerisOf(options);
    const TimeAndAngles t = TimeAndAnglesFor(
        next.ChartEphemeris, {local.date.day, local.date.month, local.date.year, local.hour,
                              local.minute, next.ChartZone, next.Longitude, next.Latitude});
    if (t.status != ComputeStatus::kOk) return refuse();
    const HouseCusps houses = ComputeHouseCusps(t, request.house_system);
    if (houses.status != ComputeStatus::kOk) return refuse();
    const Ephemeris ephemeris =
        ComputeEphemeris(next.ChartEphemeris, t.JulianDayNumber, t.UTFraction);
    if (ephemeris.status != ComputeStatus::kOk) return refuse();

    SetTimeAndAngles(next, t);
    next.Cusps = houses.Cusps;
    next.CuspsStd = houses.CuspsStd;

    auto& body = next.PlanetLong;
    std::copy(ephemeris.PlanetLong.begin(), ephemeris.PlanetLong.end(), body.begin());
    std::copy(ephemeris.PlanetLongNext.begin(), ephemeris.PlanetLongNext.end(),
              next.PlanetLongNext.begin());
    body[kFortune] = Reduce360(body[kMoon] + t.Ascendant - body[kSun]);
    // The Ascendant itself: in Morinus and Meridian houses the 1st cusp is another point.
    body[kAscendantBody] = t.Ascendant;
    body[kMCBody] = t.MC;
    next.Retrograde = ephemeris.Retrograde;
    next.SvpOffset = ephemeris.SvpOffset;
    next.Ayanamsa = ephemeris.Ayanamsa;
    next.TrueNodeLongitude = ephemeris.TrueNode;
    if (!AllFinite(next)) return refuse();

    next.HouseOfPlanet = PlaceBodiesInHouses(next.Cusps, body, chart.HouseOfPlanet);
    if (options[kOptionTrueNode] == 1) {
        body[kNode] = next.TrueNodeLongitude;
        body[kOppositeNode] = Reduce360(next.TrueNodeLongitude + 180.0);
        next.HouseOfPlanet = PlaceBodiesInHouses(next.Cusps, body, next.HouseOfPlanet);
    }
    ApplyZodiac(next, options[kOptionZodiac]);
    SetWarnings(next);
    next.ChartReady = true;
    chart = std::move(next);
    return true;
}

}  // namespace orvantis
