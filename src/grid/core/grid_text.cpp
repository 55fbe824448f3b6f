#include "grid/core/grid_text.h"

#include <array>
#include <cmath>

#include "platform/rtl/codec.h"

namespace {

constexpr QChar CR = u'\r';
constexpr QChar LF = u'\n';

bool contains(const String& Text, QChar Ch) { return Text.contains(Ch); }

// Upper case one unit at a time, so positions in the result are positions
// in the text.
String upperSameLength(const String& Text)
{
    String r = Text;
    for (QChar& c : r)
        c = c.toUpper();
    return r;
}

}  // namespace

// ---- text kind and links ----------------------------------------------------------------------

int GetTextType(const String& Text, bool HTMLEnabled)
{
    if (Text.isEmpty())
        return ttPlain;
    if (Text[0] == u'=')
        return ttFormula;
    if (Text.startsWith(QStringLiteral("|\\"))) {
        if (Text.size() > 4 && Text[3] == u'=' && Text[4].unicode() == 0)
            return ttFormula;
        return ttWide;
    }
    if (Text.startsWith(QStringLiteral("{\\")))
        return ttRTF;
    // "</", "<B", "<I" or "<C" anywhere: one pass, no copy of the text.
    if (HTMLEnabled)
        for (qsizetype at = Text.indexOf(u'<'); at >= 0 && at + 1 < Text.size(); at = Text.indexOf(u'<', at + 1)) {
            const char16_t next = Text[at + 1].unicode();
            if (next == u'/' || next == u'B' || next == u'I' || next == u'C')
                return ttHTML;
        }
    return ttPlain;
}

bool IsURLText(const String& Text)
{
    return Text.contains(QStringLiteral("://")) || Text.contains(QStringLiteral("mailto:"));
}

void StripURLScheme(String& Text)
{
    int p = Pos(QStringLiteral("://"), Text);
    if (p > 0) {
        Delete(Text, 1, p + 2);
        return;
    }
    p = Pos(QStringLiteral("mailto:"), Text);
    if (p > 0)
        Delete(Text, 1, p + 6);
}

bool InsertURLAnchor(const String& Text, const String& Prefix, String& Result)
{
    if (Pos(Prefix, UpperCase(Text)) == 0)
        return false;
    String r = Text;
    r.replace(u'<', QStringLiteral("&lt;"));
    r.replace(u'>', QStringLiteral("&gt;"));
    const int start = Pos(Prefix, UpperCase(r));
    auto inLink = [](QChar c) {
        const char16_t u = c.unicode();
        if (u > 255)
            return false;
        if ((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z'))
            return true;
        return QStringLiteral("%()-./:@\\_{}").contains(c);
    };
    int end = start;  // 1-based position after the link
    while (end <= Length(r) && inLink(r[end - 1]))
        ++end;
    const String link = Copy(r, start, end - start);
    const String anchor = QStringLiteral("<a href=\"") + link + QStringLiteral("\">") + link + QStringLiteral("</a>");
    Result = Copy(r, 1, start - 1) + anchor + Copy(r, end);
    return true;
}

bool LooksLikeDate(const String& Text, const TGridFormatSettings& FS)
{
    const int p1 = Pos(String(FS.DateSeparator), Text);
    if (p1 < 2)
        return false;
    const int p2 = Pos(String(FS.DateSeparator), Text, p1 + 1);
    return p2 > p1 + 1;
}

// ---- numbers -----------------------------------------------------------------------------------

bool IsDigitChar(QChar Ch) { return Ch.isNumber(); }

int GetNumberType(const String& Text, const TGridFormatSettings& FS)
{
    const int n = Length(Text);
    if (n == 0)
        return ntNone;
    bool isInt = true, isDec = true, isExp = true;
    int minus = 0, decimals = 0, exps = 0;
    int lastThousand = 0;  // position of the previous thousand separator, 0: none
    for (int i = 1; i <= n; ++i) {
        const QChar c = Text[i - 1];
        const bool num = IsDigitChar(c);
        const bool leadMinus = c == u'-' && i == 1;
        const bool isE = c == u'e' || c == u'E';
        if (c == u'-')
            ++minus;
        if (c == FS.DecimalSeparator)
            ++decimals;
        if (isE)
            ++exps;
        if (!num && !leadMinus)
            isInt = false;
        if (!(num || leadMinus || c == FS.ThousandSeparator || c == FS.DecimalSeparator))
            isDec = false;
        if (c == FS.ThousandSeparator) {
            if (lastThousand > 0 && i - lastThousand < 4)
                isDec = false;
            lastThousand = i;
        }
        if (!(num || c == FS.DecimalSeparator || isE || c == u'+' || c == u'-'))
            isExp = false;
    }
    const QChar first = Text[0], last = Text[n - 1];
    if (exps != 1 || first == u'e' || first == u'E' || last == u'e' || last == u'E' || last == u'+' || last == u'-')
        isExp = false;

    int result = isInt ? ntInteger : isDec ? ntDecimal : isExp ? ntExponent : ntNone;
    if (result == ntExponent && minus == 2)
        minus = 1;  // one for the mantissa, one for the exponent
    if (minus > 1 || decimals > 1)
        result = ntNone;
    return result;
}

String CleanNumberText(const String& Text, const TGridFormatSettings& FS)
{
    if (Text.isEmpty())
        return String();
    String t = Trim(Text);
    bool negative = t.startsWith(u'(') && t.endsWith(u')');
    auto keeps = [&](QChar c) {
        return IsDigitChar(c) || c == FS.ThousandSeparator || c == FS.DecimalSeparator || c == u'e' || c == u'E';
    };
    while (Length(t) > 1 && !keeps(t[0])) {
        if (t[0] == u'-')
            negative = true;
        t.remove(0, 1);
    }
    String r;
    for (const QChar c : t) {
        if (c == FS.ThousandSeparator)
            continue;
        if (c == FS.DecimalSeparator)
            r += u'.';
        else if (IsDigitChar(c) || c == u'.' || c == u'-' || c == u'e' || c == u'E' || c == u'+')
            r += c;
        else
            break;
    }
    return negative ? u'-' + r : r;
}

int ClampToLimits(int Value, int Min, int Max)
{
    if (Min == Max)
        return Value;
    int r = Value;
    if (Min > 0 && Value < Min)
        r = Min;
    if (Max > 0 && Value > Max)
        r = Max;
    return r;
}

int IntMax(int A, int B) { return A > B ? A : B; }
int IntMin(int A, int B) { return A < B ? A : B; }

String ColorToHex(TColor Color)
{
    return IntToHex(GetRValue(Color), 2) + IntToHex(GetGValue(Color), 2) + IntToHex(GetBValue(Color), 2);
}

bool ParseRowColRef(const String& Text, TPoint& Cell)
{
    String t = UpperCase(Text);
    if (Length(t) <= 3 || t[0] != u'R')
        return false;
    t.remove(0, 1);
    const int p = Pos(QStringLiteral("C"), t);
    if (p == 0)
        return false;
    int row, col;
    if (!TryStrToInt(Copy(t, 1, p - 1), row) || !TryStrToInt(Copy(t, p + 1), col))
        return false;
    Cell.X = col;
    Cell.Y = row;
    return true;
}

bool TryFormatNumber(const String& Fmt, double Value, String& Result)
{
    const int n = Length(Fmt);
    int conversions = 0;
    QChar conv;
    for (int i = 0; i < n; ++i) {
        if (Fmt[i] != u'%')
            continue;
        if (++i >= n)
            return false;
        if (Fmt[i] == u'%')
            continue;
        while (i < n && (Fmt[i] == u'-' || Fmt[i] == u'0'))
            ++i;
        int digits = 0;
        while (i < n && Fmt[i] >= u'0' && Fmt[i] <= u'9') {
            ++i;
            ++digits;
        }
        if (digits > 2)
            return false;
        if (i < n && Fmt[i] == u'.') {
            ++i;
            digits = 0;
            while (i < n && Fmt[i] >= u'0' && Fmt[i] <= u'9') {
                ++i;
                ++digits;
            }
            if (digits > 2)
                return false;
        }
        if (i >= n || !QStringLiteral("duxXfe").contains(Fmt[i]))
            return false;
        conv = Fmt[i];
        ++conversions;
    }
    if (conversions != 1 || !std::isfinite(Value))
        return false;
    if (conv == u'f' || conv == u'e') {
        Result = Format(Fmt, {Arg(Value)});
        return true;
    }
    if (std::fabs(Value) >= 9.0e18)
        return false;
    Result = Format(Fmt, {Arg(Round(Value))});
    return true;
}

// ---- short dates -----------------------------------------------------------------------------

namespace {

TDateTime parseShortDate(const String& Text, bool MonthFirst)
{
    int p = Pos(QStringLiteral("/"), Text);
    if (p == 0)
        p = Pos(QStringLiteral("."), Text);
    if (p == 0)
        p = Pos(QStringLiteral("-"), Text);
    if (p == 0)
        return 0;
    const String sep = Text.mid(p - 1, 1);
    const String first = Copy(Text, 1, p - 1);
    String rest = Copy(Text, p + 1);
    const int q = Pos(sep, rest);
    if (q == 0)
        return 0;
    const String second = Copy(rest, 1, q - 1);
    const String yearText = Copy(rest, q + 1);
    int a, b, year;
    if (!TryStrToInt(first, a) || !TryStrToInt(second, b) || !TryStrToInt(yearText, year))
        return 0;
    // Two-digit years: up to 25 this century, the others the last one.
    if (year < 100)
        year += year <= 25 ? 2000 : 1900;
    return MonthFirst ? EncodeDate(year, a, b) : EncodeDate(year, b, a);
}

}  // namespace

TDateTime ParseShortDateUS(const String& Text) { return parseShortDate(Text, true); }
TDateTime ParseShortDateEU(const String& Text) { return parseShortDate(Text, false); }

TDateTime IncDateParts(int16_t YearStep, int16_t MonthStep, int16_t DayStep, double Step, TDateTime Date)
{
    if (DayStep != 0 && YearStep == 0 && MonthStep == 0)
        return Date + DayStep;
    if ((YearStep != 0) == (MonthStep != 0) || DayStep != 0)
        return Date + Step;
    int y, m, d;
    DecodeDate(Date, y, m, d);
    if (YearStep != 0) {
        y += YearStep;
    } else {
        // One wrap at most: a step that leaves the month out of range still
        // after it raises, as does a day the target month lacks.
        m += MonthStep;
        if (m < 1) {
            m += 12;
            --y;
        } else if (m > 12) {
            m -= 12;
            ++y;
        }
    }
    return EncodeDate(y, m, d);
}

// ---- CSV quoting -----------------------------------------------------------------------------

String EscapeQuotes(const String& Text)
{
    String r = Text;
    r.replace(u'"', QStringLiteral("\"\""));
    return r;
}

String UndoubleChar(QChar Ch, const String& Text)
{
    if (!contains(Text, Ch))
        return Text;
    String r;
    r.reserve(Text.size());
    const int n = Length(Text);
    for (int i = 0; i < n; ++i) {
        r += Text[i];
        if (Text[i] == Ch && i + 1 < n && Text[i + 1] == Ch)
            ++i;
    }
    return r;
}

int FindClosingQuote(QChar Quote, const String& Text, int& Pos)
{
    const int n = Length(Text);
    int run = 0;
    int result = 0;
    for (int i = 1; i <= n; ++i) {
        if (Text[i - 1] == Quote) {
            if (i == n) {
                result = i;
                break;
            }
            ++run;
        } else if (run % 2 == 1) {
            result = i - 1;
            break;
        } else {
            run = 0;
        }
    }
    Pos = result;
    return result;
}

int CountClosingQuotes(QChar Quote, const String& Text)
{
    String t = Text;
    int count = 0;
    int p;
    while (FindClosingQuote(Quote, t, p) > 0) {
        ++count;
        Delete(t, 1, p);
    }
    return count;
}

void QuoteMultiLineText(String& Text)
{
    Text.replace(QStringLiteral("\r\n"), QStringLiteral("\x0B"));
    Text = u'"' + Text + u'"';
}

void VTToCRLF(String& Text)
{
    if (contains(Text, QChar(11)))
        Text.replace(QChar(11), QStringLiteral("\r\n"));
}

// ---- line-break codings ------------------------------------------------------------------------

String CRToBR(const String& Text)
{
    if (!contains(Text, CR))
        return Text;
    String r = Text;
    r.replace(CR, QStringLiteral("<br>"));
    return r;
}

String EscapeNewLines(const String& Text)
{
    String r;
    r.reserve(Text.size());
    for (const QChar c : Text) {
        if (c == CR)
            r += QStringLiteral("\\n");
        else if (c != LF)
            r += c;
    }
    return r;
}

String UnescapeNewLines(const String& Text)
{
    String r = Text;
    r.replace(QStringLiteral("\\n"), String(CR));
    return r;
}

void RemoveCRofCRLF(String& Text) { Text.replace(QStringLiteral("\r\n"), String(LF)); }

void CRLFToTilde(String& Text)
{
    Text.remove(LF);
    Text.replace(CR, u'~');
}

void TildeToCRLF(String& Text)
{
    Text.replace(u'~', QStringLiteral("\r\n"));
    if (Text == QStringLiteral("^"))
        Text.clear();
}

String PackLineBreaks(const String& Text)
{
    if (!contains(Text, CR))
        return Text;
    String r = Text;
    for (QChar& c : r) {
        if (c == CR)
            c = QChar(9);
        else if (c == LF)
            c = QChar(8);
        else if (c.unicode() == 0)
            c = QChar(1);
    }
    return r;
}

String UnpackLineBreaks(const String& Text, bool Whole)
{
    String r = Text;
    if (contains(r, QChar(8)))
        for (QChar& c : r) {
            if (c.unicode() == 9)
                c = CR;
            else if (c.unicode() == 8)
                c = LF;
            else if (c.unicode() == 1)
                c = QChar(0);
        }
    if (Whole)
        return r;
    return CutFirstLine(r, false);
}

String CutFirstLine(String& Text, bool KeepRest)
{
    const int p = Text.indexOf(CR);
    if (p < 0) {
        String r = Text;
        Text.clear();
        return r;
    }
    const String r = Text.left(p);
    Text.remove(0, p + 1);
    if (Text.startsWith(LF))
        Text.remove(0, 1);
    if (!KeepRest)
        Text.clear();
    return r;
}

int CountLines(const String& Text, bool MultiLine) { return MultiLine ? 1 + CountChar(CR, Text) : 1; }

String StripCR(const String& Text)
{
    String r = Text;
    r.remove(CR);
    return r;
}

String CRToLF(const String& Text)
{
    String r = Text;
    r.replace(CR, LF);
    return r;
}

// ---- wide-cell coding ----------------------------------------------------------------------------

String EncodeWideCellText(const String& WideText)
{
    String r = QStringLiteral("|\\");
    r.reserve(2 + 2 * WideText.size());
    for (const QChar c : WideText) {
        r += QChar(c.unicode() >> 8);
        r += QChar(c.unicode() & 0xFF);
    }
    return r;
}

String DecodeWideCellText(const String& Text)
{
    if (!Text.startsWith(QStringLiteral("|\\")))
        return Text;
    String r;
    const int n = Length(Text);
    r.reserve((n - 2) / 2);
    for (int i = 2; i + 1 < n; i += 2)
        r += QChar(char16_t(Text[i].unicode() * 256 + Text[i + 1].unicode()));
    return r;
}

int WidePos(const String& Sub, const String& Text) { return Pos(Sub, Text); }

// ---- HTML clipboard text ----------------------------------------------------------------------

void MakeHTMLClipboardText(String& Fragment)
{
    const String docType =
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
    const String head = QStringLiteral(
        "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\">"
        "</head><body><!--StartFragment-->");
    const String tail = QStringLiteral("<!--EndFragment--></body></html>");

    // The clipboard receives UTF-8, so the head declares it and the offsets
    // count its bytes.
    auto bytes = [](const String& S) { return static_cast<int>(S.toUtf8().size()); };
    auto line = [](const char* Name, int Value) {
        return Format(QStringLiteral("%s%.8d"), {Arg(Name), Arg(Value)}) + QStringLiteral("\r\n");
    };
    auto header = [&](int StartHTML, int EndHTML, int StartFragment, int EndFragment) {
        return QStringLiteral("Version:1.0\r\n") + line("StartHTML:", StartHTML) + line("EndHTML:", EndHTML) +
               line("StartFragment:", StartFragment) + line("EndFragment:", EndFragment);
    };
    const int headerLength = bytes(header(0, 0, 0, 0));
    const int startFragment = headerLength + bytes(docType) + bytes(head);
    const int endFragment = startFragment + bytes(Fragment);
    const int endHTML = endFragment + bytes(tail);
    Fragment = header(headerLength, endHTML, startFragment, endFragment) + docType + head + Fragment + tail;
}

// ---- string helpers ------------------------------------------------------------------------------

int PosInUpper(const String& Sub, const String& Text) { return Pos(Sub, upperSameLength(Text)); }

int FindPos(const String& Sub, const String& Text, int& P)
{
    P = Pos(Sub, Text);
    return P;
}

int FindCharPos(QChar Ch, const String& Text, int& P)
{
    const int p = Text.indexOf(Ch) + 1;
    if (p > 0)
        P = p;
    return p;
}

int FirstCharPos(QChar Ch, const String& Text) { return Text.indexOf(Ch) + 1; }

String CutToken(String& Text, const String& Delimiter)
{
    const int p = Pos(Delimiter, Text);
    if (p == 0)
        return String();
    const String r = Copy(Text, 1, p - 1);
    Delete(Text, 1, p - 1 + Length(Delimiter));
    return r;
}

String ConcatLines(const TStringList& Lines)
{
    String r;
    for (int i = 0; i < Lines.Count(); ++i)
        r += Lines[i];
    return r;
}

int CountChar(QChar Ch, const String& Text) { return static_cast<int>(Text.count(Ch)); }

void FillWithChar(String& Text, QChar Ch) { Text.fill(Ch); }

bool IsWordBreakChar(QChar Ch)
{
    return Ch == u' ' || Ch == u'\'' || Ch == u',' || Ch == u'-' || Ch == u'.';
}

String ToMixedCase(const String& Text)
{
    const int n = Length(Text);
    String out;
    out.reserve(n);
    bool capital = true;
    int firstMc = -1;  // where the first " Mc" written so far ends (1-based), -1 while there is none
    for (int i = 1; i <= n; ++i) {
        const QChar c = Text[i - 1];
        if (IsWordBreakChar(c)) {
            capital = true;
            out += c;
        } else if (capital) {
            out += c.toUpper();
            capital = false;
        } else {
            out += c.toLower();
        }
        // The rules look at what has been written so far: "Mc" and the first
        // " Mc" capitalise the next letter, and so do " I" and " II" at the end.
        auto endsWith = [&](const char16_t* Tail, int Len) {
            return i >= Len && QStringView(out).mid(i - Len, Len) == QStringView(Tail, Len);
        };
        if (firstMc < 0 && endsWith(u" Mc", 3))
            firstMc = i;
        if (i == 2 && endsWith(u"Mc", 2))
            capital = true;
        else if (i > 2 && firstMc == i)
            capital = true;
        else if (i > n - 3 && (endsWith(u" I", 2) || endsWith(u" II", 3)))
            capital = true;
    }
    return out;
}

// ---- OEM code page (437) -------------------------------------------------------------------------

namespace {

constexpr std::array<char16_t, 128> cp437High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

char oemByte(QChar C)
{
    const char16_t u = C.unicode();
    if (u < 0x80)
        return static_cast<char>(u);
    for (int i = 0; i < 128; ++i)
        if (cp437High[i] == u)
            return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

void StringToOem(String& Text)
{
    QByteArray b;
    b.reserve(Text.size());
    for (const QChar c : Text)
        b += oemByte(c);
    Text = Windows1252ToString(b);
}

void OemToString(String& Text)
{
    const QByteArray b = StringToWindows1252(Text);
    String r;
    r.reserve(b.size());
    for (const char c : b) {
        const unsigned char u = static_cast<unsigned char>(c);
        r += u < 0x80 ? QChar(u) : QChar(cp437High[u - 0x80]);
    }
    Text = r;
}
