// The main window on a temporary copy of the data files, a hand-set clock and a recording
// notifier: tests never touch the user's files.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

#include "fake_clock.h"
#include "recording_notifier.h"
#include "shell/main_window.h"

namespace orvantis {

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"OPTIONS.OPT", "OPTIONS.MAS", "NATAL.ORB", "HCDATA.DAT",
                                 "RADIUS.DAT", "ORVANTIS.HLP", "EVENTS.HLP"})
            QFile::copy(QString(ORVANTIS_DATA_DIR) + "/" + name, dir_.filePath(name));
        QFile::copy(QString(ORVANTIS_BUILD_DIR) + "/querna.ttf", dir_.filePath("querna.ttf"));
    }

    // By default the folder serves as both, as a build folder does.
    std::unique_ptr<MainWindow> Open(std::optional<DataFolders> folders = std::nullopt) {
        const DataFolders both{dir_.path(), dir_.path()};
        ShellEnvironment env{
            folders.value_or(both), "Ann Example\r\n", {}, &clock_, &notifier_, false};
        env.clock_notifier = &clock_notes_;
        return std::make_unique<MainWindow>(env);
    }

    static QAction* Item(MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }

    // Shown and active, so that its accelerators reach it as they reach a user's window.
    static void ShowActive(MainWindow& w) {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    QTemporaryDir dir_;
    FakeClock clock_;
    RecordingNotifier notifier_;
    RecordingNotifier clock_notes_;  // what the minute update finds wrong
};

}  // namespace orvantis
