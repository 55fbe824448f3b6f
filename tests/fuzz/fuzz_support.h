#pragma once
// Shared by the harnesses: the input as text or as files in a private
// directory. Every harness defines LLVMFuzzerTestOneInput; built with clang
// it runs under libFuzzer, built with the normal compiler replay_main.cpp
// feeds it the files of its seed corpus.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fuzz {

inline QByteArray Bytes(const uint8_t* Data, size_t Size)
{
    return QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size));
}

// The input as UTF-8 text (invalid sequences become U+FFFD).
inline QString Utf8(const uint8_t* Data, size_t Size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(Data), qsizetype(Size));
}

// Pieces of the input separated by the byte 0x1E; always Count pieces.
inline std::vector<QByteArray> Split(const uint8_t* Data, size_t Size, int Count)
{
    std::vector<QByteArray> parts;
    QByteArray rest = Bytes(Data, Size);
    for (int i = 0; i + 1 < Count; ++i) {
        const qsizetype at = rest.indexOf('\x1e');
        if (at < 0) {
            parts.push_back(rest);
            rest.clear();
            continue;
        }
        parts.push_back(rest.left(at));
        rest = rest.mid(at + 1);
    }
    parts.push_back(rest);
    return parts;
}

// A directory of this process, removed at exit.
inline const QString& Dir()
{
    static QTemporaryDir dir;
    static const QString path = dir.path();
    return path;
}

// Writes the bytes to Name in that directory and returns the path.
inline QString File(const QString& Name, const QByteArray& Content)
{
    const QString path = Dir() + "/" + Name;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(Content);
    return path;
}

}  // namespace fuzz
