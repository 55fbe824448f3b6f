#include "platform/rtl/codec.h"


// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves
// undefined (81, 8D, 8F, 90, 9D) map to the control character of the same
// value, so every byte decodes and encodes back to itself.
static const char16_t kHigh1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

QString Windows1252ToString(const QByteArray& Bytes)
{
    QString r;
    r.reserve(Bytes.size());
    for (char ch : Bytes) {
        const unsigned char b = static_cast<unsigned char>(ch);
        r += QChar(b >= 0x80 && b < 0xA0 ? kHigh1252[b - 0x80] : char16_t(b));
    }
    return r;
}

QByteArray StringToWindows1252(const QString& Text, bool* Lossless)
{
    QByteArray r;
    r.reserve(Text.size());
    bool ok = true;
    for (QChar c : Text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            r += static_cast<char>(u);
            continue;
        }
        int found = -1;
        for (int i = 0; i < 32; ++i)
            if (kHigh1252[i] == u) {
                found = i;
                break;
            }
        if (found >= 0)
            r += static_cast<char>(0x80 + found);
        else {
            r += '?';
            ok = false;
        }
    }
    if (Lossless)
        *Lossless = ok;
    return r;
}

bool IsValidUtf8(const QByteArray& Bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(Bytes.constData());
    const qsizetype n = Bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        int extra;
        uint32_t cp;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            cp = b & 0x07;
        } else
            return false;
        if (i + extra >= n)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char c = p[i + k];
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are invalid.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

static QString decodeUtf16(const QByteArray& Bytes, qsizetype Offset, bool BigEndian)
{
    QString r;
    r.reserve((Bytes.size() - Offset) / 2);
    for (qsizetype i = Offset; i + 1 < Bytes.size(); i += 2) {
        const auto b0 = static_cast<unsigned char>(Bytes[i]);
        const auto b1 = static_cast<unsigned char>(Bytes[i + 1]);
        r += QChar(BigEndian ? char16_t((b0 << 8) | b1) : char16_t((b1 << 8) | b0));
    }
    return r;
}

QString DecodeText(const QByteArray& Bytes, TextEncoding* Detected)
{
    TextEncoding enc;
    QString r;
    if (Bytes.startsWith("\xEF\xBB\xBF")) {
        enc = TextEncoding::Utf8Bom;
        r = QString::fromUtf8(Bytes.constData() + 3, Bytes.size() - 3);
    } else if (Bytes.startsWith("\xFF\xFE")) {
        enc = TextEncoding::Utf16LE;
        r = decodeUtf16(Bytes, 2, false);
    } else if (Bytes.startsWith("\xFE\xFF")) {
        enc = TextEncoding::Utf16BE;
        r = decodeUtf16(Bytes, 2, true);
    } else {
        bool high = false;
        for (char c : Bytes)
            if (static_cast<unsigned char>(c) >= 0x80) {
                high = true;
                break;
            }
        if (high && IsValidUtf8(Bytes)) {
            enc = TextEncoding::Utf8;
            r = QString::fromUtf8(Bytes);
        } else {
            enc = high ? TextEncoding::Windows1252 : TextEncoding::Utf8;
            r = Windows1252ToString(Bytes);
        }
    }
    if (Detected)
        *Detected = enc;
    return r;
}

QByteArray EncodeText(const QString& Text, TextEncoding Encoding)
{
    switch (Encoding) {
    case TextEncoding::Utf8:
        return Text.toUtf8();
    case TextEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + Text.toUtf8();
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        const bool be = Encoding == TextEncoding::Utf16BE;
        QByteArray r(be ? "\xFE\xFF" : "\xFF\xFE", 2);
        for (QChar c : Text) {
            const char16_t u = c.unicode();
            const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
            r += be ? hi : lo;
            r += be ? lo : hi;
        }
        return r;
    }
    case TextEncoding::Windows1252:
        return StringToWindows1252(Text);
    }
    return {};
}
