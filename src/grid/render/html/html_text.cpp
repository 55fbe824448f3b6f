#include "grid/render/html/html_text.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

TColor highlightBack = clHighlight;
TColor highlightText = clHighlightText;
bool winXPOrLater = true;
RightToLeftLocaleQuery rightToLeftQuery = nullptr;

struct ColorName {
    const char* Name;
    TColor Color;
};

constexpr ColorName ColorNames[] = {
    {"clred", 0x0000FF},    {"clblack", 0x000000},  {"clblue", 0xFF0000},   {"clgreen", 0x008000},
    {"claqua", 0xFFFF00},   {"clyellow", 0x00FFFF}, {"clfuchsia", 0xFF00FF}, {"clwhite", 0xFFFFFF},
    {"cllime", 0x00FF00},   {"clsilver", 0xC0C0C0}, {"clgray", 0x808080},   {"clolive", 0x008080},
    {"clnavy", 0x800000},   {"clpurple", 0x800080}, {"clteal", 0x808000},   {"clmaroon", 0x000080},
    {"clbackground", SystemColor(1)},
    {"clactivecaption", SystemColor(2)},
    {"clinactivecaption", SystemColor(3)},
    {"clmenu", SystemColor(4)},
    {"clwindow", SystemColor(5)},
    {"clwindowframe", SystemColor(6)},
    {"clmenutext", SystemColor(7)},
    {"clwindowtext", SystemColor(8)},
    {"clcaptiontext", SystemColor(9)},
    {"clactiveborder", SystemColor(10)},
    {"clinactiveborder", SystemColor(11)},
    {"clappworkspace", SystemColor(12)},
    {"clhighlight", SystemColor(13)},
    {"clhighlighttext", SystemColor(14)},
    {"clbtnface", SystemColor(15)},
    {"clbtnshadow", SystemColor(16)},
    {"clgraytext", SystemColor(17)},
    {"clbtntext", SystemColor(18)},
    {"clinactivecaptiontext", SystemColor(19)},
    {"clbtnhighlight", SystemColor(20)},
    {"cl3ddkshadow", SystemColor(21)},
    {"cl3dlight", SystemColor(22)},
    {"clinfotext", SystemColor(23)},
    {"clinfobk", SystemColor(24)},
};
static_assert(std::size(ColorNames) == 40);

struct Entity {
    char16_t Char;
    const char* Name;
};

constexpr Entity Entities[HTMLEntityCount] = {
    {u'\u00E9', "&eacute;"}, {u'\u00E8', "&egrave;"}, {u'\u00EB', "&euml;"},   {u'\u00EA', "&ecirc;"},
    {u'\u00F3', "&oacute;"}, {u'\u00F2', "&ograve;"}, {u'\u00F6', "&ouml;"},   {u'\u00F4', "&ocirc;"},
    {u'\u00ED', "&iacute;"}, {u'\u00EC', "&igrave;"}, {u'\u00EF', "&iuml;"},   {u'\u00EE', "&icirc;"},
    {u'\u00FA', "&uacute;"}, {u'\u00F9', "&ugrave;"}, {u'\u00FC', "&uuml;"},   {u'\u00FB', "&ucirc;"},
    {u'\u00E1', "&aacute;"}, {u'\u00E0', "&agrave;"}, {u'\u00E4', "&auml;"},   {u'\u00E2', "&acirc;"},
    {u'\u00C9', "&Eacute;"}, {u'\u00C8', "&Egrave;"}, {u'\u00CB', "&Euml;"},   {u'\u00CA', "&Ecirc;"},
    {u'\u00D3', "&Oacute;"}, {u'\u00D2', "&Ograve;"}, {u'\u00D6', "&Ouml;"},   {u'\u00D4', "&Ocirc;"},
    {u'\u00CD', "&Iacute;"}, {u'\u00CC', "&Igrave;"}, {u'\u00CF', "&Iuml;"},   {u'\u00CE', "&Icirc;"},
    {u'\u00DA', "&Uacute;"}, {u'\u00D9', "&Ugrave;"}, {u'\u00DC', "&Uuml;"},   {u'\u00DB', "&Ucirc;"},
    {u'\u00C1', "&Aacute;"}, {u'\u00C0', "&Agrave;"}, {u'\u00C4', "&Auml;"},   {u'\u00C2', "&Acirc;"},
    {u'\u00E7', "&ccedil;"}, {u'\u00C7', "&Ccedil;"}, {u'\u00F8', "&oslash;"}, {u'\u00D8', "&Oslash;"},
    {u'\u00E5', "&aring;"},  {u'\u00C5', "&Aring;"},  {u'\u00A9', "&copy;"},   {u'\u00AE', "&reg;"},
    {u'\u20AC', "&euro;"},   {u'\u00AB', "&laquo;"},  {u'\u00BB', "&raquo;"},  {u'\u00E3', "&atilde;"},
    {u'\u00C3', "&Atilde;"}, {u'\u00F5', "&otilde;"}, {u'\u00D5', "&Otilde;"},
};

// Entity text -> character, for one decoder.
using EntityMap = QHash<QString, QChar>;

const EntityMap& basicEntities()
{
    static const EntityMap m = {{"&lt;", u'<'}, {"&gt;", u'>'}, {"&amp;", u'&'}, {"&quot;", u'"'}};
    return m;
}

const EntityMap& tableEntities()
{
    static const EntityMap m = [] {
        EntityMap r;
        for (const Entity& e : Entities)
            r.insert(QString::fromLatin1(e.Name), QChar(e.Char));
        return r;
    }();
    return m;
}

const QHash<QChar, QString>& entityByChar()
{
    static const QHash<QChar, QString> m = [] {
        QHash<QChar, QString> r;
        for (const Entity& e : Entities)
            r.insert(QChar(e.Char), QString::fromLatin1(e.Name));
        return r;
    }();
    return m;
}

// The renderer's entities: the first group in any case (keys upper case),
// the second as written.
const EntityMap& runEntitiesNoCase()
{
    static const EntityMap m = {{"&AMP;", u'&'},        {"&QUOT;", u'"'},       {"&SECT;", u'\u00A7'},
                                {"&PERMIL;", u'\u2030'}, {"&REG;", u'\u00AE'},   {"&COPY;", u'\u00A9'},
                                {"&PARA;", u'\u00B6'},   {"&TRADE;", u'\u2122'}, {"&EURO;", u'\u20AC'}};
    return m;
}

const EntityMap& runEntitiesExact()
{
    static const EntityMap m = {{"&nbsp;", u' '}, {"&lt;", u'<'}, {"&gt;", u'>'}};
    return m;
}

constexpr int LongestEntity = 8;  // "&permil;", "&eacute;"

// One left-to-right sweep: each "&...;" found in a map becomes its character.
template <typename Lookup>
String decodeOnce(const String& Text, Lookup&& Find)
{
    qsizetype amp = Text.indexOf(u'&');
    if (amp < 0)
        return Text;
    String out;
    out.reserve(Text.size());
    qsizetype from = 0;
    while (amp >= 0) {
        out.append(QStringView(Text).mid(from, amp - from));
        const qsizetype semi = Text.indexOf(u';', amp + 1);
        QChar c;
        if (semi > amp && semi - amp < LongestEntity && Find(QStringView(Text).mid(amp, semi - amp + 1), c)) {
            out.append(c);
            from = semi + 1;
        } else {
            out.append(u'&');
            from = amp + 1;
        }
        amp = Text.indexOf(u'&', from);
    }
    out.append(QStringView(Text).mid(from));
    return out;
}

bool isAsciiLower(QChar C) { return C >= u'a' && C <= u'z'; }
QChar foldChar(QChar C) { return isAsciiLower(C) ? QChar(C.unicode() - 32) : C; }

// The controls of a text, in order: where each tag lies and what it says.
struct ControlRef {
    qsizetype Less;  // index of its "<"
    qsizetype End;   // index after its ">" (the text's end when it has none)
    THTMLControlTag Tag;
};

std::vector<ControlRef> findControls(const String& Text)
{
    std::vector<ControlRef> list;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = Text.indexOf(QLatin1String("<CONTROL "), from, Qt::CaseInsensitive);
        if (at < 0)
            break;
        const qsizetype gt = Text.indexOf(u'>', at + 1);
        const qsizetype end = gt < 0 ? Text.size() : gt + 1;
        ControlRef r{at, end, HTMLParseControlTag(Text.mid(at + 1, end - at - 1))};
        list.push_back(std::move(r));
        from = end;
    }
    return list;
}

// The value of attribute Name ("TYPE=" ...) in the upper-cased tag Upper,
// taken from the original tag: the text between the two double quotes after
// the first occurrence of the name outside a quoted value.
String controlAttribute(const String& Tag, const String& Upper, const char* Name, bool& Found)
{
    const QLatin1String name(Name);
    Found = false;
    bool quoted = false;
    qsizetype pos = -1;
    for (qsizetype i = 0; i < Upper.size(); ++i) {
        if (Upper[i] == u'"') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && QStringView(Upper).mid(i).startsWith(name)) {
            pos = i;
            break;
        }
    }
    if (pos < 0)
        return {};
    Found = true;
    const qsizetype q1 = Tag.indexOf(u'"', pos + name.size());
    if (q1 < 0)
        return {};
    const qsizetype q2 = Tag.indexOf(u'"', q1 + 1);
    if (q2 < 0)
        return {};
    return Tag.mid(q1 + 1, q2 - q1 - 1);
}

}  // namespace

// ---- module-level values ----------------------------------------------------------------------

void SetHTMLHighlightColors(TColor Background, TColor Text)
{
    highlightBack = Background;
    highlightText = Text;
}
TColor HTMLHighlightBackground() { return highlightBack; }
TColor HTMLHighlightTextColor() { return highlightText; }

void CheckWinXPOrLater() { winXPOrLater = true; }
bool IsWinXPOrLater() { return winXPOrLater; }

bool IsRightToLeftLocale() { return rightToLeftQuery ? rightToLeftQuery() : false; }
void SetRightToLeftLocaleQuery(RightToLeftLocaleQuery Query) { rightToLeftQuery = Query; }

// ---- colours ----------------------------------------------------------------------------------

TColor HTMLColorByName(const String& Name)
{
    for (const ColorName& c : ColorNames)
        if (Name == QLatin1String(c.Name))
            return c.Color;
    return 0;
}

TColor HTMLColorByHex(const String& Hex)
{
    auto digit = [](QChar c) -> int {
        if (c >= u'0' && c <= u'9')
            return c.unicode() - u'0';
        if (c >= u'A' && c <= u'F')
            return c.unicode() - u'A' + 10;
        return 0;
    };
    auto pair = [&](int Index) -> int {  // 0-based index of the pair's first character
        if (Index + 1 >= Hex.size())
            return 0;
        return digit(Hex[Index]) * 16 + digit(Hex[Index + 1]);
    };
    return TColor(pair(1) + pair(3) * 256 + pair(5) * 65536);
}

// ---- entities ---------------------------------------------------------------------------------

const String& HTMLEntityChar(int Index)
{
    static const std::vector<String> chars = [] {
        std::vector<String> r;
        for (const Entity& e : Entities)
            r.push_back(String(QChar(e.Char)));
        return r;
    }();
    return chars.at(size_t(Index));
}

const String& HTMLEntityName(int Index)
{
    static const std::vector<String> names = [] {
        std::vector<String> r;
        for (const Entity& e : Entities)
            r.push_back(QString::fromLatin1(e.Name));
        return r;
    }();
    return names.at(size_t(Index));
}

String HTMLDecodeText(const String& Text, bool WithEntities)
{
    return decodeOnce(Text, [WithEntities](QStringView E, QChar& C) {
        const QString key = E.toString();
        auto it = basicEntities().constFind(key);
        if (it != basicEntities().cend()) {
            C = *it;
            return true;
        }
        if (WithEntities) {
            it = tableEntities().constFind(key);
            if (it != tableEntities().cend()) {
                C = *it;
                return true;
            }
        }
        return false;
    });
}

String HTMLEncodeText(const String& Text, bool WithEntities)
{
    String out;
    out.reserve(Text.size() + Text.size() / 8);
    for (QChar c : Text) {
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); break;
        case u'"': out += QLatin1String("&quot;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        default:
            if (WithEntities && c.unicode() >= 0xA9) {
                auto it = entityByChar().constFind(c);
                if (it != entityByChar().cend()) {
                    out += *it;
                    break;
                }
            }
            out += c;
        }
    }
    return out;
}

String HTMLEncodeSpaces(const String& Text)
{
    String s = Text;
    return s.replace(u' ', QLatin1String("&nbsp;"));
}

String HTMLToPlainText(const String& Text)
{
    // First "<BR>" and "<HR>" become line breaks, then every tag goes: a tag
    // is read in the text after the first step, so a line break inside a tag
    // goes with it. Two sweeps over the characters.
    const qsizetype n = Text.size();
    const QChar* in = Text.constData();
    String broken(n, Qt::Uninitialized);
    QChar* out = broken.data();
    qsizetype o = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = in[i];
        if (c == u'<' && i + 3 < n && in[i + 3] == u'>') {
            const QChar a = foldChar(in[i + 1]), b = foldChar(in[i + 2]);
            if ((a == u'B' || a == u'H') && b == u'R') {
                out[o++] = u'\r';
                out[o++] = u'\n';
                i += 3;
                continue;
            }
        }
        out[o++] = c;
    }

    // The second sweep writes into the same buffer (it never writes ahead of
    // what it reads).
    const qsizetype m = o;
    const QChar* src = out;
    qsizetype lastGt = m - 1;
    while (lastGt >= 0 && src[lastGt] != u'>')
        --lastGt;
    QChar* dst = out;
    qsizetype k = 0;
    for (qsizetype i = 0; i < m; ++i) {
        const QChar c = src[i];
        if (c != u'<') {
            dst[k++] = c;
            continue;
        }
        if (lastGt < i) {  // no ">" after it: the rest as it is
            for (; i < m; ++i)
                dst[k++] = src[i];
            break;
        }
        while (src[i] != u'>')
            ++i;
    }
    broken.truncate(k);
    return broken;
}

// ---- search highlighting ----------------------------------------------------------------------

namespace {

// The text outside the tags; stops (and keeps the rest as it is) at a "<"
// without a ">" after it, or when the next ">" comes before the next "<".
String stripForHighlight(const String& Html)
{
    String out;
    qsizetype from = 0;
    for (;;) {
        const qsizetype lt = Html.indexOf(u'<', from);
        const qsizetype gt = Html.indexOf(u'>', from);
        if (lt < 0 || gt < 0 || gt < lt)
            break;
        out.append(QStringView(Html).mid(from, lt - from));
        from = gt + 1;
    }
    out.append(QStringView(Html).mid(from));
    return out;
}

String escapeAngles(const String& S)
{
    String r = S;
    r.replace(u'<', QLatin1String("&lt;"));
    r.replace(u'>', QLatin1String("&gt;"));
    return r;
}

String foldLocale(const String& S)
{
    String r = S;
    for (QChar& c : r)
        c = c.toUpper();
    return r;
}

}  // namespace

String HTMLHighlightText(const String& Html, const String& Search, const String& Tag, bool CaseSensitive)
{
    if (Search.isEmpty())
        return Html;
    String html = Html;
    String search = Search;
    String plain = stripForHighlight(html);
    if (html.contains(search) && (plain.contains(u'<') || plain.contains(u'>'))) {
        plain = escapeAngles(plain);
        html = plain;
        search = escapeAngles(search);
    }
    const String hay = CaseSensitive ? plain : foldLocale(plain);
    const String needle = CaseSensitive ? search : foldLocale(search);

    // Insertion points, counted in text characters passed: opening tags
    // before a match's first character, closing tags after its last.
    struct Mark {
        qsizetype At;
        bool Open;
    };
    std::vector<Mark> marks;
    for (qsizetype p = hay.indexOf(needle); p >= 0; p = hay.indexOf(needle, p + needle.size())) {
        marks.push_back({p, true});
        marks.push_back({p + needle.size(), false});
    }
    if (marks.empty())
        return html;
    // Closing tags before opening ones at the same point: touching matches
    // are two pairs, never nested ones (<HI> keeps one saved colour).
    std::stable_sort(marks.begin(), marks.end(), [](const Mark& A, const Mark& B) {
        return A.At != B.At ? A.At < B.At : (!A.Open && B.Open);
    });
    const String open = "<" + Tag + ">", close = "</" + Tag + ">";

    String out;
    out.reserve(html.size() + qsizetype(marks.size()) * (Tag.size() + 3));
    size_t m = 0;
    qsizetype passed = 0;
    auto place = [&] {
        while (m < marks.size() && marks[m].At == passed)
            out += marks[m++].Open ? open : close;
    };
    place();
    bool inTag = false;
    for (QChar c : html) {
        out += c;
        if (inTag) {
            inTag = c != u'>';
            continue;
        }
        if (c == u'<') {
            inTag = true;
            continue;
        }
        ++passed;
        place();
    }
    while (m < marks.size())  // marks past the text (a tag left open at the end)
        out += marks[m++].Open ? open : close;
    return out;
}

String HTMLUnhighlightText(const String& Html, const String& Tag)
{
    String s = Html;
    const String t = UpperCase(Tag);
    s.replace("<" + t + ">", QString(), Qt::CaseInsensitive);
    s.replace("</" + t + ">", QString(), Qt::CaseInsensitive);
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    return s;
}

// ---- CONTROL tags -----------------------------------------------------------------------------

THTMLControlTag HTMLParseControlTag(const String& Tag)
{
    const String upper = html_detail::FoldAscii(Tag);
    THTMLControlTag t;
    bool found = false;
    t.Type = UpperCase(controlAttribute(Tag, upper, "TYPE=", found));
    t.Width = controlAttribute(Tag, upper, "WIDTH=", found);
    t.Height = controlAttribute(Tag, upper, "HEIGHT=", found);
    t.HasHeight = found;
    t.ID = controlAttribute(Tag, upper, "ID=", found);
    t.Value = HTMLDecodeText(controlAttribute(Tag, upper, "VALUE=", found), true);
    t.Prop = HTMLDecodeText(controlAttribute(Tag, upper, "PROP=", found), true);
    t.MaxLen = controlAttribute(Tag, upper, "MAXLEN=", found);
    return t;
}

void HTMLParseControlTag(const String& Tag, String& Type, String& ID, String& MaxLen, String& Prop, String& Height,
                         String& Width, String& Value)
{
    THTMLControlTag t = HTMLParseControlTag(Tag);
    Type = t.Type;
    ID = t.ID;
    MaxLen = t.MaxLen;
    Prop = t.Prop;
    Height = t.Height;
    Width = t.Width;
    Value = t.Value;
}

bool HTMLHasControls(const String& Text) { return Text.contains(QLatin1String("<CONTROL"), Qt::CaseInsensitive); }

String HTMLNextEditControlID(const String& Text, const String& ID)
{
    bool passed = ID.isEmpty();
    for (const ControlRef& c : findControls(Text)) {
        const bool edit = c.Tag.Type != "BUTTON" && c.Tag.Type != "CHECK" && c.Tag.Type != "RADIO";
        if (passed && edit)
            return c.Tag.ID;
        if (!passed && c.Tag.ID == ID)
            passed = true;
    }
    return {};
}

String HTMLUncheckRadios(const String& Text)
{
    String s = Text;
    for (const ControlRef& c : findControls(Text))
        if (c.Tag.Type == "RADIO")
            HTMLSetControlValue(s, c.Tag.ID, "FALSE");
    return s;
}

bool HTMLGetControlValue(const String& Text, const String& ID, String& Value)
{
    for (const ControlRef& c : findControls(Text))
        if (c.Tag.ID == ID) {
            Value = c.Tag.Value;
            return true;
        }
    return false;
}

String HTMLGetControlProp(const String& Text, const String& ID)
{
    for (const ControlRef& c : findControls(Text))
        if (c.Tag.ID == ID)
            return c.Tag.Prop;
    return {};
}

int HTMLGetControlMaxLen(const String& Text, const String& ID)
{
    for (const ControlRef& c : findControls(Text))
        if (c.Tag.ID == ID)
            return html_detail::NumberAtStart(c.Tag.MaxLen);
    return 0;
}

bool HTMLSetControlValue(String& Text, const String& ID, const String& Value)
{
    for (const ControlRef& c : findControls(Text)) {
        if (c.Tag.ID != ID)
            continue;
        const THTMLControlTag& t = c.Tag;
        String tag = "CONTROL ID=\"" + t.ID + "\" VALUE=\"" + HTMLEncodeText(Value, true) + "\" WIDTH=\"" + t.Width +
                     "\" TYPE=\"" + t.Type + "\"";
        if (!t.Prop.isEmpty())
            tag += " PROP=\"" + HTMLEncodeText(t.Prop, true) + "\"";
        if (!t.MaxLen.isEmpty())
            tag += " MAXLEN=\"" + t.MaxLen + "\"";
        if (t.HasHeight)
            tag += " HEIGHT=\"" + t.Height + "\"";
        tag += ">";
        Text.replace(c.Less + 1, c.End - c.Less - 1, tag);
        return true;
    }
    return false;
}

// ---- helpers ----------------------------------------------------------------------------------

namespace html_detail {

String FoldAscii(const String& Text)
{
    String r = Text;
    for (QChar& c : r)
        if (isAsciiLower(c))
            c = QChar(c.unicode() - 32);
    return r;
}

int FindText(const String& Text, const String& Search, int From, bool FoldCase)
{
    if (!FoldCase)
        return int(Text.indexOf(Search, From));
    const String needle = FoldAscii(Search);
    const qsizetype n = needle.size();
    for (qsizetype i = From; i + n <= Text.size(); ++i) {
        qsizetype k = 0;
        while (k < n && foldChar(Text[i + k]) == needle[k])
            ++k;
        if (k == n)
            return int(i);
    }
    return -1;
}

bool ReplaceFirstNoCase(String& Text, const String& Search, const String& Replacement)
{
    const int at = FindText(Text, Search, 0, true);
    if (at < 0)
        return false;
    Text.replace(at, Search.size(), Replacement);
    return true;
}

String PasswordMask(const String& Text) { return String(Text.size(), u'*'); }

int NumberAtStart(const String& Text)
{
    long long v = 0;
    for (QChar c : Text) {
        if (c < u'0' || c > u'9')
            break;
        v = std::min<long long>(v * 10 + (c.unicode() - u'0'), INT_MAX);
    }
    return int(v);
}

int ClampedNumber(const String& Text, int Max) { return std::min(NumberAtStart(Text), Max); }

String RemoveHashTags(const String& Text)
{
    qsizetype at = Text.indexOf(QLatin1String("<#"));
    if (at < 0)
        return Text;
    // One sweep: the "<" of each "<#" is left out, and so is one ">" after
    // it for each.
    String s;
    s.reserve(Text.size());
    int dropGt = 0;  // ">" still to leave out
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        if (c == u'<' && i + 1 < Text.size() && Text[i + 1] == u'#') {
            ++dropGt;
            continue;
        }
        if (c == u'>' && dropGt > 0) {
            --dropGt;
            continue;
        }
        s += c;
    }
    return s;
}

String ConvertLineBreaks(const String& Text, bool RemoveCR)
{
    if (!Text.contains(u'\r') && !Text.contains(u'\n'))
        return Text;
    String s;
    s.reserve(Text.size() + 8);
    for (QChar c : Text) {
        if (c == u'\n')
            continue;
        if (c == u'\r') {
            if (!RemoveCR)
                s += QLatin1String("<BR>");
            continue;
        }
        s += c;
    }
    return s;
}

String DecodeRunEntities(const String& Text)
{
    return decodeOnce(Text, [](QStringView E, QChar& C) {
        auto it = runEntitiesExact().constFind(E.toString());
        if (it != runEntitiesExact().cend()) {
            C = *it;
            return true;
        }
        it = runEntitiesNoCase().constFind(FoldAscii(E.toString()));
        if (it != runEntitiesNoCase().cend()) {
            C = *it;
            return true;
        }
        return false;
    });
}

}  // namespace html_detail
