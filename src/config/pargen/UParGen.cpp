#include "config/pargen/UParGen.h"

#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "config/model/ParGen.h"
#include "controls/button/LbButton.h"
#include "platform/gui/dialogs.h"

namespace {

// ---- looks -------------------------------------------------------------------------------------

constexpr TColor Form_Color = 0xEDF7F8;          // R 248, G 247, B 237
constexpr TColor Header_Gradient_Color = 0xD8D8E7;  // R 231, G 216, B 216
constexpr int Client_Height = 700;
constexpr int Title_Height = 69;
constexpr int Button_Band_Height = 40;

// ---- panel geometry ----------------------------------------------------------------------------

constexpr int Label_Left = 14;
constexpr int Value_Left = 191;
constexpr int Edit_Width = 238;
constexpr int Edit_Height = 21;
constexpr int Octet_Width = 55;
constexpr int Octet_Lefts[4] = {191, 252, 313, 374};
constexpr int Check_Height = 17;
constexpr int Check_Width = 415;
constexpr int Gateway_Check_Width = 175;
// Below its panel's lowest control.
constexpr int Panel_Bottom_Margin = 12;

enum class TRowKind { Edit, Octets, Check };

// One row of a panel, as the design lists it. An Octets row is four edits
// named Control + "1" .. "4" holding the keys Key + "1" .. "4", with the
// hints Hint .. Hint + 3 and a "." label between each pair.
struct TRow {
    int Panel;            // 0 Ethernet connection, 1 EtherCAT slave, 2 Modbus TCP slave
    TRowKind Kind;
    const char* Control;
    const char* Label;    // nullptr: no label (check boxes, the gateway edits)
    int Top;              // the edit's (the label stands 3 pixels lower) or the check box's
    int Width;            // Edit: 238; Check: 415, the gateway box 175
    int Caption;          // text of the label or the check box; -1: none
    int Hint;
    const char* Key;
    int MaxLength;        // 0: no limit
    bool NumbersOnly;
};

// In tab order.
const TRow kRows[] = {
    {0, TRowKind::Edit, "E_EthConn_Device_Name", "L_EthConn_Device_Name", 9, Edit_Width, 1545, 1546,
     "Eth_Conn_Device_Name", 31, false},
    {0, TRowKind::Check, "CB_EthConn_En_DHCP_Cable", nullptr, 39, Check_Width, 1547, 1548, "Eth_Conn_DHCP_Cable", 0,
     false},
    {0, TRowKind::Check, "CB_EthConn_En_DHCP_WiFi", nullptr, 67, Check_Width, 1549, 1550, "Eth_Conn_DHCP_WiFi", 0,
     false},
    {0, TRowKind::Check, "CB_EthConn_Enable_DNS", nullptr, 95, Check_Width, 1551, 1552, "Eth_Conn_Enable_DNS", 0,
     false},
    {0, TRowKind::Octets, "E_EthConn_Pri_DNS_IP", "L_EthConn_Primary_DNS", 121, Octet_Width, 1553, 1554,
     "Eth_Conn_Primary_DNS", 0, false},
    {0, TRowKind::Octets, "E_EthConn_Sec_DNS_IP", "L_EthConn_Secondary_DNS", 149, Octet_Width, 1558, 1559,
     "Eth_Conn_Secondary_DNS", 0, false},

    {1, TRowKind::Edit, "E_EtherCAT_Slave_Revision_Number", "L_EtherCAT_Slave_Revision_Number", 9, Edit_Width, 413,
     414, "EtherCAT_Slave_Revision_Number", 0, true},
    {1, TRowKind::Edit, "E_EtherCAT_Slave_Name", "L_EtherCAT_Slave_Name", 37, Edit_Width, 415, 416,
     "EtherCAT_Slave_Name", 15, false},
    {1, TRowKind::Edit, "E_EtherCAT_Slave_Node_Address", "L_EtherCAT_Slave_Node_Address", 65, Edit_Width, 987, 988,
     "EtherCAT_Slave_Node_Address", 0, true},
    {1, TRowKind::Check, "CB_EtherCAT_Slave_Clear_Data", nullptr, 92, Check_Width, 1684, 1685,
     "EtherCAT_Slave_Clear_Data", 0, false},

    {2, TRowKind::Octets, "E_ModbusTCPSlave_IP", "L_ModbusTCPSlave_IP", 9, Octet_Width, 418, 419,
     "Modbus_TCP_Slave_IP", 0, false},
    {2, TRowKind::Octets, "E_ModbusTCPSlave_SM", "L_ModbusTCPSlave_SM", 37, Octet_Width, 423, 424,
     "Modbus_TCP_Slave_SM", 0, false},
    // The gateway box stands in the label column of the gateway row.
    {2, TRowKind::Check, "CB_ModbusTCPSlave_En_GAT", nullptr, 67, Gateway_Check_Width, 428, 429,
     "Modbus_TCP_Slave_EN_GAT", 0, false},
    {2, TRowKind::Octets, "E_ModbusTCPSlave_GAT", nullptr, 65, Octet_Width, -1, 430, "Modbus_TCP_Slave_GAT", 0, false},
    {2, TRowKind::Edit, "E_ModbusTCPSlave_Port", "L_ModbusTCPSlave_Port", 93, Edit_Width, 434, 435,
     "Modbus_TCP_Slave_Port", 0, false},
    {2, TRowKind::Check, "CB_ModbusTCPSlave_ReadInput", nullptr, 124, Check_Width, 1688, 1689,
     "Modbus_TCP_Slave_Read_Input_Register", 0, false},
};

// The panels of this model, in order, with their title texts.
struct TPanelRow {
    const char* Name;
    int Title;
};
const TPanelRow kPanels[] = {
    {"CP_Ethernet_Connection", 1544},
    {"CP_EtherCAT_Slave", 406},
    {"CP_Modbus_TCP_Slave", 417},
};

String Latin(const char* S) { return QString::fromLatin1(S); }

template <typename T>
T* Place(TForm* Owner, TWinControl* Parent, const String& Name, int L, int T_, int W, int H)
{
    auto* c = new T(Owner);
    c->SetName(Name);
    c->SetBounds(L, T_, W, H);
    c->SetParent(Parent);
    return c;
}

// The number in an edit: "text that does not convert counts as -1".
int64_t Number(const TEdit* E)
{
    int64_t v = 0;
    return TryStrToInt64(E->Text(), v) ? v : -1;
}

// An octet: decimal digits only (leading zeros allowed), 0 to 255.
bool Octet_Valid(const TEdit* E)
{
    int v = 0;
    return TryStrToDecimalDigits(E->Text(), v) && v >= 0 && v <= 255;
}

bool Show_Error(int Text)
{
    MessageDlg(Lang_Text(Text), mtError, TMsgDlgButtons{mbOK});
    return false;
}

// A name the device stores: the compiler's own check, the field named by
// its label.
bool Device_Name_Valid(const TEdit* Edit, int Label_Text)
{
    String error;
    if (Check_Device_Name(Trim(Lang_Text(Label_Text)), Edit->Text(), error))
        return true;
    MessageDlg(error, mtError, TMsgDlgButtons{mbOK});
    return false;
}

}  // namespace

TFParGen* FParGen = nullptr;

// ---- creation ----------------------------------------------------------------------------------

TFParGen::TFParGen(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    SetName("FParGen");
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetColor(Form_Color);
    Font().SetName("Verdana");
    Font().SetHeight(-11);
    SetShowHint(true);
    Build_Controls();
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    OnResize = [this](TObject* Sender) { FormResize(Sender); };
    Loaded();
}

void TFParGen::Build_Controls()
{
    // Title band.
    P_Title = Place<TPanel>(this, this, "P_Title", 0, 0, Client_Width, Title_Height);
    P_Title->SetAlign(alTop);
    P_Title->SetBevelOuter(bvNone);
    P_Title->SetColor(clWhite);
    P_Title->SetCaption("");
    L_SW_Code = Place<TLabel>(this, P_Title, "L_SW_Code", 16, 8, 0, 0);
    L_SW_Code->Font().SetHeight(-32);
    L_SW_Code->Font().SetColor(clGray);
    L_SW_Desc = Place<TLabel>(this, P_Title, "L_SW_Desc", 16, 42, 0, 0);
    L_SW_Desc->Font().SetStyle({fsBold});
    L_SW_Desc->Font().SetColor(clGray);
    texts_.push_back({L_SW_Desc, 401, -1});

    // Button band.
    P_Button = Place<TPanel>(this, this, "P_Button", 0, Client_Height - Button_Band_Height, Client_Width,
                             Button_Band_Height);
    P_Button->SetAlign(alBottom);
    P_Button->SetBevelOuter(bvNone);
    P_Button->SetParentColor(true);
    P_Button->SetCaption("");
    P_Button->SetTabOrder(1);
    auto button = [this](const char* Name, int Left, int TabOrder) {
        auto* b = Place<TLbButton>(this, P_Button, Latin(Name), Left, 6, 110, 28);
        b->SetAnchors({akTop, akRight});
        b->SetStyle(bsEncarta);
        b->SetColor(Form_Color);
        b->SetParentColor(false);
        b->SetLightColor(clGray);
        b->SetColorWhenDown(0x0080FF);
        b->SetHotTrackColor(clYellow);
        b->SetTabStop(true);
        b->SetTabOrder(TabOrder);
        return b;
    };
    Btn_OK = button("Btn_OK", 217, 0);
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_Cancel = button("Btn_Cancel", 335, 1);
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_Cancel->SetCancel(true);
    texts_.push_back({Btn_OK, 402, 404});
    texts_.push_back({Btn_Cancel, 403, 405});

    // The panel group between the bands.
    CPG = Place<TCategoryPanelGroup>(this, this, "CPG", 0, Title_Height, Client_Width,
                                     Client_Height - Title_Height - Button_Band_Height);
    CPG->SetAlign(alClient);
    CPG->SetParentColor(true);
    CPG->SetTabOrder(0);
    CPG->HeaderFont().SetName("Verdana");
    CPG->HeaderFont().SetHeight(-15);
    CPG->HeaderFont().SetStyle({fsBold});
    CPG->HeaderFont().SetColor(clGray);
    CPG->SetGradientColor(Header_Gradient_Color);
    CPG->SetChevronHotColor(clRed);
    ImageList1 = new TImageList(this, 16, 16);
    ImageList1->SetName("ImageList1");
    Make_Header_Images();
    CPG->SetImages(ImageList1);

    std::array<TCategoryPanel*, 3> panels{};
    for (size_t i = 0; i < std::size(kPanels); ++i) {
        TCategoryPanel* p = CPG->CreatePanel(this);
        p->SetName(Latin(kPanels[i].Name));
        p->SetCaption("");
        p->SetExpandedImageIndex(0);
        p->SetExpandedHotImageIndex(0);
        p->SetExpandedPressedImageIndex(0);
        p->SetCollapsedImageIndex(1);
        p->SetCollapsedHotImageIndex(1);
        p->SetCollapsedPressedImageIndex(1);
        panels[i] = p;
        panels_.push_back({p, kPanels[i].Title});
    }
    CP_Ethernet_Connection = panels[0];
    CP_EtherCAT_Slave = panels[1];
    CP_Modbus_TCP_Slave = panels[2];

    std::array<int, 3> tab_order{};
    auto tab = [&](TWinControl* C, int Panel) { C->SetTabOrder(tab_order[size_t(Panel)]++); };
    for (const TRow& r : kRows) {
        TCategoryPanel* panel = panels[size_t(r.Panel)];
        if (r.Label) {
            auto* l = Place<TLabel>(this, panel, Latin(r.Label), Label_Left, r.Top + 3, 0, 0);
            texts_.push_back({l, r.Caption, -1});
        }
        switch (r.Kind) {
        case TRowKind::Edit: {
            auto* e = Place<TEdit>(this, panel, Latin(r.Control), Value_Left, r.Top, r.Width, Edit_Height);
            e->SetMaxLength(r.MaxLength);
            e->SetNumbersOnly(r.NumbersOnly);
            e->SetTabStop(true);
            tab(e, r.Panel);
            texts_.push_back({e, -1, r.Hint});
            bindings_.insert(Latin(r.Key), {e, nullptr});
            break;
        }
        case TRowKind::Octets:
            for (int i = 0; i < 4; ++i) {
                const String n = QString::number(i + 1);
                auto* e = Place<TEdit>(this, panel, Latin(r.Control) + n, Octet_Lefts[i], r.Top, r.Width, Edit_Height);
                e->SetTabStop(true);
                e->OnKeyPress = [this](TObject* Sender, QChar& Key) { KeyPress(Sender, Key); };
                tab(e, r.Panel);
                texts_.push_back({e, -1, r.Hint + i});
                bindings_.insert(Latin(r.Key) + n, {e, nullptr});
                if (i < 3) {
                    auto* dot = Place<TLabel>(this, panel, "L_" + Latin(r.Control).mid(2) + "_Dot" + n,
                                              Octet_Lefts[i] + Octet_Width + 1, r.Top + 3, 0, 0);
                    dot->SetCaption(".");
                }
            }
            break;
        case TRowKind::Check: {
            auto* c = Place<TCheckBox>(this, panel, Latin(r.Control), Label_Left, r.Top, r.Width, Check_Height);
            c->SetTabStop(true);
            c->OnClick = [this](TObject* Sender) { On_Click(Sender); };
            tab(c, r.Panel);
            texts_.push_back({c, r.Caption, r.Hint});
            bindings_.insert(Latin(r.Key), {nullptr, c});
            break;
        }
        }
    }

    auto edit = [this](const char* Name) { return static_cast<TEdit*>(FindComponent(Latin(Name))); };
    auto check = [this](const char* Name) { return static_cast<TCheckBox*>(FindComponent(Latin(Name))); };
    auto label = [this](const char* Name) { return static_cast<TLabel*>(FindComponent(Latin(Name))); };
    auto octets = [&](const char* Stem) {
        std::array<TEdit*, 4> a{};
        for (int i = 0; i < 4; ++i)
            a[size_t(i)] = edit((std::string(Stem) + char('1' + i)).c_str());
        return a;
    };
    L_EthConn_Device_Name = label("L_EthConn_Device_Name");
    E_EthConn_Device_Name = edit("E_EthConn_Device_Name");
    CB_EthConn_En_DHCP_Cable = check("CB_EthConn_En_DHCP_Cable");
    CB_EthConn_En_DHCP_WiFi = check("CB_EthConn_En_DHCP_WiFi");
    CB_EthConn_Enable_DNS = check("CB_EthConn_Enable_DNS");
    L_EthConn_Primary_DNS = label("L_EthConn_Primary_DNS");
    E_EthConn_Pri_DNS_IP = octets("E_EthConn_Pri_DNS_IP");
    L_EthConn_Secondary_DNS = label("L_EthConn_Secondary_DNS");
    E_EthConn_Sec_DNS_IP = octets("E_EthConn_Sec_DNS_IP");
    L_EtherCAT_Slave_Revision_Number = label("L_EtherCAT_Slave_Revision_Number");
    E_EtherCAT_Slave_Revision_Number = edit("E_EtherCAT_Slave_Revision_Number");
    L_EtherCAT_Slave_Name = label("L_EtherCAT_Slave_Name");
    E_EtherCAT_Slave_Name = edit("E_EtherCAT_Slave_Name");
    L_EtherCAT_Slave_Node_Address = label("L_EtherCAT_Slave_Node_Address");
    E_EtherCAT_Slave_Node_Address = edit("E_EtherCAT_Slave_Node_Address");
    CB_EtherCAT_Slave_Clear_Data = check("CB_EtherCAT_Slave_Clear_Data");
    L_ModbusTCPSlave_IP = label("L_ModbusTCPSlave_IP");
    E_ModbusTCPSlave_IP = octets("E_ModbusTCPSlave_IP");
    L_ModbusTCPSlave_SM = label("L_ModbusTCPSlave_SM");
    E_ModbusTCPSlave_SM = octets("E_ModbusTCPSlave_SM");
    CB_ModbusTCPSlave_En_GAT = check("CB_ModbusTCPSlave_En_GAT");
    E_ModbusTCPSlave_GAT = octets("E_ModbusTCPSlave_GAT");
    L_ModbusTCPSlave_Port = label("L_ModbusTCPSlave_Port");
    E_ModbusTCPSlave_Port = edit("E_ModbusTCPSlave_Port");
    CB_ModbusTCPSlave_ReadInput = check("CB_ModbusTCPSlave_ReadInput");

    // The "." chains: primary then secondary DNS; IP, then mask, then gateway.
    auto chain = [this](std::initializer_list<const std::array<TEdit*, 4>*> Rows) {
        std::vector<TEdit*> all;
        for (const auto* row : Rows)
            all.insert(all.end(), row->begin(), row->end());
        for (size_t i = 0; i + 1 < all.size(); ++i)
            next_octet_.insert(all[i], all[i + 1]);
    };
    chain({&E_EthConn_Pri_DNS_IP, &E_EthConn_Sec_DNS_IP});
    chain({&E_ModbusTCPSlave_IP, &E_ModbusTCPSlave_SM, &E_ModbusTCPSlave_GAT});
}

// Two 16 x 16 header pictures: a disc with a triangle pointing down
// (expanded) or right (collapsed).
void TFParGen::Make_Header_Images()
{
    for (bool expanded : {true, false}) {
        TBitmap b(16, 16);
        TCanvas& c = b.Canvas();
        c.Brush().SetColor(clFuchsia);
        c.FillRect(Rect(0, 0, 16, 16));
        c.Pen().SetColor(RGBColor(0x8A, 0x3A, 0x3A));
        c.Brush().SetColor(RGBColor(0xB0, 0x4A, 0x4A));
        c.Ellipse(1, 1, 15, 15);
        c.Pen().SetColor(clWhite);
        c.Brush().SetColor(clWhite);
        if (expanded)
            c.Polygon({{5, 6}, {11, 6}, {8, 10}});
        else
            c.Polygon({{6, 5}, {10, 8}, {6, 11}});
        ImageList1->AddMasked(b, clFuchsia);
    }
}

void TFParGen::FormCreate(TObject* Sender)
{
    (void)Sender;
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    for (const auto& [panel, title] : panels_)
        panel->Hide();
    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::Order_TAB_Panels() { Order_TAB_Panels_48T21(); }

void TFParGen::Order_TAB_Panels_48T21()
{
    int top = 0;
    int order = 0;
    for (const auto& [panel, title] : panels_) {
        // Placed before it shows, so that the group stacks it below the others.
        panel->SetTop(top);
        panel->Show();
        top += panel->Height();
        panel->SetTabOrder(order++);
    }
}

// ---- layout ------------------------------------------------------------------------------------

void TFParGen::Move_GroupBoxs() { RePosition_Objects_48T21(); }

void TFParGen::RePosition_Objects_48T21()
{
    RePosition_Object_Ethernet_Connection();
    RePosition_Object_EtherCAT_Slave();
    RePosition_Object_Modbus_TCP_Slave();
}

void TFParGen::RePosition_Object_Ethernet_Connection()
{
    const TEdit* lowest = E_EthConn_Sec_DNS_IP[3];
    CP_Ethernet_Connection->SetHeight(lowest->Top() + lowest->Height() + CPG->HeaderHeight() + Panel_Bottom_Margin);
    CB_EthConn_En_DHCP_WiFi->SetEnabled(false);
}

void TFParGen::RePosition_Object_EtherCAT_Slave()
{
    const TCheckBox* lowest = CB_EtherCAT_Slave_Clear_Data;
    CP_EtherCAT_Slave->SetHeight(lowest->Top() + lowest->Height() + CPG->HeaderHeight() + Panel_Bottom_Margin);
}

void TFParGen::RePosition_Object_Modbus_TCP_Slave()
{
    const TCheckBox* lowest = CB_ModbusTCPSlave_ReadInput;
    CP_Modbus_TCP_Slave->SetHeight(lowest->Top() + lowest->Height() + CPG->HeaderHeight() + Panel_Bottom_Margin);
}

// ---- texts -------------------------------------------------------------------------------------

void TFParGen::Set_Lang()
{
    SetCaption(Lang_Text(400));
    for (const TText& t : texts_) {
        if (t.Caption >= 0)
            t.Control->SetCaption(Lang_Text(t.Caption));
        if (t.Hint >= 0)
            t.Control->SetHint(Lang_Text(t.Hint));
    }
    int number = 1;
    for (const auto& [panel, title] : panels_)
        panel->SetCaption(QString::number(number++) + ". " + Lang_Text(title));
}

// ---- events ------------------------------------------------------------------------------------

void TFParGen::FormShow(TObject* Sender)
{
    (void)Sender;
    const TParGen file = TParGen::Load(File_ParGen);
    if (file.Status() == TParGen::Malformed)
        MessageDlg(file.Error(), mtError, TMsgDlgButtons{mbOK});
    for (int i = 0; i < ParGen_Written_Count; ++i) {
        const String key = Latin(ParGen_Keys()[size_t(i)].Name);
        const TBinding b = bindings_.value(key);
        if (b.Edit) {
            b.Edit->SetText(file.Value(key, TParGen_Reader::Dialog));
        } else if (b.Check == CB_EthConn_En_DHCP_WiFi) {
            // Not read: this model has no Wi-Fi.
            b.Check->SetChecked(false);
        } else if (b.Check) {
            b.Check->SetChecked(file.Value(key, TParGen_Reader::Dialog) == QLatin1String("1"));
        }
    }
    Move_GroupBoxs();
}

void TFParGen::FormResize(TObject* Sender)
{
    (void)Sender;
    if (ClientWidth() != Client_Width)
        SetClientWidth(Client_Width);
}

void TFParGen::KeyPress(TObject* Sender, QChar& Key)
{
    if (Key != u'.')
        return;
    Key = QChar();
    if (TEdit* next = next_octet_.value(dynamic_cast<TEdit*>(Sender)); next && next->CanFocus())
        next->SetFocus();
}

void TFParGen::On_Click(TObject* Sender)
{
    if (Sender == CB_EthConn_En_DHCP_Cable || Sender == CB_EthConn_En_DHCP_WiFi)
        Move_GroupBoxs();
}

bool TFParGen::Controllo_Dati()
{
    if (!Device_Name_Valid(E_EthConn_Device_Name, 1545))
        return false;
    if (CB_EthConn_Enable_DNS->Checked()) {
        for (int i = 0; i < 4; ++i)
            if (!Octet_Valid(E_EthConn_Pri_DNS_IP[size_t(i)]))
                return Show_Error(1563 + i);
        for (int i = 0; i < 4; ++i)
            if (!Octet_Valid(E_EthConn_Sec_DNS_IP[size_t(i)]))
                return Show_Error(1567 + i);
    }
    if (const int64_t v = Number(E_EtherCAT_Slave_Revision_Number); v < 0 || v > 0xFFFFFFFFLL)
        return Show_Error(412);
    if (Trim(E_EtherCAT_Slave_Name->Text()).isEmpty())
        return Show_Error(411);
    if (!Device_Name_Valid(E_EtherCAT_Slave_Name, 415))
        return false;
    if (const int64_t v = Number(E_EtherCAT_Slave_Node_Address); v < 1 || v > 192)
        return Show_Error(989);
    for (int i = 0; i < 4; ++i)
        if (!Octet_Valid(E_ModbusTCPSlave_IP[size_t(i)]))
            return Show_Error(436 + i);
    for (int i = 0; i < 4; ++i)
        if (!Octet_Valid(E_ModbusTCPSlave_SM[size_t(i)]))
            return Show_Error(440 + i);
    if (CB_ModbusTCPSlave_En_GAT->Checked())
        for (int i = 0; i < 4; ++i)
            if (!Octet_Valid(E_ModbusTCPSlave_GAT[size_t(i)]))
                return Show_Error(444 + i);
    // 10000 is the device's own application port (the update job uses it).
    if (const int64_t v = Number(E_ModbusTCPSlave_Port); v < 0 || v > 65535 || v == 10000)
        return Show_Error(448);
    return true;
}

void TFParGen::Btn_OKClick(TObject* Sender)
{
    (void)Sender;
    if (!Controllo_Dati())
        return;
    TParGen file;
    for (int i = 0; i < ParGen_Written_Count; ++i) {
        const String key = Latin(ParGen_Keys()[size_t(i)].Name);
        const TBinding b = bindings_.value(key);
        if (b.Edit)
            file.SetValue(key, b.Edit->Text());
        else if (b.Check)
            file.SetChecked(key, b.Check->Checked());
    }
    try {
        file.Save(File_ParGen);
    } catch (const Exception& e) {
        MessageDlg(Lang_Text(1127) + e.Message(), mtError, TMsgDlgButtons{mbOK});
        return;
    }
    SetModalResult(mrOk);
}
