// What typing and pasting put into the grid's text editor: the character
// filter of each editor kind, the keypad's decimal key, the length limit,
// the automatic advance of a full text, paste, copy and cut with the
// grid's clipboard events, and the lookup completion (docs/GRID.md,
// "Editing cells").
//
// Numbers are told by the grid's text routines (grid_text.h) with the
// grid's format settings; the beep is the platform's MessageBeep.
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_edit_holders.h"
#include "platform/gui/clipboard.h"
#include "platform/gui/input_state.h"
#include "platform/gui/menus.h"

namespace {

bool IsFloatKind(TEditorType K) { return K == TEditorType::edFloat || K == TEditorType::edPositiveFloat; }

bool IsNumericKind(TEditorType K) { return K == TEditorType::edNumeric || K == TEditorType::edPositiveNumeric; }

// Backspace, Tab, Enter and Esc.
bool IsEditKeyChar(char16_t C) { return C == 8 || C == 9 || C == 13 || C == 27; }

bool InValidChars(const TVynStringGrid& G, QChar C)
{
    if (!G.ValidChars().isEmpty())
        return G.ValidChars().contains(C);
    return C.unicode() < 256 && G.ValidCharSet()[C.unicode()];
}

}  // namespace

void TVynStringGrid::SetValidCharSet(const String& Chars)
{
    FValidCharSet.assign(256, false);
    for (QChar c : Chars)
        if (c.unicode() < 256)
            FValidCharSet[c.unicode()] = true;
}

int TVynStringGrid::GetEditLimit() { return FMaxEditLength; }

// ---- typed characters ------------------------------------------------------------------------

bool TVynInplaceEdit::FilterChar(QChar& Key, bool Keypad, bool& LineBreak)
{
    LineBreak = false;
    TVynStringGrid* g = VynGrid();
    if (!g)
        return true;
    const TGridFormatSettings fs = CurrentGridFormatSettings();
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    TNavigation* nav = g->Navigation();
    // 1. The keypad's decimal key types the decimal separator.
    if (Key == u'.' && Keypad && g->ExcelStyleDecimalSeparator())
        Key = fs.DecimalSeparator;
    const char16_t c = Key.unicode();
    // 2. Ctrl+A selected all on its key-down.
    if (c == 1 && ctrl)
        return false;
    // 3.
    const bool ctrlEnterAllowed = nav->AllowCtrlEnter() && (g->WordWrap() || g->Multilinecells());
    if (c == 10 && ctrl && !ctrlEnterAllowed)
        return false;
    // 4. A full text takes only Backspace, Esc and Enter.
    const String text = Text();
    if (FLengthLimit > 0 && int(text.size()) == FLengthLimit && SelLength() == 0 && c != 8 && c != 27 && c != 13)
        return false;
    const TEditorType kind = g->EditControl;
    // 5.
    if (c == 13 && nav->LineFeedOnEnter() &&
        (kind == TEditorType::edNormal || kind == TEditorType::edCapital || kind == TEditorType::edMixedCase ||
         kind == TEditorType::edLowerCase || kind == TEditorType::edUpperCase || kind == TEditorType::edValidChars)) {
        LineBreak = true;
        return true;
    }
    // 6. By kind. The other control characters type nothing: they pass
    // silently (their keys acted on key-down).
    if (c < 32 && !IsEditKeyChar(c))
        return true;
    const String sel = SelText();
    switch (kind) {
    case TEditorType::edNumeric:
    case TEditorType::edPositiveNumeric: {
        if (IsEditKeyChar(c) || IsDigitChar(Key))
            return true;
        if (kind == TEditorType::edNumeric && c == u'-' && !text.contains(u'-') && SelStart() == 0)
            return true;
        MessageBeep(0);
        return false;
    }
    case TEditorType::edFloat:
    case TEditorType::edPositiveFloat: {
        if (IsEditKeyChar(c) || IsDigitChar(Key))
            return true;
        if (Key == fs.ThousandSeparator)
            return false;
        if (Key == fs.DecimalSeparator)
            return !text.contains(Key) || sel.contains(Key);
        if (c == u'-' && kind == TEditorType::edFloat) {
            if ((SelStart() != 0 || text.contains(u'-')) && !sel.contains(u'-')) {
                MessageBeep(0);
                return false;
            }
            return true;
        }
        if (c == u'.' || c == u',')
            return true;
        // Shortcuts pass.
        return ctrl;
    }
    case TEditorType::edCapital:
    case TEditorType::edUpperCase: Key = Key.toUpper(); return true;
    case TEditorType::edLowerCase: Key = Key.toLower(); return true;
    case TEditorType::edValidChars:
        // Tab and Esc type nothing; they pass on to the keys' own work.
        if (c == 8 || c == 13 || c == 9 || c == 27 || InValidChars(*g, Key))
            return true;
        MessageBeep(0);
        return false;
    default: return true;
    }
}

void TVynInplaceEdit::AutoAdvance()
{
    TVynStringGrid* g = VynGrid();
    if (!g)
        return;
    TNavigation* nav = g->Navigation();
    const int n = int(Text().size());
    if (nav->AdvanceAuto() && nav->AdvanceOnEnter() && g->MaxEditLength() > 0 && n == g->MaxEditLength() &&
        SelLength() == 0 && SelStart() == n) {
        QChar enter(u'\r');
        g->KeyPress(enter);
    }
}

// ---- clipboard ------------------------------------------------------------------------------

void TVynInplaceEdit::PasteText()
{
    TVynStringGrid* g = VynGrid();
    if (!g)
        return;
    TWeakRef<TVynInplaceEdit> self(this);
    TWeakRef<TVynStringGrid> grid(g);
    // 1.
    const TClipboard& clip = Clipboard();
    bool allow = clip.HasFormat(CF_UNICODETEXT) || clip.HasFormat(CF_TEXT);
    String value = allow ? clip.AsText() : String();
    if (g->OnClipboardPaste)
        g->OnClipboardPaste(this, allow);
    if (!self || !grid || !allow)
        return;
    const int col = g->RealCol(), row = g->Row();
    if (g->OnClipboardBeforePasteCell)
        g->OnClipboardBeforePasteCell(this, col, row, value, allow);
    if (!self || !grid || !allow)
        return;
    // 2. A text longer than the limit is refused whole, never cut short.
    if (FLengthLimit > 0 && int(value.size()) > FLengthLimit)
        return;
    const int crlf = int(value.indexOf(QStringLiteral("\r\n")));
    if (crlf >= 0 && crlf == int(value.size()) - 2)
        value.chop(2);
    const bool hadSelection = SelLength() > 0;
    const int start = SelStart();
    const String text = Text();
    String combined = text.left(start) + value + text.mid(start + SelLength());
    // 3.
    if (FLengthLimit > 0 && int(combined.size()) > FLengthLimit)
        return;
    const TGridFormatSettings fs = CurrentGridFormatSettings();
    const TEditorType kind = g->EditControl;
    if (IsNumericKind(kind)) {
        if (GetNumberType(combined, fs) != ntInteger ||
            (kind == TEditorType::edPositiveNumeric && combined.contains(u'-')))
            return;
    } else if (IsFloatKind(kind)) {
        const int t = GetNumberType(combined, fs);
        if ((t != ntInteger && t != ntDecimal) || (kind == TEditorType::edPositiveFloat && combined.contains(u'-')))
            return;
    } else if (kind == TEditorType::edMixedCase) {
        combined = ToMixedCase(combined);
    } else if (kind == TEditorType::edLowerCase) {
        combined = combined.toLower();
    } else if (kind == TEditorType::edUpperCase) {
        combined = combined.toUpper();
    } else if (kind == TEditorType::edValidChars) {
        for (QChar c : combined)
            if (!InValidChars(*g, c))
                return;
    }
    // 4.
    SetText(combined);
    if (!self || !grid)
        return;
    g->SetCurrentCell(Text());
    if (!self || !grid)
        return;
    SetSelStart(start);
    SetSelLength(hadSelection ? int(value.size()) : 0);
    if (!hadSelection)
        SetSelStart(start + int(value.size()));
    if (g->OnClipboardAfterPasteCell)
        g->OnClipboardAfterPasteCell(this, col, row, Text());
}

void TVynInplaceEdit::CopyText() { AskClipboard(true); }

void TVynInplaceEdit::CutText() { AskClipboard(false); }

void TVynInplaceEdit::AskClipboard(bool Copy)
{
    TVynStringGrid* g = VynGrid();
    TWeakRef<TVynInplaceEdit> self(this);
    bool allow = true;
    if (g) {
        const auto& event = Copy ? g->OnClipboardCopy : g->OnClipboardCut;
        if (event)
            event(this, allow);
    }
    if (!self || !allow)
        return;
    if (Copy)
        CopyToClipboard();
    else
        CutToClipboard();
}

void TVynInplaceEdit::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PASTE: PasteText(); return;
    case WM_COPY: CopyText(); return;
    case WM_CUT: CutText(); return;
    case WM_KEYDOWN: {
        const Word vk = Message.CharCode();
        const TShiftState s = KeyDataToShiftState(Message.KeyData());
        if ((vk == 'V' && s == TShiftState{ssCtrl}) || (vk == VK_INSERT && s == TShiftState{ssShift})) {
            PasteText();
            return;
        }
        if ((vk == 'C' || vk == VK_INSERT) && s == TShiftState{ssCtrl}) {
            CopyText();
            return;
        }
        if ((vk == 'X' && s == TShiftState{ssCtrl}) || (vk == VK_DELETE && s == TShiftState{ssShift})) {
            CutText();
            return;
        }
        break;
    }
    default: break;
    }
    TInplaceEdit::DefaultHandler(Message);
}

// ---- lookup ---------------------------------------------------------------------------------

void TVynInplaceEdit::DoChange()
{
    TVynStringGrid* g = VynGrid();
    // 1.
    if (!g || !Workmode || SelLength() > 0 || !g->Lookup())
        return;
    const TStringList* items = g->LookupItems();
    if (!items || items->Count() == 0)
        return;
    // 2. and 3. Without LookupCaseSensitive letters compare case-folded;
    // the typed part stays as typed, the rest is the item's.
    const String text = Text();
    const int n = SelStart();
    if (n == 0)
        return;
    const String p = text.left(n);
    const Qt::CaseSensitivity cs = g->LookupCaseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < items->Count(); ++i) {
        const String& item = items->Strings(i);
        if (!item.startsWith(p, cs))
            continue;
        const String rest = item.mid(n, 255);
        const String completed = p + rest;
        if (completed != text)
            SetText(completed);
        SetSelStart(n);
        SetSelLength(int(rest.size()));
        GotKey = false;
        return;
    }
}
