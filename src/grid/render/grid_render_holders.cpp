#include "grid/render/grid_render_holders.h"

#include "grid/core/vyn_string_grid.h"

TControlLook::TControlLook(TVynStringGrid* AGrid)
    : FGrid(AGrid)
    , FDropDownHeader(new THeaderAppearance(AGrid))
    , FDropDownFooter(new TFooterAppearance(AGrid))
{
}

TControlLook::~TControlLook()
{
    delete FDropDownHeader;
    delete FDropDownFooter;
}

void TControlLook::SetDropDownHeader(const THeaderAppearance& Value)
{
    FDropDownHeader->Assign(Value);
}

void TControlLook::SetDropDownFooter(const TFooterAppearance& Value)
{
    FDropDownFooter->Assign(Value);
}

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
    FDropDownFooter->Assign(*s->FDropDownFooter);
    FDropDownHeader->Assign(*s->FDropDownHeader);
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
