// The time bar as a user sees it, in a 1920 x 1080 window: a play at a day a second, its painted
// frames counted and the late ones (more than one and a half refreshes after the one before),
// the CPU per frame, then the CPU of the shown but stopped bar. With --shots DIR it saves
// pictures of the window while the track is dragged and while it plays, and prints the caption.
//   xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/time_bar_run [--shots DIR]
#include <sys/resource.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QScreen>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <vector>

#include "shell/main_window.h"
#include "shell/time_bar.h"
#include "shell/wheel_view.h"

namespace {

using namespace orvantis;

class NoMessages : public Notifier {
public:
    void Notify(const Problem&) override {}
};

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The moments the wheel was painted, in ms from the start.
class PaintClock : public QObject {
public:
    PaintClock() { clock_.start(); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) paints.push_back(clock_.nsecsElapsed() / 1e6);
        return QObject::eventFilter(watched, event);
    }
    std::vector<double> paints;

private:
    QElapsedTimer clock_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int shots_at = args.indexOf("--shots");
    const QString shots = shots_at > 0 && shots_at + 1 < args.size() ? args[shots_at + 1] : "";

    QTemporaryDir dir;
    for (const char* name : {"OPTIONS.OPT", "NATAL.ORB", "HCDATA.DAT", "RADIUS.DAT", "querna.ttf"})
        QFile::copy(QString(ORVANTIS_BUILD_DIR) + "/" + name, dir.filePath(name));
    // Option 33 = 1: the window keeps the size given here.
    QFile options(dir.filePath("OPTIONS.OPT"));
    options.open(QIODevice::ReadOnly);
    QList<QByteArray> lines = options.readAll().split('\n');
    options.close();
    lines[32] = "1\r";
    options.open(QIODevice::WriteOnly | QIODevice::Truncate);
    options.write(lines.join('\n'));
    options.close();

    SystemClock clock;
    NoMessages notifier;
    ShellEnvironment env;
    env.folders = {dir.path(), dir.path()};
    env.clock = &clock;
    env.notifier = &notifier;
    MainWindow w(env);
    w.resize(1920, 1080);
    w.show();
    RunFor(500);
    w.findChild<QAction*>("mnuViewTimeBar")->trigger();
    TimeBar& bar = *w.TravelBar();
    bar.findChild<QComboBox*>("rateBox")->setCurrentIndex(2);  // 1 day/s
    RunFor(1500);                                              // the marks of the day
    const auto shoot = [&](const QString& name) {
        if (shots.isEmpty()) return;
        w.grab().save(shots + "/" + name + ".png");
        std::printf("%s: %s\n", qPrintable(name), qPrintable(w.windowTitle()));
    };
    shoot("0-stopped");

    if (!shots.isEmpty()) {
        auto* track = bar.findChild<QSlider*>("timeTrack");
        track->setSliderDown(true);
        for (int k = 1; k <= 3; ++k) {
            track->setValue(track->value() + 12000);
            RunFor(100);
            shoot(QString("1-scrub-%1").arg(k));
        }
        track->setSliderDown(false);
        RunFor(100);
    }

    PaintClock painted;
    w.Wheel()->installEventFilter(&painted);
    const double cpu_before = CpuSeconds();
    const int play_ms = 5000;
    bar.Play(+1);
    for (int k = 1; k <= 5; ++k) {
        RunFor(play_ms / 5);
        shoot(QString("2-play-%1").arg(k));
    }
    bar.Play(0);
    const double cpu_play = CpuSeconds() - cpu_before;
    w.Wheel()->removeEventFilter(&painted);
    const double refresh = w.screen()->refreshRate() > 1 ? w.screen()->refreshRate() : 60.0;
    int late = 0;
    for (std::size_t i = 1; i < painted.paints.size(); ++i)
        late += painted.paints[i] - painted.paints[i - 1] > 1.5 * 1000 / refresh;
    const auto frames = static_cast<double>(painted.paints.size());
    std::printf(
        "play at a day a second, 1920 x 1080: %.0f painted frames in %.1f s (%.1f/s at "
        "%.0f Hz), %d late, %.2f ms CPU a frame\n",
        frames, play_ms / 1000.0, frames * 1000 / play_ms, refresh, late,
        frames > 0 ? cpu_play * 1000 / frames : 0.0);
    shoot("3-stopped");
    if (!shots.isEmpty()) {
        bar.findChild<QComboBox*>("scaleBox")->setCurrentIndex(2);  // a month wide
        RunFor(3000);
        shoot("4-month");
        bar.JumpToEvent(+1);
        RunFor(300);
        shoot("5-next-event");
    }

    RunFor(1000);
    const int idle_ms = 10000;
    const double cpu_idle = CpuSeconds();
    RunFor(idle_ms);
    std::printf("bar shown, stopped: %.3f %% CPU over %d s (the caption's second tick included)\n",
                (CpuSeconds() - cpu_idle) * 100 / (idle_ms / 1000.0), idle_ms / 1000);
    return 0;
}
