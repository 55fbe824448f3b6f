// The ESI file and the device images describe one device: the slave's
// identity is read once for both with one set of refusals, and a process
// image whose sync managers pass #x10000 is refused by both.
#include <QFile>

#include "app/core/ULanguage.h"
#include "config/image/USaveBincc.h"
#include "esi_support.h"
#include "support/temp_dir.h"

namespace {

class SharedRefusalTest : public ::testing::Test {
protected:
    void SetUp() override { Load_Default_Lang(); }

    // Both writers on the same files: the ESI writer's and the compiler's
    // message (empty when it succeeded).
    std::pair<QString, QString> both(const QString& ParGen_Elements, const std::vector<Var>& StoM,
                                     const std::vector<Var>& MtoS)
    {
        dir.write("ParGen.xml", ParGen_Xml(ParGen_Elements));
        Save_Vars(dir.file("EtherCAT_Slave.xml"), StoM, MtoS);
        dir.write("out.xml", "old content");
        const TESI_Result esi = Build_EtherCAT_ESI_File(dir.file("out.xml"), dir.file("ParGen.xml"),
                                                        dir.file("EtherCAT_Slave.xml"));
        if (!esi.Ok) {
            EXPECT_EQ(dir.read("out.xml"), "old content");
        }
        TBank_Images images;
        const TCompile_Result image = Compile_Banks(dir.file("ParGen.xml"), dir.file("EtherCAT_Slave.xml"),
                                                    dir.file("EtherCAT_Slave_Group.xml"), images);
        return {esi.Ok ? QString() : esi.Message, image.Ok ? QString() : image.Message};
    }

    TempDir dir;
};

std::vector<Var> strings(int Count, const char* Length)
{
    std::vector<Var> v;
    for (int i = 0; i < Count; ++i)
        v.push_back({"Y", "String", Length, "S" + QString::number(i)});
    return v;
}

}  // namespace

TEST_F(SharedRefusalTest, IdentityValuesBothRefuseAlike)
{
    const QString euro = QString::fromUtf8("\xE2\x82\xAC");
    const struct {
        QString Elements;
        QString Message;  // empty: both accept
    } cases[] = {
        {"<EtherCAT_Slave_Node_Address>65536</EtherCAT_Slave_Node_Address>",
         Lang_Text(1108) + "EtherCAT_Slave_Node_Address = \"65536\""},
        {"<EtherCAT_Slave_Node_Address>-1</EtherCAT_Slave_Node_Address>",
         Lang_Text(1108) + "EtherCAT_Slave_Node_Address = \"-1\""},
        {"<EtherCAT_Slave_Node_Address>node</EtherCAT_Slave_Node_Address>",
         Lang_Text(1108) + "EtherCAT_Slave_Node_Address = \"node\""},
        {"<EtherCAT_Slave_Revision_Number>abc</EtherCAT_Slave_Revision_Number>",
         Lang_Text(1108) + "EtherCAT_Slave_Revision_Number = \"abc\""},
        {"<EtherCAT_Slave_Revision_Number>4294967296</EtherCAT_Slave_Revision_Number>",
         Lang_Text(1108) + "EtherCAT_Slave_Revision_Number = \"4294967296\""},
        {"<EtherCAT_Slave_Name>" + euro + "</EtherCAT_Slave_Name>",
         Lang_Text(1109) + "EtherCAT_Slave_Name = \"" + euro + "\" (U+20AC)"},
        {"<EtherCAT_Slave_Name>abcdefghijklmnopqrst" + euro + "</EtherCAT_Slave_Name>",
         Lang_Text(1109) + "EtherCAT_Slave_Name = \"abcdefghijklmnopqrst" + euro + "\" (U+20AC)"},
        {"<EtherCAT_Slave_Name>a&#9;b</EtherCAT_Slave_Name>", Lang_Text(1125) + "EtherCAT_Slave_Name = \"a\tb\" (U+0009)"},
        {"<EtherCAT_Slave_Node_Address>65535</EtherCAT_Slave_Node_Address>"
         "<EtherCAT_Slave_Revision_Number>4294967295</EtherCAT_Slave_Revision_Number>"
         "<EtherCAT_Slave_Name>Ger\xC3\xA4t</EtherCAT_Slave_Name>",
         QString()},
    };
    for (const auto& c : cases) {
        const auto [esi, image] = both(c.Elements, {{"Y", "Int8", "1", "A"}}, {});
        EXPECT_EQ(esi, c.Message) << c.Elements.toStdString();
        EXPECT_EQ(image, c.Message) << c.Elements.toStdString();
    }
}

TEST_F(SharedRefusalTest, SyncManagersMustEndAtOrBelowTheAddressSpace)
{
    const struct {
        const char* What;
        std::vector<Var> StoM, MtoS;
        bool Fits;
    } cases[] = {
        {"256 x String(255) to the master", strings(256, "255"), {}, false},
        {"80 x String(255): 20480 bytes, ends at #x10000", strings(80, "255"), {}, true},
        {"one byte more", [] { auto v = strings(80, "255"); v.push_back({"Y", "Int8", "1", "X"}); return v; }(), {}, false},
        {"20480 bytes from the master", {}, strings(80, "255"), true},
        {"and one more", {}, [] { auto v = strings(80, "255"); v.push_back({"Y", "Bool", "1", "X"}); return v; }(), false},
    };
    for (const auto& c : cases) {
        const auto [esi, image] = both("", c.StoM, c.MtoS);
        if (c.Fits) {
            EXPECT_EQ(esi, QString()) << c.What;
            EXPECT_EQ(image, QString()) << c.What;
        } else {
            EXPECT_TRUE(esi.startsWith(Lang_Text(1141))) << c.What << ": " << esi.toStdString();
            EXPECT_EQ(image, esi) << c.What;
        }
    }
    const auto [esi, image] = both("", strings(256, "255"), {});
    EXPECT_EQ(esi, Lang_Text(1141) + "[Slave To Master] 65536, [Master To Slave] 0 (#x31000)");
}

// Names and initial values: the layout model's one check refuses them for
// both, with the same message naming the direction and the row.
TEST_F(SharedRefusalTest, NamesAndInitialValuesBothRefuseAlike)
{
    const struct {
        const char* What;
        std::vector<Var> StoM, MtoS;
        QString Message;
    } cases[] = {
        {"a tab in a slave-to-master name", {{"Y", "Bool", "1", "ok"}, {"Y", "Bool", "1", "a\tb"}}, {},
         Lang_Text(1110) + " [Slave To Master] row 2: " + Lang_Text(1126) + "\"a\tb\" (U+0009)"},
        {"a line end in a master-to-slave name", {}, {{"Y", "Int8", "1", "x\ny"}},
         Lang_Text(1110) + " [Master To Slave] row 1: " + Lang_Text(1126) + "\"x\ny\" (U+000A)"},
        {"a disabled row is not looked at", {{"N", "Bool", "1", "a\tb"}}, {}, QString()},
    };
    for (const auto& c : cases) {
        const auto [esi, image] = both("", c.StoM, c.MtoS);
        EXPECT_EQ(esi, c.Message) << c.What;
        EXPECT_EQ(image, c.Message) << c.What;
    }
}
