#include "grid/core/column_grid.h"

#include <algorithm>
#include <utility>

#include "grid/core/cell_graphic.h"
#include "grid/core/grid_options.h"
#include "grid/core/grid_text.h"
#include "grid/edit/grid_simple_editors.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/menus.h"
#include "platform/gui/stdctrls.h"
#include "platform/rtl/strings.h"

namespace {

// The name of a filter entry "Name=Condition" (all of it without "="), and
// its condition.
String FilterEntryName(const String& E)
{
    const qsizetype p = E.indexOf(u'=');
    return p < 0 ? E : E.left(p);
}

// Sets the colour unless the brush has it already (a change tells the
// brush's owner, an equal colour does not).
void KeepBrushColor(TBrush& B, TColor C)
{
    if (B.Color() != C)
        B.SetColor(C);
}

String FilterEntryCondition(const String& E)
{
    const qsizetype p = E.indexOf(u'=');
    return p < 0 ? E : E.mid(p + 1);
}

}  // namespace

TVynColumnGrid::TVynColumnGrid(TComponent* AOwner)
    : TVynStringGrid(AOwner),
      FColumns(std::make_unique<TGridColumnCollection>(this)),
      FSaveCol(std::make_unique<TGridColumnItem>(nullptr)),
      FColumnCheckGraphic(std::make_unique<TCellGraphic>())
{
    NoRecursion guard(*FColumns);
    SyncColumnCount();
}

TVynColumnGrid::~TVynColumnGrid()
{
    // The definitions go without telling a grid that is going too.
    FColumns->SetNoRecursiveUpdate(true);
    FColumns.reset();
}

void TVynColumnGrid::SetColCount(int Value)
{
    TVynStringGrid::SetColCount(Value);
    if (FColumnOp)
        return;
    NoRecursion guard(*FColumns);
    SyncColumnCount();
}

void TVynColumnGrid::SyncColumnCount()
{
    NoRecursion guard(*FColumns);
    const int want = ColCount() + NumHiddenColumns();
    while (FColumns->Count() < want)
        FColumns->Add();
    while (FColumns->Count() > want)
        FColumns->Delete(FColumns->Count() - 1);
}

TGridColumnItem* TVynColumnGrid::ColumnByName(const String& AName) const
{
    for (int i = 0; i < FColumns->Count(); ++i)
        if (FColumns->Items(i)->Name() == AName)
            return FColumns->Items(i);
    return nullptr;
}

void TVynColumnGrid::RebuildColumnHeaders()
{
    // The list follows the headers with or without a fixed row; only a
    // fixed row has header cells whose text a column without a header takes.
    TStringList& list = *ColumnHeaders();
    list.Clear();
    const bool cells = FixedRows() > 0;
    const int total = TotalColCount();
    for (int i = 0; i < FColumns->Count(); ++i) {
        TGridColumnItem* c = FColumns->Items(i);
        if (cells && c->Header().isEmpty() && i < total) {
            const String t = AllCells(i, 0);
            if (!t.isEmpty())
                c->SetHeaderText(t);
        }
        list.Add(c->Header());
    }
}

void TVynColumnGrid::ColumnHeadersChanged()
{
    const TStringList& list = *ColumnHeaders();
    const int n = std::min(FColumns->Count(), list.Count());
    for (int i = 0; i < n; ++i)
        FColumns->Items(i)->SetHeaderText(list.Strings(i));
}

void TVynColumnGrid::Loaded()
{
    TVynStringGrid::Loaded();
    SyncColumnCount();
    FColumns->SetOrganization();
}

void TVynColumnGrid::RecalcFooter()
{
    TVynStringGrid::RecalcFooter();
    SyncColumnCount();
}

bool TVynColumnGrid::IsInnerDataCell(int ACol, int ARow) const
{
    return InnerColumn(ACol, ARow) != nullptr;
}

TGridColumnItem* TVynColumnGrid::InnerColumn(int ACol, int ARow) const
{
    if (ACol < FixedCols() || ARow < FixedRows() || ARow >= RowCount() - FixedFooters() ||
        ACol >= ColCount() + NumHiddenColumns() - FixedRightCols() || ACol >= FColumns->Count())
        return nullptr;
    return FColumns->Items(ACol);
}

// ---- the per-cell answers -------------------------------------------------------------------

void TVynColumnGrid::GetDefaultCellLook(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                        TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                        TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    if (!IsColumnCell(ACol)) {
        TVynStringGrid::GetDefaultCellLook(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA, VA,
                                           WW, GD);
        return;
    }
    const TGridColumnItem* c = FColumns->Items(ACol);
    AFont.Assign(*c->Font());
    ABrush.SetColor(c->Color());
    AColorTo = clNone;
    HA = ARow < FixedRows() ? c->HeaderAlignment() : c->Alignment();
    VA = VAlignment();
    WW = WordWrap();
    GD = TCellGradientDirection::GradientVertical;
    if (IsFixed(DisplColIndex(ACol), ARow) || (Bands()->Active() && c->ShowBands())) {
        ABrush.SetColor(clNone);
        AColorTo = clNone;
    }
}

void TVynColumnGrid::DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    // One look-up of the cell's property object serves both answers.
    const TCellProperties* p = PropsAt(ACol, ARow);
    if (IsColumnCell(ACol) && ACol >= FixedCols() && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() &&
        ARow < RowCount() - FixedFooters()) {
        const TGridColumnItem* c = FColumns->Items(ACol);
        const bool header = ARow < FixedRows();
        // Painting asks this for every cell: a brush or a font that is
        // already the column's is left alone.
        if (c->Fixed())
            KeepBrushColor(*ABrush, FixedColor());
        else if (!header && !(c->ShowBands() && Bands()->Active()))
            KeepBrushColor(*ABrush, c->Color());
        const TFont& f = header ? *c->HeaderFont() : *c->Font();
        if (!(*AFont == f))
            AFont->Assign(f);
        if (p) {
            if (p->BrushColor() != clNone)
                ABrush->SetColor(p->BrushColor());
            if (p->FontColor() != clNone)
                AFont->SetColor(p->FontColor());
        }
    }
    CellColorOfProps(ACol, ARow, AState, ABrush, AFont, p);
}

void TVynColumnGrid::DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (IsColumnCell(ACol)) {
        const TGridColumnItem* c = FColumns->Items(ACol);
        const bool edge = ACol < FixedCols() || ARow < FixedRows() ||
                          ACol >= ColCount() + NumHiddenColumns() - FixedRightCols() ||
                          ARow >= RowCount() - FixedFooters();
        // The print settings carry no fonts of their own yet: the grid's
        // fixed font and font stand in for them.
        if (edge) {
            AFont->Assign(*FixedFont());
        } else {
            const TCellProperties* p = PropsAt(ACol, ARow);
            if (c->Fixed())
                ABrush->SetColor(FixedColor());
            else {
                if (!(c->ShowBands() && Bands()->Active() && Bands()->Print()))
                    ABrush->SetColor(c->PrintColor());
                if (p && p->BrushColor() != clNone)
                    ABrush->SetColor(p->BrushColor());
            }
            if (c->PrintFontCustom()) {
                AFont->Assign(*c->PrintFont());
                if (p)
                    p->ApplyFont(*AFont);
            } else {
                AFont->Assign(Font());
            }
        }
    }
    TVynStringGrid::DoGetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TVynColumnGrid::DoGetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    if (IsDataCell(ACol, ARow)) {
        const TGridColumnItem* c = FColumns->Items(ACol);
        Borders = c->Borders();
        APen->SetColor(c->BorderPen()->Color());
        APen->SetWidth(c->BorderPen()->Width());
        APen->SetStyle(c->BorderPen()->Style());
    }
    TVynStringGrid::DoGetCellBorder(ACol, ARow, APen, Borders);
}

void TVynColumnGrid::DoGetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    if (IsDataCell(ACol, ARow) && FColumns->Items(ACol)->PrintBorderCustom()) {
        const TGridColumnItem* c = FColumns->Items(ACol);
        Borders = c->PrintBorders();
        APen->Assign(*c->PrintBorderPen());
    }
    TVynStringGrid::DoGetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TVynColumnGrid::DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (IsColumnCell(ACol)) {
        const TGridColumnItem* c = FColumns->Items(ACol);
        HAlign = ARow < FixedRows() ? c->HeaderAlignment() : c->Alignment();
        if (const TCellProperties* p = PropsAt(ACol, ARow))
            HAlign = p->Alignment();
    }
    TVynStringGrid::DoGetAlignment(ACol, ARow, HAlign, VAlign);
}

void TVynColumnGrid::DoGetFormat(int ACol, TSortStyle& AStyle, String& Prefix, String& Suffix)
{
    if (IsColumnCell(ACol)) {
        const TGridColumnItem* c = FColumns->Items(ACol);
        AStyle = c->SortStyle();
        Prefix = c->SortPrefix();
        Suffix = c->SortSuffix();
    }
    TVynStringGrid::DoGetFormat(ACol, AStyle, Prefix, Suffix);
}

void TVynColumnGrid::DoGetEditorType(int ACol, int ARow, TEditorType& AEditor)
{
    // The column's float format is not written into the grid's own: the
    // float format of a cell already comes from its column.
    if (IsDataCell(ACol, ARow)) {
        const TGridColumnItem* c = FColumns->Items(ACol);
        AEditor = c->Editor();
        // The grid's one combo editor carries the items of the column
        // being edited.
        if (auto* combo = dynamic_cast<TComboBox*>(Combobox())) {
            combo->Items().Assign(*c->ComboItems());
            combo->SetDropDownCount(c->DropDownCount());
            ControlLook()->SetDropDownCount(c->DropDownCount());
        }
        SetEditLink(c->EditLink());
        // The spin editor carries the limits of the column being edited; it
        // is made for the first spin column.
        const TEditorType e = c->Editor();
        if (FEditSpin || e == TEditorType::edSpinEdit || e == TEditorType::edFloatSpinEdit ||
            e == TEditorType::edTimeSpinEdit || e == TEditorType::edDateSpinEdit) {
            TGridSpin* spin = SpinEdit();
            spin->SetMinValue(c->SpinMin());
            spin->SetMaxValue(c->SpinMax());
            spin->SetIncrement(c->SpinStep());
        }
    }
    TVynStringGrid::DoGetEditorType(ACol, ARow, AEditor);
}

void TVynColumnGrid::DoIsFixedCell(int ACol, int ARow, bool& IsFixed)
{
    const int rc = RealColIndex(ACol);
    if (IsColumnCell(rc) && ACol >= FixedCols() && ARow >= FixedRows())
        IsFixed = FColumns->Items(rc)->Fixed();
    TVynStringGrid::DoIsFixedCell(ACol, ARow, IsFixed);
}

void TVynColumnGrid::DoCanEditCell(int ACol, int ARow, bool& CanEdit)
{
    // The grid's own editing options are not asked: a data cell is editable
    // exactly when its column is neither read-only nor fixed, the cell is
    // not read-only and the event lets it.
    CanEdit = false;
    if (!Loading() && IsDataCell(ACol, ARow)) {
        const TGridColumnItem* c = FColumns->Items(ACol);
        CanEdit = !(c->ReadOnly() || c->Fixed());
    }
    if (CanEdit)
        if (const TCellProperties* p = PropsAt(ACol, ARow))
            CanEdit = !p->ReadOnly();
    if (OnCanEditCell) {
        int bc = ACol, br = ARow;
        GetBaseCellOf(ACol, ARow, bc, br);
        OnCanEditCell(this, br, bc, CanEdit);
    }
}

void TVynColumnGrid::DoIsPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (IsColumnCell(ACol))
        IsPassword = FColumns->Items(ACol)->Password();
    TVynStringGrid::DoIsPasswordCell(ACol, ARow, IsPassword);
}

bool TVynColumnGrid::DoHasComboBox(int ACol, int ARow)
{
    bool has = false;
    if (IsDataCell(ACol, ARow)) {
        const TEditorType e = FColumns->Items(ACol)->Editor();
        has = e == TEditorType::edComboEdit || e == TEditorType::edComboList;
    }
    if (OnHasComboBox)
        OnHasComboBox(this, ACol, ARow, has);
    return has;
}

// The string grid's answer (its text and the event) is overruled by the
// column's in an inner data cell: it is asked only when there is an event
// to tell.
String TVynColumnGrid::GetCheckTrue(int ACol, int ARow)
{
    const TGridColumnItem* c = InnerColumn(ACol, ARow);
    if (c && !OnGetCheckTrue)
        return c->CheckTrue();
    const String v = TVynStringGrid::GetCheckTrue(ACol, ARow);
    return c ? c->CheckTrue() : v;
}

String TVynColumnGrid::GetCheckFalse(int ACol, int ARow)
{
    const TGridColumnItem* c = InnerColumn(ACol, ARow);
    if (c && !OnGetCheckFalse)
        return c->CheckFalse();
    const String v = TVynStringGrid::GetCheckFalse(ACol, ARow);
    return c ? c->CheckFalse() : v;
}

TCellType TVynColumnGrid::GetCellType(int ACol, int ARow)
{
    // Only an empty cell of a data check-box column changes its kind: the
    // cells of every other column take the string grid's answer straight
    // away, and the cell's region is worked out only for such a column.
    if (Destroying() || !IsColumnCell(ACol) || FColumns->Items(ACol)->Editor() != TEditorType::edDataCheckBox)
        return TVynStringGrid::GetCellType(ACol, ARow);
    const TCellType t = TVynStringGrid::GetCellType(ACol, ARow);
    return t == TCellType::ctEmpty && IsInnerDataCell(ACol, ARow) ? TCellType::ctDataCheckBox : t;
}

TCellGraphic* TVynColumnGrid::GetCellGraphic(int ACol, int ARow)
{
    TCellGraphic* g = TVynStringGrid::GetCellGraphic(ACol, ARow);
    const TGridColumnItem* c = g || Destroying() ? nullptr : InnerColumn(ACol, ARow);
    if (c && c->Editor() == TEditorType::edDataCheckBox) {
        g = FColumnCheckGraphic.get();
        g->SetCellType(TCellType::ctVirtCheckBox);
        g->SetCellTransparent(ControlLook()->ControlStyle() == VynObj::TControlStyle::csFlat);
    }
    return g;
}

String TVynColumnGrid::GetFormattedCell(int ACol, int ARow)
{
    if (!IsColumnCell(ACol))
        return TVynStringGrid::GetFormattedCell(ACol, ARow);
    String fmt = FColumns->Items(ACol)->FloatFormat();
    const String s = AllCells(ACol, ARow);
    const int kind = GetNumberType(s);
    bool isFloat = kind == ntInteger || kind == ntDecimal;
    if (OnGetFloatFormat)
        OnGetFloatFormat(this, ACol, ARow, isFloat, fmt);
    // An event may claim a float the text is not: the text is shown then.
    if (fmt.isEmpty() || !isFloat || CleanNumberText(s).isEmpty())
        return s;
    try {
        String out;
        if (TryFormatNumber(fmt, Floats(DisplColIndex(ACol), ARow), out))
            return out;
    } catch (const Exception&) {
    }
    return s;
}

void TVynColumnGrid::GetCellFloatFormat(int ACol, int ARow, String& Fmt)
{
    TVynStringGrid::GetCellFloatFormat(ACol, ARow, Fmt);
    if (IsColumnCell(ACol) && !FColumns->Items(ACol)->FloatFormat().isEmpty())
        Fmt = FColumns->Items(ACol)->FloatFormat();
}

void TVynColumnGrid::UpdateColSize(int ACol, int& AWidth)
{
    if (IsColumnCell(ACol)) {
        const TGridColumnItem* c = FColumns->Items(ACol);
        if (c->MinSize() > 0 && AWidth < c->MinSize())
            AWidth = c->MinSize();
        if (c->MaxSize() > 0 && AWidth > c->MaxSize())
            AWidth = c->MaxSize();
    }
    TVynStringGrid::UpdateColSize(ACol, AWidth);
}

void TVynColumnGrid::UpdateAutoColSize(int ACol, int& AWidth)
{
    if (IsColumnCell(ACol)) {
        const TGridColumnItem* c = FColumns->Items(ACol);
        if (c->AutoMinSize() > 0 && AWidth < c->AutoMinSize())
            AWidth = c->AutoMinSize();
        if (c->AutoMaxSize() > 0 && AWidth > c->AutoMaxSize())
            AWidth = c->AutoMaxSize();
    }
    TVynStringGrid::UpdateAutoColSize(ACol, AWidth);
}

bool TVynColumnGrid::DoGetColumnFilter(int ACol)
{
    FilterList()->SetSorted(false);
    TVynStringGrid::DoGetColumnFilter(ACol);
    if (!IsColumnCell(ACol) || FColumns->Items(ACol)->Filter()->Count() == 0)
        return false;
    TStringList& list = *FilterList();
    list.SetSorted(false);
    list.Clear();
    const TStringList& f = *FColumns->Items(ACol)->Filter();
    for (int i = 0; i < f.Count(); ++i)
        list.Add(FilterEntryName(f.Strings(i)));
    return true;
}

void TVynColumnGrid::DoFilterSelect(int ItemIndex)
{
    const int f = FFilterColumn;
    if (IsColumnCell(f) && ItemIndex >= 0 && ItemIndex < FColumns->Items(f)->Filter()->Count()) {
        TGridColumnItem* c = FColumns->Items(f);
        const String e = c->Filter()->Strings(ItemIndex);
        const String name = FilterEntryName(e);
        if (FAutoFilterDisplay)
            c->SetHeader(name);
        ApplyFilterChoice(f, ItemIndex, name, FilterEntryCondition(e), c->FilterCaseSensitive() ? 1 : 0);
    }
    FFilterColumn = -1;
}

// ---- column operations ---------------------------------------------------------------------

namespace {

// A flag set for a scope and given back on every path.
class SwitchOn {
public:
    explicit SwitchOn(bool& Flag) : flag_(Flag), was_(std::exchange(Flag, true)) {}
    ~SwitchOn() { flag_ = was_; }
    SwitchOn(const SwitchOn&) = delete;
    SwitchOn& operator=(const SwitchOn&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace

void TVynColumnGrid::InsertCols(int ColIndex, int CCount)
{
    const int before = TotalColCount();
    {
        SwitchOn op(FColumnOp);
        TVynStringGrid::InsertCols(ColIndex, CCount);
    }
    const int added = TotalColCount() - before;
    NoRecursion guard(*FColumns);
    const int at = std::clamp(ColIndex, 0, FColumns->Count());
    for (int i = 0; i < added; ++i)
        FColumns->Insert(at);
    SyncColumnCount();
}

void TVynColumnGrid::RemoveCols(int ColIndex, int CCount)
{
    const int before = TotalColCount();
    {
        SwitchOn op(FColumnOp);
        TVynStringGrid::RemoveCols(ColIndex, CCount);
    }
    int removed = before - TotalColCount();
    NoRecursion guard(*FColumns);
    while (removed-- > 0 && ColIndex >= 0 && ColIndex < FColumns->Count())
        FColumns->Delete(ColIndex);
    SyncColumnCount();
}

void TVynColumnGrid::Group(int Colindex)
{
    // A grouped grid gets its column definition back before another is
    // kept (the column numbers are those of the flat grid again).
    if (GroupColumn() > 0 && Colindex >= FixedCols() && Colindex < TotalColCount())
        UnGroup();
    if (IsColumnCell(Colindex))
        FSaveCol->Assign(*FColumns->Items(Colindex));
    TVynStringGrid::Group(Colindex);
}

void TVynColumnGrid::UnGroup()
{
    // The column Group took out, also while sub-groups stand.
    const int noted = FSubGroupColumns.empty() ? GroupColumn() : FMainGroupColumn;
    TVynStringGrid::UnGroup();
    // Only a column that came back takes its kept definition.
    if (noted != -1 && GroupColumn() != noted && IsColumnCell(noted))
        FColumns->Items(noted)->Assign(*FSaveCol);
}

int TVynColumnGrid::GetVersionNr() { return 0x03010301; }

String TVynColumnGrid::GetVersionString()
{
    const unsigned v = static_cast<unsigned>(GetVersionNr());
    return QStringLiteral("%1.%2.%3.%4 Aug, 2012").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

// ---- platform hooks -------------------------------------------------------------------------

void TVynColumnGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    TVynStringGrid::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove || !FColumns)
        return;
    for (int i = 0; i < FColumns->Count(); ++i) {
        TGridColumnItem* c = FColumns->Items(i);
        if (c->ColumnPopup() && static_cast<TComponent*>(c->ColumnPopup()) == AComponent)
            c->SetColumnPopup(nullptr);
    }
}

void TVynColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TVynStringGrid::MouseDown(Button, Shift, X, Y);
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < 0)
        return;
    // The definition of the clicked column is the one of its real index.
    const int rc = RealColIndex(col);
    if (!IsColumnCell(rc))
        return;
    TGridColumnItem* c = FColumns->Items(rc);
    TPopupMenu* p = c->ColumnPopup();
    if (!p)
        return;
    using enum TColumnPopupType;
    const TColumnPopupType t = c->ColumnPopupType();
    bool fixedCells = false, normalCells = false;
    if (Button == TMouseButton::mbLeft && (t == cpFixedCellsLClick || t == cpNormalCellsLClick || t == cpAllCellsLClick)) {
        fixedCells = t == cpFixedCellsLClick || t == cpAllCellsLClick;
        normalCells = t == cpNormalCellsLClick || t == cpAllCellsLClick;
    } else if (Button == TMouseButton::mbRight &&
               (t == cpFixedCellsRClick || t == cpNormalCellsRClick || t == cpAllCellsRClick)) {
        fixedCells = t == cpFixedCellsRClick || t == cpAllCellsRClick;
        normalCells = t == cpNormalCellsRClick || t == cpAllCellsRClick;
    } else {
        return;
    }
    const TRect r = CellRect(col, row);
    const TPoint at = ClientToScreen(TPoint{r.Left, r.Bottom});
    if (OnColumnPopup)
        OnColumnPopup(this, rc, row, p);
    if ((row < FixedRows() && fixedCells) || (row >= FixedRows() && normalCells))
        p->Popup(at.X, at.Y);
}

void TVynColumnGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    NoRecursion guard(*FColumns);
    const int top = TopRow();
    const int rf = RealColIndex(FromIndex), rt = RealColIndex(ToIndex);
    TVynStringGrid::ColumnMoved(FromIndex, ToIndex);
    if (IsColumnCell(rf) && IsColumnCell(rt) && rf != rt) {
        BeginUpdate();
        FColMoving = true;
        // Through a spare definition at the end, as a copy: the items keep
        // their identity as the slots of the columns.
        TGridColumnItem* spare = static_cast<TGridColumnItem*>(static_cast<TCollection*>(FColumns.get())->Add());
        spare->Assign(*FColumns->Items(rf));
        FColumns->Delete(rf);
        TGridColumnItem* placed = FColumns->Insert(rt);
        placed->Assign(*FColumns->Items(FColumns->Count() - 1));
        FColumns->Delete(FColumns->Count() - 1);
        SetTopRow(top);
        FColMoving = false;
        EndUpdate();
    }
    if (OnAfterColumnMoved)
        OnAfterColumnMoved(this, rf, rt);
}

void TVynColumnGrid::ColWidthsChanged()
{
    TVynStringGrid::ColWidthsChanged();
    if (Loading() || Destroying() || !FColumns)
        return;
    for (int d = 0; d < ColCount(); ++d) {
        const int rc = RealColIndex(d);
        if (IsColumnCell(rc))
            FColumns->Items(rc)->SetStoredWidth(ColWidths(d));
    }
}

String TVynColumnGrid::GetEditMask(int ACol, int ARow)
{
    String mask;
    if (ACol >= FixedCols() && IsColumnCell(RealColIndex(ACol)))
        mask = FColumns->Items(RealColIndex(ACol))->EditMask();
    const String own = TVynStringGrid::GetEditMask(ACol, ARow);
    return own.isEmpty() ? mask : own;
}

int TVynColumnGrid::GetEditLimit()
{
    const int rc = RealColIndex(Col());
    if (Col() >= FixedCols() && IsColumnCell(rc))
        return FColumns->Items(rc)->EditLength();
    return TVynStringGrid::GetEditLimit();
}

void TVynColumnGrid::ChangeScale(int M, int D)
{
    TVynStringGrid::ChangeScale(M, D);
    if (M == D)
        return;
    // Every definition, hidden columns included.
    for (int i = 0; i < FColumns->Count(); ++i) {
        TGridColumnItem* c = FColumns->Items(i);
        c->Font()->SetSize(MulDiv(c->Font()->Size(), M, D));
        c->HeaderFont()->SetSize(MulDiv(c->HeaderFont()->Size(), M, D));
    }
}
