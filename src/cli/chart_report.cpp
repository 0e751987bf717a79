#include "cli/chart_report.h"

#include <charconv>
#include <cstdio>

#include "astro/angles.h"
#include "chart/chart_driver.h"
#include "chart/houses.h"
#include "events/event_text.h"

namespace orvantis {
namespace {

// 17 significant digits, the text printf's "%.17g" gives, without its cost per call.
std::string Number(double value) {
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

// A single as the shortest text that reads back to it: -1, -5.5, 0.020833334.
std::string ShortestNumber(float value) {
    if (value == 0) return "0";  // never "-0"
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace

const char* BodyName(int body) {
    return BodyWord(body);
}

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
        } else if (c >= 0x80) {
            out += Utf8Text(std::string(1, static_cast<char>(c)));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string Utf8Text(const std::string& s) {
    std::string out;
    for (unsigned char c : s) {
        if (c >= 0x80) {
            // The files are 8-bit text: Latin-1 bytes become their code points.
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string ChartJson(const ChartState& chart, const std::string& extra) {
    std::string j = "{\n";
    const auto member = [&](const char* name, const std::string& value) {
        j += "  \"";
        j += name;
        j += "\": " + value + ",\n";
    };
    member("title", JsonString(chart.ChartTitle));
    const CaptionLines caption = CaptionLinesOf(chart);
    std::string lines = "[";
    for (int i = 1; i <= 7; ++i) lines += (i > 1 ? ", " : "") + JsonString(caption[i]);
    member("caption_lines", lines + "]");
    std::string warnings = "[";
    for (const std::string& w : chart.Warnings)
        warnings += (warnings.size() > 1 ? ", " : "") + JsonString(w);
    member("warnings", warnings + "]");
    member("zone_name", chart.ChartZoneName.empty() ? "null" : JsonString(chart.ChartZoneName));
    member("zone_offset_hours", ShortestNumber(chart.ChartZone));
    member("julian_day_number", Number(chart.JulianDayNumber));
    member("centuries_t", Number(chart.CenturiesT));
    member("ut_fraction", Number(chart.UTFraction));
    member("ramc", Number(RadToDeg(chart.RAMC)));
    member("obliquity", Number(chart.ObliquityDeg));
    member("ascendant", Number(chart.Ascendant));
    member("mc", Number(chart.MC));
    member("sidereal_time",
           JsonString(FormatSiderealTime(chart.SidHours, chart.SidMinutes, chart.SidSeconds)));
    member("house_system", JsonString(std::string(1, chart.HouseSystem)));
    member("ephemeris", JsonString(std::string(EphemerisWord(chart.ChartEphemeris))));
    std::string cusps = "[";
    for (int house = 1; house <= 12; ++house)
        cusps += (house > 1 ? ", " : "") + Number(chart.Cusps[CuspPosition(house)]);
    member("cusps", cusps + "]");
    std::string bodies = "[\n";
    for (int b = 1; b <= kBodyCount; ++b) {
        const auto split = SplitLongitude(chart.PlanetLong[b]);
        bodies += "    {\"index\": " + std::to_string(b) +
                  ", \"name\": " + JsonString(BodyName(b)) +
                  ", \"longitude\": " + Number(chart.PlanetLong[b]) +
                  ", \"sign\": " + std::to_string(split.sign) +
                  ", \"degree\": " + std::to_string(split.degree) +
                  ", \"minute\": " + std::to_string(split.minute) +
                  ", \"retrograde\": " + (chart.Retrograde[b - 1] ? "true" : "false") +
                  ", \"house\": " + std::to_string(chart.HouseOfPlanet[b]) + "}" +
                  (b < kBodyCount ? ",\n" : "\n");
    }
    member("bodies", bodies + "  ]");
    member("svp_offset", Number(chart.SvpOffset));
    member("ayanamsa", Number(chart.Ayanamsa));
    j += "  \"true_node\": " + Number(chart.TrueNodeLongitude);
    if (!extra.empty()) j += ",\n  " + extra;
    return j + "\n}\n";
}

std::string ChartTable(const ChartState& chart) {
    std::string t;
    char row[128];
    std::snprintf(row, sizeof row, "%-16s %-12s %6s  %5s  %s\n", "Body", "Sign", "Pos", "House",
                  "R");
    t += row;
    for (int b = 1; b <= kBodyCount; ++b) {
        const auto s = SplitLongitude(chart.PlanetLong[b]);
        const bool retro = chart.Retrograde[b - 1];
        std::snprintf(row, sizeof row, "%-16s %-12s %2d°%02d'  %5d  %s\n", BodyName(b),
                      s.sign >= 1 && s.sign <= 12 ? SignWord(s.sign) : "?", s.degree, s.minute,
                      chart.HouseOfPlanet[b], retro ? "R" : "");
        t += row;
    }
    t += "\n";
    const CaptionLines caption = CaptionLinesOf(chart);
    for (int i = 1; i <= 7; ++i) t += Utf8Text(caption[i]) + "\n";
    return t;
}

}  // namespace orvantis
