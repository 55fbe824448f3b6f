#pragma once
// Forms and scrolling containers: TForm (border, position, the form events,
// Close and ShowModal with its nested loop), TScrollingWinControl with its
// two scroll bars, and TScrollBox.
//
// A modal show (ShowModal) runs a nested loop (Application.WaitUntil), so
// posted messages, Qt events and timers keep being delivered while it waits.
// It ends when the form's ModalResult becomes other than mrNone (a button
// with a ModalResult sets it on click; Close sets mrCancel): the form is then
// asked (OnCloseQuery, OnClose) and hidden, and ShowModal returns the result.
// The same instance can be shown modally again.
//
// Tests install a modal handler (the test kit's ModalFormDriver) that acts
// on the form instead of the nested loop, so a modal show never blocks.
#include <functional>

#include "platform/gui/controls.h"

class TScrollBar;

// ---- enumerations -----------------------------------------------------------------------------

// Border of a form; controls with a border (edit, panel, list box, scroll
// box) use bsNone and bsSingle.
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
using TFormBorderStyle::bsNone, TFormBorderStyle::bsSingle, TFormBorderStyle::bsSizeable, TFormBorderStyle::bsDialog,
    TFormBorderStyle::bsToolWindow, TFormBorderStyle::bsSizeToolWin;

enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = Set<TBorderIcon>;
using TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize, TBorderIcon::biHelp;

enum class TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter,
    poOwnerFormCenter
};
using TPosition::poDesigned, TPosition::poDefault, TPosition::poDefaultPosOnly, TPosition::poDefaultSizeOnly,
    TPosition::poScreenCenter, TPosition::poDesktopCenter, TPosition::poMainFormCenter, TPosition::poOwnerFormCenter;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseAction::caNone, TCloseAction::caHide, TCloseAction::caFree, TCloseAction::caMinimize;

enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
using TWindowState::wsNormal, TWindowState::wsMinimized, TWindowState::wsMaximized;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// ---- TForm ------------------------------------------------------------------------------------

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    // bsSingle and bsDialog: fixed size; bsSizeable: the user may resize;
    // bsNone: no frame. Default bsSizeable.
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle Value);
    // Default: system menu, minimise and maximise.
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons Value);
    // Where the form goes each time it is shown: poScreenCenter and
    // poDesktopCenter centre it on the screen's work area, poMainFormCenter
    // and poOwnerFormCenter over that form when it is visible (else on the
    // screen); the others keep Left and Top.
    TPosition Position() const { return position_; }
    void SetPosition(TPosition Value);
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState Value);

    void SetVisible(bool Value) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Shows the form modally and returns its ModalResult (see the file
    // comment). Raises EInvalidOperation when the form is visible already.
    TModalResult ShowModal();
    // True during ShowModal.
    bool Modal() const { return modal_; }
    // Modal: sets ModalResult to mrCancel (the modal show then closes).
    // Otherwise: OnCloseQuery (false keeps the form open), then OnClose with
    // the action caHide, which the handler may change: caNone keeps the form
    // open, caFree releases it, caMinimize minimises it. Closing the main
    // form ends the application.
    void Close() override;
    // OnCloseQuery's answer (true when none is set).
    virtual bool CloseQuery();
    // Frees the form once the events being handled are done (posted).
    void Release();

    // Fires OnCreate, once; Loaded does it for a form built between
    // BeginLoading and Loaded.
    void DoCreate();
    void Loaded() override;
    void BeforeDestruction() override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void DoShow() override;
    void DoHide() override;
    virtual void DoClose(TCloseAction& Action);
    void Dispatch(TMessage& Message) override;
    // The Qt window flags of BorderStyle and BorderIcons, and the size
    // limits Qt enforces; a form kind with windows of its own (the popup
    // form) overrides both.
    virtual void ApplyWindowFlags();
    virtual void ApplySizeConstraints();
    // Gives the window the flags F (a change hides a Qt window), keeping its
    // place and size and showing it again when it was shown.
    void SetWindowFlagsKeepingPlace(Qt::WindowFlags F);
    // The form this one's window stays above (transient for): the main
    // form, unless this is it.
    virtual TCustomForm* TransientOwner() const;

private:
    void ApplyPosition();
    // The end of a modal show: OnCloseQuery and OnClose; caNone puts
    // ModalResult back to mrNone.
    void CloseModal();

    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TPosition position_ = poDesigned;
    TWindowState windowState_ = wsNormal;
    bool modal_ = false;
    bool created_ = false;
    bool destroyFired_ = false;
    bool freeAfterModal_ = false;
};

// ---- the modal handler (tests) ----------------------------------------------------------------

// Runs a modal show instead of the nested loop. ShowModal shows the form,
// calls RunModal, then closes the show with the form's ModalResult (OnCloseQuery
// and OnClose run as usual); a result still mrNone after that counts as
// mrCancel.
class TModalHandler {
public:
    virtual ~TModalHandler() = default;
    virtual void RunModal(TForm& Form) = 0;
};

// The handler in use (nullptr: the real nested loop).
TModalHandler* ModalHandler();
// Installs Handler (nullptr: back to the nested loop); returns the previous one.
TModalHandler* SetModalHandler(TModalHandler* Handler);

// ---- scrolling ----------------------------------------------------------------------------------

class TScrollingWinControl;

enum class TScrollBarKind { sbHorizontal, sbVertical };
using TScrollBarKind::sbHorizontal, TScrollBarKind::sbVertical;

// One scroll bar of a scrolling control. Position is how far the contents
// are scrolled (0..Range - the client extent); Range is the extent of the
// contents (measured from the children while the control's AutoScroll is
// on). The bar shows while Visible and the contents do not fit; on screen it
// is a TScrollBar in the control's frame, whose messages come to the control
// as WM_HSCROLL / WM_VSCROLL with LParam 0.
class TControlScrollBar {
public:
    TControlScrollBar(TScrollingWinControl& Control, TScrollBarKind Kind);

    TScrollBarKind Kind() const { return kind_; }
    int Position() const { return position_; }
    void SetPosition(int Value);
    int Range() const { return range_; }
    void SetRange(int Value);
    // Pixels per line (SB_LINEUP/SB_LINEDOWN); default 8.
    int Increment() const { return increment_; }
    void SetIncrement(int Value) { increment_ = std::max(1, Value); }
    // The contents follow the thumb while it is dragged (default true).
    bool Tracking() const { return tracking_; }
    void SetTracking(bool Value);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    // Shown now (Visible and the contents do not fit).
    bool IsScrollBarVisible() const { return shown_; }
    // Width of a vertical bar, height of a horizontal one.
    int Size() const;
    // The largest Position.
    int MaxPosition() const;
    // What a WM_HSCROLL/WM_VSCROLL code does (LOWORD of WParam; HIWORD the
    // thumb position for SB_THUMBTRACK/SB_THUMBPOSITION).
    void ScrollMessage(int Code, int ThumbPos);

private:
    friend class TScrollingWinControl;
    void UpdateBar();

    TScrollingWinControl& control_;
    TScrollBarKind kind_;
    int position_ = 0;
    int range_ = 0;
    int increment_ = 8;
    bool tracking_ = true;
    bool visible_ = true;
    bool shown_ = false;
    TScrollBar* bar_ = nullptr;
};

// A container whose contents can be larger than its client area.
// Scrolling moves the children (ScrollBy); aligned children are laid out in
// the scrolled area. The border and the bars are the control's non-client
// frame: client (0, 0) is the first pixel inside the border. The wheel scrolls GetWheelScrollLines lines of the
// vertical bar per notch when the contents do not fit (else the parent gets
// it).
class TScrollingWinControl : public TCustomControl {
public:
    explicit TScrollingWinControl(TComponent* AOwner);
    ~TScrollingWinControl() override;

    TControlScrollBar& HorzScrollBar() { return horz_; }
    TControlScrollBar& VertScrollBar() { return vert_; }
    // Ranges follow the children (default true).
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool Value);
    // Moves every child by (DeltaX, DeltaY).
    void ScrollBy(int DeltaX, int DeltaY);
    // Scrolls so that Control is visible.
    void ScrollInView(TControl* Control);

protected:
    // Width of the border around the client area (0 here).
    virtual int BorderWidth() const { return 0; }
    // Inside the border, without the scroll bars.
    TRect ClientAreaInWindow() const override;
    // The corner between the two bars.
    void WMNCPaint(TMessage& Message) override;
    void AdjustClientRect(TRect& Rect) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void WMHScroll(TMessage& Message) override;
    void WMVScroll(TMessage& Message) override;
    void WMSize(TMessage& Message) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    // Recomputes the ranges (AutoScroll) and shows or hides the bars.
    void UpdateScrollBars();

private:
    friend class TControlScrollBar;
    void ScrollTo(TScrollBarKind Kind, int NewPosition);
    bool WheelLines(bool Down);
    void LayoutBars();

    TControlScrollBar horz_;
    TControlScrollBar vert_;
    bool autoScroll_ = true;
    bool updatingBars_ = false;
};

// A plain scrolling container; BorderStyle bsSingle draws a sunken frame
// around the client area.
class TScrollBox : public TScrollingWinControl {
public:
    explicit TScrollBox(TComponent* AOwner);

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);

protected:
    int BorderWidth() const override { return borderStyle_ == bsSingle ? 2 : 0; }
    void WMNCPaint(TMessage& Message) override;

private:
    TBorderStyle borderStyle_ = bsSingle;
};
