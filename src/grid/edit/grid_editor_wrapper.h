#pragma once
// What every special cell editor shares with its grid: the keys that commit,
// validate, cancel and leave the cell, the change report, the focus leaving
// the editor, and the walk out of the cell at the text's edges.
//
// An editor control (the combo today; the spin, edit-with-button, date and
// drop-down editors take it over) keeps one TGridEditorProtocol and answers
// the few questions of TGridEditorHost about its value. The protocol is the
// only way an editor reaches the grid's editing state.
//
// - The grid takes Tab (ValidatesOnTab): goTabs, or a validation handler.
// - Commit and validate: the value into the current cell, ValidateCell; a
//   refusal puts the validated text back into the editor (all of it
//   selected, the caret at the end for Tab), the editor stays open and the
//   grid does not advance for that key (NoAutoAdvance); an acceptance
//   reloads the editor from the cell (a handler may have changed it).
// - Tab step: with goTabs the editor closes and the grid moves on by its
//   own Tab; without, a Tab key-down is posted to the grid and the leave
//   step follows.
// - Leave step: DoneInplaceEdit (close, Tab and arrows to the grid, Enter
//   advances), then the editor opens again on the new cell with
//   AdvanceOnEnter and AdvanceAutoEdit.
// - Cancel (Esc): the cell gets the text it had when the edit began
//   (OriginalCellValue), whatever the editor or a handler wrote meanwhile.
// - The grid's OnKeyPress gets the grid as Sender.
// Every switch the protocol turns off for a moment comes back on every
// path, also when a handler raises.
#include "platform/gui/controls.h"

class TVynStringGrid;

class TGridEditorHost {
public:
    virtual ~TGridEditorHost() = default;
    // The value the editor commits.
    virtual String EditorValue() = 0;
    // The value shown again (a list editor picks the equal item, when there is one).
    virtual void LoadEditorValue(const String& Value) = 0;
    virtual void SelectAllValue() = 0;
    virtual void CaretToEnd() = 0;
    virtual void RepaintEditor() = 0;
};

class TGridEditorProtocol {
public:
    // Owner must be a TVynStringGrid (EInvalidOperation otherwise).
    TGridEditorProtocol(TComponent* Owner, TGridEditorHost& Host);

    TVynStringGrid* Grid() const { return FGrid; }
    bool GridAlive() const { return FGridRef.Get() != nullptr; }

    // The focus left the editor: the value goes back to the cell.
    void Exit();
    // OnEditChange(grid, Col, Row, Text) (display column).
    void Changed(const String& Text);
    // Enter and Esc always, Tab when the grid takes Tab.
    bool WantsSpecialKey(Word Key) const;
    bool GridTakesTab() const;

    // False: refused (Key := 0, the editor shows the validated text).
    bool CommitAndValidate(Word& Key, bool Tab);
    // Commit and validate (Tab variant), then goTabs: the grid moves on
    // (true: the key is finished); without goTabs a Tab key-down is posted
    // to the grid (false: go on with the leave step). A refusal is finished too.
    bool TabStep(Word& Key, TShiftState Shift);
    void LeaveStep(Word& Key, TShiftState Shift);
    // Esc: the original text back into the cell, the editor closed, the grid focused.
    void Cancel();
    // At key-up, no Shift, CursorWalkEditor on: Right with the caret at the
    // end when the key went down (CaretAtEnd), Left at position 0 when it
    // went down (CaretAtStart), nothing selected. The value is validated
    // first (a refusal stays); true: the key was used (Key := 0).
    bool CursorWalk(Word& Key, TShiftState Shift, bool CaretAtStart, bool CaretAtEnd);

    // The grid's OnKeyPress with the grid as Sender.
    void FireKeyPress(QChar& Key);
    // The editor closed with a switch of MouseActions off meanwhile.
    void HideWithoutDirectClose();
    // The grid takes the focus with AlwaysEdit off for the moment.
    void FocusGrid();
    // The grid's own key handling.
    void GridKeyDown(Word& Key, TShiftState Shift);
    void SetNoAutoAdvance(bool Value);
    String CurrentCell() const;
    String OriginalValue() const;
    // The display column and row of the current cell, and its real column.
    int Col() const;
    int Row() const;
    int RealCol() const;
    // The editor was opened by a mouse click; cleared by ClearOpenedByClick.
    bool OpenedByClick() const;
    void ClearOpenedByClick();

private:
    TVynStringGrid* FGrid;
    TWeakRef<TVynStringGrid> FGridRef;
    TGridEditorHost& FHost;
};
