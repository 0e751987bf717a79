// Line splitting (CR LF and LF-only files) and whole-file reading.
#include "settings/text_lines.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace orvantis {
namespace {

using Lines = std::vector<std::string_view>;

TEST(SplitLines, ReadsCrLfAndLfOnlyFilesAlike) {
    EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
}

TEST(SplitLines, KeepsEmptyLinesButAddsNoneAtTheEnd) {
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(SplitLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\r"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("a\rb\n"), (Lines{"a\rb"}));  // a lone CR inside a line is text
}

TEST(FirstLine, FollowsTheSameRule) {
    EXPECT_EQ(FirstLine("Ann Smith\r\nsecond"), "Ann Smith");
    EXPECT_EQ(FirstLine("Ann Smith"), "Ann Smith");
    EXPECT_EQ(FirstLine(""), "");
}

class ReadTextFileTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("orvantis_text_" + std::to_string(::getpid()) + "_" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(ReadTextFileTest, ReturnsTheBytesUnchanged) {
    const std::string content = std::string("one\r\ntwo\0three\n", 15) + std::string(40000, 'x');
    const auto path = dir_ / "file.txt";
    std::ofstream(path, std::ios::binary) << content;
    EXPECT_EQ(ReadTextFile(path.string()), content);
}

TEST_F(ReadTextFileTest, GivesNothingForAMissingFileOrAFolder) {
    EXPECT_EQ(ReadTextFile((dir_ / "missing").string()), std::nullopt);
    EXPECT_EQ(ReadTextFile(dir_.string()), std::nullopt);
}

TEST_F(ReadTextFileTest, AnEmptyFileIsEmptyText) {
    const auto path = dir_ / "empty";
    std::ofstream(path, std::ios::binary).close();
    EXPECT_EQ(ReadTextFile(path.string()), std::string());
}

}  // namespace
}  // namespace orvantis
