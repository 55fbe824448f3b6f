#pragma once
// The description files the CANopen side writes for other tools.
#include "platform/rtl/strings.h"

// Writes the CANopen EDS file of the open configuration to File_Name (no
// overwrite question). Not built yet: writes nothing and returns false.
bool Write_EDS_File(const String& File_Name);
