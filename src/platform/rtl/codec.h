#pragma once
// Text encodings of the files the program reads and writes.
#include <QByteArray>
#include <QString>

enum class TextEncoding {
    Utf8,        // no byte-order mark
    Utf8Bom,
    Utf16LE,     // with mark FF FE
    Utf16BE,     // with mark FE FF
    Windows1252  // the 8-bit "ANSI" code page
};

// Decodes file bytes: a byte-order mark decides (EF BB BF UTF-8, FF FE
// UTF-16LE, FE FF UTF-16BE; the mark is not part of the text). Without a
// mark, bytes that are valid UTF-8 and hold a byte >= 0x80 are UTF-8;
// anything else is Windows-1252. `Detected` receives the encoding used.
QString DecodeText(const QByteArray& Bytes, TextEncoding* Detected = nullptr);
// Encodes with the mark that the encoding names (Utf8Bom, Utf16LE, Utf16BE).
// Windows-1252 writes "?" for characters it cannot hold.
QByteArray EncodeText(const QString& Text, TextEncoding Encoding);

QString Windows1252ToString(const QByteArray& Bytes);
// `Lossless` is set false when a character had to be replaced by "?".
QByteArray StringToWindows1252(const QString& Text, bool* Lossless = nullptr);
bool IsValidUtf8(const QByteArray& Bytes);
