#include "grid/render/grid_render_holders.h"

void TControlLook::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TControlLook*>(&Source);
    if (!s)
        return;
    FColor = s->FColor;
    FCommentColor = s->FCommentColor;
    FCheckSize = s->FCheckSize;
    FCheckAlwaysActive = s->FCheckAlwaysActive;
    FRadioSize = s->FRadioSize;
    FRadioAlwaysActive = s->FRadioAlwaysActive;
    FControlStyle = s->FControlStyle;
    FDropDownAlwaysVisible = s->FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = s->FSpinButtonsAlwaysVisible;
}

void TBackGround::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TBackGround*>(&Source)) {
        FDisplay = s->FDisplay;
        FColor = s->FColor;
        FColorTo = s->FColorTo;
    }
}

void TShowModified::SetColor(TColor Value)
{
    FColor = Value;
    if (OnChange)
        OnChange(this);
}

void TShowModified::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TShowModified*>(&Source)) {
        FColor = s->FColor;
        FEnabled = s->FEnabled;
    }
}

void TGridProgressAppearance::Assign(const TPersistent&) {}
