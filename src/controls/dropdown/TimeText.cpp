#include "controls/dropdown/TimeText.h"

namespace {

bool digit(QChar C) { return C >= u'0' && C <= u'9'; }

// Its first character, if any, and its second, if any, are digits.
bool isTwoDigitText(const String& S) { return (S.size() < 1 || digit(S[0])) && (S.size() < 2 || digit(S[1])); }

// The value of a part's text (0 for an empty one); false when it is no
// whole number.
bool partValue(const String& S, int& V)
{
    if (S.isEmpty()) {
        V = 0;
        return true;
    }
    for (QChar c : S)
        if (!digit(c))
            return false;
    if (S.size() > 4)
        return false;
    V = S.toInt();
    return true;
}

}  // namespace

String TimeTwoDigits(int N)
{
    String s = QString::number(N);
    if (s.size() == 1)
        s.prepend(u'0');
    return s;
}

String FormatTimeText(const TTimeParts& T, bool Seconds, QChar Sep)
{
    String s = TimeTwoDigits(T.Hour) + Sep + TimeTwoDigits(T.Minute);
    if (Seconds)
        s += Sep + TimeTwoDigits(T.Second);
    return s;
}

String TimeEditMask(bool Seconds, QChar Sep)
{
    return Seconds ? QStringLiteral("!90") + Sep + QStringLiteral("00") + Sep + QStringLiteral("00;1; ")
                   : QStringLiteral("!90") + Sep + QStringLiteral("00;1; ");
}

TTimePart TimePartAtCaret(const String& Text, int SelStart, bool Seconds, QChar Sep)
{
    const int p1 = int(Text.indexOf(Sep)) + 1;  // 1-based; 0: none
    if (SelStart < p1)
        return tpHour;
    const String rest = Text.mid(p1);
    const int p2 = int(rest.indexOf(Sep)) + 1;
    if (Seconds && p2 > 0 && SelStart - p1 >= p2)
        return tpSecond;
    return tpMinute;
}

int StepTimePart(TTimePart Part, int Value, bool Up)
{
    const int top = Part == tpHour ? 23 : 59;
    if (Up)
        return Value <= 0 ? top : Value - 1;
    return Value >= top ? 0 : Value + 1;
}

TTypedTime ReadTypedTime(const String& Text, bool Seconds, QChar Sep, TTimeParts& Parts, bool& Rewrite)
{
    Rewrite = false;
    if (Text.isEmpty() || Text.trimmed().size() < (Seconds ? 8 : 5))
        return tvIncomplete;
    // The layout: a separator; after it a second one exactly with seconds;
    // after that none.
    const int s1 = int(Text.indexOf(Sep));
    if (s1 < 0)
        return tvIncomplete;
    const String rest1 = Trim(Text.mid(s1 + 1));
    const int s2 = int(rest1.indexOf(Sep));
    if ((s2 >= 0) != Seconds)
        return tvIncomplete;
    if (s2 >= 0 && Trim(rest1.mid(s2 + 1)).contains(Sep))
        return tvIncomplete;

    String s = Text;
    s.replace(u' ', u'0');
    const int t1 = int(s.indexOf(Sep));
    const String hourText = Trim(s.left(t1));
    String minuteText = Trim(s.mid(t1 + 1));
    String secondText;
    if (Seconds) {
        const int t2 = int(minuteText.indexOf(Sep));
        secondText = Trim(minuteText.mid(t2 + 1));
        minuteText = Trim(minuteText.left(t2));
    }
    if (!isTwoDigitText(hourText) || !isTwoDigitText(minuteText) || (Seconds && !isTwoDigitText(secondText)))
        return tvIncomplete;
    TTimeParts t;
    if (!partValue(hourText, t.Hour) || !partValue(minuteText, t.Minute) ||
        (Seconds && !partValue(secondText, t.Second)))
        return tvOutOfRange;
    if (t.Hour > 23 || t.Minute > 59 || t.Second > 59)
        return tvOutOfRange;
    Parts = t;
    Rewrite = FormatTimeText(t, Seconds, Sep) != Text && t.Minute == 0 && t.Second == 0;
    return tvTime;
}
