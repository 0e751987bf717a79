// Runs the orvantis-chart executable as a user would, on data files in a temporary folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "settings/text_lines.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
};

class ChartCommandRun : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("orvantis-cli-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        WriteOptions({{20, "10"}, {22, "51"}, {23, "30"}});  // home 0°10' W, 51°30' N, zone 0
    }
    // OPTIONS.OPT with the lines given, 0 on the others: Placidus, mean node, tropical.
    void WriteOptions(const std::map<int, const char*>& lines) {
        std::ofstream options(dir_ / "OPTIONS.OPT", std::ios::binary);
        for (int line = 1; line <= 130; ++line)
            options << (lines.count(line) ? lines.at(line) : "0") << "       line " << line
                    << "\r\n";
    }
    void TearDown() override { fs::remove_all(dir_); }

    Outcome Chart(const std::string& args) {
        const std::string command = "TZ=Asia/Tokyo " + std::string(ORVANTIS_BUILD_DIR) +
                                    "/orvantis-chart --data-dir " + dir_.string() + " " + args +
                                    " 2>&1";
        Outcome run;
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return run;
        std::array<char, 4096> buffer;
        std::size_t n;
        while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
            run.out.append(buffer.data(), n);
        const int raw = pclose(pipe);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return run;
    }

    fs::path dir_;
};

std::ptrdiff_t Count(const std::string& text, const std::string& pattern) {
    const std::regex re(pattern);
    return std::distance(std::sregex_iterator(text.begin(), text.end(), re),
                         std::sregex_iterator());
}

double Longitude(const std::string& json, int index) {
    const std::regex body("\"index\": " + std::to_string(index) +
                          ", \"name\": \"[^\"]*\", \"longitude\": ([-0-9.e]+)");
    std::smatch m;
    if (!std::regex_search(json, m, body)) return -1;
    return std::stod(m[1]);
}

TEST_F(ChartCommandRun, J2000AtGreenwichGivesTheAlmanacPositions) {
    const Outcome run =
        Chart("--date 2000-01-01 --time 12:00 --zone 0 --long 0.00W --lat 51.29N --json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_THAT(run.out, ::testing::HasSubstr("\"julian_day_number\": 2451545,"));
    EXPECT_THAT(run.out, ::testing::HasSubstr("\"centuries_t\": 1,"));
    // Apparent longitudes at 2000 January 1, 12h UT (astronomical almanac), one arc minute.
    const std::array<double, 11> expected = {0,        280.3683, 271.9067, 241.5833,
                                             327.9667, 25.2667,  40.4000,  314.8167,
                                             303.2167, 251.4500, 223.3167};
    for (int body = 1; body <= 10; ++body)
        EXPECT_NEAR(Longitude(run.out, body), expected[body], 1.0 / 60) << body;
    EXPECT_EQ(Count(run.out, "\"retrograde\": true"), 1);
}

// What each kind of run says, and its status. The election checks and the command line's parser
// have their own tests: one refusal of each shows the program's message. Zones by name, with the
// shell's own TZ set elsewhere: the offset in force at the typed local time, the fold said on
// stderr, a skipped time refused.
TEST_F(ChartCommandRun, EachRunSaysWhatItDidWithItsStatus) {
    const struct {
        const char* args;
        int status;
        const char* said;
    } cases[] = {
        {"", 0, "\nNow\n"},  // the chart of the present moment at home
        {"--date 2024-13-01 --time 10:00", 2, "Error in election data. Please correct."},
        {"--date 2024-01-10 --time 10:00 --lat 66.01N", 2, "Your latitude is too high."},
        {"--date=2024-01-10 --time=10:00 --lat=66.01N --house=M", 0, "Meridian"},
        {"--bogus", 2, "Unknown option 'bogus'."},
        {"--version", 0, "orvantis-chart 2."},
        // 12:00 in London in July is 11:00 UT.
        {"--tz Europe/London --date 2024-07-01 --time 12:00 --json", 0,
         "\"ut_fraction\": 0.45833333333333331,"},
        {"--tz Europe/London --date 2024-01-01 --time 12:00 --json", 0,
         "\"zone_name\": \"Europe/London\",\n  \"zone_offset_hours\": 0,"},
        {"--tz America/New_York --date 2024-11-03 --time 01:30 --fold 1 --long 74W", 0,
         "Using the second (--fold 1)"},
        {"--tz America/New_York --date 2024-03-10 --time 02:30", 2, "does not exist"},
    };
    for (const auto& c : cases) {
        const Outcome run = Chart(c.args);
        EXPECT_EQ(run.status, c.status) << c.args << run.out;
        EXPECT_THAT(run.out, ::testing::HasSubstr(c.said)) << c.args;
    }
    // The data folder: home data that cannot make a chart, and no options file at all.
    WriteOptions({{18, "14"}});
    const Outcome home = Chart("");
    EXPECT_EQ(home.status, 2);
    EXPECT_THAT(home.out,
                ::testing::HasSubstr("Error in natal input data section. Please correct."));
    fs::remove(dir_ / "OPTIONS.OPT");
    const Outcome none = Chart("");
    EXPECT_EQ(none.status, 1);
    EXPECT_THAT(none.out, ::testing::HasSubstr("OPTIONS.OPT File Not Found"));
}

TEST_F(ChartCommandRun, AspectsFollowTheOrbFile) {
    fs::copy_file(fs::path(ORVANTIS_DATA_DIR) / "NATAL.ORB", dir_ / "NATAL.ORB");
    const std::string j2000 = "--date 2000-01-01 --time 12:00 --lat 51.29N --aspects --json";
    const Outcome run = Chart(j2000);
    ASSERT_EQ(run.status, 0) << run.out;
    // The node and its opposite point are always in opposition, listed both ways.
    EXPECT_THAT(run.out,
                ::testing::HasSubstr(
                    "{\"first\": 12, \"second\": 11, \"kind\": 6, \"name\": \"opposition\"}"));
    // With every orb 0, only exact aspects remain: the node opposition, both ways.
    std::ofstream(dir_ / "ZERO.orb") << "0\r\n";
    const Outcome strict = Chart(j2000 + " --orbs " + (dir_ / "ZERO.orb").string());
    ASSERT_EQ(strict.status, 0) << strict.out;
    EXPECT_EQ(Count(strict.out, "\"first\": "), 2);
    const Outcome missing = Chart(j2000 + " --orbs " + (dir_ / "NONE.ORB").string());
    EXPECT_EQ(missing.status, 1);
    EXPECT_THAT(missing.out, ::testing::HasSubstr("NONE.ORB"));
}

TEST_F(ChartCommandRun, EventsAsJsonOneObjectALine) {
    const Outcome run = Chart("--events --from 2025-01-01 --days 40 --json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.substr(0, 2), "[\n");
    EXPECT_EQ(run.out.substr(run.out.size() - 4), "}\n]\n");
    EXPECT_THAT(run.out,
                ::testing::HasSubstr(
                    "{\"kind\": \"phase\", \"ut\": \"2025-01-13T22:28:22Z\", \"local\": "
                    "\"2025-01-13T22:28:22+00:00\", \"body\": \"Moon\", \"phase\": \"full\"}"));
    // Every kind with the members it needs, and nothing else.
    const std::string moment =
        "\"ut\": \"2025-0[12]-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ\", \"local\": "
        "\"2025-0[12]-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\+00:00\", \"body\": \"[A-Za-z ]+\"";
    const std::regex line(
        "  \\{\"kind\": \"(ingress|angle)\", " + moment + ", \"sign\": \"[A-Za-z]+\"\\}|" +
        "  \\{\"kind\": \"station\", " + moment + ", \"direction\": \"(retrograde|direct)\"\\}|" +
        "  \\{\"kind\": \"aspect\", " + moment +
        ", \"other\": \"[A-Za-z]+\", \"aspect\": "
        "\"(conjunction|sextile|square|trine|opposition)\"\\}|" +
        "  \\{\"kind\": \"phase\", " + moment +
        ", \"phase\": \"(new|first quarter|full|last quarter)\"\\}|" + "  \\{\"kind\": \"void\", " +
        moment + ", \"end\": \"2025-0[12]-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ\"\\},?");
    std::set<std::string> kinds;
    std::istringstream lines(run.out.substr(2, run.out.size() - 4));
    for (std::string text; std::getline(lines, text);) {
        if (!text.empty() && text.back() == ',') text.pop_back();
        EXPECT_TRUE(std::regex_match(text, line)) << text;
        kinds.insert(text.substr(12, text.find('"', 12) - 12));
    }
    EXPECT_EQ(kinds,
              (std::set<std::string>{"ingress", "station", "aspect", "phase", "void", "angle"}));

    const Outcome phases = Chart("--events --from 2025-01-01 --days 40 --kinds phase");
    EXPECT_THAT(phases.out,
                ::testing::HasSubstr(
                    "2025-01-13T22:28:22Z  2025-01-13T22:28:22+00:00  phase    Full moon\n"));
    // A named home zone shows each event on the clock of its own moment: summer time from the
    // 30th of March 2025 in London.
    const Outcome london =
        Chart("--events --tz Europe/London --from 2025-03-29 --days 3 --kinds angle");
    EXPECT_THAT(london.out, ::testing::HasSubstr("+00:00  angle"));
    EXPECT_THAT(london.out, ::testing::HasSubstr("+01:00  angle"));
    EXPECT_EQ(Chart("--events --from 2025-02-30").status, 2);
}

std::string FileText(const fs::path& path) {
    return orvantis::ReadTextFile(path.string()).value_or("");
}

TEST_F(ChartCommandRun, WheelImageAndPrintedPage) {
    for (const char* name : {"NATAL.ORB", "HCDATA.DAT", "RADIUS.DAT"})
        fs::copy_file(fs::path(ORVANTIS_DATA_DIR) / name, dir_ / name);
    fs::copy_file(fs::path(ORVANTIS_BUILD_DIR) / "querna.ttf", dir_ / "querna.ttf");
    unsetenv("XDG_RUNTIME_DIR");  // as for root or a cron job: still no word from Qt
    const Outcome run =
        Chart("--date 2000-01-01 --time 12:00 --png " + (dir_ / "w.png").string() +
              " --size 640x480 --layout european --pdf " + (dir_ / "p.pdf").string() + " --svg " +
              (dir_ / "w.svg").string() + " --wheel-items " + (dir_ / "w.json").string());
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_THAT(run.out, ::testing::Not(::testing::HasSubstr("XDG_RUNTIME_DIR")));

    // The drawing list of the same paint, and the same wheel as SVG.
    const std::string items = FileText(dir_ / "w.json");
    EXPECT_THAT(items, ::testing::StartsWith("{\"size\":[640.00,480.00],\"center\":[320.00,240.00],"
                                             "\"layout\":\"european\",\"asc_angle\":180.00,"));
    EXPECT_EQ(Count(items, "\"kind\":\"glyph\""), 15);
    EXPECT_THAT(FileText(dir_ / "w.svg"), ::testing::HasSubstr("viewBox=\"0 0 640 480\""));

    const std::string png = FileText(dir_ / "w.png");
    EXPECT_THAT(png, ::testing::StartsWith("\x89PNG"));
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x02\x80\0\0\x01\xe0", 8));  // 640 × 480

    const std::string pdf = FileText(dir_ / "p.pdf");
    EXPECT_THAT(pdf, ::testing::StartsWith("%PDF-"));
    EXPECT_THAT(pdf, ::testing::HasSubstr("/Count 1"));

    // The half page on the paper asked for, in vectors.
    ASSERT_EQ(Chart("--date 2000-01-01 --time 12:00 --page half --paper letter --pdf " +
                    (dir_ / "h.pdf").string())
                  .status,
              0);
    const std::string half = FileText(dir_ / "h.pdf");
    EXPECT_THAT(half, ::testing::HasSubstr("/MediaBox [0 0 612"));
    EXPECT_THAT(half, ::testing::Not(::testing::HasSubstr("/Subtype /Image")));
}

TEST_F(ChartCommandRun, UnwritablePdfIsReportedAndLeavesNothingBehind) {
    fs::create_directories(dir_ / "taken.pdf");  // a folder stands where the file should go
    const Outcome run =
        Chart("--date 2000-01-01 --time 12:00 --pdf " + (dir_ / "taken.pdf").string());
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.out, ::testing::HasSubstr("not written"));
    EXPECT_TRUE(fs::is_directory(dir_ / "taken.pdf"));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir_)) files += entry.is_regular_file();
    EXPECT_EQ(files, 1);  // OPTIONS.OPT only: no temporary file left
}

}  // namespace
