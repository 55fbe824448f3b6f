#pragma once
// Program-wide state shared by every dialog: the program's directories, the
// open configuration, the configurator's identity, the user's settings, the
// device-update choices, the path of every rule-table file, the one-row
// clipboard of the rule tables and the SNMP MIB writer's lists.
//
// Everything here is read and written directly by its users and lives for
// the whole run. Only the GUI thread touches it.
#include <cstdint>
#include <vector>

#include "platform/rtl/rtl.h"

// ---- identity -------------------------------------------------------------------
extern const String SW_Code_Init;        // "CF48T21"
extern const String SW_Desc_Init;        // "EtherCAT Slave / Modbus TCP Slave - Converter"
extern const String Version_Check_Code;  // "CF48T21"

// ---- directories and the open configuration ---------------------------------------
extern String Project_Name;  // directory name of the open configuration in Projects_Dir
extern String Project_Dir;   // Projects_Dir/Project_Name; empty while none is open
extern String Projects_Dir;  // Exe_Dir/PROJECTS
extern String Exe_Dir;       // directory of the executable, no trailing separator
extern String Master_Dir;    // Exe_Dir/MASTER (firmware file)
extern String Language_Dir;  // Exe_Dir/LANGUAGE (language files and flag pictures)
extern String Main_Caption;
extern String SW_Code;
extern String SW_Desc;

// ---- settings (persisted in the settings file) -------------------------------------
extern String Last_IP_Address;  // default "192.168.2.205"
extern String Language_Name;    // default "English"
extern bool Opt_Enable_Internet;
extern bool Opt_Enable_Update;
extern bool Opt_Jump_Field_Tables;
extern bool Opt_Double_Click_Auto_Size;

// ---- device-update choices, kept for the run only -----------------------------------
extern int Update_Option;  // 0 firmware and configuration, 1 firmware only, 2 configuration only
extern bool Read_Back;

extern String EDE_Import_Dir;

// ---- rule-table paths (composed by Set_Files) ----------------------------------------
extern String File_ParGen;
extern String File_EtherCAT_Slave;
extern String File_ModbusM_SetAccess;
extern String File_ModbusTCPM_SetAccess;
extern String File_BACnet_Master_Access;
extern String File_BACnet_Slave;
extern String File_CAN_Rec_Frames;
extern String File_CAN_Send_Frames;
extern String File_PDO_CANopen;
extern String File_SDO_Client_CANopen;
extern String File_SDO_Server_CANopen;
extern String File_DNETM_Net;
extern String File_DNETM_DefOff;
extern String File_DMX_Default_Values;
extern String File_IEC_61850_Client;
extern String File_TLS_Known_Cert;
extern String File_IEC61850_Variables;
extern String File_J1939_Rec_Frames;
extern String File_J1939_Send_Frames;
extern String File_MQTT_Set_Topic;
extern String File_NMEA_Rec_Frames;
extern String File_NMEA_Send_Frames;
extern String File_OPC_UA_Client;
extern String File_OPC_UA_Server;
extern String File_SNMP_Manager;
extern String File_SNMP_Trap;
extern String File_EtherNetIP_Master_Rules;
extern String File_S7_Protocol;
extern String File_EtherCAT_Slave_Group;

// One rule-table path: the variable and the fixed file name it is composed from.
struct TRule_Table_File {
    String* Path;
    const char* File_Name;
};
// The 29 rule-table files in their fixed order (ParGen.xml first,
// EtherCAT_Slave_Group.xml last).
const std::vector<TRule_Table_File>& Rule_Table_Files();

// Composes all 29 paths from Project_Dir. With no configuration open every
// path is empty, so nothing can write to a file outside a configuration.
void Set_Files();

// ---- row clipboard and SNMP lists ------------------------------------------------
// The copied row of a rule table: one text per copied column from column 1,
// and per column whether it was a check box (only a copy from a string grid
// with check-box cells sets them; a column grid's copy leaves none). Every
// copy replaces both.
struct TRow_Clipboard {
    TStringList Texts;
    std::vector<bool> Check;
    void Assign(const TRow_Clipboard& Source)
    {
        Texts.Assign(Source.Texts);
        Check = Source.Check;
    }
    void Clear()
    {
        Texts.Clear();
        Check.clear();
    }
};
extern TRow_Clipboard Row_Clipboard;
extern TStringList SNMP_Read_Desc;
extern TStringList SNMP_Write_Desc;

// ---- start-up -----------------------------------------------------------------------
// Sets the directories below ExeDir and the state every run begins with:
// no configuration open, SW_Code/SW_Desc from their initial values,
// Read_Back true, Update_Option 0, the settings at their defaults, empty
// clipboard and lists. The main window calls it first thing; tests call it
// with a temporary directory.
void Init_Program_State(const String& ExeDir);

// ---- OPC UA scan records (filled by the external scan library) ---------------------
struct opcua_structure {
    uint16_t identifierType = 0;
    uint32_t numeric = 0;
    const char* stringname = nullptr;  // zero-terminated, Windows-1252
    uint32_t guide1 = 0;
    uint16_t guide2 = 0;
    uint16_t guide3 = 0;
    uint8_t guide4[8] = {};
    const char* byteString = nullptr;  // zero-terminated, Windows-1252
};

struct TOPC_UA_Guid {
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    uint8_t data4[8] = {};
};
