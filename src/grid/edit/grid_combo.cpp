// TGridCombo: the grid's combo editor (docs/GRID.md, "Special editors").
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>

#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_combo.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/input_state.h"

TGridCombo::TGridCombo(TComponent* AOwner) : TVsgComboBox(AOwner), FProtocol(AOwner, *this) { SetButtonWidth(16); }

bool TGridCombo::ListMode() const { return Style() == csDropDownList || DroppedDown(); }

void TGridCombo::LoadEditorValue(const String& Value)
{
    if (Style() == csDropDownList)
        SelectItem(Value);
    else if (Text() != Value)
        SetText(Value);
}

void TGridCombo::SelectAllValue()
{
    if (Style() == csDropDown)
        SelectAll();
}

void TGridCombo::CaretToEnd()
{
    SetSelStart(int(Text().size()));
    SetSelLength(0);
}

// ---- keys ---------------------------------------------------------------------------------------

void TGridCombo::CMWantSpecialKey(TMessage& Message)
{
    TVsgComboBox::CMWantSpecialKey(Message);
    if (FProtocol.GridAlive() && FProtocol.WantsSpecialKey(Word(Message.CharCode())))
        Message.Result = 1;
}

void TGridCombo::KeyDown(Word& Key, TShiftState Shift)
{
    if (!FProtocol.GridAlive()) {
        TVsgComboBox::KeyDown(Key, Shift);
        return;
    }
    TVynStringGrid* g = FProtocol.Grid();
    TWeakRef<TGridCombo> self(this);
    TWeakRef<TVynStringGrid> grid(g);
    // 1.
    const bool list = ListMode();
    const bool handled = list ? (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_LEFT ||
                                 Key == VK_RIGHT)
                              : (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                                 Key == VK_NEXT || Key == VK_END || Key == VK_UP || Key == VK_DOWN);
    // 2.
    FWorkMode = Key != VK_BACK && Key != VK_DELETE;
    FSelKeyDown = SelLength() == 0 ? SelStart() : -1;
    // 3. Up and Down leave the closed combo when it does not take them.
    if ((Key == VK_UP || Key == VK_DOWN) && !DroppedDown() && !g->Navigation()->ComboGetUpDown()) {
        g->HideInplaceEdit();
        if (!grid)
            return;
        FProtocol.FocusGrid();
        if (grid)
            FProtocol.GridKeyDown(Key, Shift);
        Key = 0;
        return;
    }
    // 4 and 5. Alt+Down opens the list; keys not handled go to the platform.
    if ((Key == VK_DOWN && Shift.Contains(ssAlt)) || !handled) {
        TVsgComboBox::KeyDown(Key, Shift);
        return;
    }
    // 6.
    if (Key == VK_ESCAPE) {
        FProtocol.Cancel();
        if (!grid)
            return;
        g->DoneInplaceEdit(Key, Shift);
        Key = 0;
        return;
    }
    // 7.
    if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        if (!FProtocol.CommitAndValidate(Key, false) || !self || !grid)
            return;
    }
    // 8.
    if (Key == VK_TAB && FProtocol.GridTakesTab()) {
        if (FProtocol.TabStep(Key, Shift) || !self || !grid)
            return;
    }
    // 9.
    if (list) {
        FProtocol.HideWithoutDirectClose();
        if (!grid)
            return;
        if (Key == VK_LEFT || Key == VK_RIGHT)
            FProtocol.GridKeyDown(Key, Shift);
        if (!grid)
            return;
        if (Key == VK_PRIOR || Key == VK_NEXT || (Key >= VK_LEFT && Key <= VK_DOWN))
            Key = 0;
    } else if (Key == VK_END) {
        TVsgComboBox::KeyDown(Key, Shift);
        return;
    }
    // 10.
    FProtocol.LeaveStep(Key, Shift);
}

void TGridCombo::KeyPress(QChar& Key)
{
    // The start character of the edit: the grid's OnKeyPress has had it.
    if (!FReplayChar.isNull() && Key == FReplayChar) {
        FReplayChar = QChar();
        TVsgComboBox::KeyPress(Key);
        return;
    }
    TWeakRef<TGridCombo> self(this);
    const int before = ItemIndex();
    const int reports = FSelReports;
    FProtocol.FireKeyPress(Key);
    if (!self)
        return;
    if (Key.unicode() == 27)
        Key = QChar();
    if (Key.unicode() == 13 && OnReturnKey) {
        OnReturnKey(this);
        if (!self)
            return;
    }
    if (Key.unicode() == 13 || Key.unicode() == 9)
        Key = QChar();
    TVsgComboBox::KeyPress(Key);
    // A change of the chosen item is reported once.
    if (self && ItemIndex() != before && FSelReports == reports)
        ReportSelection(false);
}

void TGridCombo::KeyUp(Word& Key, TShiftState Shift)
{
    TWeakRef<TGridCombo> self(this);
    if (FProtocol.GridAlive() && Style() == csDropDown && !Shift.Contains(ssShift) && SelLength() == 0) {
        const bool atStart = SelStart() == 0 && FSelKeyDown == 0;
        const bool atEnd = FSelKeyDown == int(Text().size());
        if (FProtocol.CursorWalk(Key, Shift, atStart, atEnd))
            return;
    }
    if (FProtocol.GridAlive())
        FProtocol.SetNoAutoAdvance(false);
    if (Key != VK_RETURN)
        TVsgComboBox::KeyUp(Key, Shift);
    if (self)
        DoChange();
}

void TGridCombo::DoChange()
{
    if (!FWorkMode || !FProtocol.GridAlive() || Style() != csDropDown || SelLength() != 0)
        return;
    TVynStringGrid* g = FProtocol.Grid();
    if (!g->Lookup())
        return;
    const String typed = Text().left(SelStart());
    if (typed.isEmpty())
        return;
    const Qt::CaseSensitivity cs = g->LookupCaseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    auto complete = [&](const String& Item) {
        // The typed part as typed, the rest from the item.
        SetText(typed + Item.mid(typed.size(), 255));
        SetSelStart(int(typed.size()));
        SetSelLength(int(Text().size() - typed.size()));
    };
    // The chosen item follows the text (the list's search ignores letter case).
    for (int i = 0; i < Items().Count(); ++i)
        if (Items()[i].startsWith(typed, cs)) {
            complete(Items()[i]);
            return;
        }
    const TStringList& more = *g->LookupItems();
    for (int i = 0; i < more.Count(); ++i)
        if (more[i].startsWith(typed, cs)) {
            complete(more[i]);
            return;
        }
}

// ---- changes, wheel, focus ----------------------------------------------------------------------

void TGridCombo::ChangeNotification()
{
    TVsgComboBox::Change();
    FProtocol.Changed(Text());
}

void TGridCombo::Change()
{
    TWeakRef<TGridCombo> self(this);
    ChangeNotification();
    if (self && !FInSelect && FProtocol.GridAlive())
        FProtocol.Grid()->ComboChanged(true);
}

void TGridCombo::Select()
{
    TWeakRef<TGridCombo> self(this);
    struct Flag {
        TWeakRef<TGridCombo> c;
        ~Flag()
        {
            if (TGridCombo* p = c.Get())
                p->FInSelect = false;
        }
    } flag{self};
    FInSelect = true;
    TVsgComboBox::Select();
    if (!self)
        return;
    FInSelect = false;
    ReportSelection(false);
}

void TGridCombo::ReportSelection(bool WithEditChange)
{
    ++FSelReports;
    if (!FProtocol.GridAlive())
        return;
    TVynStringGrid* g = FProtocol.Grid();
    if (WithEditChange && g->OnEditChange) {
        const int i = ItemIndex();
        g->OnEditChange(g, FProtocol.RealCol(), FProtocol.Row(), i >= 0 ? Items()[i] : String());
    }
    g->ComboChanged(false);
}

void TGridCombo::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_MOUSEWHEEL && FProtocol.GridAlive()) {
        // Toward the user the next item, away the previous one.
        const int i = ItemIndex();
        const int to = Message.WheelDelta() < 0 ? (i + 1 < Items().Count() ? i + 1 : i) : (i > 0 ? i - 1 : i);
        if (to != i) {
            SetItemIndex(to);
            ReportSelection(true);
        }
        Message.Result = 0;
        return;
    }
    TVsgComboBox::WndProc(Message);
}

void TGridCombo::WMSetFocus(TMessage& Message)
{
    TWeakRef<TGridCombo> self(this);
    TVsgComboBox::WMSetFocus(Message);
    if (!self || !FProtocol.GridAlive())
        return;
    TVynStringGrid* g = FProtocol.Grid();
    if (Style() == csDropDown) {
        if (g->Navigation()->EditSelectAll())
            SelectAll();
        else
            CaretToEnd();
    }
    if (FProtocol.OpenedByClick() && Style() == csDropDown) {
        const TPoint p = ScreenToClient(GetCursorPos());
        if (p.X >= 0 && p.X <= Width() && p.Y >= 0 && p.Y <= Height())
            if (auto* q = static_cast<QComboBox*>(Widget()); q && q->lineEdit()) {
                QLineEdit* e = q->lineEdit();
                const int at = e->cursorPositionAt(e->mapFrom(q, QPoint(p.X, p.Y)));
                if (at >= 0) {
                    SetSelStart(at);
                    SetSelLength(0);
                    FProtocol.ClearOpenedByClick();
                }
            }
    }
}

void TGridCombo::DoExit()
{
    TWeakRef<TGridCombo> self(this);
    if (FProtocol.GridAlive()) {
        TVynStringGrid* g = FProtocol.Grid();
        if (g->LookupHistory() && !Text().isEmpty() && Items().IndexOf(Text()) < 0)
            Items().Add(Text());
        FProtocol.Exit();
    }
    if (self)
        TVsgComboBox::DoExit();
}

void TGridCombo::ListDropped()
{
    TVsgComboBox::ListDropped();
    if (FProtocol.GridAlive())
        FProtocol.Grid()->ComboDroppedDown();
}

void TGridCombo::ListClosed()
{
    TWeakRef<TGridCombo> self(this);
    TVsgComboBox::ListClosed();
    if (self && FProtocol.GridAlive())
        FProtocol.Grid()->ComboClosedUp();
}

void TGridCombo::SizeDropDownWidth()
{
    if (!FProtocol.GridAlive())
        return;
    int w = Width();
    const bool scrolling = Items().Count() > DropDownCount();
    const QFontMetrics fm(FProtocol.Grid()->Font().ToQFont());
    for (int i = 0; i < Items().Count(); ++i) {
        const int t = fm.horizontalAdvance(Items()[i]);
        if (scrolling) {
            if (t > w - 25)
                w = t + 25;
        } else if (t > w - 5) {
            w = t + 8;
        }
    }
    SetDroppedWidth(w);
}
