// TVynCustomDropDown: the frame painted over the edit, the focus highlight
// of a non-typing edit and the attached label.
#include <QPainter>

#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/VynDropDown.h"
#include "platform/gui/application.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/stdctrls.h"

// ---- frame and focus highlight ---------------------------------------------------------------

bool TVynCustomDropDown::IsHot() const { return fMouseInControl_ || Screen.ActiveControl() == this; }

void TVynCustomDropDown::DrawBorders()
{
    if (Enabled() && !fFlat_ && fBorderColor_ == clNone && fFocusBorderColor_ == clNone)
        return;
    Invalidate();
    if (fButton_ && fButton_->InnerButton())
        fButton_->InnerButton()->SetFocused(IsHot());
}

void TVynCustomDropDown::DrawBorder(TCanvas& Canvas)
{
    TRect r = Rect(0, 0, Width(), Height());
    auto frame = [&](TColor Color, const TRect& R) {
        Canvas.Brush().SetStyle(bsSolid);
        Canvas.Brush().SetColor(Color);
        Canvas.FrameRect(R);
    };
    // The platform draws new-style edits: a disabled one shows silver.
    if (!Enabled() && fIsThemed_ && fDisabledBorder_) {
        frame(0xC0C0C0, r);
        return;
    }
    if (fBorderColor_ != clNone && (!Focused() || fFocusBorderColor_ == clNone)) {
        frame(fBorderColor_, r);
        return;
    }
    if (fFocusBorderColor_ != clNone) {
        if (Focused())
            frame(fFocusBorderColor_, r);
        return;
    }
    const bool hot = IsHot();
    const TColor c = hot ? clBtnFace : (Parent() ? Parent()->Color() : clBtnFace);
    if (hot) {
        DrawEdge(Canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        frame(c, r);
    } else {
        frame(c, r);
        frame(c, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
    }
}

void TVynCustomDropDown::DrawFocusedText(TCanvas& Canvas)
{
    if (fEditorEnabled_ || !Focused() || !fFocusDraw_)
        return;
    const int bw = fButton_ ? fButton_->Width() : 0;
    const TRect r = Rect(2, 2, Width() - bw - 1, Height() - 2);
    Canvas.Pen().SetStyle(TPenStyle::psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(clBlack);
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(clHighlight);
    Canvas.Rectangle(r);
    Canvas.SetFont(Font());
    Canvas.Font().SetColor(clHighlightText);
    Canvas.Brush().SetStyle(bsClear);
    TRect t = Rect(r.Left + 2, r.Top, r.Right - 3, r.Bottom);
    Canvas.DrawText(t, Text(), DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TVynCustomDropDown::paintOver(QPainter& Painter)
{
    TCanvas canvas;
    canvas.SetPainter(&Painter);
    canvas.SetFont(Font());
    DrawFocusedText(canvas);
    // Whenever DrawBorders would draw the frame (after a change of focus or
    // hover, which repaints), the painting draws it.
    if (!(Enabled() && !fFlat_ && fBorderColor_ == clNone && fFocusBorderColor_ == clNone))
        DrawBorder(canvas);
    canvas.SetPainter(nullptr);
}

// ---- the attached label ----------------------------------------------------------------------

void TVynCustomDropDown::DoLabelClick()
{
    if (OnLabelClick)
        OnLabelClick(this);
}

void TVynCustomDropDown::DoLabelDblClick()
{
    if (OnLabelDblClick)
        OnLabelDblClick(this);
}

void TVynCustomDropDown::CreateLabel()
{
    fLabel_ = new TLabel(this);
    fLabel_->SetParent(Parent());
    fLabel_->SetFocusControl(this);
    fLabel_->Font().Assign(*fLabelFont_);
    fLabel_->OnClick = [this](TObject*) { DoLabelClick(); };
    fLabel_->OnDblClick = [this](TObject*) { DoLabelDblClick(); };
    fLabel_->SetParentFont(ParentFont());
}

void TVynCustomDropDown::UpdateLabelPos()
{
    if (!fLabel_)
        return;
    fLabel_->SetTransparent(fLabelTransparent_);
    if (fParentFnt_)
        fLabel_->Font().Assign(Font());
    else
        fLabel_->Font().Assign(*fLabelFont_);
    TBitmap scratch(1, 1);
    scratch.Canvas().SetFont(fLabel_->Font());
    TRect m = Rect(0, 0, 1000, 255);
    scratch.Canvas().DrawText(m, fLabel_->Caption(), DT_CALCRECT | DT_HIDEPREFIX);
    const int tw = m.Width();
    const TPoint at = LabelPlacement(fLabelPosition_, Rect(Left(), Top(), Left() + Width(), Top() + Height()), tw,
                                     fLabel_->Width(), fLabel_->Height(), fLabelMargin_);
    fLabel_->SetBounds(at.X, at.Y, fLabel_->Width(), fLabel_->Height());
    fLabel_->SetVisible(Visible());
}

String TVynCustomDropDown::LabelCaption() const { return fLabel_ ? fLabel_->Caption() : String(); }

void TVynCustomDropDown::SetLabelCaption(const String& Value)
{
    if (!fLabel_)
        CreateLabel();
    fLabel_->SetCaption(Value);
    UpdateLabelPos();
}

void TVynCustomDropDown::SetLabelMargin(int Value)
{
    fLabelMargin_ = Value;
    UpdateLabelPos();
}

void TVynCustomDropDown::SetLabelPosition(TLabelPosition Value)
{
    fLabelPosition_ = Value;
    UpdateLabelPos();
}

void TVynCustomDropDown::SetLabelTransparent(bool Value)
{
    fLabelTransparent_ = Value;
    UpdateLabelPos();
}

void TVynCustomDropDown::SetLabelFont(const TFont& Value)
{
    if (!ParentFont())
        fLabelFont_->Assign(Value);
    UpdateLabelPos();
}

void TVynCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (fLabel_ && fLabel_->Parent())
        UpdateLabelPos();
}

void TVynCustomDropDown::SetParent(TWinControl* AParent)
{
    TCustomEdit::SetParent(AParent);
    // The label lies beside the edit, in the same parent.
    if (fLabel_ && !ComponentState().Contains(TComponentStateItem::csDestroying)) {
        fLabel_->SetParent(AParent);
        UpdateLabelPos();
    }
}

void TVynCustomDropDown::CMVisibleChanged(TMessage& Message)
{
    TCustomEdit::CMVisibleChanged(Message);
    if (fLabel_ && !fLabel_->Caption().isEmpty())
        fLabel_->SetVisible(Visible());
}
