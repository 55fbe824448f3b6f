// bank1.bin and bank2.bin are written as a pair, and the largest Float32 is
// an initial value like any other.
#include <QDir>
#include <QFile>

#include <cstring>

#include "app/core/ULanguage.h"
#include "image_support.h"
#include "platform/rtl/files.h"
#include "support/temp_dir.h"

namespace {

TBank_Images images(const char* One, const char* Two)
{
    TBank_Images i;
    i.Bank1 = One;
    i.Bank2 = Two;
    return i;
}

}  // namespace

// When bank2.bin cannot be replaced, bank1.bin stays the old one (or stays
// absent); nothing is left beside them.
TEST(BankPair, BothNewOrBothAsTheyWere)
{
    Load_Default_Lang();
    TempDir dir;
    const QString bin = dir.path() + "/bin";
    ASSERT_TRUE(QDir().mkpath(bin));
    dir.write("bin/bank1.bin", "old bank1");
    ASSERT_TRUE(QDir().mkpath(bin + "/bank2.bin"));  // a directory stands where bank2.bin goes

    TCompile_Result r = Write_Bank_Files(bin, images("new bank1", "new bank2"));
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.Message.startsWith(Lang_Text(1123))) << r.Message.toStdString();
    EXPECT_TRUE(r.Message.contains("bank2.bin")) << r.Message.toStdString();
    EXPECT_EQ(dir.read("bin/bank1.bin"), "old bank1");
    EXPECT_EQ(QDir(bin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"bank1.bin", "bank2.bin"}));

    // No old bank1: it stays absent.
    QFile::remove(bin + "/bank1.bin");
    r = Write_Bank_Files(bin, images("new bank1", "new bank2"));
    EXPECT_FALSE(r.Ok);
    EXPECT_FALSE(QFile::exists(bin + "/bank1.bin"));
    EXPECT_EQ(QDir(bin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList({"bank2.bin"}));

    // Both replaced together once the way is free.
    ASSERT_TRUE(QDir(bin + "/bank2.bin").removeRecursively());
    dir.write("bin/bank1.bin", "old bank1");
    dir.write("bin/bank2.bin", "old bank2");
    r = Write_Bank_Files(bin, images("new bank1", "new bank2"));
    EXPECT_TRUE(r.Ok) << r.Message.toStdString();
    EXPECT_EQ(dir.read("bin/bank1.bin"), "new bank1");
    EXPECT_EQ(dir.read("bin/bank2.bin"), "new bank2");
    EXPECT_EQ(QDir(bin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"bank1.bin", "bank2.bin"}));
}

TEST(BankPair, GeneralFileSetRollsBackEveryReplacedFile)
{
    TempDir dir;
    dir.write("a", "old a");
    dir.write("b", "old b");
    ASSERT_TRUE(QDir().mkpath(dir.file("d")));
    EXPECT_THROW(WriteFilesAtomic({{dir.file("a"), "new a"}, {dir.file("b"), "new b"}, {dir.file("d"), "x"}}),
                 EFileError);
    EXPECT_EQ(dir.read("a"), "old a");
    EXPECT_EQ(dir.read("b"), "old b");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"a", "b", "d"}));
    EXPECT_THROW(WriteFilesAtomic({{dir.file("a"), "new a"}, {QString(), "x"}}), EFileError);
    EXPECT_EQ(dir.read("a"), "old a");
}

// "3.4028235e38" is how the largest single value is usually written; only
// what rounds to infinity is refused.
TEST(FloatInitialValue, TheLargestSingleIsAccepted)
{
    Load_Default_Lang();
    TempDir dir;
    const QString par = dir.write("ParGen.xml", "<Par_Gen/>");
    const struct {
        const char* Init;
        uint32_t Bits;  // 0: refused
    } cases[] = {
        {"3.4028235e38", 0x7F7FFFFF},
        {"-3.4028235e38", 0xFF7FFFFF},
        {"3,4028235e38", 0x7F7FFFFF},
        {"3.40282356e38", 0x7F7FFFFF},       // just below the rounding point
        {"3.4028235677973366e38", 0},        // FLT_MAX + half a unit: rounds to infinity
        {"3.4028236e38", 0},
        {"1e39", 0},
    };
    for (const auto& c : cases) {
        const QString slave = dir.write("EtherCAT_Slave.xml",
                                        Slave_Xml(Var_Row("Y", "Float32", "4", "F", c.Init, 0, 0), "").toUtf8());
        TBank_Images out;
        const TCompile_Result r = Compile_Banks(par, slave, dir.file("none.xml"), out);
        EXPECT_EQ(r.Ok, c.Bits != 0) << c.Init << ": " << r.Message.toStdString();
        if (r.Ok && c.Bits != 0) {
            EXPECT_EQ(U32(out.Bank2, out.Bank2.size() - 4), c.Bits) << c.Init;
        }
    }
}
