#include "controls/button/LbButton.h"

#include <QEvent>

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

#include "platform/gui/input_state.h"
#include "platform/gui/timers.h"

namespace {

// The class name of an object as its declaration spells it ("TLbButton"),
// without namespaces.
String ClassNameOf(const TObject* Object)
{
    const char* mangled = typeid(*Object).name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    String name = QString::fromLatin1(status == 0 && demangled ? demangled : mangled);
    std::free(demangled);
    const qsizetype colons = name.lastIndexOf(u"::");
    return colons >= 0 ? name.mid(colons + 2) : name;
}

// Whether Char is the accelerator of Caption (the character after a single
// "&"), compared without case.
bool IsAccel(Word Char, const String& Caption)
{
    for (qsizetype i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != u'&')
            continue;
        if (Caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return QChar(char16_t(Char)).toUpper() == Caption[i + 1].toUpper();
    }
    return false;
}

// The first form on the owner chain; the form holding the control when no
// owner is a form.
TCustomForm* OwningForm(const TControl* Control)
{
    for (TComponent* o = Control->Owner(); o; o = o->Owner())
        if (auto* form = dynamic_cast<TCustomForm*>(o))
            return form;
    return GetParentForm(Control);
}

struct TKindEntry {
    TModalResult Result;
    const char* Resource;
    const char16_t* Caption;
};

// Indexed by TLbButtonKind; bkCustom has no entry of its own.
const TKindEntry KindTable[] = {
    {mrNone, "", u""},
    {1, "LBOK", u"OK"},
    {2, "LBCANCEL", u"Abbrechen"},
    {0, "LBHELP", u"Hilfe"},
    {6, "LBYES", u"Ja"},
    {7, "LBNO", u"Nein"},
    {0, "LBCLOSE", u"Schlie\u00DFen"},
    {3, "LBABORT", u"Abbrechen"},
    {4, "LBRETRY", u"Wiederholen"},
    {5, "LBIGNORE", u"Ignorieren"},
    {12, "LBALL", u"Alle"},
};

}  // namespace

TLbButton::TLbButton(TComponent* AOwner)
    : TCustomControl(AOwner), fGlyph_(std::make_unique<TBitmap>()), fHTFont_(std::make_unique<TFont>())
{
    SetBounds(Left(), Top(), 100, 23);
    SetControlStyle(TControlStyle{csCaptureMouse, csSetCaption});
    SetTabStop(true);
    SetColor(clBtnFace);
    if (auto* form = dynamic_cast<TCustomForm*>(AOwner))
        fHTFont_->Assign(form->Font());
}

TLbButton::~TLbButton() { StopFade(); }

void TLbButton::BeforeDestruction()
{
    TCustomControl::BeforeDestruction();
    StopFade();
}

// ---- properties -----------------------------------------------------------------------------------

void TLbButton::SetAlignment(TAlignment Value)
{
    fAlignment_ = Value;
    PaintNow();
}

void TLbButton::SetLightColor(TColor Value)
{
    fLightColor_ = Value;
    PaintNow();
}

void TLbButton::SetShadowColor(TColor Value)
{
    fShadowColor_ = Value;
    PaintNow();
}

void TLbButton::SetFlat(bool Value)
{
    fFlat_ = Value;
    PaintNow();
}

void TLbButton::SetWordWrap(bool Value)
{
    fWordWrap_ = Value;
    PaintNow();
}

void TLbButton::SetLayout(TLbButtonLayout Value)
{
    fLayout_ = Value;
    PaintNow();
}

void TLbButton::SetStyle(TLbButtonStyle Value)
{
    fStyle_ = Value;
    Invalidate();
}

void TLbButton::SetColorStyle(TLbColorStyle Value)
{
    TLbColorStyleColors c;
    if (!GetColorStyleColors(Value, c))
        return;
    fLightColor_ = c.Light;
    fShadowColor_ = c.Shadow;
    fColorWhenDown_ = c.Down;
    fHotTrackColor_ = c.HotTrack;
    fFlat_ = c.Flat;
    SetColor(c.Face);
    Font().SetColor(c.FontColor);
    fStyle_ = c.Style;
    PaintNow();
}

void TLbButton::SetGlyph(const TBitmap* Value)
{
    if (Value) {
        if (Value != fGlyph_.get())
            fGlyph_->Assign(*Value);
        SetNumGlyphs(fGlyph_->Height() > 0 ? fGlyph_->Width() / fGlyph_->Height() : 0);
    } else {
        fGlyph_->SetHeight(0);
        SetNumGlyphs(0);
    }
    fKind_ = TLbButtonKind::bkCustom;
    Invalidate();
}

void TLbButton::SetNumGlyphs(int Value)
{
    fNumGlyphs_ = Value;
    Invalidate();
}

void TLbButton::SetKind(TLbButtonKind Value)
{
    if (Value != TLbButtonKind::bkCustom) {
        const TKindEntry& e = KindTable[int(Value)];
        SetNumGlyphs(2);
        SetModalResult(e.Result);
        LoadLbButtonBitmap(*fGlyph_, QString::fromLatin1(e.Resource));
        SetCaption(QString::fromUtf16(e.Caption));
    }
    fKind_ = Value;
    Invalidate();
}

void TLbButton::SetModalResult(TModalResult Value)
{
    fModalResult_ = Value;
    fKind_ = TLbButtonKind::bkCustom;
}

void TLbButton::SetSlowDecease(bool Value)
{
    fSlowDecease_ = Value;
    if (Value) {
        fadeWorker_ = true;
    } else if (fadeWorker_) {
        fHotTrackStep_ = 0;
        StopFade();
        fadeWorker_ = false;
    }
    Invalidate();
}

void TLbButton::SetPopupMenu(TLbButtonPopup* Value)
{
    popupMenu_ = Value;
    Invalidate();
}

void TLbButton::SetEnabled(bool Value)
{
    TCustomControl::SetEnabled(Value);
    fEnabled_ = Value;
    bDown_ = false;
    keyDown_ = 0;
    PaintNow();
}

bool TLbButton::Hot() const { return bCursorOnButton_ || Focused(); }

bool TLbButton::Fading() const { return TTimerService::Instance().HasControlTimer(this, FadeTimerID); }

// ---- clicks -----------------------------------------------------------------------------------------

void TLbButton::Click()
{
    bDown_ = true;
    DoClick();
}

void TLbButton::DoClick()
{
    if (!Visible() || !Enabled() || !bDown_)
        return;
    bDown_ = false;
    TWeakRef<TLbButton> self(this);
    if (OnClick) {
        const TNotifyEvent handler = OnClick;
        handler(this);
        if (!self)
            return;
    }
    if (fModalResult_ != mrNone)
        if (TCustomForm* form = GetParentForm(this))
            form->SetModalResult(fModalResult_);
    if (popupMenu_) {
        const TPoint p = ClientToScreen(Point(0, Height()));
        popupMenu_->Popup(p.X, p.Y);
    }
}

// ---- mouse ------------------------------------------------------------------------------------------

void TLbButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TLbButton> self(this);
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!self || !Enabled() || Button != mbLeft)
        return;
    bDown_ = true;
    const TCustomForm* form = GetParentForm(this);
    if (form && form->Visible() && CanFocus()) {
        try {
            SetFocus();
        } catch (const EInvalidOperation&) {
        }
    }
    if (self)
        PaintNow();
}

void TLbButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TLbButton> self(this);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!self)
        return;
    if (bDown_ && Button == mbLeft && ClientRect().Contains(Point(X, Y))) {
        Click();
        if (!self)
            return;
    }
    bDown_ = false;
    PaintNow();
}

void TLbButton::CMMouseEnter(TMessage&)
{
    if (!Enabled() || !Visible() || !ParentShowing())
        return;
    bCursorOnButton_ = true;
    fHotTrackStep_ = 8;
    PaintNow();
    if (OnMouseEnter) {
        const TNotifyEvent handler = OnMouseEnter;
        handler(this);
    }
}

void TLbButton::CMMouseLeave(TMessage&)
{
    bCursorOnButton_ = false;
    if (fSlowDecease_) {
        if (fadeWorker_ && !Fading())
            StartFade();
    } else {
        fHotTrackStep_ = 0;
        PaintNow();
    }
    if (OnMouseExit && Enabled() && Visible() && ParentShowing()) {
        const TNotifyEvent handler = OnMouseExit;
        handler(this);
    }
}

// ---- keys -------------------------------------------------------------------------------------------

void TLbButton::CNKeyDown(TMessage& Message)
{
    TWeakRef<TLbButton> self(this);
    TCustomControl::CNKeyDown(Message);
    if (!self)
        return;
    const Word key = Message.CharCode();
    if (Enabled() && (key == VK_RETURN || key == VK_SPACE)) {
        bDown_ = true;
        keyDown_ = key;
        PaintNow();
    }
}

void TLbButton::CNKeyUp(TMessage& Message)
{
    TWeakRef<TLbButton> self(this);
    TCustomControl::CNKeyUp(Message);
    if (!self)
        return;
    const Word key = Message.CharCode();
    if ((key == VK_RETURN || key == VK_SPACE) && keyDown_ == key) {
        keyDown_ = 0;
        Click();
        if (!self)
            return;
    }
    PaintNow();
}

void TLbButton::CMDialogChar(TMessage& Message)
{
    if (IsAccel(Message.CharCode(), Caption()) && Visible() && Enabled() && ParentShowing()) {
        bDown_ = true;
        Click();
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(Message);
}

void TLbButton::CMDialogKey(TMessage& Message)
{
    const Word key = Message.CharCode();
    const bool usable = Visible() && Enabled();
    const bool qualifies = (key == VK_RETURN && fDefault_ && usable) ||
                           (key == VK_ESCAPE && fCancel_ && KeyDataToShiftState(Message.KeyData()).Bits() == 0 &&
                            usable);
    if (!qualifies) {
        TCustomControl::CMDialogKey(Message);
        return;
    }
    // A focused button of any kind keeps Enter and Esc to itself.
    if (TCustomForm* form = OwningForm(this); form && form->ActiveControl()) {
        const String name = ClassNameOf(form->ActiveControl()).toUpper();
        if (name.contains(u"BUTTON") && !name.contains(u"RADIOBUTTON")) {
            TCustomControl::CMDialogKey(Message);
            return;
        }
    }
    bDown_ = true;
    Click();
    Message.Result = 1;
}

// ---- focus, timer, window -------------------------------------------------------------------------

void TLbButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_FOCUSCHANGED) {
        PaintNow();
        TCustomControl::Dispatch(Message);
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TLbButton::WMSetFocus(TMessage& Message)
{
    TCustomControl::WMSetFocus(Message);
    PaintNow();
}

void TLbButton::WMKillFocus(TMessage& Message)
{
    TCustomControl::WMKillFocus(Message);
    // A key that went down here and comes up elsewhere clicks nothing.
    if (keyDown_ != 0) {
        keyDown_ = 0;
        bDown_ = false;
    }
    PaintNow();
}

void TLbButton::WMTimer(TMessage& Message)
{
    if (Message.TimerID() == FadeTimerID) {
        FadeStep();
        return;
    }
    TCustomControl::WMTimer(Message);
}

void TLbButton::FadeStep()
{
    if (ComponentState().Contains(TComponentStateItem::csDestroying))
        return;
    --fHotTrackStep_;
    if (fHotTrackStep_ <= 0) {
        StopFade();
        fHotTrackStep_ = 0;
    }
    PaintNow();
}

void TLbButton::StartFade() { SetTimer(this, FadeTimerID, FadeInterval); }

void TLbButton::StopFade() { KillTimer(this, FadeTimerID); }

void TLbButton::WMEraseBkgnd(TMessage& Message)
{
    // The transparent styles leave the parent visible where they do not paint.
    if (IsTransparentStyle()) {
        Message.Result = 1;
        return;
    }
    TCustomControl::WMEraseBkgnd(Message);
}

bool TLbButton::WidgetEvent(QEvent* Event)
{
    if (Event->type() == QEvent::Hide)
        ClearHot();
    return TCustomControl::WidgetEvent(Event);
}

void TLbButton::ClearHot()
{
    if (InputState().ControlUnderCursor() == this)
        InputState().SetControlUnderCursor(nullptr);
    bCursorOnButton_ = false;
    StopFade();
    fHotTrackStep_ = 0;
}

bool TLbButton::ParentShowing() const { return Parent() && Parent()->Showing(); }

bool TLbButton::IsTransparentStyle() const
{
    return fStyle_ == bsModern || fStyle_ == bsShape || fStyle_ == bsQuicken;
}

void TLbButton::PaintNow() { Repaint(); }

// ---- painting ---------------------------------------------------------------------------------------

void TLbButton::Paint()
{
    const TComponentState state = ComponentState();
    if (state.Contains(TComponentStateItem::csLoading) || state.Contains(TComponentStateItem::csDestroying) ||
        !Visible())
        return;
    const int W = Width(), H = Height();
    if (W <= 0 || H <= 0)
        return;

    TBitmap bmp(W, H);
    TFont font;
    const bool hot = Hot();
    font.Assign(hot && fUseHTFont_ ? *fHTFont_ : Font());
    if (IsTransparentStyle()) {
        bmp.Canvas().Brush().SetStyle(bsSolid);
        bmp.Canvas().Brush().SetColor(LbTransparentKey);
        bmp.Canvas().FillRect(Rect(0, 0, W, H));
        bmp.SetTransparentColor(LbTransparentKey);
        bmp.SetTransparent(true);
    }
    const bool focused = Focused();
    if (fStyle_ == bsOld && focused) {
        const TColor light = bDown_ ? fShadowColor_ : fLightColor_;
        DrawLbButton(bmp.Canvas(), W - 2, H - 2, fHotTrackStep_, fNumGlyphs_, *fGlyph_, bDown_, hot, Enabled(), fFlat_,
                     fWordWrap_, popupMenu_ != nullptr, fStyle_, Color(), fColorWhenDown_, fHotTrackColor_, light,
                     fShadowColor_, font, fLayout_, Caption(), fAlignment_);
        // Moved by one pixel into a black frame.
        const QImage content = bmp.Image().copy();
        TCanvas& c = bmp.Canvas();
        c.StretchDrawImage(Bounds(1, 1, W, H), content);
        c.Brush().SetStyle(bsClear);
        c.Pen().SetStyle(psSolid);
        c.Pen().SetMode(pmCopy);
        c.Pen().SetWidth(1);
        c.Pen().SetColor(clBlack);
        c.Rectangle(0, 0, W, H);
    } else {
        DrawLbButton(bmp.Canvas(), W, H, fHotTrackStep_, fNumGlyphs_, *fGlyph_, bDown_, hot, Enabled(), fFlat_,
                     fWordWrap_, popupMenu_ != nullptr, fStyle_, Color(), fColorWhenDown_, fHotTrackColor_,
                     fLightColor_, fShadowColor_, font, fLayout_, Caption(), fAlignment_);
    }
    Canvas().Draw(0, 0, bmp);
    if (focused && Enabled() && fStyle_ != bsShape)
        Canvas().DrawFocusRect(Rect(4, 4, W - 4, H - 4));
}
