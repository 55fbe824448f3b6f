#pragma once
// What the device and the description file demand of a variable's texts
// beyond its type and length: the initial value a slave-to-master variable
// starts with, and a name the ESI file can hold. The layout model's
// EtherCAT_Entries applies both, so the image compiler, the ESI writer and
// the variable editor refuse exactly the same rows.
#include <cstdint>

#include "ethercat/model/EtherCAT_Layout.h"

// A text of one or two hexadecimal digits as a byte; -1 for anything else.
int Hex_Byte(const String& Pair);

// The initial value Text of a variable of type T and Length bytes (the
// fixed type's size, or 1..255 for Array and String) as the device stores
// it: Length bytes, little-endian for numbers. An empty Text has no initial
// value (true, nothing written). Fails with the text number of the fault:
// 1117 for a value that does not convert or does not fit the type, 1118 for
// a String character above U+00FF.
//   Integers: the program's integer rule, within the type's range (Bool any
//     integer, its lowest bit kept).
//   Float32: "." or "," as the decimal separator, whatever the PC's.
//   String: at most Length characters, one byte each, padded with 0.
//   Array: at most 2 x Length characters, two hexadecimal digits per byte;
//     a pair that is missing or not hexadecimal stores 0.
bool Encode_Init_Value(const TEtherCAT_Type& T, int Length, const String& Text, uint8_t* Bytes, int& Fault);

// The first character of S that XML 1.0 cannot hold (below U+0020, U+FFFE,
// U+FFFF, an unpaired surrogate), or -1 when there is none.
int Bad_Xml_Char(const String& S);
// A character as messages show it: " (U+0009)".
String Char_Code(int C);
