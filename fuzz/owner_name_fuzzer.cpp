// The owner file on any bytes: the name is the start of the first line and holds no line end or
// NUL, which the window caption could not show.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "settings/owner_name.h"

using namespace orvantis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string name = ReadOwnerName(text);
    FUZZ_CHECK(name.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
    FUZZ_CHECK(text.starts_with(name));
    // The name is the whole first line when nothing cuts it short.
    const std::size_t end = text.find_first_of(std::string_view("\r\n\0", 3));
    FUZZ_CHECK(name.size() == (end == std::string_view::npos ? text.size() : end));
    return 0;
}
