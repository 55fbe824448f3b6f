#pragma once
// The row commands every rule editor offers on its tables (delete, insert,
// copy, paste) and the two conveniences of its grids (Enter moves to the
// next cell; a double click on a column header sizes the column).
//
// Two families: the string grids whose cells may carry check boxes
// (*_Check_Grid: a box's state moves through its check-box state, and the
// cells' read-only flags move with the rows) and the column grids (*_Grid:
// texts only). Both visit the data columns 1 .. ColCount + NumHiddenColumns
// - 1 (hidden columns included) of a data row R in 1 .. RowCount - 1;
// column 0 and row 0 are never changed, and an R outside that range does
// nothing.
//
// The row clipboard (Row_Clipboard, UComon) is shared by all tables: every
// copy replaces it whole. Each editor keeps its own copy flag per table and
// hands it to the paste.
//
// Paste: a false copy flag is reported (text 1102), so is a clipboard of
// another column count (1101); a row in use asks first (1100). Insert
// refuses (text 1142) when the last row is in use, since it would be pushed
// out of the table; an empty last row simply goes. The in-use test is the
// family's own: any cell that is not a check box with a text (a string
// grid, blanks count), or any cell of a column that is not a data check-box
// column with a text that is not blank (a column grid).
#include "platform/gui/classes.h"

class TVynStringGrid;
class TVynColumnGrid;

// ---- string grids with check-box cells
void Delete_Row_Check_Grid(int R, TVynStringGrid* Grid, bool Flag);
// False when nothing was inserted (R outside the data rows, or the last
// row in use: refused with a message).
bool Insert_Row_Check_Grid(int R, TVynStringGrid* Grid, bool Flag);
void Copy_Row_Check_Grid(TVynStringGrid* Grid, int R);
// True when the row was written.
bool Paste_Row_Check_Grid(TVynStringGrid* Grid, int R, bool Copy_Flag);

// ---- column grids
void Delete_Row_Grid(int R, TVynColumnGrid* Grid);
bool Insert_Row_Grid(int R, TVynColumnGrid* Grid, bool Flag);
void Copy_Row_Grid(TVynColumnGrid* Grid, int R);
bool Paste_Row_Grid(TVynColumnGrid* Grid, int R, bool Copy_Flag);

// With Opt_Jump_Field_Tables on, Enter (character 13) in a data cell moves
// to the next cell of the row, else to column 1 of the next row, or of row
// 1 after the last row, and the key is swallowed (set to 0). Sender is the
// grid of the key-press event.
void Grid_Enter_Next_Cell(TObject* Sender, QChar& Key);
// With Opt_Double_Click_Auto_Size on, a double click on the header row
// sizes the column to its content (AutoSizeCol(ACol, 0)); any other row
// does nothing.
void Grid_DblClick_AutoSize(TObject* Sender, int ARow, int ACol);
