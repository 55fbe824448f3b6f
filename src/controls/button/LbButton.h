#pragma once
// TLbButton: the push button of every window. A custom-drawn windowed
// control with a caption, an optional glyph strip, six drawing styles, colour
// presets, a hot-track colour that can fade out, a modal result for its
// form, an optional popup menu and Default/Cancel keys.
//
// Behaviour in short:
// - Clicks: a left press (enabled) presses the button and takes the focus;
//   the release clicks it only when the pointer is still over it. Enter or
//   Space pressed on the focused button presses it; their release clicks it
//   (only after the key went down on this button). A double click is a
//   second press, so it clicks twice. A click (visible, enabled) fires
//   OnClick and then, when ModalResult is not mrNone, gives ModalResult to
//   the form holding the button (after OnClick, so a handler cannot keep
//   the dialog open by resetting the form's value).
// - Dialog keys: Enter clicks a visible, enabled Default button and Esc
//   (without Shift, Ctrl, Alt) a visible, enabled Cancel button, unless the
//   form's active control is a button of any kind (its class name contains
//   "BUTTON" but not "RADIOBUTTON"), which keeps the key. A disabled Default
//   button leaves Enter to others.
// - Hot tracking: the face is Color blended towards HotTrackColor by
//   HotTrackStep()/8. Entering sets step 8, leaving 0 at once, or with
//   SlowDecease on one step less every 30 ms on a timer of the GUI thread
//   (re-entering during the fade sets 8 again and the fade goes on).
//   Hiding the button's window clears the hot state.
#include "controls/button/LbButtons.h"
#include "platform/gui/controls.h"

// What the button needs of a popup menu: to show it at a screen point.
class TLbButtonPopup {
public:
    virtual ~TLbButtonPopup() = default;
    virtual void Popup(int X, int Y) = 0;
};

class TLbButton : public TCustomControl {
public:
    explicit TLbButton(TComponent* AOwner);
    ~TLbButton() override;

    // ---- looks (the setters that change the look repaint at once)
    TAlignment Alignment() const { return fAlignment_; }
    void SetAlignment(TAlignment Value);
    TColor LightColor() const { return fLightColor_; }
    void SetLightColor(TColor Value);
    TColor ShadowColor() const { return fShadowColor_; }
    void SetShadowColor(TColor Value);
    // Face colour while pressed; clNone keeps the normal face.
    TColor ColorWhenDown() const { return fColorWhenDown_; }
    void SetColorWhenDown(TColor Value) { fColorWhenDown_ = Value; }
    // The colour the face reaches while hot; clNone: no blend.
    TColor HotTrackColor() const { return fHotTrackColor_; }
    void SetHotTrackColor(TColor Value) { fHotTrackColor_ = Value; }
    TFont& HotTrackFont() { return *fHTFont_; }
    // Copies the font (no repaint).
    void SetHotTrackFont(const TFont& Value) { fHTFont_->Assign(Value); }
    bool UseHotTrackFont() const { return fUseHTFont_; }
    void SetUseHotTrackFont(bool Value) { fUseHTFont_ = Value; }
    // Edges only while hot or pressed.
    bool Flat() const { return fFlat_; }
    void SetFlat(bool Value);
    // Without word wrap the caption is cut to fit, character by character.
    bool WordWrap() const { return fWordWrap_; }
    void SetWordWrap(bool Value);
    TLbButtonLayout Layout() const { return fLayout_; }
    void SetLayout(TLbButtonLayout Value);
    TLbButtonStyle Style() const { return fStyle_; }
    // bsModern, bsShape and bsQuicken let the parent show where they do not
    // paint.
    void SetStyle(TLbButtonStyle Value);
    // Always reads lcsCustom; setting a preset writes its colours, Flat,
    // Color, Font.Color and the style.
    TLbColorStyle ColorStyle() const { return fDummyStyle_; }
    void SetColorStyle(TLbColorStyle Value);

    // ---- glyph: NumGlyphs images of equal width side by side (0 normal,
    // 1 disabled, 2 pressed, 3 hot)
    TBitmap& Glyph() { return *fGlyph_; }
    const TBitmap& Glyph() const { return *fGlyph_; }
    // Copies the bitmap (nullptr: no glyph); NumGlyphs becomes width div
    // height; the kind becomes bkCustom.
    void SetGlyph(const TBitmap* Value);
    int NumGlyphs() const { return fNumGlyphs_; }
    void SetNumGlyphs(int Value);
    // A predefined button: glyph, caption and modal result from the kind's
    // table; bkCustom changes nothing else.
    TLbButtonKind Kind() const { return fKind_; }
    void SetKind(TLbButtonKind Value);

    // ---- behaviour
    TModalResult ModalResult() const { return fModalResult_; }
    // Also makes the kind bkCustom.
    void SetModalResult(TModalResult Value);
    bool Default() const { return fDefault_; }
    void SetDefault(bool Value) { fDefault_ = Value; }
    bool Cancel() const { return fCancel_; }
    void SetCancel(bool Value) { fCancel_ = Value; }
    // The hot colour fades out after the pointer leaves.
    bool SlowDecease() const { return fSlowDecease_; }
    void SetSlowDecease(bool Value);
    // Shown below the button's left edge after a click (the caller keeps
    // ownership; nullptr: none).
    TLbButtonPopup* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TLbButtonPopup* Value);

    // Also clears the pressed state and repaints.
    void SetEnabled(bool Value) override;

    // Presses the button and runs DoClick.
    void Click() override;
    // The click action: only when visible, enabled and pressed: releases the
    // button, fires OnClick, hands ModalResult to the form, pops the popup
    // menu up.
    void DoClick();

    // ---- state, for painting and inspection
    bool Pressed() const { return bDown_; }
    bool CursorOnButton() const { return bCursorOnButton_; }
    // The pointer is on the button or it has the focus.
    bool Hot() const;
    // 0 (normal face) .. 8 (full hot colour).
    int HotTrackStep() const { return fHotTrackStep_; }
    // True while the hot colour fades.
    bool Fading() const;

    // OnClick, OnMouseEnter (inherited members) and:
    TNotifyEvent OnMouseExit;

    // The fade's period.
    static constexpr unsigned FadeInterval = 30;

protected:
    void Paint() override;
    // One fade step (the fade timer's tick).
    void FadeStep();

    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CNKeyDown(TMessage& Message) override;
    void CNKeyUp(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;
    void CMDialogKey(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void WMTimer(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;
    bool WidgetEvent(QEvent* Event) override;
    void BeforeDestruction() override;

private:
    static constexpr uintptr_t FadeTimerID = 1;
    // The classic "repaint at once": paints now when the window is shown.
    void PaintNow();
    bool IsTransparentStyle() const;
    void StartFade();
    void StopFade();
    // The pointer can no longer be over a hidden button.
    void ClearHot();
    bool ParentShowing() const;

    TAlignment fAlignment_ = taCenter;
    TColor fShadowColor_ = 0x808080;
    TColor fColorWhenDown_ = clNone;
    bool fEnabled_ = true;
    bool fFlat_ = false;
    bool fWordWrap_ = false;
    std::unique_ptr<TBitmap> fGlyph_;
    TColor fHotTrackColor_ = clNone;
    std::unique_ptr<TFont> fHTFont_;
    TLbButtonKind fKind_ = TLbButtonKind::bkCustom;
    TLbButtonLayout fLayout_ = TLbButtonLayout::blGlyphLeft;
    TColor fLightColor_ = 0xFFFFFF;
    TModalResult fModalResult_ = mrNone;
    int fNumGlyphs_ = 0;
    bool fUseHTFont_ = false;
    TLbColorStyle fDummyStyle_ = lcsCustom;
    TLbButtonStyle fStyle_ = bsNormal;
    bool fDefault_ = false;
    bool fCancel_ = false;
    bool fSlowDecease_ = false;
    bool bDown_ = false;
    bool bCursorOnButton_ = false;
    // The fade worker: exists from construction until SlowDecease is
    // switched off (then again when switched on); runs (the timer ticks)
    // from a mouse leave with SlowDecease on until the step reaches 0.
    bool fadeWorker_ = true;
    bool fadeRunning_ = false;
    int fHotTrackStep_ = 0;
    // The key (Enter or Space) that went down on this button, 0 when none.
    Word keyDown_ = 0;
    TLbButtonPopup* popupMenu_ = nullptr;
};
