#pragma once
// TSpeedButton: a graphic (window-less) push button with a glyph strip and
// a caption, painted in the classic way.
//
// - States: bsUp, bsDisabled, bsDown (held by the mouse), bsExclusive (stays
//   down: Down with a GroupIndex). A disabled button paints bsDisabled.
// - Glyph: a strip of NumGlyphs images side by side (1 to 4: up, disabled,
//   down, exclusive). A missing disabled image is made from the up image
//   (embossed in the highlight and shadow colours); a missing exclusive
//   image uses the down one, a missing down image the up one. The colour
//   of the strip's lower-left pixel is transparent. Setting a glyph whose
//   width is a whole multiple (1 to 4) of its height sets NumGlyphs.
// - Painting: not Flat: a push-button frame, pushed while down; Flat: no
//   frame until the mouse is over it (raised inner edge) or it is down
//   (sunken outer edge). Down and exclusive move glyph and caption one
//   pixel right and down; the exclusive state fills with the dither pattern
//   of the button face and highlight (not while a flat button is hot).
// - Mouse: a left press makes it bsDown and captures the mouse; moving out
//   and back shows up and down; the release inside clicks (OnClick). With a
//   GroupIndex the click toggles Down; setting Down raises the other
//   buttons of the same group and parent. AllowAllUp lets the last button
//   of a group be raised.
#include "platform/gui/bitmap.h"
#include "platform/gui/controls.h"

enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
using TButtonState::bsUp, TButtonState::bsDisabled, TButtonState::bsDown, TButtonState::bsExclusive;

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
using TButtonLayout::blGlyphLeft, TButtonLayout::blGlyphRight, TButtonLayout::blGlyphTop,
    TButtonLayout::blGlyphBottom;

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    // The glyph strip (an empty bitmap: none). SetGlyph copies it.
    const TBitmap& Glyph() const { return *glyph_; }
    void SetGlyph(const TBitmap* Value);
    int NumGlyphs() const { return numGlyphs_; }
    // 1 to 4; other values are ignored.
    void SetNumGlyphs(int Value);
    bool Flat() const { return flat_; }
    void SetFlat(bool Value);
    // Flat buttons leave the parent's background visible (default true).
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout Value);
    // Pixels from the edge to the glyph; -1 centres glyph and caption.
    int Margin() const { return margin_; }
    void SetMargin(int Value);
    // Pixels between glyph and caption.
    int Spacing() const { return spacing_; }
    void SetSpacing(int Value);

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value);
    bool Down() const { return down_; }
    void SetDown(bool Value);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool Value);

    TButtonState State() const { return state_; }
    // True while the pointer is over the button (hot).
    bool MouseInControl() const { return mouseInControl_; }

    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void WMCancelMode(TMessage& Message) override;

    // The state the painting uses (bsDisabled for a disabled button).
    TButtonState PaintState() const;
    // Draws glyph and caption into R (the inside of the frame), moved by
    // Offset; the layout rules of the class comment.
    void DrawGlyphAndCaption(TCanvas& Canvas, const TRect& R, TPoint Offset, TButtonState State);
    // The image of the strip for State (its width: Glyph width / NumGlyphs).
    QImage GlyphImage(TButtonState State) const;
    // True while the left button holds it (pressed by the mouse).
    bool Dragging() const { return dragging_; }
    void SetState(TButtonState Value) { state_ = Value; }
    void SetMouseInControl(bool Value) { mouseInControl_ = Value; }

private:
    void UpdateExclusive();
    void ButtonPressed(TSpeedButton* Sender);

    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
    bool flat_ = false;
    bool transparent_ = true;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    TButtonState state_ = bsUp;
    bool mouseInControl_ = false;
    bool dragging_ = false;
};
