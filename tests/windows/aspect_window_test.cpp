// The aspect window: its list for a known chart in the glyph font, and a missing orb file.
#include "windows/aspect_window.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>

#include "aspects/aspect_kind.h"
#include "recording_notifier.h"
#include "support/chart_fixture.h"
#include "support/window_helpers.h"
#include "wheel/qpainter_surface.h"

namespace orvantis {
namespace {

// One line of the list: the two body glyphs with the aspect glyph between them.
QString Line(int first, int kind, int second) {
    return GlyphFontText("  " + BodyGlyph(first) + " " + AspectGlyph(kind) + " " +
                         BodyGlyph(second));
}

TEST(AspectWindow, ListsEachAspectTwiceInTheGlyphFontAndDeletesItselfWhenClosed) {
    QTemporaryDir dir;
    const QString orb_file = dir.filePath("TEST.ORB");
    ASSERT_TRUE(WriteBytes(orb_file, "0\r\n0\r\n"));
    RecordingNotifier notifier;
    OrbValues orbs{};
    QPointer<AspectWindow> window = AspectWindow::Open(KnownChart(), orb_file, orbs, notifier);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->Text1()->isReadOnly());
    const QStringList expected{
        Line(kSun, 5, kMoon),          Line(kSun, 3, kMercury),       Line(kMoon, 5, kSun),
        Line(kMoon, 3, kMercury),      Line(kMercury, 3, kSun),       Line(kMercury, 3, kMoon),
        Line(kNode, 6, kOppositeNode), Line(kOppositeNode, 6, kNode),
    };
    EXPECT_EQ(window->Text1()->toPlainText(), expected.join('\n'));
    EXPECT_TRUE(notifier.problems.empty());
    EXPECT_EQ(window->Text1()->font().family(), QStringLiteral("QUERNA"));
    window->close();
    DeleteClosedWindows();
    EXPECT_TRUE(window.isNull());
}

TEST(AspectWindow, AMissingOrbFileWarnsAndKeepsThePreviousOrbs) {
    QTemporaryDir dir;
    RecordingNotifier notifier;
    OrbValues orbs{};
    orbs[4] = 30;  // a trine orb of 30 makes Sun–Moon a trine and more
    const QString missing = dir.filePath(QStringLiteral("GONE.ORB"));
    QPointer<AspectWindow> window = AspectWindow::Open(KnownChart(), missing, orbs, notifier);
    ASSERT_EQ(notifier.problems.size(), 1u);
    EXPECT_NE(notifier.problems[0].text.find(missing.toStdString()), std::string::npos);
    EXPECT_FLOAT_EQ(orbs[4], 30.0f);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->Text1()->toPlainText().contains(Line(kSun, 5, kMoon)));
    delete window;
}

}  // namespace
}  // namespace orvantis
