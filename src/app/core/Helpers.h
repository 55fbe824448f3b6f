#pragma once
// Small stateless routines the dialogs share: dotted IPv4 addresses (with
// and without a port), numbers with either decimal separator, the OPC UA
// code tables, SNMP identifier checks, the serial port list and the IP
// protocol names of a device interface. None of them shows a message.
#include <QStringList>

#include <cstdint>

#include "app/core/UComon.h"

// True when S is four dot-separated parts, each (trimmed) a decimal number
// 0..255. A, B and C receive the parts before the first three dots as they
// are found; D the whole trimmed rest.
bool Split_IP_Address(const String& S, String& A, String& B, String& C, String& D);

// Four bytes of a dotted address. Returns TRUE ON ERROR: an empty text
// (bytes untouched), or any part that is not a decimal number 0..255 (that
// byte becomes 0). All four bytes are written otherwise.
bool IP_To_Bytes_Failed(const String& S, uint8_t& B1, uint8_t& B2, uint8_t& B3, uint8_t& B4);

// "a.b.c.d:port". All outputs are 0 unless the whole text is valid; then
// they are written and the result is true.
bool IP_Port_To_Bytes(const String& S, uint8_t& B1, uint8_t& B2, uint8_t& B3, uint8_t& B4, uint16_t& Port);

// The decimal separator of the user's locale when it is "," or ".", else ",".
QChar Get_Decimal_Separator();

// Accepts a number typed with either separator: both are turned into Sep and
// the text is read with Sep as the decimal separator (trimmed, optional
// sign, optional fraction and exponent). On failure V is 1.0 and the result
// false; values that round to infinity as a 32-bit float fail too
// ("3.4028235e38" reads as the largest float).
bool Str_To_Float_Sep(const String& S, QChar Sep, float& V);

// ---- OPC UA code tables -------------------------------------------------------------
String OPCUA_Id_Type_To_Str(int Code);
int OPCUA_Str_To_Id_Type(const String& S);  // compared upper-cased
String OPCUA_Data_Type_To_Str(int Code);
String OPCUA_Auth_To_Str(int Code);
int OPCUA_Str_To_Auth(const String& S);
String OPCUA_Sec_Mode_To_Str(int Code);
int OPCUA_Str_To_Sec_Mode(const String& S);
String OPCUA_Sec_Policy_To_Str(int Code);
int OPCUA_Str_To_Sec_Policy(const String& S);
String OPCUA_Node_Id_To_Str(const opcua_structure& Node);

// ---- SNMP -------------------------------------------------------------------------
// 0 valid; 1 longer than 61; 2 a character other than a digit or "."; 3 starts
// with "."; 4 ends with "."; 5 two dots in a row; 6 an arc above 4294967295
// (an empty text is one empty arc, hence 6).
int Check_SNMP_OID(const String& S);
// 0 valid; 1 longer than 15; 2 too short (user name < 1, pass phrase < 8);
// 3 a character outside A-Z, a-z, 0-9.
int Check_SNMPv3_String(const String& S, bool IsUser);
// "AUTH NOPRIV" 1, "AUTH PRIV" 3, empty -1, anything else 0.
int SNMP_Sec_Level_To_Flags(const String& S);

// ---- device interfaces ----------------------------------------------------------------
// Names of the serial devices present (ttyS*, ttyUSB*, ttyACM* under DevDir),
// sorted.
QStringList Get_COM_Port_List(const String& DevDir = QStringLiteral("/dev"));
int Get_IP_Protocol_Names(String& N1, String& N2);
