#pragma once
// The platform's grid controls:
// - TCustomGrid: a custom-painted grid of cells with fixed rows and columns,
//   cell-granular scrolling, keyboard and mouse selection, column and row
//   sizing and moving, its own scroll bars and an in-place editor;
// - TDrawGrid: a grid whose cells are painted by OnDrawCell;
// - TStringGrid: a text and an object slot per cell.
//
// Indexes are column first, then row; fixed rows and columns share the
// index space with the others; geometry is in client pixels. The rules
// (defaults, what each setter fires, key and mouse tables, the order of the
// editor hooks, the scroll messages) are written down in docs/BASE_GRID.md.
#include <QFont>
#include <QImage>

#include <functional>
#include <memory>
#include <vector>

#include "platform/grids/gap_vector.h"
#include "platform/grids/grid_base_types.h"
#include "platform/gui/controls.h"
#include "platform/gui/forms.h"
#include "platform/gui/stdctrls.h"
#include "platform/gui/timers.h"

class QWidget;
class TInplaceEdit;
class TStringList;
class TStringGrid;

// Misuse of a grid: an index out of range, a fixed count not below the count.
class EInvalidGridOperation : public Exception {
    using Exception::Exception;
};

// The range the grid gives its scroll bars: the scroll position of the
// scrollable rows (columns) is spread over 0 .. GRID_SCROLL_MAX.
constexpr int GRID_SCROLL_MAX = 127;

using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const String& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

// ---- TCustomGrid ------------------------------------------------------------------------------

class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;

    // ---- dimensions
    int ColCount() const { return int(colWidths_.size()); }
    // Below 1 becomes 1; a fixed count not below the new count is lowered
    // to count - 1 first; SizeChanged follows.
    void SetColCount(int Value);
    int RowCount() const { return int(rowHeights_.size()); }
    void SetRowCount(int Value);
    int FixedCols() const { return fixedCols_; }
    // Raises EInvalidGridOperation when Value is negative or not below
    // ColCount. A new value puts the current cell, the anchor and the
    // top-left cell on the first scrollable cell.
    void SetFixedCols(int Value);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int Value);
    int DefaultColWidth() const { return defaultColWidth_; }
    // Gives every column (fixed ones included) this width, also when the
    // value does not change; ColWidthsChanged follows.
    void SetDefaultColWidth(int Value);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int Value);
    int ColWidths(int Index) const;
    // A new width fires ColWidthsChanged; negative widths are taken as 0 (a
    // column of width 0 is hidden).
    void SetColWidths(int Index, int Value);
    int RowHeights(int Index) const;
    void SetRowHeights(int Index, int Value);
    // Width of the lines between cells; 0 lets the cells touch.
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int Value);
    // Off: the grid fills no cell background, draws no text and no focus
    // rectangle; DrawCell does everything.
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool Value);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions Value);
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor Value);
    // bsSingle: a 2-pixel sunken frame around the client area; bsNone.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle Value);
    // Columns Tab stops at (all of them by default).
    bool TabStops(int Index) const;
    void SetTabStops(int Index, bool Value);
    // The layout is never mirrored.
    bool UseRightToLeftAlignment() const { return false; }

    // ---- column widths in bulk: one pass over the widths; a range outside
    // 0 .. ColCount raises EInvalidGridOperation and changes nothing.
    // The widths of the columns From .. To - 1 added up.
    long long ColWidthsSum(int From, int To) const;
    // The widths of the columns From .. To - 1.
    std::vector<int> ColWidthsRange(int From, int To) const;
    // Column From + i takes Values[i] (negative widths are taken as 0); when
    // any width changed, one layout update and one ColWidthsChanged follow,
    // as for SetColWidths of one column.
    void SetColWidthsRange(int From, const std::vector<int>& Values);

    // ---- position
    int Col() const { return current_.X; }
    // Through SelectCell (a veto keeps the current cell); the anchor moves
    // along and the cell is scrolled into view. A value in the fixed area
    // is taken as the first scrollable column; out of range raises.
    void SetCol(int Value);
    int Row() const { return current_.Y; }
    void SetRow(int Value);
    int LeftCol() const { return topLeft_.X; }
    // Clamped to FixedCols .. the last left column that still fills the view.
    void SetLeftCol(int Value);
    int TopRow() const { return topLeft_.Y; }
    void SetTopRow(int Value);
    // SetTopRow that may also start the view past its last full view, up
    // to the last row (the rows end above the bottom of the client area):
    // for a panel lying over the bottom of the grid. The view keeps that
    // start through size and count changes (never past the last row) and
    // scrolls back as usual; the scroll messages never move it further
    // down. Once the view starts at or before its last full view again,
    // SetTopRow clamps as always.
    void SetTopRowPastEnd(int Value);
    // Scrollable columns (rows) shown whole from LeftCol (TopRow).
    int VisibleColCount() const;
    int VisibleRowCount() const;
    // The rectangle between the anchor and the current cell (whole rows
    // with goRowSelect).
    TGridRect Selection() const;
    // Sets the anchor to Value's top-left and the current cell to its
    // bottom-right (clamped), without SelectCell and without scrolling.
    void SetSelection(const TGridRect& Value);
    TGridState GridState() const { return gridState_; }

    // ---- geometry (client coordinates)
    // The cell's rectangle; the empty rectangle (0,0,0,0) for a cell that
    // is not on screen (scrolled away, or starting past the client area). A
    // cell partly on screen gets its whole rectangle.
    TRect CellRect(int ACol, int ARow) const;
    // The cell under a client point; -1 for a coordinate outside the cells.
    // The line right of (below) a cell belongs to the cell.
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;
    void CalcDrawInfo(TGridDrawInfo& DrawInfo) const;
    // The client area lies inside the border, without the scroll bars
    // (ClientAreaInWindow); client (0, 0) is the top-left pixel inside the
    // border.
    int BorderWidth() const;
    // Columns that may hold cells: the largest ColCount the grid had.
    int StoredColCount() const { return colExtent_; }
    // The thickness of the grid's own bars (width of the vertical one,
    // height of the horizontal one); 0, the default: the system's.
    int ScrollBarSize() const { return scrollBarSize_; }
    void SetScrollBarSize(int Value);
    bool HorzScrollBarVisible() const { return hShown_; }
    bool VertScrollBarVisible() const { return vShown_; }
    // The grid's own bars (parts of its frame); their messages come to the
    // grid as WM_HSCROLL / WM_VSCROLL with LParam 0.
    TScrollBar* HorzScrollBar() const { return hbar_; }
    TScrollBar* VertScrollBar() const { return vbar_; }

    // ---- the scroll bars (Bar: SB_HORZ or SB_VERT)
    void GetScrollInfo(int Bar, TScrollInfo& Info) const;
    void SetScrollInfo(int Bar, const TScrollInfo& Info);
    int GetScrollPos(int Bar) const;
    void SetScrollPos(int Bar, int Pos);
    // Shows or hides the bar until the grid next recomputes its bars (a
    // size, count or position change).
    void ShowScrollBar(int Bar, bool Show);
    void EnableScrollBar(int Bar, bool Enable);
    bool ScrollBarEnabled(int Bar) const;

    // ---- moving the current cell and whole columns and rows
    // Asks SelectCell, then moves the current cell (and the anchor when
    // MoveAnchor, or always without goRangeSelect), scrolls it into view
    // when Show, and repaints what changed. Out of range raises.
    void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
    void FocusCell(int ACol, int ARow, bool MoveAnchor) { MoveColRow(ACol, ARow, MoveAnchor, true); }
    // Moves a column (row) with its width (height); ColumnMoved (RowMoved)
    // follows, where a string grid moves the texts and objects.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    // MoveColumn to the end, then one column less (the dropped cells are
    // reported first, see TStringGrid::DropCells).
    virtual void DeleteColumn(int ACol);
    virtual void DeleteRow(int ARow);
    // One more column (row), then MoveColumn (MoveRow) from the end to ACol.
    virtual void InsertColumn(int ACol);
    virtual void InsertRow(int ARow);

    // ---- rows in bulk. A row carries its height and the subclass's cell
    // data (a string grid's texts and objects); the current cell and the
    // anchor stay on their rows. Bad arguments raise EInvalidGridOperation
    // and change nothing; a call that changes nothing notifies nothing.
    // Count rows of DefaultRowHeight before row At (0 .. RowCount); one
    // SizeChanged.
    void InsertRows(int At, int Count);
    // The Count rows from At; the grid keeps at least one row (a fixed count
    // not below the new count is lowered to count - 1). DropCells reports
    // the rows first, then one SizeChanged.
    void DeleteRows(int At, int Count);
    // Rows A and B change places, in constant time; one repaint, no
    // RowMoved.
    void ExchangeRows(int A, int B);
    // Row i becomes the old row Order[i]: Order holds each of 0 .. RowCount
    // - 1 once. Linear time; one repaint, no RowMoved.
    void PermuteRows(const std::vector<int>& Order);

    // ---- the in-place editor
    bool EditorMode() const { return editorMode_; }
    void SetEditorMode(bool Value);
    // Nullptr until the editor is first shown.
    TInplaceEdit* InplaceEditor() const;
    // EditorMode on, and when CanEditShow allows: the editor is created
    // (first time), loaded, placed on the current cell, shown and focused.
    void ShowEditor();
    // The editor's text goes to SetEditText, the editor hides, EditorMode off.
    void HideEditor();
    // ShowEditor, then the character is posted to the editor, which replaces
    // the selected text with it.
    void ShowEditorChar(QChar Ch);
    // The editor reloads its text from GetEditText.
    void InvalidateEditor();
    // SetEditText with the editor's text, when the editor is loaded.
    void UpdateText();

    // ---- painting
    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void InvalidateCol(int ACol);
    void InvalidateGridRect(const TGridRect& Rect);
    // A client rectangle. The background is always erased first, Erase is
    // kept for callers that distinguish.
    void InvalidateRect(const TRect& Rect, bool Erase = true);
    // The redraw switch of an update lock (WM_SETREDRAW).
    void SetRedraw(bool Value) { Perform(WM_SETREDRAW, Value ? 1 : 0); }
    // The grid as painted (frame, cells, scroll bars; not child controls).
    QImage PaintToImage();
    void PaintTo(TCanvas& ACanvas, int X, int Y);
    // One cell painted by DrawCell (with the state it has now) onto ACanvas
    // at ARect, whether it is on screen or not.
    void PaintCellTo(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Loaded() override;
    // ScaleControl (bounds and font), then ScaleColRowSizes. An override
    // that keeps the sizes of the columns and rows calls ScaleControl only.
    virtual void ChangeScale(int M, int D);

    // ---- events
    TSelectCellEvent OnSelectCell;
    TNotifyEvent OnTopLeftChanged;
    TDrawCellEvent OnDrawCell;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    TGetEditEvent OnGetEditMask;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;

protected:
    friend class TInplaceEdit;

    // ---- overridable operations
    // Whether the current cell may move to (ACol, ARow): fires OnSelectCell.
    virtual bool SelectCell(int ACol, int ARow);
    // After LeftCol or TopRow changed (once per change): OnTopLeftChanged.
    virtual void TopLeftChanged();
    // Paints the cells that meet the area being painted, the lines and the
    // background past the last cell (see docs).
    void Paint() override;
    // One cell; the canvas has the grid's font, a solid brush of the cell's
    // colour and, with DefaultDrawing, the cell filled. Fires OnDrawCell.
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                                 TGridDrawInfo& FixedInfo);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    // Cells are about to leave the grid (a row count shrinking, a row or
    // column deleted): they are still readable. The base does nothing.
    virtual void DropCells(const TGridRect& Rect) { (void)Rect; }
    // ---- the cell data of a subclass (TStringGrid keeps its cells here);
    // called before the notifications (ColumnMoved, SizeChanged ...).
    virtual void MoveColumnData(int FromIndex, int ToIndex) { (void)FromIndex, (void)ToIndex; }
    virtual void MoveRowData(int FromIndex, int ToIndex) { (void)FromIndex, (void)ToIndex; }
    // The counts changed; rows past NewRowCount were reported by DropCells.
    virtual void ResizeData(int NewColCount, int NewRowCount) { (void)NewColCount, (void)NewRowCount; }
    // Forget every cell of the column (a deleted column's kept cells).
    virtual void ClearColumnData(int ACol) { (void)ACol; }
    // The rows in bulk (InsertRows ...), arguments already checked: Count
    // empty rows before At; the Count rows from At (reported by DropCells);
    // rows A and B exchanged; row i becomes the old row Order[i].
    virtual void InsertRowData(int At, int Count) { (void)At, (void)Count; }
    virtual void DeleteRowData(int At, int Count) { (void)At, (void)Count; }
    virtual void ExchangeRowData(int A, int B) { (void)A, (void)B; }
    virtual void PermuteRowData(const std::vector<int>& Order) { (void)Order; }
    // ---- editing
    virtual TInplaceEdit* CreateEditor();
    virtual bool CanEditShow();
    virtual bool CanEditModify() { return true; }
    virtual bool CanEditAcceptKey(QChar Key) { (void)Key; return true; }
    virtual String GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const String& Value);
    virtual String GetEditMask(int ACol, int ARow);
    // Longest text the editor takes; 0 = no limit.
    virtual int GetEditLimit() { return 0; }

    // ---- input
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // The mouse state machine; a subclass may end a state (gsNormal) or
    // change it.
    void SetGridState(TGridState Value) { gridState_ = Value; }
    // The anchor alone moves (the selection grows from the current cell).
    void MoveAnchor(const TGridCoord& NewAnchor);
    void MoveTopLeft(int ALeft, int ATop);
    // Scrolls so that the cell is shown whole.
    void ClampInView(const TGridCoord& Coord);
    void InvalidateGrid() { Invalidate(); }
    // A cell's content changed: repaint it, and reload the editor when it
    // shows that cell (unless the editor's own text is being stored).
    void CellContentChanged(int ACol, int ARow);
    // The cells of columns FromCol .. ToCol changed in bulk (every row):
    // one repaint of the grid, and the editor reloaded when it shows one of
    // them (unless the editor's own text is being stored).
    void ColumnCellsChanged(int FromCol, int ToCol);
    // Draws one line of text in the canvas font with its cell at (X, Y),
    // clipped to R, on the background as it is (TCanvas::TextRect without
    // the fill, made for painting many cells).
    void DrawCellText(const TRect& R, int X, int Y, const String& Text);
    // The part of ChangeScale that every control has: bounds and font.
    void ScaleControl(int M, int D);
    void ScaleColRowSizes(int M, int D);
    // The last column (row) the view can start at so that it is full.
    int MaxLeftCol() const;
    int MaxTopRow() const;

    // Inside the border, without the scroll bars.
    TRect ClientAreaInWindow() const override;

    // ---- messages
    void WMEraseBkgnd(TMessage& Message) override;
    // WParam: the QPainter* in window coordinates (the frame included).
    void WMNCPaint(TMessage& Message) override;
    void WMSize(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMChar(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void WMSetCursor(TMessage& Message) override;
    void WMTimer(TMessage& Message) override;
    void WMHScroll(TMessage& Message) override;
    void WMVScroll(TMessage& Message) override;
    void WMCancelMode(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;

private:
    struct TAxis;

    TAxis HorzAxis() const;
    TAxis VertAxis() const;
    int ColGap(int ACol) const;
    int RowGap(int ARow) const;
    TGridDrawState CellState(int ACol, int ARow) const;
    void PaintCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    void PaintGridLines(int ACol, int ARow, const TRect& ARect);
    void PaintFeedback();
    TRect BarRect(int Bar) const;  // window coordinates
    int BarThickness(int Bar) const;
    TScrollBar* Bar(int Which) const { return Which == SB_VERT ? vbar_ : hbar_; }
    void PlaceBars();
    void ScrollMessage(int Bar, int Code, int Pos);
    TRect PaintArea() const;
    void UpdateScrollRange();
    void UpdateScrollPos();
    void LayoutChanged();
    void SetCurrentSilently(TGridCoord NewCurrent, TGridCoord NewAnchor);
    void SelectionMoved(const TGridRect& OldSel);
    TGridCoord CellAtClamped(int X, int Y) const;
    void AutoScrollStep();
    void UpdateEdit();
    void HideEdit(bool RestoreFocus);
    void PlaceEditor();
    void EditorCancel();
    void ResetTopLeft();
    void ChangeSize(int NewColCount, int NewRowCount);
    // The bulk row operations, after their checks (grid_rows.cpp): the
    // editor's text is stored and the editor hidden (false: the grid went);
    // then the layout is recomputed and the editor shown again.
    bool BeginRowChange();
    void EndRowChange(bool Notify, int OldRowCount);
    void CheckIndex(int ACol, int ARow) const;
    void InvalidateFeedback();

    // Rows (columns) taken out one after another shift nothing behind them.
    TGapVector<int> colWidths_;
    TGapVector<int> rowHeights_;
    std::vector<bool> tabStops_;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    bool defaultDrawing_ = true;
    TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TColor fixedColor_ = clBtnFace;
    TBorderStyle borderStyle_ = bsSingle;
    TScrollStyle scrollBars_ = ssBoth;
    TGridCoord topLeft_{1, 1};
    // The start of a view past its last full view (SetTopRowPastEnd); -1
    // none.
    int pastEndTop_ = -1;
    int scrollBarSize_ = 0;
    TGridCoord current_{1, 1};
    TGridCoord anchor_{1, 1};
    TGridState gridState_ = gsNormal;
    // Mouse sizing and moving.
    int sizingIndex_ = -1;
    int sizingPos_ = 0;
    int sizingOfs_ = 0;
    int moveIndex_ = -1;
    int movePos_ = -1;
    // The editor.
    TWeakRef<TInplaceEdit> editor_;
    bool editorMode_ = false;
    int editCol_ = -1;
    int editRow_ = -1;
    bool inSetEditText_ = false;
    // Scroll bars (freed with the grid's frame).
    TScrollBar* hbar_ = nullptr;
    TScrollBar* vbar_ = nullptr;
    bool hShown_ = false;
    bool vShown_ = false;
    bool updatingScrollRange_ = false;
    int colExtent_ = 0;
    // DrawCellText's font, kept from cell to cell.
    std::unique_ptr<TFont> textFont_;
    QFont textQFont_;
    int textAscent_ = 0;
};

// ---- TDrawGrid: cells painted by OnDrawCell ----------------------------------------------------

class TDrawGrid : public TCustomGrid {
public:
    using TCustomGrid::TCustomGrid;
};

// ---- TStringGrid ------------------------------------------------------------------------------

// A view of one row (or column) of a string grid as a list of texts with
// object slots; it reads and writes the grid's cells.
class TStringGridStrings {
public:
    TStringGridStrings(TStringGrid* Grid, int Index, bool IsRow) : grid_(Grid), index_(Index), isRow_(IsRow) {}

    // ColCount for a row, RowCount for a column.
    int Count() const;
    String Strings(int Index) const;
    void SetStrings(int Index, const String& Value);
    TObject* Objects(int Index) const;
    void SetObjects(int Index, TObject* Value);
    // Empty texts and nil objects (nothing is freed).
    void Clear();
    // Texts and object slots (the objects themselves are not copied). A row
    // copied from a row takes every stored cell, those beyond ColCount too.
    void Assign(const TStringGridStrings& Source);
    // Item i to cell i; cells past the list are cleared.
    void Assign(const TStringList& Source);
    void AssignTo(TStringList& Dest) const;
    QStringList ToQStringList() const;

private:
    TStringGrid* grid_;
    int index_;
    bool isRow_;
};

// The cell store: rows are allocated on first write; moving, inserting and
// deleting rows moves pointers. Columns beyond ColCount keep their cells
// (they show again when the count grows); rows beyond RowCount are dropped
// (DropCells reports them first). Reading outside the grid gives an empty
// text and nullptr; writing a non-empty value there raises.
class TStringGrid : public TDrawGrid {
public:
    explicit TStringGrid(TComponent* AOwner);
    ~TStringGrid() override;

    String Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const String& Value);
    TObject* Objects(int ACol, int ARow) const;
    void SetObjects(int ACol, int ARow, TObject* Value);
    TStringGridStrings Rows(int ARow) { return TStringGridStrings(this, ARow, true); }
    TStringGridStrings Cols(int ACol) { return TStringGridStrings(this, ACol, false); }

    // ---- the cells of columns in bulk: texts and objects shift within
    // every row, in one pass over the rows, with one repaint (no report per
    // cell; the counts and widths stay). Only the columns below Limit take
    // part: cells from Limit on stay where they are. Limit is at most
    // StoredColCount; bad arguments raise EInvalidGridOperation and change
    // nothing; Count 0 changes nothing and repaints nothing.
    // Count empty cells come in before column At: the cells of At .. Limit
    // - Count - 1 move Count columns right, those of Limit - Count .. Limit
    // - 1 are dropped (At + Count <= Limit). Dropped objects are forgotten,
    // not freed.
    void InsertColumnCells(int At, int Count, int Limit);
    // The cells of At .. At + Count - 1 are dropped: those of At + Count ..
    // Limit - 1 move Count columns left, and Limit - Count .. Limit - 1 are
    // left empty (At + Count <= Limit).
    void DeleteColumnCells(int At, int Count, int Limit);

    // ---- a row's cells as one record. Texts[i] and Objects[i] are the
    // cells of column i; either vector may be shorter than the row (the
    // cells past it are empty). A row never written has no record.
    struct TRowData {
        std::vector<String> Texts;
        std::vector<TObject*> Objects;
    };
    // Takes the record out of row ARow in constant time: the row stays and
    // reads as empty. The objects go with the record (the caller owns what
    // they point at). No repaint, no DropCells, no other notification.
    // nullptr for a row that holds no record; a row out of range raises
    // EInvalidGridOperation.
    std::unique_ptr<TRowData> ReleaseRowData(int ARow);
    // Puts a record into row ARow in constant time, without notification
    // (the caller repaints). The row must hold no record (a row just
    // inserted, or one whose record was released): else, or out of range,
    // EInvalidGridOperation is raised and Data is not moved from. nullptr
    // leaves the row as it is.
    void AdoptRowData(int ARow, std::unique_ptr<TRowData>&& Data);

protected:
    friend class TStringGridStrings;

    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    String GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const String& Value) override;
    void MoveColumnData(int FromIndex, int ToIndex) override;
    void MoveRowData(int FromIndex, int ToIndex) override;
    void ResizeData(int NewColCount, int NewRowCount) override;
    void ClearColumnData(int ACol) override;
    void InsertRowData(int At, int Count) override;
    void DeleteRowData(int At, int Count) override;
    void ExchangeRowData(int A, int B) override;
    void PermuteRowData(const std::vector<int>& Order) override;

private:
    TRowData* RowData(int ARow) const;
    TRowData& WritableRow(int ARow);
    void CopyRow(int FromRow, int ToRow);
    // InsertColumnCells (Insert) or DeleteColumnCells.
    void ShiftColumnCells(int At, int Count, int Limit, bool Insert);
    void CellChanged(int ACol, int ARow);

    // Rows taken out one after another (hiding every other row) shift
    // nothing behind them.
    TGapVector<std::unique_ptr<TRowData>> rows_;
};
