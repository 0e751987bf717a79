// The shell's small parts: geometry presets, the wheel scale, the single-instance lock.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "shell/single_instance.h"
#include "shell/window_geometry.h"

namespace orvantis {
namespace {

TEST(StartScale, FollowsTheShorterSideOfTheClientArea) {
    EXPECT_EQ(StartScaleFor(640, 480), 304);
    EXPECT_EQ(StartScaleFor(800, 600), 304);
    EXPECT_EQ(StartScaleFor(1024, 768), 304);
    EXPECT_EQ(StartScaleFor(640, -480), 304);  // a negative height counts by its size
    EXPECT_EQ(StartScaleFor(480, 640), 244);
    EXPECT_EQ(StartScaleFor(1920, 1080), 405);
    EXPECT_EQ(StartScaleFor(1001, 1000), 228);       // 228.228 rounds down
    EXPECT_EQ(StartScaleFor(0, 480), std::nullopt);  // degenerate: keep the previous scale
    EXPECT_EQ(StartScaleFor(640, 0), std::nullopt);
}

TEST(GeometryPreset, ChosenByScreenWidthAndPixelSize) {
    EXPECT_EQ(ChooseGeometryPreset(640, 15).PresetWidth, 8490);
    EXPECT_EQ(ChooseGeometryPreset(800, 15).PresetWidth, 10725);
    EXPECT_EQ(ChooseGeometryPreset(800, 12).PresetWidth, 8400);
    EXPECT_EQ(ChooseGeometryPreset(1920, 15).PresetWidth, 14050);
    EXPECT_EQ(ChooseGeometryPreset(1920, 12).PresetHeight, 9204);
}

TEST(SingleInstance, SecondStartIsRefusedUntilTheFirstEnds) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("orvantis.lock");
    {
        SingleInstanceGuard first(lock);
        EXPECT_TRUE(first.Acquired());
        SingleInstanceGuard second(lock);
        EXPECT_FALSE(second.Acquired());
    }
    SingleInstanceGuard after(lock);
    EXPECT_TRUE(after.Acquired());
}

TEST(SingleInstance, LockOfAKilledProcessDoesNotBlockTheNextStart) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("orvantis.lock");
    const pid_t child = fork();
    if (child == 0) {
        SingleInstanceGuard held(lock);
        _exit(held.Acquired() ? 0 : 1);  // ends without releasing: the lock file stays
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(lock));
    SingleInstanceGuard next(lock);
    EXPECT_TRUE(next.Acquired());
}

}  // namespace
}  // namespace orvantis
