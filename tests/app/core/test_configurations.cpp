#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/core/Configurations.h"
#include "support/temp_dir.h"

namespace {

TEST(Configurations, NewNameChecks)
{
    TempDir projects;
    QDir().mkpath(projects.file("Plant A"));
    projects.write("notes.txt", "x");
    struct {
        QString name;
        int code;
    } cases[] = {
        {"Line 2", 0},
        {" padded ", 0},  // used verbatim
        {"caf\u00e9", 0},
        {"", 107},
        {".", 107},
        {"..", 107},
        {"../escape", 107},
        {"a/b", 107},
        {"a\\b", 107},
        {QString("tab\there"), 107},
        {QString("nl\n"), 107},
        {"Plant A", 106},
        {"PLANT a", 106},  // letter case ignored
        {"notes.txt", 106},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_New_Configuration_Name(c.name, projects.path()), c.code) << c.name.toStdString();
}

TEST(Configurations, CreateAndList)
{
    TempDir projects;
    EXPECT_EQ(Create_Configuration("beta", projects.path()), 0);
    EXPECT_EQ(Create_Configuration("Alpha", projects.path()), 0);
    EXPECT_TRUE(QDir(projects.file("beta/bin")).exists());
    EXPECT_EQ(Create_Configuration("beta", projects.path()), 105);  // exists already
    EXPECT_EQ(Create_Configuration("x", projects.file("missing/deeper")), 105);
    projects.write("file.txt", "");
    EXPECT_EQ(List_Configurations(projects.path()), (QStringList{"Alpha", "beta"}));
}

}  // namespace
