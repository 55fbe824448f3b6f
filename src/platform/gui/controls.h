#pragma once
// The control classes: TControl (anything with bounds inside a parent),
// TWinControl (a control with its own window, a QWidget), TCustomControl (a
// window painted by its Paint), TGraphicControl (painted into its parent's
// window, no focus) and TCustomForm (a top-level window, the root of focus).
//
// Messages. Every input and notification reaches a control as a TMessage
// through Perform -> WndProc -> Dispatch -> the handler of that message (a
// protected virtual named after it: WMLButtonDown, CMMouseEnter ...), and
// Dispatch sends messages without a handler to DefaultHandler. A subclass
// handles a message either by overriding its handler (and calling the base
// class's version to inherit), or by overriding WndProc or Dispatch with a
// switch on Msg that falls back to the base class. WndProc sees every
// message before any default handling.
//
// Which events fire, in which order (the platform's):
// - mouse down: MouseDown (OnMouseDown); the control takes the mouse capture.
// - mouse up: Click (OnClick) when the press started on this control and the
//   pointer is still inside it, then MouseUp (OnMouseUp); the capture ends
//   when no button is held any more.
// - double click arrives as down, up, WM_xBUTTONDBLCLK, up: the double-click
//   message fires DblClick (OnDblClick) and then MouseDown with ssDouble; the
//   second up fires no Click.
// - keys: see TWinControl.
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "platform/gui/canvas.h"
#include "platform/gui/classes.h"
#include "platform/gui/graphics.h"
#include "platform/gui/messages.h"

class QEvent;
class QPainter;
class TWinControl;
class TCustomForm;
class TWidgetAdapter;

// Misuse of a control: focusing what cannot have the focus, a parent loop ...
class EInvalidOperation : public Exception {
    using Exception::Exception;
};

// ---- enumerations -----------------------------------------------------------------------------

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
using TAlign::alNone, TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient,
    TAlign::alCustom;

enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = Set<TAnchorKind>;
using TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akRight, TAnchorKind::akBottom;

// Stock cursors have negative numbers; the program's own cursors are
// registered with positive ones (TScreen::SetCursors).
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = -22;

enum class TControlStyleItem {
    csAcceptsControls, csCaptureMouse, csClickEvents, csFramed, csSetCaption, csOpaque, csDoubleClicks,
    csNoStdEvents, csParentBackground
};
using TControlStyle = Set<TControlStyleItem>;
using TControlStyleItem::csAcceptsControls, TControlStyleItem::csCaptureMouse, TControlStyleItem::csClickEvents,
    TControlStyleItem::csFramed, TControlStyleItem::csSetCaption, TControlStyleItem::csOpaque,
    TControlStyleItem::csDoubleClicks, TControlStyleItem::csNoStdEvents, TControlStyleItem::csParentBackground;

enum class TControlStateItem { csLButtonDown, csClicked, csAlignmentNeeded, csFocusing, csCustomPaint };
using TControlState = Set<TControlStateItem>;
using TControlStateItem::csLButtonDown, TControlStateItem::csClicked, TControlStateItem::csAlignmentNeeded,
    TControlStateItem::csFocusing, TControlStateItem::csCustomPaint;

// ---- events -----------------------------------------------------------------------------------

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

// ---- drag and drop (the loop and the drag objects: dragdrop.h) --------------------------------

class TDragObject;

// dmAutomatic: a left press on the control starts a drag at once instead of
// the usual mouse handling; dmManual: the program calls BeginDrag.
enum class TDragMode { dmManual, dmAutomatic };
using TDragMode::dmManual, TDragMode::dmAutomatic;

// Where the pointer is relative to the control a DragOver is asked for.
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };
using TDragState::dsDragEnter, TDragState::dsDragLeave, TDragState::dsDragMove;

// Source: the control being dragged, or the drag object when no control
// is (a drag object of the program's own, files or text from outside).
using TDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
// The handler may set DragObject to an object of its own (it stays the
// handler's to free, after OnEndDrag); left nullptr, the layer makes one.
using TStartDragEvent = std::function<void(TObject* Sender, TDragObject*& DragObject)>;
// Target: the control dropped on, nullptr when the drag ended without a drop.
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;

// What CM_HINTSHOW's LParam points to: the handler may change the text, the
// position or the colour, or answer Result 1 to show no hint.
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint HintPos;          // screen
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    TRect CursorRect;        // client coordinates of HintControl
    TPoint CursorPos;        // client coordinates of HintControl
    int ReshowTimeout = 0;
    int HideTimeout = 0;
    String HintStr;
    void* HintData = nullptr;
};

// ---- TControl ---------------------------------------------------------------------------------

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    // ---- parent and geometry (Left/Top in the parent's client coordinates)
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* AParent);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int Value) { SetBounds(Value, top_, width_, height_); }
    void SetTop(int Value) { SetBounds(left_, Value, width_, height_); }
    void SetWidth(int Value) { SetBounds(left_, top_, Value, height_); }
    void SetHeight(int Value) { SetBounds(left_, top_, width_, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
    // (0, 0, ClientWidth, ClientHeight); the whole control unless a subclass
    // has a non-client frame.
    virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int Value) { SetClientSize(Value, ClientHeight()); }
    void SetClientHeight(int Value) { SetClientSize(ClientWidth(), Value); }
    virtual void SetClientSize(int AWidth, int AHeight);
    // Screen position of the client area's (0, 0).
    virtual TPoint ClientOrigin() const;
    // True for a part of its parent's non-client frame (a window's own
    // scroll bar, TWinControl::InsertNonClientControl): placed in the
    // parent's window coordinates, not among its Controls.
    bool IsNonClient() const { return nonClient_; }
    TPoint ClientToScreen(TPoint P) const;
    TPoint ScreenToClient(TPoint P) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign Value);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors Value);

    // ---- state
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all parents up to a top-level window that is shown.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool Value);
    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle Value) { controlStyle_ = Value; }
    TControlState ControlState() const { return controlState_; }

    // ---- looks
    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool Value);
    TFont& Font() { return *font_; }
    const TFont& Font() const { return *font_; }
    void SetFont(const TFont& Value) { font_->Assign(Value); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool Value);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor Value);

    // ---- text and hints
    const String& Caption() const { return text_; }
    void SetCaption(const String& Value) { SetText(Value); }
    const String& Text() const { return text_; }
    void SetText(const String& Value);
    const String& Hint() const { return hint_; }
    void SetHint(const String& Value) { hint_ = Value; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool Value);

    // ---- mouse
    // True while this control has the mouse capture (Mouse.Capture()).
    bool MouseCapture() const;
    void SetMouseCapture(bool Value);

    // ---- drag and drop (rules in dragdrop.h)
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode Value) { dragMode_ = Value; }
    // The cursor while the pointer is over a target that accepts this control.
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor Value) { dragCursor_ = Value; }
    // Starts dragging this control (nothing when a drag runs already).
    // Immediate: the drag starts now; otherwise once the pointer has moved
    // Threshold pixels (-1: Mouse.DragThreshold) from where it is now.
    void BeginDrag(bool Immediate, int Threshold = -1);
    // Ends this control's drag: dropped on the target under the pointer when
    // Drop and the target accepts, cancelled otherwise.
    void EndDrag(bool Drop);
    // True while this control is being dragged (from BeginDrag on).
    bool Dragging() const;
    // Asked while something is dragged over the control (X, Y in client
    // coordinates). The base: not accepted unless OnDragOver is set, which
    // starts with Accept true.
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    // Something was dropped on the control (OnDragDrop).
    virtual void DragDrop(TObject* Source, int X, int Y);

    // ---- messages
    // Delivers the message synchronously through WndProc; returns Result.
    intptr_t Perform(unsigned Msg, intptr_t WParam = 0, intptr_t LParam = 0);
    void Perform(TMessage& Message) { WndProc(Message); }
    virtual void WndProc(TMessage& Message);
    virtual void Dispatch(TMessage& Message);
    // Watchers that see each message WndProc receives before the control
    // handles it (a tooltip following the pointer over the control it
    // serves). The answer identifies the watcher for its removal.
    using TMessageWatcher = std::function<void(TControl* Control, const TMessage& Message)>;
    int AddMessageWatcher(TMessageWatcher Watcher);
    void RemoveMessageWatcher(int Id);
    // Messages nobody handled; the base leaves Result 0.
    virtual void DefaultHandler(TMessage& Message);

    // ---- painting
    virtual void Invalidate();
    // Paints now whatever is invalid.
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    // Z-order among the parent's controls of the same kind.
    void BringToFront();
    void SendToBack();

    // OnClick; public so that owners can "click" a control.
    virtual void Click();

    void Loaded() override;

    // ---- events
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;

protected:
    friend class TWinControl;
    friend class TCustomForm;
    friend class TDragLoop;

    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    // OnMouseWheel, then (unhandled) one DoMouseWheelDown/Up per WHEEL_DELTA
    // collected; true when handled. MousePos is in screen coordinates.
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    // The size changed (OnResize).
    virtual void Resize();
    // Asks the parent to realign (this control's bounds, Align or Visible changed).
    void RequestAlign();
    void SetControlState(TControlState Value) { controlState_ = Value; }
    // Records the distances the anchors keep, from the current bounds and
    // the parent's client size.
    void UpdateAnchorRules();
    // Bounds changed by the parent's alignment, without recording anchors.
    void SetAlignedBounds(int ALeft, int ATop, int AWidth, int AHeight);
    // The area of the parent's window this control covers (its bounds).
    virtual void InvalidateControl(bool IsVisible, bool IsOpaque);

    // ---- message handlers
    virtual void WMLButtonDown(TMessage& Message);
    virtual void WMLButtonUp(TMessage& Message);
    virtual void WMLButtonDblClk(TMessage& Message);
    virtual void WMRButtonDown(TMessage& Message);
    virtual void WMRButtonUp(TMessage& Message);
    virtual void WMRButtonDblClk(TMessage& Message);
    virtual void WMMButtonDown(TMessage& Message);
    virtual void WMMButtonUp(TMessage& Message);
    virtual void WMMButtonDblClk(TMessage& Message);
    virtual void WMMouseMove(TMessage& Message);
    virtual void WMMouseWheel(TMessage& Message);
    // The control loses its mode (a press in progress, a drag of its own):
    // a modal window, a message box, a popup, a drag start or a deactivation
    // came. The base releases the capture.
    virtual void WMCancelMode(TMessage& Message);
    // The mouse capture left this control (LParam: the window taking it, or
    // 0). The base does nothing; the capture also ends at every release.
    virtual void WMCaptureChanged(TMessage& Message);
    virtual void WMTimer(TMessage& Message);
    virtual void WMPaint(TMessage& Message);
    // CM_DRAG (WParam: TDragMessage, LParam: TDragRec*): DragOver, DragDrop,
    // and the drop target at a point (dmFindTarget).
    virtual void CMDrag(TMessage& Message);
    // OnStartDrag; DragObject left nullptr makes the layer create one.
    virtual void DoStartDrag(TDragObject*& DragObject);
    // OnEndDrag (Target nullptr: not dropped; X, Y in the target's client
    // coordinates).
    virtual void DoEndDrag(TObject* Target, int X, int Y);
    virtual void CMMouseEnter(TMessage& Message);
    virtual void CMMouseLeave(TMessage& Message);
    virtual void CMMouseWheel(TMessage& Message);
    virtual void CMHitTest(TMessage& Message);
    virtual void CMEnabledChanged(TMessage& Message);
    virtual void CMVisibleChanged(TMessage& Message);
    virtual void CMColorChanged(TMessage& Message);
    virtual void CMFontChanged(TMessage& Message);
    virtual void CMTextChanged(TMessage& Message);
    virtual void CMCursorChanged(TMessage& Message);
    virtual void CMParentColorChanged(TMessage& Message);
    virtual void CMParentFontChanged(TMessage& Message);
    virtual void CMParentShowHintChanged(TMessage& Message);
    virtual void CMHintShow(TMessage& Message);

    void DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift);
    void DoMouseUp(TMessage& Message, TMouseButton Button);

private:
    void FontChanged();
    void ButtonDown(TMessage& Message, TMouseButton Button, bool Double);
    void ButtonUp(TMessage& Message, TMouseButton Button);

    TWinControl* parent_ = nullptr;
    bool nonClient_ = false;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    std::vector<std::pair<int, TMessageWatcher>> watchers_;
    int nextWatcherId_ = 1;
    // The bounds and the parent's client size the anchors keep distances to.
    TRect anchorBounds_;
    TSize anchorParentSize_;
    bool anchorsRecorded_ = false;
    // Set while the parent's alignment moves the control.
    bool boundsFromAlign_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState controlState_;
    TColor color_ = clWindow;
    bool parentColor_ = true;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool takingParentFont_ = false;
    TCursor cursor_ = crDefault;
    String text_;
    String hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    int wheelAccumulator_ = 0;
    TDragMode dragMode_ = dmManual;
    TCursor dragCursor_ = crDrag;
};

// ---- TWinControl ------------------------------------------------------------------------------
//
// Keys, as the platform's message loop delivers them (the Qt backend and the
// test kit both go through DeliverKeyMessage):
// 1. CN_KEYDOWN to the focused control: Tab, arrows, Return and Esc that the
//    control does not want (WM_GETDLGCODE lacks DLGC_WANTTAB / WANTARROWS /
//    WANTALLKEYS, CM_WANTSPECIALKEY answers 0) go to the form as
//    CM_DIALOGKEY; when the form uses the key (Tab moves the focus) the key
//    stroke ends there: no OnKeyDown, no character.
// 2. WM_KEYDOWN: the form's OnKeyDown first when its KeyPreview is on, then
//    the control's KeyDown / OnKeyDown. Either may set Key to 0 to keep the
//    key from the control's default handling.
// 3. WM_CHAR with the character the stroke types, to the control that had
//    the focus at key down (even if the focus moved meanwhile). A key
//    swallowed in OnKeyDown still types its character, as on the platform:
//    to stop the character, set Key to 0 in OnKeyPress. Before WM_CHAR,
//    CN_CHAR offers it to the form's mnemonics (CM_DIALOGCHAR) when the
//    control lacks DLGC_WANTCHARS.
// 4. WM_KEYUP to the control focused at release: KeyPreview, then OnKeyUp.
// With Alt held (and no Ctrl) the messages are WM_SYSKEYDOWN / WM_SYSCHAR /
// WM_SYSKEYUP; WM_SYSCHAR goes to the mnemonics only, not to OnKeyPress.
class TWinControl : public TControl {
public:
    // Owns a plain QWidget, painted through the messages.
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    // ---- children (graphic controls first, then windowed ones, each in
    // z-order from bottom to top, as the platform lists them)
    int ControlCount() const { return int(graphics_.size() + windows_.size()); }
    TControl* Controls(int Index) const;
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(const TControl* Control) const;
    // The topmost visible child at P (client coordinates) that answers
    // CM_HITTEST; disabled ones only when AllowDisabled, windowed ones only
    // when AllowWinControls.
    TControl* ControlAtPos(TPoint P, bool AllowDisabled, bool AllowWinControls = false) const;
    // Sends the message to every child until one sets Result.
    void Broadcast(TMessage& Message);
    // The control a child given to SetParent(this) really goes into: this
    // control, or a container inside it (a category panel's surface).
    virtual TWinControl* ParentForChild(TControl* Child)
    {
        (void)Child;
        return this;
    }
    // Sends Msg to every child.
    void NotifyControls(unsigned Msg);

    // ---- alignment
    void DisableAlign();
    void EnableAlign();
    bool AlignDisabled() const { return alignLevel_ > 0; }
    void Realign();

    // ---- tab order and focus
    // Position among the parent's windowed children in tab order (clamped).
    // Set while loading, the orders are put together when the parent has
    // loaded, so a table may name them in any order.
    int TabOrder() const;
    void SetTabOrder(int Value);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool Value);
    // Every windowed descendant, depth first, each parent before its children,
    // siblings in tab order.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
    void SelectFirst();
    // Visible and enabled up to its form (which must exist).
    virtual bool CanFocus() const;
    // True while this control has the keyboard focus.
    bool Focused() const;
    // Raises EInvalidOperation when the control cannot have the focus.
    virtual void SetFocus();

    // ---- the client area
    // The window (Width x Height, the widget) may keep a non-client frame (a
    // border, its own scroll bars) around the client area, as a scroll
    // area keeps its viewport. Client (0, 0) is the first pixel inside the
    // frame; ClientRect, ClientOrigin, the children's bounds, mouse messages
    // and painting are all in client coordinates. A subclass with a frame
    // overrides ClientAreaInWindow and calls ClientAreaChanged when it
    // changes; everything else follows.
    TRect ClientRect() const final;
    TPoint ClientOrigin() const final;
    // Where client (0, 0) lies in the window.
    TPoint ClientOffset() const { return ClientAreaInWindow().TopLeft(); }
    // Screen position of the window's (0, 0), the frame's top-left.
    TPoint WindowOrigin() const { return TControl::ClientOrigin(); }
    // The widget the children's widgets live in and whose mouse input is
    // client input: the window's widget, or (once the window has a frame) a
    // widget covering the client area.
    QWidget* ClientWidget() const { return clientWidget_ ? clientWidget_.data() : widget_.data(); }
    // Repaints a client rectangle.
    void InvalidateClientRect(const TRect& R);
    // Paints the window with Painter in window coordinates: WM_NCPAINT (the
    // frame), then WM_ERASEBKGND and WM_PAINT with the painter moved to the
    // client area and clipped to it. Qt paint events and offscreen
    // rendering both come here.
    void PaintHandler(QPainter* Painter);

    // ---- the non-client frame's own controls (a window's scroll bars)
    // AControl becomes a part of this window's frame: its bounds are in
    // window coordinates, its widget lies beside the client widget, it is
    // not among Controls (no alignment, no tab order, not scrolled) and it
    // is freed with this control. WindowAtPos finds it.
    void InsertNonClientControl(TWinControl* AControl);
    const std::vector<TWinControl*>& NonClientControls() const { return nonClientControls_; }

    // ---- the window
    // The QWidget; creates the window (CreateWnd) first if needed.
    QWidget* Handle();
    // The QWidget without creating the window.
    QWidget* Widget() const { return widget_; }
    // True once CreateWnd has run (and until DestroyHandle).
    bool HandleAllocated() const { return handleAllocated_; }
    void HandleNeeded();
    // WM_DESTROY, then the window counts as not allocated: timers stop.
    void DestroyHandle();
    // The TWinControl of a QWidget (of its adapter), nullptr when none.
    static TWinControl* FromWidget(const QWidget* Widget);

    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // A Qt event of the widget, before Qt's own handling: the backend turns
    // it into messages. Returns true when Qt must not handle it. A control
    // wrapping a stock Qt widget overrides this to let some events through.
    virtual bool WidgetEvent(QEvent* Event);

    void BeforeDestruction() override;
    void Loaded() override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

protected:
    friend class TCustomForm;
    friend class TControl;

    // Takes ownership of AWidget (a subclass's own QWidget class).
    TWinControl(TComponent* AOwner, QWidget* AWidget);

    // The client area in window coordinates; the base: the whole window.
    virtual TRect ClientAreaInWindow() const;
    // What ClientAreaInWindow answers changed (a border or a scroll bar came
    // or went): the client widget follows, the children are realigned and
    // the window is repainted.
    void ClientAreaChanged();
    // Only the client widget follows (for a subclass inside its own alignment).
    void UpdateClientWidget();

    // The window now exists: called once, when the control is first shown,
    // placed in a parent whose window exists, or asked for its Handle.
    // Overrides call the base first.
    virtual void CreateWnd();

    // Positions the aligned and anchored children inside Rect.
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    // The part of the client area the children are aligned in.
    virtual void AdjustClientRect(TRect& Rect);
    void AlignControl(TControl* AControl);

    virtual void KeyDown(Word& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void KeyUp(Word& Key, TShiftState Shift);
    virtual void DoEnter();
    virtual void DoExit();
    // KeyPreview, then KeyDown; true when the key was swallowed (Key 0).
    bool DoKeyDown(TMessage& Message);
    bool DoKeyPress(TMessage& Message);
    bool DoKeyUp(TMessage& Message);

    // Paints the window itself (the base: nothing; TCustomControl: Paint).
    virtual void PaintWindow(QPainter* Painter);
    // Paints the visible graphic children, bottom to top.
    void PaintControls(QPainter* Painter);
    // Whether the mouse message belongs to a graphic child; if so it is
    // passed on to it in its own coordinates.
    bool IsControlMouseMsg(TMessage& Message);

    // ---- message handlers
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void WMPaint(TMessage& Message) override;
    virtual void WMEraseBkgnd(TMessage& Message);
    virtual void WMSize(TMessage& Message);
    virtual void WMSetFocus(TMessage& Message);
    virtual void WMKillFocus(TMessage& Message);
    virtual void WMKeyDown(TMessage& Message);
    virtual void WMKeyUp(TMessage& Message);
    virtual void WMChar(TMessage& Message);
    virtual void WMSysKeyDown(TMessage& Message);
    virtual void WMSysKeyUp(TMessage& Message);
    virtual void WMSysChar(TMessage& Message);
    virtual void WMGetDlgCode(TMessage& Message);
    virtual void WMSetCursor(TMessage& Message);
    virtual void WMSetRedraw(TMessage& Message);
    virtual void WMDestroy(TMessage& Message);
    virtual void WMCommand(TMessage& Message);
    virtual void WMNotify(TMessage& Message);
    virtual void WMHScroll(TMessage& Message);
    virtual void WMVScroll(TMessage& Message);
    virtual void WMNCPaint(TMessage& Message);
    virtual void CNKeyDown(TMessage& Message);
    virtual void CNKeyUp(TMessage& Message);
    virtual void CNChar(TMessage& Message);
    virtual void CNSysKeyDown(TMessage& Message);
    virtual void CNSysChar(TMessage& Message);
    virtual void CMEnter(TMessage& Message);
    virtual void CMExit(TMessage& Message);
    virtual void CMDialogKey(TMessage& Message);
    virtual void CMDialogChar(TMessage& Message);
    virtual void CMWantSpecialKey(TMessage& Message);
    // The form's focused control changed (LParam: the control): passed on
    // to every child, so that buttons can show which one Enter would click.
    virtual void CMFocusChanged(TMessage& Message);
    void CMEnabledChanged(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMCursorChanged(TMessage& Message) override;
    // dmFindTarget: the enabled graphic child at the point, else the window.
    void CMDrag(TMessage& Message) override;

private:
    void Init(QWidget* AWidget);
    void CreateHandle();
    // Shows or hides the widget as the model says.
    void UpdateWidgetVisibility();
    // Applies the model's bounds to the widget (and the client area to the
    // client widget).
    void UpdateWidgetGeometry();
    // The widget was moved or resized by Qt (a top-level window by the user).
    void WidgetGeometryChanged(const QRect& Geometry);
    void DoAlign(TControl* AControl, TAlign AAlign, TRect& Rect);
    void AnchorChildren();
    void RemoveFocus(bool Removing);
    void UpdateTabOrder(int Value);
    void FixupTabList();

    friend class TWidgetAdapter;
    friend bool TranslateQtEvent(TWinControl* Control, QEvent* Event);

    QPointer<QWidget> widget_;
    TWidgetAdapter* adapter_ = nullptr;
    QPointer<QWidget> clientWidget_;
    std::vector<TWinControl*> nonClientControls_;
    bool handleAllocated_ = false;
    std::vector<TControl*> graphics_;
    std::vector<TWinControl*> windows_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    int wantedTabOrder_ = -1;
    int alignLevel_ = 0;
};

// ---- TCustomControl: a window painted by Paint -----------------------------------------------

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    // Valid during Paint (drawing elsewhere draws nothing).
    TCanvas& Canvas() { return *canvas_; }

protected:
    TCustomControl(TComponent* AOwner, QWidget* AWidget);
    // Draws the control in client coordinates. The canvas starts each paint
    // with the control's Font, a solid brush of its Color and a black pen.
    virtual void Paint();
    void PaintWindow(QPainter* Painter) override;

private:
    std::unique_ptr<TCanvas> canvas_;
};

// ---- TGraphicControl: painted into its parent's window ---------------------------------------

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    // Valid during Paint.
    TCanvas& Canvas() { return *canvas_; }

protected:
    // Draws the control in its own client coordinates; the parent's window
    // has been painted below it.
    virtual void Paint();
    void WMPaint(TMessage& Message) override;

private:
    std::unique_ptr<TCanvas> canvas_;
};

// ---- TCustomForm: a top-level window and the root of the focus -------------------------------

// The answer a modal form (or a message box) ends with.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;
constexpr TModalResult mrClose = 11;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    // The control that has the focus while the form is active (nullptr: the
    // form itself). Setting it focuses the control when the form is active.
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* Control);
    // The form sees every key of its controls first (OnKeyDown, OnKeyPress,
    // OnKeyUp of the form).
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool Value) { keyPreview_ = Value; }
    // True while the form is the active window (Screen.ActiveForm).
    bool Active() const { return active_; }

    // Shows the form and makes it the active window.
    void SetVisible(bool Value) override;
    // Makes the form active (when it is visible and enabled; raises otherwise).
    void SetFocus() override;
    // Sets the active control and activates the form when needed.
    void FocusControl(TWinControl* Control);
    // The focus has moved to Control: sends CM_EXIT from the old focused
    // control up to the common parent and CM_ENTER down to Control. False
    // when a handler moved the focus elsewhere meanwhile.
    bool SetFocusedControl(TWinControl* Control);
    // Control (or, when Removing, its parent) gives up the focus.
    void DefocusControl(TWinControl* Control, bool Removing);
    // Hides the form; closing the main form ends the application.
    virtual void Close();
    // While the form is shown modally, setting a result other than mrNone
    // ends the modal show with it (a button's ModalResult sets it on click).
    TModalResult ModalResult() const { return modalResult_; }
    virtual void SetModalResult(TModalResult Value) { modalResult_ = Value; }

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

protected:
    // Hooks around showing and hiding (the forms layer fires OnShow/OnHide).
    virtual void DoShow() {}
    virtual void DoHide() {}
    virtual void Activate();
    virtual void Deactivate();

    void Dispatch(TMessage& Message) override;
    void CMDialogKey(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    virtual void WMClose(TMessage& Message);
    virtual void CMActivate(TMessage& Message);
    virtual void CMDeactivate(TMessage& Message);

private:
    friend void ActivateForm(TCustomForm* Form);
    friend void DeactivateForm(TCustomForm* Form);

    // Gives the keyboard focus to the active control (or the form itself).
    void SetWindowFocus();

    TWeakRef<TWinControl> activeControl_;
    // Innermost control the CM_ENTER chain has reached.
    TWeakRef<TWinControl> focusedControl_;
    bool keyPreview_ = false;
    bool active_ = false;
    int focusCount_ = 0;
    TModalResult modalResult_ = mrNone;
};

// The form a control sits on (its top-level ancestor when that is a form).
TCustomForm* GetParentForm(const TControl* Control);
// The same, raising EInvalidOperation when there is none.
TCustomForm* ValidParentForm(const TControl* Control);

// ---- the focus ---------------------------------------------------------------------------------

// The control with the keyboard focus (nullptr when none).
TWinControl* GetFocusedControl();
// The active form (nullptr when none).
TCustomForm* GetActiveForm();
// Every form alive, the most recently active first.
std::vector<TCustomForm*> AllForms();
// Makes Form the active window: its active control (or the first control
// in tab order) receives the focus.
void ActivateForm(TCustomForm* Form);
// Form stops being the active window; the most recently active visible
// form (if any) becomes active.
void DeactivateForm(TCustomForm* Form);

// ---- the mouse capture ----------------------------------------------------------------------------

// The control that receives every mouse message, wherever the pointer is
// (nullptr when none). A graphic control's messages reach it through its
// parent's window.
TControl* GetCaptureControl();
// Sets (nullptr: releases) the capture; the control losing it gets
// WM_CAPTURECHANGED.
void SetCaptureControl(TControl* Control);
// Ends whatever mode the mouse is in: a drag in progress is cancelled, the
// capturing control gets WM_CANCELMODE, then the capture is released. Modal
// shows, message boxes, file dialogs, popups, drag starts and the
// deactivation of a window or of the application call it.
void CancelMode();

// ---- delivering input the way the message loop does ---------------------------------------------

// Key messages (WM_KEYDOWN ... WM_SYSCHAR): first the CN_ notification (dialog
// keys, mnemonics), then the message itself unless the notification used it.
// Returns true when the notification used the key.
bool DeliverKeyMessage(TWinControl* Target, TMessage& Message);
