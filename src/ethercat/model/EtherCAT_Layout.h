#pragma once
// Layout of the EtherCAT process data: the ten variable types, the Length a
// chosen type sets, how rows pack into bytes and bits of their direction's
// exchange area, and which group each row belongs to. The variable editor,
// the image compiler and the ESI writer all take types, positions and groups
// from here, so the device image and the description file agree.
#include <cstdint>
#include <vector>

#include "ethercat/model/EtherCAT_Files.h"

struct TEtherCAT_Type {
    const char* Name;         // as the editor offers and writes it
    uint8_t Code;             // type code in the device image
    uint8_t Size;             // bytes of a fixed type; 0: the row's Length gives it
    const char* Length_Text;  // Length the editor sets when the type is chosen
    bool Length_Read_Only;    // the editor's Length cell is read-only for it
};

// The ten types in the order the editor offers them: Bool, Int8, Int16,
// Int32, UInt8, UInt16, UInt32, Float32, Array, String.
const std::vector<TEtherCAT_Type>& EtherCAT_Types();
// The type a Type text names, trimmed and ignoring letter case; nullptr for
// any other text (empty included).
const TEtherCAT_Type* Find_EtherCAT_Type(const String& Type);
inline bool Is_Bool(const TEtherCAT_Type* T) { return T && T->Code == 1; }
inline bool Is_Array_Or_String(const TEtherCAT_Type* T) { return T && T->Size == 0; }

// The Length rule applied when a type is chosen: false (nothing changes) for
// a text none of the ten name.
bool Length_Rule(const String& Type, String& Length, bool& Read_Only);

// A Length text read as the layout reads it: the integer rule, not a number
// (or below 0) counts 0.
int Layout_Length(const String& Length);
// Bytes a row of that type takes in the exchange area: the size of a fixed
// type, Length for Array, Length + 1 (the terminating byte) for String, and
// Length for a text none of the ten name. Bool is packed as bits instead.
// In 64 bits: a String of Length 2147483647 takes 2147483648 bytes.
int64_t Type_Bytes(const TEtherCAT_Type* T, const String& Length);

// ---- position and bit packing ----------------------------------------------------

struct TLayout_Row {
    bool Enabled;
    String Type;
    String Length;
};

struct TLayout_Slot {
    bool Set = false;  // false: the row lies at or after the first empty Type and keeps its texts
    int Position = 0;
    int Bit = 0;
};

// Positions and start bits of a table, row by row. Bool rows pack into
// consecutive bits (eight per byte) and any other type closes a partly used
// byte; a disabled row gets 0/0 and neither takes space nor breaks a bit
// run; the walk stops at the first row whose Type is empty after trimming.
// Size receives the bytes the table takes (a partly used last byte counts).
// Positions are summed in 64 bits; a table whose positions or size would pass
// 2147483647 is refused with EConvertError naming the first row that does
// not fit and its Length.
std::vector<TLayout_Slot> Calc_Position_Bit(const std::vector<TLayout_Row>& Rows, int* Size = nullptr);

// ---- group assignment -----------------------------------------------------------------

struct TGroup {
    String Name;
    int Num_Var;
};

// The groups of one direction in file order. A row with an empty name is
// skipped entirely; Num_Variables that is not a number counts 0.
std::vector<TGroup> Group_List(const std::vector<TEtherCAT_Group_Row>& Rows);
// The groups take the enabled variables of their direction one run after
// another, Num_Var each (none for Num_Var <= 0): the index in Groups of
// enabled variable J (0-based), or -1 when it lies beyond the last run.
int Find_Group_Index(const std::vector<TGroup>& Groups, int J);
// The Group text of every row of a table: the group's name for an enabled
// row, empty for a disabled one or one beyond the last run.
std::vector<String> Show_Group(const std::vector<TGroup>& Groups, const std::vector<bool>& Enabled);

// ---- the process data of one direction ------------------------------------------------

// An enabled row as the device and the description see it.
struct TEtherCAT_Entry {
    int Row;  // 1-based row of the section
    const TEtherCAT_Var* Var;
    const TEtherCAT_Type* Type;
    int Length;  // the fixed type's size; Length for Array and String (1..255)
    int Position;
    int Bit;
};

// The rows whose Enable is "Y", with their layout: the one set of checks
// the image compiler, the ESI writer and the variable editor apply. Fails
// with a message (text 1110) naming the direction, the row and the value
// when there are more than 256 of them, when a Type is none of the ten
// (1112), when an Array or String Length is not 1..255 (1113), when a
// slave-to-master initial value does not convert for its type
// (Encode_Init_Value: 1117, 1118), when a name holds a character the ESI
// file cannot hold (1126), or when a stored Position or BitStart differs
// from the layout (a missing one reads as 0). Rows are checked in order,
// the positions after every row.
// Size receives the bytes of the direction.
bool EtherCAT_Entries(const std::vector<TEtherCAT_Var>& Rows, TEtherCAT_Dir Dir, std::vector<TEtherCAT_Entry>& Entries,
                      String& Error, int* Size = nullptr);

// ---- sync managers ------------------------------------------------------------------------

// The slave controller's process-data sync managers: Inputs (slave to master)
// at #x1000 and Outputs (master to slave) right after three buffers of the
// inputs, rounded up to a multiple of 4; each takes three buffers of its
// direction's bytes. Both must end at or below #x10000, the controller's
// 16-bit address space.
int64_t Outputs_SM_Address(int64_t StoM_Bytes);
int64_t Sync_Managers_End(int64_t StoM_Bytes, int64_t MtoS_Bytes);
// False, with a message naming both sizes, when they do not fit.
bool Check_Sync_Managers(int64_t StoM_Bytes, int64_t MtoS_Bytes, String& Error);

// A message about one direction: the header text Header, the direction in
// brackets, then Detail ("Error!! EtherCAT variables [Slave To Master] ...").
String EtherCAT_Message(int Header, TEtherCAT_Dir Dir, const String& Detail);
// The same about one row ("... [Slave To Master] row 3: unknown type: "Int17"").
String EtherCAT_Row_Message(int Header, TEtherCAT_Dir Dir, int Row, const String& Detail);
// A value as messages show it, in double quotes.
String Quoted(const String& Value);
