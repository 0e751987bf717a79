#include "settings/owner_name.h"

#include "settings/text_lines.h"

namespace orvantis {

std::string ReadOwnerName(std::string_view text) {
    const std::string_view line = FirstLine(text);
    return std::string(line.substr(0, line.find('\0')));
}

}  // namespace orvantis
