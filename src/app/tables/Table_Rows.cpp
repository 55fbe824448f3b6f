#include "app/tables/Table_Rows.h"

#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "grid/core/column_grid.h"
#include "platform/gui/dialogs.h"

namespace {

// Texts of the text table.
constexpr int Txt_Overwrite_Row = 1100;
constexpr int Txt_Copy_Count = 1101;
constexpr int Txt_Copy_First = 1102;
constexpr int Txt_Last_Row_Used = 1142;

const String Check_Yes = QStringLiteral("Y");
const String Check_No = QStringLiteral("N");

// The last data column (hidden columns counted).
int Last_Col(TVynStringGrid& G) { return G.ColCount() + G.NumHiddenColumns() - 1; }

bool Is_Data_Row(const TVynStringGrid* G, int R) { return G && R >= 1 && R < G->RowCount(); }

void Show_Error(int Text) { MessageDlg(Lang_Text(Text), mtError, {mbOK}); }

// The paste's two errors; true when the clipboard fits a row of N columns
// (its texts, and its check flags when With_Flags).
bool Clipboard_Fits(int N, bool Copy_Flag, bool With_Flags)
{
    if (!Copy_Flag) {
        Show_Error(Txt_Copy_First);
        return false;
    }
    if (Row_Clipboard.Texts.Count() != N || (With_Flags && int(Row_Clipboard.Check.size()) != N)) {
        Show_Error(Txt_Copy_Count);
        return false;
    }
    return true;
}

bool Confirm_Overwrite()
{
    return MessageDlg(Lang_Text(Txt_Overwrite_Row), mtConfirmation, mbYesNo) == mrYes;
}

// Edits of many cells at once repaint once, at the end.
class Update_Lock {
public:
    explicit Update_Lock(TVynStringGrid& G) : g_(G) { g_.BeginUpdate(); }
    ~Update_Lock() { g_.EndUpdate(); }
    Update_Lock(const Update_Lock&) = delete;
    Update_Lock& operator=(const Update_Lock&) = delete;

private:
    TVynStringGrid& g_;
};

// ---- string grids with check-box cells

bool Is_Check_Cell(TVynStringGrid& G, int C, int R, bool& State)
{
    State = false;
    return G.GetCheckBoxState(C, R, State);
}

// Row From's cell C into row To: a box's state or the text, and the
// read-only flag (set only where it changes, so no cell gains a property
// object for a flag it does not have).
void Move_Check_Cell(TVynStringGrid& G, int C, int From, int To)
{
    bool state;
    if (Is_Check_Cell(G, C, From, state))
        G.SetCheckBoxState(C, To, state);
    else
        G.SetCells(C, To, G.Cells(C, From));
    const bool ro = G.ReadOnly(C, From);
    if (G.ReadOnly(C, To) != ro)
        G.SetReadOnly(C, To, ro);
}

// Row R emptied: boxes set to (Flag and column 1), other cells empty, every
// cell read-only or editable.
void Clear_Check_Row(TVynStringGrid& G, int R, bool Flag, bool Read_Only)
{
    const int n = Last_Col(G);
    for (int c = 1; c <= n; ++c) {
        bool state;
        if (Is_Check_Cell(G, c, R, state))
            G.SetCheckBoxState(c, R, Flag && c == 1);
        else
            G.SetCells(c, R, String());
        if (G.ReadOnly(c, R) != Read_Only)
            G.SetReadOnly(c, R, Read_Only);
    }
}

// A string grid's row is in use when a cell that is not a check box holds
// any text (blanks too).
bool Check_Row_In_Use(TVynStringGrid& G, int R)
{
    const int n = Last_Col(G);
    for (int c = 1; c <= n; ++c) {
        bool state;
        if (!Is_Check_Cell(G, c, R, state) && !G.Cells(c, R).isEmpty())
            return true;
    }
    return false;
}

// ---- column grids

bool Is_Check_Column(TVynColumnGrid& G, int C)
{
    return C < G.Columns()->Count() && G.Columns()->Items(C)->Editor() == TEditorType::edDataCheckBox;
}

// A column grid's row is in use when a column other than a data check-box
// column holds a text that is not blank.
bool Grid_Row_In_Use(TVynColumnGrid& G, int R)
{
    const int n = Last_Col(G);
    for (int c = 1; c <= n; ++c)
        if (!Is_Check_Column(G, c) && !Trim(G.Cells(c, R)).isEmpty())
            return true;
    return false;
}

// An insert pushes the last row out of the table: refused, with the
// message, while that row is in use.
bool May_Insert(bool Last_Row_In_Use)
{
    if (Last_Row_In_Use)
        Show_Error(Txt_Last_Row_Used);
    return !Last_Row_In_Use;
}

// The checks before a paste into row R: the clipboard fits, and a row in
// use may be overwritten.
template <typename G>
bool May_Paste(G& Grid, int R, bool Copy_Flag, bool With_Flags, bool (*Row_In_Use)(G&, int))
{
    return Clipboard_Fits(Last_Col(Grid), Copy_Flag, With_Flags) && (!Row_In_Use(Grid, R) || Confirm_Overwrite());
}

}  // namespace

// ---- string grids with check-box cells ---------------------------------------------------------

void Delete_Row_Check_Grid(int R, TVynStringGrid* Grid, bool Flag)
{
    if (!Is_Data_Row(Grid, R))
        return;
    TVynStringGrid& g = *Grid;
    Update_Lock lock(g);
    const int n = Last_Col(g), last = g.RowCount() - 1;
    for (int r = R; r < last; ++r)
        for (int c = 1; c <= n; ++c)
            Move_Check_Cell(g, c, r + 1, r);
    Clear_Check_Row(g, last, Flag, true);
}

bool Insert_Row_Check_Grid(int R, TVynStringGrid* Grid, bool Flag)
{
    if (!Is_Data_Row(Grid, R))
        return false;
    TVynStringGrid& g = *Grid;
    const int n = Last_Col(g), last = g.RowCount() - 1;
    if (!May_Insert(Check_Row_In_Use(g, last)))
        return false;
    Update_Lock lock(g);
    for (int r = last - 1; r >= R; --r)
        for (int c = 1; c <= n; ++c)
            Move_Check_Cell(g, c, r, r + 1);
    Clear_Check_Row(g, R, Flag, false);
    return true;
}

void Copy_Row_Check_Grid(TVynStringGrid* Grid, int R)
{
    if (!Is_Data_Row(Grid, R))
        return;
    TVynStringGrid& g = *Grid;
    const int n = Last_Col(g);
    TRow_Clipboard copy;
    for (int c = 1; c <= n; ++c) {
        bool state;
        const bool box = Is_Check_Cell(g, c, R, state);
        copy.Texts.Add(box ? (state ? Check_Yes : Check_No) : g.Cells(c, R));
        copy.Check.push_back(box);
    }
    Row_Clipboard.Assign(copy);
}

bool Paste_Row_Check_Grid(TVynStringGrid* Grid, int R, bool Copy_Flag)
{
    // A column-grid copy leaves no check flags: it does not fit here.
    if (!Is_Data_Row(Grid, R) || !May_Paste(*Grid, R, Copy_Flag, true, Check_Row_In_Use))
        return false;
    TVynStringGrid& g = *Grid;
    const int n = Last_Col(g);
    Update_Lock lock(g);
    for (int c = 1; c <= n; ++c) {
        const String& t = Row_Clipboard.Texts.Strings(c - 1);
        if (Row_Clipboard.Check[size_t(c - 1)])
            g.SetCheckBoxState(c, R, t == Check_Yes);
        else
            g.SetCells(c, R, t);
    }
    return true;
}

// ---- column grids ------------------------------------------------------------------------------

void Delete_Row_Grid(int R, TVynColumnGrid* Grid)
{
    if (!Is_Data_Row(Grid, R))
        return;
    TVynColumnGrid& g = *Grid;
    Update_Lock lock(g);
    const int n = Last_Col(g), last = g.RowCount() - 1;
    for (int r = R; r < last; ++r)
        for (int c = 1; c <= n; ++c)
            g.SetCells(c, r, g.Cells(c, r + 1));
    for (int c = 1; c <= n; ++c)
        g.SetCells(c, last, String());
}

bool Insert_Row_Grid(int R, TVynColumnGrid* Grid, bool Flag)
{
    if (!Is_Data_Row(Grid, R))
        return false;
    TVynColumnGrid& g = *Grid;
    const int n = Last_Col(g), last = g.RowCount() - 1;
    if (!May_Insert(Grid_Row_In_Use(g, last)))
        return false;
    Update_Lock lock(g);
    for (int r = last - 1; r >= R; --r)
        for (int c = 1; c <= n; ++c)
            g.SetCells(c, r + 1, g.Cells(c, r));
    for (int c = 1; c <= n; ++c)
        g.SetCells(c, R, c == 1 && Flag ? Check_Yes : String());
    return true;
}

void Copy_Row_Grid(TVynColumnGrid* Grid, int R)
{
    if (!Is_Data_Row(Grid, R))
        return;
    TVynColumnGrid& g = *Grid;
    const int n = Last_Col(g);
    // Texts only: the check flags of an earlier copy go with it.
    TRow_Clipboard copy;
    for (int c = 1; c <= n; ++c)
        copy.Texts.Add(g.Cells(c, R));
    Row_Clipboard.Assign(copy);
}

bool Paste_Row_Grid(TVynColumnGrid* Grid, int R, bool Copy_Flag)
{
    if (!Is_Data_Row(Grid, R) || !May_Paste(*Grid, R, Copy_Flag, false, Grid_Row_In_Use))
        return false;
    TVynColumnGrid& g = *Grid;
    const int n = Last_Col(g);
    Update_Lock lock(g);
    for (int c = 1; c <= n; ++c)
        g.SetCells(c, R, Row_Clipboard.Texts.Strings(c - 1));
    return true;
}

// ---- navigation and sizing ---------------------------------------------------------------------

void Grid_Enter_Next_Cell(TObject* Sender, QChar& Key)
{
    if (!Opt_Jump_Field_Tables || Key != QChar(13))
        return;
    auto* g = dynamic_cast<TVynStringGrid*>(Sender);
    if (!g)
        return;
    if (g->Col() > 0 && g->Row() > 0) {
        if (g->Col() < g->ColCount() - 1) {
            g->SetCol(g->Col() + 1);
        } else {
            g->SetCol(1);
            g->SetRow(g->Row() < g->RowCount() - 1 ? g->Row() + 1 : 1);
        }
    }
    Key = QChar(0);
}

void Grid_DblClick_AutoSize(TObject* Sender, int ARow, int ACol)
{
    if (!Opt_Double_Click_Auto_Size || ARow != 0)
        return;
    if (auto* g = dynamic_cast<TVynStringGrid*>(Sender))
        g->AutoSizeCol(ACol, 0);
}
