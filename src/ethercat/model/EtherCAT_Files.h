#pragma once
// The EtherCAT variable file EtherCAT_Slave.xml and the group file
// EtherCAT_Slave_Group.xml of a configuration.
//
//   <EtherCAT_Slave><EtherCAT_Slave_Variables>
//     <EtherCAT_Slave_To_Master><row Enable=.. Type=.. Length=.. Name=.. InitValue=..
//         Position=.. BitStart=.. Group=.. Mnemonic=../>...</EtherCAT_Slave_To_Master>
//     <EtherCAT_Master_To_Slave><row .. (no InitValue) ../>...</EtherCAT_Master_To_Slave>
//   </EtherCAT_Slave_Variables></EtherCAT_Slave><!--SW_VERSION = 1.001-->
//
//   <PROFINET_Master_to_Modbus_TCP_Master>
//     <Slave_to_Master><row Group_Name=.. Num_Variables=.. Mnemonic=../>...</Slave_to_Master>
//     <Master_to_Slave>...</Master_to_Slave>
//   </PROFINET_Master_to_Modbus_TCP_Master><!--SW_VERSION = 1.001-->
//
// Rows keep their attribute texts exactly as stored; a missing attribute
// reads as an empty text. What each reader makes of a text (the editor ticks
// any Enable but "N", the compiler and the ESI writer take only "Y") is
// decided by the helpers below and by the layout model.
#include <vector>

#include "platform/rtl/strings.h"

// Directions are named from the slave's side. StoM: slave to master (the
// master's inputs); MtoS: master to slave (the master's outputs).
enum class TEtherCAT_Dir { StoM, MtoS };

constexpr int EtherCAT_Max_Variables = 256;  // rows of a variable table per direction
constexpr int EtherCAT_Max_Groups = 16;      // rows of a group table per direction

// One row of a variable table, as stored.
struct TEtherCAT_Var {
    String Enable;     // "Y" ticked, "N" unticked
    String Type;       // one of the ten type names
    String Length;
    String Name;
    String InitValue;  // slave to master only
    String Position;   // derived by the layout
    String BitStart;   // derived by the layout
    String Group;      // derived by the group assignment
    String Mnemonic;
};

// The variable editor ticks every row whose Enable is not "N" (missing included).
inline bool Editor_Ticked(const TEtherCAT_Var& Row) { return Row.Enable != QLatin1String("N"); }
// The compiler and the ESI writer take a row only when Enable is exactly "Y".
inline bool Device_Enabled(const TEtherCAT_Var& Row) { return Row.Enable == QLatin1String("Y"); }

struct TEtherCAT_Variables {
    std::vector<TEtherCAT_Var> StoM;
    std::vector<TEtherCAT_Var> MtoS;
    std::vector<TEtherCAT_Var>& Rows(TEtherCAT_Dir Dir) { return Dir == TEtherCAT_Dir::StoM ? StoM : MtoS; }
    const std::vector<TEtherCAT_Var>& Rows(TEtherCAT_Dir Dir) const
    {
        return Dir == TEtherCAT_Dir::StoM ? StoM : MtoS;
    }
};

// One row of a group table, as stored.
struct TEtherCAT_Group_Row {
    String Group_Name;
    String Num_Variables;
    String Mnemonic;
};

struct TEtherCAT_Groups {
    std::vector<TEtherCAT_Group_Row> StoM;
    std::vector<TEtherCAT_Group_Row> MtoS;
    const std::vector<TEtherCAT_Group_Row>& Rows(TEtherCAT_Dir Dir) const
    {
        return Dir == TEtherCAT_Dir::StoM ? StoM : MtoS;
    }
};

// How a read went. Missing_Section still returns the sections that are there.
enum class TEtherCAT_Read {
    No_File,          // not an error: empty tables
    Read,
    Not_Well_Formed,  // unreadable or not well-formed XML: empty tables
    Missing_Section   // a section element is absent
};

struct TEtherCAT_Read_Result {
    TEtherCAT_Read Status = TEtherCAT_Read::No_File;
    String Message;  // for the two failures: the text to show, naming the file
    bool Failed() const { return Status == TEtherCAT_Read::Not_Well_Formed || Status == TEtherCAT_Read::Missing_Section; }
};

// Readers take the document element as the root whatever its name (a
// declaration or comment before it is fine), find the sections by name, and
// take every child element of a section as one row, whatever its name, in
// file order. Tables are emptied first.
TEtherCAT_Read_Result Read_EtherCAT_Slave(const String& Path, TEtherCAT_Variables& Vars);
TEtherCAT_Read_Result Read_EtherCAT_Slave_Group(const String& Path, TEtherCAT_Groups& Groups);

// Writers rewrite the whole file (no declaration, UTF-8, atomic), attribute
// texts as they stand. Variable rows are written up to, not including, the
// first whose Type is empty after trimming, at most 256 per direction; group
// rows up to the first whose Group_Name is empty after trimming, at most 16.
// Raise EFileError.
void Save_EtherCAT_Slave(const String& Path, const TEtherCAT_Variables& Vars);
void Save_EtherCAT_Slave_Group(const String& Path, const TEtherCAT_Groups& Groups);
