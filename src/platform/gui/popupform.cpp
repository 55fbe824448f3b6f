// TPopupForm: the popup window, its open stack, and how a press outside it
// reaches PopupDeactivate.
#include "platform/gui/popupform.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

#include "platform/gui/application.h"
#include "platform/gui/hintwindow.h"
#include "platform/gui/input_route.h"
#include "platform/gui/input_state.h"
#include "platform/gui/qt_backend.h"

namespace {

// The open popups, the one shown first first.
std::vector<TWeakRef<TPopupForm>>& openStack()
{
    static std::vector<TWeakRef<TPopupForm>> s;
    return s;
}

void removeFromStack(const TPopupForm* Popup)
{
    auto& s = openStack();
    s.erase(std::remove_if(s.begin(), s.end(),
                           [Popup](const TWeakRef<TPopupForm>& r) { return !r.Get() || r.Get() == Popup; }),
            s.end());
}

unsigned pressMessage(const QMouseEvent* E)
{
    unsigned base;
    switch (E->button()) {
    case Qt::LeftButton: base = WM_LBUTTONDOWN; break;
    case Qt::RightButton: base = WM_RBUTTONDOWN; break;
    case Qt::MiddleButton: base = WM_MBUTTONDOWN; break;
    default: return 0;
    }
    return E->type() == QEvent::MouseButtonDblClick ? base + (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN) : base;
}

// Posted when Qt asks to close a popup (WParam: the popup's loss count then).
unsigned qtCloseMessage()
{
    static const unsigned m = RegisterWindowMessage(QStringLiteral("TPopupForm.QtClose"));
    return m;
}

}  // namespace

std::vector<TPopupForm*> OpenPopups()
{
    std::vector<TPopupForm*> r;
    for (const TWeakRef<TPopupForm>& p : openStack())
        if (p.Get() && p.Get()->Visible())
            r.push_back(p.Get());
    return r;
}

TPopupForm* ActivePopup()
{
    const std::vector<TPopupForm*> open = OpenPopups();
    return open.empty() ? nullptr : open.back();
}

TWinControl* WindowAtScreenPos(TPoint P, const TCustomForm* Except)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    QWidget* top = QApplication::topLevelAt(QPoint(P.X, P.Y));
    if (!top || (Except && top == Except->Widget()))
        return nullptr;
    TWinControl* root = TWinControl::FromWidget(top);
    return root ? WindowAtPos(root, P) : nullptr;
}

// ---- TPopupForm -------------------------------------------------------------------------------

TPopupForm::TPopupForm(TComponent* AOwner) : TForm(AOwner)
{
    SetBorderStyle(bsNone);
    ApplyWindowFlags();
    ApplySizeConstraints();
}

TPopupForm::~TPopupForm() { removeFromStack(this); }

void TPopupForm::ApplyWindowFlags()
{
    QWidget* w = Widget();
    if (!w)
        return;
    // A Qt popup: frameless, above the other windows, off the task bar, and
    // it grabs mouse and keyboard while shown. Qt itself never replays the
    // closing press: the layer's routing passes it on (PassClosingPress).
    const Qt::WindowFlags f = Qt::Popup | Qt::FramelessWindowHint;
    w->setAttribute(Qt::WA_NoMouseReplay);
    SetWindowFlagsKeepingPlace(f);
}

void TPopupForm::ApplySizeConstraints()
{
    if (QWidget* w = Widget()) {
        w->setMinimumSize(minWidth_, minHeight_);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

void TPopupForm::SetMinSize(int Width, int Height)
{
    minWidth_ = std::max(Width, 0);
    minHeight_ = std::max(Height, 0);
    SetBounds(Left(), Top(), this->Width(), this->Height());
    ApplySizeConstraints();
}

void TPopupForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    // The size is never below the popup's minimum and its maximum is open:
    // the window's constraints cannot refuse it, so they stay as they are
    // (lifting and setting them again around every move would hand the
    // window system new size hints each time).
    TCustomForm::SetBounds(ALeft, ATop, std::max(AWidth, minWidth_), std::max(AHeight, minHeight_));
}

TCustomForm* TPopupForm::OwnerForm() const
{
    if (auto* c = dynamic_cast<TControl*>(Owner()))
        if (TCustomForm* f = GetParentForm(c); f && f != this)
            return f;
    return Application.MainForm() != this ? Application.MainForm() : nullptr;
}

TCustomForm* TPopupForm::TransientOwner() const { return OwnerForm(); }

void TPopupForm::ShowAt(const TRect& Rect)
{
    // The window gets its place before it is mapped: it appears there.
    SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    Show();
}

void TPopupForm::SetVisible(bool Value)
{
    if (Value && !Visible()) {
        // A popup takes the mouse: whoever held the capture is told to end
        // what it was doing and loses it.
        CancelMode();
        removeFromStack(this);
        openStack().push_back(TWeakRef<TPopupForm>(this));
    }
    TForm::SetVisible(Value);
    if (!Visible())
        removeFromStack(this);
}

void TPopupForm::BeforeDestruction()
{
    if (Visible() && !ComponentState().Contains(TComponentStateItem::csDestroying))
        Hide();
    TForm::BeforeDestruction();
}

void TPopupForm::PopupDeactivate(TWinControl*) { Close(); }

void TPopupForm::LoseTo(TWinControl* NewWindow)
{
    ++losses_;
    PopupDeactivate(NewWindow);
}

bool TPopupForm::PressOutside(TWinControl* Window)
{
    TWeakRef<TPopupForm> self(this);
    LoseTo(Window);
    return !self || self->PassClosingPress();
}

void TPopupForm::Dispatch(TMessage& Message)
{
    // Qt asked to close the popup and nothing since explained it.
    if (Message.Msg == qtCloseMessage()) {
        if (Visible() && losses_ == unsigned(Message.WParam))
            LoseTo(nullptr);
        return;
    }
    TForm::Dispatch(Message);
}

void TPopupForm::CMDeactivate(TMessage& Message)
{
    TForm::CMDeactivate(Message);
    // Another form became active while the popup is open (a popup being
    // hidden has stopped being visible by now). A popup shown from this one
    // (its owner chain leads here) takes the activation without taking it
    // from this one.
    if (!Visible())
        return;
    TCustomForm* now = GetActiveForm();
    for (auto* p = dynamic_cast<TPopupForm*>(now); p; p = dynamic_cast<TPopupForm*>(p->OwnerForm()))
        if (p->OwnerForm() == this)
            return;
    LoseTo(now);
}

bool TPopupForm::WidgetEvent(QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // Qt sends the popup every press while it grabs the mouse; one
        // outside it goes to the window under the pointer through the
        // routing, which asks PopupDeactivate first.
        auto* e = static_cast<QMouseEvent*>(Event);
        QWidget* w = Widget();
        if (!w || w->rect().contains(e->position().toPoint()))
            break;
        HideApplicationHint();
        const unsigned msg = pressMessage(e);
        if (msg == 0)
            return true;
        const QPointF g = e->globalPosition();
        const TPoint screen{int(std::floor(g.x())), int(std::floor(g.y()))};
        TWeakRef<TPopupForm> self(this);
        RouteMouseButton(WindowAtScreenPos(screen, this), msg, screen,
                         ShiftStateFromQt(e->modifiers(), e->buttons()));
        // Qt eats the release of a press that closed its popup: a window the
        // press went on to, which holds the mouse capture now, gets it from
        // the routing all the same (else it would keep the capture).
        if ((!self || !self->Visible()) && GetCaptureControl())
            ExpectLostRelease(e->button());
        return true;
    }
    case QEvent::Close:
        // Qt closes its popups by itself: when another window shows (the
        // layer then activates that form, which reaches PopupDeactivate
        // with it) and at times of its own. The popup stays until its own
        // rule closes it; a close request nothing has explained by the time
        // the posted messages run is a loss to no window of ours.
        if (Visible()) {
            Event->ignore();
            PostMessage(this, qtCloseMessage(), intptr_t(losses_));
            return true;
        }
        break;
    default: break;
    }
    return TForm::WidgetEvent(Event);
}

// ---- resizing from the corner -------------------------------------------------------------

bool TPopupForm::StartCornerResize(TPoint Start)
{
    if (!Visible())
        return false;
    QWidget* w = Widget();
    // The window system's resize, where it does one: it follows the pointer
    // and ends with the release by itself.
    if (w && w->windowHandle() && QGuiApplication::platformName() != QLatin1String("offscreen") &&
        w->windowHandle()->startSystemResize(Qt::BottomEdge | Qt::RightEdge))
        return true;
    resizing_ = true;
    resizeStart_ = Start;
    resizeStartSize_ = {Width(), Height()};
    SetCaptureControl(this);
    return true;
}

void TPopupForm::WMMouseMove(TMessage& Message)
{
    if (resizing_) {
        const TPoint p = GetCursorPos();
        const int w = std::max(resizeStartSize_.cx + p.X - resizeStart_.X, minWidth_);
        const int h = std::max(resizeStartSize_.cy + p.Y - resizeStart_.Y, minHeight_);
        if (w != Width() || h != Height()) {
            SetBounds(Left(), Top(), std::max(w, 1), std::max(h, 1));
            if (OnResizing)
                OnResizing(this);
        }
        return;
    }
    TForm::WMMouseMove(Message);
}

void TPopupForm::WMLButtonUp(TMessage& Message)
{
    if (resizing_) {
        resizing_ = false;
        if (MouseCapture())
            SetMouseCapture(false);
        return;
    }
    TForm::WMLButtonUp(Message);
}

void TPopupForm::WMCancelMode(TMessage& Message)
{
    resizing_ = false;
    TForm::WMCancelMode(Message);
}

void TPopupForm::WMCaptureChanged(TMessage& Message)
{
    // Another control took the mouse: the drag ends where it is.
    if (resizing_ && Message.LParam != 0 && reinterpret_cast<QWidget*>(Message.LParam) != Widget())
        resizing_ = false;
    TForm::WMCaptureChanged(Message);
}
