// TVynStringGrid: the look of a cell (GetVisualProperties and its
// companions), the text formats and text sizes, the colour mixer.
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "grid/core/grid_draw.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/html/html_draw.h"
#include "grid/render/rtf_reader.h"
#include "platform/gui/bitmap.h"

namespace {

// Round-half-even of Num / 100 for Num >= 0.
int DivRoundEven100(int Num)
{
    const int q = Num / 100, r = Num % 100;
    if (r > 50 || (r == 50 && (q & 1)))
        return q + 1;
    return q;
}

bool IsPlainKind(TCellType T)
{
    return T == TCellType::ctNone || T == TCellType::ctRotated || T == TCellType::ctEmpty;
}

}  // namespace

// ---- colours ------------------------------------------------------------------------------------

TColor TVynStringGrid::BlendColors(TColor Color1, TColor Color2, int Factor)
{
    if (Factor >= 100)
        return Color1;
    if (Factor <= 0 || Color1 == clNone)
        return Color2;
    if (Color2 == clNone)
        return Color1;
    const TColor a = ColorToRGB(Color1), b = ColorToRGB(Color2);
    auto channel = [&](int Shift) {
        const int c1 = int((a >> Shift) & 0xFF), c2 = int((b >> Shift) & 0xFF);
        return std::min(255, DivRoundEven100(Factor * c1 + (100 - Factor) * c2));
    };
    return TColor(channel(0) | (channel(8) << 8) | (channel(16) << 16));
}

TColor TVynStringGrid::MixSelectionColor(TColor Color1, TColor Color2, bool Mix, int Factor)
{
    return Mix ? BlendColors(Color1, Color2, Factor) : Color1;
}

void TVynStringGrid::SetRowIndicator(const TBitmap* Value)
{
    if (Value)
        FRowIndicator->Assign(*Value);
    else
        FRowIndicator->SetSize(0, 0);
    Invalidate();
}

// ---- questions painting asks of the other work (a grid without the feature) ---------------------

bool TVynStringGrid::IsSelected(int ACol, int ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows())
        return false;
    if (FMouseActions->DisjunctCellSelect())
        return IsInSelectedCellList(ACol, ARow);
    if (FMouseActions->DisjunctRowSelect()) {
        const size_t r = size_t(FMouseActions->RowSelectPersistent() ? DisplToRealRow(ARow) : ARow);
        return r < FRowSelect->size() && (*FRowSelect)[r] != 0;
    }
    if (FMouseActions->DisjunctColSelect())
        return ACol < int(FColSelect->size()) && (*FColSelect)[size_t(ACol)] != 0;
    return CellInGridRect(Selection(), ACol, ARow);
}

bool TVynStringGrid::IsRotated(int ACol, int ARow, int& AAngle)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType() != TCellType::ctRotated)
        return false;
    AAngle = g->CellAngle();
    return true;
}

String TVynStringGrid::GetFormulaText(int ACol, int ARow) { return GetCellEx(ACol, ARow); }

// ---- the look of a cell -------------------------------------------------------------------------

void TVynStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                         bool Remap, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                         TColor& AMirrorColorTo, TFont& AFont, TAlignment& HA, TVAlignment& VA,
                                         bool& WW, TCellGradientDirection& GD)
{
    const int realCol = Remap ? DisplToRealCol(ACol) : ACol;
    const TMouseActions& ma = *FMouseActions;
    const int selRow = ma.DisjunctRowSelect() && ma.RowSelectPersistent() ? DisplToRealRow(ARow) : ARow;
    const int fixedCols = FixedCols(), fixedRows = FixedRows();
    // 1. The font.
    const bool normal = ACol >= fixedCols && ARow >= fixedRows;
    AFont.Assign(normal ? Font() : *FFixedFont);
    // 2.
    TColor brush = clNone;
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    // 3. The cell's own look.
    bool coloured = false;
    if (const TCellProperties* p = PropsAt(realCol, ARow)) {
        brush = p->BrushColor();
        coloured = brush != clNone && IsPlainKind(GetCellType(realCol, ARow));
        p->ApplyFont(AFont);
        WW = p->WordWrap();
        AColorTo = p->BrushColorTo();
        GD = p->GradientDirection();
    }
    // 4.
    if (AState.Contains(gdSelected))
        GD = TCellGradientDirection::GradientVertical;
    // 5. The grid's colours, the bands.
    const int colCount = ColCount(), rowCount = RowCount();
    if (brush == clNone) {
        brush = Color();
        const bool inCols = ACol >= fixedCols && ACol < colCount - FFixedRightCols;
        const bool inRows = ARow >= fixedRows && ARow < rowCount - FFixedFooters;
        if (inCols && inRows) {
            TColor band = clNone;
            if (FBands->BandColor(ARow, fixedRows, Print, band))
                brush = band;
        } else {
            brush = FixedColor();
        }
    }
    // 6. Fixed cells take the fixed colours and the look's gradient.
    const bool fixed = !normal || IsFixed(ACol, ARow);
    if (fixed && !coloured && !Print) {
        brush = FixedColor();
        AFont.Assign(*FFixedFont);
        AState.Include(gdFixed);
        if (FLook > TGridLook::glClassic) {
            brush = FVynGradientFrom;
            AColorTo = FVynGradientTo;
            AMirrorColor = FVynGradientMirrorFrom;
            AMirrorColorTo = FVynGradientMirrorTo;
        }
    }
    ABrush.SetColor(brush);
    // 7. The colour event.
    if (Print)
        DoGetCellPrintColor(realCol, ARow, AState, &ABrush, &AFont);
    else
        DoGetCellColor(realCol, ARow, AState, &ABrush, &AFont);
    // 8.
    if (OnGetCellGradient) {
        TColor c = ABrush.Color();
        OnGetCellGradient(this, ARow, realCol, c, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush.SetColor(c);
    }
    // 9. (A selection colour of none shows as the system's highlight.)
    const TColor selColor = FSelectionColor == clNone ? clHighlight : FSelectionColor;
    const TColor c0 = ABrush.Color(), f0 = AFont.Color();
    auto selectionColours = [&] {
        AColorTo = FSelectionColorTo;
        AMirrorColor = FSelectionMirrorColor;
        AMirrorColorTo = FSelectionMirrorColorTo;
        if (FSelectionTextColor != clNone)
            AFont.SetColor(FSelectionTextColor);
    };
    // 10. Disjunct row and column selection.
    const bool canSelect = Select && !Print && FShowSelection && !fixed;
    const bool arrivedSelected = AState.Contains(gdSelected);
    if (canSelect && ma.DisjunctRowSelect()) {
        const bool rowSelected = GetRowSelect(selRow);
        if (((FMouseButtonDown && ARow == Row()) || !rowSelected) &&
            (!FMouseButtonDown || rowSelected || !arrivedSelected)) {
            AState.Exclude(gdSelected);
        } else {
            AState = TGridDrawState{gdSelected};
            ABrush.SetColor(selColor);
            selectionColours();
        }
    }
    if (canSelect && ma.DisjunctColSelect()) {
        const bool colSelected = ACol < int(FColSelect->size()) && (*FColSelect)[size_t(ACol)] != 0;
        if (((!FMouseButtonDown || ACol != Col()) && colSelected) ||
            (FMouseButtonDown && !colSelected && arrivedSelected)) {
            AState = TGridDrawState{gdSelected};
            ABrush.SetColor(selColor);
            selectionColours();
        }
    }
    // 11. The normal selection.
    const bool disjunct = ma.DisjunctRowSelect() || ma.DisjunctColSelect();
    if ((canSelect && !disjunct && !ma.DisjunctCellSelect() && IsSelected(ACol, ARow)) ||
        (arrivedSelected && FMouseButtonDown && FShowSelection && !fixed)) {
        const TColor b = ABrush.Color();
        ABrush.SetColor(b == Color() ? selColor
                                     : MixSelectionColor(selColor, b, FSelectionColorMixer,
                                                         FSelectionColorMixerFactor));
        selectionColours();
        AState.Include(gdSelected);
    }
    // 12. Disjunct cell selection.
    if (ma.DisjunctCellSelect() && FShowSelection && Select && !Print && !fixed) {
        if (IsInSelectedCellList(ACol, ARow)) {
            ABrush.SetColor(selColor);
            selectionColours();
            AState.Include(gdSelected);
        } else if (ACol == Col() && ARow == Row()) {
            AState.Exclude(gdSelected);
            ABrush.SetColor(c0);
            AFont.SetColor(f0);
        }
    }
    // 13. A disabled grid.
    if (FUseDisabledFont && !Enabled())
        AFont.SetColor(FDisabledFontColor);
    // 14. Selected rows other than the current one, a little brighter.
    if (ma.DisjunctRowSelect() && AState.Contains(gdSelected) && ARow != Row() && FSelectionColorTo == clNone)
        ABrush.SetColor(ChangeBrightness(ABrush.Color(), 7));
    // 15.
    DoGetWordWrap(realCol, ARow, WW);
    GetCellAlignment(realCol, ARow, HA, VA);
    // Kept for the cell painter: a call with the selection that found the
    // cell unselected gives what a call without it would.
    FLastLook.Col = ACol;
    FLastLook.Row = ARow;
    FLastLook.PaintID = FPaintID;
    FLastLook.Reusable = Select && Remap && !Print && !arrivedSelected && !AState.Contains(gdSelected) &&
                         !ma.DisjunctRowSelect() && !ma.DisjunctColSelect() && !ma.DisjunctCellSelect() &&
                         !FMouseButtonDown;
    FLastLook.Brush = ABrush.Color();
    FLastLook.ColorTo = AColorTo;
    FLastLook.MirrorColor = AMirrorColor;
    FLastLook.MirrorColorTo = AMirrorColorTo;
    FLastLook.HA = HA;
    FLastLook.VA = VA;
    FLastLook.WW = WW;
    FLastLook.GD = GD;
    FLastLook.State = AState;
}

void TVynStringGrid::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont& AFont,
                                       TBrush& ABrush, bool Remap)
{
    const int rc = Remap ? DisplToRealCol(ACol) : RCol;
    const bool fixed = ACol < FixedCols() || ARow < FixedRows() || IsFixed(ACol, ARow);
    AFont.Assign(fixed ? *FFixedFont : Font());
    if (const TCellProperties* p = PropsAt(rc, ARow)) {
        if (p->BrushColor() != clNone)
            ABrush.SetColor(p->BrushColor());
        p->ApplyFont(AFont);
    }
    DoGetCellColor(rc, ARow, AState, &ABrush, &AFont);
}

void TVynStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    HAlign = FDefaultAlignment;
    VAlign = FVAlignment;
    const TCellProperties* props = PropsAt(ACol, ARow);
    // The text only when something depends on it.
    const String text = FAutoNumAlign || props ? GetCellEx(ACol, ARow) : String();
    const bool formula = text.startsWith(u'=');
    if (FAutoNumAlign) {
        String t = text;
        if (formula || (t.size() > 3 && t.startsWith(QStringLiteral("|\\")) && t.at(3) == u'='))
            t = GetFormulaText(ACol, ARow);
        t = t.trimmed();
        if (!t.isEmpty()) {
            const int nt = GetNumberType(t);
            if (nt == ntInteger || nt == ntDecimal || nt == ntExponent)
                HAlign = taRightJustify;
        }
    }
    if (props && !formula)
        HAlign = props->Alignment();
    DoGetAlignment(ACol, ARow, HAlign, VAlign);
}

// ---- the text as shown --------------------------------------------------------------------------

String TVynStringGrid::GetFormattedCell(int ACol, int ARow)
{
    const String text = GetCellEx(ACol, ARow);
    if (!OnGetFloatFormat)
        return text;
    const int nt = GetNumberType(text);
    if (nt != ntInteger && nt != ntDecimal && nt != ntExponent)
        return text;
    bool isFloat = true;
    String fmt = FFloatFormat;
    OnGetFloatFormat(this, ACol, ARow, isFloat, fmt);
    if (!isFloat || fmt.isEmpty())
        return text;
    // Any failure of the conversion or of the format shows the text itself;
    // only the checked formatter sees the format.
    try {
        const double v = fmt.contains(u'd') ? double(Ints(ACol, ARow)) : Floats(ACol, ARow);
        String result;
        if (TryFormatNumber(fmt, v, result))
            return result;
    } catch (const Exception&) {
    }
    return text;
}

// ---- text sizes ---------------------------------------------------------------------------------

TPoint TVynStringGrid::GetCellTextSize(int ACol, int ARow) { return GetCellTextSize(ACol, ARow, false, false); }

TPoint TVynStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB)
{
    return CalcCellTextSize(RealToDisplCol(ACol), ACol, ARow, VS, SB);
}

TPoint TVynStringGrid::CalcCellTextSize(int ADisplCol, int ARealCol, int ARow, bool VS, bool SB)
{
    // A canvas of its own: measuring never touches the grid's painting state.
    TBitmap scratch(1, 1);
    TCanvas& cv = scratch.Canvas();
    // 1. The text, its kind and its font.
    String text = GetFormattedCell(ARealCol, ARow);
    int kind = GetTextType(text, FEnableHTML);
    if (kind == ttFormula) {
        text = GetFormulaText(ARealCol, ARow);
        kind = GetTextType(text, FEnableHTML);
    }
    TGridDrawState state;
    GetFontProperties(ADisplCol, ARealCol, ARow, state, cv.Font(), cv.Brush(), false);
    if ((ADisplCol < FixedCols() || ARow < FixedRows()) && FActiveCellShow &&
        FActiveCellFont->Style().Contains(fsBold)) {
        TFontStyles st = cv.Font().Style();
        st.Include(fsBold);
        cv.Font().SetStyle(st);
    }
    if (FZoomFactor != 0)
        cv.Font().SetSize(cv.Font().Size() + FZoomFactor);
    // 2. The room.
    const TPoint cell = CellSize(ADisplCol, ARow);
    TRect r{0, 0, cell.X, cell.Y};
    if (FXYOffsetTopLeftOnly) {
        r.Left += FXYOffset.X;
        r.Top += FXYOffset.Y;
    } else {
        InflateRect(r, -FXYOffset.X, -FXYOffset.Y);
    }
    if (SB)
        r.Right -= 17;
    TPoint size;
    // 3. HTML, and rich text through the same line engine.
    if (kind == ttHTML || kind == ttRTF) {
        const String html = kind == ttRTF ? RTFToHTML(ParseRTF(text), cv.Font()) : text;
        r.Bottom = 0xFFFF;
        if (!VS)
            r.Right = 0xFFFF;
        THTMLDrawOptions o;
        o.MeasureOnly = true;
        o.WrapWords = kind == ttRTF ? VS : !FEnhTextSize;
        o.LinkColor = FURLColor;
        o.ImageList = GetGridImages();
        o.PictureCache = FImageCache;
        const THTMLDrawResult m = DrawHTMLText(cv, html, r, o);
        const int extra = kind == ttRTF ? 4 : 2;
        size = TPoint(m.LaidOutWidth + extra, m.LaidOutHeight + extra);
    } else if (VS) {
        // 5. Wrapped to the cell's width.
        InflateRect(r, -2, -2);
        int angle = 0;
        const bool rotated = IsRotated(ARealCol, ARow, angle);
        if (EditorMode() && ADisplCol == Col() && ARow == Row() && text.endsWith(u'\n'))
            text += u'w';
        TRect m = r;
        cv.DrawText(m, text,
                    DT_CALCRECT | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS |
                        (rotated ? DT_SINGLELINE : DT_WORDBREAK));
        size = TPoint(r.Width(), m.Height());
    } else {
        // 6. Line by line.
        String rest = text;
        int lines = 0, widest = 0;
        do {
            String line = CutFirstLine(rest, FMultilinecells);
            if (FURLShow && !FURLFull && kind == ttPlain)
                StripURLScheme(line);
            widest = std::max(widest, cv.TextWidth(line));
            ++lines;
        } while (!rest.isEmpty());
        size = TPoint(widest, cv.TextHeight(QStringLiteral("gh")) * lines);
    }
    // 7. A rotated text takes the box around its rotated extent.
    int angle = 0;
    if (IsRotated(ARealCol, ARow, angle)) {
        const double a = angle * M_PI / 180.0;
        const double w = size.X, h = size.Y;
        const int sw = int(std::fabs(w * std::cos(a))) + int(std::fabs(h * std::sin(a)));
        const int sh = int(std::fabs(w * std::sin(a))) + int(std::fabs(h * std::cos(a)));
        size = TPoint(sw + 12, sh + 12);
    }
    return size;
}
