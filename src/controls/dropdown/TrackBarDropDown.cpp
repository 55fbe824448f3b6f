#include "controls/dropdown/TrackBarDropDown.h"

#include "controls/dropdown/DropDownForm.h"
#include "platform/gui/input_state.h"
#include "platform/gui/trackbar.h"

TVynTrackBarDropDown::TVynTrackBarDropDown(TComponent* AOwner) : TVynCustomDropDown(AOwner)
{
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    SetForceShadow(true);
    InitDropDown();
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetEditType(etNumeric);
    SetTextDirect(QString::number(fPosition_));
}

void TVynTrackBarDropDown::CreateDropDownForm()
{
    TVynCustomDropDown::CreateDropDownForm();
    if (!fTrackBar_) {
        fTrackBar_ = new TTrackBar(this);
        fTrackBar_->SetParent(DropDownForm());
        fTrackBar_->SetBounds(0, 0, fTrackBar_->Width(), 40);
    }
    fTrackBar_->OnChange = [this](TObject*) { TrackBarChange(); };
}

void TVynTrackBarDropDown::SetPosition(int Value)
{
    fPosition_ = Value;
    if (fTrackBar_) {
        fTrackBar_->SetPosition(Value);
        fPosition_ = fTrackBar_->Position();
    }
}

void TVynTrackBarDropDown::SetMin(int Value)
{
    fMin_ = Value;
    if (fTrackBar_) {
        fTrackBar_->SetMin(Value);
        fMin_ = fTrackBar_->Min();
    }
}

void TVynTrackBarDropDown::SetMax(int Value)
{
    fMax_ = Value;
    if (fTrackBar_) {
        fTrackBar_->SetMax(Value);
        fMax_ = fTrackBar_->Max();
    }
}

void TVynTrackBarDropDown::SetFrequency(int Value)
{
    fFrequency_ = Value;
    if (fTrackBar_)
        fTrackBar_->SetFrequency(Value);
}

void TVynTrackBarDropDown::SetPageSize(int Value)
{
    fPageSize_ = Value;
    if (fTrackBar_)
        fTrackBar_->SetPageSize(Value);
}

void TVynTrackBarDropDown::DoBeforeDropDown()
{
    TVynCustomDropDown::DoBeforeDropDown();
    fPositionAtOpen_ = fPosition_;
    if (DropDownForm())
        DropDownForm()->SetCancelOnDeActivate(false);
    if (!fTrackBar_)
        return;
    // The range in an order the bar accepts whatever it had.
    if (fMin_ > fTrackBar_->Max())
        fTrackBar_->SetMax(fMax_);
    fTrackBar_->SetMin(fMin_);
    fTrackBar_->SetMax(fMax_);
    fTrackBar_->SetPosition(fPosition_);
    fTrackBar_->SetPageSize(fPageSize_);
    fTrackBar_->SetFrequency(fFrequency_);
    fTrackBar_->SetWidth(Width());
    SetControl(fTrackBar_);
}

void TVynTrackBarDropDown::DoHideDropDown(bool Cancel)
{
    const bool wasOpen = DroppedDown();
    TWeakRef<TVynTrackBarDropDown> self(this);
    TVynCustomDropDown::DoHideDropDown(Cancel);
    if (self && Cancel && wasOpen && !DroppedDown())
        SetPosition(fPositionAtOpen_);
}

void TVynTrackBarDropDown::TrackBarChange()
{
    if (!fTrackBar_)
        return;
    fPosition_ = fTrackBar_->Position();
    SetTextDirect(QString::number(fPosition_));
    if (OnTrackChange)
        OnTrackChange(this);
}

void TVynTrackBarDropDown::Change()
{
    TWeakRef<TVynTrackBarDropDown> self(this);
    TVynCustomDropDown::Change();
    if (!self)
        return;
    // A text that is no whole number leaves Position as it is.
    int v = 0;
    if (TryStrToInt(TCustomEdit::Text(), v))
        SetPosition(v);
}

void TVynTrackBarDropDown::WMKeyDown(TMessage& Message)
{
    TWeakRef<TVynTrackBarDropDown> self(this);
    const Word key = Message.CharCode();
    TVynCustomDropDown::WMKeyDown(Message);
    if (!self || EditorEnabled() || GetKeyState(VK_MENU) < 0)
        return;
    if (key == VK_UP && fPosition_ - fFrequency_ >= fMin_)
        SetPosition(fPosition_ - fFrequency_);
    else if (key == VK_DOWN && fPosition_ + fFrequency_ <= fMax_)
        SetPosition(fPosition_ + fFrequency_);
}

void TVynTrackBarDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TVynCustomDropDown::MouseDown(Button, Shift, X, Y);
    if (!dragAllowed())
        return;
    fMouseX_ = X;
    fMouseDraging_ = true;
}

void TVynTrackBarDropDown::MouseMove(TShiftState Shift, int X, int Y)
{
    TVynCustomDropDown::MouseMove(Shift, X, Y);
    if (!fMouseDraging_ || !dragAllowed())
        return;
    const int step = fPageSize_ == 0 ? 0 : (X - fMouseX_) / fPageSize_;
    fMouseX_ = X;
    if (step != 0)
        SetPosition(fPosition_ + step);
}

void TVynTrackBarDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    fMouseDraging_ = false;
    TVynCustomDropDown::MouseUp(Button, Shift, X, Y);
}
