// The grid drop-down as a cell editor and the registration of its kind.
#include "controls/dropdown/grid/GridDropDownEditors.h"

#include "grid/core/vyn_string_grid.h"

TGridVynGridDropDown::TGridVynGridDropDown(TComponent* AOwner)
    : TGridDropDownEditor(AOwner, TDropDownEditorFlavour::Plain, false)
{
    InitGridDropDown();
}

void TGridGridDropDown::ControlKeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && DroppedDown())
        return;
    TGridDropDownEditor::ControlKeyDown(Key, Shift);
}

void RegisterGridDropDownEditors()
{
    RegisterGridDropDownFactory(TEditorType::edVynGridDropDown,
                                [](TVynStringGrid* Grid) -> TVynCustomDropDown* { return new TGridVynGridDropDown(Grid); });
    RegisterGridDropDownFactory(TEditorType::edGridDropDown,
                                [](TVynStringGrid* Grid) -> TVynCustomDropDown* { return new TGridGridDropDown(Grid); });
}
