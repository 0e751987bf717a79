// What orvantis-chart prints: one JSON object, or a table a person reads.
#pragma once

#include <string>

#include "chart/chart_state.h"

namespace orvantis {

// Names of bodies 1..15 as the command prints them.
const char* BodyName(int body);

// The chart as one JSON object (numbers with 17 significant digits, angles in degrees). `extra`
// is inserted as further members when not empty (e.g. "\"aspects\": [...]").
std::string ChartJson(const ChartState& chart, const std::string& extra = "");

// The chart as a table: body, sign, degree and minute, house, R; then the caption lines.
std::string ChartTable(const ChartState& chart);

// s as a JSON string literal, quotes included.
std::string JsonString(const std::string& s);

// The 8-bit (Latin-1) text of a chart in UTF-8, for the terminal and the JSON report.
std::string Utf8Text(const std::string& s);

}  // namespace orvantis
