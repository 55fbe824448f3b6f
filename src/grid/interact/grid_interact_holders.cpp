#include "grid/interact/grid_interact_holders.h"

void TDragScrollOptions::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TDragScrollOptions*>(&Source))
        FActive = s->FActive;
}

void TBalloonSettings::SetEnable(bool Value)
{
    FEnable = Value;
    if (OnEnableChange)
        OnEnableChange(this);
}

void TBalloonSettings::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TBalloonSettings*>(&Source))
        FEnable = s->FEnable;
}
