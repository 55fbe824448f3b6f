// TVynStringGrid: its counts and fixed areas with the "always" rules, the
// floating footer row, row heights and the integral height, the header
// lists, the recorded column order, the version answers, the change
// notifiers and the print metrics.
#include <algorithm>

#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/edit/grid_edit_holders.h"
#include "platform/gui/input_state.h"

namespace {

bool Loading(const TComponent& C) { return C.ComponentState().Contains(TComponentStateItem::csLoading); }

// The print layout keeps the metrics of columns 0 .. 511.
constexpr int PrintMetricColumns = 512;

}  // namespace

// ---- counts and fixed areas -------------------------------------------------------------------

void TVynStringGrid::SetRowCount(int Value)
{
    const int n = RowCount();
    const int v = std::max(Value, 1);
    // 1.
    if (n == FixedRows() && FFixedRowAlways && FSelHidden)
        UnHideSelection();
    // The floating footer's row stays the last row; when rows go it moves
    // before they are dropped.
    const bool footer = FFloatingFooter->Visible() && v != n;
    if (footer && v < n)
        MoveFooterRow(n - 1, v - 1);
    // 2. The platform takes a count below 1 as 1 and lowers its fixed rows.
    TBaseGrid::SetRowCount(v);
    // 3. The fixed rows asked for come back once there is room.
    if (FFixedRowAlways && RowCount() > FFixedRowsMin)
        SetFixedRows(FFixedRowsMin);
    // 4.
    FMaxRowCount = std::max(FMaxRowCount, v);
    FNormalRowCount = v;
    // 5.
    UpdateFooter();
    UpdateVertProportionalScroll();
    UpdateHorzProportionalScroll();
    UpdateScrollBarAlways(false);
    if (FScrollType != TScrollType::ssNormal)
        UpdateFlatScrollBars();
    // 6.
    if (footer) {
        if (v > n)
            MoveFooterRow(n - 1, v - 1);
        CalcFooter(-1);
        FNilObjects = false;
    }
}

// The rows change places (texts, property objects and height move as a
// whole; nothing is copied, shared or freed): the footer lands at ToRow,
// the row that stood there at FromRow, where growing left an empty row
// and shrinking drops it with its objects.
void TVynStringGrid::MoveFooterRow(int FromRow, int ToRow)
{
    if (FromRow == ToRow)
        return;
    ExchangeRows(FromRow, ToRow);
    for (int c = 0; c < StoredColCount(); ++c) {
        if (TCellProperties* p = PropsAt(c, ToRow))
            p->SetOwnerRow(ToRow);
        if (TCellProperties* p = PropsAt(c, FromRow))
            p->SetOwnerRow(FromRow);
    }
}

void TVynStringGrid::SetColCount(int Value)
{
    // 1.
    TBaseGrid::SetColCount(Value);
    // 2.
    if (FFixedColAlways && ColCount() > FFixedColsMin)
        SetFixedCols(FFixedColsMin);
    // 3.
    FMaxColCount = std::max(FMaxColCount, ColCount());
    // 4. The integral height depends on whether a horizontal bar is needed.
    UpdateFooter();
    SetBounds(Left(), Top(), Width(), Height());
    UpdateHorzProportionalScroll();
    UpdateVertProportionalScroll();
    UpdateScrollBarAlways(false);
}

void TVynStringGrid::SetFixedRows(int Value)
{
    const int n = FFixedRowAlways && Value >= RowCount() ? RowCount() - 1 : Value;
    // Without the "always" flag a count not below RowCount raises the
    // platform's error, and the count asked for is not recorded.
    TBaseGrid::SetFixedRows(n);
    if (!Loading(*this))
        FFixedRowsMin = Value;
}

void TVynStringGrid::SetFixedCols(int Value)
{
    const int n = FFixedColAlways && Value >= ColCount() ? ColCount() - 1 : Value;
    TBaseGrid::SetFixedCols(n);
    if (!Loading(*this))
        FFixedColsMin = Value;
}

void TVynStringGrid::SetFixedFooters(int Value)
{
    FFixedFooters = Value;
    Invalidate();
}

void TVynStringGrid::SetFixedRightCols(int Value)
{
    FFixedRightCols = Value;
    Invalidate();
}

bool TVynStringGrid::IsFixed(int ACol, int ARow)
{
    int bc = RealColIndex(ACol);
    int br = ARow;
    GetBaseCellOf(bc, ARow, bc, br);
    const int dc = DisplColIndex(bc);
    if (br >= RowCount() - FFixedFooters)
        return true;
    if (dc >= ColCount() - FFixedRightCols && dc < ColCount())
        return true;
    bool fixed = false;
    DoIsFixedCell(dc, br, fixed);
    return fixed;
}

// ---- heights and widths -----------------------------------------------------------------------

void TVynStringGrid::SetDefaultRowHeight(int Value)
{
    // 1. Every row, fixed ones included, takes the height.
    TBaseGrid::SetDefaultRowHeight(Value);
    // 2.
    if (FDesigning)
        FFixedRowHeight = Value;
    // 3.
    if (FFloatingFooter->Visible() && FFooterPanel)
        FFooterPanel->SetHeight(Value);
}

void TVynStringGrid::SetFixedRowHeight(int Value)
{
    FFixedRowHeight = Value;
    if (Loading(*this))
        return;
    if (Value == DefaultRowHeight()) {
        SetDefaultRowHeight(Value);
        return;
    }
    for (int r = 0; r < FixedRows() && r < RowCount(); ++r)
        SetRowHeights(r, Value);
}

void TVynStringGrid::SetFixedColWidth(int Value)
{
    // A width equal to the default leaves the fixed columns as they are.
    if (Loading(*this) || Value == DefaultColWidth())
        return;
    for (int c = 0; c < FixedCols() && c < ColCount(); ++c)
        SetColWidths(c, Value);
}

void TVynStringGrid::SetIntegralHeight(bool Value)
{
    FIntegralHeight = Value;
    SetBounds(Left(), Top(), Width(), Height());
}

void TVynStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (FIntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0) {
        const int s = VisibleColCount() + FixedCols() < ColCount() ? GetSystemMetrics(SM_CYHSCROLL) : 0;
        const int b = BorderStyle() == bsSingle ? 2 : 0;
        // The remainder of a truncating division, as the rows count it.
        AHeight = AHeight + b - ((AHeight - s - b) % DefaultRowHeight());
    }
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (Parent() && Parent()->HandleAllocated())
        PaintBorder();
}

// ---- settings that repaint ----------------------------------------------------------------------

void TVynStringGrid::SetWordWrap(bool Value)
{
    FWordWrapEx = Value;
    TBaseGrid::SetWordWrap(Value);
    if (TVynInplaceEdit* e = InplaceEditor())
        e->SetWordWrap(Value);
    if (FUpdateCount == 0)
        Invalidate();
}

void TVynStringGrid::SetDefaultAlignment(TAlignment Value)
{
    if (Value == FDefaultAlignment)
        return;
    FDefaultAlignment = Value;
    Invalidate();
}

namespace {

TColor GradientColor(TColor Value) { return Value == clNone ? clNone : ColorToRGB(Value); }

}  // namespace

void TVynStringGrid::SetVynGradientFrom(TColor Value)
{
    FVynGradientFrom = GradientColor(Value);
    Invalidate();
}

void TVynStringGrid::SetVynGradientTo(TColor Value)
{
    FVynGradientTo = GradientColor(Value);
    Invalidate();
}

void TVynStringGrid::SetVynGradientMirrorFrom(TColor Value)
{
    FVynGradientMirrorFrom = GradientColor(Value);
    Invalidate();
}

void TVynStringGrid::SetVynGradientMirrorTo(TColor Value)
{
    FVynGradientMirrorTo = GradientColor(Value);
    Invalidate();
}

void TVynStringGrid::SetFixedFont(const TFont& Value)
{
    FFixedFont->Assign(Value);
    Invalidate();
}

void TVynStringGrid::SetLookupItems(const TStringList* Value)
{
    if (Value)
        FLookupItems->Assign(*Value);
}

// ---- headers ----------------------------------------------------------------------------------

void TVynStringGrid::SetColumnHeaders(const TStringList& Value)
{
    FColumnHeaders->Assign(Value);
    ColumnHeadersChanged();
    if (FixedRows() > 0)
        ClearColumnHeaders();
    ShowColumnHeaders();
}

void TVynStringGrid::ClearColumnHeaders()
{
    for (int c = 0; c < ColCount(); ++c)
        SetCellEx(c, 0, String());
}

void TVynStringGrid::ShowColumnHeaders()
{
    if (FixedRows() == 0)
        return;
    const int n = std::min(FColumnHeaders->Count(), TotalColCount());
    for (int i = 0; i < n; ++i)
        SetCellEx(i, 0, UnescapeNewLines(FColumnHeaders->Strings(i)));
}

void TVynStringGrid::ColumnHeadersListChanged(TObject*)
{
    ColumnHeadersChanged();
    ShowColumnHeaders();
}

void TVynStringGrid::SetRowHeaders(const TStringList& Value)
{
    FRowHeaders->Assign(Value);
    if (FDesigning && FixedCols() > 0)
        ClearRowHeaders();
    ShowRowHeaders();
}

void TVynStringGrid::ClearRowHeaders()
{
    for (int r = 0; r < RowCount(); ++r)
        SetCellEx(0, r, String());
}

void TVynStringGrid::ShowRowHeaders()
{
    if (FixedCols() == 0)
        return;
    const int n = std::min(FRowHeaders->Count(), RowCount());
    for (int i = 0; i < n; ++i)
        SetCellEx(0, i, UnescapeNewLines(FRowHeaders->Strings(i)));
}

void TVynStringGrid::RowHeadersListChanged(TObject*) { ShowRowHeaders(); }

int TVynStringGrid::ColumnByHeader(const String& AValue)
{
    for (int c = 0; c < TotalColCount(); ++c)
        if (GetCellsEx(c, 0) == AValue)
            return c;
    return -1;
}

// ---- column order -----------------------------------------------------------------------------

void TVynStringGrid::SetColumnOrder()
{
    FColumnOrder->Clear();
    for (int c = 0; c < ColCount(); ++c)
        FColumnOrder->Add(c);
}

int TVynStringGrid::ColumnPosition(int ACol)
{
    if (FColumnOrder->Count() == 0)
        return ACol;
    int p = FColumnOrder->IndexOf(ACol);
    if (p < 0 || p >= TotalColCount())
        p = ACol;
    return FGroupColumn != -1 && ACol >= FGroupColumn ? p - 1 : p;
}

int TVynStringGrid::ColumnAtPosition(int APos)
{
    if (FColumnOrder->Count() == 0)
        SetColumnOrder();
    if (FColumnOrder->Count() == 0)
        return APos;
    // A position outside the list raises the list's index error.
    const int v = FColumnOrder->Items(APos);
    return FGroupColumn != -1 && v >= FGroupColumn ? v + 1 : v;
}

void TVynStringGrid::ResetColumnOrder()
{
    UnHideColumnsAll();
    if (FColumnOrder->Count() == 0) {
        SetColumnOrder();
        return;
    }
    // Only an order of the columns there are can be restored.
    const int n = FColumnOrder->Count();
    if (n != ColCount())
        return;
    std::vector<bool> seen(size_t(n), false);
    for (int k = 0; k < n; ++k) {
        const int v = FColumnOrder->Items(k);
        if (v < 0 || v >= n || seen[size_t(v)])
            return;
        seen[size_t(v)] = true;
    }
    // Each move puts a column to its recorded place; its entry goes along
    // (ColumnMoved). A permutation is in order after at most n passes.
    for (int pass = 0; pass <= n; ++pass) {
        bool moved = false;
        for (int k = 0; k < n; ++k) {
            const int v = FColumnOrder->Items(k);
            if (v < k) {
                MoveColumn(k, v);
                moved = true;
            }
        }
        if (!moved)
            break;
    }
}

void TVynStringGrid::InitOrigColSizes()
{
    FOrigColSizes->Clear();
    for (int c = 0; c < ColCount(); ++c)
        FOrigColSizes->Add(ColWidths(c));
    FOrigGridWidth = Width();
}

// ---- version, notifiers, print metrics --------------------------------------------------------

String TVynStringGrid::VersionText(int VersionNr)
{
    const unsigned v = unsigned(VersionNr);
    return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

int TVynStringGrid::GetVersionNr() { return 0x06020103; }

String TVynStringGrid::GetVersionString() { return VersionText(GetVersionNr()) + " Sep, 2012"; }

void TVynStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier)
{
    if (!ANotifier || std::find(FNotifierList->begin(), FNotifierList->end(), ANotifier) != FNotifierList->end())
        return;
    FNotifierList->push_back(ANotifier);
    // A notifier freed while registered leaves the list (Notification).
    ANotifier->FreeNotification(this);
}

void TVynStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier)
{
    const auto it = std::find(FNotifierList->begin(), FNotifierList->end(), ANotifier);
    if (it == FNotifierList->end())
        return;
    FNotifierList->erase(it);
    ANotifier->RemoveFreeNotification(this);
}

int TVynStringGrid::PrintColWidth(int ACol) const
{
    if (ACol < 0 || ACol >= PrintMetricColumns)
        throw EVynGridError("Columns is not in valid range");
    return MaxWidths[size_t(ACol)];
}

int TVynStringGrid::PrintColOffset(int ACol) const
{
    if (ACol < 0 || ACol >= PrintMetricColumns)
        throw EVynGridError("Columns is not in valid range");
    return Indents[size_t(ACol)];
}
