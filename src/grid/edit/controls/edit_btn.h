#pragma once
// Edits with a button at their right edge.
//
// - TVsgEditBtn: a one-line edit with a button (caption or glyph); a click
//   on it, or F4 (without Ctrl or Alt), fires OnClickBtn.
// - TVsgUnitEditBtn: a value followed by a unit. The unit is painted inside
//   the edit left of the button and chosen from Units in a popup menu the
//   button opens; TextAndUnit joins value and unit (no separator) and
//   splits them again (the first unit, in list order, whose first
//   occurrence ends the text).
// - TVsgEditButton: the small window holding the button, TVynSpeedButton,
//   which paints in custom colours, with visual styles, flat or classic.
//   The click happens on the release of the left button.
//
// Geometry, in the client coordinates of the edit's text area (inside its
// two-pixel frame with BorderStyle bsSingle): the button at the right edge;
// the unit drawn from ClientWidth - button width - 3 - UnitSpace to
// ClientWidth - button width - 3; the text ending at ClientWidth -
// (button width + UnitSpace + 5), 3 less again with a unit space.
#include "platform/gui/buttons.h"
#include "grid/edit/controls/side_button_edit.h"
#include "platform/rtl/stringlist.h"

class TVsgEditButton;

// ---- TVynSpeedButton ---------------------------------------------------------------------------

class TVynSpeedButton : public THotSpeedButton {
public:
    explicit TVynSpeedButton(TComponent* AOwner);

    // Its own flat flag (the custom colours switch it on for good).
    bool Flat() const { return ownFlat_; }
    void SetFlat(bool Value);

protected:
    void Paint() override;

private:
    TVsgEditButton* Holder() const;

    bool ownFlat_ = false;
};

// ---- TVsgEditButton ----------------------------------------------------------------------------

class TVsgEditButton : public TCustomControl {
public:
    explicit TVsgEditButton(TComponent* AOwner);
    ~TVsgEditButton() override;

    TVynSpeedButton* Button() const { return button_; }
    TWinControl* FocusControl() const { return focusControl_.Get(); }
    void SetFocusControl(TWinControl* Value) { focusControl_ = TWeakRef<TWinControl>(Value); }
    bool Flat() const { return flat_; }
    void SetFlat(bool Value);
    const TBitmap& Glyph() const { return button_->Glyph(); }
    void SetGlyph(const TBitmap* Value) { button_->SetGlyph(Value); }
    int NumGlyphs() const { return button_->NumGlyphs(); }
    void SetNumGlyphs(int Value) { button_->SetNumGlyphs(Value); }
    String ButtonCaption() const { return button_->Caption(); }
    void SetButtonCaption(const String& Value) { button_->SetCaption(Value); }

    // Only ButtonColor, ButtonColorHot and ButtonColorDown change the
    // painting; the others are kept.
    TColor ButtonColorDown = clNone;
    TColor ButtonBorderColor = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonTextColorDown = clNone;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // The button was clicked (the sender is this control).
    TNotifyEvent OnClick;

private:
    void ButtonMouseUp(TMouseButton Button, int X, int Y);

    TVynSpeedButton* button_ = nullptr;
    TWeakRef<TWinControl> focusControl_;
    bool flat_ = false;
};

// ---- TVsgEditBtn -------------------------------------------------------------------------------

class TVsgEditBtn : public TSideButtonMaskEdit {
public:
    explicit TVsgEditBtn(TComponent* AOwner);
    ~TVsgEditBtn() override;

    TVsgEditButton* Button() const { return button_; }
    String ButtonCaption() const { return button_->ButtonCaption(); }
    void SetButtonCaption(const String& Value) { button_->SetButtonCaption(Value); }
    const TBitmap& Glyph() const { return button_->Glyph(); }
    void SetGlyph(const TBitmap* Value) { button_->SetGlyph(Value); }
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int Value);
    bool IsWinXP() const { return isWinXP_; }
    void SetIsWinXP(bool Value);
    bool RightAlign() const { return rightAlign_; }
    void SetRightAlign(bool Value);
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool Value) { editorEnabled_ = Value; }

    // The text area and the unit's rectangle, in client coordinates of the
    // text area (see the header comment); ClientWidth of that area.
    TRect TextArea() const;
    TRect UnitArea() const;
    int AreaClientWidth() const;
    int AreaClientHeight() const;

    // Fires OnClickBtn(Sender) (the TVsgEditButton for a click, the edit for F4).
    virtual void ClickBtn(TObject* Sender);

    TNotifyEvent OnClickBtn;

protected:
    int UnitSize() const { return unitSize_; }
    void SetUnitSize(int Value);
    void KeyDown(Word& Key, TShiftState Shift) override;
    void WMChar(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void DoEnter() override;
    void UpdateLayout() override;
    // Painted over the edit after each paint (the unit edit's unit).
    virtual void PaintOver(class QPainter& Painter) { (void)Painter; }
    // The frame's width around the text area (2 with bsSingle).
    int FrameWidth() const;

private:
    TVsgEditButton* button_ = nullptr;
    int unitSize_ = 0;
    bool rightAlign_ = false;
    bool editorEnabled_ = true;
    int buttonWidth_ = 0;
    bool isWinXP_ = false;
};

// ---- TVsgUnitEditBtn ---------------------------------------------------------------------------

using TUnitChangeEvent = std::function<void(TObject* Sender, const String& NewUnit)>;

class TVsgUnitEditBtn : public TVsgEditBtn {
public:
    explicit TVsgUnitEditBtn(TComponent* AOwner);
    ~TVsgUnitEditBtn() override;

    const String& UnitID() const { return unitID_; }
    void SetUnitID(const String& Value);
    const TStringList& Units() const { return units_; }
    TStringList& Units() { return units_; }
    void SetUnits(const TStringList* Value);
    int UnitSpace() const { return UnitSize(); }
    void SetUnitSpace(int Value) { SetUnitSize(Value); }
    // The text directly followed by the unit; writing splits (see above).
    String TextAndUnit() const { return Text() + unitID_; }
    void SetTextAndUnit(const String& Value);

    // Fires OnClickBtn(this), then shows the unit menu under the button.
    void ClickBtn(TObject* Sender) override;

    TUnitChangeEvent OnUnitChanged;

protected:
    // A command from the unit menu: item N (1 = the first unit).
    void WMCommand(TMessage& Message) override;
    void PaintOver(QPainter& Painter) override;

private:
    String unitID_;
    TStringList units_;
};
