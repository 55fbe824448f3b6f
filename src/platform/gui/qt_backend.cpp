#include "platform/gui/qt_backend.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>

#include <map>
#include <utility>

#include "platform/gui/application.h"
#include "platform/gui/dragdrop.h"
#include "platform/gui/input_route.h"
#include "platform/gui/input_state.h"

namespace {

QHash<const QWidget*, TWidgetAdapter*>& adapters()
{
    static QHash<const QWidget*, TWidgetAdapter*> map;
    return map;
}

std::map<TCursor, QCursor>& customCursors()
{
    static std::map<TCursor, QCursor> map;
    return map;
}

TPoint toPoint(const QPointF& P) { return {int(std::floor(P.x())), int(std::floor(P.y()))}; }

// A point of the control's widget (window coordinates) on the screen.
TPoint windowToScreen(const TWinControl* Control, const QPointF& P)
{
    const TPoint o = Control->WindowOrigin(), p = toPoint(P);
    return {o.X + p.X, o.Y + p.Y};
}

// The release of a press that closed Qt's popup (which Qt does not deliver);
// 0 when none is pending.
unsigned& lostRelease()
{
    static unsigned up = 0;
    return up;
}

Qt::MouseButton buttonOfRelease(unsigned Up)
{
    switch (Up) {
    case WM_LBUTTONUP: return Qt::LeftButton;
    case WM_RBUTTONUP: return Qt::RightButton;
    case WM_MBUTTONUP: return Qt::MiddleButton;
    default: return Qt::NoButton;
    }
}

void deliverLostRelease(TWinControl* Control, TPoint Screen, TShiftState Shift)
{
    if (const unsigned up = std::exchange(lostRelease(), 0))
        RouteMouseButton(Control, up, Screen, Shift);
}

unsigned buttonMessage(Qt::MouseButton Button, QEvent::Type Type);

}  // namespace

void ExpectLostRelease(Qt::MouseButton Button) { lostRelease() = buttonMessage(Button, QEvent::MouseButtonRelease); }

namespace {

unsigned buttonMessage(Qt::MouseButton Button, QEvent::Type Type)
{
    unsigned base;
    switch (Button) {
    case Qt::LeftButton: base = WM_LBUTTONDOWN; break;
    case Qt::RightButton: base = WM_RBUTTONDOWN; break;
    case Qt::MiddleButton: base = WM_MBUTTONDOWN; break;
    default: return 0;
    }
    switch (Type) {
    case QEvent::MouseButtonPress: return base;
    case QEvent::MouseButtonRelease: return base + 1;
    case QEvent::MouseButtonDblClick: return base + 2;
    default: return 0;
    }
}

TKeyStroke strokeOf(const QKeyEvent* E)
{
    TKeyStroke s;
    const Qt::KeyboardModifiers mods = E->modifiers();
    s.VK = VirtualKeyFromQt(E->key(), mods);
    s.Shift = ShiftStateFromQt(mods, {});
    s.Keypad = mods.testFlag(Qt::KeypadModifier);
    s.AutoRepeat = E->isAutoRepeat();
    // Qt's text for Ctrl combinations differs between platforms; the
    // platform's translation table decides those. Otherwise Qt's text (the
    // keyboard layout's), or the table when Qt gives none.
    const bool ctrlOnly = s.Shift.Contains(ssCtrl) && !s.Shift.Contains(ssAlt);
    if (!ctrlOnly && !E->text().isEmpty())
        s.Text = E->text();
    return s;
}

// The application went to the background (another program is active):
// whatever the mouse was doing ends.
class TApplicationStateWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::ApplicationStateChange && Watched == QCoreApplication::instance() &&
            static_cast<QApplicationStateChangeEvent*>(Event)->applicationState() != Qt::ApplicationActive)
            CancelMode();
        return false;
    }
};

void watchApplicationState()
{
    static QPointer<QObject> watch;
    QCoreApplication* app = QCoreApplication::instance();
    if (watch || !app)
        return;
    watch = new TApplicationStateWatch(app);
    app->installEventFilter(watch);
}

}  // namespace

// ---- TQtWidget / TWidgetAdapter ---------------------------------------------------------------

TQtWidget::TQtWidget(QWidget* Parent) : QWidget(Parent) {}

TWidgetAdapter::TWidgetAdapter(TWinControl* Control, QWidget* Widget, TRole Role)
    : QObject(Widget), control_(Control), widget_(Widget), role_(Role)
{
    adapters().insert(Widget, this);
    Widget->installEventFilter(this);
    watchApplicationState();
}

TWidgetAdapter::~TWidgetAdapter() { adapters().remove(widget_); }

void TWidgetAdapter::Detach()
{
    control_ = nullptr;
    adapters().remove(widget_);
}

bool TWidgetAdapter::SendUnfiltered(QEvent* Event)
{
    const bool old = bypass_;
    bypass_ = true;
    const bool result = QCoreApplication::sendEvent(widget_, Event);
    bypass_ = old;
    return result;
}

TWinControl* TWidgetAdapter::ControlOf(const QWidget* Widget)
{
    TWidgetAdapter* a = adapters().value(Widget, nullptr);
    return a ? a->control_ : nullptr;
}

TWidgetAdapter* TWidgetAdapter::AdapterOf(const QWidget* Widget) { return adapters().value(Widget, nullptr); }

bool TWidgetAdapter::eventFilter(QObject* Watched, QEvent* Event)
{
    if (bypass_ || !control_ || Watched != widget_)
        return false;
    if (role_ == ClientArea)
        return ClientAreaEvent(Event);
    return control_->WidgetEvent(Event);
}

bool TWidgetAdapter::ClientAreaEvent(QEvent* Event)
{
    // The client widget paints nothing (the window paints its client area)
    // and passes its mouse input on in the window's coordinates. Enter and leave
    // are the window's: moving between the frame and the client area is no
    // leaving.
    const QPoint shift = widget_->pos();
    switch (Event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(Event);
        QMouseEvent mapped(e->type(), e->position() + shift, e->scenePosition(), e->globalPosition(), e->button(),
                           e->buttons(), e->modifiers());
        const bool eaten = control_->WidgetEvent(&mapped);
        Event->setAccepted(mapped.isAccepted());
        return eaten;
    }
    case QEvent::Wheel: {
        auto* e = static_cast<QWheelEvent*>(Event);
        QWheelEvent mapped(e->position() + shift, e->globalPosition(), e->pixelDelta(), e->angleDelta(), e->buttons(),
                           e->modifiers(), e->phase(), e->inverted());
        const bool eaten = control_->WidgetEvent(&mapped);
        Event->setAccepted(mapped.isAccepted());
        return eaten;
    }
    case QEvent::ToolTip:
        // Hints run on the layer's own clock (Application.HintMouseMessage).
        return true;
    default:
        return false;
    }
}

// ---- events -----------------------------------------------------------------------------------

bool TranslateQtEvent(TWinControl* Control, QEvent* Event)
{
    QWidget* widget = Control->Widget();
    if (!widget)
        return false;
    switch (Event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        if (!widget->isEnabled())
            return false;
        auto* e = static_cast<QMouseEvent*>(Event);
        const unsigned msg = buttonMessage(e->button(), e->type());
        if (msg == 0)
            return true;
        const TPoint screen = windowToScreen(Control, e->position());
        const TShiftState shift = ShiftStateFromQt(e->modifiers(), e->buttons());
        if (e->type() == QEvent::MouseButtonRelease) {
            lostRelease() = 0;
        } else {
            deliverLostRelease(Control, screen, shift);
        }
        RouteMouseButton(Control, msg, screen, shift);
        return true;
    }
    case QEvent::MouseMove: {
        if (!widget->isEnabled())
            return false;
        auto* e = static_cast<QMouseEvent*>(Event);
        const TPoint screen = windowToScreen(Control, e->position());
        const TShiftState shift = ShiftStateFromQt(e->modifiers(), e->buttons());
        if (const unsigned up = lostRelease(); up && !(e->buttons() & buttonOfRelease(up)))
            deliverLostRelease(Control, screen, shift);
        RouteMouseMove(Control, screen, shift);
        return true;
    }
    case QEvent::Wheel: {
        if (!widget->isEnabled())
            return false;
        auto* e = static_cast<QWheelEvent*>(Event);
        const TPoint screen = windowToScreen(Control, e->position());
        const QPoint delta = e->angleDelta();
        const TShiftState shift = ShiftStateFromQt(e->modifiers(), e->buttons());
        if (delta.y() != 0)
            RouteMouseWheel(Control, screen, delta.y(), shift);
        else if (delta.x() != 0)
            RouteMouseWheel(Control, screen, delta.x(), shift, true);
        return true;
    }
    case QEvent::Enter: {
        auto* e = static_cast<QEnterEvent*>(Event);
        RouteMouseEnter(Control, windowToScreen(Control, e->position()));
        return false;
    }
    case QEvent::Leave:
        RouteMouseLeave(Control);
        return false;
    case QEvent::KeyPress: {
        auto* e = static_cast<QKeyEvent*>(Event);
        TWinControl* target = KeyboardTarget(Control);
        const TKeyStroke stroke = strokeOf(e);
        if (stroke.VK == 0)
            RouteChars(target, e->text());
        else
            RouteKeyDown(target, stroke);
        return true;
    }
    case QEvent::KeyRelease: {
        auto* e = static_cast<QKeyEvent*>(Event);
        // Auto-repeat comes as further key downs only, as on the platform.
        if (e->isAutoRepeat())
            return true;
        const TKeyStroke stroke = strokeOf(e);
        if (stroke.VK != 0)
            RouteKeyUp(KeyboardTarget(Control), stroke);
        return true;
    }
    case QEvent::FocusIn: {
        // Qt moved its focus by itself (a click on a widget that takes focus,
        // Tab inside a stock widget): the layer follows.
        auto* e = static_cast<QFocusEvent*>(Event);
        const Qt::FocusReason r = e->reason();
        if ((r == Qt::MouseFocusReason || r == Qt::TabFocusReason || r == Qt::BacktabFocusReason) &&
            GetFocusedControl() != Control && Control->CanFocus()) {
            try {
                Control->SetFocus();
            } catch (const EInvalidOperation&) {
            }
        }
        return false;
    }
    case QEvent::WindowActivate:
        if (auto* form = dynamic_cast<TCustomForm*>(Control); form && form->Visible() && !form->Active())
            ActivateForm(form);
        return false;
    case QEvent::WindowDeactivate:
        // Another window (or program) took the activation: a press or a drag
        // in progress in this window ends.
        if (TControl* captor = GetCaptureControl();
            DragLoopActive() || (captor && GetParentForm(captor) == GetParentForm(Control)))
            CancelMode();
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        return TranslateQtDragEvent(Control, Event);
    case QEvent::Paint: {
        QPainter painter(widget);
        Control->PaintHandler(&painter);
        return true;
    }
    case QEvent::Resize:
    case QEvent::Move:
        // Only a top-level window is moved or sized by someone else.
        if (widget->isWindow())
            Control->WidgetGeometryChanged(widget->geometry());
        return false;
    case QEvent::Close:
        if (dynamic_cast<TCustomForm*>(Control)) {
            Event->ignore();
            Control->Perform(WM_CLOSE);
            return true;
        }
        return false;
    case QEvent::ToolTip:
        // Hints run on the layer's own clock (Application.HintMouseMessage).
        return true;
    default:
        return false;
    }
}

// ---- keys -------------------------------------------------------------------------------------

Word VirtualKeyFromQt(int Key, Qt::KeyboardModifiers Modifiers)
{
    const bool keypad = Modifiers.testFlag(Qt::KeypadModifier);
    if (Key >= Qt::Key_A && Key <= Qt::Key_Z)
        return Word(Key);
    if (Key >= Qt::Key_0 && Key <= Qt::Key_9)
        return keypad ? Word(VK_NUMPAD0 + (Key - Qt::Key_0)) : Word(Key);
    if (Key >= Qt::Key_F1 && Key <= Qt::Key_F24)
        return Word(VK_F1 + (Key - Qt::Key_F1));
    switch (Key) {
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Pause: return VK_PAUSE;
    case Qt::Key_Print: return VK_SNAPSHOT;
    case Qt::Key_Clear: return VK_CLEAR;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_AltGr: return VK_RMENU;
    case Qt::Key_Meta: return VK_LWIN;
    case Qt::Key_CapsLock: return VK_CAPITAL;
    case Qt::Key_NumLock: return VK_NUMLOCK;
    case Qt::Key_ScrollLock: return VK_SCROLL;
    case Qt::Key_Menu: return VK_APPS;
    case Qt::Key_Help: return VK_HELP;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Asterisk: return keypad ? VK_MULTIPLY : Word('8');
    case Qt::Key_Plus: return keypad ? VK_ADD : VK_OEM_PLUS;
    case Qt::Key_Minus: return keypad ? VK_SUBTRACT : VK_OEM_MINUS;
    case Qt::Key_Slash: return keypad ? VK_DIVIDE : VK_OEM_2;
    case Qt::Key_Period: return keypad ? VK_DECIMAL : VK_OEM_PERIOD;
    case Qt::Key_Comma: return keypad ? VK_DECIMAL : VK_OEM_COMMA;
    case Qt::Key_Equal: return VK_OEM_PLUS;
    case Qt::Key_Underscore: return VK_OEM_MINUS;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return VK_OEM_1;
    case Qt::Key_Less: return VK_OEM_COMMA;
    case Qt::Key_Greater: return VK_OEM_PERIOD;
    case Qt::Key_Question: return VK_OEM_2;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return VK_OEM_3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return VK_OEM_4;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return VK_OEM_5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return VK_OEM_6;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return VK_OEM_7;
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_ParenRight: return '0';
    default: return 0;
    }
}

TShiftState ShiftStateFromQt(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons)
{
    TShiftState s;
    if (Modifiers.testFlag(Qt::ShiftModifier))
        s.Include(ssShift);
    if (Modifiers.testFlag(Qt::ControlModifier))
        s.Include(ssCtrl);
    if (Modifiers.testFlag(Qt::AltModifier))
        s.Include(ssAlt);
    if (Buttons.testFlag(Qt::LeftButton))
        s.Include(ssLeft);
    if (Buttons.testFlag(Qt::RightButton))
        s.Include(ssRight);
    if (Buttons.testFlag(Qt::MiddleButton))
        s.Include(ssMiddle);
    return s;
}

// ---- cursors ----------------------------------------------------------------------------------

QCursor CursorToQt(TCursor Cursor)
{
    if (Cursor > 0) {
        auto it = customCursors().find(Cursor);
        return it != customCursors().end() ? it->second : QCursor(Qt::ArrowCursor);
    }
    switch (Cursor) {
    case crNone: return QCursor(Qt::BlankCursor);
    case crCross: return QCursor(Qt::CrossCursor);
    case crIBeam: return QCursor(Qt::IBeamCursor);
    case crSizeNESW: return QCursor(Qt::SizeBDiagCursor);
    case crSizeNS: return QCursor(Qt::SizeVerCursor);
    case crSizeNWSE: return QCursor(Qt::SizeFDiagCursor);
    case crSizeWE: return QCursor(Qt::SizeHorCursor);
    case crUpArrow: return QCursor(Qt::UpArrowCursor);
    case crHourGlass:
    case crSQLWait: return QCursor(Qt::WaitCursor);
    case crDrag: return QCursor(Qt::DragMoveCursor);
    case crMultiDrag: return QCursor(Qt::DragCopyCursor);
    case crNoDrop:
    case crNo: return QCursor(Qt::ForbiddenCursor);
    case crHSplit: return QCursor(Qt::SplitHCursor);
    case crVSplit: return QCursor(Qt::SplitVCursor);
    case crAppStart: return QCursor(Qt::BusyCursor);
    case crHelp: return QCursor(Qt::WhatsThisCursor);
    case crHandPoint: return QCursor(Qt::PointingHandCursor);
    case crSizeAll: return QCursor(Qt::SizeAllCursor);
    default: return QCursor(Qt::ArrowCursor);
    }
}

void RegisterCursor(TCursor Cursor, const QCursor& Shape)
{
    if (Cursor > 0)
        customCursors()[Cursor] = Shape;
}
