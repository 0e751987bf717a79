// Orvantis: the astrological clock. One instance per user; the window shows the live chart.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "settings/system_locale_regional.h"
#include "settings/text_lines.h"
#include "shell/clock.h"
#include "shell/data_folders.h"
#include "shell/main_window.h"
#include "shell/single_instance.h"
#include "windows/message_box_notifier.h"

using namespace orvantis;

namespace {

bool DisplayAvailable() {
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") ||
           std::getenv("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fputs(
            "Orvantis needs a desktop display, and none was found.\n"
            "Run orvantis-chart (beside this program) for the present chart on the terminal,\n"
            "or start Orvantis inside a desktop session (or under xvfb-run).\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvantis");
    QApplication::setWindowIcon(QIcon(":/org.orvantis.Orvantis.svg"));
    // Names the launcher of the running window (Wayland app id, taskbar grouping).
    QGuiApplication::setDesktopFileName("org.orvantis.Orvantis");

    SingleInstanceGuard guard(SingleInstanceGuard::DefaultLockPath());
    if (!guard.Acquired()) {
        QMessageBox::critical(nullptr, "WARNING!",
                              "Orvantis is already running. For your protection you cannot have "
                              "more than one copy of Orvantis running at a time.");
        return 1;
    }

    SystemClock clock;
    MessageBoxNotifier notifier;
    ShellEnvironment environment;
    environment.folders = SystemDataFolders(QCoreApplication::applicationDirPath());
    if (const auto problem = SeedSettings(environment.folders)) notifier.Notify(*problem);
    environment.owner_file_text = ReadTextFile("MYNAME").value_or("");
    environment.regional = ReadRegionalFormats(SystemLocaleRegional());
    environment.clock = &clock;
    environment.notifier = &notifier;

    MainWindow window(environment);
    window.show();
    return app.exec();
}
