// The keys of a sort run (grid_sort_keys.h).
#include "grid/data/grid_sort_keys.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>

#include <QCollator>
#include <QLocale>

#include "grid/core/grid_text.h"
#include "platform/rtl/datetime.h"

namespace {

template <typename T>
int Cmp(const T& A, const T& B)
{
    return A < B ? -1 : B < A ? 1 : 0;
}

int Sign(int V) { return V < 0 ? -1 : V > 0 ? 1 : 0; }

bool IsAsciiDigit(QChar C) { return C.unicode() >= '0' && C.unicode() <= '9'; }

// The run of digits as a number; false when there is none or it is long.
bool Digits(QStringView S, int& Value)
{
    if (S.isEmpty() || S.size() > 4)
        return false;
    Value = 0;
    for (const QChar c : S) {
        if (!IsAsciiDigit(c))
            return false;
        Value = Value * 10 + (c.unicode() - '0');
    }
    return true;
}

// The three parts of Text between Sep; false when there are not three.
bool SplitThree(QStringView Text, QChar Sep, QStringView (&Parts)[3])
{
    qsizetype from = 0;
    for (int i = 0; i < 2; ++i) {
        const qsizetype p = Text.indexOf(Sep, from);
        if (p < 0)
            return false;
        Parts[i] = Text.mid(from, p - from);
        from = p + 1;
    }
    Parts[2] = Text.mid(from);
    return Parts[2].indexOf(Sep) < 0;
}

// The letters d, m, y in the order the short date format first names them.
struct TDateOrder {
    char Letter[3] = {'d', 'm', 'y'};
    explicit TDateOrder(const String& Format)
    {
        std::pair<qsizetype, char> order[3] = {{99, 'd'}, {99, 'm'}, {99, 'y'}};
        for (qsizetype i = Format.size() - 1; i >= 0; --i)
            for (auto& o : order)
                if (Format[i].toLower() == QLatin1Char(o.second))
                    o.first = i;
        std::sort(std::begin(order), std::end(order));
        for (size_t i = 0; i < 3; ++i)
            Letter[i] = order[i].second;
    }
};

// The date part in the order of the short date format.
bool ParseDatePart(QStringView Text, QChar Separator, const TDateOrder& Order, double& Value)
{
    QStringView parts[3];
    if (!SplitThree(Text, Separator, parts))
        return false;
    int d = 0, m = 0, y = 0;
    for (int i = 0; i < 3; ++i) {
        const QStringView part = parts[i].trimmed();
        int v = 0;
        if (!Digits(part, v))
            return false;
        const char letter = Order.Letter[i];
        if (letter == 'd')
            d = v;
        else if (letter == 'm')
            m = v;
        else {
            y = v;
            if (part.size() <= 2)
                y += y <= 25 ? 2000 : 1900;
        }
    }
    TDateTime v = 0;
    if (!TryEncodeDate(y, m, d, v))
        return false;
    Value = v;
    return true;
}

bool EndsWithNoCase(QStringView S, const char* Tail)
{
    return S.endsWith(QLatin1StringView(Tail), Qt::CaseInsensitive);
}

bool ParseTimeView(QStringView Text, const TGridFormatSettings& FS, double& Value)
{
    QStringView t = Text.trimmed();
    int add = -1;
    if (EndsWithNoCase(t, "AM") || EndsWithNoCase(t, "PM")) {
        add = EndsWithNoCase(t, "PM") ? 12 : 0;
        t = t.left(t.size() - 2).trimmed();
    }
    QStringView parts[3];
    int count = 0;
    for (qsizetype from = 0;;) {
        const qsizetype p = t.indexOf(FS.TimeSeparator, from);
        if (count == 3)
            return false;
        parts[count++] = p < 0 ? t.mid(from) : t.mid(from, p - from);
        if (p < 0)
            break;
        from = p + 1;
    }
    if (count < 2)
        return false;
    int h = 0, m = 0, s = 0, ms = 0;
    if (!Digits(parts[0], h) || !Digits(parts[1], m))
        return false;
    if (count == 3) {
        const QStringView sec = parts[2];
        const qsizetype dot = sec.indexOf(u'.');
        if (dot < 0) {
            if (!Digits(sec, s))
                return false;
        } else if (!Digits(sec.left(dot), s) || sec.indexOf(u'.', dot + 1) >= 0 || !Digits(sec.mid(dot + 1), ms)) {
            return false;
        }
    }
    if (add >= 0) {
        if (h < 1 || h > 12)
            return false;
        h = h % 12 + add;
    }
    TDateTime v = 0;
    if (!TryEncodeTime(h, m, s, ms, v))
        return false;
    Value = v;
    return true;
}

// The value of the number at the start of Text (as LeadingNumber).
double LeadingNumberView(QStringView Text)
{
    qsizetype i = 0;
    const qsizetype n = Text.size();
    while (i < n && Text[i].isSpace())
        ++i;
    const qsizetype start = i;
    if (i < n && (Text[i] == u'-' || Text[i] == u'+'))
        ++i;
    qsizetype digits = 0;
    while (i < n && IsAsciiDigit(Text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && Text[i] == u'.') {
        ++i;
        while (i < n && IsAsciiDigit(Text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (Text[i] == u'e' || Text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (Text[j] == u'-' || Text[j] == u'+'))
            ++j;
        if (j < n && IsAsciiDigit(Text[j])) {
            while (j < n && IsAsciiDigit(Text[j]))
                ++j;
            i = j;
        }
    }
    // The part is ASCII: converted from a buffer on the stack (both
    // conversions round correctly), or by the string's own when long.
    const QStringView part = Text.mid(start, i - start);
    char buf[64];
    qsizetype len = 0;
    for (const QChar c : part)
        if (len < qsizetype(sizeof buf) && !(len == 0 && c == u'+'))
            buf[len++] = char(c.unicode());
    if (len < qsizetype(sizeof buf)) {
        double v = 0;
        if (const auto r = std::from_chars(buf, buf + len, v); r.ec == std::errc() && r.ptr == buf + len)
            return v;
    }
    bool ok = false;
    const double v = part.toDouble(&ok);
    return ok ? v : 0;
}

}  // namespace

double LeadingNumber(const String& Text) { return LeadingNumberView(Text); }

double SortNumber(const String& Text, const String& Prefix, const String& Suffix, bool Financial,
                  const TGridFormatSettings& FS)
{
    // Mostly nothing is to be removed or replaced: no copy then.
    if (Prefix.isEmpty() && Suffix.isEmpty() && (!Financial || !Text.contains(FS.ThousandSeparator)) &&
        (FS.DecimalSeparator == u'.' || !Text.contains(FS.DecimalSeparator)))
        return LeadingNumberView(Text);
    String t = Text;
    if (!Prefix.isEmpty())
        if (const qsizetype p = t.indexOf(Prefix); p >= 0)
            t.remove(p, Prefix.size());
    if (!Suffix.isEmpty())
        if (const qsizetype p = t.indexOf(Suffix); p >= 0)
            t.remove(p, Suffix.size());
    if (Financial)
        t.remove(FS.ThousandSeparator);
    if (FS.DecimalSeparator != u'.')
        if (const qsizetype p = t.indexOf(FS.DecimalSeparator); p >= 0)
            t[p] = u'.';
    return LeadingNumber(t);
}

bool ParseSortTime(const String& Text, const TGridFormatSettings& FS, double& Value)
{
    return ParseTimeView(Text, FS, Value);
}

namespace {

bool ParseDateTimeView(QStringView Text, const TGridFormatSettings& FS, const TDateOrder& Order, double& Value)
{
    const QStringView t = Text.trimmed();
    const qsizetype blank = t.indexOf(u' ');
    double date = 0, time = 0;
    if (!ParseDatePart(blank < 0 ? t : t.left(blank), FS.DateSeparator, Order, date))
        return false;
    if (blank >= 0 && !ParseTimeView(t.mid(blank + 1), FS, time))
        return false;
    // Before the day 0 the time counts back from the date's start.
    Value = date < 0 ? date - time : date + time;
    return true;
}

}  // namespace

bool ParseSortDateTime(const String& Text, const TGridFormatSettings& FS, double& Value)
{
    return ParseDateTimeView(Text, FS, TDateOrder(FS.ShortDateFormat), Value);
}

namespace {

// False for a text GetNumberType finds no number in by its first character
// alone: an ASCII character that is no digit, sign, exponent letter or
// separator leaves no form of number possible. (The common text cell is
// decided without the full scan.)
bool MaybeNumber(const String& Text, const TGridFormatSettings& FS)
{
    const QChar c = Text[0];
    const char16_t u = c.unicode();
    return u >= 128 || (u >= u'0' && u <= u'9') || u == u'-' || u == u'+' || u == u'e' || u == u'E' ||
           c == FS.ThousandSeparator || c == FS.DecimalSeparator;
}

}  // namespace

TSortClass ClassifySortText(const String& Text, const TGridFormatSettings& FS)
{
    if (Text.isEmpty())
        return TSortClass::scEmpty;
    if (MaybeNumber(Text, FS) && GetNumberType(Text, FS) != ntNone)
        return TSortClass::scNumber;
    auto separatorAt = [&Text](QChar Sep, bool& PositionOk) {
        const qsizetype p = Text.indexOf(Sep);
        PositionOk = p == 1 || p == 2;
        return PositionOk && p + 1 < Text.size() && IsAsciiDigit(Text[p - 1]) && IsAsciiDigit(Text[p + 1]);
    };
    bool dateAt = false;
    if (separatorAt(FS.DateSeparator, dateAt))
        return Text.contains(FS.TimeSeparator) ? TSortClass::scDateTime : TSortClass::scDate;
    bool timeAt = false;
    if (!dateAt && separatorAt(FS.TimeSeparator, timeAt))
        return TSortClass::scTime;
    return TSortClass::scText;
}

namespace {

// The compared texts of a column, appended row by row to its buffer (a row
// not added has the empty text).
class TTextBuffer {
public:
    TTextBuffer(TSortColumnKeys& K, size_t N) : k_(K), n_(N)
    {
        // Room for 8 code units a row to start with; no more, so that the
        // memory a run leaves behind has all been written to once.
        k_.Chars.clear();
        k_.Chars.reserve(N * 8);
        k_.Start.assign(N + 1, 0);
    }
    // Row I's text, I above the rows added before.
    void Add(size_t I, QStringView Text, bool Upper)
    {
        Skip(I);
        const char16_t* from = Text.utf16();
        const size_t at = k_.Chars.size();
        k_.Chars.insert(k_.Chars.end(), from, from + Text.size());
        if (Upper)
            for (size_t j = at; j < k_.Chars.size(); ++j)
                if (k_.Chars[j] >= u'a' && k_.Chars[j] <= u'z')
                    k_.Chars[j] = char16_t(k_.Chars[j] - 32);
        k_.Start[I + 1] = k_.Chars.size();
        done_ = I + 1;
    }
    // Closes the buffer; Common becomes the start shared by the texts of
    // the rows Compared(i) names.
    template <typename CompareT>
    void Finish(CompareT Compared)
    {
        Skip(n_);
        QStringView first;
        qsizetype length = -1;
        for (size_t i = 0; i < n_; ++i) {
            if (!Compared(i))
                continue;
            const QStringView t = k_.TextOf(i);
            if (length < 0) {
                first = t;
                length = t.size();
                continue;
            }
            const qsizetype len = std::min(length, t.size());
            qsizetype j = 0;
            while (j < len && first[j] == t[j])
                ++j;
            length = j;
        }
        k_.Common = std::max<qsizetype>(length, 0);
    }

private:
    // The rows from done_ up to I have no text.
    void Skip(size_t I)
    {
        for (; done_ < I; ++done_)
            k_.Start[done_ + 1] = k_.Chars.size();
    }
    TSortColumnKeys& k_;
    size_t n_;
    size_t done_ = 0;
};

bool IsCheckBoxType(TCellType Type)
{
    return Type == TCellType::ctCheckBox || Type == TCellType::ctDataCheckBox ||
           Type == TCellType::ctVirtCheckBox || Type == TCellType::ctRowCheckBox;
}

}  // namespace

// Each cell is read once and turned into its key at once, while its text is
// at hand: the reads of a large column are what a sort run mostly waits for.
void FillSortKeys(TSortColumnKeys& K, TSortStyle Style, const String& Prefix, const String& Suffix, bool IgnoreCase,
                  const TGridFormatSettings& FS, const std::vector<int>& Rows, const TSortCellReader& Read)
{
    const size_t n = Rows.size();
    K.Style = Style;
    K.Empty.assign(n, 0);
    K.Common = 0;
    K.Chars.clear();
    K.Start.clear();
    const TDateOrder dateOrder(FS.ShortDateFormat);
    auto all = [](size_t) { return true; };
    // Row i's text as read; its emptiness noted.
    auto read = [&](size_t I) {
        String t = Read.Text(Rows[I]);
        K.Empty[I] = t.isEmpty();
        return t;
    };
    auto numbers = [&](bool Financial) {
        K.Number.resize(n);
        for (size_t i = 0; i < n; ++i)
            K.Number[i] = SortNumber(read(i), Prefix, Suffix, Financial, FS);
    };
    auto dates = [&](auto Parse) {
        K.Number.assign(n, 0);
        for (size_t i = 0; i < n; ++i)
            Parse(read(i), K.Number[i]);
    };
    switch (Style) {
    case TSortStyle::ssAutomatic: {
        K.Class.resize(n);
        K.Number.assign(n, 0);
        TTextBuffer buffer(K, n);
        for (size_t i = 0; i < n; ++i) {
            const String text = read(i);
            const TSortClass c =
                IsCheckBoxType(Read.Type(Rows[i])) ? TSortClass::scCheckBox : ClassifySortText(text, FS);
            double v = 0;
            switch (c) {
            case TSortClass::scCheckBox: v = Read.Checked(Rows[i]) ? 1 : 0; break;
            case TSortClass::scNumber: v = SortNumber(text, String(), String(), true, FS); break;
            case TSortClass::scDate:
            case TSortClass::scDateTime: ParseDateTimeView(text, FS, dateOrder, v); break;
            case TSortClass::scTime: ParseSortTime(text, FS, v); break;
            case TSortClass::scText: buffer.Add(i, text, IgnoreCase); break;
            case TSortClass::scEmpty: break;
            }
            K.Class[i] = uint8_t(c);
            K.Number[i] = v;
        }
        buffer.Finish([&K](size_t I) { return TSortClass(K.Class[I]) == TSortClass::scText; });
        break;
    }
    case TSortStyle::ssAlphabetic:
    case TSortStyle::ssAlphaCase:
    case TSortStyle::ssAlphaNoCase:
    case TSortStyle::ssCustom: {
        TTextBuffer buffer(K, n);
        if (Style == TSortStyle::ssCustom)
            K.Text.resize(n);
        for (size_t i = 0; i < n; ++i) {
            String text = read(i);
            buffer.Add(i, text, Style == TSortStyle::ssAlphaNoCase);
            if (Style == TSortStyle::ssCustom)
                K.Text[i] = std::move(text);
        }
        buffer.Finish(all);
        break;
    }
    case TSortStyle::ssAnsiAlphaCase:
    case TSortStyle::ssAnsiAlphaNoCase: {
        QCollator coll{QLocale()};
        coll.setCaseSensitivity(Style == TSortStyle::ssAnsiAlphaCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
        std::vector<QCollatorSortKey> keys;
        keys.reserve(n);
        for (size_t i = 0; i < n; ++i)
            keys.push_back(coll.sortKey(read(i)));
        std::vector<int> idx(n);
        for (size_t i = 0; i < n; ++i)
            idx[i] = int(i);
        std::stable_sort(idx.begin(), idx.end(),
                         [&keys](int A, int B) { return keys[size_t(A)].compare(keys[size_t(B)]) < 0; });
        K.Rank.assign(n, 0);
        for (size_t i = 1; i < n; ++i)
            K.Rank[size_t(idx[i])] = K.Rank[size_t(idx[i - 1])] +
                                     (keys[size_t(idx[i - 1])].compare(keys[size_t(idx[i])]) != 0 ? 1 : 0);
        break;
    }
    case TSortStyle::ssNumeric: numbers(false); break;
    case TSortStyle::ssFinancial: numbers(true); break;
    case TSortStyle::ssDate:
    case TSortStyle::ssDateTime:
        dates([&](const String& T, double& V) { ParseDateTimeView(T, FS, dateOrder, V); });
        break;
    case TSortStyle::ssTime: dates([&FS](const String& T, double& V) { ParseSortTime(T, FS, V); }); break;
    case TSortStyle::ssShortDateEU:
    case TSortStyle::ssShortDateUS:
        dates([Style](const String& T, double& V) {
            try {
                V = Style == TSortStyle::ssShortDateEU ? ParseShortDateEU(T) : ParseShortDateUS(T);
            } catch (const Exception&) {
                V = 0;
            }
        });
        break;
    case TSortStyle::ssRaw:
        for (size_t i = 0; i < n; ++i)
            read(i);
        break;
    case TSortStyle::ssHTML: {
        TTextBuffer buffer(K, n);
        for (size_t i = 0; i < n; ++i) {
            read(i);
            buffer.Add(i, Read.Stripped(Rows[i]), false);
        }
        buffer.Finish(all);
        break;
    }
    case TSortStyle::ssImages:
        K.Class.resize(n);
        K.Number.resize(n);
        for (size_t i = 0; i < n; ++i) {
            read(i);
            const TCellType type = Read.Type(Rows[i]);
            const bool picture = type == TCellType::ctBitmap || type == TCellType::ctIcon ||
                                 type == TCellType::ctPicture || type == TCellType::ctFilePicture;
            K.Class[i] = picture;
            K.Number[i] = picture ? 0 : double(Read.ImageIndex(Rows[i]));
        }
        break;
    case TSortStyle::ssCheckBox:
        K.Number.resize(n);
        for (size_t i = 0; i < n; ++i) {
            read(i);
            K.Number[i] = Read.Checked(Rows[i]) ? 1 : 0;
        }
        break;
    case TSortStyle::ssAlphaNumeric:
    case TSortStyle::ssAlphaNumericNoCase: {
        K.Class.resize(n);
        K.Number.assign(n, 0);
        TTextBuffer buffer(K, n);
        for (size_t i = 0; i < n; ++i) {
            const String text = read(i);
            K.Class[i] = !text.isEmpty() && MaybeNumber(text, FS) && GetNumberType(text, FS) != ntNone;
            if (K.Class[i])
                K.Number[i] = SortNumber(text, String(), String(), true, FS);
            else
                buffer.Add(i, text, Style == TSortStyle::ssAlphaNumericNoCase);
        }
        buffer.Finish([&K](size_t I) { return K.Class[I] == 0; });
        break;
    }
    }
    K.Ready = true;
}

int CompareSortKeys(const TSortColumnKeys& K, size_t A, size_t B)
{
    switch (K.Style) {
    case TSortStyle::ssAutomatic: {
        if (const int c = Cmp(K.Class[A], K.Class[B]))
            return c;
        switch (TSortClass(K.Class[A])) {
        case TSortClass::scEmpty: return 0;
        case TSortClass::scText: return Sign(K.TextOf(A).compare(K.TextOf(B)));
        case TSortClass::scDate:
        case TSortClass::scDateTime:
        case TSortClass::scTime: return CompareDateTime(K.Number[A], K.Number[B]);
        default: return Cmp(K.Number[A], K.Number[B]);
        }
    }
    case TSortStyle::ssAlphabetic:
    case TSortStyle::ssAlphaCase:
    case TSortStyle::ssAlphaNoCase:
    case TSortStyle::ssHTML:
    case TSortStyle::ssCustom: return Sign(K.TextOf(A).compare(K.TextOf(B)));
    case TSortStyle::ssAnsiAlphaCase:
    case TSortStyle::ssAnsiAlphaNoCase: return Cmp(K.Rank[A], K.Rank[B]);
    case TSortStyle::ssNumeric:
    case TSortStyle::ssFinancial:
    case TSortStyle::ssCheckBox: return Cmp(K.Number[A], K.Number[B]);
    case TSortStyle::ssDate:
    case TSortStyle::ssDateTime:
    case TSortStyle::ssTime:
    case TSortStyle::ssShortDateEU:
    case TSortStyle::ssShortDateUS: return CompareDateTime(K.Number[A], K.Number[B]);
    case TSortStyle::ssImages:
        if (const int c = Cmp(K.Class[A], K.Class[B]))
            return c;
        return Cmp(K.Number[A], K.Number[B]);
    case TSortStyle::ssAlphaNumeric:
    case TSortStyle::ssAlphaNumericNoCase:
        // Numbers before texts, so that the order stays one order.
        if (const int c = Cmp(K.Class[B], K.Class[A]))
            return c;
        if (K.Class[A])
            return Cmp(K.Number[A], K.Number[B]);
        return Sign(K.TextOf(A).compare(K.TextOf(B)));
    case TSortStyle::ssRaw: return 0;
    }
    return 0;
}

// ---- ranks --------------------------------------------------------------------------------------

namespace {

// Unsigned order of doubles (-0 counts as 0).
uint64_t OrderedBits(double V)
{
    if (V == 0)
        V = 0;
    uint64_t u = 0;
    std::memcpy(&u, &V, sizeof u);
    return (u & 0x8000000000000000ULL) ? ~u : (u | 0x8000000000000000ULL);
}

// The instant CompareDateTime compares: whole days, then the milliseconds
// of the day (a negative value keeps a positive time part).
uint64_t DateTimeKey(double V)
{
    const double whole = std::trunc(V);
    int64_t day = static_cast<int64_t>(whole);
    int64_t ms = static_cast<int64_t>(std::llround(std::fabs(V - whole) * 86400000.0));
    if (ms >= 86400000) {
        ms -= 86400000;
        day += V < 0 ? -1 : 1;
    }
    return uint64_t(day * 86400000 + ms) ^ 0x8000000000000000ULL;
}

// Four UTF-16 code units from From, in the order of the ordinal compare
// (a shorter text fills with 0; its ties go to the full compare).
uint64_t TextPrefix(QStringView S, qsizetype From)
{
    uint64_t v = 0;
    const qsizetype n = S.size();
    const QChar* d = S.constData();
    for (qsizetype i = From; i < From + 4; ++i)
        v = (v << 16) | (i < n ? d[i].unicode() : 0u);
    return v;
}

struct TRankItem {
    uint64_t Major, Minor;
    uint32_t Index;
    // The text's length when the keys hold all of it past the common
    // prefix (then equal keys compare by length alone), else Open.
    uint16_t Length;
    bool Text;  // ties of Major and Minor compare the texts
    static constexpr uint16_t Open = 0xFFFF;
};

// The length for TRankItem::Length of a text whose code units from Common
// to Common + Covered are in the keys.
uint16_t KeyedLength(QStringView S, qsizetype Common, qsizetype Covered)
{
    return S.size() <= Common + Covered && S.size() < TRankItem::Open ? uint16_t(S.size()) : TRankItem::Open;
}

// One key word, the length and the item: the packed form of the items when
// only one of Major and Minor varies and no text is to be compared in full
// (numbers, dates, times, ranks, texts the keys hold whole). Every pass of
// the sort then moves two thirds of the bytes.
struct TWordItem {
    uint64_t Key;
    uint32_t Index;
    uint16_t Length;
};

// Items in the order of their key bytes, equal ones keeping their order: a
// radix sort over the bytes Varies names, the least significant first
// (ByteOf(item, d) gives byte d). Bytes every item has alike are left out
// by the caller: they would not change the order.
template <typename ItemT, typename ByteOfT>
void RadixSort(std::vector<ItemT>& Items, const std::vector<int>& Varies, ByteOfT ByteOf)
{
    const size_t n = Items.size();
    if (Varies.empty() || n < 2)
        return;
    std::vector<std::array<size_t, 256>> count(Varies.size());
    for (auto& c : count)
        c.fill(0);
    for (const ItemT& it : Items)
        for (size_t v = 0; v < Varies.size(); ++v)
            ++count[v][ByteOf(it, Varies[v])];
    std::vector<ItemT> buf(n);
    for (size_t v = 0; v < Varies.size(); ++v) {
        std::array<size_t, 256>& c = count[v];
        size_t sum = 0;
        for (size_t& x : c) {
            const size_t k = x;
            x = sum;
            sum += k;
        }
        const int d = Varies[v];
        for (const ItemT& it : Items)
            buf[c[ByteOf(it, d)]++] = it;
        Items.swap(buf);
    }
}

// Adds First + b for each byte b of a key word (0 the lowest) in which the
// words seen differ: where the bits any has (Or) and those all have (And)
// disagree.
void AddVaryingBytes(uint64_t Or, uint64_t And, int First, std::vector<int>& Bytes)
{
    for (int b = 0; b < 8; ++b)
        if (((Or ^ And) >> (8 * b)) & 0xFF)
            Bytes.push_back(First + b);
}

}  // namespace

std::vector<uint32_t> SortKeyRanks(const TSortColumnKeys& K, size_t* Compares)
{
    const size_t n = K.Empty.size();
    std::vector<TRankItem> items(n);
    const qsizetype common = K.Common;
    // The bits every key has set, and those any has: the bytes where they
    // differ are the ones the sort looks at.
    uint64_t orMajor = 0, andMajor = ~uint64_t(0), orMinor = 0, andMinor = ~uint64_t(0);
    uint16_t orLength = 0, andLength = TRankItem::Open;
    // A text the keys do not hold whole (its ties compare the texts).
    bool openText = false;
    for (size_t i = 0; i < n; ++i) {
        TRankItem& it = items[i];
        it = {0, 0, uint32_t(i), TRankItem::Open, false};
        switch (K.Style) {
        case TSortStyle::ssAutomatic: {
            const auto c = TSortClass(K.Class[i]);
            // The class above the first three code units of a text.
            it.Major = uint64_t(K.Class[i]) << 48;
            if (c == TSortClass::scText) {
                it.Major |= TextPrefix(K.TextOf(i), common) >> 16;
                it.Minor = TextPrefix(K.TextOf(i), common + 3);
                it.Length = KeyedLength(K.TextOf(i), common, 7);
                it.Text = true;
            } else if (c == TSortClass::scDate || c == TSortClass::scDateTime || c == TSortClass::scTime) {
                it.Minor = DateTimeKey(K.Number[i]);
            } else if (c != TSortClass::scEmpty) {
                it.Minor = OrderedBits(K.Number[i]);
            }
            break;
        }
        case TSortStyle::ssAlphabetic:
        case TSortStyle::ssAlphaCase:
        case TSortStyle::ssAlphaNoCase:
        case TSortStyle::ssHTML:
        case TSortStyle::ssCustom:
            it.Major = TextPrefix(K.TextOf(i), common);
            it.Minor = TextPrefix(K.TextOf(i), common + 4);
            it.Length = KeyedLength(K.TextOf(i), common, 8);
            it.Text = true;
            break;
        case TSortStyle::ssAnsiAlphaCase:
        case TSortStyle::ssAnsiAlphaNoCase: it.Major = uint64_t(uint32_t(K.Rank[i])); break;
        case TSortStyle::ssNumeric:
        case TSortStyle::ssFinancial:
        case TSortStyle::ssCheckBox: it.Major = OrderedBits(K.Number[i]); break;
        case TSortStyle::ssDate:
        case TSortStyle::ssDateTime:
        case TSortStyle::ssTime:
        case TSortStyle::ssShortDateEU:
        case TSortStyle::ssShortDateUS: it.Major = DateTimeKey(K.Number[i]); break;
        case TSortStyle::ssImages:
            it.Major = K.Class[i];
            it.Minor = OrderedBits(K.Number[i]);
            break;
        case TSortStyle::ssAlphaNumeric:
        case TSortStyle::ssAlphaNumericNoCase:
            // Numbers (class 1) before texts.
            it.Major = K.Class[i] ? 0 : 1;
            if (K.Class[i]) {
                it.Minor = OrderedBits(K.Number[i]);
            } else {
                it.Minor = TextPrefix(K.TextOf(i), common);
                it.Length = KeyedLength(K.TextOf(i), common, 4);
                it.Text = true;
            }
            break;
        case TSortStyle::ssRaw: break;
        }
        orMajor |= it.Major;
        andMajor &= it.Major;
        orMinor |= it.Minor;
        andMinor &= it.Minor;
        orLength |= it.Length;
        andLength &= it.Length;
        openText = openText || (it.Text && it.Length == TRankItem::Open);
    }
    size_t compares = n > 0 ? n - 1 : 0;
    auto done = [&]() {
        if (Compares)
            *Compares += compares;
    };
    std::vector<int> varies;
    AddVaryingBytes(orMinor, andMinor, 0, varies);
    const bool minorVaries = !varies.empty();
    AddVaryingBytes(orMajor, andMajor, 8, varies);
    const bool majorVaries = !varies.empty() && varies.back() >= 8;
    if (!openText && !(minorVaries && majorVaries)) {
        // One word decides, then the length of texts held whole (the
        // shorter of two such texts with one key is the start of the
        // other; other items all have the length Open): those alone are
        // sorted, with the index, the length first.
        std::vector<TWordItem> words(n);
        for (size_t i = 0; i < n; ++i)
            words[i] = {minorVaries ? items[i].Minor : items[i].Major, items[i].Index, items[i].Length};
        std::vector<TRankItem>().swap(items);
        std::vector<int> digits;
        AddVaryingBytes(orLength, andLength, 8, digits);
        for (const int d : varies)
            digits.push_back(d % 8);
        RadixSort(words, digits, [](const TWordItem& It, int D) {
            return unsigned((D < 8 ? It.Key >> (8 * D) : unsigned(It.Length) >> (8 * (D - 8))) & 0xFF);
        });
        std::vector<uint32_t> rank(n, 0);
        uint32_t r = 0;
        for (size_t i = 0; i < n; ++i) {
            if (i > 0 && (words[i - 1].Key != words[i].Key || words[i - 1].Length != words[i].Length))
                ++r;
            rank[words[i].Index] = r;
        }
        done();
        return rank;
    }
    // -1, 0, 1 of two items; the text compare only where the keys agree.
    auto cmp = [&K](const TRankItem& A, const TRankItem& B) {
        if (A.Major != B.Major)
            return A.Major < B.Major ? -1 : 1;
        if (A.Minor != B.Minor)
            return A.Minor < B.Minor ? -1 : 1;
        if (A.Text && B.Text) {
            // Both held whole: the shorter (its missing units keyed as 0)
            // is the start of the longer.
            if (A.Length != TRankItem::Open && B.Length != TRankItem::Open)
                return A.Length < B.Length ? -1 : A.Length > B.Length ? 1 : 0;
            return Sign(K.TextOf(A.Index).compare(K.TextOf(B.Index)));
        }
        return 0;
    };
    // Byte d of the 16: Minor's 8 bytes, then Major's, the lowest first.
    RadixSort(items, varies, [](const TRankItem& It, int D) {
        return unsigned(((D < 8 ? It.Minor : It.Major) >> (8 * (D % 8))) & 0xFF);
    });
    // Items whose keys agree are in their first order; those holding
    // texts not keyed whole are put in order by their texts.
    for (size_t lo = 0; lo < n;) {
        size_t hi = lo + 1;
        bool texts = items[lo].Text;
        for (; hi < n && items[hi].Major == items[lo].Major && items[hi].Minor == items[lo].Minor; ++hi)
            texts = texts || items[hi].Text;
        if (texts && hi - lo > 1)
            std::stable_sort(items.begin() + std::ptrdiff_t(lo), items.begin() + std::ptrdiff_t(hi),
                             [&cmp, &compares](const TRankItem& A, const TRankItem& B) {
                                 ++compares;
                                 return cmp(A, B) < 0;
                             });
        lo = hi;
    }
    std::vector<uint32_t> rank(n, 0);
    uint32_t r = 0;
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && cmp(items[i - 1], items[i]) != 0)
            ++r;
        rank[items[i].Index] = r;
    }
    done();
    return rank;
}
