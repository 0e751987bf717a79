// The QPainter surface on a QImage: y up, text hanging from its top-left corner, the glyph font's
// codes, colours readable on paper; the half page on the upper half of the paper. (Sizes in points
// on the device: the page in wheel_properties_test.)
#include "wheel/qpainter_surface.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "support/wheel_fixture.h"
#include "wheel/printed_page.h"
#include "wheel/wheel_picture.h"
#include "wheel/wheel_svg.h"

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

// The SVG needs no font of ours: rasterised by librsvg it shows what the PNG shows, but for a
// little anti-aliasing, and it holds no private-use character a browser would draw as a box.
TEST(WheelSvg, RasterisedByLibrsvgItLooksLikeThePng) {
    const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (rsvg.isEmpty()) GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
    ASSERT_GE(QFontDatabase::addApplicationFont(ORVANTIS_BUILD_DIR "/querna.ttf"), 0);
    OptionValues options = test::ShippedOptions();
    options[kOptionAspectLines] = 1;
    ElectionData when;  // 5 February 1962 at Greenwich: seven bodies in Aquarius
    when.ElectYear = 1962, when.ElectMonth = 2, when.ElectDay = 5, when.ElectLatDeg = 51;
    test::WheelChart w;
    ASSERT_TRUE(test::RealChart(when, 'P', options, w));
    const DrawingTables tables = BuiltInDrawingTables();
    const OrbValues orbs{};
    const WheelInputs in =
        AssembleWheelInputs(w.chart, w.shown, options, tables, orbs, 304, 1, WindowWheelStyle());
    const QSize size(1024, 768);
    QImage png = White(size.width(), size.height());
    {
        QPainter painter(&png);
        PaintWheelOn(painter, QRectF(QPointF(0, 0), QSizeF(size)), in);
    }
    const QByteArray svg = WheelSvg(in, size);
    EXPECT_FALSE(svg.contains("font-family=\"QUERNA\"")) << "a family without fallbacks";
    for (const QChar c : QString::fromUtf8(svg))
        ASSERT_FALSE(c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF) << int(c.unicode());
    QTemporaryDir dir;
    QFile file(dir.filePath("wheel.svg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(svg) == svg.size());
    file.close();
    ASSERT_EQ(
        QProcess::execute(rsvg, {"-b", "white", "-o", dir.filePath("wheel.png"), file.fileName()}),
        0);
    const QImage drawn = QImage(dir.filePath("wheel.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(drawn.size(), size);
    int differing = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const QRgb a = png.pixel(x, y), b = drawn.pixel(x, y);
            differing += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                   std::abs(qBlue(a) - qBlue(b))}) > 64;
        }
    EXPECT_LT(differing, size.width() * size.height() / 100);
}

}  // namespace
}  // namespace orvantis
