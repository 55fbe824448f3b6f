#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/os/files.h"
#include "support/temp_dir.h"

namespace {

void makeLink(const String& target, const String& link)
{
    ASSERT_EQ(::symlink(target.toLocal8Bit().constData(), link.toLocal8Bit().constData()), 0);
}

TEST(OsFiles, ExecutableDirIsTheTestProgramsDirectory)
{
    const String dir = Executable_Dir();
    EXPECT_EQ(dir, QCoreApplication::applicationDirPath());
    EXPECT_FALSE(dir.endsWith('/'));
}

TEST(OsFiles, ExistenceFollowsLinks)
{
    TempDir t;
    t.write("file", "x");
    QDir().mkpath(t.file("dir"));
    makeLink(t.file("file"), t.file("link-file"));
    makeLink(t.file("dir"), t.file("link-dir"));
    makeLink(t.file("gone"), t.file("link-broken"));

    struct Case {
        const char* name;
        bool file, dir;
    } cases[] = {{"file", true, false},      {"dir", false, true},         {"link-file", true, false},
                 {"link-dir", false, true}, {"link-broken", false, false}, {"missing", false, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(File_Exists(t.file(c.name)), c.file) << c.name;
        EXPECT_EQ(Directory_Exists(t.file(c.name)), c.dir) << c.name;
    }
    EXPECT_FALSE(File_Exists(""));
    EXPECT_FALSE(Directory_Exists(""));
}

TEST(OsFiles, CreatesDirectories)
{
    TempDir t;
    EXPECT_TRUE(Create_Dir(t.file("one")));
    EXPECT_FALSE(Create_Dir(t.file("one")));  // already there
    EXPECT_FALSE(Create_Dir(t.file("a/b")));  // parent missing
    EXPECT_FALSE(Create_Dir(""));

    EXPECT_TRUE(Force_Directories(t.file("a/b/c")));
    EXPECT_TRUE(Directory_Exists(t.file("a/b/c")));
    EXPECT_TRUE(Force_Directories(t.file("a/b/c")));  // existing is fine
    t.write("plain", "x");
    EXPECT_FALSE(Force_Directories(t.file("plain")));
    EXPECT_FALSE(Force_Directories(t.file("plain/sub")));
    EXPECT_FALSE(Force_Directories(""));
}

TEST(OsFiles, ListsDirectoriesSortedIgnoringCase)
{
    TempDir t;
    for (const char* d : {"beta", "alpha", "Gamma", "Alpha", ".hidden", "_under"})
        QDir().mkpath(t.file(d));
    t.write("afile", "x");
    t.write("zfile", "x");
    makeLink(t.file("beta"), t.file("Delta"));  // a link to a directory counts as one

    EXPECT_EQ(List_Directories(t.path()), QStringList({".hidden", "_under", "Alpha", "alpha", "beta", "Delta", "Gamma"}));
    EXPECT_TRUE(List_Directories(t.file("missing")).isEmpty());
    EXPECT_TRUE(List_Directories(t.file("afile")).isEmpty());
}

TEST(OsFiles, ListsFilesBySuffixWhateverTheirPermissions)
{
    TempDir t;
    t.write("English.lng", "x");
    t.write("deutsch.lng", "x");
    ASSERT_EQ(::chmod(t.write("readonly.lng", "x").toLocal8Bit().constData(), 0444), 0);
    t.write("target.txt", "x");
    makeLink(t.file("target.txt"), t.file("link.lng"));
    makeLink(t.file("gone.txt"), t.file("broken.lng"));
    QDir().mkpath(t.file("x.lng"));
    t.write("A.LNG", "x");     // suffix compared with case
    t.write("lng", "x");       // no dot
    t.write("a.lng.bak", "x");

    EXPECT_EQ(List_Files(t.path(), ".lng"), QStringList({"deutsch.lng", "English.lng", "link.lng", "readonly.lng"}));
    EXPECT_TRUE(List_Files(t.file("missing"), ".lng").isEmpty());
}

TEST(OsFiles, CopiesWholeFilesOrNothing)
{
    TempDir t;
    const QByteArray data("bytes\0with nul\xff", 15);
    t.write("src.bin", data);
    t.write("dst.bin", "old");

    EXPECT_TRUE(Copy_File(t.file("src.bin"), t.file("dst.bin")));  // overwrites
    EXPECT_EQ(t.read("dst.bin"), data);
    EXPECT_TRUE(Copy_File(t.file("src.bin"), t.file("new.bin")));
    EXPECT_EQ(t.read("new.bin"), data);

    EXPECT_FALSE(Copy_File(t.file("missing"), t.file("dst.bin")));
    EXPECT_FALSE(Copy_File(t.path(), t.file("dir-copy")));  // a directory is no file
    EXPECT_FALSE(Copy_File(t.file("src.bin"), t.file("no/such/dir/x")));
    EXPECT_EQ(t.read("dst.bin"), data);
    EXPECT_EQ(QDir(t.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"dst.bin", "new.bin", "src.bin"}));
}

TEST(OsFiles, PathJoinPutsOneSlash)
{
    struct Case {
        const char *a, *b, *joined;
    } cases[] = {{"/x/y", "z.xml", "/x/y/z.xml"}, {"/x/y/", "z", "/x/y/z"}, {"/x", "/z", "/x/z"},
                 {"/x/", "/z", "/x/z"},          {"", "z", "z"},             {"/x", "", "/x"},
                 {"/", "z", "/z"},               {"a", "b/c", "a/b/c"}};
    for (const Case& c : cases)
        EXPECT_EQ(Path_Join(c.a, c.b), String(c.joined)) << c.a << " + " << c.b;
}

}  // namespace
