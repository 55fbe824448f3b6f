#pragma once
// The grid's simple cell editors (docs/GRID.md, "Special editors"): each is
// an ordinary editor control bound to one grid through TGridEditorProtocol,
// which turns the keys that end editing into the grid's commit, validation,
// cancel and move operations.
//
// - TGridCheckBox (edCheckBox): the cell text as caption, shown unchecked;
//   Space or a click toggles it once; Enter, the Page keys, End and the
//   arrows close it (Enter advances, Up/Down move a row). Nothing is ever
//   written back to the cell.
// - TGridSpin (the four spin kinds): End/Home set the minimum/maximum
//   (integer and float), Enter and Tab validate (a refusal keeps the editor
//   with the cell's text), Esc gives the cell back its text. The arrows
//   report OnSpinClick, OnFloatSpinClick, OnDateSpinClick, OnTimeSpinClick.
// - TGridEditBtn (edEditBtn, edNumericEditBtn, edFloatEditBtn,
//   edMaskEditBtn) and TGridUnitEditBtn (the three unit kinds): the button
//   (or F4) runs the grid's OnEllipsClick on the text; numeric and float
//   character filters by kind; Enter, Tab, Up, Down validate; Page Up/Down
//   end editing. The edit-with-button editor also pastes (a single trailing
//   line break dropped), walks out of the cell at its ends and completes
//   from LookupItems.
// - TGridButton (edButton): the cell text as caption; Space and a click run
//   OnEllipsClick on it and write the answer into the cell; the arrows
//   close it and move; Esc closes it and restores the cell.
// - TGridDatePicker (edDateEdit, edDateEditUpDown, edTimeEdit) and
//   TGridDateTimePicker (edDateTimeEdit): Enter validates and advances, Tab
//   moves on, Esc gives the cell back its text; a typed digit that completes
//   a field (not the format's last one) moves on to the next.
#include <memory>

#include "grid/core/grid_types.h"
#include "grid/edit/controls/date_picker.h"
#include "grid/edit/controls/edit_btn.h"
#include "grid/edit/controls/spin_edit.h"
#include "grid/edit/controls/vyn_date_time_picker.h"
#include "grid/edit/grid_editor_wrapper.h"
#include "platform/gui/stdctrls.h"

class TVynStringGrid;

// ---- TGridCheckBox -----------------------------------------------------------------------------

class TGridCheckBox : public TCheckBox, private TGridEditorHost {
public:
    explicit TGridCheckBox(TComponent* AOwner);

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // The toggle happened at the press (mouse or Space).
    void UserClick() override {}
    // The arrows and Enter come to the editor (they leave the cell).
    void WMGetDlgCode(TMessage& Message) override;
    void DoExit() override;

private:
    String EditorValue() override { return Caption(); }
    void LoadEditorValue(const String&) override {}
    void SelectAllValue() override {}
    void CaretToEnd() override {}
    void RepaintEditor() override { Invalidate(); }

    TGridEditorProtocol FProtocol;
};

// ---- TGridSpin ---------------------------------------------------------------------------------

class TGridSpin : public TVsgSpinEdit, private TGridEditorHost {
public:
    explicit TGridSpin(TComponent* AOwner);

    void UpClick(TObject* Sender) override;
    void DownClick(TObject* Sender) override;

protected:
    void CMWantSpecialKey(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void WMChar(TMessage& Message) override;
    void Change() override;
    void DoExit() override;

private:
    String EditorValue() override { return Text(); }
    void LoadEditorValue(const String& Value) override { SetText(Value); }
    void SelectAllValue() override { SelectAll(); }
    void CaretToEnd() override;
    void RepaintEditor() override { Invalidate(); }
    void ReportClick(bool Up);

    TGridEditorProtocol FProtocol;
};

// ---- TGridEditBtn ------------------------------------------------------------------------------

class TGridEditBtn : public TVsgEditBtn, private TGridEditorHost {
public:
    explicit TGridEditBtn(TComponent* AOwner);

    // False after Backspace or Delete, true after any other key: look-up
    // completion runs only while it is on.
    bool WorkMode() const { return FWorkMode; }
    bool StopEditAfterClick() const { return FStopEditAfterClick; }
    void SetStopEditAfterClick(bool Value) { FStopEditAfterClick = Value; }
    // The posted start character of an edit: the grid's OnKeyPress has had it.
    void ExpectReplay(QChar Char) { FReplayChar = Char; }

    // The editor's own key-down report (for the keys it handles).
    TKeyEvent OnEditorKeyDown;

protected:
    void CMWantSpecialKey(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void DefaultHandler(TMessage& Message) override;
    void DblClick() override;
    void Change() override;
    void DoExit() override;

private:
    String EditorValue() override { return Text(); }
    void LoadEditorValue(const String& Value) override { SetText(Value); }
    void SelectAllValue() override { SelectAll(); }
    void CaretToEnd() override;
    void RepaintEditor() override { Invalidate(); }
    void ButtonClick(TObject* Sender);
    void PasteText();
    void LookupCompletion();

    TGridEditorProtocol FProtocol;
    bool FWorkMode = true;
    int FSelKeyDown = 0;
    bool FStopEditAfterClick = false;
    QChar FReplayChar;
};

// ---- TGridUnitEditBtn --------------------------------------------------------------------------

class TGridUnitEditBtn : public TVsgUnitEditBtn, private TGridEditorHost {
public:
    explicit TGridUnitEditBtn(TComponent* AOwner);

protected:
    void CMWantSpecialKey(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoExit() override;

private:
    String EditorValue() override { return TextAndUnit(); }
    // The cell's text split again into the value and its unit.
    void LoadEditorValue(const String& Value) override;
    void SelectAllValue() override { SelectAll(); }
    void CaretToEnd() override;
    void RepaintEditor() override { Invalidate(); }
    void ButtonClick(TObject* Sender);

    TGridEditorProtocol FProtocol;
};

// ---- TGridButton -------------------------------------------------------------------------------

class TGridButton : public TButton, private TGridEditorHost {
public:
    explicit TGridButton(TComponent* AOwner);

protected:
    void CMWantSpecialKey(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoExit() override;

private:
    String EditorValue() override { return Caption(); }
    void LoadEditorValue(const String& Value) override { SetCaption(Value); }
    void SelectAllValue() override {}
    void CaretToEnd() override {}
    void RepaintEditor() override { Invalidate(); }
    // The caption through OnEllipsClick, then into the cell.
    void EllipsisCaption();

    TGridEditorProtocol FProtocol;
};

// ---- TGridDatePicker ---------------------------------------------------------------------------

class TGridDatePicker : public TVsgDateTimePicker, private TGridEditorHost {
public:
    explicit TGridDatePicker(TComponent* AOwner);

    bool WeekNumbers() const { return FWeekNumbers; }
    void SetWeekNumbers(bool Value) { FWeekNumbers = Value; }
    bool ShowToday() const { return FShowToday; }
    void SetShowToday(bool Value) { FShowToday = Value; }
    bool ShowTodayCircle() const { return FShowTodayCircle; }
    void SetShowTodayCircle(bool Value) { FShowTodayCircle = Value; }
    // The value the editor commits: the text shown, or empty while the
    // check box is shown and cleared.
    String CommitText() const;

protected:
    // After "DTPShiftFocus": Right (the next field) when the last digit
    // changed a field other than the format's last one.
    virtual void ShiftFocusAfterDigit();
    void CMWantSpecialKey(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void WndProc(TMessage& Message) override;
    void Paint() override;
    void DoExit() override;

private:
    String EditorValue() override;
    // Read as a time for the time kind and a date otherwise; a text that
    // does not read gives today.
    void LoadEditorValue(const String& Value) override;
    void SelectAllValue() override {}
    void CaretToEnd() override {}
    void RepaintEditor() override { Invalidate(); }

    TGridEditorProtocol FProtocol;
    uint16_t Fy = 0, Fm = 0, Fd = 0;
    uint16_t Fth = 0, Ftm = 0, Fts = 0, Ftms = 0;
    bool FWeekNumbers = false;
    bool FShowToday = true;
    bool FShowTodayCircle = true;
};

// ---- TGridDateTimePicker -----------------------------------------------------------------------

class TGridDateTimePicker : public TVynDateTimePicker, private TGridEditorHost {
public:
    // Bound to the owner when it is a grid (any other owner: a plain picker).
    explicit TGridDateTimePicker(TComponent* AOwner);
    ~TGridDateTimePicker() override;

    // The picker's value as the cell gets it: the short date, a blank and
    // the time; empty while the check box is shown and cleared.
    String CommitText();

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    String EditorValue() override { return CommitText(); }
    // A date-time text (a blank between date and time); others change nothing.
    void LoadEditorValue(const String& Value) override;
    void SelectAllValue() override {}
    void CaretToEnd() override {}
    void RepaintEditor() override { Invalidate(); }

    std::unique_ptr<TGridEditorProtocol> FProtocol;
};

// The date and time of a cell text: a date, or a date, a blank and a time
// (the program's formats); false when it does not read.
bool CellTextToDateTime(const String& Text, TDateTime& Value);
