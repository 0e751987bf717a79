// The eight house systems: one table of their letters (stored in charts, typed at the command
// line), their numbers in the options file and their names.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chart/problem.h"

namespace orvantis {

// The value is the letter a chart stores.
enum class HouseSystem : char {
    kPlacidus = 'P',
    kRegiomontanus = 'R',
    kKoch = 'K',
    kCampanus = 'C',
    kPorphyry = 'O',
    kEqual = 'E',
    kMeridian = 'M',
    kMorinus = 'I',
};

struct HouseSystemEntry {
    HouseSystem system;
    std::string_view name;  // the caption and the House menu item
};

// In the order of the House menu; the options file numbers them from 1.
inline constexpr std::array<HouseSystemEntry, 8> kHouseSystems{{
    {HouseSystem::kPlacidus, "Placidus"},
    {HouseSystem::kRegiomontanus, "Regiomontanus"},
    {HouseSystem::kKoch, "Koch"},
    {HouseSystem::kCampanus, "Campanus"},
    {HouseSystem::kPorphyry, "Porphyry"},
    {HouseSystem::kEqual, "Equal"},
    {HouseSystem::kMeridian, "Meridian"},
    {HouseSystem::kMorinus, "Morinus"},
}};

constexpr char HouseLetter(HouseSystem system) {
    return static_cast<char>(system);
}

// The system of a letter, nullopt for any other character.
std::optional<HouseSystem> HouseSystemOfLetter(char letter);

// "P R K C O E M I": the letters to name when an unknown one is refused.
std::string HouseLetterList();

// The system of the options file's number: 1 Placidus .. 8 Morinus, and 0 (a line left at its
// default) Placidus. Any other value gives Placidus and, when `warning` is given, a warning
// that lists the numbers.
HouseSystem HouseSystemOfOption(float number, std::optional<Problem>* warning = nullptr);

// "1 Placidus, 2 Regiomontanus, ..., 8 Morinus": the numbers to name when one is refused.
std::string HouseOptionList();

}  // namespace orvantis
