#pragma once
// The EtherCAT variable-groups editor (TFEtherCATSlave_Group), shown by step
// 3 "EtherCAT Set Group": up to 16 groups per direction, each a name, the
// number of enabled variables it takes and a description. Every show
// reloads EtherCAT_Slave_Group.xml (a file with more rows than a table is
// loaded up to 16 and the show says how many rows of which direction were
// left out); OK checks and rewrites it.
#include "ethercat/model/EtherCAT_Files.h"
#include "platform/gui/comctrls.h"
#include "platform/gui/forms.h"
#include "platform/gui/stdctrls.h"

class TLbButton;
class TPanel;
class TVynColumnGrid;

class TFEtherCATSlave_Group : public TForm {
public:
    explicit TFEtherCATSlave_Group(TComponent* AOwner);

    // Applies the dialog's texts from the text table: caption, title,
    // buttons and their hints, tabs, column headers.
    void Set_Lang();

    // ---- the design's event handlers
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Btn_OKClick(TObject* Sender);
    void Btn_DelRowClick(TObject* Sender);
    void Btn_InsRowClick(TObject* Sender);
    void Btn_CopyRowClick(TObject* Sender);
    void Btn_PasteRowClick(TObject* Sender);
    void VCG_Group_StoMClickCell(TObject* Sender, int ARow, int ACol);
    void DblClickCell(TObject* Sender, int ARow, int ACol);
    void KeyPress(TObject* Sender, QChar& Key);

    // Num Variables of every row 1..256 up to the first blank name, then
    // each direction's total at most 256, slave to master first; the first
    // fault is shown (an error box with OK) and the answer is false.
    bool Controllo_dati();
    // The rows OK saves, up to the first blank name.
    TEtherCAT_Groups Table_Groups() const;
    TVynColumnGrid* Grid(TEtherCAT_Dir Dir) const;
    TVynColumnGrid* Page_Grid() const;

    // ---- controls
    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TS_SlaveToMaster = nullptr;
    TTabSheet* TS_MasterToSlave = nullptr;
    TVynColumnGrid* VCG_Group_StoM = nullptr;
    TVynColumnGrid* VCG_Group_MtoS = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;
    TLbButton* Btn_DelRow = nullptr;
    TLbButton* Btn_InsRow = nullptr;
    TLbButton* Btn_CopyRow = nullptr;
    TLbButton* Btn_PasteRow = nullptr;

    bool Do_Copy_StM = false;
    bool Do_Copy_MtS = false;

    static constexpr int Data_Rows = EtherCAT_Max_Groups;

private:
    void Build_Grid(TVynColumnGrid* Grid);
    TVynColumnGrid* Grid_Of(TObject* Sender) const;
};

extern TFEtherCATSlave_Group* FEtherCATSlave_Group;
