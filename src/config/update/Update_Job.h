#pragma once
// The update job "Ethernet_Update.xml" that the external update program
// reads: the gateway's address, the ports, and one flash operation per file
// (firmware, bank1.bin, bank2.bin) as the chosen update option asks.
#include "platform/rtl/strings.h"

// Update options, as listed in the device-update dialog.
enum TUpdate_Option { uoFirmware_And_Configuration = 0, uoFirmware = 1, uoConfiguration = 2 };

struct TUpdate_Job {
    String IP_Address;  // dotted device address
    int Update_Option = uoFirmware_And_Configuration;
    bool Read_Back = true;
    String Master_Dir;   // folder of the firmware file
    String Project_Dir;  // the configuration, holding bin/bank1.bin and bin/bank2.bin
};

// Name of the job file beside the executable.
extern const char* const Update_Job_File_Name;  // "Ethernet_Update.xml"
// Name of the firmware file in the MASTER folder.
extern const char* const Firmware_File_Name;    // "Zuz48E21.sim"

// The job as XML text (no declaration, no line breaks).
String Update_Job_Xml(const TUpdate_Job& Job);
// Writes the job to Path, replacing what was there (atomically). Raises
// EFileError when it cannot be written.
void Compile_XML_Parameter_New_Boot(const TUpdate_Job& Job, const String& Path);
