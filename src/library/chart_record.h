// A saved chart: who or what, when by the local clock, in which zone, where. The library stores
// these; the election window and the command line turn them into an election record and back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "chart/chart_state.h"

namespace orvantis {

enum class ChartKind { kPerson = 0, kEvent = 1, kHorary = 2, kOther = 3 };

// "person", "event", "horary", "other".
const char* ChartKindName(ChartKind kind);

struct ChartRecord {
    std::string name;  // unique in a library
    ChartKind kind = ChartKind::kPerson;
    int year = 2000, month = 1, day = 1, hour = 12, minute = 0;  // local clock, 24-hour
    // The zone: a tz database name, or "" for the fixed offset zone_hours. With a name,
    // zone_hours is the offset that was in force then, kept for readers without the database.
    std::string zone_name;
    double zone_hours = 0;  // west positive, as every zone of the charts
    std::string place;      // "Kolkata, State of West Bengal, India"; "" for typed coordinates
    double latitude = 0;    // degrees, north positive
    double longitude = 0;   // degrees, east positive
    std::string notes, source;
    std::int64_t saved_at = 0;  // Unix seconds of the last save

    bool operator==(const ChartRecord&) const = default;
};

// The election record of a saved chart (the name as the record's 8-bit text, the 24-hour clock read
// onto the 12-hour one, the coordinates to the minute). A named zone keeps zone_hours in ElectZone
// until the caller looks the offset up again (LookUpElectionZone). This is the one conversion every
// user of a saved chart goes through: the election window, the command line, transits to a saved
// chart.
ElectionData ElectionOf(const ChartRecord& record);

// The chart of an election record: kind, notes, source and saved_at stay as `base` has them.
ChartRecord RecordOf(const ElectionData& election, ChartRecord base = {});

// Text of 8-bit Latin-1 characters (the chart's event name, an AAF file that is not UTF-8) as
// UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);

}  // namespace orvantis
