// TControl, TGraphicControl, TCustomControl and the mouse capture.
#include "platform/gui/controls.h"

#include <QPainter>
#include <QWidget>

#include <cstdlib>

#include "platform/gui/application.h"
#include "platform/gui/dragdrop.h"
#include "platform/gui/input_state.h"
#include "platform/gui/qt_backend.h"

namespace {

TWeakRef<TControl> g_capture;

bool isLoadingTree(const TControl* C)
{
    for (const TControl* c = C; c; c = c->Parent())
        if (c->ComponentState().Contains(TComponentStateItem::csLoading))
            return true;
    return false;
}

// Runs Paint with the canvas attached to the painter, and detaches it on
// every path out.
template <typename PaintFn>
void paintWithCanvas(TCanvas& Canvas, QPainter* Painter, const TFont& Font, TColor Color, PaintFn&& Paint)
{
    struct Detach {
        TCanvas& c;
        ~Detach() { c.SetPainter(nullptr); }
    } detach{Canvas};
    Canvas.SetPainter(Painter);
    Canvas.Font().Assign(Font);
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(Color == clNone ? clWhite : Color);
    Canvas.Pen().SetColor(clBlack);
    Canvas.Pen().SetStyle(psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetMode(pmCopy);
    Canvas.SetPenPos({0, 0});
    Paint();
}

}  // namespace

// ---- the mouse capture --------------------------------------------------------------------------

TControl* GetCaptureControl() { return g_capture.Get(); }

void SetCaptureControl(TControl* Control)
{
    TControl* previous = g_capture.Get();
    if (previous == Control)
        return;
    g_capture = TWeakRef<TControl>(Control);
    if (previous) {
        TWinControl* window = Control ? dynamic_cast<TWinControl*>(Control) : nullptr;
        if (!window && Control)
            window = Control->Parent();
        previous->Perform(WM_CAPTURECHANGED, 0, window ? intptr_t(window->Widget()) : 0);
    }
}

void CancelMode()
{
    CancelDragLoop();
    if (TControl* captor = GetCaptureControl())
        captor->Perform(WM_CANCELMODE);
    SetCaptureControl(nullptr);
}

// ---- TControl ---------------------------------------------------------------------------------

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), font_(std::make_unique<TFont>())
{
    font_->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl()
{
    Destroying();
    if (parent_)
        parent_->RemoveControl(this);
    font_->OnChange = nullptr;
}

void TControl::SetParent(TWinControl* AParent)
{
    if (parent_ == AParent)
        return;
    if (AParent)
        AParent = AParent->ParentForChild(this);
    if (parent_ == AParent)
        return;
    if (AParent == this)
        throw EInvalidOperation(QStringLiteral("A control cannot have itself as its parent"));
    if (parent_)
        parent_->RemoveControl(this);
    if (AParent)
        AParent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_)
        return;
    const bool sized = AWidth != width_ || AHeight != height_;
    InvalidateControl(visible_, false);
    left_ = ALeft;
    top_ = ATop;
    width_ = AWidth;
    height_ = AHeight;
    UpdateAnchorRules();
    Invalidate();
    RequestAlign();
    if (sized && !ComponentState().Contains(TComponentStateItem::csLoading))
        Resize();
}

void TControl::SetAlignedBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    // The parent's alignment moves the control: the anchors keep what they
    // recorded and the parent does not realign again.
    struct Guard {
        bool& flag;
        bool old;
        ~Guard() { flag = old; }
    } guard{boundsFromAlign_, boundsFromAlign_};
    boundsFromAlign_ = true;
    SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TControl::SetClientSize(int AWidth, int AHeight)
{
    SetBounds(left_, top_, AWidth + (width_ - ClientWidth()), AHeight + (height_ - ClientHeight()));
}

TPoint TControl::ClientOrigin() const
{
    if (!parent_)
        return {left_, top_};
    // A part of the parent's frame is placed in its window coordinates.
    const TPoint p = nonClient_ ? parent_->WindowOrigin() : parent_->ClientOrigin();
    return {p.X + left_, p.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint P) const
{
    const TPoint o = ClientOrigin();
    return {P.X + o.X, P.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint P) const
{
    const TPoint o = ClientOrigin();
    return {P.X - o.X, P.Y - o.Y};
}

void TControl::SetAlign(TAlign Value)
{
    if (align_ == Value)
        return;
    const TAlign old = align_;
    align_ = Value;
    // An aligned control sticks to its sides; back to alNone it keeps its
    // place with the default anchors.
    if (old != alNone && Value == alNone)
        anchors_ = {akLeft, akTop};
    RequestAlign();
}

void TControl::SetAnchors(TAnchors Value)
{
    if (anchors_ == Value)
        return;
    anchors_ = Value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    if (boundsFromAlign_)
        return;
    anchorsRecorded_ = false;
    if (!parent_ || nonClient_ || isLoadingTree(this))
        return;
    const int pw = parent_->ClientWidth(), ph = parent_->ClientHeight();
    // A parent without a size yet: the distances are taken when it gets one.
    if (pw == 0 && ph == 0)
        return;
    anchorBounds_ = BoundsRect();
    anchorParentSize_ = {pw, ph};
    anchorsRecorded_ = true;
}

bool TControl::Showing() const
{
    if (!visible_)
        return false;
    if (parent_)
        return parent_->Showing();
    return dynamic_cast<const TCustomForm*>(this) != nullptr;
}

void TControl::SetVisible(bool Value)
{
    if (visible_ == Value)
        return;
    visible_ = Value;
    Perform(CM_VISIBLECHANGED, Value ? 1 : 0);
    RequestAlign();
}

void TControl::SetEnabled(bool Value)
{
    if (enabled_ == Value)
        return;
    enabled_ = Value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor Value)
{
    if (color_ == Value && !parentColor_)
        return;
    color_ = Value;
    parentColor_ = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value)
{
    if (parentColor_ == Value)
        return;
    parentColor_ = Value;
    if (Value && parent_)
        Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool Value)
{
    if (parentFont_ == Value)
        return;
    parentFont_ = Value;
    if (Value && parent_)
        Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged()
{
    if (!takingParentFont_)
        parentFont_ = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetCursor(TCursor Value)
{
    if (cursor_ == Value)
        return;
    cursor_ = Value;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetText(const String& Value)
{
    if (text_ == Value)
        return;
    text_ = Value;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetShowHint(bool Value)
{
    parentShowHint_ = false;
    if (showHint_ == Value)
        return;
    showHint_ = Value;
    if (auto* w = dynamic_cast<TWinControl*>(this))
        w->NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value)
{
    if (parentShowHint_ == Value)
        return;
    parentShowHint_ = Value;
    if (Value && parent_)
        Perform(CM_PARENTSHOWHINTCHANGED);
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value)
{
    if (MouseCapture() == Value)
        return;
    SetCaptureControl(Value ? this : nullptr);
}

// ---- messages

intptr_t TControl::Perform(unsigned Msg, intptr_t WParam, intptr_t LParam)
{
    TMessage m{Msg, WParam, LParam, 0};
    WndProc(m);
    return m.Result;
}

int TControl::AddMessageWatcher(TMessageWatcher Watcher)
{
    const int id = nextWatcherId_++;
    watchers_.emplace_back(id, std::move(Watcher));
    return id;
}

void TControl::RemoveMessageWatcher(int Id)
{
    std::erase_if(watchers_, [Id](const auto& W) { return W.first == Id; });
}

void TControl::WndProc(TMessage& Message)
{
    if (!watchers_.empty()) {
        TWeakRef<TControl> self(this);
        // A copy: a watcher may remove itself or others.
        const auto watchers = watchers_;
        for (const auto& w : watchers) {
            w.second(this, Message);
            if (!self)
                return;
        }
    }
    switch (Message.Msg) {
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        if (Message.Msg == WM_LBUTTONDBLCLK && dragMode_ == dmAutomatic &&
            !ComponentState().Contains(TComponentStateItem::csDesigning)) {
            BeginDrag(true);
            return;
        }
        // A control that takes no double clicks sees a second press.
        if (!controlStyle_.Contains(csDoubleClicks))
            Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
        if (Message.Msg == WM_LBUTTONDBLCLK || Message.Msg == WM_LBUTTONDOWN)
            controlState_.Include(csLButtonDown);
        break;
    case WM_LBUTTONDOWN:
        if (dragMode_ == dmAutomatic && !ComponentState().Contains(TComponentStateItem::csDesigning)) {
            BeginDrag(true);
            return;
        }
        controlState_.Include(csLButtonDown);
        break;
    case WM_LBUTTONUP:
        controlState_.Exclude(csLButtonDown);
        break;
    case WM_MOUSEMOVE:
        Application.HintMouseMessage(this, Message);
        break;
    default:
        break;
    }
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN: WMLButtonDown(Message); break;
    case WM_LBUTTONUP: WMLButtonUp(Message); break;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(Message); break;
    case WM_RBUTTONDOWN: WMRButtonDown(Message); break;
    case WM_RBUTTONUP: WMRButtonUp(Message); break;
    case WM_RBUTTONDBLCLK: WMRButtonDblClk(Message); break;
    case WM_MBUTTONDOWN: WMMButtonDown(Message); break;
    case WM_MBUTTONUP: WMMButtonUp(Message); break;
    case WM_MBUTTONDBLCLK: WMMButtonDblClk(Message); break;
    case WM_MOUSEMOVE: WMMouseMove(Message); break;
    case WM_MOUSEWHEEL: WMMouseWheel(Message); break;
    case WM_CANCELMODE: WMCancelMode(Message); break;
    case WM_CAPTURECHANGED: WMCaptureChanged(Message); break;
    case CM_DRAG: CMDrag(Message); break;
    case WM_TIMER: WMTimer(Message); break;
    case WM_PAINT: WMPaint(Message); break;
    case CM_MOUSEENTER: CMMouseEnter(Message); break;
    case CM_MOUSELEAVE: CMMouseLeave(Message); break;
    case CM_MOUSEWHEEL: CMMouseWheel(Message); break;
    case CM_HITTEST: CMHitTest(Message); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(Message); break;
    case CM_COLORCHANGED: CMColorChanged(Message); break;
    case CM_FONTCHANGED: CMFontChanged(Message); break;
    case CM_TEXTCHANGED: CMTextChanged(Message); break;
    case CM_CURSORCHANGED: CMCursorChanged(Message); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(Message); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(Message); break;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(Message); break;
    case CM_HINTSHOW: CMHintShow(Message); break;
    default: DefaultHandler(Message); break;
    }
}

void TControl::DefaultHandler(TMessage&) {}

// ---- mouse handlers

void TControl::ButtonDown(TMessage& Message, TMouseButton Button, bool Double)
{
    DefaultHandler(Message);
    if (controlStyle_.Contains(csCaptureMouse))
        SetMouseCapture(true);
    TWeakRef<TControl> self(this);
    if (Double) {
        if (controlStyle_.Contains(csClickEvents))
            DblClick();
        if (self)
            DoMouseDown(Message, Button, {ssDouble});
    } else {
        if (Button == mbLeft && controlStyle_.Contains(csClickEvents))
            controlState_.Include(csClicked);
        DoMouseDown(Message, Button, {});
    }
}

void TControl::ButtonUp(TMessage& Message, TMouseButton Button)
{
    DefaultHandler(Message);
    // The capture lasts while any button is held.
    if (controlStyle_.Contains(csCaptureMouse) && (Message.Keys() & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0)
        SetMouseCapture(false);
    TWeakRef<TControl> self(this);
    if (Button == mbLeft && controlState_.Contains(csClicked)) {
        controlState_.Exclude(csClicked);
        if (ClientRect().Contains(Message.Pos()))
            Click();
    }
    if (self)
        DoMouseUp(Message, Button);
}

void TControl::WMLButtonDown(TMessage& Message) { ButtonDown(Message, mbLeft, false); }
void TControl::WMLButtonUp(TMessage& Message) { ButtonUp(Message, mbLeft); }
void TControl::WMLButtonDblClk(TMessage& Message) { ButtonDown(Message, mbLeft, true); }
void TControl::WMRButtonDown(TMessage& Message) { ButtonDown(Message, mbRight, false); }
void TControl::WMRButtonUp(TMessage& Message) { ButtonUp(Message, mbRight); }
void TControl::WMRButtonDblClk(TMessage& Message) { ButtonDown(Message, mbRight, true); }
void TControl::WMMButtonDown(TMessage& Message) { ButtonDown(Message, mbMiddle, false); }
void TControl::WMMButtonUp(TMessage& Message) { ButtonUp(Message, mbMiddle); }
void TControl::WMMButtonDblClk(TMessage& Message) { ButtonDown(Message, mbMiddle, true); }

void TControl::WMMouseMove(TMessage& Message)
{
    DefaultHandler(Message);
    if (!controlStyle_.Contains(csNoStdEvents))
        MouseMove(KeysToShiftState(Message.Keys()), Message.XPos(), Message.YPos());
}

void TControl::DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift)
{
    if (!controlStyle_.Contains(csNoStdEvents))
        MouseDown(Button, KeysToShiftState(Message.Keys()) + Shift, Message.XPos(), Message.YPos());
}

void TControl::DoMouseUp(TMessage& Message, TMouseButton Button)
{
    if (!controlStyle_.Contains(csNoStdEvents))
        MouseUp(Button, KeysToShiftState(Message.Keys()), Message.XPos(), Message.YPos());
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::WMMouseWheel(TMessage& Message)
{
    const TShiftState shift = KeysToShiftState(Message.WParamLo());
    Message.Result = Perform(CM_MOUSEWHEEL, MAKEWPARAM(int(shift.Bits()), Message.WheelDelta()), Message.LParam);
}

void TControl::CMMouseWheel(TMessage& Message)
{
    const TShiftState shift = TShiftState::FromBits(Message.WParamLo());
    const int delta = int16_t(Message.WParamHi());
    const TPoint pos = SmallPointToPoint(Message.LParam);
    TWeakRef<TControl> self(this);
    Message.Result = 0;
    if (DoMouseWheel(shift, delta, pos))
        Message.Result = 1;
    else if (self && parent_)
        Message.Result = parent_->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    if (handled)
        return true;
    wheelAccumulator_ += WheelDelta;
    while (std::abs(wheelAccumulator_) >= WHEEL_DELTA) {
        const bool down = wheelAccumulator_ < 0;
        wheelAccumulator_ = down ? wheelAccumulator_ + WHEEL_DELTA : wheelAccumulator_ - WHEEL_DELTA;
        handled = down ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
}

void TControl::WMCancelMode(TMessage& Message)
{
    DefaultHandler(Message);
    if (MouseCapture())
        SetMouseCapture(false);
    controlState_.Exclude(csClicked);
    controlState_.Exclude(csLButtonDown);
}

void TControl::WMCaptureChanged(TMessage& Message) { DefaultHandler(Message); }

void TControl::WMTimer(TMessage& Message) { DefaultHandler(Message); }

void TControl::WMPaint(TMessage& Message) { DefaultHandler(Message); }

void TControl::CMMouseEnter(TMessage&)
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage&)
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TControl::CMHitTest(TMessage& Message) { Message.Result = HTCLIENT; }

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }

void TControl::CMVisibleChanged(TMessage&) { InvalidateControl(true, false); }

void TControl::CMColorChanged(TMessage&) { Invalidate(); }

void TControl::CMFontChanged(TMessage&) { Invalidate(); }

void TControl::CMTextChanged(TMessage&) { Invalidate(); }

void TControl::CMCursorChanged(TMessage&)
{
    // Show the new cursor now when the pointer is over this control.
    if (parent_ && InputState().ControlUnderCursor() == this && parent_->Widget())
        parent_->Perform(WM_SETCURSOR, intptr_t(parent_->Widget()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

void TControl::CMParentColorChanged(TMessage& Message)
{
    if (!parentColor_)
        return;
    if (Message.WParam != 0)
        SetColor(TColor(Message.LParam));
    else if (parent_)
        SetColor(parent_->Color());
    parentColor_ = true;
}

void TControl::CMParentFontChanged(TMessage& Message)
{
    if (!parentFont_)
        return;
    const TFont* source = Message.WParam != 0 ? reinterpret_cast<const TFont*>(Message.LParam)
                                              : (parent_ ? &parent_->Font() : nullptr);
    if (!source)
        return;
    struct Guard {
        bool& flag;
        ~Guard() { flag = false; }
    } guard{takingParentFont_};
    takingParentFont_ = true;
    font_->Assign(*source);
}

void TControl::CMParentShowHintChanged(TMessage&)
{
    if (!parentShowHint_ || !parent_)
        return;
    if (showHint_ != parent_->ShowHint()) {
        showHint_ = parent_->ShowHint();
        if (auto* w = dynamic_cast<TWinControl*>(this))
            w->NotifyControls(CM_PARENTSHOWHINTCHANGED);
    }
}

void TControl::CMHintShow(TMessage& Message) { Message.Result = 0; }

// ---- painting

void TControl::InvalidateControl(bool IsVisible, bool)
{
    if (IsVisible && parent_)
        parent_->InvalidateClientRect(BoundsRect());
}

void TControl::Invalidate() { InvalidateControl(visible_, false); }

void TControl::Update()
{
    if (parent_)
        parent_->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::BringToFront()
{
    if (!parent_ || nonClient_)
        return;
    if (auto* w = dynamic_cast<TWinControl*>(this)) {
        auto& v = parent_->windows_;
        v.erase(std::find(v.begin(), v.end(), w));
        v.push_back(w);
        if (w->Widget())
            w->Widget()->raise();
    } else {
        auto& v = parent_->graphics_;
        v.erase(std::find(v.begin(), v.end(), this));
        v.push_back(this);
        Invalidate();
    }
}

void TControl::SendToBack()
{
    if (!parent_ || nonClient_)
        return;
    if (auto* w = dynamic_cast<TWinControl*>(this)) {
        auto& v = parent_->windows_;
        v.erase(std::find(v.begin(), v.end(), w));
        v.insert(v.begin(), w);
        if (w->Widget())
            w->Widget()->lower();
    } else {
        auto& v = parent_->graphics_;
        v.erase(std::find(v.begin(), v.end(), this));
        v.insert(v.begin(), this);
        Invalidate();
    }
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::RequestAlign()
{
    if (parent_ && !boundsFromAlign_ && !nonClient_)
        parent_->AlignControl(this);
}

void TControl::Loaded()
{
    TComponent::Loaded();
    UpdateAnchorRules();
}

// ---- TGraphicControl ----------------------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Paint() {}

void TGraphicControl::WMPaint(TMessage& Message)
{
    auto* painter = reinterpret_cast<QPainter*>(Message.WParam);
    if (!painter)
        return;
    paintWithCanvas(*canvas_, painter, Font(), Color(), [this] { Paint(); });
}

// ---- TCustomControl -----------------------------------------------------------------------------

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), canvas_(std::make_unique<TCanvas>()) {}

TCustomControl::TCustomControl(TComponent* AOwner, QWidget* AWidget)
    : TWinControl(AOwner, AWidget), canvas_(std::make_unique<TCanvas>())
{
}

TCustomControl::~TCustomControl() = default;

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(QPainter* Painter)
{
    SetControlState(ControlState() + TControlState{csCustomPaint});
    struct Clear {
        TCustomControl* c;
        ~Clear() { c->SetControlState(c->ControlState() - TControlState{csCustomPaint}); }
    } clear{this};
    paintWithCanvas(*canvas_, Painter, Font(), Color(), [this] { Paint(); });
}
