// Where the main window goes on its screen.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace orvantis {

// The frame a window manager puts around a window, guessed for a window not yet shown (the
// real one is known only once it is on screen): a title bar and thin borders, logical pixels.
inline constexpr QMargins kGuessedFrame{6, 32, 6, 6};

// The client rectangle for a window that wants `wanted` (client size) at `now` (its client
// rectangle), on a screen whose free area is `available` and with `frame` around it: the whole
// window, title bar and borders included, lies on the free area, its top at the area's top and
// its left edge kept where it can be. Sizes and places are logical pixels, so it holds at any
// scale factor.
QRect FitToAvailable(QSize wanted, QRect now, QRect available, QMargins frame);

}  // namespace orvantis
