#pragma once
// Whole-file reading and writing. Every write goes to a temporary file beside
// the target that is renamed over it, so a failure never leaves a
// half-written file; failures raise EFileError with a message naming the path.
#include <QByteArray>
#include <QString>

#include "platform/rtl/codec.h"

QByteArray ReadFileBytes(const QString& Path);
// Reads and decodes with DecodeText.
QString ReadTextFile(const QString& Path, TextEncoding* Detected = nullptr);
void WriteFileAtomic(const QString& Path, const QByteArray& Bytes);
void WriteTextFile(const QString& Path, const QString& Text, TextEncoding Encoding = TextEncoding::Utf8);
