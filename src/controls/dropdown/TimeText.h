#pragma once
// The time text of the time picker drop-down, without a window: two digits
// per part (hour, minute and optionally second) joined by the time
// separator; which part the caret is in; stepping a part with wrap-around
// and no carry; reading a typed time.
#include "platform/rtl/strings.h"

enum class TTimePart { tpHour, tpMinute, tpSecond };
using TTimePart::tpHour, TTimePart::tpMinute, TTimePart::tpSecond;

struct TTimeParts {
    int Hour = 0, Minute = 0, Second = 0;
    bool operator==(const TTimeParts&) const = default;
};

// N in decimal with a "0" in front when that has one character.
String TimeTwoDigits(int N);
// "hh<sep>mm" and, with Seconds, "<sep>ss".
String FormatTimeText(const TTimeParts& T, bool Seconds, QChar Sep);
// The edit mask of the time text: "!90<sep>00<sep>00;1; " (without seconds
// "!90<sep>00;1; ").
String TimeEditMask(bool Seconds, QChar Sep);

// The part the caret (SelStart, counted from 0) is in: before the first
// separator the hour; from there on the minute, or the second from the
// second separator on (with Seconds; a text without a second separator
// has no second part).
TTimePart TimePartAtCaret(const String& Text, int SelStart, bool Seconds, QChar Sep);
// One step of a part: Up lowers it, Down raises it, wrapping within 0..23
// (hour) or 0..59; the other parts never carry.
int StepTimePart(TTimePart Part, int Value, bool Up);

// Reading a typed time. tvIncomplete: not yet a whole entry or not the
// layout of the form (ignored); tvOutOfRange: an hour above 23 or a minute
// or second above 59 (refused); tvTime: Parts holds the time, and Rewrite
// tells whether the text is to be replaced by its two-digit form (it
// differs and minute and second are 0).
enum class TTypedTime { tvIncomplete, tvOutOfRange, tvTime };
using TTypedTime::tvIncomplete, TTypedTime::tvOutOfRange, TTypedTime::tvTime;
TTypedTime ReadTypedTime(const String& Text, bool Seconds, QChar Sep, TTimeParts& Parts, bool& Rewrite);
