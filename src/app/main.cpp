// The configurator's entry: starts the grid library (and registers its
// grid drop-down editor), creates every dialog
// once, the main window first (its creation sets up the program-wide state
// beside the executable), and runs the message loop until the main window
// is closed; the grid library ends last. The program reads no arguments.
#include <QApplication>

#include "app/shell/Program_Start.h"
#include "controls/dropdown/grid/GridDropDownEditors.h"
#include "grid/core/grid_startup.h"
#include "platform/gui/application.h"
#include "platform/rtl/heap.h"

int main(int argc, char** argv)
{
    Heap::Keep_Freed_Memory();
    QApplication app(argc, argv);
    VynGridModule::Start();
    // The grid drop-down cell editor lives above the grid library.
    RegisterGridDropDownEditors();
    Application.Initialize();
    Create_Forms(&Application);
    Application.Run();
    VynGridModule::End();
    return 0;
}
