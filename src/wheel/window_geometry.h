// The main window's geometry presets and the wheel scale that follows every resize.
#pragma once

#include <QList>
#include <QRect>
#include <cstdint>
#include <optional>

namespace orvantis {

// Twips are 1/1440 inch: 15 to a pixel on a 96-dpi screen.
inline constexpr double kTwipsPerInch = 1440.0;

struct GeometryPreset {
    double PresetScaleWidth = 1024, PresetScaleHeight = 768;
    double PresetWidth = 10970, PresetHeight = 9204;  // twips
};

// The preset for a screen of this width (pixels) and this many twips to a pixel.
GeometryPreset ChooseGeometryPreset(int screen_width_pixels, int twips_per_pixel);

// StartScale for a client area of W x H: 228 |W| / |H| (halves to even) when |W| >= |H|, else
// 244. nullopt for a degenerate area (a zero side, a minimised window): keep the previous one.
std::optional<std::int16_t> StartScaleFor(double scale_width, double scale_height);

// A saved window rectangle (pixels) made reachable on the screens there are now (their available
// areas): kept when a strip along its top, where the caption is grabbed, shows on a screen;
// otherwise moved onto the nearest screen, and shrunk to it if larger. A position saved beside a
// monitor since unplugged thus comes back. With no screens known it is kept.
QRect OnNearestScreen(const QRect& window, const QList<QRect>& screens);

}  // namespace orvantis
