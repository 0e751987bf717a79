#include "wheel/window_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvantis {

GeometryPreset ChooseGeometryPreset(int screen_width_pixels, int twips_per_pixel) {
    if (screen_width_pixels == 640) return {640, 480, 8490, 7200};
    if (screen_width_pixels == 800)
        return twips_per_pixel == 12 ? GeometryPreset{800, 600, 8400, 7200}
                                     : GeometryPreset{800, 600, 10725, 8940};
    return twips_per_pixel == 15 ? GeometryPreset{1024, 768, 14050, 11505}
                                 : GeometryPreset{1024, 768, 10970, 9204};
}

std::optional<std::int16_t> StartScaleFor(double scale_width, double scale_height) {
    const double w = std::fabs(scale_width), h = std::fabs(scale_height);
    if (!(w > 0) || !(h > 0) || !std::isfinite(w) || !std::isfinite(h)) return std::nullopt;
    if (w < h) return 244;
    const double scale = std::nearbyint(228.0 * w / h);
    if (scale > 32767) return std::nullopt;
    return static_cast<std::int16_t>(scale);
}

QRect OnNearestScreen(const QRect& window, const QList<QRect>& screens) {
    // Enough of the caption to grab the window with the mouse.
    constexpr int kGripWidth = 64, kGripHeight = 24;
    const QRect grip(window.topLeft(), QSize(window.width(), kGripHeight));
    const QRect* nearest = nullptr;
    long long best = std::numeric_limits<long long>::max();
    for (const QRect& screen : screens) {
        const QRect shown = grip.intersected(screen);
        if (shown.width() >= kGripWidth && shown.height() >= std::min(kGripHeight, grip.height()))
            return window;
        const long long dx = std::max(
            {screen.left() - window.center().x(), 0, window.center().x() - screen.right()});
        const long long dy = std::max(
            {screen.top() - window.center().y(), 0, window.center().y() - screen.bottom()});
        if (dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = &screen;
        }
    }
    if (nearest == nullptr) return window;
    const QSize size = window.size().boundedTo(nearest->size());
    const int x = std::clamp(window.x(), nearest->left(), nearest->right() + 1 - size.width());
    const int y = std::clamp(window.y(), nearest->top(), nearest->bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}

}  // namespace orvantis
