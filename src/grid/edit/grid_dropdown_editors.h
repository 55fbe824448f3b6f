#pragma once
// The drop-down cell editors: one wrapper family over the drop-down controls
// (src/controls/dropdown), bound to one grid through the shared editor
// protocol (grid_editor_wrapper.h).
//
// Every wrapper:
// - Exit: the value is validated and the editor closed (the protocol's Exit).
// - Change: the control's own change handling, then OnEditChange(grid, Col,
//   Row, text) with the display column.
// - KeyPress: the grid's OnKeyPress (Sender the grid; a replayed start
//   character only once), Esc, Enter and Tab dropped, then the control's
//   own key press (the calculator's takes the digits and operators).
// - KeyDown: Tab, Enter, Esc, Page Up, Page Down, End, Up and Down are the
//   grid's (Alt+Down is not: it opens the popup); every other key is the
//   control's. Esc gives the cell the text it had when the edit began and
//   focuses the grid; Enter, Up and Down commit and validate (a refusal
//   keeps the editor with the validated text selected and no advance; the
//   calculator first completes a pending calculation on Enter); Tab runs
//   the protocol's Tab step. With the popup open the editor closes and
//   Page Up, Page Down and the arrows go no further; with it closed End
//   stays in the control. Then the protocol's leave step.
// - The colour picker: with its popup open only Tab, Enter and Esc are the
//   grid's; closed, Home too. Only Enter validates: Up, Down, Page Up,
//   Page Down and Home end the edit without the validation step.
// - The special keys the control claims: Enter and Esc (track bar, colour
//   picker) and Tab when the grid takes it.
// - The track bar, memo and calculator editors opened by a click put the
//   caret at the character under the pointer when they take the focus.
//
// The two grid drop-down kinds (edGridDropDown, edVynGridDropDown) have no
// control in this library: an application (or the library that builds those
// controls) registers a factory per kind; without one the kind opens
// nothing. A factory's control should be a TGridDropDownEditor over its
// drop-down, so that it keeps the same keys.
#include <functional>

#include "controls/dropdown/CalculatorDropDown.h"
#include "controls/dropdown/ColorPickerDropDown.h"
#include "controls/dropdown/DetailDropDown.h"
#include "controls/dropdown/ImagePickerDropDown.h"
#include "controls/dropdown/MemoDropDown.h"
#include "controls/dropdown/TimePickerDropDown.h"
#include "controls/dropdown/TrackBarDropDown.h"
#include "controls/dropdown/VynDropDown.h"
#include "grid/core/grid_types.h"
#include "grid/edit/grid_editor_wrapper.h"

class TVynStringGrid;

// How one wrapper of the family differs.
enum class TDropDownEditorFlavour {
    Plain,       // Tab (when the grid takes it)
    EnterEscape, // also claims Enter and Esc (track bar)
    Calculator,  // Enter completes the calculation first
    Color,       // the colour picker's key sets
};

// The keys and reports of one drop-down editor; the wrapper template below
// hands its overrides to it. Not copyable (the protocol refers to it).
class TGridDropDownLink : private TGridEditorHost {
public:
    TGridDropDownLink(TComponent* Owner, TVynCustomDropDown& Control, TDropDownEditorFlavour Flavour,
                      bool CaretFromClick);
    TGridDropDownLink(const TGridDropDownLink&) = delete;
    TGridDropDownLink& operator=(const TGridDropDownLink&) = delete;

    TGridEditorProtocol& Protocol() { return FProtocol; }
    TVynStringGrid* Grid() const { return FProtocol.Grid(); }
    bool Forced() const { return FForced; }
    bool WorkMode() const { return FWorkMode; }
    void ExpectReplay(QChar Char) { FReplayChar = Char; }

    // The control's own handlers, set by the wrapper.
    std::function<void(Word&, TShiftState)> BaseKeyDown;
    std::function<void(QChar&)> BaseKeyPress;
    // The text the editor commits (the drop-down base's Text unless set).
    std::function<String()> ReadText;
    // Run on Enter before the value is committed (the calculator's result).
    std::function<void()> BeforeEnter;

    void KeyDown(Word& Key, TShiftState Shift);
    void KeyPress(QChar& Key);
    bool WantsSpecialKey(Word Key) const;
    void Changed();
    void Exit();
    void FocusReceived();
    // The key is the grid's (not the control's).
    bool Handles(Word Key, TShiftState Shift) const;

private:
    String EditorValue() override;
    void LoadEditorValue(const String& Value) override;
    void SelectAllValue() override;
    void CaretToEnd() override;
    void RepaintEditor() override;

    TVynCustomDropDown& FControl;
    TGridEditorProtocol FProtocol;
    TDropDownEditorFlavour FFlavour;
    bool FCaretFromClick;
    bool FForced = false;
    bool FWorkMode = true;
    QChar FReplayChar;
};

// What the grid reaches of any drop-down editor.
class TGridDropDownEditorBase {
public:
    virtual ~TGridDropDownEditorBase() = default;
    virtual TGridDropDownLink& Link() = 0;
};

// A drop-down control as a cell editor of its grid (AOwner must be a
// TVynStringGrid).
template <class TBase>
class TGridDropDownEditor : public TBase, public TGridDropDownEditorBase {
public:
    TGridDropDownEditor(TComponent* AOwner, TDropDownEditorFlavour Flavour, bool CaretFromClick)
        : TBase(AOwner), FLink(AOwner, *this, Flavour, CaretFromClick)
    {
        FLink.BaseKeyDown = [this](Word& Key, TShiftState Shift) { TBase::KeyDown(Key, Shift); };
        FLink.BaseKeyPress = [this](QChar& Key) { TBase::KeyPress(Key); };
    }
    TGridDropDownLink& Link() override { return FLink; }
    TVynStringGrid* Grid() const { return FLink.Grid(); }

    void KeyDown(Word& Key, TShiftState Shift) override { FLink.KeyDown(Key, Shift); }
    void KeyPress(QChar& Key) override { FLink.KeyPress(Key); }

protected:
    void Change() override
    {
        TWeakRef<TControl> self(this);
        TBase::Change();
        if (self)
            FLink.Changed();
    }
    void DoExit() override
    {
        TWeakRef<TControl> self(this);
        FLink.Exit();
        if (self)
            TBase::DoExit();
    }
    void CMWantSpecialKey(TMessage& Message) override
    {
        const Word key = Word(Message.CharCode());
        TBase::CMWantSpecialKey(Message);
        if (FLink.WantsSpecialKey(key))
            Message.Result = 1;
    }
    // Without EditorEnabled the drop-down gives its edit no key-down but
    // Enter and Esc: the grid's other keys are taken here first.
    void WMKeyDown(TMessage& Message) override
    {
        Word key = Word(Message.CharCode());
        if (!this->EditorEnabled() && key != VK_RETURN && key != VK_ESCAPE &&
            FLink.Handles(key, KeyDataToShiftState(Message.KeyData()))) {
            TWeakRef<TControl> self(this);
            FLink.KeyDown(key, KeyDataToShiftState(Message.KeyData()));
            if (!self || key == 0)
                return;
            Message.SetCharCode(key);
        }
        TBase::WMKeyDown(Message);
    }
    void WMSetFocus(TMessage& Message) override
    {
        TWeakRef<TControl> self(this);
        TBase::WMSetFocus(Message);
        if (self)
            FLink.FocusReceived();
    }

private:
    TGridDropDownLink FLink;
};

class TGridTrackbarDropDown : public TGridDropDownEditor<TVynTrackBarDropDown> {
public:
    explicit TGridTrackbarDropDown(TComponent* AOwner);
};

class TGridMemoDropDown : public TGridDropDownEditor<TVynMemoDropDown> {
public:
    explicit TGridMemoDropDown(TComponent* AOwner);
    // The memo's lines joined by CR LF.
    String MemoValue() const;
};

class TGridCalculatorDropDown : public TGridDropDownEditor<TVynCalculatorDropdown> {
public:
    explicit TGridCalculatorDropDown(TComponent* AOwner);
};

class TGridTimepickerDropDown : public TGridDropDownEditor<TVynTimePickerDropDown> {
public:
    explicit TGridTimepickerDropDown(TComponent* AOwner);
};

class TGridDetailPickerDropDown : public TGridDropDownEditor<TVynDetailDropDown> {
public:
    explicit TGridDetailPickerDropDown(TComponent* AOwner);
};

class TGridColorDropDown : public TGridDropDownEditor<TVynColorPickerDropDown> {
public:
    explicit TGridColorDropDown(TComponent* AOwner);
};

class TGridImageDropDown : public TGridDropDownEditor<TVynImagePickerDropDown> {
public:
    explicit TGridImageDropDown(TComponent* AOwner);
};

// The drop-down editor kinds, edTrackbarDropDown .. edVynGridDropDown.
bool IsDropDownEditorKind(TEditorType Kind);

// Makes the control of edGridDropDown or edVynGridDropDown for a grid (its
// owner); the control is the grid's from then on. Nullptr: the kind opens
// nothing.
using TGridDropDownFactory = std::function<TVynCustomDropDown*(TVynStringGrid* Grid)>;
// Registers (an empty function: removes) the factory of one of the two
// grid drop-down kinds; other kinds raise EInvalidOperation. Grids made
// before keep the control they made.
void RegisterGridDropDownFactory(TEditorType Kind, TGridDropDownFactory Factory);
const TGridDropDownFactory& GridDropDownFactory(TEditorType Kind);
