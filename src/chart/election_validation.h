// Checking and storing what the user typed for an election chart: the election window and the
// command line share these rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_state.h"
#include "chart/problem.h"

namespace orvantis {

// The texts and choices of the election window, as typed.
struct ElectionEntry {
    // zone: hours ("5", "-5.5") or the name of a tz database zone ("Europe/Berlin").
    std::string event, month, day, year, hour, minute, zone;
    std::string long_deg, long_min, lat_deg, lat_min;
    bool pm = false;
    bool west = true;
    bool south = false;
};

// One refused group of checks: its number (1..13, in checking order), the field it names
// ("date", "time", "zone", "longitude", "latitude"), the box at fault and why, in words for the
// user ("Birth Month 13: a month is 1 to 12").
struct ElectionFault {
    int group = 0;
    std::string field;
    std::string ElectionEntry::*box = nullptr;
    std::string why;
};

// The twelve groups of checks, in order, plus a thirteenth for a day that does not exist (30
// February, or 5 to 14 October 1582, skipped by the change of calendar). Group 7 refuses the
// pole (90°00') under every house system; beyond it the latitude is refused by group 12 alone, as
// no house system helps there. Text that is not a plain number (pasted letters, "--",
// "1e309", a 40-digit number) is refused by the group of its field instead of being read as a wrong
// value.
std::vector<ElectionFault> ValidateElectionData(const ElectionEntry& entry, char house_system);

// The message of a refused group: the latitude group has its own.
Problem ElectionFaultMessage(const ElectionFault& fault);

// One message for all the refused groups: kElectionDataError (or the latitude group's own text
// when that is the only fault) followed by one line a box, in the window's order, saying which
// and why.
Problem ElectionFaultsMessage(const std::vector<ElectionFault>& faults);

// The box of the first line of that message (nullptr when there is no fault): the one to correct
// first.
std::string ElectionEntry::*FirstBoxAtFault(const std::vector<ElectionFault>& faults);

// Whether a zone text names a tz database zone rather than hours: "UTC", or an area and a
// location made of letters, digits and "_+-" joined by "/" ("America/Argentina/Buenos_Aires").
// Only the spelling is checked; whether the database holds it is the front end's question.
bool IsZoneName(std::string_view text);

// Validates; on success returns the record to store, otherwise sends one message naming every
// refused box (ElectionFaultsMessage) to `notifier` and returns nothing. A zone name is stored in
// ElectZoneName with ElectZone 0: the front end looks up the offset in force for the record's local
// date and time.
std::optional<ElectionData> StoreElectionData(const ElectionEntry& entry, char house_system,
                                              Notifier& notifier);

inline constexpr const char* kElectionDataError = "Error in election data. Please correct.";

}  // namespace orvantis
