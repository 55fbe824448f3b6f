#include "platform/os/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <algorithm>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/files.h"

namespace {

// stat() follows links, which is what "a link counts as its target" needs.
bool statMode(const String& path, mode_t& mode)
{
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    mode = st.st_mode;
    return true;
}

void sortNames(QStringList& names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

QStringList listEntries(const String& dir, QDir::Filters kind)
{
    if (!Directory_Exists(dir))
        return {};
    // Hidden: a name starting with "." is listed like any other.
    QStringList names = QDir(dir).entryList(kind | QDir::NoDotAndDotDot | QDir::Hidden, QDir::NoSort);
    sortNames(names);
    return names;
}

}  // namespace

String Executable_Dir()
{
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

bool File_Exists(const String& path)
{
    mode_t mode = 0;
    return statMode(path, mode) && S_ISREG(mode);
}

bool Directory_Exists(const String& path)
{
    mode_t mode = 0;
    return statMode(path, mode) && S_ISDIR(mode);
}

bool Create_Dir(const String& path)
{
    return !path.isEmpty() && ::mkdir(QFile::encodeName(path).constData(), 0777) == 0;
}

bool Force_Directories(const String& path)
{
    return !path.isEmpty() && QDir().mkpath(path) && Directory_Exists(path);
}

QStringList List_Directories(const String& dir)
{
    return listEntries(dir, QDir::Dirs);
}

QStringList List_Files(const String& dir, const String& suffix)
{
    QStringList names = listEntries(dir, QDir::Files);
    names.removeIf([&](const QString& name) { return !name.endsWith(suffix, Qt::CaseSensitive); });
    return names;
}

bool Copy_File(const String& src, const String& dst)
{
    if (!File_Exists(src))
        return false;
    try {
        WriteFileAtomic(dst, ReadFileBytes(src));
        return true;
    } catch (const EFileError&) {
        return false;
    }
}

String Path_Join(const String& a, const String& b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    const bool aSlash = a.endsWith(u'/');
    const bool bSlash = b.startsWith(u'/');
    if (aSlash && bSlash)
        return a + b.mid(1);
    return aSlash || bSlash ? a + b : a + u'/' + b;
}
