#pragma once
// The grid's smaller editors:
// - TVynRichEdit: the in-place editor of edRichEdit cells and the grid's
//   hidden converter. There is no rich-text writer here: a plain cell is
//   edited as text and written back as text (every character kept); a cell
//   holding rich text (starting "{\") is shown read-only as the text the
//   cell painter reads from it and is written back unchanged. Sub- and
//   superscript are the character format's vertical alignment; the size
//   the text asks for (ReqWidth, ReqHeight) follows the document's size.
// - TControlEdit, TControlCombo: the editors of the EDIT, PASSWORD, MASK and
//   COMBO form controls inside HTML cells (docs/GRID.md, "Special
//   editors"). Both claim Tab; Enter ends the control's edit and focuses
//   the grid; Tab ends it and moves to the cell's next control (with
//   Navigation.AdvanceAuto: to the next cell).
// - TGridTransEdit, TGridTransCombo: the editors of fixed (header) cells.
//   Leaving validates through OnCellValidate: a refusal makes (Col, Row)
//   the grid's current cell and keeps the editor open and focused; an
//   acceptance fires OnEditingDone, writes the text into the fixed cell and
//   hides the editor.
#include "grid/edit/grid_combo.h"
#include "platform/gui/mask.h"
#include "platform/gui/stdctrls.h"

class TVynStringGrid;
class QPlainTextEdit;

class TVynRichEdit : public TMemo {
public:
    // The grid is AOwner when it is a TVynStringGrid.
    explicit TVynRichEdit(TComponent* AOwner);

    TVynStringGrid* Grid() const { return FGrid.Get(); }
    int ReqWidth() const { return FReqWidth; }
    int ReqHeight() const { return FReqHeight; }
    // Resize requests are ignored while locked (the grid loads the cell).
    void Lock() { FLocked = true; }
    void Unlock() { FLocked = false; }
    bool Locked() const { return FLocked; }
    // Builds the window again (here: nothing but a shown state reset).
    void ReCreate();

    void SelNormal();
    void SelSubscript();
    void SelSuperscript();
    bool IsSelNormal() const;
    bool IsSelSubscript() const;
    bool IsSelSuperscript() const;

    // A rich text shown read-only (empty: a plain text is loaded).
    const String& RichSource() const { return FRichSource; }
    // Loads Value: a rich text read-only as its text, else the text itself.
    void LoadCellText(const String& Value);
    // The rich text loaded (unchanged), else the text.
    String CellText();

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;

private:
    QPlainTextEdit* TextEdit() const;
    void SetSelOffset(int Align);
    int SelOffset() const;
    void DocumentResized();

    TWeakRef<TVynStringGrid> FGrid;
    int FReqHeight = 0;
    int FReqWidth = 0;
    bool FLocked = false;
    String FRichSource;
};

class TControlEdit : public TMaskEdit {
public:
    explicit TControlEdit(TComponent* AOwner);

protected:
    void CMWantSpecialKey(TMessage& Message) override;
    void KeyPress(QChar& Key) override;
};

class TControlCombo : public TVsgComboBox {
public:
    explicit TControlCombo(TComponent* AOwner);

protected:
    void CMWantSpecialKey(TMessage& Message) override;
    void KeyPress(QChar& Key) override;
};

// What both fixed-cell editors share.
class TGridTransEditing {
public:
    explicit TGridTransEditing(TComponent* AOwner);
    int Row() const { return FRow; }
    void SetRow(int Value) { FRow = Value; }
    int Col() const { return FCol; }
    void SetCol(int Value) { FCol = Value; }
    TVynStringGrid* Grid() const { return FGrid.Get(); }

protected:
    // False: refused, the editor stays (the control's text and focus).
    bool StopEditOf(TWinControl& Editor, const String& Text);

private:
    int FRow = 0;
    int FCol = 0;
    TWeakRef<TVynStringGrid> FGrid;
};

class TGridTransEdit : public TEdit, public TGridTransEditing {
public:
    explicit TGridTransEdit(TComponent* AOwner);
    bool StopEdit() { return StopEditOf(*this, Text()); }

protected:
    void DoExit() override;
    void KeyPress(QChar& Key) override;
};

class TGridTransCombo : public TComboBox, public TGridTransEditing {
public:
    explicit TGridTransCombo(TComponent* AOwner);
    bool StopEdit() { return StopEditOf(*this, Text()); }

protected:
    void DoExit() override;
    void KeyPress(QChar& Key) override;
};
