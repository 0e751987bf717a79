// The chart library on a database in a temporary folder: what a save, a rename and an import do
// with names, and that a writer killed at any moment leaves every committed chart whole.
#include "library/chart_library.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTemporaryDir>

namespace orvantis {
namespace {

// Qt loads its SQL drivers through the application object.
void NeedApplication() {
    static int argc = 1;
    static char name[] = "library_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

ChartRecord Numbered(int n, const std::string& name) {
    ChartRecord c;
    c.name = name;
    c.year = 1900 + n % 200;
    c.hour = n % 24;
    c.zone_name = n % 2 ? "Asia/Kolkata" : "";
    c.zone_hours = -5.5;
    c.latitude = n / 1000.0;
    c.longitude = -n / 700.0;
    // Enough text that one save spans many pages of the file.
    c.notes = std::string(20000, static_cast<char>('a' + n % 26));
    return c;
}

ChartRecord WithoutTime(ChartRecord c) {
    c.saved_at = 0;
    return c;
}

TEST(ChartLibrary, NamesOnSaveRenameAndImport) {
    NeedApplication();
    QTemporaryDir dir;
    Problem problem;
    auto library = ChartLibrary::Open(dir.filePath("sub/charts.sqlite"), &problem);
    ASSERT_TRUE(library) << problem.text;
    ASSERT_FALSE(library->Save(Numbered(1, "Alice")).has_value());
    ASSERT_FALSE(library->Save(Numbered(2, "alice")).has_value());  // the same name: replaced
    ASSERT_FALSE(library->Save(Numbered(3, "Bob")).has_value());
    std::vector<std::string> names;
    ASSERT_FALSE(
        library->SaveAll({Numbered(4, "Bob"), Numbered(5, "Bob"), Numbered(6, "Carol")}, &names)
            .has_value());
    EXPECT_EQ(names, std::vector<std::string>({"Bob (2)", "Bob (3)", "Carol"}));
    EXPECT_EQ(WithoutTime(*library->Find("ALICE")), Numbered(2, "alice"));
    EXPECT_GT(library->Find("Bob")->saved_at, 0);

    EXPECT_TRUE(library->Rename("Bob", "Carol").has_value());     // taken
    EXPECT_TRUE(library->Rename("Nobody", "Dave").has_value());   // missing
    EXPECT_FALSE(library->Rename("Carol", "CAROL").has_value());  // only the case changes
    EXPECT_FALSE(library->Remove("Bob (3)").has_value());
    EXPECT_TRUE(
        library->SaveAll({Numbered(7, "")}).has_value());  // no name: refused, nothing stored
    std::vector<std::string> listed;
    for (const ChartRecord& c : library->List()) listed.push_back(c.name);
    EXPECT_EQ(listed, std::vector<std::string>({"alice", "Bob", "Bob (2)", "CAROL"}));
    EXPECT_EQ(library->FreeName("bob"), "bob (3)");
}

// A child process saves charts one after another and reports each committed save; it is killed
// at a random moment, three times over. Every reported chart must read back whole, and the one
// chart overwritten on every save must hold one of its committed versions.
TEST(ChartLibrary, KilledWriterLeavesEveryCommittedChartWhole) {
    NeedApplication();
    QTemporaryDir dir;
    const QString path = dir.filePath("charts.sqlite");
    int next = 0;
    std::vector<int> committed;
    for (int round = 0; round < 3; ++round) {
        int report[2];
        ASSERT_EQ(pipe(report), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(report[0]);
            auto library = ChartLibrary::Open(path, nullptr);
            for (int n = next; library; ++n) {
                if (library->Save(Numbered(n, "chart " + std::to_string(n))) ||
                    library->Save(Numbered(n, "overwritten")))
                    _exit(3);
                if (write(report[1], &n, sizeof n) != sizeof n) _exit(4);
            }
            _exit(5);
        }
        close(report[1]);
        const int saves = 5 + static_cast<int>(getpid() + round * 7) % 11;
        int n = -1;
        for (int i = 0; i < saves && read(report[0], &n, sizeof n) == sizeof n; ++i) {
        }
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;
        for (int more; read(report[0], &more, sizeof more) == sizeof more;) n = more;
        close(report[0]);
        ASSERT_GE(n, next);
        for (int k = next; k <= n; ++k) committed.push_back(k);

        auto library = ChartLibrary::Open(path, nullptr);
        ASSERT_TRUE(library);
        for (const int k : committed) {
            const auto chart = library->Find("chart " + std::to_string(k));
            ASSERT_TRUE(chart) << k;
            EXPECT_EQ(WithoutTime(*chart), Numbered(k, "chart " + std::to_string(k)));
        }
        const auto overwritten = library->Find("overwritten");
        ASSERT_TRUE(overwritten);
        const int version = overwritten->year - 1900;
        EXPECT_EQ(WithoutTime(*overwritten), Numbered(version, "overwritten"));
        EXPECT_GE(version, n % 200);
        // A save caught mid-way left nothing of itself, or all of itself.
        for (const ChartRecord& c : library->List()) {
            if (c.name != "overwritten") {
                EXPECT_EQ(WithoutTime(c), Numbered(std::stoi(c.name.substr(6)), c.name));
            }
        }
        next = n + 2;
    }
}

}  // namespace
}  // namespace orvantis
