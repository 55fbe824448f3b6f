// TVynColGrid: filling, measuring and the input rules of the grid
// drop-down's list grid.
#include "controls/dropdown/grid/VynColGrid.h"

#include <algorithm>

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/grid/VynGridDropDown.h"
#include "grid/core/grid_options.h"
#include "platform/gui/input_state.h"

namespace VynCustomGridDropDown {

namespace {

TObject* ItemTag(int Index) { return reinterpret_cast<TObject*>(intptr_t(Index)); }

}  // namespace

TVynColGrid::TVynColGrid(TComponent* AOwner)
    : TVynStringGrid(AOwner),
      fColumns_(std::make_unique<TDropDownColumns>(this)),
      fHeaderFont_(std::make_unique<TFont>())
{
    SetFixedRowAlways(true);
    SetFixedRows(1);
    SetFixedCols(0);
    TGridOptions o = Options();
    o -= TGridOptions{goRangeSelect};
    o += TGridOptions{goHorzLine, goRowSelect};
    SetOptions(o);
    SetBorderStyle(bsNone);
}

TVynColGrid::~TVynColGrid() = default;

void TVynColGrid::SetGridLineWidth(int Value)
{
    fGridLineWidth_ = Value;
    TVynStringGrid::SetGridLineWidth(0);
    Invalidate();
}

bool TVynColGrid::InPopup() const { return dynamic_cast<TDropDownForm*>(Parent()) != nullptr; }

int TVynColGrid::ItemOfRow(int ARow)
{
    if (ARow < FixedRows() || ARow >= RowCount())
        return -1;
    return int(reinterpret_cast<intptr_t>(Objects(0, ARow)));
}

// ---- from the owner ----------------------------------------------------------------------------

void TVynColGrid::ConfigureFromDropDown(TCustomVynGridDropDown* Owner)
{
    if (!Owner)
        return;
    SetDropDown(Owner);
    fColumns_->Assign(Owner->Columns());
    if (ColCount() < fColumns_->Count())
        SetColCount(fColumns_->Count());
    if (Owner->UseItems())
        SetRowCount(Owner->Items().Count() + 1);
    for (int i = 0; i < Owner->Columns().Count(); ++i)
        SetColWidths(i, Owner->Columns().Items(i)->Width());
    fLineColor_ = Owner->LineColor();
    fFixedLineColor_ = Owner->FixedLineColor();
    fHeaderColor_ = Owner->HeaderColor();
    fHeaderColorTo_ = Owner->HeaderColorTo();
    fHeaderHeight_ = Owner->HeaderHeight();
    fHeaderFont_->Assign(Owner->HeaderFont());
    fImages_ = TWeakRef<TImageList>(Owner->Images());
    SetHoverRow(Owner->HoverRow());
    SetHoverRowColor(Owner->HoverRowColor());
    SetHoverRowColorTo(Owner->HoverRowColorTo());
    SetDefaultRowHeight(Owner->DropDownRowHeight());
    SetRowHeights(0, Owner->HeaderHeight());
    TGridOptions o = Options();
    const auto set = [&o](TGridOption Option, bool On) {
        if (On)
            o += TGridOptions{Option};
        else
            o -= TGridOptions{Option};
    };
    set(goColSizing, Owner->ColumnSizing());
    set(goColMoving, Owner->ColumnMoving());
    set(goRowSizing, Owner->RowSizing());
    set(goRowMoving, Owner->RowMoving());
    SetOptions(o);
    if (Owner->AutoSizeColumns()) {
        if (Owner->UseItems())
            AutoSizeItemColumns();
        else
            TVynStringGrid::AutoSizeColumns(true, 4);
    }
    UpdateWordWrapRowHeights();
}

void TVynColGrid::FillFromItems()
{
    TCustomVynGridDropDown* owner = fDropDown_;
    if (!owner)
        return;
    const int cols = fColumns_->Count();
    SetColCount(cols);
    for (int i = 0; i < cols; ++i) {
        SetCells(i, 0, fColumns_->Items(i)->Header());
        SetObjects(i, 0, ItemTag(-1));
    }
    const TDropDownItems& items = owner->Items();
    const int n = items.Count();
    if (n > 0) {
        SetRowCount(FixedRows() + n);
        for (int k = 0; k < n; ++k) {
            const TStringList& texts = items.Items(k)->Text();
            const int have = std::min(texts.Count(), cols);
            for (int i = 0; i < cols; ++i)
                SetCells(i, k + 1, i < have ? texts.Strings(i) : String());
            SetObjects(0, k + 1, ItemTag(k));
        }
    }
    // The rows are in item order now: that is the order undoing a sort
    // goes back to (a refill with the same row count would otherwise keep
    // the order of an earlier sort).
    InitSortXRef();
}

// ---- measuring ---------------------------------------------------------------------------------

String TVynColGrid::MeasuredText(int Col, int Row)
{
    if (fDropDown_ && fDropDown_->UseItems()) {
        const int k = Row - 1;
        return k >= 0 && k < fDropDown_->Items().Count() ? fDropDown_->Items().Items(k)->ColumnText(Col) : String();
    }
    return Cells(Col, Row);
}

void TVynColGrid::AutoSizeItemColumns()
{
    for (int i = 0; i < fColumns_->Count(); ++i)
        if (fColumns_->Items(i)->AutoSize())
            AutoSizeItemColumn(i);
}

void TVynColGrid::AutoSizeItemColumn(int Index)
{
    if (Index < 0 || Index >= fColumns_->Count() || !fColumns_->Items(Index)->AutoSize() || !InPopup())
        return;
    TDropDownColumn& column = *fColumns_->Items(Index);
    TCanvas& canvas = Canvas();
    TCanvasStateGuard guard(canvas);
    canvas.Font().Assign(column.Font());
    TImageList* images = Images();
    const bool imageColumn = column.ColumnType() == TColumnType::ctImage && images;
    const bool useItems = fDropDown_ && fDropDown_->UseItems();
    int widest = 0;
    for (int r = 1; r < RowCount(); ++r) {
        TRect box(0, 0, 1000, 500);
        canvas.DrawText(box, MeasuredText(Index, r), DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
        int w = box.Right - box.Left + 6;
        if (imageColumn && useItems && r - 1 < fDropDown_->Items().Count() &&
            fDropDown_->Items().Items(r - 1)->ImageIndex() >= 0)
            w += images->Width() + 4;
        widest = std::max(widest, w);
    }
    column.SetWidth(widest);
    SetColWidths(Index, widest);
}

void TVynColGrid::UpdateWordWrapRowHeights()
{
    if (!InPopup())
        return;
    std::vector<int> wrapped;
    for (int i = 0; i < fColumns_->Count(); ++i)
        if (fColumns_->Items(i)->Wordwrap())
            wrapped.push_back(i);
    if (wrapped.empty())
        return;
    TCanvas& canvas = Canvas();
    TCanvasStateGuard guard(canvas);
    TImageList* images = Images();
    const bool useItems = fDropDown_ && fDropDown_->UseItems();
    for (int r = FixedRows(); r < RowCount(); ++r) {
        int h = 24;
        for (int c : wrapped) {
            TDropDownColumn& column = *fColumns_->Items(c);
            canvas.Font().Assign(column.Font());
            TRect box(0, 0, std::max(1, ColWidths(c)), 0);
            canvas.DrawText(box, MeasuredText(c, r), DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_LEFT);
            h = std::max(h, box.Bottom - box.Top + 6);
            if (column.ColumnType() == TColumnType::ctImage && images && useItems && r - 1 < fDropDown_->Items().Count() &&
                fDropDown_->Items().Items(r - 1)->ImageIndex() >= 0)
                h = std::max(h, images->Height() + 6);
        }
        SetRowHeights(r, h);
    }
}

int TVynColGrid::GetNeededWidth()
{
    int w = 2 * BorderWidth();
    for (int c = 0; c < ColCount(); ++c)
        w += ColWidths(c);
    if (VisibleRowCount() + FixedRows() < RowCount())
        w += GetSystemMetrics(SM_CXVSCROLL);
    return w;
}

// ---- input -------------------------------------------------------------------------------------

void TVynColGrid::DoSelect()
{
    if (OnSelect)
        OnSelect(this);
}

void TVynColGrid::KeyDown(Word& Key, TShiftState Shift)
{
    fConfirmSelection_ = true;
    if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        if (fDropDown_)
            fDropDown_->Perform(WM_KEYDOWN, Key, 0);
        return;
    }
    if (Key == VK_RETURN) {
        TWeakRef<TVynColGrid> self(this);
        Word none = 0;
        TVynStringGrid::KeyDown(none, Shift);
        if (self)
            DoSelect();
        Key = 0;
        return;
    }
    TVynStringGrid::KeyDown(Key, Shift);
}

void TVynColGrid::WMKeyDown(TMessage& Message)
{
    if (Message.CharCode() == VK_TAB)
        return;
    TVynStringGrid::WMKeyDown(Message);
}

void TVynColGrid::WMChar(TMessage& Message)
{
    if (Message.CharCode() == VK_RETURN) {
        Message.Result = 1;
        return;
    }
    TVynStringGrid::WMChar(Message);
}

void TVynColGrid::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB; }

void TVynColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    fConfirmSelection_ = true;
    fOldRow_ = Row();
    TVynStringGrid::MouseDown(Button, Shift, X, Y);
}

void TVynColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynColGrid> self(this);
    TVynStringGrid::MouseUp(Button, Shift, X, Y);
    if (!self || Button != mbLeft)
        return;
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (c >= 0 && r >= FixedRows() && r < RowCount() && !HasCheckBox(c, r))
        DoSelect();
}

void TVynColGrid::Dispatch(TMessage& Message)
{
    if (Message.Msg != WM_MOUSEWHEEL) {
        TVynStringGrid::Dispatch(Message);
        return;
    }
    TWeakRef<TVynColGrid> self(this);
    fMouseWheelSelection_ = true;
    fConfirmSelection_ = false;
    TVynStringGrid::Dispatch(Message);
    if (self)
        fMouseWheelSelection_ = false;
}

void TVynColGrid::DoStartBlockFocus()
{
    TVynStringGrid::DoStartBlockFocus();
    if (OnBlockFocusStart)
        OnBlockFocusStart(this);
}

void TVynColGrid::DoEndBlockFocus()
{
    TVynStringGrid::DoEndBlockFocus();
    if (OnBlockFocusEnd)
        OnBlockFocusEnd(this);
}

void TVynColGrid::ClickSortStep(int X, int Y, int ACol, int ARow)
{
    if (OnHeaderSortStart)
        OnHeaderSortStart(this);
    TVynStringGrid::ClickSortStep(X, Y, ACol, ARow);
}

}  // namespace VynCustomGridDropDown
