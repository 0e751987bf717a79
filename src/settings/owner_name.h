// MYNAME: the owner's name shown at the start of the window caption.
#pragma once

#include <string>
#include <string_view>

namespace orvantis {

// Read from the process's current folder, not the program's.
inline constexpr const char* kOwnerFileName = "MYNAME";

// The first line of the owner file's text, without its line end; "" for an empty text (pass ""
// for a missing file too). The name ends at a NUL byte or a lone CR, which no caption can show.
std::string ReadOwnerName(std::string_view text);

}  // namespace orvantis
