// TBaseGrid: the cell store (texts, property objects, merged cells,
// freeing) and TCellProperties.
#include "grid/core/base_grid.h"

#include <algorithm>
#include <typeinfo>

#include "grid/core/cell_graphic.h"
#include "grid/core/grid_text.h"
#include "grid/core/grid_undo.h"

namespace {
const QString SInvalidCell = QStringLiteral("Invalid cell");

// A graphic the grid owns: exactly a TCellGraphic, not a user's subclass.
bool OwnedGraphic(const TObject* Graphic) { return Graphic && typeid(*Graphic) == typeid(TCellGraphic); }
}  // namespace

// ---- TCellProperties ----------------------------------------------------------------------------

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow), FWordWrap(AOwner ? AOwner->FWordWrap : true)
{
    if (AOwner)
        AOwner->FHasCellProps = true;
}

void TCellProperties::ApplyFont(TFont& AFont) const
{
    if (FontColor() != clNone)
        AFont.SetColor(FontColor());
    if (!FontStyle().Empty())
        AFont.SetStyle(FontStyle());
    if (FontSize() != 0)
        AFont.SetSize(FontSize());
    if (!FontName().isEmpty())
        AFont.SetName(FontName());
}

void TCellProperties::Repaint()
{
    if (FOwnerGrid)
        FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}

void TCellProperties::SetBrushColor(TColor Value)
{
    FBrushColor = Value;
    Repaint();
}

void TCellProperties::SetBrushColorTo(TColor Value)
{
    FBrushColorTo = Value;
    Repaint();
}

void TCellProperties::SetVAlignment(TVAlignment Value)
{
    FVAlignment = Value;
    Repaint();
}

void TCellProperties::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    Repaint();
}

TPoint TCellProperties::GetBaseCell(int c, int r) const
{
    if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1)
        return TPoint{c - FCellSpanX, r - FCellSpanY};
    return TPoint{c, r};
}

void TCellProperties::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TCellProperties*>(&Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    FIsBaseCell = s->FIsBaseCell;
    FCellSpanX = s->FCellSpanX;
    FCellSpanY = s->FCellSpanY;
    FOwnerRow = s->FOwnerRow;
    FOwnerCol = s->FOwnerCol;
    FObject = s->FObject;
    FAlignment = s->FAlignment;
    FBorderColor = s->FBorderColor;
    FBorderWidth = s->FBorderWidth;
    FBrushColor = s->FBrushColor;
    FBrushStyle = s->FBrushStyle;
    FFontColor = s->FFontColor;
    FFontStyle = s->FFontStyle;
    FFontName = s->FFontName;
    FFontSize = s->FFontSize;
    FReadOnly = s->FReadOnly;
    FEditor = s->FEditor;
    FVAlignment = s->FVAlignment;
    FWordWrap = s->FWordWrap;
    FNodeLevel = s->FNodeLevel;
    FControl = s->FControl;
}

// ---- TBaseGrid: life cycle and properties -------------------------------------------------------

TBaseGrid::TBaseGrid(TComponent* AOwner) : TStringGrid(AOwner)
{
    TStringGrid::SetGridLineWidth(0);
    TStringGrid::SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid()
{
    Destroying();
    FreeAllCellObjects();
    if (FUndoRedo) {
        FUndoRedo->RemoveFreeNotification(this);
        if (FUndoRedo->Grid() == this)
            FUndoRedo->SetGrid(nullptr);
        FUndoRedo = nullptr;
    }
}

void TBaseGrid::SetActiveRowShow(bool Value)
{
    if (Value != FActiveRowShow) {
        FActiveRowShow = Value;
        Invalidate();
    }
}

void TBaseGrid::SetActiveRowColor(TColor Value)
{
    if (Value != FActiveRowColor) {
        FActiveRowColor = Value;
        Invalidate();
    }
}

void TBaseGrid::SetActiveRowColorTo(TColor Value)
{
    if (Value != FActiveRowColorTo) {
        FActiveRowColorTo = Value;
        Invalidate();
    }
}

void TBaseGrid::SetActiveRowMirrorColor(TColor Value)
{
    if (Value != FActiveRowMirrorColor) {
        FActiveRowMirrorColor = Value;
        Invalidate();
    }
}

void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value)
{
    if (Value != FActiveRowMirrorColorTo) {
        FActiveRowMirrorColorTo = Value;
        Invalidate();
    }
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value)
{
    if (Value != FSelectionStyle) {
        FSelectionStyle = Value;
        Invalidate();
    }
}

void TBaseGrid::SetDefaultDrawing(bool Value)
{
    FDefaultDrawing = Value;
    TStringGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetGridLineWidth(int Value)
{
    FGridLineWidth = std::max(0, Value);
    TStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value)
{
    FGridLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value)
{
    FGridFixedLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetUndoRedo(TVynGridUndoRedo* Value)
{
    if (Value == FUndoRedo)
        return;
    if (FUndoRedo) {
        FUndoRedo->RemoveFreeNotification(this);
        if (FUndoRedo->Grid() == this)
            FUndoRedo->SetGrid(nullptr);
    }
    FUndoRedo = Value;
    if (FUndoRedo) {
        FUndoRedo->FreeNotification(this);
        FUndoRedo->SetGrid(this);
    }
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent && AComponent == FUndoRedo)
        FUndoRedo = nullptr;
    TStringGrid::Notification(AComponent, Operation);
}

// ---- cell text ----------------------------------------------------------------------------------

String TBaseGrid::GetCellEx(int ACol, int ARow)
{
    int bc = ACol, br = ARow;
    GetBaseCellOf(ACol, ARow, bc, br);
    String value = TStringGrid::Cells(bc, br);
    if (br < FNormalRowCount) {
        GetDisplText(bc, br, value);
        if (OnGetDisplWideText) {
            String wide = DecodeWideCellText(value);
            GetDisplWideText(bc, br, wide);
            value = EncodeWideCellText(wide);
        }
    }
    return value;
}

void TBaseGrid::SetCellEx(int ACol, int ARow, const String& Value)
{
    if (PropsAt(ACol, ARow)) {
        TPoint b;
        GetBaseCellOf(ACol, ARow, b.X, b.Y);
        TStringGrid::SetCells(b.X, b.Y, Value);
        CellTextChanged(b.X, b.Y);
        if (Parent())
            RepaintCell(ACol, ARow);
    } else {
        TStringGrid::SetCells(ACol, ARow, Value);
    }
    if (FHideLastRow && ARow == RowCount() - 1)
        EmptyHook();
}

// ---- objects of a cell --------------------------------------------------------------------------

TCellProperties* TBaseGrid::PropsAt(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0 || ARow >= RowCount() || ACol >= StoredColCount())
        return nullptr;
    TObject* o = TStringGrid::Objects(ACol, ARow);
    return o ? dynamic_cast<TCellProperties*>(o) : nullptr;
}

void TBaseGrid::CheckCell(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount())
        throw Exception(SInvalidCell);
}

bool TBaseGrid::HasCellProperties(int ACol, int ARow) const
{
    if (ACol >= const_cast<TBaseGrid*>(this)->TotalColCount())
        return false;
    return PropsAt(ACol, ARow) != nullptr;
}

TCellProperties* TBaseGrid::GetCellProperties(int ACol, int ARow)
{
    CheckCell(ACol, ARow);
    if (TCellProperties* p = PropsAt(ACol, ARow))
        return p;
    auto* p = new TCellProperties(this, ACol, ARow);
    TStringGrid::SetObjects(ACol, ARow, p);
    TFont font;
    TBrush brush;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = TVAlignment::vtaTop;
    bool ww = FWordWrap;
    TCellGradientDirection gd = TCellGradientDirection::GradientVertical;
    GetDefaultCellLook(ACol, ARow, font, brush, colorTo, mirror, mirrorTo, ha, va, ww, gd);
    p->SetCalcType(TColumnCalcType::acNONE);
    // Straight into the fields: a new object repaints nothing.
    p->FAlignment = ha;
    p->FVAlignment = va;
    p->FWordWrap = ww;
    p->FFontName = font.Name();
    p->FFontSize = font.Size();
    p->FFontStyle = font.Style();
    p->FFontColor = font.Color();
    p->FBrushColor = brush.Color();
    p->FBrushColorTo = colorTo;
    p->FGradientDirection = gd;
    return p;
}

void TBaseGrid::FreeProps(TCellProperties* Props)
{
    if (!Props)
        return;
    if (OwnedGraphic(Props->GraphicObject()))
        delete Props->GraphicObject();
    delete Props;
}

void TBaseGrid::SetCellProperties(int ACol, int ARow, TCellProperties* Value)
{
    CheckCell(ACol, ARow);
    TCellProperties* old = PropsAt(ACol, ARow);
    if (old == Value)
        return;
    TStringGrid::SetObjects(ACol, ARow, Value);
    FreeProps(old);
}

TObject* TBaseGrid::GetObjectEx(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p ? p->CellObject() : nullptr;
}

void TBaseGrid::SetObjectEx(int ACol, int ARow, TObject* Value) { GetCellProperties(ACol, ARow)->SetCellObject(Value); }

TObject* TBaseGrid::GetGraphicObjectEx(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p ? p->GraphicObject() : nullptr;
}

void TBaseGrid::SetGraphicObjectEx(int ACol, int ARow, TObject* Value)
{
    if (ComponentState().Contains(TComponentStateItem::csDestroying))
        return;
    GetCellProperties(ACol, ARow)->SetGraphicObject(Value);
}

TObject* TBaseGrid::GetPropsGraphic(const TCellProperties* AProps) const
{
    return AProps ? AProps->GraphicObject() : nullptr;
}

// ---- merged cells -------------------------------------------------------------------------------

bool TBaseGrid::GetBaseCellOf(int ACol, int ARow, int& BaseCol, int& BaseRow) const
{
    BaseCol = ACol;
    BaseRow = ARow;
    if (const TCellProperties* p = PropsAt(ACol, ARow)) {
        const TPoint b = p->GetBaseCell(ACol, ARow);
        // Merge data that points outside the stored cells (rows moved
        // through a merge) is taken as no merge.
        if (b.X >= 0 && b.Y >= 0 && b.X < StoredColCount() && b.Y < RowCount()) {
            BaseCol = b.X;
            BaseRow = b.Y;
        }
    }
    return BaseCol == ACol && BaseRow == ARow;
}

TPoint TBaseGrid::BaseCell(int ACol, int ARow) const
{
    TPoint b;
    GetBaseCellOf(ACol, ARow, b.X, b.Y);
    return b;
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    return !p || p->IsBaseCell();
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p && (p->CellSpanX() > 0 || p->CellSpanY() > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const
{
    return IsMergedCell(ACol, ARow) && !IsBaseCell(ACol, ARow);
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const
{
    return PropsAt(ACol, ARow) && CellSpan(ACol, ARow).X > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const
{
    return PropsAt(ACol, ARow) && CellSpan(ACol, ARow).Y > 0;
}

TPoint TBaseGrid::CellSpan(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    if (!p || p->CellSpanX() == -1 || p->CellSpanY() == -1)
        return TPoint{0, 0};
    const TPoint b = p->GetBaseCell(ACol, ARow);
    const TCellProperties* bp = PropsAt(b.X, b.Y);
    if (!bp)
        return TPoint{0, 0};
    return TPoint{std::max(0, bp->CellSpanX()), std::max(0, bp->CellSpanY())};
}

TPoint TBaseGrid::CellExt(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    if (!p || p->CellSpanX() == -1 || p->CellSpanY() == -1)
        return TPoint{0, 0};
    const TPoint b = p->GetBaseCell(ACol, ARow);
    const TPoint s = CellSpan(ACol, ARow);
    return TPoint{b.X + s.X - ACol, b.Y + s.Y - ARow};
}

TRect TBaseGrid::FullCell(int ACol, int ARow) const
{
    const TPoint b = BaseCell(ACol, ARow);
    const TPoint s = CellSpan(ACol, ARow);
    return TRect{b.X, b.Y, b.X + s.X, b.Y + s.Y};
}

int TBaseGrid::MinRowSpan(int ARow) const
{
    int result = RowCount();
    const int cols = const_cast<TBaseGrid*>(this)->TotalColCount();
    for (int c = 0; c < cols; ++c) {
        const int y = CellSpan(c, ARow).Y;
        if (y > 0 && y < result)
            result = y;
    }
    return result;
}

int TBaseGrid::MaxRowSpan(int ARow) const
{
    int result = 0;
    const int cols = const_cast<TBaseGrid*>(this)->TotalColCount();
    for (int c = 0; c < cols; ++c)
        result = std::max(result, CellSpan(c, ARow).Y);
    return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const
{
    bool found = false;
    for (int c = 0; c < ColCount(); ++c)
        if (CellSpan(c, ARow1).Y > 0 && CellSpan(c, ARow2).Y > 0) {
            found = true;
            if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y)
                return false;
        }
    return found;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const
{
    bool found = false;
    for (int r = 0; r < RowCount(); ++r) {
        const int x1 = CellSpan(ACol1, r).X, x2 = CellSpan(ACol2, r).X;
        if (x1 > 0 && x2 > 0) {
            found = true;
            if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X)
                return false;
        } else if (x1 != x2) {
            return false;
        }
    }
    return found;
}

void TBaseGrid::MergeCells(int ACol, int ARow, int SpanX, int SpanY)
{
    if (SpanX < 1 || SpanY < 1)
        return;
    if (ACol < 0 || ARow < 0 || SpanX > TotalColCount() - ACol || SpanY > RowCount() - ARow)
        throw Exception(SInvalidCell);
    // Merges reaching into the rectangle go first.
    for (int i = ACol; i < ACol + SpanX; ++i)
        for (int j = ARow; j < ARow + SpanY; ++j)
            if (const TCellProperties* p = PropsAt(i, j); p && (p->CellSpanX() != -1 || p->CellSpanY() != -1))
                SplitCells(i, j);
    ++FMergeCount;
    for (int i = ACol; i < ACol + SpanX; ++i)
        for (int j = ARow; j < ARow + SpanY; ++j) {
            TCellProperties* p = GetCellProperties(i, j);
            const bool base = i == ACol && j == ARow;
            p->SetIsBaseCell(base);
            p->SetCellSpanX(base ? SpanX - 1 : i - ACol);
            p->SetCellSpanY(base ? SpanY - 1 : j - ARow);
        }
    for (int i = ACol; i < ACol + SpanX; ++i)
        for (int j = ARow; j < ARow + SpanY; ++j)
            RepaintCell(i, j);
}

void TBaseGrid::SplitCells(int ACol, int ARow)
{
    CheckCell(ACol, ARow);
    TCellProperties* p = PropsAt(ACol, ARow);
    if (!p || (p->CellSpanX() == -1 && p->CellSpanY() == -1))
        return;
    const TPoint b = p->GetBaseCell(ACol, ARow);
    const TCellProperties* bp = PropsAt(b.X, b.Y);
    const int sx = bp ? std::max(0, bp->CellSpanX()) : 0;
    const int sy = bp ? std::max(0, bp->CellSpanY()) : 0;
    // Kept inside the stored cells, however the merge data reads.
    const int c0 = std::max(0, b.X), r0 = std::max(0, b.Y);
    const int c1 = std::min(b.X + sx, StoredColCount() - 1), r1 = std::min(b.Y + sy, RowCount() - 1);
    for (int i = c0; i <= c1; ++i)
        for (int j = r0; j <= r1; ++j)
            if (TCellProperties* q = PropsAt(i, j)) {
                q->SetIsBaseCell(true);
                q->SetCellSpanX(-1);
                q->SetCellSpanY(-1);
            }
    // The cell asked for, also when the merge data pointed elsewhere.
    p->SetIsBaseCell(true);
    p->SetCellSpanX(-1);
    p->SetCellSpanY(-1);
    for (int i = c0; i <= c1; ++i)
        for (int j = r0; j <= r1; ++j)
            RepaintCell(i, j);
    if (FMergeCount > 0)
        --FMergeCount;
}

// ---- clearing and freeing -----------------------------------------------------------------------

void TBaseGrid::ClearCell(int ACol, int ARow)
{
    SetCellEx(ACol, ARow, String());
    TStringGrid::SetObjects(ACol, ARow, nullptr);
}

void TBaseGrid::ClearColCells(int ACol)
{
    for (int r = 0; r < RowCount(); ++r) {
        TStringGrid::SetObjects(ACol, r, nullptr);
        SetCellEx(ACol, r, String());
    }
}

void TBaseGrid::ClearRowCells(int ARow)
{
    for (int c = 0; c < ColCount(); ++c) {
        TStringGrid::SetObjects(c, ARow, nullptr);
        SetCellEx(c, ARow, String());
    }
}

void TBaseGrid::FreeCellObjects(int ACol1, int ARow1, int ACol2, int ARow2)
{
    if (!FHasCellProps)
        return;
    const int c0 = std::max(0, ACol1), r0 = std::max(0, ARow1);
    const int c1 = std::min(ACol2, StoredColCount() - 1), r1 = std::min(ARow2, RowCount() - 1);
    // Row by row: the cells of a row are stored together.
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            if (TCellProperties* p = PropsAt(c, r)) {
                TStringGrid::SetObjects(c, r, nullptr);
                FreeProps(p);
            }
}

void TBaseGrid::FreeCellProperties(int ACol, int ARow)
{
    if (ACol >= TotalColCount())
        return;
    if (TCellProperties* p = PropsAt(ACol, ARow)) {
        TStringGrid::SetObjects(ACol, ARow, nullptr);
        FreeProps(p);
    }
}

void TBaseGrid::FreeAllCellObjects()
{
    FreeCellObjects(0, 0, std::max(StoredColCount(), TotalColCount()) - 1, RowCount() - 1);
}

void TBaseGrid::DropCells(const TGridRect& Rect)
{
    if (FHasCellProps) {
        const int c0 = std::max(0, Rect.Left), r0 = std::max(0, Rect.Top);
        const int c1 = std::min(Rect.Right, StoredColCount() - 1), r1 = std::min(Rect.Bottom, RowCount() - 1);
        // A merge reaching into the leaving cells falls apart first, so no
        // cell left behind points at a cell that is gone.
        for (int c = c0; c <= c1; ++c)
            for (int r = r0; r <= r1; ++r)
                if (const TCellProperties* p = PropsAt(c, r); p && (p->CellSpanX() != -1 || p->CellSpanY() != -1))
                    if (c < TotalColCount())
                        SplitCells(c, r);
        FreeCellObjects(c0, r0, c1, r1);
    }
    TStringGrid::DropCells(Rect);
}

// ---- virtual operations -------------------------------------------------------------------------

bool TBaseGrid::IsFixed(int, int) { return false; }
int TBaseGrid::GetRowIndent(int) { return 0; }
bool TBaseGrid::HasNodes() { return false; }
void TBaseGrid::EmptyHook() {}

void TBaseGrid::GetDisplText(int ACol, int ARow, String& Value)
{
    if (OnGetDisplText)
        OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, String& Value)
{
    if (OnGetDisplWideText)
        OnGetDisplWideText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDefaultCellLook(int, int, TFont& AFont, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                   TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                                   TCellGradientDirection& GD)
{
    AFont.Assign(Font());
    ABrush.SetColor(Color());
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    HA = taLeftJustify;
    VA = TVAlignment::vtaTop;
    WW = FWordWrap;
    GD = TCellGradientDirection::GradientVertical;
}

void TBaseGrid::CellTextChanged(int, int) {}
bool TBaseGrid::HasCellBorderEvent() { return false; }
bool TBaseGrid::UsesPlatformStyles() { return false; }

void TBaseGrid::GetVisualProperties(int, int, TGridDrawState&, bool, bool, bool, TBrush&, TColor&, TColor&, TColor&,
                                    TFont&, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&)
{
}

int TBaseGrid::DisplColIndex(int ACol) { return ACol; }
int TBaseGrid::TotalColCount() { return ColCount(); }
