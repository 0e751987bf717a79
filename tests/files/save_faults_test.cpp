// Every save goes through WriteFileWhole: each fault met half-way leaves the old file whole, and a
// save that lives on says why and leaves no temporary file. Each save of the program is wired to
// it once. The full disk (and, for root, the read-only folder) needs a tmpfs (CAP_SYS_ADMIN).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QPointer>
#include <QTemporaryDir>
#include <atomic>
#include <cctype>
#include <functional>
#include <memory>

#include "fake_clock.h"
#include "files/whole_file.h"
#include "recording_notifier.h"
#include "settings/text_lines.h"
#include "shell/main_window.h"
#include "windows/options_window.h"

namespace {

// Set, the next rename kills the process: the crash between write and rename.
std::atomic<bool> g_die_at_rename{false};
constexpr int kDiedAtRename = 75;

}  // namespace

// Stands in for the C library's rename(), which the saving routine calls through Qt to put the
// written temporary file over the original; every other rename goes on as usual.
extern "C" int rename(const char* from, const char* to) noexcept {
    if (g_die_at_rename) _exit(kDiedAtRename);
    return renameat(AT_FDCWD, from, AT_FDCWD, to);
}

namespace orvantis {
namespace {

// A folder of its own for one case, on a tmpfs of two 4 KiB pages when asked (unmounted on every
// way out): beside the old file's page, one is left for the new text.
struct Folder {
    QTemporaryDir dir;
    std::string mount_point = StdPath(dir.path());
    bool mounted = false;
    QString Path(const char* name) const { return dir.path() + "/" + name; }
    explicit Folder(bool tmpfs) {
        if (tmpfs) mounted = mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=8k") == 0;
    }
    ~Folder() {
        chmod(mount_point.c_str(), 0755);
        if (mounted) umount2(mount_point.c_str(), MNT_DETACH);
    }
};

// 6000 bytes: several disk blocks, yet short enough to sit in the file device's buffer until
// the end, where a failure is easiest to miss.
const QByteArray kNewText(6000, 'n');

// The saving process's exit status.
constexpr int kSaved = 0, kFailedWithReason = 1, kFailedWithoutReason = 2, kNotMade = 3;

struct FaultCase {
    const char* name;
    bool tmpfs;
    std::function<bool(const Folder&)> make;  // run in the saving process; false: not made
    int outcome = kFailedWithReason;
};

void PrintTo(const FaultCase& fault, std::ostream* os) {
    *os << fault.name;
}

const FaultCase kFaults[] = {
    {"disk full half-way", true, [](const Folder&) { return true; }},
    {"file-size limit half-way", false,
     [](const Folder&) {  // writes fail with EFBIG, not the signal
         const rlimit half{static_cast<rlim_t>(kNewText.size() / 2), RLIM_INFINITY};
         return signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &half) == 0;
     }},
    {"read-only folder", geteuid() == 0,
     [](const Folder& f) {
         // Permissions do not stop root: a read-only file system does.
         if (geteuid() != 0) return chmod(f.mount_point.c_str(), 0555) == 0;
         return mount(nullptr, f.mount_point.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) ==
                0;
     }},
    {"folder where the file was", false,
     [](const Folder& f) {
         return QFile::remove(f.Path("old")) && QDir(f.dir.path()).mkdir("old") &&
                WriteFileWhole(f.Path("old") + "/kept", "kept");
     }},
    {"crash between write and rename", false, [](const Folder&) { return g_die_at_rename = true; },
     kDiedAtRename},
};

// Makes the fault and saves the new text over "old" in a child process, so that a limit or a
// crash stays there; the child's exit status.
int SaveInChild(const Folder& f, const FaultCase& fault) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        if (!fault.make(f)) _exit(kNotMade);
        QString reason;
        if (WriteFileWhole(f.Path("old"), kNewText, &reason)) _exit(kSaved);
        _exit(reason.isEmpty() ? kFailedWithoutReason : kFailedWithReason);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

class WriteFileWholeFault : public testing::TestWithParam<FaultCase> {};

TEST_P(WriteFileWholeFault, LeavesTheOldFileWholeAndSaysWhy) {
    const FaultCase& fault = GetParam();
    Folder f(fault.tmpfs);
    if (fault.tmpfs && !f.mounted) GTEST_SKIP() << "mounting a tmpfs was refused; run as root";
    ASSERT_TRUE(WriteFileWhole(f.Path("old"), "the old text\n"));
    EXPECT_EQ(SaveInChild(f, fault), fault.outcome);
    // Read by the core's reader, apart from the writer under test.
    const bool folder = QFileInfo(f.Path("old")).isDir();
    EXPECT_EQ(ReadTextFile(StdPath(f.Path(folder ? "old/kept" : "old"))),
              folder ? "kept" : "the old text\n");
    // A process that died cannot clean up after itself.
    if (fault.outcome != kDiedAtRename) {
        EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"old"})
            << "a temporary file was left behind";
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, WriteFileWholeFault, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<FaultCase>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             return name;
                         });

// What the program has open when it saves: the windows and the main window's records.
struct Session {
    Folder folder{false};
    RecordingNotifier notifier;
    OptionValues options{};
    std::string caption_prefix = "Ann Orvantis (Tropical zodiac) - ";
    std::string owner = "Ann";
    QPointer<OptionsEditor> options_editor;
    FakeClock clock;
    std::unique_ptr<MainWindow> window;
    ~Session() { delete options_editor.data(); }
    void OpenOptions() {
        OptionsEditor::Open(options_editor, folder.dir.path(), folder.dir.path(), options,
                            caption_prefix, owner, notifier);
    }
};

// Each save of the program (the orb file editor saves as the options editor does): the file it
// replaces, how it is opened and run, and the start of the message that tells the user it failed.
struct Site {
    const char* file;
    const char* message;
    std::function<void(Session&)> open, save;
};

const Site kSites[] = {
    {"OPTIONS.OPT", "Cannot save ", [](Session& s) { s.OpenOptions(); },
     [](Session& s) { EXPECT_FALSE(s.options_editor->Save()); }},
    {"OPTIONS.OPT", kRestoreFailed, [](Session& s) { s.OpenOptions(); },
     [](Session& s) { EXPECT_FALSE(s.options_editor->RestoreDefaultSettings()); }},
    {"ORVANTIS.INI", "The settings file ORVANTIS.INI could not be saved",
     [](Session& s) {
         const DataFolders folders{s.folder.dir.path(), s.folder.dir.path()};
         s.window = std::make_unique<MainWindow>(
             ShellEnvironment{folders, "", {}, &s.clock, &s.notifier, false});
     },
     [](Session& s) { s.window->onFileExit(); }},
};

TEST(SaveSites, EachSaveTellsTheUserAndKeepsTheFileAndTheRunningValues) {
    for (const Site& site : kSites) {
        SCOPED_TRACE(site.file);
        Session s;
        for (const char* name : {"OPTIONS.OPT", "OPTIONS.MAS", "NATAL.ORB", "HCDATA.DAT",
                                 "RADIUS.DAT", "querna.ttf"}) {
            QFile::copy(QStringLiteral(ORVANTIS_BUILD_DIR "/") + name, s.folder.Path(name));
        }
        site.open(s);
        ASSERT_TRUE(s.notifier.problems.empty()) << s.notifier.problems.front().text;
        QFile::remove(s.folder.Path(site.file));
        ASSERT_TRUE(QDir(s.folder.dir.path()).mkdir(site.file));
        const OptionValues options_before = s.options;
        site.save(s);
        EXPECT_TRUE(QFileInfo(s.folder.Path(site.file)).isDir());
        ASSERT_EQ(s.notifier.problems.size(), 1u) << "the user was not told";
        EXPECT_EQ(s.notifier.problems[0].text.rfind(site.message, 0), 0u)
            << s.notifier.problems[0].text;
        EXPECT_EQ(s.options, options_before);
        EXPECT_EQ(s.caption_prefix, "Ann Orvantis (Tropical zodiac) - ");
    }
}

}  // namespace
}  // namespace orvantis
