#pragma once
// The program-wide objects of the GUI layer: Application (forms, the message
// loop, hint settings), Screen (size, cursor, forms, focus) and Mouse
// (pointer position, capture); and the posted-message queue.
#include <QCursor>

#include <functional>
#include <vector>

#include "platform/gui/controls.h"
#include "platform/gui/input_state.h"
#include "platform/gui/timers.h"

class QEventLoop;

// ---- posted messages ------------------------------------------------------------------------------

// Sends the message now (Control->Perform); 0 for a null control.
intptr_t SendMessage(TControl* Control, unsigned Msg, intptr_t WParam = 0, intptr_t LParam = 0);
// Queues the message for Control; the event loop delivers the queue in
// order (ProcessMessages and the test kit's pump do too). A message whose
// control is destroyed before delivery is dropped. Key messages are
// delivered like key strokes (CN_ notification first), so a posted
// WM_KEYDOWN with VK_TAB moves the focus as the key would. False for a null
// control.
bool PostMessage(TControl* Control, unsigned Msg, intptr_t WParam = 0, intptr_t LParam = 0);
// Delivers the queued messages in order, including those posted meanwhile;
// returns how many were delivered.
int ProcessPostedMessages();
// Messages waiting in the queue (those of destroyed controls included).
int PostedMessageCount();

// ---- Application ----------------------------------------------------------------------------------

class TApplication : public TComponent {
public:
    TApplication();

    // Sets the program up (Qt settings the layer relies on).
    void Initialize();
    // Creates a form owned by the application; the first one created is the
    // main form.
    template <typename T>
    void CreateForm(T*& Reference)
    {
        Reference = new T(this);
        FormCreated(Reference);
    }
    TCustomForm* MainForm() const { return mainForm_.Get(); }

    // Shows the main form and runs the event loop until Terminate (closing
    // the main form terminates).
    void Run();
    // Delivers what is waiting: posted messages, Qt events, due timers.
    void ProcessMessages();
    // Waits for something to happen and delivers it (one turn of the loop).
    void HandleMessage();
    // A nested (modal) loop: delivers messages, events and timers until
    // Done() is true or the application terminates.
    void WaitUntil(const std::function<bool()>& Done);
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Frees the forms and other components the application owns (done when
    // the QApplication goes away, so no widget outlives it).
    void DestroyComponents();

    const String& Title() const { return title_; }
    void SetTitle(const String& Value) { title_ = Value; }

    // ---- hints
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool Value) { showHint_ = Value; }
    // Milliseconds of rest before a hint shows (500), before it hides again
    // (2500), and between hints of neighbouring controls (50).
    int HintPause() const { return hintPause_; }
    void SetHintPause(int Value) { hintPause_ = Value; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int Value) { hintHidePause_ = Value; }
    int HintShortPause() const { return hintShortPause_; }
    void SetHintShortPause(int Value) { hintShortPause_ = Value; }
    TColor HintColor() const { return hintColor_; }
    void SetHintColor(TColor Value) { hintColor_ = Value; }

    // ---- the hint of the control under the pointer (code in hintwindow.cpp)
    // Every WM_MOUSEMOVE a control receives comes here. The hint control is
    // the first control from there up whose ShowHint is on; when it changes,
    // or the pointer leaves the hint's cursor rectangle, the hint shown is
    // hidden and the hint is asked for again after HintPause ms of rest
    // (HintShortPause when a hint was showing). No hint control: CancelHint.
    void HintMouseMessage(TControl* Control, const TMessage& Message);
    // Asks the hint control for its hint now (CM_HINTSHOW) and shows it at
    // the pointer, CursorPos in screen coordinates; the hint hides after its
    // HideTimeout, or is asked for again after its ReshowTimeout.
    void ActivateHint(TPoint CursorPos);
    // Hides the hint window; the hint control stays, so the hint shows again
    // only once the pointer leaves the cursor rectangle or the control.
    void HideHint();
    // Hides the hint, forgets the hint control and stops the hint timer: a
    // hint shows again only after the pointer moves and rests (called on a
    // mouse button or key, when the pointer leaves the program's windows and
    // when another form becomes active).
    void CancelHint();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void FormCreated(TCustomForm* Form);

    TWeakRef<TCustomForm> mainForm_;
    bool terminated_ = false;
    bool cleanupRegistered_ = false;
    QEventLoop* loop_ = nullptr;
    String title_;
    bool showHint_ = true;
    int hintPause_ = 500;
    int hintHidePause_ = 2500;
    int hintShortPause_ = 50;
    TColor hintColor_ = clInfoBk;
    friend void ActivateApplicationHint(const THintInfo& Info);
    // The hint's state: its control, the cursor rectangle (the control's
    // client coordinates), whether a hint is showing, and one timer that
    // either shows the hint or hides it.
    enum class THintTimerMode { Show, Hide };
    void StartHintTimer(int Ms, THintTimerMode Mode);
    void StopHintTimer();
    void HintTimerExpired();
    TWeakRef<TControl> hintControl_;
    TRect hintCursorRect_;
    bool hintActive_ = false;
    TTimerService::THandle hintTimer_ = 0;
    THintTimerMode hintTimerMode_ = THintTimerMode::Show;
};

extern TApplication& Application;

// ---- monitors ---------------------------------------------------------------------------------------

// What MonitorFromPoint answers for a point on no monitor.
enum class TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };
using TMonitorDefaultTo::mdNearest, TMonitorDefaultTo::mdNull, TMonitorDefaultTo::mdPrimary;

// One display, in desktop coordinates (a display left of the primary one
// has negative x). Screen keeps the objects: a pointer stays valid for the
// program's life, its values follow the displays as they change.
class TMonitor {
public:
    int MonitorNum() const { return num_; }
    bool Primary() const { return primary_; }
    TRect BoundsRect() const { return bounds_; }
    // The part not covered by task bars and docks.
    TRect WorkareaRect() const { return workarea_; }
    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }

private:
    friend class TScreen;
    int num_ = 0;
    bool primary_ = false;
    TRect bounds_;
    TRect workarea_;
};

// One display of a layout set by SetMonitorLayout.
struct TMonitorSpec {
    TRect Bounds;
    TRect Workarea;
    bool Primary = false;
};

// Replaces the displays Qt reports with Layout (tests: several displays,
// one at negative x); an empty layout goes back to Qt's displays. Without
// a display marked Primary the first one is.
void SetMonitorLayout(std::vector<TMonitorSpec> Layout);

// ---- Screen -----------------------------------------------------------------------------------------

class TScreen {
public:
    // ---- displays (Qt's screens, or the layout set by SetMonitorLayout)
    int MonitorCount() const;
    // nullptr for an index out of range.
    TMonitor* Monitors(int Index) const;
    TMonitor* PrimaryMonitor() const;
    // The display holding P; for a point on none: the nearest one
    // (mdNearest, the first of equally near ones), nullptr (mdNull) or the
    // primary one (mdPrimary).
    TMonitor* MonitorFromPoint(TPoint P, TMonitorDefaultTo Default = mdNearest) const;

    // The primary screen, in pixels.
    int Width() const;
    int Height() const;
    // The part of the primary display not covered by task bars.
    TRect WorkAreaRect() const;
    int WorkAreaWidth() const { return WorkAreaRect().Width(); }
    int WorkAreaHeight() const { return WorkAreaRect().Height(); }
    int PixelsPerInch() const { return 96; }

    // The cursor shown everywhere while it is not crDefault (an override
    // cursor); reading gives what was set.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor Value);
    // The program's own cursors by number (> 0); stock numbers give Qt's.
    QCursor Cursors(TCursor Index) const;
    void SetCursors(TCursor Index, const QCursor& Shape);

    TCustomForm* ActiveForm() const { return GetActiveForm(); }
    TWinControl* ActiveControl() const { return GetFocusedControl(); }
    // Every form, the most recently active first.
    int FormCount() const { return int(AllForms().size()); }
    TCustomForm* Forms(int Index) const;

private:
    // Brings the monitor objects up to date; returns how many there are.
    static int RefreshMonitors();

    TCursor cursor_ = crDefault;
};

extern TScreen& Screen;

// ---- Mouse ------------------------------------------------------------------------------------------

class TMouse {
public:
    // The pointer in screen coordinates (from the input state).
    TPoint CursorPos() const { return GetCursorPos(); }
    // Moves the pointer (and records it in the input state).
    void SetCursorPos(TPoint Value);
    TControl* Capture() const { return GetCaptureControl(); }
    void SetCapture(TControl* Value) { SetCaptureControl(Value); }
    bool WheelPresent() const { return true; }
    int WheelScrollLines() const { return int(GetWheelScrollLines()); }
    int DragThreshold() const { return GetDragThreshold(); }
};

extern TMouse& Mouse;
