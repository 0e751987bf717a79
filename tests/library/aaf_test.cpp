// AAF records as chart services and older programs write them, broken ones among them.
#include "library/aaf.h"

#include <gtest/gtest.h>

namespace orvantis {
namespace {

// Records written the way the format's own examples are, one a case; `line` is where the
// reader must name a skipped one (1-based, counted in the whole file below).
TEST(AafRead, RealLookingRecordsAndBrokenOnes) {
    const std::string file =
        "#: an exported file\r\n"
        "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\r\n"  // 2
        "#B93:*,49n05,8e11,1he,0\r\n"
        "#ZNAM:CET\r\n"
        "#A93:Garms,Martin,11.10.1958,1.10,Brilon-Wald, D\r\n"  // 5: no type field
        "#B93: *,51n21,9e35,1,0\r\n"
        "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\r\n"  // 7: local mean time
        "#B93:2392758.526528,43n31,5e27,0e21:48,m\r\n"
        "#COM:Painter.\r\n"
        "Second line of the comment.\r\n"
        "#SRC:1*,civil register\r\n"
        "#A93:Moon landing,*,e,20.7.1969,15:17,Houston,USA\r\n"  // 12: zone from the day
        "#B93:2440423.345139,29n45,95w22,*,*\r\n"
        "#A93:Broken,Date,m,31.2.1950,10:00,Rome,I\r\n"  // 14: 31 February
        "#B93:*,41n54,12e29,1he,0\r\n"
        "#A93:Broken,Latitude,f,1.1.1950,10:00,Rome,I\r\n"  // 16
        "#B93:*,41x54,12e29,1he,0\r\n"                      // 17: no side letter
        "#A93:No,Coordinates,f,1.1.1950,10:00,Rome,I\r\n"   // 18: no #B93 at all
        "#A93:Broken,Zone,m,1.1.1950,10:00,Rome,I\r\n"
        "#B93:*,41n54,12e29,1hx,0\r\n"                  // 20
        "#A93:Broken,Time,m,1.1.1950,25:00,Rome,I\r\n"  // 21
        "#B93:*,41n54,12e29,1he,0\r\n"
        "#A93:Summer,Time,w,1.7.1983,3:07,M\xfcnchen,D\r\n"  // 23: Latin-1, summer time 1
        "#B93:2445516.5,48n08,11e35,1he00,1\r\n"
        "#ZNAM:Europe/Berlin\r\n";
    const AafReading r = ReadAaf(file);
    ASSERT_EQ(r.charts.size(), 5u);
    const struct {
        const char* name;
        ChartKind kind;
        int year, month, day, hour, minute;
        double zone, latitude, longitude;
        const char* place;
        const char* zone_name;
    } expected[] = {
        {"Ferber, Tobias", ChartKind::kPerson, 1970, 9, 27, 11, 4, -1, 49 + 5 / 60.0, 8 + 11 / 60.0,
         "Kandel, Pfalz, D", ""},
        {"Garms, Martin", ChartKind::kPerson, 1958, 10, 11, 1, 10, -1, 51 + 21 / 60.0,
         9 + 35 / 60.0, "Brilon-Wald, D", ""},
        {"Cezanne, Paul", ChartKind::kPerson, 1839, 1, 19, 1, 0, -(21 / 60.0 + 48 / 3600.0),
         43 + 31 / 60.0, 5 + 27 / 60.0, "Aix-En-Provence, F", ""},
        {"Moon landing", ChartKind::kEvent, 1969, 7, 20, 15, 17, 5, 29.75, -(95 + 22 / 60.0),
         "Houston, USA", ""},
        {"Summer, Time", ChartKind::kPerson, 1983, 7, 1, 3, 7, -2, 48 + 8 / 60.0, 11 + 35 / 60.0,
         "M\xc3\xbcnchen, D", "Europe/Berlin"},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const auto& e = expected[i];
        const ChartRecord& c = r.charts[i];
        EXPECT_EQ(c.name, e.name);
        EXPECT_EQ(c.kind, e.kind) << e.name;
        EXPECT_EQ(std::vector({c.year, c.month, c.day, c.hour, c.minute}),
                  std::vector({e.year, e.month, e.day, e.hour, e.minute}))
            << e.name;
        EXPECT_NEAR(c.zone_hours, e.zone, 1e-9) << e.name;
        EXPECT_NEAR(c.latitude, e.latitude, 1e-9) << e.name;
        EXPECT_NEAR(c.longitude, e.longitude, 1e-9) << e.name;
        EXPECT_EQ(c.place, e.place);
        EXPECT_EQ(c.zone_name, e.zone_name);
    }
    EXPECT_EQ(r.charts[2].notes, "Painter.\nSecond line of the comment.");
    EXPECT_EQ(r.charts[2].source, "1*,civil register");

    std::vector<int> lines;
    for (const AafSkipped& s : r.skipped) lines.push_back(s.line);
    EXPECT_EQ(lines, std::vector({14, 17, 18, 20, 21}));
    EXPECT_NE(r.skipped[1].reason.find("41x54"), std::string::npos);
}

// Export then import gives the same charts, whatever their fields hold.
TEST(AafRoundTrip, ExportThenImportGivesTheSameCharts) {
    std::vector<ChartRecord> charts;
    for (int i = 0; i < 200; ++i) {
        ChartRecord c;
        c.name = i % 3 ? "Name" + std::to_string(i) : "Last" + std::to_string(i) + ", First";
        c.kind = static_cast<ChartKind>(i % 4);
        c.year = 1500 + i * 3;
        c.month = 1 + i % 12;
        c.day = 1 + i % 28;
        c.hour = i % 24;
        c.minute = (i * 7) % 60;
        c.zone_hours = (i % 27 - 13) * (i % 2 ? 1.0 : 0.75);
        c.zone_name = i % 5 ? "" : "Asia/Kolkata";
        // Whole minutes, as the election record gives them.
        const int lat = (i * 37) % 5400, lon = (i * 53) % 10800;
        c.latitude = (i % 2 ? -1 : 1) * (lat / 60 + lat % 60 / 60.0);
        c.longitude = (i % 3 ? -1 : 1) * (lon / 60 + lon % 60 / 60.0);
        c.place = i % 4 ? "Town" + std::to_string(i) + ", State, Country" : "";
        c.notes = i % 6 ? "" : "line one, with a comma\n#hash line\nline three";
        c.source = i % 7 ? "" : "birth certificate";
        charts.push_back(c);
    }
    const AafReading back = ReadAaf(WriteAaf(charts));
    EXPECT_TRUE(back.skipped.empty());
    ASSERT_EQ(back.charts.size(), charts.size());
    for (std::size_t i = 0; i < charts.size(); ++i) {
        ChartRecord expected = charts[i];
        // A note line starting with "#" gains a blank so it cannot read as a chunk.
        if (!expected.notes.empty())
            expected.notes = "line one, with a comma\n #hash line\nline three";
        EXPECT_EQ(back.charts[i], expected) << i;
    }
}

}  // namespace
}  // namespace orvantis
