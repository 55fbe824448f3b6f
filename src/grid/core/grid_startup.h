#pragma once
// The grid library's shared state, set up once when the program starts
// (and by test fixtures): the registered clipboard format of the grid's own
// cells, the two window messages of its editors, the grid classes in the
// class registry, the grid whose focus frame follows moves and resizes of
// its form (an event filter on that form, installed while the library is
// started). A second start does nothing; the end undoes the start. And the
// cell checker a grid hands its texts to.
#include "platform/gui/classes.h"
#include "platform/rtl/strings.h"

class TVynStringGrid;
class TWinControl;

namespace VynGridModule {

// Runs the start once (a counter guards repeats); true when this call ran it.
bool Start();
// Undoes the start (nothing when it has not run).
void End();
bool Started();

}  // namespace VynGridModule

// "TVynStringGrid Cells", "GridEditDone", "DTPShiftFocus": 0 until the start.
unsigned GridCellsClipFormat();
unsigned GridEditDoneMsg();
unsigned ShiftFocusMsg();
// The date and time pickers are always available on this platform.
bool ComCtl470Available();
// The grid whose focus frame follows moves of its form (nullptr: none).
// While the library is started, every move or resize of the top-level
// form of the active grid calls its MoveFocusWindow; the events go on to
// the form unchanged. A grid being destroyed clears the reference.
TVynStringGrid* HookActiveGrid();
void SetHookActiveGrid(TVynStringGrid* Grid);
// Lets mouse input pass through the window to what lies below it.
void SetTransparentExStyle(TWinControl* Window);
// Font name of the grid that last prepared a hint.
const String& HintFontName();
void SetHintFontName(const String& Value);

// A grid's cell checker. The base leaves every text as it is.
class TVynStringGridCheck : public TComponent {
public:
    using TComponent::TComponent;
    virtual String MarkError(int ACol, int ARow, const String& S);
    virtual String Correct(int ACol, int ARow, const String& S);
    virtual void StartCheck();
    virtual void StopCheck();

    bool GotoCell() const { return FGotoCell; }
    void SetGotoCell(bool Value) { FGotoCell = Value; }
    bool AutoCorrect() const { return FAutoCorrect; }
    void SetAutoCorrect(bool Value) { FAutoCorrect = Value; }
    bool AutoMarkError() const { return FAutoMarkError; }
    void SetAutoMarkError(bool Value) { FAutoMarkError = Value; }
    bool UseCorrect() const { return FUseCorrect; }
    void SetUseCorrect(bool Value) { FUseCorrect = Value; }
    bool UseMarkError() const { return FUseMarkError; }
    void SetUseMarkError(bool Value) { FUseMarkError = Value; }

private:
    bool FGotoCell = false, FAutoCorrect = false, FAutoMarkError = false, FUseCorrect = false, FUseMarkError = false;
};
