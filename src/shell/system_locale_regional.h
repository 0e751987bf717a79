// The regional codes taken from the system locale (desktop side).
#pragma once

#include "settings/regional_formats.h"

namespace orvantis {

// Answers "iDate" from the order of the locale's short date format and "iTime" from whether
// its time format shows A.M./P.M.
class SystemLocaleRegional final : public RegionalSource {
public:
    std::optional<std::string> Value(std::string_view key) const override;
};

}  // namespace orvantis
