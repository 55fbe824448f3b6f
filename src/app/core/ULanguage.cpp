#include "app/core/ULanguage.h"

#include <QFileInfo>

#include <iterator>

#include "app/core/UComon.h"
#include "platform/rtl/codec.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/files.h"

QStringList Lang_Texts;
int Lang_Count = 0;

namespace {

const char* const Builtin_Texts[] = {
#include "builtin_texts.inc"
};
constexpr int Builtin_Count = 5400;
static_assert(std::size(Builtin_Texts) == Builtin_Count);

void Append_Builtin(int first, int last)
{
    for (int n = first; n <= last; ++n)
        Lang_Texts.append(QString::fromUtf8(Builtin_Texts[n]));
}

const QChar Pilcrow = QChar(0x00B6);

// One line of a language file: `STR<number> = <text>`. The character just
// before the first "=" (the blank of the usual form) is not part of the
// number; "/#/" starts a comment; a text may be put between two pilcrows to
// keep its outer blanks.
void Apply_Lang_Line(const String& raw)
{
    const String line = Trim(raw);
    if (!line.startsWith(u"STR"))
        return;
    const int p = Pos("=", line);
    int n;
    if (!TryStrToInt(Trim(Copy(line, 4, p - 5)), n))
        n = -1;
    if (n < 0 || n >= Lang_Count || n >= Lang_Texts.size())
        return;

    String text = Trim(Copy(line, p + 1));
    if (const int c = Pos("/#/", text); c > 0)
        text = Trim(Copy(text, 1, c - 1));
    if (text.isEmpty())
        return;
    if (text.startsWith(Pilcrow))
        text.remove(0, 1);
    if (const int q = text.indexOf(Pilcrow); q >= 0)
        text.truncate(q);
    Lang_Texts[n] = text;
}

}  // namespace

// Register of the added messages: keep docs/TEXTS.md in step.
const std::vector<TAdded_Lang_Text> Added_Lang_Texts = {
    {1106, "Error!! The file cannot be read or is not well-formed XML: "},
    {1107, "Error!! An element is missing in the file: "},
    {1108, "Error!! Communication parameters: value not valid or out of range: "},
    {1109, "Error!! Communication parameters: a character the device cannot store: "},
    {1110, "Error!! EtherCAT variables"},
    {1111, "row"},
    {1112, "unknown type: "},
    {1113, "the length must be between 1 and 255: "},
    {1114, "position differs from the computed position "},
    {1115, "start bit differs from the computed start bit "},
    {1116, "more than 256 enabled variables"},
    {1117, "initial value not valid or out of range: "},
    {1118, "the initial value holds a character the device cannot store: "},
    {1119, "Error!! EtherCAT variable groups"},
    {1120, "more than 16 groups"},
    {1121, "number of variables not valid: "},
    {1122, "Error!! The EtherCAT variable image is larger than 131072 bytes: "},
    {1123, "Error!! The configuration image cannot be written: "},
    {1124, "Error!! The ESI file cannot be written: "},
    {1125, "Error!! Communication parameters: a character the ESI file cannot hold: "},
    {1126, "the name holds a character the ESI file cannot hold: "},
    {1127, "Error!! The communication parameters cannot be saved: "},
    {1128, "Error!! The settings file cannot be written: "},
    {1129, "Error!! The update program cannot be started: "},
    {1140, "the Length makes the process data larger than 2147483647 bytes: "},
    {1141, "Error!! The EtherCAT process data do not fit below address #x10000 of the slave controller: "},
    {1142, "Error!!! The last row is used: empty or delete it before inserting a row"},
    {1143, "Warning!! The file holds more rows than the table: %d rows not loaded (the table holds %d), a save leaves them out:"},
    {1144, "Error!! The EtherCAT variables cannot be saved: "},
    {1145, "Error!! The EtherCAT variable groups cannot be saved: "},
};

void Load_Default_Lang()
{
    Lang_Texts.clear();
    Lang_Texts.reserve(Builtin_Count);
    Append_Builtin(0, 1299);
    Load_Default_Lang_2();
    Load_Default_Lang_3();
    Lang_Count = Builtin_Count;
    for (const TAdded_Lang_Text& a : Added_Lang_Texts)
        if (a.Number >= 0 && a.Number < Lang_Count)
            Lang_Texts[a.Number] = QString::fromUtf8(a.Text);
}

void Load_Default_Lang_2() { Append_Builtin(1300, 2799); }

void Load_Default_Lang_3() { Append_Builtin(2800, 5399); }

void Load_Lang_File(const String& path)
{
    String text = DecodeText(ReadFileBytes(path));
    if (const qsizetype nul = text.indexOf(QChar(0)); nul >= 0)
        text.truncate(nul);
    text.replace("\r\n", "\n").replace(u'\r', u'\n');
    for (const String& line : text.split(u'\n'))
        Apply_Lang_Line(line);
}

bool Load_Language()
{
    Load_Default_Lang();
    // Puts the Language_Name of entry back unless the load succeeds.
    struct Name_Guard {
        const String saved = Language_Name;
        bool keep = false;
        ~Name_Guard()
        {
            if (!keep)
                Language_Name = saved;
        }
    } guard;
    // Anything of that name counts as present: a directory there cannot be
    // read and fails like an unreadable file instead of passing for missing.
    auto present = [](const String& path) { return QFileInfo::exists(path); };
    String path = Language_Dir + "/" + Language_Name + ".lng";
    if (!present(path)) {
        Language_Name = "English";
        path = Language_Dir + "/English.lng";
    }
    try {
        if (present(path))
            Load_Lang_File(path);
    } catch (const Exception&) {
        // No line is applied before the whole file has been read; refill
        // anyway so that the table is the built-in one whatever happened.
        Load_Default_Lang();
        return false;
    }
    guard.keep = true;
    return true;
}

String Lang_Text(int n)
{
    return n >= 0 && n < Lang_Texts.size() ? Lang_Texts[n] : String();
}

String Format_Lang(const String& pattern, std::initializer_list<int64_t> values)
{
    String result;
    auto next = values.begin();
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size() && pattern[i + 1] == u'd') {
            if (next != values.end())
                result += QString::number(*next++);
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}
