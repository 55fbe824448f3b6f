#pragma once
// A fresh directory for one test, removed with everything in it afterwards.
#include <QByteArray>
#include <QString>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const QString& path() const { return path_; }
    // Joins a relative name onto the directory.
    QString file(const QString& name) const;
    // Writes raw bytes to a file below the directory (creating parent folders).
    QString write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QString path_;
};
