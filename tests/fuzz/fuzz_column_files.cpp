// The column grid's files: a column order in an ini file, then a column
// stream (the two parts separated by the byte 0x1E).
#include <QApplication>
#include <QBuffer>

#include "fuzz_support.h"
#include "grid/core/column_grid.h"
#include "platform/rtl/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static int argc = 1;
    static char name[] = "fuzz_column_files";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)app;
    const std::vector<QByteArray> parts = fuzz::Split(Data, Size, 2);
    TVynColumnGrid g(nullptr);
    g.SetColCount(6);
    g.Columns()->SetOrganization();
    try {
        g.LoadColumnPositions(fuzz::File("cols.ini", parts[0]), "Grid");
    } catch (const Exception&) {
    }
    QBuffer b;
    b.setData(parts[1]);
    b.open(QIODevice::ReadOnly);
    try {
        g.LoadColumnsFromStream(b);
    } catch (const Exception&) {
    }
    return 0;
}
