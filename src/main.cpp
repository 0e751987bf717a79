// Orvantis: the astrological clock. One instance per user; the window shows the live chart.
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "files/data_folders.h"
#include "files/whole_file.h"
#include "shell/clock.h"
#include "shell/main_window.h"
#include "shell/single_instance.h"
#include "shell/system_locale_regional.h"
#include "windows/message_box_notifier.h"

using namespace orvantis;

namespace {

// -h/--help and -v/--version answer on the terminal, with or without a display. Every other
// argument is Qt's (-platform, -style, -reverse ...), so an unknown one is no error here.
std::optional<int> AnswerTerminalOptions(int argc, char** argv) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, "this text");
    const QCommandLineOption version({"v", "version"}, "the program's version");
    parser.addOptions({help, version});
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    parser.parse(arguments);
    if (parser.isSet(version)) {
        std::puts("orvantis " ORVANTIS_VERSION);
        return 0;
    }
    if (!parser.isSet(help)) return std::nullopt;
    std::fputs(
        "usage: orvantis [-h | --help] [-v | --version] [Qt options]\n"
        "The astrological clock: the chart wheel of the present moment at the home place.\n"
        "Its Help menu explains every command; orvantis-chart prints charts on the terminal.\n",
        stdout);
    return 0;
}

// A variable set to nothing (DISPLAY= in a script) names no display either.
bool DisplayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

// Qt warns on the terminal when XDG_RUNTIME_DIR is not set (a root shell from su or sudo has
// none) or names a folder that is not private to the user; it then uses /tmp/runtime-<user>
// itself. That same folder, made private beforehand and named, keeps the start quiet.
void EnsurePrivateRuntimeDir() {
    // lstat: a link planted in /tmp by someone else is never taken for ours.
    const auto is_private = [](const char* path, bool mend = false) {
        struct stat info {};
        if (lstat(path, &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid())
            return false;
        if ((info.st_mode & 0777) == 0700) return true;
        return mend && chmod(path, 0700) == 0;
    };
    const char* set = std::getenv("XDG_RUNTIME_DIR");
    if (set && *set && is_private(set)) return;
    const std::string own = "/tmp/runtime-" + std::to_string(geteuid());
    mkdir(own.c_str(), 0700);
    if (is_private(own.c_str(), /*mend=*/true)) setenv("XDG_RUNTIME_DIR", own.c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto status = AnswerTerminalOptions(argc, argv)) return *status;
    if (!DisplayAvailable()) {
        std::fputs(
            "Orvantis needs a desktop display, and none was found.\n"
            "Run orvantis-chart (beside this program) for the present chart on the terminal,\n"
            "or start Orvantis inside a desktop session (or under xvfb-run).\n",
            stderr);
        return 1;
    }
    EnsurePrivateRuntimeDir();
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
    environment.owner_file_text = ReadFileWhole(QStringLiteral("MYNAME")).value_or("");
    environment.regional = ReadRegionalFormats(SystemLocaleRegional());
    environment.clock = &clock;
    environment.notifier = &notifier;

    MainWindow window(environment);
    window.show();
    return app.exec();
}
