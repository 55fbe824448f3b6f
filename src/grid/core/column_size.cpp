#include "grid/core/column_size.h"

#include "grid/core/vyn_string_grid.h"

void TColumnSize::SetStretch(bool Value)
{
    FStretch = Value;
    if (Value && FOwner && FOwner->Parent())
        FOwner->StretchColumn(FStretchColumn);
}

void TColumnSize::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TColumnSize*>(&Source);
    if (!s)
        return;
    FSave = s->FSave;
    FKey = s->FKey;
    FSection = s->FSection;
    FStretch = s->FStretch;
    FStretchColumn = s->FStretchColumn;
    FSynchWithGrid = s->FSynchWithGrid;
    FSynchNormalCellsOnly = s->FSynchNormalCellsOnly;
    FLocation = s->FLocation;
    FRows = s->FRows;
}
