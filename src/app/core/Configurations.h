#pragma once
// Configurations on disk: one directory per configuration in Projects_Dir.
#include <QStringList>

#include "platform/rtl/strings.h"

// The names of the configurations in ProjectsDir, sorted ignoring case.
QStringList List_Configurations(const String& ProjectsDir);

// Checks a new configuration's name before anything is created. Returns 0
// when it may be created, else the number of the error text: 107 when it is
// not a single directory name (empty, ".", "..", holding "/" or "\" or a
// character below U+0020), 106 when a configuration of that name exists
// (letter case ignored). The name is used verbatim (not trimmed).
int Check_New_Configuration_Name(const String& Name, const String& ProjectsDir);

// Creates the configuration's directory and its "bin" folder. Returns 0, or
// 105 when the directory cannot be created (a missing "bin" is not an
// error: the image compiler reports it when it needs it).
int Create_Configuration(const String& Name, const String& ProjectsDir);
