// The QPainter surface on a QImage: y up, text hanging from its top-left corner, the glyph font's
// codes, colours readable on paper; the half page on the upper half of the paper. (Sizes in points
// on the device: the page in wheel_properties_test.)
#include "wheel/qpainter_surface.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QPainter>

#include "support/wheel_fixture.h"
#include "wheel/printed_page.h"

namespace orvantis {
namespace {

// The rectangle of non-white pixels, or an empty rectangle.
QRect Ink(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}

QImage White(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// y grows upward, and text hangs from its top-left corner: the point (0, 0) is pixel (100, 100)
// and the letter lies right of it and below it, within one line height. Glyph codes print in the
// glyph font: code 173, the soft hyphen in Latin-1, would print nothing.
TEST(QPainterSurface, YGrowsUpwardAndTextHangsFromItsTopLeftCorner) {
    ASSERT_GE(QFontDatabase::addApplicationFont(ORVANTIS_BUILD_DIR "/querna.ttf"), 0);
    QImage image = White(200, 200);
    {
        QPainter painter(&image);
        QPainterSurface surface(painter, QRectF(0, 0, 200, 200), {-100, 100, 100, -100});
        EXPECT_EQ(surface.Map({-100, 100}), QPointF(0, 0));
        surface.Line({-50, 90}, {50, 90}, {0, 0, 0});
        surface.SetFont({"DejaVu Sans", 20, false});
        surface.Text({0, 0}, "H", {0, 0, 0});
        surface.SetFont({"QUERNA", 20, false});
        surface.Text({-90, -60}, "\xAD", {0, 0, 0});
    }
    EXPECT_FALSE(Ink(image.copy(0, 160, 100, 40)).isEmpty());
    const QRect line = Ink(image.copy(0, 0, 200, 50));
    EXPECT_TRUE(line.top() >= 5 && line.bottom() < 20);
    const QRect letter = Ink(image.copy(0, 50, 200, 100)).translated(0, 50);
    EXPECT_TRUE(letter.left() >= 100 && letter.top() > 100 &&
                letter.bottom() < 100 + 20 * 96 / 72 * 1.4)
        << letter.left() << "," << letter.top() << " " << letter.bottom();
}

// On paper every palette colour reads on white: text at 4.5:1 or more, darkened no further than
// needed and in its own hue; colours that already read stay as they are. An option out of range
// (a hand-edited file) paints black rather than failing.
TEST(DarkenedForWhite, PaletteColoursReachTheContrastAndKeepTheirHue) {
    const Colour white{255, 255, 255};
    for (int n = 0; n <= 14; ++n) {
        SCOPED_TRACE(n);
        const Colour c = PaletteColour(n), d = DarkenedForWhite(c, 4.5);
        EXPECT_GE(ContrastRatio(d, white), 4.5);
        if (ContrastRatio(c, white) >= 4.5) {
            EXPECT_EQ(d, c);
            continue;
        }
        EXPECT_LT(ContrastRatio(d, white), 4.6);  // the lightest that reads, not black
        const int peak = std::max({c.r, c.g, c.b});
        for (const auto& [from, to] : {std::pair{c.r, d.r}, {c.g, d.g}, {c.b, d.b}})
            EXPECT_NEAR(to, from * std::max({d.r, d.g, d.b}) / double(peak), 1.0);
    }
    EXPECT_EQ(PaletteColour(14.4), PaletteColour(14));
    for (const double n : {-1.0, 16.0, 1e300}) EXPECT_EQ(PaletteColour(n), (Colour{0, 0, 0})) << n;
}

// The half page is the window's monochrome wheel across the width of the paper, on the upper
// half, on white whatever the window's background.
TEST(PrintedPage, HalfPageFillsTheUpperHalf) {
    const test::WheelChart w = test::OrdinaryChart();
    OptionValues options = test::ShippedOptions();
    options[kOptionBackgroundColour] = 1;
    const DrawingTables tables = BuiltInDrawingTables();
    WheelInputs in{w.chart, w.shown, options, tables};
    in.style = WindowWheelStyle(true);
    QImage page = White(210, 297);  // A4 at one pixel a millimetre
    {
        QPainter painter(&page);
        PaintHalfPage(painter, QRectF(0, 0, 210, 297), in, QSizeF(640, 480));
    }
    EXPECT_EQ(page.pixel(8, 146), qRgb(255, 255, 255));  // a corner of the window's picture
    const QRect ink = Ink(page);
    EXPECT_TRUE(ink.top() < 20 && ink.width() > 150 && ink.bottom() <= 297 / 2)
        << ink.top() << " " << ink.width() << " " << ink.bottom();
}

}  // namespace
}  // namespace orvantis
