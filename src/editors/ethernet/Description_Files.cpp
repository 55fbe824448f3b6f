#include "editors/ethernet/Description_Files.h"

bool Save_PROFINET_XML(const String&) { return false; }

bool Write_SNMP_MIB(TSaveDialog&) { return false; }
