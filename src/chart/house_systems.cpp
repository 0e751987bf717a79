#include "chart/house_systems.h"

namespace orvantis {

std::optional<HouseSystem> HouseSystemOfLetter(char letter) {
    for (const HouseSystemEntry& entry : kHouseSystems)
        if (HouseLetter(entry.system) == letter) return entry.system;
    return std::nullopt;
}

std::string HouseLetterList() {
    std::string list;
    for (const HouseSystemEntry& entry : kHouseSystems) {
        if (!list.empty()) list += ' ';
        list += HouseLetter(entry.system);
    }
    return list;
}

std::string HouseOptionList() {
    std::string list;
    for (std::size_t n = 1; n <= kHouseSystems.size(); ++n)
        list +=
            (n > 1 ? ", " : "") + std::to_string(n) + " " + std::string(kHouseSystems[n - 1].name);
    return list;
}

HouseSystem HouseSystemOfOption(float number, std::optional<Problem>* warning) {
    for (std::size_t n = 1; n <= kHouseSystems.size(); ++n)
        if (number == static_cast<float>(n)) return kHouseSystems[n - 1].system;
    if (warning && number != 0)
        *warning = Warning("The house system at start (options line 27) takes " +
                               HouseOptionList() + ". Placidus is used.",
                           Icon::kExclamation);
    return HouseSystem::kPlacidus;
}

}  // namespace orvantis
