#pragma once
// What both EtherCAT editors do with their grids beyond the grids' plain
// events.
#include <QStringList>

#include "ethercat/model/EtherCAT_Files.h"
#include "grid/core/vyn_string_grid.h"
#include "platform/gui/comctrls.h"
#include "platform/gui/forms.h"

class TLbButton;
class TPanel;
class TLabel;

// The type list of the grid's combo editor.
inline void Fill_Combo(TVynStringGrid& Grid, const QStringList& Items)
{
    Grid.ClearComboString();
    for (const String& s : Items)
        Grid.AddComboString(s);
}

template <typename F>
void Bind_Combo_Change(TVynStringGrid& Grid, F Handler)
{
    Grid.OnComboChange = Handler;
}

// The cell click arrives with the grid's mouse handling: until then the
// binding waits for it.
template <typename G, typename F>
void Bind_Click_Cell(G& Grid, F Handler)
{
    if constexpr (requires(G& g) { g.OnClickCell = Handler; })
        Grid.OnClickCell = Handler;
}

// Ends the grid's open cell edit as leaving the cell does: the text
// editor's value validated and stored, a special editor committed, the
// end-of-edit events fired.
void End_Grid_Edit(TVynStringGrid& Grid);

// The show's notice about a file holding more rows than a table: Dropped
// rows of direction Dir were not loaded, the table holding Size (text 1143).
String Overflow_Notice(TEtherCAT_Dir Dir, int Dropped, int Size);

// The parts both editors share, as their designs lay them out.
struct TEditor_Frame {
    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TS_SlaveToMaster = nullptr;
    TTabSheet* TS_MasterToSlave = nullptr;
};
// The title band, the button band and between them PageControl1 with its two
// tabs, on a form of Width x Height.
TEditor_Frame Add_Editor_Frame(TForm& Form, int Width, int Height);

// A push button of the button band, by position from the left (110 x 28,
// every 118 pixels from x = 16).
struct TEditor_Button {
    const char* Name;
    int Caption;  // text numbers; -1: a fixed caption, no hint
    int Hint;
    const char* Glyph;
};
TLbButton* Add_Editor_Button(TForm& Form, TPanel* Band, const TEditor_Button& Button, int Index);
// Captions and hints of the buttons that take theirs from the text table.
void Set_Button_Texts(TLbButton* const* Buttons, const TEditor_Button* Rows, int Count);

// The one of two grids Sender is or lies in; nullptr for any other sender.
template <typename G>
G* Owning_Grid(TObject* Sender, G* A, G* B)
{
    for (auto* c = dynamic_cast<TControl*>(Sender); c; c = c->Parent())
        if (c == A || c == B)
            return static_cast<G*>(c);
    return nullptr;
}

// A table of the editors: fills its tab sheet, one fixed header row and the
// fixed row-number column, Rows data rows, header height 22, editing and
// range selection, hover highlighting, both scroll bars.
// (A template: the column grid's own SetColCount keeps its column
// definitions in step.)
template <typename G>
void Setup_Editor_Grid(G& Grid, int Cols, int Rows)
{
    Grid.SetAlign(alClient);
    Grid.SetTabStop(true);
    Grid.SetColCount(Cols);
    Grid.SetRowCount(Rows + 1);
    Grid.SetFixedRows(1);
    Grid.SetFixedCols(1);
    Grid.SetFixedRowHeight(22);
    Grid.SetOptions(Grid.Options() + TGridOptions{goEditing, goRangeSelect});
    Grid.SetScrollBars(ssBoth);
    Grid.SetHoverRow(true);
}

// A colour from its red, green and blue.
constexpr TColor Rgb(int R, int G, int B) { return TColor(R | (G << 8) | (B << 16)); }

// A click on a row number (column 0) selects the whole row.
void Select_Row_On_Number(TVynStringGrid* Grid, int ARow, int ACol);

// Shows Text in an error box with OK; false.
bool Show_Dialog_Error(const String& Text);
