// The settings file: reading back what was written, names without case,
// lines that are not entries kept, bad numbers, unwritable targets.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/files.h"
#include "platform/rtl/inifile.h"

TEST(IniFile, WritesReadBackAndKeepTheRestOfTheFile)
{
    QTemporaryDir dir;
    const QString f = dir.filePath("a.ini");
    WriteFileAtomic(f, "; kept\r\n[Main]\r\nName = x=y \r\nOdd line\r\n[Two]\r\nN=4\r\n");
    TIniFile ini(f);
    EXPECT_EQ(ini.ReadString("main", "NAME", "-"), "x=y");
    EXPECT_EQ(ini.ReadInteger("Two", "n", -1), 4);
    EXPECT_EQ(ini.ReadInteger("Two", "missing", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Main", "Name", -7), -7);
    ini.WriteInteger("Two", "N", 5);
    ini.WriteInteger("New", "K", -3);
    const TIniFile again(f);
    EXPECT_EQ(again.ReadInteger("two", "N", 0), 5);
    EXPECT_EQ(again.ReadInteger("New", "K", 0), -3);
    const QString text = ReadTextFile(f);
    EXPECT_TRUE(text.startsWith("; kept\r\n[Main]\r\n"));
    EXPECT_TRUE(text.contains("Odd line\r\n"));
}

TEST(IniFile, BadTargetsAndEntriesRaiseAndChangeNothing)
{
    QTemporaryDir dir;
    TIniFile none(QString{});
    EXPECT_EQ(none.ReadInteger("S", "K", 9), 9);
    EXPECT_THROW(none.WriteInteger("S", "K", 1), EFileError);

    const QString f = dir.filePath("b.ini");
    TIniFile ini(f);
    EXPECT_THROW(ini.WriteString("S", "K=1", "v"), Exception);
    EXPECT_THROW(ini.WriteString("S", "K", "two\nlines"), Exception);
    EXPECT_FALSE(ini.ValueExists("S", "K"));

    // A directory in the way: the write fails and the entry is not kept.
    TIniFile blocked(dir.path());
    EXPECT_THROW(blocked.WriteInteger("S", "K", 1), EFileError);
    EXPECT_FALSE(blocked.ValueExists("S", "K"));
}
