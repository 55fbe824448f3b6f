#pragma once
// The program-wide table of numbered texts and the language files.
//
// Every caption, hint, header and message of the dialogs is text n of
// Lang_Texts, n a fixed number in the reading code. The table is filled in
// two layers: the built-in English texts (always all 5400 numbers, a blank
// number holding " "), then the lines of the chosen language file on top.
// Only the GUI thread touches it.
#include <QStringList>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/rtl/strings.h"

extern QStringList Lang_Texts;
// 0 until the table is filled for the first time, 5400 afterwards; the
// exclusive upper bound of the numbers a language file may set.
extern int Lang_Count;

// Empties the table, appends the built-in texts 0-1299, then (through the two
// companions) 1300-2799 and 2800-5399, sets Lang_Count and finally applies
// Added_Lang_Texts.
void Load_Default_Lang();
// Append the built-in texts 1300-2799 / 2800-5399; only Load_Default_Lang
// calls them.
void Load_Default_Lang_2();
void Load_Default_Lang_3();

// Messages added after the built-in texts were laid out. They take free
// numbers from 1106 upward (register with their users: docs/TEXTS.md) and
// are applied by Load_Default_Lang, so a language file can translate them
// like any other number.
struct TAdded_Lang_Text {
    int Number;
    const char* Text;  // UTF-8
};
extern const std::vector<TAdded_Lang_Text> Added_Lang_Texts;

// Applies a language file to the filled table. The file is read whole first
// (its byte-order mark decides the encoding; without one, valid UTF-8 is
// UTF-8 and anything else Windows-1252; a NUL ends the text), then each line
// of the form `STR<number> = <text>` replaces text <number>; every other
// line is ignored. Raises EFileError, before any text is replaced, when the
// file cannot be read.
void Load_Lang_File(const String& path);

// Refills the built-in texts and applies Language_Dir/<Language_Name>.lng.
// When nothing of that name exists, Language_Name becomes "English" and
// Language_Dir/English.lng is applied if present. A file that exists but
// cannot be read leaves the built-in texts and the Language_Name of entry,
// and the result is false; otherwise true.
bool Load_Language();

// Text n, or an empty text for a number outside the table.
String Lang_Text(int n);

// Fills a "%d" pattern of the table. Table texts come from user-editable
// files, so they never go through a printf-style routine: only "%d" is
// replaced, by the values in order (an empty text once they run out; extra
// values are ignored), and every other "%" stays as it is.
String Format_Lang(const String& pattern, std::initializer_list<int64_t> values);
