#pragma once
// What both EtherCAT editors do with their grids beyond the grids' plain
// events.
#include <QStringList>

#include "ethercat/model/EtherCAT_Files.h"
#include "grid/core/vyn_string_grid.h"

// The grid's combo item list, its change event and the cell click arrive
// with the grid's combo editor and its mouse handling: a grid without them
// takes the dialogs all the same, and the binding waits for them.
template <typename G>
void Fill_Combo(G& Grid, const QStringList& Items)
{
    if constexpr (requires(G& g) {
                      g.ClearComboString();
                      g.AddComboString(String());
                  }) {
        Grid.ClearComboString();
        for (const String& s : Items)
            Grid.AddComboString(s);
    }
}

template <typename G, typename F>
void Bind_Combo_Change(G& Grid, F Handler)
{
    if constexpr (requires(G& g) { g.OnComboChange = Handler; })
        Grid.OnComboChange = Handler;
}

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

// Shows Text in an error box with OK; false.
bool Show_Dialog_Error(const String& Text);
