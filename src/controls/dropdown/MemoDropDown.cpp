#include "controls/dropdown/MemoDropDown.h"

#include "controls/dropdown/DropDownDraw.h"
#include "controls/dropdown/DropDownForm.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/input_state.h"
#include "platform/gui/menus.h"

TVynMemoDropDown::TVynMemoDropDown(TComponent* AOwner)
    : TVynCustomDropDown(AOwner), fMemoText_(std::make_unique<TStringList>())
{
    InitDropDown();
}

TVynMemoDropDown::~TVynMemoDropDown() = default;

void TVynMemoDropDown::CreateDropDownForm()
{
    TVynCustomDropDown::CreateDropDownForm();
    if (!fMemo_) {
        fMemo_ = new TMemo(this);
        fMemo_->SetParent(DropDownForm());
        fMemo_->SetBounds(0, 0, fMemo_->Width(), 100);
        fMemo_->SetBorderStyle(bsNone);
        fMemo_->OnChange = [this](TObject*) {
            if (OnMemoChange)
                OnMemoChange(this);
        };
    }
    SetControl(fMemo_);
}

String TVynMemoDropDown::joined() const
{
    String s = fMemoText_->Text();
    if (s.endsWith(u'\n'))
        s.chop(1);
    if (s.endsWith(u'\r'))
        s.chop(1);
    return s;
}

void TVynMemoDropDown::SetMemoText(const TStringList& Value)
{
    fMemoText_->Assign(Value);
    if (fMemo_)
        fMemo_->Lines().SetText(fMemoText_->Text());
    MemoTextChanged();
}

void TVynMemoDropDown::SetMemoText(const String& Value)
{
    TStringList l;
    l.SetText(Value);
    SetMemoText(l);
}

void TVynMemoDropDown::SetMemoReadOnly(bool Value)
{
    fMemoReadOnly_ = Value;
    if (DroppedDown() && fMemo_)
        fMemo_->SetReadOnly(Value);
}

void TVynMemoDropDown::DoBeforeDropDown()
{
    TVynCustomDropDown::DoBeforeDropDown();
    if (DropDownForm())
        DropDownForm()->SetCancelOnDeActivate(false);
    if (!fMemo_)
        return;
    fMemo_->Lines().SetText(fMemoText_->Text());
    fMemo_->SetMaxLength(MaxLength());
    fMemo_->SetScrollBars(fMemoScrollBars_);
    fMemo_->SetReadOnly(fMemoReadOnly_);
}

void TVynMemoDropDown::DoHideDropDown(bool Cancel)
{
    const bool autoDrop = fAutoDrop_;
    fAutoDrop_ = false;
    if (Cancel && fMemo_ && DroppedDown())
        fMemo_->Lines().SetText(fMemoText_->Text());
    TWeakRef<TVynMemoDropDown> self(this);
    // The text the base puts back on a cancel is the summary: it does not
    // become the lines.
    fInternalUpdate_ = true;
    TVynCustomDropDown::DoHideDropDown(Cancel);
    if (!self)
        return;
    fInternalUpdate_ = false;
    fAutoDrop_ = autoDrop;
    if (Cancel)
        MemoTextChanged();
}

void TVynMemoDropDown::AfterDropUp()
{
    TWeakRef<TVynMemoDropDown> self(this);
    TVynCustomDropDown::AfterDropUp();
    if (!self || !fMemo_)
        return;
    fMemoText_->SetText(fMemo_->Lines().Text());
    MemoTextChanged();
    SetSelStart(0);
    SetSelLength(0);
}

void TVynMemoDropDown::DoEnter()
{
    TVynCustomDropDown::DoEnter();
    if (fAutoDrop_)
        DoShowDropDown();
}

void TVynMemoDropDown::ControlKeyDown(Word& Key, TShiftState Shift)
{
    const bool alt = Shift.Contains(ssAlt) || GetKeyState(VK_MENU) < 0;
    const Word key = Key;
    if (alt || key == VK_ESCAPE || key == VK_F4)
        TVynCustomDropDown::ControlKeyDown(Key, Shift);
    if ((key == 'A' || key == 'a') && Shift.Contains(ssCtrl) && fMemo_)
        fMemo_->SelectAll();
}

void TVynMemoDropDown::ControlKeyUp(Word& Key, TShiftState Shift)
{
    if (Shift.Contains(ssAlt) || GetKeyState(VK_MENU) < 0 || Key == VK_ESCAPE || Key == VK_F4)
        TVynCustomDropDown::ControlKeyUp(Key, Shift);
}

void TVynMemoDropDown::ControlKeyPress(QChar& Key)
{
    if (GetKeyState(VK_MENU) < 0 || Key.unicode() == 27)
        TVynCustomDropDown::ControlKeyPress(Key);
}

void TVynMemoDropDown::Change()
{
    if (!fInternalUpdate_)
        fMemoText_->SetText(TCustomEdit::Text());
    TVynCustomDropDown::Change();
}

void TVynMemoDropDown::MemoTextChanged()
{
    String display;
    if (fMemoText_->Count() == 0 || EditorEnabled()) {
        display = joined();
    } else {
        const String first = fMemoText_->Strings(0);
        TBitmap scratch(1, 1);
        TCanvas& c = scratch.Canvas();
        c.SetFont(Font());
        const int width = EditRect().Right - EditRect().Left;
        if (c.TextWidth(first) < width) {
            display = fMemoText_->Count() > 1 ? first + QStringLiteral("...") : first;
        } else {
            FitTextToWidth(c, first, width, display, true);
        }
    }
    fInternalUpdate_ = true;
    TWeakRef<TVynMemoDropDown> self(this);
    SetTextDirect(display);
    if (self)
        fInternalUpdate_ = false;
}
