#pragma once
// The cell store: the bottom class of the grid library's tables.
//
// TBaseGrid keeps each cell as the platform's string grid keeps it (a text
// and an object slot) and adds a per-cell property object (TCellProperties,
// created in the slot on first use: look, user object, graphic, merge data),
// merged cells, display-text hooks, its own grid lines, hover and active
// rows and selection looks, and a link to an undo/redo manager.
//
// Ownership: the grid owns every TCellProperties in its slots and, through
// them, every graphic of class TCellGraphic (exactly that class); any other
// graphic object, the user objects and cell controls stay the caller's.
// Property objects of cells that leave the grid (rows past a shrinking
// RowCount, deleted rows and columns) are freed as they leave; the rest,
// over every stored column, with the grid.
//
// Misuse raises Exception("Invalid cell"): GetCellProperties,
// SetCellProperties, the object setters, MergeCells and SplitCells outside
// the grid. Reads never raise: a cell outside the grid is unmerged and has
// no properties.
#include <functional>
#include <memory>

#include "grid/core/grid_types.h"
#include "platform/grids/grids.h"

class TBaseGrid;
class TCellGraphic;
class TVynGridUndoRedo;

using TGetDisplWideTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;

// ---- TCellProperties ----------------------------------------------------------------------------

class TCellProperties : public TPersistent {
public:
    // Marks the owner grid as having cell properties.
    TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);

    TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
    int OwnerCol() const { return FOwnerCol; }
    void SetOwnerCol(int Value) { FOwnerCol = Value; }
    int OwnerRow() const { return FOwnerRow; }
    void SetOwnerRow(int Value) { FOwnerRow = Value; }
    TObject* CellObject() const { return FObject; }
    void SetCellObject(TObject* Value) { FObject = Value; }
    // Puts the font settings the cell has of its own (colour, style, size,
    // name; unset ones are none, empty, 0) over AFont.
    void ApplyFont(TFont& AFont) const;
    // The graphic: a TCellGraphic (owned by the grid) or the user's object.
    TObject* GraphicObject() const { return FGraphicObject; }
    void SetGraphicObject(TObject* Value) { FGraphicObject = Value; }
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle Value) { FBrushStyle = Value; }
    // These four repaint the owner cell; every other setter only stores.
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor Value);
    TColor BrushColorTo() const { return FBrushColorTo; }
    void SetBrushColorTo(TColor Value);
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    int FontSize() const { return FFontSize; }
    void SetFontSize(int Value) { FFontSize = Value; }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor Value) { FFontColor = Value; }
    TFontStyles FontStyle() const { return FFontStyle; }
    void SetFontStyle(TFontStyles Value) { FFontStyle = Value; }
    int CellSpanY() const { return FCellSpanY; }
    void SetCellSpanY(int Value) { FCellSpanY = Value; }
    int CellSpanX() const { return FCellSpanX; }
    void SetCellSpanX(int Value) { FCellSpanX = Value; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value) { FBorderWidth = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    int PaintID() const { return FPaintID; }
    void SetPaintID(int Value) { FPaintID = Value; }
    bool IsBaseCell() const { return FIsBaseCell; }
    void SetIsBaseCell(bool Value) { FIsBaseCell = Value; }
    TColumnCalcType CalcType() const { return FCalcType; }
    void SetCalcType(TColumnCalcType Value) { FCalcType = Value; }
    TObject* CalcObject() const { return FCalcObject; }
    void SetCalcObject(TObject* Value) { FCalcObject = Value; }
    int NodeLevel() const { return FNodeLevel; }
    void SetNodeLevel(int Value) { FNodeLevel = Value; }
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType Value) { FEditor = Value; }
    const String& FontName() const { return FFontName; }
    void SetFontName(const String& Value) { FFontName = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    TCellGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TCellGradientDirection Value) { FGradientDirection = Value; }
    TControl* Control() const { return FControl; }
    void SetControl(TControl* Value) { FControl = Value; }

    // The base cell of (c, r), the cell this object belongs to:
    // (c - CellSpanX, r - CellSpanY) for a non-base cell of a merge, else (c, r).
    TPoint GetBaseCell(int c, int r) const;
    // Copies the merge data, owner cell, user object, look and editing
    // settings; not the owner grid, the graphic, BrushColorTo, the paint id,
    // CalcType, CalcObject or GradientDirection. No repaint.
    void Assign(const TPersistent& Source) override;

private:
    friend class TBaseGrid;
    void Repaint();

    TBaseGrid* FOwnerGrid;
    int FOwnerCol;
    int FOwnerRow;
    TObject* FObject = nullptr;
    TObject* FGraphicObject = nullptr;
    TBrushStyle FBrushStyle = TBrushStyle::bsSolid;
    TColor FBrushColor = clNone;
    TColor FBrushColorTo = clNone;
    int FFontSize = 0;
    TColor FFontColor = clNone;
    TFontStyles FFontStyle;
    int FCellSpanY = -1;
    int FCellSpanX = -1;
    int FBorderWidth = 0;
    TColor FBorderColor = 0;
    TAlignment FAlignment = taLeftJustify;
    TVAlignment FVAlignment = TVAlignment::vtaTop;
    int FPaintID = 0;
    bool FWordWrap;
    bool FIsBaseCell = true;
    TColumnCalcType FCalcType = TColumnCalcType::acNONE;
    TObject* FCalcObject = nullptr;
    int FNodeLevel = 0;
    TEditorType FEditor = TEditorType::edNormal;
    String FFontName;
    bool FReadOnly = false;
    TCellGradientDirection FGradientDirection = TCellGradientDirection::GradientVertical;
    TControl* FControl = nullptr;
};

// ---- TBaseGrid ----------------------------------------------------------------------------------

class TBaseGrid : public TStringGrid {
public:
    explicit TBaseGrid(TComponent* AOwner);
    ~TBaseGrid() override;

    // ---- properties
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool Value);
    TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(TColor Value);
    TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(TColor Value);
    TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(TColor Value);
    TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(TColor Value);
    // The grid's own flag; the platform's default drawing stays off.
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);
    // Width of the lines the cell store draws inside the cells (0: none);
    // the platform's line width stays 0.
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor Value);
    TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(TColor Value);
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool Value) { FHoverRow = Value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
    THoverRowCells HoverRowCells() const { return FHoverRowCells; }
    void SetHoverRowCells(THoverRowCells Value) { FHoverRowCells = Value; }
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }
    TVynGridUndoRedo* UndoRedo() const { return FUndoRedo; }
    // Links the manager (and the manager to this grid); nullptr unlinks.
    void SetUndoRedo(TVynGridUndoRedo* Value);
    int PaintID() const { return FPaintID; }
    int MergeCount() const { return FMergeCount; }
    bool HasCellProps() const { return FHasCellProps; }

    // ---- cell text
    // The text as shown: the base cell's text through the display-text hooks.
    String Cells(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
    // Writes the text; a cell of a merge writes its base cell.
    void SetCells(int ACol, int ARow, const String& Value) { SetCellEx(ACol, ARow, Value); }
    String GetCellEx(int ACol, int ARow);
    void SetCellEx(int ACol, int ARow, const String& Value);
    // The platform's text of the cell: no redirection, no hooks.
    String GridCells(int ACol, int ARow) const { return TStringGrid::Cells(ACol, ARow); }
    void SetGridCells(int ACol, int ARow, const String& Value) { TStringGrid::SetCells(ACol, ARow, Value); }
    String GetGridCell(int ACol, int ARow) const { return GridCells(ACol, ARow); }
    void SetGridCell(int ACol, int ARow, const String& Value) { SetGridCells(ACol, ARow, Value); }

    // ---- objects of a cell
    // Created on first use, with the grid's default look.
    TCellProperties* GetCellProperties(int ACol, int ARow);
    TCellProperties* CellProperties(int ACol, int ARow) { return GetCellProperties(ACol, ARow); }
    // Frees the property object the cell holds (and its TCellGraphic), then
    // stores Value (nullptr empties the slot).
    void SetCellProperties(int ACol, int ARow, TCellProperties* Value);
    // Inside the grid (every real column, every row) and holding one; never creates.
    bool HasCellProperties(int ACol, int ARow) const;
    // The user object; nullptr without a property object (creates nothing).
    TObject* Objects(int ACol, int ARow) const { return GetObjectEx(ACol, ARow); }
    void SetObjects(int ACol, int ARow, TObject* Value) { SetObjectEx(ACol, ARow, Value); }
    TObject* GetObjectEx(int ACol, int ARow) const;
    void SetObjectEx(int ACol, int ARow, TObject* Value);
    TObject* GraphicObjects(int ACol, int ARow) const { return GetGraphicObjectEx(ACol, ARow); }
    void SetGraphicObjects(int ACol, int ARow, TObject* Value) { SetGraphicObjectEx(ACol, ARow, Value); }
    TObject* GetGraphicObjectEx(int ACol, int ARow) const;
    // Does nothing while the grid is being destroyed.
    void SetGraphicObjectEx(int ACol, int ARow, TObject* Value);
    // The platform's object slot itself.
    TObject* GridObjects(int ACol, int ARow) const { return TStringGrid::Objects(ACol, ARow); }
    void SetGridObjects(int ACol, int ARow, TObject* Value) { TStringGrid::SetObjects(ACol, ARow, Value); }
    TObject* GetGridObject(int ACol, int ARow) const { return GridObjects(ACol, ARow); }
    void SetGridObject(int ACol, int ARow, TObject* Value) { SetGridObjects(ACol, ARow, Value); }
    TObject* GetPropsGraphic(const TCellProperties* AProps) const;

    // ---- merged cells
    TPoint BaseCell(int ACol, int ARow) const;
    // True when the cell is its own base (also without properties).
    bool GetBaseCellOf(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
    bool IsBaseCell(int ACol, int ARow) const;
    // Every cell of a merge of at least two cells.
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    // The base cell's spans; (0, 0) for a cell outside a merge.
    TPoint CellSpan(int ACol, int ARow) const;
    // From the cell to the far corner of its merge.
    TPoint CellExt(int ACol, int ARow) const;
    // In cell indexes: the base cell to the far corner (Right, Bottom included).
    TRect FullCell(int ACol, int ARow) const;
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    bool ColSpanIdentical(int ACol1, int ACol2) const;

    // ---- clearing and freeing
    void ClearCell(int ACol, int ARow);
    void ClearColCells(int ACol);
    void ClearRowCells(int ARow);
    void FreeCellObjects(int ACol1, int ARow1, int ACol2, int ARow2);
    // Frees the cell's property object (and its TCellGraphic); the slot
    // becomes empty. Nothing outside the grid.
    void FreeCellProperties(int ACol, int ARow);
    // Every cell of every stored column.
    void FreeAllCellObjects();

    // ---- virtual operations of the cell store
    virtual bool IsFixed(int ACol, int ARow);
    virtual int GetRowIndent(int ARow);
    virtual bool HasNodes();
    virtual void DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    virtual void EmptyHook();
    virtual void GetDisplText(int ACol, int ARow, String& Value);
    virtual void GetDisplWideText(int ACol, int ARow, String& Value);
    virtual void GetDefaultCellLook(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                    TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                    bool& WW, TCellGradientDirection& GD);
    virtual void CellTextChanged(int ACol, int ARow);
    virtual bool HasCellBorderEvent();
    virtual bool UsesPlatformStyles();
    virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                                     TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                     TFont& AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                                     TCellGradientDirection& GD);
    virtual int DisplColIndex(int ACol);
    // Merges the SpanX x SpanY rectangle at (ACol, ARow); merges it overlaps
    // are split first. A span below 1 changes nothing.
    virtual void MergeCells(int ACol, int ARow, int SpanX, int SpanY);
    // Splits the merge the cell belongs to (nothing for an unmerged cell).
    virtual void SplitCells(int ACol, int ARow);
    // Real columns: ColCount here; a subclass adds its hidden columns.
    virtual int TotalColCount();

    // ---- geometry and painting
    // From the sizes, also for a cell scrolled away or covered by a merge.
    TRect CalcCellRect(int ACol, int ARow);
    // The whole merge for a cell of a merge.
    TRect CellRect(int ACol, int ARow);
    TPoint CellSize(int ACol, int ARow);
    // Invalidates CellRect (the whole merge) when the window exists.
    void RepaintCell(int ACol, int ARow);
    int FixedColsWidth() const;
    int FixedRowsHeight() const;
    // The cell painter on any canvas, with its content / only the frame at ARect.
    void PaintCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    void PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    void DoPaintCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool WithContent);
    void RepaintMergedFixedCols();
    void RepaintMergedFixedRows();
    void FocusBaseCell();
    void ChangeScale(int M, int D) override;

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

protected:
    // The property object in the slot; nullptr outside the grid or for a
    // slot holding anything else.
    TCellProperties* PropsAt(int ACol, int ARow) const;

    void Paint() override;
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void TopLeftChanged() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Cells leaving the grid: their property objects (and graphics) are
    // freed, merges reaching into them split first.
    void DropCells(const TGridRect& Rect) override;

    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    TColor FGridLineColor = 0xC0C0C0;
    TColor FGridFixedLineColor = 0x808080;
    int FPaintID = 1;
    bool FHideLastRow = false;
    int FNormalRowCount = 0;
    TVynGridUndoRedo* FUndoRedo = nullptr;
    bool FWordWrap = true;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = TGridSelectionStyle::ssDefault;
    int FHoverRowIdx = -1;
    bool FHoverRow = false;
    THoverRowCells FHoverRowCells{THoverRowCell::hcNormal, THoverRowCell::hcSelected};
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    bool FShowSel = true;
    bool FHasCellProps = false;
    int FMergeCount = 0;

    // Frees a property object and the TCellGraphic it owns.
    void FreeProps(TCellProperties* Props);

private:
    friend class TCellProperties;
    void CheckCell(int ACol, int ARow);
    void PaintFrame(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool WithContent);
    int ColW(int ACol) const;
    int RowH(int ARow) const;

    // DoPaintCell runs inside the platform's paint pass (one paint of a merge per pass).
    bool inPaintPass_ = false;
};

// The platform string grid's subclass the cell store derives from in the
// design; it adds nothing.
using TObjStringGrid = TStringGrid;
