#pragma once
// Files and directories of the local file system. Paths use "/"; a link
// counts as what it points to.
#include <QStringList>

#include "platform/rtl/strings.h"

// Directory of the running executable (from /proc/self/exe), no trailing "/".
String Executable_Dir();

// A regular file, or a link to one.
bool File_Exists(const String& path);
// A directory, or a link to one.
bool Directory_Exists(const String& path);
// Creates one directory level; false when it fails or already exists.
bool Create_Dir(const String& path);
// Creates the directory with every missing parent; true when it exists
// afterwards as a directory.
bool Force_Directories(const String& path);

// Names of the subdirectories of `dir` (hidden ones too, without "." and
// ".."), sorted ignoring letter case, names equal but for case in
// case-sensitive order. Empty when `dir` cannot be read.
QStringList List_Directories(const String& dir);
// Names of the regular files in `dir` (links to them and read-only ones
// included) that end with `suffix`, compared case-sensitively; sorted as
// List_Directories.
QStringList List_Files(const String& dir, const String& suffix);

// Copies through a temporary file beside `dst` renamed over it, so `dst` is
// either the old file or the whole copy; false on failure.
bool Copy_File(const String& src, const String& dst);

// `a` and `b` joined by exactly one "/"; an empty part gives the other.
String Path_Join(const String& a, const String& b);
