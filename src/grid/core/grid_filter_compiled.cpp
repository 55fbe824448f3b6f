#include "grid/core/grid_filter_compiled.h"

// ---- one condition ------------------------------------------------------------------------------

struct TCompiledFilterCondition::TOperand {
    String Text;
    bool IsNumber = false;
    double Number = 0;
    bool IsDate = false;
    TDateTime Date = 0;
};

// The text a condition is matched against, with what is read of it once
// (shared by the conditions of one expression).
struct TCompiledFilterCondition::TValue {
    TValue(const String& AText, const TGridFormatSettings& AFS) : Text(AText), N(Length(AText)), FS(AFS) {}
    const String& Text;
    const int N;
    const TGridFormatSettings& FS;
    // Whether the text from each start on holds only characters a number
    // (a date) can be written with; built on first use.
    std::vector<uint8_t> NumberFrom, DateFrom;
    // The whole text read as a number and as a date: 2 not yet read.
    int8_t WholeNumber = 2, WholeDate = 2;
    // Whether the whole text holds only number characters: 2 not yet known.
    int8_t WholeNumberChars = 2;
    double Number = 0;
    TDateTime Date = 0;

    template <class Pred>
    void CharsFrom(std::vector<uint8_t>& R, Pred Allowed) const
    {
        R.assign(size_t(N) + 1, 1);
        for (int i = N - 1; i >= 0; --i)
            R[size_t(i)] = R[size_t(i) + 1] && Allowed(Text[i]);
    }
    bool NumberCharsFrom(int V)
    {
        // The whole text (no stars before the comparison): one scan.
        if (V == 0 && NumberFrom.empty()) {
            if (WholeNumberChars == 2) {
                WholeNumberChars = 1;
                for (const QChar c : Text)
                    if (!NumberChar(c)) {
                        WholeNumberChars = 0;
                        break;
                    }
            }
            return WholeNumberChars == 1;
        }
        if (NumberFrom.empty())
            CharsFrom(NumberFrom, [this](QChar c) { return NumberChar(c); });
        return NumberFrom[size_t(V)];
    }
    bool NumberChar(QChar c) const
    {
        return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u'e' || c == u'E' ||
               c.unicode() <= 0x20 || c == FS.DecimalSeparator || c == FS.ThousandSeparator;
    }
    bool DateCharsFrom(int V)
    {
        if (DateFrom.empty())
            CharsFrom(DateFrom, [this](QChar c) {
                const char16_t u = c.unicode();
                return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F') ||
                       u == u'x' || u == u'X' || u == u'$' || u == u'+' || u == u'-' || u <= 0x20 ||
                       c == FS.DateSeparator || c == FS.TimeSeparator;
            });
        return DateFrom[size_t(V)];
    }
    bool AsNumber(int V, double& X)
    {
        if (V > 0)
            return FilterTextAsNumber(Text.mid(V), X, FS);
        if (WholeNumber == 2)
            WholeNumber = FilterTextAsNumber(Text, Number, FS) ? 1 : 0;
        X = Number;
        return WholeNumber == 1;
    }
    bool AsDate(int V, TDateTime& D)
    {
        if (V > 0)
            return ParseDateTimeText(Text.mid(V), D, FS);
        if (WholeDate == 2)
            WholeDate = ParseDateTimeText(Text, Date, FS) ? 1 : 0;
        D = Date;
        return WholeDate == 1;
    }
};

TCompiledFilterCondition::TCompiledFilterCondition(const String& Condition, const TGridFormatSettings& FS)
    : FText(Condition), FFormats(FS), FLength(Length(Condition))
{
    const size_t n = size_t(FLength);
    FNextGt.assign(n + 1, -1);
    FNextLt.assign(n + 1, -1);
    FGtOperand.assign(n, -1);
    FLtOperand.assign(n, -1);
    for (int i = FLength - 1; i >= 0; --i) {
        FNextGt[size_t(i)] = FText[i] == u'>' ? i : FNextGt[size_t(i) + 1];
        FNextLt[size_t(i)] = FText[i] == u'<' ? i : FNextLt[size_t(i) + 1];
    }
    for (int i = 0; i < FLength; ++i) {
        if (FText[i] == u'*' && (i + 1 == FLength || FText[i + 1] != u'*'))
            FLevels.push_back(i + 1);
        const bool gt = FText[i] == u'>';
        if (!gt && FText[i] != u'<')
            continue;
        const bool orEqual = i + 1 < FLength && FText[i + 1] == u'=';
        TOperand o;
        o.Text = ReadFilterOperand(FText, i + 1 + (orEqual ? 1 : 0), gt);
        o.IsNumber = FilterTextAsNumber(o.Text, o.Number, FFormats);
        o.IsDate = ParseDateTimeText(o.Text, o.Date, FFormats);
        (gt ? FGtOperand : FLtOperand)[size_t(i)] = int(FOperands.size());
        FOperands.push_back(std::move(o));
    }
    FLastBang = int(FText.lastIndexOf(u'!'));
    FLastCaret = int(FText.lastIndexOf(u'^'));
    FLastAmp = int(FText.lastIndexOf(u'&'));
}

TCompiledFilterCondition::~TCompiledFilterCondition() = default;

bool TCompiledFilterCondition::Match(const String& Value) const
{
    TValue v(Value, FFormats);
    return Match(v);
}

bool TCompiledFilterCondition::Match(TValue& V) const
{
    // The rests after the stars are answered for every text start, from the
    // last run of stars back to the first (see grid_filter.cpp).
    FCacheCmp = !FLevels.empty() && !FOperands.empty();
    if (FCacheCmp)
        FCmp.assign(FOperands.size() * (size_t(V.N) + 1), 2);
    FNext.clear();
    for (auto it = FLevels.rbegin(); it != FLevels.rend(); ++it) {
        FHere.resize(size_t(V.N) + 1);
        for (int v = V.N; v >= 0; --v)
            FHere[size_t(v)] = Evaluate(*it, v, V, FNext) || (v < V.N && FHere[size_t(v) + 1]);
        FNext.swap(FHere);
    }
    return Evaluate(0, 0, V, FNext);
}

bool TCompiledFilterCondition::Evaluate(int P, int Vi, TValue& V, const std::vector<uint8_t>& Next) const
{
    bool gt = true, lt = true;
    bool hasGT = false, hasLT = false;
    const int gtPos = FNextGt[size_t(P)];
    const int ltPos = FNextLt[size_t(P)];
    if (gtPos >= 0) {
        const int cmp = Compare(FGtOperand[size_t(gtPos)], Vi, V);
        gt = gtPos + 1 < FLength && FText[gtPos + 1] == u'=' ? cmp >= 0 : cmp > 0;
        hasGT = true;
    }
    if (ltPos >= 0) {
        const int cmp = Compare(FLtOperand[size_t(ltPos)], Vi, V);
        lt = ltPos + 1 < FLength && FText[ltPos + 1] == u'=' ? cmp <= 0 : cmp < 0;
        hasLT = true;
    }
    if (FLastBang >= P) {
        hasGT = hasGT || gtPos < 0;
        hasLT = hasLT || ltPos < 0;
    }
    if (FLastCaret >= P && (hasGT || hasLT))
        return lt || gt;
    if (FLastAmp >= P && hasGT && hasLT)
        return lt && gt;
    if ((gtPos >= 0 && gt) || (ltPos >= 0 && lt))
        return true;
    return Wildcard(P, Vi, V, Next);
}

bool TCompiledFilterCondition::Wildcard(int P, int Vi, const TValue& V, const std::vector<uint8_t>& Next) const
{
    bool negate = false;
    bool result = false;
    int pi = P, vi = Vi;
    for (;;) {
        if (pi >= FLength) {
            result = vi >= V.N;
            break;
        }
        const QChar c = FText[pi];
        if (c == u'!' || c == u'"') {
            negate = negate || c == u'!';
            ++pi;
            continue;
        }
        if (c == u'*') {
            result = Next[size_t(vi)] != 0;
            break;
        }
        if (vi >= V.N || (c != u'?' && c != V.Text[vi]))
            break;
        ++pi;
        ++vi;
    }
    return negate ? !result : result;
}

int TCompiledFilterCondition::Compare(int OperandIndex, int Vi, TValue& V) const
{
    int8_t* cached = FCacheCmp ? &FCmp[size_t(OperandIndex) * (size_t(V.N) + 1) + size_t(Vi)] : nullptr;
    if (cached && *cached != 2)
        return *cached;
    const TOperand& o = FOperands[size_t(OperandIndex)];
    int result = 2;
    if (o.IsNumber && V.NumberCharsFrom(Vi)) {
        double x;
        if (V.AsNumber(Vi, x))
            result = x < o.Number ? -1 : x > o.Number ? 1 : 0;
    }
    if (result == 2 && o.IsDate && V.DateCharsFrom(Vi)) {
        TDateTime d;
        if (V.AsDate(Vi, d))
            result = CompareDateTime(d, o.Date);
    }
    if (result == 2) {
        const int t = QStringView(V.Text).mid(Vi).left(FilterMaxOperand).compare(QStringView(o.Text), Qt::CaseSensitive);
        result = t < 0 ? -1 : t > 0 ? 1 : 0;
    }
    if (cached)
        *cached = int8_t(result);
    return result;
}

// ---- the expression -----------------------------------------------------------------------------

// Reads the expression as MatchFilterExpression does (grid_filter.cpp): left
// to right with a stack of open groups, a group read as an expression of its
// own (trimmed, a leading "=" dropped, its blanks outside quotes dropped as
// every enclosing level counts the quotes). Nothing here depends on the
// text matched, so the reading becomes the filter's steps.
class TFilterProgramBuilder {
public:
    TFilterProgramBuilder(TCompiledFilter& F, const String& Expression, const TGridFormatSettings& FS)
        : f_(F), e_(Trim(Expression)), fs_(FS)
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

    // False: a group that is not closed.
    bool Build()
    {
        std::vector<Frame> stack;
        push(stack, 0, Length(e_), 1);
        for (;;) {
            Frame& f = stack.back();
            int opAt = -1;
            int quotes = 0;
            for (int i = f.Pos; i < f.End && opAt < 0; ++i) {
                if (!exists(f, i))
                    continue;
                const QChar c = e_[i];
                if (c == u'"')
                    ++quotes;
                else if (quotes % 2 == 0 && (c == u'(' || c == u';' || c == u'^' || c == u'&' || c == u'|'))
                    opAt = i;
            }
            if (opAt >= 0 && e_[opAt] == u'(' && firstExisting(f) == opAt) {
                const int close = close_[size_t(opAt)];
                if (close < 0 || close >= f.End)
                    return false;
                f.Pos = close + 1;
                push(stack, opAt + 1, close, f.Keep);
                continue;
            }
            if (opAt >= 0) {
                condition(f, f.Pos, opAt, e_[opAt]);
                f.Pos = opAt + 1;
                continue;
            }
            condition(f, f.Pos, f.End, QChar());
            stack.pop_back();
            f_.FSteps.push_back({TCompiledFilter::TStepKind::Pop, QChar(), -1});
            if (stack.empty())
                return true;
        }
    }

private:
    struct Frame {
        int Pos = 0, End = 0;
        int Keep = -1;  // quote parity at which a blank is kept; -1: none is
    };

    void push(std::vector<Frame>& Stack, int Begin, int End, int ParentKeep)
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
        Stack.push_back(f);
        f_.FSteps.push_back({TCompiledFilter::TStepKind::Push, QChar(), -1});
    }

    bool exists(const Frame& F, int I) const { return e_[I] != u' ' || quotes_[size_t(I)] % 2 == F.Keep; }

    int firstExisting(const Frame& F) const
    {
        for (int i = F.Pos; i < F.End; ++i)
            if (exists(F, i))
                return i;
        return -1;
    }

    void condition(const Frame& F, int From, int To, QChar Op)
    {
        String c;
        c.reserve(To - From);
        for (int i = From; i < To; ++i)
            if (exists(F, i))
                c += e_[i];
        if (!f_.FCaseSensitive)
            c = AnsiUpperCase(c);
        f_.FSteps.push_back({TCompiledFilter::TStepKind::Cond, Op, int(f_.FConditions.size())});
        f_.FConditions.push_back(std::make_unique<TCompiledFilterCondition>(c, fs_));
    }

    TCompiledFilter& f_;
    const String e_;
    const TGridFormatSettings& fs_;
    std::vector<int> quotes_;
    std::vector<int> close_;
};

TCompiledFilter::TCompiledFilter() = default;
TCompiledFilter::~TCompiledFilter() = default;
TCompiledFilter::TCompiledFilter(TCompiledFilter&&) noexcept = default;
TCompiledFilter& TCompiledFilter::operator=(TCompiledFilter&&) noexcept = default;

void TCompiledFilter::Compile(const String& Expression, bool CaseSensitive, const TGridFormatSettings& FS)
{
    FSteps.clear();
    FConditions.clear();
    FCaseSensitive = CaseSensitive;
    FFormats = FS;
    FNeverMatches = !TFilterProgramBuilder(*this, Expression, FS).Build();
    if (FNeverMatches) {
        FSteps.clear();
        FConditions.clear();
    }
}

String TCompiledFilter::PrepareText(const String& Value) const
{
    if (FCaseSensitive)
        return Value;
    // Most texts (numbers, upper-case codes) have nothing to upper-case:
    // they are kept, not copied.
    for (const QChar c : Value) {
        const char16_t u = c.unicode();
        if (u >= 0x80 || (u >= u'a' && u <= u'z'))
            return AnsiUpperCase(Value);
    }
    return Value;
}

bool TCompiledFilter::Match(const String& Value) const
{
    if (FCaseSensitive)
        return MatchPrepared(Value);
    // ASCII texts are upper-cased into the scratch text, whose room stays
    // from match to match.
    const qsizetype n = Value.size();
    const char16_t* from = reinterpret_cast<const char16_t*>(Value.constData());
    bool lower = false;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = from[i];
        if (u >= 0x80)
            return MatchPrepared(AnsiUpperCase(Value));
        lower = lower || (u >= u'a' && u <= u'z');
    }
    if (!lower)
        return MatchPrepared(Value);
    FUpper.resize(n);
    char16_t* to = reinterpret_cast<char16_t*>(FUpper.data());
    for (qsizetype i = 0; i < n; ++i)
        to[i] = from[i] >= u'a' && from[i] <= u'z' ? char16_t(from[i] - 0x20) : from[i];
    return MatchPrepared(FUpper);
}

bool TCompiledFilter::MatchPrepared(const String& Prepared) const
{
    if (FNeverMatches || FSteps.empty())
        return false;
    TCompiledFilterCondition::TValue value(Prepared, FFormats);
    FLevels.clear();
    for (const TStep& s : FSteps) {
        switch (s.Kind) {
        case TStepKind::Push:
            FLevels.push_back({true, QChar()});
            break;
        case TStepKind::Cond: {
            const TCompiledFilterCondition& c = *FConditions[size_t(s.Cond)];
            TLevel& l = FLevels.back();
            // After a group the next part does not count: it is not tried.
            // Nor is a part that cannot change the result (matching has no
            // effects).
            if (l.Previous.isNull())
                l.Result = c.Match(value);
            else if (l.Previous == u'&')
                l.Result = l.Result && c.Match(value);
            else if (l.Previous != u'(')
                l.Result = l.Result || c.Match(value);
            if (!s.Op.isNull())
                l.Previous = s.Op;
            break;
        }
        case TStepKind::Pop: {
            const bool r = FLevels.back().Result;
            FLevels.pop_back();
            if (FLevels.empty())
                return r;
            TLevel& l = FLevels.back();
            l.Result = l.Previous.isNull() ? r : l.Previous == u'&' ? l.Result && r : l.Previous == u'(' ? l.Result : l.Result || r;
            l.Previous = u'(';
            break;
        }
        }
    }
    return false;
}
