// The orb file: one orb in degrees per line, lines 1..17 (NATAL.ORB or any "*.ORB" file).
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "chart/problem.h"

namespace orvantis {

inline constexpr int kOrbCount = 17;

// OrbValues(1..17): the orb of line n at index n (index 0 unused). Single precision, as the
// classification compares in 32-bit floats.
using OrbValues = std::array<float, kOrbCount + 1>;

// Reads the text of an orb file into orbs. Lines end in CR LF or LF. Each line's value is its
// first seven characters read by the lenient number rule (a line without digits, or with a
// number beyond single precision, reads 0);
// reading stops at the first empty line, at the end of the text or after line 17, and every
// orb not read keeps the value it had, so an empty first line leaves all of them alone.
void ReadOrbFile(std::string_view text, OrbValues& orbs);

// Reads the orb file at path into orbs. When the file is missing or cannot be read, orbs keep
// their previous values and the returned problem says so ("Warning!", exclamation icon);
// nullopt when the file was read.
std::optional<Problem> LoadOrbFile(const std::filesystem::path& path, OrbValues& orbs);

}  // namespace orvantis
