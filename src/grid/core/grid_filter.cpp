#include "grid/core/grid_filter.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>
#include <optional>
#include <unordered_map>

namespace {

// A comparison operand holds at most this many characters, and text
// comparisons look at no more than this many of either side.
constexpr int MaxOperand = FilterMaxOperand;

String readOperand(const String& C, int Start, bool KeepQuotedBlanks) { return ReadFilterOperand(C, Start, KeepQuotedBlanks); }

bool asNumber(const String& Text, double& Value, const TGridFormatSettings& FS) { return FilterTextAsNumber(Text, Value, FS); }

}  // namespace

String ReadFilterOperand(const String& C, int Start, bool KeepQuotedBlanks)
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
    return taken.left(FilterMaxOperand);
}

namespace {

// The plain number texts filters meet in every row: blanks, a sign, at most
// 15 digits with one decimal point and no exponent. Such a number and its
// power of ten are exact doubles, so one division gives the correctly
// rounded value TryStrToFloat gives. -1 when the text is not of that form
// (TryStrToFloat decides), 0 when it is no number, 1 with Value set.
int PlainNumber(const String& Text, double& Value, const TGridFormatSettings& FS)
{
    constexpr int MaxLength = 64;
    const qsizetype n = Text.size();
    if (n > MaxLength)
        return -1;
    // The text as NormalizeNumberText writes it, then trimmed.
    char16_t t[MaxLength];
    int len = 0;
    for (const QChar c : Text) {
        if (c == FS.ThousandSeparator)
            continue;
        t[len++] = c == FS.DecimalSeparator ? u'.' : c.unicode();
    }
    int i = 0, e = len;
    while (i < e && t[i] <= 0x20)
        ++i;
    while (e > i && t[e - 1] <= 0x20)
        --e;
    const bool negative = i < e && t[i] == u'-';
    if (i < e && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    int64_t mantissa = 0;
    int digits = 0, decimals = 0;
    bool point = false;
    for (; i < e; ++i) {
        const char16_t c = t[i];
        if (c >= u'0' && c <= u'9') {
            if (++digits > 15)
                return -1;
            mantissa = mantissa * 10 + (c - u'0');
            decimals += point ? 1 : 0;
        } else if (c == u'.' && !point) {
            point = true;
        } else if (c == u'e' || c == u'E') {
            return -1;
        } else {
            return 0;
        }
    }
    if (digits == 0)
        return 0;
    static constexpr double Tens[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double v = double(mantissa) / Tens[decimals];
    Value = negative ? -v : v;
    return 1;
}

}  // namespace

bool FilterTextAsNumber(const String& Text, double& Value, const TGridFormatSettings& FS)
{
    TDateTime dummy;
    double v = 0;
    const int plain = PlainNumber(Text, v, FS);
    if (plain == 0)
        return false;
    if (plain < 0)
        return TryStrToFloat(NormalizeNumberText(Text, FS), Value, u'.') && !ParseDateTimeText(Text, dummy, FS);
    // As TryStrToFloat, the number is kept even when the text is a date.
    Value = v;
    return !ParseDateTimeText(Text, dummy, FS);
}

namespace {

// A comparison operand, read once: its text and what it reads as.
struct Operand {
    String Text;
    bool IsNumber = false;
    double Number = 0;
    bool IsDate = false;
    TDateTime Date = 0;
    std::vector<int8_t> Cmp;  // by value start: -1, 0, 1; 2 not yet compared
};

// One condition against one value.
//
// A "*" of the pattern tries the rest of the pattern, as a condition of its
// own (comparisons included), against every suffix of the value. The rests
// that can be tried are the positions right after a run of stars; the walk
// from one of them reaches only the next run. So the answers are computed
// level by level from the last run back to the first, for every value
// suffix: a level costs its pattern piece times the value length, the whole
// match at most pattern x value, without recursion and without copying
// pattern or value.
class SingleMatcher {
public:
    SingleMatcher(const String& Condition, const String& Value, const TGridFormatSettings& FS)
        : c_(Condition), v_(Value), fs_(FS), pn_(Length(Condition)), vn_(Length(Value))
    {
        nextGt_.assign(size_t(pn_) + 1, -1);
        nextLt_.assign(size_t(pn_) + 1, -1);
        for (int i = pn_ - 1; i >= 0; --i) {
            nextGt_[size_t(i)] = c_[i] == u'>' ? i : nextGt_[size_t(i) + 1];
            nextLt_[size_t(i)] = c_[i] == u'<' ? i : nextLt_[size_t(i) + 1];
        }
        lastBang_ = int(c_.lastIndexOf(u'!'));
        lastCaret_ = int(c_.lastIndexOf(u'^'));
        lastAmp_ = int(c_.lastIndexOf(u'&'));
    }

    bool Match()
    {
        // The positions after each run of stars, in order.
        std::vector<int> levels;
        for (int i = 0; i < pn_; ++i)
            if (c_[i] == u'*' && (i + 1 == pn_ || c_[i + 1] != u'*'))
                levels.push_back(i + 1);
        std::vector<uint8_t> next;  // any match of the next level from each value start on
        std::vector<uint8_t> here(size_t(vn_) + 1);
        for (auto it = levels.rbegin(); it != levels.rend(); ++it) {
            for (int v = vn_; v >= 0; --v)
                here[size_t(v)] = evaluate(*it, v, next) || (v < vn_ && here[size_t(v) + 1]);
            next.swap(here);
            here.resize(size_t(vn_) + 1);
        }
        return evaluate(0, 0, next);
    }

private:
    // The condition from pattern position P against the value from V.
    bool evaluate(int P, int V, const std::vector<uint8_t>& Next)
    {
        bool gt = true, lt = true;
        bool hasGT = false, hasLT = false;
        const int gtPos = nextGt_[size_t(P)];
        const int ltPos = nextLt_[size_t(P)];
        if (gtPos >= 0) {
            const bool orEqual = gtPos + 1 < pn_ && c_[gtPos + 1] == u'=';
            const int cmp = compare(gtPos + 1 + (orEqual ? 1 : 0), true, V);
            gt = orEqual ? cmp >= 0 : cmp > 0;
            hasGT = true;
        }
        if (ltPos >= 0) {
            const bool orEqual = ltPos + 1 < pn_ && c_[ltPos + 1] == u'=';
            const int cmp = compare(ltPos + 1 + (orEqual ? 1 : 0), false, V);
            lt = orEqual ? cmp <= 0 : cmp < 0;
            hasLT = true;
        }
        if (lastBang_ >= P) {
            if (gtPos < 0)
                hasGT = true;
            if (ltPos < 0)
                hasLT = true;
        }
        if (lastCaret_ >= P && (hasGT || hasLT))
            return lt || gt;
        if (lastAmp_ >= P && hasGT && hasLT)
            return lt && gt;
        if (gtPos >= 0 && gt)
            return true;
        if (ltPos >= 0 && lt)
            return true;
        return wildcard(P, V, Next);
    }

    bool wildcard(int P, int V, const std::vector<uint8_t>& Next) const
    {
        bool negate = false;
        bool result = false;
        int pi = P, vi = V;
        for (;;) {
            if (pi >= pn_ && vi >= vn_) {
                result = true;
                break;
            }
            if (pi >= pn_)
                break;
            const QChar c = c_[pi];
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
                // The rest after the stars against any suffix from vi on.
                result = Next[size_t(vi)] != 0;
                break;
            }
            if (vi >= vn_ || (c != u'?' && c != v_[vi]))
                break;
            ++pi;
            ++vi;
        }
        return negate ? !result : result;
    }

    // The value from V compared with the operand that starts at Start; every
    // pair is compared once. A value suffix is parsed as a number or a date
    // only when the operand is one and the suffix holds nothing else.
    int compare(int Start, bool KeepQuotedBlanks, int V)
    {
        Operand& o = operand(Start, KeepQuotedBlanks);
        int8_t& r = o.Cmp[size_t(V)];
        if (r != 2)
            return r;
        const QStringView value = QStringView(v_).mid(V);
        int result = 2;
        if (o.IsNumber && numberCharsFrom(V)) {
            double x;
            if (asNumber(value.toString(), x, fs_))
                result = x < o.Number ? -1 : x > o.Number ? 1 : 0;
        }
        if (result == 2 && o.IsDate && dateCharsFrom(V)) {
            TDateTime d;
            if (ParseDateTimeText(value.toString(), d, fs_))
                result = CompareDateTime(d, o.Date);
        }
        if (result == 2) {
            const int t = value.left(MaxOperand).compare(QStringView(o.Text).left(MaxOperand), Qt::CaseSensitive);
            result = t < 0 ? -1 : t > 0 ? 1 : 0;
        }
        r = int8_t(result);
        return result;
    }

    Operand& operand(int Start, bool KeepQuotedBlanks)
    {
        auto& slot = operands_[int64_t(Start) * 2 + (KeepQuotedBlanks ? 1 : 0)];
        if (!slot) {
            slot = std::make_unique<Operand>();
            slot->Text = readOperand(c_, Start, KeepQuotedBlanks);
            slot->IsNumber = asNumber(slot->Text, slot->Number, fs_);
            slot->IsDate = ParseDateTimeText(slot->Text, slot->Date, fs_);
            slot->Cmp.assign(size_t(vn_) + 1, 2);
        }
        return *slot;
    }

    // The value from V on holds only characters a number can be written with.
    bool numberCharsFrom(int V)
    {
        if (numberFrom_.empty())
            numberFrom_ = charsFrom([&](QChar c) {
                return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u'e' || c == u'E' ||
                       c.unicode() <= 0x20 || c == fs_.DecimalSeparator || c == fs_.ThousandSeparator;
            });
        return numberFrom_[size_t(V)];
    }
    // ... only characters a date and time can be written with.
    bool dateCharsFrom(int V)
    {
        if (dateFrom_.empty())
            dateFrom_ = charsFrom([&](QChar c) {
                const char16_t u = c.unicode();
                return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F') ||
                       u == u'x' || u == u'X' || u == u'$' || u == u'+' || u == u'-' || u <= 0x20 ||
                       c == fs_.DateSeparator || c == fs_.TimeSeparator;
            });
        return dateFrom_[size_t(V)];
    }
    template <class Pred>
    std::vector<uint8_t> charsFrom(Pred Allowed) const
    {
        std::vector<uint8_t> r(size_t(vn_) + 1, 1);
        for (int i = vn_ - 1; i >= 0; --i)
            r[size_t(i)] = r[size_t(i) + 1] && Allowed(v_[i]);
        return r;
    }

    const String& c_;
    const String& v_;
    const TGridFormatSettings& fs_;
    const int pn_, vn_;
    std::vector<int> nextGt_, nextLt_;
    int lastBang_, lastCaret_, lastAmp_;
    std::unordered_map<int64_t, std::unique_ptr<Operand>> operands_;
    std::vector<uint8_t> numberFrom_, dateFrom_;
};

// The expression is read once, left to right, with a stack of open groups
// instead of recursion. A group's text is read as an expression of its own:
// trimmed, without a leading "=", and its blanks outside double quotes (as
// counted from the group's start) dropped as well, so a blank survives only
// when it stands inside quotes as every enclosing level counts them.
class ExpressionMatcher {
public:
    ExpressionMatcher(const String& Expression, const String& Value, bool CaseSensitive,
                      const TGridFormatSettings& FS)
        : e_(Trim(Expression)), value_(CaseSensitive ? Value : AnsiUpperCase(Value)), case_(CaseSensitive), fs_(FS)
    {
        const int n = Length(e_);
        quotes_.assign(size_t(n) + 1, 0);
        close_.assign(size_t(n), -1);
        std::vector<int> open;
        for (int i = 0; i < n; ++i) {
            quotes_[size_t(i) + 1] = quotes_[size_t(i)] + (e_[i] == u'"' ? 1 : 0);
            if (e_[i] == u'(') {
                open.push_back(i);
            } else if (e_[i] == u')' && !open.empty()) {
                close_[size_t(open.back())] = i;
                open.pop_back();
            }
        }
    }

    // nullopt: a group that is not closed.
    std::optional<bool> Match()
    {
        std::vector<Frame> stack;
        stack.push_back(frame(0, Length(e_), 1));
        for (;;) {
            Frame& f = stack.back();
            int opAt = -1;
            int quotes = 0;
            for (int i = f.Pos; i < f.End; ++i) {
                if (!exists(f, i))
                    continue;
                const QChar c = e_[i];
                if (c == u'"')
                    ++quotes;
                else if (quotes % 2 == 0 && (c == u'(' || c == u';' || c == u'^' || c == u'&' || c == u'|')) {
                    opAt = i;
                    break;
                }
            }
            if (opAt >= 0) {
                if (e_[opAt] == u'(' && firstExisting(f) == opAt) {
                    const int close = close_[size_t(opAt)];
                    if (close < 0 || close >= f.End)
                        return std::nullopt;
                    f.Pos = close + 1;
                    stack.push_back(frame(opAt + 1, close, f.Keep));
                    continue;
                }
                combine(f, condition(f, f.Pos, opAt), e_[opAt]);
                f.Pos = opAt + 1;
                continue;
            }
            combine(f, condition(f, f.Pos, f.End), QChar());
            const bool groupResult = f.Result;
            stack.pop_back();
            if (stack.empty())
                return groupResult;
            // The group counts as a part after the operator "(".
            Frame& parent = stack.back();
            parent.Combine(groupResult);
            parent.Previous = u'(';
        }
    }

private:
    struct Frame {
        int Pos = 0, End = 0;
        int Keep = -1;  // quote parity at which a blank is kept; -1: none is
        bool Result = true;
        QChar Previous;  // null: no operator yet

        void Combine(bool Part)
        {
            if (Previous.isNull())
                Result = Part;
            else if (Previous == u'&')
                Result = Result && Part;
            else if (Previous != u'(')
                Result = Result || Part;
        }
    };

    // The level for Begin..End: trimmed, a leading "=" dropped.
    Frame frame(int Begin, int End, int ParentKeep)
    {
        while (Begin < End && e_[Begin].unicode() <= 0x20)
            ++Begin;
        while (End > Begin && e_[End - 1].unicode() <= 0x20)
            --End;
        Frame f;
        const int own = (quotes_[size_t(Begin)] + 1) % 2;
        f.Keep = ParentKeep == own ? own : -1;
        if (Begin < End && e_[Begin] == u'=')
            ++Begin;
        f.Pos = Begin;
        f.End = End;
        return f;
    }

    bool exists(const Frame& F, int I) const
    {
        return e_[I] != u' ' || quotes_[size_t(I)] % 2 == F.Keep;
    }

    int firstExisting(const Frame& F) const
    {
        for (int i = F.Pos; i < F.End; ++i)
            if (exists(F, i))
                return i;
        return -1;
    }

    void combine(Frame& F, bool Part, QChar Op)
    {
        F.Combine(Part);
        if (!Op.isNull())
            F.Previous = Op;
    }

    bool condition(const Frame& F, int From, int To) const
    {
        String c;
        c.reserve(To - From);
        for (int i = From; i < To; ++i)
            if (exists(F, i))
                c += e_[i];
        return MatchSingleCondition(case_ ? c : AnsiUpperCase(c), value_, fs_);
    }

    const String e_;
    const String value_;
    const bool case_;
    const TGridFormatSettings& fs_;
    std::vector<int> quotes_;  // double quotes before each position
    std::vector<int> close_;   // the ")" that closes each "(", -1 when none
};

}  // namespace

bool MatchFilterExpression(const String& Expression, const String& Value, bool CaseSensitive,
                           const TGridFormatSettings& FS)
{
    return ExpressionMatcher(Expression, Value, CaseSensitive, FS).Match().value_or(false);
}

bool MatchCondition(const String& Condition, const String& Value, bool CaseSensitive, const TGridFormatSettings& FS)
{
    if (CaseSensitive)
        return MatchSingleCondition(Condition, Value, FS);
    return MatchSingleCondition(AnsiUpperCase(Condition), AnsiUpperCase(Value), FS);
}

bool MatchSingleCondition(const String& Condition, const String& Value, const TGridFormatSettings& FS)
{
    return SingleMatcher(Condition, Value, FS).Match();
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
    if (!Text.contains(FS.ThousandSeparator) && (FS.DecimalSeparator == u'.' || !Text.contains(FS.DecimalSeparator)))
        return Text;
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
    // A text without the date separator is no date: the common case, told
    // before the format is read.
    const int p1 = Text.indexOf(FS.DateSeparator);
    if (p1 < 0)
        return false;
    const String f = FS.ShortDateFormat.toUpper();
    struct Field {
        int At;
        char Kind;
    };
    Field order[3] = {{static_cast<int>(f.indexOf(u'D')), 'D'},
                      {static_cast<int>(f.indexOf(u'M')), 'M'},
                      {static_cast<int>(f.indexOf(u'Y')), 'Y'}};
    std::stable_sort(std::begin(order), std::end(order), [](const Field& a, const Field& b) { return a.At < b.At; });

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
