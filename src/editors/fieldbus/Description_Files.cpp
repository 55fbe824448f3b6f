#include "editors/fieldbus/Description_Files.h"

bool Write_EDE_File(const String&) { return false; }
