#pragma once
// The popup of a drop-down (TDropDownForm) and its drop button
// (TDropDownEditButton with its inner TVynDropDownSpeedButton).
//
// TDropDownForm is the platform's popup form (a Qt popup: above every
// window, grabbing mouse and keyboard while open). It paints the drop-down's
// background (an 80-band gradient or a fill) and a frame of
// DropDownBorderWidth, keeps its aligned children inside that frame, and
// closes by the drop-down's rule when it loses (PopupDeactivate):
// - with BlockActivate on nothing happens (no close, no time recorded);
// - otherwise the time is recorded (DeActivateTime, the layer's clock) and,
//   unless the window taking over lies inside the popup (its parent or
//   owner chain leads to the popup), the drop-down closes with
//   CancelOnDeActivate as the cancel flag;
// - the closing press goes on to the window under the pointer, except on
//   this drop-down's own drop button: that press only closes.
// The drop shadow is a stored flag (whether one is drawn is the
// compositor's); Sizeable makes the bottom-right 10 x 10 corner a size grip
// (HitTest); the popup's StartCornerResize does the sizing.
#include <memory>

#include "controls/dropdown/DropDownTypes.h"
#include "platform/gui/popupform.h"

class TVynCustomDropDown;
class TVynHeader;
class TVynFooter;

class TDropDownForm : public TPopupForm {
public:
    explicit TDropDownForm(TComponent* AOwner);
    ~TDropDownForm() override;

    // Milliseconds of the layer's clock (as an unsigned 32-bit count) at the
    // last deactivation of the visible popup; 0 before the first.
    uint32_t DeActivateTime() const { return fDeActivate_; }
    // True once a deactivation was recorded.
    bool Deactivated() const { return fDeactivated_; }
    // The drop shadow requested (DropShadow of the popup).
    bool Shadow() const { return DropShadow(); }
    void SetShadow(bool Value) { SetDropShadow(Value); }
    TVynCustomDropDown* VynDropDown() const { return fVynDropDown_.Get(); }
    void SetVynDropDown(TVynCustomDropDown* Value);
    bool Sizeable() const { return fSizeable_; }
    void SetSizeable(bool Value) { fSizeable_ = Value; }
    bool CancelOnDeActivate() const { return fCancelOnDeActivate_; }
    void SetCancelOnDeActivate(bool Value) { fCancelOnDeActivate_ = Value; }
    bool BlockActivate() const { return fBlockActivate_; }
    void SetBlockActivate(bool Value) { fBlockActivate_ = Value; }

    // Prepares the bars before each opening and after a change of the
    // header or footer settings: a bar is created the first time its
    // settings are visible and then kept (hidden when they are not).
    void InitializeAndUpdate();
    // The bars (nullptr until first needed).
    TVynHeader* Header() const { return fHeader_; }
    TVynFooter* Footer() const { return fFooter_; }
    virtual void UpdateSize() {}

    // The window-hit answer at a client point: HTBOTTOMRIGHT in the
    // bottom-right 10 x 10 corner when Sizeable, else HTNOWHERE.
    int HitTest(TPoint P) const;
    void PopupDeactivate(TWinControl* NewWindow) override;

protected:
    void PaintWindow(QPainter* Painter) override;
    void PaintBackground(TCanvas& Canvas);
    void AdjustClientRect(TRect& Rect) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMSize(TMessage& Message) override;

private:
    std::unique_ptr<TCanvas> canvas_;

    TVynHeader* fHeader_ = nullptr;
    TVynFooter* fFooter_ = nullptr;
    uint32_t fDeActivate_ = 0;
    bool fDeactivated_ = false;
    TWeakRef<TVynCustomDropDown> fVynDropDown_;
    bool fSizeable_ = false;
    bool fCancelOnDeActivate_ = true;
    bool fBlockActivate_ = false;
};
