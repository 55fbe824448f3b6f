#pragma once
// The EtherCAT variables editor (TFEtherCATSlave), shown by step 3 "EtherCAT
// Set Access": one table of 256 variables per direction, loaded from
// EtherCAT_Slave.xml and EtherCAT_Slave_Group.xml at every show and written
// back to EtherCAT_Slave.xml on OK.
//
// The derived columns (Position, Start Bit, Group) and the Length a chosen
// type sets come from the layout model (ethercat/model), the one the image
// compiler and the ESI writer use, so the editor shows what the device and
// the description will hold:
// - the Length cell is read-only for the fixed types and editable for Array,
//   String and any other text, after every row operation and every show;
//   Position, Start Bit and Group are always read-only;
// - a Type edit that ends with the type it began with (Esc, or browsing the
//   list and coming back) leaves the Length and its flag as they were;
// - OK ends an open cell edit first, recomputes the positions and refuses,
//   after the table's own checks, every row the compiler or the ESI writer
//   would refuse (unknown enabled type, initial value, name), naming the
//   direction and the row;
// - a file with more rows than a table is loaded up to the table's size and
//   the show says how many rows of which direction were left out.
#include <QStringList>

#include <vector>

#include "ethercat/model/EtherCAT_Layout.h"
#include "grid/core/grid_types.h"
#include "platform/gui/comctrls.h"
#include "platform/gui/forms.h"
#include "platform/gui/stdctrls.h"

class TLbButton;
class TPanel;
class TVynStringGrid;

class TFEtherCATSlave : public TForm {
public:
    explicit TFEtherCATSlave(TComponent* AOwner);

    // Applies the dialog's texts from the text table: caption, title,
    // buttons and their hints, tabs, column headers and the header hints.
    void Set_Lang();
    // Columns, widths, colours, check boxes, row numbers and read-only flags
    // of both tables; fills VarType.
    void Init_Table();

    // ---- the design's event handlers
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Btn_OKClick(TObject* Sender);
    void Btn_DelRowClick(TObject* Sender);
    void Btn_InsRowClick(TObject* Sender);
    void Btn_CopyRowClick(TObject* Sender);
    void Btn_PasteRowClick(TObject* Sender);
    // Move Up when Sender is Btn_MoveUp, else Move Down.
    void Btn_MoveClick(TObject* Sender);

    // ---- the grids' handlers (Sender: the grid, or a control inside it)
    void GetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
    void ComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, const String& ASelection);
    void CellValidate(TObject* Sender, int ACol, int ARow, String& Value, bool& Valid);
    void CheckBoxChange(TObject* Sender, int ACol, int ARow, bool State);
    // The end of a cell's edit (the grid's OnEditCellDone).
    void EditCellDone(TObject* Sender, int ACol, int ARow);
    void ClickCell(TObject* Sender, int ARow, int ACol);
    void DblClickCell(TObject* Sender, int ARow, int ACol);
    void KeyPress(TObject* Sender, QChar& Key);
    void GridHint(TObject* Sender, int ARow, int ACol, String& HintStr);

    // ---- the operations on a table
    // The Length rule of Type on row ARow: Length text and read-only flag;
    // a text none of the ten types name changes nothing.
    void VarSetLength(TVynStringGrid* Grid, const String& Type, int ARow);
    void Calc_Position_Bit(TVynStringGrid* Grid, bool StoM);
    void Show_Group(TVynStringGrid* Grid, bool StoM);
    // Swaps row ARow with the row above (Up) or below; the current row
    // follows. Row 1 up and row 256 down change nothing.
    void MoveRow_VSG(int ARow, TVynStringGrid* Grid, bool Up);
    // Every character, upper-cased, is 0-9 or A-F.
    static bool CheckArraySting(const String& S);
    // The table's checks, then the layout model's; the first fault is shown
    // (an error box with OK) and the answer is false.
    bool Controllo_dati();

    // The rows OK would save, up to the first empty Type.
    TEtherCAT_Variables Table_Variables() const;
    // The grid of a direction, and the direction of the active page.
    TVynStringGrid* Grid(TEtherCAT_Dir Dir) const;
    TVynStringGrid* Page_Grid() const;

    // ---- controls
    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TS_SlaveToMaster = nullptr;
    TTabSheet* TS_MasterToSlave = nullptr;
    TVynStringGrid* VSG_SlaveMaster = nullptr;
    TVynStringGrid* VSG_MasterSlave = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;
    TLbButton* Btn_DelRow = nullptr;
    TLbButton* Btn_InsRow = nullptr;
    TLbButton* Btn_CopyRow = nullptr;
    TLbButton* Btn_PasteRow = nullptr;
    TLbButton* Btn_MoveUp = nullptr;
    TLbButton* Btn_MoveDown = nullptr;

    // ---- data
    QStringList Hint_StM, Hint_MtS;
    QStringList VarType;
    std::vector<TGroup> Group_StoM, Group_MtoS;
    bool Do_Copy_StM = false;
    bool Do_Copy_MtS = false;

    static constexpr int Data_Rows = EtherCAT_Max_Variables;

private:
    // The columns of one direction's table.
    struct TCols {
        int Count;
        int Init;  // -1: none
        int Position, BitStart, Group, Mnemonic;
    };
    static const TCols& Cols(bool StoM);
    bool Is_StoM(const TVynStringGrid* Grid) const { return Grid == VSG_SlaveMaster; }
    // The dialog's grid Sender is or lies in; nullptr for any other.
    TVynStringGrid* Grid_Of(TObject* Sender) const;
    bool Enabled(TVynStringGrid* Grid, int ARow) const;
    // Read-only flags as Init_Table gives them, the Length cell's by the
    // row's type; for every data row.
    void Apply_Read_Only(TVynStringGrid* Grid);
    void Apply_Row_Read_Only(TVynStringGrid* Grid, int ARow);
    void Build_Grid(TVynStringGrid* Grid, bool StoM);
    // Ends an open cell edit of the grid, validating it.
    void End_Edit(TVynStringGrid* Grid);
    void Recompute(TVynStringGrid* Grid);

    // The row a Type edit began on, as it was then.
    struct TType_Edit {
        TVynStringGrid* Grid = nullptr;
        int Row = 0;
        String Type, Length;
        bool Read_Only = false;
    };
    TType_Edit type_edit_;
    void Begin_Type_Edit(TVynStringGrid* Grid, int ARow);
};

extern TFEtherCATSlave* FEtherCATSlave;
