#include "grid/render/grid_render_holders.h"

#include "grid/core/vyn_string_grid.h"

// ---- TControlLook -------------------------------------------------------------------------------

TControlLook::TControlLook(TVynStringGrid* AGrid)
    : FGrid(AGrid)
    , FCheckedGlyph(std::make_unique<TBitmap>())
    , FUnCheckedGlyph(std::make_unique<TBitmap>())
    , FRadioOnGlyph(std::make_unique<TBitmap>())
    , FRadioOffGlyph(std::make_unique<TBitmap>())
{
    Init();
    FDropDownHeader = new THeaderAppearance(AGrid);
    FDropDownFooter = new TFooterAppearance(AGrid);
}

TControlLook::~TControlLook()
{
    delete FDropDownHeader;
    delete FDropDownFooter;
}

void TControlLook::Init()
{
    FColor = 0x000000;
    FCommentColor = 0x0000FF;
    FProgressBorderColor = 0x808080;
    FFixedGradientFrom = clNone;
    FFixedGradientTo = clNone;
    FFixedGradientMirrorFrom = clNone;
    FFixedGradientMirrorTo = clNone;
    FFixedGradientHoverFrom = 0x808080;
    FFixedGradientHoverTo = 0xFFFFFF;
    FFixedGradientHoverBorder = 0xC0C0C0;
    FFixedGradientDownFrom = 0x808080;
    FFixedGradientDownTo = 0xC0C0C0;
    FFixedGradientDownBorder = 0x808080;
    SetFixedGradientHoverMirrorFrom(clNone);
    SetFixedGradientHoverMirrorTo(clNone);
    SetFixedGradientDownMirrorFrom(clNone);
    SetFixedGradientDownMirrorTo(clNone);
}

void TControlLook::Repaint()
{
    if (FGrid)
        FGrid->Invalidate();
}

void TControlLook::SetDropDownHeader(const THeaderAppearance& Value) { FDropDownHeader->Assign(Value); }
void TControlLook::SetDropDownFooter(const TFooterAppearance& Value) { FDropDownFooter->Assign(Value); }

#define VYN_LOOK_SETTER(T, N)         \
    void TControlLook::Set##N(T Value) \
    {                                 \
        F##N = Value;                 \
        Repaint();                    \
    }
VYN_LOOK_SETTER(TColor, Color)
VYN_LOOK_SETTER(TColor, CommentColor)
VYN_LOOK_SETTER(int, CheckSize)
VYN_LOOK_SETTER(int, RadioSize)
VYN_LOOK_SETTER(VynObj::TControlStyle, ControlStyle)
VYN_LOOK_SETTER(bool, DropDownAlwaysVisible)
VYN_LOOK_SETTER(bool, SpinButtonsAlwaysVisible)
VYN_LOOK_SETTER(bool, FlatButton)
VYN_LOOK_SETTER(bool, NoDisabledCheckRadioLook)
VYN_LOOK_SETTER(bool, NoDisabledButtonLook)
VYN_LOOK_SETTER(int, ProgressMarginX)
VYN_LOOK_SETTER(int, ProgressMarginY)
VYN_LOOK_SETTER(bool, ProgressXP)
#undef VYN_LOOK_SETTER

#define VYN_GLYPH_SETTER(N)                        \
    void TControlLook::Set##N(const TBitmap& Value) \
    {                                              \
        F##N->Assign(Value);                       \
        Repaint();                                 \
    }
VYN_GLYPH_SETTER(CheckedGlyph)
VYN_GLYPH_SETTER(UnCheckedGlyph)
VYN_GLYPH_SETTER(RadioOnGlyph)
VYN_GLYPH_SETTER(RadioOffGlyph)
#undef VYN_GLYPH_SETTER

// From, to and border colours reach the grid only when set; the grid's
// four look colours convert to RGB and repaint themselves.
#define VYN_GRADIENT_SETTER(N, GridSetter, Always)   \
    void TControlLook::Set##N(TColor Value)          \
    {                                                \
        F##N = Value;                                \
        if (FGrid && (Always || Value != clNone))     \
            FGrid->GridSetter(Value);                \
    }
VYN_GRADIENT_SETTER(FixedGradientFrom, SetVynGradientFrom, false)
VYN_GRADIENT_SETTER(FixedGradientTo, SetVynGradientTo, false)
VYN_GRADIENT_SETTER(FixedGradientMirrorFrom, SetVynGradientMirrorFrom, true)
VYN_GRADIENT_SETTER(FixedGradientMirrorTo, SetVynGradientMirrorTo, true)
VYN_GRADIENT_SETTER(FixedGradientHoverFrom, SetVynGradientHoverFrom, false)
VYN_GRADIENT_SETTER(FixedGradientHoverTo, SetVynGradientHoverTo, false)
VYN_GRADIENT_SETTER(FixedGradientHoverMirrorFrom, SetVynGradientHoverMirrorFrom, true)
VYN_GRADIENT_SETTER(FixedGradientHoverMirrorTo, SetVynGradientHoverMirrorTo, true)
VYN_GRADIENT_SETTER(FixedGradientHoverBorder, SetVynGradientHoverBorder, false)
VYN_GRADIENT_SETTER(FixedGradientDownFrom, SetVynGradientDownFrom, false)
VYN_GRADIENT_SETTER(FixedGradientDownTo, SetVynGradientDownTo, false)
VYN_GRADIENT_SETTER(FixedGradientDownMirrorFrom, SetVynGradientDownMirrorFrom, true)
VYN_GRADIENT_SETTER(FixedGradientDownMirrorTo, SetVynGradientDownMirrorTo, true)
VYN_GRADIENT_SETTER(FixedGradientDownBorder, SetVynGradientDownBorder, false)
#undef VYN_GRADIENT_SETTER

void TControlLook::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TControlLook*>(&Source);
    if (!s)
        return;
    FCheckSize = s->FCheckSize;
    FRadioSize = s->FRadioSize;
    FControlStyle = s->FControlStyle;
    FCheckedGlyph->Assign(*s->FCheckedGlyph);
    FUnCheckedGlyph->Assign(*s->FUnCheckedGlyph);
    FRadioOnGlyph->Assign(*s->FRadioOnGlyph);
    FRadioOffGlyph->Assign(*s->FRadioOffGlyph);
    FProgressMarginX = s->FProgressMarginX;
    FProgressMarginY = s->FProgressMarginY;
    FCommentColor = s->FCommentColor;
    FColor = s->FColor;
    FProgressBorderColor = s->FProgressBorderColor;
    FCheckAlwaysActive = s->FCheckAlwaysActive;
    FRadioAlwaysActive = s->FRadioAlwaysActive;
    FFixedGradientFrom = s->FFixedGradientFrom;
    FFixedGradientTo = s->FFixedGradientTo;
    FFixedGradientMirrorFrom = s->FFixedGradientMirrorFrom;
    FFixedGradientMirrorTo = s->FFixedGradientMirrorTo;
    FFixedGradientHoverFrom = s->FFixedGradientHoverFrom;
    FFixedGradientHoverTo = s->FFixedGradientHoverTo;
    FFixedGradientHoverMirrorFrom = s->FFixedGradientHoverMirrorFrom;
    FFixedGradientHoverMirrorTo = s->FFixedGradientHoverMirrorTo;
    FFixedGradientHoverBorder = s->FFixedGradientHoverBorder;
    FFixedGradientDownFrom = s->FFixedGradientDownFrom;
    FFixedGradientDownTo = s->FFixedGradientDownTo;
    FFixedGradientDownMirrorFrom = s->FFixedGradientDownMirrorFrom;
    FFixedGradientDownMirrorTo = s->FFixedGradientDownMirrorTo;
    FFixedGradientDownBorder = s->FFixedGradientDownBorder;
    FDropDownAlwaysVisible = s->FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = s->FSpinButtonsAlwaysVisible;
    FDropDownCount = s->FDropDownCount;
    FDropDownFooter->Assign(*s->FDropDownFooter);
    FDropDownHeader->Assign(*s->FDropDownHeader);
    FHintMaxWidth = s->FHintMaxWidth;
}

// ---- TBackGround --------------------------------------------------------------------------------

TBackGround::TBackGround(TVynStringGrid* AGrid) : FGrid(AGrid), FBitmap(std::make_unique<TBitmap>()) {}

void TBackGround::Repaint()
{
    if (FGrid)
        FGrid->Invalidate();
}

#define VYN_BACKGROUND_SETTER(T, N)   \
    void TBackGround::Set##N(T Value) \
    {                                 \
        F##N = Value;                 \
        Repaint();                    \
    }
VYN_BACKGROUND_SETTER(int, Top)
VYN_BACKGROUND_SETTER(int, Left)
VYN_BACKGROUND_SETTER(TBackGroundDisplay, Display)
VYN_BACKGROUND_SETTER(TBackGroundCells, Cells)
VYN_BACKGROUND_SETTER(TColor, Color)
VYN_BACKGROUND_SETTER(TColor, ColorTo)
#undef VYN_BACKGROUND_SETTER

void TBackGround::SetBitmap(const TBitmap& Value)
{
    FBitmap->Assign(Value);
    Repaint();
}

void TBackGround::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TBackGround*>(&Source)) {
        FTop = s->FTop;
        FLeft = s->FLeft;
        FDisplay = s->FDisplay;
        FCells = s->FCells;
        FColor = s->FColor;
        FColorTo = s->FColorTo;
        FBitmap->Assign(*s->FBitmap);
    }
}

// ---- TShowModified ------------------------------------------------------------------------------

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

// ---- TGridProgressAppearance --------------------------------------------------------------------

void TGridProgressAppearance::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TGridProgressAppearance*>(&Source);
    if (!s)
        return;
#define VYN_PROGRESS_COPY(T, N, D) F##N = s->F##N;
    VYN_PROGRESS_SETTINGS(VYN_PROGRESS_COPY)
#undef VYN_PROGRESS_COPY
    Changed();
}
