// The glyph font built beside the executables: it registers as "QUERNA", carries a real,
// distinct glyph at every code the wheel, the aspect window and the printed grid print, and its
// metrics suit the wheel's layout, which measures one glyph and places all the others by it.
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

namespace {

const QString kFontFile = QStringLiteral(ORVANTIS_BUILD_DIR "/querna.ttf");

// Codes above 160 are also in the font at U+F000 + code: U+00AD, the quintile's Latin-1 code
// point, is the soft hyphen, which Qt's text layout never prints.
constexpr char32_t kPrivateUseBase = 0xF000;

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
    return code == 0xAD ? QString(QChar(char16_t(kPrivateUseBase + code)))
                        : QString::fromLatin1(QByteArray(1, char(code)));
}

QImage Render(const QString& text) {
    QImage image(96, 96, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("QUERNA"));
    font.setPixelSize(48);
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

TEST_F(QuernaFont, RegistersAsFamilyQuerna) {
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(font_id_), QStringList{"QUERNA"});
    QFont requested(QStringLiteral("QUERNA"));
    EXPECT_EQ(QFontInfo(requested).family(), QStringLiteral("QUERNA"));
    // The aspect window asks for the face in mixed case.
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Querna"))).family(), QStringLiteral("QUERNA"));
}

// Every code the wheel, the aspect window and the printed grid print has a glyph of its own that
// draws ink, looks like no other, and is the same at its private-use copy.
TEST_F(QuernaFont, EveryGlyphCodeHasItsOwnDistinctGlyph) {
    const std::vector<int> codes = AllGlyphCodes();
    std::vector<QImage> images;
    for (int code : codes) {
        SCOPED_TRACE(code);
        EXPECT_NE(GlyphIndex(raw_, char32_t(code)), 0u) << "mapped to .notdef";
        if (code >= 161) {
            EXPECT_EQ(GlyphIndex(raw_, kPrivateUseBase + code), GlyphIndex(raw_, char32_t(code)));
        }
        images.push_back(Render(Printable(code)));
        EXPECT_GT(InkPixels(images.back()), 40);
    }
    for (size_t i = 0; i < codes.size(); ++i)
        for (size_t j = i + 1; j < codes.size(); ++j)
            EXPECT_NE(images[i], images[j]) << codes[i] << " and " << codes[j] << " look the same";
}

TEST_F(QuernaFont, WidthsSuitTheWheelLayout) {
    auto advance = [&](int code) {
        const quint32 glyph = GlyphIndex(raw_, char32_t(code));
        return raw_.advancesForGlyphIndexes(QList<quint32>{glyph})[0].x();
    };
    // The digit printers measure "0" for every digit; the body placement measures the Part of
    // Fortune (236) for every body.
    for (int code : kDigits) EXPECT_DOUBLE_EQ(advance(code), advance('0')) << code;
    for (int code : kBodies) EXPECT_DOUBLE_EQ(advance(code), advance(236)) << code;
}

}  // namespace
