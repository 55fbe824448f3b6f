#pragma once
// The grid's own small controls: the flat glyph button and the check box of
// its search bar, and the arrow windows that mark where a dragged column or
// row would drop.
//
// TVynGridButton: a graphic control (no window of its own), 22 x 23 when
// new. The left button pressed on it holds it down while the pointer stays
// over it; releasing it there clicks. Buttons of one parent with the same
// non-zero GroupIndex form a group in which at most one is down (with
// AllowAllUp the down one may be released again); Style tasCheck makes
// every click toggle Down. Painting: flat buttons paint their face in one
// of the colour sets (normal, hot while the pointer is over it, down,
// checked), a plain fill or a 16-band gradient when the "To" colour is set;
// non-flat buttons paint the classic push-button frame. The glyph's
// bottom-left pixel is its transparent colour.
//
// TVynCheckBox: a windowed check box with three states, painted by itself:
// the classic 13 x 13 box at the left or right, the caption beside it.
// Clicks and Space toggle it (not when ReadOnly, which still fires the
// click).
//
// TArrowWindow: an overlay window in clLime in the shape of an arrow (a
// 7-corner polygon as its window region); its bounds are screen
// coordinates.
#include <functional>
#include <memory>
#include <vector>

#include "grid/core/grid_types.h"
#include "platform/gui/actions.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/controls.h"
#include "platform/gui/overlay_window.h"
#include "platform/gui/stdctrls.h"

// Paints R with Steps bands from From to To (top to bottom, or left to right
// when Horizontal): band n has the colour From + round(n * (To - From) /
// Steps) per channel and covers round(n * h) to round(n * h) + round(h) + 1
// along the direction, h being R's extent / Steps (Steps 0 counts as 1).
// With an Outline colour other than clNone, R is then outlined in it.
void DrawButtonGradient(TCanvas& Canvas, TColor From, TColor To, bool Horizontal, const TRect& R, int Steps,
                        TColor Outline);

// What a grid button needs of its drop-down menu: to pop up at a screen point.
class TVynGridButtonMenu {
public:
    virtual ~TVynGridButtonMenu() = default;
    virtual void Popup(int X, int Y) = 0;
};

class TVynGridButton;

// The link of a grid button to its action: besides the control's links,
// the checked state is linked to Down while the button is in a group
// (GroupIndex not 0) with AllowAllUp and Down equals the action's checked
// state, and the group index while the two group indexes are equal.
class TVynGridButtonActionLink : public TControlActionLink {
public:
    explicit TVynGridButtonActionLink(TVynGridButton* AClient);

    bool IsCheckedLinked() const override;
    bool IsGroupIndexLinked() const override;
    void SetChecked(bool Value) override;
    void SetGroupIndex(int Value) override;

private:
    TVynGridButton* button_;
};

class TVynGridButton : public TGraphicControl {
public:
    explicit TVynGridButton(TComponent* AOwner);
    ~TVynGridButton() override;

    // ---- the action: assigning one copies its caption, enabled state, hint
    // and visibility; a click then executes it unless OnClick is set.
    TBasicAction* Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }
    void SetAction(TBasicAction* Value);
    TVynGridButtonActionLink* ActionLink() const { return actionLink_.get(); }

    // ---- behaviour
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool Value);
    // Down takes effect only in a group or with tasCheck (otherwise it stays
    // false); in a group without AllowAllUp a down button stays down.
    bool Down() const { return down_; }
    void SetDown(bool Value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value);
    TVynGridButtonStyle Style() const { return style_; }
    void SetStyle(TVynGridButtonStyle Value);
    // The right 12 pixels are a drop-down part (a press there fires
    // OnDropDown and pops DropDownMenu up below the button).
    bool DropDownButton() const { return dropDownButton_; }
    void SetDropDownButton(bool Value);
    // The caller keeps ownership (nullptr: none).
    TVynGridButtonMenu* DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(TVynGridButtonMenu* Value) { dropDownMenu_ = Value; }

    // ---- looks
    bool Flat() const { return flat_; }
    void SetFlat(bool Value);
    bool AutoXPStyle() const { return autoXPStyle_; }
    void SetAutoXPStyle(bool Value);
    // Takes the look from the desktop's colour scheme: none is known, so
    // this is Look 1.
    bool AutoThemeAdapt() const { return autoThemeAdapt_; }
    void SetAutoThemeAdapt(bool Value);
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor Value);
    TColor ColorHot() const { return colorHot_; }
    void SetColorHot(TColor Value);
    TColor ColorHotTo() const { return colorHotTo_; }
    void SetColorHotTo(TColor Value);
    TColor ColorDown() const { return colorDown_; }
    void SetColorDown(TColor Value);
    TColor ColorDownTo() const { return colorDownTo_; }
    void SetColorDownTo(TColor Value);
    TColor ColorChecked() const { return colorChecked_; }
    void SetColorChecked(TColor Value);
    TColor ColorCheckedTo() const { return colorCheckedTo_; }
    void SetColorCheckedTo(TColor Value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value);
    TColor BorderDownColor() const { return borderDownColor_; }
    void SetBorderDownColor(TColor Value);
    TColor BorderHotColor() const { return borderHotColor_; }
    void SetBorderHotColor(TColor Value);
    bool Rounded() const { return rounded_; }
    void SetRounded(bool Value);
    // A grey shadow of the glyph while hot.
    bool Shaded() const { return shaded_; }
    void SetShaded(bool Value);
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool Value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout Value);
    // Pixels from the edge to the glyph; -1 centres (values below -1 are
    // ignored).
    int Margin() const { return margin_; }
    void SetMargin(int Value);
    // Pixels between glyph and caption; -1 spreads them.
    int Spacing() const { return spacing_; }
    void SetSpacing(int Value);
    // One of seven colour sets (0 to 6); it makes the button flat. Other
    // values change nothing.
    int Look() const { return look_; }
    void SetLook(int Value);

    // ---- glyphs (copied; nullptr empties). Writing Glyph also makes
    // GlyphDisabled a grey copy while GlyphDisabled is empty, and rebuilds
    // the shadow.
    const TBitmap& Glyph() const { return *glyph_; }
    void SetGlyph(const TBitmap* Value);
    const TBitmap& GlyphHot() const { return *glyphHot_; }
    void SetGlyphHot(const TBitmap* Value);
    const TBitmap& GlyphDown() const { return *glyphDown_; }
    void SetGlyphDown(const TBitmap* Value);
    const TBitmap& GlyphDisabled() const { return *glyphDisabled_; }
    void SetGlyphDisabled(const TBitmap* Value);
    // The shadow drawn under the glyph while hot (empty until built).
    const TBitmap& ShadeGlyph() const { return *shadeGlyph_; }

    // ---- state, for painting and inspection
    TButtonState State() const { return state_; }
    bool MouseInControl() const { return mouseInControl_; }

    // OnClick, else the action.
    void Click() override;
    void Loaded() override;
    // The group's message, the accelerator and the look-changed messages.
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnDropDown;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WMLButtonDblClk(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;

private:
    void Changed() { Invalidate(); }
    // Tells the buttons of the same parent and group.
    void UpdateExclusive();
    void ButtonPressed(int Group, TVynGridButton* Sender);
    // The hot flag from where the pointer is now.
    void UpdateTracking();
    void AdaptToTheme();
    void BuildShade();
    // A face from A to B on R, outlined in Outline (see Paint).
    void PaintFace(TCanvas& C, const TRect& R, TColor A, TColor B, TColor Outline);
    void PaintContent(TCanvas& C, const TRect& Client, TPoint Offset, TButtonState State);
    bool InsideClient(int X, int Y) const;

    std::unique_ptr<TVynGridButtonActionLink> actionLink_;
    bool allowAllUp_ = false;
    bool autoThemeAdapt_ = false;
    bool autoXPStyle_ = false;
    TColor borderColor_ = clNone;
    TColor borderDownColor_ = clNone;
    TColor borderHotColor_ = clNone;
    TColor colorTo_ = clNone;
    TColor colorHot_ = 0xCAC7C7;
    TColor colorHotTo_ = clNone;
    TColor colorDown_ = 0xD8D3D2;
    TColor colorDownTo_ = clNone;
    TColor colorChecked_ = 0x808080;
    TColor colorCheckedTo_ = clNone;
    bool down_ = false;
    bool dropDownButton_ = false;
    TVynGridButtonMenu* dropDownMenu_ = nullptr;
    bool flat_ = true;
    std::unique_ptr<TBitmap> glyph_, glyphHot_, glyphDown_, glyphDisabled_, shadeGlyph_;
    int groupIndex_ = 0;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    bool rounded_ = false;
    bool shaded_ = true;
    bool showCaption_ = true;
    int spacing_ = 4;
    TVynGridButtonStyle style_ = TVynGridButtonStyle::tasButton;
    int look_ = 0;

    TButtonState state_ = bsUp;
    bool dragging_ = false;
    bool mouseInControl_ = false;
};

class TVynCheckBox : public TCustomControl {
public:
    explicit TVynCheckBox(TComponent* AOwner);
    ~TVynCheckBox() override;

    // taLeftJustify: the box at the left, the caption right of it;
    // taRightJustify: the box at the right.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TTextLayout ButtonVertAlign() const { return buttonVertAlign_; }
    void SetButtonVertAlign(TTextLayout Value);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool Value);
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState Value);
    // A caption too long for the control ends with an ellipsis.
    bool Ellipsis() const { return ellipsis_; }
    void SetEllipsis(bool Value);
    // Clicks and keys do not change the state (the click still fires).
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value) { readOnly_ = Value; }
    // Enter moves the focus on as Tab does.
    bool ReturnIsTab() const { return returnIsTab_; }
    void SetReturnIsTab(bool Value) { returnIsTab_ = Value; }
    // The parent shows through: the background is left unpainted.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    // Kept for forms that set it; the parent's background is always
    // composed live.
    bool TransparentChaching() const { return transparentChaching_; }
    void SetTransparentChaching(bool Value) { transparentChaching_ = Value; }
    // The box is held pressed (mouse or Space).
    bool Down() const { return down_; }
    void SetDown(bool Value);
    bool Hot() const { return hot_; }

    // Unless ReadOnly: Checked := not Checked (a grayed box becomes checked).
    void Toggle();

    // The box's rectangle in client coordinates.
    TRect BoxRect() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;
    void CMEnter(TMessage& Message) override;
    void CMExit(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;

private:
    // The 16 x 16 area from the box's top-left.
    void InvalidateBox();

    TAlignment alignment_ = taLeftJustify;
    TTextLayout buttonVertAlign_ = tlTop;
    TCheckBoxState state_ = cbUnchecked;
    bool ellipsis_ = false;
    bool readOnly_ = false;
    bool returnIsTab_ = false;
    bool transparent_ = false;
    bool transparentChaching_ = false;
    bool down_ = false;
    bool hot_ = false;
    bool mouseWentDown_ = false;
};

class TArrowWindow : public TOverlayWindow {
public:
    // Hidden, in clLime; AOwner frees it.
    TArrowWindow(TComponent* AOwner, TArrowDirection Direction);
    ~TArrowWindow() override;

    TArrowDirection Dir() const { return dir_; }
    // The seven corners of the outline (window coordinates).
    const std::vector<TPoint>& Arrow() const { return arrow_; }
    // The corners for a direction.
    static std::vector<TPoint> ArrowCorners(TArrowDirection Direction);

protected:
    void Paint() override;

private:
    TArrowDirection dir_;
    std::vector<TPoint> arrow_;
};
