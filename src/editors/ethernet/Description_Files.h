#pragma once
// The description files the Ethernet protocols write for other tools.
#include "platform/gui/dialogs.h"

// Runs its own save dialog with Name_File_XML preset, asks before
// overwriting and writes the PROFINET GSDML file. Not built yet: shows
// nothing, writes nothing and returns false.
bool Save_PROFINET_XML(const String& Name_File_XML);

// Runs the main window's save dialog SaveMIB in the configuration's folder,
// asks before overwriting and writes the SNMP MIB file. Not built yet: shows
// nothing, writes nothing and returns false.
bool Write_SNMP_MIB(TSaveDialog& SaveMIB);
