// The variables editor's live layout: the Type editor (choosing, browsing,
// Esc), the Length cell's read-only flag through every row operation, the
// row buttons, headers and hints, keys, and files with too many rows.
#include "dialog_fixture.h"

namespace {

class VariablesEditingTest : public EtherCATDialogTest {
protected:
    void SetUp() override
    {
        EtherCATDialogTest::SetUp();
        vars->FormShow(vars);
    }
    bool Length_Read_Only(TVynStringGrid* G, int R) const { return G->ReadOnly(3, R); }
};

TEST_F(VariablesEditingTest, ChoosingATypeSetsTheLengthAndItsFlag)
{
    Put(S(), 2, {true, "Int8", "1", "after"});
    EXPECT_EQ(Open_Type(S(), 1), TEditorType::edComboList);
    EXPECT_EQ(Open_Type(S(), 1), TEditorType::edComboList);
    const struct {
        const char* Type;
        const char* Length;
        bool Read_Only;
        const char* Next;  // row 2's place
    } cases[] = {
        {"Array", "10", false, "10/0"}, {"Int16", "2", true, "2/0"},  {"String", "10", false, "11/0"},
        {"Bool", "1", true, "1/0"},     {"Float32", "4", true, "4/0"}, {"UInt8", "1", true, "1/0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Type);
        Choose(S(), 1, c.Type);
        EXPECT_EQ(S()->Cells(2, 1), c.Type);
        EXPECT_EQ(S()->Cells(3, 1), c.Length);
        EXPECT_EQ(Length_Read_Only(S(), 1), c.Read_Only);
        EXPECT_EQ(Place(S(), 2), c.Next);
    }
    vars->EditCellDone(S(), 2, 1);
    EXPECT_EQ(S()->Cells(2, 1), "UInt8");
    // Other columns keep the grid's own editor.
    TEditorType e = TEditorType::edNormal;
    vars->GetEditorType(S(), 4, 1, e);
    EXPECT_EQ(e, TEditorType::edNormal);
}

TEST_F(VariablesEditingTest, EscAndBrowsingLoseNothing)
{
    Put(S(), 1, {true, "Array", "100", "blob"});
    Put(S(), 2, {true, "Int8", "1", "after"});
    vars->Calc_Position_Bit(S(), true);
    ASSERT_EQ(Place(S(), 2), "100/0");

    // Browsing the list and coming back: the Length as it was.
    Open_Type(S(), 1);
    Choose(S(), 1, "Bool");
    EXPECT_EQ(S()->Cells(3, 1), "1");
    Choose(S(), 1, "String");
    EXPECT_EQ(S()->Cells(3, 1), "10");
    Choose(S(), 1, "Array");
    EXPECT_EQ(S()->Cells(3, 1), "100");
    EXPECT_FALSE(Length_Read_Only(S(), 1));
    EXPECT_EQ(Place(S(), 2), "100/0");
    vars->EditCellDone(S(), 2, 1);

    // Esc after browsing away: the type comes back, and so does the Length.
    Open_Type(S(), 1);
    Choose(S(), 1, "Int32");
    EXPECT_TRUE(Length_Read_Only(S(), 1));
    EXPECT_EQ(Place(S(), 2), "4/0");
    Esc_Type(S(), 1, "Array");
    EXPECT_EQ(S()->Cells(3, 1), "100");
    EXPECT_FALSE(Length_Read_Only(S(), 1));
    EXPECT_EQ(Place(S(), 2), "100/0");

    // A different type committed keeps the rule's Length.
    Open_Type(S(), 1);
    Choose(S(), 1, "String");
    vars->EditCellDone(S(), 2, 1);
    EXPECT_EQ(S()->Cells(3, 1), "10");
    EXPECT_EQ(Place(S(), 2), "11/0");
}

TEST_F(VariablesEditingTest, EscOnAnEmptyRowLeavesItEmpty)
{
    Put(S(), 1, {true, "Int8", "1", "one"});
    Open_Type(S(), 2);
    // Opening the list selects its first item.
    Choose(S(), 2, "Bool");
    EXPECT_EQ(S()->Cells(3, 2), "1");
    Esc_Type(S(), 2, "");
    EXPECT_EQ(S()->Cells(2, 2), "");
    EXPECT_EQ(S()->Cells(3, 2), "");
    EXPECT_FALSE(Length_Read_Only(S(), 2));
    vars->Btn_OKClick(vars->Btn_OK);
    TEtherCAT_Variables saved;
    Read_EtherCAT_Slave(File_EtherCAT_Slave, saved);
    EXPECT_EQ(saved.StoM.size(), 1u) << "no variable was made";
}

TEST_F(VariablesEditingTest, ATypeEditAfterARowCommandStartsFromTheRowAsItIsThen)
{
    Put(S(), 1, {true, "Array", "100", "first"});
    Put(S(), 2, {true, "Array", "50", "second"});
    // The editor kind asked for without an edit (a click on the cell).
    Open_Type(S(), 1);
    boxes.Expect(mtConfirmation, "Are you sure to delete the Row number 1", mbYesNo, mrYes);
    vars->Btn_DelRowClick(vars->Btn_DelRow);
    ASSERT_EQ(S()->Cells(3, 1), "50");
    Open_Type(S(), 1);
    Choose(S(), 1, "Bool");
    Esc_Type(S(), 1, "Array");
    EXPECT_EQ(S()->Cells(3, 1), "50");
}

TEST_F(VariablesEditingTest, PasteKeepsTheLengthAndTheFlagFollowsTheType)
{
    Put(S(), 1, {true, "Array", "20", "blob"});
    Put(S(), 2, {true, "Int16", "2", "word"});
    S()->SetReadOnly(3, 2, true);
    S()->SetRow(1);
    vars->Btn_CopyRowClick(vars->Btn_CopyRow);
    EXPECT_TRUE(vars->Do_Copy_StM);
    EXPECT_FALSE(vars->Do_Copy_MtS);
    S()->SetRow(2);
    boxes.Expect(mtConfirmation, Lang_Text(1100), mbYesNo, mrYes);
    vars->Btn_PasteRowClick(vars->Btn_PasteRow);
    EXPECT_EQ(S()->Cells(2, 2), "Array");
    EXPECT_EQ(S()->Cells(3, 2), "20");
    EXPECT_FALSE(Length_Read_Only(S(), 2));
    EXPECT_EQ(Place(S(), 2), "20/0");

    // Copied in one table, pasted in the other: refused.
    M()->SetRow(1);
    vars->PageControl1->SetActivePage(vars->TS_MasterToSlave);
    boxes.Expect(mtError, Lang_Text(1102), TMsgDlgButtons{mbOK}, mrOk);
    vars->Btn_PasteRowClick(vars->Btn_PasteRow);
    EXPECT_EQ(M()->Cells(2, 1), "");
}

TEST_F(VariablesEditingTest, DeleteAnsweredNoStillRecomputes)
{
    Save_EtherCAT_Slave_Group(File_EtherCAT_Slave_Group, {{{"A", "2", ""}}, {}});
    vars->FormShow(vars);
    Put(S(), 1, {true, "Int16", "2", "one"});
    Put(S(), 2, {true, "Int8", "1", "two"});
    S()->SetCells(6, 2, "99");  // stale
    S()->SetRow(1);
    boxes.Expect(mtConfirmation, "Are you sure to delete the Row number 1", mbYesNo, mrNo);
    vars->Btn_DelRowClick(vars->Btn_DelRow);
    EXPECT_EQ(S()->Cells(2, 1), "Int16");
    EXPECT_EQ(Place(S(), 2), "2/0");
    EXPECT_EQ(Group(S(), 1), "A");
    EXPECT_EQ(Group(S(), 2), "A");
    EXPECT_EQ(Group(S(), 3), "");

    // Yes: the rows move up, the freed last row is editable again but its
    // derived columns are not, and the moved row's Length follows its type.
    Put(S(), 1, {true, "Array", "7", "one"});
    S()->SetReadOnly(3, 1, false);
    boxes.Expect(mtConfirmation, "Are you sure to delete the Row number 1", mbYesNo, mrYes);
    vars->Btn_DelRowClick(vars->Btn_DelRow);
    EXPECT_EQ(S()->Cells(2, 1), "Int8");
    EXPECT_TRUE(Length_Read_Only(S(), 1));
    EXPECT_EQ(Place(S(), 1), "0/0");
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(S()->ReadOnly(c, 256), c >= 6 && c <= 8) << c;
}

TEST_F(VariablesEditingTest, InsertKeepsTheFlagsAndAFullTableRefuses)
{
    Put(S(), 1, {true, "Int16", "2", "one"});
    Put(S(), 2, {true, "Array", "5", "two"});
    vars->Calc_Position_Bit(S(), true);
    S()->SetRow(2);
    vars->Btn_InsRowClick(vars->Btn_InsRow);
    EXPECT_EQ(S()->Cells(2, 2), "");
    EXPECT_TRUE(Ticked(S(), 2));
    EXPECT_EQ(S()->Cells(2, 3), "Array");
    EXPECT_FALSE(Length_Read_Only(S(), 3));
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(S()->ReadOnly(c, 2), c >= 6 && c <= 8) << "inserted row, column " << c;
    // Insert runs the groups only: saving stops at the empty row.
    vars->Btn_OKClick(vars->Btn_OK);
    TEtherCAT_Variables saved;
    Read_EtherCAT_Slave(File_EtherCAT_Slave, saved);
    EXPECT_EQ(saved.StoM.size(), 1u);

    // Row 256 in use: nothing moves.
    vars->FormShow(vars);
    Put(S(), 1, {true, "Int8", "1", "first"});
    Put(S(), 256, {true, "Bool", "1", "last"});
    S()->SetRow(1);
    boxes.Expect(mtError, Lang_Text(1142), TMsgDlgButtons{mbOK}, mrOk);
    vars->Btn_InsRowClick(vars->Btn_InsRow);
    EXPECT_EQ(S()->Cells(2, 1), "Int8");
    EXPECT_EQ(S()->Cells(4, 256), "last");
}

TEST_F(VariablesEditingTest, MoveSwapsRowsAndTheFlagsFollowTheTypes)
{
    Put(S(), 1, {true, "Int16", "2", "word"});
    Put(S(), 2, {false, "Array", "100", "blob"});
    S()->SetReadOnly(3, 1, true);
    S()->SetRow(2);
    vars->Btn_MoveClick(vars->Btn_MoveUp);
    EXPECT_EQ(S()->Row(), 1);
    EXPECT_EQ(S()->Cells(4, 1), "blob");
    EXPECT_FALSE(Ticked(S(), 1));
    EXPECT_TRUE(Ticked(S(), 2));
    EXPECT_EQ(S()->Cells(4, 2), "word");
    EXPECT_FALSE(Length_Read_Only(S(), 1));
    EXPECT_TRUE(Length_Read_Only(S(), 2));
    EXPECT_EQ(Place(S(), 1), "0/0");
    EXPECT_EQ(Place(S(), 2), "0/0");

    // The ends: nothing moves, the current row stays.
    vars->Btn_MoveClick(vars->Btn_MoveUp);
    EXPECT_EQ(S()->Row(), 1);
    EXPECT_EQ(S()->Cells(4, 1), "blob");
    Put(S(), 256, {true, "Bool", "1", "end"});
    S()->SetRow(256);
    vars->Btn_MoveClick(vars->Btn_MoveDown);
    EXPECT_EQ(S()->Row(), 256);
    EXPECT_EQ(S()->Cells(4, 256), "end");
    S()->SetRow(1);
    vars->Btn_MoveClick(vars->Btn_MoveDown);
    EXPECT_EQ(S()->Row(), 2);
    EXPECT_EQ(S()->Cells(4, 2), "blob");
}

TEST_F(VariablesEditingTest, EnableToggledRecomputesGroupsAndPlaces)
{
    Save_EtherCAT_Slave_Group(File_EtherCAT_Slave_Group, {{{"A", "1", ""}, {"B", "1", ""}}, {}});
    vars->FormShow(vars);
    Put(S(), 1, {true, "Bool", "1", "a"});
    Put(S(), 2, {true, "Bool", "1", "b"});
    vars->Show_Group(S(), true);
    vars->Calc_Position_Bit(S(), true);
    EXPECT_EQ(Place(S(), 2), "0/1");
    S()->SetCheckBoxState(1, 1, false);
    vars->CheckBoxChange(S(), 1, 1, false);
    EXPECT_EQ(Place(S(), 1), "0/0");
    EXPECT_EQ(Place(S(), 2), "0/0");
    EXPECT_EQ(Group(S(), 1), "");
    EXPECT_EQ(Group(S(), 2), "A");
    EXPECT_EQ(Group(S(), 3), "B") << "ticked rows below the used ones take names too";

    // A committed Length recomputes the places.
    Put(S(), 1, {true, "Array", "3", "a"});
    String v = "6";
    bool ok = false;
    vars->CellValidate(S(), 3, 1, v, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Place(S(), 2), "6/0");
}

TEST_F(VariablesEditingTest, HeadersAndHintsFollowTheLanguage)
{
    const QStringList mtos = {"N", "Enable", "Type", "Length", "Name", "Position", "Start Bit", "Group", "Mnemonic"};
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(M()->Cells(c, 0), mtos[c]);
    const int hints[] = {1024, 1025, 1026, 1028, 1029, 1030, 1031, 1061, 1032};
    Lang_Texts[1040] = "Nome";
    Lang_Texts[1061] = "Scegli il gruppo";
    Lang_Texts[1034] = "Da slave";
    vars->Set_Lang();
    EXPECT_EQ(M()->Cells(4, 0), "Nome");
    EXPECT_EQ(vars->TS_SlaveToMaster->Caption(), "Da slave");
    for (int c = 1; c <= 9; ++c) {
        String h;
        vars->GridHint(S(), 0, c, h);
        EXPECT_EQ(h, Lang_Text(hints[c - 1])) << c;
    }
    String h = "x";
    vars->GridHint(S(), 3, 2, h);
    EXPECT_EQ(h, "");
    vars->GridHint(M(), 0, 8, h);
    EXPECT_EQ(h, Lang_Text(1050));
}

TEST_F(VariablesEditingTest, EnterMovesInTheGridThatOwnsTheCell)
{
    Opt_Jump_Field_Tables = true;
    S()->SetCol(2);
    S()->SetRow(4);
    // The key comes from a control inside the grid (an editor).
    auto* inner = new TEdit(vars);
    inner->SetParent(S());
    QChar key = QChar(13);
    vars->KeyPress(inner, key);
    EXPECT_EQ(key, QChar(0));
    EXPECT_EQ(S()->Col(), 3);
    // Any other sender is no grid of the dialog: nothing moves.
    key = QChar(13);
    vars->KeyPress(vars->Btn_OK, key);
    EXPECT_EQ(key, QChar(13));
    EXPECT_EQ(S()->Col(), 3);
}

TEST_F(VariablesEditingTest, AShowResetsTheFlagsAndTheCopyFlags)
{
    Put(S(), 1, {true, "Int8", "1", "x"});
    S()->SetRow(1);
    vars->Btn_CopyRowClick(vars->Btn_CopyRow);
    for (int c = 1; c <= 9; ++c)
        S()->SetReadOnly(c, 200, true);
    vars->FormShow(vars);
    EXPECT_FALSE(vars->Do_Copy_StM);
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(S()->ReadOnly(c, 200), c >= 6 && c <= 8) << c;
    EXPECT_TRUE(Ticked(S(), 200));
}

TEST_F(VariablesEditingTest, AFileWithMoreRowsThanATableIsAnnounced)
{
    TEtherCAT_Variables file;
    for (int i = 0; i < 258; ++i)
        file.StoM.push_back({"Y", "Bool", "1", "b" + QString::number(i), "", "", "", "", ""});
    for (int i = 0; i < 257; ++i)
        file.MtoS.push_back({"N", "Int8", "1", "m" + QString::number(i), "", "", "", "", ""});
    // Saving writes 256 per direction at most: the rows are put in by hand.
    QString rows[2];
    for (int d = 0; d < 2; ++d)
        for (const TEtherCAT_Var& v : d == 0 ? file.StoM : file.MtoS)
            rows[d] += "<row Enable=\"" + v.Enable + "\" Type=\"" + v.Type + "\" Length=\"1\" Name=\"" + v.Name + "\"/>";
    dir.write("EtherCAT_Slave.xml",
              ("<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + rows[0] +
               "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>" + rows[1] +
               "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>")
                  .toUtf8());
    boxes.Expect(mtWarning,
                 Format_Lang(Lang_Text(1143), {2, 256}) + " [Slave To Master]\n" +
                     Format_Lang(Lang_Text(1143), {1, 256}) + " [Master To Slave]",
                 TMsgDlgButtons{mbOK}, mrOk);
    vars->FormShow(vars);
    EXPECT_EQ(S()->Cells(4, 256), "b255");
    EXPECT_EQ(M()->Cells(4, 256), "m255");
    EXPECT_EQ(Place(S(), 256), "31/7");
}

}  // namespace

namespace {

// OK reached without the focus leaving the cell (an accelerator): the open
// edit ends first, so the positions saved follow the Length just typed.
TEST_F(EtherCATDialogTest, OkEndsTheOpenEditFirst)
{
    TEtherCAT_Variables file;
    file.StoM = {{"Y", "Array", "10", "blob", "", "", "", "", ""}, {"Y", "Int8", "1", "after", "", "", "", "", ""}};
    Save_EtherCAT_Slave(File_EtherCAT_Slave, file);
    TestKit::ModalFormDriver modal;
    modal.When(vars, [this](TForm&) {
        const TRect r = S()->CellRect(3, 1);
        TestKit::Click(S(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        TestKit::PumpPostedMessages();
        TestKit::TypeText(nullptr, "2");
        TestKit::PumpPostedMessages();
        TestKit::TypeText(nullptr, "0");
        ASSERT_TRUE(S()->EditorMode());
        vars->Btn_OKClick(vars->Btn_OK);
        EXPECT_FALSE(S()->EditorMode());
    });
    EXPECT_EQ(vars->ShowModal(), mrOk);
    TEtherCAT_Variables saved;
    Read_EtherCAT_Slave(File_EtherCAT_Slave, saved);
    ASSERT_EQ(saved.StoM.size(), 2u);
    EXPECT_EQ(saved.StoM[0].Length, "20");
    EXPECT_EQ(saved.StoM[1].Position, "20");
}

}  // namespace

namespace {

// A click on a row's number reaches the dialog, which selects the whole row.
TEST_F(EtherCATDialogTest, ARowNumberClickSelectsTheRow)
{
    TEtherCAT_Variables file;
    file.StoM = {{"Y", "Int8", "1", "a", "", "", "", "", ""}, {"Y", "Int8", "1", "b", "", "", "", "", ""}};
    Save_EtherCAT_Slave(File_EtherCAT_Slave, file);
    TestKit::ModalFormDriver modal;
    modal.When(vars, [this](TForm&) {
        const TRect r = S()->CellRect(0, 2);
        TestKit::Click(S(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        TestKit::PumpPostedMessages();
        const TGridRect s = S()->Selection();
        EXPECT_EQ(s.Left, S()->FixedCols());
        EXPECT_EQ(s.Right, S()->ColCount() - 1);
        EXPECT_EQ(s.Top, 2);
        EXPECT_EQ(s.Bottom, 2);
        vars->SetModalResult(mrCancel);
    });
    vars->ShowModal();
}

}  // namespace
