#include <gtest/gtest.h>

#include "app/core/ULanguage.h"
#include "ethercat/model/EtherCAT_Files.h"
#include "support/temp_dir.h"

namespace {

TEtherCAT_Var Var(const QString& Enable, const QString& Type, const QString& Length = "", const QString& Name = "")
{
    TEtherCAT_Var v;
    v.Enable = Enable;
    v.Type = Type;
    v.Length = Length;
    v.Name = Name;
    return v;
}

class EtherCATFilesTest : public ::testing::Test {
protected:
    void SetUp() override { Load_Default_Lang(); }
    TempDir dir;
};

TEST_F(EtherCATFilesTest, WritesTheVariableFileInItsFixedShape)
{
    TEtherCAT_Variables v;
    v.StoM = {{"Y", "Bool", "1", "Run", "", "0", "0", "Main", ""},
              {"N", "Int16", "2", "Spare", "", "0", "0", "", "m&<"},
              {"Y", "String", "8", "Tag", "ABC", "1", "0", "Main", ""}};
    v.MtoS = {{"Y", "UInt16", "2", "Cmd", "ignored", "0", "0", "", ""}};
    const QString path = dir.file("EtherCAT_Slave.xml");
    Save_EtherCAT_Slave(path, v);
    EXPECT_EQ(dir.read("EtherCAT_Slave.xml").toStdString(),
              "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
              "<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"Run\" InitValue=\"\" Position=\"0\" BitStart=\"0\" "
              "Group=\"Main\" Mnemonic=\"\"/>"
              "<row Enable=\"N\" Type=\"Int16\" Length=\"2\" Name=\"Spare\" InitValue=\"\" Position=\"0\" BitStart=\"0\" "
              "Group=\"\" Mnemonic=\"m&amp;&lt;\"/>"
              "<row Enable=\"Y\" Type=\"String\" Length=\"8\" Name=\"Tag\" InitValue=\"ABC\" Position=\"1\" "
              "BitStart=\"0\" Group=\"Main\" Mnemonic=\"\"/>"
              "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>"
              "<row Enable=\"Y\" Type=\"UInt16\" Length=\"2\" Name=\"Cmd\" Position=\"0\" BitStart=\"0\" Group=\"\" "
              "Mnemonic=\"\"/>"
              "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave><!--SW_VERSION = 1.001-->");

    TEtherCAT_Variables back;
    EXPECT_EQ(Read_EtherCAT_Slave(path, back).Status, TEtherCAT_Read::Read);
    ASSERT_EQ(back.StoM.size(), 3u);
    ASSERT_EQ(back.MtoS.size(), 1u);
    EXPECT_EQ(back.StoM[1].Mnemonic, "m&<");
    EXPECT_EQ(back.StoM[2].InitValue, "ABC");
    EXPECT_EQ(back.MtoS[0].InitValue, "");  // never written for master to slave
}

TEST_F(EtherCATFilesTest, WritesTheGroupFileInItsFixedShape)
{
    TEtherCAT_Groups g;
    g.StoM = {{"Main", "2", ""}};
    Save_EtherCAT_Slave_Group(dir.file("g.xml"), g);
    EXPECT_EQ(dir.read("g.xml").toStdString(),
              "<PROFINET_Master_to_Modbus_TCP_Master><Slave_to_Master>"
              "<row Group_Name=\"Main\" Num_Variables=\"2\" Mnemonic=\"\"/></Slave_to_Master><Master_to_Slave/>"
              "</PROFINET_Master_to_Modbus_TCP_Master><!--SW_VERSION = 1.001-->");
}

TEST_F(EtherCATFilesTest, RoundTripKeepsEveryTextAndMissingAttributesReadEmpty)
{
    // A hand-written file: declaration and comment first, another root name,
    // rows of any element name, attributes missing or in another order.
    const QString path = dir.write("EtherCAT_Slave.xml",
                                   "<?xml version=\"1.0\"?><!-- c --><Root><Other/><EtherCAT_Slave_Variables>"
                                   "<EtherCAT_Slave_To_Master><row Type=\"Int8\"/><!-- x -->"
                                   "<item Name=\"N\" Enable=\"Y\" Type=\" bool \" Extra=\"1\"/></EtherCAT_Slave_To_Master>"
                                   "<EtherCAT_Master_To_Slave><row/></EtherCAT_Master_To_Slave>"
                                   "</EtherCAT_Slave_Variables></Root>");
    TEtherCAT_Variables v;
    ASSERT_EQ(Read_EtherCAT_Slave(path, v).Status, TEtherCAT_Read::Read);
    ASSERT_EQ(v.StoM.size(), 2u);
    ASSERT_EQ(v.MtoS.size(), 1u);
    const TEtherCAT_Var& first = v.StoM[0];
    EXPECT_EQ(first.Type, "Int8");
    for (const String* s : {&first.Enable, &first.Length, &first.Name, &first.InitValue, &first.Position,
                            &first.BitStart, &first.Group, &first.Mnemonic})
        EXPECT_TRUE(s->isEmpty());
    // A missing Enable ticks the editor's box but leaves the row out of the device.
    EXPECT_TRUE(Editor_Ticked(first));
    EXPECT_FALSE(Device_Enabled(first));
    EXPECT_EQ(v.StoM[1].Type, " bool ");  // kept verbatim
    EXPECT_TRUE(Device_Enabled(v.StoM[1]));
    EXPECT_FALSE(Editor_Ticked(Var("N", "Int8")));
    EXPECT_FALSE(Device_Enabled(Var("y", "Int8")));

    // Saved again and read back: the same texts (the empty MtoS type ends that section).
    Save_EtherCAT_Slave(dir.file("again.xml"), v);
    TEtherCAT_Variables w;
    ASSERT_EQ(Read_EtherCAT_Slave(dir.file("again.xml"), w).Status, TEtherCAT_Read::Read);
    ASSERT_EQ(w.StoM.size(), 2u);
    EXPECT_TRUE(w.MtoS.empty());
    for (size_t i = 0; i < 2; ++i) {
        const TEtherCAT_Var &a = v.StoM[i], &b = w.StoM[i];
        EXPECT_EQ(std::tie(a.Enable, a.Type, a.Length, a.Name, a.InitValue, a.Position, a.BitStart, a.Group, a.Mnemonic),
                  std::tie(b.Enable, b.Type, b.Length, b.Name, b.InitValue, b.Position, b.BitStart, b.Group, b.Mnemonic));
    }

    const QString gpath = dir.write("g.xml", "<?xml version=\"1.0\"?><G><Master_to_Slave><row Group_Name=\"B\"/></Master_to_Slave>"
                                             "<Slave_to_Master><row Num_Variables=\"3\"/><row Group_Name=\"A\" "
                                             "Num_Variables=\"2\" Mnemonic=\"m\"/></Slave_to_Master></G>");
    TEtherCAT_Groups g;
    ASSERT_EQ(Read_EtherCAT_Slave_Group(gpath, g).Status, TEtherCAT_Read::Read);
    ASSERT_EQ(g.StoM.size(), 2u);
    EXPECT_EQ(g.StoM[0].Group_Name, "");
    EXPECT_EQ(g.StoM[0].Num_Variables, "3");
    EXPECT_EQ(g.StoM[1].Mnemonic, "m");
    ASSERT_EQ(g.MtoS.size(), 1u);
    EXPECT_EQ(g.MtoS[0].Num_Variables, "");
    // The writer stops at the first blank name: nothing of Slave_to_Master survives.
    Save_EtherCAT_Slave_Group(dir.file("g2.xml"), g);
    TEtherCAT_Groups h;
    ASSERT_EQ(Read_EtherCAT_Slave_Group(dir.file("g2.xml"), h).Status, TEtherCAT_Read::Read);
    EXPECT_TRUE(h.StoM.empty());
    ASSERT_EQ(h.MtoS.size(), 1u);
    EXPECT_EQ(h.MtoS[0].Group_Name, "B");
}

TEST_F(EtherCATFilesTest, WritersStopAtTheFirstEmptyRowAndAtTheTableSize)
{
    TEtherCAT_Variables v;
    for (int i = 0; i < 300; ++i)
        v.StoM.push_back(Var("Y", "Int8", "1", QString("v%1").arg(i)));
    v.MtoS = {Var("Y", "Int8"), Var("Y", "  "), Var("Y", "Int8")};
    Save_EtherCAT_Slave(dir.file("v.xml"), v);
    TEtherCAT_Variables back;
    Read_EtherCAT_Slave(dir.file("v.xml"), back);
    EXPECT_EQ(back.StoM.size(), 256u);
    EXPECT_EQ(back.StoM.back().Name, "v255");
    EXPECT_EQ(back.MtoS.size(), 1u);

    TEtherCAT_Groups g;
    for (int i = 0; i < 20; ++i)
        g.MtoS.push_back({QString("g%1").arg(i), "1", ""});
    Save_EtherCAT_Slave_Group(dir.file("g.xml"), g);
    TEtherCAT_Groups gb;
    Read_EtherCAT_Slave_Group(dir.file("g.xml"), gb);
    EXPECT_EQ(gb.MtoS.size(), 16u);
}

TEST_F(EtherCATFilesTest, MissingMalformedAndIncompleteFiles)
{
    TEtherCAT_Variables v;
    v.StoM = {Var("Y", "Int8")};
    const TEtherCAT_Read_Result none = Read_EtherCAT_Slave(dir.file("none.xml"), v);
    EXPECT_EQ(none.Status, TEtherCAT_Read::No_File);
    EXPECT_FALSE(none.Failed());
    EXPECT_TRUE(v.StoM.empty());

    const QString bad = dir.write("bad.xml", "<EtherCAT_Slave><EtherCAT_Slave_Variables>");
    const TEtherCAT_Read_Result r1 = Read_EtherCAT_Slave(bad, v);
    EXPECT_EQ(r1.Status, TEtherCAT_Read::Not_Well_Formed);
    EXPECT_TRUE(r1.Message.startsWith(Lang_Text(1106)));
    EXPECT_TRUE(r1.Message.contains(bad));

    const struct {
        const char* Text;
        const char* Missing;
    } slave_cases[] = {
        {"<A/>", "EtherCAT_Slave_Variables"},
        {"<A><EtherCAT_Slave_Variables><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></A>",
         "EtherCAT_Slave_To_Master"},
        {"<A><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master><row Type=\"Int8\"/></EtherCAT_Slave_To_Master>"
         "</EtherCAT_Slave_Variables></A>",
         "EtherCAT_Master_To_Slave"},
    };
    for (const auto& c : slave_cases) {
        const QString path = dir.write("s.xml", c.Text);
        const TEtherCAT_Read_Result r = Read_EtherCAT_Slave(path, v);
        EXPECT_EQ(r.Status, TEtherCAT_Read::Missing_Section) << c.Text;
        EXPECT_TRUE(r.Failed());
        EXPECT_EQ(r.Message, Lang_Text(1107) + c.Missing + " (" + path + ")");
    }
    EXPECT_EQ(v.StoM.size(), 1u);  // the section that is there is still read

    TEtherCAT_Groups g;
    const QString gpath = dir.write("g.xml", "<G><Slave_to_Master/></G>");
    const TEtherCAT_Read_Result r2 = Read_EtherCAT_Slave_Group(gpath, g);
    EXPECT_EQ(r2.Status, TEtherCAT_Read::Missing_Section);
    EXPECT_EQ(r2.Message, Lang_Text(1107) + "Master_to_Slave (" + gpath + ")");
}

}  // namespace
