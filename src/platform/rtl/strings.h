#pragma once
// Run-time string and number helpers.
//
// Text is `String` (QString, UTF-16). The helpers keep the classic run-time
// semantics that the rule editors' algorithms are written in: positions are
// 1-based, out-of-range arguments are clamped instead of failing, and the
// number parsers accept exactly the forms documented below.
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <type_traits>
#include <variant>

#include "platform/rtl/exceptions.h"

using String = QString;

// ---- 1-based substring operations -------------------------------------------

// Up to Count characters starting at Index (1-based). Index < 1 counts as 1;
// an Index past the end or a Count <= 0 gives an empty text.
String Copy(const String& S, int Index, int Count);
// Copy from Index to the end.
String Copy(const String& S, int Index);
// Position (1-based) of the first occurrence of Substr in S, 0 when absent or
// when Substr is empty. Offset starts the search at that position.
int Pos(const String& Substr, const String& S, int Offset = 1);
// Removes Count characters starting at Index (1-based). Nothing happens when
// Index < 1, Index > Length(S) or Count <= 0; Count is clamped to the end.
void Delete(String& S, int Index, int Count);
// Inserts Source before position Index (1-based). Index < 1 inserts at the
// start, Index > Length(S) appends.
void Insert(const String& Source, String& S, int Index);
inline int Length(const String& S) { return static_cast<int>(S.size()); }

// ---- trimming and case -------------------------------------------------------

// Remove characters <= U+0020 from both ends / the start / the end.
String Trim(const String& S);
String TrimLeft(const String& S);
String TrimRight(const String& S);
// ASCII letters only.
String UpperCase(const String& S);
String LowerCase(const String& S);
// All letters (Unicode case mapping).
String AnsiUpperCase(const String& S);
String AnsiLowerCase(const String& S);
// Case-insensitive comparison of ASCII letters: <0, 0, >0.
int CompareText(const String& A, const String& B);
bool SameText(const String& A, const String& B);
// Case-insensitive comparison of all letters.
int AnsiCompareText(const String& A, const String& B);
int CompareStr(const String& A, const String& B);
// Replaces every occurrence (case-sensitive).
String StringReplaceAll(const String& S, const String& From, const String& To);
// Text of Count copies of Ch.
String StringOfChar(QChar Ch, int Count);

// ---- integers ----------------------------------------------------------------
//
// The one rule for "read as an integer": leading blanks (U+0020) are skipped,
// trailing characters of any kind are refused; an optional sign "+" or "-";
// then decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or
// "0X". The value must lie in the target's range (hex included: there is no
// wrap-around, "$FFFFFFFF" is out of range for 32 bits).

bool TryStrToInt(const String& S, int& Value);
bool TryStrToInt64(const String& S, int64_t& Value);
// Raise EConvertError when the text is not an integer.
int StrToInt(const String& S);
int64_t StrToInt64(const String& S);
int StrToIntDef(const String& S, int Default);
int64_t StrToInt64Def(const String& S, int64_t Default);
// Decimal digits only (at least one, leading zeros allowed): no blanks, no
// sign, no hex. Fails beyond the int32 range.
bool TryStrToDecimalDigits(const String& S, int& Value);

String IntToStr(int64_t Value);
// Upper-case hexadecimal with at least Digits digits. Negative values are
// shown as their two's complement of 32 bits (64 for the int64 overload when
// the value does not fit in 32 bits).
String IntToHex(int64_t Value, int Digits);

// ---- floating point -----------------------------------------------------------

// Trim, optional sign, digits, optional fraction after DecimalSeparator,
// optional exponent (E or e, optional sign, digits). At least one digit in the
// mantissa. Overflow, inf and nan fail.
bool TryStrToFloat(const String& S, double& Value, QChar DecimalSeparator = u'.');
// Raises EConvertError on failure.
double StrToFloat(const String& S, QChar DecimalSeparator = u'.');
// General format with 15 significant digits, like the classic FloatToStr:
// "1.5", "0.1", "1E20", "1.5E-6"; DecimalSeparator between the parts.
String FloatToStr(double Value, QChar DecimalSeparator = u'.');
// Fixed format with Digits decimals.
String FloatToStrF(double Value, int Digits, QChar DecimalSeparator = u'.');

// Rounds half to even ("banker's rounding"), like the classic Round.
int64_t Round(double Value);
// Truncates towards zero.
int64_t Trunc(double Value);
// Number * Numerator / Denominator with a 64-bit intermediate, rounded half
// away from zero. Returns -1 when Denominator is 0 or the result does not
// fit in 32 bits.
int MulDiv(int Number, int Numerator, int Denominator);

// ---- Format -------------------------------------------------------------------
//
// A small Format for fixed program texts only (never for texts read from
// files): %d, %u, %s, %x, %X, %f and %e with optional "-" (left align), "0"
// (zero pad), width and ".precision" ("%.2f", "%4d", "%.4X", "%-8s"), and
// "%%". An argument of the wrong kind or a missing argument raises
// EConvertError.
using FormatArg = std::variant<int64_t, double, String>;

String Format(const String& Fmt, std::initializer_list<FormatArg> Args);

// Helpers to build Format arguments from any integer or text type.
template <typename T>
inline FormatArg Arg(T v)
{
    if constexpr (std::is_integral_v<T>)
        return FormatArg(static_cast<int64_t>(v));
    else if constexpr (std::is_floating_point_v<T>)
        return FormatArg(static_cast<double>(v));
    else
        return FormatArg(String(v));
}
