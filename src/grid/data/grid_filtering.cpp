// TVynStringGrid: filtering rows. A filter run tests every data row once
// (each condition read once per run, each tested text upper-cased once per
// condition), collects the rejected rows and hides them in one pass as a
// new filter level of the hidden rows; removing a level restores exactly
// its rows. Rows hidden by HideRows or by contracted nodes are never a
// filter's to restore.
#include <algorithm>

#include <QHash>
#include <QSet>

#include "grid/core/grid_filter_compiled.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/data/grid_rows_scope.h"
#include "platform/gui/input_state.h"

namespace {

// "Name=condition" entries carry their condition; any other entry is both.
void SplitFilterEntry(const String& Entry, String& Name, String& Condition)
{
    const int eq = int(Entry.indexOf(u'='));
    Name = eq >= 0 ? Entry.left(eq) : Entry;
    Condition = eq >= 0 ? Entry.mid(eq + 1) : Entry;
}

// The condition as the check list's entries name it: quoted with a blank.
String QuotedWithBlank(const String& Text)
{
    return Text.contains(u' ') ? u'"' + Text + u'"' : Text;
}

}  // namespace

// ---- testing a row -------------------------------------------------------------------------------

String TVynStringGrid::FilterText(const TFilterData& F, int ARow)
{
    const int col = F.Column();
    String s;
    switch (F.Data()) {
    case TFilterCells::fcRow: {
        const int n = TotalColCount();
        for (int c = 0; c < n; ++c) {
            if (c > 0)
                s += u'\n';
            s += GetCellEx(c, ARow);
        }
        break;
    }
    case TFilterCells::fcNormal: s = col >= 0 ? GridCells(col, ARow) : String(); break;
    case TFilterCells::fcStripHTML: s = col >= 0 ? StrippedCells(col, ARow) : String(); break;
    case TFilterCells::fcVirtual:
    case TFilterCells::fcCalculated: s = col >= 0 ? GetCellEx(col, ARow) : String(); break;
    }
    s = Trim(s);
    if (s.startsWith(QStringLiteral("|\\")))
        s = DecodeWideCellText(s);
    return s;
}

bool TVynStringGrid::MatchFilter(int ARow)
{
    bool result = true;
    // Without display-text handlers nothing sees a cell being read: a
    // condition that cannot change the result (an AND after a miss, an OR
    // after a match) is not tested.
    const bool quiet = !OnGetDisplText && !OnGetDisplWideText;
    for (int i = 0; i < FFilter->Count(); ++i) {
        const TFilterData& f = *FFilter->Items(i);
        if (quiet && i > 0 &&
            ((f.Operation() == TFilterOperation::foAND && !result) ||
             (f.Operation() == TFilterOperation::foOR && result)))
            continue;
        String text = FilterText(f, ARow);
        bool match = false;
        try {
            if (f.Data() == TFilterCells::fcRow) {
                match = UpperCase(text).contains(UpperCase(f.Condition()));
            } else {
                if (!f.Prefix().isEmpty() && text.startsWith(f.Prefix()))
                    text.remove(0, f.Prefix().size());
                if (!f.Suffix().isEmpty()) {
                    const qsizetype at = text.indexOf(f.Suffix());
                    if (at >= 0 && at + f.Suffix().size() == text.size())
                        text.chop(f.Suffix().size());
                }
                if (f.Condition().isEmpty()) {
                    match = true;
                } else if (f.Method() == TFilterMethod::fmLiteral) {
                    match = text == f.Condition();
                } else if (i < int(FCompiledFilters.size()) && FCompiledFilters[size_t(i)]) {
                    match = FCompiledFilters[size_t(i)]->Match(text);
                } else {
                    match = MatchFilterExpression(f.Condition(), text, f.CaseSensitive());
                }
            }
        } catch (const std::exception&) {
            match = false;  // a failing match counts as no match
        }
        bool stop = false;
        switch (f.Operation()) {
        case TFilterOperation::foSHORT:
            result = match;
            stop = !match;
            break;
        case TFilterOperation::foNONE: result = match; break;
        case TFilterOperation::foAND: result = result && match; break;
        case TFilterOperation::foXOR: result = result != match; break;
        case TFilterOperation::foOR: result = result || match; break;
        }
        if (stop)
            break;
    }
    if (OnCustomFilter)
        OnCustomFilter(this, ARow, result);
    return result;
}

// ---- levels --------------------------------------------------------------------------------------

void TVynStringGrid::ApplyFilter()
{
    FFilterFixedRows = FixedRows();
    // Each expression is read once for the run.
    FCompiledFilters.assign(size_t(FFilter->Count()), nullptr);
    for (int i = 0; i < FFilter->Count(); ++i) {
        const TFilterData& f = *FFilter->Items(i);
        if (f.Data() != TFilterCells::fcRow && f.Method() == TFilterMethod::fmExpression &&
            !f.Condition().isEmpty()) {
            auto c = std::make_shared<TCompiledFilter>();
            c->Compile(f.Condition(), f.CaseSensitive());
            FCompiledFilters[size_t(i)] = std::move(c);
        }
    }
    struct TForget {
        std::vector<std::shared_ptr<TCompiledFilter>>& V;
        ~TForget() { V.clear(); }
    } forget{FCompiledFilters};

    const int first = FixedRows(), last = RowCount() - FFixedFooters - 1;
    const int total = std::max(0, last - first + 1);
    std::vector<int> rejected;
    int tested = 0;
    // Node and summary rows are cells with properties: without any, every
    // row is a normal one.
    const bool normalOnly = FFilterNormalCellsOnly && HasCellProps();
    auto nodeOrSummary = [this](int ARow) {
        const TCellType t = GetCellType(0, ARow);
        return t == TCellType::ctNode || t == TCellType::ctSummary;
    };
    for (int r = first; r <= last; ++r) {
        if (!(normalOnly && nodeOrSummary(r)) && !MatchFilter(r))
            rejected.push_back(r);
        ++tested;
        if (OnFilterProgress && total > 0)
            OnFilterProgress(this, int16_t(tested * 100 / total));
    }
    HideRowLevel(rejected);
    if (OnFilterProgress && total > 0)
        OnFilterProgress(this, int16_t(tested * 100 / total));
}

void TVynStringGrid::SetFilterActive(bool Value)
{
    if (Value != FFilterActive) {
        FFilterActive = Value;
        if (Value) {
            if (FSelHidden || Col() >= ColCount())
                FocusCell(FixedCols(), FixedRows());
            BeginUpdate();
            try {
                ApplyFilter();
            } catch (...) {
                EndUpdate();
                throw;
            }
            EndUpdate();
            FSelHidden = false;
        } else if (FFilterLevel > 0) {
            UnHideRowList();
            --FFilterLevel;
            if (FixedRows() != FFilterFixedRows && FFilterFixedRows < RowCount())
                SetFixedRows(FFilterFixedRows);
            UnHideSelection();
        }
        SetTopRow(FixedRows());
    }
    CalcFooter(-1);
}

void TVynStringGrid::FilterRow(int ARow)
{
    if (ARow >= 0 && ARow < RowCount() && !MatchFilter(ARow))
        HideRow(DisplToRealRow(ARow));
}

bool TVynStringGrid::RemoveLastFilter()
{
    if (FFilterLevel <= 0)
        return false;
    UnHideRowList();
    if (FixedRows() != FFilterFixedRows && FFilterFixedRows < RowCount())
        SetFixedRows(FFilterFixedRows);
    UnHideSelection();
    CalcFooter(-1);
    --FFilterLevel;
    return FFilterLevel >= 2;
}

void TVynStringGrid::RemoveAllFilters()
{
    if (FFilterLevel <= 0) {
        FFilter->Clear();
        return;
    }
    // Every level at once: one pass over the rows.
    RestoreRowsWhere([](const TGridItem& I) { return I.HiddenBy() == THiddenBy::hbFilter; });
    FFilterLevel = 0;
    FFilterActive = false;
    if (FixedRows() != FFilterFixedRows && FFilterFixedRows < RowCount())
        SetFixedRows(FFilterFixedRows);
    UnHideSelection();
    CalcFooter(-1);
}

void TVynStringGrid::NarrowDown(const String& ACondition, int AColumn)
{
    SetFixedRowAlways(true);
    auto newCondition = [&] {
        FFilter->Clear();
        TFilterData* f = FFilter->Add();
        if (AColumn == -1) {
            f->SetData(TFilterCells::fcRow);
            f->SetCondition(ACondition);
        } else {
            f->SetData(TFilterCells::fcNormal);
            f->SetCondition(QuotedWithBlank(u'*' + ACondition + u'*'));
        }
        f->SetCaseSensitive(false);
        f->SetColumn(AColumn);
        ApplyFilter();
    };
    auto oneMore = [](const String& Longer, const String& Shorter) {
        return Longer.size() == Shorter.size() + 1 && Longer.startsWith(Shorter);
    };
    if (oneMore(ACondition, FLastFilter)) {
        newCondition();
    } else if (!ACondition.isEmpty() && oneMore(FLastFilter, ACondition)) {
        RemoveLastFilter();
    } else {
        RemoveAllFilters();
        if (!ACondition.isEmpty())
            newCondition();
    }
    FLastFilter = ACondition;
    CalcFooter(-1);
}

// ---- the header filter drop-down -------------------------------------------------------------

bool TVynStringGrid::DoGetColumnFilter(int ACol)
{
    TStringList& list = *FFilterList;
    list.SetSorted(false);
    list.Clear();
    if (FFilterDropDownAuto && (ACol >= FixedCols() || FFilterDropDownColumns == TFilterDropDownColumns::fdAll)) {
        // Distinct trimmed texts (letter case folded, the first one seen
        // kept), gathered with a hash set and sorted once.
        std::vector<String> values;
        // Texts met already as they stand (most repeats are exact: no
        // folded copy is made for them), and folded.
        QSet<String> met, seen;
        auto add = [&](const String& Text) {
            const String t = Trim(Text);
            if (met.contains(t))
                return;
            met.insert(t);
            const qsizetype n = seen.size();
            seen.insert(t.toCaseFolded());
            if (seen.size() != n)
                values.push_back(t);
        };
        for (int r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r)
            add(GetCellEx(ACol, r));
        if (!FFilterIncremental)
            for (const auto& item : FGridItems)
                if (ACol >= 0 && ACol < item->Items()->Count())
                    add(item->Items()->Strings(ACol));
        std::sort(values.begin(), values.end(),
                  [](const String& A, const String& B) { return AnsiCompareText(A, B) < 0; });
        if (!FFilterDropDownClear.isEmpty())
            list.Add(FFilterDropDownClear);
        for (const String& t : values)
            list.Add(t.contains(u' ') ? t + u'=' + u'"' + t + u'"' : t);
    }
    if (OnGetColumnFilter)
        OnGetColumnFilter(this, ACol, &list);
    return list.Count() > 0;
}

bool TVynStringGrid::IsFilterRow(int ARow) { return ARow == FFilterDropDownRow && ARow < FixedRows(); }

bool TVynStringGrid::HasColumnFilter(int ACol)
{
    // Painting asks for every header cell: an automatic list always has
    // entries to show and is not gathered here.
    if (FFilterDropDownAuto && (ACol >= FixedCols() || FFilterDropDownColumns == TFilterDropDownColumns::fdAll))
        return true;
    return DoGetColumnFilter(ACol);
}

void TVynStringGrid::SetFilterDropDownRow(int Value)
{
    if (Value < 0 || Value >= FixedRows())
        return;
    FFilterDropDownRow = Value;
    Invalidate();
}

TPopupForm* TVynStringGrid::FilterPopup() const { return FFilterPopup; }

bool TVynStringGrid::ShowFilterDropDown(int ACol)
{
    HideFilterDropDown();
    if (!BuildFilterList(ACol))
        return false;
    FFilterColumn = ACol;
    TListBox* list = FFilterDropDownCheck ? static_cast<TListBox*>(FDropCheckList) : FDropList;
    list->SetColor(FFilterDropDown->Color());
    list->Font().Assign(*FFilterDropDown->Font());
    list->Clear();
    if (FFilterDropDownCheck)
        FDropCheckList->ClearChecks();
    TCanvas measure;
    measure.Font().Assign(*FFilterDropDown->Font());
    int widest = 0;
    for (int i = 0; i < FFilterList->Count(); ++i) {
        String name, condition;
        SplitFilterEntry(FFilterList->Strings(i), name, condition);
        list->Items().Add(name);
        if (FFilterDropDownCheck)
            for (int k = 0; k < FFilter->Count(); ++k)
                if (FFilter->Items(k)->Column() == ACol && FFilter->Items(k)->Condition() == QuotedWithBlank(name))
                    FDropCheckList->SetChecked(i, true);
        widest = std::max(widest, measure.TextWidth(name) + 8 + (FFilterDropDownCheck ? FDropCheckList->CheckWidth() : 0));
    }
    if (!FFilterDropDownCheck && list->Items().Count() > 0)
        list->SetItemIndex(0);

    const int dc = RealToDisplCol(ACol);
    const TRect cell = CellRect(dc, FFilterDropDownRow);
    int w = FFilterDropDown->Width(), h = FFilterDropDown->Height();
    if (FFilterDropDown->AutoSize()) {
        h = list->Items().Count() * list->ItemHeight() + 2 * GetSystemMetrics(SM_CYEDGE);
        w = widest + 2 * GetSystemMetrics(SM_CXEDGE);
    }
    int left = cell.Right - 16;
    const int top = cell.Top + 16;
    if (FFilterDropDown->ColumnWidth()) {
        left = cell.Left;
        w = cell.Right - cell.Left;
    }
    if (left + w > ClientWidth())
        left = std::max(0, cell.Right - w);

    if (!FFilterPopup) {
        FFilterPopup = new TFilterPopup(this);
        FFilterPopup->OnClosed = [this](TObject*) { FFilterColumn = -1; };
    }
    for (TListBox* l : {static_cast<TListBox*>(FDropList), static_cast<TListBox*>(FDropCheckList)}) {
        l->SetVisible(false);
        l->SetParent(FFilterPopup);
    }
    FFilterPopup->SetBounds(0, 0, w, h);
    list->SetBounds(0, 0, w, h);
    list->SetVisible(true);
    const TPoint p = ClientToScreen(TPoint(left, top));
    FFilterPopup->ShowAt(TRect(p.X, p.Y, p.X + w, p.Y + h));
    if (list->CanFocus())
        list->SetFocus();
    return true;
}

void TVynStringGrid::HideFilterDropDown()
{
    if (FFilterPopup && FFilterPopup->Visible())
        FFilterPopup->SetVisible(false);
    FFilterColumn = -1;
}

void TVynStringGrid::FilterListSelect(TObject*, int ItemIndex)
{
    const int col = FFilterColumn;
    if (FFilterPopup && FFilterPopup->Visible())
        FFilterPopup->SetVisible(false);
    FFilterColumn = col;
    if (CanFocus())
        SetFocus();
    DoFilterSelect(ItemIndex);
    FFilterColumn = -1;
}

void TVynStringGrid::DoFilterSelect(int ItemIndex)
{
    const int col = FFilterColumn;
    FFilterColumn = -1;
    if (col < 0 || col >= TotalColCount() || ItemIndex < 0)
        return;
    BuildFilterList(col);
    if (ItemIndex >= FFilterList->Count())
        return;
    String name, condition;
    SplitFilterEntry(FFilterList->Strings(ItemIndex), name, condition);
    if (condition == FFilterDropDownClear)
        condition.clear();
    ApplyFilterChoice(col, ItemIndex, name, condition);
}

void TVynStringGrid::ApplyFilterChoice(int ACol, int ItemIndex, const String& FriendlyName, String Condition,
                                       int CaseSensitive)
{
    if (FAutoFilterUpdate)
        SetFilterActive(false);
    if (OnFilterSelect)
        OnFilterSelect(this, ACol, ItemIndex, FriendlyName, Condition);
    if (!Condition.isEmpty()) {
        TFilterData* f = FFilter->ColumnFilter(ACol);
        f->SetCondition(Condition);
        if (CaseSensitive >= 0)
            f->SetCaseSensitive(CaseSensitive != 0);
    } else {
        FFilter->RemoveColumnFilter(ACol);
    }
    if (FAutoFilterUpdate) {
        SetFixedRowAlways(true);
        SetFilterActive(true);
        if (RowCount() - FFixedFooters > FixedRows())
            SetRow(FixedRows());
        DoFilterDone();
    }
}

void TVynStringGrid::FilterListCheck(TObject*, int) { DoFilterCheck(); }

void TVynStringGrid::DoFilterCheck()
{
    const int col = FFilterColumn;
    if (col < 0 || col >= TotalColCount())
        return;
    BuildFilterList(col);
    if (FAutoFilterUpdate)
        SetFilterActive(false);
    FFilter->Clear();
    bool first = true;
    for (int i = 0; i < FFilterList->Count() && i < FDropCheckList->Items().Count(); ++i) {
        if (!FDropCheckList->Checked(i))
            continue;
        String name, condition;
        SplitFilterEntry(FFilterList->Strings(i), name, condition);
        if (OnFilterCheck)
            OnFilterCheck(this, col, i, name, condition, FDropCheckList);
        TFilterData* f = FFilter->Add();
        f->SetColumn(col);
        f->SetCondition(condition);
        f->SetOperation(first ? TFilterOperation::foNONE : TFilterOperation::foOR);
        first = false;
    }
    SetFilterActive(true);
    FDropCheckList->Invalidate();
}
