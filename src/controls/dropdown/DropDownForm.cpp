// The drop-down's popup form.
#include "controls/dropdown/DropDownForm.h"

#include <QPainter>

#include "controls/dropdown/DropDownBars.h"
#include "controls/dropdown/DropDownDraw.h"
#include "controls/dropdown/VynDropDown.h"
#include "platform/gui/timers.h"

namespace {

constexpr int HTBOTTOMRIGHT = 17;

// Whether Window lies inside Popup: its parent chain, or for a window
// without a parent (a form) its owner chain, leads to the popup.
bool insidePopup(const TWinControl* Window, const TWinControl* Popup)
{
    const TComponent* c = Window;
    while (c) {
        if (c == Popup)
            return true;
        const auto* control = dynamic_cast<const TControl*>(c);
        c = control && control->Parent() ? static_cast<const TComponent*>(control->Parent()) : c->Owner();
    }
    return false;
}

}  // namespace

TDropDownForm::TDropDownForm(TComponent* AOwner) : TPopupForm(AOwner), canvas_(std::make_unique<TCanvas>())
{
    SetDropShadow(true);
}

TDropDownForm::~TDropDownForm() = default;

void TDropDownForm::SetVynDropDown(TVynCustomDropDown* Value) { fVynDropDown_ = TWeakRef<TVynCustomDropDown>(Value); }

namespace {

// One bar: refreshed when it exists, else created when its settings are
// visible; its painting and caption events are the drop-down's.
template <class Bar, class Settings>
void prepareBar(TDropDownForm* Form, Bar*& B, TVynCustomDropDown* DropDown, const Settings& S, TAlign Align,
                const TDrawBackGroundEvent& Draw, const TGetTextEvent& GetText)
{
    if (B) {
        B->SetVynDropDown(DropDown);
        B->InitButtons();
        B->SetVisible(S.Visible());
    } else if (S.Visible()) {
        B = new Bar(Form);
        B->SetParent(Form);
        B->SetHeight(S.Height());
        B->SetVynDropDown(DropDown);
        B->InitButtons();
        B->SetAlign(Align);
    }
    if (B) {
        B->OnDrawBackGround = Draw;
        B->OnGetText = GetText;
    }
}

}  // namespace

void TDropDownForm::InitializeAndUpdate()
{
    TVynCustomDropDown* dd = VynDropDown();
    if (!dd)
        return;
    prepareBar(this, fHeader_, dd, dd->DropDownHeader(), alTop, dd->OnDrawHeader, dd->OnGetHeaderText);
    prepareBar(this, fFooter_, dd, dd->DropDownFooter(), alBottom, dd->OnDrawFooter, dd->OnGetFooterText);
}

int TDropDownForm::HitTest(TPoint P) const
{
    if (fSizeable_ && P.X > Width() - 10 && P.Y > Height() - 10)
        return HTBOTTOMRIGHT;
    return HTNOWHERE;
}

void TDropDownForm::PopupDeactivate(TWinControl* NewWindow)
{
    if (fBlockActivate_)
        return;
    TVynCustomDropDown* dd = VynDropDown();
    // A press on this drop-down's own drop button closes the popup and ends
    // there: the click that follows must not open it again.
    SetPassClosingPress(!(dd && NewWindow && NewWindow == reinterpret_cast<TWinControl*>(dd->Button())));
    if (!Visible())
        return;
    fDeActivate_ = uint32_t(Clock().Now());
    fDeactivated_ = true;
    if (NewWindow && insidePopup(NewWindow, this))
        return;
    if (dd)
        dd->DoHideDropDown(fCancelOnDeActivate_);
    else
        Hide();
}

void TDropDownForm::AdjustClientRect(TRect& Rect)
{
    TPopupForm::AdjustClientRect(Rect);
    if (TVynCustomDropDown* dd = VynDropDown()) {
        const int b = dd->DropDownBorderWidth();
        Rect = ::Rect(Rect.Left + b, Rect.Top + b, Rect.Right - b, Rect.Bottom - b);
    }
}

void TDropDownForm::PaintWindow(QPainter* Painter)
{
    TPopupForm::PaintWindow(Painter);
    canvas_->SetPainter(Painter);
    canvas_->SetFont(Font());
    canvas_->Brush().SetStyle(bsSolid);
    canvas_->Brush().SetColor(Color());
    canvas_->Pen().SetColor(clBlack);
    PaintBackground(*canvas_);
    canvas_->SetPainter(nullptr);
}

void TDropDownForm::PaintBackground(TCanvas& Canvas)
{
    TVynCustomDropDown* dd = VynDropDown();
    if (!dd)
        return;
    const int b = dd->DropDownBorderWidth();
    const TRect client = ClientRect();
    const TRect r = Rect(client.Left + b, client.Top + b, client.Right - b, client.Bottom - b);
    if (dd->DropDownColor() != clNone && dd->DropDownColorTo() != clNone) {
        dd->DrawDropDownGradient(Canvas, dd->DropDownColor(), dd->DropDownGradient(), r, 80, dd->DropDownColorTo());
    } else if (dd->DropDownColor() != clNone) {
        Canvas.Brush().SetStyle(bsSolid);
        Canvas.Brush().SetColor(dd->DropDownColor());
        Canvas.FillRect(r);
    }
    if (b > 0) {
        Canvas.Brush().SetStyle(bsClear);
        Canvas.Pen().SetStyle(TPenStyle::psSolid);
        Canvas.Pen().SetWidth(b);
        Canvas.Pen().SetColor(dd->DropDownBorderColor());
        Canvas.Rectangle(client.Left + b / 2, client.Top + b / 2, client.Right, client.Bottom);
        Canvas.Pen().SetWidth(1);
    }
}

void TDropDownForm::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; }

void TDropDownForm::WMSize(TMessage& Message)
{
    TPopupForm::WMSize(Message);
    Invalidate();
}
