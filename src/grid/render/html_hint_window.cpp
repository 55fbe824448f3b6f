#include "grid/render/html_hint_window.h"

#include <QWidget>

#include <algorithm>

#include "grid/core/grid_startup.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/render/html/html_draw.h"
#include "platform/gui/application.h"

namespace {

// 1024 less the margin.
constexpr int kMaxHintWidth = 1008;
constexpr int kHTMLMargin = 16;
constexpr int kWideMargin = 8;
constexpr int kEdgeGap = 2;

bool isWide(const String& Hint) { return GetTextType(Hint, true) == ttWide; }

}  // namespace

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner)
{
    SetColor(clWindow);
    // Borderless, with the drop shadow the desktop gives a tool-tip window.
    if (QWidget* w = Widget())
        w->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus);
}

void THTMLHintWindow::FillOptions(THTMLDrawOptions& O, bool Measure)
{
    O.ImageList = FImages;
    O.PictureStore = FPictureContainer;
    O.ThemeWindow = this;
    O.ShadowDistance = 1;
    O.LinkColor = 0xFF0000;
    O.HotLinkBackColor = clNone;
    O.HotLinkTextColor = clNone;
    O.ShadowColor = 0x808080;
    O.FocusAnchorIndex = -1;
    O.WrapWords = true;
    O.MeasureOnly = Measure;
    O.ReadingOrder = 0;
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const String& AHint, void*)
{
    TCanvas c;
    c.Font().Assign(Font());
    if (isWide(AHint)) {
        c.Font().SetName(HintFontName());
        TRect r = Rect(0, 0, MaxWidth, 0);
        c.DrawText(r, DecodeWideCellText(AHint), DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        return Rect(0, 0, r.Width(), r.Height());
    }
    THTMLDrawOptions o;
    FillOptions(o, true);
    const THTMLDrawResult res = DrawHTMLText(c, AHint, Rect(0, 0, MaxWidth, 0), o);
    return Rect(0, 0, res.LaidOutWidth, res.LaidOutHeight);
}

void THTMLHintWindow::ActivateHintData(const TRect& Rect, const String& AHint, void* AData)
{
    if (auto* grid = dynamic_cast<TVynStringGrid*>(static_cast<TObject*>(AData)))
        FImages = grid->GridImages();
    ActivateHint(Rect, AHint);
}

void THTMLHintWindow::ActivateHint(const TRect& ARect, const String& AHint)
{
    // 1.
    SetCaption(AHint);
    TRect r = ARect;
    r.Right = r.Left + kMaxHintWidth;
    // 2. and 3.
    FWide = isWide(AHint);
    const TRect m = CalcHintRect(r.Width(), AHint, nullptr);
    const int margin = FWide ? kWideMargin : kHTMLMargin;
    FWideCaption = FWide ? DecodeWideCellText(AHint) : String();
    FTextWidth = m.Width();
    FTextHeight = m.Height();
    r.Right = r.Left + FTextWidth + margin;
    r.Bottom = r.Top + FTextHeight + 4;
    // 4.
    if (const TMonitor* mon = Screen.MonitorFromPoint(Point(r.Left, r.Top))) {
        const TRect b = mon->BoundsRect();
        const int w = r.Width(), h = r.Height();
        if (r.Right > b.Right) {
            r.Left = b.Left + b.Width() - w - kEdgeGap;
            r.Right = r.Left + w;
        }
        if (r.Bottom > b.Bottom) {
            r.Bottom = b.Bottom - kEdgeGap;
            r.Top = r.Bottom - FTextHeight - 4;
        }
        // A hint larger than the monitor starts at its left (top) edge.
        if (r.Left < b.Left) {
            r.Left = b.Left;
            r.Right = r.Left + w;
        }
        if (r.Top < b.Top) {
            r.Top = b.Top;
            r.Bottom = r.Top + h;
        }
    }
    // 5.
    ShowAt(r);
    Invalidate();
}

void THTMLHintWindow::Paint()
{
    TCanvas& c = Canvas();
    const TRect all = ClientRect();
    // 1.
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(clWindow);
    c.FillRect(all);
    c.Pen().SetStyle(psSolid);
    c.Pen().SetColor(cl3DLight);
    c.MoveTo(all.Left, all.Bottom - 2);
    c.LineTo(all.Left, all.Top);
    c.LineTo(all.Right - 1, all.Top);
    c.Pen().SetColor(cl3DDkShadow);
    c.MoveTo(all.Left, all.Bottom - 1);
    c.LineTo(all.Right - 1, all.Bottom - 1);
    c.LineTo(all.Right - 1, all.Top - 1);
    // 2.
    TRect t = all;
    t.Left += 4;
    t.Right -= 4;
    t.Top = all.Top + (all.Height() - FTextHeight) / 2;
    t.Bottom = t.Top + FTextHeight + 8;
    c.Brush().SetColor(clWindow);
    // 3.
    if (FWide) {
        c.Font().SetName(HintFontName());
        c.Brush().SetStyle(bsClear);
        TRect w = t;
        c.DrawText(w, FWideCaption, DT_SINGLELINE | DT_NOPREFIX);
        FPaintedHeight = FTextHeight;
        return;
    }
    THTMLDrawOptions o;
    FillOptions(o, false);
    FPaintedHeight = DrawHTMLText(c, Caption(), t, o).LaidOutHeight;
}
