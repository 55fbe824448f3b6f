#pragma once
// Whole-file reading and writing. Every write goes to a temporary file beside
// the target that is renamed over it, so a failure never leaves a
// half-written file; failures raise EFileError with a message naming the path.
#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

#include "platform/rtl/codec.h"

QByteArray ReadFileBytes(const QString& Path);
// Reads and decodes with DecodeText.
QString ReadTextFile(const QString& Path, TextEncoding* Detected = nullptr);
void WriteFileAtomic(const QString& Path, const QByteArray& Bytes);
// Writes several files as one: either every file holds its new bytes, or
// (after EFileError naming the file that failed) every file is as it was,
// an absent one absent again. Each is written to a temporary file beside it
// first; the old files are kept under a second name (a hard link) until all
// the new ones are in place.
void WriteFilesAtomic(const std::vector<std::pair<QString, QByteArray>>& Files);
void WriteTextFile(const QString& Path, const QString& Text, TextEncoding Encoding = TextEncoding::Utf8);
