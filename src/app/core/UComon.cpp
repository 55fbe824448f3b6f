#include "app/core/UComon.h"

#include "platform/os/files.h"

const String SW_Code_Init = QStringLiteral("CF48T21");
const String SW_Desc_Init = QStringLiteral("EtherCAT Slave / Modbus TCP Slave - Converter");
const String Version_Check_Code = QStringLiteral("CF48T21");

String Project_Name;
String Project_Dir;
String Projects_Dir;
String Exe_Dir;
String Master_Dir;
String Language_Dir;
String Main_Caption;
String SW_Code;
String SW_Desc;

String Last_IP_Address;
String Language_Name;
bool Opt_Enable_Internet = false;
bool Opt_Enable_Update = false;
bool Opt_Jump_Field_Tables = false;
bool Opt_Double_Click_Auto_Size = false;

int Update_Option = 0;
bool Read_Back = false;

String EDE_Import_Dir;

String File_ParGen;
String File_EtherCAT_Slave;
String File_ModbusM_SetAccess;
String File_ModbusTCPM_SetAccess;
String File_BACnet_Master_Access;
String File_BACnet_Slave;
String File_CAN_Rec_Frames;
String File_CAN_Send_Frames;
String File_PDO_CANopen;
String File_SDO_Client_CANopen;
String File_SDO_Server_CANopen;
String File_DNETM_Net;
String File_DNETM_DefOff;
String File_DMX_Default_Values;
String File_IEC_61850_Client;
String File_TLS_Known_Cert;
String File_IEC61850_Variables;
String File_J1939_Rec_Frames;
String File_J1939_Send_Frames;
String File_MQTT_Set_Topic;
String File_NMEA_Rec_Frames;
String File_NMEA_Send_Frames;
String File_OPC_UA_Client;
String File_OPC_UA_Server;
String File_SNMP_Manager;
String File_SNMP_Trap;
String File_EtherNetIP_Master_Rules;
String File_S7_Protocol;
String File_EtherCAT_Slave_Group;

TRow_Clipboard Row_Clipboard;
TStringList SNMP_Read_Desc;
TStringList SNMP_Write_Desc;

const std::vector<TRule_Table_File>& Rule_Table_Files()
{
    static const std::vector<TRule_Table_File> files = {
        {&File_ParGen, "ParGen.xml"},
        {&File_EtherCAT_Slave, "EtherCAT_Slave.xml"},
        {&File_ModbusM_SetAccess, "ModbusM_SetAccess.xml"},
        {&File_ModbusTCPM_SetAccess, "ModbusTCPM_SetAccess.xml"},
        {&File_BACnet_Master_Access, "BACnet_Master_Access.xml"},
        {&File_BACnet_Slave, "BACnet_Slave.xml"},
        {&File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"},
        {&File_CAN_Send_Frames, "CAN_Send_Frames.xml"},
        {&File_PDO_CANopen, "PDO_CANopen.xml"},
        {&File_SDO_Client_CANopen, "SDO_Client_CANopen.xml"},
        {&File_SDO_Server_CANopen, "SDO_Server_CANopen.xml"},
        {&File_DNETM_Net, "DNETM_Net.xml"},
        {&File_DNETM_DefOff, "DNETM_DefOff.xml"},
        {&File_DMX_Default_Values, "DMX_Default_Values.xml"},
        {&File_IEC_61850_Client, "IEC_61850_Client.xml"},
        {&File_TLS_Known_Cert, "TLS_Known_Cert.xml"},
        {&File_IEC61850_Variables, "IEC61850_Variables.xml"},
        {&File_J1939_Rec_Frames, "J1939_Rec_Frames.xml"},
        {&File_J1939_Send_Frames, "J1939_Send_Frames.xml"},
        {&File_MQTT_Set_Topic, "MQTT_Set_Topic.xml"},
        {&File_NMEA_Rec_Frames, "NMEA_Rec_Frames.xml"},
        {&File_NMEA_Send_Frames, "NMEA_Send_Frames.xml"},
        {&File_OPC_UA_Client, "OPC_UA_Client.xml"},
        {&File_OPC_UA_Server, "OPC_UA_Server.xml"},
        {&File_SNMP_Manager, "SNMP_Manager.xml"},
        {&File_SNMP_Trap, "SNMP_Trap.xml"},
        {&File_EtherNetIP_Master_Rules, "EtherNetIP_Master_Rules.xml"},
        {&File_S7_Protocol, "S7_Protocol.xml"},
        {&File_EtherCAT_Slave_Group, "EtherCAT_Slave_Group.xml"},
    };
    return files;
}

void Set_Files()
{
    for (const TRule_Table_File& f : Rule_Table_Files())
        *f.Path = Project_Dir.isEmpty() ? String() : Path_Join(Project_Dir, QString::fromLatin1(f.File_Name));
}

void Init_Program_State(const String& ExeDir)
{
    Exe_Dir = ExeDir;
    Master_Dir = Path_Join(Exe_Dir, QStringLiteral("MASTER"));
    Projects_Dir = Path_Join(Exe_Dir, QStringLiteral("PROJECTS"));
    Language_Dir = Path_Join(Exe_Dir, QStringLiteral("LANGUAGE"));
    SW_Code = SW_Code_Init;
    SW_Desc = SW_Desc_Init;
    Main_Caption.clear();
    Project_Name.clear();
    Project_Dir.clear();
    Last_IP_Address = QStringLiteral("192.168.2.205");
    Language_Name = QStringLiteral("English");
    Opt_Enable_Internet = false;
    Opt_Enable_Update = false;
    Opt_Jump_Field_Tables = false;
    Opt_Double_Click_Auto_Size = false;
    Update_Option = 0;
    Read_Back = true;
    EDE_Import_Dir.clear();
    Row_Clipboard.Clear();
    SNMP_Read_Desc.Clear();
    SNMP_Write_Desc.Clear();
    Set_Files();
}
