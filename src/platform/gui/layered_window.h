#pragma once
// Layered windows: a top-level window (an overlay window, a popup, a form)
// shown with one constant opacity, showing a picture with per-pixel alpha
// instead of its own painting, and cut to a window region. Where the
// display runs no compositor, the opacity has no effect and transparent
// pixels show black; the region cuts the window on every display.
//
// Each call answers false and changes nothing for a null window or one
// that is not top-level (a control inside a form).
#include <cstdint>

#include <QImage>

#include "platform/gui/canvas.h"
#include "platform/gui/graphics.h"

class TWinControl;

// Opacity 0 (invisible) .. 255 (opaque) of the whole window.
bool SetWindowOpacity(TWinControl* Window, uint8_t Alpha);
// 255 for a window that was never given one (or none).
uint8_t WindowOpacity(TWinControl* Window);

// The window shows Image at (0, 0) with its alpha (any format; kept as
// premultiplied ARGB) in place of its own painting and takes the image's
// size; pixels outside the image stay transparent. A null image gives the
// window its own painting back.
bool SetWindowAlphaImage(TWinControl* Window, const QImage& Image);
// The picture the window shows (a null image when none).
QImage WindowAlphaImage(TWinControl* Window);

// Only the pixels of Region (window coordinates) are shown; an empty region
// shows the whole window again.
bool SetWindowShape(TWinControl* Window, const TRegion& Region);
TRegion WindowShape(TWinControl* Window);

// Cuts out the pixels of the window's current picture whose colour is Key
// (the window's shape becomes the other pixels).
bool SetWindowColorKey(TWinControl* Window, TColor Key);
