// The grid's simple cell editors (grid_simple_editors.h).
#include "grid/edit/grid_simple_editors.h"

#include "grid/core/grid_format.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_edit_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/clipboard.h"
#include "platform/gui/input_state.h"
#include "platform/gui/menus.h"

namespace {

bool IsDigit(QChar C) { return C >= u'0' && C <= u'9'; }

// The Shift held at this moment.
TShiftState HeldShift() { return GetKeyState(VK_SHIFT) < 0 ? TShiftState{ssShift} : TShiftState{}; }

// The grid moves on by its own Tab after the editor closed.
void TabOnGrid(TGridEditorProtocol& P)
{
    TVynStringGrid* g = P.Grid();
    TWeakRef<TVynStringGrid> grid(g);
    const TShiftState shift = HeldShift();
    g->HideInplaceEdit();
    if (!grid)
        return;
    P.FocusGrid();
    if (!grid)
        return;
    Word tab = VK_TAB;
    P.GridKeyDown(tab, shift);
}

// The editor closed, the grid focused, then (Enter) the next cell by
// Navigation.AdvanceOnEnter.
void CloseAndAdvance(TGridEditorProtocol& P, bool Advance)
{
    TVynStringGrid* g = P.Grid();
    TWeakRef<TVynStringGrid> grid(g);
    g->HideInplaceEdit();
    if (!grid)
        return;
    P.FocusGrid();
    if (grid && Advance && g->Navigation()->AdvanceOnEnter())
        g->AdvanceEditCell(g->Col(), g->Row(), true, false, true, true, false);
}

// The character filter of the numeric and float kinds of the edit-button
// and unit editors (every other kind takes every character). False drops
// Key; Beep: with the message beep.
bool ButtonEditAccepts(const TCustomEdit& E, TEditorType Kind, QChar Key, bool& Beep)
{
    Beep = false;
    const bool numeric = Kind == TEditorType::edNumericEditBtn || Kind == TEditorType::edNumericUnitEditBtn;
    const bool flt = Kind == TEditorType::edFloatEditBtn || Kind == TEditorType::edFloatUnitEditBtn;
    if (!numeric && !flt)
        return true;
    const char16_t k = Key.unicode();
    if (k == 8 || k == 9 || k == 13 || k == 27 || IsDigit(Key))
        return true;
    const String text = E.Text();
    const String sel = E.SelText();
    if (k == u'-') {
        const bool ok = numeric ? !text.contains(u'-') && E.SelStart() == 0
                                : sel.contains(u'-') || (E.SelStart() == 0 && !text.contains(u'-'));
        Beep = !ok;
        return ok;
    }
    if (numeric) {
        Beep = true;
        return false;
    }
    const QChar dec = GetGridDecimalSeparator();
    if (Key == dec) {
        // Silently dropped when a separator stands outside the selection.
        return text.count(dec) <= sel.count(dec);
    }
    if (Key == GetGridThousandSeparator())
        return false;
    if (k == u',' || k == u'.')
        return true;
    return GetKeyState(VK_CONTROL) < 0;
}

// The grid's OnKeyPress, then the filter of the kind open now; Key becomes
// #0 when it is dropped.
void FilterButtonEditChar(TEditorType Kind, const TCustomEdit& E, QChar& Key)
{
    bool beep = false;
    if (!ButtonEditAccepts(E, Kind, Key, beep)) {
        if (beep)
            MessageBeep(0);
        Key = QChar();
    }
}

void CaretToEndOf(TCustomEdit& E)
{
    E.SetSelStart(int(E.Text().size()));
    E.SetSelLength(0);
}

// Enter and Esc always, Tab only with goTabs.
bool ClaimsWithGoTabs(const TGridEditorProtocol& P, Word Key)
{
    return P.GridAlive() &&
           (Key == VK_RETURN || Key == VK_ESCAPE || (Key == VK_TAB && P.Grid()->Options().Contains(goTabs)));
}

}  // namespace

// ---- TGridCheckBox -----------------------------------------------------------------------------

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner), FProtocol(AOwner, *this) {}

void TGridCheckBox::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        Toggle();
        TCheckBox::KeyDown(Key, Shift);
        return;
    }
    const bool leaves = Key == VK_RETURN || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END ||
                        (Key >= VK_LEFT && Key <= VK_DOWN);
    if (!leaves || !FProtocol.GridAlive()) {
        TCheckBox::KeyDown(Key, Shift);
        return;
    }
    TWeakRef<TVynStringGrid> grid(FProtocol.Grid());
    CloseAndAdvance(FProtocol, Key == VK_RETURN);
    if (grid && (Key == VK_UP || Key == VK_DOWN))
        FProtocol.GridKeyDown(Key, Shift);
    Key = 0;
}

void TGridCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TGridCheckBox> self(this);
    if (Button == mbLeft)
        Toggle();
    if (self)
        TCheckBox::MouseDown(Button, Shift, X, Y);
}

void TGridCheckBox::WMGetDlgCode(TMessage& Message)
{
    TCheckBox::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTARROWS;
}

void TGridCheckBox::DoExit()
{
    TWeakRef<TGridCheckBox> self(this);
    if (FProtocol.GridAlive() && FProtocol.Grid()->EditMode)
        FProtocol.Grid()->HideInplaceEdit();
    if (self)
        TCheckBox::DoExit();
}

// ---- TGridSpin ---------------------------------------------------------------------------------

TGridSpin::TGridSpin(TComponent* AOwner) : TVsgSpinEdit(AOwner), FProtocol(AOwner, *this)
{
    SetMaxValue(100);
    SetMinValue(0);
    SetIncrement(1);
}

void TGridSpin::CaretToEnd() { CaretToEndOf(*this); }

void TGridSpin::CMWantSpecialKey(TMessage& Message)
{
    TVsgSpinEdit::CMWantSpecialKey(Message);
    if (ClaimsWithGoTabs(FProtocol, Word(Message.CharCode())))
        Message.Result = 1;
}

void TGridSpin::KeyDown(Word& Key, TShiftState Shift)
{
    const bool handled = Key == VK_END || Key == VK_HOME || Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE;
    if (!handled || !FProtocol.GridAlive()) {
        TVsgSpinEdit::KeyDown(Key, Shift);
        return;
    }
    TVynStringGrid* g = FProtocol.Grid();
    TWeakRef<TVynStringGrid> grid(g);
    TWeakRef<TGridSpin> self(this);
    // 1 and 2. End the minimum, Home the maximum.
    if (Key == VK_END || Key == VK_HOME) {
        const bool home = Key == VK_HOME;
        if (SpinType() == sptNormal)
            SetValue(home ? MaxValue() : MinValue());
        else if (SpinType() == sptFloat)
            SetFloatValue(home ? MaxFloatValue() : MinFloatValue());
        if (g->OnSpinClick)
            g->OnSpinClick(g, g->Col(), g->Row(), Value(), home);
        Key = 0;
        return;
    }
    // 3. Esc: the cell gets back the text it had when the edit began.
    if (Key == VK_ESCAPE) {
        FProtocol.Cancel();
        Key = 0;
        return;
    }
    // 4. The value, in its bounds, validated; a refusal keeps the editor
    // with the cell's text.
    ApplyBounds();
    const bool asShown = Text() == g->FShownValue;
    const String value = g->SimpleEditorValue(Text());
    g->SetCurrentCell(value);
    const bool valid = g->ValidateCell(value);
    if (!grid || !self)
        return;
    // Left as it opened, the editor keeps what it shows.
    if (!valid || !asShown || g->CurrentCell() != value)
        SetText(g->CurrentCell());
    if (!valid) {
        CaretToEnd();
        Invalidate();
        Key = 0;
        g->FNoAutoAdvance = true;
        return;
    }
    // 5.
    if (Key == VK_TAB && g->Options().Contains(goTabs)) {
        TabOnGrid(FProtocol);
        Key = 0;
        return;
    }
    FProtocol.LeaveStep(Key, Shift);
}

void TGridSpin::WMChar(TMessage& Message)
{
    // Tab and Enter never reach the spin's own character handling.
    const Word c = Word(Message.CharCode());
    if (c == 9 || c == 13)
        return;
    TVsgSpinEdit::WMChar(Message);
}

void TGridSpin::KeyPress(QChar& Key)
{
    if (Key.unicode() == 27)
        Key = QChar();
    if (Key.unicode() == 13)
        return;
    TVsgSpinEdit::KeyPress(Key);
}

void TGridSpin::Change()
{
    TWeakRef<TGridSpin> self(this);
    TVsgSpinEdit::Change();
    if (self)
        FProtocol.Changed(Text());
}

void TGridSpin::DoExit()
{
    TWeakRef<TGridSpin> self(this);
    TVsgSpinEdit::DoExit();
    if (self)
        FProtocol.Exit();
}

void TGridSpin::UpClick(TObject* Sender)
{
    TWeakRef<TGridSpin> self(this);
    TVsgSpinEdit::UpClick(Sender);
    if (self)
        ReportClick(true);
}

void TGridSpin::DownClick(TObject* Sender)
{
    TWeakRef<TGridSpin> self(this);
    TVsgSpinEdit::DownClick(Sender);
    if (self)
        ReportClick(false);
}

void TGridSpin::ReportClick(bool Up)
{
    if (!FProtocol.GridAlive())
        return;
    TVynStringGrid* g = FProtocol.Grid();
    const int c = g->Col(), r = g->Row();
    switch (SpinType()) {
    case sptNormal:
        if (g->OnSpinClick)
            g->OnSpinClick(g, c, r, Value(), Up);
        break;
    case sptFloat:
        if (g->OnFloatSpinClick)
            g->OnFloatSpinClick(g, c, r, FloatValue(), Up);
        break;
    case sptDate:
        if (g->OnDateSpinClick)
            g->OnDateSpinClick(g, c, r, DateValue(), Up);
        break;
    case sptTime:
        if (g->OnTimeSpinClick)
            g->OnTimeSpinClick(g, c, r, TimeValue(), Up);
        break;
    }
}

// ---- TGridEditBtn ------------------------------------------------------------------------------

TGridEditBtn::TGridEditBtn(TComponent* AOwner) : TVsgEditBtn(AOwner), FProtocol(AOwner, *this)
{
    OnClickBtn = [this](TObject* Sender) { ButtonClick(Sender); };
}

void TGridEditBtn::CaretToEnd() { CaretToEndOf(*this); }

void TGridEditBtn::CMWantSpecialKey(TMessage& Message)
{
    TVsgEditBtn::CMWantSpecialKey(Message);
    if (FProtocol.GridAlive() && FProtocol.WantsSpecialKey(Word(Message.CharCode())))
        Message.Result = 1;
}

void TGridEditBtn::KeyDown(Word& Key, TShiftState Shift)
{
    if (!FProtocol.GridAlive()) {
        TVsgEditBtn::KeyDown(Key, Shift);
        return;
    }
    TVynStringGrid* g = FProtocol.Grid();
    TWeakRef<TVynStringGrid> grid(g);
    TWeakRef<TGridEditBtn> self(this);
    const bool handled = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                         Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    // 1.
    if (!handled && g->OnKeyDown) {
        g->OnKeyDown(g, Key, Shift);
        if (!self || !grid)
            return;
    }
    FWorkMode = Key != VK_BACK && Key != VK_DELETE;
    FSelKeyDown = SelStart();
    if (Shift.Contains(ssCtrl) || !handled) {
        TVsgEditBtn::KeyDown(Key, Shift);
        return;
    }
    // 2.
    if (OnEditorKeyDown) {
        OnEditorKeyDown(this, Key, Shift);
        if (!self || !grid)
            return;
    }
    // 3. A refusal keeps the editor with the validated text, all selected.
    if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        if (!FProtocol.CommitAndValidate(Key, false) || !self || !grid)
            return;
    }
    // 4.
    if (Key == VK_TAB) {
        if (FProtocol.GridTakesTab()) {
            if (FProtocol.TabStep(Key, Shift) || !self || !grid)
                return;
        } else if (!FProtocol.CommitAndValidate(Key, true) || !self || !grid) {
            return;
        }
    }
    if (Key == VK_ESCAPE) {
        FProtocol.Cancel();
        Key = 0;
        return;
    }
    FProtocol.LeaveStep(Key, Shift);
}

void TGridEditBtn::KeyPress(QChar& Key)
{
    // The start character of the edit: the grid's OnKeyPress has had it.
    if (!FReplayChar.isNull() && Key == FReplayChar)
        FReplayChar = QChar();
    else
        FProtocol.FireKeyPress(Key);
    if (Key.unicode() == 9 || Key.unicode() == 13) {
        Key = QChar();
        return;
    }
    if (!Key.isNull() && FProtocol.GridAlive())
        FilterButtonEditChar(FProtocol.Grid()->EditControl, *this, Key);
    if (!Key.isNull())
        TVsgEditBtn::KeyPress(Key);
}

void TGridEditBtn::KeyUp(Word& Key, TShiftState Shift)
{
    TWeakRef<TGridEditBtn> self(this);
    if (FProtocol.GridAlive()) {
        TVynStringGrid* g = FProtocol.Grid();
        if (g->OnKeyUp) {
            g->OnKeyUp(g, Key, Shift);
            if (!self)
                return;
        }
        if (!Shift.Contains(ssShift) && SelLength() == 0) {
            const bool atStart = FSelKeyDown == 0;
            const bool atEnd = SelStart() == int(Text().size());
            if (FProtocol.CursorWalk(Key, Shift, atStart, atEnd))
                return;
        }
    }
    if (Key != VK_RETURN)
        TVsgEditBtn::KeyUp(Key, Shift);
    if (self)
        LookupCompletion();
}

void TGridEditBtn::LookupCompletion()
{
    if (!FWorkMode || SelLength() != 0 || !FProtocol.GridAlive())
        return;
    TVynStringGrid* g = FProtocol.Grid();
    const TStringList& items = *g->LookupItems();
    if (!g->Lookup() || items.Count() == 0)
        return;
    const String typed = Text().left(SelStart());
    if (typed.isEmpty())
        return;
    const Qt::CaseSensitivity cs = g->LookupCaseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < items.Count(); ++i)
        if (items[i].startsWith(typed, cs)) {
            // The typed part as typed, the rest from the item (at most 255).
            SetText((typed + items[i].mid(typed.size())).left(255));
            SetSelStart(int(typed.size()));
            SetSelLength(int(Text().size() - typed.size()));
            return;
        }
}

void TGridEditBtn::DefaultHandler(TMessage& Message)
{
    const bool editable = EditorEnabled() && !ReadOnly();
    bool paste = Message.Msg == WM_PASTE;
    if (Message.Msg == WM_KEYDOWN) {
        const Word vk = Word(Message.CharCode());
        const TShiftState s = KeyDataToShiftState(Message.KeyData());
        paste = (vk == 'V' && s == TShiftState{ssCtrl}) || (vk == VK_INSERT && s == TShiftState{ssShift});
    }
    if (paste && editable && FProtocol.GridAlive()) {
        PasteText();
        return;
    }
    TVsgEditBtn::DefaultHandler(Message);
}

void TGridEditBtn::PasteText()
{
    TVynStringGrid* g = FProtocol.Grid();
    TWeakRef<TGridEditBtn> self(this);
    TWeakRef<TVynStringGrid> grid(g);
    const TClipboard& clip = Clipboard();
    bool allow = clip.HasFormat(CF_UNICODETEXT) || clip.HasFormat(CF_TEXT);
    String s = allow ? clip.AsText() : String();
    if (g->OnClipboardPaste)
        g->OnClipboardPaste(this, allow);
    if (!self || !grid || !allow)
        return;
    if (g->OnClipboardBeforePasteCell)
        g->OnClipboardBeforePasteCell(this, g->Col(), g->Row(), s, allow);
    if (!self || !grid || !allow)
        return;
    // A single trailing line break goes; one in the middle keeps the text whole.
    const qsizetype crlf = s.indexOf(QStringLiteral("\r\n"));
    if (crlf >= 0 && crlf == s.size() - 2)
        s.chop(2);
    const bool hadSelection = SelLength() > 0;
    const int start = SelStart();
    SetText(Text().left(start) + s + Text().mid(start + SelLength()));
    if (!self || !grid)
        return;
    g->SetEditText(g->Col(), g->Row(), Text());
    if (!self)
        return;
    SetSelStart(hadSelection ? start : start + int(s.size()));
    SetSelLength(hadSelection ? int(s.size()) : 0);
}

void TGridEditBtn::DblClick()
{
    TWeakRef<TGridEditBtn> self(this);
    TVsgEditBtn::DblClick();
    if (self && FProtocol.GridAlive() && FProtocol.Grid()->OnDblClickCell)
        FProtocol.Grid()->OnDblClickCell(FProtocol.Grid(), FProtocol.Row(), FProtocol.Col());
}

void TGridEditBtn::Change()
{
    TWeakRef<TGridEditBtn> self(this);
    TVsgEditBtn::Change();
    if (self)
        FProtocol.Changed(Text());
}

void TGridEditBtn::DoExit()
{
    TWeakRef<TGridEditBtn> self(this);
    FProtocol.Exit();
    if (self)
        TVsgEditBtn::DoExit();
}

// The button of an edit-button editor: the grid's OnEllipsClick answers the
// new text, shown all selected. False when the editor or the grid went.
static bool EllipsisIntoText(TGridEditorProtocol& Protocol, TVsgEditBtn& Editor)
{
    if (!Protocol.GridAlive())
        return false;
    TWeakRef<TVsgEditBtn> self(&Editor);
    TWeakRef<TVynStringGrid> grid(Protocol.Grid());
    String s;
    Protocol.Grid()->DoEllipsClick(Editor.Text(), s);
    if (!self || !grid)
        return false;
    Editor.SetText(s);
    Editor.SelectAll();
    Editor.Invalidate();
    return true;
}

void TGridEditBtn::ButtonClick(TObject*)
{
    if (!EllipsisIntoText(FProtocol, *this))
        return;
    TVynStringGrid* g = FProtocol.Grid();
    TWeakRef<TVynStringGrid> grid(g);
    if (FStopEditAfterClick) {
        g->HideInplaceEdit();
        if (grid)
            FProtocol.FocusGrid();
    }
}

// ---- TGridUnitEditBtn --------------------------------------------------------------------------

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner) : TVsgUnitEditBtn(AOwner), FProtocol(AOwner, *this)
{
    OnClickBtn = [this](TObject* Sender) { ButtonClick(Sender); };
}

void TGridUnitEditBtn::LoadEditorValue(const String& Value)
{
    // A text that ends in no unit is the value alone.
    SetText(Value);
    SetTextAndUnit(Value);
}

void TGridUnitEditBtn::CaretToEnd() { CaretToEndOf(*this); }

void TGridUnitEditBtn::CMWantSpecialKey(TMessage& Message)
{
    TVsgUnitEditBtn::CMWantSpecialKey(Message);
    if (ClaimsWithGoTabs(FProtocol, Word(Message.CharCode())))
        Message.Result = 1;
}

void TGridUnitEditBtn::KeyDown(Word& Key, TShiftState Shift)
{
    const bool handled = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                         Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    if (!handled || !FProtocol.GridAlive()) {
        TVsgUnitEditBtn::KeyDown(Key, Shift);
        return;
    }
    TVynStringGrid* g = FProtocol.Grid();
    TWeakRef<TVynStringGrid> grid(g);
    TWeakRef<TGridUnitEditBtn> self(this);
    // 1. The value with its unit is validated; the answer is split again.
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        const String value = TextAndUnit();
        g->SetCurrentCell(value);
        const bool valid = g->ValidateCell(value);
        if (!self || !grid)
            return;
        LoadEditorValue(g->CurrentCell());
        if (!valid) {
            // The editor stays; the grid does not advance for the key.
            Key = 0;
            g->FNoAutoAdvance = true;
            return;
        }
    }
    // 2.
    if (Key == VK_RETURN && g->Navigation()->AdvanceOnEnter()) {
        Key = 0;
        CloseAndAdvance(FProtocol, true);
        return;
    }
    if (Key == VK_TAB && g->Options().Contains(goTabs)) {
        TabOnGrid(FProtocol);
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE) {
        FProtocol.Cancel();
        Key = 0;
        return;
    }
    g->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridUnitEditBtn::KeyPress(QChar& Key)
{
    if (Key.unicode() == 13) {
        Key = QChar();
        return;
    }
    if (FProtocol.GridAlive())
        FilterButtonEditChar(FProtocol.Grid()->EditControl, *this, Key);
    if (!Key.isNull())
        TVsgUnitEditBtn::KeyPress(Key);
}

void TGridUnitEditBtn::DoExit()
{
    TWeakRef<TGridUnitEditBtn> self(this);
    FProtocol.Exit();
    if (self)
        TVsgUnitEditBtn::DoExit();
}

void TGridUnitEditBtn::ButtonClick(TObject*) { EllipsisIntoText(FProtocol, *this); }

// ---- TGridButton -------------------------------------------------------------------------------

TGridButton::TGridButton(TComponent* AOwner) : TButton(AOwner), FProtocol(AOwner, *this) {}

void TGridButton::CMWantSpecialKey(TMessage& Message)
{
    TButton::CMWantSpecialKey(Message);
    const Word key = Word(Message.CharCode());
    if (key == VK_ESCAPE || (key >= VK_LEFT && key <= VK_DOWN))
        Message.Result = 1;
}

void TGridButton::KeyDown(Word& Key, TShiftState Shift)
{
    if (!FProtocol.GridAlive() || (Key != VK_ESCAPE && (Key < VK_LEFT || Key > VK_DOWN))) {
        TButton::KeyDown(Key, Shift);
        return;
    }
    TVynStringGrid* g = FProtocol.Grid();
    TWeakRef<TVynStringGrid> grid(g);
    if (Key == VK_ESCAPE) {
        // The cell as it was when the button opened.
        g->RestoreOriginalCell();
        if (grid)
            FProtocol.Cancel();
        Key = 0;
        return;
    }
    // The arrows close the button and move in the grid.
    g->HideInplaceEdit();
    if (!grid)
        return;
    FProtocol.FocusGrid();
    if (!grid)
        return;
    Word k = Key;
    FProtocol.GridKeyDown(k, Shift);
    Key = 0;
}

void TGridButton::KeyUp(Word& Key, TShiftState Shift)
{
    TWeakRef<TGridButton> self(this);
    if (Key == VK_SPACE && FProtocol.GridAlive()) {
        EllipsisCaption();
        if (!self)
            return;
        if (CanFocus())
            SetFocus();
        Invalidate();
    }
    if (self)
        TButton::KeyUp(Key, Shift);
}

void TGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TGridButton> self(this);
    if (Button == mbLeft && FProtocol.GridAlive() && Parent() == FProtocol.Grid())
        EllipsisCaption();
    if (self)
        TButton::MouseUp(Button, Shift, X, Y);
}

void TGridButton::EllipsisCaption()
{
    TVynStringGrid* g = FProtocol.Grid();
    TWeakRef<TGridButton> self(this);
    TWeakRef<TVynStringGrid> grid(g);
    String s;
    g->DoEllipsClick(Caption(), s);
    if (!self || !grid)
        return;
    SetCaption(s);
    g->SetCurrentCell(s);
}

void TGridButton::DoExit()
{
    TWeakRef<TGridButton> self(this);
    if (FProtocol.GridAlive() && FProtocol.Grid()->EditMode)
        FProtocol.Grid()->HideInplaceEdit();
    if (self)
        TButton::DoExit();
}

// ---- TGridDatePicker ---------------------------------------------------------------------------

TGridDatePicker::TGridDatePicker(TComponent* AOwner) : TVsgDateTimePicker(AOwner), FProtocol(AOwner, *this) {}

String TGridDatePicker::CommitText() const
{
    return ShowCheckbox() && !Checked() ? String() : DisplayText();
}

String TGridDatePicker::EditorValue()
{
    return FProtocol.GridAlive() ? FProtocol.Grid()->SimpleEditorValue(CommitText(), Checked()) : CommitText();
}

void TGridDatePicker::LoadEditorValue(const String& Value)
{
    TDateTime d = 0;
    if (Kind() == dtkTime ? TryStrToTime(Value, d) : TryStrToDate(Value, d)) {
        if (Kind() == dtkTime)
            SetTime(d);
        else
            SetDate(d);
    } else {
        SetDate(::Date());
    }
}

void TGridDatePicker::CMWantSpecialKey(TMessage& Message)
{
    TVsgDateTimePicker::CMWantSpecialKey(Message);
    if (FProtocol.GridAlive() && FProtocol.WantsSpecialKey(Word(Message.CharCode())))
        Message.Result = 1;
}

void TGridDatePicker::KeyDown(Word& Key, TShiftState Shift)
{
    const bool handled = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                         Key == VK_NEXT || Key == VK_END;
    if (!handled || !FProtocol.GridAlive()) {
        TVsgDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    TVynStringGrid* g = FProtocol.Grid();
    TWeakRef<TVynStringGrid> grid(g);
    TWeakRef<TGridDatePicker> self(this);
    // 1. Esc: the cell keeps the text it had when the edit began.
    if (Key == VK_ESCAPE) {
        FProtocol.Cancel();
        Key = 0;
        return;
    }
    // 2.
    if (Key == VK_RETURN) {
        Word right = VK_RIGHT;
        TVsgDateTimePicker::KeyDown(right, {});
        if (!self)
            return;
        if (!FProtocol.CommitAndValidate(Key, false) || !self || !grid)
            return;
    }
    // 3.
    if (Key == VK_TAB && FProtocol.GridTakesTab())
        if (FProtocol.TabStep(Key, Shift) || !self || !grid)
            return;
    // 4.
    if (!DroppedDown()) {
        g->DoneInplaceEdit(Key, Shift);
        Key = 0;
    }
}

void TGridDatePicker::KeyPress(QChar& Key)
{
    TWeakRef<TGridDatePicker> self(this);
    if (IsDigit(Key)) {
        int y, m, d, h, n, s, ms;
        DecodeDate(DateTime(), y, m, d);
        DecodeTime(DateTime(), h, n, s, ms);
        Fy = uint16_t(y), Fm = uint16_t(m), Fd = uint16_t(d);
        Fth = uint16_t(h), Ftm = uint16_t(n), Fts = uint16_t(s), Ftms = uint16_t(ms);
        TVsgDateTimePicker::KeyPress(Key);
        if (!self)
            return;
        PostMessage(this, DTPShiftFocusMessage());
    } else {
        TVsgDateTimePicker::KeyPress(Key);
        if (!self)
            return;
    }
    FProtocol.FireKeyPress(Key);
}

void TGridDatePicker::WndProc(TMessage& Message)
{
    TVsgDateTimePicker::WndProc(Message);
    if ((Message.Msg & 0xFFFF) == (DTPShiftFocusMessage() & 0xFFFF))
        ShiftFocusAfterDigit();
}

void TGridDatePicker::ShiftFocusAfterDigit()
{
    int y, m, d, h, n, s, ms;
    DecodeDate(DateTime(), y, m, d);
    DecodeTime(DateTime(), h, n, s, ms);
    bool next = false;
    if (Kind() == dtkTime) {
        next = h != Fth || n != Ftm || s != Fts;
    } else {
        const bool dd = d != Fd, mm = m != Fm, yy = y != Fy;
        if (!Format().isEmpty()) {
            const QChar c = Format().back().toLower();
            const bool lastDone = (dd && c == u'd') || (mm && c == u'm') || (yy && c == u'y');
            next = !lastDone && (dd || mm || yy);
        } else {
            next = dd || mm;
        }
    }
    if (next)
        PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
}

void TGridDatePicker::Paint()
{
    TVsgDateTimePicker::Paint();
    // No border inside the cell: the outer two pixels in the window colour.
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsClear);
    c.Pen().SetColor(clWindow);
    c.Rectangle(0, 0, Width(), Height());
    c.Rectangle(1, 1, Width() - 1, Height() - 1);
}

void TGridDatePicker::DoExit()
{
    TWeakRef<TGridDatePicker> self(this);
    FProtocol.Exit();
    if (self)
        TVsgDateTimePicker::DoExit();
}

// ---- TGridDateTimePicker -----------------------------------------------------------------------

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner) : TVynDateTimePicker(AOwner)
{
    if (dynamic_cast<TVynStringGrid*>(AOwner))
        FProtocol.reset(new TGridEditorProtocol(AOwner, static_cast<TGridEditorHost&>(*this)));
    // Keys typed into the time part end the edit as the picker's own do.
    OnKeyDown = [this](TObject*, Word& Key, TShiftState Shift) {
        if (TimePicker() && TimePicker()->Focused())
            KeyDown(Key, Shift);
    };
}

TGridDateTimePicker::~TGridDateTimePicker() = default;

bool CellTextToDateTime(const String& Text, TDateTime& Value)
{
    const String t = Text.trimmed();
    const qsizetype blank = t.indexOf(u' ');
    TDateTime d = 0, tm = 0;
    if (blank < 0)
        return TryStrToDate(t, Value);
    if (!TryStrToDate(t.left(blank), d) || !TryStrToTime(t.mid(blank + 1).trimmed(), tm))
        return false;
    Value = d + tm;
    return true;
}

void TGridDateTimePicker::LoadEditorValue(const String& Value)
{
    TDateTime d = 0;
    if (CellTextToDateTime(Value, d))
        SetDateTime(d);
}

String TGridDateTimePicker::CommitText()
{
    if (ShowCheckbox() && !Checked())
        return String();
    return FormatDateTime(FormatSettings().ShortDateFormat + " " + FormatSettings().LongTimeFormat, DateTime());
}

void TGridDateTimePicker::KeyDown(Word& Key, TShiftState Shift)
{
    TVynStringGrid* g = FProtocol && FProtocol->GridAlive() ? FProtocol->Grid() : nullptr;
    const bool tab = Key == VK_TAB && g && g->ValidatesOnTab();
    if (!g || !(Key == VK_ESCAPE || Key == VK_RETURN || tab)) {
        TVynDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    TWeakRef<TVynStringGrid> grid(g);
    const Word key = Key;
    Key = 0;
    if (key == VK_ESCAPE) {
        // The value it had when it opened; the cell keeps its text.
        SetDateTime(g->OriginalDateTime());
        FProtocol->Cancel();
        return;
    }
    // The commit writes the picker's value (CommitText).
    g->HideInplaceEdit();
    if (!grid)
        return;
    FProtocol->FocusGrid();
    if (!grid)
        return;
    if (tab) {
        Word k = VK_TAB;
        FProtocol->GridKeyDown(k, HeldShift());
    } else if (g->Navigation()->AdvanceOnEnter()) {
        g->AdvanceEditCell(g->Col(), g->Row(), true, false, true, true, false);
    }
}
