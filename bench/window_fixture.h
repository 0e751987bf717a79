// One main window on a copy of the built data files, with a clock the benchmark sets and no
// message boxes: the set-up the window benchmarks share. Qt runs offscreen.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <memory>

#include "shell/main_window.h"

namespace orvantis::bench {

class SteppedClock : public Clock {
public:
    std::chrono::system_clock::time_point Now() const override { return now; }
    std::chrono::system_clock::time_point now =
        std::chrono::sys_days{std::chrono::year{2026} / 12 / 6} + std::chrono::hours{10} +
        std::chrono::seconds{1};
};

class NoMessages : public Notifier {
public:
    void Notify(const Problem&) override {}
};

struct WindowFixture {
    WindowFixture() {
        for (const char* name :
             {"OPTIONS.OPT", "NATAL.ORB", "HCDATA.DAT", "RADIUS.DAT", "querna.ttf"})
            QFile::copy(QString(ORVANTIS_BUILD_DIR) + "/" + name, dir.filePath(name));
        ShellEnvironment env;
        env.folders = {dir.path(), dir.path()};
        env.clock = &clock;
        env.notifier = &notifier;
        env.start_timer = false;
        window = std::make_unique<MainWindow>(env);
    }
    QTemporaryDir dir;
    SteppedClock clock;
    NoMessages notifier;
    std::unique_ptr<MainWindow> window;
};

}  // namespace orvantis::bench
