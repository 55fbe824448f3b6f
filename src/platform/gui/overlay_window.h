#pragma once
// Overlay windows: small top-level windows the program draws above every
// other window as markers or effects (drop-position arrows, a glow around
// a cell). An overlay window is frameless, stays on top, is never
// activated, never takes the keyboard focus and never takes mouse input:
// presses, moves and the wheel reach the window below it. It is not a
// form: it takes no part in activation, modality or the focus model.
//
// It has no parent control; its bounds are screen coordinates. It starts
// hidden and shows or hides with Visible, without activating anything.
// Its owner (TComponent) frees it.
#include "platform/gui/controls.h"

class TOverlayWindow : public TCustomControl {
public:
    // Translucent: the pixels Paint leaves untouched (and the background,
    // when Color is clNone) show what lies below, where the display runs a
    // compositor; without one they are black.
    explicit TOverlayWindow(TComponent* AOwner, bool Translucent = false);
    ~TOverlayWindow() override;

    bool Translucent() const { return translucent_; }

    // The window's shape: only the pixels of Region (window coordinates)
    // are shown; an empty region shows the whole rectangle again.
    void SetWindowRegion(const TRegion& Region);
    const TRegion& WindowRegion() const { return region_; }

    // An overlay window has no parent; giving it one raises
    // EInvalidOperation.
    void SetParent(TWinControl* AParent) override;

protected:
    void CMVisibleChanged(TMessage& Message) override;

private:
    void ApplyRegion();
    bool translucent_;
    TRegion region_;
};
