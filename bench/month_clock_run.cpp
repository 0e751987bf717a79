// The month-long clock run: the main window on the offscreen platform, driven by a hand-set clock
// through 30 days of one-second ticks as fast as they run, with some ticks delivered late. It
// checks that every minute is recomputed exactly once (and its chart is that minute's), that the
// caption is right at every tick, and that resident memory, open handles and registered fonts
// stay flat. Exit status 0 when every check held, 1 otherwise.
//
//   build/bench/month_clock_run [--days N] [--seed S]
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QTemporaryDir>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <string_view>

#include "chart/chart_driver.h"
#include "settings/text_lines.h"
#include "shell/clock.h"
#include "shell/main_window.h"
#include "shell/wheel_view.h"

namespace {

using namespace orvantis;
using namespace std::chrono;

constexpr const char* kOwner = "Ann Example";
// A half-hour zone east of Greenwich (west positive), so the caption's date turns over at
// 18:30 UT and the minute arithmetic meets a fractional offset.
constexpr const char* kZoneText = "-5.5";
constexpr int kZoneEastSeconds = 5 * 3600 + 1800;
// Resident memory may grow this much between the end of day 1 and the end of the run: room for
// allocator slack, far below what a leak of one chart or one image a minute would add (43,200
// minutes).
constexpr long kAllowedGrowthKiB = 4 * 1024;

class HandSetClock : public Clock {
public:
    system_clock::time_point Now() const override { return now; }
    system_clock::time_point now;
};

class CountingNotifier : public Notifier {
public:
    void Notify(const Problem& problem) override {
        ++count;
        if (count <= 5) std::fprintf(stderr, "message: %s\n", problem.text.c_str());
    }
    int count = 0;
};

long ResidentKiB() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) return -1;
    long size = 0, resident = 0;
    const int read = std::fscanf(statm, "%ld %ld", &size, &resident);
    std::fclose(statm);
    return read == 2 ? resident * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

int OpenHandles() {
    return static_cast<int>(QDir("/proc/self/fd")
                                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)
                                .size());
}

// Application fonts still registered: the ids handed out so far that still name a family.
int RegisteredFonts() {
    int registered = 0;
    for (int id = 0; id < 256; ++id)
        if (!QFontDatabase::applicationFontFamilies(id).isEmpty()) ++registered;
    return registered;
}

// Something drawn across the middle of the image: circles and spokes cross its centre lines.
bool HasInk(const QImage& image) {
    const QRgb background = image.pixel(0, 0);
    int ink = 0;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, image.height() / 2) != background) ++ink;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(image.width() / 2, y) != background) ++ink;
    return ink >= 8;
}

struct Figures {
    long resident_kib = 0;
    int handles = 0;
    int fonts = 0;
    qsizetype families = 0;
};

Figures Measure() {
    return {ResidentKiB(), OpenHandles(), RegisteredFonts(), QFontDatabase::families().size()};
}

void Print(const char* when, const Figures& f) {
    std::printf(
        "%-14s resident %7ld KiB   open handles %3d   application fonts %d   families %lld\n", when,
        f.resident_kib, f.handles, f.fonts, static_cast<long long>(f.families));
}

// The home clock of a moment, worked out here from the calendar types of <chrono> rather than by
// the program's own routine.
struct LocalTime {
    year_month_day date;
    hh_mm_ss<seconds> time{seconds{0}};
};

LocalTime LocalAt(system_clock::time_point now) {
    const auto local = floor<seconds>(now) + seconds{kZoneEastSeconds};
    const auto day = floor<days>(local);
    return {year_month_day{day}, hh_mm_ss<seconds>{local - day}};
}

std::string ExpectedCaption(const LocalTime& t) {
    static constexpr std::array<const char*, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int hour24 = static_cast<int>(t.time.hours().count());
    const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
    char text[128];
    std::snprintf(
        text, sizeof text, "%s Orvantis (Tropical zodiac) - %02u %s %04d     %d:%02d:%02d %s",
        kOwner, static_cast<unsigned>(t.date.day()),
        kMonths[static_cast<unsigned>(t.date.month()) - 1], static_cast<int>(t.date.year()), hour12,
        static_cast<int>(t.time.minutes().count()), static_cast<int>(t.time.seconds().count()),
        hour24 >= 12 ? "PM" : "AM");
    return text;
}

// Caption lines 2 and 3 of the chart of a minute: "05 Mar 2024" and "9.05 A.M. (...".
bool ChartIsOfMinute(const ChartState& chart, const LocalTime& t, std::string& why) {
    static constexpr std::array<const char*, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int hour24 = static_cast<int>(t.time.hours().count());
    const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
    char date[32], clock[32];
    std::snprintf(date, sizeof date, "%02u %s %04d", static_cast<unsigned>(t.date.day()),
                  kMonths[static_cast<unsigned>(t.date.month()) - 1],
                  static_cast<int>(t.date.year()));
    std::snprintf(clock, sizeof clock, "%d.%02d %s", hour12,
                  static_cast<int>(t.time.minutes().count()), hour24 >= 12 ? "P.M." : "A.M.");
    const CaptionLines caption = CaptionLinesOf(chart);
    const bool ok =
        caption[2] == date && std::string_view(caption[3]).substr(0, std::strlen(clock)) == clock;
    if (!ok)
        why = "chart shows '" + caption[2] + "' '" + caption[3] + "', expected '" + date + "' '" +
              clock + "'";
    return ok;
}

// The data files beside the executables, copied to a scratch folder with the home zone set.
bool PrepareDataFolder(const QString& folder) {
    const QString from = QStringLiteral(ORVANTIS_BUILD_DIR);
    for (const char* name :
         {"OPTIONS.OPT", "OPTIONS.MAS", "NATAL.ORB", "HCDATA.DAT", "RADIUS.DAT", "querna.ttf"}) {
        if (!QFile::copy(from + "/" + name, folder + "/" + name)) {
            std::fprintf(stderr, "cannot copy %s from %s\n", name, ORVANTIS_BUILD_DIR);
            return false;
        }
    }
    const QString options_path = folder + "/OPTIONS.OPT";
    const auto text = ReadTextFile(options_path.toStdString());
    if (!text) return false;
    std::string rewritten;
    int line = 0;
    for (std::string_view l : SplitLines(*text)) {
        ++line;
        rewritten += line == 18 ? std::string(kZoneText) + "      Home time zone" : std::string(l);
        rewritten += "\r\n";
    }
    QFile file(options_path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(rewritten.data(), static_cast<qint64>(rewritten.size())) ==
               static_cast<qint64>(rewritten.size());
}

bool ParseArgument(int argc, char** argv, int i, long& value) {
    if (i + 1 >= argc) return false;
    const std::string_view text = argv[i + 1];
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value > 0;
}

}  // namespace

int main(int argc, char** argv) {
    long days_to_run = 30, seed = 20240214;
    for (int i = 1; i < argc; i += 2) {
        const std::string_view a = argv[i];
        const bool ok = (a == "--days" && ParseArgument(argc, argv, i, days_to_run)) ||
                        (a == "--seed" && ParseArgument(argc, argv, i, seed));
        if (!ok) {
            std::fputs("usage: month_clock_run [--days N] [--seed S]\n", stderr);
            return 2;
        }
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid() || !PrepareDataFolder(folder.path())) return 1;

    const auto wall_start = steady_clock::now();
    HandSetClock clock;
    // 14 February 2024, 18:29:57 UT, 23:59:57 at home: the run crosses midnight at once, the
    // leap day and the turn of the month.
    const auto start = sys_days{year{2024} / February / 14} + hours{18} + minutes{29} + seconds{57};
    clock.now = start + milliseconds{5};
    CountingNotifier notifier;
    ShellEnvironment env;
    env.folders = {folder.path(), folder.path()};
    env.owner_file_text = std::string(kOwner) + "\r\n";
    env.clock = &clock;
    env.notifier = &notifier;
    env.start_timer = false;  // this loop is the timer

    long failures = 0;
    const auto fail = [&failures](const std::string& what) {
        if (++failures <= 20) std::fprintf(stderr, "FAIL: %s\n", what.c_str());
    };

    long ticks = 0, late_ticks = 0, late_over_minute = 0, skipped_seconds = 0, captions_checked = 0;
    long recomputes = 0, repaints = 0;
    Figures at_start, after_day1, at_end;
    {
        MainWindow window(env);
        window.show();
        QCoreApplication::processEvents();
        QImage image(window.Wheel()->size(), QImage::Format_RGB32);
        const int first_recomputes = window.RecomputeCount();
        at_start = Measure();
        Print("start", at_start);

        std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
        std::uniform_int_distribution<int> late_chance(0, 499), late_by(1, 3), jitter_ms(0, 900);
        const auto end = start + days{days_to_run};
        const auto day1 = start + days{1};
        bool day1_measured = false;
        auto last_minute = floor<minutes>(clock.now + seconds{kZoneEastSeconds});
        auto now = start;
        while (true) {
            // About one tick in five hundred comes one to three seconds late; the clock does not
            // wait for it.
            int step = 1;
            if (late_chance(random) == 0) {
                step += late_by(random);
                ++late_ticks;
                skipped_seconds += step - 1;
            }
            now += seconds{step};
            if (now > end) break;
            // Ticks land a little after the whole second, as a timer's do.
            clock.now = now + milliseconds{jitter_ms(random)};
            const int before = window.RecomputeCount();
            window.onClockTick();
            QCoreApplication::processEvents();
            ++ticks;

            const LocalTime local = LocalAt(clock.now);
            const std::string expected = ExpectedCaption(local);
            ++captions_checked;
            if (window.windowTitle().toStdString() != expected)
                fail("caption '" + window.windowTitle().toStdString() + "', expected '" + expected +
                     "'");

            const auto minute = floor<minutes>(clock.now + seconds{kZoneEastSeconds});
            const bool new_minute = minute != last_minute;
            const int done = window.RecomputeCount() - before;
            // A late tick past second 00 of a new minute: that minute's 00 tick never came.
            if (new_minute && step > 1 && local.time.seconds().count() != 0) ++late_over_minute;
            if (done != (new_minute ? 1 : 0)) {
                fail("tick " + expected + ": " + std::to_string(done) + " recomputes, expected " +
                     (new_minute ? "1" : "0"));
            }
            if (done > 0) {
                ++recomputes;
                std::string why;
                if (!ChartIsOfMinute(window.Chart(), local, why)) fail(why);
                // The repaint of the minute: the wheel's own paint handler into an image.
                image.fill(Qt::black);
                window.Wheel()->render(&image);
                ++repaints;
                if (!HasInk(image)) fail("the wheel painted nothing at " + expected);
            }
            last_minute = minute;

            if (!day1_measured && now >= day1) {
                after_day1 = Measure();
                Print("after day 1", after_day1);
                day1_measured = true;
            }
        }
        at_end = Measure();
        Print("end", at_end);
        if (window.RecomputeCount() - first_recomputes != recomputes)
            fail("the window counted other recomputes than the ticks did");
        // The exit routine still writes the settings after a month.
        window.onFileExit();
        if (!QFile::exists(folder.filePath("ORVANTIS.INI"))) fail("ORVANTIS.INI not written");
    }
    QCoreApplication::processEvents();
    const Figures after_close = Measure();
    Print("window closed", after_close);

    const long minutes_run = days_to_run * 24 * 60;
    if (recomputes != minutes_run || repaints != minutes_run)
        fail("recomputes " + std::to_string(recomputes) + ", repaints " + std::to_string(repaints) +
             ", minutes " + std::to_string(minutes_run));
    if (late_over_minute == 0) fail("no minute lost its 00 tick: the late ticks proved nothing");
    if (notifier.count != 0) fail(std::to_string(notifier.count) + " messages during the run");
    if (days_to_run >= 2 && at_end.resident_kib - after_day1.resident_kib > kAllowedGrowthKiB)
        fail("resident memory grew " +
             std::to_string(at_end.resident_kib - after_day1.resident_kib) + " KiB after day 1");
    if (at_end.handles != at_start.handles)
        fail("open handles " + std::to_string(at_start.handles) + " at start, " +
             std::to_string(at_end.handles) + " at the end");
    if (at_end.fonts != at_start.fonts || at_end.families != at_start.families)
        fail("font registrations changed during the run");
    if (after_close.fonts != at_start.fonts - 1)
        fail("the glyph font is still registered after the exit routine");

    const double seconds_taken = duration<double>(steady_clock::now() - wall_start).count();
    std::printf(
        "\n%ld days: %ld ticks (%ld late by 1-3 s, %ld of them in place of a minute's 00 tick; %ld "
        "seconds without a tick)\n"
        "%ld recomputes and %ld repaints for %ld minutes; %ld captions checked\n"
        "resident memory: start %ld KiB, after day 1 %ld KiB, end %ld KiB (%+ld KiB after day 1)\n"
        "open handles: start %d, end %d; application fonts: start %d, end %d\n"
        "run time %.1f s\n%s: %ld failures\n",
        days_to_run, ticks, late_ticks, late_over_minute, skipped_seconds, recomputes, repaints,
        minutes_run, captions_checked, at_start.resident_kib, after_day1.resident_kib,
        at_end.resident_kib, at_end.resident_kib - after_day1.resident_kib, at_start.handles,
        at_end.handles, at_start.fonts, at_end.fonts, seconds_taken,
        failures == 0 ? "PASS" : "FAIL", failures);
    return failures == 0 ? 0 : 1;
}
