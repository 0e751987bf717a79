// Splitting a settings file into lines, and reading a whole file into memory.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvantis {

// The lines of text, without their ends. A line ends at LF; a CR just before the LF (or at the
// very end of text) belongs to the line end, so files written with CR LF and files edited with
// LF-only editors read alike.
// The text after the last line end is a line when it is not empty; a final line end therefore
// does not add an empty line. The views point into text.
std::vector<std::string_view> SplitLines(std::string_view text);

// The first line of text by the same rule, "" for an empty text.
std::string_view FirstLine(std::string_view text);

// The whole content of the file at path, byte for byte; nullopt when it cannot be opened or
// read (missing file, a directory, no permission). The core's one file reader.
std::optional<std::string> ReadTextFile(const std::filesystem::path& path);

}  // namespace orvantis
