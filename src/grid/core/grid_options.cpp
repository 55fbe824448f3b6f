#include "grid/core/grid_options.h"

#include <limits>

#include "grid/core/vyn_string_grid.h"

// ---- TSearchFooter ------------------------------------------------------------------------------

const char* const TSearchFooter::DefaultFindNextCaption = "Find &next";
const char* const TSearchFooter::DefaultFindPrevCaption = "Find &previous";
const char* const TSearchFooter::DefaultHighLightCaption = "Highlight";
const char* const TSearchFooter::DefaultHintClose = "Close";
const char* const TSearchFooter::DefaultHintFindNext = "Find next occurrence";
const char* const TSearchFooter::DefaultHintFindPrev = "Find previous occurrence";
const char* const TSearchFooter::DefaultHintHighlight = "Highlight occurrences";
const char* const TSearchFooter::DefaultMatchCaseCaption = "Match case";

TSearchFooter::TSearchFooter(TComponent* /*AOwner*/, bool InitDesign) : FFont(std::make_unique<TFont>())
{
    if (InitDesign) {
        FFindNextCaption = QString::fromLatin1(DefaultFindNextCaption);
        FFindPrevCaption = QString::fromLatin1(DefaultFindPrevCaption);
        FHighLightCaption = QString::fromLatin1(DefaultHighLightCaption);
        FHintClose = QString::fromLatin1(DefaultHintClose);
        FHintFindNext = QString::fromLatin1(DefaultHintFindNext);
        FHintFindPrev = QString::fromLatin1(DefaultHintFindPrev);
        FHintHighlight = QString::fromLatin1(DefaultHintHighlight);
        FMatchCaseCaption = QString::fromLatin1(DefaultMatchCaseCaption);
    }
}

TSearchFooter::~TSearchFooter() = default;

void TSearchFooter::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TSearchFooter::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TSearchFooter*>(&Source);
    if (!src || src == this)
        return;
    FAlwaysHighLight = src->FAlwaysHighLight;
    FColor = src->FColor;
    FColorTo = src->FColorTo;
    FFindNextCaption = src->FFindNextCaption;
    FFindPrevCaption = src->FFindPrevCaption;
    FHighLightCaption = src->FHighLightCaption;
    FMatchCaseCaption = src->FMatchCaseCaption;
    FHintClose = src->FHintClose;
    FHintFindNext = src->FHintFindNext;
    FHintFindPrev = src->FHintFindPrev;
    FHintHighlight = src->FHintHighlight;
    FShowClose = src->FShowClose;
    FShowFindNext = src->FShowFindNext;
    FShowFindPrev = src->FShowFindPrev;
    FShowHighLight = src->FShowHighLight;
    FShowMatchCase = src->FShowMatchCase;
    FSearchActiveColumnOnly = src->FSearchActiveColumnOnly;
    FSearchMatchStart = src->FSearchMatchStart;
    FSearchColumn = src->FSearchColumn;
    FSearchDirection = src->FSearchDirection;
    FSearchHiddenRows = src->FSearchHiddenRows;
    FVisible = src->FVisible;
    FFont->Assign(*src->FFont);
}

void TSearchFooter::SetColor(TColor Value)
{
    FColor = Value;
    Changed();
}

void TSearchFooter::SetColorTo(TColor Value)
{
    FColorTo = Value;
    Changed();
}

void TSearchFooter::SetFindNextCaption(const String& Value)
{
    FFindNextCaption = Value;
    Changed();
}

void TSearchFooter::SetFindPrevCaption(const String& Value)
{
    FFindPrevCaption = Value;
    Changed();
}

void TSearchFooter::SetFont(const TFont& Value)
{
    FFont->Assign(Value);
    Changed();
}

void TSearchFooter::SetHighLightCaption(const String& Value)
{
    FHighLightCaption = Value;
    Changed();
}

void TSearchFooter::SetHintClose(const String& Value)
{
    FHintClose = Value;
    Changed();
}

void TSearchFooter::SetHintFindNext(const String& Value)
{
    FHintFindNext = Value;
    Changed();
}

void TSearchFooter::SetHintFindPrev(const String& Value)
{
    FHintFindPrev = Value;
    Changed();
}

void TSearchFooter::SetHintHighlight(const String& Value)
{
    FHintHighlight = Value;
    Changed();
}

void TSearchFooter::SetMatchCaseCaption(const String& Value)
{
    FMatchCaseCaption = Value;
    Changed();
}

void TSearchFooter::SetShowClose(bool Value)
{
    FShowClose = Value;
    Changed();
}

namespace {

// Stores Value and notifies when it differs from the field.
template <typename T, typename Notify>
void StoreIfChanged(T& Field, T Value, Notify&& Changed)
{
    if (Field == Value)
        return;
    Field = Value;
    Changed();
}

} // namespace

void TSearchFooter::SetShowFindNext(bool Value)
{
    StoreIfChanged(FShowFindNext, Value, [this] { Changed(); });
}

void TSearchFooter::SetShowFindPrev(bool Value)
{
    StoreIfChanged(FShowFindPrev, Value, [this] { Changed(); });
}

void TSearchFooter::SetShowHighLight(bool Value)
{
    StoreIfChanged(FShowHighLight, Value, [this] { Changed(); });
}

void TSearchFooter::SetShowMatchCase(bool Value)
{
    StoreIfChanged(FShowMatchCase, Value, [this] { Changed(); });
}

void TSearchFooter::SetVisible(bool Value)
{
    StoreIfChanged(FVisible, Value, [this] { Changed(); });
}

void TSearchFooter::SetAutoThemeAdapt(bool Value)
{
    FAutoThemeAdapt = Value;
    Changed();
}

// ---- TNavigation --------------------------------------------------------------------------------

void TNavigation::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TNavigation::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TNavigation*>(&Source);
    if (!src || src == this)
        return;
    FAllowInsertRow = src->FAllowInsertRow;
    FAllowDeleteRow = src->FAllowDeleteRow;
    FAlwaysEdit = src->FAlwaysEdit;
    FAdvanceOnEnter = src->FAdvanceOnEnter;
    FAdvanceOnEnterLoop = src->FAdvanceOnEnterLoop;
    FAdvanceInsert = src->FAdvanceInsert;
    FAdvanceAutoEdit = src->FAdvanceAutoEdit;
    FAdvanceSkipReadOnlyCells = src->FAdvanceSkipReadOnlyCells;
    FAutoGotoWhenSorted = src->FAutoGotoWhenSorted;
    FAutoGotoIncremental = src->FAutoGotoIncremental;
    FAutoComboDropSize = src->FAutoComboDropSize;
    FAdvanceDirection = src->FAdvanceDirection;
    FAllowClipboardShortCuts = src->FAllowClipboardShortCuts;
    FAllowCtrlEnter = src->FAllowCtrlEnter;
    FAllowSmartClipboard = src->FAllowSmartClipboard;
    FAllowRTFClipboard = src->FAllowRTFClipboard;
    FAllowFmtClipboard = src->FAllowFmtClipboard;
    FAllowClipboardAlways = src->FAllowClipboardAlways;
    FAllowClipboardRowGrow = src->FAllowClipboardRowGrow;
    FAllowClipboardColGrow = src->FAllowClipboardColGrow;
    FAdvanceAuto = src->FAdvanceAuto;
    FAppendOnArrowDown = src->FAppendOnArrowDown;
    FEditSelectAll = src->FEditSelectAll;
    FInsertPosition = src->FInsertPosition;
    FClipboardPasteAction = src->FClipboardPasteAction;
    FComboGetUpDown = src->FComboGetUpDown;
    FCursorAdvance = src->FCursorAdvance;
    FCursorWalkEditor = src->FCursorWalkEditor;
    FCursorWalkAlwaysEdit = src->FCursorWalkAlwaysEdit;
    FCursorMoveRows = src->FCursorMoveRows;
    FMoveRowOnSort = src->FMoveRowOnSort;
    // KeepScrollOnSort stays this holder's own.
    FMoveScrollOnly = src->FMoveScrollOnly;
    FImproveMaskSel = src->FImproveMaskSel;
    FLeftRightRowSelect = src->FLeftRightRowSelect;
    FCopyHTMLTagsToClipboard = src->FCopyHTMLTagsToClipboard;
    FKeepHorizScroll = src->FKeepHorizScroll;
    FLineFeedOnEnter = src->FLineFeedOnEnter;
    FHomeEndKey = src->FHomeEndKey;
    FSkipFixedCells = src->FSkipFixedCells;
    FSkipDisabledRows = src->FSkipDisabledRows;
    FTabToNextAtEnd = src->FTabToNextAtEnd;
    FTabAdvanceDirection = src->FTabAdvanceDirection;
}

void TNavigation::SetAdvanceInsert(bool Value)
{
    StoreIfChanged(FAdvanceInsert, Value, [this] { Changed(); });
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value)
{
    StoreIfChanged(FAdvanceDirection, Value, [this] { Changed(); });
}

void TNavigation::SetAdvanceAuto(bool Value)
{
    if (FAdvanceAuto == Value)
        return;
    FAdvanceAuto = Value;
    if (Value)
        FAdvanceOnEnter = true;
}

// ---- TMouseActions ------------------------------------------------------------------------------

TMouseActions::TMouseActions(TComponent* /*AOwner*/) : FFixedComboValues(std::make_unique<TStringList>()) {}

TMouseActions::~TMouseActions() = default;

void TMouseActions::Changed()
{
    if (OnChange)
        OnChange(this);
}

bool TMouseActions::IsDesigning()
{
    bool designing = false;
    if (OnIsDesigning)
        OnIsDesigning(this, designing);
    return designing;
}

void TMouseActions::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TMouseActions*>(&Source);
    if (!src || src == this)
        return;
    FAllColumnSize = src->FAllColumnSize;
    FAllRowSize = src->FAllRowSize;
    FAllSelect = src->FAllSelect;
    FAutoSizeColOnDblClick = src->FAutoSizeColOnDblClick;
    FCaretPositioning = src->FCaretPositioning;
    FCheckAllCheck = src->FCheckAllCheck;
    FColSelect = src->FColSelect;
    FDirectComboClose = src->FDirectComboClose;
    FDirectComboDrop = src->FDirectComboDrop;
    FDirectDateClose = src->FDirectDateClose;
    FDirectDateDrop = src->FDirectDateDrop;
    FDirectEdit = src->FDirectEdit;
    FDisjunctRowSelect = src->FDisjunctRowSelect;
    FDisjunctRowSelectNoCtrl = src->FDisjunctRowSelectNoCtrl;
    FDisjunctColSelect = src->FDisjunctColSelect;
    FDisjunctCellSelect = src->FDisjunctCellSelect;
    // EditOnDblClickOnly, FixedComboValues, HotmailRowSelect and
    // SizeFixedRow stay this holder's own.
    FFixedRowsEdit = src->FFixedRowsEdit;
    FFixedRowsEditor = src->FFixedRowsEditor;
    FFixedColsEditor = src->FFixedColsEditor;
    FFixedColsEdit = src->FFixedColsEdit;
    FMoveRowOnNodeClick = src->FMoveRowOnNodeClick;
    FNoAutoRangeScroll = src->FNoAutoRangeScroll;
    FNodeAllExpandContract = src->FNodeAllExpandContract;
    FNoScrollOnPartialRow = src->FNoScrollOnPartialRow;
    FPreciseCheckBoxCheck = src->FPreciseCheckBoxCheck;
    FPreciseNodeClick = src->FPreciseNodeClick;
    FRangeSelectAndEdit = src->FRangeSelectAndEdit;
    FRowSelect = src->FRowSelect;
    FRowSelectPersistent = src->FRowSelectPersistent;
    FSelectOnRightClick = src->FSelectOnRightClick;
    FSizeFixedCol = src->FSizeFixedCol;
    FWheelIncrement = src->FWheelIncrement;
    FWheelAction = src->FWheelAction;
}

void TMouseActions::SetDisjunctRowSelect(bool Value)
{
    FDisjunctRowSelect = Value;
    if (Value && IsDesigning()) {
        FDisjunctColSelect = false;
        FDisjunctCellSelect = false;
    }
}

void TMouseActions::SetDisjunctColSelect(bool Value)
{
    FDisjunctColSelect = Value;
    if (Value && IsDesigning()) {
        FDisjunctRowSelect = false;
        FDisjunctCellSelect = false;
    }
}

void TMouseActions::SetDisjunctCellSelect(bool Value)
{
    FDisjunctCellSelect = Value;
    if (Value && IsDesigning()) {
        FDisjunctRowSelect = false;
        FDisjunctColSelect = false;
    }
}

void TMouseActions::SetEditOnDblClickOnly(bool Value)
{
    FEditOnDblClickOnly = Value;
    if (Value && OnDisableEdit)
        OnDisableEdit(this);
}

void TMouseActions::SetFixedComboValues(const TStringList& Value)
{
    if (&Value != FFixedComboValues.get())
        FFixedComboValues->Assign(Value);
}

void TMouseActions::SetHotmailRowSelect(bool Value)
{
    FHotmailRowSelect = Value;
    if (Value) {
        FDisjunctRowSelect = true;
        FCheckAllCheck = true;
    }
    if (OnInvalidate)
        OnInvalidate(this);
}

void TMouseActions::SetWheelAction(TWheelAction Value)
{
    StoreIfChanged(FWheelAction, Value, [this] { Changed(); });
}

// ---- TSyncGrid ----------------------------------------------------------------------------------

void TSyncGrid::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TSyncGrid*>(&Source);
    if (!src || src == this)
        return;
    SetGrid(src->FGrid.Get());
    FScrollVertical = src->FScrollVertical;
    FScrollHorizontal = src->FScrollHorizontal;
    FSelectionColumn = src->FSelectionColumn;
    FSelectionRow = src->FSelectionRow;
    FMoveColumn = src->FMoveColumn;
    FMoveRow = src->FMoveRow;
}

void TSyncGrid::SetGrid(TVynStringGrid* Value)
{
    // A grid never synchronises with itself.
    if (Value && Value == FOwnerGrid)
        return;
    FGrid = TWeakRef<TVynStringGrid>(Value);
}

// ---- TBands -------------------------------------------------------------------------------------

void TBands::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TBands::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TBands*>(&Source);
    if (!src || src == this)
        return;
    FActive = src->FActive;
    FPrimaryColor = src->FPrimaryColor;
    FPrimaryLength = src->FPrimaryLength;
    FSecondaryColor = src->FSecondaryColor;
    FSecondaryLength = src->FSecondaryLength;
    // The total goes with the lengths: kept as it was, it would band the
    // rows by the old total (lengths 3/1 over a total of 2 paint every row
    // in the primary colour).
    FTotalLength = src->FTotalLength;
    FPrint = src->FPrint;
}

void TBands::SetActive(bool Value)
{
    StoreIfChanged(FActive, Value, [this] { Changed(); });
}

void TBands::SetPrimaryColor(TColor Value)
{
    StoreIfChanged(FPrimaryColor, Value, [this] {
        if (FActive)
            Changed();
    });
}

void TBands::SetSecondaryColor(TColor Value)
{
    StoreIfChanged(FSecondaryColor, Value, [this] {
        if (FActive)
            Changed();
    });
}

namespace {

// The sum of two band lengths; raises when it does not fit an Integer.
int BandTotal(int A, int B)
{
    const long long sum = static_cast<long long>(A) + B;
    if (sum > std::numeric_limits<int>::max() || sum < std::numeric_limits<int>::min())
        throw Exception(QStringLiteral("Band length out of range: %1 + %2").arg(A).arg(B));
    return static_cast<int>(sum);
}

} // namespace

void TBands::SetPrimaryLength(int Value)
{
    if (FPrimaryLength == Value)
        return;
    const int total = BandTotal(Value, FSecondaryLength);
    FPrimaryLength = Value;
    FTotalLength = total;
    if (FActive)
        Changed();
}

void TBands::SetSecondaryLength(int Value)
{
    if (FSecondaryLength == Value)
        return;
    const int total = BandTotal(FPrimaryLength, Value);
    FSecondaryLength = Value;
    FTotalLength = total;
    if (FActive)
        Changed();
}

bool TBands::BandColor(int ARow, int AFixedRows, bool Printing, TColor& AColor) const
{
    if (!FActive || FTotalLength <= 0 || (Printing && !FPrint))
        return false;
    // In 64 bits, so that no row number overflows the difference.
    const long long pos = (static_cast<long long>(ARow) - AFixedRows) % FTotalLength;
    AColor = pos < FPrimaryLength ? FPrimaryColor : FSecondaryColor;
    return true;
}

// ---- TFocusHelper -------------------------------------------------------------------------------

TFocusHelper::TFocusHelper(TComponent* /*AOwner*/) {}

void TFocusHelper::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TFocusHelper*>(&Source);
    if (!src)
        return;
    FEnabled = src->FEnabled;
}
