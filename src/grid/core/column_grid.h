#pragma once
// TVynColumnGrid: the string grid with one column definition per real
// column (the fixed column 0 and hidden columns included). For the cells of
// a column the per-cell questions (look, alignment, editor, editability,
// check texts, cell kind, formats, width limits, filter list) are answered
// from the column's definition; the string grid's own answer follows where
// it can still refine the result.
//
// Three regions of a cell (c real column, r row) guard the answers:
// - column cell: c < Columns.Count;
// - data cell: a column cell with c >= FixedCols and r >= FixedRows;
// - inner data cell: a data cell left of the right fixed columns and above
//   the footer rows.
#include <memory>

#include "grid/core/column_items.h"
#include "grid/core/vyn_string_grid.h"

class TCellGraphic;
class QIODevice;

class TVynColumnGrid : public TVynStringGrid {
public:
    explicit TVynColumnGrid(TComponent* AOwner);
    ~TVynColumnGrid() override;

    TGridColumnCollection* Columns() const { return FColumns.get(); }
    void SetColumns(const TGridColumnCollection& Value) { FColumns->Assign(Value); }
    // The display columns; writing makes Columns.Count = ColCount +
    // NumHiddenColumns.
    int ColCount() const { return TVynStringGrid::ColCount(); }
    void SetColCount(int Value);
    // The first column whose Name equals AName exactly, else nullptr.
    TGridColumnItem* ColumnByName(const String& AName) const;
    bool AutoFilterDisplay() const { return FAutoFilterDisplay; }
    void SetAutoFilterDisplay(bool Value) { FAutoFilterDisplay = Value; }
    // True while a column move rebuilds the definitions.
    bool ColMoving() const { return FColMoving; }

    // Appends or frees definitions until Columns.Count = ColCount +
    // NumHiddenColumns (the collection leaves ColCount alone meanwhile).
    void SyncColumnCount();
    // Refills ColumnHeaders from the column headers (a column without a
    // header takes the text of its cell in row 0).
    void RebuildColumnHeaders();

    // ---- column order in an ini file: "CP" + i holds the DefIdx of column i.
    void SaveColumnPositions(const String& Key, const String& Section);
    // Applies a file only when CP0 .. CPn-1 are an order of 0 .. n-1;
    // otherwise nothing changes.
    void LoadColumnPositions(const String& Key, const String& Section);

    // ---- column streams: one XML element per column, one attribute per
    // property that differs from its stored default (fonts and pens by
    // their parts, lists as comma text, the popup menu by name).
    void SaveColumnsToStream(QIODevice& Stream);
    // Replaces every definition from such a stream, then the grid follows
    // their number; a stream that does not read back raises EConvertError
    // and leaves the definitions as they were.
    void LoadColumnsFromStream(QIODevice& Stream);

    // ---- the per-cell answers (real columns)
    void Loaded() override;
    void GetDefaultCellLook(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                            TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                            TCellGradientDirection& GD) override;
    String GetFormattedCell(int ACol, int ARow) override;
    void GetCellFloatFormat(int ACol, int ARow, String& Fmt) override;
    TCellType GetCellType(int ACol, int ARow) override;
    TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
    void UpdateColSize(int ACol, int& AWidth) override;
    void UpdateAutoColSize(int ACol, int& AWidth) override;
    void ColumnHeadersChanged() override;
    void RecalcFooter() override;
    void DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void DoGetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
    void DoGetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
    void DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    void DoGetFormat(int ACol, TSortStyle& AStyle, String& Prefix, String& Suffix) override;
    void DoGetEditorType(int ACol, int ARow, TEditorType& AEditor) override;
    // ACol is a display column.
    void DoIsFixedCell(int ACol, int ARow, bool& IsFixed) override;
    void DoCanEditCell(int ACol, int ARow, bool& CanEdit) override;
    void DoIsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
    bool DoHasComboBox(int ACol, int ARow) override;
    String GetCheckTrue(int ACol, int ARow) override;
    String GetCheckFalse(int ACol, int ARow) override;
    bool DoGetColumnFilter(int ACol) override;
    void DoFilterSelect(int ItemIndex) override;
    int GetVersionNr() override;
    String GetVersionString() override;

    // ---- column operations: the definitions follow the columns the
    // string grid inserted or removed at ColIndex (real index).
    void InsertCols(int ColIndex, int CCount) override;
    void RemoveCols(int ColIndex, int CCount) override;
    // The grouped column's definition is kept aside while it is out of the
    // grid and comes back with it.
    void Group(int Colindex) override;
    void UnGroup() override;

    TColumnPopupEvent OnColumnPopup;
    TAfterColumnMoved OnAfterColumnMoved;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Moves the definitions along by real index (display indexes given).
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void ColWidthsChanged() override;
    String GetEditMask(int ACol, int ARow) override;
    int GetEditLimit() override;
    void ChangeScale(int M, int D) override;
    // Shows the clicked column's popup menu as its popup type says.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool IsColumnCell(int ACol) const { return ACol >= 0 && ACol < FColumns->Count(); }
    bool IsDataCell(int ACol, int ARow) const
    {
        return IsColumnCell(ACol) && ACol >= FixedCols() && ARow >= FixedRows();
    }
    bool IsInnerDataCell(int ACol, int ARow) const;
    // The definition of an inner data cell's column, nullptr for any other
    // cell.
    TGridColumnItem* InnerColumn(int ACol, int ARow) const;
    bool Destroying() const { return ComponentState().Contains(TComponentStateItem::csDestroying); }
    bool Loading() const { return ComponentState().Contains(TComponentStateItem::csLoading); }

    std::unique_ptr<TGridColumnCollection> FColumns;
    std::unique_ptr<TGridColumnItem> FSaveCol;
    bool FColMoving = false;
    // Set while a column insertion or removal runs: the count changes it
    // makes leave the definitions alone until it places them itself.
    bool FColumnOp = false;
    std::unique_ptr<TCellGraphic> FColumnCheckGraphic;
    bool FAutoFilterDisplay = false;
};
