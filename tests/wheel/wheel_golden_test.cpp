// Whole paints recorded as call lists and compared with the files under tests/wheel/golden/. The
// files are conformance values: they record what this paint cycle draws, reviewed as a diff when
// they change. ORVANTIS_UPDATE_GOLDEN=1 rewrites them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "wheel_scene.h"

namespace orvantis::test {
namespace {

struct GoldenCase {
    const char* name;
    const char* chart;
    int type_chart;
    int style;  // 0 window, 1 monochrome window, 2 printed page
};

class WheelGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(WheelGolden, MatchesRecordedCalls) {
    const GoldenCase& c = GetParam();
    Scene scene(c.chart);
    const WheelStyle style =
        c.style == 2 ? PrinterPageWheelStyle() : WindowWheelStyle(c.style == 1);
    const WheelWork work = scene.Paint(c.type_chart, style);
    std::string actual = scene.surface.Transcript();
    char line[64];
    for (int body = 1; body <= 15; ++body) {
        std::snprintf(line, sizeof line, "BodyDisplayAngle %d %.4f%s\n", body,
                      work.BodyDisplayAngle[body], work.BodyDrawn[body] ? "" : " skipped");
        actual += line;
    }

    const std::string path = std::string(WHEEL_GOLDEN_DIR) + "/" + c.name + ".txt";
    if (const char* update = std::getenv("ORVANTIS_UPDATE_GOLDEN"); update && *update == '1') {
        std::ofstream(path, std::ios::binary) << actual;
        GTEST_SKIP() << "rewrote " << path;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path << " is missing; run with ORVANTIS_UPDATE_GOLDEN=1";
    std::stringstream expected;
    expected << file.rdbuf();
    EXPECT_EQ(expected.str(), actual);
}

INSTANTIATE_TEST_SUITE_P(Charts, WheelGolden,
                         ::testing::Values(GoldenCase{"ordinary_american", "ordinary", 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvantis::test
