// Every save of the program goes through WriteFileWhole. Here it meets each fault half-way: a full
// disk, a file-size limit, a read-only folder, a folder where its file was, and a crash between
// writing and renaming. Afterwards the old file is whole, and the reason is given and no
// temporary file is left where the process lives on. Then each save of the program is wired to
// it once: the user is told, the file and the running values stay.
//
// The full disk (and, for root, the read-only folder) is a small tmpfs mounted for the test,
// which needs CAP_SYS_ADMIN; without it those cases are skipped with a message.
#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <atomic>
#include <cstring>
#include <functional>
#include <memory>

#include "fake_clock.h"
#include "files/whole_file.h"
#include "recording_notifier.h"
#include "shell/main_window.h"
#include "windows/options_window.h"
#include "windows/orbs_edit_window.h"

namespace {

// The file whose rename kills the process (the crash between write and rename); null: none.
std::atomic<const char*> g_die_at_rename_to{nullptr};
constexpr int kDiedAtRename = 75;

}  // namespace

// Stands in for the C library's rename(), which the saving routine calls through Qt to put the
// written temporary file over the original; every other rename goes on as usual.
extern "C" int rename(const char* from, const char* to) noexcept {
    const char* target = g_die_at_rename_to.load();
    if (target != nullptr && std::strcmp(to, target) == 0) _exit(kDiedAtRename);
    return renameat(AT_FDCWD, from, AT_FDCWD, to);
}

namespace orvantis {
namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

// A folder of its own for one case: on a 1 MiB tmpfs when asked (unmounted on every way out).
// The new text saved over its file "old" is 6000 bytes: several disk blocks, yet short enough to
// sit in the file device's buffer until the end, where a failure is easiest to miss.
struct Folder {
    QTemporaryDir dir;
    std::string mount_point;
    bool mounted = false;
    QString Path(const char* name) const { return dir.path() + "/" + name; }
    explicit Folder(bool tmpfs) : mount_point(StdPath(dir.path())) {
        if (tmpfs) mounted = mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=1024k") == 0;
    }
    ~Folder() {
        chmod(mount_point.c_str(), 0755);
        if (mounted) umount2(mount_point.c_str(), MNT_DETACH);
    }
};

const QByteArray kNewText(6000, 'n');

// Fills the file system of `folder` up to 4096 bytes with a file of its own.
bool FillDisk(const Folder& f) {
    const int fd = open(StdPath(f.Path("filler")).c_str(), O_WRONLY | O_CREAT, 0644);
    const std::string block(4096, 'x');
    off_t size = 0;
    for (ssize_t n = 4096; n == 4096; size += n > 0 ? n : 0) n = write(fd, block.data(), 4096);
    const bool freed = ftruncate(fd, size - 4096) == 0;
    close(fd);
    return fd >= 0 && freed;
}

// Writes beyond half the new text fail with EFBIG (SIGXFSZ ignored) while the object lives.
struct FileSizeLimit {
    rlimit old{};
    sighandler_t old_handler = signal(SIGXFSZ, SIG_IGN);
    FileSizeLimit() {
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit half{static_cast<rlim_t>(kNewText.size() / 2), old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &half);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, old_handler);
    }
};

// When the fault strikes: before the save, while it writes, or at its rename (the process dies).
enum class During { kSetUp, kWrite, kRename };

struct FaultCase {
    const char* name;
    bool tmpfs;
    std::function<bool(Folder&)> make;  // false: cannot be made here
    During during = During::kSetUp;
};

bool Nothing(Folder&) {
    return true;
}

const FaultCase kFaults[] = {
    {"disk full half-way", true, FillDisk},
    {"file-size limit half-way", false, Nothing, During::kWrite},
    {"read-only folder", geteuid() == 0,
     [](Folder& f) {
         // Permissions do not stop root: a read-only file system does.
         if (geteuid() != 0) return chmod(f.mount_point.c_str(), 0555) == 0;
         return mount(nullptr, f.mount_point.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) ==
                0;
     }},
    {"folder where the file was", false,
     [](Folder& f) {
         return QFile::remove(f.Path("old")) && QDir(f.dir.path()).mkdir("old") &&
                WriteBytes(f.Path("old") + "/kept", "kept");
     }},
    {"crash between write and rename", false, Nothing, During::kRename},
};

// Saves the new text over "old" in a child process that dies at the rename; "died" then.
std::optional<QString> SaveAndDieAtRename(const Folder& f) {
    const std::string target = StdPath(f.Path("old"));
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        g_die_at_rename_to = target.c_str();
        _exit(WriteFileWhole(f.Path("old"), kNewText) ? 0 : 1);  // only if it never renamed
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return "lost";
    EXPECT_EQ(WEXITSTATUS(status), kDiedAtRename) << "the save never came to its rename";
    return WEXITSTATUS(status) == 0 ? std::nullopt : std::optional<QString>("died");
}

// Saves the new text over "old" as the fault asks; the reason of a failure, nullopt if saved.
std::optional<QString> SaveOld(const Folder& f, During during) {
    if (during == During::kRename) return SaveAndDieAtRename(f);
    std::optional<FileSizeLimit> limit;
    if (during == During::kWrite) limit.emplace();
    QString reason;
    if (WriteFileWhole(f.Path("old"), kNewText, &reason)) return std::nullopt;
    return reason;
}

TEST(WriteFileWhole, EachFaultLeavesTheOldFileWholeAndSaysWhy) {
    for (const FaultCase& fault : kFaults) {
        SCOPED_TRACE(fault.name);
        Folder f(fault.tmpfs);
        if (fault.tmpfs && !f.mounted) {
            std::printf("skipped \"%s\": mounting a tmpfs was refused; run as root\n", fault.name);
            continue;
        }
        ASSERT_TRUE(WriteBytes(f.Path("old"), "the old text\n"));
        ASSERT_TRUE(fault.make(f)) << std::strerror(errno);
        const QStringList entries = Entries(f.dir.path());
        const std::optional<QString> failure = SaveOld(f, fault.during);
        EXPECT_FALSE(failure.value_or("").isEmpty()) << (failure ? "no reason" : "saved");
        if (QFileInfo(f.Path("old")).isDir())
            EXPECT_EQ(FileBytes(f.Path("old") + "/kept"), "kept");
        else
            EXPECT_EQ(FileBytes(f.Path("old")), "the old text\n");
        // A process that died cannot clean up after itself.
        if (fault.during != During::kRename) {
            EXPECT_EQ(Entries(f.dir.path()), entries) << "a temporary file was left behind";
        }
    }
}

// What the program has open when it saves: the windows and the main window's records.
struct Session {
    Folder folder{false};
    RecordingNotifier notifier;
    OptionValues options{};
    std::string caption_prefix = "Ann Orvantis (Tropical zodiac) - ";
    std::string owner = "Ann";
    QPointer<OptionsEditor> options_editor;
    QPointer<OrbsEdit> orbs_editor;
    FakeClock clock;
    std::unique_ptr<MainWindow> window;
    ~Session() {
        delete options_editor.data();
        delete orbs_editor.data();
    }
    void OpenOptions() {
        OptionsEditor::Open(options_editor, folder.dir.path(), folder.dir.path(), options,
                            caption_prefix, owner, notifier);
    }
};

// Each save of the program: the file it replaces, how it is opened and run, and the start of
// the message that tells the user it failed.
struct Site {
    const char* file;
    const char* message;
    std::function<void(Session&)> open;
    std::function<bool(Session&)> save;  // true when the save reported success
};

bool Quiet(Session& s, const std::function<void()>& act) {
    const auto before = s.notifier.problems.size();
    act();
    return s.notifier.problems.size() == before;
}

const Site kSites[] = {
    {"OPTIONS.OPT", "Cannot save ", [](Session& s) { s.OpenOptions(); },
     [](Session& s) { return s.options_editor->Save(); }},
    {"OPTIONS.OPT", kRestoreFailed, [](Session& s) { s.OpenOptions(); },
     [](Session& s) { return s.options_editor->RestoreDefaultSettings(); }},
    {"NATAL.ORB", "Cannot save ",
     [](Session& s) { s.orbs_editor = OrbsEdit::Open(s.folder.Path("NATAL.ORB"), s.notifier); },
     [](Session& s) { return Quiet(s, [&] { s.orbs_editor->btnSave()->click(); }); }},
    {"ORVANTIS.INI", "The settings file ORVANTIS.INI could not be saved",
     [](Session& s) {
         ShellEnvironment env;
         env.folders = {s.folder.dir.path(), s.folder.dir.path()};
         env.clock = &s.clock;
         env.notifier = &s.notifier;
         env.start_timer = false;
         s.window = std::make_unique<MainWindow>(env);
     },
     [](Session& s) { return Quiet(s, [&] { s.window->mnuFileExit_Click(); }); }},
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
        EXPECT_FALSE(site.save(s));
        EXPECT_TRUE(QFileInfo(s.folder.Path(site.file)).isDir());
        ASSERT_FALSE(s.notifier.problems.empty()) << "the user was not told";
        EXPECT_EQ(s.notifier.problems.back().text.rfind(site.message, 0), 0u)
            << s.notifier.problems.back().text;
        EXPECT_EQ(s.options, options_before);
        EXPECT_EQ(s.caption_prefix, "Ann Orvantis (Tropical zodiac) - ");
    }
}

}  // namespace
}  // namespace orvantis
