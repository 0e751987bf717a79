// The file edge: Qt file names and standard paths name the same file in any locale, and the
// reader refuses what is no regular file without blocking.
#include "files/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <clocale>
#include <string>

#include "settings/text_lines.h"

namespace orvantis {
namespace {

// Names users give their files: Latin letters with marks, Greek, CJK, a character beyond the
// 16-bit plane (a surrogate pair in QString), blanks and a tab.
const char* const kNames[] = {"NATAL.ORB",  "Ärger über Öl.ORB", "Ωρίων",
                              "星図 2.ORB", "\U0001F70Eearth",   "tab\tand blanks "};

TEST(FilePaths, NonAsciiNamesRoundTripAndNameTheSameFileInEveryLocale) {
    QTemporaryDir dir;
    const std::string old_locale = std::setlocale(LC_ALL, nullptr);
    for (const char* locale : {"C", "C.UTF-8", "POSIX", ""}) {
        if (std::setlocale(LC_ALL, locale) == nullptr) continue;
        for (const char* name : kNames) {
            SCOPED_TRACE(std::string(locale) + " " + name);
            const QString qt_path = dir.filePath(QString::fromUtf8(name));
            const std::filesystem::path std_path = StdPath(qt_path);
            EXPECT_EQ(QtPath(std_path), qt_path);
            EXPECT_EQ(std_path.filename().native(), name);
            // Written on the Qt side, read by the core's reader, and back.
            ASSERT_TRUE(WriteFileWhole(qt_path, name));
            EXPECT_EQ(ReadTextFile(std_path), name);
            EXPECT_EQ(ReadFileWhole(QtPath(std_path)), name);
        }
    }
    std::setlocale(LC_ALL, old_locale.c_str());
}

TEST(ReadFileWhole, RefusesWhatIsNoRegularFileAndSaysWhy) {
    QTemporaryDir dir;
    ASSERT_EQ(mkfifo(StdPath(dir.filePath("pipe")).c_str(), 0600), 0);
    alarm(20);  // opening the pipe would block: a failure ends the run instead of hanging it
    for (const char* name : {"missing", ".", "pipe"}) {
        SCOPED_TRACE(name);
        QString reason;
        EXPECT_EQ(ReadFileWhole(dir.filePath(name), &reason), std::nullopt);
        EXPECT_FALSE(reason.isEmpty());
    }
    alarm(0);
}

}  // namespace
}  // namespace orvantis
