// THeaderDragButton (grid_drag_button.h).
#include "grid/interact/grid_drag_button.h"

#include "grid/core/vyn_string_grid.h"
#include "grid/render/html/html_draw.h"

THeaderDragButton::THeaderDragButton(TComponent* AOwner, TVynStringGrid* AGrid) : TOverlayWindow(AOwner), FGrid(AGrid)
{
    SetParentColor(false);
    SetColor(clBtnFace);
    SetEnabled(false);
}

THeaderDragButton::~THeaderDragButton() = default;

void THeaderDragButton::SetCaption(const String& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    Invalidate();
}

void THeaderDragButton::SetFlat(bool Value)
{
    if (FFlat == Value)
        return;
    FFlat = Value;
    Invalidate();
}

void THeaderDragButton::Paint()
{
    TCanvas& C = Canvas();
    const TRect all = ClientRect();
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(clWindowFrame);
    C.FrameRect(all);
    const TRect r(all.Left + 1, all.Top + 1, all.Right - 1, all.Bottom - 1);
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    C.Brush().SetColor(Color());
    C.FillRect(r);
    if (FGrid) {
        FGrid->PaintCellExt(C, 0, 0, r, TGridDrawState{TGridDrawStateItem::gdFixed});
        C.Font().Assign(*FGrid->FixedFont());
    }
    C.Brush().SetStyle(bsClear);
    TRect t(r.Left + 2, r.Top, r.Right - 2, r.Bottom);
    if (FCaption.contains(QStringLiteral("</"))) {
        THTMLDrawOptions o;
        o.ImageList = FGrid ? FGrid->GetGridImages() : nullptr;
        DrawHTMLText(C, FCaption, t, o);
    } else {
        C.DrawText(t, FCaption, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    C.Brush().SetStyle(bsSolid);
}
