// The owner name and the regional clock code.
#include <gtest/gtest.h>

#include <map>

#include "settings/owner_name.h"
#include "settings/regional_formats.h"

namespace orvantis {
namespace {

TEST(ReadOwnerName, TakesTheFirstLine) {
    EXPECT_EQ(ReadOwnerName("Ann Smith\nsecond line"), "Ann Smith");
    EXPECT_EQ(ReadOwnerName("\r\nAnn"), "");
    EXPECT_EQ(ReadOwnerName(std::string("Ann\0junk\n", 9)), "Ann");
    // Found by the owner-file fuzzer: a lone CR used to stay in the name and split the caption.
    EXPECT_EQ(ReadOwnerName("Name\rwith a lone CR\r\n"), "Name");
}

using Table = std::map<std::string, std::string, std::less<>>;

struct TableSource final : RegionalSource {
    explicit TableSource(Table t) : values(std::move(t)) {}
    Table values;
    std::optional<std::string> Value(std::string_view key) const override {
        const auto it = values.find(key);
        return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
};

TEST(ReadRegionalFormats, ReadsTheCodesAndGivesZeroForMissingEmptyOrOverlongOnes) {
    const auto read = [](Table values) {
        const RegionalFormats f = ReadRegionalFormats(TableSource(std::move(values)));
        return int{f.TimeFormat};
    };
    EXPECT_EQ(read({{"iTime", " 1.4 "}}), 1);
    EXPECT_EQ(read({}), 0);
    EXPECT_EQ(read({{"iTime", ""}}), 0);
    EXPECT_EQ(read({{"iTime", "70000"}}), 0);
}

TEST(RegionalPatterns, TwentyFourHoursFromTheQtPatterns) {
    EXPECT_EQ(TimeFormatFromPattern("HH:mm:ss"), 1);
    EXPECT_EQ(TimeFormatFromPattern("HH 'Uhr a' mm"), 1);
    EXPECT_EQ(TimeFormatFromPattern("h:mm:ss AP"), 0);
    EXPECT_EQ(TimeFormatFromPattern("ap h:mm"), 0);
}

}  // namespace
}  // namespace orvantis
