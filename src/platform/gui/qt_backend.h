#pragma once
// The link between a TWinControl and its QWidget.
//
// Every TWinControl owns one QWidget (a TQtWidget unless a subclass brings
// its own) with a TWidgetAdapter installed as its event filter. The adapter
// hands each Qt event to the control's WidgetEvent, whose default,
// TranslateQtEvent, turns it into the layer's messages:
//
//   QMouseEvent press/release/double-click -> WM_xBUTTONDOWN/UP/DBLCLK
//   QMouseEvent move                       -> CM_MOUSELEAVE/ENTER, WM_SETCURSOR, WM_MOUSEMOVE
//   QWheelEvent                            -> WM_MOUSEWHEEL (WM_MOUSEHWHEEL)
//   QEvent::Enter / Leave                  -> CM_MOUSEENTER / CM_MOUSELEAVE
//   QKeyEvent press                        -> [CN_KEYDOWN] WM_KEYDOWN, [CN_CHAR] WM_CHAR ...
//   QKeyEvent release                      -> [CN_KEYUP] WM_KEYUP
//   QPaintEvent                            -> WM_NCPAINT, WM_ERASEBKGND, WM_PAINT (PaintHandler)
//   QResizeEvent / QMoveEvent by Qt        -> the control's bounds, WM_SIZE
//   QCloseEvent of a form                  -> WM_CLOSE
//   QEvent::ToolTip                        -> CM_HINTSHOW, then the hint window (hintwindow.h)
//   focus in by a click or Tab in Qt       -> the layer's SetFocus
//   window activation                      -> the form becomes active
//   window or application deactivation     -> CancelMode (a press or drag of that window ends)
//   QDragEnter/Move/LeaveEvent, QDropEvent -> CM_DRAG (dragdrop.h)
//
// Positions are window coordinates of the control's widget (its frame) and
// become client coordinates on the way (minus ClientOffset). A control with
// a non-client frame has a second widget covering its client area (the
// client widget, where the children's widgets live); its adapter hands the
// client widget's mouse, wheel and hint events on as if they had reached the
// frame's widget, so WidgetEvent sees one window.
//
// Mouse input of a disabled widget is left to Qt, which passes it to the
// parent widget. Keys go to the layer's focused control of the window's form
// (KeyboardTarget), not to whichever widget Qt thinks has the focus.
#include <QCursor>
#include <QObject>
#include <QWidget>

#include "platform/gui/controls.h"

class QEvent;

// The plain widget of a TWinControl: Qt's own focus chain is switched off,
// the layer does Tab itself.
class TQtWidget : public QWidget {
public:
    explicit TQtWidget(QWidget* Parent = nullptr);

protected:
    bool focusNextPrevChild(bool) override { return false; }
};

class TWidgetAdapter : public QObject {
public:
    enum TRole { Window, ClientArea };
    TWidgetAdapter(TWinControl* Control, QWidget* Widget, TRole Role = Window);
    ~TWidgetAdapter() override;

    TWinControl* Control() const { return control_; }
    // The control is being destroyed: no more events reach it.
    void Detach();
    // Sends Event to the widget without the adapter seeing it: a control
    // wrapping a stock Qt widget hands events to Qt's handling this way.
    bool SendUnfiltered(QEvent* Event);

    // The control whose widget (or client widget) this is.
    static TWinControl* ControlOf(const QWidget* Widget);
    static TWidgetAdapter* AdapterOf(const QWidget* Widget);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool ClientAreaEvent(QEvent* Event);

    TWinControl* control_;
    QWidget* widget_;
    TRole role_;
    bool bypass_ = false;
};

// The default translation of a Qt event of Control's widget into messages;
// true when Qt must not handle the event further.
bool TranslateQtEvent(TWinControl* Control, QEvent* Event);
// A press closed Qt's popup and went on to a window of ours; Qt will not
// deliver its release, so the routing delivers it at the next mouse move
// without Button held, or before the next press.
void ExpectLostRelease(Qt::MouseButton Button);

// Qt key code -> virtual key (0 when there is none). Shifted symbols map to
// the key that types them on a US layout (Key_Exclam -> '1'); with
// Qt::KeypadModifier the digits, operators and '.'/',' map to the keypad keys
// (VK_NUMPAD0.., VK_MULTIPLY, VK_ADD, VK_SUBTRACT, VK_DIVIDE, VK_DECIMAL).
Word VirtualKeyFromQt(int Key, Qt::KeyboardModifiers Modifiers);
TShiftState ShiftStateFromQt(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons);

// The Qt cursor of a cursor number (stock ones and those registered).
QCursor CursorToQt(TCursor Cursor);
// Registers (or replaces) the program's own cursor Cursor (> 0).
void RegisterCursor(TCursor Cursor, const QCursor& Shape);
