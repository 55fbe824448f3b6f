#include "grid/core/grid_filter.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <unordered_map>

namespace {

// A comparison operand holds at most this many characters, and text
// comparisons look at no more than this many of either side.
constexpr int MaxOperand = 255;

// Reads the operand that starts at Start (0-based) of the condition. Inside
// the operand of ">" and ">=" a blank within double quotes belongs to it.
String readOperand(const String& C, int Start, bool KeepQuotedBlanks)
{
    const int n = Length(C);
    int i = Start;
    while (i < n && C[i] == u' ')
        ++i;
    const int first = i;
    int quotes = 0;
    String taken;
    for (; i < n; ++i) {
        const QChar c = C[i];
        if (c == u' ') {
            if (KeepQuotedBlanks && quotes % 2 == 1) {
                taken += c;
                continue;
            }
            break;
        }
        if (quotes % 2 == 0 && (c == u'&' || c == u'|'))
            break;
        if (c == u'"') {
            ++quotes;
            if (i == first)
                continue;  // an opening quote is counted, not taken
        }
        taken += c;
    }
    if (!taken.isEmpty() && taken.back() == u'"')
        taken.chop(1);
    return taken.left(MaxOperand);
}

bool asNumber(const String& Text, double& Value, const TGridFormatSettings& FS)
{
    TDateTime dummy;
    return TryStrToFloat(NormalizeNumberText(Text, FS), Value, u'.') && !ParseDateTimeText(Text, dummy, FS);
}

// <0, 0, >0 as the value compares with the operand: as numbers, else as
// dates, else as texts.
int compareWithOperand(const String& Value, const String& Operand, const TGridFormatSettings& FS)
{
    double x, y;
    if (asNumber(Value, x, FS) && asNumber(Operand, y, FS))
        return x < y ? -1 : x > y ? 1 : 0;
    TDateTime dx, dy;
    if (ParseDateTimeText(Value, dx, FS) && ParseDateTimeText(Operand, dy, FS))
        return dx < dy ? -1 : dx > dy ? 1 : 0;
    return Value.left(MaxOperand).compare(Operand.left(MaxOperand), Qt::CaseSensitive);
}

// One condition against one value. A "*" of the pattern tries the rest of
// the pattern, as a condition of its own, against every suffix of the value;
// those tries are pairs of a pattern suffix and a value suffix, so their
// answers are kept and each pair is evaluated once.
class SingleMatcher {
public:
    SingleMatcher(const String& Condition, const String& Value, const TGridFormatSettings& FS)
        : cond_(Condition), value_(Value), fs_(FS)
    {
    }

    bool Match(int PStart, int VStart)
    {
        const int64_t key = int64_t(PStart) * (Length(value_) + 1) + VStart;
        if (PStart > 0 || VStart > 0) {
            const auto it = memo_.find(key);
            if (it != memo_.end())
                return it->second;
        }
        const bool r = evaluate(cond_.mid(PStart), value_.mid(VStart), PStart, VStart);
        memo_[key] = r;
        return r;
    }

private:
    bool evaluate(const String& C, const String& V, int PStart, int VStart)
    {
        bool gt = true, lt = true;
        bool hasGT = false, hasLT = false;
        const int gtPos = C.indexOf(u'>');
        const int ltPos = C.indexOf(u'<');
        if (gtPos >= 0) {
            const bool orEqual = gtPos + 1 < Length(C) && C[gtPos + 1] == u'=';
            const int cmp = compareWithOperand(V, readOperand(C, gtPos + 1 + (orEqual ? 1 : 0), true), fs_);
            gt = orEqual ? cmp >= 0 : cmp > 0;
            hasGT = true;
        }
        if (ltPos >= 0) {
            const bool orEqual = ltPos + 1 < Length(C) && C[ltPos + 1] == u'=';
            const int cmp = compareWithOperand(V, readOperand(C, ltPos + 1 + (orEqual ? 1 : 0), false), fs_);
            lt = orEqual ? cmp <= 0 : cmp < 0;
            hasLT = true;
        }
        if (C.contains(u'!')) {
            if (gtPos < 0)
                hasGT = true;
            if (ltPos < 0)
                hasLT = true;
        }
        if (C.contains(u'^') && (hasGT || hasLT))
            return lt || gt;
        if (C.contains(u'&') && hasGT && hasLT)
            return lt && gt;
        if (gtPos >= 0 && gt)
            return true;
        if (ltPos >= 0 && lt)
            return true;
        return wildcard(C, V, PStart, VStart);
    }

    bool wildcard(const String& P, const String& V, int PStart, int VStart)
    {
        const int pn = Length(P), vn = Length(V);
        bool negate = false;
        bool result = false;
        int pi = 0, vi = 0;
        for (;;) {
            if (pi >= pn && vi >= vn) {
                result = true;
                break;
            }
            if (pi >= pn)
                break;
            const QChar c = P[pi];
            if (c == u'!') {
                negate = true;
                ++pi;
                continue;
            }
            if (c == u'"') {
                ++pi;
                continue;
            }
            if (c == u'*') {
                while (pi < pn && P[pi] == u'*')
                    ++pi;
                // The shortest suffix first, the whole remaining value last.
                for (int k = vn; k >= vi; --k)
                    if (Match(PStart + pi, VStart + k)) {
                        result = true;
                        break;
                    }
                break;
            }
            if (vi >= vn || (c != u'?' && c != V[vi]))
                break;
            ++pi;
            ++vi;
        }
        return negate ? !result : result;
    }

    const String& cond_;
    const String& value_;
    const TGridFormatSettings& fs_;
    std::unordered_map<int64_t, bool> memo_;
};

// nullopt: a group that is not closed.
std::optional<bool> matchExpression(const String& Expression, const String& Value, bool CaseSensitive,
                                    const TGridFormatSettings& FS)
{
    String e = RemoveBlanksOutsideQuotes(Trim(Expression));
    if (e.startsWith(u'='))
        e.remove(0, 1);

    bool result = true;
    QChar previous;  // null: no operator yet
    auto combine = [&](bool Part) {
        if (previous.isNull())
            result = Part;
        else if (previous == u'&')
            result = result && Part;
        else if (previous != u'(')
            result = result || Part;
    };
    for (;;) {
        int p;
        const QChar op = FindOperatorOutsideQuotes(QStringLiteral("(;^&|"), e, p);
        if (op.isNull())
            break;
        bool part;
        if (e.startsWith(u'(')) {
            const int close = ClosingParenPos(e);
            if (close == 0)
                return std::nullopt;
            const std::optional<bool> group = matchExpression(Copy(e, 2, close - 2), Value, CaseSensitive, FS);
            if (!group)
                return std::nullopt;
            part = *group;
            Delete(e, 1, close);
        } else {
            part = MatchCondition(Copy(e, 1, p - 1), Value, CaseSensitive, FS);
            Delete(e, 1, p);
        }
        combine(part);
        previous = op;
    }
    combine(MatchCondition(e, Value, CaseSensitive, FS));
    return result;
}

}  // namespace

bool MatchFilterExpression(const String& Expression, const String& Value, bool CaseSensitive,
                           const TGridFormatSettings& FS)
{
    return matchExpression(Expression, Value, CaseSensitive, FS).value_or(false);
}

bool MatchCondition(const String& Condition, const String& Value, bool CaseSensitive, const TGridFormatSettings& FS)
{
    if (CaseSensitive)
        return MatchSingleCondition(Condition, Value, FS);
    return MatchSingleCondition(AnsiUpperCase(Condition), AnsiUpperCase(Value), FS);
}

bool MatchSingleCondition(const String& Condition, const String& Value, const TGridFormatSettings& FS)
{
    SingleMatcher m(Condition, Value, FS);
    return m.Match(0, 0);
}

QChar FindOperatorOutsideQuotes(const String& Operators, const String& Text, int& Pos)
{
    int quotes = 0;
    for (int i = 0; i < Length(Text); ++i) {
        const QChar c = Text[i];
        if (c == u'"')
            ++quotes;
        else if (quotes % 2 == 0 && Operators.contains(c)) {
            Pos = i + 1;
            return c;
        }
    }
    Pos = -1;
    return QChar();
}

String RemoveBlanksOutsideQuotes(const String& Text)
{
    String r;
    r.reserve(Text.size());
    int quotes = 0;
    for (const QChar c : Text) {
        if (c == u'"')
            ++quotes;
        if (c == u' ' && quotes % 2 == 0)
            continue;
        r += c;
    }
    return r;
}

int ClosingParenPos(const String& Text)
{
    int open = 0, close = 0;
    for (int i = 0; i < Length(Text); ++i) {
        if (Text[i] == u'(')
            ++open;
        else if (Text[i] == u')') {
            ++close;
            if (open == close)
                return i + 1;
        }
    }
    return 0;
}

String NormalizeNumberText(const String& Text, const TGridFormatSettings& FS)
{
    String r;
    r.reserve(Text.size());
    for (const QChar c : Text) {
        if (c == FS.ThousandSeparator)
            continue;
        r += c == FS.DecimalSeparator ? QChar(u'.') : c;
    }
    return r;
}

bool ParseDateTimeText(const String& Text, TDateTime& DateTime, const TGridFormatSettings& FS)
{
    // Field order from the short date format: the letter that stands first
    // names the first field.
    const String f = FS.ShortDateFormat.toUpper();
    struct Field {
        int At;
        char Kind;
    };
    Field order[3] = {{static_cast<int>(f.indexOf(u'D')), 'D'},
                      {static_cast<int>(f.indexOf(u'M')), 'M'},
                      {static_cast<int>(f.indexOf(u'Y')), 'Y'}};
    std::stable_sort(std::begin(order), std::end(order), [](const Field& a, const Field& b) { return a.At < b.At; });

    const int p1 = Text.indexOf(FS.DateSeparator);
    if (p1 < 0)
        return false;
    String rest = Text.mid(p1 + 1);
    const int p2 = rest.indexOf(FS.DateSeparator);
    if (p2 < 0)
        return false;
    String parts[3] = {Text.left(p1), rest.left(p2), String()};
    rest = Trim(rest.mid(p2 + 1));
    String timePart;
    const int blank = rest.indexOf(u' ');
    if (blank >= 0) {
        timePart = Trim(rest.mid(blank));
        parts[2] = rest.left(blank);
    } else {
        parts[2] = rest;
    }
    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i) {
        int v;
        if (!TryStrToInt(parts[i], v))
            return false;
        (order[i].Kind == 'D' ? day : order[i].Kind == 'M' ? month : year) = v;
    }
    if (day > 31 || month > 12)
        return false;

    bool result = true;
    int hour = 0, minute = 0, second = 0;
    if (blank >= 0) {
        const int t1 = timePart.indexOf(FS.TimeSeparator);
        if (t1 < 0) {
            result = false;  // the date still counts, at midnight
        } else {
            const String afterHour = timePart.mid(t1 + 1);
            const int t2 = afterHour.indexOf(FS.TimeSeparator);
            if (!TryStrToInt(timePart.left(t1), hour) ||
                !TryStrToInt(t2 < 0 ? afterHour : afterHour.left(t2), minute))
                return false;
            if (t2 >= 0 && !TryStrToInt(afterHour.mid(t2 + 1), second))
                return false;
            if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 60)
                return false;
        }
    }
    TDateTime d, t;
    if (!TryEncodeDate(year, month, day, d) || !TryEncodeTime(hour, minute, second, 0, t))
        return false;
    // Before the epoch the time of day still counts forward from midnight.
    DateTime = d >= 0 ? d + t : d - t;
    return result;
}
