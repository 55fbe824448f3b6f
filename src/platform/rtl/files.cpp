#include "platform/rtl/files.h"

#include <QFile>
#include <QSaveFile>

#include "platform/rtl/exceptions.h"

QByteArray ReadFileBytes(const QString& Path)
{
    QFile f(Path);
    if (!f.open(QIODevice::ReadOnly))
        throw EFileError(QStringLiteral("Cannot open file \"%1\": %2").arg(Path, f.errorString()));
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw EFileError(QStringLiteral("Cannot read file \"%1\": %2").arg(Path, f.errorString()));
    return bytes;
}

QString ReadTextFile(const QString& Path, TextEncoding* Detected)
{
    return DecodeText(ReadFileBytes(Path), Detected);
}

void WriteFileAtomic(const QString& Path, const QByteArray& Bytes)
{
    if (Path.isEmpty())
        throw EFileError(QStringLiteral("Cannot write a file without a name"));
    QSaveFile f(Path);
    if (!f.open(QIODevice::WriteOnly))
        throw EFileError(QStringLiteral("Cannot create file \"%1\": %2").arg(Path, f.errorString()));
    if (f.write(Bytes) != Bytes.size()) {
        const QString why = f.errorString();
        f.cancelWriting();
        throw EFileError(QStringLiteral("Cannot write file \"%1\": %2").arg(Path, why));
    }
    if (!f.commit())
        throw EFileError(QStringLiteral("Cannot write file \"%1\": %2").arg(Path, f.errorString()));
}

void WriteTextFile(const QString& Path, const QString& Text, TextEncoding Encoding)
{
    WriteFileAtomic(Path, EncodeText(Text, Encoding));
}
