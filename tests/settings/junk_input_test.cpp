// Every settings reader survives whatever a file holds: binary junk, NUL bytes, huge lines, no
// line ends, thousands of lines. Run under AddressSanitizer and UBSan by the test script.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "settings/ini_file.h"
#include "settings/lenient_number.h"
#include "settings/options_file.h"
#include "settings/owner_name.h"
#include "settings/text_lines.h"

namespace orvantis {
namespace {

std::vector<std::string> JunkTexts() {
    std::vector<std::string> texts;
    std::mt19937 random(20240501);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int n : {1, 7, 100, 5000, 200000}) {
        std::string t;
        for (int i = 0; i < n; ++i) t += static_cast<char>(byte(random));
        texts.push_back(t);
    }
    // Junk built from the characters the readers look at.
    const std::string alphabet = "0123456789.eE+- \t=\r\n\0StartScaleOrvantisHeight";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int k = 0; k < 200; ++k) {
        std::string t;
        for (int i = 0; i < 300; ++i) t += alphabet[pick(random)];
        texts.push_back(t);
    }
    texts.push_back(std::string(1 << 20, '7'));                  // one huge line
    texts.push_back("StartScale=" + std::string(1 << 20, '1'));  // a huge number
    texts.push_back(std::string(10000 * 2, '\n'));               // only empty lines
    texts.push_back(std::string(1000, '\0'));
    std::string many;
    for (int i = 0; i < 10000; ++i) many += "OrvantisTop=" + std::to_string(i) + "\r\n";
    texts.push_back(many);
    return texts;
}

TEST(JunkInput, EveryReaderSurvivesAndKeepsItsRanges) {
    for (const std::string& text : JunkTexts()) {
        EXPECT_FALSE(std::isnan(LenientNumber(text)));
        const WindowGeometry g = ReadIniWindowGeometry(text);
        EXPECT_TRUE(std::isfinite(g.top) && std::isfinite(g.left));
        EXPECT_GT(g.height, 0);
        EXPECT_GT(g.width, 0);
        EXPECT_GT(g.scale_width, 0);
        EXPECT_NE(g.scale_height, 0);

        OptionValues v{};
        const OptionsReading r = ReadOptionsFile(text, v);
        EXPECT_LE(r.lines_read, kOptionCount);
        EXPECT_EQ(v[0], 0.0f);
        for (float x : v) EXPECT_TRUE(std::isfinite(x));
        EXPECT_LE(ReadOwnerName(text).size(), text.size());
    }
}

TEST(JunkInput, TenThousandLinesTakeTheLastValue) {
    EXPECT_EQ(ReadIniWindowGeometry(JunkTexts().back()).top, 9999);
}

}  // namespace
}  // namespace orvantis
