#include "ethercat/model/EtherCAT_Values.h"

#include <algorithm>
#include <cstring>

#include "app/core/Helpers.h"

namespace {

// Range of an integer initial value, by type code.
struct TInit_Range {
    int64_t Min, Max;
};
const TInit_Range kInit_Range[8] = {
    {0, 0},
    {INT64_MIN, INT64_MAX},  // Bool: any integer, its lowest bit is stored
    {INT8_MIN, INT8_MAX},
    {INT16_MIN, INT16_MAX},
    {INT32_MIN, INT32_MAX},
    {0, UINT8_MAX},
    {0, UINT16_MAX},
    {0, UINT32_MAX},
};

int Hex_Digit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

}  // namespace

int Hex_Byte(const String& Pair)
{
    int v = 0;
    for (QChar c : Pair) {
        const int d = Hex_Digit(c);
        if (d < 0)
            return -1;
        v = v * 16 + d;
    }
    return Pair.isEmpty() ? -1 : v;
}

bool Encode_Init_Value(const TEtherCAT_Type& T, int Length, const String& Text, uint8_t* Bytes, int& Fault)
{
    Fault = 0;
    if (Text.isEmpty())
        return true;
    uint8_t b[256] = {};
    const int length = std::clamp(Length, 0, 255);
    switch (T.Code) {
    case 8: {  // Float32
        float f;
        if (!Str_To_Float_Sep(Text, u'.', f)) {
            Fault = 1117;
            return false;
        }
        uint32_t bits;
        std::memcpy(&bits, &f, 4);
        for (int i = 0; i < 4; ++i)
            b[i] = uint8_t(bits >> (8 * i));
        break;
    }
    case 9:  // String
        if (std::any_of(Text.begin(), Text.end(), [](QChar c) { return c.unicode() > 0xFF; })) {
            Fault = 1118;
            return false;
        }
        if (Text.size() > length) {
            Fault = 1117;
            return false;
        }
        for (int i = 0; i < Text.size(); ++i)
            b[i] = uint8_t(Text[i].unicode());
        break;
    case 10:  // Array
        if (Text.size() > 2 * length) {
            Fault = 1117;
            return false;
        }
        for (int i = 0; i < length; ++i) {
            const String pair = Text.mid(2 * i, 2);
            const int v = pair.size() == 2 ? Hex_Byte(pair) : -1;
            b[i] = uint8_t(v < 0 ? 0 : v);
        }
        break;
    default: {  // integers
        int64_t v;
        const TInit_Range& r = kInit_Range[T.Code < 8 ? T.Code : 0];
        if (!TryStrToInt64(Text, v) || v < r.Min || v > r.Max) {
            Fault = 1117;
            return false;
        }
        if (T.Code == 1)
            v &= 1;
        for (int i = 0; i < length; ++i)
            b[i] = uint8_t(uint64_t(v) >> (8 * i));
    }
    }
    if (Bytes)
        std::memcpy(Bytes, b, size_t(length));
    return true;
}

int Bad_Xml_Char(const String& S)
{
    for (qsizetype i = 0; i < S.size(); ++i) {
        const char16_t c = S[i].unicode();
        if (c < 0x20 || c == 0xFFFE || c == 0xFFFF)
            return c;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 < S.size() && QChar::isLowSurrogate(S[i + 1].unicode())) {
                ++i;
                continue;
            }
            return c;
        }
        if (QChar::isLowSurrogate(c))
            return c;
    }
    return -1;
}

String Char_Code(int C) { return " (U+" + IntToHex(C, 4) + ")"; }
