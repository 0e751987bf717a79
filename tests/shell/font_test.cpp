// The glyph font built beside the executables: "QUERNA" with a real bold face, a distinct glyph
// at every code the program prints, and the metrics the wheel's layout assumes.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRawFont>

#include "wheel/glyph_codes.h"
#include "wheel/qpainter_surface.h"

namespace orvantis {
namespace {

const QString kFontFile = QStringLiteral(ORVANTIS_BUILD_DIR "/querna.ttf");

int InkPixels(const QString& text, bool bold = false) {
    QImage image(96, 96, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("QUERNA"));
    font.setPixelSize(48);
    font.setBold(bold);
    painter.setFont(font);
    painter.drawText(QPointF(12, 66), text);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.constScanLine(y)[x] < 128;
    return n;
}

quint32 Glyph(const QRawFont& font, char32_t code) {
    const QList<quint32> indexes = font.glyphIndexesForString(QString::fromUcs4(&code, 1));
    return indexes.size() == 1 ? indexes[0] : 0;
}

double Advance(const QRawFont& font, quint32 glyph) {
    return font.advancesForGlyphIndexes(QList<quint32>{glyph})[0].x();
}

class QuernaFont : public testing::Test {
protected:
    static void SetUpTestSuite() { font_id_ = QFontDatabase::addApplicationFont(kFontFile); }
    static void TearDownTestSuite() { QFontDatabase::removeApplicationFont(font_id_); }
    void SetUp() override {
        ASSERT_NE(font_id_, -1) << "cannot register " << kFontFile.toStdString();
        ASSERT_TRUE(raw_.isValid());
    }

    static inline int font_id_ = -1;
    const QRawFont raw_{kFontFile, 2048};  // one pixel per font unit
};

// One file, two faces. Bold degrees come from the bold face, not from a regular face printed
// twice: heavier digits of one width. Caption lines print in the face too.
TEST_F(QuernaFont, RegistersAsQuernaWithABoldFaceAndPrintsAscii) {
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(font_id_), QStringList({"QUERNA", "QUERNA"}));
    QFont bold(QStringLiteral("Querna"));  // the aspect window asks in mixed case
    EXPECT_EQ(QFontInfo(bold).family(), QStringLiteral("QUERNA"));
    bold.setBold(true);
    EXPECT_EQ(QFontInfo(bold).styleName(), QStringLiteral("Bold"));
    const QRawFont bold_raw = QRawFont::fromFont(bold);
    for (char c = '0'; c <= '9'; ++c) {
        EXPECT_GT(InkPixels(QString(QChar(c)), true), InkPixels(QString(QChar(c))) * 1.2) << c;
        EXPECT_DOUBLE_EQ(Advance(bold_raw, Glyph(bold_raw, c)),
                         Advance(bold_raw, Glyph(bold_raw, '0')));
    }
    for (char32_t c = 0x20; c < 0x7F; ++c) EXPECT_TRUE(raw_.supportsCharacter(c)) << int(c);
}

// Every code draws a glyph of its own through its code point. A PDF names each glyph by the
// lowest code point that maps to it, as a copy of its text gives it: the glyph drawn for a code
// must be reachable by no lower code point ("15♒42", not the Latin-1 "15Ê42"). The byte codes and
// the private-use copies U+F000 + code show the same. Digits share the width of "0", bodies that
// of the Part of Fortune (236); symbols are centred and stay inside the line.
TEST_F(QuernaFont, EveryCodeDrawsItsOwnGlyphWithTheWheelsMetrics) {
    std::vector<char32_t> lowest;
    for (char32_t c = 0xFFFF; c > 0; --c) {
        const quint32 glyph = Glyph(raw_, c);
        if (glyph >= lowest.size()) lowest.resize(glyph + 1);
        lowest[glyph] = c;
    }
    const auto glyph_of = [&](int code) { return Glyph(raw_, GlyphCodePoint(code)); };
    const struct {
        int first, last, same_width_as;
    } groups[] = {{'0', '9', '0'}, {192, 203, 0}, {224, 238, 236}, {161, 176, 0}, {'R', 'R', 0}};
    for (const auto& group : groups) {
        for (int code = group.first; code <= group.last; ++code) {
            SCOPED_TRACE(code);
            const quint32 glyph = glyph_of(code);
            EXPECT_EQ(lowest[glyph], GlyphCodePoint(code));  // .notdef is reached from below
            EXPECT_GT(InkPixels(GlyphFontText(std::string(1, char(code)))), 40);
            EXPECT_EQ(Glyph(raw_, 0xF000 + char32_t(code)), code > 127 ? glyph : 0);
            const quint32 byte = Glyph(raw_, char32_t(code));
            EXPECT_EQ(raw_.boundingRect(byte), raw_.boundingRect(glyph));
            EXPECT_EQ(Advance(raw_, byte), Advance(raw_, glyph));
            if (group.same_width_as) {
                EXPECT_DOUBLE_EQ(Advance(raw_, glyph),
                                 Advance(raw_, glyph_of(group.same_width_as)));
            }
            if (code < 128) continue;
            const QRectF ink = raw_.boundingRect(glyph);  // y grows downward from the baseline
            EXPECT_NEAR(ink.left(), Advance(raw_, glyph) - ink.right(), 4.0) << "not centred";
            EXPECT_GE(-ink.top(), 1000.0) << "much smaller than the digits";
            EXPECT_LE(-ink.top(), raw_.ascent());
            EXPECT_LE(ink.bottom(), raw_.descent());
        }
    }
}

}  // namespace
}  // namespace orvantis
