// The groups editor: its checks in their order, row commands, and what it
// saves.
#include "dialog_fixture.h"

namespace {

using Names = std::vector<std::pair<QString, QString>>;  // name, Num Variables

class GroupsDialogTest : public EtherCATDialogTest {
protected:
    void Fill(TVynColumnGrid* G, const Names& Rows)
    {
        for (size_t i = 0; i < Rows.size(); ++i) {
            G->SetCells(1, int(i) + 1, Rows[i].first);
            G->SetCells(2, int(i) + 1, Rows[i].second);
        }
    }
    // OK: Message ("" to save) in an error box; a refusal touches no file.
    void Ok(const Names& StoM, const Names& MtoS, const QString& Message)
    {
        Save_EtherCAT_Slave_Group(File_EtherCAT_Slave_Group, {});
        const QByteArray old = Group_File();
        groups->FormShow(groups);
        Fill(groups->VCG_Group_StoM, StoM);
        Fill(groups->VCG_Group_MtoS, MtoS);
        groups->SetModalResult(mrNone);
        if (!Message.isEmpty())
            boxes.Expect(mtError, Message, TMsgDlgButtons{mbOK}, mrOk);
        groups->Btn_OKClick(groups->Btn_OK);
        EXPECT_EQ(boxes.Pending(), 0);
        EXPECT_EQ(groups->ModalResult(), Message.isEmpty() ? mrOk : mrNone);
        if (!Message.isEmpty()) {
            EXPECT_EQ(Group_File(), old);
        }
    }
};

TEST_F(GroupsDialogTest, ChecksInTheirOrder)
{
    const QString row_s = Lang_Text(5326), row_m = Lang_Text(5328);
    const struct {
        const char* Case;
        Names StoM, MtoS;
        QString Message;
    } cases[] = {
        {"GV1", {{"a", "200"}, {"b", "56"}}, {}, ""},
        {"GV2 S2M", {{"a", "200"}, {"b", "57"}}, {}, Lang_Text(5327)},
        {"GV2 M2S", {}, {{"a", "200"}, {"b", "57"}}, Lang_Text(5329)},
        {"GV3 0", {{"a", "1"}, {"b", "0"}}, {}, "Error row 2" + row_s},
        {"GV3 257", {{"a", "257"}}, {}, "Error row 1" + row_s},
        {"GV3 x", {{"a", "x"}}, {}, "Error row 1" + row_s},
        {"GV3 empty", {{"a", ""}}, {}, "Error row 1" + row_s},
        {"GV3 M2S", {}, {{"a", "3"}, {"b", "-1"}}, "Error row 2" + row_m},
        {"GV4 blank name ends the walk", {{"a", "3"}, {"  ", "5"}, {"c", "x"}}, {}, ""},
        {"GV5 S2M first", {{"a", "0"}}, {{"b", "0"}}, "Error row 1" + row_s},
        {"names may repeat", {{"a", "1"}, {"a", "1"}}, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        Ok(c.StoM, c.MtoS, c.Message);
    }
    // GV4: the row after the blank name is not saved.
    TEtherCAT_Groups saved;
    Ok({{"a", "3"}, {"  ", "5"}, {"c", "x"}}, {}, "");
    Read_EtherCAT_Slave_Group(File_EtherCAT_Slave_Group, saved);
    EXPECT_EQ(saved.StoM.size(), 1u);
}

TEST_F(GroupsDialogTest, RowCommands)
{
    groups->FormShow(groups);
    TVynColumnGrid* g = groups->VCG_Group_StoM;
    Fill(g, {{"a", "1"}, {"b", "2"}, {"c", "3"}});
    g->SetRow(1);
    groups->Btn_CopyRowClick(groups->Btn_CopyRow);
    EXPECT_TRUE(groups->Do_Copy_StM);
    g->SetRow(2);
    boxes.Expect(mtConfirmation, "Are you sure to delete the Row number 2", mbYesNo, mrYes);
    groups->Btn_DelRowClick(groups->Btn_DelRow);
    EXPECT_EQ(g->Cells(1, 2), "c");
    groups->Btn_InsRowClick(groups->Btn_InsRow);
    EXPECT_EQ(g->Cells(1, 2), "");
    EXPECT_EQ(g->Cells(1, 3), "c");
    groups->Btn_PasteRowClick(groups->Btn_PasteRow);
    EXPECT_EQ(g->Cells(1, 2), "a");
    // The other table's copy flag is clear.
    groups->PageControl1->SetActivePage(groups->TS_MasterToSlave);
    boxes.Expect(mtError, Lang_Text(1102), TMsgDlgButtons{mbOK}, mrOk);
    groups->Btn_PasteRowClick(groups->Btn_PasteRow);
    EXPECT_EQ(groups->VCG_Group_MtoS->Cells(1, 2), "");
    // Headers.
    EXPECT_EQ(g->Cells(1, 0), "Group Name");
    EXPECT_EQ(g->Cells(2, 0), "Num Variables");
}

}  // namespace
