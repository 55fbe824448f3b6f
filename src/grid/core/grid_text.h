#pragma once
// Stateless text and value routines shared by the grid, its editors, its
// file formats and its drop-down controls: classifying a cell text, reading
// numbers and short dates, the CSV quoting, the line-break codings, the
// wide-cell coding, the HTML clipboard text and small string helpers.
//
// Positions are 1-based and count UTF-16 units. Routines that depend on the
// separators or the short date format take the format settings last; the
// default is the current settings, read at each call.
#include <QChar>

#include <cstdint>

#include "grid/core/grid_format.h"
#include "platform/gui/graphics.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/strings.h"

// ---- text kind and links ------------------------------------------------------------------

// Kinds returned by GetTextType (4 is never produced).
constexpr int ttPlain = 0;
constexpr int ttHTML = 1;
constexpr int ttRTF = 2;
constexpr int ttFormula = 3;
constexpr int ttWide = 5;

// 0 plain, 1 HTML (only when HTMLEnabled and the text holds "</", "<B", "<I"
// or "<C"), 2 RTF ("{\" first), 3 formula ("=" first, or a wide-coded text
// whose first unit has "=" as its low byte and whose second unit is below
// 256), 5 wide-coded ("|\" first).
int GetTextType(const String& Text, bool HTMLEnabled);
// True when the text holds "://" or "mailto:" anywhere (case-sensitive).
bool IsURLText(const String& Text);
// Drops everything up to and including "://", else up to and including
// "mailto:"; otherwise leaves the text alone.
void StripURLScheme(String& Text);
// When Prefix (given in upper case) occurs in the text: Result is the text
// with "<" and ">" escaped and the link that starts at Prefix wrapped in an
// anchor element; true. Otherwise false and Result untouched.
bool InsertURLAnchor(const String& Text, const String& Prefix, String& Result);
// True when the first date separator stands at position 2 or later and a
// second one follows it, not directly.
bool LooksLikeDate(const String& Text, const TGridFormatSettings& FS = CurrentGridFormatSettings());

// ---- numbers and cell references ----------------------------------------------------------

// Kinds returned by GetNumberType.
constexpr int ntInteger = 0;
constexpr int ntDecimal = 1;
constexpr int ntNone = 2;
constexpr int ntExponent = 5;

// A character of the Unicode number categories (digits, letter numbers,
// other numbers).
bool IsDigitChar(QChar Ch);
// 0 integer (a lone "-" counts as one), 1 decimal number with thousand and
// decimal separators, 5 exponent form, 2 not a number.
int GetNumberType(const String& Text, const TGridFormatSettings& FS = CurrentGridFormatSettings());
// The numeric part of a display text in the form a float conversion with "."
// reads: "($1,234.50)" gives "-1234.50" (comma thousands, full-stop decimal).
String CleanNumberText(const String& Text, const TGridFormatSettings& FS = CurrentGridFormatSettings());
// Value unchanged when Min = Max; otherwise Max when Max > 0 and Value > Max,
// Min when Min > 0 and Value < Min, else Value.
int ClampToLimits(int Value, int Min, int Max);
int IntMax(int A, int B);
int IntMin(int A, int B);
// Six upper-case hex digits red, green, blue; system colours unresolved.
String ColorToHex(TColor Color);
// "R12C3" (any case, longer than 3 characters): Cell.X := 3, Cell.Y := 12,
// true. Otherwise false and Cell untouched.
bool ParseRowColRef(const String& Text, TPoint& Cell);
// Left <= Col <= Right and Top <= Row <= Bottom (the grid's selection
// rectangle holds its corner cells, Right and Bottom included).
template <typename TGridRectT>
bool CellInGridRect(const TGridRectT& Rect, int Col, int Row)
{
    return Rect.Left <= Col && Col <= Rect.Right && Rect.Top <= Row && Row <= Rect.Bottom;
}

// Formats one number with a format that comes from data (a column's or a
// cell's format). Only one conversion of the forms %d %u %x %X %f %e, with
// the flags "-" and "0", a width and a precision of at most two digits each,
// is accepted, plus any number of "%%". The integer conversions receive the
// rounded value. False, and Result untouched, for any other format: such a
// format is shown as plain text by the callers, never passed on.
bool TryFormatNumber(const String& Fmt, double Value, String& Result);

// ---- short dates -------------------------------------------------------------------------

// month/day/year (US) or day/month/year (EU). The separator is the first "/",
// else ".", else "-". A two-digit year up to 25 lies in 2000-2025, a larger
// one in 1926-1999; longer years are taken as written. A malformed text gives
// 0; a date that does not exist raises EConvertError.
TDateTime ParseShortDateUS(const String& Text);
TDateTime ParseShortDateEU(const String& Text);
// Continues a date series: only a day step adds it; only a year step or only
// a month step moves the year or month, keeping the day (a month below 1 or
// above 12 wraps once into the year before or after); anything else adds
// Step. A day the target month lacks, or a month still out of range after
// the one wrap, raises EConvertError.
TDateTime IncDateParts(int16_t YearStep, int16_t MonthStep, int16_t DayStep, double Step, TDateTime Date);

// ---- CSV quoting ---------------------------------------------------------------------------

// Every double quote doubled.
String EscapeQuotes(const String& Text);
// Every Ch directly followed by another Ch absorbs it ("aa" -> "a",
// "aaa" -> "aa").
String UndoubleChar(QChar Ch, const String& Text);
// Position of the quote that closes a quoted field, given the text after
// the opening quote (doubled quotes skipped); 0 when none. Also stored in Pos.
int FindClosingQuote(QChar Quote, const String& Text, int& Pos);
// How many times FindClosingQuote finds a quote when the text is consumed
// up to each find.
int CountClosingQuotes(QChar Quote, const String& Text);
// CR LF becomes #11, then the text is put in double quotes.
void QuoteMultiLineText(String& Text);
// #11 becomes CR LF.
void VTToCRLF(String& Text);

// ---- line-break codings --------------------------------------------------------------------

String CRToBR(const String& Text);           // CR -> "<br>"
String EscapeNewLines(const String& Text);   // CR -> "\n" (two characters), LF removed
String UnescapeNewLines(const String& Text); // "\n" -> CR
void RemoveCRofCRLF(String& Text);           // CR LF -> LF
void CRLFToTilde(String& Text);              // CR -> "~", LF removed
void TildeToCRLF(String& Text);              // "~" -> CR LF; "^" becomes empty
String PackLineBreaks(const String& Text);   // when a CR occurs: CR -> #9, LF -> #8, #0 -> #1
// When #8 occurs: #9 -> CR, #8 -> LF, #1 -> #0. The whole text when Whole,
// else its first line.
String UnpackLineBreaks(const String& Text, bool Whole);
// The text before the first CR; that part, the CR and one LF after it are
// removed from Text, and the rest is cleared too unless KeepRest. Without a
// CR the whole text is returned and Text cleared.
String CutFirstLine(String& Text, bool KeepRest);
// 1 + the number of CRs when MultiLine, else 1.
int CountLines(const String& Text, bool MultiLine);
String StripCR(const String& Text);
String CRToLF(const String& Text);

// ---- wide-cell coding ----------------------------------------------------------------------

// "|\" followed, for each UTF-16 unit, by the character of its high byte and
// the character of its low byte.
String EncodeWideCellText(const String& WideText);
// The inverse for a text that begins with "|\" (an odd last character is
// dropped); any other text is returned unchanged.
String DecodeWideCellText(const String& Text);
int WidePos(const String& Sub, const String& Text);

// ---- HTML clipboard text ---------------------------------------------------------------------

// Replaces the fragment by the whole "HTML Format" clipboard text: the
// header with the offsets of the HTML and of the fragment, counted in bytes
// of the UTF-8 text, then the document around the fragment.
void MakeHTMLClipboardText(String& Fragment);

// ---- string helpers --------------------------------------------------------------------------

// Position of Sub (given in upper case) in the upper-cased text.
int PosInUpper(const String& Sub, const String& Text);
int FindPos(const String& Sub, const String& Text, int& Pos);
// Position of the first Ch, also stored in Pos; 0 (Pos untouched) when absent.
int FindCharPos(QChar Ch, const String& Text, int& Pos);
int FirstCharPos(QChar Ch, const String& Text);
// The part before the first Delimiter, removed with the delimiter from Text;
// an empty text (Text unchanged) when the delimiter does not occur.
String CutToken(String& Text, const String& Delimiter);
String ConcatLines(const TStringList& Lines);
int CountChar(QChar Ch, const String& Text);
void FillWithChar(String& Text, QChar Ch);
// Capitalises words: "mcdonald" -> "McDonald", "henry iii" -> "Henry III",
// "o'neil-smith" -> "O'Neil-Smith".
String ToMixedCase(const String& Text);
// Blank, apostrophe, comma, hyphen and full stop.
bool IsWordBreakChar(QChar Ch);
// The text converted to the OEM code page (code page 437) and the bytes read
// back as 8-bit ANSI (Windows-1252) text; characters without an OEM code
// become "?". OemToString is the inverse.
void StringToOem(String& Text);
void OemToString(String& Text);
