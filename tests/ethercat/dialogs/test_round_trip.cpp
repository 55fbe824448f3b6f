// Through the dialogs and back: what the editors save reads back the same,
// compiles into images and gives an ESI file, and the editor's derived
// columns are what the device image holds.
#include "config/image/USaveBincc.h"
#include "config/image/image_support.h"
#include "dialog_fixture.h"
#include "ethercat/esi/UEtherCAT_ESI_File.h"

namespace {

class RoundTripTest : public EtherCATDialogTest {};

TEST_F(RoundTripTest, SavedRowsReadBackAndCompile)
{
    const QString odd = QString::fromUtf8("  T\xC2\xB0""C\xC3\xA9 & < > \" '  ");
    TEtherCAT_Variables file;
    file.StoM = {
        {"Y", "Bool", "1", "Run", "1", "7", "7", "junk", "m1"},
        {"N", "Int16", "2", "Spare", "", "", "", "", ""},
        {"", "Bool", "1", odd, "", "", "", "", odd},
        {"Y", "String", "8", "Tag", "ABC", "", "", "", ""},
        {"Y", "Bool", "1", "Ready", "0", "", "", "", ""},
        {"Y", "Array", "3", "Blob", "0A0B", "", "", "", ""},
        {"Y", " int8 ", "1", "Hand", "-5", "", "", "", ""},
    };
    file.MtoS = {
        {"Y", "UInt16", "2", "Cmd", "", "", "", "", ""},
        {"Y", "Float32", "4", "Set", "", "", "", "", ""},
        {"N", "Bool", "1", "Off", "", "", "", "", ""},
        {"Y", "Bool", "1", "On", "", "", "", "", ""},
    };
    Save_EtherCAT_Slave(File_EtherCAT_Slave, file);
    Save_EtherCAT_Slave_Group(File_EtherCAT_Slave_Group, {{{"In", "3", ""}, {"Rest", "10", "r"}}, {{"Out", "2", ""}}});

    // The groups editor saves its file unchanged.
    groups->FormShow(groups);
    const QByteArray group_file = Group_File();
    groups->Btn_OKClick(groups->Btn_OK);
    EXPECT_EQ(groups->ModalResult(), mrOk);
    EXPECT_EQ(Group_File(), group_file);

    vars->FormShow(vars);
    EXPECT_FALSE(Ticked(S(), 2));
    EXPECT_TRUE(Ticked(S(), 3)) << "an empty Enable shows ticked";
    EXPECT_TRUE(S()->ReadOnly(3, 7)) << "a hand-typed int8 is Int8";
    vars->Btn_OKClick(vars->Btn_OK);
    ASSERT_EQ(vars->ModalResult(), mrOk);

    TEtherCAT_Variables saved;
    ASSERT_EQ(Read_EtherCAT_Slave(File_EtherCAT_Slave, saved).Status, TEtherCAT_Read::Read);
    ASSERT_EQ(saved.StoM.size(), file.StoM.size());
    ASSERT_EQ(saved.MtoS.size(), file.MtoS.size());
    for (int d = 0; d < 2; ++d) {
        const auto& a = d == 0 ? file.StoM : file.MtoS;
        const auto& b = d == 0 ? saved.StoM : saved.MtoS;
        for (size_t i = 0; i < a.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "direction " << d << " row " << i + 1);
            EXPECT_EQ(b[i].Enable, a[i].Enable == "N" ? "N" : "Y");
            EXPECT_EQ(b[i].Type, a[i].Type);
            EXPECT_EQ(b[i].Length, a[i].Length);
            EXPECT_EQ(b[i].Name, a[i].Name);
            EXPECT_EQ(b[i].InitValue, d == 0 ? a[i].InitValue : QString());
            EXPECT_EQ(b[i].Mnemonic, a[i].Mnemonic);
        }
    }
    EXPECT_EQ(saved.StoM[0].Position, "0") << "stale positions are recomputed";
    EXPECT_EQ(saved.StoM[0].Group, "In");

    // Reopened: the same rows, check states and texts.
    vars->FormShow(vars);
    EXPECT_EQ(S()->Cells(4, 3), odd);
    EXPECT_EQ(S()->Cells(9, 3), odd);
    EXPECT_FALSE(Ticked(M(), 3));

    // The images and the ESI file are made from what the editor saved.
    TBank_Images images;
    const TCompile_Result r = Compile_Banks(File_ParGen, File_EtherCAT_Slave, File_EtherCAT_Slave_Group, images);
    ASSERT_TRUE(r.Ok) << r.Message.toStdString();
    const TESI_Result esi = Build_EtherCAT_ESI_File(dir.file("esi.xml"), File_ParGen, File_EtherCAT_Slave);
    ASSERT_TRUE(esi.Ok) << esi.Message.toStdString();

    // Every enabled row's record: its position, start bit and group as the
    // editor shows them.
    for (int d = 0; d < 2; ++d) {
        TVynStringGrid* g = d == 0 ? S() : M();
        const QStringList names = d == 0 ? QStringList{"In", "Rest"} : QStringList{"Out"};
        const uint32_t table = U32(images.Bank2, d == 0 ? 32 : 36) - Bank2_Base;
        int j = 0;
        for (int r = 1; !g->Cells(2, r).trimmed().isEmpty(); ++r) {
            if (!Ticked(g, r))
                continue;
            SCOPED_TRACE(testing::Message() << "direction " << d << " row " << r);
            const qsizetype rec = table + 32 * j++;
            EXPECT_EQ(Place(g, r), QString::number(U32(images.Bank2, rec + 4)) + "/" +
                                       QString::number(U8(images.Bank2, rec + 3)));
            const uint32_t group = U32(images.Bank2, rec + 16);
            EXPECT_EQ(Group(g, r), group == 0xFFFFFFFF ? QString() : names[int(group)]);
        }
        EXPECT_EQ(j, int(U16(images.Bank2, d == 0 ? 28 : 30)));
    }
}

TEST_F(RoundTripTest, GroupsEditorRoundTripAndOverflow)
{
    QString rows;
    for (int i = 0; i < 18; ++i)
        rows += "<row Group_Name=\"g" + QString::number(i) + "\" Num_Variables=\"1\" Mnemonic=\"&amp;\"/>";
    dir.write("EtherCAT_Slave_Group.xml",
              ("<Foo><Slave_to_Master>" + rows + "</Slave_to_Master><Master_to_Slave/></Foo>").toUtf8());
    boxes.Expect(mtWarning, Format_Lang(Lang_Text(1143), {2, 16}) + " [Slave To Master]", TMsgDlgButtons{mbOK}, mrOk);
    groups->FormShow(groups);
    EXPECT_EQ(groups->VCG_Group_StoM->Cells(1, 16), "g15");
    EXPECT_EQ(groups->VCG_Group_StoM->Cells(3, 16), "&");
    groups->Btn_OKClick(groups->Btn_OK);
    TEtherCAT_Groups saved;
    Read_EtherCAT_Slave_Group(File_EtherCAT_Slave_Group, saved);
    EXPECT_EQ(saved.StoM.size(), 16u);
    EXPECT_EQ(saved.StoM[15].Mnemonic, "&");
}

}  // namespace
