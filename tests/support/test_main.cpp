// Test entry shared by every test executable.
//
// Tests run on Qt's offscreen platform so that a developer's display never
// changes what a test sees; set VYN_TEST_DISPLAY=1 to use the real one.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    const char* useDisplay = std::getenv("VYN_TEST_DISPLAY");
    if (!(useDisplay && std::string(useDisplay) == "1"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
