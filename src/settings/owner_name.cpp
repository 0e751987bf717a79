#include "settings/owner_name.h"

#include "settings/text_lines.h"

namespace orvantis {

std::string ReadOwnerName(std::string_view text) {
    const std::string_view line = FirstLine(text);
    // A lone CR (an old Mac line end, or a stray one) ends the name too: left in it, it would
    // break the window caption in two.
    return std::string(line.substr(0, line.find_first_of(std::string_view("\r\0", 2))));
}

}  // namespace orvantis
