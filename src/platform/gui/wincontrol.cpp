// TWinControl: children, alignment and anchors, tab order, keys, painting
// and the link to its QWidget.
#include <QCoreApplication>
#include <QPainter>
#include <QWidget>

#include <algorithm>

#include "platform/gui/application.h"
#include "platform/gui/controls.h"
#include "platform/gui/input_state.h"
#include "platform/gui/qt_backend.h"
#include "platform/gui/timers.h"

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) { Init(new TQtWidget()); }

TWinControl::TWinControl(TComponent* AOwner, QWidget* AWidget) : TControl(AOwner) { Init(AWidget); }

void TWinControl::Init(QWidget* AWidget)
{
    widget_ = AWidget;
    adapter_ = new TWidgetAdapter(this, AWidget);
    AWidget->setMouseTracking(true);
    AWidget->setFocusPolicy(Qt::NoFocus);
    // Drops from other programs reach the layer's DragOver (dragdrop.h).
    AWidget->setAcceptDrops(true);
    AWidget->hide();
}

void TWinControl::BeforeDestruction()
{
    // The complete object still exists: the focus leaves it with the usual
    // messages and its WM_DESTROY handler runs.
    if (!ComponentState().Contains(TComponentStateItem::csDestroying)) {
        RemoveFocus(true);
        DestroyHandle();
    }
    TComponent::BeforeDestruction();
}

TWinControl::~TWinControl()
{
    if (!ComponentState().Contains(TComponentStateItem::csDestroying)) {
        RemoveFocus(true);
        DestroyHandle();
    }
    Destroying();
    // The adapter is a child of the widget: gone if Qt deleted the widget.
    if (widget_ && adapter_)
        adapter_->Detach();
    if (clientWidget_)
        if (TWidgetAdapter* a = TWidgetAdapter::AdapterOf(clientWidget_))
            a->Detach();
    // The frame's own controls go with it.
    while (!nonClientControls_.empty()) {
        TWinControl* c = nonClientControls_.back();
        RemoveControl(c);
        c->BeforeDestruction();
        delete c;
    }
    // Children go first, top of the z-order first.
    while (ControlCount() > 0) {
        TControl* c = Controls(ControlCount() - 1);
        RemoveControl(c);
        c->BeforeDestruction();
        delete c;
    }
    if (Parent())
        Parent()->RemoveControl(this);
    delete widget_.data();
}

TControl* TWinControl::Controls(int Index) const
{
    if (Index < 0 || Index >= ControlCount())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(Index));
    const int g = int(graphics_.size());
    return Index < g ? graphics_[Index] : windows_[Index - g];
}

bool TWinControl::ContainsControl(const TControl* Control) const
{
    for (const TControl* c = Control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

void TWinControl::InsertControl(TControl* AControl)
{
    if (!AControl || AControl->parent_ == this)
        return;
    auto* win = dynamic_cast<TWinControl*>(AControl);
    if (win && win->ContainsControl(this))
        throw EInvalidOperation(QStringLiteral("A control cannot have one of its children as its parent"));
    if (AControl->parent_)
        AControl->parent_->RemoveControl(AControl);
    AControl->parent_ = this;
    if (win) {
        windows_.push_back(win);
        tabList_.push_back(win);
        if (win->widget_ && widget_)
            win->widget_->setParent(ClientWidget());
    } else {
        graphics_.push_back(AControl);
    }
    AControl->UpdateAnchorRules();
    AControl->Perform(CM_PARENTCOLORCHANGED);
    AControl->Perform(CM_PARENTFONTCHANGED);
    AControl->Perform(CM_PARENTSHOWHINTCHANGED);
    if (win) {
        win->UpdateWidgetGeometry();
        win->UpdateWidgetVisibility();
        if (handleAllocated_)
            win->CreateHandle();
    } else {
        AControl->Invalidate();
    }
    AlignControl(AControl);
}

void TWinControl::InsertNonClientControl(TWinControl* AControl)
{
    if (!AControl || (AControl->parent_ == this && AControl->nonClient_))
        return;
    if (AControl->ContainsControl(this))
        throw EInvalidOperation(QStringLiteral("A control cannot have one of its children as its parent"));
    if (AControl->parent_)
        AControl->parent_->RemoveControl(AControl);
    AControl->parent_ = this;
    AControl->nonClient_ = true;
    nonClientControls_.push_back(AControl);
    if (AControl->widget_ && widget_)
        AControl->widget_->setParent(widget_);
    AControl->UpdateWidgetGeometry();
    AControl->UpdateWidgetVisibility();
    if (handleAllocated_)
        AControl->CreateHandle();
}

void TWinControl::RemoveControl(TControl* AControl)
{
    if (!AControl || AControl->parent_ != this)
        return;
    if (AControl->nonClient_) {
        auto* win = static_cast<TWinControl*>(AControl);
        nonClientControls_.erase(std::remove(nonClientControls_.begin(), nonClientControls_.end(), win),
                                 nonClientControls_.end());
        if (GetCaptureControl() == win)
            SetCaptureControl(nullptr);
        if (win->widget_) {
            win->widget_->hide();
            win->widget_->setParent(nullptr);
        }
        AControl->parent_ = nullptr;
        AControl->nonClient_ = false;
        return;
    }
    if (auto* win = dynamic_cast<TWinControl*>(AControl)) {
        win->RemoveFocus(true);
        windows_.erase(std::remove(windows_.begin(), windows_.end(), win), windows_.end());
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), win), tabList_.end());
        if (win->widget_) {
            win->widget_->hide();
            win->widget_->setParent(nullptr);
        }
    } else {
        AControl->InvalidateControl(AControl->Visible(), false);
        graphics_.erase(std::remove(graphics_.begin(), graphics_.end(), AControl), graphics_.end());
    }
    AControl->parent_ = nullptr;
    AControl->anchorsRecorded_ = false;
    if (!ComponentState().Contains(TComponentStateItem::csDestroying))
        Realign();
}

TControl* TWinControl::ControlAtPos(TPoint P, bool AllowDisabled, bool AllowWinControls) const
{
    auto hit = [&](TControl* c) {
        if (!c->Visible() || (!AllowDisabled && !c->Enabled()))
            return false;
        if (!c->BoundsRect().Contains(P))
            return false;
        return c->Perform(CM_HITTEST, 0, PointToSmallPoint({P.X - c->Left(), P.Y - c->Top()})) != 0;
    };
    // Windowed children lie above the graphic ones.
    if (AllowWinControls)
        for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
            if (hit(*it))
                return *it;
    for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it)
        if (hit(*it))
            return *it;
    return nullptr;
}

void TWinControl::Broadcast(TMessage& Message)
{
    std::vector<TWeakRef<TControl>> children;
    for (int i = 0; i < ControlCount(); ++i)
        children.emplace_back(Controls(i));
    for (auto& ref : children) {
        if (TControl* c = ref.Get()) {
            c->WndProc(Message);
            if (Message.Result != 0)
                return;
        }
    }
}

void TWinControl::NotifyControls(unsigned Msg)
{
    TMessage m{Msg, 0, 0, 0};
    std::vector<TWeakRef<TControl>> children;
    for (int i = 0; i < ControlCount(); ++i)
        children.emplace_back(Controls(i));
    for (auto& ref : children)
        if (TControl* c = ref.Get()) {
            m.Result = 0;
            c->WndProc(m);
        }
}

// ---- alignment ------------------------------------------------------------------------------------

void TWinControl::DisableAlign() { ++alignLevel_; }

void TWinControl::EnableAlign()
{
    if (alignLevel_ > 0)
        --alignLevel_;
    if (alignLevel_ == 0 && ControlState().Contains(csAlignmentNeeded))
        Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::AlignControl(TControl* AControl)
{
    if (ComponentState().Contains(TComponentStateItem::csDestroying))
        return;
    if (alignLevel_ != 0) {
        SetControlState(ControlState() + TControlState{csAlignmentNeeded});
        return;
    }
    DisableAlign();
    struct Done {
        TWinControl* w;
        ~Done()
        {
            w->SetControlState(w->ControlState() - TControlState{csAlignmentNeeded});
            w->EnableAlign();
        }
    } done{this};
    TRect r = ClientRect();
    AlignControls(AControl, r);
}

void TWinControl::AdjustClientRect(TRect&) {}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect)
{
    AdjustClientRect(Rect);
    // The classic order: top, bottom, left, right, then the client control
    // takes what is left; anchored controls follow the parent's size.
    DoAlign(AControl, alTop, Rect);
    DoAlign(AControl, alBottom, Rect);
    DoAlign(AControl, alLeft, Rect);
    DoAlign(AControl, alRight, Rect);
    DoAlign(AControl, alClient, Rect);
    AnchorChildren();
}

void TWinControl::DoAlign(TControl* AControl, TAlign AAlign, TRect& Rect)
{
    // Controls of one alignment in their current order along that side; the
    // control being moved (AControl) wins ties, so a control dropped at a
    // position keeps it.
    auto insertBefore = [AAlign](const TControl* C1, const TControl* C2) {
        switch (AAlign) {
        case alTop: return C1->Top() < C2->Top();
        case alBottom: return C1->Top() + C1->Height() >= C2->Top() + C2->Height();
        case alLeft: return C1->Left() < C2->Left();
        case alRight: return C1->Left() + C1->Width() >= C2->Left() + C2->Width();
        default: return false;
        }
    };
    std::vector<TControl*> list;
    if (AControl && AControl->Parent() == this && AControl->Align() == AAlign && AControl->Visible())
        list.push_back(AControl);
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c == AControl || c->Align() != AAlign || !c->Visible())
            continue;
        size_t j = 0;
        while (j < list.size() && !insertBefore(c, list[j]))
            ++j;
        list.insert(list.begin() + long(j), c);
    }
    for (TControl* c : list) {
        int w = Rect.Right - Rect.Left;
        if (w < 0 || AAlign == alLeft || AAlign == alRight)
            w = c->Width();
        int h = Rect.Bottom - Rect.Top;
        if (h < 0 || AAlign == alTop || AAlign == alBottom)
            h = c->Height();
        int l = Rect.Left, t = Rect.Top;
        switch (AAlign) {
        case alTop: Rect.Top += h; break;
        case alBottom: Rect.Bottom -= h; t = Rect.Bottom; break;
        case alLeft: Rect.Left += w; break;
        case alRight: Rect.Right -= w; l = Rect.Right; break;
        default: break;
        }
        c->SetAlignedBounds(l, t, w, h);
    }
}

void TWinControl::AnchorChildren()
{
    const int pw = ClientWidth(), ph = ClientHeight();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Align() != alNone || c->Anchors() == TAnchors{akLeft, akTop})
            continue;
        if (!c->anchorsRecorded_) {
            c->UpdateAnchorRules();
            continue;
        }
        const TRect& b = c->anchorBounds_;
        const TSize& ps = c->anchorParentSize_;
        int l = b.Left, t = b.Top, w = b.Width(), h = b.Height();
        const TAnchors a = c->Anchors();
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft))
                w = b.Width() + (pw - ps.cx);
            else
                l = b.Left + (pw - ps.cx);
        } else if (!a.Contains(akLeft) && ps.cx > 0) {
            // Neither side: the centre keeps its relative position.
            l = MulDiv(b.Left + b.Width() / 2, pw, ps.cx) - b.Width() / 2;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop))
                h = b.Height() + (ph - ps.cy);
            else
                t = b.Top + (ph - ps.cy);
        } else if (!a.Contains(akTop) && ps.cy > 0) {
            t = MulDiv(b.Top + b.Height() / 2, ph, ps.cy) - b.Height() / 2;
        }
        c->SetAlignedBounds(l, t, w, h);
    }
}

// ---- geometry -------------------------------------------------------------------------------------

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (ALeft == Left() && ATop == Top() && AWidth == Width() && AHeight == Height())
        return;
    const bool sized = AWidth != Width() || AHeight != Height();
    left_ = ALeft;
    top_ = ATop;
    width_ = AWidth;
    height_ = AHeight;
    UpdateWidgetGeometry();
    UpdateAnchorRules();
    if (sized)
        Perform(WM_SIZE, SIZE_RESTORED, MAKELPARAM(ClientWidth(), ClientHeight()));
    RequestAlign();
}

void TWinControl::WidgetGeometryChanged(const QRect& Geometry)
{
    if (TRect::FromQt(Geometry) == BoundsRect())
        return;
    SetBounds(Geometry.x(), Geometry.y(), Geometry.width(), Geometry.height());
}

void TWinControl::UpdateWidgetGeometry()
{
    if (!widget_)
        return;
    const QRect g(Left(), Top(), Width(), Height());
    if (widget_->geometry() != g)
        widget_->setGeometry(g);
    UpdateClientWidget();
}

// ---- the client area ------------------------------------------------------------------------------

TRect TWinControl::ClientAreaInWindow() const { return Rect(0, 0, Width(), Height()); }

TRect TWinControl::ClientRect() const
{
    const TRect a = ClientAreaInWindow();
    return Rect(0, 0, std::max(0, a.Width()), std::max(0, a.Height()));
}

TPoint TWinControl::ClientOrigin() const
{
    const TPoint w = WindowOrigin(), o = ClientOffset();
    return {w.X + o.X, w.Y + o.Y};
}

void TWinControl::UpdateClientWidget()
{
    if (!widget_)
        return;
    const TRect a = ClientAreaInWindow();
    if (!clientWidget_) {
        // Without a frame the window's widget is the client widget.
        if (a == Rect(0, 0, Width(), Height()))
            return;
        auto* client = new QWidget(widget_);
        client->setFocusPolicy(Qt::NoFocus);
        client->setMouseTracking(true);
        client->setObjectName(QStringLiteral("client"));
        new TWidgetAdapter(this, client, TWidgetAdapter::ClientArea);
        clientWidget_ = client;
        // The children's widgets move in, keeping their z-order.
        for (TWinControl* w : windows_) {
            if (!w->widget_)
                continue;
            const bool shown = !w->widget_->isHidden();
            w->widget_->setParent(client);
            w->widget_->setGeometry(w->Left(), w->Top(), w->Width(), w->Height());
            w->widget_->setVisible(shown);
        }
        client->lower();
        client->show();
    }
    const QRect g(a.Left, a.Top, std::max(0, a.Width()), std::max(0, a.Height()));
    if (clientWidget_->geometry() != g)
        clientWidget_->setGeometry(g);
}

void TWinControl::ClientAreaChanged()
{
    UpdateClientWidget();
    Realign();
    Invalidate();
}

void TWinControl::InvalidateClientRect(const TRect& R)
{
    if (!widget_)
        return;
    const TPoint o = ClientOffset();
    widget_->update(R.ToQt().translated(o.X, o.Y));
}

void TWinControl::PaintHandler(QPainter* Painter)
{
    if (!Painter)
        return;
    Perform(WM_NCPAINT, intptr_t(Painter));
    const TRect a = ClientAreaInWindow();
    const bool framed = a != Rect(0, 0, Width(), Height());
    if (framed) {
        Painter->save();
        Painter->translate(a.Left, a.Top);
        Painter->setClipRect(QRect(0, 0, a.Width(), a.Height()), Qt::IntersectClip);
    }
    Perform(WM_ERASEBKGND, intptr_t(Painter));
    Perform(WM_PAINT, intptr_t(Painter));
    if (framed)
        Painter->restore();
}

void TWinControl::UpdateWidgetVisibility()
{
    if (!widget_)
        return;
    // A control without a parent shows only as a form (a top-level window).
    const bool show = Visible() && (Parent() || dynamic_cast<TCustomForm*>(this));
    if (widget_->isHidden() == show)
        widget_->setVisible(show);
}

void TWinControl::WMSize(TMessage& Message)
{
    DefaultHandler(Message);
    Realign();
    if (!ComponentState().Contains(TComponentStateItem::csLoading))
        Resize();
}

// ---- the window -----------------------------------------------------------------------------------

QWidget* TWinControl::Handle()
{
    HandleNeeded();
    return widget_;
}

void TWinControl::HandleNeeded()
{
    if (handleAllocated_)
        return;
    if (Parent())
        Parent()->HandleNeeded();
    if (!handleAllocated_)
        CreateHandle();
}

void TWinControl::CreateHandle()
{
    if (!handleAllocated_) {
        handleAllocated_ = true;
        CreateWnd();
    }
    std::vector<TWinControl*> children = nonClientControls_;
    children.insert(children.end(), windows_.begin(), windows_.end());
    for (TWinControl* w : children)
        w->CreateHandle();
}

void TWinControl::CreateWnd() {}

void TWinControl::DestroyHandle()
{
    if (!handleAllocated_)
        return;
    Perform(WM_DESTROY);
    std::vector<TWinControl*> children = nonClientControls_;
    children.insert(children.end(), windows_.begin(), windows_.end());
    for (TWinControl* w : children)
        w->DestroyHandle();
    handleAllocated_ = false;
    TTimerService::Instance().KillControlTimers(this);
}

TWinControl* TWinControl::FromWidget(const QWidget* Widget) { return TWidgetAdapter::ControlOf(Widget); }

bool TWinControl::WidgetEvent(QEvent* Event) { return TranslateQtEvent(this, Event); }

// ---- painting -------------------------------------------------------------------------------------

void TWinControl::Invalidate()
{
    if (widget_)
        widget_->update();
}

void TWinControl::Update()
{
    if (widget_ && widget_->isVisible())
        QCoreApplication::sendPostedEvents(widget_->window(), QEvent::UpdateRequest);
}

void TWinControl::Repaint()
{
    if (widget_ && widget_->isVisible())
        widget_->repaint();
}

void TWinControl::WMPaint(TMessage& Message)
{
    auto* painter = reinterpret_cast<QPainter*>(Message.WParam);
    if (!painter)
        return;
    PaintWindow(painter);
    PaintControls(painter);
}

void TWinControl::PaintWindow(QPainter*) {}

void TWinControl::PaintControls(QPainter* Painter)
{
    const std::vector<TControl*> children = graphics_;
    for (TControl* c : children) {
        if (!c->Visible() || c->Width() <= 0 || c->Height() <= 0)
            continue;
        Painter->save();
        Painter->translate(c->Left(), c->Top());
        Painter->setClipRect(QRect(0, 0, c->Width(), c->Height()), Qt::IntersectClip);
        c->Perform(WM_PAINT, intptr_t(Painter));
        Painter->restore();
    }
}

void TWinControl::WMEraseBkgnd(TMessage& Message)
{
    auto* painter = reinterpret_cast<QPainter*>(Message.WParam);
    if (painter && Color() != clNone) {
        painter->fillRect(ClientRect().ToQt(), ToQColor(Color()));
        Message.Result = 1;
    }
}

void TWinControl::WMNCPaint(TMessage& Message) { DefaultHandler(Message); }

void TWinControl::WMSetRedraw(TMessage& Message)
{
    if (widget_)
        widget_->setUpdatesEnabled(Message.WParam != 0);
}

void TWinControl::WMSetCursor(TMessage& Message)
{
    if (widget_ && Message.WParam == intptr_t(widget_.data()) && int16_t(Message.LParamLo()) == HTCLIENT) {
        TCursor cursor = Screen.Cursor();
        if (cursor == crDefault) {
            if (TControl* c = ControlAtPos(ScreenToClient(GetCursorPos()), false))
                cursor = c->Cursor();
            if (cursor == crDefault)
                cursor = Cursor();
        }
        if (cursor != crDefault) {
            widget_->setCursor(CursorToQt(cursor));
            Message.Result = 1;
            return;
        }
        widget_->unsetCursor();
    }
    DefaultHandler(Message);
}

void TWinControl::CMCursorChanged(TMessage& Message)
{
    TControl::CMCursorChanged(Message);
    if (!widget_)
        return;
    if (Cursor() == crDefault)
        widget_->unsetCursor();
    else
        widget_->setCursor(CursorToQt(Cursor()));
}

// ---- messages -------------------------------------------------------------------------------------

void TWinControl::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETFOCUS: {
        // The form learns first, sending CM_EXIT / CM_ENTER; if a handler
        // moved the focus on, this focus message is stale.
        TCustomForm* form = GetParentForm(this);
        if (form && !form->SetFocusedControl(this))
            return;
        break;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        if (IsControlMouseMsg(Message))
            return;
        break;
    default:
        break;
    }
    TControl::WndProc(Message);
}

bool TWinControl::IsControlMouseMsg(TMessage& Message)
{
    TControl* control = nullptr;
    TControl* capture = GetCaptureControl();
    if (capture) {
        // The capture belongs to this window or to one of its graphic children.
        if (capture != this && capture->Parent() == this && !dynamic_cast<TWinControl*>(capture))
            control = capture;
    } else {
        control = ControlAtPos(Message.Pos(), false);
    }
    if (!control)
        return false;
    const TPoint p{Message.XPos() - control->Left(), Message.YPos() - control->Top()};
    Message.Result = control->Perform(Message.Msg, Message.WParam, PointToSmallPoint(p));
    return true;
}

void TWinControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT: WMPaint(Message); break;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); break;
    case WM_NCPAINT: WMNCPaint(Message); break;
    case WM_SIZE: WMSize(Message); break;
    case WM_SETFOCUS: WMSetFocus(Message); break;
    case WM_KILLFOCUS: WMKillFocus(Message); break;
    case WM_KEYDOWN: WMKeyDown(Message); break;
    case WM_KEYUP: WMKeyUp(Message); break;
    case WM_CHAR: WMChar(Message); break;
    case WM_SYSKEYDOWN: WMSysKeyDown(Message); break;
    case WM_SYSKEYUP: WMSysKeyUp(Message); break;
    case WM_SYSCHAR: WMSysChar(Message); break;
    case WM_GETDLGCODE: WMGetDlgCode(Message); break;
    case WM_SETCURSOR: WMSetCursor(Message); break;
    case WM_SETREDRAW: WMSetRedraw(Message); break;
    case WM_DESTROY: WMDestroy(Message); break;
    case WM_COMMAND: WMCommand(Message); break;
    case WM_NOTIFY: WMNotify(Message); break;
    case WM_HSCROLL: WMHScroll(Message); break;
    case WM_VSCROLL: WMVScroll(Message); break;
    case CN_KEYDOWN: CNKeyDown(Message); break;
    case CN_KEYUP:
    case CN_SYSKEYUP: CNKeyUp(Message); break;
    case CN_CHAR: CNChar(Message); break;
    case CN_SYSKEYDOWN: CNSysKeyDown(Message); break;
    case CN_SYSCHAR: CNSysChar(Message); break;
    case CM_ENTER: CMEnter(Message); break;
    case CM_EXIT: CMExit(Message); break;
    case CM_DIALOGKEY: CMDialogKey(Message); break;
    case CM_DIALOGCHAR: CMDialogChar(Message); break;
    case CM_WANTSPECIALKEY: CMWantSpecialKey(Message); break;
    case CM_FOCUSCHANGED: CMFocusChanged(Message); break;
    default: TControl::Dispatch(Message); break;
    }
}

void TWinControl::WMSetFocus(TMessage& Message) { DefaultHandler(Message); }
void TWinControl::WMKillFocus(TMessage& Message) { DefaultHandler(Message); }
void TWinControl::WMGetDlgCode(TMessage& Message) { DefaultHandler(Message); }
void TWinControl::WMDestroy(TMessage& Message) { DefaultHandler(Message); }
void TWinControl::CMWantSpecialKey(TMessage& Message) { Message.Result = 0; }

void TWinControl::CMFocusChanged(TMessage& Message) { Broadcast(Message); }

void TWinControl::WMCommand(TMessage& Message)
{
    // Reflected to the control it is about.
    TWinControl* source = FromWidget(reinterpret_cast<QWidget*>(Message.LParam));
    if (source && source != this)
        Message.Result = source->Perform(CN_COMMAND, Message.WParam, Message.LParam);
    else
        DefaultHandler(Message);
}

void TWinControl::WMNotify(TMessage& Message)
{
    const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
    if (header && header->hwndFrom && header->hwndFrom != this)
        Message.Result = header->hwndFrom->Perform(CN_NOTIFY, Message.WParam, Message.LParam);
    else
        DefaultHandler(Message);
}

void TWinControl::WMHScroll(TMessage& Message)
{
    TWinControl* bar = FromWidget(reinterpret_cast<QWidget*>(Message.LParam));
    if (bar && bar != this)
        Message.Result = bar->Perform(CN_HSCROLL, Message.WParam, Message.LParam);
    else
        DefaultHandler(Message);
}

void TWinControl::WMVScroll(TMessage& Message)
{
    TWinControl* bar = FromWidget(reinterpret_cast<QWidget*>(Message.LParam));
    if (bar && bar != this)
        Message.Result = bar->Perform(CN_VSCROLL, Message.WParam, Message.LParam);
    else
        DefaultHandler(Message);
}

void TWinControl::CMEnabledChanged(TMessage& Message)
{
    if (!Enabled())
        RemoveFocus(false);
    if (widget_)
        widget_->setEnabled(Enabled());
    TControl::CMEnabledChanged(Message);
}

void TWinControl::CMVisibleChanged(TMessage& Message)
{
    if (!Visible())
        RemoveFocus(false);
    UpdateWidgetVisibility();
    TControl::CMVisibleChanged(Message);
}

void TWinControl::CMColorChanged(TMessage& Message)
{
    TControl::CMColorChanged(Message);
    NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& Message)
{
    TControl::CMFontChanged(Message);
    NotifyControls(CM_PARENTFONTCHANGED);
}

// ---- keys -----------------------------------------------------------------------------------------

void TWinControl::CNKeyDown(TMessage& Message)
{
    Message.Result = 1;
    intptr_t mask = 0;
    switch (Message.CharCode()) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    default: break;
    }
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, Message.CharCode(), Message.KeyData()) == 0 &&
        (Perform(WM_GETDLGCODE) & mask) == 0) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->Perform(CM_DIALOGKEY, Message.CharCode(), Message.KeyData()) != 0)
            return;
    }
    Message.Result = 0;
}

void TWinControl::CNSysKeyDown(TMessage& Message) { Message.Result = 0; }

void TWinControl::CNKeyUp(TMessage& Message) { Message.Result = 0; }

void TWinControl::CNChar(TMessage& Message)
{
    Message.Result = 1;
    if ((Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->Perform(CM_DIALOGCHAR, Message.CharCode(), Message.KeyData()) != 0)
            return;
    }
    Message.Result = 0;
}

void TWinControl::CNSysChar(TMessage& Message)
{
    Message.Result = 0;
    if (Message.CharCode() != VK_SPACE)
        if (TCustomForm* form = GetParentForm(this))
            Message.Result = form->Perform(CM_DIALOGCHAR, Message.CharCode(), Message.KeyData());
}

void TWinControl::WMKeyDown(TMessage& Message)
{
    if (!DoKeyDown(Message))
        DefaultHandler(Message);
}

void TWinControl::WMSysKeyDown(TMessage& Message)
{
    if (!DoKeyDown(Message))
        DefaultHandler(Message);
}

void TWinControl::WMKeyUp(TMessage& Message)
{
    if (!DoKeyUp(Message))
        DefaultHandler(Message);
}

void TWinControl::WMSysKeyUp(TMessage& Message)
{
    if (!DoKeyUp(Message))
        DefaultHandler(Message);
}

void TWinControl::WMChar(TMessage& Message)
{
    if (!DoKeyPress(Message))
        DefaultHandler(Message);
}

void TWinControl::WMSysChar(TMessage& Message) { DefaultHandler(Message); }

bool TWinControl::DoKeyDown(TMessage& Message)
{
    TWeakRef<TWinControl> self(this);
    TWinControl* form = GetParentForm(this);
    if (form && form != this && static_cast<TCustomForm*>(form)->KeyPreview() && form->DoKeyDown(Message))
        return true;
    if (!self)
        return true;
    if (!ControlStyle().Contains(csNoStdEvents)) {
        Word key = Message.CharCode();
        KeyDown(key, KeyDataToShiftState(Message.KeyData()));
        Message.SetCharCode(key);
        if (key == 0)
            return true;
    }
    return false;
}

bool TWinControl::DoKeyPress(TMessage& Message)
{
    TWeakRef<TWinControl> self(this);
    TWinControl* form = GetParentForm(this);
    if (form && form != this && static_cast<TCustomForm*>(form)->KeyPreview() && form->DoKeyPress(Message))
        return true;
    if (!self)
        return true;
    if (!ControlStyle().Contains(csNoStdEvents)) {
        QChar ch(char16_t(Message.CharCode()));
        KeyPress(ch);
        Message.SetCharCode(ch.unicode());
        if (ch.isNull())
            return true;
    }
    return false;
}

bool TWinControl::DoKeyUp(TMessage& Message)
{
    TWeakRef<TWinControl> self(this);
    TWinControl* form = GetParentForm(this);
    if (form && form != this && static_cast<TCustomForm*>(form)->KeyPreview() && form->DoKeyUp(Message))
        return true;
    if (!self)
        return true;
    if (!ControlStyle().Contains(csNoStdEvents)) {
        Word key = Message.CharCode();
        KeyUp(key, KeyDataToShiftState(Message.KeyData()));
        Message.SetCharCode(key);
        if (key == 0)
            return true;
    }
    return false;
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyPress(QChar& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TWinControl::KeyUp(Word& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TWinControl::CMDialogKey(TMessage& Message) { Broadcast(Message); }

void TWinControl::CMDialogChar(TMessage& Message) { Broadcast(Message); }

bool DeliverKeyMessage(TWinControl* Target, TMessage& Message)
{
    if (!Target)
        return true;
    TWeakRef<TWinControl> target(Target);
    if (Target->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam) != 0)
        return true;
    if (!target)
        return true;
    Target->Perform(Message);
    return false;
}

// ---- tab order and focus ------------------------------------------------------------------------

int TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int Value)
{
    if (ComponentState().Contains(TComponentStateItem::csLoading)) {
        // While loading, siblings named in the table may not exist yet: the
        // order is put together when the parent has loaded.
        wantedTabOrder_ = Value;
        return;
    }
    UpdateTabOrder(Value);
}

void TWinControl::UpdateTabOrder(int Value)
{
    if (!Parent())
        return;
    auto& list = Parent()->tabList_;
    const int cur = TabOrder();
    if (cur < 0)
        return;
    const int count = int(list.size());
    Value = std::clamp(Value, 0, count - 1);
    if (Value == cur)
        return;
    list.erase(list.begin() + cur);
    list.insert(list.begin() + Value, this);
}

void TWinControl::FixupTabList()
{
    const int count = int(windows_.size());
    std::vector<TWinControl*> order(size_t(count), nullptr);
    for (TWinControl* w : windows_)
        if (w->wantedTabOrder_ >= 0 && w->wantedTabOrder_ < count)
            order[size_t(w->wantedTabOrder_)] = w;
    for (int i = 0; i < count; ++i)
        if (order[size_t(i)])
            order[size_t(i)]->UpdateTabOrder(i);
    for (TWinControl* w : windows_)
        w->wantedTabOrder_ = -1;
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    FixupTabList();
    Realign();
}

void TWinControl::SetTabStop(bool Value)
{
    if (tabStop_ == Value)
        return;
    tabStop_ = Value;
    Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const
{
    for (TWinControl* w : tabList_) {
        List.push_back(w);
        w->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    const int count = int(list.size());
    int start = int(std::find(list.begin(), list.end(), CurControl) - list.begin());
    if (start == count)
        start = GoForward ? count - 1 : 0;
    int i = start;
    do {
        if (GoForward) {
            if (++i == count)
                i = 0;
        } else {
            if (i == 0)
                i = count;
            --i;
        }
        TWinControl* c = list[size_t(i)];
        if (c->CanFocus() && (!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this))
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop)
{
    if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop))
        next->SetFocus();
}

void TWinControl::SelectFirst()
{
    TCustomForm* form = GetParentForm(this);
    TWinControl* first = FindNextControl(nullptr, true, true, false);
    if (!first)
        first = FindNextControl(nullptr, true, false, false);
    if (form && first)
        form->SetActiveControl(first);
}

bool TWinControl::CanFocus() const
{
    const TCustomForm* form = GetParentForm(this);
    if (!form)
        return false;
    for (const TControl* c = this; c && c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const { return GetFocusedControl() == this; }

void TWinControl::SetFocus()
{
    TCustomForm* form = GetParentForm(this);
    if (!form)
        throw EInvalidOperation(QStringLiteral("Control '%1' has no parent window").arg(Name()));
    form->FocusControl(this);
}

void TWinControl::RemoveFocus(bool Removing)
{
    if (TCustomForm* form = GetParentForm(this); form && form != this)
        form->DefocusControl(this, Removing);
}

void TWinControl::CMEnter(TMessage&) { DoEnter(); }

void TWinControl::CMExit(TMessage&) { DoExit(); }

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}
