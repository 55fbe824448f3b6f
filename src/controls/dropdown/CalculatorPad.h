#pragma once
// The calculator key pad TCustomButtonPanel: a panel of keys painted as
// push buttons with a caption, a hot key and a pressed key followed with the
// mouse, and a click reported by the key's index (OnButtonClick).
//
// - plCalculator: CreateDefaultButtons adds the 28 calculator keys and
//   UpdateLayout lays them out in a grid (gap 4 inside a margin of 8; keys
//   of one block share their border lines); only keys that exist are laid
//   out, so a changed key list never reads past its end.
// - plCustom: the keys keep the rectangles they were given.
// - A click is a release over the key that was pressed; a release over
//   another key clicks nothing.
// - Faces: the theme's push button (BP_PUSHBUTTON) in the states normal, hot,
//   pressed and disabled; without a theme the classic push button.
//   Captions are drawn in the appearance's font, special keys in
//   SpecialTextColor, the others in TextColor; the appearance's colours
//   take no part in the face.
//
// The pad's item classes share their names with the bar buttons' item
// classes of DropDownAppearance.h, so they live in the namespace CalcPad.
#include <memory>

#include "controls/dropdown/DropDownTypes.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/controls.h"

class TVynCustomDropDown;
class TCustomEdit;

enum class TButtonPanelType { plCalculator, plCustom };
using TButtonPanelType::plCalculator, TButtonPanelType::plCustom;


using TCalculatorButtonClickEvent = std::function<void(TObject* Sender, int Index)>;

namespace CalcPad {

class TButtonItem : public TCollectionItem {
public:
    explicit TButtonItem(TCollection* Collection);

    const String& Caption() const { return fCaption_; }
    void SetCaption(const String& Value) { fCaption_ = Value; }
    int ImageIndex() const { return fImageIndex_; }
    void SetImageIndex(int Value) { fImageIndex_ = Value; }
    bool Enabled() const { return fEnabled_; }
    void SetEnabled(bool Value) { fEnabled_ = Value; }
    TPicture& Image() { return *fImage_; }
    const TPicture& Image() const { return *fImage_; }
    void SetImage(const TPicture& Value) { fImage_->Assign(Value); }
    int Tag() const { return fTag_; }
    void SetTag(int Value) { fTag_ = Value; }
    const String& Name() const { return fName_; }
    void SetName(const String& Value) { fName_ = Value; }
    TColor CaptionColor() const { return fCaptionColor_; }
    void SetCaptionColor(TColor Value) { fCaptionColor_ = Value; }
    bool Special() const { return fSpecial_; }
    void SetSpecial(bool Value) { fSpecial_ = Value; }
    int Left() const { return fLeft_; }
    int Top() const { return fTop_; }
    int Width() const { return fWidth_; }
    int Height() const { return fHeight_; }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    // (Left, Top, Left + Width, Top + Height).
    TRect GetRect() const { return TRect{fLeft_, fTop_, fLeft_ + fWidth_, fTop_ + fHeight_}; }

    // From another key: caption, caption colour, tag, image index, picture,
    // enabled flag and name (not the special flag, not the rectangle).
    void Assign(const TPersistent& Source) override;

private:
    String fCaption_;
    int fImageIndex_ = -1;
    bool fEnabled_ = true;
    std::unique_ptr<TPicture> fImage_;
    int fTag_ = 0;
    int fHeight_ = 0, fLeft_ = 0, fWidth_ = 0, fTop_ = 0;
    String fName_;
    TColor fCaptionColor_ = 0xFFFFFF;
    bool fSpecial_ = false;
};

class TButtonItems : public TCollection {
public:
    explicit TButtonItems(TPersistent* AOwner);
    TButtonItem* Add() { return static_cast<TButtonItem*>(TCollection::Add()); }
    TButtonItem* Insert(int Index) { return static_cast<TButtonItem*>(TCollection::Insert(Index)); }
    TButtonItem* Items(int Index) const { return static_cast<TButtonItem*>(TCollection::Items(Index)); }
    TNotifyEvent OnChange;

protected:
    void Update(TCollectionItem* Item) override;
};

// The keys' font and text colours, and colours the themed faces do not use.
class TButtonAppearance : public TPersistent {
public:
    TButtonAppearance();
    ~TButtonAppearance() override;

#define CALCPAD_COLOR(Name, Field)                                                                                     \
    TColor Name() const { return Field; }                                                                              \
    void Set##Name(TColor Value)                                                                                       \
    {                                                                                                                  \
        if (Field == Value)                                                                                            \
            return;                                                                                                    \
        Field = Value;                                                                                                 \
        Changed();                                                                                                     \
    }
    CALCPAD_COLOR(BorderColor, fBorderColor_)
    CALCPAD_COLOR(BorderColorHot, fBorderColorHot_)
    CALCPAD_COLOR(BorderColorDown, fBorderColorDown_)
    CALCPAD_COLOR(BorderColorChecked, fBorderColorChecked_)
    CALCPAD_COLOR(Color, fColor_)
    CALCPAD_COLOR(ColorTo, fColorTo_)
    CALCPAD_COLOR(ColorDown, fColorDown_)
    CALCPAD_COLOR(ColorDownTo, fColorDownTo_)
    CALCPAD_COLOR(ColorHot, fColorHot_)
    CALCPAD_COLOR(ColorHotTo, fColorHotTo_)
    CALCPAD_COLOR(ColorChecked, fColorChecked_)
    CALCPAD_COLOR(ColorCheckedTo, fColorCheckedTo_)
    CALCPAD_COLOR(ColorDisabled, fColorDisabled_)
    CALCPAD_COLOR(ColorDisabledTo, fColorDisabledTo_)
    CALCPAD_COLOR(TextColor, fTextColor_)
    CALCPAD_COLOR(SpecialTextColor, fSpecialTextColor_)
#undef CALCPAD_COLOR
    TColor GlowColorHot() const { return fGlowColorHot_; }
    void SetGlowColorHot(TColor Value) { fGlowColorHot_ = Value; }
    TColor GlowColorDown() const { return fGlowColorDown_; }
    void SetGlowColorDown(TColor Value) { fGlowColorDown_ = Value; }
    TColor ShineColor() const { return fShineColor_; }
    void SetShineColor(TColor Value) { fShineColor_ = Value; }
    TFont& Font() const { return *fFont_; }
    void SetFont(const TFont& Value) { fFont_->Assign(Value); }

    void Assign(const TPersistent& Source) override;
    TNotifyEvent OnChange;

private:
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }

    TColor fBorderColor_ = 0, fBorderColorHot_ = 0, fBorderColorDown_ = 0, fBorderColorChecked_ = 0xFF0000;
    TColor fColor_ = 0x9A915F, fColorTo_ = 0xB0A170, fColorDown_ = 0x4B2F08, fColorDownTo_ = 0xADB514;
    TColor fColorHot_ = 0x9F6F1C, fColorHotTo_ = 0xD5C244;
    TColor fColorCheckedTo_, fColorChecked_, fColorDisabled_, fColorDisabledTo_;
    std::unique_ptr<TFont> fFont_;
    TColor fShineColor_ = 0xFFFFFF, fGlowColorHot_ = 0xD5C244, fGlowColorDown_ = 0xD5C244;
    TColor fTextColor_ = 0, fSpecialTextColor_ = 0x000080;
};

}  // namespace CalcPad

class TCustomButtonPanel : public TCustomControl {
public:
    explicit TCustomButtonPanel(TComponent* AOwner);
    ~TCustomButtonPanel() override;

    CalcPad::TButtonItems& Buttons() { return *fButtons_; }
    void SetButtons(const CalcPad::TButtonItems& Value) { fButtons_->Assign(Value); }
    TItemLayout ButtonLayout() const { return fButtonLayout_; }
    void SetButtonLayout(TItemLayout Value) { fButtonLayout_ = Value; }
    TSelectionColorStyle ItemColorStyle() const { return fItemColorStyle_; }
    void SetItemColorStyle(TSelectionColorStyle Value) { fItemColorStyle_ = Value; }
    TImageList* Images() const { return fImages_.Get(); }
    void SetImages(TImageList* Value);
    int CaptionGap() const { return fCaptionGap_; }
    void SetCaptionGap(int Value) { fCaptionGap_ = Value; }
    TCustomEdit* Edit() const { return fEdit_.Get(); }
    void SetEdit(TCustomEdit* Value);
    TButtonPanelType ButtonPanelType() const { return fButtonPanelType_; }
    void SetButtonPanelType(TButtonPanelType Value);
    CalcPad::TButtonAppearance& ButtonAppearance() const { return *fButtonAppearance_; }
    void SetButtonAppearance(const CalcPad::TButtonAppearance& Value) { fButtonAppearance_->Assign(Value); }
    // The hosting calculator (nullptr for a stand-alone pad).
    void SetVynDropDown(TVynCustomDropDown* DropDown);
    int ButtonHot() const { return fButtonHot_; }
    int ButtonDown() const { return fButtonDown_; }

    void ClearButtons();
    void ResetButtons();
    // The 28 calculator keys when the pad has none and is plCalculator;
    // then UpdateLayout.
    virtual void CreateDefaultButtons();
    virtual void UpdateLayout();
    virtual void GetButtonsArea(TRect& R);
    // The common key size (largest image and caption) by ButtonLayout.
    virtual void GetButtonSize(TSize& Size);
    // (-1, -1, -1, -1) for an invalid index.
    void GetButtonRect(int Index, TRect& R) const;
    // The first key whose rectangle holds the point; -1 when none.
    int ButtonAtPos(int X, int Y) const;
    virtual void InvalidateButton(int Index);
    virtual void DrawButton(int Index, TCanvas& Canvas);

    TCalculatorButtonClickEvent OnButtonClick;

protected:
    virtual void DoButtonClick(int Index);
    void SetButtonHot(int Index);
    void SetButtonDown(int Index);
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WMSize(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool valid(int Index) const { return Index >= 0 && Index < fButtons_->Count(); }
    void changed();

    std::unique_ptr<CalcPad::TButtonItems> fButtons_;
    TItemLayout fButtonLayout_ = ilCaptionRight;
    TSelectionColorStyle fItemColorStyle_ = scCustom;
    int fButtonHot_ = -1;
    int fOffSetX_ = 8, fOffSetY_ = 8;
    int fButtonOffSetX_ = 4, fButtonOffSetY_ = 4;
    TWeakRef<TImageList> fImages_;
    int fCaptionGap_ = 0;
    TWeakRef<TCustomEdit> fEdit_;
    TButtonPanelType fButtonPanelType_ = plCalculator;
    std::unique_ptr<CalcPad::TButtonAppearance> fButtonAppearance_;
    int fButtonDown_ = -1;
    TWeakRef<TVynCustomDropDown> fVynDropDown_;
};
