#pragma once
// The string grid's option holders: small persistent objects the grid owns
// and publishes as nested properties (SearchFooter.FindNextCaption = ...).
//
//   TSearchFooter  the find bar below the grid and its search options
//   TNavigation    keyboard, Enter/Tab advance, editing and clipboard switches
//   TMouseActions  mouse selection, sizing and editing switches
//   TSyncGrid      another grid that scrolls and selects along
//   TBands         alternating row colours
//   TFocusHelper   the soft halo around the cell being edited
//
// Each holder keeps plain fields; only the writes documented at the setters
// notify. A notifying write stores the value first and then runs the event
// (with the holder as Sender) when one is set. The grid creates every holder
// in its constructor and frees it in its destructor; it replaces a holder's
// values only through Assign.
//
// Assign copies the values listed at each class (fields, no notification,
// never an event handler) and does nothing at all when Source is not of the
// holder's class.
#include <memory>

#include "grid/core/grid_types.h"
#include "platform/gui/canvas.h"
#include "platform/gui/classes.h"
#include "platform/gui/graphics.h"
#include "platform/rtl/stringlist.h"

class TVynStringGrid;

// ---- TSearchFooter ------------------------------------------------------------------------------

class TSearchFooter : public TPersistent {
public:
    // The owner is not kept. With InitDesign the eight captions and hints
    // take their English texts; without it they start empty (a grid read
    // from a form gets them from the form).
    TSearchFooter(TComponent* AOwner, bool InitDesign);
    ~TSearchFooter() override;

    // Copies AlwaysHighLight, Color, ColorTo, the four captions, the four
    // hints, the five Show switches, SearchActiveColumnOnly,
    // SearchMatchStart, SearchColumn, SearchDirection, SearchHiddenRows,
    // Visible and the font's settings (into the own font). Not AutoSearch,
    // SearchFixedCells, AutoThemeAdapt, LastSearch or OnChange.
    void Assign(const TPersistent& Source) override;

    // Plain.
    bool AlwaysHighLight() const { return FAlwaysHighLight; }
    void SetAlwaysHighLight(bool Value) { FAlwaysHighLight = Value; }
    bool AutoSearch() const { return FAutoSearch; }
    void SetAutoSearch(bool Value) { FAutoSearch = Value; }
    // Each write fires OnChange.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    const String& FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const String& Value);
    const String& FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const String& Value);
    // The footer's own font; SetFont copies Value's settings into it.
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& Value);
    const String& HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const String& Value);
    const String& HintClose() const { return FHintClose; }
    void SetHintClose(const String& Value);
    const String& HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const String& Value);
    const String& HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const String& Value);
    const String& HintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const String& Value);
    const String& MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const String& Value);
    // Plain.
    bool SearchActiveColumnOnly() const { return FSearchActiveColumnOnly; }
    void SetSearchActiveColumnOnly(bool Value) { FSearchActiveColumnOnly = Value; }
    int SearchColumn() const { return FSearchColumn; }
    void SetSearchColumn(int Value) { FSearchColumn = Value; }
    bool SearchMatchStart() const { return FSearchMatchStart; }
    void SetSearchMatchStart(bool Value) { FSearchMatchStart = Value; }
    bool SearchFixedCells() const { return FSearchFixedCells; }
    void SetSearchFixedCells(bool Value) { FSearchFixedCells = Value; }
    bool SearchHiddenRows() const { return FSearchHiddenRows; }
    void SetSearchHiddenRows(bool Value) { FSearchHiddenRows = Value; }
    TSearchDirection SearchDirection() const { return FSearchDirection; }
    void SetSearchDirection(TSearchDirection Value) { FSearchDirection = Value; }
    // Every write fires OnChange, also one that changes nothing.
    bool ShowClose() const { return FShowClose; }
    void SetShowClose(bool Value);
    // These fire OnChange only when the value changes.
    bool ShowFindNext() const { return FShowFindNext; }
    void SetShowFindNext(bool Value);
    bool ShowFindPrev() const { return FShowFindPrev; }
    void SetShowFindPrev(bool Value);
    bool ShowHighLight() const { return FShowHighLight; }
    void SetShowHighLight(bool Value);
    bool ShowMatchCase() const { return FShowMatchCase; }
    void SetShowMatchCase(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

    // Public, not streamed. Each AutoThemeAdapt write fires OnChange.
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    // The text of the last search, kept by the grid's search.
    const String& LastSearch() const { return FLastSearch; }
    void SetLastSearch(const String& Value) { FLastSearch = Value; }

    TNotifyEvent OnChange;

    // The English captions and hints a footer placed new gets.
    static const char* const DefaultFindNextCaption;
    static const char* const DefaultFindPrevCaption;
    static const char* const DefaultHighLightCaption;
    static const char* const DefaultHintClose;
    static const char* const DefaultHintFindNext;
    static const char* const DefaultHintFindPrev;
    static const char* const DefaultHintHighlight;
    static const char* const DefaultMatchCaseCaption;

private:
    void Changed();

    bool FAlwaysHighLight = false;
    bool FAutoSearch = true;
    TColor FColor = 0xFFFFFF;
    TColor FColorTo = clBtnFace;
    String FFindNextCaption;
    String FFindPrevCaption;
    std::unique_ptr<TFont> FFont;
    String FHighLightCaption;
    String FHintClose;
    String FHintFindNext;
    String FHintFindPrev;
    String FHintHighlight;
    String FMatchCaseCaption;
    bool FSearchActiveColumnOnly = false;
    int FSearchColumn = -1;
    bool FSearchMatchStart = false;
    bool FSearchFixedCells = false;
    bool FSearchHiddenRows = false;
    TSearchDirection FSearchDirection = TSearchDirection::sdTopBottom;
    bool FShowClose = true;
    bool FShowFindNext = true;
    bool FShowFindPrev = true;
    bool FShowHighLight = true;
    bool FShowMatchCase = true;
    bool FVisible = false;
    bool FAutoThemeAdapt = false;
    String FLastSearch;
};

// ---- TNavigation --------------------------------------------------------------------------------

class TNavigation : public TPersistent {
public:
    TNavigation() = default;

    // Copies every option below from the same option of Source, except
    // KeepScrollOnSort (left as it was); never OnChange.
    void Assign(const TPersistent& Source) override;

    bool AllowInsertRow() const { return FAllowInsertRow; }
    void SetAllowInsertRow(bool Value) { FAllowInsertRow = Value; }
    bool AllowDeleteRow() const { return FAllowDeleteRow; }
    void SetAllowDeleteRow(bool Value) { FAllowDeleteRow = Value; }
    bool AlwaysEdit() const { return FAlwaysEdit; }
    void SetAlwaysEdit(bool Value) { FAlwaysEdit = Value; }
    bool AdvanceOnEnter() const { return FAdvanceOnEnter; }
    void SetAdvanceOnEnter(bool Value) { FAdvanceOnEnter = Value; }
    bool AdvanceOnEnterLoop() const { return FAdvanceOnEnterLoop; }
    void SetAdvanceOnEnterLoop(bool Value) { FAdvanceOnEnterLoop = Value; }
    // Fires OnChange when the value changes.
    bool AdvanceInsert() const { return FAdvanceInsert; }
    void SetAdvanceInsert(bool Value);
    bool AdvanceAutoEdit() const { return FAdvanceAutoEdit; }
    void SetAdvanceAutoEdit(bool Value) { FAdvanceAutoEdit = Value; }
    bool AdvanceSkipReadOnlyCells() const { return FAdvanceSkipReadOnlyCells; }
    void SetAdvanceSkipReadOnlyCells(bool Value) { FAdvanceSkipReadOnlyCells = Value; }
    bool AutoGotoWhenSorted() const { return FAutoGotoWhenSorted; }
    void SetAutoGotoWhenSorted(bool Value) { FAutoGotoWhenSorted = Value; }
    bool AutoGotoIncremental() const { return FAutoGotoIncremental; }
    void SetAutoGotoIncremental(bool Value) { FAutoGotoIncremental = Value; }
    bool AutoComboDropSize() const { return FAutoComboDropSize; }
    void SetAutoComboDropSize(bool Value) { FAutoComboDropSize = Value; }
    // Fires OnChange when the value changes.
    TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection Value);
    bool AllowClipboardShortCuts() const { return FAllowClipboardShortCuts; }
    void SetAllowClipboardShortCuts(bool Value) { FAllowClipboardShortCuts = Value; }
    bool AllowCtrlEnter() const { return FAllowCtrlEnter; }
    void SetAllowCtrlEnter(bool Value) { FAllowCtrlEnter = Value; }
    bool AllowSmartClipboard() const { return FAllowSmartClipboard; }
    void SetAllowSmartClipboard(bool Value) { FAllowSmartClipboard = Value; }
    bool AllowRTFClipboard() const { return FAllowRTFClipboard; }
    void SetAllowRTFClipboard(bool Value) { FAllowRTFClipboard = Value; }
    bool AllowFmtClipboard() const { return FAllowFmtClipboard; }
    void SetAllowFmtClipboard(bool Value) { FAllowFmtClipboard = Value; }
    bool AllowClipboardAlways() const { return FAllowClipboardAlways; }
    void SetAllowClipboardAlways(bool Value) { FAllowClipboardAlways = Value; }
    bool AllowClipboardRowGrow() const { return FAllowClipboardRowGrow; }
    void SetAllowClipboardRowGrow(bool Value) { FAllowClipboardRowGrow = Value; }
    bool AllowClipboardColGrow() const { return FAllowClipboardColGrow; }
    void SetAllowClipboardColGrow(bool Value) { FAllowClipboardColGrow = Value; }
    // A change to True also sets AdvanceOnEnter; False leaves it alone.
    bool AdvanceAuto() const { return FAdvanceAuto; }
    void SetAdvanceAuto(bool Value);
    bool AppendOnArrowDown() const { return FAppendOnArrowDown; }
    void SetAppendOnArrowDown(bool Value) { FAppendOnArrowDown = Value; }
    bool EditSelectAll() const { return FEditSelectAll; }
    void SetEditSelectAll(bool Value) { FEditSelectAll = Value; }
    TInsertPosition InsertPosition() const { return FInsertPosition; }
    void SetInsertPosition(TInsertPosition Value) { FInsertPosition = Value; }
    TClipboardPasteAction ClipboardPasteAction() const { return FClipboardPasteAction; }
    void SetClipboardPasteAction(TClipboardPasteAction Value) { FClipboardPasteAction = Value; }
    bool ComboGetUpDown() const { return FComboGetUpDown; }
    void SetComboGetUpDown(bool Value) { FComboGetUpDown = Value; }
    TCursorAdvance CursorAdvance() const { return FCursorAdvance; }
    void SetCursorAdvance(TCursorAdvance Value) { FCursorAdvance = Value; }
    bool CursorWalkEditor() const { return FCursorWalkEditor; }
    void SetCursorWalkEditor(bool Value) { FCursorWalkEditor = Value; }
    bool CursorWalkAlwaysEdit() const { return FCursorWalkAlwaysEdit; }
    void SetCursorWalkAlwaysEdit(bool Value) { FCursorWalkAlwaysEdit = Value; }
    bool CursorMoveRows() const { return FCursorMoveRows; }
    void SetCursorMoveRows(bool Value) { FCursorMoveRows = Value; }
    bool MoveRowOnSort() const { return FMoveRowOnSort; }
    void SetMoveRowOnSort(bool Value) { FMoveRowOnSort = Value; }
    bool KeepScrollOnSort() const { return FKeepScrollOnSort; }
    void SetKeepScrollOnSort(bool Value) { FKeepScrollOnSort = Value; }
    bool MoveScrollOnly() const { return FMoveScrollOnly; }
    void SetMoveScrollOnly(bool Value) { FMoveScrollOnly = Value; }
    bool ImproveMaskSel() const { return FImproveMaskSel; }
    void SetImproveMaskSel(bool Value) { FImproveMaskSel = Value; }
    bool LeftRightRowSelect() const { return FLeftRightRowSelect; }
    void SetLeftRightRowSelect(bool Value) { FLeftRightRowSelect = Value; }
    bool CopyHTMLTagsToClipboard() const { return FCopyHTMLTagsToClipboard; }
    void SetCopyHTMLTagsToClipboard(bool Value) { FCopyHTMLTagsToClipboard = Value; }
    bool KeepHorizScroll() const { return FKeepHorizScroll; }
    void SetKeepHorizScroll(bool Value) { FKeepHorizScroll = Value; }
    bool LineFeedOnEnter() const { return FLineFeedOnEnter; }
    void SetLineFeedOnEnter(bool Value) { FLineFeedOnEnter = Value; }
    THomeEndAction HomeEndKey() const { return FHomeEndKey; }
    void SetHomeEndKey(THomeEndAction Value) { FHomeEndKey = Value; }
    bool SkipFixedCells() const { return FSkipFixedCells; }
    void SetSkipFixedCells(bool Value) { FSkipFixedCells = Value; }
    bool SkipDisabledRows() const { return FSkipDisabledRows; }
    void SetSkipDisabledRows(bool Value) { FSkipDisabledRows = Value; }
    bool TabToNextAtEnd() const { return FTabToNextAtEnd; }
    void SetTabToNextAtEnd(bool Value) { FTabToNextAtEnd = Value; }
    TAdvanceDirection TabAdvanceDirection() const { return FTabAdvanceDirection; }
    void SetTabAdvanceDirection(TAdvanceDirection Value) { FTabAdvanceDirection = Value; }

    TNotifyEvent OnChange;

private:
    void Changed();

    bool FAllowInsertRow = false;
    bool FAllowDeleteRow = false;
    bool FAlwaysEdit = false;
    bool FAdvanceOnEnter = false;
    bool FAdvanceOnEnterLoop = true;
    bool FAdvanceInsert = false;
    bool FAdvanceAutoEdit = true;
    bool FAdvanceSkipReadOnlyCells = true;
    bool FAutoGotoWhenSorted = false;
    bool FAutoGotoIncremental = false;
    bool FAutoComboDropSize = false;
    TAdvanceDirection FAdvanceDirection = TAdvanceDirection::adLeftRight;
    bool FAllowClipboardShortCuts = false;
    bool FAllowCtrlEnter = true;
    bool FAllowSmartClipboard = false;
    bool FAllowRTFClipboard = false;
    bool FAllowFmtClipboard = false;
    bool FAllowClipboardAlways = false;
    bool FAllowClipboardRowGrow = true;
    bool FAllowClipboardColGrow = true;
    bool FAdvanceAuto = false;
    bool FAppendOnArrowDown = false;
    bool FEditSelectAll = true;
    TInsertPosition FInsertPosition = TInsertPosition::pInsertBefore;
    TClipboardPasteAction FClipboardPasteAction = TClipboardPasteAction::paReplace;
    bool FComboGetUpDown = true;
    TCursorAdvance FCursorAdvance = TCursorAdvance::caDefault;
    bool FCursorWalkEditor = false;
    bool FCursorWalkAlwaysEdit = true;
    bool FCursorMoveRows = false;
    bool FMoveRowOnSort = false;
    bool FKeepScrollOnSort = false;
    bool FMoveScrollOnly = false;
    bool FImproveMaskSel = false;
    bool FLeftRightRowSelect = true;
    bool FCopyHTMLTagsToClipboard = true;
    bool FKeepHorizScroll = false;
    bool FLineFeedOnEnter = false;
    THomeEndAction FHomeEndKey = THomeEndAction::heFirstLastColumn;
    bool FSkipFixedCells = true;
    bool FSkipDisabledRows = true;
    bool FTabToNextAtEnd = false;
    TAdvanceDirection FTabAdvanceDirection = TAdvanceDirection::adLeftRight;
};

// ---- TMouseActions ------------------------------------------------------------------------------

class TMouseActions : public TPersistent {
public:
    // The owner is not kept.
    explicit TMouseActions(TComponent* AOwner);
    ~TMouseActions() override;

    // Copies every switch below except EditOnDblClickOnly,
    // FixedComboValues, HotmailRowSelect and SizeFixedRow; never the
    // events. The disjunct switches are copied as they are (no exclusivity).
    void Assign(const TPersistent& Source) override;

    bool AllColumnSize() const { return FAllColumnSize; }
    void SetAllColumnSize(bool Value) { FAllColumnSize = Value; }
    bool AllRowSize() const { return FAllRowSize; }
    void SetAllRowSize(bool Value) { FAllRowSize = Value; }
    bool AllSelect() const { return FAllSelect; }
    void SetAllSelect(bool Value) { FAllSelect = Value; }
    bool AutoSizeColOnDblClick() const { return FAutoSizeColOnDblClick; }
    void SetAutoSizeColOnDblClick(bool Value) { FAutoSizeColOnDblClick = Value; }
    bool CaretPositioning() const { return FCaretPositioning; }
    void SetCaretPositioning(bool Value) { FCaretPositioning = Value; }
    bool CheckAllCheck() const { return FCheckAllCheck; }
    void SetCheckAllCheck(bool Value) { FCheckAllCheck = Value; }
    bool ColSelect() const { return FColSelect; }
    void SetColSelect(bool Value) { FColSelect = Value; }
    bool DirectComboClose() const { return FDirectComboClose; }
    void SetDirectComboClose(bool Value) { FDirectComboClose = Value; }
    bool DirectComboDrop() const { return FDirectComboDrop; }
    void SetDirectComboDrop(bool Value) { FDirectComboDrop = Value; }
    bool DirectDateClose() const { return FDirectDateClose; }
    void SetDirectDateClose(bool Value) { FDirectDateClose = Value; }
    bool DirectDateDrop() const { return FDirectDateDrop; }
    void SetDirectDateDrop(bool Value) { FDirectDateDrop = Value; }
    bool DirectEdit() const { return FDirectEdit; }
    void SetDirectEdit(bool Value) { FDirectEdit = Value; }
    // Disjunct row, column and cell selection. Writing True stores it and
    // asks OnIsDesigning; only when that answers True (the grid is being
    // designed) do the other two become False. At run time they combine.
    // Writing False only stores.
    bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelect(bool Value);
    bool DisjunctRowSelectNoCtrl() const { return FDisjunctRowSelectNoCtrl; }
    void SetDisjunctRowSelectNoCtrl(bool Value) { FDisjunctRowSelectNoCtrl = Value; }
    bool DisjunctColSelect() const { return FDisjunctColSelect; }
    void SetDisjunctColSelect(bool Value);
    bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
    void SetDisjunctCellSelect(bool Value);
    // Each write of True fires OnDisableEdit after storing.
    bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool Value);
    TGridFixedCellEdit FixedRowsEdit() const { return FFixedRowsEdit; }
    void SetFixedRowsEdit(TGridFixedCellEdit Value) { FFixedRowsEdit = Value; }
    TGridFixedCellEditor FixedRowsEditor() const { return FFixedRowsEditor; }
    void SetFixedRowsEditor(TGridFixedCellEditor Value) { FFixedRowsEditor = Value; }
    TGridFixedCellEditor FixedColsEditor() const { return FFixedColsEditor; }
    void SetFixedColsEditor(TGridFixedCellEditor Value) { FFixedColsEditor = Value; }
    TGridFixedCellEdit FixedColsEdit() const { return FFixedColsEdit; }
    void SetFixedColsEdit(TGridFixedCellEdit Value) { FFixedColsEdit = Value; }
    // The holder's own list; SetFixedComboValues copies Value's lines in.
    TStringList* FixedComboValues() const { return FFixedComboValues.get(); }
    void SetFixedComboValues(const TStringList& Value);
    // Stores; True also sets DisjunctRowSelect (directly, without the
    // exclusivity rule) and CheckAllCheck; False clears neither. Every
    // write then fires OnInvalidate.
    bool HotmailRowSelect() const { return FHotmailRowSelect; }
    void SetHotmailRowSelect(bool Value);
    bool MoveRowOnNodeClick() const { return FMoveRowOnNodeClick; }
    void SetMoveRowOnNodeClick(bool Value) { FMoveRowOnNodeClick = Value; }
    bool NoAutoRangeScroll() const { return FNoAutoRangeScroll; }
    void SetNoAutoRangeScroll(bool Value) { FNoAutoRangeScroll = Value; }
    bool NodeAllExpandContract() const { return FNodeAllExpandContract; }
    void SetNodeAllExpandContract(bool Value) { FNodeAllExpandContract = Value; }
    bool NoScrollOnPartialRow() const { return FNoScrollOnPartialRow; }
    void SetNoScrollOnPartialRow(bool Value) { FNoScrollOnPartialRow = Value; }
    bool PreciseCheckBoxCheck() const { return FPreciseCheckBoxCheck; }
    void SetPreciseCheckBoxCheck(bool Value) { FPreciseCheckBoxCheck = Value; }
    bool PreciseNodeClick() const { return FPreciseNodeClick; }
    void SetPreciseNodeClick(bool Value) { FPreciseNodeClick = Value; }
    bool RangeSelectAndEdit() const { return FRangeSelectAndEdit; }
    void SetRangeSelectAndEdit(bool Value) { FRangeSelectAndEdit = Value; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value) { FRowSelect = Value; }
    bool RowSelectPersistent() const { return FRowSelectPersistent; }
    void SetRowSelectPersistent(bool Value) { FRowSelectPersistent = Value; }
    bool SelectOnRightClick() const { return FSelectOnRightClick; }
    void SetSelectOnRightClick(bool Value) { FSelectOnRightClick = Value; }
    bool SizeFixedCol() const { return FSizeFixedCol; }
    void SetSizeFixedCol(bool Value) { FSizeFixedCol = Value; }
    bool SizeFixedRow() const { return FSizeFixedRow; }
    void SetSizeFixedRow(bool Value) { FSizeFixedRow = Value; }
    int WheelIncrement() const { return FWheelIncrement; }
    void SetWheelIncrement(int Value) { FWheelIncrement = Value; }
    // Fires OnChange when the value changes.
    TWheelAction WheelAction() const { return FWheelAction; }
    void SetWheelAction(TWheelAction Value);

    // Public: the DisjunctRowSelect flag itself, without the exclusivity rule.
    bool DisjunctRowSelectDirect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelectDirect(bool Value) { FDisjunctRowSelect = Value; }

    TNotifyEvent OnChange;
    TIsDesigningEvent OnIsDesigning;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDisableEdit;

private:
    void Changed();
    // Asks OnIsDesigning; False without a handler.
    bool IsDesigning();

    bool FAllColumnSize = false;
    bool FAllRowSize = false;
    bool FAllSelect = false;
    bool FAutoSizeColOnDblClick = true;
    bool FCaretPositioning = false;
    bool FCheckAllCheck = false;
    bool FColSelect = false;
    bool FDirectComboClose = false;
    bool FDirectComboDrop = false;
    bool FDirectDateClose = false;
    bool FDirectDateDrop = false;
    bool FDirectEdit = false;
    bool FDisjunctRowSelect = false;
    bool FDisjunctRowSelectNoCtrl = false;
    bool FDisjunctColSelect = false;
    bool FDisjunctCellSelect = false;
    bool FEditOnDblClickOnly = false;
    TGridFixedCellEdit FFixedRowsEdit = TGridFixedCellEdit::fceNone;
    TGridFixedCellEditor FFixedRowsEditor = TGridFixedCellEditor::fceEdit;
    TGridFixedCellEditor FFixedColsEditor = TGridFixedCellEditor::fceEdit;
    TGridFixedCellEdit FFixedColsEdit = TGridFixedCellEdit::fceNone;
    std::unique_ptr<TStringList> FFixedComboValues;
    bool FHotmailRowSelect = false;
    bool FMoveRowOnNodeClick = false;
    bool FNoAutoRangeScroll = false;
    bool FNodeAllExpandContract = false;
    bool FNoScrollOnPartialRow = false;
    bool FPreciseCheckBoxCheck = false;
    bool FPreciseNodeClick = true;
    bool FRangeSelectAndEdit = false;
    bool FRowSelect = false;
    bool FRowSelectPersistent = false;
    bool FSelectOnRightClick = false;
    bool FSizeFixedCol = false;
    bool FSizeFixedRow = false;
    int FWheelIncrement = 0;
    TWheelAction FWheelAction = TWheelAction::waMoveSelection;
};

// ---- TSyncGrid ----------------------------------------------------------------------------------

class TSyncGrid : public TPersistent {
public:
    // AOwner is the grid that owns the holder; it is kept, so that the
    // grid is never synchronised with itself.
    explicit TSyncGrid(TVynStringGrid* AOwner) : FOwnerGrid(AOwner) {}

    // Copies Grid (through SetGrid, so this holder's own grid is refused),
    // then the six switches.
    void Assign(const TPersistent& Source) override;

    TVynStringGrid* OwnerGrid() const { return FOwnerGrid; }
    // The grid that scrolls and selects along; not owned. Writing the owner
    // grid is ignored; nullptr and any other grid are taken.
    // The grid that follows (nullptr once it is gone).
    TVynStringGrid* Grid() const { return FGrid.Get(); }
    void SetGrid(TVynStringGrid* Value);
    bool ScrollVertical() const { return FScrollVertical; }
    void SetScrollVertical(bool Value) { FScrollVertical = Value; }
    bool ScrollHorizontal() const { return FScrollHorizontal; }
    void SetScrollHorizontal(bool Value) { FScrollHorizontal = Value; }
    bool SelectionColumn() const { return FSelectionColumn; }
    void SetSelectionColumn(bool Value) { FSelectionColumn = Value; }
    bool SelectionRow() const { return FSelectionRow; }
    void SetSelectionRow(bool Value) { FSelectionRow = Value; }
    bool MoveColumn() const { return FMoveColumn; }
    void SetMoveColumn(bool Value) { FMoveColumn = Value; }
    bool MoveRow() const { return FMoveRow; }
    void SetMoveRow(bool Value) { FMoveRow = Value; }

private:
    TVynStringGrid* FOwnerGrid;
    TWeakRef<TVynStringGrid> FGrid;
    bool FScrollVertical = false;
    bool FScrollHorizontal = false;
    bool FSelectionColumn = false;
    bool FSelectionRow = false;
    bool FMoveColumn = false;
    bool FMoveRow = false;
};

// ---- TBands -------------------------------------------------------------------------------------

class TBands : public TPersistent {
public:
    TBands() = default;

    // Copies Active, the two colours, the two lengths (with their
    // TotalLength) and Print as fields, without notification.
    void Assign(const TPersistent& Source) override;

    // Fires OnChange when the value changes.
    bool Active() const { return FActive; }
    void SetActive(bool Value);
    // A change is stored; OnChange runs only while Active.
    TColor PrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(TColor Value);
    // A change is stored and TotalLength becomes the sum of the two
    // lengths; OnChange runs only while Active. A length whose sum with the
    // other does not fit an Integer raises Exception and changes nothing.
    int PrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int Value);
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor Value);
    int SecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int Value);
    // Plain: the bands are printed too.
    bool Print() const { return FPrint; }
    void SetPrint(bool Value) { FPrint = Value; }
    int TotalLength() const { return FTotalLength; }

    // The band colour of a normal cell in row ARow of a grid with
    // AFixedRows fixed rows: PrimaryColor when (ARow - AFixedRows) mod
    // TotalLength < PrimaryLength, else SecondaryColor. False (AColor
    // untouched) when the bands are off, when TotalLength <= 0, or when
    // Printing and Print is not set. The caller decides which cells are
    // normal (not fixed, not right-fixed, not footer).
    bool BandColor(int ARow, int AFixedRows, bool Printing, TColor& AColor) const;

    TNotifyEvent OnChange;

private:
    void Changed();

    bool FActive = false;
    TColor FPrimaryColor = clInfoBk;
    int FPrimaryLength = 1;
    TColor FSecondaryColor = clWindow;
    int FSecondaryLength = 1;
    bool FPrint = false;
    int FTotalLength = 2;
};

// ---- TFocusHelper -------------------------------------------------------------------------------

class TFocusHelper : public TPersistent {
public:
    // The owner is not kept.
    explicit TFocusHelper(TComponent* AOwner);

    // Copies Enabled.
    void Assign(const TPersistent& Source) override;

    // The halo around the cell being edited is shown.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }

private:
    bool FEnabled = false;
};
