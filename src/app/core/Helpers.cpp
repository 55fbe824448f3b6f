#include "app/core/Helpers.h"

#include <QDir>
#include <QLocale>

#include <cfloat>
#include <cmath>

namespace {

// An address part: decimal digits only (no blanks, sign or hex), 0..255.
bool octet(const String& S, int& V)
{
    return TryStrToDecimalDigits(S, V) && V <= 255;
}

// Cuts T at its first "."; Part gets the text before it (trimmed), T the
// trimmed rest. False when T holds no ".".
bool take_part(String& T, String& Part)
{
    const int p = Pos(QStringLiteral("."), T);
    if (p == 0)
        return false;
    Part = Trim(Copy(T, 1, p - 1));
    T = Trim(Copy(T, p + 1));
    return true;
}

String latin_text(const char* Z)
{
    return Z ? Windows1252ToString(QByteArray(Z)) : String();
}

}  // namespace

bool Split_IP_Address(const String& S, String& A, String& B, String& C, String& D)
{
    String t = Trim(S);
    if (!take_part(t, A) || !take_part(t, B) || !take_part(t, C))
        return false;
    D = t;
    int v;
    return octet(A, v) && octet(B, v) && octet(C, v) && octet(D, v);
}

bool IP_To_Bytes_Failed(const String& S, uint8_t& B1, uint8_t& B2, uint8_t& B3, uint8_t& B4)
{
    if (S.isEmpty())
        return true;
    uint8_t* bytes[4] = {&B1, &B2, &B3, &B4};
    bool failed = false;
    String rest = S;
    for (int i = 0; i < 4; ++i) {
        const int p = Pos(QStringLiteral("."), rest);
        // A part with no "." after it is empty, except the last, which is the whole rest.
        const String part = i == 3 ? rest : (p == 0 ? String() : Copy(rest, 1, p - 1));
        int v;
        if (octet(part, v))
            *bytes[i] = static_cast<uint8_t>(v);
        else {
            *bytes[i] = 0;
            failed = true;
        }
        if (p > 0)
            rest = Copy(rest, p + 1);
    }
    return failed;
}

bool IP_Port_To_Bytes(const String& S, uint8_t& B1, uint8_t& B2, uint8_t& B3, uint8_t& B4, uint16_t& Port)
{
    B1 = B2 = B3 = B4 = 0;
    Port = 0;
    String t = Trim(S), a, b, c;
    if (!take_part(t, a) || !take_part(t, b) || !take_part(t, c))
        return false;
    const int colon = Pos(QStringLiteral(":"), t);
    if (colon == 0)
        return false;
    const String d = Trim(Copy(t, 1, colon - 1));
    const String port = Trim(Copy(t, colon + 1));
    int va, vb, vc, vd, vp;
    if (!octet(a, va) || !octet(b, vb) || !octet(c, vc) || !octet(d, vd))
        return false;
    if (!TryStrToInt(port, vp) || vp < 0 || vp > 65535)
        return false;
    B1 = static_cast<uint8_t>(va);
    B2 = static_cast<uint8_t>(vb);
    B3 = static_cast<uint8_t>(vc);
    B4 = static_cast<uint8_t>(vd);
    Port = static_cast<uint16_t>(vp);
    return true;
}

QChar Get_Decimal_Separator()
{
    const QString p = QLocale::system().decimalPoint();
    if (!p.isEmpty() && (p[0] == u',' || p[0] == u'.'))
        return p[0];
    return u',';
}

bool Str_To_Float_Sep(const String& S, QChar Sep, float& V)
{
    String t = S;
    if (Sep == u'.')
        t.replace(u',', u'.');
    else
        t.replace(u'.', u',');
    // Refused is only what rounds to infinity: from FLT_MAX plus half a unit
    // in the last place (2^128 - 2^103) on. "3.4028235e38", the usual text
    // of FLT_MAX, lies below that and reads as FLT_MAX.
    static const double kFloatOverflow = std::ldexp(2.0 - std::ldexp(1.0, -24), 127);
    double d;
    if (TryStrToFloat(t, d, Sep) && std::fabs(d) < kFloatOverflow) {
        V = static_cast<float>(d);
        return true;
    }
    V = 1.0f;
    return false;
}

// ---- OPC UA --------------------------------------------------------------------------

String OPCUA_Id_Type_To_Str(int Code)
{
    switch (Code) {
    case 0: return QStringLiteral("Numeric");
    case 3: return QStringLiteral("String");
    case 4: return QStringLiteral("Guid");
    case 5: return QStringLiteral("ByteString");
    default: return {};
    }
}

int OPCUA_Str_To_Id_Type(const String& S)
{
    const String u = UpperCase(S);
    if (u == QLatin1String("STRING"))
        return 3;
    if (u == QLatin1String("GUID"))
        return 4;
    if (u == QLatin1String("BYTESTRING"))
        return 5;
    return 0;
}

String OPCUA_Data_Type_To_Str(int Code)
{
    static const char* const names[] = {"Boolean", "Int8",  "UInt8",  "Int16",    "UInt16",
                                        "Int32",   "UInt32", "Int64", "UInt64",   "Float",
                                        "Double",  "String", "DateTime", "Guid", "ByteString"};
    return Code >= 0 && Code < 15 ? QString::fromLatin1(names[Code]) : String();
}

// Code <-> text for tables whose last text stands for every other code.
static String code_to_text(int Code, std::initializer_list<const char*> Texts)
{
    const int last = static_cast<int>(Texts.size()) - 1;
    return QString::fromLatin1(Texts.begin()[Code >= 0 && Code < last ? Code : last]);
}

static int text_to_code(const String& S, std::initializer_list<const char*> Texts)
{
    const int last = static_cast<int>(Texts.size()) - 1;
    for (int i = 0; i < last; ++i)
        if (S == QLatin1String(Texts.begin()[i]))
            return i;
    return last;
}

#define AUTH_TEXTS {"Anonymous", "Username and Password", "Certificate"}
#define MODE_TEXTS {"None", "Sign", "Sign and Encrypt"}
#define POLICY_TEXTS                                                                       \
    {"None", "Basic 128 RSA 15", "Basic 256", "Basic 256 SHA 256", "AES 128 SHA 256 RSA OAEP", \
     "AES 256 SHA 256 RSA PSS"}

String OPCUA_Auth_To_Str(int Code) { return code_to_text(Code, AUTH_TEXTS); }
int OPCUA_Str_To_Auth(const String& S) { return text_to_code(S, AUTH_TEXTS); }
String OPCUA_Sec_Mode_To_Str(int Code) { return code_to_text(Code, MODE_TEXTS); }
int OPCUA_Str_To_Sec_Mode(const String& S) { return text_to_code(S, MODE_TEXTS); }
String OPCUA_Sec_Policy_To_Str(int Code) { return code_to_text(Code, POLICY_TEXTS); }
int OPCUA_Str_To_Sec_Policy(const String& S) { return text_to_code(S, POLICY_TEXTS); }

String OPCUA_Node_Id_To_Str(const opcua_structure& Node)
{
    switch (Node.identifierType) {
    case 0:
        return QString::number(Node.numeric);
    case 3:
        return latin_text(Node.stringname);
    case 4: {
        String r = IntToHex(Node.guide1, 8) + u'-' + IntToHex(Node.guide2, 4) + u'-' + IntToHex(Node.guide3, 4) + u'-';
        for (int i = 0; i < 8; ++i) {
            if (i == 2)
                r += u'-';
            r += IntToHex(Node.guide4[i], 2);
        }
        return r;
    }
    case 5:
        return latin_text(Node.byteString);
    default:
        return {};
    }
}

// ---- SNMP ---------------------------------------------------------------------------

int Check_SNMP_OID(const String& S)
{
    if (Length(S) > 61)
        return 1;
    for (QChar c : S)
        if (!(c == u'.' || (c >= u'0' && c <= u'9')))
            return 2;
    if (S.startsWith(u'.'))
        return 3;
    if (S.endsWith(u'.'))
        return 4;
    if (S.contains(QLatin1String("..")))
        return 5;
    for (const String& arc : S.split(u'.')) {
        int64_t v;
        if (!TryStrToInt64(Trim(arc), v))
            v = 4294967296LL;
        if (v > 4294967295LL)
            return 6;
    }
    return 0;
}

int Check_SNMPv3_String(const String& S, bool IsUser)
{
    if (Length(S) > 15)
        return 1;
    if (Length(S) < (IsUser ? 1 : 8))
        return 2;
    for (QChar c : S)
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')))
            return 3;
    return 0;
}

int SNMP_Sec_Level_To_Flags(const String& S)
{
    const String u = UpperCase(Trim(S));
    if (u == QLatin1String("AUTH NOPRIV"))
        return 1;
    if (u == QLatin1String("AUTH PRIV"))
        return 3;
    if (u.isEmpty())
        return -1;
    return 0;
}

// ---- device interfaces ----------------------------------------------------------------

QStringList Get_COM_Port_List(const String& DevDir)
{
    QDir dir(DevDir);
    QStringList names = dir.entryList({QStringLiteral("ttyS*"), QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")},
                                      QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    return names;
}

int Get_IP_Protocol_Names(String& N1, String& N2)
{
    N1 = QStringLiteral("MQTT");
    N2.clear();
    return 1;
}
