// The shell's small parts: the wheel scale, the window placement and the single-instance lock.
#include <gtest/gtest.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <tuple>

#include "chart/chart_driver.h"
#include "files/whole_file.h"
#include "shell/instant_steps.h"
#include "shell/screen_fit.h"
#include "shell/single_instance.h"
#include "wheel/window_geometry.h"
#include "zones/zone_names.h"

namespace orvantis {
namespace {

TEST(StartScale, FollowsTheShorterSideAndKeepsTheOldScaleForADegenerateArea) {
    EXPECT_EQ(StartScaleFor(640, 480), StartScaleFor(1024, 768));  // only the ratio counts
    EXPECT_EQ(StartScaleFor(640, -480), StartScaleFor(640, 480));
    EXPECT_EQ(StartScaleFor(480, 640), StartScaleFor(300, 1000));  // taller than wide: fixed
    EXPECT_LT(*StartScaleFor(1001, 1000), *StartScaleFor(1920, 1080));
    EXPECT_EQ(StartScaleFor(0, 480), std::nullopt);
    EXPECT_EQ(StartScaleFor(640, 0), std::nullopt);
}

// Two screens side by side; a window saved on a monitor since unplugged comes back.
TEST(OnNearestScreen, KeepsAGrabbableWindowAndBringsALostOneBack) {
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const std::pair<QRect, QRect> cases[] = {
        {QRect(100, 50, 700, 600), QRect(100, 50, 700, 600)},
        {QRect(-600, 1000, 700, 600), QRect(-600, 1000, 700, 600)},  // caption partly shown
        {QRect(2000, 0, 700, 600), QRect(2000, 0, 700, 600)},        // on the second screen
        {QRect(2000, -300, 700, 600), QRect(2000, 0, 700, 600)},     // caption above the top
        {QRect(30000, 200, 700, 600), QRect(2500, 200, 700, 600)},
        {QRect(-5000, 5000, 700, 600), QRect(0, 480, 700, 600)},
        {QRect(30000, 0, 4000, 3000), QRect(1920, 0, 1280, 1024)},  // shrunk to the screen
    };
    for (const auto& [saved, shown] : cases)
        EXPECT_EQ(OnNearestScreen(saved, screens), shown) << saved.x();
    EXPECT_EQ(OnNearestScreen(QRect(30000, 0, 9, 9), {}), QRect(30000, 0, 9, 9));
}

// An hour or a minute in a named zone moves the instant by exactly that, and the record reads the
// zone's clock at the new instant: never two real hours for one step over a change of the clocks.
TEST(StepInstant, MovesTheInstantByTheStepAndShowsItsLocalTime) {
    using namespace std::chrono;
    const auto zone = NamedZone::Find("America/New_York");
    ASSERT_TRUE(zone);
    for (const sys_days change : {sys_days{2026y / 3 / 8}, sys_days{2026y / 11 / 1}}) {
        for (sys_seconds at = change + 4h; at < change + 8h; at += 15min) {
            for (const int step : {60, -60, 1, -1}) {
                ElectionData e = LoadElectionDataFromNow(at, {}, zone->HoursAt(at), zone->Name());
                StepInstant(e, step);
                EXPECT_EQ(InstantOf(LocalDateTimeOf(e), e.ElectZone), at + minutes(step)) << step;
                EXPECT_EQ(e.ElectZone, zone->HoursAt(at + minutes(step)));
            }
        }
    }
}

// The whole window, title bar included, on the free area of the screen (below a top panel, at
// a scale factor of 2 a 2560 x 1440 screen is 1280 x 720); a smaller window only moves into it.
TEST(FitToAvailable, PutsTheFramedWindowOnTheFreeArea) {
    const QMargins frame(4, 30, 4, 4);
    const std::tuple<QSize, QRect, QRect, QRect> cases[] = {
        {{937, 767}, {20, 20, 937, 767}, {0, 28, 1024, 740}, {20, 58, 937, 706}},
        {{715, 596}, {0, 0, 715, 596}, {0, 0, 800, 600}, {4, 30, 715, 566}},
        {{937, 767}, {0, 0, 937, 767}, {0, 0, 1280, 720}, {4, 30, 937, 686}},
        {{400, 300}, {900, 200, 400, 300}, {0, 0, 1024, 768}, {620, 30, 400, 300}},
    };
    for (const auto& [wanted, now, available, fitted] : cases)
        EXPECT_EQ(FitToAvailable(wanted, now, available, frame), fitted) << available.width();
}

bool Acquired(const QString& lock) {
    return SingleInstanceGuard(lock).Acquired();
}

// A second start is refused while the first runs; a lock left by a killed process blocks nothing.
TEST(SingleInstance, RefusesASecondStartButNotTheLockOfAKilledProcess) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("orvantis.lock");
    {
        SingleInstanceGuard first(lock);
        EXPECT_TRUE(first.Acquired());
        EXPECT_FALSE(Acquired(lock));
    }
    const pid_t child = fork();
    if (child == 0) {
        SingleInstanceGuard held(lock);
        _exit(held.Acquired() ? 0 : 1);  // ends without releasing: the lock file stays
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(lock));
    EXPECT_TRUE(Acquired(lock));
}

// A lock file that names no owner may be one its writer is about to fill in; left so by a crash
// or a power cut it would block every start for good, so it is taken over once it is old.
TEST(SingleInstance, LockFileThatNamesNoOwnerIsTakenOverOnlyOnceItIsOld) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("orvantis.lock");
    for (const QByteArray& text : {QByteArray(), QByteArray("garbage\n")}) {
        ASSERT_TRUE(WriteFileWhole(lock, text));
        EXPECT_FALSE(Acquired(lock)) << text.constData();
        const timeval then[2] = {{time(nullptr) - 60, 0}, {time(nullptr) - 60, 0}};
        ASSERT_EQ(utimes(QFile::encodeName(lock).constData(), then), 0);
        EXPECT_TRUE(Acquired(lock)) << text.constData();
    }
}

}  // namespace
}  // namespace orvantis
