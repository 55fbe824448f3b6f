#include "platform/gui/hintwindow.h"

#include <QWidget>

#include <algorithm>

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

constexpr int kMargin = 2;

}  // namespace

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner), hideTimer_(new TTimer(this))
{
    SetColor(clInfoBk);
    Font().SetColor(clInfoText);
    hideTimer_->SetEnabled(false);
    hideTimer_->OnTimer = [this](TObject*) { ReleaseHandle(); };
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
    SetBoundsRect(r);
    HandleNeeded();
    if (QWidget* w = Widget()) {
        w->setGeometry(r.ToQt());
        w->show();
        w->raise();
        w->update();
    }
}

void THintWindow::ReleaseHandle()
{
    hideTimer_->SetEnabled(false);
    if (QWidget* w = Widget())
        w->hide();
}

bool THintWindow::IsHintShowing() const { return Widget() && Widget()->isVisible(); }

void THintWindow::SetHideTimeout(unsigned Ms)
{
    hideTimer_->SetEnabled(false);
    if (Ms == 0)
        return;
    hideTimer_->SetInterval(Ms);
    hideTimer_->SetEnabled(true);
}

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
    THintWindow* w = ApplicationHintWindow();
    if (!w)
        return;
    w->SetColor(Info.HintColor);
    const int maxWidth = Info.HintMaxWidth > 0 ? Info.HintMaxWidth : std::max(100, Screen.Width() / 2);
    TRect r = w->CalcHintRect(maxWidth, Info.HintStr, Info.HintData);
    OffsetRect(r, Info.HintPos.X, Info.HintPos.Y);
    w->ActivateHintData(r, Info.HintStr, Info.HintData);
    w->SetHideTimeout(unsigned(std::max(0, Info.HideTimeout)));
}

void HideApplicationHint()
{
    if (THintWindow* w = currentHint().Get())
        w->ReleaseHandle();
}
