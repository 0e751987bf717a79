// Line splitting (CR LF and LF-only files) and whole-file reading.
#include "settings/text_lines.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace orvantis {
namespace {

using Lines = std::vector<std::string_view>;

TEST(SplitLines, CrLfAndLfOnlyAlikeEmptyLinesKeptNoneAddedAtTheEnd) {
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(SplitLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\r"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("a\rb\n"), (Lines{"a\rb"}));  // a lone CR inside a line is text
    EXPECT_EQ(FirstLine("Ann Smith\r\nsecond"), "Ann Smith");
}

TEST(ReadTextFile, BytesUnchangedAndNothingForAMissingFileOrAFolder) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("orvantis_text_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string content = std::string("one\r\ntwo\0three\n", 15) + std::string(40000, 'x');
    std::ofstream(dir / "file.txt", std::ios::binary) << content;
    EXPECT_EQ(ReadTextFile((dir / "file.txt").string()), content);
    EXPECT_EQ(ReadTextFile((dir / "missing").string()), std::nullopt);
    EXPECT_EQ(ReadTextFile(dir.string()), std::nullopt);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace orvantis
