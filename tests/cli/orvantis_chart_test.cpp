// Runs the orvantis-chart executable as a user would, on data files in a temporary folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/chart_batch.h"
#include "settings/text_lines.h"

namespace {

namespace fs = std::filesystem;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

struct Outcome {
    int status = -1;
    std::string out;
};

class ChartCommandRun : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("orvantis-cli-" + std::to_string(getpid()));
        fs::create_directories(dir_);
        WriteOptions({{20, "10"}, {22, "51"}, {23, "30"}});  // home 0°10' W, 51°30' N, zone 0
        fs::copy_file(fs::path(ORVANTIS_DATA_DIR) / "NATAL.ORB", dir_ / "NATAL.ORB");
        fs::copy_file(fs::path(ORVANTIS_DATA_DIR) / "TRANSIT.ORB", dir_ / "TRANSIT.ORB");
        std::ofstream(dir_ / "ZERO.orb") << "0\r\n";
    }
    // OPTIONS.OPT with the lines given, 0 on the others: Placidus, mean node, tropical.
    void WriteOptions(const std::map<int, const char*>& lines) {
        std::ofstream options(dir_ / "OPTIONS.OPT", std::ios::binary);
        for (int line = 1; line <= 130; ++line)
            options << (lines.count(line) ? lines.at(line) : "0") << "       line " << line
                    << "\r\n";
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs the program with the arguments given, each @ the data folder.
    Outcome Chart(std::string args) {
        for (auto at = args.find('@'); at != std::string::npos; at = args.find('@'))
            args.replace(at, 1, dir_.string());
        const std::string command = "TZ=Asia/Tokyo " + std::string(ORVANTIS_BUILD_DIR) +
                                    "/orvantis-chart --data-dir " + dir_.string() + " " + args +
                                    " 2>&1";
        Outcome run;
        FILE* pipe = popen(command.c_str(), "r");
        for (int ch; pipe && (ch = std::fgetc(pipe)) != EOF;) run.out += static_cast<char>(ch);
        const int raw = pipe ? pclose(pipe) : -1;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return run;
    }
    std::string File(const std::string& name) {
        return orvantis::ReadTextFile((dir_ / name).string()).value_or("");
    }

    fs::path dir_;
};

constexpr const char* kAspects = "--date 2000-01-01 --time 12:00 --lat 51.29N --aspects";
constexpr const char* kNatal =
    "--date 1987-07-31 --time 14:20 --zone 0 --long 8.00E --lat 50.00N --transits --from "
    "2025-01-01 --days 10";
constexpr const char* kJ2000 =
    "--date 2000-01-01 --time 12:00 --zone 0 --long 0.00W --lat 51.29N --json";

// What each kind of run says, and its status; one refusal of each checker shows the program's
// message. Zones by name, with the shell's own TZ set elsewhere: the offset in force at the typed
// local time (12:00 in London in July is 11:00 UT), the fold said, a skipped time refused.
TEST_F(ChartCommandRun, EachRunSaysWhatItDidWithItsStatus) {
    const struct {
        std::string args;
        int status;
        const char* said;
    } cases[] = {
        {"", 0, "\nNow\n"},  // the chart of the present moment at home
        // The Sun at 2000 January 1, 12h UT, as in the astronomical almanac (280.3683).
        {kJ2000, 0, "\"julian_day_number\": 2451545,\n  \"centuries_t\": 1,"},
        {kJ2000, 0, "{\"index\": 1, \"name\": \"Sun\", \"longitude\": 280.36"},
        {kJ2000, 0, "\"warnings\": [],"},
        {"--date 1850-06-01 --time 12:00 --json", 0, "orvantis-chart: Before 1900: approximate\n{"},
        {"--date 1850-06-01 --time 12:00 --json", 0,
         "\"warnings\": [\"Before 1900: approximate\"],"},
        {"--date 2024-13-01 --time 10:00", 2, "Error in election data. Please correct."},
        {"--date 2024-01-10 --time 10:00 --lat 66.01N", 2, "Your latitude is too high."},
        {"--date=2024-01-10 --time=10:00 --lat=66.01N --house=M", 0, "Meridian"},
        {"--bogus", 2, "Unknown option 'bogus'."},
        {"--events --from 2025-02-30", 2, "--from takes a date"},
        {"--version", 0, "orvantis-chart 2."},
        {"--tz Europe/London --date 2024-07-01 --time 12:00 --json", 0, "\"ut_fraction\": 0.4583"},
        {"--tz Europe/London --date 2024-01-01 --time 12:00 --json", 0,
         "\"zone_name\": \"Europe/London\",\n  \"zone_offset_hours\": 0,"},
        {"--tz America/New_York --date 2024-11-03 --time 01:30 --fold 1 --long 74W", 0,
         "Using the second (--fold 1)"},
        {"--tz America/New_York --date 2024-03-10 --time 02:30", 2, "does not exist"},
        // A town by name: Kolkata kept +06:30 in 1943; the most populous of several is said.
        {"--place Kolkata --date 1943-06-01 --time 12:00 --json", 0,
         "\"zone_name\": \"Asia/Kolkata\",\n  \"zone_offset_hours\": -6.5,"},
        {"--place London --date 2000-01-01 --time 12:00", 0,
         "London, England, United Kingdom taken"},
        {"--place Kolkata --json", 0, "\"title\": \"Kolkata"},  // now, on Kolkata's clock
        {"--place Nowhereville --date 2000-01-01 --time 12:00", 2, "no place \"Nowhereville\""},
        // Aspects within the orbs of the orb file; with every orb 0 only the node and its
        // opposite point, always in opposition, listed both ways.
        {kAspects, 0, "Venus            trine           North Node"},
        {"--json --orbs @/ZERO.orb " + std::string(kAspects), 0,
         "\"aspects\": [\n    {\"first\": 11, \"second\": 12, \"kind\": 6, \"name\": "
         "\"opposition\"},\n"
         "    {\"first\": 12, \"second\": 11, \"kind\": 6, \"name\": \"opposition\"}\n  ]"},
        {"--aspects --orbs @/NONE.ORB", 1, "NONE.ORB"},
        {"--events --from 2025-01-01 --days 40 --kinds phase", 0,
         "2025-01-13T22:28:22Z  2025-01-13T22:28:22+00:00  phase    Full moon\n"},
        // Each event on the clock of its own moment: summer time from 30 March 2025 in London.
        {"--events --tz Europe/London --from 2025-03-29 --days 3 --kinds angle", 0,
         "+00:00  angle"},
        {"--events --tz Europe/London --from 2025-03-29 --days 3 --kinds angle", 0,
         "+01:00  angle"},
        // A zone east of +13 hours; a local mean time keeps its seconds.
        {"--events --tz Pacific/Kiritimati --from 2025-01-01 --days 2 --kinds ingress --json", 0,
         "\"local\": \"2025-01-02T00:51:04+14:00\""},
        {"--events --tz Asia/Kolkata --from 1903-01-01 --days 9 --kinds phase", 0, "+05:21:10  "},
        // The span ends with the series: its last day is 2099-12-31.
        {"--events --from 2099-12-31 --days 3660", 2, "--days: the span ends after 2099-12-31"},
        {"--events --from 2099-12-01 --days 31 --kinds phase", 0, "2099-12-"},
        // Transits to a chart: Saturn's square of 5 January 2025 within its orb's three weeks.
        {"--transits --from 2025-01-01", 2, "--transits needs the chart"},
        {kNatal + std::string(" --kinds aspect"), 2, "--kinds with --transits takes"},
        {kNatal + std::string(" --json"), 0,
         "{\"kind\": \"transit\", \"ut\": \"2025-01-05T01:04:16Z\", \"local\": "
         "\"2025-01-05T01:04:16+00:00\", \"body\": \"Saturn\", \"aspect\": \"square\", "
         "\"natal_body\": \"Saturn\", \"start\": \"2024-12-22T01:15:53Z\", \"end\": "
         "\"2025-01-16T10:25:39Z\", \"direction\": \"direct\"}"},
    };
    for (const auto& c : cases) {
        const Outcome run = Chart(c.args);
        EXPECT_EQ(run.status, c.status) << c.args << run.out;
        EXPECT_THAT(run.out, HasSubstr(c.said)) << c.args;
    }
    // The data folder: home data that cannot make a chart, and no options file at all.
    WriteOptions({{18, "14"}});
    const Outcome home = Chart("");
    fs::remove(dir_ / "OPTIONS.OPT");
    const Outcome none = Chart("");
    EXPECT_EQ(std::pair(home.status, none.status), std::pair(2, 1));
    EXPECT_THAT(home.out, HasSubstr("Error in natal input data section. Please correct."));
    EXPECT_THAT(none.out, HasSubstr("OPTIONS.OPT File Not Found"));
}

// An AAF file with a broken record: the rest imported, the broken line named; a saved chart
// computed and exported again.
TEST_F(ChartCommandRun, ChartLibraryImportsComputesAndExports) {
    std::ofstream(dir_ / "in.aaf") << "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n"
                                      "#B93:*,49n05,8e11,1he,0\n"
                                      "#A93:Broken,Date,m,31.2.1950,10:00,Rome,I\n"
                                      "#B93:*,41n54,12e29,1he,0\n";
    const Outcome imported = Chart("--import @/in.aaf");
    EXPECT_EQ(imported.status, 2);
    EXPECT_THAT(imported.out, HasSubstr("in.aaf:3: record skipped: date \"31.2.1950\""));
    EXPECT_THAT(Chart("--charts --json").out, HasSubstr("\"name\": \"Ferber, Tobias\""));
    EXPECT_THAT(Chart("--chart \"Ferber, Tobias\"").out, HasSubstr("11.04 A.M. (-1)"));
    EXPECT_EQ(Chart("--chart Nobody").status, 2);
    EXPECT_EQ(Chart("--export @/out.aaf").status, 0);
    EXPECT_THAT(File("out.aaf"), HasSubstr("#A93:Ferber,Tobias,*,27.9.1970,11:04,Kandel/Pfalz,D"));
}

// --batch: each request's result on its own line, equal to the single run's JSON on one line; a
// refused or unreadable request is said with its line number and the batch goes on.
TEST_F(ChartCommandRun, BatchGivesEachRequestTheSingleRunsJsonOnOneLine) {
    std::ofstream(dir_ / "in.jsonl")
        << R"({"date": "2000-01-01", "time": "12:00", "zone": 0, "long": "0.00W", "lat": "51.29N", "aspects": true})"
        << "\n{\"date\": \"2024-13-01\", \"time\": \"10:00\"}\n\nnot json\n"
        << R"({"date": "1850-06-01", "time": "12:00", "house": "K", "png": "x.png"})"
        << "\n"
        << R"({"date": "1850-06-01", "time": "12:00", "house": "K"})";
    const Outcome batch = Chart("--batch < @/in.jsonl");
    std::vector<std::string> lines, said;
    std::istringstream out(batch.out);
    for (std::string line; std::getline(out, line);)
        (line.rfind("line ", 0) == 0 ? said : lines).push_back(line);
    const std::string old = Chart("--date 1850-06-01 --time 12:00 --house K --json").out;
    ASSERT_EQ(lines.size(), 5u) << batch.out;
    EXPECT_EQ(batch.status, 2);
    EXPECT_EQ(lines[0], orvantis::OneLineJson(Chart(std::string(kJ2000) + " --aspects").out));
    EXPECT_THAT(lines[1], AllOf(StartsWith("{\"error\": \"Warning! Error in election data."),
                                HasSubstr("wrong date"), ::testing::EndsWith(", \"line\": 2}")));
    EXPECT_EQ(lines[2], "{\"error\": \"not one JSON object\", \"line\": 4}");
    EXPECT_THAT(lines[3], AllOf(HasSubstr("png\\\" has no place"), HasSubstr("\"line\": 5}")));
    EXPECT_EQ(lines[4], orvantis::OneLineJson(old.substr(old.find('{'))));
    EXPECT_EQ(said, std::vector<std::string>{"line 6: orvantis-chart: Before 1900: approximate"});
}

TEST_F(ChartCommandRun, EventsAsJsonOneObjectALine) {
    const Outcome run = Chart("--events --from 2025-01-01 --days 40 --json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_THAT(run.out, AllOf(StartsWith("[\n"), ::testing::EndsWith("}\n]\n")));
    EXPECT_THAT(run.out, HasSubstr("{\"kind\": \"phase\", \"ut\": \"2025-01-13T22:28:22Z\", "
                                   "\"local\": \"2025-01-13T22:28:22+00:00\", \"body\": \"Moon\", "
                                   "\"phase\": \"full\"}"));
    // Every kind with the members it needs, and nothing else.
    const std::string time = "\"2025-0[12]-\\d\\dT\\d\\d:\\d\\d:\\d\\d";
    const std::string moment =
        "\"ut\": " + time + "Z\", \"local\": " + time + "\\+00:00\", \"body\": \"[A-Za-z ]+\", ";
    const std::regex line(
        "  \\{\"kind\": \"(ingress|angle)\", " + moment + "\"sign\": \"[A-Za-z]+\"\\}|" +
        "  \\{\"kind\": \"station\", " + moment + "\"direction\": \"(retrograde|direct)\"\\}|" +
        "  \\{\"kind\": \"aspect\", " + moment + "\"other\": \"[A-Za-z]+\", \"aspect\": " +
        "\"(conjunction|sextile|square|trine|opposition)\"\\}|" + "  \\{\"kind\": \"phase\", " +
        moment + "\"phase\": \"(new|first quarter|full|last quarter)\"\\}|" +
        "  \\{\"kind\": \"void\", " + moment + "\"end\": " + time + "Z\"\\}");
    std::set<std::string> kinds;
    std::istringstream lines(run.out.substr(2, run.out.size() - 4));
    for (std::string text; std::getline(lines, text);) {
        if (!text.empty() && text.back() == ',') text.pop_back();
        EXPECT_TRUE(std::regex_match(text, line)) << text;
        kinds.insert(text.substr(12, text.find('"', 12) - 12));
    }
    EXPECT_EQ(kinds,
              (std::set<std::string>{"ingress", "station", "aspect", "phase", "void", "angle"}));
}

// The wheel as PNG, SVG and drawing list, and the printed page as vector PDF, full or half, on
// the paper asked for.
TEST_F(ChartCommandRun, WheelImageAndPrintedPage) {
    for (const char* name : {"HCDATA.DAT", "RADIUS.DAT"})
        fs::copy_file(fs::path(ORVANTIS_DATA_DIR) / name, dir_ / name);
    fs::copy_file(fs::path(ORVANTIS_BUILD_DIR) / "querna.ttf", dir_ / "querna.ttf");
    unsetenv("XDG_RUNTIME_DIR");  // as for root or a cron job: still no word from Qt
    const Outcome run = Chart(
        "--date 2000-01-01 --time 12:00 --size 640x480 --layout european --png @/w.png --pdf "
        "@/p.pdf --svg @/w.svg --wheel-items @/w.json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_THAT(run.out, Not(HasSubstr("XDG_RUNTIME_DIR")));
    const Outcome half =
        Chart("--date 2000-01-01 --time 12:00 --page half --paper letter --pdf @/h.pdf");
    ASSERT_EQ(half.status, 0) << half.out;
    EXPECT_THAT(File("w.json"), StartsWith("{\"size\":[640.00,480.00],\"center\":[320.00,240.00],"
                                           "\"layout\":\"european\",\"asc_angle\":180.00,"));
    const std::string items = File("w.json");
    const std::regex glyph("\"kind\":\"glyph\"");
    EXPECT_EQ(std::distance(std::sregex_iterator(items.begin(), items.end(), glyph), {}), 15);
    EXPECT_THAT(File("w.svg"), HasSubstr("viewBox=\"0 0 640 480\""));
    EXPECT_EQ(File("w.png").substr(0, 24),  // a PNG of 640 × 480
              std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x02\x80\0\0\x01\xe0", 24));
    EXPECT_THAT(File("p.pdf"), AllOf(StartsWith("%PDF-"), HasSubstr("/Count 1")));
    EXPECT_THAT(File("h.pdf"),
                AllOf(HasSubstr("/MediaBox [0 0 612"), Not(HasSubstr("/Subtype /Image"))));
}

TEST_F(ChartCommandRun, UnwritablePdfIsReportedAndLeavesNothingBehind) {
    fs::create_directories(dir_ / "taken.pdf");  // a folder stands where the file should go
    const auto files = [&] {
        return std::distance(fs::directory_iterator(dir_), fs::directory_iterator());
    };
    const auto before = files();
    const Outcome run = Chart("--date 2000-01-01 --time 12:00 --pdf @/taken.pdf");
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.out, HasSubstr("not written"));
    EXPECT_TRUE(fs::is_directory(dir_ / "taken.pdf"));
    EXPECT_EQ(files(), before);  // no temporary file left
}

}  // namespace
