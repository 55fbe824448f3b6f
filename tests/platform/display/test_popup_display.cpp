// Runs the real-display checks of the popup form. Needs an X display:
//   VYN_TEST_DISPLAY=1 QT_QPA_PLATFORM=xcb xvfb-run -a build/tests/platform_display_checks
// (and the same with a window manager started on that display). Skipped
// elsewhere. VYN_RENDER_DIR=<dir> keeps the screenshots.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <cstdlib>

#include "popup_display_check.h"

TEST(PopupOnDisplay, PressOutsideClosesIt)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs the xcb platform (VYN_TEST_DISPLAY=1 QT_QPA_PLATFORM=xcb)";
    const DisplayCheck::TRealInput input = DisplayCheck::XdotoolInput();
    if (!input.ClickAt)
        GTEST_SKIP() << "needs xdotool for real input";
    const char* dir = std::getenv("VYN_RENDER_DIR");
    DisplayCheck::CheckPopupOnDisplay(input, dir ? dir : "");
}
