// TCustomVynGridDropDown: opening, choosing, typed lookup, auto-completion,
// keys, sizing and styles of the grid drop-down.
#include "controls/dropdown/grid/VynGridDropDown.h"

#include <algorithm>
#include <cmath>

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/SelectorDropDown.h"
#include "grid/core/grid_options.h"
#include "grid/data/grid_data_holders.h"
#include "grid/interact/grid_interact_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/input_state.h"

namespace VynCustomGridDropDown {

namespace {

// Runs a text write of the drop-down's own: its change notification does
// not auto-complete.
struct TFlagScope {
    bool& Flag;
    bool Old;
    explicit TFlagScope(bool& F) : Flag(F), Old(F) { Flag = true; }
    ~TFlagScope() { Flag = Old; }
};

bool IsNavigationKey(Word Key)
{
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN;
}

// The lookup key of a text: its first four UTF-16 units, folded unless
// CaseSensitive, 16 bits each from the low end; missing units are 0.
// Usable counts the leading units a typed text may be compared on (a
// surrogate ends them: its pair folds as one character).
constexpr int LookupKeyUnits = 4;

char16_t KeyUnit(char16_t U, bool CaseSensitive)
{
    if (CaseSensitive)
        return U;
    if (U < 0x80)
        return U >= u'A' && U <= u'Z' ? char16_t(U + (u'a' - u'A')) : U;
    return QChar(U).toCaseFolded().unicode();
}

quint64 LookupKey(const String& T, bool CaseSensitive, int* Usable = nullptr)
{
    quint64 key = 0;
    const int n = std::min(int(T.size()), LookupKeyUnits);
    int usable = n;
    for (int k = 0; k < n; ++k) {
        const char16_t u = T.at(k).unicode();
        if (QChar::isSurrogate(u)) {
            usable = std::min(usable, k);
            break;
        }
        key |= quint64(KeyUnit(u, CaseSensitive)) << (16 * k);
    }
    if (Usable)
        *Usable = usable;
    return key;
}

}  // namespace

// ---- creation ----------------------------------------------------------------------------------

TCustomVynGridDropDown::TCustomVynGridDropDown(TComponent* AOwner)
    : TVynCustomDropDown(AOwner),
      fColumns_(std::make_unique<TDropDownColumns>(this)),
      fHeaderFont_(std::make_unique<TFont>()),
      fLookupItems_(std::make_unique<TStringList>()),
      fBands_(std::make_unique<TBands>()),
      fNavigation_(std::make_unique<TNavigation>()),
      fMouseActions_(std::make_unique<TMouseActions>(this))
{
    const TComponentState state = AOwner ? AOwner->ComponentState() : TComponentState{};
    fDesignTime_ = ComponentState().Contains(TComponentStateItem::csDesigning) &&
                   !state.Contains(TComponentStateItem::csReading) && !state.Contains(TComponentStateItem::csLoading);
    CreateItems();
    fSearchFooter_ = std::make_unique<TSearchFooter>(this, fDesignTime_);
    if (fDesignTime_)
        for (int i = 0; i < 3; ++i)
            fColumns_->Add();
}

TCustomVynGridDropDown::~TCustomVynGridDropDown() = default;

void TCustomVynGridDropDown::CreateItems() { fItems_ = std::make_unique<TDropDownItems>(this); }

void TCustomVynGridDropDown::InitGridDropDown()
{
    InitDropDown();
    // This class's own defaults, after the base applied its style (the
    // header font keeps the style's colour).
    fHeaderColor_ = 0xFFFFFF;
    fHeaderColorTo_ = 0x808080;
    fSelectionTextColor_ = 0;
    SetDropDownColor(0xFFFFFF);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    SetSelectionColorStyle(scOffice2007);
    fNavigation_->SetHomeEndKey(THomeEndAction::heFirstLastRow);
}

TVynGridDropDown::TVynGridDropDown(TComponent* AOwner) : TCustomVynGridDropDown(AOwner) { InitGridDropDown(); }

void TCustomVynGridDropDown::CreateDropDownForm()
{
    TVynCustomDropDown::CreateDropDownForm();
    TDropDownForm* form = DropDownForm();
    if (!form)
        return;
    if (!fColGrid_) {
        fColGrid_ = new TVynColGrid(this);
        fColGrid_->SetParent(form);
    }
    fColGrid_->SetDropDown(this);
    fColGrid_->SetBounds(0, 0, fColGrid_->Width(), 180);
    fColGrid_->SetColor(DropDownColor());
    fColGrid_->Navigation()->SetHomeEndKey(THomeEndAction::heFirstLastRow);
}

void TCustomVynGridDropDown::PlaceDropDownControl()
{
    if (fColGrid_)
        SetControl(fColGrid_);
    TVynCustomDropDown::PlaceDropDownControl();
}

void TCustomVynGridDropDown::Loaded()
{
    TVynCustomDropDown::Loaded();
    UpdateLookupItems();
    if (fColGrid_)
        fColGrid_->FillFromItems();
}

void TCustomVynGridDropDown::DoEnter()
{
    TVynCustomDropDown::DoEnter();
    if (fColGrid_)
        fColGrid_->NarrowDown(String(), fLookupColumn_);
    fLookupEntry_.clear();
}

// ---- settings ----------------------------------------------------------------------------------

void TCustomVynGridDropDown::SetBands(const TBands& Value) { fBands_->Assign(Value); }
void TCustomVynGridDropDown::SetMouseActions(const TMouseActions& Value) { fMouseActions_->Assign(Value); }
void TCustomVynGridDropDown::SetNavigation(const TNavigation& Value) { fNavigation_->Assign(Value); }
void TCustomVynGridDropDown::SetSearchFooter(const TSearchFooter& Value) { fSearchFooter_->Assign(Value); }

void TCustomVynGridDropDown::SetGridImages(TImageList* Value)
{
    fGridImages_ = TWeakRef<TImageList>(Value);
    if (fColGrid_)
        fColGrid_->SetGridImages(Value);
}

void TCustomVynGridDropDown::SetStyle(TDropDownStyle Value)
{
    fStyle_ = Value;
    SetEditorEnabled(Value == dsDropDown);
}

void TCustomVynGridDropDown::UpdateLookupItems()
{
    if (fLookupColumn_ < 0 || fItems_->Count() == 0)
        return;
    fLookupItems_->Clear();
    for (int i = 0; i < fItems_->Count(); ++i)
        fLookupItems_->Add(fItems_->Items(i)->ColumnText(fLookupColumn_));
}

// ---- rows and items ----------------------------------------------------------------------------

int TCustomVynGridDropDown::FirstDataRow() const { return fColGrid_ ? fColGrid_->FixedRows() : 1; }

int TCustomVynGridDropDown::RowToItem(int ARow)
{
    if (!fColGrid_ || ARow >= fColGrid_->RowCount() || ARow < 0)
        return ARow;
    return int(reinterpret_cast<intptr_t>(fColGrid_->Objects(0, ARow)));
}

void TCustomVynGridDropDown::RebuildRowTable()
{
    fRowOfItem_.assign(size_t(std::max(0, fItems_->Count())), -1);
    if (fColGrid_)
        for (int r = fColGrid_->RowCount() - 1; r >= fColGrid_->FixedRows(); --r) {
            const int k = RowToItem(r);
            if (k >= 0 && k < int(fRowOfItem_.size()))
                fRowOfItem_[size_t(k)] = r;
        }
    fRowTableStale_ = false;
}

int TCustomVynGridDropDown::ItemToRow(int Index)
{
    if (Index < 0 || !fColGrid_)
        return fItemIndex_;
    // The table answers; a row it names that no longer shows the item (a
    // sort or a filter since) rebuilds it.
    const auto lookUp = [&]() -> int {
        if (Index >= int(fRowOfItem_.size()))
            return -1;
        return fRowOfItem_[size_t(Index)];
    };
    int r = fRowTableStale_ ? -2 : lookUp();
    if (r == -2 || (r >= 0 && (r >= fColGrid_->RowCount() || RowToItem(r) != Index)) ||
        size_t(fItems_->Count()) != fRowOfItem_.size()) {
        RebuildRowTable();
        r = lookUp();
    }
    return r >= fColGrid_->FixedRows() ? r : fItemIndex_;
}

void TCustomVynGridDropDown::SetItemIndex(int Value)
{
    TFlagScope own(fCompleting_);
    if (fUseItems_) {
        if (Value >= fItems_->Count())
            return;
        fItemIndex_ = Value;
        if (Value >= 0 && fLookupColumn_ >= 0 && fLookupColumn_ < fItems_->Items(Value)->Text().Count())
            SetText(fItems_->Items(Value)->Text().Strings(fLookupColumn_));
        else
            SetText(String());
        return;
    }
    if (!fColGrid_) {
        fItemIndex_ = Value;
        return;
    }
    if (Value == fItemIndex_ || Value + 1 >= fColGrid_->RowCount() || Value + 1 < 0)
        return;
    fItemIndex_ = Value;
    SetText(Value >= 0 ? fColGrid_->Cells(fLookupColumn_, Value + 1) : String());
}

bool TCustomVynGridDropDown::LookupPrefix(const String& S, String& Found, int& Row)
{
    Row = -1;
    Found.clear();
    if (S.isEmpty())
        return false;
    const Qt::CaseSensitivity cs = fCaseSensitive_ ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // The first character, folded once, rules out most texts before the
    // full comparison.
    const QChar first = fCaseSensitive_ ? S.front() : S.front().toCaseFolded();
    const auto mayStart = [&](const String& T) {
        return !T.isEmpty() && (fCaseSensitive_ ? T.front() == first : T.front().toCaseFolded() == first);
    };
    if (fUseItems_) {
        if (fLookupColumn_ < 0)
            return false;
        const int count = fItems_->Count();
        for (int i = NextLookupCandidate(S, 0); i < count; i = NextLookupCandidate(S, i + 1)) {
            const TStringList& texts = fItems_->Items(i)->Text();
            if (fLookupColumn_ < texts.Count() && mayStart(texts.Strings(fLookupColumn_)) &&
                texts.Strings(fLookupColumn_).startsWith(S, cs)) {
                Found = texts.Strings(fLookupColumn_);
                Row = i;
                return true;
            }
        }
        return false;
    }
    if (!fColGrid_)
        return false;
    for (int r = fColGrid_->FixedRows(); r < fColGrid_->RowCount(); ++r) {
        const String t = fColGrid_->Cells(fLookupColumn_, r);
        if (mayStart(t) && t.startsWith(S, cs)) {
            Found = t;
            Row = r;
            return true;
        }
    }
    return false;
}

int TCustomVynGridDropDown::NextLookupCandidate(const String& S, int From)
{
    const int count = fItems_->Count();
    // With the popup closed the items may change at any time unseen: no
    // prefilter then.
    if (!DroppedDown())
        return From;
    if (!fLookupKeysValid_ || fLookupKeysCase_ != fCaseSensitive_ || fLookupKeysColumn_ != fLookupColumn_ ||
        fLookupKeys_.size() != size_t(count)) {
        fLookupKeys_.resize(size_t(count));
        for (int i = 0; i < count; ++i) {
            const TStringList& texts = fItems_->Items(i)->Text();
            fLookupKeys_[size_t(i)] =
                fLookupColumn_ < texts.Count() ? LookupKey(texts.Strings(fLookupColumn_), fCaseSensitive_) : 0;
        }
        fLookupKeysValid_ = true;
        fLookupKeysCase_ = fCaseSensitive_;
        fLookupKeysColumn_ = fLookupColumn_;
    }
    int usable = 0;
    const quint64 key = LookupKey(S, fCaseSensitive_, &usable);
    const quint64 mask = usable >= LookupKeyUnits ? ~quint64(0) : (quint64(1) << (16 * usable)) - 1;
    const quint64* keys = fLookupKeys_.data();
    for (int i = std::max(From, 0); i < count; ++i)
        if ((keys[i] & mask) == key)
            return i;
    return count;
}

int TCustomVynGridDropDown::EntryCount() const
{
    if (fUseItems_)
        return fItems_->Count();
    return fColGrid_ ? fColGrid_->RowCount() - fColGrid_->FixedRows() : 0;
}

// ---- opening -----------------------------------------------------------------------------------

template <class F> void TCustomVynGridDropDown::Blocked(F&& Call)
{
    TDropDownForm* form = DropDownForm();
    if (form)
        form->SetBlockActivate(true);
    Call();
    if (form)
        form->SetBlockActivate(false);
}

void TCustomVynGridDropDown::ConnectGridEvents()
{
    TVynColGrid& g = *fColGrid_;
    g.OnBlockFocusStart = [this](TObject*) {
        if (DropDownForm())
            DropDownForm()->SetBlockActivate(true);
    };
    g.OnBlockFocusEnd = [this](TObject*) {
        if (DropDownForm())
            DropDownForm()->SetBlockActivate(false);
    };
    g.OnSelectCell = [this](TObject*, int ACol, int ARow, bool& CanSelect) { GridSelectCell(ACol, ARow, CanSelect); };
    g.OnSelect = [this](TObject*) { GridSelect(); };
    g.OnHeaderSortStart = [this](TObject*) { GridSortStarting(); };
    g.OnClickSort = [this](TObject*, int ACol) { GridSortDone(ACol); };

#define VYN_FORWARD(GridEvent, Event)                                                                              \
    g.GridEvent = [this](auto&&... A) {                                                                            \
        if (Event)                                                                                                 \
            Event(std::forward<decltype(A)>(A)...);                                                                \
    }
#define VYN_FORWARD_BLOCKED(GridEvent, Event)                                                                      \
    g.GridEvent = [this](auto&&... A) {                                                                            \
        if (Event)                                                                                                 \
            Blocked([&] { Event(std::forward<decltype(A)>(A)...); });                                             \
    }
    VYN_FORWARD_BLOCKED(OnAnchorClick, OnGridAnchorClick);
    VYN_FORWARD_BLOCKED(OnButtonClick, OnGridButtonClick);
    VYN_FORWARD_BLOCKED(OnEllipsClick, OnGridEllipsClick);
    VYN_FORWARD(OnColumnSize, OnGridColumnSize);
    VYN_FORWARD(OnColumnSizing, OnGridColumnSizing);
    VYN_FORWARD(OnEndColumnSize, OnGridEndColumnSize);
    VYN_FORWARD(OnRowSize, OnGridRowSize);
    VYN_FORWARD(OnRowSizing, OnGridRowSizing);
    VYN_FORWARD(OnEndRowSize, OnGridEndRowSize);
    VYN_FORWARD(OnRowMoved, OnGridRowMoved);
    VYN_FORWARD(OnColumnMoved, OnGridColumnMoved);
    VYN_FORWARD(OnCellBalloon, OnGridCellBalloon);
    VYN_FORWARD(OnGetCellGradient, OnGridGetCellGradient);
    VYN_FORWARD(OnGetEditorType, OnGridGetEditorType);
    VYN_FORWARD(OnGetEditorPropInt, OnGridGetEditorProp);
    VYN_FORWARD(OnCanEditCell, OnGridCanEditCell);
    VYN_FORWARD(OnGetDisplText, OnGridGetDiplText);
    VYN_FORWARD(OnGetFormat, OnGridGetFormat);
    VYN_FORWARD(OnGridHint, OnGridHint);
    VYN_FORWARD(OnMouseDown, OnGridMouseDown);
    VYN_FORWARD(OnMouseUp, OnGridMouseUp);
    VYN_FORWARD(OnRightClickCell, OnGridRightClickCell);
    VYN_FORWARD(OnScrollHint, OnGridScrollHint);
    VYN_FORWARD(OnSearchEditChange, OnGridSearchEditChange);
    VYN_FORWARD(OnAutoAddRow, OnGridAutoAddRow);
    VYN_FORWARD(OnAutoInsertRow, OnGridInsertRow);
    VYN_FORWARD(OnAutoInsertCol, OnGridInsertCol);
    VYN_FORWARD(OnAutoDeleteRow, OnGridDeleteRow);
    VYN_FORWARD(OnCanAddRow, OnGridCanAddRow);
    VYN_FORWARD(OnCanInsertRow, OnGridCanInsertRow);
    VYN_FORWARD(OnCanDeleteRow, OnGridCanDeleteRow);
    VYN_FORWARD(OnCheckBoxClick, OnGridCheckBoxClick);
#undef VYN_FORWARD
#undef VYN_FORWARD_BLOCKED
    g.OnCustomCellDraw = nullptr;
    if (OnGridCustomCellDraw)
        g.OnCustomCellDraw = [this](TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState,
                                    TRect ARect, bool Printing) {
            if (OnGridCustomCellDraw)
                OnGridCustomCellDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing);
        };
    g.OnCustomCellBkgDraw = nullptr;
    if (OnGridCustomCellBkgDraw)
        g.OnCustomCellBkgDraw = [this](TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState,
                                       TRect ARect, bool Printing) {
            if (OnGridCustomCellBkgDraw)
                OnGridCustomCellBkgDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing);
        };
    g.OnGetAlignment = [this](TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign) {
        if (ACol >= 0 && ACol < fColumns_->Count())
            HAlign = fColumns_->Items(ACol)->Alignment();
        if (OnGridGetAlignment)
            OnGridGetAlignment(Sender, ARow, ACol, HAlign, VAlign);
    };
    g.OnGetCellColor = [this](TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush,
                              TFont* AFont) {
        // The column's colour takes the place of the list's plain
        // background (a band, a selected or a fixed cell keeps its own).
        if (ACol >= 0 && ACol < fColumns_->Count() && ABrush && ABrush->Color() == fColGrid_->Color())
            ABrush->SetColor(fColumns_->Items(ACol)->Color());
        if (OnGridGetCellColor)
            OnGridGetCellColor(Sender, ARow, ACol, AState, ABrush, AFont);
    };
    g.OnGetFloatFormat = [this](TObject* Sender, int ACol, int ARow, bool& IsFloat, String& FloatFormat) {
        FloatFormat.clear();
        if (OnGridGetFloatFormat)
            OnGridGetFloatFormat(Sender, ACol, ARow, IsFloat, FloatFormat);
    };
    g.OnMouseMove = [this](TObject* Sender, TShiftState Shift, int X, int Y) {
        // The first move after an opening refreshes the balloon settings.
        if (!fBalloonInit_ && fColGrid_->Balloon() && fColGrid_->Balloon()->Enable()) {
            fColGrid_->Balloon()->SetEnable(false);
            fColGrid_->Balloon()->SetEnable(true);
        }
        fBalloonInit_ = true;
        if (OnGridMouseMove)
            OnGridMouseMove(Sender, Shift, X, Y);
    };
    g.OnTopLeftChanged = [this](TObject*) {
        if (OnGridTopLeftChanged)
            OnGridTopLeftChanged(this);
    };
}

void TCustomVynGridDropDown::DoBeforeDropDown()
{
    TDropDownForm* form = DropDownForm();
    if (!fColGrid_ || !form) {
        TVynCustomDropDown::DoBeforeDropDown();
        return;
    }
    TWeakRef<TCustomVynGridDropDown> self(this);
    TVynColGrid& g = *fColGrid_;
    TFlagScope opening(fOpening_);
    fLookupKeysValid_ = false;
    // 1. Deactivation closes without cancelling.
    form->SetCancelOnDeActivate(false);
    // A refill goes into a grid without filtered rows; the narrowing of
    // the typed entry is applied again afterwards.
    const bool narrowed = g.FilterActive() || !g.LastNarrowDown().isEmpty();
    if (narrowed)
        g.NarrowDown(String(), fLookupColumn_);
    // 2.
    g.ConfigureFromDropDown(this);
    g.SetColor(DropDownColor());
    // 3.
    TSortSettings& sort = *g.SortSettings();
    sort.SetShow(fSorting_ != gsNone);
    sort.SetIndexShow(fSorting_ == gsMultiColumn);
    fBalloonInit_ = false;
    // 4.
    ConnectGridEvents();
    // 5.
    g.SearchFooter()->Assign(*fSearchFooter_);
    g.MouseActions()->Assign(*fMouseActions_);
    g.Navigation()->Assign(*fNavigation_);
    g.Bands()->Assign(*fBands_);
    // 6.
    TGridOptions o = g.Options();
    o += TGridOptions{goThumbTracking};
    if (fRowSelect_)
        o += TGridOptions{goRowSelect};
    else
        o -= TGridOptions{goRowSelect};
    if (fGridEditable_)
        o += TGridOptions{goEditing};
    else
        o -= TGridOptions{goEditing};
    g.SetOptions(o);
    g.SetGridImages(GridImages());
    g.SetComponentStyle(GetComponentStyle());
    // 7.
    if (fUseItems_) {
        TVynCustomDropDown::DoBeforeDropDown();
        if (!self)
            return;
        g.SetRowCount(fItems_->Count() + 1);
        g.SetFixedRows(1);
        g.FillFromItems();
        fRowTableStale_ = true;
    }
    // 8.
    if (sort.Column() >= 0 && sort.Show()) {
        g.QSort();
        fRowTableStale_ = true;
    }
    if (fUseItems_) {
        // Without a chosen item the list starts at its first row.
        const int r = ItemToRow(fItemIndex_);
        if (r >= g.FixedRows() && r < g.RowCount())
            g.SetRow(r);
        else if (g.RowCount() > g.FixedRows())
            g.SetRow(g.FixedRows());
    } else {
        String found;
        int r = -1;
        if (LookupPrefix(Text(), found, r) && r >= g.FixedRows())
            g.SetRow(r);
        else if (g.RowCount() > g.FixedRows())
            g.SetRow(g.FixedRows());
    }
    if (narrowed && fLookupMethod_ == lmNarrowDown && !fLookupEntry_.trimmed().isEmpty())
        g.NarrowDown(fLookupEntry_.trimmed(), fLookupColumn_);
    // 9.
    fOldItemIndex_ = fItemIndex_;
    fTextAtOpen_ = Text();
    if (!fUseItems_)
        TVynCustomDropDown::DoBeforeDropDown();
}

void TCustomVynGridDropDown::AdjustDropDownHeight(int& Height)
{
    int hf = 0;
    if (DropDownHeader().Visible())
        hf += DropDownHeader().Height();
    if (DropDownFooter().Visible())
        hf += DropDownFooter().Height();
    const int rowHeight = std::max(1, fDropDownRowHeight_);
    Height = hf + fHeaderHeight_ + ((Height - hf - fHeaderHeight_ - 2) / rowHeight) * rowHeight + 6;
}

void TCustomVynGridDropDown::UpdateDropDownSize()
{
    TVynCustomDropDown::UpdateDropDownSize();
    TDropDownForm* form = DropDownForm();
    if (!fDropDownAutoWidth_ || !fColGrid_ || !form)
        return;
    const int w = fColGrid_->GetNeededWidth();
    fColGrid_->SetWidth(w);
    form->SetBounds(form->Left(), form->Top(), w + 2 * DropDownBorderWidth(), form->Height());
    fColGrid_->SetAlign(alClient);
}

void TCustomVynGridDropDown::DoShowDropDown()
{
    TWeakRef<TCustomVynGridDropDown> self(this);
    TVynCustomDropDown::DoShowDropDown();
    if (!self || !fColGrid_)
        return;
    TVynColGrid& g = *fColGrid_;
    if (!fUseItems_)
        while (fColumns_->Count() < g.ColCount())
            fColumns_->Add();
    if (DroppedDown())
        SizeColumnsToDropDown();
    // The current row in view, now that the list has its size: on the
    // first page the list shows from its top, else the row becomes the
    // top row when it lies outside the visible rows.
    if (g.VisibleRowCount() + g.FixedRows() < g.RowCount()) {
        if (g.Row() < g.FixedRows() + g.VisibleRowCount())
            g.SetTopRow(g.FixedRows());
        else if (g.Row() >= g.TopRow() + g.VisibleRowCount() || g.Row() < g.TopRow())
            g.SetTopRow(g.Row());
    }
    fSelRow_ = g.FixedRows();
    g.SetTabStop(true);
    if (DroppedDown() && g.CanFocus())
        g.SetFocus();
}

void TCustomVynGridDropDown::DoDropDownSizing() { SizeColumnsToDropDown(); }

void TCustomVynGridDropDown::SizeColumnsToDropDown()
{
    if (!fColumnSizeWithDropDown_ || !fColGrid_)
        return;
    TVynColGrid& g = *fColGrid_;
    g.SetScrollBars(ssVertical);
    if (fColumns_->Count() == 0)
        return;
    TDropDownForm* form = DropDownForm();
    double W = form ? form->Width() : g.Width();
    if (g.VisibleRowCount() + g.FixedRows() < g.RowCount())
        W -= GetSystemMetrics(SM_CXVSCROLL);
    double T = 1;
    for (int i = 0; i < fColumns_->Count(); ++i)
        T += fColumns_->Items(i)->Width();
    double carry = 0;
    const int n = std::min(g.ColCount(), fColumns_->Count());
    for (int i = 0; i < n; ++i) {
        const double x = W / T * fColumns_->Items(i)->Width();
        int w = int(std::nearbyint(x));  // halves to even (the default rounding mode)
        carry += x - w;
        if (carry > 1) {
            carry -= 1;
            ++w;
        }
        g.SetColWidths(i, w);
    }
}

// ---- choosing ----------------------------------------------------------------------------------

void TCustomVynGridDropDown::GridSelectCell(int, int ARow, bool&)
{
    if (fOpening_ || !fColGrid_)
        return;
    fSelRow_ = ARow;
    if (fColGrid_->MouseWheelSelection())
        return;
    if (fUseItems_) {
        SetItemIndex(RowToItem(ARow));
    } else {
        TFlagScope own(fCompleting_);
        SetText(fColGrid_->Cells(fLookupColumn_, ARow));
        SetItemIndex(ARow - 1);
    }
}

void TCustomVynGridDropDown::GridSelect()
{
    if (!fColGrid_)
        return;
    TWeakRef<TCustomVynGridDropDown> self(this);
    if (fColGrid_->ConfirmSelection())
        SetItemIndex(fUseItems_ ? RowToItem(fColGrid_->Row()) : fColGrid_->Row() - 1);
    if (!fGridEditable_)
        DoHideDropDown(false);
    if (self && OnSelect)
        OnSelect(this);
}

void TCustomVynGridDropDown::DoHideDropDown(bool Cancel)
{
    TDropDownForm* form = DropDownForm();
    if (form && form->Visible() && fColGrid_) {
        if (Cancel) {
            SetItemIndex(fOldItemIndex_);
        } else if (fColGrid_->ConfirmSelection()) {
            SetItemIndex(fUseItems_ ? RowToItem(fSelRow_) : fSelRow_ - 1);
        }
        fOldItemIndex_ = fItemIndex_;
        fColGrid_->SetConfirmSelection(false);
        TWeakRef<TCustomVynGridDropDown> self(this);
        TVynCustomDropDown::DoHideDropDown(Cancel);
        // A cancel puts back the text of the moment of opening too (also
        // when the index did not change).
        if (self && Cancel) {
            TFlagScope own(fCompleting_);
            SetText(fTextAtOpen_);
        }
        return;
    }
    TVynCustomDropDown::DoHideDropDown(Cancel);
}

void TCustomVynGridDropDown::GridSortStarting() { fTempItemIndex_ = fItemIndex_; }

void TCustomVynGridDropDown::GridSortDone(int)
{
    fRowTableStale_ = true;
    if (!fColGrid_ || fTempItemIndex_ < 0)
        return;
    const int r = ItemToRow(fTempItemIndex_);
    if (r >= fColGrid_->FixedRows() && r < fColGrid_->RowCount())
        ShowRow(r);
}

void TCustomVynGridDropDown::ShowRow(int ARow)
{
    TVynColGrid& g = *fColGrid_;
    if (g.VisibleRowCount() + g.FixedRows() < g.RowCount() &&
        (ARow >= g.TopRow() + g.VisibleRowCount() || ARow < g.TopRow()))
        g.SetTopRow(ARow);
    g.SetRow(ARow);
    g.SetCol(0);
    g.Invalidate();
}

// ---- typed lookup ------------------------------------------------------------------------------

void TCustomVynGridDropDown::TextWithTail(const String& Value, int Start)
{
    {
        TFlagScope own(fCompleting_);
        SetText(Value);
    }
    const int n = int(TCustomEdit::Text().size());
    if (fStyle_ == dsDropDown) {
        const int s = std::clamp(Start + int(Prefix().size()), 0, n);
        SetSelStart(s);
        SetSelLength(n - s);
    }
}

int TCustomVynGridDropDown::LookupTypedChar(QChar C)
{
    if (fLookupMethod_ == lmNone)
        return -1;
    if (C.unicode() == VK_BACK) {
        if (SelLength() == 0) {
            fLookupEntry_.chop(1);
            TFlagScope own(fCompleting_);
            SetText(fLookupEntry_);
        } else {
            const String t = TCustomEdit::Text();
            TFlagScope own(fCompleting_);
            SetTextDirect(t.left(SelStart()) + t.mid(SelStart() + SelLength()));
        }
        SetSelStart(int(TCustomEdit::Text().size()));
        SetSelLength(0);
        if (fLookupMethod_ == lmNarrowDown && fColGrid_) {
            const String e = fLookupEntry_.trimmed();
            fColGrid_->NarrowDown(e, fLookupColumn_);
        }
        return -1;
    }
    if (C.unicode() != VK_TAB)
        fLookupEntry_ += C;
    const String e = fLookupEntry_.trimmed();
    if (fLookupMethod_ == lmNarrowDown) {
        if (!fColGrid_)
            return -1;
        TVynColGrid& g = *fColGrid_;
        if (e.isEmpty()) {
            g.NarrowDown(String(), fLookupColumn_);
        } else {
            g.SetFixedRowAlways(true);
            g.NarrowDown(e, fLookupColumn_);
            if (fStyle_ == dsDropDown && g.RowCount() > g.FixedRows())
                TextWithTail(g.Cells(fLookupColumn_, g.FixedRows()), int(fLookupEntry_.size()));
        }
        return g.FixedRows();
    }
    String found;
    int row = -1;
    if (LookupPrefix(e, found, row)) {
        fItemIndex_ = row;
        TextWithTail(found, int(fLookupEntry_.size()));
        return row;
    }
    if (fStyle_ == dsDropDownList) {
        if (LookupPrefix(String(C), found, row)) {
            fItemIndex_ = row;
            TextWithTail(found, 1);
            fLookupEntry_ = String(C);
            return row;
        }
        fLookupEntry_.clear();
    }
    return -1;
}

void TCustomVynGridDropDown::WMChar(TMessage& Message)
{
    TWeakRef<TCustomVynGridDropDown> self(this);
    const QChar c(char16_t(Message.CharCode()));
    TVynCustomDropDown::WMChar(Message);
    if (!self)
        return;
    // Control characters other than Backspace and Tab are keys, not text.
    if (c.unicode() < 32 && c.unicode() != VK_BACK && c.unicode() != VK_TAB)
        return;
    LookupTypedChar(c);
    if (self && fAutoShowDropDown_ && !DroppedDown())
        DoShowDropDown();
}

void TCustomVynGridDropDown::ControlKeyPress(QChar& Key)
{
    TWeakRef<TCustomVynGridDropDown> self(this);
    const ushort k = Key.unicode();
    if (!fColGrid_)
        return;
    TVynColGrid& g = *fColGrid_;
    if (k == VK_RETURN || k == VK_ESCAPE || fGridEditable_) {
        fLookupEntry_.clear();
    } else if (k >= 32 || k == VK_BACK) {
        int r = LookupTypedChar(Key);
        if (!self)
            return;
        // The row that shows the found item (rows are sorted: not the
        // item index + 1).
        if (fLookupMethod_ == lmLookup && fUseItems_ && r >= 0)
            r = ItemToRow(r);
        if (r >= g.FixedRows() && r < g.RowCount())
            ShowRow(r);
        else
            fLookupEntry_.clear();
    }
    if (self && OnGridKeyPress)
        OnGridKeyPress(this, Key);
}

void TCustomVynGridDropDown::ControlKeyDown(Word& Key, TShiftState Shift)
{
    TWeakRef<TCustomVynGridDropDown> self(this);
    if (!IsNavigationKey(Key) || Shift.Contains(ssAlt))
        TVynCustomDropDown::ControlKeyDown(Key, Shift);
    if (self && OnGridKeyDown)
        OnGridKeyDown(this, Key, Shift);
}

void TCustomVynGridDropDown::ControlKeyUp(Word& Key, TShiftState Shift)
{
    TWeakRef<TCustomVynGridDropDown> self(this);
    if (IsNavigationKey(Key) && !Shift.Contains(ssAlt))
        fLookupEntry_.clear();
    else
        TVynCustomDropDown::ControlKeyUp(Key, Shift);
    if (self && OnGridKeyUp)
        OnGridKeyUp(this, Key, Shift);
}

// ---- auto-completion and the edit's keys -------------------------------------------------------

void TCustomVynGridDropDown::Change()
{
    if (EditSyncing()) {
        TVynCustomDropDown::Change();
        return;
    }
    fItemChange_ = false;
    TWeakRef<TCustomVynGridDropDown> self(this);
    TVynCustomDropDown::Change();
    if (!self || fCompleting_ || !fWorkMode_ || fDesignTime_)
        return;
    const String text = Text();
    SetModifiedFlag(!text.isEmpty());
    const int caret = std::clamp(SelStart() - int(Prefix().size()), 0, int(text.size()));
    const String typed = text.left(caret);
    const Qt::CaseSensitivity cs = fMatchCase_ ? Qt::CaseSensitive : Qt::CaseInsensitive;
    int found = -1;
    if (!typed.isEmpty())
        for (int i = 0; i < fLookupItems_->Count(); ++i)
            if (fLookupItems_->Strings(i).startsWith(typed, cs)) {
                found = i;
                break;
            }
    TFlagScope own(fCompleting_);
    if (found >= 0) {
        const String completed = (typed + fLookupItems_->Strings(found).mid(typed.size())).left(255);
        SetTextDirect(completed);
        fItemIndex_ = found;
        fItemIdx_ = found;
        fItemSel_ = int(typed.size());
        fItemChange_ = true;
        const int n = int(TCustomEdit::Text().size());
        const int s = std::min(int(Prefix().size()) + fItemSel_, n);
        SetSelStart(s);
        SetSelLength(n - s);
    } else if (!typed.isEmpty() && typed != text) {
        SetTextDirect(typed);
        SetSelStart(int(Prefix().size() + typed.size()));
        SetSelLength(0);
    }
}

void TCustomVynGridDropDown::KeyUp(Word& Key, TShiftState Shift)
{
    TWeakRef<TCustomVynGridDropDown> self(this);
    if (!(Key == VK_RETURN && fReturnIsTab_))
        TVynCustomDropDown::KeyUp(Key, Shift);
    if (!self)
        return;
    if (fColGrid_ && fGridEditable_ && fColGrid_->EditorMode() && Key == VK_RETURN && !Shift.Contains(ssShift)) {
        if (fColGrid_->Col() == fLookupColumn_)
            DoHideDropDown(false);
        else
            fColGrid_->HideInplaceEdit();
        if (!self)
            return;
    }
    FinishCompletionOnKeyUp(*this, fItemChange_, fItemSel_, [this] { SetItemIndex(fItemIdx_); });
}

void TCustomVynGridDropDown::KeyDown(Word& Key, TShiftState Shift)
{
    TWeakRef<TCustomVynGridDropDown> self(this);
    if (fColGrid_ && fGridEditable_ && fColGrid_->EditorMode() && Key == VK_RETURN && !Shift.Contains(ssShift)) {
        fColGrid_->HideInplaceEdit();
        if (!self)
            return;
        {
            TFlagScope own(fCompleting_);
            SetText(fColGrid_->Cells(fLookupColumn_, fColGrid_->Row()));
        }
        SetItemIndex(fColGrid_->Row() - 1);
        Key = 0;
        return;
    }
    if (fLookupColumn_ < 0 || fItems_->Count() == 0) {
        TVynCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    fWorkMode_ = !(Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE);
    if (Key == VK_RETURN) {
        const int i = fLookupItems_->IndexOf(Text());
        if (i >= 0) {
            SetItemIndex(i);
            if (!self)
                return;
            Change();
            if (!self)
                return;
        }
        if (fReturnIsTab_) {
            PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
            Key = 0;
            return;
        }
    }
    if (Key == VK_ESCAPE || (Key >= 33 && Key <= 40))
        fLookupEntry_.clear();
    const Word key = Key;
    TVynCustomDropDown::KeyDown(Key, Shift);
    if (!self)
        return;
    if (key == VK_ESCAPE) {
        fItemIndex_ = fLookupItems_->IndexOf(Text());
    }
}

void TCustomVynGridDropDown::KeyPress(QChar& Key)
{
    if (Key.unicode() == VK_RETURN && fReturnIsTab_) {
        Key = QChar();
        return;
    }
    TVynCustomDropDown::KeyPress(Key);
}

void TCustomVynGridDropDown::WMKeyDown(TMessage& Message)
{
    TWeakRef<TCustomVynGridDropDown> self(this);
    const Word key = Word(Message.CharCode());
    if (key == VK_RETURN && fColGrid_)
        fColGrid_->SetConfirmSelection(true);
    TVynCustomDropDown::WMKeyDown(Message);
    if (!self || !Enabled() || GetKeyState(VK_MENU) < 0 || DroppedDown())
        return;
    const int n = EntryCount();
    if (n <= 0)
        return;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const int i = fItemIndex_;
    switch (key) {
    case VK_PRIOR:
        fLookupEntry_.clear();
        SetItemIndex(i - 10 < 0 || i < 0 ? 0 : i - 10);
        break;
    case VK_NEXT:
        fLookupEntry_.clear();
        SetItemIndex(i < 0 ? 0 : (i + 10 < n ? i + 10 : n - 1));
        break;
    case VK_END:
        fLookupEntry_.clear();
        if (fStyle_ == dsDropDownList && !shift)
            SetItemIndex(n - 1);
        break;
    case VK_HOME:
        fLookupEntry_.clear();
        if (fStyle_ == dsDropDownList && !shift)
            SetItemIndex(0);
        break;
    case VK_UP:
        fLookupEntry_.clear();
        if (i < 0)
            SetItemIndex(0);
        else if (i > 0)
            SetItemIndex(i - 1);
        break;
    case VK_DOWN:
        fLookupEntry_.clear();
        if (i < 0)
            SetItemIndex(0);
        else if (i < n - 1)
            SetItemIndex(i + 1);
        break;
    default: break;
    }
}

// Over the open popup the wheel scrolls the list and never chooses.
void TCustomVynGridDropDown::HandleMouseWheelDown()
{
    const int n = EntryCount();
    if (n <= 0 || DroppedDown())
        return;
    if (fItemIndex_ < 0)
        SetItemIndex(0);
    else if (fItemIndex_ < n - 1)
        SetItemIndex(fItemIndex_ + 1);
}

void TCustomVynGridDropDown::HandleMouseWheelUp()
{
    if (EntryCount() <= 0 || DroppedDown())
        return;
    if (fItemIndex_ < 0)
        SetItemIndex(0);
    else if (fItemIndex_ > 0)
        SetItemIndex(fItemIndex_ - 1);
}

// ---- styles ------------------------------------------------------------------------------------

void TCustomVynGridDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle)
{
    switch (AStyle) {
    case scOffice2007:
        fLineColor_ = 0xF1EDEB;
        fFixedLineColor_ = 0xD1BBA4;
        SetSelectionColor(0x5EC1F1);
        break;
    case scWindowsVista:
    case scWindows7:
        SetSelectionColor(0xEACAB6);
        fLineColor_ = 0xECECF0;
        fFixedLineColor_ = 0xD4D2D1;
        break;
    case scCustom: break;
    }
    TVynCustomDropDown::SetSelectionColorStyle(AStyle);
}

void TCustomVynGridDropDown::SetComponentStyle(TVynStyle AStyle)
{
    TVynCustomDropDown::SetComponentStyle(AStyle);
    struct TRowStyle {
        TVynStyle Style;
        TColor Header, HeaderTo;
        bool FontSet;
        TColor Font;
        TSelectionColorStyle Selection;
        TColor Lines;
    };
    static const TRowStyle table[] = {
        {tsOffice2003Blue, 0xD68759, 0x933803, true, 0xFFFFFF, scOffice2007, 0x962D00},
        {tsOffice2003Silver, 0xBDA4A5, 0x957475, false, 0, scOffice2007, 0x947C7C},
        {tsOffice2003Olive, 0x82C0AF, 0x447A63, false, 0, scOffice2007, 0x588060},
        {tsOffice2003Classic, 0x808080, 0x808080, false, 0, scOffice2007, 0x808080},
        {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, true, 0x723708, scOffice2007, 0xFFD2AF},
        {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, true, 0x433C37, scOffice2007, 0x5C534C},
        {tsWhidbey, 0xEBEEEF, 0x7E9898, true, 0xFFFFFF, scOffice2007, 0x962D00},
        {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, true, 0x8B4215, scOffice2007, 0x74706F},
        {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, true, 0, scWindowsVista, 0xFCF2DA},
        {tsWindows7, 0xFDFBFA, 0xFDF3EB, true, 0, scWindows7, 0xFBD6B8},
    };
    for (const TRowStyle& s : table)
        if (s.Style == AStyle) {
            fHeaderColor_ = s.Header;
            fHeaderColorTo_ = s.HeaderTo;
            if (s.FontSet)
                fHeaderFont_->SetColor(s.Font);
            SetSelectionColorStyle(s.Selection);
            fLineColor_ = fFixedLineColor_ = s.Lines;
            fSelectionTextColor_ = 0;
            return;
        }
    if (AStyle == tsWindowsXP || AStyle == tsTerminal) {
        fHeaderColor_ = fHeaderColorTo_ = clBtnFace;
        fHeaderFont_->SetColor(0);
        SetSelectionColorStyle(scCustom);
        if (AStyle == tsWindowsXP) {
            fLineColor_ = 0xC0C0C0;
            fFixedLineColor_ = 0;
        } else {
            fLineColor_ = fFixedLineColor_ = 0x808080;
        }
        SetSelectionColor(clHighlight);
        SetSelectionColorTo(clHighlight);
        fSelectionTextColor_ = clHighlightText;
    }
}

}  // namespace VynCustomGridDropDown
