// The configurator's entry. Until the main window exists this shows an empty
// placeholder window after setting up the program-wide state.
#include <QApplication>
#include <QMainWindow>

#include "app/core/Settings.h"
#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "platform/os/files.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Init_Program_State(Executable_Dir());
    Force_Directories(Master_Dir);
    Force_Directories(Projects_Dir);
    Force_Directories(Language_Dir);
    Read_Settings();
    Load_Language();
    QMainWindow window;
    window.setWindowTitle(SW_Code + QStringLiteral(" - ") + SW_Desc);
    window.resize(640, 480);
    window.show();
    const int rc = app.exec();
    Save_Setting();
    return rc;
}
