#pragma once
// The grid's cell editor of kind edVynGridDropDown: the grid drop-down as a
// drop-down editor of its grid (the wrapper family's keys,
// grid/edit/grid_dropdown_editors.h), and the registration of the grid
// drop-down kinds with the grid library.
#include "controls/dropdown/grid/VynGridDropDown.h"
#include "grid/edit/grid_dropdown_editors.h"
#include "controls/dropdown/MultiColumnDropDown.h"

class TGridVynGridDropDown : public TGridDropDownEditor<TCustomVynGridDropDown> {
public:
    // AOwner must be a TVynStringGrid.
    explicit TGridVynGridDropDown(TComponent* AOwner);
    // The grid in the popup.
    TVynStringGrid* Grid() const { return GetColGrid(); }
};

// The cell editor of kind edGridDropDown: the multi-column drop-down.
class TGridGridDropDown : public TGridDropDownEditor<TVynMultiColumnDropDown> {
public:
    explicit TGridGridDropDown(TComponent* AOwner)
        : TGridDropDownEditor(AOwner, TDropDownEditorFlavour::Plain, false)
    {
    }

protected:
    // The popup grid's Enter picks its row and closes the popup, and the
    // editor keeps the focus: it is not the cell's Enter, which would commit
    // the cell and hand the focus to the grid.
    void ControlKeyDown(Word& Key, TShiftState Shift) override;
};

// Registers the factories of the grid drop-down kinds with the grid
// library (RegisterGridDropDownFactory). The program calls it once at
// start-up, after the grid library's start; calling it again changes
// nothing.
void RegisterGridDropDownEditors();
