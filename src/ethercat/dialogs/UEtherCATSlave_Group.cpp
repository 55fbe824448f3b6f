#include "ethercat/dialogs/UEtherCATSlave_Group.h"

#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"
#include "app/tables/Table_Rows.h"
#include "ethercat/dialogs/Dialog_Grids.h"
#include "grid/core/column_grid.h"
#include "platform/gui/dialogs.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/files.h"

TFEtherCATSlave_Group* FEtherCATSlave_Group = nullptr;

namespace {

constexpr int Client_Width = 800;
constexpr int Client_Height = 337;
constexpr int Col_Name = 1;
constexpr int Col_Num = 2;
constexpr int Col_Mnemonic = 3;


// Columns 0 to 3: header texts of both directions, width, data colour.
struct TColumn {
    int Header_StoM, Header_MtoS;
    int Width;
    TColor Color;
};
const TColumn kColumns[] = {
    {5316, 5319, 40, clNone},
    {5317, 5320, 300, Rgb(224, 250, 254)},
    {5323, 5324, 100, Rgb(168, 255, 168)},
    {5318, 5321, 300, clWindow},
};

const TEditor_Button kButtons[] = {
    {"Btn_OK", 5302, 5308, "dlg_ok"},    {"Btn_Cancel", 5303, 5309, "dlg_cancel"},
    {"Btn_DelRow", 5304, 5310, nullptr}, {"Btn_InsRow", 5305, 5311, nullptr},
    {"Btn_CopyRow", 5306, 5312, nullptr}, {"Btn_PasteRow", 5307, 5313, nullptr},
};

}  // namespace

TFEtherCATSlave_Group::TFEtherCATSlave_Group(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FEtherCATSlave_Group"));
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
    TLbButton** buttons[] = {&Btn_OK, &Btn_Cancel, &Btn_DelRow, &Btn_InsRow, &Btn_CopyRow, &Btn_PasteRow};
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        *buttons[i] = Add_Editor_Button(*this, P_Button, kButtons[i], int(i));
        (*buttons[i])->SetShowHint(i >= 4);
    }
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_DelRow->OnClick = [this](TObject* Sender) { Btn_DelRowClick(Sender); };
    Btn_InsRow->OnClick = [this](TObject* Sender) { Btn_InsRowClick(Sender); };
    Btn_CopyRow->OnClick = [this](TObject* Sender) { Btn_CopyRowClick(Sender); };
    Btn_PasteRow->OnClick = [this](TObject* Sender) { Btn_PasteRowClick(Sender); };

    VCG_Group_StoM = Place_Control<TVynColumnGrid>(this, TS_SlaveToMaster, "VCG_Group_StoM", 0, 0, 400, 200);
    VCG_Group_MtoS = Place_Control<TVynColumnGrid>(this, TS_MasterToSlave, "VCG_Group_MtoS", 0, 0, 400, 200);
    Build_Grid(VCG_Group_StoM);
    Build_Grid(VCG_Group_MtoS);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    Loaded();
}

void TFEtherCATSlave_Group::Build_Grid(TVynColumnGrid* G)
{
    Setup_Editor_Grid(*G, int(std::size(kColumns)), Data_Rows);
    for (int c = 0; c < int(std::size(kColumns)); ++c) {
        TGridColumnItem* col = G->Columns()->Items(c);
        col->SetWidth(kColumns[c].Width);
        if (c > 0) {
            col->SetColor(kColumns[c].Color);
            col->HeaderFont()->SetStyle({fsBold});
        }
    }
    for (int r = 1; r <= Data_Rows; ++r)
        G->SetCells(0, r, IntToStr(r));
    G->OnDblClickCell = [this](TObject* S, int R, int C) { DblClickCell(S, R, C); };
    // The grid that owns the cell, whatever control the key came from.
    G->OnKeyPress = [this, G](TObject*, QChar& Key) { KeyPress(G, Key); };
    Bind_Click_Cell(*G, [this](TObject* S, int R, int C) { VCG_Group_StoMClickCell(S, R, C); });
}

void TFEtherCATSlave_Group::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    PageControl1->SetActivePage(TS_SlaveToMaster);
    Set_Lang();
}

void TFEtherCATSlave_Group::Set_Lang()
{
    SetCaption(Lang_Text(5300));
    L_SW_Desc->SetCaption(Lang_Text(5301));
    TLbButton* const buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    Set_Button_Texts(buttons, kButtons, int(std::size(buttons)));
    TS_SlaveToMaster->SetCaption(Lang_Text(5314));
    TS_MasterToSlave->SetCaption(Lang_Text(5315));
    for (TVynColumnGrid* g : {VCG_Group_StoM, VCG_Group_MtoS})
        for (int c = 0; c < int(std::size(kColumns)); ++c) {
            const String h = Lang_Text(g == VCG_Group_StoM ? kColumns[c].Header_StoM : kColumns[c].Header_MtoS);
            g->Columns()->Items(c)->SetHeader(h);
            g->SetCells(c, 0, h);
        }
}

void TFEtherCATSlave_Group::FormShow(TObject*)
{
    for (TVynColumnGrid* g : {VCG_Group_StoM, VCG_Group_MtoS}) {
        g->BeginUpdate();
        const int last = g->ColCount() + g->NumHiddenColumns() - 1;
        for (int r = 1; r <= Data_Rows; ++r) {
            g->SetCells(0, r, IntToStr(r));
            for (int c = 1; c <= last; ++c)
                g->SetCells(c, r, String());
        }
        g->EndUpdate();
    }
    QStringList problems;
    TEtherCAT_Groups groups;
    const TEtherCAT_Read_Result gr = Read_EtherCAT_Slave_Group(File_EtherCAT_Slave_Group, groups);
    if (gr.Failed())
        problems << gr.Message;
    for (TEtherCAT_Dir dir : {TEtherCAT_Dir::StoM, TEtherCAT_Dir::MtoS}) {
        TVynColumnGrid* g = Grid(dir);
        const std::vector<TEtherCAT_Group_Row>& rows = groups.Rows(dir);
        g->BeginUpdate();
        for (size_t i = 0; i < rows.size() && i < size_t(Data_Rows); ++i) {
            const int r = int(i) + 1;
            g->SetCells(Col_Name, r, rows[i].Group_Name);
            g->SetCells(Col_Num, r, rows[i].Num_Variables);
            g->SetCells(Col_Mnemonic, r, rows[i].Mnemonic);
        }
        g->EndUpdate();
        if (rows.size() > size_t(Data_Rows))
            problems << Overflow_Notice(dir, int(rows.size()) - Data_Rows, Data_Rows);
    }
    Do_Copy_StM = false;
    Do_Copy_MtS = false;
    if (!problems.isEmpty())
        MessageDlg(problems.join("\n"), mtWarning, TMsgDlgButtons{mbOK});
}

TVynColumnGrid* TFEtherCATSlave_Group::Grid(TEtherCAT_Dir Dir) const
{
    return Dir == TEtherCAT_Dir::StoM ? VCG_Group_StoM : VCG_Group_MtoS;
}

TVynColumnGrid* TFEtherCATSlave_Group::Page_Grid() const
{
    return PageControl1->ActivePage() == TS_MasterToSlave ? VCG_Group_MtoS : VCG_Group_StoM;
}

TVynColumnGrid* TFEtherCATSlave_Group::Grid_Of(TObject* Sender) const
{
    return Owning_Grid(Sender, VCG_Group_StoM, VCG_Group_MtoS);
}

void TFEtherCATSlave_Group::VCG_Group_StoMClickCell(TObject* Sender, int ARow, int ACol)
{
    Select_Row_On_Number(Grid_Of(Sender), ARow, ACol);
}

void TFEtherCATSlave_Group::DblClickCell(TObject* Sender, int ARow, int ACol)
{
    if (TVynColumnGrid* g = Grid_Of(Sender))
        Grid_DblClick_AutoSize(g, ARow, ACol);
}

void TFEtherCATSlave_Group::KeyPress(TObject* Sender, QChar& Key)
{
    if (TVynColumnGrid* g = Grid_Of(Sender))
        Grid_Enter_Next_Cell(g, Key);
}

void TFEtherCATSlave_Group::Btn_DelRowClick(TObject*)
{
    TVynColumnGrid* g = Page_Grid();
    End_Grid_Edit(*g);
    const int r = g->Row();
    if (MessageDlg(Format_Lang(Lang_Text(5322), {r}), mtConfirmation, mbYesNo) == mrYes)
        Delete_Row_Grid(r, g);
}

void TFEtherCATSlave_Group::Btn_InsRowClick(TObject*)
{
    TVynColumnGrid* g = Page_Grid();
    End_Grid_Edit(*g);
    Insert_Row_Grid(g->Row(), g, false);
}

void TFEtherCATSlave_Group::Btn_CopyRowClick(TObject*)
{
    TVynColumnGrid* g = Page_Grid();
    End_Grid_Edit(*g);
    Copy_Row_Grid(g, g->Row());
    Do_Copy_StM = g == VCG_Group_StoM;
    Do_Copy_MtS = g == VCG_Group_MtoS;
}

void TFEtherCATSlave_Group::Btn_PasteRowClick(TObject*)
{
    TVynColumnGrid* g = Page_Grid();
    End_Grid_Edit(*g);
    Paste_Row_Grid(g, g->Row(), g == VCG_Group_StoM ? Do_Copy_StM : Do_Copy_MtS);
}

bool TFEtherCATSlave_Group::Controllo_dati()
{
    for (TEtherCAT_Dir dir : {TEtherCAT_Dir::StoM, TEtherCAT_Dir::MtoS}) {
        const bool stom = dir == TEtherCAT_Dir::StoM;
        TVynColumnGrid* g = Grid(dir);
        int total = 0;
        for (int r = 1; r <= Data_Rows; ++r) {
            if (Trim(g->Cells(Col_Name, r)).isEmpty())
                break;
            const int n = StrToIntDef(g->Cells(Col_Num, r), -1);
            if (n < 1 || n > EtherCAT_Max_Variables)
                return Show_Dialog_Error(Lang_Text(5325) + IntToStr(r) + Lang_Text(stom ? 5326 : 5328));
            total += n;
        }
        if (total > EtherCAT_Max_Variables)
            return Show_Dialog_Error(Lang_Text(stom ? 5327 : 5329));
    }
    return true;
}

TEtherCAT_Groups TFEtherCATSlave_Group::Table_Groups() const
{
    TEtherCAT_Groups groups;
    for (TEtherCAT_Dir dir : {TEtherCAT_Dir::StoM, TEtherCAT_Dir::MtoS}) {
        TVynColumnGrid* g = Grid(dir);
        std::vector<TEtherCAT_Group_Row>& rows = dir == TEtherCAT_Dir::StoM ? groups.StoM : groups.MtoS;
        for (int r = 1; r <= Data_Rows; ++r) {
            if (Trim(g->Cells(Col_Name, r)).isEmpty())
                break;
            rows.push_back({g->Cells(Col_Name, r), g->Cells(Col_Num, r), g->Cells(Col_Mnemonic, r)});
        }
    }
    return groups;
}

void TFEtherCATSlave_Group::Btn_OKClick(TObject*)
{
    for (TVynColumnGrid* g : {VCG_Group_StoM, VCG_Group_MtoS})
        End_Grid_Edit(*g);
    if (!Controllo_dati())
        return;
    try {
        Save_EtherCAT_Slave_Group(File_EtherCAT_Slave_Group, Table_Groups());
    } catch (const EFileError& e) {
        Show_Dialog_Error(Lang_Text(1145) + e.Message());
        return;
    }
    SetModalResult(mrOk);
}
