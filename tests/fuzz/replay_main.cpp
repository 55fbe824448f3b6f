// Runs a harness over files without libFuzzer: every file named on the
// command line, and every file of every directory named there (sorted).
// Exits non-zero when a path cannot be read; a fault in the harness shows as
// a crash, as under the fuzzer.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size);

int main(int argc, char** argv)
{
    int files = 0;
    for (int a = 1; a < argc; ++a) {
        const QFileInfo arg(QString::fromLocal8Bit(argv[a]));
        QStringList paths;
        if (arg.isDir()) {
            for (const QFileInfo& f : QDir(arg.filePath()).entryInfoList(QDir::Files, QDir::Name))
                paths << f.filePath();
        } else {
            paths << arg.filePath();
        }
        for (const QString& p : paths) {
            QFile f(p);
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(p));
                return 2;
            }
            const QByteArray bytes = f.readAll();
            std::fprintf(stderr, "%s\n", qPrintable(p));
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
            ++files;
        }
    }
    std::fprintf(stderr, "%d inputs replayed\n", files);
    return files > 0 ? 0 : 3;
}
