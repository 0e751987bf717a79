// The shell's small parts: geometry presets, the wheel scale, the single-instance lock.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <vector>

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

// A child process that waits for `go` to close (when it is not -1), takes the lock, says
// whether it got it ('1' or '0') on `report`, and keeps it until `release` is closed; then it
// ends as it came, without unlocking. `parent_ends` are the pipe ends the child must not hold
// open, or it would never see the others close.
pid_t StartHolder(const QString& lock, int go, int report, int release,
                  std::initializer_list<int> parent_ends) {
    const pid_t child = fork();
    if (child != 0) return child;
    for (int fd : parent_ends) close(fd);
    char byte = 0;
    if (go >= 0 && read(go, &byte, 1) < 0) _exit(2);  // returns when the parent closes it
    SingleInstanceGuard guard(lock);
    const char got = guard.Acquired() ? '1' : '0';
    if (write(report, &got, 1) != 1) _exit(2);
    while (read(release, &byte, 1) > 0) {
    }
    _exit(0);
}

TEST(SingleInstance, LockOfAProcessKilledWhileRunningDoesNotBlockTheNextStart) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("orvantis.lock");
    int report[2], release[2];
    ASSERT_EQ(pipe(report), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t holder = StartHolder(lock, -1, report[1], release[0], {report[0], release[1]});
    ASSERT_GT(holder, 0);
    char got = 0;
    ASSERT_EQ(read(report[0], &got, 1), 1);
    ASSERT_EQ(got, '1');
    {
        SingleInstanceGuard second(lock);  // the holder still runs
        EXPECT_FALSE(second.Acquired());
    }
    kill(holder, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(holder, &status, 0), holder);
    EXPECT_TRUE(WIFSIGNALED(status));
    ASSERT_TRUE(QFile::exists(lock));
    SingleInstanceGuard next(lock);
    EXPECT_TRUE(next.Acquired());
    for (int fd : {report[0], report[1], release[0], release[1]}) close(fd);
}

TEST(SingleInstance, StartsAtTheSameMomentGiveExactlyOneHolder) {
    constexpr int kStarts = 8;
    for (int round = 0; round < 10; ++round) {
        QTemporaryDir dir;
        const QString lock = dir.filePath("orvantis.lock");
        int go[2], report[2], release[2];
        ASSERT_EQ(pipe(go), 0);
        ASSERT_EQ(pipe(report), 0);
        ASSERT_EQ(pipe(release), 0);
        std::vector<pid_t> children;
        for (int i = 0; i < kStarts; ++i) {
            children.push_back(
                StartHolder(lock, go[0], report[1], release[0], {go[1], report[0], release[1]}));
            ASSERT_GT(children.back(), 0);
        }
        close(go[1]);  // every child reads end-of-file at once: they race for the lock
        int holders = 0;
        for (int i = 0; i < kStarts; ++i) {
            char got = 0;
            ASSERT_EQ(read(report[0], &got, 1), 1);
            if (got == '1') ++holders;
        }
        EXPECT_EQ(holders, 1) << "round " << round;
        close(release[1]);
        for (pid_t child : children) {
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        for (int fd : {go[0], report[0], report[1], release[0]}) close(fd);
    }
}

// Sets the modification time of `path` `seconds` into the past.
void Age(const QString& path, int seconds) {
    timeval now;
    gettimeofday(&now, nullptr);
    const timeval then{now.tv_sec - seconds, 0};
    const timeval times[2] = {then, then};
    ASSERT_EQ(utimes(QFile::encodeName(path).constData(), times), 0);
}

TEST(SingleInstance, LockFileThatNamesNoOwnerIsTakenOverOnceItIsOld) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("orvantis.lock");
    for (const QByteArray& text : {QByteArray(), QByteArray("\n"), QByteArray("garbage\n")}) {
        {
            QFile file(lock);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(text);
        }
        // Just created: its writer may be about to fill it in.
        EXPECT_FALSE(SingleInstanceGuard(lock).Acquired()) << text.constData();
        // Left so by a crash or a power cut: it would block every start for good.
        Age(lock, 60);
        SingleInstanceGuard next(lock);
        EXPECT_TRUE(next.Acquired()) << text.constData();
    }
}

TEST(SingleInstance, RunningInstanceKeepsItsLockEvenWhenItsFileLostItsText) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("orvantis.lock");
    int report[2], release[2];
    ASSERT_EQ(pipe(report), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t holder = StartHolder(lock, -1, report[1], release[0], {report[0], release[1]});
    ASSERT_GT(holder, 0);
    char got = 0;
    ASSERT_EQ(read(report[0], &got, 1), 1);
    ASSERT_EQ(got, '1');
    ASSERT_TRUE(QFile::resize(lock, 0));
    Age(lock, 60);
    EXPECT_FALSE(SingleInstanceGuard(lock).Acquired());
    close(release[1]);
    int status = 0;
    waitpid(holder, &status, 0);
    for (int fd : {report[0], report[1], release[0]}) close(fd);
}

TEST(SingleInstance, LockNamingAProcessIdNowUsedByAnotherProgramIsTakenOver) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("orvantis.lock");
    {
        // The process id of the parent (the test runner), under another program's name.
        QFile file(lock);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(getppid()) + "\norvantis-of-another-name\n\n");
    }
    SingleInstanceGuard next(lock);
    EXPECT_TRUE(next.Acquired());
}

}  // namespace
}  // namespace orvantis
