// Reading orb files: which lines count, which orbs keep their values, and files that cannot be
// read.
#include "aspects/orb_file.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace orvantis {
namespace {

OrbValues Filled(float value) {
    OrbValues orbs{};
    for (int i = 1; i <= kOrbCount; ++i) orbs[static_cast<std::size_t>(i)] = value;
    return orbs;
}

TEST(ReadOrbFile, WhichLinesCountAndWhatTheyRead) {
    std::string lines25;
    for (int i = 1; i <= 25; ++i) lines25 += std::to_string(i) + "\r\n";
    struct Case {
        std::string text;
        std::vector<std::pair<int, float>> orbs;  // orb number, value; every orb starts at 3
    };
    const Case cases[] = {
        // The first seven characters only: the 99 and the eighth character on are free text.
        {"8      conjunction\r\n6.5    sextile 99\r\n 7.25  square\r\n1234567890\r\n",
         {{1, 8}, {2, 6.5f}, {3, 7.25f}, {4, 1234567}}},
        {"8\n6\n7\n", {{1, 8}, {2, 6}, {3, 7}, {4, 3}}},  // LF ends as CR LF ends
        {"\r\n8\r\n6\r\n", {{1, 3}, {2, 3}}},             // an empty first line keeps every orb
        {"8\r\n6\r\n\r\n9\r\n9\r\n", {{2, 6}, {3, 3}, {4, 3}}},  // stops at the first empty line
        {"8\n6", {{2, 6}, {3, 3}, {17, 3}}},  // no final line end: the last line still counts
        {"8\r\nsextile\r\n-1     negative\r\n   \r\n",
         {{2, 0}, {3, -1}, {4, 0}}},    // not a number reads 0; blanks are not an empty line
        {lines25, {{0, 0}, {17, 17}}},  // lines beyond the seventeenth are ignored
        // Found by the orb-file fuzzer: "1e300" was converted to single precision (undefined; in
        // practice an infinite orb that made every distance a sextile and more).
        {"1e300\n-1e999\n3e38\n", {{1, 0}, {2, 0}, {3, 3e38f}, {4, 3}}},
    };
    for (const Case& c : cases) {
        OrbValues orbs = Filled(3.0f);
        orbs[0] = 0;
        ReadOrbFile(c.text, orbs);
        for (const auto& [n, value] : c.orbs)
            EXPECT_FLOAT_EQ(orbs[static_cast<std::size_t>(n)], value) << c.text << " orb " << n;
    }
}

// Read only: a name the data folder does not hold, and the data folder itself.
TEST(LoadOrbFile, AMissingFileOrAFolderIsReportedAndTheOrbsStay) {
    const std::pair<std::string, const char*> cases[] = {
        {ORVANTIS_DATA_DIR "/MISSING.ORB", "Not Found"}, {ORVANTIS_DATA_DIR, "Cannot Be Read"}};
    for (const auto& [path, says] : cases) {
        OrbValues orbs = Filled(4.0f);
        const auto problem = LoadOrbFile(path, orbs);
        ASSERT_TRUE(problem.has_value()) << path;
        EXPECT_NE(problem->text.find(path), std::string::npos) << problem->text;
        EXPECT_NE(problem->text.find(says), std::string::npos) << problem->text;
        EXPECT_EQ(orbs, Filled(4.0f));
    }
}

}  // namespace
}  // namespace orvantis
