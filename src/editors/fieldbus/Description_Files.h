#pragma once
// The description files the BACnet side writes for other tools.
#include "platform/rtl/strings.h"

// Writes the BACnet EDE file (semicolon-separated text) of the open
// configuration to File_Name, after the caller asked about overwriting.
// Not built yet: writes nothing and returns false.
bool Write_EDE_File(const String& File_Name);
