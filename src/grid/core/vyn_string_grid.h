#pragma once
// TVynStringGrid: the full table control on the cell store.
//
// The class owns about fifty option objects and lists (created in a fixed
// order, each wired to its handler), answers the per-cell questions of the
// cell store and adds its own row of per-cell questions (Do... operations,
// each firing its event only when one is assigned; the column grid
// overrides many of them). Indexes: ACol is a real column (hidden columns
// counted) and ARow a row as shown, unless a comment says "display column".
//
// Its members are spread over the grid folders: the life cycle and the
// per-cell questions here (vyn_string_grid.cpp, vyn_string_grid_ops.cpp),
// editing in src/grid/edit, painting in src/grid/render, interaction in
// src/grid/interact, data operations in src/grid/data, import and export in
// src/grid/io. docs/GRID.md lists the members that still have a
// placeholder body.
//
// A grid built in code sets its stored values and then calls Loaded; what
// it leaves unset keeps the defaults of the constructor.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "grid/core/base_grid.h"
#include "grid/core/cell_graphic.h"
#include "grid/core/grid_draw.h"
#include "grid/core/grid_lists.h"
#include "grid/core/grid_options.h"
#include "platform/rtl/datetime.h"

class TColumnSize;
class TNoActiveForm;
class TControlLook;
class TBackGround;
class TShowModified;
class TGridProgressAppearance;
class THTMLPictureCache;
class THTMLHintWindow;
class TFooterPanel;
class TFloatingFooter;
class TSortSettings;
enum class TSortDirection;
class TCellNode;
class TGrouping;
class TFilter;
class TFilterDropDown;
class TDropList;
class TDropCheckList;
class TFilterData;
class TFilterPopup;
class TPopupForm;
class TCompiledFilter;
class TPrintSettings;
class THTMLSettings;
class TDragDropSettings;
class TSearchPanel;
class TDragScrollOptions;
class TBalloonSettings;
class TSizeWhileTyping;
class TVynInplaceEdit;
class TBitmap;
class TImageList;
class TScrollBar;
class TCustomForm;
class TGridChangeNotifier;
class TEditLink;
class TCheckListBox;
class TVynStringGridCheck;
class THintWindow;
class TGridCombo;

// ---- the grid's enumerations --------------------------------------------------------------------

enum class TGridLook { glStandard, glSoft, glClassic, glVyn, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
enum class TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum class TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum class TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum class THintShowLargeTextPos { hpCell, hpCursor };
enum class THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum class TFilterDropDownColumns { fdNormal, fdAll };
enum class TSearchAction { saFindFirst, saFindPrevious, saFindNext };
enum class TOfficeTheme {
    ot2003Blue, ot2003Silver, ot2003Olive, ot2003Classic, ot2007Blue, ot2007Silver, ot2007Black, ot2010Blue,
    ot2010Silver, ot2010Black, otUnknown
};
// ---- looks and styles (src/grid/render, grid_looks.cpp)
enum class TVynGridStyle {
    gsOffice2003Blue, gsOffice2003Silver, gsOffice2003Olive, gsOffice2003Classic, gsOffice2007Luna,
    gsOffice2007Obsidian, gsWindowsXP, gsWhidbey, gsCustom, gsOffice2007Silver, gsWindowsVista, gsWindows7,
    gsTerminal, gsOffice2010Blue, gsOffice2010Silver, gsOffice2010Black
};
enum class TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };
// What the balloon tooltip shows for a cell (TVynStringGrid::BalloonTextAt).
struct TGridBalloonText {
    // False: the balloon stays empty (balloons off).
    bool Supplied = false;
    int Col = -1, Row = -1;
    String Title, Text;
    int Icon = 1;
};

// ---- event types declared with the string grid ------------------------------------------------

using TRowChangedEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TRowChangingEvent = std::function<void(TObject* Sender, int OldRow, int NewRow, bool& Allow)>;
using TColChangingEvent = std::function<void(TObject* Sender, int OldCol, int NewCol, bool& Allow)>;
using TCellChangingEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TCellCursorEvent = std::function<void(TObject* Sender, int ACol, int ARow, int X, int Y, TCursor& ACursor)>;
using TGridWideHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, String& hintstr)>;
using TCellsChangedEvent = std::function<void(TObject* Sender, TRect& R)>;
using TSelectionChanged = std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TFixedEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor,
                                           TStringList* Values)>;
using TScrollCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)>;
using TCanShowFixedDropDownEvent = std::function<void(TObject* Sender, int ACol, bool& CanShow)>;
using TCellSaveLoadEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;
using TGridPrintPageNumEvent =
    std::function<void(TObject* Sender, int PageNum, int PageColNum, String& PageNumString)>;
using TGetEditorPropEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink)>;
// Names the row first; the grid passes the column first.
using TGetEditorPropIntEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TFilterCheckEvent = std::function<void(TObject* Sender, int Column, int ItemIndex, const String& FriendlyName,
                                             String& FilterCondition, TCheckListBox* CheckList)>;
using TWordWrapEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using THasSpinEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasSpinEdit)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TDateTime ADateTime)>;
using TEditChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, const String& Value)>;
using TCustomFilterEvent = std::function<void(TObject* Sender, int ARow, bool& AcceptRow)>;
using TColorSelectEvent = std::function<void(TObject* Sender, int ACol, int ARow, TColor Color, const String& Value)>;
using TImageSelectEvent = std::function<void(TObject* Sender, int ACol, int ARow, int Index)>;
using TRatingChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)>;
using TCellValidateWideEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value, bool& Valid)>;
using TSearchFooterActionEvent =
    std::function<void(TObject* Sender, const String& Value, int ACol, int ARow, TSearchAction SearchAction)>;
// Both pass the row first.
using TComboDropEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TDatePickerEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCalcFooterEvent = std::function<void(TObject* Sender, int ACol, String& Value)>;

// ---- cell objects: check boxes, radios and the other graphics of a cell ----------------------

using TCellTypes = Set<TCellType>;

// The page size and range of a cell's own scroll bar.
struct TScrollProp {
    int PageSize = 0;
    int Range = 0;
    bool operator==(const TScrollProp&) const = default;
};

// ---- the grid's exception, hidden rows, change notifiers ---------------------------------------

// Misuse of the string grid, with a fixed English message ("Cell does not
// contain integer value", "Columns is not in valid range", ...). A cell
// outside the grid raises the platform's Exception("Invalid cell").
class EVynGridError : public Exception {
public:
    using Exception::Exception;
};

// Who hid a row: HideRow(s) and the row operations, a filter level, or a
// contracted node. Each restores only its own rows.
enum class THiddenBy { hbRows, hbFilter, hbNode };

// The cells of a hidden row in real column order, read and written as a
// list: each text with its object slot. A small view of the row's record
// that the item holds (copied freely; valid while the item lives). Count
// is the length of the longer of the record's texts and objects (0 for a
// row that held no cell); the cells inside Count past either vector are
// empty. An index outside 0 .. Count - 1 raises EStringListError, as a
// list does. An empty view (a row shown) tests false; "->" reaches the
// view itself, so it reads like the list pointer it stands for.
class TGridItemCells {
public:
    using TRowData = TStringGrid::TRowData;
    TGridItemCells() = default;
    explicit TGridItemCells(std::unique_ptr<TRowData>* Row) : FRow(Row) {}
    explicit operator bool() const { return FRow != nullptr; }
    TGridItemCells* operator->() { return this; }
    const TGridItemCells* operator->() const { return this; }

    int Count() const;
    String Strings(int Index) const;
    TObject* Objects(int Index) const;
    void SetStrings(int Index, const String& Value);
    void SetObjects(int Index, TObject* Value);
    // One cell more at the end.
    void Add(const String& S) { AddObject(S, nullptr); }
    void AddObject(const String& S, TObject* AObject);
    // An empty cell comes in before Index (0 .. Count); the later ones
    // move one column right.
    void Insert(int Index) { InsertObject(Index, String(), nullptr); }
    void InsertObject(int Index, const String& S, TObject* AObject);
    // The cell goes (its object is not freed); the later ones move left.
    void Delete(int Index);
    void Exchange(int Index1, int Index2);
    // The cell at CurIndex moves to NewIndex, the ones between shift.
    void Move(int CurIndex, int NewIndex);

private:
    TRowData& Writable();
    void Check(int Index, int Count) const;
    // Both vectors at least N long.
    void Widen(size_t N);
    std::unique_ptr<TRowData>* FRow = nullptr;
};

// One hidden row: its real index, height, filter level, who hid it and
// its cells: the record the cell store gave up (moved, never copied), with
// the object slots (usually the cells' TCellProperties, which the grid owns
// while the row is hidden).
class TGridItem : public TObject {
public:
    THiddenBy HiddenBy() const { return FHiddenBy; }
    void SetHiddenBy(THiddenBy Value) { FHiddenBy = Value; }
    int Idx() const { return FIdx; }
    void SetIdx(int Value) { FIdx = Value; }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    int Level() const { return FLevel; }
    void SetLevel(int Value) { FLevel = Value; }
    // The cells as a list (writes go into the record, as through the item).
    TGridItemCells Items() const { return TGridItemCells(&FRow); }
    // The record in and out (TStringGrid::ReleaseRowData / AdoptRowData).
    void SetRowData(std::unique_ptr<TStringGrid::TRowData> Value) { FRow = std::move(Value); }
    std::unique_ptr<TStringGrid::TRowData> ReleaseRowData() { return std::move(FRow); }

private:
    int FIdx = 0;
    int FHeight = 0;
    int FLevel = 0;
    THiddenBy FHiddenBy = THiddenBy::hbRows;
    // Written through Items() of a const item too, as the list it replaces.
    mutable std::unique_ptr<TStringGrid::TRowData> FRow;
};

// A component a grid tells about changed cells (RegisterNotifier); the
// grid never frees it. CellsChanged does nothing here.
class TGridChangeNotifier : public TComponent {
public:
    using TComponent::TComponent;
    virtual void CellsChanged(const TRect& R) { (void)R; }
};

// What the object of a ctInterface cell reports of its size (0: the
// cell's own width or height).
class IGridCellSize {
public:
    virtual ~IGridCellSize() = default;
    virtual int CellWidth() = 0;
    virtual int CellHeight() = 0;
};

// ---- TVynStringGrid -------------------------------------------------------------------------

class TVynStringGrid : public TBaseGrid {
public:
    explicit TVynStringGrid(TComponent* AOwner);
    ~TVynStringGrid() override;

    // ---- life cycle and copying
    // From another TVynStringGrid (anything else is ignored): the font, the
    // settings, the option objects, the dimensions, the widths of the
    // columns shown, the headers, the heights, the scroll settings, the cells.
    void Assign(const TPersistent& Source) override;
    // The cells of another TVynStringGrid (anything else is ignored).
    virtual void AssignCells(const TPersistent& Source);
    void Loaded() override;
    // One repaint is swallowed right after an editor change.
    void Invalidate() override;
    // The first form going up from Control through its parents.
    static TCustomForm* FindParentForm(TControl* Control);
    // A new frameless, top-most form (owned by the grid, shown by the
    // caller) with a picture of the cells of ARect (column, row indexes).
    TNoActiveForm* SelectionToForm(const TRect& ARect);
    void UpdateScrollBarAlways(bool HideUnneeded);
    // The grid's font for a cell without properties; else the grid's
    // scratch font with the cell's font name, size, style and colour.
    TFont* GetCellFont(int ACol, int ARow);
    void FreeScrollControls();
    bool IsDesigning() const { return FDesigning; }

    // ---- published settings of this class
    TCursor Cursor() const { return TBaseGrid::Cursor(); }
    // Sets the cursor and remembers it for the grid's destruction.
    void SetCursor(TCursor Value);
    bool UseHTMLHints() const { return FUseHTMLHints; }
    // Switches the application's hint window class (every hint of the
    // program) to the HTML hint window or back to the plain one.
    void SetUseHTMLHints(bool Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TGridLook Look() const { return FLook; }
    void SetLook(TGridLook Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
    void SetScrollBarAlways(TScrollBarAlways Value) { FScrollBarAlways = Value; }
    TScrollType ScrollType() const { return FScrollType; }
    void SetScrollType(TScrollType Value);
    int ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int Value);
    TColor ScrollColor() const { return FScrollColor; }
    void SetScrollColor(TColor Value);
    bool ScrollProportional() const { return FScrollProportional; }
    void SetScrollProportional(bool Value);
    bool ScrollSynch() const { return FScrollSynch; }
    void SetScrollSynch(bool Value) { FScrollSynch = Value; }
    bool ScrollHints() const { return FScrollHints; }
    void SetScrollHints(bool Value) { FScrollHints = Value; }
    // Stored while loading; otherwise the fixed rows take the height (the
    // default row height: every row takes it again).
    int FixedRowHeight() const { return FFixedRowHeight; }
    void SetFixedRowHeight(int Value);
    // The width of column 0. A write gives every fixed column the width,
    // except while loading or when it equals DefaultColWidth.
    int FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int Value);
    bool FixedRowAlways() const { return FFixedRowAlways; }
    void SetFixedRowAlways(bool Value) { FFixedRowAlways = Value; }
    bool FixedColAlways() const { return FFixedColAlways; }
    void SetFixedColAlways(bool Value) { FFixedColAlways = Value; }
    // The last FixedFooters rows and FixedRightCols display columns count
    // as fixed cells; the setters repaint.
    int FixedFooters() const { return FFixedFooters; }
    void SetFixedFooters(int Value);
    int FixedRightCols() const { return FFixedRightCols; }
    void SetFixedRightCols(int Value);

    // Simple settings of the defaults table.
#define VYN_SETTING(T, N)                    \
    const T& N() const { return F##N; }      \
    void Set##N(const T& Value) { F##N = Value; }
    VYN_SETTING(String, FloatFormat)
    VYN_SETTING(String, CheckTrue)
    VYN_SETTING(String, CheckFalse)
    VYN_SETTING(String, XMLEncoding)
    VYN_SETTING(String, FilterDropDownClear)
    VYN_SETTING(QChar, PasswordChar)
    VYN_SETTING(QChar, Delimiter)
    VYN_SETTING(String, EditMask)
    VYN_SETTING(TColor, SelectionRectangleColor)
    VYN_SETTING(bool, ShowSelection)
    VYN_SETTING(TColor, ActiveCellColor)
    VYN_SETTING(TColor, ActiveCellColorTo)
    VYN_SETTING(bool, ActiveCellShow)
    VYN_SETTING(TColor, HintColor)
    VYN_SETTING(TColor, HighlightColor)
    VYN_SETTING(TColor, HighlightTextColor)
    VYN_SETTING(TColor, DisabledFontColor)
    VYN_SETTING(TEditorType, DefaultEditor)
    VYN_SETTING(TPoint, XYOffset)
    VYN_SETTING(TInvalidEntryIcon, InvalidEntryIcon)
    VYN_SETTING(String, InvalidEntryTitle)
    VYN_SETTING(String, InvalidEntryText)
    VYN_SETTING(THintShowLargeTextPos, HintShowLargeTextPos)
    VYN_SETTING(THoverFixedCells, HoverFixedCells)
    VYN_SETTING(TFilterDropDownColumns, FilterDropDownColumns)
    VYN_SETTING(bool, FilterDropDownAuto)
    VYN_SETTING(bool, FilterIncremental)
    VYN_SETTING(bool, FilterNormalCellsOnly)
    VYN_SETTING(bool, AutoFilterUpdate)
    VYN_SETTING(bool, FitCellsInGrid)
    VYN_SETTING(bool, EnableHTML)
    VYN_SETTING(bool, EnableWheel)
    VYN_SETTING(bool, IntelliZoom)
    VYN_SETTING(bool, EnhRowColMove)
    VYN_SETTING(bool, ShowDesignHelper)
    VYN_SETTING(bool, UseInternalHintClass)
    VYN_SETTING(bool, UseDisabledFont)
    VYN_SETTING(bool, ShowNullDates)
    VYN_SETTING(bool, URLShowInText)
    VYN_SETTING(bool, QuoteEmptyCells)
    VYN_SETTING(bool, SaveFixedCells)
    VYN_SETTING(bool, SaveVirtCells)
    VYN_SETTING(bool, SaveWithHTML)
    VYN_SETTING(bool, SaveWithRTF)
    VYN_SETTING(bool, AlwaysQuotes)
    VYN_SETTING(bool, JavaCSV)
    VYN_SETTING(bool, SaveFixedRows)
    VYN_SETTING(bool, SaveFixedCols)
    VYN_SETTING(bool, SaveHiddenCells)
    VYN_SETTING(bool, ClearTextOnly)
    VYN_SETTING(bool, LoadFirstRow)
    VYN_SETTING(bool, HideFocusRect)
    VYN_SETTING(bool, FixedAsButtons)
    VYN_SETTING(bool, NoDefaultDraw)
    VYN_SETTING(bool, SizeGrowOnly)
    VYN_SETTING(int, MinRowHeight)
    VYN_SETTING(int, MaxRowHeight)
    VYN_SETTING(int, MinColWidth)
    VYN_SETTING(int, MaxColWidth)
    int GroupColumn() const { return FGroupColumn; }
    // -1 ungroups, a value above 0 groups by that column, others do nothing.
    void SetGroupColumn(int Value);
    VYN_SETTING(int, ZoomFactor)
    VYN_SETTING(int, PreviewPage)
    VYN_SETTING(int, PrintPageTo)
    VYN_SETTING(int, PrintNrOfPages)
    VYN_SETTING(bool, PrinterDriverFix)
    VYN_SETTING(bool, ExcelClipboardFormat)
    VYN_SETTING(bool, FindBusy)
    VYN_SETTING(bool, AnchorHint)
    VYN_SETTING(bool, AutoNumAlign)
    VYN_SETTING(bool, AutoThemeAdapt)
    VYN_SETTING(bool, Modified)
#undef VYN_SETTING
    TEditLink* EditLink() const { return FEditLink; }
    void SetEditLink(TEditLink* Value) { FEditLink = Value; }
    TImageList* GridImages() const { return FGridImages; }
    void SetGridImages(TImageList* Value) { FGridImages = Value; }

    // ---- owned option objects (the setters copy into the grid's own)
    TSearchFooter* SearchFooter() const { return FSearchFooter; }
    TNavigation* Navigation() const { return FNavigation; }
    TMouseActions* MouseActions() const { return FMouseActions; }
    TSyncGrid* SyncGrid() const { return FSyncGrid; }
    TBands* Bands() const { return FBands; }
    TFocusHelper* FocusHelper() const { return FFocusHelper; }
    void SetFocusHelper(const TFocusHelper& Value);
    TColumnSize* ColumnSize() const { return FColumnSize; }
    TControlLook* ControlLook() const { return FControlLook; }
    TFloatingFooter* FloatingFooter() const { return FFloatingFooter; }
    TPrintSettings* PrintSettings() const { return FPrintSettings; }
    THTMLSettings* HTMLSettings() const { return FHTMLSettings; }
    TSortSettings* SortSettings() const { return FSortSettings; }
    TDragDropSettings* DragDropSettings() const { return FDragDropSettings; }
    TDragScrollOptions* DragScrollOptions() const { return FDragScrollOptions; }
    TCellNode* CellNode() const { return FCellNode; }
    TSizeWhileTyping* SizeWhileTyping() const { return FSizeWhileTyping; }
    TGrouping* Grouping() const { return FGrouping; }
    TBackGround* BackGround() const { return FBackGround; }
    TGridProgressAppearance* ProgressAppearance() const { return FProgressAppearance; }
    TFilter* Filter() const { return FFilter; }
    TBalloonSettings* Balloon() const { return FBalloonSettings; }
    TShowModified* ShowModified() const { return FShowModified; }
    TFilterDropDown* FilterDropDown() const { return FFilterDropDown; }
    THTMLPictureCache* ImageCache() const { return FImageCache; }
    TSearchPanel* SearchPanel() const { return FSearchPanel; }
    TFooterPanel* FooterPanel() const { return FFooterPanel; }
    TFont* FixedFont() const { return FFixedFont; }
    void SetFixedFont(const TFont& Value);
    TFont* ActiveCellFont() const { return FActiveCellFont; }
    // The headers of row 0 (column 0): a write copies the list, clears the
    // old headers and writes the new ones (docs/GRID.md, "Dimensions and headers").
    TStringList* ColumnHeaders() const { return FColumnHeaders; }
    void SetColumnHeaders(const TStringList& Value);
    TStringList* RowHeaders() const { return FRowHeaders; }
    void SetRowHeaders(const TStringList& Value);
    TStringList* LookupItems() const { return FLookupItems; }
    // A list is copied into the grid's; nullptr is ignored.
    void SetLookupItems(const TStringList* Value);
    TSortIndexList* SortIndexes() const { return FSortIndexes; }
    TIntList* MergedColumns() const { return FMergedColumns; }
    TStringList* FilterList() const { return FFilterList; }
    // The editors (null until editing builds them).
    TVynInplaceEdit* InplaceEditor() const;
    TWinControl* Combobox() const { return EditCombo; }

#include "grid/edit/vyn_string_grid_edit.inc"
public:

    // ---- hidden columns and rows (docs/GRID.md, "Hidden columns and rows")
    // A hidden column keeps its cells at its real index; ColCount, Col,
    // LeftCol and ColWidths count the shown (display) columns. A hidden row
    // leaves the grid for a TGridItem; RowCount and Row count the rows shown.
    // Every mapping is O(1) for columns and O(log hidden rows) for rows;
    // negative indexes pass unchanged.
    int RealColIndex(int ACol) const { return DisplToRealCol(ACol); }
    int DisplColIndex(int ACol) override { return RealToDisplCol(ACol); }
    int DisplToRealCol(int ACol) const
    {
        if (FNumHidden == 0 || ACol < 0)
            return ACol;
        return ACol < int(FDisplToReal.size()) ? FDisplToReal[size_t(ACol)] : ACol + FNumHidden;
    }
    // A hidden column answers the display index of the next shown one.
    int RealToDisplCol(int ACol) const
    {
        if (FNumHidden == 0 || ACol < 0)
            return ACol;
        return ACol - (ACol < int(FHiddenBefore.size()) ? FHiddenBefore[size_t(ACol)] : FNumHidden);
    }
    int RealCol() const { return RealColIndex(Col()); }
    int RealRowIndex(int ARow) const { return DisplToRealRow(ARow); }
    int DisplRowIndex(int ARow) const { return RealToDisplRow(ARow); }
    int DisplToRealRow(int ARow) const;
    // A hidden row answers the display index of the next shown one.
    int RealToDisplRow(int ARow) const;
    int RealRow() const { return RealRowIndex(Row()); }
    int TotalColCount() override { return ColCount() + FNumHidden; }
    int AllColCount() { return TotalColCount(); }
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    int AllRowCount() const { return TotalRowCount(); }
    int NumHiddenColumns() const { return FNumHidden; }
    int NumHiddenRows() const { return int(FGridItems.size()); }
    bool IsHiddenColumn(int ACol) const { return !GetVisibleCol(ACol); }
    bool IsHiddenRow(int ARow) const { return FindGridItem(ARow) != nullptr; }
    // The visibility flag of a real column (true beyond the table). The
    // hiding operations write it; NumHiddenColumns and the mapping follow
    // at once. A negative column raises EVynGridError.
    void SetVisibleCol(int ACol, bool Value);
    bool GetVisibleCol(int ACol) const
    {
        return ACol < 0 || ACol >= int(FVisibleCol.size()) || FVisibleCol[size_t(ACol)];
    }
    // The width of a real column: a hidden column's saved width, else the
    // width it is shown with. A write to a shown column sets that width
    // too (a column outside the grid raises and keeps nothing).
    int AllColWidths(int ACol);
    void SetAllColWidths(int ACol, int Value);
    // Real columns that find, click sorting and automatic sizing leave out.
    TIntList* IgnoreColumns() const { return FIgnoreColumns; }
    bool IsIgnoredColumn(int ACol) const { return FIgnoreColumns->HasValue(ACol); }
    // The saved cells of a hidden real row; an empty view (false) for a
    // row shown.
    TGridItemCells GetHiddenRowCells(int ARealRow) const;
    // The object slot of a real row's cell, hidden or shown (usually its
    // TCellProperties); nullptr outside the grid.
    TObject* GetCellObjectByRealRow(int ACol, int ARealRow) const;
    // The hidden rows in ascending order of Idx.
    TGridItem* GridItems(int Index) const { return FGridItems.at(size_t(Index)).get(); }
    // The current row (a display row). A write moves it (SetRowEx) and
    // reports a change once through OnRowUpdate.
    void SetRow(int Value) { SetRowEx(Value); }
    void SetRowEx(int Value);
    // Values outside FixedRows .. RowCount - 1 are ignored.
    void SetTopRow(int Value);
    // The current column; a linked grid (SyncGrid.SelectionColumn) follows.
    void SetCol(int Value);

    // ---- dimensions and headers (docs/GRID.md, "Dimensions and headers")
    // The counts with the "always" rules: with FixedRowAlways the fixed
    // rows survive a row count that leaves no room for them (FixedRows
    // reads 1 while the platform has none) and come back as rows are
    // added; without it a fixed count not below the count raises the
    // platform's error. A visible floating footer stays the last row.
    void SetRowCount(int Value);
    void SetColCount(int Value);
    // Asked for every cell the grid answers about: kept inline.
    int FixedRows() const
    {
        const int n = TBaseGrid::FixedRows();
        return n == 0 && FFixedRowAlways ? 1 : n;
    }
    void SetFixedRows(int Value);
    int FixedCols() const
    {
        const int n = TBaseGrid::FixedCols();
        return n == 0 && FFixedColAlways ? 1 : n;
    }
    void SetFixedCols(int Value);
    void SetDefaultRowHeight(int Value);
    // With IntegralHeight the height snaps to whole default-height rows.
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool Value);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    bool WordWrap() const { return FWordWrapEx; }
    void SetWordWrap(bool Value);
    TAlignment DefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(TAlignment Value);
    // The colours of the grid's gradient look, stored as RGB.
    TColor VynGradientFrom() const { return FVynGradientFrom; }
    void SetVynGradientFrom(TColor Value);
    TColor VynGradientTo() const { return FVynGradientTo; }
    void SetVynGradientTo(TColor Value);
    TColor VynGradientMirrorFrom() const { return FVynGradientMirrorFrom; }
    void SetVynGradientMirrorFrom(TColor Value);
    TColor VynGradientMirrorTo() const { return FVynGradientMirrorTo; }
    void SetVynGradientMirrorTo(TColor Value);
    void ClearColumnHeaders();
    void ClearRowHeaders();
    // The recorded column order: entry k is the index the column now at
    // real position k had when the order was recorded.
    int ColumnPosition(int ACol);
    int ColumnAtPosition(int APos);
    // Moves the columns back into the recorded order; nothing when the
    // recorded order is not an order of the columns there are.
    void ResetColumnOrder();
    // The first real column whose row-0 text is AValue (case counts), or -1.
    int ColumnByHeader(const String& AValue);
    // The column widths and offsets the last print layout left;
    // columns 0 .. 511, else EVynGridError "Columns is not in valid range".
    int PrintColWidth(int ACol) const;
    int PrintColOffset(int ACol) const;
    // "6.2.1.3"; writes are ignored.
    String Version() { return VersionText(GetVersionNr()); }
    void SetVersion(const String&) {}
    int VersionNr() { return GetVersionNr(); }
    String VersionString() { return GetVersionString(); }
    // Notifiers are told about changed cells in registration order; the
    // grid does not own them.
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);

    // ---- typed cell access (docs/GRID.md, "Typed cell access")
    // Reads that find no number raise EVynGridError ("Cell does not
    // contain integer value", "Cell does not contain a float value").
    int Ints(int ACol, int ARow);
    void SetInts(int ACol, int ARow, int Value);
    double Floats(int ACol, int ARow);
    // Through the cell's float format; a format the grid cannot apply
    // writes the value's shortest text. The locale's decimal separator.
    void SetFloats(int ACol, int ARow, double Value);
    TDateTime Dates(int ACol, int ARow);
    void SetDates(int ACol, int ARow, TDateTime Value);
    TDateTime Times(int ACol, int ARow);
    void SetTimes(int ACol, int ARow, TDateTime Value);
    String WideCells(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
    void SetWideCells(int ACol, int ARow, const String& Value) { SetCellEx(ACol, ARow, Value); }
    // The All... accessors take a real row (hidden rows counted).
    String AllCells(int ACol, int ARow) { return GetCellsEx(ACol, ARow); }
    void SetAllCells(int ACol, int ARow, const String& Value) { SetCellsEx(ACol, ARow, Value); }
    String GetCellsEx(int ACol, int ARow);
    void SetCellsEx(int ACol, int ARow, const String& Value);
    String AllGridCells(int ACol, int ARow) { return GetGridCellsEx(ACol, ARow); }
    void SetAllGridCells(int ACol, int ARow, const String& Value) { SetGridCellsEx(ACol, ARow, Value); }
    String GetGridCellsEx(int ACol, int ARow);
    void SetGridCellsEx(int ACol, int ARow, const String& Value);
    String AllWideCells(int ACol, int ARow) { return GetCellsEx(ACol, ARow); }
    void SetAllWideCells(int ACol, int ARow, const String& Value) { SetCellsEx(ACol, ARow, Value); }
    TObject* AllObjects(int ACol, int ARow) { return GetObjectsEx(ACol, ARow); }
    void SetAllObjects(int ACol, int ARow, TObject* Value) { SetObjectsEx(ACol, ARow, Value); }
    TObject* GetObjectsEx(int ACol, int ARow);
    void SetObjectsEx(int ACol, int ARow, TObject* AObject);
    // Not stripped of HTML.
    int AllInts(int ACol, int ARow);
    void SetAllInts(int ACol, int ARow, int Value);
    double AllFloats(int ACol, int ARow);
    // Through the grid's FloatFormat.
    void SetAllFloats(int ACol, int ARow, double Value);
    // The cell at the column's recorded position.
    String OriginalCells(int ACol, int ARow);
    void SetOriginalCells(int ACol, int ARow, const String& Value);
    // The cell at the row the sort found for ARow.
    String UnSortedCells(int ACol, int ARow);
    void SetUnSortedCells(int ACol, int ARow, const String& Value);
    int SortedRowIndex(int ARow);
    int UnSortedRowIndex(int ARow);
    String StrippedCells(int ACol, int ARow);
    // The VALUE of the cell's form control with that ID ("" without one);
    // a write changes the cell only when the control is there.
    String ControlValues(int ACol, int ARow, const String& ID);
    void SetControlValues(int ACol, int ARow, const String& ID, const String& Value);
    int LinesInCell(int ACol, int ARow);
    TCellType CellTypes(int ACol, int ARow) { return GetCellType(ACol, ARow); }
    TCellGraphic* CellGraphics(int ACol, int ARow) { return GetCellGraphic(ACol, ARow); }
    TPoint CellGraphicSize(int ACol, int ARow) { return GetCellGraphicLayoutSize(ACol, ARow, 0); }
    TIntList* CellImages(int ACol, int ARow);
    // The room the cell's graphic takes beside its text when painted and
    // measured / when printed.
    TPoint GetCellGraphicLayoutSize(int ACol, int ARow, int Extra);
    TPoint GetCellGraphicPrintSize(int ACol, int ARow, int MaxWidth, int MaxHeight, double Scale);
    // What image sorting compares: the bitmap or icon object, the image
    // index, or -1.
    intptr_t GetCellImageRef(int ACol, int ARow);
    bool HasSortIndicator(int ACol, int ARow);
    TEditorType CurrentEditor() const { return FCurrentEditor; }
    // ctEmpty without a graphic (or outside the grid); with
    // HotmailRowSelect every cell of column 0 is a row check box.
    virtual TCellType GetCellType(int ACol, int ARow);
    // The cell's TCellGraphic; with HotmailRowSelect, column 0 answers the
    // grid's one row check box, prepared for the row.
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
    bool HasCheckBox(int ACol, int ARow);
    // The five check-box kinds.
    static bool IsCheckBoxKind(TCellType Kind);
    bool GetCheckBoxState(int ACol, int ARow, bool& State);
    // False, and State untouched, when the cell holds no check box.
    bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);
    // Sets the box of the cell and reports the change (OnCheckBoxChange).
    void ChangeCheckBoxState(int ACol, int ARow, bool State);
    // A three-state box: flat, before the text; outside the grid raises
    // Exception("Invalid cell").
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
    static TCheckBoxState BoolToCheckBoxState(bool Value) { return Value ? cbChecked : cbUnchecked; }
    bool IsNode(int ARow);
    bool IsSummary(int ARow);
    bool IsFixed(int ACol, int ARow) override;

    // ---- per-cell look (docs/GRID.md, "Per-cell look"): a real column
    // and a display row. Reads never create a property object (WordWraps
    // excepted); writes create it with the default look.
    TColor Colors(int ACol, int ARow) const;
    void SetColors(int ACol, int ARow, TColor Value);
    TColor ColorsTo(int ACol, int ARow) const;
    void SetColorsTo(int ACol, int ARow, TColor Value);
    TCellGradientDirection Gradients(int ACol, int ARow) const;
    void SetGradients(int ACol, int ARow, TCellGradientDirection Value);
    TColor FontColors(int ACol, int ARow) const;
    void SetFontColors(int ACol, int ARow, TColor Value);
    TFontStyles FontStyles(int ACol, int ARow) const;
    void SetFontStyles(int ACol, int ARow, TFontStyles Value);
    String FontNames(int ACol, int ARow) const;
    void SetFontNames(int ACol, int ARow, const String& Value);
    int FontSizes(int ACol, int ARow) const;
    void SetFontSizes(int ACol, int ARow, int Value);
    TFont* Fonts(int ACol, int ARow) { return GetCellFont(ACol, ARow); }
    // Copies the font's name, size, style and colour into the cell.
    void SetFonts(int ACol, int ARow, const TFont& Value);
    TAlignment Alignments(int ACol, int ARow) const;
    void SetAlignments(int ACol, int ARow, TAlignment Value);
    bool ReadOnly(int ACol, int ARow) const;
    void SetReadOnly(int ACol, int ARow, bool Value);
    bool WordWraps(int ACol, int ARow);
    void SetWordWraps(int ACol, int ARow, bool Value);
    TControl* CellControls(int ACol, int ARow) const;
    // Places the control over the cell (the grid becomes its parent) and
    // records it under the cell's real row; nullptr takes the record away.
    // The grid never frees, hides or moves a control it is given.
    void SetCellControls(int ACol, int ARow, TControl* AControl);
    int NumCellControls() const { return FNumCellControls; }
    TControlList* ControlList() const { return FControlList; }
    // The non-fixed cells of a display row, hidden columns included. None
    // resets only that colour (RowFontColor: of the cells without a brush
    // colour); property objects stay.
    void SetRowColor(int ARow, TColor AColor);
    void SetRowColorTo(int ARow, TColor AColor);
    void SetRowFontColor(int ARow, TColor AColor);
    // Wraps each match of HiText in <Tag>...</Tag> in the base cells of the
    // rectangle (real columns, display rows); only cells with a match
    // change. A plain text is HTML-encoded first, a text that is already
    // HTML keeps its markup.
    void HilightInRect(const String& HiText, const String& Tag, int Left, int Top, int Right, int Bottom,
                       bool DoCase);
    // Takes the tags away again; entities are decoded only when no other
    // markup is left, so any plain text comes back as it was.
    void UnHilightInRect(const String& Tag, int Left, int Top, int Right, int Bottom);
    // ---- checking cells with the cell checker (grid_check.cpp; RemoveTag in the look's file)
    // Text without the tags <Tag> and </Tag> (any case); entities are
    // decoded only when no other markup is left. A text without the tag
    // comes back as it is.
    static String RemoveTag(const String& Text, const String& Tag);
    // True without a cell checker. Otherwise the text of the cell (real
    // column) without its error marks is checked: with GotoCell the cell
    // becomes current; with UseCorrect the checker corrects it and with
    // UseMarkError the checker marks the (corrected) text; a changed text
    // is written back. True when the check gave the unmarked text back.
    // "Invalid cell" for a cell outside the grid.
    bool CheckCell(int ACol, int ARow);
    // True without a cell checker. Otherwise StartCheck, CheckCell on every
    // cell of the rectangle row by row (all of them, whatever the result),
    // StopCheck, and with GotoCell the former current cell becomes current
    // again. True when every cell came back unchanged.
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);

    // ---- cell graphics
    // A new graphic for the cell (the one it had is released); an empty
    // cell keeps its empty text.
    TCellGraphic* CreateCellGraphic(int ACol, int ARow);
    // Clears the cell's graphic (freed unless it is a shared one); false
    // when the cell has none.
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType CellType);

    // ---- cell objects: check boxes, radios and the other graphics of a
    // cell (vyn_string_grid_checks.cpp, vyn_string_grid_objects.cpp).
    // Columns are real columns unless "display column" is said; "base"
    // operations look at the base cell of a merge. Every Add and Create
    // raises "Invalid cell" for a cell outside the grid (negative indexes
    // too) before it changes anything; an object passed to an Add stays the
    // caller's, one a Create returns belongs to the cell's graphic.

    // Check boxes. A data check box shows its cell's text: checked when it
    // equals GetCheckTrue. Adding one to a cell whose text is neither check
    // text writes the text of State.
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    // Rows FixedRows (0 with MouseActions.CheckAllCheck) .. RowCount - 1;
    // summary rows are skipped, node rows get a three-state box.
    void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
    void RemoveCheckBox(int ACol, int ARow);
    void RemoveCheckBoxColumn(int ACol);
    // Base: a data, shared column or row check box.
    bool HasDataCheckBox(int ACol, int ARow);
    // Sets the state without OnCheckBoxChange; false for a cell without a
    // box it can set.
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    // Only a three-state box.
    bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
    bool IsChecked(int ACol, int ARow);
    // A click on the box without the can-edit question.
    bool ToggleCheckBox(int ACol, int ARow);
    // ChangeCheckBoxState on every row below the fixed rows.
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    // The selection of a row (real row) that a row check box shows.
    void SetRowSelect(int ARow, bool Value);
    // Whether the point (grid coordinates) hits the cell's box or radio
    // button: anywhere in the cell unless MouseActions.PreciseCheckBoxCheck.
    bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);

    // Radio buttons: one per cell, a column of them is one group.
    void AddRadioButton(int ACol, int ARow, bool State = false);
    void RemoveRadioButton(int ACol, int ARow);
    bool HasRadioButton(int ACol, int ARow);
    bool IsRadioButtonChecked(int ACol, int ARow);
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    void AddRadioButtonColumn(int ACol);
    void RemoveRadioButtonColumn(int ACol);
    void SetRadioButtonColumnIndex(int ACol, int Index);
    // The first row below the fixed rows whose button is checked; -1 none.
    int GetRadioButtonColumnIndex(int ACol);

    // Radio groups: a list of items in one cell. DirRadio <> 0 lays them
    // out side by side.
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* sl);
    TStringList* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    void RemoveRadio(int ACol, int ARow);
    bool IsRadio(int ACol, int ARow);
    bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
    // -1 also empties the cell's text.
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    TStringList* GetRadioStrings(int ACol, int ARow);
    // The next item (wrapping to the first) becomes the selection and the
    // cell's text.
    void SelectNextRadioItem(int ACol, int ARow, bool CheckEdit);

    // Pictures.
    void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void RemoveBitmap(int ACol, int ARow);
    TBitmap* GetBitmap(int ACol, int ARow);
    bool HasBitmap(int ACol, int ARow);
    void AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                    TCellHAlign hal, TCellVAlign val);
    TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                            TCellHAlign hal, TCellVAlign val);
    void RemovePicture(int ACol, int ARow);
    TPicture* GetPicture(int ACol, int ARow);
    bool HasPicture(int ACol, int ARow);
    void AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent, TStretchMode StretchMode,
                        int Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                    TCellHAlign hal, TCellVAlign val);
    void RemoveFilePicture(int ACol, int ARow);
    TFilePicture* GetFilePicture(int ACol, int ARow);
    void AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
    TIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    void RemoveIcon(int ACol, int ARow);
    // An object that paints the cell itself; never freed by the grid.
    void AddInterfacedCell(int ACol, int ARow, TPersistent* AObject);
    void RemoveInterfacedCell(int ACol, int ARow);
    TPersistent* GetInterfacedCell(int ACol, int ARow);
    // Images of GridImages (nothing without it).
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    void RemoveImageIdx(int ACol, int ARow);
    bool GetImageIdx(int ACol, int ARow, int& Idx);
    void SetImageIdx(int ACol, int ARow, int Idx);
    // The cell's integer text selects the image; an empty cell gets Aidx.
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    // Also empties the cell's text.
    void RemoveDataImage(int ACol, int ARow);
    bool HasDataImage(int ACol, int ARow);
    // A list of image indexes (CellImages) that repaints the cell.
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    void RemoveMultiImage(int ACol, int ARow);

    // Indicators and annotations.
    void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const String& Fmt, int Min, int Max);
    void RemoveProgress(int ACol, int ARow);
    bool HasProgress(int ACol, int ARow);
    void AddVynProgress(int ACol, int ARow, int Min, int Max);
    void RemoveVynProgress(int ACol, int ARow);
    void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    void RemoveProgressPie(int ACol, int ARow);
    void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
    void RemoveRangeIndicator(int ACol, int ARow);
    void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    void RemoveShape(int ACol, int ARow);
    void SetShapeColor(int ACol, int ARow, TColor FillColor);
    // clNone for any cell but a shape.
    TColor GetShapeColor(int ACol, int ARow);
    void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
    void RemoveRating(int ACol, int ARow);
    bool HasRating(int ACol, int ARow);
    void AddComment(int ACol, int ARow, const String& Comment);
    void AddColorComment(int ACol, int ARow, const String& Comment, TColor Color);
    bool IsComment(int ACol, int ARow, String& Comment);
    String GetComment(int ACol, int ARow);
    // Adds a comment to a cell without graphic, changes a comment's text,
    // leaves any other graphic alone.
    void SetComment(int ACol, int ARow, const String& Value);
    void RemoveComment(int ACol, int ARow);
    void RemoveAllComments();
    // Markers share their fields with a progress bar's minimum and maximum.
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
    // On a check box or radio button the balloon is attached to it; on any
    // other graphic nothing is added.
    void AddBalloon(int ACol, int ARow, const String& Title, const String& Text, TBalloonIcon Icon);
    void RemoveBalloon(int ACol, int ARow);
    bool HasBalloon(int ACol, int ARow);
    bool IsBalloon(int ACol, int ARow, String& Title, String& Text, TBalloonIcon& Icon);
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    void RemoveScrollBar(int ACol, int ARow);
    bool HasScrollBar(int ACol, int ARow);
    bool HasAutoRangeScrollBar(int ACol, int ARow);
    // -1 without a scroll bar.
    int GetScrollPosition(int ACol, int ARow);
    void SetScrollPosition(int ACol, int ARow, int Pos);
    // (-1, -1) without a scroll bar.
    TScrollProp GetScrollProp(int ACol, int ARow);
    void SetScrollProp(int ACol, int ARow, const TScrollProp& Prop);

    // Buttons (BW x BH pixels).
    void AddButton(int ACol, int ARow, int BW, int BH, const String& Caption, TCellHAlign hal, TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int BW, int BH, const String& Caption, TBitmap* Glyph, TCellHAlign hal,
                      TCellVAlign val);
    TBitmap* CreateBitButton(int ACol, int ARow, int BW, int BH, const String& Caption, TCellHAlign hal,
                             TCellVAlign val);
    // Either kind of button.
    void RemoveButton(int ACol, int ARow);
    void RemoveBitButton(int ACol, int ARow);
    void RemoveAllButtons();
    bool HasButton(int ACol, int ARow);
    // Display column: the caption and pressed state of the cell's graphic.
    void SetButtonText(int ACol, int ARow, const String& Caption);
    String GetButtonText(int ACol, int ARow);
    void PushButton(int ACol, int ARow, bool Push);

    // Questions of painting and input.
    // Base; false for negative indexes.
    bool HasCellTypeIn(int ACol, int ARow, TCellTypes Kinds);
    // The base cell's graphic when its kind is in Kinds, else nil.
    TCellGraphic* GraphicIn(int ACol, int ARow, TCellTypes Kinds);
    // CreateCellGraphic for a cell of the grid; "Invalid cell" outside it.
    TCellGraphic* NewCellGraphic(int ACol, int ARow);
    // Base: a cell operated, not edited (check boxes, radios, buttons).
    bool IsControlCell(int ACol, int ARow);
    // Base: a cell whose text is shown as a graphic.
    bool IsDataGraphicCell(int ACol, int ARow);
    // The 11 x 11 expand square of an expand cell; empty otherwise.
    TRect GetExpandRect(int ACol, int ARow);
    // Display column: the graphic's rectangle in the cell; empty without.
    TRect GetCellGraphicRect(int ACol, int ARow);
    // The cell's horizontal and vertical alignment as painted (render).
    void GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);

    // ---- the cell store's questions the string grid answers
    int GetRowIndent(int ARow) override;
    bool HasNodes() override;
    void EmptyHook() override;
    void CellTextChanged(int ACol, int ARow) override;
    bool HasCellBorderEvent() override;
    bool UsesPlatformStyles() override;
    // After OnGetDisplText: with URLShowInText the first address found
    // ("HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://",
    // "FTP://", in this order) becomes a link; a group's node row shows its
    // count in column 1.
    void GetDisplText(int ACol, int ARow, String& Value) override;
    // The painter's look, without a background of its own for fixed and
    // selected cells and under bands or a gradient background.
    void GetDefaultCellLook(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                            TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                            TCellGradientDirection& GD) override;

    // ---- the string grid's own operations, in slot order
    virtual void CalcFooterCells(int ACol);
    virtual void DoClickSort(int ACol);
    virtual void KeyF2Hook();
    virtual void StoreEditValue(int ACol, int ARow, const String& Value);
    virtual void SelectAllHook(TGridRect& Rect);
    // ACol is a display column.
    virtual void StorePastedValue(int ACol, int ARow, const String& Value);
    virtual String CurrentCell();
    virtual void SetCurrentCell(const String& Value);
    virtual String CurrentCellDisplayText();
    virtual void SetCurrentCellEditText(const String& Value);
    virtual void RestoreCellCache();
    virtual bool DoCheckBoxClick(int ACol, int ARow, bool CheckEdit);
    virtual bool DoRadioButtonClick(int ACol, int ARow, bool CheckEdit);
    virtual String GetFormattedCell(int ACol, int ARow);
    virtual void GetCellFloatFormat(int ACol, int ARow, String& Fmt);
    virtual void DoPrintGetPageNum(int PageNum, int PageColNum, String& PageNumString);
    virtual void DoGetEditorProp(int ACol, int ARow, TEditLink* AEditLink);
    virtual void DoCheckBoxClickEvent(int ACol, int ARow, bool State);
    virtual void DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStringList* Values);
    virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    virtual void EditorTextHook(const String& Text, String& Result);
    virtual void InsertRowAt(int ARow);
    virtual void DeleteRowAt(int ARow);
    virtual void DoFilterDone();
    virtual void UpdateColSize(int ACol, int& AWidth);
    virtual void UpdateAutoColSize(int ACol, int& AWidth);
    virtual void ColumnHeadersChanged();
    virtual void DoEllipsClick(const String& Value, String& Result);
    virtual bool FilterMatch(int ARow);
    virtual void BeginPasteHook();
    virtual void EndPasteHook();
    virtual void MarkRowsModified(const TRect& R);
    virtual String GetCellText(int ACol, int ARow);
    virtual String GetCellTextForSave(int ACol, int ARow);
    virtual void SetCellTextFromLoad(int ACol, int ARow, const String& Value);
    virtual void RecalcFooterColumn(int ACol);
    // ACol is a display column.
    virtual void RememberCurrentCell(int ACol, int ARow);
    virtual void DoCanEditCellEvent(int ACol, int ARow, bool& CanEdit);
    virtual void DoSearchFooterAction(const String& Value, int ACol, int ARow, TSearchAction SearchAction);
    virtual void DoButtonClick(int ACol, int ARow);
    virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
    virtual void DoComboCloseUp(int ARow, int ACol);
    virtual void DoComboDropDown(int ARow, int ACol);
    virtual void DoGetCellCursor(int ACol, int ARow, int X, int Y);
    virtual void DoCellsChanged(TRect& R);
    virtual void RecalcFooter();
    virtual void DoGridHint(int ACol, int ARow, String& Hint, String& WideHint);
    virtual void DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void DoGetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    virtual void DoGetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    virtual void DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void DoGetFormat(int ACol, TSortStyle& AStyle, String& Prefix, String& Suffix);
    virtual void DoGetSpinEditorType(int ACol, int ARow, TEditorType& AEditor);
    virtual void DoGetEditorType(int ACol, int ARow, TEditorType& AEditor);
    virtual bool HasNoEditor(int ACol, int ARow);
    // ACol is a display column.
    virtual void DoIsFixedCell(int ACol, int ARow, bool& IsFixed);
    virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void DoIsPasswordCell(int ACol, int ARow, bool& IsPassword);
    virtual void DoGetWordWrap(int ACol, int ARow, bool& WordWrap);
    virtual bool DoHasComboBox(int ACol, int ARow);
    virtual bool DoHasSpinEdit(int ACol, int ARow);
    virtual String GetCheckTrue(int ACol, int ARow);
    virtual String GetCheckFalse(int ACol, int ARow);
    virtual bool DoGetColumnFilter(int ACol);
    virtual TGridRect UsedCells();
    virtual void DeleteRowRange(int ARow, int Count);
    virtual void DoCanAddRow(bool& CanAdd);
    virtual void DoCanInsertRow(int ARow, bool& CanInsert);
    virtual void WndProcHook(int Value, bool& Handled);
    virtual void AddAutoRow();
    virtual void CellSelectorHook(int ACol, int ARow);
    virtual void FormulaEditHook(const String& Value);
    virtual void LButtonDownHook(const TMessage& Message);
    virtual void MouseActionsChanged();
    virtual bool IsDesigningQuery(bool& IsDesigning);
    virtual void MouseActionsInvalidate();
    virtual void DisableEditing();
    virtual void EditorKeyHook(Word& Key, TShiftState Shift);
    virtual void EditorKeyMessageHook(TMessage& Message);
    virtual void NavigationChanged();
    virtual void MoveToFirstRow();
    virtual bool AllowFMTClipboard();
    // The choice ItemIndex of the filter drop list.
    virtual void DoFilterSelect(int ItemIndex);
    virtual void DoFilterCheck();
    virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
    virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);
    virtual void DoColorSelect(int ACol, int ARow, TColor Color, const String& Value);
    virtual void DoImageSelect(int ACol, int ARow, int Index);
    virtual void DoCellChanging(int NewCol, int NewRow, bool& Allow);
    virtual void DoScrollCell();
    virtual bool DoCanShowFixedDropDown(int ACol);
    virtual void DoStartBlockFocus();
    virtual void DoEndBlockFocus();
    virtual TImageList* GetGridImages();
    virtual void ExportNotification(int AState, int ARow);
    virtual void ImportNotification(int AState, int ARow);
    virtual int GetVersionNr();
    virtual String GetVersionString();
    using TBaseGrid::InsertRows;
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls);
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    virtual void CalcFooter(int ACol);

#include "grid/data/vyn_string_grid_structure.inc"
public:

#include "grid/render/vyn_string_grid_paint.inc"
public:
    // ---- members of the other grid folders the core calls (docs/GRID.md)
    void RepaintRow(int ARow);
    void RepaintCol(int ACol);
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    void UpdateFooter();
    // Run by EndUpdate when the outermost update bracket closes: the footer
    // recalculates once if cells changed while the bracket was open.
    void RecalcStaleFooter();
    void CellControlsUpdate();
    void HideInplaceEdit();
    void BalloonInit();
    void BalloonDone();
    void ApplySearchFooter();
    void ApplyPlatformStyle();
    void AdaptToOfficeTheme();
    void PaintBorder();
    void StretchColumn(int ACol);
    void InitFlatScrollBars();
    void SetFlatScrollWidth(int Value);
    void SetFlatScrollColor(TColor Value);
    void CreateScrollControls();
    void AutoSizeColumns(bool DoFixedCols, int Padding);
    void LoadColSizes();
    void SaveColSizes();
    void ExpandAll();
    void UnHideColumnsAll();
    void ClearRows(int RowIndex, int RCount);
    void SplitColumnCells(int ACol);
    void MergeColumnCells(int ACol, bool First);
    void ShowColumnHeaders();
    void ShowRowHeaders();
    void InitOrigColSizes();
    void SetColumnOrder();
    void SetRowModified(int ARow, bool Value);
    void UnHideSelection();
    void UpdateVertProportionalScroll();
    void UpdateHorzProportionalScroll();
    void UpdateFlatScrollBars();
    void SelectionToRowSelect(bool All);
    void ScrollAboveSearchFooter();
    // ARow is a real row.
    bool GetRowSelect(int ARow);
    int RowSelectCount();
    int GetNodeSpan(int ARow);
    TPoint GetCellTextSize(int ACol, int ARow);
    int GetExpandHeight(int ACol, int ARow, bool Expanded);
    void SearchEditChange(TObject* Sender);
    void SearchFindPrevious(TObject* Sender);
    void SearchFindNext(TObject* Sender);
    void SearchFooterCloseClick(TObject* Sender);
    void SearchHighlightClick(TObject* Sender);
    void OwnerFormResize(TObject* Sender);

    // ---- grouping, sizing and the focus frame (docs/GRID.md,
    // placeholders). ACol of AutoSizeCol is a display column.
    virtual void Group(int Colindex);
    virtual void UnGroup();
    void AutoSizeCol(int ACol, int Padding);
    virtual void MoveFocusWindow();
    // DoGetCellColor with the cell's property object already looked up
    // (Props: PropsAt of the cell).
    void CellColorOfProps(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont,
                          const TCellProperties* Props);

#include "grid/data/vyn_string_grid_sizing.inc"
public:

    // ---- installed handlers
    void RepaintOnChange(TObject* Sender);
    void MergedColumnsChanged(TObject* Sender, int ACol, int ARow);
    void RepaintCellOnChange(TObject* Sender, int ACol, int ARow);
    void ColumnHeadersListChanged(TObject* Sender);
    void RowHeadersListChanged(TObject* Sender);
    void BandsChanged(TObject* Sender);
    void ShowModifiedChanged(TObject* Sender);
    void BalloonSettingsChanged(TObject* Sender);
    void FilterDropDownChanged(TObject* Sender);
    void GridButtonClick(TObject* Sender);

#include "grid/render/vyn_string_grid_looks.inc"
public:
    // ---- events
    TOnResizeEvent OnResize;
    TColumnSizeEvent OnColumnSize;
    TRowSizeEvent OnRowSize;
    TRowChangedEvent OnRowUpdate;
    TRowChangingEvent OnRowChanging;
    TColChangingEvent OnColChanging;
    TCellChangingEvent OnCellChanging;
    TClickSortEvent OnClickSort;
    TGridPrintPageNumEvent OnPrintGetPageNum;
    TGetEditorPropEvent OnGetEditorProp;
    TGetEditorPropIntEvent OnGetEditorPropInt;
    TCheckBoxClickEvent OnCheckBoxClick;
    TCheckBoxClickEvent OnCheckBoxChange;
    TFixedEditEvent OnFixedEdit;
    TSelectionChanged OnSelectionChanged;
    TAutoDeleteRowEvent OnAutoDeleteRow;
    TNotifyEvent OnFilterDone;
    TUpdateColumnSizeEvent OnUpdateColumnSize;
    TEllipsClickEvent OnEllipsClick;
    TCustomFilterEvent OnCustomFilter;
    TCellSaveLoadEvent OnSaveCell;
    TCellSaveLoadEvent OnLoadCell;
    TCanEditCellEvent OnCanEditCell;
    TSearchFooterActionEvent OnSearchFooterAction;
    TButtonClickEvent OnButtonClick;
    TExpandClickEvent OnExpandClick;
    TComboDropEvent OnComboCloseUp;
    TComboDropEvent OnComboDropDown;
    TCellCursorEvent OnGetCellCursor;
    TCellsChangedEvent OnCellsChanged;
    TGridHintEvent OnGridHint;
    TGridWideHintEvent OnGridWideHint;
    TGridColorEvent OnGetCellColor;
    TGridColorEvent OnGetCellPrintColor;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridAlignEvent OnGetAlignment;
    TGridFormatEvent OnGetFormat;
    TGetEditorTypeEvent OnGetEditorType;
    TIsFixedCellEvent OnIsFixedCell;
    TIsPasswordCellEvent OnIsPasswordCell;
    TWordWrapEvent OnGetWordWrap;
    THasComboEvent OnHasComboBox;
    THasSpinEditEvent OnHasSpinEdit;
    TGetCheckEvent OnGetCheckTrue;
    TGetCheckEvent OnGetCheckFalse;
    TFloatFormatEvent OnGetFloatFormat;
    TGetColumnFilterEvent OnGetColumnFilter;
    TFilterSelectEvent OnFilterSelect;
    TFilterCheckEvent OnFilterCheck;
    TCanAddRowEvent OnCanAddRow;
    TCanInsertRowEvent OnCanInsertRow;
    TRatingChangeEvent OnRatingChange;
    TColorSelectEvent OnColorSelect;
    TImageSelectEvent OnImageSelect;
    TScrollCellEvent OnScrollCell;
    TCanShowFixedDropDownEvent OnCanShowFixedDropDown;
    TDateTimeChangeEvent OnDateTimeChange;
    TEditChangeEvent OnEditChange;
    TDatePickerEvent OnDatePickerCloseUp;
    TDatePickerEvent OnDatePickerDropDown;
    TNotifyEvent OnRichEditSelectionChange;
    TCalcFooterEvent OnCalcFooter;

protected:
    void CreateWnd() override;
    void Resize() override;
    void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                         TGridDrawInfo& FixedInfo) override;
    TInplaceEdit* CreateEditor() override;
    String GetEditMask(int ACol, int ARow) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Carries the recorded column order along (display indexes).
    void ColumnMoved(int FromIndex, int ToIndex) override;

    // ---- the hidden-row list, sorted by Idx (the row operations and the
    // tests fill it). A second item for a row already hidden raises
    // EVynGridError and is not kept.
    void InsertGridItem(std::unique_ptr<TGridItem> Item);
    TGridItem* FindGridItem(int ARealRow) const;
    // Frees the property objects a hidden row's saved cells hold.
    void FreeGridItemObjects(TGridItem& Item);
    static String VersionText(int VersionNr);

    // ---- state
    bool FDesigning = false;
    bool FEditChange = false;
    bool FLoaded = false;
    bool FSelChange = false;
    bool FEditDisable = false;
    bool FDisableChange = false;
    bool FSizeFixed = false;
    bool FFixedRowAlways = false;
    bool FFixedColAlways = false;
    int FFixedRowsMin = 0;
    int FFixedColsMin = 0;
    int FFixedFooters = 0;
    int FFixedRightCols = 0;
    int FFixedRowHeight = 0;
    int FMaxRowCount = 0;
    int FMaxColCount = 0;
    int FUpdateCount = 0;
    int FFilterLevel = 0;
    int FPaintCount = 0;
    int FNumCellControls = 0;
    int FSearchTime = 0;
    // Hidden columns: the visibility flag per real column (shown beyond
    // the table), the width a hidden column had, and the two mapping
    // tables rebuilt when a flag changes: the real column of each display
    // column within the table, and the hidden columns below each real
    // column (one entry more than the flags).
    int FNumHidden = 0;
    std::vector<bool> FVisibleCol;
    std::vector<int> FAllColWidths;
    std::vector<int> FDisplToReal;
    std::vector<int> FHiddenBefore;
    std::vector<std::unique_ptr<TGridItem>> FGridItems;
    // The number of hidden rows before the display row last mapped.
    mutable size_t FRowMapHint = 0;
    bool FSelHidden = false;
    bool FNilObjects = false;
    bool FIntegralHeight = false;
    bool FWordWrapEx = true;
    TEditorType FCurrentEditor = TEditorType::edNormal;
    // The grid's width when InitOrigColSizes took the column widths.
    int FOrigGridWidth = 0;
    // The column widths and offsets of the last print layout.
    std::vector<int> MaxWidths = std::vector<int>(513, 0);
    std::vector<int> Indents = std::vector<int>(513, 0);
    // Node rows in the grid (kept by the node operations).
    int FNodeCount = 0;
    TOfficeTheme FOfficeTheme = TOfficeTheme::otUnknown;
    bool FLastValidation = true;
    bool FColumnChange = true;
    TVynStyle FStyle = TVynStyle::tsCustom;
    TGridLook FLook = TGridLook::glXP;
    TColor FBorderColor = 0x808080;
    bool FAutoSize = false;
    bool FUseHTMLHints = false;
    TCursor FOldCursor = 0;
    TScrollBarAlways FScrollBarAlways = TScrollBarAlways::saNone;
    TScrollType FScrollType = TScrollType::ssNormal;
    int FScrollWidth = 0;
    TColor FScrollColor = clNone;
    bool FScrollProportional = false;
    bool FScrollSynch = false;
    bool FScrollHints = false;
    int FOldLeftCol = 0;
    int FOldTopRow = 0;
    TPoint FOldSize{-1, -1};
    TPoint FClipOrigin{-1, -1};
    // The last and old positions of the interaction (all start unset).
    TPoint FLastTabCell{-1, -1}, FHoverLink{-1, -1}, FLastDesignChoice{-1, -1}, FHoverFixed{-1, -1},
        FMouseSelectStart{-1, -1}, FLastHintPos{-1, -1}, FClickedCell{-1, -1}, FPushedCellButton{-1, -1};
    int FOleDragCol = -1;
    int FFilterColumn = -1;
    int FComboIdx = -1;
    int FOldRowSel = -1;
    int FLastReportedRow = -1;
    struct TTones {
        TColor BrushColor = clNone;
        TColor BorderColor = clNone;
    } FTones;
    // The old position and texts RememberCurrentCell keeps.
    TPoint FOldCellPos{-1, -1};
    String FOldCellText, FOldWideCellText;
    bool FOldModified = false;
    String FCellCache;
    bool FPlatformStyle = false;
    bool FOleDropTargetAssigned = false;
    int FGridTimerID = 0;
    int wheelmsg = 0;
    int wheelscrl = 0;
    bool wheelpan = false;
    bool FIsWinXP = true;
    bool FIsWin7 = true;
    bool FIsVista = true;
    bool FIsComCtl6 = true;
    // The owner form's resize handler, given back on destruction.
    TNotifyEvent FOnResize;
    bool ResizeAssigned = false;
    TCustomForm* FOwnerForm = nullptr;

    // Settings of the defaults table.
    String FFloatFormat, FCheckTrue, FCheckFalse, FXMLEncoding, FFilterDropDownClear;
    QChar FPasswordChar, FDelimiter;
    String FEditMask;
    TColor FSelectionColor = 0, FSelectionColorTo = 0, FSelectionMirrorColor = 0, FSelectionMirrorColorTo = 0,
           FSelectionTextColor = 0;
    int FSelectionColorMixerFactor = 0;
    TColor FSelectionRectangleColor = 0;
    bool FShowSelection = false;
    TColor FActiveCellColor = 0, FActiveCellColorTo = 0;
    bool FActiveCellShow = false;
    TColor FHintColor = 0, FHighlightColor = 0, FHighlightTextColor = 0, FURLColor = 0, FDisabledFontColor = 0;
    TColor FVynGradientFrom = 0, FVynGradientTo = 0, FVynGradientMirrorFrom = 0, FVynGradientMirrorTo = 0;
    TEditorType FDefaultEditor = TEditorType::edNormal;
    TAlignment FDefaultAlignment = taLeftJustify;
    TVAlignment FVAlignment = TVAlignment::vtaTop;
    TPoint FXYOffset;
    TInvalidEntryIcon FInvalidEntryIcon = TInvalidEntryIcon::ieNone;
    String FInvalidEntryTitle, FInvalidEntryText;
    THintShowLargeTextPos FHintShowLargeTextPos = THintShowLargeTextPos::hpCell;
    THoverFixedCells FHoverFixedCells = THoverFixedCells::hfNone;
    TFilterDropDownColumns FFilterDropDownColumns = TFilterDropDownColumns::fdNormal;
    bool FFilterDropDownAuto = false, FFilterIncremental = false, FFilterNormalCellsOnly = false,
         FAutoFilterUpdate = false, FFitCellsInGrid = false, FEnableHTML = false, FEnableWheel = false,
         FIntelliZoom = false, FEnhRowColMove = false, FShowDesignHelper = false, FUseInternalHintClass = false,
         FUseDisabledFont = false, FShowNullDates = false, FURLShowInText = false, FQuoteEmptyCells = false, FSaveFixedCells = false,
         FSaveVirtCells = false, FSaveWithHTML = false, FSaveWithRTF = false, FAlwaysQuotes = false,
         FJavaCSV = false, FSaveFixedRows = false, FSaveFixedCols = false, FSaveHiddenCells = false,
         FClearTextOnly = false, FLoadFirstRow = false, FHideFocusRect = false, FFixedAsButtons = false,
         FNoDefaultDraw = false, FSizeGrowOnly = false;
    int FMinRowHeight = 0, FMaxRowHeight = 0, FMinColWidth = 0, FMaxColWidth = 0, FGroupColumn = 0,
        FZoomFactor = 0, FPreviewPage = 0, FPrintPageTo = 0, FPrintNrOfPages = 0;
    bool FPrinterDriverFix = false, FExcelClipboardFormat = false, FFindBusy = false, FAnchorHint = false,
         FAutoNumAlign = false, FAutoThemeAdapt = false, FModified = false;
    TEditLink* FEditLink = nullptr;
    TImageList* FGridImages = nullptr;
    TNotifyEvent FOnStartBlockFocus;
    TNotifyEvent FOnEndBlockFocus;

    // ---- owned objects, in the order of their creation
    TFooterPanel* FFooterPanel = nullptr;
    TSearchPanel* FSearchPanel = nullptr;
    TFont* cf = nullptr;
    TFocusHelper* FFocusHelper = nullptr;
    TSearchFooter* FSearchFooter = nullptr;
    TFloatingFooter* FFloatingFooter = nullptr;
    TPrintSettings* FPrintSettings = nullptr;
    THTMLSettings* FHTMLSettings = nullptr;
    TSortSettings* FSortSettings = nullptr;
    TDragDropSettings* FDragDropSettings = nullptr;
    TDragScrollOptions* FDragScrollOptions = nullptr;
    TControlLook* FControlLook = nullptr;
    TNavigation* FNavigation = nullptr;
    TColumnSize* FColumnSize = nullptr;
    TCellNode* FCellNode = nullptr;
    TBands* FBands = nullptr;
    TSizeWhileTyping* FSizeWhileTyping = nullptr;
    TMouseActions* FMouseActions = nullptr;
    TGrouping* FGrouping = nullptr;
    TStringList* FColumnHeaders = nullptr;
    THTMLPictureCache* FImageCache = nullptr;
    TIntList* FOrigColSizes = nullptr;
    TFont* FFixedFont = nullptr;
    TFont* FActiveCellFont = nullptr;
    TStringList* FRowHeaders = nullptr;
    TStringList* Sortlist = nullptr;
    TStringList* FLookupItems = nullptr;
    std::vector<int>* FRowSelect = nullptr;
    std::vector<int>* FColSelect = nullptr;
    TSortIndexList* FSortIndexes = nullptr;
    TIntList* FSortRowXRef = nullptr;
    TIntList* FUnSortRowXRef = nullptr;
    TIntList* FMergedColumns = nullptr;
    TIntList* FSelectedCells = nullptr;
    TIntList* FSelectedRows = nullptr;
    TIntList* FModifiedRows = nullptr;
    TIntList* FEnabledRows = nullptr;
    TBitmap* FRowIndicator = nullptr;
    TBackGround* FBackGround = nullptr;
    THTMLHintWindow* FScrollHintWnd = nullptr;
    TControlList* FControlList = nullptr;
    TGridProgressAppearance* FProgressAppearance = nullptr;
    TSyncGrid* FSyncGrid = nullptr;
    TFilter* FFilter = nullptr;
    TBalloonSettings* FBalloonSettings = nullptr;
    TShowModified* FShowModified = nullptr;
    std::vector<TGridChangeNotifier*>* FNotifierList = nullptr;
    TIntList* FColumnOrder = nullptr;
    TCellGraphic* FCellGraphic = nullptr;
    TIntList* FIgnoreColumns = nullptr;
    TFilterDropDown* FFilterDropDown = nullptr;
    TDropList* FDropList = nullptr;
    TDropCheckList* FDropCheckList = nullptr;
    TStringList* FFilterList = nullptr;

    // ---- editor and auxiliary controls (null until editing, painting and
    // interaction build them)
    TWinControl* FFocusWindow = nullptr;
    TWinControl *ArwU = nullptr, *ArwD = nullptr, *ArwL = nullptr, *ArwR = nullptr;
    TWinControl* EditCombo = nullptr;
    TWinControl* EditTrans = nullptr;
    TWinControl* ComboTrans = nullptr;
    TWinControl* EditCheck = nullptr;
    TWinControl* EditBtn = nullptr;
    TWinControl* UnitEditBtn = nullptr;
    TWinControl* GridButton = nullptr;
    TWinControl* MoveButton = nullptr;
    TWinControl* FEditControl = nullptr;
    TWinControl* FComboControl = nullptr;
    TScrollBar* FScrollBar = nullptr;
    TScrollBar* FPaintScrollBar = nullptr;
    TWinControl* FScrollControlH = nullptr;
    TWinControl* FScrollControlV = nullptr;

#include "grid/data/vyn_string_grid_rows.inc"
private:

#include "grid/edit/vyn_string_grid_editors.inc"
protected:

#include "grid/interact/vyn_string_grid_interact.inc"
#include "grid/data/vyn_string_grid_sort.inc"
#include "grid/data/vyn_string_grid_filter.inc"
#include "grid/interact/vyn_string_grid_hints.inc"
#include "grid/edit/vyn_string_grid_dropdown_editors.inc"
#include "grid/data/vyn_string_grid_find.inc"
#include "grid/interact/vyn_string_grid_drag.inc"
};

// Shown over links of the grid.
extern TCursor GridLinkCursor;
// Registers the grid's own cursors (8000-8008, 8010-8012, 8014) once.
void RegisterGridCursors();
