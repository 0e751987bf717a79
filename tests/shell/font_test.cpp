// The glyph font built beside the executables: it registers as "QUERNA" with a real bold face,
// carries a distinct glyph at every code the wheel, the aspect window and the printed grid
// print, at the code point they are drawn through, and its metrics suit the wheel's layout,
// which measures one glyph and places all the others by it.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <QStringList>
#include <vector>

#include "wheel/glyph_codes.h"
#include "wheel/qpainter_surface.h"

namespace {

const QString kFontFile = QStringLiteral(ORVANTIS_BUILD_DIR "/querna.ttf");

std::vector<int> Range(int first, int last) {
    std::vector<int> codes;
    for (int c = first; c <= last; ++c) codes.push_back(c);
    return codes;
}

const std::vector<int> kDigits = Range(48, 57);
const std::vector<int> kSigns = Range(192, 203);
const std::vector<int> kBodies = Range(224, 238);
const std::vector<int> kAspects = Range(161, 176);

std::vector<int> AllGlyphCodes() {
    std::vector<int> codes = kDigits;
    for (const auto* group : {&kSigns, &kBodies, &kAspects})
        codes.insert(codes.end(), group->begin(), group->end());
    codes.push_back('R');
    return codes;
}

QString Printable(int code) {
    return orvantis::GlyphFontText(std::string(1, char(code)));
}

QImage Render(const QString& text, bool bold = false) {
    QImage image(96, 96, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("QUERNA"));
    font.setPixelSize(48);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(12, 66), text);
    return image;
}

int InkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) n += row[x] < 128 ? 1 : 0;
    }
    return n;
}

quint32 GlyphIndex(const QRawFont& font, char32_t code) {
    const QString text = QString::fromUcs4(&code, 1);
    QList<quint32> indexes = font.glyphIndexesForString(text);
    return indexes.size() == 1 ? indexes[0] : 0;
}

class QuernaFont : public testing::Test {
protected:
    static void SetUpTestSuite() { font_id_ = QFontDatabase::addApplicationFont(kFontFile); }
    static void TearDownTestSuite() { QFontDatabase::removeApplicationFont(font_id_); }

    void SetUp() override {
        ASSERT_NE(font_id_, -1) << "cannot register " << kFontFile.toStdString();
        raw_ = QRawFont(kFontFile, 2048);  // one pixel per font unit
        ASSERT_TRUE(raw_.isValid());
    }

    static int font_id_;
    QRawFont raw_;
};

int QuernaFont::font_id_ = -1;

TEST_F(QuernaFont, RegistersAsFamilyQuernaWithABoldFace) {
    // One file, two faces: Regular and Bold.
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(font_id_), QStringList({"QUERNA", "QUERNA"}));
    QFont requested(QStringLiteral("QUERNA"));
    EXPECT_EQ(QFontInfo(requested).family(), QStringLiteral("QUERNA"));
    // The aspect window asks for the face in mixed case.
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Querna"))).family(), QStringLiteral("QUERNA"));
    // Bold degrees come from the bold face, not from a regular face printed twice: heavier,
    // wider digits of one width.
    requested.setBold(true);
    EXPECT_EQ(QFontInfo(requested).styleName(), QStringLiteral("Bold"));
    const QRawFont bold = QRawFont::fromFont(requested);
    auto bold_advance = [&](char c) {
        return bold.advancesForGlyphIndexes(bold.glyphIndexesForString(QString(QChar(c))))[0].x();
    };
    for (char c = '0'; c <= '9'; ++c) {
        EXPECT_GT(InkPixels(Render(QString(QChar(c)), true)),
                  InkPixels(Render(QString(QChar(c)))) * 1.2);
        EXPECT_DOUBLE_EQ(bold_advance(c), bold_advance('0'));
    }
}

// Every code draws a glyph of its own through its code point. A PDF names each glyph by the
// lowest code point that maps to it, as a copy of its text gives it: the glyph drawn for a code
// must be reachable by no lower code point ("15♒42", not the Latin-1 "15Ê42"). The byte codes
// and the private-use copies U+F000 + code show the same.
TEST_F(QuernaFont, EveryCodeDrawsItsGlyphAndCopiesAsItsCodePoint) {
    std::vector<char32_t> lowest;
    for (char32_t c = 0xFFFF; c > 0; --c) {
        const quint32 glyph = GlyphIndex(raw_, c);
        if (glyph >= lowest.size()) lowest.resize(glyph + 1);
        lowest[glyph] = c;
    }
    for (int code : AllGlyphCodes()) {
        SCOPED_TRACE(code);
        const char32_t point = orvantis::GlyphCodePoint(static_cast<unsigned char>(code));
        const quint32 glyph = GlyphIndex(raw_, point);
        EXPECT_NE(glyph, 0u) << "mapped to .notdef";
        EXPECT_EQ(lowest[glyph], point);
        EXPECT_GT(InkPixels(Render(Printable(code))), 40);
        EXPECT_EQ(GlyphIndex(raw_, 0xF000 + static_cast<char32_t>(code)), code > 127 ? glyph : 0);
        const quint32 byte = GlyphIndex(raw_, char32_t(code));
        EXPECT_EQ(raw_.boundingRect(byte), raw_.boundingRect(glyph));
        EXPECT_EQ(raw_.advancesForGlyphIndexes(QList<quint32>{byte}),
                  raw_.advancesForGlyphIndexes(QList<quint32>{glyph}));
    }
}

TEST_F(QuernaFont, NoTwoCodesLookAlike) {
    const std::vector<int> codes = AllGlyphCodes();
    std::vector<QImage> images;
    for (int code : codes) images.push_back(Render(Printable(code)));
    for (size_t i = 0; i < codes.size(); ++i)
        for (size_t j = i + 1; j < codes.size(); ++j)
            EXPECT_NE(images[i], images[j]) << codes[i] << " and " << codes[j] << " look the same";
}

TEST_F(QuernaFont, CaptionTextPrintsInTheFace) {
    // Caption lines (names, dates, "P.M.", "Sidereal") are printed in this face too.
    for (char32_t c = 0x20; c < 0x7F; ++c) {
        SCOPED_TRACE(int(c));
        EXPECT_TRUE(raw_.supportsCharacter(c));
    }
    EXPECT_GT(InkPixels(Render(QStringLiteral("Sidereal"))), 100);
}

TEST_F(QuernaFont, WidthsSuitTheWheelLayout) {
    auto advance = [&](int code) {
        const quint32 glyph =
            GlyphIndex(raw_, orvantis::GlyphCodePoint(static_cast<unsigned char>(code)));
        return raw_.advancesForGlyphIndexes(QList<quint32>{glyph})[0].x();
    };
    // The digit printers measure "0" for every digit; the body placement measures the Part of
    // Fortune (236) for every body.
    for (int code : kDigits) EXPECT_DOUBLE_EQ(advance(code), advance('0')) << code;
    for (int code : kBodies) EXPECT_DOUBLE_EQ(advance(code), advance(236)) << code;
}

TEST_F(QuernaFont, SymbolsAreCentredAndStayInsideTheLine) {
    const double ascent = raw_.ascent();
    const double descent = raw_.descent();
    for (const auto* group : {&kSigns, &kBodies, &kAspects}) {
        for (int code : *group) {
            SCOPED_TRACE(code);
            const quint32 glyph =
                GlyphIndex(raw_, orvantis::GlyphCodePoint(static_cast<unsigned char>(code)));
            const double width = raw_.advancesForGlyphIndexes(QList<quint32>{glyph})[0].x();
            const QRectF ink = raw_.boundingRect(glyph);  // y grows downward from the baseline
            EXPECT_NEAR(ink.left(), width - ink.right(), 4.0) << "not centred in its advance";
            EXPECT_GE(-ink.top(), 1000.0) << "much smaller than the digits";
            EXPECT_LE(-ink.top(), ascent);
            EXPECT_LE(ink.bottom(), descent);
        }
    }
}

}  // namespace
