// TVynMultiColumnDropDown: columns and items, the popup grid, completion,
// the popup's incremental lookup and the keys.
#include "controls/dropdown/MultiColumnDropDown.h"

#include <QLineEdit>

#include <algorithm>

#include "controls/dropdown/DropDownDraw.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/SelectorDropDown.h"
#include "platform/gui/application.h"
#include "platform/gui/input_state.h"
#include "platform/gui/messages.h"
#include "platform/gui/qt_widgets.h"
#include "platform/rtl/strings.h"

namespace VynMultiColumnDropDown {

namespace {

bool altDown() { return GetKeyState(VK_MENU) < 0; }

bool designing(const TComponent* C) { return C->ComponentState().Contains(TComponentStateItem::csDesigning); }

}  // namespace

// ---- columns and items -------------------------------------------------------------------------------

TDropDownColumn::TDropDownColumn(TCollection* Collection)
    : TCollectionItem(Collection), fFont_(std::make_unique<TFont>())
{
}

TDropDownColumn::~TDropDownColumn() = default;

void TDropDownColumn::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TDropDownColumn*>(&Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    fWordwrap_ = s->fWordwrap_;
    fWidth_ = s->fWidth_;
    fAutoSize_ = s->fAutoSize_;
    fHeader_ = s->fHeader_;
    fAlignment_ = s->fAlignment_;
    fColor_ = s->fColor_;
    fColumnType_ = s->fColumnType_;
    fFont_->Assign(*s->fFont_);
    fEllipsis_ = s->fEllipsis_;
}

TDropDownItem::TDropDownItem(TCollection* Collection)
    : TCollectionItem(Collection), fText_(std::make_unique<TStringList>())
{
}

TDropDownItem::~TDropDownItem() = default;

void TDropDownItem::SetText(const TStringList& Value)
{
    if (&Value == fText_.get())
        return;
    fText_->Clear();
    for (int i = 0; i < Value.Count(); ++i)
        fText_->Add(Value.Strings(i));
}

String TDropDownItem::ColumnText(int Column) const
{
    return Column >= 0 && Column < fText_->Count() ? fText_->Strings(Column) : String();
}

void TDropDownItem::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TDropDownItem*>(&Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    fImageIndex_ = s->fImageIndex_;
    SetText(*s->fText_);
}

int TDropDownItems::IndexInColumn(int Column, const String& Value) const
{
    for (int i = 0; i < Count(); ++i) {
        const TStringList& t = Items(i)->Text();
        if (Column >= 0 && Column < t.Count() && t.Strings(Column) == Value)
            return i;
    }
    return -1;
}

// ---- the popup grid ----------------------------------------------------------------------------------

TVynMultiColGrid::TVynMultiColGrid(TComponent* AOwner)
    : TStringGrid(AOwner), fColumns_(std::make_unique<TDropDownColumns>(this)), fHeaderFont_(std::make_unique<TFont>())
{
    SetFixedCols(0);
    SetFixedRows(1);
    TGridOptions o = Options();
    o.Exclude(goRangeSelect);
    o.Exclude(goDrawFocusSelected);
    o.Include(goHorzLine);
    o.Include(goRowSelect);
    SetOptions(o);
    SetDefaultDrawing(false);
    SetBorderStyle(bsNone);
    // Every line is drawn by DrawCell.
    TCustomGrid::SetGridLineWidth(0);
}

TVynMultiColGrid::~TVynMultiColGrid() = default;

void TVynMultiColGrid::SetVynDropDown(TVynMultiColumnDropDown* Value)
{
    fVynDropDown_ = TWeakRef<TVynMultiColumnDropDown>(Value);
}

void TVynMultiColGrid::SetGridLineWidth(int Value)
{
    fGridLineWidth_ = Value;
    TCustomGrid::SetGridLineWidth(0);
    Invalidate();
}

bool TVynMultiColGrid::OnPopupForm() const { return dynamic_cast<TDropDownForm*>(Parent()) != nullptr; }

void TVynMultiColGrid::LoadFromDropDown(TVynMultiColumnDropDown* DropDown)
{
    SetVynDropDown(DropDown);
    if (!DropDown)
        return;
    fColumns_->Assign(DropDown->Columns());
    SetColCount(fColumns_->Count());
    const int rows = DropDown->Items().Count() + 1;
    SetRowCount(rows);
    if (RowCount() > 1) {
        SetFixedRows(1);
        SetRow(1);
        SetRowCount(rows);
    }
    for (int i = 0; i < std::min(ColCount(), fColumns_->Count()); ++i)
        SetColWidths(i, fColumns_->Items(i)->Width());
    fLineColor_ = DropDown->LineColor();
    fFixedLineColor_ = DropDown->FixedLineColor();
    fHeaderColor_ = DropDown->HeaderColor();
    fHeaderColorTo_ = DropDown->HeaderColorTo();
    fHeaderHeight_ = DropDown->HeaderHeight();
    fHeaderFont_->Assign(DropDown->HeaderFont());
    SetImages(DropDown->Images());
    SetDefaultRowHeight(DropDown->DropDownRowHeight());
    SetRowHeights(0, fHeaderHeight_);
    TGridOptions o = Options();
    if (DropDown->ColumnSizing())
        o.Include(goColSizing);
    else
        o.Exclude(goColSizing);
    SetOptions(o);
    FitAutoSizeColumns();
    FitWrappedRows();
}

void TVynMultiColGrid::FitColumnToText(int Index)
{
    TVynMultiColumnDropDown* dd = VynDropDown();
    TDropDownColumn& col = *fColumns_->Items(Index);
    TCanvas& cv = Canvas();
    cv.Font().Assign(col.Font());
    TImageList* images = Images();
    int widest = 0;
    const int n = dd ? dd->Items().Count() : 0;
    for (int i = 0; i < n; ++i) {
        const TDropDownItem& item = *dd->Items().Items(i);
        int w = 0;
        if (col.ColumnType() == ctImage && item.ImageIndex() >= 0 && images)
            w += images->Width() + 4;
        const String text = item.ColumnText(Index);
        if (!text.isEmpty())
            w += cv.TextWidth(text) + 6;
        widest = std::max(widest, w);
    }
    col.SetWidth(widest);
    if (Index < ColCount())
        SetColWidths(Index, widest);
}

void TVynMultiColGrid::FitAutoSizeColumns()
{
    if (!OnPopupForm())
        return;
    for (int i = 0; i < fColumns_->Count(); ++i)
        if (fColumns_->Items(i)->AutoSize())
            FitColumnToText(i);
}

void TVynMultiColGrid::FitWrappedRows()
{
    TVynMultiColumnDropDown* dd = VynDropDown();
    if (!dd || !OnPopupForm())
        return;
    std::vector<int> wrapped;
    for (int i = 0; i < std::min(ColCount(), fColumns_->Count()); ++i)
        if (fColumns_->Items(i)->Wordwrap())
            wrapped.push_back(i);
    if (wrapped.empty())
        return;
    TCanvas& cv = Canvas();
    TImageList* images = Images();
    for (int r = 1; r < RowCount() && r - 1 < dd->Items().Count(); ++r) {
        const TDropDownItem& item = *dd->Items().Items(r - 1);
        int h = 24;
        for (int c : wrapped) {
            const TDropDownColumn& col = *fColumns_->Items(c);
            if (col.ColumnType() == ctImage && item.ImageIndex() >= 0 && images)
                h = std::max(h, images->Height() + 6);
            const String text = item.ColumnText(c);
            if (text.isEmpty())
                continue;
            cv.Font().Assign(col.Font());
            TRect rc = Rect(0, 0, ColWidths(c), 0);
            cv.DrawText(rc, text, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS);
            h = std::max(h, rc.Height() + 6);
        }
        SetRowHeights(r, h);
    }
}

int TVynMultiColGrid::GetTotalWidth() const
{
    int w = 2 * BorderWidth();
    for (int i = 0; i < ColCount(); ++i)
        w += ColWidths(i);
    if (VisibleRowCount() + FixedRows() != RowCount())
        w += GetSystemMetrics(SM_CXVSCROLL);
    return w;
}

TRect TVynMultiColGrid::GetFullCellRect(int ACol, int ARow) const
{
    const TRect r = CellRect(ACol, ARow);
    return Bounds(r.Left, r.Top, ColWidths(ACol), RowHeights(ARow));
}

void TVynMultiColGrid::DoSelect()
{
    if (OnSelect)
        OnSelect(this);
}

void TVynMultiColGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    TVynMultiColumnDropDown* dd = VynDropDown();
    TCanvas& cv = Canvas();
    if (dd && dd->OnDropDownDrawItem) {
        dd->OnDropDownDrawItem(dd, ACol, ARow, cv, ARect);
        return;
    }
    // The cell's place in its row: the corner shape of a selected cell.
    const int place = ColCount() == 1 ? 0 : ACol == 0 ? 1 : ACol == ColCount() - 1 ? 2 : 3;
    TRect r = GetFullCellRect(ACol, ARow);
    const bool header = ARow == 0;
    String text = Cells(ACol, ARow);
    TColor back = Color();
    TAlignment align = taLeftJustify;
    bool wrap = false, ellipsis = false;
    int image = -1;
    const TDropDownColumn* col = ACol < fColumns_->Count() ? fColumns_->Items(ACol) : nullptr;
    if (col) {
        back = col->Color();
        align = col->Alignment();
        wrap = col->Wordwrap();
        ellipsis = col->Ellipsis();
        cv.Font().Assign(col->Font());
        if (!header && dd && ARow - 1 < dd->Items().Count()) {
            const TDropDownItem& item = *dd->Items().Items(ARow - 1);
            if (col->ColumnType() == ctImage)
                image = item.ImageIndex();
            if (ACol < item.Text().Count())
                text = item.Text().Strings(ACol);
        }
    } else {
        cv.Font().Assign(*fHeaderFont_);
    }
    if (dd && dd->OnDropDownGetItemText)
        dd->OnDropDownGetItemText(dd, ACol, ARow, text);

    const bool selected = !header && AState.Contains(gdSelected);
    cv.Brush().SetStyle(bsSolid);
    if (header) {
        text = col ? col->Header() : String();
        image = -1;
        if (fHeaderColor_ == clNone || fHeaderColorTo_ == clNone) {
            cv.Brush().SetColor(fHeaderColor_);
            cv.FillRect(r);
        } else if (dd) {
            dd->DrawDropDownGradient(cv, fHeaderColor_, gdVertical, r, 80, fHeaderColorTo_);
        } else {
            DrawSteppedGradient(cv, fHeaderColor_, fHeaderColorTo_, false, r, 80);
        }
    } else if (selected) {
        if (dd) {
            dd->DrawSelectedBackground(cv, r, place, back);
        } else {
            cv.Brush().SetColor(clActiveCaption);
            cv.FillRect(r);
        }
    } else {
        cv.Brush().SetColor(back);
        cv.FillRect(r);
    }

    // The lines: along the bottom and down the right edge.
    const TGridOptions o = Options();
    bool lines = true;
    int c = 1;
    if (header) {
        cv.Pen().SetColor(fFixedLineColor_);
        cv.Pen().SetWidth(1);
    } else {
        lines = fGridLineWidth_ > 0;
        cv.Pen().SetColor(fLineColor_);
        cv.Pen().SetWidth(std::max(fGridLineWidth_, 1));
        c = (fGridLineWidth_ + 1) / 2;
    }
    cv.Pen().SetStyle(psSolid);
    if (lines && o.Contains(header ? goFixedHorzLine : goHorzLine)) {
        cv.MoveTo(r.Left - c + 1, r.Bottom - c);
        cv.LineTo(r.Right - c + 1, r.Bottom - c);
    }
    if (lines && o.Contains(header ? goFixedVertLine : goVertLine)) {
        cv.MoveTo(r.Right - c, r.Bottom - c);
        cv.LineTo(r.Right - c, r.Top - c);
    }

    r = Rect(r.Left + fGridLineWidth_, r.Top + fGridLineWidth_, r.Right - fGridLineWidth_, r.Bottom - fGridLineWidth_);
    int x = r.Left + 2;
    TImageList* images = Images();
    if (image >= 0 && images) {
        const int y = images->Height() < r.Height() ? r.Top + (r.Height() - images->Height()) / 2 : r.Top;
        images->Draw(cv, r.Left + 2, y, image);
        x = r.Left + images->Width() + 4;
    }
    if (text.isEmpty())
        return;
    unsigned flags = DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER;
    flags |= wrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
    flags |= align == taCenter ? DT_CENTER : align == taRightJustify ? DT_RIGHT : DT_LEFT;
    if (ellipsis)
        flags |= DT_END_ELLIPSIS;
    if (header)
        cv.Font().Assign(*fHeaderFont_);
    else if (selected && dd)
        cv.Font().SetColor(dd->SelectionTextColor());
    cv.Brush().SetStyle(bsClear);
    cv.DrawText(Rect(x, r.Top, r.Right, r.Bottom), text, flags);
}

void TVynMultiColGrid::WMKeyDown(TMessage& Message)
{
    if (Message.CharCode() == VK_TAB)
        return;
    TStringGrid::WMKeyDown(Message);
}

void TVynMultiColGrid::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB; }

void TVynMultiColGrid::KeyDown(Word& Key, TShiftState Shift)
{
    fConfirmSelection_ = true;
    TVynMultiColumnDropDown* dd = VynDropDown();
    if (dd && Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        dd->Perform(WM_KEYDOWN, Key, 0);
        return;
    }
    TWeakRef<TVynMultiColGrid> self(this);
    TStringGrid::KeyDown(Key, Shift);
    if (self && Key == VK_RETURN)
        DoSelect();
}

void TVynMultiColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    fConfirmSelection_ = true;
    fOldRow_ = Row();
    TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TVynMultiColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynMultiColGrid> self(this);
    TStringGrid::MouseUp(Button, Shift, X, Y);
    if (!self)
        return;
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (row >= FixedRows() && row >= 1 && col >= 0)
        DoSelect();
}

bool TVynMultiColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    TWeakRef<TVynMultiColGrid> self(this);
    fMouseWheelSelection_ = true;
    fConfirmSelection_ = false;
    const bool done = TStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (self)
        fMouseWheelSelection_ = false;
    return done;
}

bool TVynMultiColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    TWeakRef<TVynMultiColGrid> self(this);
    fMouseWheelSelection_ = true;
    fConfirmSelection_ = false;
    const bool done = TStringGrid::DoMouseWheelUp(Shift, MousePos);
    if (self)
        fMouseWheelSelection_ = false;
    return done;
}

// ---- the drop-down: creation -------------------------------------------------------------------------

TVynMultiColumnDropDown::TVynMultiColumnDropDown(TComponent* AOwner)
    : TVynCustomDropDown(AOwner),
      fItems_(std::make_unique<TDropDownItems>(this)),
      fColumns_(std::make_unique<TDropDownColumns>(this)),
      fHeaderFont_(std::make_unique<TFont>()),
      fLookupItems_(std::make_unique<TStringList>())
{
    InitDropDown();
    SetDropDownColor(clWhite);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    SetSelectionColorStyle(scOffice2007);
}

TVynMultiColumnDropDown::~TVynMultiColumnDropDown() = default;

void TVynMultiColumnDropDown::CreateDropDownForm()
{
    TVynCustomDropDown::CreateDropDownForm();
    TDropDownForm* form = DropDownForm();
    if (!form)
        return;
    if (!fVynColGrid_) {
        fVynColGrid_ = new TVynMultiColGrid(this);
        fVynColGrid_->SetParent(form);
    }
    fVynColGrid_->SetVynDropDown(this);
    fVynColGrid_->SetBounds(0, 0, fVynColGrid_->Width(), 180);
    fVynColGrid_->SetColor(DropDownColor());
}

void TVynMultiColumnDropDown::Loaded()
{
    TVynCustomDropDown::Loaded();
    UpdateLookupItems();
}

void TVynMultiColumnDropDown::Assign(const TPersistent& Source)
{
    TVynCustomDropDown::Assign(Source);
    const auto* s = dynamic_cast<const TVynMultiColumnDropDown*>(&Source);
    if (!s)
        return;
    fCaseSensitive_ = s->fCaseSensitive_;
    fDropDownAutoWidth_ = s->fDropDownAutoWidth_;
    fDropDownRowHeight_ = s->fDropDownRowHeight_;
    fLineColor_ = s->fLineColor_;
    fFixedLineColor_ = s->fFixedLineColor_;
    fColumnSizing_ = s->fColumnSizing_;
    fColumnSizeWithDropDown_ = s->fColumnSizeWithDropDown_;
    fColumns_->Assign(*s->fColumns_);
    fHeaderColor_ = s->fHeaderColor_;
    fHeaderColorTo_ = s->fHeaderColorTo_;
    fHeaderHeight_ = s->fHeaderHeight_;
    fHeaderFont_->Assign(*s->fHeaderFont_);
    fLookupColumn_ = s->fLookupColumn_;
    fSelectionTextColor_ = s->fSelectionTextColor_;
    fItems_->Assign(*s->fItems_);
    fItemIndex_ = s->fItemIndex_;
}

// ---- items and the lookup texts ----------------------------------------------------------------------

String TVynMultiColumnDropDown::LookupText(int Index) const
{
    if (Index < 0 || Index >= fItems_->Count())
        return String();
    return fItems_->Items(Index)->ColumnText(fLookupColumn_);
}

void TVynMultiColumnDropDown::UpdateLookupItems()
{
    // Without items the old texts go too: they would name items that no
    // longer exist.
    fLookupItems_->Clear();
    fLookupFirst_.clear();
    fLookupFirstFolded_.clear();
    if (fLookupColumn_ < 0)
        return;
    const int n = fItems_->Count();
    fLookupFirst_.reserve(size_t(n));
    fLookupFirstFolded_.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        const String text = LookupText(i);
        fLookupItems_->Add(text);
        const QChar first = text.isEmpty() ? QChar() : text.front();
        fLookupFirst_.push_back(first.unicode());
        fLookupFirstFolded_.push_back(first.toCaseFolded().unicode());
    }
}

int TVynMultiColumnDropDown::FindCompletion(const String& Typed) const
{
    if (Typed.isEmpty())
        return -1;
    const Qt::CaseSensitivity cs = fMatchCase_ ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // A lookup text left from items since deleted is not taken.
    const int n = std::min({fLookupItems_->Count(), fItems_->Count(), int(fLookupFirst_.size())});
    const QChar first = Typed.front();
    if (first.isSurrogate()) {
        for (int i = 0; i < n; ++i)
            if (fLookupItems_->Strings(i).startsWith(Typed, cs))
                return i;
        return -1;
    }
    const std::vector<char16_t>& firsts = fMatchCase_ ? fLookupFirst_ : fLookupFirstFolded_;
    const char16_t key = fMatchCase_ ? first.unicode() : first.toCaseFolded().unicode();
    for (int i = 0; i < n; ++i) {
        const char16_t f = firsts[size_t(i)];
        if ((f == key || QChar::isSurrogate(f)) && fLookupItems_->Strings(i).startsWith(Typed, cs))
            return i;
    }
    return -1;
}

int TVynMultiColumnDropDown::GetItemIndex(const String& Value) const
{
    if (fLookupColumn_ < 0)
        return -1;
    for (int i = 0; i < fItems_->Count(); ++i)
        if (fItems_->Items(i)->ColumnText(fLookupColumn_) == Value)
            return i;
    return -1;
}

void TVynMultiColumnDropDown::SetItemIndex(int Value)
{
    if (Value >= fItems_->Count())
        return;
    fItemIndex_ = std::max(Value, -1);
    SetText(LookupText(fItemIndex_));
}

void TVynMultiColumnDropDown::SelectFirst()
{
    if (fItems_->Count() > 0)
        SetItemIndex(0);
}

void TVynMultiColumnDropDown::SelectLast()
{
    if (fItems_->Count() > 0)
        SetItemIndex(fItems_->Count() - 1);
}

void TVynMultiColumnDropDown::SelectNext()
{
    if (fItems_->Count() == 0)
        return;
    if (fItemIndex_ < 0)
        SetItemIndex(0);
    else if (fItemIndex_ < fItems_->Count() - 1)
        SetItemIndex(fItemIndex_ + 1);
}

void TVynMultiColumnDropDown::SelectPrevious()
{
    if (fItems_->Count() == 0)
        return;
    if (fItemIndex_ < 0)
        SetItemIndex(0);
    else if (fItemIndex_ > 0)
        SetItemIndex(fItemIndex_ - 1);
}

void TVynMultiColumnDropDown::SelectNextPage()
{
    if (fItems_->Count() == 0)
        return;
    SetItemIndex(fItemIndex_ < 0 ? 0 : std::min(fItemIndex_ + 10, fItems_->Count() - 1));
}

void TVynMultiColumnDropDown::SelectPreviousPage()
{
    if (fItems_->Count() == 0)
        return;
    SetItemIndex(std::max(fItemIndex_ - 10, 0));
}

// ---- the popup ---------------------------------------------------------------------------------------

void TVynMultiColumnDropDown::DoBeforeDropDown()
{
    TWeakRef<TVynMultiColumnDropDown> self(this);
    TVynCustomDropDown::DoBeforeDropDown();
    if (!self || !DropDownForm() || !fVynColGrid_)
        return;
    DropDownForm()->SetCancelOnDeActivate(false);
    fShowing_ = true;
    TVynMultiColGrid& g = *fVynColGrid_;
    g.LoadFromDropDown(this);
    TGridOptions o = g.Options();
    o.Include(goThumbTracking);
    g.SetOptions(o);
    g.SetColor(DropDownColor());
    g.OnSelectCell = [this](TObject*, int, int ARow, bool& CanSelect) { GridSelectCell(ARow, CanSelect); };
    g.OnSelect = [this](TObject*) { GridSelect(); };
    // A choice confirmed at an earlier opening does not count for this one.
    g.SetConfirmSelection(false);
    if (g.RowCount() > 1)
        g.SetRow(fItemIndex_ >= 0 && fItemIndex_ + 1 < g.RowCount() ? fItemIndex_ + 1 : 1);
    fOldItemIndex_ = fItemIndex_;
    fTextAtOpen_ = Text();
}

void TVynMultiColumnDropDown::AdjustDropDownHeight(int& Height)
{
    if (fDropDownRowHeight_ <= 0)
        return;
    int bars = 0;
    if (DropDownHeader().Visible())
        bars += DropDownHeader().Height();
    if (DropDownFooter().Visible())
        bars += DropDownFooter().Height();
    const int rows = Height - bars - fHeaderHeight_ - 2;
    Height = bars + fHeaderHeight_ + (rows / fDropDownRowHeight_) * fDropDownRowHeight_ + 2;
}

void TVynMultiColumnDropDown::DoShowDropDown()
{
    TWeakRef<TVynMultiColumnDropDown> self(this);
    TVynCustomDropDown::DoShowDropDown();
    if (!self)
        return;
    if (DroppedDown() && fVynColGrid_) {
        TVynMultiColGrid& g = *fVynColGrid_;
        FitColumnsToDropDown();
        if (g.RowCount() > 1) {
            g.SetRow(fItemIndex_ >= 0 && fItemIndex_ + 1 < g.RowCount() ? fItemIndex_ + 1 : 1);
            // A row out of view shows at the bottom.
            const TRect r = g.GetFullCellRect(0, g.Row());
            if (r.Left <= 0 && r.Top <= 0)
                g.SetTopRow(g.Row() - g.VisibleRowCount() + 1);
        }
    }
    // Also when the opening was refused: row changes count again.
    fShowing_ = false;
    if (DroppedDown() && fVynColGrid_ && fVynColGrid_->CanFocus())
        fVynColGrid_->SetFocus();
}

void TVynMultiColumnDropDown::PlaceDropDownControl()
{
    if (fVynColGrid_)
        SetControl(fVynColGrid_);
    TVynCustomDropDown::PlaceDropDownControl();
}

void TVynMultiColumnDropDown::UpdateDropDownSize()
{
    TVynCustomDropDown::UpdateDropDownSize();
    TDropDownForm* form = DropDownForm();
    if (!fDropDownAutoWidth_ || !form || !fVynColGrid_)
        return;
    fVynColGrid_->SetAlign(alNone);
    fVynColGrid_->SetWidth(fVynColGrid_->GetTotalWidth());
    form->SetWidth(fVynColGrid_->Width() + 2 * DropDownBorderWidth());
    fVynColGrid_->SetAlign(alClient);
}

void TVynMultiColumnDropDown::FitColumnsToDropDown()
{
    TDropDownForm* form = DropDownForm();
    if (!fColumnSizeWithDropDown_ || !fVynColGrid_ || !form || fColumns_->Count() == 0)
        return;
    TVynMultiColGrid& g = *fVynColGrid_;
    g.SetScrollBars(ssVertical);
    int total = 1;
    for (int i = 0; i < g.Columns().Count(); ++i)
        total += g.Columns().Items(i)->Width();
    int width = form->Width();
    if (g.VisibleRowCount() + g.FixedRows() < g.RowCount())
        width -= GetSystemMetrics(SM_CXVSCROLL);
    const double f = double(width) / total;
    // Each width rounded half to even; the rounding left over is carried
    // on and gives a column a pixel more whenever it passes one.
    double carry = 0;
    for (int i = 0; i < std::min(g.ColCount(), g.Columns().Count()); ++i) {
        const double exact = f * g.Columns().Items(i)->Width();
        int w = int(Round(exact));
        carry += exact - w;
        if (carry > 1) {
            carry -= 1;
            ++w;
        }
        g.SetColWidths(i, w);
    }
}

void TVynMultiColumnDropDown::DoDropDownSizing()
{
    TVynCustomDropDown::DoDropDownSizing();
    FitColumnsToDropDown();
}

void TVynMultiColumnDropDown::DoHideDropDown(bool Cancel)
{
    TDropDownForm* form = DropDownForm();
    if (!form || !form->Visible()) {
        TVynCustomDropDown::DoHideDropDown(Cancel);
        return;
    }
    TWeakRef<TVynMultiColumnDropDown> self(this);
    TVynCustomDropDown::DoHideDropDown(Cancel);
    if (!self)
        return;
    if (Cancel) {
        // The index and the text of the moment the popup opened (a typed
        // text that names no item included).
        SetItemIndex(fOldItemIndex_);
        if (self && Text() != fTextAtOpen_)
            SetText(fTextAtOpen_);
        return;
    }
    if (fVynColGrid_ && fVynColGrid_->ConfirmSelection())
        SetItemIndex(fVynColGrid_->Row() - 1);
    fOldItemIndex_ = fItemIndex_;
}

void TVynMultiColumnDropDown::GridSelectCell(int ARow, bool& CanSelect)
{
    (void)CanSelect;
    if (!fVynColGrid_ || fVynColGrid_->MouseWheelSelection() || fShowing_)
        return;
    SetItemIndex(ARow - 1);
}

void TVynMultiColumnDropDown::GridSelect()
{
    if (!fVynColGrid_)
        return;
    TWeakRef<TVynMultiColumnDropDown> self(this);
    if (fVynColGrid_->ConfirmSelection())
        SetItemIndex(fVynColGrid_->Row() - 1);
    if (self)
        ClosePopupAfterPick(*this);
    if (self && OnSelect)
        OnSelect(this);
}

// ---- the popup's incremental lookup ------------------------------------------------------------------

int TVynMultiColumnDropDown::FindLookupMatch(const String& Entry) const
{
    if (!fVynColGrid_ || Entry.isEmpty() || fLookupColumn_ < 0)
        return -1;
    const Qt::CaseSensitivity cs = fCaseSensitive_ ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < fItems_->Count(); ++i)
        if (fItems_->Items(i)->ColumnText(fLookupColumn_).startsWith(Entry, cs))
            return i;
    return -1;
}

void TVynMultiColumnDropDown::TakeLookupMatch(int Index, int Caret, bool SelectRest)
{
    TWeakRef<TVynMultiColumnDropDown> self(this);
    fItemIndex_ = Index;
    SetText(LookupText(Index));
    if (!self)
        return;
    const int n = int(TCustomEdit::Text().size());
    const int start = std::min(Caret + int(Prefix().size()), n);
    SetSelStart(start);
    SetSelLength(SelectRest ? n - start : 0);
}

void TVynMultiColumnDropDown::LookupChar(QChar Key)
{
    TWeakRef<TVynMultiColumnDropDown> self(this);
    const ushort code = Key.unicode();
    if (code == 8) {
        // Backspace edits the text and looks nothing up.
        if (SelLength() == 0) {
            fLookupEntry_.chop(1);
            SetText(fLookupEntry_);
        } else {
            const String v = Text();
            const int s = std::clamp(SelStart() - int(Prefix().size()), 0, int(v.size()));
            SetText(v.left(s) + v.mid(s + SelLength()));
        }
        if (!self)
            return;
        SetSelStart(int(TCustomEdit::Text().size()));
        fLookupEntry_.clear();
        return;
    }
    if (code != 9)
        fLookupEntry_ += Key;
    int found = FindLookupMatch(fLookupEntry_);
    if (found >= 0) {
        TakeLookupMatch(found, int(fLookupEntry_.size()), true);
    } else {
        found = FindLookupMatch(String(Key));
        if (found >= 0) {
            fLookupEntry_ = String(Key);
            TakeLookupMatch(found, 1, false);
        }
    }
    if (!self)
        return;
    if (found < 0 || !fVynColGrid_) {
        fLookupEntry_.clear();
        return;
    }
    TVynMultiColGrid& g = *fVynColGrid_;
    const int r = found + g.FixedRows();
    if (r >= g.RowCount())
        return;
    if (r < g.TopRow() || r > g.TopRow() + g.VisibleRowCount())
        g.SetTopRow(r);
    g.SetRow(r);
    g.SetCol(0);
}

void TVynMultiColumnDropDown::ControlKeyPress(QChar& Key)
{
    const ushort c = Key.unicode();
    const bool passive = c == 13 || c == 27 || (c >= 33 && c <= 36) || c == 38 || c == 40;
    if ((passive && !altDown()) || (fVynColGrid_ && fVynColGrid_->Options().Contains(goEditing))) {
        fLookupEntry_.clear();
        return;
    }
    LookupChar(Key);
}

void TVynMultiColumnDropDown::ControlKeyDown(Word& Key, TShiftState Shift)
{
    // The grid moves its own row with these.
    if ((Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssAlt))
        return;
    TVynCustomDropDown::ControlKeyDown(Key, Shift);
}

void TVynMultiColumnDropDown::ControlKeyUp(Word& Key, TShiftState Shift)
{
    if ((Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssAlt))
        return;
    TVynCustomDropDown::ControlKeyUp(Key, Shift);
}

void TVynMultiColumnDropDown::HandleMouseWheelDown()
{
    TVynCustomDropDown::HandleMouseWheelDown();
    SelectNext();
}

void TVynMultiColumnDropDown::HandleMouseWheelUp()
{
    TVynCustomDropDown::HandleMouseWheelUp();
    SelectPrevious();
}

// ---- the edit: completion and keys -------------------------------------------------------------------

void TVynMultiColumnDropDown::Change()
{
    // The completion's own text write notifies without completing again
    // (and keeps the completion for the key-up).
    if (EditSyncing() || fCompleting_) {
        TVynCustomDropDown::Change();
        return;
    }
    fItemChange_ = false;
    TWeakRef<TVynMultiColumnDropDown> self(this);
    TVynCustomDropDown::Change();
    if (!self || !fWorkMode_ || designing(this))
        return;
    SetModifiedFlag(Text() != fOldValue_);
    if (!self)
        return;
    const String text = Text();
    const int typedLength = std::clamp(SelStart() - int(Prefix().size()), 0, int(text.size()));
    const String typed = text.left(typedLength);
    const int found = FindCompletion(typed);
    fCompleting_ = true;
    if (found >= 0) {
        fItemIndex_ = found;
        fItemIdx_ = found;
        fItemSel_ = int(typed.size());
        fItemChange_ = true;
        SetText(typed + fLookupItems_->Strings(found).mid(typed.size(), 255));
        if (self) {
            // The tail selected with the anchor at the end and the caret at
            // the end of the typed part.
            const int n = int(TCustomEdit::Text().size());
            const int caret = std::min(typedLength + int(Prefix().size()), n);
            Editor()->setSelection(n, caret - n);
        }
    } else if (!typed.isEmpty()) {
        SetText(typed);
        if (self)
            SetSelStart(int(TCustomEdit::Text().size()));
    }
    if (self)
        fCompleting_ = false;
}

void TVynMultiColumnDropDown::KeyDown(Word& Key, TShiftState Shift)
{
    if (fLookupColumn_ < 0 || fItems_->Count() == 0) {
        TVynCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    TWeakRef<TVynMultiColumnDropDown> self(this);
    switch (Key) {
    case VK_BACK:
    case VK_ESCAPE:
    case VK_DELETE: fWorkMode_ = false; break;
    case VK_RETURN: break;
    default: fWorkMode_ = true; break;
    }
    if (Key == VK_RETURN) {
        if (const int i = fLookupItems_->IndexOf(Text()); i >= 0) {
            SetText(fLookupItems_->Strings(i));
            if (self)
                SetItemIndex(i);
            if (self)
                Change();
        }
        if (!self)
            return;
        if (fReturnIsTab_) {
            if (Widget() && Widget()->isVisible())
                PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
            Key = 0;
            return;
        }
    }
    TVynCustomDropDown::KeyDown(Key, Shift);
    if (self && Key == VK_ESCAPE)
        SetItemIndex(fLookupItems_->IndexOf(Text()));
}

void TVynMultiColumnDropDown::WMChar(TMessage& Message)
{
    // The Enter that moves on like Tab goes no further (the base hands an
    // Enter to OnKeyPress here).
    if (Message.CharCode() == 13 && fReturnIsTab_) {
        Message.Result = 1;
        return;
    }
    TVynCustomDropDown::WMChar(Message);
}

void TVynMultiColumnDropDown::KeyUp(Word& Key, TShiftState Shift)
{
    TWeakRef<TVynMultiColumnDropDown> self(this);
    if (!(Key == VK_RETURN && fReturnIsTab_))
        TVynCustomDropDown::KeyUp(Key, Shift);
    if (self)
        FinishCompletionOnKeyUp(*this, fItemChange_, fItemSel_, [this] { SetItemIndex(fItemIdx_); });
}

void TVynMultiColumnDropDown::WMKeyDown(TMessage& Message)
{
    TWeakRef<TVynMultiColumnDropDown> self(this);
    const Word key = Message.CharCode();
    TVynCustomDropDown::WMKeyDown(Message);
    if (!self || !Enabled() || altDown())
        return;
    switch (key) {
    case VK_PRIOR: SelectPreviousPage(); break;
    case VK_NEXT: SelectNextPage(); break;
    case VK_END:
        if (!EditorEnabled())
            SelectLast();
        break;
    case VK_HOME:
        if (!EditorEnabled())
            SelectFirst();
        break;
    case VK_UP: SelectPrevious(); break;
    case VK_DOWN: SelectNext(); break;
    default: break;
    }
}

// ---- styles ------------------------------------------------------------------------------------------

void TVynMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle)
{
    switch (AStyle) {
    case scOffice2007:
        fLineColor_ = 0xF1EDEB;
        fFixedLineColor_ = 0xD1BBA4;
        break;
    case scWindowsVista:
    case scWindows7:
        fLineColor_ = 0xECECF0;
        fFixedLineColor_ = 0xD4D2D1;
        break;
    default: break;
    }
    TVynCustomDropDown::SetSelectionColorStyle(AStyle);
}

void TVynMultiColumnDropDown::SetComponentStyle(TVynStyle AStyle)
{
    TVynCustomDropDown::SetComponentStyle(AStyle);
    struct TLook {
        TColor Header, HeaderTo;
        TSelectionColorStyle Selection;
        TColor HeaderFont;  // clNone: unchanged
        TColor SelectionText;
        TColor Lines;       // both line colours
        TColor SelectionColor = clNone;  // clNone: the selection style's
    };
    TLook l;
    switch (AStyle) {
    case tsOffice2003Blue: l = {0xD68759, 0x933803, scOffice2007, clWhite, clBlack, 0x962D00}; break;
    case tsOffice2003Silver: l = {0xBDA4A5, 0x957475, scOffice2007, clNone, clBlack, 0x947C7C}; break;
    case tsOffice2003Olive: l = {0x82C0AF, 0x447A63, scOffice2007, clNone, clBlack, 0x588060}; break;
    case tsOffice2003Classic: l = {0x808080, 0x808080, scOffice2007, clNone, clBlack, 0x808080}; break;
    case tsOffice2007Luna: l = {0xFFEFE3, 0xFFD2AF, scOffice2007, 0x723708, clBlack, 0xFFD2AF}; break;
    case tsOffice2007Obsidian: l = {0xF2F1F0, 0xC9C2BD, scOffice2007, 0x433C37, clBlack, 0x5C534C}; break;
    case tsWindowsXP:
        l = {clBtnFace, clBtnFace, scCustom, clBlack, clHighlightText, clNone, clHighlight};
        break;
    case tsWhidbey: l = {0xEBEEEF, 0x7E9898, scOffice2007, clWhite, clBlack, 0x962D00}; break;
    case tsOffice2007Silver: l = {0xF8F7F6, 0xE8E0DB, scOffice2007, 0x8B4215, clBlack, 0x74706F}; break;
    case tsWindowsVista: l = {0xFFFDF9, 0xFFFAF0, scWindowsVista, clBlack, clBlack, 0xFCF2DA}; break;
    case tsWindows7: l = {0xFDFBFA, 0xFDF3EB, scWindows7, clBlack, clBlack, 0xFBD6B8}; break;
    case tsTerminal: l = {clBtnFace, clBtnFace, scCustom, clBlack, clHighlightText, 0x808080, clHighlight}; break;
    case tsOffice2010Blue: l = {0xEDDBCD, clNone, scCustom, 0x5B391E, clBlack, 0xEEDDCF, 0x6CD0FF}; break;
    case tsOffice2010Silver: l = {0xEDE9E5, clNone, scCustom, 0x5B391E, clBlack, 0xEEDDCF, 0x6CD0FF}; break;
    case tsOffice2010Black: l = {0x828282, clNone, scCustom, 0xD7D7D6, clBlack, 0xEEDDCF, 0x6CD0FF}; break;
    default: return;  // tsCustom: nothing more
    }
    fHeaderColor_ = l.Header;
    fHeaderColorTo_ = l.HeaderTo;
    SetSelectionColorStyle(l.Selection);
    if (l.SelectionColor != clNone) {
        SetSelectionColor(l.SelectionColor);
        SetSelectionColorTo(l.SelectionColor);
    }
    if (l.HeaderFont != clNone)
        fHeaderFont_->SetColor(l.HeaderFont);
    fSelectionTextColor_ = l.SelectionText;
    if (AStyle == tsWindowsXP) {
        fFixedLineColor_ = clBlack;
        fLineColor_ = 0xC0C0C0;
    } else {
        fLineColor_ = l.Lines;
        fFixedLineColor_ = l.Lines;
    }
}

}  // namespace VynMultiColumnDropDown
