// The aspect window: its list for a known chart, its glyph font, and a missing orb file.
#include "windows/aspect_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>

#include "aspects/aspect_kind.h"
#include "chart/chart_state.h"
#include "recording_notifier.h"
#include "support/chart_fixture.h"
#include "wheel/qpainter_surface.h"

namespace orvantis {
namespace {

// One line of the list: the two body glyphs with the aspect glyph between them.
QString Line(int first, int kind, int second) {
    return GlyphFontText("  " + BodyGlyph(first) + " " + AspectGlyph(kind) + " " +
                         BodyGlyph(second));
}

class AspectWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const QString font = QStringLiteral(ORVANTIS_BUILD_DIR "/querna.ttf");
        if (QFileInfo::exists(font)) QFontDatabase::addApplicationFont(font);
    }
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    void TearDown() override { delete window_; }

    QString WriteOrbFile(const QByteArray& text) {
        const QString path = dir_.filePath(QStringLiteral("TEST.ORB"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    QTemporaryDir dir_;
    RecordingNotifier notifier_;
    QPointer<AspectWindow> window_;
};

TEST_F(AspectWindowTest, ListsEachAspectTwiceInTheGlyphFont) {
    OrbValues orbs{};
    window_ = AspectWindow::Open(KnownChart(), WriteOrbFile("0\r\n0\r\n"), orbs, notifier_);
    ASSERT_TRUE(window_);
    EXPECT_TRUE(window_->Text1()->isReadOnly());
    const QStringList expected{
        Line(kSun, 5, kMoon),          Line(kSun, 3, kMercury),       Line(kMoon, 5, kSun),
        Line(kMoon, 3, kMercury),      Line(kMercury, 3, kSun),       Line(kMercury, 3, kMoon),
        Line(kNode, 6, kOppositeNode), Line(kOppositeNode, 6, kNode),
    };
    EXPECT_EQ(window_->Text1()->toPlainText(), expected.join('\n'));
    EXPECT_TRUE(notifier_.problems.empty());
    const QFont font = window_->Text1()->font();
    EXPECT_EQ(font.family(), QStringLiteral("QUERNA"));
    if (QFontDatabase::families().contains(QStringLiteral("QUERNA"))) {
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("QUERNA"));
    }
}

TEST_F(AspectWindowTest, AMissingOrbFileWarnsAndKeepsThePreviousOrbs) {
    OrbValues orbs{};
    orbs[4] = 30;  // a trine orb of 30 makes Sun–Moon a trine and more
    const QString missing = dir_.filePath(QStringLiteral("GONE.ORB"));
    window_ = AspectWindow::Open(KnownChart(), missing, orbs, notifier_);
    ASSERT_EQ(notifier_.problems.size(), 1u);
    EXPECT_NE(notifier_.problems[0].text.find(missing.toStdString()), std::string::npos);
    EXPECT_FLOAT_EQ(orbs[4], 30.0f);
    ASSERT_TRUE(window_);
    EXPECT_TRUE(window_->Text1()->toPlainText().contains(Line(kSun, 5, kMoon)));
}

TEST_F(AspectWindowTest, DeletesItselfWhenClosed) {
    OrbValues orbs{};
    window_ = AspectWindow::Open(KnownChart(), WriteOrbFile("0\r\n"), orbs, notifier_);
    window_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window_.isNull());
}

}  // namespace
}  // namespace orvantis
