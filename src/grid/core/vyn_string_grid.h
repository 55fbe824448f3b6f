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
class TCellNode;
class TGrouping;
class TFilter;
class TFilterDropDown;
class TDropList;
class TDropCheckList;
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

// One hidden row: its real index, height, filter level and its cells in
// real column order, each text with its object slot (usually the cell's
// TCellProperties, which the grid owns while the row is hidden).
// Who hid a row: HideRow(s) and the row operations, a filter level, or a
// contracted node. Each restores only its own rows.
enum class THiddenBy { hbRows, hbFilter, hbNode };

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
    TStringList* Items() { return &FItems; }
    const TStringList* Items() const { return &FItems; }

private:
    int FIdx = 0;
    int FHeight = 0;
    int FLevel = 0;
    THiddenBy FHiddenBy = THiddenBy::hbRows;
    TStringList FItems;
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
    VYN_SETTING(int, GroupColumn)
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

    // ---- editing cells (src/grid/edit; docs/GRID.md, "Editing cells")
    friend class TVynInplaceEdit;
    using TAutoAdvanceEvent =
        std::function<void(TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
    // The grid edits (goEditing, RangeSelectAndEdit, or editing suspended
    // for the current cell) and the base cell of (ACol real, ARow) passes
    // the can-edit question and is not fixed.
    bool IsEditable(int ACol, int ARow);
    // Starts editing the current cell as F2 does.
    void ShowCellEdit();
    // Commits the special editor of the current cell (the text editor is
    // left alone).
    void HideCellEdit();
    // Nothing on a control cell; else the current cell into view and the editor shown.
    void ShowInplaceEdit();
    // A special editor ended by Key: hide, pass Tab and arrows on, advance on Enter.
    void DoneInplaceEdit(Word& Key, TShiftState Shift);
    // goTabs, or a validation handler assigned.
    bool ValidatesOnTab();
    // OnEditingDone now; OnEditCellDone(ACol, ARow) once the message loop
    // delivers the posted "GridEditDone" (dropped when the grid is gone).
    virtual void DoEditingDone(int ACol, int ARow);
    // ACol real: through SetEditText, then into the cell store.
    virtual void WriteEditedValue(int ACol, int ARow, const String& Value);
    // OriginalCellValue back into the current cell.
    virtual void RestoreOriginalCell();
    void RepaintActiveHeaders(int Col1, int Row1, int Row2, int Col2);
    // The edited value of the remembered cell: OnCellValidate, store, or
    // the refusal (old text or the handler's text back, editor open again).
    virtual bool ValidateCell(const String& NewValue);
    virtual bool ValidateCellWide(const String& NewValue);
    // ACol display: to the next (previous) cell by Navigation; see docs.
    void AdvanceEditCell(int ACol, int ARow, bool Reopen, bool Again, bool Forward, bool AutoEdit, bool Force);
    TVynInplaceEdit* NormalEdit() const { return InplaceEditor(); }
    const String& OriginalCellValue() const { return FCellCache; }
    void SetOriginalCellValue(const String& Value) { FCellCache = Value; }
    bool EditActive() const { return FEditActive; }
    bool AlwaysValidate() const { return FAlwaysValidate; }
    void SetAlwaysValidate(bool Value) { FAlwaysValidate = Value; }
    bool EditWithTags() const { return FEditWithTags; }
    void SetEditWithTags(bool Value) { FEditWithTags = Value; }
    TVynStringGridCheck* CellChecker() const { return FCellChecker; }
    void SetCellChecker(TVynStringGridCheck* Value) { FCellChecker = Value; }
    // The balloon a refused value showed last (nullptr before).
    THintWindow* InvalidEntryBalloon() const { return FBalloonWnd; }

    TCellValidateEvent OnCellValidate;
    TCellValidateWideEvent OnCellValidateWide;
    TNotifyEvent OnEditingDone;
    TEditCellDoneEvent OnEditCellDone;
    TAutoAdvanceEvent OnAutoAdvance;
    TAutoAddRowEvent OnAutoAddRow;
    TAutoInsertColEvent OnAutoInsertCol;
    TDblClickCellEvent OnDblClickCell;
    TEndRowSizeEvent OnEndRowSize;

    // ---- what typing and pasting put into the text editor (src/grid/edit,
    // grid_edit_input.cpp; docs/GRID.md, "Editing cells")
    using TClipboardEvent = std::function<void(TObject* Sender, bool& Allow)>;
    using TClipboardPasteCellEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, String& Value, bool& Allow)>;
    using TClipboardAfterPasteCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, const String& Value)>;
    // The characters edValidChars takes; when empty, the byte-sized
    // characters of ValidCharSet.
    const String& ValidChars() const { return FValidChars; }
    void SetValidChars(const String& Value) { FValidChars = Value; }
    const std::vector<bool>& ValidCharSet() const { return FValidCharSet; }
    // Characters above 255 are ignored.
    void SetValidCharSet(const String& Chars);
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
    // The text editor's length limit (0: none).
    int MaxEditLength() const { return FMaxEditLength; }
    void SetMaxEditLength(int Value) { FMaxEditLength = Value < 0 ? 0 : Value; }
    bool Lookup() const { return FLookup; }
    void SetLookup(bool Value) { FLookup = Value; }
    bool LookupCaseSensitive() const { return FLookupCaseSensitive; }
    void SetLookupCaseSensitive(bool Value) { FLookupCaseSensitive = Value; }
    bool LookupHistory() const { return FLookupHistory; }
    void SetLookupHistory(bool Value) { FLookupHistory = Value; }
    // Sender is the text editor in all of them.
    TClipboardEvent OnClipboardPaste;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardPasteCellEvent OnClipboardBeforePasteCell;
    TClipboardAfterPasteCellEvent OnClipboardAfterPasteCell;

    // ---- check boxes toggled by Space and by a click (src/grid/interact,
    // grid_interact_checks.cpp). ACol is a display column; true: the cell
    // holds a check box (or is an edDataCheckBox cell) and was toggled.
    bool CheckBoxKey(int ACol, int ARow);
    bool CheckBoxMouseDown(int ACol, int ARow, int X, int Y);

private:
    // 0 none, 1 a check-box graphic, 2 an edDataCheckBox cell (ACol real);
    // CanEdit: the grid edits and, for a box, the can-edit question passed.
    int CheckCellKind(int ACol, int ARow, bool& CanEdit);
    // Toggles the box of CheckCellKind Kind (ShowModified marks the row);
    // the new state.
    bool ToggleCheckCell(int ACol, int ARow, int Kind);
    String FValidChars;
    std::vector<bool> FValidCharSet = std::vector<bool>(256, false);
    bool FExcelStyleDecimalSeparator = false;
    int FMaxEditLength = 0;
    bool FLookup = false;
    bool FLookupCaseSensitive = false;
    bool FLookupHistory = false;

public:

protected:
    bool CanEditShow() override;
    bool SelectCell(int ACol, int ARow) override;
    String GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const String& Value) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void WMChar(TMessage& Message) override;
    int GetEditLimit() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WndProc(TMessage& Message) override;
    // The special editors (grid_edit_controls.cpp): the kinds whose controls
    // are not built yet open nothing.
    virtual void ShowEditControl(int ACol, int ARow);
    virtual void CommitEditControl(int ACol, int ARow);
    void ShowInvalidEntryBalloon(TWinControl* Target);
    // A refused value's way back: Back into the cell (the wide writer with
    // Wide), the old cell current again, the editor open on it.
    void RefuseValue(int C, int R, const String& Back, bool Wide);
    friend struct TValidationScope;

    bool EditMode = false;
    TEditorType EditControl = TEditorType::edNormal;
    TWinControl* EditCtrl = nullptr;
    bool FEditing = false;
    bool FEditActive = false;
    bool FSpecialEditor = false;
    bool FEntered = false;
    bool FValidating = false;
    bool FBlockKill = false;
    bool FBlockFocus = false;
    bool FNoEditChange = false;
    bool FShowEditProcess = false;
    QChar FStartEditChar;
    String FNewCellText;
    bool FAlwaysValidate = false;
    bool FEditWithTags = false;
    bool LButFlg = false;
    int FAECol = 0, FAERow = 0;
    TVynStringGridCheck* FCellChecker = nullptr;
    THintWindow* FBalloonWnd = nullptr;
    // The editor lost the focus to the grid with a value still to validate:
    // OnEditingDone waits for the validation of the move that follows.
    bool FEditDonePending = false;
    TPoint FEditDoneCell;

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
    // The saved cells of a hidden real row; nullptr for a row shown.
    TStringList* GetHiddenRowCells(int ARealRow) const;
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

    // ---- row and column structure, hiding and moving (src/grid/data;
    // docs/GRID.md, "Row and column structure"). Rows are display rows
    // and columns real columns unless a comment says otherwise. Each
    // operation moves the rows in one pass and ends with one CellsChanged.
    // Columns (real indexes): the last display column is never hidden.
    void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
    void UnHideColumns(int FromCol, int ToCol);
    // Real rows. HideRows keeps each row's cells, objects and height in a
    // TGridItem; UnHideRow(s) and UnHideRowsAll restore only rows hidden
    // this way (not those of a filter level or a node); UnHideRows does
    // nothing when FromRow is not hidden, HideRowsEx when it is.
    void HideRow(int RowIndex) { HideRows(RowIndex, RowIndex); }
    void HideRows(int FromRow, int ToRow);
    void HideRowsEx(int FromRow, int ToRow);
    void UnHideRow(int RowIndex) { UnHideRows(RowIndex, RowIndex); }
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    // A new filter level hiding the listed display rows (ascending);
    // UnHideRowList restores the rows of the last level (FFilterLevel - 1)
    // at their places; its caller lowers the level.
    void HideRowList(const TIntList& RowList);
    void UnHideRowList();
    int FilterLevel() const { return FFilterLevel; }
    // The list is not needed (the answer is a binary search); it stays
    // as it is passed.
    bool IsHiddenRow(int ARow, TIntList*& ListHidden) const;
    void HideSelection();
    void UpdateEditMode();
    // Removing and inserting rows: indexes past the end and counts below 1
    // do nothing, counts past the end are cut to the rows there are.
    virtual void RemoveRows(int RowIndex, int RCount);
    // Frees nothing: the rows' objects are the caller's.
    virtual void RemoveRowsEx(int RowIndex, int RCount);
    void DoDeleteRowRange(int RowIndex, int RCount, bool UpdateControls);
    void DoInsertRows(int RowIndex, int RCount, bool UpdateControls);
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    // ACol is a display column; the first row of each text stays.
    void RemoveDuplicates(int ACol, bool DoCase);
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void HideSelectedRows();
    void HideUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    void AddRow();
    void AddColumn() { InsertCols(ColCount(), 1); }
    virtual void InsertCols(int ColIndex, int CCount);
    virtual void RemoveCols(int ColIndex, int CCount);
    // Rectangles (inclusive).
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
    void TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
    void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
    void ClearCols(int ColIndex, int CCount);
    void ClearNormalCols(int ColIndex, int CCount);
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearNormalCells();
    void Clear();
    void ClearSelection();
    void ClearAll();
    bool BlockCellChange() const { return FBlockCellChange; }
    void SetBlockCellChange(bool Value) { FBlockCellChange = Value; }
    // Merges and splits along a column or a row.
    void SplitRowCells(int ARow);
    void SplitAllCells();
    void MergeRowCells(int ARow, bool MainMerge);
    void MergeCols(int ColIndex1, int ColIndex2, const String& Separator);
    bool IsCell(const String& SubStr, int& ACol, int& ARow);
    bool IsWideCell(int ACol, int ARow);
    // Moving (display indexes); the cell controls go along.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    void MoveRows(int FromIndex, int ToIndex, int Count);
    void ScrollInView(int ColIndex, int RowIndex);
    // Fires OnCellsChanged, tells the notifiers, recalculates the footer.
    virtual void CellsChanged(const TRect& R);

    // ---- painting and its looks (src/grid/render; docs/GRID.md, "Painting")
    // Settings the painter reads; setters store and repaint.
#define VYN_PAINT_SETTING(T, N)                  \
    const T& N() const { return F##N; }          \
    void Set##N(const T& Value)                  \
    {                                            \
        if (F##N == Value)                       \
            return;                              \
        F##N = Value;                            \
        RepaintOnChange(this);                   \
    }
    VYN_PAINT_SETTING(bool, Flat)
    VYN_PAINT_SETTING(bool, URLUnderlineOnHover)
    VYN_PAINT_SETTING(bool, EnhTextSize)
    VYN_PAINT_SETTING(bool, Multilinecells)
    VYN_PAINT_SETTING(bool, XYOffsetTopLeftOnly)
    VYN_PAINT_SETTING(bool, SelectionRTFKeep)
    VYN_PAINT_SETTING(TColor, VynGradientHoverFrom)
    VYN_PAINT_SETTING(TColor, VynGradientHoverTo)
    VYN_PAINT_SETTING(TColor, VynGradientHoverMirrorFrom)
    VYN_PAINT_SETTING(TColor, VynGradientHoverMirrorTo)
    VYN_PAINT_SETTING(TColor, VynGradientHoverBorder)
    VYN_PAINT_SETTING(TColor, VynGradientDownFrom)
    VYN_PAINT_SETTING(TColor, VynGradientDownTo)
    VYN_PAINT_SETTING(TColor, VynGradientDownMirrorFrom)
    VYN_PAINT_SETTING(TColor, VynGradientDownMirrorTo)
    VYN_PAINT_SETTING(TColor, VynGradientDownBorder)
#undef VYN_PAINT_SETTING
    // Drawn in column 0 of the current row; a write copies the bitmap.
    TBitmap* RowIndicator() const { return FRowIndicator; }
    void SetRowIndicator(const TBitmap* Value);
    // Colour helpers: BlendColors gives Color1 for Factor >= 100, Color2 for
    // Factor <= 0 or Color1 none, Color1 for Color2 none, else per channel
    // round(f c1 + (1 - f) c2), halves to even.
    static TColor BlendColors(TColor Color1, TColor Color2, int Factor);
    static TColor MixSelectionColor(TColor Color1, TColor Color2, bool Mix, int Factor);
    // The one source of a cell's look (ACol a display column; Remap maps
    // it to the real one).
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             TFont& AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override;
    void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont& AFont, TBrush& ABrush,
                           bool Remap);
    // The size the text of a real cell needs (VS: wrapped to the cell's
    // width; SB: room for an editor button).
    TPoint GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
    TPoint CalcCellTextSize(int ADisplCol, int ARealCol, int ARow, bool VS, bool SB);
    // The cell's graphic (nullptr: none), its box, its placement and
    // whether the text is shown beside it (a real column).
    struct TCellGraphicLayout {
        TCellGraphic* Graphic = nullptr;
        int Width = 0;
        int Height = 0;
        TCellHAlign HAlign = TCellHAlign::haLeft;
        TCellVAlign VAlign = TCellVAlign::vaTop;
        bool ShowText = true;
    };
    TCellGraphicLayout GetCellGraphicLayout(int ACol, int ARow);
    void DrawCheck(TCanvas& ACanvas, const TRect& R, bool Checked, bool Enabled, bool Grayed,
                   VynObj::TControlStyle Style, bool TriState, TCheckBoxState State);
    void DrawRadioGroup(TCanvas& ACanvas, const TRect& R, int Count, int CheckedIndex, bool Horizontal, bool Disabled,
                        const TStringList* Items, bool Selected, int ACol, int ARow, VynObj::TControlStyle Style,
                        double Scale, bool Upward);
    void DrawSortIndicator(TCanvas& ACanvas, int ACol, int X, int Y);
    void DrawRTFCell(int ACol, int ARow, TCanvas& ACanvas, const TRect& ARect);
    // The dotted XOR guide line of a column (row) resize; twice restores.
    void DrawColSizeLine(int X);
    void DrawRowSizeLine(int Y);
    void PaintBackgroundOutsideCells();
    // The text a formula cell shows (there is no formula engine: the text).
    virtual String GetFormulaText(int ACol, int ARow);
    // Questions painting asks of the interaction and data operations; the
    // answers are those of a grid without the feature until their work
    // builds it. Real columns, display rows; IsSelected takes a display
    // column.
    virtual bool IsSelected(int ACol, int ARow);
    virtual bool GetRowModified(int ARow);
    virtual int GetNodeLevel(int ARow);
    virtual int GetNodeSpanType(int ARow);
    virtual bool GetNodeState(int ARow);
    virtual bool IsFilterRow(int ARow);
    virtual bool HasColumnFilter(int ACol);
    virtual bool IsRotated(int ACol, int ARow, int& AAngle);
    // SortSettings.Direction is descending.
    virtual bool SortDescending();
    // CellNode.ShowTree with its colour and ShowTreeFull.
    virtual bool GetTreeLook(TColor& TreeColor, bool& ShowTreeFull);
    TGridGradientEvent OnGetCellGradient;
    TGridBorderPropEvent OnGetCellBorderProp;
    TCustomCellDrawEvent OnCustomCellDraw;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TNotifyEvent OnPainted;

protected:
    void Paint() override;
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    using TBaseGrid::DrawCellText;
    // The text stage of DrawCellContent; returns the width the text took.
    struct TCellPaint;
    void DrawCellText(TCanvas& ACanvas, TCellPaint& P);
    void DrawCellGraphic(TCanvas& ACanvas, TCellPaint& P, TRect R);
    void DrawCellBorders(TCanvas& ACanvas, int RealCol, int ARow, TRect R);
    void DrawCellBackground(TCanvas& ACanvas, TCellPaint& P);
    void DrawFixedCellLook(TCanvas& ACanvas, TCellPaint& P);
    void DrawFixedCellLines(TCanvas& ACanvas, TCellPaint& P);
    void DrawAlwaysVisibleButtons(TCanvas& ACanvas, TCellPaint& P);
    void DrawTreeLines(TCanvas& ACanvas, TCellPaint& P, TColor TreeColor, bool ShowTreeFull);
    bool FFlat = false, FSelectionColorMixer = false, FURLShow = false, FURLFull = false,
         FURLUnderlineOnHover = false, FEnhTextSize = false, FMultilinecells = false, FXYOffsetTopLeftOnly = false,
         FSelectionRectangle = false, FSelectionResizer = false, FSelectionRTFKeep = false;
    TColor FVynGradientHoverFrom = 0x808080, FVynGradientHoverTo = 0xFFFFFF, FVynGradientHoverMirrorFrom = clNone,
           FVynGradientHoverMirrorTo = clNone, FVynGradientHoverBorder = 0xC0C0C0, FVynGradientDownFrom = 0x808080,
           FVynGradientDownTo = 0xC0C0C0, FVynGradientDownMirrorFrom = clNone, FVynGradientDownMirrorTo = clNone,
           FVynGradientDownBorder = 0x808080;
    // State the interaction keeps for painting.
    bool FMouseDownMove = false;
    bool FDropDownDown = false;
    bool FMouseButtonDown = false;
    bool FBlinkVisible = true;
    int FHotAnchorIndex = -1;
    int FMoveColInd = -1;
    // The vertical flag of the last plain text drawn (DT_TOP, DT_VCENTER, DT_BOTTOM).
    unsigned FVAlign = 0;
    // The hover line of a column or row being sized.
    int FSizeLinePos = -1;
    // The last look GetVisualProperties worked out for the painter, reused
    // by the cell painter when the selection changed nothing.
    struct TLastLook {
        int Col = -1, Row = -1, PaintID = -1;
        bool Reusable = false;
        TColor Brush = clNone, ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
        TAlignment HA = taLeftJustify;
        TVAlignment VA = TVAlignment::vtaTop;
        bool WW = false;
        TCellGradientDirection GD = TCellGradientDirection::GradientVertical;
        TGridDrawState State;
    } FLastLook;

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

    // ---- automatic sizing, column calculations, selection queries, swaps
    // and the floating footer (src/grid/data: grid_sizing.cpp,
    // grid_calc.cpp, grid_footer.cpp; docs/GRID.md, "Sizing, calculations
    // and the footer"); the cell text offsets in src/grid/io.
    // The horizontal (vertical) text margin of a cell: XYOffset.X (.Y),
    // doubled unless XYOffsetTopLeftOnly is on.
    int CellOffsetX() const;
    int CellOffsetY() const;
    // 1 without columns or without Multilinecells; else the most lines
    // (line breaks + 1) among the texts of the row's shown cells.
    int MaxLinesInRow(int ARow);
    // Sizing. Columns are display columns, rows display rows; every width
    // and height goes through ClampToLimits with the grid's limits.
    void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
    void AutoSizeRow(int ARow, int Padding);
    void AutoSizeRows(bool DoFixedRows, int Padding);
    void SetRowHeightForLines(int ARow, int Lines, int Extra);
    void AutoFitColumns(bool DoFixedCells);
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    // The width rule of AutoSizeCol and the height rule of AutoSizeRow.
    virtual void CalcAutoColWidth(int ACol, bool GrowOnly);
    virtual void CalcAutoRowHeight(int ARow, bool GrowOnly, int Extra);
    // What sizing measures with. Unset (the normal case): a cell's text as
    // the cell painter lays it out (a text without markup on the metrics of
    // its font, looked up once per font) and the height of "gh" in the cell
    // font; set, these answer instead (tests).
    std::function<TPoint(int ADisplCol, int ARealCol, int ARow)> SizeTextMeasure;
    std::function<int(const TFont& AFont)> SizeLineHeight;

    // Column calculations over display rows FromRow .. ToRow of a real
    // column (-1 for either: the normal rows). A ToRow past the last data
    // row counts real rows, hidden rows included. A row counts unless it is
    // a node or summary row of a grouped grid or a covered cell of a merge;
    // a text that is no number adds nothing and is never a minimum or a
    // maximum; an empty text reads as 0. Nothing here raises.
    double ColumnSum(int ACol, int FromRow, int ToRow);
    // The sum divided by the rows counted (0 without any).
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    // 0 when no counted row holds a number.
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    // The population standard deviation of the numbers of the counted rows
    // (0 without any).
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    // Different texts, letter case ignored, an empty text counting.
    int ColumnDistinct(int ACol, int FromRow, int ToRow);
    // OnColumnCalc (OnGroupCalc), Res starting at 0.
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    virtual double DoGroupCalc(int ACol, int FromRow, int ToRow);
    using TGroupCalcEvent = std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;
    TGroupCalcEvent OnColumnCalc;
    TGroupCalcEvent OnGroupCalc;
    // Row calculations over real columns FromCol .. ToCol of a display row
    // (base and unmerged cells). RowMin and RowMax start from cell FromCol,
    // which must hold a number (EVynGridError "Cell does not contain a
    // float value" otherwise).
    double RowSum(int ARow, int FromCol, int ToCol);
    double RowAvg(int ARow, int FromCol, int ToCol);
    double RowMin(int ARow, int FromCol, int ToCol);
    double RowMax(int ARow, int FromCol, int ToCol);
    // The selection rectangle becomes these display cells.
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    // The selected cells' texts, TAB between cells, CR LF between rows.
    String SelectedText();
    // Numbers (AutoNumberStart + k) + AutoNumberOffset + 1 down the normal
    // rows (along the normal columns) from AutoNumberStart on; descending
    // places them mirrored.
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    int AutoNumberStart = 0;
    int AutoNumberOffset = 0;
    bool AutoNumberDescending = false;
    // Real columns: cells (hidden rows' too), widths, the sort column and
    // the cell controls change places.
    void SwapColumns(int ACol1, int ACol2);
    // Display rows: cells, heights and cell controls change places.
    void SwapRows(int ARow1, int ARow2);
    // The exchange step of sorting (counts Swaps).
    virtual void SortSwapRows(int ARow1, int ARow2);
    int Swaps = 0;

    // The floating footer: the footer cells of the last row from the column
    // calculations. CalcFooter runs DoCalcFooter at once, or, inside an
    // update bracket, marks the footer stale for the outermost EndUpdate.
    virtual void DoCalcFooter(int ACol);
    using TFooterPaintEvent = std::function<void(TObject* Sender, int AColumn, TCanvas& ACanvas, const TRect& ARect)>;
    TFooterPaintEvent OnFooterPaint;
    TNotifyEvent OnCreatedFloatingFooter;
    TClickCellEvent OnFooterClickCell;
    friend class TFooterPanel;
    friend class TFloatingFooter;

private:
    // The column the footer still has to recalculate after the update
    // bracket: -2 none, -1 all.
    int FStaleFooterCol = -2;
    struct TCalcRange;
    TCalcRange CalcRangeOf(int ACol, int FromRow, int ToRow);
    template <typename F>
    void ForEachCountedRow(const TCalcRange& Range, F&& Visit);
    // The range's values (progress reported with Notify); with Texts also
    // the counted rows' texts, case folded.
    void ReadColumn(const TCalcRange& Range, bool Notify, struct TColumnValues& Values, std::vector<QString>* Texts);
    double ColumnExtreme(int ACol, int FromRow, int ToRow, bool Largest);
    double RowExtreme(int ARow, int FromCol, int ToCol, bool Largest);
    // The footer's columns as last calculated in full, kept up to date
    // cell by cell (grid_footer.cpp).
    struct TFooterCache;
    std::shared_ptr<TFooterCache> FFooterCache;
    // A cell the grid was told about: one value of the kept columns, or the
    // column calculated again; a larger change: every column.
    void FooterCellsChanged(const TRect& R);
    bool UpdateFooterCell(int ACol, int ARow);
    void WriteFooterCell(int ACol, TColumnCalcType Type, const struct TFooterColumn& Column);

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


    // ---- looks, styles, the grid border, balloons, the focus frame,
    // rotated cells and links (src/grid/render; docs/GRID.md, "Looks and
    // styles")
    virtual void SetStyle(TVynGridStyle AStyle);
    // Stores the style, applies it as a grid style, passes it to the
    // drop-down editors that exist and leaves a metro scroll bar (not for
    // tsCustom).
    void SetComponentStyle(TVynStyle AStyle);
    TVynStyle ComponentStyle() const { return FStyle; }
    void SetColorTones(const TColorTones& ATones);
    const TColorTones& ColorTones() const { return FColorTones; }
    // Writes the scheme's colours without repainting.
    void SetTheme(TXPColorScheme Scheme);
    // "glStandard" .. "glOffice2007" (empty for glCustom); the display
    // names "Standard" .. "Office2007" (empty for glCustom).
    static String LookToText(TGridLook ALook);
    static String LookToDisplayName(TGridLook ALook);
    // The last Office theme AdaptToOfficeTheme saw; ApplyOfficeTheme is its
    // second half (the theme given instead of read).
    TOfficeTheme OfficeTheme() const { return FOfficeTheme; }
    void ApplyOfficeTheme(TOfficeTheme ATheme);
    // Appearance setters: store and repaint when the value changed.
    const TColor& SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(const TColor& Value) { SetRepaintColor(FSelectionColor, Value); }
    const TColor& SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(const TColor& Value) { SetRepaintColor(FSelectionColorTo, Value); }
    const TColor& SelectionMirrorColor() const { return FSelectionMirrorColor; }
    void SetSelectionMirrorColor(const TColor& Value) { SetRepaintColor(FSelectionMirrorColor, Value); }
    const TColor& SelectionMirrorColorTo() const { return FSelectionMirrorColorTo; }
    void SetSelectionMirrorColorTo(const TColor& Value) { SetRepaintColor(FSelectionMirrorColorTo, Value); }
    const TColor& SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(const TColor& Value) { SetRepaintColor(FSelectionTextColor, Value); }
    const bool& SelectionColorMixer() const { return FSelectionColorMixer; }
    void SetSelectionColorMixer(const bool& Value);
    const bool& SelectionRectangle() const { return FSelectionRectangle; }
    void SetSelectionRectangle(const bool& Value);
    const bool& SelectionResizer() const { return FSelectionResizer; }
    void SetSelectionResizer(const bool& Value);
    // Clamped to 0..100.
    const int& SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
    void SetSelectionColorMixerFactor(const int& Value);
    // Also the vertical text flag (0, DT_VCENTER, DT_BOTTOM); repaints
    // unless an update runs.
    const TVAlignment& VAlignment() const { return FVAlignment; }
    void SetVAlignment(const TVAlignment& Value);
    // Whatever the value: the selection rectangle and resizer, smart
    // clipboard, range select and edit, goRangeSelect and goEditing on.
    bool SpreadSheet() const { return FSpreadSheet; }
    void SetSpreadSheet(bool Value);
    // Link settings: URLColor and URLFull repaint only while URLShow is on.
    const bool& URLShow() const { return FURLShow; }
    void SetURLShow(const bool& Value);
    const bool& URLFull() const { return FURLFull; }
    void SetURLFull(const bool& Value);
    const TColor& URLColor() const { return FURLColor; }
    void SetURLColor(const TColor& Value);
    // Rotated cells (real columns): the angle is kept in 0..360 (360
    // stays 360).
    void AddRotated(int ACol, int ARow, int AAngle, const String& S);
    void SetRotated(int ACol, int ARow, int AAngle);
    void RemoveRotated(int ACol, int ARow);
    static int NormalizeAngle(int AAngle);
    // An empty notification descendants may override.
    virtual void GridNotification();
    // What the balloon tooltip shows for the cell under a client point.
    TGridBalloonText BalloonTextAt(int X, int Y);
    // The date-time picker's change, for the current cell (Days 0: none).
    void DateTimeChanged(TDateTime ADateTime);
    // The focus frame around the cell being edited (ARect in client
    // coordinates).
    void ShowFocusWindow(const TRect& ARect);
    void HideFocusWindow();
    TWinControl* FocusWindow() const { return FFocusWindow; }
    // Makes Window show Mask (per-pixel alpha, constant alpha = its
    // Opacity), sized to it; nothing for a mask of height 0.
    static void ApplyLayeredMask(TWinControl* Window, const TBitmap& Mask);
    TGridBalloonEvent OnCellBalloon;

protected:
    void WMNCPaint(TMessage& Message) override;
    // The border ring on a canvas in window coordinates.
    void PaintBorderOn(TCanvas& ACanvas);
    void SetRepaintColor(TColor& Field, TColor Value);
    void ApplyLookColours(TGridLook Value);
    TColorTones FColorTones;
    bool FSpreadSheet = false;

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

    // ---- the row workers of the data operations (src/grid/data)
    friend class TRowsScope;
    bool FBlockCellChange = false;
    TGridRect FOldSelection{};
    // The display rows (ascending) leave the store: removed (their objects
    // freed) or hidden as TGridItems; the side lists follow in one pass.
    void DropMarkedRows(const std::vector<int>& Rows, bool Free, bool UpdateControls);
    void HideMarkedRows(const std::vector<int>& Rows, THiddenBy By, int Level);
    // Takes the display rows (ascending) out of the store in one pass;
    // what their slots still hold is freed.
    void CompactRows(const std::vector<int>& Rows);
    void RestoreRowsWhere(const std::function<bool(const TGridItem&)>& Pick);
    void KeepCurrentRow(int OldRow, int OldTop);
    int LastDataRow() const;
    // The width and the shown flag of every real column, and back (the
    // count of shown columns and their widths follow).
    void ReadColumnLayout(std::vector<int>& Widths, std::vector<bool>& Shown);
    void ApplyColumnLayout(const std::vector<int>& Widths, const std::vector<bool>& Shown);

private:
    void CreateOwnedObjects();
    void FreeOwnedObjects();
    void TakeOverOwnerResize();
    void RebuildColumnMaps();
    // Moves the floating footer's row from FromRow to ToRow (both shown).
    void MoveFooterRow(int FromRow, int ToRow);
    // Repaints the cell at its display column, unless an update is running.
    void RepaintLookCell(int ACol, int ARow, bool SkipWhileUpdating);
    // The TCellGraphic the cell itself holds (never the shared one).
    TCellGraphic* OwnCellGraphic(int ACol, int ARow) const;
    bool CommonGraphicSize(const TCellGraphic& G, TPoint& Size);
    void SetAllRowsCell(int ACol, int ARow, const String& Value, bool Stored);

    // ---- special cell editors and the grid's combo (src/grid/edit:
    // grid_edit_controls.cpp, grid_combo.cpp; docs/GRID.md, "Special editors")
public:
    using TComboObjectChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                                       const String& ASelection, TObject* AObject)>;
    // The grid's one combo editor (EditCombo); its items serve every combo cell.
    TGridCombo* ComboEditor() const;
    void ClearComboString();
    void AddComboString(const String& S);
    void AddComboStringObject(const String& S, TObject* AObject);
    // The first item equal to S (letter case ignored) leaves; false when none.
    bool RemoveComboString(const String& S);
    // The preselected item (-1: none), taken when a cell's text matches no
    // item; false (and unchanged) for a text not in the list.
    bool SetComboSelectionString(const String& S);
    void SetComboSelection(int Index) { FComboIdx = Index; }
    int ComboSelection() const { return FComboIdx; }
    int GetComboCount() const;
    // The index of the item equal to the cell's text (-1: none), after
    // OnGetEditorProp has had the chance to load the cell's items (ACol real).
    int ComboIndex(int ACol, int ARow);
    // Item Value becomes the cell's text; an index outside the list raises.
    void SetComboIndex(int ACol, int ARow, int Value);
    // OnIsPasswordCell (a column grid: the column's Password first).
    bool CellIsPassword(int ACol, int ARow);
    // The longest text typed into an edComboEdit cell (0: no limit).
    int MaxComboLength() const { return FMaxComboLength; }
    void SetMaxComboLength(int Value) { FMaxComboLength = Value < 0 ? 0 : Value; }

    // From the combo to the grid: the chosen item changed (EditChange: the
    // text was typed), the list closed, the list opened.
    void ComboChanged(bool EditChange);
    void ComboClosedUp();
    void ComboDroppedDown();

    // Real column, row, item index, text (the item's, or the typed text).
    TComboChangeEvent OnComboChange;
    TComboObjectChangeEvent OnComboObjectChange;

protected:
    friend class TGridEditorProtocol;
    friend class TGridCombo;
    // The combo and the other controls the grid makes with itself.
    void CreateEditControls();
    // Shows the focus halo over the current cell when FocusHelper is on.
    void ShowEditFocusHalo();
    // The edit is cancelled: the commit writes OriginalCellValue.
    bool FCancelEdit = false;
    // A refused value keeps the editor; the grid does not advance for the key.
    bool FNoAutoAdvance = false;
    int FMaxComboLength = 0;

    // ---- grid interaction: selection, update lock, timer, scroll bars, window procedure (src/grid/interact)
public:
    // Range selection and the current cell. SetSelection: no OnSelectCell,
    // no scrolling; ActiveCellShow repaints row 0 and column 0,
    // ActiveRowShow the row Bottom.
    void SetSelection(const TGridRect& Value);
    using TBaseGrid::FocusCell;
    // The single cell (ACol, ARow), without selection events and scrolling.
    void FocusCell(int ACol, int ARow);
    void GotoCell(int ACol, int ARow);
    void EditCell(int ACol, int ARow);
    void MoveToCell(int ACol, int ARow);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void Select();
    // Whole rows (columns): the range selection, or the disjunct flags.
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    // "Invalid column accessed" outside 0 .. ColCount - 1.
    bool GetColSelect(int ACol);
    void SetColSelect(int ACol, bool Value);
    void ClearRowSelect();
    void ClearColSelect();
    void SelectionToColSelect(bool All);
    int ColSelectCount();
    int SelectedRowCount();
    int SelectedColCount();
    int SelectedRow(int Index);
    // The disjunct cell list, (column, row) pairs (real columns as given).
    bool SelectedCells(int ACol, int ARow);
    void SetSelectedCells(int ACol, int ARow, bool Value);
    TPoint SelectedCell(int Index) const;
    int SelectedCellsCount();
    void ClearSelectedCells();
    bool IsInSelectedCellList(int ACol, int ARow) const;
    // Modified and enabled rows, by real row; rows outside RowCount +
    // NumHiddenRows raise "Invalid row accessed".
    bool RowModified(int ARow);
    int ModifiedRowCount() const;
    void ClearModifiedRows();
    bool RowEnabled(int ARow);
    void SetRowEnabled(int ARow, bool Value);
    bool UseEnabledRows() const { return FUseEnabledRows; }
    // Repainting (invalidations only).
    void RepaintRect(const TRect& R);
    void InvalidateCellRange(const TRect& R);
    void SwapCells(TPoint FromCell, TPoint ToCell);
    // The one selection listener, told of every new current cell.
    class ISelectListener {
    public:
        virtual ~ISelectListener() = default;
        virtual void CellSelected(int ACol, int ARow) = 0;
    };
    void RegisterSelListener(ISelectListener* AListener) { FISelect = AListener; }
    void UnRegisterSelListener(ISelectListener*) { FISelect = nullptr; }
    ISelectListener* SelListener() const { return FISelect; }
    std::function<void(TObject* Sender, int ARow, bool AState, bool& Allow)> OnRowDisjunctSelect;
    std::function<void(TObject* Sender, int ARow)> OnRowDisjunctSelected;
    // Reports the selection through DoSelectionChanged when it differs from
    // the last one reported (or from Before).
    void ReportSelectionChange(const TGridRect& Before);

    // Update lock. BeginUpdate/EndUpdate always count; the redraw switch
    // changes only with a window, between the depths 0 and 1. StartUpdate
    // counts only; ResetUpdate forces 0 (for applications: the grid's own
    // short locks are TUpdateScope).
    void StartUpdate() { ++FUpdateCount; }
    void ResetUpdate() { FUpdateCount = 0; }
    bool LockUpdate() const { return FUpdateCount > 0; }
    void SetLockUpdate(bool Value);
    // A painting lock for one step that gives back the depth it found.
    class TUpdateScope {
    public:
        explicit TUpdateScope(TVynStringGrid& G) : g_(G), depth_(G.FUpdateCount) { ++G.FUpdateCount; }
        ~TUpdateScope() { g_.FUpdateCount = depth_; }
        TUpdateScope(const TUpdateScope&) = delete;
        TUpdateScope& operator=(const TUpdateScope&) = delete;

    private:
        TVynStringGrid& g_;
        int depth_;
    };
    // Grid timer (id 111, 500 ms) state and jobs.
    bool Hovering() const { return FHovering; }
    void SetHovering(bool Value) { FHovering = Value; }
    bool EnableBlink() const { return FEnableBlink; }
    void SetEnableBlink(bool Value) { FEnableBlink = Value; }
    int TimerTicks() const { return FTimerTicks; }
    // The incremental search typed so far and the ticks since its last
    // character (the grid timer forgets it on the fourth tick).
    const String& SearchText() const { return SearchInc; }
    void AddSearchChar(QChar Ch);
    // A typed key's incremental search (goEditing off, AutoGotoWhenSorted):
    // the text grows (Backspace shortens it) with AutoGotoIncremental, else
    // it is the key alone; a found row becomes current, else it is cleared.
    void IncrementalSearchKey(QChar Key);
    // A placeholder until the find work: -1 (not found).
    virtual int Search(const String& Text);
    void ResetFixedCellHighlight();
    bool IsHoverFixedCell(int ACol, int ARow) const;
    TPoint HoverFixedCell() const { return TPoint(FHoverFixedX, FHoverFixedY); }
    void SetHoverFixedCell(int ACol, int ARow);
    // What a press at the pointer would select; the cursor follows it.
    enum class TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };
    TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
    void SetMouseSelectMode(TMouseSelectMode Value) { FMouseSelectMode = Value; }
    bool CellSelectorMode() const { return FCellSelectorMode; }
    void SetCellSelectorMode(bool Value) { FCellSelectorMode = Value; }

    // Scroll bars.
    enum class TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
    TScrollHintType ScrollHintType() const { return FScrollHintType; }
    void SetScrollHintType(TScrollHintType Value) { FScrollHintType = Value; }
    std::function<void(TObject* Sender, int ARow, String& hintstr)> OnScrollHint;
    int ScrollPosToCol(int P) const;
    int ScrollPosToRow(int P) const;
    bool IsFlat() const { return FIsFlat; }
    // The look of both bars: 0 regular, 1 flat, 2 flat with hot arrows.
    int FlatBarMode() const { return FFlatMode; }
    void DoneFlatScrollBars();
    void FlatSetScrollProp(int Index, int Value);
    void FlatSetScrollInfo(int Bar, const TScrollInfo& Info);
    void FlatShowScrollBar(int Bar, bool Show);
    void ApplyFlatScrollType();
    void SyncFlatVertScrollInfo();
    void SyncFlatHorzScrollInfo();
    bool LastRowAboveSearchFooter();
    bool ScrollHintShowing() const { return FScrollHintShow; }
    THintWindow* ScrollHintWindow() const;
    TScrollBar* CellScrollBar() const { return FScrollBar; }
    // Places the cell scroll bar over a cell with its own bar whose page is
    // below its range (-1: hides it).
    void ShowCellScrollBar(int ACol, int ARow);
    TWinControl* MetroScrollBar(bool Vertical) const { return Vertical ? FScrollControlV : FScrollControlH; }

    // Wheel, zoom and panning.
    enum class TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
    TIntelliPan IntelliPan() const { return FIntelliPan; }
    void SetIntelliPan(TIntelliPan Value) { FIntelliPan = Value; }
    bool Panning() const { return wheelpan; }
    TPoint PanPosition() const { return wheelpanpos; }
    void Zoom(int x);
    void DrawPanMarker();
    void ErasePanMarker();
    int WheelLines() const { return wheelscrl; }
    void SetWheelLines(int Value) { wheelscrl = Value; }

protected:
    void Dispatch(TMessage& Message) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void TopLeftChanged() override;
    void DoEnter() override;
    void DoExit() override;
    void WMTimer(TMessage& Message) override;
    void WMPaint(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;
    void WMSize(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void WMSetCursor(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMHScroll(TMessage& Message) override;
    void WMVScroll(TMessage& Message) override;
    void CMHintShow(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMCursorChanged(TMessage& Message) override;
    // The parent's answer to the wheel before the grid's own (nonzero:
    // handled there). None by default.
    virtual bool ParentHandlesWheel(TMessage& Message);
    // After a wheel step: the distance moved; clear Handled to keep the
    // mouse-wheel events from firing.
    virtual void WheelHook(int Delta, bool& Handled);
    // The platform style changed: adopt it again.
    virtual void StyleChanged() { ApplyPlatformStyle(); }
    // The hint window of scroll and sizing hints (the HTML one once it lands).
    THintWindow* ScrollHint();

private:
    void GridTimerTick();
    void BlinkCells();
    void WheelMessage(TMessage& Message);
    // The platform's wheel notification for one notch (DoMouseWheelDown/Up).
    bool WheelNotch(bool Down, TShiftState Shift, TPoint MousePos);
    void PanStep();
    void StartPanning(TPoint P);
    void StopPanning();
    void ShowScrollHint(const String& Text);
    void HideScrollHint();
    bool ScrollHintOn(bool Vertical) const;
    void CellScrollMessage(TMessage& Message);
    void PaintPanMarker(QPainter* Painter);
    bool FUseEnabledRows = false;
    ISelectListener* FISelect = nullptr;
    std::vector<TPoint> FSelCellList;
    // The selected rows in the order they were selected (DisjunctRowSelect).
    std::vector<int> FSelRowOrder;
    TGridRect FLastReported{-1, -1, -1, -1};
    bool FHovering = false, FEnableBlink = false;
    int FTimerTicks = 0;
    int SearchTics = 0;
    String SearchInc;
    int FHoverFixedX = -1, FHoverFixedY = -1;
    TMouseSelectMode FMouseSelectMode = TMouseSelectMode::msNormal;
    bool FCellSelectorMode = false;
    bool Invokedchange = false;
    bool InvokedFocusChange = false;
    bool FDisableSize = false;
    TScrollHintType FScrollHintType = TScrollHintType::shNone;
    bool FScrollLock = false;
    bool FIsFlat = false;
    int FFlatMode = 0;
    bool FScrollHintShow = false;
    int FScrollCol = -1, FScrollRow = -1;
    TIntelliPan FIntelliPan = TIntelliPan::ipVertical;
    TPoint wheelpanpos{0, 0};
    TCursor prevcurs = crDefault;
    int FWheelRest = 0;
    // Sizing of fixed borders (the mouse work sets them).
    bool FSizeFixedR = false, FSizingFixed = false, FSizingFixedR = false, FNoMouseLeave = false;
};

// Shown over links of the grid.
extern TCursor GridLinkCursor;
// Registers the grid's own cursors (8000-8008, 8010-8012, 8014) once.
void RegisterGridCursors();
