// Every save of the program meets a fault half-way: the options editor's Save and Restore Default
// Settings, the orb editor's Save and ORVANTIS.INI at exit, each on a full disk, past a file-size
// limit, in a read-only folder, with a folder where its file was, and killed between writing and
// renaming. Afterwards the old file is whole, the user has been told, and no temporary file is
// left in the folder.
//
// The full disk and the read-only folder are a small tmpfs mounted for the test, which needs
// root (CAP_SYS_ADMIN); without it those cases are skipped with a message.
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
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "fake_clock.h"
#include "recording_notifier.h"
#include "settings/ini_file.h"
#include "shell/clock.h"
#include "shell/main_window.h"
#include "windows/options_window.h"
#include "windows/orbs_edit_window.h"

namespace {

// The file whose rename kills the process (the crash between write and rename); empty: none.
std::atomic<const char*> g_die_at_rename_to{nullptr};
constexpr int kDiedAtRename = 75;

}  // namespace

// Stands in for the C library's rename(), which the saving routine calls through Qt to put the
// written temporary file over the original: a test can make the process die right there. Every
// other rename goes on as usual.
extern "C" int rename(const char* from, const char* to) noexcept {
    const char* target = g_die_at_rename_to.load();
    if (target != nullptr && std::strcmp(to, target) == 0) _exit(kDiedAtRename);
    return renameat(AT_FDCWD, from, AT_FDCWD, to);
}

namespace orvantis {
namespace {

using namespace std::chrono;

// A tmpfs of `size_kib` mounted over `path` for the life of the object, so that a test can fill
// it or make it read-only; unmounted on every way out, a failed test included.
class TmpfsMount {
public:
    TmpfsMount(const QString& path, int size_kib) : path_(QFile::encodeName(path).toStdString()) {
        const std::string options = "size=" + std::to_string(size_kib) + "k,mode=0755";
        mounted_ = mount("tmpfs", path_.c_str(), "tmpfs", 0, options.c_str()) == 0;
        error_ = mounted_ ? 0 : errno;
    }
    ~TmpfsMount() {
        if (mounted_) umount2(path_.c_str(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool Mounted() const { return mounted_; }
    std::string Error() const { return std::strerror(error_); }
    bool RemountReadOnly() {
        return mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    std::string path_;
    bool mounted_ = false;
    int error_ = 0;
};

// Fills the file system of `folder` up to `leave` bytes (rounded to its blocks) with a file of
// its own; false when the disk never filled.
bool FillDisk(const QString& folder, off_t leave) {
    const std::string path = QFile::encodeName(folder + "/filler").toStdString();
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    const std::string block(4096, 'x');
    off_t size = 0;
    bool full = false;
    while (!full) {
        const ssize_t n = write(fd, block.data(), block.size());
        if (n > 0) size += n;
        full = n < static_cast<ssize_t>(block.size());
    }
    const bool freed = leave == 0 || ftruncate(fd, size > leave ? size - leave : 0) == 0;
    close(fd);
    return freed;
}

// Writes beyond `bytes` fail with EFBIG (SIGXFSZ ignored) while the object lives: a file that
// stops growing half-way without needing a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        old_handler_ = signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, old_handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    sighandler_t old_handler_ = SIG_DFL;
};

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
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

// `lines` lines of text of about 60 characters: a file several disk blocks long.
QString LongText(const char* what, int lines) {
    QString text;
    for (int i = 1; i <= lines; ++i)
        text += QStringLiteral("%1 line %2 written by the save fault tests, padded out\n")
                    .arg(QLatin1String(what))
                    .arg(i);
    return text;
}

// What the program has open when it saves: the windows and the main window's records.
struct Session {
    QString folder;
    RecordingNotifier notifier;
    OptionValues options{};
    std::string caption_prefix = "Ann Orvantis (Tropical zodiac) - ";
    std::string owner = "Ann";
    QPointer<Options> options_editor;
    QPointer<OrbsEdit> orbs_editor;
    FakeClock clock;
    std::unique_ptr<MainWindow> window;

    QString Path(const char* name) const { return folder + "/" + name; }
    ~Session() {
        delete options_editor.data();
        delete orbs_editor.data();
    }
};

// One of the program's saves: the file it replaces, how it is opened and run, and the start of
// the message that tells the user it failed. `size` is about the number of bytes it writes: the
// editors' texts are a few disk blocks long, yet short enough to sit in the file device's write
// buffer until the end, where a failure is easiest to miss.
struct Site {
    const char* name;
    const char* file;
    const char* message;
    qint64 size;
    off_t disk_left;  // free bytes on the full disk: some of the text fits, the rest does not
    std::function<bool(Session&)> open;  // false when it could not be opened
    std::function<bool(Session&)> save;  // true when the save reported success
};

const Site kOptionsSave{"options editor Save",
                        "OPTIONS.OPT",
                        "Cannot save ",
                        6000,
                        4096,
                        [](Session& s) {
                            Options::Open(s.options_editor, s.folder, s.folder, s.options,
                                          s.caption_prefix, s.owner, s.notifier);
                            if (!s.options_editor) return false;
                            s.options_editor->txtContent()->setPlainText(LongText("option", 100));
                            return true;
                        },
                        [](Session& s) { return s.options_editor->Save(); }};

const Site kRestoreDefault{
    "Restore Default Settings",
    "OPTIONS.OPT",
    kRestoreFailed,
    6000,
    4096,
    [](Session& s) {
        // A master file longer than the room left on the full disk: the copy stops half-way.
        if (!WriteBytes(s.Path("OPTIONS.MAS"), LongText("master", 100).toLatin1())) return false;
        Options::Open(s.options_editor, s.folder, s.folder, s.options, s.caption_prefix, s.owner,
                      s.notifier);
        return !s.options_editor.isNull();
    },
    [](Session& s) { return s.options_editor->RestoreDefaultSettings(); }};

const Site kOrbsSave{"orb editor Save",
                     "NATAL.ORB",
                     "Cannot save ",
                     6000,
                     4096,
                     [](Session& s) {
                         s.orbs_editor = OrbsEdit::Open(s.Path("NATAL.ORB"), s.notifier);
                         if (!s.orbs_editor) return false;
                         s.orbs_editor->txtContent()->setPlainText(LongText("orb", 100));
                         return true;
                     },
                     [](Session& s) {
                         const auto before = s.notifier.problems.size();
                         s.orbs_editor->btnSave()->click();
                         return s.notifier.problems.size() == before;
                     }};

const Site kIniAtExit{"ORVANTIS.INI at exit",
                      "ORVANTIS.INI",
                      "The settings file ORVANTIS.INI could not be saved",
                      128,
                      0,
                      [](Session& s) {
                          ShellEnvironment env;
                          env.folders = {s.folder, s.folder};
                          env.owner_file_text = "Ann\r\n";
                          env.clock = &s.clock;
                          env.notifier = &s.notifier;
                          env.start_timer = false;
                          s.window = std::make_unique<MainWindow>(env);
                          return s.notifier.problems.empty();
                      },
                      [](Session& s) {
                          const auto before = s.notifier.problems.size();
                          s.window->mnuFileExit_Click();
                          return s.notifier.problems.size() == before;
                      }};

const Site* const kSites[] = {&kOptionsSave, &kRestoreDefault, &kOrbsSave, &kIniAtExit};

enum class Fault { kDiskFull, kFileSizeLimit, kReadOnlyFolder, kFolderInTheWay };

class SaveFaults : public ::testing::Test {
protected:
    // A fresh folder with the program's data files and an ORVANTIS.INI of the last run; on a
    // tmpfs of its own when `on_tmpfs` (false, with the reason given, when it cannot be mounted).
    bool Prepare(Session& s, bool on_tmpfs) {
        dir_ = std::make_unique<QTemporaryDir>();
        if (!dir_->isValid()) return false;
        if (on_tmpfs) {
            mount_ = std::make_unique<TmpfsMount>(dir_->path(), 1024);
            if (!mount_->Mounted()) return false;
        }
        s.folder = dir_->path();
        for (const char* name :
             {"OPTIONS.OPT", "OPTIONS.MAS", "NATAL.ORB", "HCDATA.DAT", "RADIUS.DAT"}) {
            if (!QFile::copy(QStringLiteral(ORVANTIS_DATA_DIR "/") + name, s.Path(name)))
                return false;
        }
        if (!QFile::copy(QStringLiteral(ORVANTIS_BUILD_DIR "/querna.ttf"), s.Path("querna.ttf")))
            return false;
        const std::string ini = WriteSettingsIni(304, 1, WindowGeometry{});
        return WriteBytes(s.Path("ORVANTIS.INI"), QByteArray::fromStdString(ini));
    }

    // Makes `fault` happen to the save of `site` (opened already); false when it cannot be made.
    bool MakeFault(Fault fault, const Site& site, Session& s) {
        switch (fault) {
            case Fault::kDiskFull:
                return FillDisk(s.folder, site.disk_left);
            case Fault::kReadOnlyFolder:
                if (geteuid() != 0) {
                    read_only_ = s.folder;
                    return chmod(QFile::encodeName(s.folder).constData(), 0555) == 0;
                }
                // Permissions do not stop root: a read-only file system does.
                return mount_ && mount_->RemountReadOnly();
            case Fault::kFolderInTheWay:
                return QFile::remove(s.Path(site.file)) && QDir(s.folder).mkdir(site.file) &&
                       WriteBytes(s.Path(site.file) + "/kept", "kept");
            case Fault::kFileSizeLimit:
                return true;  // made around the save itself
        }
        return false;
    }

    // Gives the folder back: writable again, unmounted, removed.
    void Release() {
        if (!read_only_.isEmpty()) chmod(QFile::encodeName(read_only_).constData(), 0755);
        read_only_.clear();
        mount_.reset();
        dir_.reset();
    }

    void TearDown() override { Release(); }

    // Runs every save against `fault` and checks what the user is left with.
    void Check(Fault fault) {
        const bool on_tmpfs =
            fault == Fault::kDiskFull || (fault == Fault::kReadOnlyFolder && geteuid() == 0);
        for (const Site* site : kSites) {
            SCOPED_TRACE(site->name);
            Session s;
            if (!Prepare(s, on_tmpfs)) {
                if (mount_ && !mount_->Mounted())
                    GTEST_SKIP() << "this case needs a tmpfs of its own, and mounting one was "
                                    "refused ("
                                 << mount_->Error() << "); run the tests as root to include it";
                FAIL() << "the data files could not be copied";
            }
            ASSERT_TRUE(site->open(s))
                << (s.notifier.problems.empty() ? std::string("nothing opened")
                                                : s.notifier.problems.front().text);
            const QByteArray before = FileBytes(s.Path(site->file));
            const OptionValues options_before = s.options;
            const std::string caption_before = s.caption_prefix;
            ASSERT_TRUE(MakeFault(fault, *site, s)) << std::strerror(errno);
            const QStringList entries = Entries(s.folder);

            bool saved = false;
            if (fault == Fault::kFileSizeLimit) {
                FileSizeLimit limit(static_cast<rlim_t>(site->size / 2));
                saved = site->save(s);
            } else {
                saved = site->save(s);
            }

            EXPECT_FALSE(saved);
            if (fault == Fault::kFolderInTheWay) {
                EXPECT_TRUE(QFileInfo(s.Path(site->file)).isDir());
                EXPECT_EQ(FileBytes(s.Path(site->file) + "/kept"), "kept");
            } else {
                EXPECT_EQ(FileBytes(s.Path(site->file)), before) << "the old file was not kept";
            }
            ASSERT_FALSE(s.notifier.problems.empty()) << "the user was not told";
            EXPECT_EQ(s.notifier.problems.back().text.rfind(site->message, 0), 0u)
                << s.notifier.problems.back().text;
            EXPECT_EQ(Entries(s.folder), entries) << "a temporary file was left behind";
            // A failed options save changes nothing the main window shows.
            EXPECT_EQ(s.options, options_before);
            EXPECT_EQ(s.caption_prefix, caption_before);
            Release();
        }
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TmpfsMount> mount_;  // after dir_: unmounted before the folder goes
    QString read_only_;
};

TEST_F(SaveFaults, DiskFullHalfWay) {
    Check(Fault::kDiskFull);
}

TEST_F(SaveFaults, FileSizeLimitHalfWay) {
    Check(Fault::kFileSizeLimit);
}

TEST_F(SaveFaults, ReadOnlyFolder) {
    Check(Fault::kReadOnlyFolder);
}

TEST_F(SaveFaults, FolderWhereTheFileWas) {
    Check(Fault::kFolderInTheWay);
}

// The process dies after the new text is written whole and before it is renamed over the
// original: the original is still there, whole.
TEST_F(SaveFaults, CrashBetweenWriteAndRenameKeepsTheOldFile) {
    for (const Site* site : kSites) {
        SCOPED_TRACE(site->name);
        Session s;
        ASSERT_TRUE(Prepare(s, false));
        ASSERT_TRUE(site->open(s));
        const QByteArray before = FileBytes(s.Path(site->file));
        const std::string target = QFile::encodeName(s.Path(site->file)).toStdString();

        std::fflush(nullptr);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            g_die_at_rename_to = target.c_str();
            _exit(site->save(s) ? 0 : 1);  // reached only when the save never renamed
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_EQ(WEXITSTATUS(status), kDiedAtRename) << "the save never came to its rename";
        EXPECT_EQ(FileBytes(s.Path(site->file)), before);

        // And the same save, not interrupted, goes through.
        EXPECT_TRUE(site->save(s));
        if (site != &kIniAtExit) {
            EXPECT_NE(FileBytes(s.Path(site->file)), before);
        }
        Release();
    }
}

}  // namespace
}  // namespace orvantis
