#include "platform/rtl/files.h"

#include <QFile>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

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

namespace {

// A name beside Path that no other writer picks.
QString sideName(const QString& Path, const char* Kind)
{
    static std::atomic<unsigned> counter{0};
    return QStringLiteral("%1.%2-%3-%4").arg(Path, QLatin1String(Kind)).arg(::getpid()).arg(counter++);
}

QString errnoText(int Error)
{
    return QString::fromLocal8Bit(std::strerror(Error));
}

// The bytes in a new file, flushed to the disk.
void writeNewFile(const QString& Path, const QString& Target, const QByteArray& Bytes)
{
    const QByteArray name = QFile::encodeName(Path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        throw EFileError(QStringLiteral("Cannot create file \"%1\": %2").arg(Target, errnoText(errno)));
    qsizetype done = 0;
    while (done < Bytes.size()) {
        const ssize_t n = ::write(fd, Bytes.constData() + done, size_t(Bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int e = n < 0 ? errno : EIO;
            ::close(fd);
            ::unlink(name.constData());
            throw EFileError(QStringLiteral("Cannot write file \"%1\": %2").arg(Target, errnoText(e)));
        }
        done += n;
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int e = errno;
        ::unlink(name.constData());
        throw EFileError(QStringLiteral("Cannot write file \"%1\": %2").arg(Target, errnoText(e)));
    }
}

}  // namespace

void WriteFilesAtomic(const std::vector<std::pair<QString, QByteArray>>& Files)
{
    struct Entry {
        QByteArray Target, Temp, Backup;  // Backup empty: there was no old file
        bool Replaced = false;
    };
    std::vector<Entry> entries;
    auto cleanUp = [&](bool RollBack) {
        for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
            if (RollBack && it->Replaced) {
                if (it->Backup.isEmpty())
                    ::unlink(it->Target.constData());
                else
                    ::rename(it->Backup.constData(), it->Target.constData());
            } else if (!it->Backup.isEmpty()) {
                ::unlink(it->Backup.constData());
            }
            if (!it->Replaced)
                ::unlink(it->Temp.constData());
        }
    };
    try {
        for (const auto& [path, bytes] : Files) {
            if (path.isEmpty())
                throw EFileError(QStringLiteral("Cannot write a file without a name"));
            Entry e;
            e.Target = QFile::encodeName(path);
            const QString temp = sideName(path, "new");
            writeNewFile(temp, path, bytes);
            e.Temp = QFile::encodeName(temp);
            entries.push_back(e);
            if (::access(e.Target.constData(), F_OK) == 0) {
                const QByteArray backup = QFile::encodeName(sideName(path, "old"));
                if (::link(e.Target.constData(), backup.constData()) != 0)
                    throw EFileError(QStringLiteral("Cannot keep the old file \"%1\": %2").arg(path, errnoText(errno)));
                entries.back().Backup = backup;
            }
        }
        for (size_t i = 0; i < entries.size(); ++i) {
            if (::rename(entries[i].Temp.constData(), entries[i].Target.constData()) != 0)
                throw EFileError(
                    QStringLiteral("Cannot write file \"%1\": %2").arg(Files[i].first, errnoText(errno)));
            entries[i].Replaced = true;
        }
    } catch (const EFileError&) {
        cleanUp(true);
        throw;
    }
    cleanUp(false);
}

void WriteTextFile(const QString& Path, const QString& Text, TextEncoding Encoding)
{
    WriteFileAtomic(Path, EncodeText(Text, Encoding));
}
