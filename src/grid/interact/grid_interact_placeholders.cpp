// Members of the grid's interaction, with the least bodies that keep the
// core's callers correct until the interaction builds them (docs/GRID.md).
#include "grid/core/vyn_string_grid.h"

void TVynStringGrid::BeginUpdate()
{
    if (FUpdateCount == 0)
        SetRedraw(false);
    ++FUpdateCount;
}

void TVynStringGrid::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0) {
        RecalcStaleFooter();
        SetRedraw(true);
        Invalidate();
    }
}

// The cells-changed notification: the event, the notifiers, the footer.
void TVynStringGrid::CellsChanged(const TRect& R)
{
    TRect r = R;
    DoCellsChanged(r);
}

void TVynStringGrid::BalloonInit() {}
void TVynStringGrid::BalloonDone() {}
void TVynStringGrid::ApplySearchFooter() {}
void TVynStringGrid::ApplyPlatformStyle() {}
void TVynStringGrid::StretchColumn(int) {}
void TVynStringGrid::InitFlatScrollBars() {}
void TVynStringGrid::SetFlatScrollWidth(int) {}
void TVynStringGrid::SetFlatScrollColor(TColor) {}

// The owner form's resize: its own handler runs as before.
void TVynStringGrid::OwnerFormResize(TObject* Sender)
{
    if (ResizeAssigned && FOnResize)
        FOnResize(Sender);
    if (FOwnerForm)
        FOldSize = TPoint(FOwnerForm->Width(), FOwnerForm->Height());
}
