// The wheel's surface over a QPainter: one adapter for the window, an image and the printed
// page (QPainter paints on a QWidget, a QImage and a QPrinter alike).
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>

#include "wheel/paint_cycle.h"
#include "wheel/surface.h"

namespace orvantis {

// Maps the user scale onto the target rectangle of the painter's device with equal units on
// both axes, centred (the window's scale already has the target's proportions; the page's is
// fitted inside the paper), y up. Text is drawn with the top-left corner of its cell at the
// given point: the baseline lies one ascent below it. Sizes are measured on the painter's
// device, so the 1200-dpi printer and the 96-dpi screen lay out alike; lines are one pixel at
// 96 dpi and as thick in inches elsewhere.
class QPainterSurface final : public Surface {
public:
    QPainterSurface(QPainter& painter, const QRectF& target, const UserScale& scale);

    void Clear(Colour background) override;
    void Line(Point from, Point to, Colour c) override;
    void Circle(Point centre, double radius, Colour c) override;
    void SetFont(const FontSpec& f) override;
    void Text(Point at, std::string_view s, Colour c) override;
    void TurnedText(Point centre, double turn, std::string_view s, Colour c) override;
    Extent TextExtent(std::string_view s) const override;

    // Single glyphs (signs, bodies, aspects) drawn as filled outlines, the Ascendant and MC as
    // the plain letters "AC" and "MC": a drawing that needs no glyph font to be read (an SVG).
    // Off unless set.
    void SetGlyphOutlines(bool outlines) { outlines_ = outlines; }
    // Every font size is multiplied by this (1 unless set).
    void SetFontScale(double scale) { font_scale_ = scale; }
    // Every line width is multiplied by this (1 unless set).
    void SetLineScale(double scale) { line_scale_ = scale; }
    // On paper, colours too light to read on white are darkened: text to a contrast of 4.5:1,
    // lines and circles to 3:1 (the WCAG minimums for text and for graphics). The screen keeps
    // the options' palette. Off unless set; Clear is never changed.
    void SetOnPaper(bool on_paper) { on_paper_ = on_paper; }

    // Device position of a user point, and device length of a user length.
    QPointF Map(Point p) const;
    double DeviceLength(double user_length) const { return user_length * unit_; }

private:
    QColor Ink(Colour c, double least_contrast) const;

    QPainter& painter_;
    QRectF target_;
    UserScale scale_;
    double unit_ = 1;  // device units per user unit
    QPointF device_centre_;
    Point user_centre_;
    double pen_width_ = 1;
    double font_scale_ = 1;
    double line_scale_ = 1;
    bool on_paper_ = false;
    bool outlines_ = false;
    QFont font_;
    QFontMetricsF metrics_;
};

// The WCAG 2 contrast ratio of two colours, 1 (the same) to 21 (black on white).
double ContrastRatio(Colour a, Colour b);
// c with its channels scaled down together (its hue kept) to the lightest colour whose contrast
// with white is at least `ratio` (at most 21); c itself when it already is.
Colour DarkenedForWhite(Colour c, double ratio);

// Text of glyph-font codes (single bytes) as the characters Qt draws them with: each byte's
// GlyphCodePoint.
QString GlyphFontText(std::string_view codes);

// The whole paint cycle on a painter: scale, surface, context and paint in one call (glyphs as
// outlines when asked, see SetGlyphOutlines). Returns the working tables.
WheelWork PaintWheelOn(QPainter& painter, const QRectF& target, const WheelInputs& in,
                       bool glyph_outlines = false);

}  // namespace orvantis
