#pragma once
// The configuration-image compiler: turns the open configuration's ParGen.xml,
// EtherCAT_Slave.xml and EtherCAT_Slave_Group.xml into the two images the
// gateway keeps in flash, bank1.bin (communication parameters, 2048 bytes) and
// bank2.bin (EtherCAT variables, based at device address 0x80000).
//
// A compile either succeeds completely or fails with a message that names
// the key, row or value at fault; nothing of a failed compile is ever
// written. Values the images use must convert and fit their field; a missing
// key takes the compiler's default.
#include <QByteArray>

#include <cstdint>

#include "platform/rtl/strings.h"

constexpr int Bank1_Size = 2048;
constexpr uint32_t Bank2_Base = 0x80000;   // device address of bank2.bin's first byte
constexpr int Bank_Max_Size = 0x20000;     // largest image the device takes
constexpr int Bank2_Empty_Size = 0x40AD;   // header, both tables, group table, the empty name

// ---- the bank2 data model --------------------------------------------------------------

// One EtherCAT variable.
struct TEtherCAT_pd {
    uint8_t Data_Type = 0;
    uint8_t length = 0;
    uint8_t access = 0;  // 1 slave to master, 0 master to slave
    uint8_t bit_address = 0;
    uint32_t position = 0;
    uint32_t subindex = 0;     // index within its direction
    uint32_t entry_index = 0;  // always 0
    uint32_t group_index = 0xFFFFFFFF;
    uint32_t init_value_Add = 0;  // 0: no initial value
    uint8_t init_value[256] = {};
    QByteArray name;  // UTF-8
    uint32_t name_length = 0;  // bytes of name
    uint32_t name_add = 0;
};

// The group names of both directions.
struct TEtherCAT_Group {
    uint32_t group_In_Add[16] = {};
    uint32_t group_Out_Add[16] = {};
    QByteArray group_In_Str[16];  // UTF-8
    QByteArray group_Out_Str[16];
    uint8_t Num_In = 0;
    uint8_t Num_Out = 0;
    uint8_t Spare[2] = {};
};

// ---- compiling ----------------------------------------------------------------------------

struct TCompile_Result {
    bool Ok = false;
    String Message;  // why it failed; empty on success
};

struct TBank_Images {
    QByteArray Bank1;  // 2048 bytes
    QByteArray Bank2;
};

// Builds both images from the three files (each may be missing). On failure
// Images is left as it was.
TCompile_Result Compile_Banks(const String& ParGen_Path, const String& Slave_Path, const String& Group_Path,
                              TBank_Images& Images);
// Writes Bin_Dir/bank1.bin and Bin_Dir/bank2.bin as a pair: both are new, or
// both are as they were; the directory is not created. Reports the file
// that cannot be written.
TCompile_Result Write_Bank_Files(const String& Bin_Dir, const TBank_Images& Images);

// The device-update step's two entries. Compile_Configuration compiles
// File_ParGen, File_EtherCAT_Slave and File_EtherCAT_Slave_Group and keeps
// the result; Save_Bank_Files writes the kept images to the bin directory of
// the configuration they were compiled from, and writes nothing (returning
// the compile's failure) unless the last compile succeeded.
TCompile_Result Compile_Configuration();
TCompile_Result Save_Bank_Files();
