// OPTIONS.OPT (and its master copy OPTIONS.MAS): one value a line, in the first seven
// characters; the rest of each line is free text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/option_values.h"

namespace orvantis {

inline constexpr const char* kOptionsFileName = "OPTIONS.OPT";
inline constexpr const char* kMasterOptionsFileName = "OPTIONS.MAS";

// Characters of an options line that hold its value.
inline constexpr int kOptionValueWidth = 7;

struct OptionsReading {
    int lines_read = 0;            // values stored: options 1..lines_read
    bool lines_left_over = false;  // non-empty lines followed the 132nd and were not read
};

// Reads the lines of text into values[1], values[2] ... until the end of the text, the first
// empty line or line 130, each from its first seven characters by the lenient number rule; then,
// past the zone's name on line 131, line 132 into values[132] (lines_read does not count it).
// Only the lines read are overwritten: the caller decides what the others hold (0 at start-up,
// the previous values after the options editor saved). A value beyond single precision is
// stored as 0, like text without digits.
OptionsReading ReadOptionsFile(std::string_view text, OptionValues& values);

// The line after the 130 values names the home time zone of the tz database ("Europe/London").
// It lies beyond the lines any reader of values takes, so files without it read as before and
// the name never lands in a value; a name is longer than the seven value characters.
inline constexpr int kHomeZoneNameLine = kOptionCount + 1;

// The home zone's name: the first word of line 131 when the 130 value lines before it are all
// there (none empty). "" when there is no such line, or it starts with a blank or reads "0":
// then option 18 is the home zone.
std::string ReadHomeZoneName(std::string_view text);

// The options the program starts with: OPTIONS.OPT read into values (all 0 before), then every
// line it lacks (no file at all, or a file cut short or ended by an empty line early) taken from
// the master copy OPTIONS.MAS, so a damaged file never leaves colours and sizes at 0. Returns
// the message for the user when anything was missing, saying what was used instead; nullopt
// when OPTIONS.OPT had every line the master has.
std::optional<std::string> ReadStartupOptions(std::optional<std::string_view> options_text,
                                              std::optional<std::string_view> master_text,
                                              OptionValues& values);

}  // namespace orvantis
