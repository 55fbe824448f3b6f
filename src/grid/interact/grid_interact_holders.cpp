#include "grid/interact/grid_interact_holders.h"

void TDragScrollDelays::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TDragScrollDelays*>(&Source)) {
        FInitialDelay = s->FInitialDelay;
        FRepeatDelay = s->FRepeatDelay;
    }
}

void TDragScrollMargins::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TDragScrollMargins*>(&Source)) {
        FTopMargin = s->FTopMargin;
        FBottomMargin = s->FBottomMargin;
        FLeftMargin = s->FLeftMargin;
        FRightMargin = s->FRightMargin;
    }
}

void TDragScrollOptions::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TDragScrollOptions*>(&Source)) {
        FMargins->Assign(*s->FMargins);
        FDelays->Assign(*s->FDelays);
        FActive = s->FActive;
    }
}

void TBalloonSettings::SetEnable(bool Value)
{
    FEnable = Value;
    if (OnEnableChange)
        OnEnableChange(this);
}

void TBalloonSettings::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TBalloonSettings*>(&Source)) {
        FBackgroundColor = s->FBackgroundColor;
        FTextColor = s->FTextColor;
        FReshowDelay = s->FReshowDelay;
        FInitialDelay = s->FInitialDelay;
        FAutoHideDelay = s->FAutoHideDelay;
        FEnable = s->FEnable;
    }
}
