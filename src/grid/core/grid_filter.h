#pragma once
// Filter expressions: the test of a cell text against a condition list such
// as "(a*|b*)&!*x" or a range such as ">=10&<20", used by the grid's filter
// and search.
//
// Language: blanks outside double quotes are dropped and a leading "=" is
// ignored. "&" (and), ";" "^" "|" (or) and "(...)" groups combine
// conditions strictly from left to right (no precedence). A condition is a
// comparison (">", ">=", "<", "<=": numeric when both sides are numbers, by
// date when both are dates in the short date order, else as text), or a
// wildcard pattern with "*" (any run) and "?" (one character), negated by
// "!". Double quotes protect operators inside an operand.
//
// An expression whose group "(" has no closing ")" matches nothing.
#include <QChar>

#include "grid/core/grid_format.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/strings.h"

// True when Value satisfies Expression. Without CaseSensitive both are
// upper-cased first.
bool MatchFilterExpression(const String& Expression, const String& Value, bool CaseSensitive,
                           const TGridFormatSettings& FS = CurrentGridFormatSettings());
// One condition, with the case handling of MatchFilterExpression.
bool MatchCondition(const String& Condition, const String& Value, bool CaseSensitive,
                    const TGridFormatSettings& FS = CurrentGridFormatSettings());
// One condition, compared as it stands.
bool MatchSingleCondition(const String& Condition, const String& Value,
                          const TGridFormatSettings& FS = CurrentGridFormatSettings());

// The pieces a condition is read with (the compiled form, grid_filter_compiled.h,
// reads conditions the same way). A comparison operand holds at most
// FilterMaxOperand characters, and a text comparison looks at no more of
// either side.
constexpr int FilterMaxOperand = 255;
// The operand that starts at Start (0-based) of the condition. Inside the
// operand of ">" and ">=" a blank within double quotes belongs to it.
String ReadFilterOperand(const String& C, int Start, bool KeepQuotedBlanks);
// The text as a number (separators of FS), and not as a date.
bool FilterTextAsNumber(const String& Text, double& Value, const TGridFormatSettings& FS);

// The leftmost character of Operators that stands outside double quotes
// (an even number of quotes before it); its 1-based position goes to Pos.
// A null character and Pos = -1 when there is none.
QChar FindOperatorOutsideQuotes(const String& Operators, const String& Text, int& Pos);
// The text without the blanks that stand outside double quotes.
String RemoveBlanksOutsideQuotes(const String& Text);
// Position of the ")" that closes the text's first group: the first ")" at
// which as many ")" as "(" have been counted; 0 when there is none.
int ClosingParenPos(const String& Text);
// Thousand separators removed, the decimal separator written as ".".
String NormalizeNumberText(const String& Text, const TGridFormatSettings& FS = CurrentGridFormatSettings());
// A date in the field order of the short date format, with an optional time
// "h:m[:s]" after a blank; the year is taken as written. False for anything
// else; a date whose time part lacks the time separator is stored (at
// midnight) although the result is false.
bool ParseDateTimeText(const String& Text, TDateTime& DateTime,
                       const TGridFormatSettings& FS = CurrentGridFormatSettings());
