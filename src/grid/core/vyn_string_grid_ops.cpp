// TVynStringGrid: its per-cell questions and small operations (each
// dispatcher fires its event only when one is assigned), the answers it
// gives the cell store, and the cell graphics.
#include <algorithm>
#include <typeinfo>

#include "grid/core/grid_text.h"
#include "grid/core/grid_undo.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/rtf_reader.h"
#include "platform/gui/application.h"
#include "platform/gui/canvas.h"
#include "platform/gui/stdctrls.h"

// The HTML renderer's plain text of an HTML text.
#include "grid/render/html/html_text.h"

// ---- the cell model ------------------------------------------------------------------------

bool TVynStringGrid::IsCheckBoxKind(TCellType Kind)
{
    switch (Kind) {
    case TCellType::ctCheckBox:
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox:
    case TCellType::ctRowCheckBox:
    case TCellType::ctTriStateCheckBox: return true;
    default: return false;
    }
}

// ---- cell graphics ----------------------------------------------------------------------------

namespace {

// The grid frees a graphic it owns: exactly a TCellGraphic (a user's
// subclass stays the user's) and not one of the shared check boxes.
bool OwnedGraphic(const TCellGraphic* G)
{
    return typeid(*G) == typeid(TCellGraphic) && G->CellType() != TCellType::ctVirtCheckBox &&
           G->CellType() != TCellType::ctRowCheckBox;
}

}  // namespace

bool TVynStringGrid::RemoveCellGraphic(int ACol, int ARow)
{
    TCellGraphic* g = OwnCellGraphic(ACol, ARow);
    if (!g)
        return false;
    if (TCellProperties* p = PropsAt(ACol, ARow))
        p->SetGraphicObject(nullptr);
    if (OwnedGraphic(g))
        delete g;
    if (!ComponentState().Contains(TComponentStateItem::csDestroying))
        RepaintCell(DisplColIndex(ACol), ARow);
    return true;
}

bool TVynStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType CellType)
{
    const TCellGraphic* g = OwnCellGraphic(ACol, ARow);
    if (!g || g->CellType() != CellType)
        return false;
    return RemoveCellGraphic(ACol, ARow);
}

TCellGraphic* TVynStringGrid::CreateCellGraphic(int ACol, int ARow)
{
    if (TCellGraphic* old = OwnCellGraphic(ACol, ARow)) {
        if (TCellProperties* p = PropsAt(ACol, ARow))
            p->SetGraphicObject(nullptr);
        if (OwnedGraphic(old))
            delete old;
    }
    auto* g = new TCellGraphic();
    // The property object holds the graphic whatever the text; the text
    // stays as it was (an empty cell stays empty).
    SetGraphicObjectEx(ACol, ARow, g);
    if (FNumHidden > 0 && DisplColIndex(ACol) != ACol)
        RepaintCell(DisplColIndex(ACol), ARow);
    return g;
}

// ---- answers to the cell store ------------------------------------------------------------

int TVynStringGrid::GetRowIndent(int ARow)
{
    if (!HasNodes() || ARow < 0)
        return 0;
    const TCellProperties* p = PropsAt(0, ARow);
    return p ? p->NodeLevel() * FCellNode->NodeIndent() : 0;
}

// Asked for every cell painted: the node operations keep the count.
bool TVynStringGrid::HasNodes() { return FNodeCount > 0; }

void TVynStringGrid::EmptyHook() { UpdateFooter(); }

void TVynStringGrid::CellTextChanged(int ACol, int ARow)
{
    // A scroll bar in the cell that follows its text's height: the page is
    // the row, the range the text.
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType() != TCellType::ctScrollbar || !g->CellBoolean())
        return;
    g->SetCellAngle(RowHeights(ARow));
    g->SetCellErrFrom(GetCellTextSize(ACol, ARow).Y);
}

bool TVynStringGrid::HasCellBorderEvent() { return bool(OnGetCellBorder); }
bool TVynStringGrid::UsesPlatformStyles() { return FPlatformStyle; }

// ---- the string grid's own operations -------------------------------------------------------

void TVynStringGrid::CalcFooterCells(int ACol) { CalcFooter(ACol); }

void TVynStringGrid::DoClickSort(int ACol)
{
    if (OnClickSort)
        OnClickSort(this, ACol);
}

void TVynStringGrid::KeyF2Hook() {}

void TVynStringGrid::StoreEditValue(int ACol, int ARow, const String& Value)
{
    TBaseGrid::SetEditText(DisplColIndex(ACol), ARow, Value);
    SetCellEx(ACol, ARow, Value);
}

void TVynStringGrid::SelectAllHook(TGridRect&) {}

void TVynStringGrid::StorePastedValue(int ACol, int ARow, const String& Value)
{
    const int rc = RealColIndex(ACol);
    // The step as (real column, row, the text before, the new text), so
    // that undoing a paste gives the cell its old text back.
    if (UndoRedo())
        UndoRedo()->RegisterChange(rc, ARow, GetCellEx(rc, ARow), Value);
    if (HasCheckBox(rc, ARow))
        ChangeCheckBoxState(rc, ARow, Value == GetCheckTrue(rc, ARow));
    else
        SetCellEx(rc, ARow, Value);
    if (rc != ACol)
        RepaintCell(ACol, ARow);
}

String TVynStringGrid::CurrentCell() { return GetGridCell(RealCol(), Row()); }
void TVynStringGrid::SetCurrentCell(const String& Value) { SetCellEx(RealCol(), Row(), Value); }
String TVynStringGrid::CurrentCellDisplayText() { return GetCellEx(RealCol(), Row()); }

void TVynStringGrid::SetCurrentCellEditText(const String& Value)
{
    int bc = 0, br = 0;
    if (GetBaseCellOf(RealCol(), Row(), bc, br))
        TBaseGrid::SetEditText(Col(), Row(), Value);
    else
        TBaseGrid::SetEditText(bc, br, Value);
}

void TVynStringGrid::RestoreCellCache()
{
    SetCellEx(RealCol(), Row(), FCellCache);
    SetCellEx(RealCol(), Row(), GetCellEx(RealCol(), Row()));
}

void TVynStringGrid::GetCellFloatFormat(int, int, String& Fmt) { Fmt = FFloatFormat; }

void TVynStringGrid::DoPrintGetPageNum(int PageNum, int PageColNum, String& PageNumString)
{
    if (OnPrintGetPageNum)
        OnPrintGetPageNum(this, PageNum, PageColNum, PageNumString);
}

void TVynStringGrid::DoGetEditorProp(int ACol, int ARow, TEditLink* AEditLink)
{
    if (OnGetEditorProp)
        OnGetEditorProp(this, ACol, ARow, AEditLink);
    // The column first, as the editor property event passes it.
    if (OnGetEditorPropInt)
        OnGetEditorPropInt(this, ACol, ARow);
}

void TVynStringGrid::DoCheckBoxClickEvent(int ACol, int ARow, bool State)
{
    if (OnCheckBoxClick)
        OnCheckBoxClick(this, ACol, ARow, State);
}

void TVynStringGrid::DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStringList* Values)
{
    if (OnFixedEdit)
        OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

void TVynStringGrid::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom)
{
    if (FLook == TGridLook::glVista || FLook == TGridLook::glWin7 || FLook == TGridLook::glOffice2007)
        InvalidateGridRect(Selection());
    FSelChange = true;
    if (OnSelectionChanged)
        OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TVynStringGrid::EditorTextHook(const String&, String&) {}

void TVynStringGrid::InsertRowAt(int ARow)
{
    // Node rows are inserted by the data operations.
    InsertRows(ARow, 1, true);
}

void TVynStringGrid::DeleteRowAt(int ARow)
{
    if (RowCount() - FixedRows() - FFixedFooters == 1 && !FFixedRowAlways)
        ClearRows(ARow, 1);
    else
        DeleteRowRange(ARow, 1);
    if (OnAutoDeleteRow)
        OnAutoDeleteRow(this, ARow);
}

void TVynStringGrid::DoFilterDone()
{
    if (OnFilterDone)
        OnFilterDone(this);
}

void TVynStringGrid::UpdateColSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}

void TVynStringGrid::UpdateAutoColSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}

void TVynStringGrid::ColumnHeadersChanged() {}

void TVynStringGrid::DoEllipsClick(const String& Value, String& Result)
{
    Result = Value;
    String s = Value;
    if (OnEllipsClick)
        OnEllipsClick(this, RealCol(), Row(), s);
    Result = s;
}

bool TVynStringGrid::FilterMatch(int ARow)
{
    bool accept = true;
    if (OnCustomFilter)
        OnCustomFilter(this, ARow, accept);
    return accept;
}

void TVynStringGrid::BeginPasteHook() {}
void TVynStringGrid::EndPasteHook() {}

void TVynStringGrid::MarkRowsModified(const TRect& R)
{
    if (!FShowModified->Enabled())
        return;
    for (int r = R.Top; r <= R.Bottom; ++r)
        SetRowModified(r, true);
}

String TVynStringGrid::GetCellText(int ACol, int ARow) { return GetCellEx(ACol, ARow); }

String TVynStringGrid::GetCellTextForSave(int ACol, int ARow)
{
    String s = FSaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
    if (s.isEmpty()) {
        const TCellType t = GetCellType(ACol, ARow);
        if (t == TCellType::ctCheckBox || t == TCellType::ctTriStateCheckBox) {
            bool checked = false;
            if (t == TCellType::ctCheckBox) {
                GetCheckBoxState(ACol, ARow, checked);
            } else {
                TCheckBoxState st = cbUnchecked;
                GetCheckBoxState(ACol, ARow, st);
                checked = st == cbChecked;
            }
            s = checked ? GetCheckTrue(ACol, ARow) : GetCheckFalse(ACol, ARow);
        }
    }
    switch (GetTextType(s, FEnableHTML)) {
    case ttHTML:
        if (!FSaveWithHTML)
            s = HTMLToPlainText(s);
        break;
    case ttRTF:
        // The rich text on one line, or its plain text.
        if (FSaveWithRTF) {
            s.remove(u'\r');
            s.remove(u'\n');
        } else {
            s = RTFToPlainText(s);
        }
        break;
    default: break;
    }
    if (OnSaveCell)
        OnSaveCell(this, ACol, ARow, s);
    return s;
}

void TVynStringGrid::SetCellTextFromLoad(int ACol, int ARow, const String& Value)
{
    String v = Value;
    if (OnLoadCell)
        OnLoadCell(this, ACol, ARow, v);
    SetGridCell(ACol, ARow, v);
}

void TVynStringGrid::RecalcFooterColumn(int ACol) { CalcFooter(ACol); }

void TVynStringGrid::RememberCurrentCell(int ACol, int ARow)
{
    FOldCellPos = TPoint(ACol, ARow);
    const int rc = RealColIndex(ACol);
    FOldCellText = GetGridCell(rc, ARow);
    FOldWideCellText = GetCellEx(rc, ARow);
    FOldModified = FModified;
}

void TVynStringGrid::DoCanEditCellEvent(int ACol, int ARow, bool& CanEdit)
{
    if (OnCanEditCell)
        OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TVynStringGrid::DoSearchFooterAction(const String& Value, int ACol, int ARow, TSearchAction SearchAction)
{
    if (OnSearchFooterAction)
        OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TVynStringGrid::DoButtonClick(int ACol, int ARow)
{
    if (OnButtonClick)
        OnButtonClick(this, ACol, ARow);
}

void TVynStringGrid::DoExpandClick(int ACol, int ARow, bool Expanded)
{
    if (OnExpandClick)
        OnExpandClick(this, ACol, ARow, Expanded);
    SetRowHeights(ARow, GetExpandHeight(ACol, ARow, Expanded));
}

void TVynStringGrid::DoComboCloseUp(int ARow, int ACol)
{
    if (OnComboCloseUp)
        OnComboCloseUp(this, ARow, ACol);
}

void TVynStringGrid::DoComboDropDown(int ARow, int ACol)
{
    if (OnComboDropDown)
        OnComboDropDown(this, ARow, ACol);
}

void TVynStringGrid::DoGetCellCursor(int ACol, int ARow, int X, int Y)
{
    if (!OnGetCellCursor)
        return;
    TCursor c = Cursor();
    OnGetCellCursor(this, ACol, ARow, X, Y, c);
    Screen.SetCursor(c);
}

void TVynStringGrid::DoCellsChanged(TRect& R)
{
    if (OnCellsChanged)
        OnCellsChanged(this, R);
    // A copy: a notifier may unregister itself.
    const std::vector<TGridChangeNotifier*> notifiers = *FNotifierList;
    for (TGridChangeNotifier* n : notifiers)
        n->CellsChanged(R);
    FooterCellsChanged(R);
}

void TVynStringGrid::RecalcFooter() { CalcFooter(-1); }

void TVynStringGrid::DoGridHint(int ACol, int ARow, String& Hint, String& WideHint)
{
    if (OnGridHint)
        OnGridHint(this, ARow, ACol, Hint);
    if (OnGridWideHint)
        OnGridWideHint(this, ARow, ACol, WideHint);
    if (!WideHint.isEmpty())
        Hint = EncodeWideCellText(WideHint);
}

void TVynStringGrid::DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    CellColorOfProps(ACol, ARow, AState, ABrush, AFont, PropsAt(ACol, ARow));
}

void TVynStringGrid::CellColorOfProps(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont,
                                      const TCellProperties* Props)
{
    if (FActiveCellShow) {
        const int d = DisplColIndex(ACol);
        if ((ARow == Row() && d == FixedCols() - 1 && FixedCols() > 0) ||
            (d == Col() && ARow == FixedRows() - 1 && FixedRows() > 0)) {
            AFont->Assign(*FActiveCellFont);
            ABrush->SetColor(FActiveCellColor);
        }
    }
    if (const TCellProperties* p = Props) {
        switch (GetCellType(ACol, ARow)) {
        case TCellType::ctIcon:
        case TCellType::ctNone:
        case TCellType::ctImageList:
        case TCellType::ctEmpty:
        case TCellType::ctImages:
        case TCellType::ctComment:
            if (p->BrushColor() != clNone)
                ABrush->SetColor(p->BrushColor());
            break;
        default: break;
        }
        p->ApplyFont(*AFont);
    }
    if (OnGetCellColor)
        OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TVynStringGrid::DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (OnGetCellPrintColor)
        OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TVynStringGrid::DoGetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    if (FGrouping->HeaderUnderline() && IsNode(ARow) && ACol > 0) {
        Borders = TCellBorders{TCellBorder::cbBottom};
        APen->SetColor(FGrouping->HeaderLineColor());
        APen->SetWidth(FGrouping->HeaderLineWidth());
    }
    if (FGrouping->SummaryLine() && IsSummary(ARow) && ACol > 0) {
        Borders = TCellBorders{TCellBorder::cbTop};
        APen->SetColor(FGrouping->SummaryLineColor());
        APen->SetWidth(FGrouping->SummaryLineWidth());
    }
    if (OnGetCellBorder)
        OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TVynStringGrid::DoGetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    if (OnGetCellPrintBorder)
        OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TVynStringGrid::DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (FMouseActions->HotmailRowSelect() && ACol == 0)
        HAlign = taCenter;
    if (OnGetAlignment)
        OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TVynStringGrid::DoGetFormat(int ACol, TSortStyle& AStyle, String& Prefix, String& Suffix)
{
    if (OnGetFormat)
        OnGetFormat(this, ACol, AStyle, Prefix, Suffix);
}

void TVynStringGrid::DoGetSpinEditorType(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

void TVynStringGrid::DoGetEditorType(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TVynStringGrid::HasNoEditor(int ACol, int ARow)
{
    if (!OnGetEditorType)
        return false;
    TEditorType e = TEditorType::edNormal;
    OnGetEditorType(this, ACol, ARow, e);
    return e == TEditorType::edNone;
}

void TVynStringGrid::DoIsFixedCell(int ACol, int ARow, bool& IsFixed)
{
    IsFixed = IsFixed || (FFixedRowAlways && RowCount() == FFixedRowsMin) ||
              (FFixedColAlways && ACol < FFixedColsMin && ColCount() == FFixedColsMin) || ACol < FixedCols() ||
              ARow < FixedRows();
    if (!IsFixed && OnIsFixedCell)
        OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TVynStringGrid::DoCanEditCell(int ACol, int ARow, bool& CanEdit)
{
    int bc = ACol, br = ARow;
    GetBaseCellOf(ACol, ARow, bc, br);
    if (HasCellProperties(bc, br) && CanEdit) {
        CanEdit = !ReadOnly(bc, br);
        if (!Options().Contains(goEditing) && !FEditDisable && !FMouseActions->RangeSelectAndEdit())
            CanEdit = false;
    }
    if (bc < ColCount() + FNumHidden)
        DoCanEditCellEvent(bc, br, CanEdit);
    else
        CanEdit = true;
}

void TVynStringGrid::DoIsPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (OnIsPasswordCell)
        OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TVynStringGrid::DoGetWordWrap(int ACol, int ARow, bool& WordWrap)
{
    if (OnGetWordWrap)
        OnGetWordWrap(this, ACol, ARow, WordWrap);
}

bool TVynStringGrid::DoHasComboBox(int ACol, int ARow)
{
    if (OnHasComboBox) {
        bool has = false;
        OnHasComboBox(this, ACol, ARow, has);
        return has;
    }
    if (FControlLook->DropDownAlwaysVisible()) {
        TEditorType e = FDefaultEditor;
        DoGetEditorType(ACol, ARow, e);
        return e == TEditorType::edComboEdit || e == TEditorType::edComboList;
    }
    return false;
}

bool TVynStringGrid::DoHasSpinEdit(int ACol, int ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows())
        return false;
    if (OnHasSpinEdit) {
        bool has = false;
        OnHasSpinEdit(this, ACol, ARow, has);
        return has;
    }
    if (FControlLook->SpinButtonsAlwaysVisible()) {
        TEditorType e = FDefaultEditor;
        DoGetSpinEditorType(ACol, ARow, e);
        return e == TEditorType::edSpinEdit || e == TEditorType::edFloatSpinEdit ||
               e == TEditorType::edTimeSpinEdit || e == TEditorType::edDateSpinEdit;
    }
    return false;
}

String TVynStringGrid::GetCheckTrue(int ACol, int ARow)
{
    String v = FCheckTrue;
    if (OnGetCheckTrue)
        OnGetCheckTrue(this, ACol, ARow, v);
    return v;
}

String TVynStringGrid::GetCheckFalse(int ACol, int ARow)
{
    String v = FCheckFalse;
    if (OnGetCheckFalse)
        OnGetCheckFalse(this, ACol, ARow, v);
    return v;
}

TGridRect TVynStringGrid::UsedCells()
{
    int l = -1, t = -1, r = -1, b = -1;
    for (int row = 0; row < RowCount(); ++row)
        for (int c = 0; c < ColCount(); ++c)
            if (!GetCellEx(c, row).isEmpty()) {
                l = l < 0 ? c : std::min(l, c);
                r = std::max(r, c);
                t = t < 0 ? row : t;
                b = row;
            }
    if (l < 0)
        return TGridRect{0, 0, 0, 0};
    return TGridRect{l, t, r, b};
}

void TVynStringGrid::DoCanAddRow(bool& CanAdd)
{
    if (OnCanAddRow)
        OnCanAddRow(this, CanAdd);
}

void TVynStringGrid::DoCanInsertRow(int ARow, bool& CanInsert)
{
    if (OnCanInsertRow)
        OnCanInsertRow(this, ARow, CanInsert);
}

void TVynStringGrid::WndProcHook(int, bool&) {}
void TVynStringGrid::AddAutoRow() { SetRowCount(RowCount() + 1); }
void TVynStringGrid::CellSelectorHook(int, int) {}
void TVynStringGrid::FormulaEditHook(const String&) {}
void TVynStringGrid::LButtonDownHook(const TMessage&) {}
void TVynStringGrid::MouseActionsChanged() {}

bool TVynStringGrid::IsDesigningQuery(bool& IsDesigning)
{
    IsDesigning = FDesigning;
    return IsDesigning;
}

void TVynStringGrid::MouseActionsInvalidate() { Invalidate(); }

void TVynStringGrid::DisableEditing()
{
    TGridOptions o = Options();
    o.Exclude(goEditing);
    SetOptions(o);
}

void TVynStringGrid::EditorKeyHook(Word&, TShiftState) {}
void TVynStringGrid::EditorKeyMessageHook(TMessage&) {}
void TVynStringGrid::NavigationChanged() {}
void TVynStringGrid::MoveToFirstRow() { SetRow(FixedRows()); }
bool TVynStringGrid::AllowFMTClipboard() { return FNavigation->AllowFmtClipboard(); }

void TVynStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State)
{
    if (OnCheckBoxChange)
        OnCheckBoxChange(this, ACol, ARow, State);
}

bool TVynStringGrid::DoRatingChange(int ACol, int ARow, double& NewRate)
{
    bool allow = true;
    if (OnRatingChange)
        OnRatingChange(this, ACol, ARow, NewRate, allow);
    return allow;
}

void TVynStringGrid::DoColorSelect(int ACol, int ARow, TColor Color, const String& Value)
{
    if (OnColorSelect)
        OnColorSelect(this, ACol, ARow, Color, Value);
}

void TVynStringGrid::DoImageSelect(int ACol, int ARow, int Index)
{
    if (OnImageSelect)
        OnImageSelect(this, ACol, ARow, Index);
}

void TVynStringGrid::DoCellChanging(int NewCol, int NewRow, bool& Allow)
{
    if (NewRow != Row() && OnRowChanging)
        OnRowChanging(this, Row(), NewRow, Allow);
    if (NewCol != Col() && OnColChanging)
        OnColChanging(this, Col(), NewCol, Allow);
    if ((NewRow != Row() || NewCol != Col()) && !FDisableChange && OnCellChanging)
        OnCellChanging(this, Row(), Col(), NewRow, NewCol, Allow);
}

void TVynStringGrid::DoScrollCell() {}

bool TVynStringGrid::DoCanShowFixedDropDown(int ACol)
{
    bool canShow = true;
    if (OnCanShowFixedDropDown)
        OnCanShowFixedDropDown(this, ACol, canShow);
    return canShow;
}

void TVynStringGrid::DoStartBlockFocus()
{
    if (FOnStartBlockFocus)
        FOnStartBlockFocus(this);
}

void TVynStringGrid::DoEndBlockFocus()
{
    if (FOnEndBlockFocus)
        FOnEndBlockFocus(this);
}

TImageList* TVynStringGrid::GetGridImages() { return FGridImages; }
void TVynStringGrid::ExportNotification(int, int) {}
void TVynStringGrid::ImportNotification(int, int) {}

