#pragma once
// The drop button of a drop-down: TDropDownEditButton, a small window at the
// edit's right edge holding one TVynDropDownSpeedButton, which paints the
// drop arrow (bsDropDown: themed as a combo box's button, classic, or in the
// colours the drop-down's tones set) or a push button (bsButton).
//
// - A left-button release on the inner button clicks the drop button
//   (OnClick), whether or not the press began there: the drop-down's
//   250 ms rule keeps a release after a press that closed the popup from
//   opening it again.
// - The button keeps its width at BWidth whatever width it is given, and
//   the inner button always fills it.
// - A coloured ButtonColor wins over the themed and classic looks; a glyph
//   replaces the arrow only while ButtonColor is clNone.
#include "controls/dropdown/DropDownTypes.h"
#include "platform/gui/buttons.h"
#include "platform/gui/controls.h"

class TVynCustomDropDown;
class TDropDownEditButton;

class TVynDropDownSpeedButton : public TSpeedButton {
public:
    explicit TVynDropDownSpeedButton(TComponent* AOwner);

    bool Etched() const { return fEtched_; }
    void SetEtched(bool Value);
    bool Focused() const { return fFocused_; }
    void SetFocused(bool Value);
    // The pressed look is never shown.
    void SetUp() { fUp_ = true; }
    TButtonStyle ButtonStyle() const { return fButtonStyle_; }
    void SetButtonStyle(TButtonStyle Value);
    bool Hot() const { return fHot_; }

protected:
    void Paint() override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    void DrawDropDownArrow();
    void DrawPushButton();
    bool Pressed() const;
    // The themed look is used (visual styles active).
    bool IsThemedButton() const;
    // 4 disabled, 3 pressed, 2 hot, 1 normal.
    int ThemeState() const;
    TDropDownEditButton* Owner_() const;
    TVynCustomDropDown* DropDown() const;

    bool fEtched_ = false;
    bool fFocused_ = false;
    bool fHot_ = false;
    bool fUp_ = false;
    bool fIsWinXP_ = true;
    TButtonStyle fButtonStyle_ = bsDropDown;
};

class TDropDownEditButton : public TWinControl {
public:
    explicit TDropDownEditButton(TComponent* AOwner);
    ~TDropDownEditButton() override;

    TVynDropDownSpeedButton* InnerButton() const { return fButton_; }
    // The edit the button belongs to.
    TWinControl* FocusControl() const { return fFocusControl_.Get(); }
    void SetFocusControl(TWinControl* Value) { fFocusControl_ = TWeakRef<TWinControl>(Value); }
    // The width the button keeps.
    int BWidth() const { return fBWidth_; }
    void SetBWidth(int Value);

    const TBitmap& Glyph() const { return fButton_->Glyph(); }
    void SetGlyph(const TBitmap& Value) { fButton_->SetGlyph(&Value); }
    int NumGlyphs() const { return fButton_->NumGlyphs(); }
    void SetNumGlyphs(int Value) { fButton_->SetNumGlyphs(Value); }
    const String& ButtonCaption() const { return fButton_->Caption(); }
    void SetButtonCaption(const String& Value) { fButton_->SetCaption(Value); }

    // Colours of the coloured look (stored only).
    TColor ButtonColor() const { return fButtonColor_; }
    void SetButtonColor(TColor Value) { fButtonColor_ = Value; }
    TColor ButtonColorHot() const { return fButtonColorHot_; }
    void SetButtonColorHot(TColor Value) { fButtonColorHot_ = Value; }
    TColor ButtonColorDown() const { return fButtonColorDown_; }
    void SetButtonColorDown(TColor Value) { fButtonColorDown_ = Value; }
    // Stored only: the painting uses the drop-down's BorderColor.
    TColor ButtonBorderColor() const { return fButtonBorderColor_; }
    void SetButtonBorderColor(TColor Value) { fButtonBorderColor_ = Value; }
    TColor ButtonTextColor() const { return fButtonTextColor_; }
    void SetButtonTextColor(TColor Value) { fButtonTextColor_ = Value; }
    TColor ButtonTextColorHot() const { return fButtonTextColorHot_; }
    void SetButtonTextColorHot(TColor Value) { fButtonTextColorHot_ = Value; }
    TColor ButtonTextColorDown() const { return fButtonTextColorDown_; }
    void SetButtonTextColorDown(TColor Value) { fButtonTextColorDown_ = Value; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Invalidate() override;
    void Loaded() override;

    TNotifyEvent OnClick;

protected:
    void WMSize(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;

private:
    void AdjustWinSize(int& W, int& H);

    TVynDropDownSpeedButton* fButton_ = nullptr;
    TWeakRef<TWinControl> fFocusControl_;
    int fBWidth_ = 16;
    TColor fButtonColorDown_ = clNone;
    TColor fButtonBorderColor_ = clNone;
    TColor fButtonTextColor_ = clNone;
    TColor fButtonTextColorHot_ = clNone;
    TColor fButtonColor_ = clNone;
    TColor fButtonColorHot_ = clNone;
    TColor fButtonTextColorDown_ = clNone;
};

// A windowed control that lets the bar buttons paint a parent's graphic
// controls.
class TWinCtrl : public TWinControl {
public:
    using TWinControl::TWinControl;
    // Paints the graphic child controls on Painter (all of them, bottom to
    // top; First is where the platform would start, kept for callers).
    void PaintCtrls(QPainter* Painter, TControl* First)
    {
        (void)First;
        PaintControls(Painter);
    }
};
