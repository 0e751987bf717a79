#include "settings/text_lines.h"

#include <fstream>

namespace orvantis {

namespace {

// The line at the start of text without its end; rest is left at the text after the line end.
std::string_view TakeLine(std::string_view text, std::string_view& rest) {
    const std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    rest = lf == std::string_view::npos ? std::string_view{} : text.substr(lf + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) lines.push_back(TakeLine(text, text));
    return lines;
}

std::string_view FirstLine(std::string_view text) {
    std::string_view rest;
    return TakeLine(text, rest);
}

std::optional<std::string> ReadTextFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content;
    char buffer[16384];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    // Reading a directory opens fine on some systems and then fails with badbit.
    if (in.bad()) return std::nullopt;
    return content;
}

}  // namespace orvantis
