#pragma once
// The grid's text editor and the typing settings of editing.
//
// TVynInplaceEdit is the editor the grid shows for the text kinds (docs/GRID.md,
// "Editing cells"): the cell's colour, font and alignment, password cells, the
// keys that validate and leave the cell, walking out of the cell at the text's
// edges, the end of editing when it loses the focus.
//
// Lines: the grid's WordWrap or Multilinecells makes it multi-line (a line
// break is stored as CR LF; Ctrl+Enter makes one when allowed; Up and Down
// leave the cell only from the first and the last line). A password cell is
// always single-line, and a single-line editor has its caret on the first
// and the last line at once. The field shows the text on one line.
#include "platform/gui/classes.h"
#include "platform/grids/inplace_edit.h"

class TVynStringGrid;

class TVynInplaceEdit : public TInplaceEdit {
public:
    explicit TVynInplaceEdit(TComponent* AOwner);

    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }
    // Right-aligned text (a right-aligned cell).
    bool VAlign() const { return FValign; }
    void SetVAlign(bool Value);
    int LengthLimit() const { return FLengthLimit; }
    // Multi-line by the grid's settings (never for a password cell).
    bool MultiLine() const;
    // The caret on the first (last) line of the text.
    bool CaretOnFirstLine() const;
    bool CaretOnLastLine() const;
    // The cell the editor was loaded for (display column, row).
    int EditCol() const { return FColE; }
    int EditRow() const { return FRowE; }
    bool AltBackHeld() const { return FAltBack; }
    // Lookup completion from the grid's LookupItems (run after each key-up):
    // the text up to the caret completed by the first item that starts
    // with it, the added part selected.
    void DoChange();

protected:
    void WndProc(TMessage& Message) override;
    void UpdateContents() override;
    void BoundsChanged() override;
    void Change() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DblClick() override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

private:
    TVynStringGrid* VynGrid() const;
    // The key-down message, before the edit and the grid see the key; true:
    // the key goes no further.
    bool KeyDownMessage(Word Key);
    // Validates T as the editor's keys do; false: refused and rejected.
    bool ValidateForKey(const String& T, const String& OldText);
    void Reject(const String& OldText);
    // The text as the grid writes it (no change event).
    void LoadText(const String& Value);
    void CaretToEnd();
    bool IsPassword() const;
    void GrowRowForNewLine();
    // The input filter of a typed character (grid_edit_input.cpp): false
    // drops it; Key may be replaced. LineBreak: Enter makes a line break
    // (no filter and no automatic advance).
    bool FilterChar(QChar& Key, bool Keypad, bool& LineBreak);
    // A full text moves on through the grid's Enter.
    void AutoAdvance();
    void PasteText();
    void CopyText();
    void CutText();
    // OnClipboardCopy (OnClipboardCut) asked, then the edit's own copy (cut).
    void AskClipboard(bool Copy);

    int FSelKeyDown = 0;
    int FOldSelStart = 0;
    int FLengthLimit = 0;
    bool FValign = false;
    bool FWordWrap = false;
    bool GotKey = false;
    bool FGotFocus = false;
    bool Workmode = true;
    int FColE = -1, FRowE = -1;
    bool FAltBack = false;
    bool FMoveKey = false;
    // The key whose value the last key-down refused (its character is dropped).
    Word FRefusedKey = 0;
};

class TSizeWhileTyping : public TPersistent {
public:
    bool Height() const { return FHeight; }
    void SetHeight(bool Value) { FHeight = Value; }
    bool Width() const { return FWidth; }
    void SetWidth(bool Value) { FWidth = Value; }

private:
    bool FHeight = false;
    bool FWidth = false;
};
