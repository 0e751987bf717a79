// Start-up to the first painted chart, from the moment the process was created (so dynamic
// loading and Qt's own start count too), and the resident memory then. Run it under the
// display the program will use, e.g.  xvfb-run -a build/bench/startup_time
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include "shell/main_window.h"
#include "shell/wheel_view.h"

namespace {

using namespace orvantis;

class NoMessages : public Notifier {
public:
    void Notify(const Problem&) override {}
};

// Seconds since this process was created (field 22 of /proc/self/stat, in clock ticks).
double SecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    std::size_t at = text.rfind(')');
    for (int field = 2; field < 22 && at != std::string::npos; ++field) at = text.find(' ', at + 1);
    const double start = std::stod(text.substr(at + 1)) / sysconf(_SC_CLK_TCK);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return now.tv_sec + now.tv_nsec / 1e9 - start;
}

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // After this paint has finished:
            QTimer::singleShot(0, [] {
                std::printf("start-up to the first painted chart: %.3f s\n",
                            SecondsSinceProcessStart());
                std::printf("resident memory: %.1f MB\n", ResidentKilobytes() / 1024.0);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    for (const char* name : {"OPTIONS.OPT", "NATAL.ORB", "HCDATA.DAT", "RADIUS.DAT", "querna.ttf"})
        QFile::copy(QString(ORVANTIS_BUILD_DIR) + "/" + name, dir.filePath(name));
    SystemClock clock;
    NoMessages notifier;
    ShellEnvironment env;
    env.folders = {dir.path(), dir.path()};
    env.clock = &clock;
    env.notifier = &notifier;
    MainWindow window(env);
    FirstPaint watcher;
    window.Wheel()->installEventFilter(&watcher);
    window.show();
    return app.exec();
}
