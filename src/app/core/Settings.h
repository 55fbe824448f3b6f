#pragma once
// The configurator's own settings file "Tessaran.xml" beside the executable:
// last configuration, last device address, language and four option flags.
#include "platform/rtl/strings.h"

// Path of the settings file (Exe_Dir/Tessaran.xml).
String Settings_File();

// Reads the settings into Project_Name, Last_IP_Address, Language_Name and the
// four Opt_ flags. A missing file gives every default and clears
// Project_Dir; a missing group or leaf gives that value alone its default.
// A file that is not well-formed XML reads as all defaults. The root is the
// document element, whatever its name.
void Read_Settings();

// Writes the whole file from the current values (atomically). Returns false
// and fills Error when the file cannot be written.
bool Save_Setting(String* Error = nullptr);
