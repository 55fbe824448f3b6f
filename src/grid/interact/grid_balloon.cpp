// The balloon tooltips over the cells: the balloon window, its one tool over
// the grid's client area, its delays and its transparency.
#include "grid/core/vyn_string_grid.h"
#include "grid/interact/grid_interact_holders.h"
#include "platform/gui/balloon_tip.h"
#include "platform/gui/layered_window.h"

void MakeWindowTranslucent(TWinControl* Window, uint8_t Alpha, const TRect&)
{
    // The layered window takes one constant alpha for the whole window; the
    // window keeps its own painting.
    SetWindowOpacity(Window, Alpha);
}

void TVynStringGrid::BalloonInit()
{
    // 1.
    if (FBalloonSettings->Init())
        return;
    FBalloonSettings->SetInit(true);
    // 2.
    CreateBalloonWindow();
    AddBalloonTool(3, QStringLiteral("ToolTipText"));
    // 3.
    TBalloonSettings& b = *FBalloonSettings;
    if (b.InitialDelay() != -1)
        FHToolTip->SetInitialDelay(b.InitialDelay());
    if (b.ReshowDelay() != -1)
        FHToolTip->SetReshowDelay(b.ReshowDelay());
    if (b.AutoHideDelay() != -1)
        FHToolTip->SetAutoHideDelay(b.AutoHideDelay());
    FHToolTip->SetColors(b.TextColor(), b.BackgroundColor());
    // 4.
    if (b.Transparency() > 0)
        MakeWindowTranslucent(FHToolTip, uint8_t(255 - b.Transparency()), Rect(0, 0, 100, 100));
}

void TVynStringGrid::BalloonDone()
{
    if (!FBalloonSettings->Init())
        return;
    if (FHToolTip) {
        TBalloonTip* tip = FHToolTip;
        FHToolTip = nullptr;
        tip->Free();
    }
    FBalloonSettings->SetInit(false);
}

void TVynStringGrid::CreateBalloonWindow()
{
    if (!FHToolTip)
        FHToolTip = new TBalloonTip(this);
}

void TVynStringGrid::AddBalloonTool(int Icon, const String& Title)
{
    if (!FHToolTip)
        return;
    FHToolTip->SetTool(this);
    FHToolTip->OnGetContent = [this](TPoint P) {
        const TGridBalloonText t = BalloonTextAt(P.X, P.Y);
        TBalloonContent c;
        if (!t.Supplied)
            return c;
        c.Title = t.Title;
        c.Text = t.Text;
        c.Icon = t.Icon;
        return c;
    };
    // One balloon per cell (a merged cell is one place).
    FHToolTip->OnGetKey = [this](TPoint P) {
        int c = -1, r = -1;
        MouseToCell(P.X, P.Y, c, r);
        if (c >= 0 && r >= 0 && IsMergedCell(c, r)) {
            const TPoint b = BaseCell(c, r);
            c = b.X;
            r = b.Y;
        }
        return (int64_t(c) << 32) ^ int64_t(uint32_t(r));
    };
    FHToolTip->SetTitle(Title, Icon >= 0 && Icon <= 3 ? Icon : 0);
}
