#include "temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <stdexcept>

TempDir::TempDir()
{
    QTemporaryDir dir(QDir::tempPath() + "/vyn-test-XXXXXX");
    if (!dir.isValid())
        throw std::runtime_error("cannot create a temporary directory");
    dir.setAutoRemove(false);
    path_ = dir.path();
}

TempDir::~TempDir()
{
    QDir(path_).removeRecursively();
}

QString TempDir::file(const QString& name) const
{
    return path_ + "/" + name;
}

QString TempDir::write(const QString& name, const QByteArray& bytes) const
{
    const QString full = file(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write test file");
    f.write(bytes);
    return full;
}

QByteArray TempDir::read(const QString& name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
