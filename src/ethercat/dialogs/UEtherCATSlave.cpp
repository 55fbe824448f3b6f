#include "ethercat/dialogs/UEtherCATSlave.h"

#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"
#include "app/tables/Table_Rows.h"
#include "ethercat/dialogs/Dialog_Grids.h"
#include "grid/core/vyn_string_grid.h"
#include "platform/gui/dialogs.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/files.h"

TFEtherCATSlave* FEtherCATSlave = nullptr;

namespace {

constexpr int Client_Width = 1200;
constexpr int Client_Height = 337;

constexpr int Col_Enable = 1;
constexpr int Col_Type = 2;
constexpr int Col_Length = 3;
constexpr int Col_Name = 4;

// Type codes of the two types whose Length the engineer types.
constexpr uint8_t String_Code = 9;
constexpr uint8_t Array_Code = 10;

constexpr TColor Enable_Color = Rgb(255, 216, 176);
constexpr TColor Edit_Color = Rgb(224, 250, 254);
constexpr TColor Init_Color = Rgb(168, 255, 168);
constexpr TColor Derived_Color = Rgb(252, 214, 244);
constexpr TColor Group_Color = Rgb(255, 255, 168);

// One column of a table: header and hint texts, width, data-cell colour,
// read-only (the derived columns).
struct TColumn {
    int Header;
    int Hint;  // -1: none (column 0)
    int Width;
    TColor Color;
    bool Read_Only;
};

const TColumn kStoM[] = {
    {1014, -1, 40, clNone, false},          {1015, 1024, 50, Enable_Color, false},
    {1016, 1025, 120, Edit_Color, false},   {1017, 1026, 100, Edit_Color, false},
    {1019, 1028, 280, Edit_Color, false},   {1020, 1029, 100, Init_Color, false},
    {1021, 1030, 100, Derived_Color, true}, {1022, 1031, 100, Derived_Color, true},
    {1059, 1061, 100, Group_Color, true},   {1023, 1032, 100, clWhite, false},
};
const TColumn kMtoS[] = {
    {1036, -1, 40, clNone, false},          {1037, 1044, 50, Enable_Color, false},
    {1038, 1045, 120, Edit_Color, false},   {1039, 1046, 100, Edit_Color, false},
    {1040, 1047, 280, Edit_Color, false},   {1041, 1048, 100, Derived_Color, true},
    {1042, 1049, 100, Derived_Color, true}, {1060, 1062, 100, Group_Color, true},
    {1043, 1050, 100, clWhite, false},
};

struct TTable {
    const TColumn* Columns;
    int Count;
};
TTable Table(bool StoM)
{
    return StoM ? TTable{kStoM, int(std::size(kStoM))} : TTable{kMtoS, int(std::size(kMtoS))};
}

// The buttons, left to right.
const TEditor_Button kButtons[] = {
    {"Btn_OK", 1002, 1008, "dlg_ok"},       {"Btn_Cancel", 1003, 1009, "dlg_cancel"},
    {"Btn_DelRow", 1004, 1010, nullptr},    {"Btn_InsRow", 1005, 1011, nullptr},
    {"Btn_CopyRow", 1006, 1012, nullptr},   {"Btn_PasteRow", 1007, 1013, nullptr},
    {"Btn_MoveUp", -1, -1, nullptr},        {"Btn_MoveDown", -1, -1, nullptr},
};

// Read as the compiler reads a number; text that is not one counts -1.
int Number_Or_Minus_One(const String& S) { return StrToIntDef(S, -1); }

TEtherCAT_Dir Dir_Of(bool StoM) { return StoM ? TEtherCAT_Dir::StoM : TEtherCAT_Dir::MtoS; }

}  // namespace

const TFEtherCATSlave::TCols& TFEtherCATSlave::Cols(bool StoM)
{
    static const TCols stom{10, 5, 6, 7, 8, 9};
    static const TCols mtos{9, -1, 5, 6, 7, 8};
    return StoM ? stom : mtos;
}

// ---- creation ----------------------------------------------------------------------------------

TFEtherCATSlave::TFEtherCATSlave(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FEtherCATSlave"));
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    const TEditor_Frame frame = Add_Editor_Frame(*this, Client_Width, Client_Height);
    P_Title = frame.P_Title;
    L_SW_Code = frame.L_SW_Code;
    L_SW_Desc = frame.L_SW_Desc;
    P_Button = frame.P_Button;
    PageControl1 = frame.PageControl1;
    TS_SlaveToMaster = frame.TS_SlaveToMaster;
    TS_MasterToSlave = frame.TS_MasterToSlave;
    TLbButton** buttons[] = {&Btn_OK,      &Btn_Cancel,   &Btn_DelRow, &Btn_InsRow,
                             &Btn_CopyRow, &Btn_PasteRow, &Btn_MoveUp, &Btn_MoveDown};
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        *buttons[i] = Add_Editor_Button(*this, P_Button, kButtons[i], int(i));
        (*buttons[i])->SetShowHint(i >= 4);
    }
    Btn_MoveUp->SetCaption("Move Up");
    Btn_MoveDown->SetCaption("Move Down");
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_DelRow->OnClick = [this](TObject* Sender) { Btn_DelRowClick(Sender); };
    Btn_InsRow->OnClick = [this](TObject* Sender) { Btn_InsRowClick(Sender); };
    Btn_CopyRow->OnClick = [this](TObject* Sender) { Btn_CopyRowClick(Sender); };
    Btn_PasteRow->OnClick = [this](TObject* Sender) { Btn_PasteRowClick(Sender); };
    Btn_MoveUp->OnClick = [this](TObject* Sender) { Btn_MoveClick(Sender); };
    Btn_MoveDown->OnClick = [this](TObject* Sender) { Btn_MoveClick(Sender); };

    VSG_SlaveMaster = Place_Control<TVynStringGrid>(this, TS_SlaveToMaster, "VSG_SlaveMaster", 0, 0, 400, 200);
    VSG_MasterSlave = Place_Control<TVynStringGrid>(this, TS_MasterToSlave, "VSG_MasterSlave", 0, 0, 400, 200);
    Build_Grid(VSG_SlaveMaster, true);
    Build_Grid(VSG_MasterSlave, false);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    Loaded();
}

void TFEtherCATSlave::Build_Grid(TVynStringGrid* G, bool StoM)
{
    Setup_Editor_Grid(*G, Cols(StoM).Count, Data_Rows);
    // Header hints are shown.
    G->SetShowHint(true);
    G->OnGetEditorType = [this](TObject* S, int C, int R, TEditorType& E) { GetEditorType(S, C, R, E); };
    G->OnCellValidate = [this](TObject* S, int C, int R, String& V, bool& Ok) { CellValidate(S, C, R, V, Ok); };
    G->OnCheckBoxChange = [this](TObject* S, int C, int R, bool State) { CheckBoxChange(S, C, R, State); };
    G->OnEditCellDone = [this](TObject* S, int C, int R) { EditCellDone(S, C, R); };
    G->OnDblClickCell = [this](TObject* S, int R, int C) { DblClickCell(S, R, C); };
    G->OnGridHint = [this](TObject* S, int R, int C, String& H) { GridHint(S, R, C, H); };
    // The grid that owns the cell, whatever control the key came from.
    G->OnKeyPress = [this, G](TObject*, QChar& Key) { KeyPress(G, Key); };
    Bind_Combo_Change(*G, [this](TObject* S, int C, int R, int I, const String& Sel) { ComboChange(S, C, R, I, Sel); });
    Bind_Click_Cell(*G, [this](TObject* S, int R, int C) { ClickCell(S, R, C); });
}

void TFEtherCATSlave::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Group_StoM = {TGroup{String(), 0}};
    Group_MtoS = {TGroup{String(), 0}};
    PageControl1->SetActivePage(TS_SlaveToMaster);
    Set_Lang();
    Init_Table();
}

void TFEtherCATSlave::Init_Table()
{
    for (TVynStringGrid* g : {VSG_SlaveMaster, VSG_MasterSlave}) {
        const bool stom = Is_StoM(g);
        const TTable t = Table(stom);
        g->BeginUpdate();
        g->SetColCount(t.Count);
        g->SetRowCount(Data_Rows + 1);
        for (int c = 0; c < t.Count; ++c) {
            g->SetCells(c, 0, Lang_Text(t.Columns[c].Header));
            g->SetColWidths(c, t.Columns[c].Width);
        }
        for (int r = 1; r <= Data_Rows; ++r) {
            g->SetCells(0, r, IntToStr(r));
            if (!g->HasCheckBox(Col_Enable, r))
                g->AddCheckBox(Col_Enable, r, false, true);
            g->SetCheckBoxState(Col_Enable, r, false);
            g->SetAlignments(Col_Enable, r, taCenter);
            for (int c = 1; c < t.Count; ++c)
                g->SetColors(c, r, t.Columns[c].Color);
        }
        Apply_Read_Only(g);
        g->EndUpdate();
    }
    VarType.clear();
    for (const TEtherCAT_Type& t : EtherCAT_Types())
        VarType << QString::fromLatin1(t.Name);
}

void TFEtherCATSlave::Set_Lang()
{
    SetCaption(Lang_Text(1000));
    L_SW_Desc->SetCaption(Lang_Text(1001));
    TLbButton* const buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    Set_Button_Texts(buttons, kButtons, int(std::size(buttons)));
    TS_SlaveToMaster->SetCaption(Lang_Text(1034));
    TS_MasterToSlave->SetCaption(Lang_Text(1035));
    for (bool stom : {true, false}) {
        const TTable t = Table(stom);
        TVynStringGrid* g = stom ? VSG_SlaveMaster : VSG_MasterSlave;
        QStringList& hints = stom ? Hint_StM : Hint_MtS;
        hints.clear();
        for (int c = 0; c < t.Count; ++c) {
            g->SetCells(c, 0, Lang_Text(t.Columns[c].Header));
            if (t.Columns[c].Hint >= 0)
                hints << Lang_Text(t.Columns[c].Hint);
        }
    }
}

// ---- read-only flags ---------------------------------------------------------------------------

void TFEtherCATSlave::Apply_Row_Read_Only(TVynStringGrid* G, int R)
{
    const TTable t = Table(Is_StoM(G));
    for (int c = 1; c < t.Count; ++c) {
        bool ro = t.Columns[c].Read_Only;
        if (c == Col_Length)
            if (const TEtherCAT_Type* type = Find_EtherCAT_Type(G->Cells(Col_Type, R)))
                ro = type->Length_Read_Only;
        if (G->ReadOnly(c, R) != ro)
            G->SetReadOnly(c, R, ro);
    }
}

void TFEtherCATSlave::Apply_Read_Only(TVynStringGrid* G)
{
    for (int r = 1; r <= Data_Rows; ++r)
        Apply_Row_Read_Only(G, r);
}

// ---- show --------------------------------------------------------------------------------------

void TFEtherCATSlave::FormShow(TObject*)
{
    type_edit_ = {};
    for (TVynStringGrid* g : {VSG_SlaveMaster, VSG_MasterSlave}) {
        g->BeginUpdate();
        const int last = Cols(Is_StoM(g)).Count + g->NumHiddenColumns() - 1;
        for (int r = 1; r <= Data_Rows; ++r) {
            g->SetCells(0, r, IntToStr(r));
            g->SetCheckBoxState(Col_Enable, r, true);
            for (int c = 2; c <= last; ++c)
                g->SetCells(c, r, String());
        }
        g->EndUpdate();
    }
    Group_StoM = {TGroup{String(), 0}};
    Group_MtoS = {TGroup{String(), 0}};
    QStringList problems;

    TEtherCAT_Groups groups;
    const TEtherCAT_Read_Result gr = Read_EtherCAT_Slave_Group(File_EtherCAT_Slave_Group, groups);
    if (gr.Failed())
        problems << gr.Message;
    if (gr.Status != TEtherCAT_Read::No_File && gr.Status != TEtherCAT_Read::Not_Well_Formed) {
        Group_StoM = Group_List(groups.StoM);
        Group_MtoS = Group_List(groups.MtoS);
    }

    TEtherCAT_Variables vars;
    const TEtherCAT_Read_Result vr = Read_EtherCAT_Slave(File_EtherCAT_Slave, vars);
    if (vr.Failed())
        problems << vr.Message;
    for (TVynStringGrid* g : {VSG_SlaveMaster, VSG_MasterSlave}) {
        const bool stom = Is_StoM(g);
        const TCols& k = Cols(stom);
        const std::vector<TEtherCAT_Var>& rows = vars.Rows(Dir_Of(stom));
        g->BeginUpdate();
        for (size_t i = 0; i < rows.size() && i < size_t(Data_Rows); ++i) {
            const TEtherCAT_Var& v = rows[i];
            const int r = int(i) + 1;
            g->SetCheckBoxState(Col_Enable, r, Editor_Ticked(v));
            g->SetCells(Col_Type, r, v.Type);
            VarSetLength(g, v.Type, r);
            g->SetCells(Col_Length, r, v.Length);
            g->SetCells(Col_Name, r, v.Name);
            if (k.Init >= 0)
                g->SetCells(k.Init, r, v.InitValue);
            g->SetCells(k.Position, r, v.Position);
            g->SetCells(k.BitStart, r, v.BitStart);
            g->SetCells(k.Mnemonic, r, v.Mnemonic);
        }
        g->EndUpdate();
        if (rows.size() > size_t(Data_Rows))
            problems << Overflow_Notice(Dir_Of(stom), int(rows.size()) - Data_Rows, Data_Rows);
    }
    for (TVynStringGrid* g : {VSG_SlaveMaster, VSG_MasterSlave}) {
        Apply_Read_Only(g);
        Show_Group(g, Is_StoM(g));
    }
    for (TVynStringGrid* g : {VSG_SlaveMaster, VSG_MasterSlave})
        Calc_Position_Bit(g, Is_StoM(g));
    Do_Copy_StM = false;
    Do_Copy_MtS = false;
    if (!problems.isEmpty())
        MessageDlg(problems.join("\n"), mtWarning, TMsgDlgButtons{mbOK});
}

// ---- the layout adapters -----------------------------------------------------------------------

bool TFEtherCATSlave::Enabled(TVynStringGrid* G, int R) const
{
    bool state = false;
    return G->GetCheckBoxState(Col_Enable, R, state) && state;
}

void TFEtherCATSlave::VarSetLength(TVynStringGrid* G, const String& Type, int R)
{
    String length;
    bool ro = false;
    if (!Length_Rule(Type, length, ro))
        return;
    G->SetCells(Col_Length, R, length);
    if (G->ReadOnly(Col_Length, R) != ro)
        G->SetReadOnly(Col_Length, R, ro);
}

void TFEtherCATSlave::Calc_Position_Bit(TVynStringGrid* G, bool StoM)
{
    const TCols& k = Cols(StoM);
    std::vector<TLayout_Row> rows;
    rows.reserve(Data_Rows);
    for (int r = 1; r <= Data_Rows; ++r)
        rows.push_back({Enabled(G, r), G->Cells(Col_Type, r), G->Cells(Col_Length, r)});
    std::vector<TLayout_Slot> places;
    try {
        places = ::Calc_Position_Bit(rows);
    } catch (const EConvertError&) {
        // Lengths too large to place: the positions stay as they are, and
        // OK refuses the table (those rows are not 1..255 or not a type).
        return;
    }
    G->BeginUpdate();
    for (int r = 1; r <= Data_Rows; ++r) {
        const TLayout_Slot& s = places[size_t(r - 1)];
        if (!s.Set)
            break;
        G->SetCells(k.Position, r, IntToStr(s.Position));
        G->SetCells(k.BitStart, r, IntToStr(s.Bit));
    }
    G->EndUpdate();
}

void TFEtherCATSlave::Show_Group(TVynStringGrid* G, bool StoM)
{
    std::vector<bool> enabled;
    enabled.reserve(Data_Rows);
    for (int r = 1; r <= Data_Rows; ++r)
        enabled.push_back(Enabled(G, r));
    const std::vector<String> names = ::Show_Group(StoM ? Group_StoM : Group_MtoS, enabled);
    G->BeginUpdate();
    for (int r = 1; r <= Data_Rows; ++r)
        G->SetCells(Cols(StoM).Group, r, names[size_t(r - 1)]);
    G->EndUpdate();
}

void TFEtherCATSlave::Recompute(TVynStringGrid* G)
{
    Apply_Read_Only(G);
    Show_Group(G, Is_StoM(G));
    Calc_Position_Bit(G, Is_StoM(G));
}

// ---- grids and pages ---------------------------------------------------------------------------

TVynStringGrid* TFEtherCATSlave::Grid(TEtherCAT_Dir Dir) const
{
    return Dir == TEtherCAT_Dir::StoM ? VSG_SlaveMaster : VSG_MasterSlave;
}

TVynStringGrid* TFEtherCATSlave::Page_Grid() const
{
    return PageControl1->ActivePage() == TS_MasterToSlave ? VSG_MasterSlave : VSG_SlaveMaster;
}

TVynStringGrid* TFEtherCATSlave::Grid_Of(TObject* Sender) const
{
    return Owning_Grid(Sender, VSG_SlaveMaster, VSG_MasterSlave);
}

// ---- grid handlers -----------------------------------------------------------------------------

void TFEtherCATSlave::GetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)
{
    TVynStringGrid* g = Grid_Of(Sender);
    if (!g || ACol != Col_Type)
        return;
    AEditor = TEditorType::edComboList;
    Fill_Combo(*g, VarType);
    Begin_Type_Edit(g, ARow);
}

void TFEtherCATSlave::Begin_Type_Edit(TVynStringGrid* G, int R)
{
    if (type_edit_.Grid == G && type_edit_.Row == R)
        return;  // the edit under way keeps the row as it began
    type_edit_ = {G, R, G->Cells(Col_Type, R), G->Cells(Col_Length, R), G->ReadOnly(Col_Length, R)};
}

void TFEtherCATSlave::ComboChange(TObject* Sender, int ACol, int ARow, int, const String& ASelection)
{
    TVynStringGrid* g = Grid_Of(Sender);
    if (!g || ACol != Col_Type)
        return;
    Begin_Type_Edit(g, ARow);
    if (ASelection == type_edit_.Type) {
        // Back at the type the edit began with: its Length as it was.
        g->SetCells(Col_Length, ARow, type_edit_.Length);
        if (g->ReadOnly(Col_Length, ARow) != type_edit_.Read_Only)
            g->SetReadOnly(Col_Length, ARow, type_edit_.Read_Only);
    } else {
        VarSetLength(g, ASelection, ARow);
    }
    g->SetCells(Col_Type, ARow, ASelection);
    Calc_Position_Bit(g, Is_StoM(g));
}

void TFEtherCATSlave::EditCellDone(TObject* Sender, int ACol, int ARow)
{
    TVynStringGrid* g = Grid_Of(Sender);
    // The end of an earlier edit, reported after the next one began, leaves
    // the next one's row alone.
    if (!g || ACol != Col_Type || type_edit_.Grid != g || type_edit_.Row != ARow)
        return;
    if (g->Cells(Col_Type, ARow) == type_edit_.Type) {
        // Esc (or browsing back): the row as the edit found it.
        g->SetCells(Col_Length, ARow, type_edit_.Length);
        if (g->ReadOnly(Col_Length, ARow) != type_edit_.Read_Only)
            g->SetReadOnly(Col_Length, ARow, type_edit_.Read_Only);
        Calc_Position_Bit(g, Is_StoM(g));
    }
    type_edit_ = {};
}

void TFEtherCATSlave::CellValidate(TObject* Sender, int ACol, int ARow, String& Value, bool& Valid)
{
    Valid = true;
    TVynStringGrid* g = Grid_Of(Sender);
    if (!g || ACol < Col_Enable || ACol > Col_Length)
        return;
    // The layout reads the value being stored.
    g->SetCells(ACol, ARow, Value);
    Calc_Position_Bit(g, Is_StoM(g));
}

void TFEtherCATSlave::CheckBoxChange(TObject* Sender, int ACol, int, bool)
{
    TVynStringGrid* g = Grid_Of(Sender);
    if (!g || ACol != Col_Enable)
        return;
    Show_Group(g, Is_StoM(g));
    Calc_Position_Bit(g, Is_StoM(g));
}

void TFEtherCATSlave::ClickCell(TObject* Sender, int ARow, int ACol)
{
    Select_Row_On_Number(Grid_Of(Sender), ARow, ACol);
}

void TFEtherCATSlave::DblClickCell(TObject* Sender, int ARow, int ACol)
{
    if (TVynStringGrid* g = Grid_Of(Sender))
        Grid_DblClick_AutoSize(g, ARow, ACol);
}

void TFEtherCATSlave::KeyPress(TObject* Sender, QChar& Key)
{
    if (TVynStringGrid* g = Grid_Of(Sender))
        Grid_Enter_Next_Cell(g, Key);
}

void TFEtherCATSlave::GridHint(TObject* Sender, int ARow, int ACol, String& HintStr)
{
    HintStr.clear();
    TVynStringGrid* g = Grid_Of(Sender);
    if (!g || ARow != 0 || ACol <= 0)
        return;
    const QStringList& hints = Is_StoM(g) ? Hint_StM : Hint_MtS;
    const int i = g->RealColIndex(ACol) - 1;
    if (i >= 0 && i < hints.size())
        HintStr = hints[i];
}

// ---- buttons -----------------------------------------------------------------------------------

void TFEtherCATSlave::Btn_DelRowClick(TObject*)
{
    TVynStringGrid* g = Page_Grid();
    End_Edit(g);
    const int r = g->Row();
    if (MessageDlg(Format_Lang(Lang_Text(1033), {r}), mtConfirmation, mbYesNo) == mrYes)
        Delete_Row_Check_Grid(r, g, true);
    Recompute(g);
}

void TFEtherCATSlave::Btn_InsRowClick(TObject*)
{
    TVynStringGrid* g = Page_Grid();
    End_Edit(g);
    Insert_Row_Check_Grid(g->Row(), g, true);
    Apply_Read_Only(g);
    Show_Group(g, Is_StoM(g));
}

void TFEtherCATSlave::Btn_CopyRowClick(TObject*)
{
    TVynStringGrid* g = Page_Grid();
    End_Edit(g);
    Copy_Row_Check_Grid(g, g->Row());
    Do_Copy_StM = Is_StoM(g);
    Do_Copy_MtS = !Is_StoM(g);
}

void TFEtherCATSlave::Btn_PasteRowClick(TObject*)
{
    TVynStringGrid* g = Page_Grid();
    End_Edit(g);
    const int r = g->Row();
    Paste_Row_Check_Grid(g, r, Is_StoM(g) ? Do_Copy_StM : Do_Copy_MtS);
    const String length = g->Cells(Col_Length, r);
    VarSetLength(g, g->Cells(Col_Type, r), r);
    g->SetCells(Col_Length, r, length);
    Recompute(g);
}

void TFEtherCATSlave::Btn_MoveClick(TObject* Sender)
{
    TVynStringGrid* g = Page_Grid();
    End_Edit(g);
    MoveRow_VSG(g->Row(), g, Sender == Btn_MoveUp);
    Recompute(g);
}

void TFEtherCATSlave::MoveRow_VSG(int R, TVynStringGrid* G, bool Up)
{
    const int other = Up ? R - 1 : R + 1;
    if (R < 1 || R > Data_Rows || other < 1 || other > Data_Rows)
        return;
    type_edit_ = {};
    G->BeginUpdate();
    bool a = false, b = false;
    G->GetCheckBoxState(Col_Enable, R, a);
    G->GetCheckBoxState(Col_Enable, other, b);
    G->SetCheckBoxState(Col_Enable, R, b);
    G->SetCheckBoxState(Col_Enable, other, a);
    const int last = G->ColCount() + G->NumHiddenColumns() - 1;
    for (int c = 2; c <= last; ++c) {
        const String t = G->Cells(c, R);
        G->SetCells(c, R, G->Cells(c, other));
        G->SetCells(c, other, t);
    }
    G->EndUpdate();
    G->SetRow(other);
}

// ---- validation and saving ---------------------------------------------------------------------

bool TFEtherCATSlave::CheckArraySting(const String& S)
{
    for (QChar c : S.toUpper())
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')))
            return false;
    return true;
}

bool TFEtherCATSlave::Controllo_dati()
{
    auto fault = [](int R, int Text) { return Show_Dialog_Error(Lang_Text(1051) + IntToStr(R) + Lang_Text(Text)); };
    for (bool stom : {true, false}) {
        TVynStringGrid* g = stom ? VSG_SlaveMaster : VSG_MasterSlave;
        for (int r = 1; r <= Data_Rows; ++r) {
            const String type = g->Cells(Col_Type, r);
            if (Trim(type).isEmpty())
                break;
            // The type as the layout model reads it (a hand-edited " array " is an Array).
            const TEtherCAT_Type* t = Find_EtherCAT_Type(type);
            const bool array = t && t->Code == Array_Code, string = t && t->Code == String_Code;
            if (!Enabled(g, r) || (!array && !string))
                continue;
            const int length = Number_Or_Minus_One(g->Cells(Col_Length, r));
            const bool length_ok = length >= 1 && length <= 255;
            if (!stom) {
                if (!length_ok)
                    return fault(r, 1058);
                continue;
            }
            const String init = g->Cells(Cols(true).Init, r);
            if (array) {
                if (!length_ok)
                    return fault(r, 1052);
                if (init.isEmpty())
                    continue;
                if (init.size() % 2 != 0)
                    return fault(r, 1053);
                if (init.size() / 2 > length)
                    return fault(r, 1054);
                if (!CheckArraySting(init))
                    return fault(r, 1055);
            } else {
                if (!length_ok)
                    return fault(r, 1056);
                if (!init.isEmpty() && init.size() > length)
                    return fault(r, 1057);
            }
        }
    }
    // What the image compiler and the ESI writer demand of the same rows.
    const TEtherCAT_Variables vars = Table_Variables();
    int bytes[2] = {0, 0};
    for (TEtherCAT_Dir dir : {TEtherCAT_Dir::StoM, TEtherCAT_Dir::MtoS}) {
        std::vector<TEtherCAT_Entry> entries;
        String error;
        if (!EtherCAT_Entries(vars.Rows(dir), dir, entries, error, &bytes[int(dir)]))
            return Show_Dialog_Error(error);
    }
    if (String error; !Check_Sync_Managers(bytes[0], bytes[1], error))
        return Show_Dialog_Error(error);
    return true;
}

TEtherCAT_Variables TFEtherCATSlave::Table_Variables() const
{
    TEtherCAT_Variables vars;
    for (bool stom : {true, false}) {
        TVynStringGrid* g = stom ? VSG_SlaveMaster : VSG_MasterSlave;
        const TCols& k = Cols(stom);
        std::vector<TEtherCAT_Var>& rows = vars.Rows(Dir_Of(stom));
        for (int r = 1; r <= Data_Rows; ++r) {
            const String type = g->Cells(Col_Type, r);
            if (Trim(type).isEmpty())
                break;
            TEtherCAT_Var v;
            v.Enable = Enabled(g, r) ? QStringLiteral("Y") : QStringLiteral("N");
            v.Type = type;
            v.Length = g->Cells(Col_Length, r);
            v.Name = g->Cells(Col_Name, r);
            if (k.Init >= 0)
                v.InitValue = g->Cells(k.Init, r);
            v.Position = g->Cells(k.Position, r);
            v.BitStart = g->Cells(k.BitStart, r);
            v.Group = g->Cells(k.Group, r);
            v.Mnemonic = g->Cells(k.Mnemonic, r);
            rows.push_back(v);
        }
    }
    return vars;
}

void TFEtherCATSlave::End_Edit(TVynStringGrid* G)
{
    End_Grid_Edit(*G);
    // Rows are about to move or be saved: no Type edit is under way.
    type_edit_ = {};
}

void TFEtherCATSlave::Btn_OKClick(TObject*)
{
    for (TVynStringGrid* g : {VSG_SlaveMaster, VSG_MasterSlave})
        End_Edit(g);
    // Saved positions are never stale.
    for (TVynStringGrid* g : {VSG_SlaveMaster, VSG_MasterSlave}) {
        Show_Group(g, Is_StoM(g));
        Calc_Position_Bit(g, Is_StoM(g));
    }
    if (!Controllo_dati())
        return;
    try {
        Save_EtherCAT_Slave(File_EtherCAT_Slave, Table_Variables());
    } catch (const EFileError& e) {
        Show_Dialog_Error(Lang_Text(1144) + e.Message());
        return;
    }
    SetModalResult(mrOk);
}
