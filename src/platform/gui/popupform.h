#pragma once
// The popup form, the one popup window of the layer: drop-down lists, combo
// lists and the grid's popup forms are all TPopupForm descendants.
//
// A popup is a frameless window above every other, off the task bar and
// transient for its owner's form (OwnerForm). ShowAt puts it at a rectangle
// and shows it in one step, never smaller than its minimum size. Showing it
// releases the mouse capture and makes it the active form, so keys go to
// its focused control (or to the popup itself) while it is open; hiding it
// (or freeing it while open) gives the activation back to the form that had
// it.
//
// The window is a Qt popup: it grabs mouse and keyboard, so it behaves the
// same with and without a window manager. While a popup is open:
// - a press outside it (on one of our windows, another program's or the
//   desktop) does not reach the window under the pointer directly: the
//   popup's PopupDeactivate(NewWindow) runs first with that window (nullptr
//   when it is not ours), and the press then goes on to it only when the
//   popup's PassClosingPress says so (asked after PopupDeactivate, which may
//   change it for the press at hand). Another program never gets the press.
// - another form becoming active (a form shown, the user activating one
//   of our windows, the program calling SetFocus) runs
//   PopupDeactivate(that form), unless that form is a popup shown from
//   this one. Qt closes its popups when another window shows: the popup
//   stays until PopupDeactivate decides (the activation of that form follows
//   at once); a Qt close request nothing explains by the time the posted
//   messages run reaches PopupDeactivate(nullptr).
// - mouse moves, releases and the wheel go to the popup, wherever the
//   pointer is (as to a control holding the capture), unless a control
//   holds the capture.
// PopupDeactivate is the only place a popup decides to close; the default
// closes it (Close: OnCloseQuery, OnClose, hidden). Popups shown from a popup
// stack: a press outside all of them reaches the top one first, then the
// next as long as each closes and passes the press on.
//
// The Qt backend and the test kit's input driver go through the same
// routing (input_route.h), so a test's press outside a popup takes exactly
// the way a user's does.
#include <vector>

#include "platform/gui/forms.h"

class TPopupForm : public TForm {
public:
    explicit TPopupForm(TComponent* AOwner);
    ~TPopupForm() override;

    // Sets the bounds to Rect (screen coordinates; at least the minimum
    // size) and shows the popup there: the window appears at its place.
    void ShowAt(const TRect& Rect);

    // The smallest size the popup takes, whoever sizes it (0: no limit).
    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }
    void SetMinSize(int Width, int Height);

    // Whether a press outside the popup goes on to the window under the
    // pointer after PopupDeactivate (default true).
    bool PassClosingPress() const { return passClosingPress_; }
    void SetPassClosingPress(bool Value) { passClosingPress_ = Value; }

    // The popup is losing: a press outside it landed on NewWindow (nullptr:
    // not one of ours), or NewWindow (a form; nullptr: none of ours) became
    // active. The control applies its own closing rule here; the default
    // closes the popup.
    virtual void PopupDeactivate(TWinControl* NewWindow);

    // The routing's entry for a press outside the popup on Window: runs
    // PopupDeactivate(Window) and answers whether the press goes on.
    bool PressOutside(TWinControl* Window);

    // The form the popup belongs to: its owner's form (the owner itself when
    // that is a form), else the main form.
    TCustomForm* OwnerForm() const;

    // Whether the popup asks for a drop shadow. Stored only: whether one is
    // drawn is the compositor's.
    bool DropShadow() const { return dropShadow_; }
    void SetDropShadow(bool Value) { dropShadow_ = Value; }

    // Starts resizing the popup from its bottom-right corner, the left button
    // being held at the screen point Start (a size grip's press): the window
    // system's own resize where it does one (QWindow::startSystemResize),
    // else a drag of our own under the mouse capture, where each move sets
    // the size to the size at the start plus the pointer's way (never below
    // the minimum size) until the button is released or the mode cancelled.
    // OnResizing fires after each size change of the drag. Returns false
    // when the popup is not shown.
    bool StartCornerResize(TPoint Start);
    // True while a drag of our own resizes the popup.
    bool CornerResizing() const { return resizing_; }
    TNotifyEvent OnResizing;

    void SetVisible(bool Value) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    bool WidgetEvent(QEvent* Event) override;
    // An open popup being freed hides first: the activation goes back.
    void BeforeDestruction() override;

protected:
    void WMMouseMove(TMessage& Message) override;
    void WMLButtonUp(TMessage& Message) override;
    void WMCancelMode(TMessage& Message) override;
    void WMCaptureChanged(TMessage& Message) override;
    void ApplyWindowFlags() override;
    void ApplySizeConstraints() override;
    TCustomForm* TransientOwner() const override;
    void CMDeactivate(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;

private:
    // Counts the loss and runs PopupDeactivate.
    void LoseTo(TWinControl* NewWindow);

    int minWidth_ = 0;
    int minHeight_ = 0;
    bool dropShadow_ = false;
    // The drag of our own: where the pointer and the size started.
    bool resizing_ = false;
    TPoint resizeStart_;
    TSize resizeStartSize_;
    bool passClosingPress_ = true;
    // PopupDeactivate calls so far (a Qt close request posted before one
    // more happened is still unexplained).
    unsigned losses_ = 0;
};

// The open popups, the one shown first first.
std::vector<TPopupForm*> OpenPopups();
// The popup shown last that is still open (nullptr: none).
TPopupForm* ActivePopup();
// The topmost of our windows at the screen point P (the deepest enabled
// window there), nullptr when none of ours is there; Except is skipped.
TWinControl* WindowAtScreenPos(TPoint P, const TCustomForm* Except = nullptr);
