// The protocol every special cell editor shares with its grid.
#include "grid/edit/grid_editor_wrapper.h"

#include <algorithm>

#include "grid/core/vyn_string_grid.h"
#include "platform/gui/application.h"
#include "platform/gui/input_state.h"

namespace {

TVynStringGrid* RequireGrid(TComponent* Owner)
{
    auto* g = dynamic_cast<TVynStringGrid*>(Owner);
    if (!g)
        throw EInvalidOperation("A grid editor needs a TVynStringGrid as its owner");
    return g;
}

// Sets a Boolean switch for a scope and gives its value back on every path.
template <typename TGet, typename TSet>
struct TSwitchScope {
    TSet set;
    bool was;
    TSwitchScope(TGet get, TSet s, bool Value) : set(s), was(get())
    {
        set(Value);
    }
    ~TSwitchScope() { set(was); }
};

template <typename TGet, typename TSet>
TSwitchScope<TGet, TSet> SwitchFor(TGet get, TSet set, bool Value)
{
    return TSwitchScope<TGet, TSet>(get, set, Value);
}

}  // namespace

TGridEditorProtocol::TGridEditorProtocol(TComponent* Owner, TGridEditorHost& Host)
    : FGrid(RequireGrid(Owner)), FGridRef(FGrid), FHost(Host)
{
}

bool TGridEditorProtocol::GridTakesTab() const { return FGrid->ValidatesOnTab(); }

bool TGridEditorProtocol::WantsSpecialKey(Word Key) const
{
    return Key == VK_RETURN || Key == VK_ESCAPE || (Key == VK_TAB && GridTakesTab());
}

void TGridEditorProtocol::Exit()
{
    // Nothing while the editor is being committed or is closed already.
    if (!GridAlive() || FGrid->FBlockKill || !FGrid->EditMode)
        return;
    TVynStringGrid* g = FGrid;
    TWeakRef<TVynStringGrid> grid(g);
    // The value is validated before the edit ends (a refusal puts the
    // cell's text back, and that is what the editor commits).
    if (g->FEditing && !g->FValidating) {
        const String value = FHost.EditorValue();
        g->SetCurrentCell(value);
        g->ValidateCell(value);
        if (!grid)
            return;
        FHost.LoadEditorValue(g->CurrentCell());
    }
    g->HideInplaceEdit();
}

void TGridEditorProtocol::Changed(const String& Text)
{
    if (GridAlive() && FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text);
}

bool TGridEditorProtocol::CommitAndValidate(Word& Key, bool Tab)
{
    TVynStringGrid* g = FGrid;
    const String value = FHost.EditorValue();
    g->SetCurrentCell(value);
    TWeakRef<TVynStringGrid> grid(g);
    const bool valid = g->ValidateCell(value);
    if (!grid)
        return false;
    if (!valid) {
        FHost.LoadEditorValue(g->FNewCellText);
        if (Tab)
            FHost.CaretToEnd();
        else
            FHost.SelectAllValue();
        FHost.RepaintEditor();
        Key = 0;
        if (!Tab)
            g->FNoAutoAdvance = true;
        return false;
    }
    FHost.LoadEditorValue(g->CurrentCell());
    return true;
}

bool TGridEditorProtocol::TabStep(Word& Key, TShiftState)
{
    TWeakRef<TVynStringGrid> grid(FGrid);
    if (!CommitAndValidate(Key, true))
        return true;
    if (!grid)
        return true;
    if (FGrid->Options().Contains(goTabs)) {
        // The Shift held at this moment.
        const TShiftState shift = GetKeyState(VK_SHIFT) < 0 ? TShiftState{ssShift} : TShiftState{};
        FGrid->HideInplaceEdit();
        if (!grid)
            return true;
        FocusGrid();
        if (!grid)
            return true;
        Word tab = VK_TAB;
        FGrid->KeyDown(tab, shift);
        Key = 0;
        return true;
    }
    PostMessage(FGrid, WM_KEYDOWN, VK_TAB, 0);
    return false;
}

void TGridEditorProtocol::LeaveStep(Word& Key, TShiftState Shift)
{
    TWeakRef<TVynStringGrid> grid(FGrid);
    FGrid->DoneInplaceEdit(Key, Shift);
    if (!grid)
        return;
    TNavigation* nav = FGrid->Navigation();
    if (nav->AdvanceOnEnter() && nav->AdvanceAutoEdit())
        FGrid->ShowInplaceEdit();
    Key = 0;
}

void TGridEditorProtocol::Cancel()
{
    TVynStringGrid* g = FGrid;
    TWeakRef<TVynStringGrid> grid(g);
    FHost.LoadEditorValue(g->OriginalCellValue());
    // Nothing is left to validate: the commit writes the original text.
    g->FEditing = false;
    {
        auto cancel = SwitchFor([g] { return g->FCancelEdit; }, [grid](bool V) {
            if (TVynStringGrid* p = grid.Get())
                p->FCancelEdit = V;
        }, true);
        g->HideInplaceEdit();
    }
    if (grid)
        FocusGrid();
}

bool TGridEditorProtocol::CursorWalk(Word& Key, TShiftState Shift, bool CaretAtStart, bool CaretAtEnd)
{
    TVynStringGrid* g = FGrid;
    TNavigation* nav = g->Navigation();
    const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
    const bool right = Key == VK_RIGHT && CaretAtEnd;
    const bool left = Key == VK_LEFT && CaretAtStart;
    if (!plain || !nav->CursorWalkEditor() || !(left || right))
        return false;
    Key = 0;
    TWeakRef<TVynStringGrid> grid(g);
    const int span = std::max(0, g->CellSpan(g->RealCol(), g->Row()).X);
    const int next = left ? g->Col() - 1 : g->Col() + span + 1;
    const bool inGrid = left ? next >= g->FixedCols() : next < g->ColCount() - g->FixedRightCols();
    // The value is validated before the cell is left; a refusal stays.
    const String value = FHost.EditorValue();
    g->SetCurrentCell(value);
    if (!g->ValidateCell(value) || !grid)
        return true;
    if (inGrid && g->IsControlCell(g->RealColIndex(next), g->Row())) {
        g->HideInplaceEdit();
        if (grid)
            g->SetCol(next);
        return true;
    }
    g->HideInplaceEdit();
    if (!grid)
        return true;
    FocusGrid();
    if (!grid)
        return true;
    {
        const TAdvanceDirection dir = nav->AdvanceDirection();
        struct RestoreDir {
            TNavigation* nav;
            TAdvanceDirection dir;
            ~RestoreDir() { nav->SetAdvanceDirection(dir); }
        } restore{nav, dir};
        nav->SetAdvanceDirection(TAdvanceDirection::adLeftRight);
        g->AdvanceEditCell(g->Col(), g->Row(), true, false, right, true, true);
    }
    if (grid && nav->CursorWalkAlwaysEdit())
        g->ShowInplaceEdit();
    return true;
}

void TGridEditorProtocol::FireKeyPress(QChar& Key)
{
    if (GridAlive() && FGrid->OnKeyPress)
        FGrid->OnKeyPress(FGrid, Key);
}

void TGridEditorProtocol::HideWithoutDirectClose()
{
    TMouseActions* ma = FGrid->MouseActions();
    auto off = SwitchFor([ma] { return ma->DirectComboClose(); },
                         [ma](bool V) { ma->SetDirectComboClose(V); }, false);
    FGrid->HideInplaceEdit();
}

void TGridEditorProtocol::FocusGrid()
{
    TNavigation* nav = FGrid->Navigation();
    auto off = SwitchFor([nav] { return nav->AlwaysEdit(); }, [nav](bool V) { nav->SetAlwaysEdit(V); }, false);
    if (FGrid->CanFocus())
        FGrid->SetFocus();
}

void TGridEditorProtocol::GridKeyDown(Word& Key, TShiftState Shift) { FGrid->KeyDown(Key, Shift); }

void TGridEditorProtocol::SetNoAutoAdvance(bool Value) { FGrid->FNoAutoAdvance = Value; }

String TGridEditorProtocol::CurrentCell() const { return FGrid->CurrentCell(); }

String TGridEditorProtocol::OriginalValue() const { return FGrid->OriginalCellValue(); }

int TGridEditorProtocol::Col() const { return FGrid->Col(); }

int TGridEditorProtocol::Row() const { return FGrid->Row(); }

int TGridEditorProtocol::RealCol() const { return FGrid->RealCol(); }

bool TGridEditorProtocol::OpenedByClick() const { return FGrid->LButFlg; }

void TGridEditorProtocol::ClearOpenedByClick() { FGrid->LButFlg = false; }
