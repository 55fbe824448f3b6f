// TVynStringGrid: the drop-down button of fixed cells with its menu, and the
// hot fixed cell of the list-view look.
#include "grid/core/vyn_string_grid.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/menus.h"

void TVynStringGrid::SetFixedDropDownMenu(TPopupMenu* Value) { FFixedDropDownMenu = TWeakRef<TPopupMenu>(Value); }

bool TVynStringGrid::FixedDropDownPress(int ACol, int ARow, int X)
{
    if (ACol < 0 || ARow < 0 || !FControlLook->FixedDropDownButton() || !IsHoverFixedCell(ACol, ARow) ||
        !DoCanShowFixedDropDown(RealColIndex(ACol)))
        return false;
    const TRect cr = CellRect(ACol, ARow);
    const int d = Options().Contains(goColSizing) ? 2 : 0;
    if (!(X > cr.Right - 16 && X < cr.Right - d))
        return false;
    FDropDownDown = true;
    TPopupMenu* menu = FFixedDropDownMenu.Get();
    if (!menu && !OnFixedDropDownClick)
        return false;
    TWeakRef<TVynStringGrid> self(this);
    FNoMouseLeave = true;
    if (menu)
        menu->SetTag(ACol);
    bool keep = false;
    if (OnFixedDropDownClick)
        OnFixedDropDownClick(this, ACol, ARow, menu, keep);
    if (!self)
        return true;
    if (menu) {
        TWeakRef<TPopupMenu> m(menu);
        SetHoverFixedCell(ACol, ARow);
        SyncHotFixedPaint();
        RepaintCell(ACol, ARow);
        const TPoint p = ClientToScreen(TPoint(cr.Right - 16, cr.Bottom));
        menu->Popup(p.X, p.Y);
        if (!self)
            return true;
        // The menu is closed: the button is up and the cell cold again,
        // unless the handler keeps it hot.
        FDropDownDown = false;
        if (!keep) {
            SetHoverFixedCell(-1, -1);
            SyncHotFixedPaint();
        }
        RepaintCell(ACol, ARow);
    }
    FNoMouseLeave = keep;
    return true;
}

void TVynStringGrid::HotFixedMove(int ACol, int ARow)
{
    if (FLook != TGridLook::glListView)
        return;
    const TPoint now(ACol, ARow);
    if (now == FHotFixedCell)
        return;
    const TPoint old = FHotFixedCell;
    FHotFixedCell = now;
    auto fixed = [this](TPoint P) { return P.X >= 0 && P.Y >= 0 && (P.X < FixedCols() || P.Y < FixedRows()); };
    SyncHotFixedPaint();
    if (fixed(old))
        RepaintCell(old.X, old.Y);
    if (fixed(now))
        RepaintCell(now.X, now.Y);
}

void TVynStringGrid::SyncHotFixedPaint()
{
    const TPoint hovered = HoverFixedCell();
    if (hovered.X >= 0 && hovered.Y >= 0) {
        FHoverFixed = hovered;
        return;
    }
    const TPoint hot = FHotFixedCell;
    const bool fixed = hot.X >= 0 && hot.Y >= 0 && (hot.X < FixedCols() || hot.Y < FixedRows());
    FHoverFixed = FLook == TGridLook::glListView && fixed ? hot : TPoint(-1, -1);
}
