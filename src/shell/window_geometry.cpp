#include "shell/window_geometry.h"

#include <cmath>

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

}  // namespace orvantis
