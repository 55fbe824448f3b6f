#pragma once
// The pieces of the focus halo, the soft frame the grid can show around the
// cell being edited: the window that shows it, the picture with per-pixel
// alpha it shows, and the routines that draw that picture (a white rounded
// rectangle on black, softened by a Gaussian blur). The grid puts them
// together; this unit only builds them.
#include <cstdint>

#include "platform/gui/bitmap.h"
#include "platform/gui/overlay_window.h"

// The borderless window above every other that shows the halo: new with
// no size and colour 0x0000FF, hidden. It never becomes active, never takes
// the focus and lets every mouse event through to the window below; it is
// translucent where a compositor runs (elsewhere its unpainted pixels are
// black). Its position is in screen coordinates; the grid sets its size,
// shape, picture and visibility.
class TGridFocusWindow : public TOverlayWindow {
public:
    explicit TGridFocusWindow(TComponent* AOwner);
    ~TGridFocusWindow() override;
};

// A 32-bit bitmap (bytes blue, green, red, alpha per pixel, the colours
// premultiplied by alpha) shown with one constant Opacity on top of its
// per-pixel alpha.
class TGridAlphaMask : public TBitmap {
public:
    TGridAlphaMask();

    uint8_t Opacity() const { return opacity_; }
    void SetOpacity(uint8_t Value) { opacity_ = Value; }

    // From another alpha mask: its Opacity, then its pixels row by row into
    // this mask's current size (the caller sizes this mask first; where the
    // source is smaller, the pixels outside it stay as they were). From any
    // other picture: the bitmap copy. The pixel format is 32 bits
    // afterwards in both cases.
    void Assign(const TPersistent& Source) override;

    // Takes Bitmap's size and its colours premultiplied by the alpha the red
    // byte of Mask's pixel at the same place gives: for each channel
    // round(C * (a / 255)), halves to even, and alpha a. Both must be 24-bit
    // bitmaps and Mask at least as large as Bitmap; otherwise the mask is
    // left untouched.
    void MergeMask(const TBitmap& Mask, const TBitmap& Bitmap);

private:
    uint8_t opacity_ = 255;
};

// Makes Bitmap a Width x Height 24-bit picture, black, with a white rounded
// rectangle from (2 + PenWidth div 2, 2 + PenWidth div 2) to
// (Width - 2 - PenWidth div 2, Height - 2 - PenWidth div 2) with corners
// Corner pixels across: its outline PenWidth pixels wide when PenWidth > 0,
// else filled. The canvas's pen and brush are restored afterwards. With a
// Radius > 0 the picture is then blurred (BlurBitmap24).
void CreateRoundRectMask(TBitmap& Bitmap, int Width, int Height, int PenWidth, int Corner, double Radius);

// A Gaussian blur of a 24-bit bitmap in place, every row and then every
// column (edges repeat their end pixel). The kernel covers at most 9
// pixels on each side: the outer pairs whose weights sum to less than
// 1/510 are left out. Raises Exception("Blur only works for 24-bit
// bitmaps") for any other pixel format, changing nothing; a Radius of 0 or
// less (or not a number) leaves the bitmap unchanged.
void BlurBitmap24(TBitmap& Bitmap, double Radius);

namespace GridHalo {
// The number of pixels the blur kernel reaches on each side for Radius
// (Radius > 0): 1 to 9.
int BlurKernelHalfWidth(double Radius);
// The byte a channel's weighted sum gives: 0 below 0, 255 from 255 on,
// else the sum truncated.
uint8_t BlurChannel(double Sum);
}  // namespace GridHalo
