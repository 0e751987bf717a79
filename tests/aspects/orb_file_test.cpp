// Reading orb files: which lines count, which orbs keep their values, and files that cannot be
// read.
#include "aspects/orb_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace orvantis {
namespace {

OrbValues Filled(float value) {
    OrbValues orbs{};
    for (int i = 1; i <= kOrbCount; ++i) orbs[static_cast<std::size_t>(i)] = value;
    return orbs;
}

TEST(ReadOrbFile, ReadsTheFirstSevenCharactersOfEachLine) {
    OrbValues orbs{};
    ReadOrbFile("8      conjunction\r\n6.5    sextile 99\r\n 7.25  square\r\n1234567890\r\n", orbs);
    EXPECT_FLOAT_EQ(orbs[1], 8.0f);
    EXPECT_FLOAT_EQ(orbs[2], 6.5f);  // the 99 of the description is not part of the value
    EXPECT_FLOAT_EQ(orbs[3], 7.25f);
    EXPECT_FLOAT_EQ(orbs[4], 1234567.0f);  // the eighth character on is free text
}

TEST(ReadOrbFile, NumbersBeyondSinglePrecisionReadZero) {
    // Found by the orb-file fuzzer: "1e300" was converted to single precision (undefined; in
    // practice an infinite orb that made every distance a sextile and more).
    OrbValues orbs = Filled(3.0f);
    ReadOrbFile("1e300\n-1e999\n3e38\n", orbs);
    EXPECT_EQ(orbs[1], 0.0f);
    EXPECT_EQ(orbs[2], 0.0f);
    EXPECT_FLOAT_EQ(orbs[3], 3e38f);
    EXPECT_EQ(orbs[4], 3.0f);
}

TEST(ReadOrbFile, LfOnlyFilesReadLikeCrLfFiles) {
    OrbValues crlf{}, lf{};
    ReadOrbFile("8\r\n6\r\n7\r\n", crlf);
    ReadOrbFile("8\n6\n7\n", lf);
    EXPECT_EQ(crlf, lf);
    EXPECT_FLOAT_EQ(lf[3], 7.0f);
}

TEST(ReadOrbFile, AnEmptyFirstLineKeepsEveryPreviousOrb) {
    OrbValues orbs = Filled(3.0f);
    ReadOrbFile("\r\n8\r\n6\r\n", orbs);
    EXPECT_EQ(orbs, Filled(3.0f));
}

TEST(ReadOrbFile, ReadingStopsAtTheFirstEmptyLineAndKeepsTheRest) {
    OrbValues orbs = Filled(3.0f);
    ReadOrbFile("8\r\n6\r\n\r\n9\r\n9\r\n", orbs);
    EXPECT_FLOAT_EQ(orbs[1], 8.0f);
    EXPECT_FLOAT_EQ(orbs[2], 6.0f);
    EXPECT_FLOAT_EQ(orbs[3], 3.0f);
    EXPECT_FLOAT_EQ(orbs[4], 3.0f);
}

TEST(ReadOrbFile, AShortFileKeepsTheOrbsItDoesNotReach) {
    OrbValues orbs = Filled(2.0f);
    ReadOrbFile("8\n6", orbs);  // no final line end: the last line still counts
    EXPECT_FLOAT_EQ(orbs[2], 6.0f);
    EXPECT_FLOAT_EQ(orbs[3], 2.0f);
    EXPECT_FLOAT_EQ(orbs[17], 2.0f);
}

TEST(ReadOrbFile, ANonNumericLineReadsZero) {
    OrbValues orbs = Filled(5.0f);
    ReadOrbFile("8\r\nsextile\r\n-1     negative\r\n   \r\n", orbs);
    EXPECT_FLOAT_EQ(orbs[2], 0.0f);
    EXPECT_FLOAT_EQ(orbs[3], -1.0f);
    EXPECT_FLOAT_EQ(orbs[4], 0.0f);  // blanks are not an empty line
}

TEST(ReadOrbFile, LinesBeyondTheSeventeenthAreIgnored) {
    std::string text;
    for (int i = 1; i <= 25; ++i) text += std::to_string(i) + "\r\n";
    OrbValues orbs{};
    ReadOrbFile(text, orbs);
    EXPECT_FLOAT_EQ(orbs[0], 0.0f);
    EXPECT_FLOAT_EQ(orbs[17], 17.0f);
}

TEST(ReadOrbFile, TheShippedNatalOrbHasSeventeenOrbs) {
    std::ifstream in(ORVANTIS_DATA_DIR "/NATAL.ORB", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    OrbValues orbs = Filled(-99.0f);
    ReadOrbFile(text, orbs);
    for (int i = 1; i <= kOrbCount; ++i) EXPECT_GE(orbs[static_cast<std::size_t>(i)], 0.0f) << i;
    EXPECT_FLOAT_EQ(orbs[1], 8.0f);   // conjunction
    EXPECT_FLOAT_EQ(orbs[5], 8.0f);   // opposition
    EXPECT_FLOAT_EQ(orbs[16], 1.0f);  // septile
}

class LoadOrbFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvantis-orbs-XXXXXX");
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(LoadOrbFileTest, ReadsAnExistingFile) {
    const auto path = dir_ / "TIGHT.ORB";
    std::ofstream(path, std::ios::binary) << "1\r\n2\r\n";
    OrbValues orbs = Filled(9.0f);
    EXPECT_FALSE(LoadOrbFile(path.string(), orbs).has_value());
    EXPECT_FLOAT_EQ(orbs[1], 1.0f);
    EXPECT_FLOAT_EQ(orbs[3], 9.0f);
}

TEST_F(LoadOrbFileTest, AMissingFileIsReportedAndTheOrbsStay) {
    OrbValues orbs = Filled(4.0f);
    const std::string path = (dir_ / "MISSING.ORB").string();
    const auto problem = LoadOrbFile(path, orbs);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->title, "Warning!");
    EXPECT_EQ(problem->icon, Icon::kExclamation);
    EXPECT_NE(problem->text.find(path), std::string::npos);
    EXPECT_NE(problem->text.find("Not Found"), std::string::npos);
    EXPECT_EQ(orbs, Filled(4.0f));
}

TEST_F(LoadOrbFileTest, AFolderInPlaceOfTheFileIsReportedAndTheOrbsStay) {
    const auto path = dir_ / "FOLDER.ORB";
    std::filesystem::create_directory(path);
    OrbValues orbs = Filled(4.0f);
    const auto problem = LoadOrbFile(path.string(), orbs);
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->text.find("Cannot Be Read"), std::string::npos);
    EXPECT_EQ(orbs, Filled(4.0f));
}

}  // namespace
}  // namespace orvantis
