#include "platform/gui/hintwindow.h"

#include <QWidget>

#include <algorithm>
#include <typeindex>
#include <utility>

#include "platform/gui/application.h"

namespace {

THintWindowClass& hintClass()
{
    static THintWindowClass c;
    return c;
}

TWeakRef<THintWindow>& currentHint()
{
    static TWeakRef<THintWindow> w;
    return w;
}

// The class a CM_HINTSHOW handler named for the hint it answers.
THintWindowClass& pendingHintClass()
{
    static THintWindowClass c;
    return c;
}

// The window of a hint that named its own class, and that class's type.
TWeakRef<THintWindow>& classHint()
{
    static TWeakRef<THintWindow> w;
    return w;
}

std::type_index& classHintType()
{
    static std::type_index t = typeid(void);
    return t;
}

// The window for the hint: the application's, or the one of the class the
// hint named (made again when the class differs from the last one's).
THintWindow* hintWindowFor(const THintWindowClass& Class)
{
    if (!Class)
        return ApplicationHintWindow();
    const std::type_index type = Class.target_type();
    if (THintWindow* w = classHint().Get()) {
        if (classHintType() == type)
            return w;
        w->ReleaseHandle();
        w->Free();
    }
    THintWindow* w = Class(&Application);
    classHint() = TWeakRef<THintWindow>(w);
    classHintType() = type;
    return w;
}

constexpr int kMargin = 2;

}  // namespace

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clInfoBk);
    Font().SetColor(clInfoText);
    if (QWidget* w = Widget()) {
        w->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
        w->setAttribute(Qt::WA_ShowWithoutActivating);
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

THintWindow::~THintWindow() = default;

TRect THintWindow::CalcHintRect(int MaxWidth, const String& AHint, void*)
{
    TCanvas c;
    c.Font().Assign(Font());
    TRect r = Rect(0, 0, std::max(1, MaxWidth - 2 * (kMargin + 1)), 0);
    c.DrawText(r, AHint, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return Rect(0, 0, r.Width() + 2 * (kMargin + 1) + 2, r.Height() + 2 * (kMargin + 1));
}

void THintWindow::ActivateHint(const TRect& Rect, const String& AHint) { ActivateHintData(Rect, AHint, nullptr); }

void THintWindow::ActivateHintData(const TRect& Rect, const String& AHint, void*)
{
    SetCaption(AHint);
    TRect r = Rect;
    // Keep it on the screen.
    const TRect area = Screen.WorkAreaRect();
    if (r.Right > area.Right)
        OffsetRect(r, area.Right - r.Right, 0);
    if (r.Bottom > area.Bottom)
        OffsetRect(r, 0, area.Bottom - r.Bottom);
    if (r.Left < area.Left)
        OffsetRect(r, area.Left - r.Left, 0);
    if (r.Top < area.Top)
        OffsetRect(r, 0, area.Top - r.Top);
    ShowAt(r);
}

void THintWindow::ShowAt(const TRect& R)
{
    SetBoundsRect(R);
    HandleNeeded();
    if (QWidget* w = Widget()) {
        w->setGeometry(R.ToQt());
        w->show();
        w->raise();
        w->update();
    }
}

void THintWindow::ReleaseHandle()
{
    if (QWidget* w = Widget())
        w->hide();
}

bool THintWindow::IsHintShowing() const { return Widget() && Widget()->isVisible(); }

void THintWindow::Paint()
{
    TCanvas& c = Canvas();
    const TRect all = ClientRect();
    c.Brush().SetColor(Color());
    c.FillRect(all);
    c.Brush().SetColor(clInfoText);
    c.FrameRect(all);
    TRect t = all;
    InflateRect(t, -(kMargin + 1), -(kMargin + 1));
    c.Brush().SetStyle(bsClear);
    c.DrawText(t, Caption(), DT_WORDBREAK | DT_NOPREFIX);
}

void SetHintWindowClass(THintWindowClass Class)
{
    hintClass() = std::move(Class);
    if (THintWindow* w = currentHint().Get()) {
        w->ReleaseHandle();
        w->Free();
    }
    currentHint().Reset();
}

THintWindow* ApplicationHintWindow()
{
    if (THintWindow* w = currentHint().Get())
        return w;
    THintWindow* w = hintClass() ? hintClass()(&Application) : new THintWindow(&Application);
    currentHint() = TWeakRef<THintWindow>(w);
    return w;
}

void ActivateApplicationHint(const THintInfo& Info)
{
    const THintWindowClass named = std::exchange(pendingHintClass(), THintWindowClass());
    THintWindow* w = hintWindowFor(named);
    if (!w)
        return;
    // Only one hint shows at a time.
    if (THintWindow* other = w == currentHint().Get() ? classHint().Get() : currentHint().Get())
        other->ReleaseHandle();
    w->SetColor(Info.HintColor);
    const int maxWidth = Info.HintMaxWidth > 0 ? Info.HintMaxWidth : std::max(100, Screen.Width() / 2);
    TRect r = w->CalcHintRect(maxWidth, Info.HintStr, Info.HintData);
    OffsetRect(r, Info.HintPos.X, Info.HintPos.Y);
    w->ActivateHintData(r, Info.HintStr, Info.HintData);
    if (Info.ReshowTimeout > 0)
        Application.StartHintTimer(Info.ReshowTimeout, TApplication::THintTimerMode::Show);
    else if (Info.HideTimeout > 0)
        Application.StartHintTimer(Info.HideTimeout, TApplication::THintTimerMode::Hide);
    else
        Application.StopHintTimer();
}

void HideApplicationHint() { Application.HideHint(); }

void SetHintWindowClassOfHint(THintWindowClass Class) { pendingHintClass() = std::move(Class); }

// ---- the application's hint ---------------------------------------------------------------------

namespace {

// The control whose hint applies at Control: the first one up the parents
// with ShowHint on.
TControl* hintControlOf(TControl* Control)
{
    TControl* c = Control;
    while (c && !c->ShowHint())
        c = c->Parent();
    return c;
}

// The hint text of Control: its own, else the nearest parent's.
String hintOf(const TControl* Control)
{
    for (const TControl* c = Control; c; c = c->Parent())
        if (!c->Hint().isEmpty())
            return c->Hint();
    return String();
}

// The part before '|' (the part after it is for a status line).
String shortHint(const String& Hint)
{
    const int bar = int(Hint.indexOf(QLatin1Char('|')));
    return bar < 0 ? Hint : Hint.left(bar);
}

bool showing(const TControl* Control)
{
    for (const TControl* c = Control; c; c = c->Parent())
        if (!c->Visible())
            return false;
    return GetParentForm(Control) != nullptr;
}

}  // namespace

void TApplication::HintMouseMessage(TControl* Control, const TMessage&)
{
    const TPoint p = GetCursorPos();
    TControl* hint = hintControlOf(Control);
    if (!hint || !showHint_) {
        CancelHint();
        return;
    }
    if (hint == hintControl_.Get() && hintCursorRect_.Contains(hint->ScreenToClient(p)))
        return;
    const bool wasActive = hintActive_;
    CancelHint();
    hintActive_ = wasActive;
    hintControl_ = TWeakRef<TControl>(hint);
    hintCursorRect_ = TRect();
    StartHintTimer(wasActive ? hintShortPause_ : hintPause_, THintTimerMode::Show);
}

void TApplication::ActivateHint(TPoint CursorPos)
{
    hintActive_ = false;
    TControl* c = hintControl_.Get();
    THintInfo info;
    bool canShow = false;
    if (showHint_ && c && c->ShowHint() && showing(c)) {
        info.HintControl = c;
        info.CursorPos = c->ScreenToClient(CursorPos);
        info.CursorRect = c->ClientRect();
        info.HintPos = {CursorPos.X, CursorPos.Y + 20};
        info.HintColor = hintColor_;
        info.HideTimeout = hintHidePause_;
        info.HintStr = shortHint(hintOf(c));
        TWeakRef<TControl> alive(c);
        pendingHintClass() = THintWindowClass();
        canShow = c->Perform(CM_HINTSHOW, 0, intptr_t(&info)) == 0 && alive;
        if (!alive)
            hintControl_.Reset();
    }
    if (canShow && !info.HintStr.isEmpty()) {
        hintActive_ = true;
        hintCursorRect_ = info.CursorRect;
        ActivateApplicationHint(info);
        return;
    }
    // Refused (or nothing to say): a hint still up from before goes.
    pendingHintClass() = THintWindowClass();
    HideHint();
    if (info.ReshowTimeout > 0 && hintControl_.Get())
        StartHintTimer(info.ReshowTimeout, THintTimerMode::Show);
    else
        CancelHint();
}

void TApplication::HideHint()
{
    if (THintWindow* w = currentHint().Get())
        w->ReleaseHandle();
    if (THintWindow* w = classHint().Get())
        w->ReleaseHandle();
}

void TApplication::CancelHint()
{
    HideHint();
    StopHintTimer();
    hintControl_.Reset();
    hintCursorRect_ = TRect();
    hintActive_ = false;
}

void TApplication::StartHintTimer(int Ms, THintTimerMode Mode)
{
    StopHintTimer();
    hintTimerMode_ = Mode;
    hintTimer_ = TTimerService::Instance().Start(unsigned(std::max(0, Ms)), [this] { HintTimerExpired(); });
}

void TApplication::StopHintTimer()
{
    if (hintTimer_ != 0)
        TTimerService::Instance().Stop(hintTimer_);
    hintTimer_ = 0;
}

void TApplication::HintTimerExpired()
{
    StopHintTimer();
    if (hintTimerMode_ == THintTimerMode::Hide)
        HideHint();
    else
        ActivateHint(GetCursorPos());
}
