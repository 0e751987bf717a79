#include "wheel/qpainter_surface.h"

#include <QPaintDevice>
#include <QPainterPath>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cmath>

#include "astro/bodies.h"
#include "wheel/glyph_codes.h"

namespace orvantis {
namespace {

QColor ToQColor(Colour c) {
    return QColor(c.r, c.g, c.b);
}

// No text smaller than this many device pixels: the labels of a crowded house in a small window
// shrink no further.
constexpr double kMinimumTextPixels = 8;
constexpr double kMinimumPoints = 1;   // an options file without sizes still draws
constexpr double kTextContrast = 4.5;  // WCAG 2 minimum for text
constexpr double kLineContrast = 3.0;  // WCAG 2 minimum for graphics
constexpr Colour kWhite{255, 255, 255};
// The glyph font's "AC" and "MC": DejaVu Sans Bold letters at 72 % of their height and 55 % of
// their width, centred on the middle of the cap height (0.729 em), so their baseline stands
// this many ems above the line's.
constexpr double kAngleLetterHeight = 0.72;
constexpr double kAngleLetterWidth = 0.55;
constexpr double kAngleLetterRise = 0.729 / 2 * (1 - kAngleLetterHeight);
constexpr int kConjunctionKind = 2;

double RelativeLuminance(Colour c) {
    auto linear = [](std::uint8_t channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

Colour Scaled(Colour c, double factor) {
    auto channel = [factor](std::uint8_t v) {
        return static_cast<std::uint8_t>(std::floor(v * factor));  // down: never lighter
    };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

}  // namespace

double ContrastRatio(Colour a, Colour b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour DarkenedForWhite(Colour c, double ratio) {
    if (ContrastRatio(c, kWhite) >= ratio) return c;
    // Bisection on the common factor: the luminance falls as the factor does.
    double light = 1, dark = 0;
    for (int step = 0; step < 30; ++step) {
        const double mid = (light + dark) / 2;
        (ContrastRatio(Scaled(c, mid), kWhite) >= ratio ? dark : light) = mid;
    }
    return Scaled(c, dark);
}

QString GlyphFontText(std::string_view codes) {
    // Every glyph's code point lies in the Basic Multilingual Plane: one UTF-16 unit each.
    QString text;
    text.reserve(static_cast<qsizetype>(codes.size()));
    for (const char code : codes)
        text.append(QChar(static_cast<char16_t>(GlyphCodePoint(static_cast<unsigned char>(code)))));
    return text;
}

QPainterSurface::QPainterSurface(QPainter& painter, const QRectF& target, const UserScale& scale)
    : painter_(painter),
      target_(target),
      scale_(scale),
      font_(QStringLiteral("QUERNA")),
      metrics_(font_, painter.device()) {
    const double user_width = std::abs(scale.right - scale.left);
    const double user_height = std::abs(scale.top - scale.bottom);
    if (user_width > 0 && user_height > 0 && target.width() > 0 && target.height() > 0)
        unit_ = std::min(target.width() / user_width, target.height() / user_height);
    device_centre_ = target.center();
    user_centre_ = {(scale.left + scale.right) / 2, (scale.top + scale.bottom) / 2};
    const int dpi = painter.device() ? painter.device()->logicalDpiX() : 96;
    pen_width_ = std::max(1.0, dpi / 96.0);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBrush(Qt::NoBrush);
}

QPointF QPainterSurface::Map(Point p) const {
    // y up in user units, y down on the device: the flip happens here, never with a mirrored
    // painter window, which would mirror the text as well.
    return {device_centre_.x() + (p.x - user_centre_.x) * unit_,
            device_centre_.y() - (p.y - user_centre_.y) * unit_};
}

void QPainterSurface::Clear(Colour background) {
    painter_.fillRect(target_, ToQColor(background));
}

QColor QPainterSurface::Ink(Colour c, double least_contrast) const {
    return ToQColor(on_paper_ ? DarkenedForWhite(c, least_contrast) : c);
}

void QPainterSurface::Line(Point from, Point to, Colour c) {
    painter_.setPen(
        QPen(Ink(c, kLineContrast), pen_width_ * line_scale_, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(Map(from), Map(to));
}

void QPainterSurface::Circle(Point centre, double radius, Colour c) {
    painter_.setPen(QPen(Ink(c, kLineContrast), pen_width_ * line_scale_));
    painter_.setBrush(Qt::NoBrush);
    const double r = DeviceLength(radius);
    painter_.drawEllipse(Map(centre), r, r);
}

void QPainterSurface::SetFont(const FontSpec& f) {
    font_ = QFont(QString::fromStdString(f.face));
    const int dpi = painter_.device() ? painter_.device()->logicalDpiY() : 96;
    font_.setPointSizeF(
        std::max({kMinimumPoints, kMinimumTextPixels * 72.0 / dpi, f.points * font_scale_}));
    font_.setBold(f.bold);
    painter_.setFont(font_);
    metrics_ = QFontMetricsF(font_, painter_.device());
}

void QPainterSurface::Text(Point at, std::string_view s, Colour c) {
    painter_.setPen(Ink(c, kTextContrast));
    const QPointF top_left = Map(at);
    const char code = s.size() == 1 ? s[0] : '\0';
    if (outlines_ && static_cast<unsigned char>(code) >=
                         static_cast<unsigned char>(AspectCode(kConjunctionKind))) {
        const QPointF baseline(top_left.x(), top_left.y() + metrics_.ascent());
        const double em = font_.pixelSize() > 0
                              ? font_.pixelSize()
                              : font_.pointSizeF() * painter_.device()->logicalDpiY() / 72.0;
        if (code == BodyCode(kAscendantBody) || code == BodyCode(kMCBody)) {
            // The font's own letters: bold, 72 % high and 55 % wide, centred on the cap height.
            QFont letters(QStringLiteral("DejaVu Sans"));
            letters.setBold(true);
            letters.setPixelSize(
                std::max(1, static_cast<int>(std::lround(em * kAngleLetterHeight))));
            const QString text =
                code == BodyCode(kAscendantBody) ? QStringLiteral("AC") : QStringLiteral("MC");
            const double squeeze = kAngleLetterWidth / kAngleLetterHeight;
            const double width = QFontMetricsF(letters, painter_.device()).horizontalAdvance(text);
            const double advance = metrics_.horizontalAdvance(GlyphFontText(s));
            painter_.save();
            painter_.setFont(letters);
            painter_.translate(baseline.x() + (advance - width * squeeze) / 2,
                               baseline.y() - kAngleLetterRise * em);
            painter_.scale(squeeze, 1);
            painter_.drawText(QPointF(0, 0), text);
            painter_.restore();
            return;
        }
        QPainterPath outline;
        outline.addText(baseline, font_, GlyphFontText(s));
        painter_.fillPath(outline, Ink(c, kTextContrast));
        return;
    }
    painter_.drawText(QPointF(top_left.x(), top_left.y() + metrics_.ascent()), GlyphFontText(s));
}

void QPainterSurface::TurnedText(Point centre, double turn, std::string_view s, Colour c) {
    painter_.setPen(Ink(c, kTextContrast));
    const QString text = GlyphFontText(s);
    painter_.save();
    painter_.translate(Map(centre));
    painter_.rotate(-turn);  // counterclockwise with y up is clockwise-negative on the device
    painter_.drawText(
        QPointF(-metrics_.horizontalAdvance(text) / 2, -metrics_.height() / 2 + metrics_.ascent()),
        text);
    painter_.restore();
}

Extent QPainterSurface::TextExtent(std::string_view s) const {
    return {metrics_.horizontalAdvance(GlyphFontText(s)) / unit_, metrics_.height() / unit_};
}

WheelWork PaintWheelOn(QPainter& painter, const QRectF& target, const WheelInputs& in,
                       bool glyph_outlines) {
    const UserScale scale = WheelUserScale(in, {target.width(), target.height()});
    QPainterSurface surface(painter, target, scale);
    surface.SetGlyphOutlines(glyph_outlines);
    surface.SetOnPaper(in.style.PrinterOutput || in.style.MonochromeDrawing);
    // The window's font sizes are designed for the 1024 x 768 preset (1024 pixels across 608
    // units); in a smaller or larger window the text grows and shrinks with the wheel, so the
    // labels keep their places between the rings. The printed page keeps its sizes in points.
    if (!in.style.PrinterOutput) {
        const int dpi = painter.device() ? painter.device()->logicalDpiY() : 96;
        const double reference_unit = 1024.0 / 608.0 * dpi / 96.0;
        const double scale = std::clamp(surface.DeviceLength(1) / reference_unit, 0.5, 3.0);
        surface.SetFontScale(scale);
        // Lines grow with the wheel too, so a large window looks like the preset enlarged.
        surface.SetLineScale(std::max(1.0, scale));
    }
    DrawingContext dc(surface, scale);
    return PaintWheel(dc, in);
}

}  // namespace orvantis
