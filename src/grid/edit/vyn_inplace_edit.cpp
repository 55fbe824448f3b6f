// TVynInplaceEdit: the grid's text editor (docs/GRID.md, "Editing cells").
#include <QFontMetrics>

#include <algorithm>

#include "grid/core/column_size.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_edit_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/input_state.h"
#include "platform/gui/qt_widgets.h"

namespace {

// The caret moved one line up (Dir -1) or down (+1) in a text whose lines
// end in CR LF (or LF), keeping its column where the line is long enough.
int CaretOneLine(const String& Text, int Pos, int Dir)
{
    auto lineStart = [&](int P) {
        while (P > 0 && Text[P - 1] != u'\n')
            --P;
        return P;
    };
    auto lineEnd = [&](int P) {
        while (P < int(Text.size()) && Text[P] != u'\r' && Text[P] != u'\n')
            ++P;
        return P;
    };
    const int start = lineStart(Pos);
    const int column = Pos - start;
    int target;
    if (Dir < 0) {
        if (start == 0)
            return Pos;
        target = lineStart(start - 1);
    } else {
        int end = lineEnd(Pos);
        if (end >= int(Text.size()))
            return Pos;
        if (Text[end] == u'\r' && end + 1 < int(Text.size()) && Text[end + 1] == u'\n')
            ++end;
        target = end + 1;
    }
    return std::min(target + column, lineEnd(target));
}

}  // namespace

TVynInplaceEdit::TVynInplaceEdit(TComponent* AOwner) : TInplaceEdit(AOwner) {}

TVynStringGrid* TVynInplaceEdit::VynGrid() const { return dynamic_cast<TVynStringGrid*>(Grid()); }

void TVynInplaceEdit::SetVAlign(bool Value)
{
    FValign = Value;
    SetAlignment(Value ? taRightJustify : taLeftJustify);
}

bool TVynInplaceEdit::IsPassword() const
{
    const TVynStringGrid* g = VynGrid();
    return g && g->EditControl == TEditorType::edPassword;
}

bool TVynInplaceEdit::MultiLine() const
{
    const TVynStringGrid* g = VynGrid();
    return g && !IsPassword() && (g->WordWrap() || g->Multilinecells());
}

bool TVynInplaceEdit::CaretOnFirstLine() const
{
    if (!MultiLine())
        return true;
    const String head = Text().left(SelStart());
    return !head.contains(u'\r') && !head.contains(u'\n');
}

bool TVynInplaceEdit::CaretOnLastLine() const
{
    if (!MultiLine())
        return true;
    const String tail = Text().mid(SelStart());
    return !tail.contains(u'\r') && !tail.contains(u'\n');
}

void TVynInplaceEdit::LoadText(const String& Value)
{
    TVynStringGrid* g = VynGrid();
    const bool was = g ? g->FNoEditChange : false;
    if (g)
        g->FNoEditChange = true;
    struct Restore {
        TWeakRef<TVynStringGrid> g;
        bool was;
        ~Restore()
        {
            if (TVynStringGrid* p = g.Get())
                p->FNoEditChange = was;
        }
    } restore{TWeakRef<TVynStringGrid>(g), was};
    if (Text() != Value)
        SetText(Value);
}

void TVynInplaceEdit::CaretToEnd()
{
    SetSelStart(int(Text().size()));
    SetSelLength(0);
}

// ---- contents and place ------------------------------------------------------------------------

void TVynInplaceEdit::UpdateContents()
{
    TVynStringGrid* g = VynGrid();
    TWeakRef<TVynInplaceEdit> self(this);
    FWordWrap = g && g->WordWrap();
    // The text of the cell (GetEditText also decides VAlign).
    TInplaceEdit::UpdateContents();
    if (!self || !g)
        return;
    // The cell's colour, font and alignment.
    TGridDrawState state;
    TBrush brush;
    brush.SetColor(g->Color());
    TFont font;
    font.Assign(g->Font());
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = g->DefaultAlignment();
    TVAlignment va = g->VAlignment();
    bool ww = g->WordWrap();
    TCellGradientDirection gd{};
    g->GetVisualProperties(g->Col(), g->Row(), state, false, false, true, brush, colorTo, mirror, mirrorTo, font, ha,
                           va, ww, gd);
    if (!self)
        return;
    SetColor(brush.Color());
    Font().Assign(font);
    SetAlignment(FValign ? taRightJustify : ha);
    FValign = FValign || ha == taRightJustify;
    SetPasswordChar(IsPassword() ? (g->PasswordChar().isNull() ? QChar(u'*') : g->PasswordChar()) : QChar());
    FLengthLimit = g->GetEditLimit();
    FColE = g->Col();
    FRowE = g->Row();
    g->DoGetEditorProp(g->RealCol(), g->Row(), nullptr);
    if (self)
        g->FNoEditChange = false;
}

void TVynInplaceEdit::BoundsChanged()
{
    TVynStringGrid* g = VynGrid();
    if (!g || Width() <= 0 || Height() <= 0)
        return;
    // A merged cell is covered whole.
    const TRect r = g->CellRect(g->Col(), g->Row());
    if (r.Width() <= 1 || r.Height() <= 1)
        return;
    SetBounds(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
    Editor()->setTextMargins(1, 0, 2, 0);
}

// ---- messages and keys --------------------------------------------------------------------------

void TVynInplaceEdit::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SYSKEYDOWN:
        if (Message.CharCode() == VK_BACK)
            FAltBack = true;
        break;
    case WM_SYSKEYUP:
        if (Message.CharCode() == VK_BACK)
            FAltBack = false;
        break;
    case WM_CHAR: {
        // The input filter of the editor kind (grid_edit_input.cpp).
        TWeakRef<TVynInplaceEdit> self(this);
        QChar key(char16_t(Message.CharCode()));
        bool lineBreak = false;
        if (!FilterChar(key, (Message.KeyData() & KEYDATA_SCANBIT6) != 0, lineBreak)) {
            Message.Result = 0;
            return;
        }
        Message.SetCharCode(key.unicode());
        const int caret = SelStart();
        TInplaceEdit::WndProc(Message);
        if (!self || lineBreak || key.unicode() < 32)
            return;
        TVynStringGrid* g = VynGrid();
        if (g && g->EditControl == TEditorType::edMixedCase && Text() != ToMixedCase(Text())) {
            SetText(ToMixedCase(Text()));
            if (!self)
                return;
            SetSelStart(caret + 1);
            SetSelLength(0);
        }
        AutoAdvance();
        return;
    }
    case WM_KEYDOWN: {
        TWeakRef<TVynInplaceEdit> self(this);
        const bool done = KeyDownMessage(Message.CharCode());
        if (!self)
            return;
        if (done) {
            Message.Result = 0;
            return;
        }
        break;
    }
    default: break;
    }
    TInplaceEdit::WndProc(Message);
}

bool TVynInplaceEdit::ValidateForKey(const String& T, const String& OldText)
{
    TVynStringGrid* g = VynGrid();
    TWeakRef<TVynInplaceEdit> self(this);
    if (g->ValidateCell(T)) {
        if (self)
            LoadText(g->FNewCellText);
        return true;
    }
    if (self)
        Reject(OldText);
    return false;
}

void TVynInplaceEdit::Reject(const String& OldText)
{
    TVynStringGrid* g = VynGrid();
    // The editor shows what the cell holds again: its old text, or the
    // text the validation handler gave.
    LoadText(g->CurrentCell());
    if (g->Navigation()->EditSelectAll())
        SelectAll();
    else
        CaretToEnd();
    Invalidate();
    g->FOldCellText = OldText;
}

bool TVynInplaceEdit::KeyDownMessage(Word Key)
{
    TVynStringGrid* g = VynGrid();
    if (!g)
        return false;
    TWeakRef<TVynInplaceEdit> self(this);
    TNavigation* nav = g->Navigation();
    // 1.
    FOldSelStart = SelStart();
    FMoveKey = false;
    FRefusedKey = 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    // 2. Esc: the text the cell had when its edit began.
    if (Key == VK_ESCAPE) {
        LoadText(g->OriginalCellValue());
        g->HideInplaceEdit();
        if (!self)
            return true;
    }
    // 3.
    if (Key == 'A' && ctrl && GetKeyState(VK_RMENU) >= 0) {
        SelectAll();
        return true;
    }
    // 4.
    const bool ctrlEnterAllowed = nav->AllowCtrlEnter() && (g->WordWrap() || g->Multilinecells());
    if (Key == VK_RETURN && ctrl && !ctrlEnterAllowed)
        return true;
    // 5.
    const String t = Text();
    const String old = g->FOldCellText;
    if (Key == VK_TAB && g->ValidatesOnTab()) {
        if (!ValidateForKey(t, old)) {
            FRefusedKey = Key;
            return true;
        }
        if (!self)
            return true;
        g->HideInplaceEdit();
        if (g->Options().Contains(goTabs)) {
            Word tab = VK_TAB;
            g->KeyDown(tab, shift ? TShiftState{ssShift} : TShiftState{});
        } else {
            PostMessage(g, WM_KEYDOWN, VK_TAB, 0);
        }
        return true;
    }
    if (nav->CursorWalkEditor() && shift &&
        ((Key == VK_LEFT && SelStart() == 0) || (Key == VK_RIGHT && SelStart() + SelLength() >= int(t.size())))) {
        g->FValidating = true;
        g->SetCurrentCell(t);
        g->FValidating = false;
        if (ValidateForKey(t, old) && self) {
            g->HideInplaceEdit();
            if (g->CanFocus())
                g->SetFocus();
        }
        return true;
    }
    if ((Key == VK_UP && CaretOnFirstLine()) || (Key == VK_DOWN && CaretOnLastLine())) {
        g->FValidating = true;
        g->SetCurrentCell(t);
        g->FValidating = false;
        if (!ValidateForKey(t, old))
            return true;
        FMoveKey = true;
    } else if (Key == VK_RETURN && !ctrl && !nav->LineFeedOnEnter()) {
        if (!ValidateForKey(t, old)) {
            FRefusedKey = Key;
            return true;
        }
    } else if (Key == VK_HOME && !ctrl && !shift) {
        SetSelStart(0);
        SetSelLength(0);
    } else if (Key == VK_END && !ctrl && !shift) {
        CaretToEnd();
    }
    if (!self)
        return true;
    // A line break: Ctrl+Enter where allowed, or Enter with LineFeedOnEnter.
    if (Key == VK_RETURN && MultiLine() && ((ctrl && ctrlEnterAllowed) || (!ctrl && nav->LineFeedOnEnter()))) {
        SetSelText(String("\r\n"));
        return true;
    }
    return false;
}

void TVynInplaceEdit::KeyDown(Word& Key, TShiftState Shift)
{
    TVynStringGrid* g = VynGrid();
    FSelKeyDown = SelStart();
    if (g) {
        switch (Key) {
        case VK_BACK:
        case VK_DELETE: Workmode = false; break;
        case VK_UP:
            // Between lines the key stays in the editor.
            if (!CaretOnFirstLine()) {
                SetSelStart(CaretOneLine(Text(), SelStart(), -1));
                SetSelLength(0);
                return;
            }
            break;
        case VK_DOWN:
            if (!CaretOnLastLine()) {
                SetSelStart(CaretOneLine(Text(), SelStart(), 1));
                SetSelLength(0);
                return;
            }
            break;
        case VK_RETURN:
            if (!g->Navigation()->AllowCtrlEnter() && (g->WordWrap() || g->Multilinecells()))
                g->FEditing = false;
            if ((Shift.Contains(ssCtrl) || Shift.Contains(ssShift)) && g->SizeWhileTyping()->Height() &&
                g->Multilinecells())
                GrowRowForNewLine();
            break;
        default: Workmode = true; break;
        }
    }
    TInplaceEdit::KeyDown(Key, Shift);
}

void TVynInplaceEdit::GrowRowForNewLine()
{
    TVynStringGrid* g = VynGrid();
    const int lines = int(Text().count(u'\n')) + 2;
    const int lineHeight = QFontMetrics(Editor()->font()).lineSpacing();
    const bool synch = g->ColumnSize()->SynchWithGrid();
    g->ColumnSize()->SetSynchWithGrid(false);
    const int h = lines * lineHeight + 4;
    if (h > g->RowHeights(g->Row()))
        g->SetRowHeights(g->Row(), h);
    g->ColumnSize()->SetSynchWithGrid(synch);
    if (g->OnEndRowSize)
        g->OnEndRowSize(g, g->Row());
}

void TVynInplaceEdit::KeyUp(Word& Key, TShiftState Shift)
{
    TVynStringGrid* g = VynGrid();
    if (!g) {
        TInplaceEdit::KeyUp(Key, Shift);
        return;
    }
    TWeakRef<TVynInplaceEdit> self(this);
    TWeakRef<TVynStringGrid> grid(g);
    TNavigation* nav = g->Navigation();
    const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
    const bool left = Key == VK_LEFT && SelLength() == 0 && SelStart() == 0 && FSelKeyDown == 0;
    const bool right = Key == VK_RIGHT && SelLength() == 0 && FOldSelStart == int(Text().size());
    if ((left || right) && plain && nav->CursorWalkEditor()) {
        Key = 0;
        const int span = std::max(0, g->CellSpan(g->RealCol(), g->Row()).X);
        const int next = left ? g->Col() - 1 : g->Col() + span + 1;
        const bool nextInGrid = left ? next >= g->FixedCols() : next < g->ColCount() - g->FixedRightCols();
        if (nextInGrid && g->IsControlCell(g->RealColIndex(next), g->Row())) {
            if (g->ValidateCell(Text()) && grid) {
                g->HideInplaceEdit();
                if (grid)
                    g->SetCol(next);
            }
            return;
        }
        // The value is validated before the cell is left, both ways.
        if (!g->ValidateCell(Text()))
            return;
        if (!grid)
            return;
        g->HideInplaceEdit();
        const TAdvanceDirection dir = nav->AdvanceDirection();
        struct RestoreDir {
            TNavigation* nav;
            TAdvanceDirection dir;
            ~RestoreDir() { nav->SetAdvanceDirection(dir); }
        } restoreDir{nav, dir};
        nav->SetAdvanceDirection(TAdvanceDirection::adLeftRight);
        g->AdvanceEditCell(g->Col(), g->Row(), true, false, right, true, true);
        if (!grid)
            return;
        if (nav->CursorWalkAlwaysEdit()) {
            Key = VK_RETURN;
        } else {
            g->HideInplaceEdit();
            return;
        }
    }
    if (Key == VK_LEFT || Key == VK_RIGHT)
        return;
    TInplaceEdit::KeyUp(Key, Shift);
    if (!self || !grid)
        return;
    DoChange();
    if (!self || !grid)
        return;
    if (g->SizeWhileTyping()->Width()) {
        const int w = QFontMetrics(Editor()->font()).horizontalAdvance(Text()) + 8;
        if (w > g->ColWidths(g->Col()))
            g->SetColWidths(g->Col(), w);
    }
}

void TVynInplaceEdit::KeyPress(QChar& Key)
{
    TVynStringGrid* g = VynGrid();
    if (!g) {
        TInplaceEdit::KeyPress(Key);
        return;
    }
    TWeakRef<TVynInplaceEdit> self(this);
    // The character that started the edit: the grid's OnKeyPress has had it.
    if (!g->FStartEditChar.isNull() && Key == g->FStartEditChar) {
        g->FStartEditChar = QChar();
        TCustomMaskEdit::KeyPress(Key);
        return;
    }
    // The character of a key whose value was refused: the cell is not left.
    if ((Key.unicode() == 13 && FRefusedKey == VK_RETURN) || (Key.unicode() == 9 && FRefusedKey == VK_TAB)) {
        FRefusedKey = 0;
        Key = QChar();
        return;
    }
    // 1.
    if (Key.unicode() == 13 && !g->Navigation()->LineFeedOnEnter() && !g->ValidateCell(Text())) {
        if (self)
            LoadText(g->CurrentCell());
        Key = QChar();
        return;
    }
    // 2.
    TInplaceEdit::KeyPress(Key);
    // 3. A filled mask moves on.
    if (self && g->Navigation()->AdvanceAuto() && IsMasked() && !Text().contains(u' ') &&
        SelStart() >= int(Text().size())) {
        QChar enter(u'\r');
        g->KeyPress(enter);
    }
}

void TVynInplaceEdit::Change()
{
    TWeakRef<TVynInplaceEdit> self(this);
    TInplaceEdit::Change();
    TVynStringGrid* g = self ? VynGrid() : nullptr;
    if (!g || g->FNoEditChange)
        return;
    // Typing after an accepted value makes it a value to validate again.
    if (g->EditMode && !g->FEditing && !g->FValidating && Visible() && Text() != g->FOldCellText)
        g->FEditing = true;
    if (g->OnEditChange)
        g->OnEditChange(g, g->Col(), g->Row(), Text());
}

void TVynInplaceEdit::DblClick()
{
    TWeakRef<TVynInplaceEdit> self(this);
    TInplaceEdit::DblClick();
    if (!self)
        return;
    if (TVynStringGrid* g = VynGrid(); g && g->OnDblClickCell)
        g->OnDblClickCell(g, g->Row(), g->Col());
}

void TVynInplaceEdit::WMGetDlgCode(TMessage& Message)
{
    TInplaceEdit::WMGetDlgCode(Message);
    if (TVynStringGrid* g = VynGrid(); g && g->ValidatesOnTab())
        Message.Result |= DLGC_WANTTAB;
}

// ---- focus ---------------------------------------------------------------------------------------

void TVynInplaceEdit::WMSetFocus(TMessage& Message)
{
    TWeakRef<TVynInplaceEdit> self(this);
    TInplaceEdit::WMSetFocus(Message);
    TVynStringGrid* g = self ? VynGrid() : nullptr;
    if (!g)
        return;
    FGotFocus = true;
    g->FNoEditChange = false;
    FLengthLimit = g->GetEditLimit();
    SetMaxLength(FLengthLimit);
    if (IsMasked() && g->Navigation()->ImproveMaskSel() && !g->LButFlg) {
        SetSelStart(0);
        SetSelLength(1);
        return;
    }
    if (!g->Navigation()->EditSelectAll())
        CaretToEnd();
}

void TVynInplaceEdit::WMKillFocus(TMessage& Message)
{
    TWeakRef<TVynInplaceEdit> self(this);
    TVynStringGrid* g = VynGrid();
    TWeakRef<TVynStringGrid> grid(g);
    if (g) {
        g->FStartEditChar = QChar();
        // The text joins the lookup list.
        if (g->LookupHistory() && !Text().isEmpty() && g->LookupItems()->IndexOf(Text()) < 0)
            g->LookupItems()->Add(Text());
    }
    TInplaceEdit::WMKillFocus(Message);
    if (!self || !grid || FAltBack)
        return;
    // A refused value closes and reopens the editor: not the end of the edit.
    if (g->FValidating)
        return;
    const bool toGrid = g->Widget() && Message.WParam == intptr_t(g->Widget());
    bool pending = false;
    if (!toGrid) {
        // Another control: the value is validated now; the editor closes.
        struct Close {
            TWeakRef<TVynStringGrid> grid;
            ~Close()
            {
                if (TVynStringGrid* p = grid.Get()) {
                    p->HideInplaceEdit();
                    p->FEditing = false;
                    p->EditMode = false;
                }
            }
        };
        {
            Close close{grid};
            g->ValidateCell(Text());
            if (self && grid)
                LoadText(g->CurrentCell());
        }
        if (!self || !grid)
            return;
        g->SelectCell(FColE, FRowE);
    } else {
        // The grid itself (a click on a cell): the move that follows
        // validates the value first.
        pending = g->FEditing;
    }
    if (!self || !grid)
        return;
    LoadText(g->CurrentCell());
    if (FGotFocus) {
        FGotFocus = false;
        const int realCol = g->RealColIndex(FColE);
        if (pending) {
            g->FEditDonePending = true;
            g->FEditDoneCell = TPoint(realCol, FRowE);
        } else {
            g->DoEditingDone(realCol, FRowE);
        }
    }
}
