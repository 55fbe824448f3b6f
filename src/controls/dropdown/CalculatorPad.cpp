#include "controls/dropdown/CalculatorPad.h"

#include <algorithm>

#include "controls/dropdown/DropDownDraw.h"
#include "platform/gui/canvas.h"
#include "controls/dropdown/VynDropDown.h"
#include "platform/gui/stdctrls.h"

namespace {

struct TKeyDef {
    const char* Caption;
    const char* Name;
    int Tag;
    bool Special;
};

// The calculator keys in collection order.
const TKeyDef kCalculatorKeys[28] = {
    {"", "BTN_ON", 30, false},      {"Back", "BTN_BACK", 31, true}, {"CE", "BTN_CE", 32, true},
    {"C", "BTN_C", 16, true},       {"MC", "BTN_MC", 33, true},     {"MR", "BTN_MR", 34, true},
    {"MS", "BTN_MS", 35, true},     {"M+", "BTN_M+", 36, true},     {"0", "BTN_0", 0, false},
    {"1", "BTN_1", 1, false},       {"4", "BTN_4", 4, false},       {"7", "BTN_7", 7, false},
    {"8", "BTN_8", 8, false},       {"5", "BTN_5", 5, false},       {"2", "BTN_2", 2, false},
    {"+/-", "BTN_+/-", 14, false},  {".", "BTN_.", 15, false},      {"3", "BTN_3", 3, false},
    {"6", "BTN_6", 6, false},       {"9", "BTN_9", 9, false},       {"/", "BTN_/", 13, true},
    {"*", "BTN_*", 12, true},       {"-", "BTN_-", 11, true},       {"+", "BTN_+", 10, true},
    {"=", "BTN_=", 17, true},       {"1/x", "BTN_1/x", 38, false},  {"%", "BTN_%", 18, false},
    {"sqrt", "BTN_sqrt", 37, true}};

// The main block: (key index, column 0..5, row 1..4).
const int kBlock[24][3] = {{4, 0, 1},  {11, 1, 1}, {12, 2, 1}, {19, 3, 1}, {20, 4, 1}, {27, 5, 1},
                           {5, 0, 2},  {10, 1, 2}, {13, 2, 2}, {18, 3, 2}, {21, 4, 2}, {26, 5, 2},
                           {6, 0, 3},  {9, 1, 3},  {14, 2, 3}, {17, 3, 3}, {22, 4, 3}, {25, 5, 3},
                           {7, 0, 4},  {8, 1, 4},  {15, 2, 4}, {16, 3, 4}, {23, 4, 4}, {24, 5, 4}};

}  // namespace

namespace CalcPad {

// ---- TButtonItem ---------------------------------------------------------------------------

TButtonItem::TButtonItem(TCollection* Collection) : TCollectionItem(Collection), fImage_(std::make_unique<TPicture>())
{
}

void TButtonItem::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    fLeft_ = ALeft;
    fTop_ = ATop;
    fWidth_ = AWidth;
    fHeight_ = AHeight;
}

void TButtonItem::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TButtonItem*>(&Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    fCaption_ = s->fCaption_;
    fCaptionColor_ = s->fCaptionColor_;
    fTag_ = s->fTag_;
    fImageIndex_ = s->fImageIndex_;
    fImage_->Assign(*s->fImage_);
    fEnabled_ = s->fEnabled_;
    fName_ = s->fName_;
}

TButtonItems::TButtonItems(TPersistent* AOwner)
    : TCollection([](TCollection* C) { return new TButtonItem(C); }, AOwner)
{
}

void TButtonItems::Update(TCollectionItem*)
{
    if (OnChange)
        OnChange(this);
}

// ---- TButtonAppearance ---------------------------------------------------------------------

TButtonAppearance::TButtonAppearance()
    : fColorCheckedTo_(ShadeColor(0xF9D2B2, -10, -10, 0)), fColorChecked_(ShadeColor(0xF5F0E1, -10, -10, 0)),
      fColorDisabled_(ShadeColor(0xFFFFFF, -5, -5, -5)), fColorDisabledTo_(ShadeColor(0xFFFFFF, -5, -5, -5)),
      fFont_(std::make_unique<TFont>())
{
    fFont_->SetSize(10);
    fFont_->SetStyle(TFontStyles{fsBold});
}

TButtonAppearance::~TButtonAppearance() = default;

void TButtonAppearance::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TButtonAppearance*>(&Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    SetBorderColor(s->fBorderColor_);
    SetBorderColorHot(s->fBorderColorHot_);
    SetBorderColorDown(s->fBorderColorDown_);
    SetBorderColorChecked(s->fBorderColorChecked_);
    SetColor(s->fColor_);
    SetColorTo(s->fColorTo_);
    SetColorDown(s->fColorDown_);
    SetColorDownTo(s->fColorDownTo_);
    SetColorHot(s->fColorHot_);
    SetColorHotTo(s->fColorHotTo_);
    SetColorChecked(s->fColorChecked_);
    SetColorCheckedTo(s->fColorCheckedTo_);
    SetColorDisabled(s->fColorDisabled_);
    SetColorDisabledTo(s->fColorDisabledTo_);
    fGlowColorHot_ = s->fGlowColorHot_;
    fGlowColorDown_ = s->fGlowColorDown_;
    fShineColor_ = s->fShineColor_;
    fFont_->Assign(*s->fFont_);
    SetTextColor(s->fTextColor_);
    SetSpecialTextColor(s->fSpecialTextColor_);
}

}  // namespace CalcPad

// ---- TCustomButtonPanel --------------------------------------------------------------------

using CalcPad::TButtonAppearance;
using CalcPad::TButtonItem;

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner)
    : TCustomControl(AOwner), fButtons_(std::make_unique<CalcPad::TButtonItems>(this)),
      fButtonAppearance_(std::make_unique<TButtonAppearance>())
{
    fButtons_->OnChange = [this](TObject*) { changed(); };
    fButtonAppearance_->OnChange = [this](TObject*) { changed(); };
    SetBounds(Left(), Top(), 230, 150);
}

TCustomButtonPanel::~TCustomButtonPanel()
{
    fButtons_->OnChange = nullptr;
    fButtonAppearance_->OnChange = nullptr;
}

void TCustomButtonPanel::changed()
{
    if (!fVynDropDown_)
        Invalidate();
}

void TCustomButtonPanel::Loaded()
{
    TCustomControl::Loaded();
    if (!fVynDropDown_)
        CreateDefaultButtons();
}

void TCustomButtonPanel::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove || ComponentState().Contains(TComponentStateItem::csDestroying))
        return;
    if (AComponent == fImages_.Get())
        fImages_.Reset();
    if (AComponent == fEdit_.Get())
        fEdit_.Reset();
}

void TCustomButtonPanel::SetVynDropDown(TVynCustomDropDown* DropDown)
{
    fVynDropDown_ = TWeakRef<TVynCustomDropDown>(DropDown);
}

void TCustomButtonPanel::SetImages(TImageList* Value)
{
    if (Value == fImages_.Get())
        return;
    fImages_ = TWeakRef<TImageList>(Value);
    if (Value)
        Value->FreeNotification(this);
    UpdateLayout();
}

void TCustomButtonPanel::SetEdit(TCustomEdit* Value)
{
    fEdit_ = TWeakRef<TCustomEdit>(Value);
    if (Value)
        Value->FreeNotification(this);
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value)
{
    if (Value == fButtonPanelType_)
        return;
    fButtonPanelType_ = Value;
    UpdateLayout();
}

void TCustomButtonPanel::ClearButtons()
{
    fButtonHot_ = fButtonDown_ = -1;
    fButtons_->Clear();
}

void TCustomButtonPanel::ResetButtons()
{
    ClearButtons();
    CreateDefaultButtons();
}

void TCustomButtonPanel::CreateDefaultButtons()
{
    if (fButtons_->Count() == 0 && fButtonPanelType_ == plCalculator) {
        fButtons_->BeginUpdate();
        for (const TKeyDef& k : kCalculatorKeys) {
            TButtonItem* b = fButtons_->Add();
            b->SetCaption(QString::fromLatin1(k.Caption));
            b->SetName(QString::fromLatin1(k.Name));
            b->SetTag(k.Tag);
            b->SetSpecial(k.Special);
            if (k.Special)
                b->SetCaptionColor(0x000080);
        }
        fButtons_->EndUpdate();
    }
    UpdateLayout();
}

void TCustomButtonPanel::GetButtonsArea(TRect& R)
{
    R = ClientRect();
    R.Left += fOffSetX_;
    R.Top += fOffSetY_;
    R.Right -= fOffSetX_;
    R.Bottom -= fOffSetY_;
}

void TCustomButtonPanel::UpdateLayout()
{
    if (fButtons_->Count() == 0 || fButtonPanelType_ != plCalculator)
        return;
    TRect a;
    GetButtonsArea(a);
    const int g = 4;
    const int kw = (a.Right - a.Left - 2 * g) / 6, kh = (a.Bottom - a.Top - g) / 5;
    // Keys that exist only: a changed key list is laid out as far as it goes.
    auto place = [&](int Index, int X, int Y, int W, int H) {
        if (valid(Index))
            fButtons_->Items(Index)->SetBounds(X, Y, W, H);
    };
    place(0, a.Left, a.Top, kw, kh);
    const int y1 = a.Top + kh + g;
    int col[6];
    col[0] = a.Left;
    col[1] = col[0] + kw + g;
    col[2] = col[1] + kw - 1;
    col[3] = col[2] + kw - 1;
    col[4] = col[3] + kw + g;
    col[5] = col[4] + kw - 1;
    for (const auto& k : kBlock)
        place(k[0], col[k[1]], y1 + (k[2] - 1) * (kh - 1), kw, kh);
    const int r = col[5] + kw, xa = a.Left + kw + g;
    const int w3 = (r - xa - 2 * g) / 3;
    place(1, xa, a.Top, w3, kh);
    place(2, xa + w3 + g, a.Top, w3, kh);
    const int xc = xa + 2 * (w3 + g);
    place(3, xc, a.Top, r - xc, kh);
    Invalidate();
}

void TCustomButtonPanel::GetButtonSize(TSize& Size)
{
    int w = 0, h = 0, tw = 0, th = 0;
    TBitmap scratch(1, 1);
    TCanvas& c = scratch.Canvas();
    c.SetFont(Font());
    for (int i = 0; i < fButtons_->Count(); ++i) {
        const TButtonItem* b = fButtons_->Items(i);
        if (b->Image().Graphic()) {
            w = std::max(w, b->Image().Width());
            h = std::max(h, b->Image().Height());
        } else if (fImages_ && b->ImageIndex() >= 0) {
            w = std::max(w, fImages_->Width());
            h = std::max(h, fImages_->Height());
        }
        if (!b->Caption().isEmpty()) {
            const TSize s = c.TextExtent(b->Caption());
            tw = std::max(tw, s.cx);
            th = std::max(th, s.cy);
        }
    }
    if (fButtonLayout_ == ilCaptionLeft || fButtonLayout_ == ilCaptionRight) {
        Size.cx = 2 * fButtonOffSetX_ + (w > 0 ? w : 0) + (w > 0 && tw > 0 ? fCaptionGap_ : 0) + tw;
        Size.cy = std::max(h, th) + 2 * fButtonOffSetY_;
    } else {
        Size.cx = std::max(w, tw) + 2 * fButtonOffSetX_;
        Size.cy = 2 * fButtonOffSetY_ + (h > 0 ? h : 0);
        if (th >= 1)
            Size.cy += (h > 0 ? fCaptionGap_ : 0) + th;
    }
}

void TCustomButtonPanel::GetButtonRect(int Index, TRect& R) const
{
    R = valid(Index) ? fButtons_->Items(Index)->GetRect() : TRect{-1, -1, -1, -1};
}

int TCustomButtonPanel::ButtonAtPos(int X, int Y) const
{
    for (int i = 0; i < fButtons_->Count(); ++i)
        if (fButtons_->Items(i)->GetRect().Contains(TPoint{X, Y}))
            return i;
    return -1;
}

void TCustomButtonPanel::InvalidateButton(int Index)
{
    if (!valid(Index))
        return;
    // (The layer repaints whole controls; the key's rectangle grown by 8
    // pixels lies inside.)
    Invalidate();
}

void TCustomButtonPanel::DoButtonClick(int Index)
{
    if (OnButtonClick)
        OnButtonClick(this, Index);
}

void TCustomButtonPanel::SetButtonHot(int Index)
{
    if (Index == fButtonHot_ || (valid(Index) && !fButtons_->Items(Index)->Enabled()))
        return;
    const int old = fButtonHot_;
    fButtonHot_ = Index;
    InvalidateButton(old);
    InvalidateButton(Index);
}

void TCustomButtonPanel::SetButtonDown(int Index)
{
    if (Index == fButtonDown_ || (valid(Index) && !fButtons_->Items(Index)->Enabled()))
        return;
    const int old = fButtonDown_;
    fButtonDown_ = Index;
    InvalidateButton(old);
    InvalidateButton(Index);
}

void TCustomButtonPanel::WMSize(TMessage& Message)
{
    TCustomControl::WMSize(Message);
    UpdateLayout();
}

void TCustomButtonPanel::CMMouseLeave(TMessage& Message)
{
    TCustomControl::CMMouseLeave(Message);
    SetButtonHot(-1);
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int i = ButtonAtPos(X, Y);
    if (valid(i) && fButtons_->Items(i)->Enabled())
        SetButtonDown(i);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int i = ButtonAtPos(X, Y);
    if (i < 0)
        SetButtonHot(-1);
    else if (i != fButtonHot_)
        SetButtonHot(fButtons_->Items(i)->Enabled() ? i : -1);
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TCustomButtonPanel> self(this);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!self || fButtonDown_ < 0)
        return;
    const int pressed = fButtonDown_;
    const bool over = ButtonAtPos(X, Y) == pressed;
    SetButtonDown(-1);
    if (over)
        DoButtonClick(pressed);
}

void TCustomButtonPanel::Paint()
{
    TCanvas& c = Canvas();
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    if (!fVynDropDown_) {
        c.Brush().SetColor(clBlack);
        c.FrameRect(ClientRect());
    }
    for (int i = 0; i < fButtons_->Count(); ++i)
        if (i != fButtonHot_)
            DrawButton(i, c);
    if (valid(fButtonHot_))
        DrawButton(fButtonHot_, c);
}

void TCustomButtonPanel::DrawButton(int Index, TCanvas& Canvas)
{
    if (!valid(Index))
        return;
    const TButtonItem* b = fButtons_->Items(Index);
    const TRect kr = b->GetRect();
    if ((kr.Left < 0 && kr.Right < 0) || kr.IsEmpty())
        return;
    // The face: the theme's push button, else the classic one.
    Canvas.Brush().SetColor(Color());
    Canvas.FillRect(kr);
    const int state = !Enabled() ? PBS_DISABLED : Index == fButtonDown_ ? PBS_PRESSED
                                                 : Index == fButtonHot_  ? PBS_HOT
                                                                         : PBS_NORMAL;
    if (!(Themes().IsActive() && Themes().DrawPart(Canvas, QStringLiteral("button"), BP_PUSHBUTTON, state, kr)))
        DrawFrameControl(Canvas, kr, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (state == PBS_PRESSED ? DFCS_PUSHED : 0) |
                             (state == PBS_DISABLED ? DFCS_INACTIVE : 0));

    // The content: the key's picture, else the list image, else none.
    int w = 0, h = 0;
    const bool picture = b->Image().Graphic() != nullptr;
    const bool listImage = !picture && fImages_ && b->ImageIndex() >= 0;
    if (picture) {
        w = b->Image().Width();
        h = b->Image().Height();
    } else if (listImage) {
        w = fImages_->Width();
        h = fImages_->Height();
    }
    TRect ir{kr.Left + fButtonOffSetX_, kr.Top + fButtonOffSetY_, kr.Right - fButtonOffSetX_,
             kr.Bottom - fButtonOffSetY_};
    TRect cr = ir;
    Canvas.SetFont(fButtonAppearance_->Font());
    Canvas.Font().SetColor(b->Special() ? fButtonAppearance_->SpecialTextColor() : fButtonAppearance_->TextColor());
    Canvas.Brush().SetStyle(bsClear);
    const String& caption = b->Caption();
    const unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (w == 0 ? DT_CENTER : 0);
    auto drawImage = [&](int X, int Y) {
        if (picture)
            Canvas.Draw(X, Y, *b->Image().Graphic());
        else if (listImage)
            fImages_->Draw(Canvas, X, Y, b->ImageIndex(), b->Enabled());
    };
    const int midY = cr.Top + (cr.Bottom - cr.Top - h) / 2;
    switch (fButtonLayout_) {
    case ilCaptionLeft:
        if (!caption.isEmpty()) {
            ir.Right -= w;
            Canvas.DrawText(ir, caption, flags);
            cr.Left = ir.Left + Canvas.TextWidth(caption) + fCaptionGap_;
        }
        drawImage(cr.Left, midY);
        break;
    case ilCaptionRight:
        drawImage(cr.Left, midY);
        ir.Left = cr.Left + w + fCaptionGap_;
        Canvas.DrawText(ir, caption, flags);
        break;
    case ilCaptionTop:
        if (!caption.isEmpty()) {
            ir.Bottom -= h;
            Canvas.DrawText(ir, caption, flags);
            cr.Top = ir.Top + Canvas.TextHeight(caption) + fCaptionGap_;
        } else {
            cr.Top = midY;
        }
        drawImage(cr.Left, cr.Top);
        break;
    case ilCaptionBottom:
        if (caption.isEmpty())
            cr.Top = midY;
        drawImage(cr.Left, cr.Top);
        ir.Top = cr.Top + h + fCaptionGap_;
        Canvas.DrawText(ir, caption, flags);
        break;
    }
    Canvas.Brush().SetStyle(bsSolid);
}
