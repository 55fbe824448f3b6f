#include "platform/gui/balloon_tip.h"

#include <algorithm>

#include "platform/gui/application.h"
#include "platform/gui/input_state.h"
#include "platform/gui/layered_window.h"

namespace {

constexpr int kMargin = 8;
constexpr int kStem = 12;
constexpr int kCorner = 12;
constexpr int kIcon = 16;

void useTitleFont(TCanvas& C, const TFont& Base)
{
    C.Font().Assign(Base);
    C.Font().SetStyle(TFontStyles{TFontStyle::fsBold});
}

TColor iconColor(int Icon)
{
    switch (Icon) {
    case 1: return TColor(0xC07820);  // blue
    case 2: return TColor(0x10B0E8);  // amber
    case 3: return TColor(0x2020D0);  // red
    default: return clNone;
    }
}

}  // namespace

TBalloonTip::TBalloonTip(TComponent* AOwner) : THintWindow(AOwner)
{
    SetColor(clInfoBk);
}

TBalloonTip::~TBalloonTip()
{
    Disarm();
    SetTool(nullptr);
}

void TBalloonTip::SetTool(TControl* Tool)
{
    if (TControl* old = tool_.Get(); old && watcherId_)
        old->RemoveMessageWatcher(watcherId_);
    watcherId_ = 0;
    tool_ = TWeakRef<TControl>(Tool);
    if (Tool)
        watcherId_ = Tool->AddMessageWatcher([this](TControl* C, const TMessage& M) { Watch(C, M); });
}

void TBalloonTip::SetTitle(const String& Title, int Icon)
{
    title_ = Title;
    icon_ = Icon >= 0 && Icon <= 3 ? Icon : 0;
}

void TBalloonTip::SetColors(TColor Text, TColor Background)
{
    textColor_ = Text;
    SetColor(Background == clNone ? clInfoBk : Background);
    Invalidate();
}

void TBalloonTip::Arm(int Ms)
{
    if (!waitTimer_) {
        waitTimer_ = new TTimer(this);
        waitTimer_->OnTimer = [this](TObject*) { TimerFired(); };
    }
    waitTimer_->SetEnabled(false);
    waitTimer_->SetInterval(unsigned(std::max(1, Ms)));
    waitTimer_->SetEnabled(true);
}

void TBalloonTip::Disarm()
{
    if (!waitTimer_)
        return;
    TTimer* t = waitTimer_;
    waitTimer_ = nullptr;
    t->SetEnabled(false);
    delete t;
}

void TBalloonTip::Watch(TControl* Control, const TMessage& Message)
{
    switch (Message.Msg) {
    case WM_MOUSEMOVE: {
        const TPoint p = Control->ScreenToClient(GetCursorPos());
        const int64_t key = OnGetKey ? OnGetKey(p) : 0;
        if (Showing()) {
            if (hasKey_ && key != key_) {
                Pop();
                key_ = key;
                hasKey_ = true;
                wait_ = TWait::wShow;
                Arm(ReshowDelay());
            }
            return;
        }
        if (!waitTimer_ || wait_ != TWait::wShow || !hasKey_ || key != key_) {
            key_ = key;
            hasKey_ = true;
            wait_ = TWait::wShow;
            Arm(InitialDelay());
        }
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_KEYDOWN:
    case CM_MOUSELEAVE:
    case WM_MOUSELEAVE:
    case WM_DESTROY:
        Pop();
        hasKey_ = false;
        return;
    default:
        return;
    }
}

void TBalloonTip::TimerFired()
{
    if (wait_ == TWait::wHide) {
        Pop();
        return;
    }
    Disarm();
    if (Popup()) {
        wait_ = TWait::wHide;
        Arm(AutoHideDelay());
    }
}

TRect TBalloonTip::CalcBalloonRect(const TBalloonContent& C) const
{
    TCanvas c;
    c.Font().Assign(Font());
    TRect text = Rect(0, 0, MaxTextWidth, 0);
    if (!C.Text.isEmpty())
        c.DrawText(text, C.Text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    int titleW = 0, titleH = 0;
    if (!C.Title.trimmed().isEmpty() || C.Icon > 0) {
        useTitleFont(c, Font());
        TRect t = Rect(0, 0, MaxTextWidth, 0);
        c.DrawText(t, C.Title, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        titleW = std::min(MaxTextWidth, t.Width()) + (C.Icon > 0 ? kIcon + 6 : 0);
        titleH = std::max(t.Height(), C.Icon > 0 ? kIcon : 0) + 4;
    }
    const int w = std::max(text.Width(), titleW) + 2 * kMargin;
    const int h = titleH + text.Height() + 2 * kMargin;
    return Rect(0, 0, std::max(w, 2 * kCorner + kStem), h + kStem);
}

bool TBalloonTip::Popup()
{
    TControl* tool = tool_.Get();
    if (!tool)
        return false;
    const TPoint screen = GetCursorPos();
    TBalloonContent c = OnGetContent ? OnGetContent(tool->ScreenToClient(screen)) : TBalloonContent{};
    if (c.Title.isEmpty() && c.Icon == 0) {
        c.Title = title_;
        c.Icon = icon_;
    }
    if (c.Text.isEmpty())
        return false;
    if (c.Icon < 0 || c.Icon > 3)
        c.Icon = 0;
    content_ = c;
    TRect r = CalcBalloonRect(c);
    // The stem's tip at the pointer, the body below it.
    OffsetRect(r, screen.X - kCorner - kStem / 2, screen.Y + 1);
    const TRect area = Screen.WorkAreaRect();
    if (r.Right > area.Right)
        OffsetRect(r, area.Right - r.Right, 0);
    if (r.Left < area.Left)
        OffsetRect(r, area.Left - r.Left, 0);
    SetCaption(c.Text);
    ShowAt(r);
    TRegion shape = TRegion::FromRoundRect(Rect(0, kStem, r.Width(), r.Height()), kCorner, kCorner);
    const int stemX = std::clamp(screen.X - r.Left, 1, r.Width() - 1);
    shape.Union(TRegion::FromPolygon({TPoint(stemX, 0), TPoint(kCorner, kStem + 1),
                                      TPoint(kCorner + kStem, kStem + 1)}));
    SetWindowShape(this, shape);
    return true;
}

void TBalloonTip::Pop()
{
    Disarm();
    wait_ = TWait::wShow;
    if (Showing())
        ReleaseHandle();
}

void TBalloonTip::Paint()
{
    TCanvas& c = Canvas();
    const TRect all = ClientRect();
    c.Brush().SetColor(Color());
    c.FillRect(all);
    const TRect body = Rect(0, kStem, all.Right, all.Bottom);
    c.Brush().SetStyle(bsClear);
    c.Pen().SetColor(clInfoText);
    c.RoundRect(Rect(body.Left, body.Top, body.Right - 1, body.Bottom - 1), kCorner, kCorner);
    c.Brush().SetStyle(bsSolid);
    int y = body.Top + kMargin;
    int x = kMargin;
    const TColor text = textColor_ == clNone ? clInfoText : textColor_;
    if (!content_.Title.trimmed().isEmpty() || content_.Icon > 0) {
        int titleX = x;
        if (content_.Icon > 0) {
            c.Brush().SetColor(iconColor(content_.Icon));
            c.Pen().SetColor(iconColor(content_.Icon));
            c.Ellipse(x, y, x + kIcon, y + kIcon);
            useTitleFont(c, Font());
            c.Font().SetColor(clWhite);
            c.Brush().SetStyle(bsClear);
            TRect g = Rect(x, y, x + kIcon, y + kIcon);
            c.DrawText(g, content_.Icon == 1 ? QStringLiteral("i") : content_.Icon == 2 ? QStringLiteral("!")
                                                                                         : QStringLiteral("x"),
                       DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            titleX += kIcon + 6;
        }
        useTitleFont(c, Font());
        c.Font().SetColor(text);
        c.Brush().SetStyle(bsClear);
        TRect t = Rect(titleX, y, all.Right - kMargin, y + std::max(kIcon, c.TextHeight(QStringLiteral("Ag"))));
        c.DrawText(t, content_.Title, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        y = t.Bottom + 4;
    }
    c.Font().Assign(Font());
    c.Font().SetColor(text);
    c.Brush().SetStyle(bsClear);
    TRect t = Rect(x, y, all.Right - kMargin, all.Bottom - kMargin);
    c.DrawText(t, content_.Text, DT_WORDBREAK | DT_NOPREFIX);
}
