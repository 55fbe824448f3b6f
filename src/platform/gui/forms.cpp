// TForm, the modal show, and the scrolling containers.
#include "platform/gui/forms.h"

#include <QPainter>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "platform/gui/application.h"
#include "platform/gui/input_state.h"
#include "platform/gui/stdctrls.h"

namespace {

TModalHandler* g_modalHandler = nullptr;

bool isFixedSize(TFormBorderStyle S) { return S != bsSizeable && S != bsSizeToolWin; }

}  // namespace

TModalHandler* ModalHandler() { return g_modalHandler; }

TModalHandler* SetModalHandler(TModalHandler* Handler)
{
    TModalHandler* old = g_modalHandler;
    g_modalHandler = Handler;
    return old;
}

// ---- TForm ------------------------------------------------------------------------------------

TForm::TForm(TComponent* AOwner) : TCustomForm(AOwner)
{
    ApplyWindowFlags();
    ApplySizeConstraints();
}

TForm::~TForm() = default;

void TForm::BeforeDestruction()
{
    if (!destroyFired_ && !ComponentState().Contains(TComponentStateItem::csDestroying)) {
        destroyFired_ = true;
        if (OnDestroy)
            OnDestroy(this);
    }
    TCustomForm::BeforeDestruction();
}

void TForm::SetBorderStyle(TFormBorderStyle Value)
{
    if (borderStyle_ == Value)
        return;
    borderStyle_ = Value;
    ApplyWindowFlags();
    ApplySizeConstraints();
}

void TForm::SetBorderIcons(TBorderIcons Value)
{
    if (borderIcons_ == Value)
        return;
    borderIcons_ = Value;
    ApplyWindowFlags();
}

void TForm::SetPosition(TPosition Value) { position_ = Value; }

void TForm::SetWindowState(TWindowState Value)
{
    if (windowState_ == Value)
        return;
    windowState_ = Value;
    if (QWidget* w = Widget(); w && Visible()) {
        const Qt::WindowStates s = Value == wsMaximized   ? Qt::WindowMaximized
                                   : Value == wsMinimized ? Qt::WindowMinimized
                                                          : Qt::WindowNoState;
        w->setWindowState(s);
    }
}

void TForm::ApplyWindowFlags()
{
    QWidget* w = Widget();
    if (!w)
        return;
    Qt::WindowFlags f;
    switch (borderStyle_) {
    case bsDialog: f = Qt::Dialog; break;
    case bsToolWindow:
    case bsSizeToolWin: f = Qt::Tool; break;
    default: f = Qt::Window; break;
    }
    if (borderStyle_ == bsNone) {
        f |= Qt::FramelessWindowHint;
    } else {
        f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (borderIcons_.Contains(biSystemMenu))
            f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        const bool boxes = borderStyle_ == bsSingle || borderStyle_ == bsSizeable;
        if (boxes && borderIcons_.Contains(biMinimize))
            f |= Qt::WindowMinimizeButtonHint;
        if (boxes && borderIcons_.Contains(biMaximize))
            f |= Qt::WindowMaximizeButtonHint;
        if (borderIcons_.Contains(biHelp))
            f |= Qt::WindowContextHelpButtonHint;
    }
    SetWindowFlagsKeepingPlace(f);
}

void TForm::SetWindowFlagsKeepingPlace(Qt::WindowFlags F)
{
    QWidget* w = Widget();
    if (!w || w->windowFlags() == F)
        return;
    const bool shown = w->isVisible();
    w->setWindowFlags(F);  // hides the window
    w->setGeometry(Left(), Top(), Width(), Height());
    if (shown)
        w->show();
}

void TForm::ApplySizeConstraints()
{
    QWidget* w = Widget();
    if (!w)
        return;
    if (isFixedSize(borderStyle_)) {
        w->setFixedSize(Width(), Height());
    } else {
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

void TForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (QWidget* w = Widget()) {
        // A fixed size is a constraint Qt enforces: lift it while the
        // program itself changes the size.
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    TCustomForm::SetBounds(ALeft, ATop, AWidth, AHeight);
    ApplySizeConstraints();
}

TCustomForm* TForm::TransientOwner() const { return Application.MainForm(); }

void TForm::ApplyPosition()
{
    TCustomForm* over = nullptr;
    switch (position_) {
    case poScreenCenter:
    case poDesktopCenter: break;
    case poMainFormCenter: over = Application.MainForm(); break;
    case poOwnerFormCenter: over = dynamic_cast<TCustomForm*>(Owner()); break;
    default: return;
    }
    if (over == this || (over && !over->Visible()))
        over = nullptr;
    const TRect r = over ? over->BoundsRect() : Screen.WorkAreaRect();
    SetBounds(r.Left + (r.Width() - Width()) / 2, r.Top + (r.Height() - Height()) / 2, Width(), Height());
}

void TForm::SetVisible(bool Value)
{
    if (Value && !Visible()) {
        ApplyPosition();
        // A dialog stays above the main window (and off the task bar).
        TCustomForm* main = TransientOwner();
        QWidget* w = Widget();
        if (main && main != this && w && main->Widget()) {
            w->winId();
            main->Widget()->winId();
            if (w->windowHandle() && main->Widget()->windowHandle())
                w->windowHandle()->setTransientParent(main->Widget()->windowHandle());
        }
    }
    TCustomForm::SetVisible(Value);
    if (Value && windowState_ != wsNormal && Widget())
        Widget()->setWindowState(windowState_ == wsMaximized ? Qt::WindowMaximized : Qt::WindowMinimized);
}

void TForm::DoCreate()
{
    if (created_)
        return;
    created_ = true;
    if (OnCreate)
        OnCreate(this);
}

void TForm::Loaded()
{
    TCustomForm::Loaded();
    DoCreate();
}

void TForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TForm::DoClose(TCloseAction& Action)
{
    if (OnClose)
        OnClose(this, Action);
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Close()
{
    if (modal_) {
        SetModalResult(mrCancel);
        return;
    }
    TWeakRef<TForm> self(this);
    if (!CloseQuery() || !self)
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (!self || action == caNone)
        return;
    if (Application.MainForm() == this) {
        TCustomForm::Close();  // hides and ends the application
        return;
    }
    switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
    }
}

void TForm::Release() { PostMessage(this, CM_RELEASE); }

void TForm::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_RELEASE) {
        Free();  // the last thing this object does
        return;
    }
    TCustomForm::Dispatch(Message);
}

void TForm::CloseModal()
{
    TWeakRef<TForm> self(this);
    TCloseAction action = caNone;
    if (CloseQuery() && self) {
        action = caHide;
        DoClose(action);
    }
    if (!self)
        return;
    if (action == caNone)
        TCustomForm::SetModalResult(mrNone);
    else if (action == caFree)
        freeAfterModal_ = true;
}

TModalResult TForm::ShowModal()
{
    if (Visible() || modal_)
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    if (!Enabled())
        throw EInvalidOperation(QStringLiteral("Cannot make a disabled window modal"));
    CancelMode();
    TWeakRef<TForm> self(this);
    TWeakRef<TCustomForm> previous(GetActiveForm());
    modal_ = true;
    freeAfterModal_ = false;
    TCustomForm::SetModalResult(mrNone);
    if (QWidget* w = Widget())
        w->setWindowModality(Qt::ApplicationModal);

    // Puts the form back into its normal state on every way out.
    struct EndModal {
        TForm* form;
        TWeakRef<TForm>& self;
        ~EndModal()
        {
            if (!self)
                return;
            form->modal_ = false;
            if (form->Visible())
                form->Hide();
            if (QWidget* w = form->Widget())
                w->setWindowModality(Qt::NonModal);
        }
    };
    {
        EndModal end{this, self};
        Show();
        if (TModalHandler* handler = ModalHandler()) {
            if (self && Visible())
                handler->RunModal(*this);
            if (self && ModalResult() != mrNone)
                CloseModal();
            if (self && ModalResult() == mrNone)
                TCustomForm::SetModalResult(mrCancel);
        } else {
            while (self) {
                Application.WaitUntil([&] { return !self || ModalResult() != mrNone || !Visible(); });
                if (!self)
                    break;
                if (Application.Terminated() || !Visible()) {
                    // Nobody is left to answer: the show ends as cancelled.
                    if (ModalResult() == mrNone)
                        TCustomForm::SetModalResult(mrCancel);
                    break;
                }
                CloseModal();
                if (self && ModalResult() != mrNone)
                    break;
            }
        }
    }
    if (!self)
        return mrCancel;
    const TModalResult result = ModalResult();
    if (TCustomForm* p = previous.Get(); p && p != this && p->Visible() && p->Enabled())
        ActivateForm(p);
    if (freeAfterModal_)
        Release();
    return result;
}

// ---- TControlScrollBar --------------------------------------------------------------------------

TControlScrollBar::TControlScrollBar(TScrollingWinControl& Control, TScrollBarKind Kind)
    : control_(Control), kind_(Kind)
{
}

int TControlScrollBar::Size() const
{
    return GetSystemMetrics(kind_ == sbVertical ? SM_CXVSCROLL : SM_CYHSCROLL);
}

int TControlScrollBar::MaxPosition() const
{
    const TRect c = control_.ClientRect();
    return std::max(0, range_ - (kind_ == sbVertical ? c.Height() : c.Width()));
}

void TControlScrollBar::SetPosition(int Value) { control_.ScrollTo(kind_, Value); }

void TControlScrollBar::SetRange(int Value)
{
    Value = std::max(0, Value);
    if (range_ == Value)
        return;
    range_ = Value;
    control_.SetAutoScroll(false);
    control_.UpdateScrollBars();
}

void TControlScrollBar::SetTracking(bool Value) { tracking_ = Value; }

void TControlScrollBar::SetVisible(bool Value)
{
    if (visible_ == Value)
        return;
    visible_ = Value;
    control_.UpdateScrollBars();
}

void TControlScrollBar::ScrollMessage(int Code, int ThumbPos)
{
    const TRect c = control_.ClientRect();
    const int page = std::max(1, kind_ == sbVertical ? c.Height() : c.Width());
    // While the user drags the thumb, its position is the bar's own (the
    // message carries only 16 bits).
    if (bar_ && bar_->Tracking() && (Code == SB_THUMBTRACK || Code == SB_THUMBPOSITION))
        ThumbPos = bar_->ScrollInfo().TrackPos;
    int pos = position_;
    switch (Code) {
    case SB_LINEUP: pos -= increment_; break;
    case SB_LINEDOWN: pos += increment_; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBPOSITION: pos = ThumbPos; break;
    case SB_THUMBTRACK:
        if (!tracking_)
            return;
        pos = ThumbPos;
        break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = MaxPosition(); break;
    default: return;  // SB_ENDSCROLL
    }
    SetPosition(pos);
}

void TControlScrollBar::UpdateBar()
{
    if (!control_.Widget())
        return;
    if (!bar_) {
        if (!shown_)
            return;
        bar_ = new TScrollBar(nullptr);
        bar_->SetKind(kind_);
        bar_->SetVisible(false);
        control_.InsertNonClientControl(bar_);
    }
    if (!shown_) {
        bar_->SetVisible(false);
        return;
    }
    const int bw = control_.BorderWidth();
    const TRect c = control_.ClientRect();
    const int extent = kind_ == sbVertical ? c.Height() : c.Width();
    bar_->SetScrollInfo({0, std::max(0, range_ - 1), std::max(1, extent), position_, position_});
    if (kind_ == sbVertical)
        bar_->SetBounds(bw + c.Width(), bw, Size(), c.Height());
    else
        bar_->SetBounds(bw, bw + c.Height(), c.Width(), Size());
    bar_->SetVisible(true);
}

// ---- TScrollingWinControl -----------------------------------------------------------------------

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TCustomControl(AOwner), horz_(*this, sbHorizontal), vert_(*this, sbVertical)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
}

TScrollingWinControl::~TScrollingWinControl() = default;

TRect TScrollingWinControl::ClientAreaInWindow() const
{
    const int bw = BorderWidth();
    int w = Width() - 2 * bw, h = Height() - 2 * bw;
    if (vert_.shown_)
        w -= vert_.Size();
    if (horz_.shown_)
        h -= horz_.Size();
    return Bounds(bw, bw, std::max(0, w), std::max(0, h));
}

void TScrollingWinControl::WMNCPaint(TMessage& Message)
{
    auto* painter = reinterpret_cast<QPainter*>(Message.WParam);
    if (painter && vert_.shown_ && horz_.shown_) {
        const TRect c = ClientAreaInWindow();
        painter->fillRect(QRect(c.Right, c.Bottom, vert_.Size(), horz_.Size()), ToQColor(clBtnFace));
    }
    TCustomControl::WMNCPaint(Message);
}

void TScrollingWinControl::SetAutoScroll(bool Value)
{
    if (autoScroll_ == Value)
        return;
    autoScroll_ = Value;
    Realign();
}

void TScrollingWinControl::AdjustClientRect(TRect& Rect)
{
    const int w = std::max(Rect.Width(), horz_.range_);
    const int h = std::max(Rect.Height(), vert_.range_);
    Rect = Bounds(Rect.Left - horz_.position_, Rect.Top - vert_.position_, w, h);
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect)
{
    TCustomControl::AlignControls(AControl, Rect);
    if (updatingBars_)
        return;
    const TRect before = ClientRect();
    const int hpos = horz_.position_, vpos = vert_.position_;
    UpdateScrollBars();
    if (ClientRect() != before || hpos != horz_.position_ || vpos != vert_.position_) {
        // The bars took room or the position was clamped: lay out again.
        updatingBars_ = true;
        TRect r = ClientRect();
        TCustomControl::AlignControls(AControl, r);
        updatingBars_ = false;
        UpdateScrollBars();
    }
}

void TScrollingWinControl::UpdateScrollBars()
{
    const bool was = updatingBars_;
    updatingBars_ = true;
    const int bw = BorderWidth();
    if (autoScroll_) {
        // The extent of the children, in unscrolled client coordinates.
        int right = 0, bottom = 0;
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (!c->Visible())
                continue;
            const TAlign a = c->Align();
            if (a == alNone || a == alCustom || a == alTop)
                bottom = std::max(bottom, c->Top() + c->Height() + vert_.position_);
            if (a == alNone || a == alCustom || a == alLeft)
                right = std::max(right, c->Left() + c->Width() + horz_.position_);
        }
        horz_.range_ = right;
        vert_.range_ = bottom;
    }
    // Which bars show: a vertical bar narrows the client area, which may
    // then need a horizontal one, and the other way round.
    const int fullW = std::max(0, Width() - 2 * bw), fullH = std::max(0, Height() - 2 * bw);
    bool v = false, h = false;
    for (int pass = 0; pass < 2; ++pass) {
        v = vert_.visible_ && vert_.range_ > fullH - (h ? horz_.Size() : 0);
        h = horz_.visible_ && horz_.range_ > fullW - (v ? vert_.Size() : 0);
    }
    const bool changed = vert_.shown_ != v || horz_.shown_ != h;
    vert_.shown_ = v;
    horz_.shown_ = h;
    if (changed) {
        // The client area grew or shrank.
        UpdateClientWidget();
        Invalidate();
    }
    // Clamp the positions to the new ranges.
    for (TControlScrollBar* bar : {&horz_, &vert_}) {
        const int maxPos = bar->MaxPosition();
        if (bar->position_ > maxPos || !bar->shown_)
            ScrollTo(bar->kind_, bar->shown_ ? maxPos : 0);
    }
    LayoutBars();
    updatingBars_ = was;
}

void TScrollingWinControl::LayoutBars()
{
    horz_.UpdateBar();
    vert_.UpdateBar();
}

void TScrollingWinControl::ScrollTo(TScrollBarKind Kind, int NewPosition)
{
    TControlScrollBar& bar = Kind == sbVertical ? vert_ : horz_;
    NewPosition = std::clamp(NewPosition, 0, bar.MaxPosition());
    if (NewPosition == bar.position_)
        return;
    const int delta = bar.position_ - NewPosition;
    bar.position_ = NewPosition;
    if (Kind == sbVertical)
        ScrollBy(0, delta);
    else
        ScrollBy(delta, 0);
    if (bar.bar_) {
        TScrollInfo i = bar.bar_->ScrollInfo();
        i.Pos = NewPosition;
        bar.bar_->SetScrollInfo(i);
    }
}

void TScrollingWinControl::ScrollBy(int DeltaX, int DeltaY)
{
    if (DeltaX == 0 && DeltaY == 0)
        return;
    const bool was = updatingBars_;
    updatingBars_ = true;
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Align() == alNone || c->Align() == alCustom)
            c->SetBounds(c->Left() + DeltaX, c->Top() + DeltaY, c->Width(), c->Height());
    }
    EnableAlign();
    // Aligned children follow the moved client area.
    TRect r = ClientRect();
    TCustomControl::AlignControls(nullptr, r);
    updatingBars_ = was;
    Invalidate();
}

void TScrollingWinControl::ScrollInView(TControl* Control)
{
    if (!Control || !ContainsControl(Control) || Control == this)
        return;
    TPoint p = Control->ClientToScreen({0, 0});
    p = ScreenToClient(p);
    const TRect c = ClientRect();
    if (p.Y < 0)
        vert_.SetPosition(vert_.position_ + p.Y);
    else if (p.Y + Control->Height() > c.Height())
        vert_.SetPosition(vert_.position_ + std::min(p.Y, p.Y + Control->Height() - c.Height()));
    if (p.X < 0)
        horz_.SetPosition(horz_.position_ + p.X);
    else if (p.X + Control->Width() > c.Width())
        horz_.SetPosition(horz_.position_ + std::min(p.X, p.X + Control->Width() - c.Width()));
}

void TScrollingWinControl::WMHScroll(TMessage& Message)
{
    if (Message.LParam != 0) {
        TCustomControl::WMHScroll(Message);
        return;
    }
    horz_.ScrollMessage(Message.WParamLo(), int16_t(Message.WParamHi()));
}

void TScrollingWinControl::WMVScroll(TMessage& Message)
{
    if (Message.LParam != 0) {
        TCustomControl::WMVScroll(Message);
        return;
    }
    vert_.ScrollMessage(Message.WParamLo(), int16_t(Message.WParamHi()));
}

void TScrollingWinControl::WMSize(TMessage& Message)
{
    TCustomControl::WMSize(Message);
    UpdateScrollBars();
}

bool TScrollingWinControl::WheelLines(bool Down)
{
    if (!vert_.shown_)
        return false;
    const unsigned lines = GetWheelScrollLines();
    TWeakRef<TControl> self(this);
    if (lines == WHEEL_PAGESCROLL) {
        Perform(WM_VSCROLL, Down ? SB_PAGEDOWN : SB_PAGEUP);
    } else {
        for (unsigned i = 0; i < lines && self; ++i) {
            Perform(WM_VSCROLL, Down ? SB_LINEDOWN : SB_LINEUP);
            if (self)
                Perform(WM_VSCROLL, SB_ENDSCROLL);
        }
    }
    return true;
}

bool TScrollingWinControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos))
        return true;
    return WheelLines(true);
}

bool TScrollingWinControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos))
        return true;
    return WheelLines(false);
}

// ---- TScrollBox ---------------------------------------------------------------------------------

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner)
{
    SetBounds(Left(), Top(), 185, 41);
    SetParentColor(true);
}

void TScrollBox::SetBorderStyle(TBorderStyle Value)
{
    if (Value != bsNone && Value != bsSingle)
        Value = bsSingle;
    if (borderStyle_ == Value)
        return;
    borderStyle_ = Value;
    ClientAreaChanged();
    UpdateScrollBars();
}

void TScrollBox::WMNCPaint(TMessage& Message)
{
    TScrollingWinControl::WMNCPaint(Message);
    auto* painter = reinterpret_cast<QPainter*>(Message.WParam);
    if (!painter || borderStyle_ != bsSingle)
        return;
    TCanvas cv;
    cv.SetPainter(painter);
    TRect r = Rect(0, 0, Width(), Height());
    DrawEdge(cv, r, EDGE_SUNKEN, BF_RECT);
    cv.SetPainter(nullptr);
}
