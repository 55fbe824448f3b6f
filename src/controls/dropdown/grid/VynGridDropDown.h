#pragma once
// TCustomVynGridDropDown: a drop-down edit whose popup hosts a list grid
// (TVynColGrid). The rows come from the drop-down's Items under its Columns
// (UseItems) or from the list grid itself, filled by the application
// (GetColGrid). The edit shows the chosen row's LookupColumn text.
//
// - Opening: the list grid takes the drop-down's settings, is refilled from
//   the items, sorted by SortSettings when that shows, and the row of
//   ItemIndex becomes current; the index at opening is what a cancel puts
//   back (with the text).
// - Rows keep their item through sorting and filtering (the object of
//   column 0); an item -> row table answers ItemToRow in constant time and
//   is rebuilt after each fill or sort (and whenever it is found stale).
// - Typing in the edit: auto-completion against the lookup texts (Change,
//   KeyUp), and the typed lookup (LookupTypedChar): lmLookup jumps to the
//   first row whose LookupColumn starts with the typed entry, lmNarrowDown
//   keeps only the rows containing it, lmNone does nothing. With
//   dsDropDownList the editor is off and a failed lookup is retried with
//   the last character alone.
// - Choosing: moving the list's cursor makes the row's item current at
//   once (not while the wheel scrolls); a click or Enter chooses and closes;
//   a close by deactivation keeps the row only when a key or a press (not
//   the wheel) chose it.
// - Header-click sorting keeps the item chosen before the click current.
// - The list grid's events are forwarded to the OnGrid... events (Sender
//   the list grid unless noted); the anchor, button and ellipsis clicks
//   keep the popup from closing on deactivation while they run.
//
// The classes of this module live in the namespace VynCustomGridDropDown
// (the multi-column drop-down has column and item classes of the same
// names); the controls and the list grid are also declared at global scope.
#include <memory>

#include "controls/dropdown/VynDropDown.h"
#include "controls/dropdown/grid/GridDropDownItems.h"
#include "controls/dropdown/grid/VynColGrid.h"

class TSearchFooter;
class TBands;
class TNavigation;
class TMouseActions;

namespace VynCustomGridDropDown {

enum class TDropDownStyle { dsDropDown, dsDropDownList };
using TDropDownStyle::dsDropDown, TDropDownStyle::dsDropDownList;
enum class TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };
using TGridSorting::gsNone, TGridSorting::gsSingleColumn, TGridSorting::gsMultiColumn;
enum class TLookupMethod { lmLookup, lmNarrowDown, lmNone };
using TLookupMethod::lmLookup, TLookupMethod::lmNarrowDown, TLookupMethod::lmNone;

class TCustomVynGridDropDown : public TVynCustomDropDown {
public:
    explicit TCustomVynGridDropDown(TComponent* AOwner);
    ~TCustomVynGridDropDown() override;

    // ---- the list grid and the rows
    TVynColGrid* GetColGrid() const { return fColGrid_; }
    TDropDownItems& Items() const { return *fItems_; }
    void SetItems(const TDropDownItems& Value) { fItems_->Assign(Value); }
    TDropDownColumns& Columns() const { return *fColumns_; }
    void SetColumns(const TDropDownColumns& Value) { fColumns_->Assign(Value); }
    int RowCount() const { return fItems_->Count(); }
    int ItemIndex() const { return fItemIndex_; }
    // With UseItems: an index at or past the count is ignored; otherwise
    // the index is stored and the text becomes the item's LookupColumn text
    // (empty for -1 or a short item). Without: the grid row index + 1 must
    // be a row of the list grid.
    void SetItemIndex(int Value);
    // The item of a list-grid row (the row itself past the grid's rows).
    int RowToItem(int ARow);
    // The list-grid row that shows the item; ItemIndex when none does.
    int ItemToRow(int Index);
    // The first item (UseItems) or list-grid row whose LookupColumn text
    // starts with S (case ignored unless CaseSensitive): Found its text,
    // Row the item index or grid row. An empty S never matches.
    bool LookupPrefix(const String& S, String& Found, int& Row);
    // Nothing (kept for the grid's editor).
    void BeginUpdate() {}
    // Rebuilds the lookup texts (what auto-completion looks in).
    void EndUpdate() { UpdateLookupItems(); }
    // The row the typed character leads to (-1 none); see the file head.
    int LookupTypedChar(QChar C);
    // The characters typed since the last reset.
    const String& LookupEntry() const { return fLookupEntry_; }
    // Sizes the list grid's columns to the popup (ColumnSizeWithDropDown):
    // each width scaled by the popup width / (1 + the definitions' widths),
    // rounded half to even, the rounding remainders handed on as pixels.
    void SizeColumnsToDropDown();
    // Made public for the grid's editor: the popup height trim.
    void AdjustDropDownHeight(int& Height) override;

    // ---- settings
    bool AutoShowDropDown() const { return fAutoShowDropDown_; }
    void SetAutoShowDropDown(bool Value) { fAutoShowDropDown_ = Value; }
    bool AutoSizeColumns() const { return fAutoSizeColumns_; }
    void SetAutoSizeColumns(bool Value) { fAutoSizeColumns_ = Value; }
    bool CaseSensitive() const { return fCaseSensitive_; }
    void SetCaseSensitive(bool Value) { fCaseSensitive_ = Value; }
    bool DropDownAutoWidth() const { return fDropDownAutoWidth_; }
    void SetDropDownAutoWidth(bool Value) { fDropDownAutoWidth_ = Value; }
    int DropDownRowHeight() const { return fDropDownRowHeight_; }
    void SetDropDownRowHeight(int Value) { fDropDownRowHeight_ = Value; }
    TColor LineColor() const { return fLineColor_; }
    void SetLineColor(TColor Value) { fLineColor_ = Value; }
    TColor FixedLineColor() const { return fFixedLineColor_; }
    void SetFixedLineColor(TColor Value) { fFixedLineColor_ = Value; }
    TBands& Bands() const { return *fBands_; }
    void SetBands(const TBands& Value);
    bool ColumnSizing() const { return fColumnSizing_; }
    void SetColumnSizing(bool Value) { fColumnSizing_ = Value; }
    bool ColumnMoving() const { return fColumnMoving_; }
    void SetColumnMoving(bool Value) { fColumnMoving_ = Value; }
    bool ColumnSizeWithDropDown() const { return fColumnSizeWithDropDown_; }
    void SetColumnSizeWithDropDown(bool Value) { fColumnSizeWithDropDown_ = Value; }
    bool GridEditable() const { return fGridEditable_; }
    void SetGridEditable(bool Value) { fGridEditable_ = Value; }
    TImageList* GridImages() const { return fGridImages_.Get(); }
    // Also the list grid's GridImages at once.
    void SetGridImages(TImageList* Value);
    TColor HeaderColor() const { return fHeaderColor_; }
    void SetHeaderColor(TColor Value) { fHeaderColor_ = Value; }
    TColor HeaderColorTo() const { return fHeaderColorTo_; }
    void SetHeaderColorTo(TColor Value) { fHeaderColorTo_ = Value; }
    int HeaderHeight() const { return fHeaderHeight_; }
    void SetHeaderHeight(int Value) { fHeaderHeight_ = Value; }
    TFont& HeaderFont() const { return *fHeaderFont_; }
    void SetHeaderFont(const TFont& Value) { fHeaderFont_->Assign(Value); }
    bool HoverRow() const { return fHoverRow_; }
    void SetHoverRow(bool Value) { fHoverRow_ = Value; }
    TColor HoverRowColor() const { return fHoverRowColor_; }
    void SetHoverRowColor(TColor Value) { fHoverRowColor_ = Value; }
    TColor HoverRowColorTo() const { return fHoverRowColorTo_; }
    void SetHoverRowColorTo(TColor Value) { fHoverRowColorTo_ = Value; }
    int LookupColumn() const { return fLookupColumn_; }
    void SetLookupColumn(int Value) { fLookupColumn_ = Value; }
    TLookupMethod LookupMethod() const { return fLookupMethod_; }
    void SetLookupMethod(TLookupMethod Value) { fLookupMethod_ = Value; }
    TMouseActions& MouseActions() const { return *fMouseActions_; }
    void SetMouseActions(const TMouseActions& Value);
    TNavigation& Navigation() const { return *fNavigation_; }
    void SetNavigation(const TNavigation& Value);
    bool RowSizing() const { return fRowSizing_; }
    void SetRowSizing(bool Value) { fRowSizing_ = Value; }
    bool RowMoving() const { return fRowMoving_; }
    void SetRowMoving(bool Value) { fRowMoving_ = Value; }
    TColor SelectionTextColor() const { return fSelectionTextColor_; }
    void SetSelectionTextColor(TColor Value) { fSelectionTextColor_ = Value; }
    bool RowSelect() const { return fRowSelect_; }
    void SetRowSelect(bool Value) { fRowSelect_ = Value; }
    TSearchFooter& SearchFooter() const { return *fSearchFooter_; }
    void SetSearchFooter(const TSearchFooter& Value);
    TGridSorting Sorting() const { return fSorting_; }
    void SetSorting(TGridSorting Value) { fSorting_ = Value; }
    TDropDownStyle Style() const { return fStyle_; }
    // Also EditorEnabled: on for dsDropDown, off for dsDropDownList.
    void SetStyle(TDropDownStyle Value);
    bool UseItems() const { return fUseItems_; }
    void SetUseItems(bool Value) { fUseItems_ = Value; }
    bool ReturnIsTab() const { return fReturnIsTab_; }
    void SetReturnIsTab(bool Value) { fReturnIsTab_ = Value; }
    bool MatchCase() const { return fMatchCase_; }
    void SetMatchCase(bool Value) { fMatchCase_ = Value; }
    bool MatchStart() const { return fMatchStart_; }
    void SetMatchStart(bool Value) { fMatchStart_ = Value; }
    String Text() const { return TVynCustomDropDown::Text(); }
    void SetText(const String& Value) override { TVynCustomDropDown::SetText(Value); }

    // ---- what the grid's editor calls
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void Change() override;

    // ---- popup hooks
    void DoShowDropDown() override;
    void DoHideDropDown(bool Cancel) override;
    void DoDropDownSizing() override;
    void SetComponentStyle(TVynStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle AStyle) override;

    // ---- events
    TNotifyEvent OnSelect;
    TAnchorClickEvent OnGridAnchorClick;
    TAnchorEvent OnGridAnchorEnter;
    TAnchorEvent OnGridAnchorExit;
    TAnchorHintEvent OnGridAnchorHint;
    TButtonClickEvent OnGridButtonClick;
    TCanSortEvent OnGridCanSort;
    TClickSortEvent OnGridClickSort;
    TCustomCompareEvent OnGridCustomCompare;
    TRawCompareEvent OnGridRawCompare;
    TColumnSizeEvent OnGridColumnSize;
    TColumnSizingEvent OnGridColumnSizing;
    TEndColumnSizeEvent OnGridEndColumnSize;
    TRowSizeEvent OnGridRowSize;
    TRowSizingEvent OnGridRowSizing;
    TEndRowSizeEvent OnGridEndRowSize;
    TRowSizeEvent OnGridRowMove;
    TRowSizeEvent OnGridRowMoving;
    TMovedEvent OnGridRowMoved;
    TColumnSizeEvent OnGridColumnMove;
    TColumnSizeEvent OnGridColumnMoving;
    TMovedEvent OnGridColumnMoved;
    TCustomCellDrawEvent OnGridCustomCellDraw;
    TCustomCellDrawEvent OnGridCustomCellBkgDraw;
    TGridBalloonEvent OnGridCellBalloon;
    TGridAlignEvent OnGridGetAlignment;
    TGridColorEvent OnGridGetCellColor;
    TGridGradientEvent OnGridGetCellGradient;
    TFloatFormatEvent OnGridGetFloatFormat;
    TGetEditorTypeEvent OnGridGetEditorType;
    TGetEditorPropIntEvent OnGridGetEditorProp;
    TCanEditCellEvent OnGridCanEditCell;
    TEllipsClickEvent OnGridEllipsClick;
    TGetDisplTextEvent OnGridGetDiplText;
    TGridFormatEvent OnGridGetFormat;
    TGridHintEvent OnGridHint;
    TMouseMoveEvent OnGridMouseMove;
    TMouseEvent OnGridMouseDown;
    TMouseEvent OnGridMouseUp;
    TKeyEvent OnGridKeyDown;
    TKeyEvent OnGridKeyUp;
    TKeyPressEvent OnGridKeyPress;
    TClickCellEvent OnGridRightClickCell;
    TScrollHintEvent OnGridScrollHint;
    TNotifyEvent OnGridTopLeftChanged;
    TSearchEditChangeEvent OnGridSearchEditChange;
    TSpinClickEvent OnGridSpinClick;
    TAutoAddRowEvent OnGridAutoAddRow;
    TAutoInsertRowEvent OnGridInsertRow;
    TAutoInsertColEvent OnGridInsertCol;
    TAutoDeleteRowEvent OnGridDeleteRow;
    TCanAddRowEvent OnGridCanAddRow;
    TCanInsertRowEvent OnGridCanInsertRow;
    TCanDeleteRowEvent OnGridCanDeleteRow;
    TCheckBoxClickEvent OnGridCheckBoxClick;

    // The list grid's header-click sort: before it the chosen item is
    // remembered, after it its row is current again.
    void GridSortStarting();
    void GridSortDone(int ACol);

protected:
    // InitDropDown, then this class's own defaults: the last call of every
    // concrete class's constructor.
    void InitGridDropDown();
    virtual void CreateItems();
    uint32_t GetVersionNr() const override { return 0x06000101; }
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void PlaceDropDownControl() override;
    void UpdateDropDownSize() override;
    void ControlKeyDown(Word& Key, TShiftState Shift) override;
    void ControlKeyUp(Word& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;
    void HandleMouseWheelDown() override;
    void HandleMouseWheelUp() override;
    void Loaded() override;
    void DoEnter() override;
    void WMChar(TMessage& Message) override;
    void WMKeyDown(TMessage& Message) override;

private:
    void UpdateLookupItems();
    void ConnectGridEvents();
    // The row of the entry count (Items with UseItems, else the list
    // grid's data rows); -1 without entries.
    int EntryCount() const;
    // Runs Call with the popup's deactivation blocked.
    template <class F> void Blocked(F&& Call);
    // The item -> row table, rebuilt from the list grid's rows.
    void RebuildRowTable();
    void GridSelectCell(int ACol, int ARow, bool& CanSelect);
    void GridSelect();
    // The list grid's data rows (display rows past the fixed one).
    int FirstDataRow() const;
    // The row that shows the found item, made current and shown.
    void ShowRow(int ARow);
    // Sets the text and selects from Start to its end (dsDropDown).
    void TextWithTail(const String& Value, int Start);
    // The first item at or after From whose lookup text may start with S:
    // its first units (up to four, folded unless CaseSensitive) agree.
    // Count when none.
    int NextLookupCandidate(const String& S, int From);

    bool fDesignTime_ = false;
    bool fBalloonInit_ = false;
    bool fCaseSensitive_ = false;
    bool fColumnSizing_ = false, fColumnMoving_ = false;
    int fLookupColumn_ = 0;
    TLookupMethod fLookupMethod_ = lmLookup;
    TColor fHeaderColorTo_ = 0x808080;
    TColor fHeaderColor_ = 0xFFFFFF;
    TColor fLineColor_ = 0x808080;
    bool fUseItems_ = true;
    std::unique_ptr<TDropDownItems> fItems_;
    std::unique_ptr<TDropDownColumns> fColumns_;
    int fItemIndex_ = -1;
    int fHeaderHeight_ = 25;
    std::unique_ptr<TFont> fHeaderFont_;
    TVynColGrid* fColGrid_ = nullptr;
    TColor fFixedLineColor_ = 0x808080;
    int fSelRow_ = 0;
    bool fWorkMode_ = true;
    bool fRowSelect_ = true;
    bool fReturnIsTab_ = false;
    std::unique_ptr<TStringList> fLookupItems_;
    bool fMatchCase_ = false;
    bool fMatchStart_ = true;
    bool fItemChange_ = false;
    int fItemIdx_ = -1;
    int fItemSel_ = 0;
    std::unique_ptr<TSearchFooter> fSearchFooter_;
    std::unique_ptr<TBands> fBands_;
    std::unique_ptr<TNavigation> fNavigation_;
    std::unique_ptr<TMouseActions> fMouseActions_;
    int fOldItemIndex_ = -1;
    bool fDropDownAutoWidth_ = true;
    bool fColumnSizeWithDropDown_ = true;
    TColor fSelectionTextColor_ = 0;
    int fDropDownRowHeight_ = 22;
    int fTempItemIndex_ = -1;
    TDropDownStyle fStyle_ = dsDropDown;
    String fLookupEntry_;
    bool fHoverRow_ = false;
    TColor fHoverRowColor_ = clInfoBk;
    TColor fHoverRowColorTo_ = clNone;
    TGridSorting fSorting_ = gsNone;
    bool fGridEditable_ = false;
    TWeakRef<TImageList> fGridImages_;
    bool fRowMoving_ = false, fRowSizing_ = false;
    bool fAutoShowDropDown_ = false;
    bool fAutoSizeColumns_ = true;
    // Set while Change completes the text (its own write notifies again).
    bool fCompleting_ = false;
    // Set while the opening refills and positions the list grid.
    bool fOpening_ = false;
    // item -> display row of the list grid; -1 where the item has no row.
    std::vector<int> fRowOfItem_;
    bool fRowTableStale_ = true;
    // The text at opening, put back by a cancel.
    String fTextAtOpen_;
    // The typed lookup's prefilter while the popup is open, made at the
    // first lookup after the opening: per item the first four units of its
    // lookup-column text (folded unless case-sensitive), in one array the
    // scan reads instead of every item's texts. Each candidate is checked
    // against the item's text itself.
    std::vector<quint64> fLookupKeys_;
    bool fLookupKeysValid_ = false;
    bool fLookupKeysCase_ = false;
    int fLookupKeysColumn_ = -1;
};

// The drop-down with its creation steps run.
class TVynGridDropDown : public TCustomVynGridDropDown {
public:
    explicit TVynGridDropDown(TComponent* AOwner);
};

}  // namespace VynCustomGridDropDown

using VynCustomGridDropDown::TCustomVynGridDropDown;
using VynCustomGridDropDown::TVynGridDropDown;
using VynCustomGridDropDown::TDropDownStyle, VynCustomGridDropDown::TGridSorting, VynCustomGridDropDown::TLookupMethod;
using VynCustomGridDropDown::dsDropDown, VynCustomGridDropDown::dsDropDownList;
using VynCustomGridDropDown::gsNone, VynCustomGridDropDown::gsSingleColumn, VynCustomGridDropDown::gsMultiColumn;
using VynCustomGridDropDown::lmLookup, VynCustomGridDropDown::lmNarrowDown, VynCustomGridDropDown::lmNone;
