#include "grid/core/grid_startup.h"

#include "platform/gui/clipboard.h"
#include "platform/gui/messages.h"

namespace {

struct ModuleState {
    int Starts = 0;
    unsigned CellsFormat = 0, EditDone = 0, ShiftFocus = 0;
    TVynStringGrid* ActiveGrid = nullptr;
    String HintFont;
};

ModuleState& State()
{
    static ModuleState s;
    return s;
}

}  // namespace

bool VynGridModule::Start()
{
    ModuleState& s = State();
    if (s.Starts++ > 0)
        return false;
    s.ActiveGrid = nullptr;
    s.CellsFormat = RegisterClipboardFormat(QStringLiteral("TVynStringGrid Cells"));
    s.EditDone = RegisterWindowMessage(QStringLiteral("GridEditDone"));
    s.ShiftFocus = RegisterWindowMessage(QStringLiteral("DTPShiftFocus"));
    return true;
}

void VynGridModule::End()
{
    ModuleState& s = State();
    if (s.Starts == 0)
        return;
    s.Starts = 0;
    s.ActiveGrid = nullptr;
    s.HintFont.clear();
}

bool VynGridModule::Started() { return State().Starts > 0; }

unsigned GridCellsClipFormat() { return State().CellsFormat; }
unsigned GridEditDoneMsg() { return State().EditDone; }
unsigned ShiftFocusMsg() { return State().ShiftFocus; }
bool ComCtl470Available() { return true; }
TVynStringGrid* HookActiveGrid() { return State().ActiveGrid; }
void SetHookActiveGrid(TVynStringGrid* Grid) { State().ActiveGrid = Grid; }
const String& HintFontName() { return State().HintFont; }
void SetHintFontName(const String& Value) { State().HintFont = Value; }

String TVynStringGridCheck::MarkError(int, int, const String& S) { return S; }
String TVynStringGridCheck::Correct(int, int, const String& S) { return S; }
void TVynStringGridCheck::StartCheck() {}
void TVynStringGridCheck::StopCheck() {}
