#include "platform/rtl/strings.h"

#include <QLocale>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <limits>

// ---- substrings -------------------------------------------------------------------

String Copy(const String& S, int Index, int Count)
{
    if (Index < 1)
        Index = 1;
    const int len = Length(S);
    if (Index > len || Count <= 0)
        return {};
    if (Count > len - Index + 1)
        Count = len - Index + 1;
    return S.mid(Index - 1, Count);
}

String Copy(const String& S, int Index)
{
    return Copy(S, Index, std::numeric_limits<int>::max());
}

int Pos(const String& Substr, const String& S, int Offset)
{
    if (Substr.isEmpty() || Offset < 1 || Offset > Length(S))
        return 0;
    return static_cast<int>(S.indexOf(Substr, Offset - 1)) + 1;
}

void Delete(String& S, int Index, int Count)
{
    const int len = Length(S);
    if (Index < 1 || Index > len || Count <= 0)
        return;
    if (Count > len - Index + 1)
        Count = len - Index + 1;
    S.remove(Index - 1, Count);
}

void Insert(const String& Source, String& S, int Index)
{
    if (Index < 1)
        Index = 1;
    if (Index > Length(S))
        Index = Length(S) + 1;
    S.insert(Index - 1, Source);
}

// ---- trimming and case -------------------------------------------------------------

static bool isBlank(QChar c) { return c.unicode() <= 0x20; }

String Trim(const String& S)
{
    int b = 0, e = Length(S);
    while (b < e && isBlank(S[b]))
        ++b;
    while (e > b && isBlank(S[e - 1]))
        --e;
    return S.mid(b, e - b);
}

String TrimLeft(const String& S)
{
    int b = 0;
    while (b < Length(S) && isBlank(S[b]))
        ++b;
    return S.mid(b);
}

String TrimRight(const String& S)
{
    int e = Length(S);
    while (e > 0 && isBlank(S[e - 1]))
        --e;
    return S.left(e);
}

String UpperCase(const String& S)
{
    String r = S;
    for (QChar& c : r)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return r;
}

String LowerCase(const String& S)
{
    String r = S;
    for (QChar& c : r)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return r;
}

String AnsiUpperCase(const String& S) { return S.toUpper(); }
String AnsiLowerCase(const String& S) { return S.toLower(); }

int CompareText(const String& A, const String& B)
{
    const String a = UpperCase(A), b = UpperCase(B);
    return a.compare(b, Qt::CaseSensitive);
}

bool SameText(const String& A, const String& B) { return CompareText(A, B) == 0; }

int AnsiCompareText(const String& A, const String& B)
{
    return A.compare(B, Qt::CaseInsensitive);
}

int CompareStr(const String& A, const String& B) { return A.compare(B, Qt::CaseSensitive); }

String StringReplaceAll(const String& S, const String& From, const String& To)
{
    if (From.isEmpty())
        return S;
    String r = S;
    return r.replace(From, To, Qt::CaseSensitive);
}

String StringOfChar(QChar Ch, int Count) { return Count > 0 ? String(Count, Ch) : String(); }

// ---- integers --------------------------------------------------------------------

// Parses the common integer form; the magnitude limit is the absolute value
// allowed for a positive (MaxPos) or negative (MaxNeg) result.
static bool parseInteger(const String& S, uint64_t MaxPos, uint64_t MaxNeg, bool& Negative, uint64_t& Magnitude)
{
    int i = 0;
    const int n = Length(S);
    while (i < n && S[i] == u' ')
        ++i;
    Negative = false;
    if (i < n && (S[i] == u'+' || S[i] == u'-')) {
        Negative = S[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && S[i] == u'$') {
        base = 16;
        ++i;
    } else if (i < n && (S[i] == u'x' || S[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && S[i] == u'0' && (S[i + 1] == u'x' || S[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return false;
    const uint64_t limit = Negative ? MaxNeg : MaxPos;
    uint64_t v = 0;
    for (; i < n; ++i) {
        const char16_t c = S[i].unicode();
        int d;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        else
            return false;
        if (v > (limit - d) / base)
            return false;
        v = v * base + d;
    }
    Magnitude = v;
    return true;
}

bool TryStrToInt(const String& S, int& Value)
{
    bool neg;
    uint64_t m;
    if (!parseInteger(S, 2147483647ull, 2147483648ull, neg, m))
        return false;
    Value = neg ? static_cast<int>(-static_cast<int64_t>(m)) : static_cast<int>(m);
    return true;
}

bool TryStrToInt64(const String& S, int64_t& Value)
{
    bool neg;
    uint64_t m;
    if (!parseInteger(S, 9223372036854775807ull, 9223372036854775808ull, neg, m))
        return false;
    Value = neg ? static_cast<int64_t>(0 - m) : static_cast<int64_t>(m);
    return true;
}

int StrToInt(const String& S)
{
    int v;
    if (!TryStrToInt(S, v))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(S));
    return v;
}

int64_t StrToInt64(const String& S)
{
    int64_t v;
    if (!TryStrToInt64(S, v))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(S));
    return v;
}

int StrToIntDef(const String& S, int Default)
{
    int v;
    return TryStrToInt(S, v) ? v : Default;
}

int64_t StrToInt64Def(const String& S, int64_t Default)
{
    int64_t v;
    return TryStrToInt64(S, v) ? v : Default;
}

bool TryStrToDecimalDigits(const String& S, int& Value)
{
    if (S.isEmpty())
        return false;
    int64_t v = 0;
    for (QChar c : S) {
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c.unicode() - u'0');
        if (v > 2147483647)
            return false;
    }
    Value = static_cast<int>(v);
    return true;
}

String IntToStr(int64_t Value) { return QString::number(Value); }

String IntToHex(int64_t Value, int Digits)
{
    uint64_t bits;
    if (Value < 0 && Value >= std::numeric_limits<int32_t>::min())
        bits = static_cast<uint32_t>(static_cast<int32_t>(Value));
    else
        bits = static_cast<uint64_t>(Value);
    String s = QString::number(bits, 16).toUpper();
    if (Length(s) < Digits)
        s = String(Digits - Length(s), u'0') + s;
    return s;
}

// ---- floating point ----------------------------------------------------------------

bool TryStrToFloat(const String& S, double& Value, QChar DecimalSeparator)
{
    const String t = Trim(S);
    QByteArray c;
    int i = 0;
    const int n = Length(t);
    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        c += char(t[i++].unicode());
    int digits = 0;
    while (i < n && t[i] >= u'0' && t[i] <= u'9') {
        c += char(t[i++].unicode());
        ++digits;
    }
    if (i < n && t[i] == DecimalSeparator) {
        c += '.';
        ++i;
        while (i < n && t[i] >= u'0' && t[i] <= u'9') {
            c += char(t[i++].unicode());
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        c += 'e';
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            c += char(t[i++].unicode());
        int expDigits = 0;
        while (i < n && t[i] >= u'0' && t[i] <= u'9') {
            c += char(t[i++].unicode());
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    // strtod on plain ASCII digits with "." is locale-independent only in the
    // C locale; QByteArray::toDouble always uses the C locale.
    bool ok = false;
    const double v = c.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    Value = v;
    return true;
}

double StrToFloat(const String& S, QChar DecimalSeparator)
{
    double v;
    if (!TryStrToFloat(S, v, DecimalSeparator))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(S));
    return v;
}

String FloatToStr(double Value, QChar DecimalSeparator)
{
    if (std::isnan(Value))
        return QStringLiteral("NAN");
    if (std::isinf(Value))
        return Value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (Value == 0)
        return QStringLiteral("0");
    // 15 significant digits; scientific when the exponent is >= 15 or < -5.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", Value);
    const char* e = std::strchr(buf, 'e');
    const int exponent = std::atoi(e + 1);
    String r;
    if (exponent >= 15 || exponent < -5) {
        QByteArray mant(buf, static_cast<int>(e - buf));
        if (mant.contains('.')) {
            while (mant.endsWith('0'))
                mant.chop(1);
            if (mant.endsWith('.'))
                mant.chop(1);
        }
        r = QString::fromLatin1(mant) + u'E' + QString::number(exponent);
    } else {
        const int decimals = std::max(0, 14 - exponent);
        std::snprintf(buf, sizeof buf, "%.*f", decimals, Value);
        QByteArray fixed(buf);
        if (fixed.contains('.')) {
            while (fixed.endsWith('0'))
                fixed.chop(1);
            if (fixed.endsWith('.'))
                fixed.chop(1);
        }
        r = QString::fromLatin1(fixed);
    }
    if (DecimalSeparator != u'.')
        r.replace(u'.', DecimalSeparator);
    return r;
}

String FloatToStrF(double Value, int Digits, QChar DecimalSeparator)
{
    String r = QString::number(Value, 'f', std::max(0, Digits));
    if (DecimalSeparator != u'.')
        r.replace(u'.', DecimalSeparator);
    return r;
}

int64_t Round(double Value) { return static_cast<int64_t>(std::nearbyint(Value)); }

int64_t Trunc(double Value) { return static_cast<int64_t>(std::trunc(Value)); }

int MulDiv(int Number, int Numerator, int Denominator)
{
    if (Denominator == 0)
        return -1;
    const int64_t p = static_cast<int64_t>(Number) * Numerator;
    int64_t q = p / Denominator;
    const int64_t rem = p % Denominator;
    // Half away from zero: compare twice the remainder with the divisor.
    const uint64_t twiceRem = static_cast<uint64_t>(rem < 0 ? -rem : rem) * 2;
    const uint64_t absDen = static_cast<uint64_t>(Denominator < 0 ? -static_cast<int64_t>(Denominator) : Denominator);
    if (twiceRem >= absDen)
        q += ((p < 0) != (Denominator < 0)) ? -1 : 1;
    if (q > std::numeric_limits<int>::max() || q < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(q);
}

// ---- Format --------------------------------------------------------------------------

String Format(const String& Fmt, std::initializer_list<FormatArg> Args)
{
    String out;
    size_t next = 0;
    const int n = Length(Fmt);
    auto bad = [&](const char* why) {
        return EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument: %2")
                                 .arg(Fmt, QString::fromLatin1(why)));
    };
    for (int i = 0; i < n; ++i) {
        const QChar c = Fmt[i];
        if (c != u'%') {
            out += c;
            continue;
        }
        if (++i >= n)
            throw bad("trailing %");
        if (Fmt[i] == u'%') {
            out += u'%';
            continue;
        }
        bool left = false, zero = false;
        while (i < n && (Fmt[i] == u'-' || Fmt[i] == u'0')) {
            if (Fmt[i] == u'-')
                left = true;
            else
                zero = true;
            ++i;
        }
        int width = 0;
        while (i < n && Fmt[i].isDigit())
            width = width * 10 + (Fmt[i++].unicode() - u'0');
        int prec = -1;
        if (i < n && Fmt[i] == u'.') {
            prec = 0;
            ++i;
            while (i < n && Fmt[i].isDigit())
                prec = prec * 10 + (Fmt[i++].unicode() - u'0');
        }
        if (i >= n)
            throw bad("incomplete specifier");
        const char16_t conv = Fmt[i].unicode();
        if (next >= Args.size())
            throw bad("missing argument");
        const FormatArg& a = Args.begin()[next++];
        String piece;
        switch (conv) {
        case u'd':
        case u'u':
        case u'x':
        case u'X': {
            const int64_t* v = std::get_if<int64_t>(&a);
            if (!v)
                throw bad("integer expected");
            if (conv == u'd')
                piece = QString::number(*v < 0 ? -(*v) : *v);
            else if (conv == u'u')
                piece = QString::number(static_cast<uint64_t>(*v));
            else {
                piece = IntToHex(*v, 0);
                if (conv == u'x')
                    piece = piece.toLower();
            }
            if (prec > 0 && Length(piece) < prec)
                piece = String(prec - Length(piece), u'0') + piece;
            if (conv == u'd' && *v < 0)
                piece = u'-' + piece;
            break;
        }
        case u'f':
        case u'e': {
            double v;
            if (const double* d = std::get_if<double>(&a))
                v = *d;
            else if (const int64_t* iv = std::get_if<int64_t>(&a))
                v = static_cast<double>(*iv);
            else
                throw bad("number expected");
            piece = QString::number(v, conv == u'f' ? 'f' : 'E', prec < 0 ? 2 : prec);
            break;
        }
        case u's': {
            const String* s = std::get_if<String>(&a);
            if (!s)
                throw bad("text expected");
            piece = prec >= 0 ? s->left(prec) : *s;
            break;
        }
        default:
            throw bad("unknown conversion");
        }
        if (Length(piece) < width) {
            const int pad = width - Length(piece);
            if (left)
                piece += String(pad, u' ');
            else if (zero && conv != u's') {
                const bool neg = piece.startsWith(u'-');
                piece.insert(neg ? 1 : 0, String(pad, u'0'));
            } else
                piece = String(pad, u' ') + piece;
        }
        out += piece;
    }
    return out;
}
