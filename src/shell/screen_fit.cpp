#include "shell/screen_fit.h"

#include <algorithm>

namespace orvantis {

QRect FitToAvailable(QSize wanted, QRect now, QRect available, QMargins frame) {
    const QRect inside = available.marginsRemoved(frame);
    if (inside.width() <= 0 || inside.height() <= 0) return QRect(now.topLeft(), wanted);
    const QSize size = wanted.boundedTo(inside.size());
    const int left = std::clamp(now.left(), inside.left(), inside.right() + 1 - size.width());
    return QRect(QPoint(left, inside.top()), size);
}

}  // namespace orvantis
