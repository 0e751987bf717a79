// The shell's small parts: the wheel scale, the window placement and the single-instance lock.
#include <gtest/gtest.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "files/whole_file.h"
#include "shell/single_instance.h"
#include "wheel/window_geometry.h"

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
