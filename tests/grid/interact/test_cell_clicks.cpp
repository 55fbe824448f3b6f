// Presses on what is drawn inside cells: node glyphs (one node, all nodes
// from the header) and the node keys, rating stars, the halves of spin
// buttons, expand glyphs.
#include "keys_mouse_fixture.h"

#include "interact_fixture.h"

#include "grid/data/grid_data_holders.h"
#include "grid/edit/grid_special_editors.h"

namespace {

struct CellClickTest : KeyMouseTest {
    CellClickTest()
    {
        g->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("mousedown"); };
        g->OnClickCell = [this](TObject*, int R, int C) { log.push_back("clickcell " + Cell(R, C)); };
    }
    void Press(int X, int Y) { TestKit::MouseDown(g, X, Y); }
    void Release(int X, int Y) { TestKit::MouseUp(g, X, Y); }
};

struct NodeClickTest : CellClickTest {
    NodeClickTest()
    {
        // Row 2 heads rows 2 .. 5.
        g->AddNode(2, 4);
        auto rec = [this](const char* What) {
            return [this, What](TObject*, int R, int X) { log.push_back(std::string(What) + " " + Cell(R, X)); };
        };
        g->OnExpandNode = rec("expanded");
        g->OnContractNode = rec("contracted");
        g->OnBeforeExpandNode = [this](TObject*, int R, int X, bool& A) {
            log.push_back("expand? " + Cell(R, X));
            A = allow;
        };
        g->OnBeforeContractNode = [this](TObject*, int R, int X, bool& A) {
            log.push_back("contract? " + Cell(R, X));
            A = allow;
        };
    }
    bool allow = true;
    // The glyph of a level-1 node lies between 4 and 16 pixels.
    void ClickGlyph(int Row)
    {
        const TRect r = g->CellRect(0, Row);
        TestKit::Click(g, r.Left + 10, r.Top + 10);
    }
};

}  // namespace

TEST_F(NodeClickTest, TheGlyphContractsAndExpandsWithItsEventsInOrder)
{
    Goto(3, 7);
    ClickGlyph(2);
    EXPECT_EQ(log, (std::vector<std::string>{"mousedown", "clickcell 2,0", "contract? 2,2", "contracted 2,2"}));
    EXPECT_TRUE(g->GetNodeState(2));
    EXPECT_EQ(g->RowCount(), 7);
    // The press selects nothing.
    EXPECT_EQ(g->Col(), 3);
    log.clear();
    ClickGlyph(2);
    EXPECT_EQ(log, (std::vector<std::string>{"mousedown", "clickcell 2,0", "expand? 2,2", "expanded 2,2"}));
    EXPECT_FALSE(g->GetNodeState(2));
    EXPECT_EQ(g->RowCount(), 10);
    // A refusal changes nothing.
    allow = false;
    log.clear();
    ClickGlyph(2);
    EXPECT_EQ(log, (std::vector<std::string>{"mousedown", "clickcell 2,0", "contract? 2,2"}));
    EXPECT_FALSE(g->GetNodeState(2));
}

TEST_F(NodeClickTest, MoveRowOnNodeClickAndColumnZeroBesideTheGlyph)
{
    g->MouseActions()->SetMoveRowOnNodeClick(true);
    Goto(3, 7);
    ClickGlyph(2);
    EXPECT_EQ(Current(), "3,2");
    // Column 0 of a grid with nodes, away from the glyph: OnMouseDown and
    // OnClickCell, no selection.
    Goto(3, 4);
    const TRect r = g->CellRect(0, 4);
    TestKit::Click(g, r.Left + 60, r.Top + 10);
    EXPECT_EQ(log, (std::vector<std::string>{"mousedown", "clickcell 4,0"}));
    EXPECT_EQ(Current(), "3,4");
    EXPECT_TRUE(g->GetNodeState(2));
}

TEST_F(NodeClickTest, TheHeaderGlyphOpensAndClosesEveryNode)
{
    g->AddNode(7, 3);
    g->MouseActions()->SetNodeAllExpandContract(true);
    ClickGlyph(0);
    EXPECT_TRUE(g->AllNodesContracted());
    EXPECT_TRUE(g->GetNodeState(2));
    EXPECT_EQ(g->RowCount(), 10 - 3 - 2);
    ClickGlyph(0);
    EXPECT_FALSE(g->AllNodesContracted());
    EXPECT_EQ(g->RowCount(), 10);
}

TEST_F(NodeClickTest, AutoSelectGroupSelectsTheRowsOfAnOpenNode)
{
    g->AddNode(7, 2);
    g->Grouping()->SetAutoSelectGroup(true);
    g->SetGridOption(goRangeSelect, true);
    ClickCell(3, 2);
    EXPECT_EQ(RectText(g->Selection()), "1,2,5,5");
    ClickCell(3, 7);
    EXPECT_EQ(RectText(g->Selection()), "1,7,5,8");
    // A closed node, a row inside a node: the cell alone.
    ClickGlyph(2);
    ClickCell(3, 2);
    EXPECT_EQ(RectText(g->Selection()), "3,2,3,2");
    ClickCell(3, 3);
    EXPECT_EQ(RectText(g->Selection()), "3,3,3,3");
    // With disjunct rows: the child rows join the row selection.
    ClickGlyph(2);
    g->MouseActions()->SetDisjunctRowSelect(true);
    ClickCell(3, 2);
    std::vector<int> rows;
    for (int r = 0; r < g->RowCount(); ++r)
        if (g->GetRowSelect(r))
            rows.push_back(r);
    EXPECT_EQ(rows, (std::vector<int>{2, 3, 4, 5}));
}

TEST_F(NodeClickTest, RightAndLeftOnAMergedNodeRowOpenAndCloseIt)
{
    g->MergeCells(1, 2, 5, 1);
    Goto(1, 2);
    Key(VK_LEFT);
    EXPECT_TRUE(g->GetNodeState(2));
    Key(VK_LEFT);
    EXPECT_TRUE(g->GetNodeState(2));
    Key(VK_RIGHT);
    EXPECT_FALSE(g->GetNodeState(2));
    EXPECT_EQ(g->RowCount(), 10);
    // A node row whose current cell is not merged moves as any row does.
    g->SplitCells(1, 2);
    Goto(2, 2);
    Key(VK_LEFT);
    EXPECT_FALSE(g->GetNodeState(2));
    EXPECT_EQ(Current(), "1,2");
}

TEST_F(CellClickTest, RatingStarsTakeHalfAStarPerNinePixels)
{
    Editing(true);
    g->AddRating(2, 3, 5, clYellow, clGray);
    std::vector<std::string> asked;
    g->OnRatingChange = [&](TObject*, int C, int R, double& Rate, bool& Allow) {
        asked.push_back(Cell(C, R) + " " + std::to_string(Rate));
        if (Rate > 2)
            Rate = 2;
        Allow = Rate > 0;
    };
    const TRect r = g->CellRect(2, 3);
    const struct {
        int Dx;
        double Stored;
    } cases[] = {{30, 1.5}, {17, 0.5}, {60, 2}, {4, 2}};
    for (const auto& k : cases) {
        TestKit::Click(g, r.Left + k.Dx, r.Top + 5);
        EXPECT_DOUBLE_EQ(g->Floats(2, 3), k.Stored) << k.Dx;
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"2,3 1.500000", "2,3 0.500000", "2,3 3.000000", "2,3 0.000000"}));
    EXPECT_TRUE(std::find(log.begin(), log.end(), "clickcell 3,2") == log.end());
    // A cell that may not be edited is an ordinary cell.
    Editing(false);
    TestKit::Click(g, r.Left + 30, r.Top + 5);
    EXPECT_DOUBLE_EQ(g->Floats(2, 3), 2);
    EXPECT_EQ(Current(), "2,3");
}

TEST_F(CellClickTest, SpinButtonsAlwaysVisibleTellWhichHalfWasPressed)
{
    g->ControlLook()->SetSpinButtonsAlwaysVisible(true);
    g->OnHasSpinEdit = [](TObject*, int C, int, bool& Has) { Has = C == 2; };
    const TRect r = g->CellRect(2, 3);
    const struct {
        int Col, X, Y, Step;
    } cases[] = {
        {2, r.Right - 5, r.Top + 3, 1},
        {2, r.Right - 17, r.Bottom - 3, -1},
        {2, r.Right - 20, r.Top + 3, 0},
        {3, g->CellRect(3, 3).Right - 5, r.Top + 3, 0},
    };
    for (const auto& k : cases) {
        Press(k.X, k.Y);
        EXPECT_EQ(g->CellSpinClickStep(), k.Step) << k.X << "," << k.Y;
        Release(k.X, k.Y);
    }
    g->ControlLook()->SetSpinButtonsAlwaysVisible(false);
    Press(r.Right - 5, r.Top + 3);
    EXPECT_EQ(g->CellSpinClickStep(), 0);
    Release(r.Right - 5, r.Top + 3);
}

TEST_F(CellClickTest, AnExpandGlyphTogglesTheRowHeightOnAReleaseOverIt)
{
    Editing(true);
    g->AddExpand(2, 3, 60);
    g->OnExpandClick = [this](TObject*, int C, int R, bool E) { log.push_back("expandclick " + Cell(C, R) + (E ? " on" : " off")); };
    auto glyph = [&] { return g->GetExpandRect(2, 3); };
    const TRect e = glyph();
    const int x = (e.Left + e.Right) / 2, y = (e.Top + e.Bottom) / 2;
    Press(x, y);
    EXPECT_TRUE(g->MouseCapture());
    Release(x, y);
    EXPECT_FALSE(g->MouseCapture());
    EXPECT_EQ(log, (std::vector<std::string>{"clickcell 3,2", "expandclick 2,3 on"}));
    EXPECT_EQ(g->RowHeights(3), 60);
    EXPECT_EQ(Current(), "2,3");
    // Released away from the glyph: no toggle, the capture goes all the same.
    log.clear();
    const TRect e2 = glyph();
    Press((e2.Left + e2.Right) / 2, (e2.Top + e2.Bottom) / 2);
    Release(g->CellRect(4, 6).Left + 5, g->CellRect(4, 6).Top + 5);
    EXPECT_FALSE(g->MouseCapture());
    EXPECT_EQ(log, (std::vector<std::string>{"clickcell 3,2"}));
    EXPECT_EQ(g->RowHeights(3), 60);
    log.clear();
    TestKit::Click(g, (e2.Left + e2.Right) / 2, (e2.Top + e2.Bottom) / 2);
    EXPECT_EQ(log.back(), "expandclick 2,3 off");
    EXPECT_EQ(g->RowHeights(3), 20);
}

namespace {

struct ControlEditorTest : CellClickTest {
    ControlEditorTest()
    {
        Editing(true);
        g->SetEnableHTML(true);
        g->SetColWidths(2, 200);
        g->SetRowHeights(3, 30);
    }
    void ClickControl(int C, int R)
    {
        const TRect r = g->CellRect(C, R);
        TestKit::Click(g, r.Left + 10, r.Top + 12);
    }
};

}  // namespace

TEST_F(ControlEditorTest, AnEditControlOpensItsEditorWhichWritesTheValueBack)
{
    g->SetCells(2, 3, "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"abc\" WIDTH=\"80\"> kg");
    g->OnControlClick = [this](TObject*, int R, int C, const String& Id, const String& Type, const String& Val) {
        log.push_back("control " + Cell(C, R) + " " + Id.toStdString() + " " + Type.toStdString() + " " + Val.toStdString());
    };
    ClickControl(2, 3);
    EXPECT_EQ(log.back(), "control 2,3 e EDIT abc");
    ASSERT_TRUE(g->CtrlEditing());
    TWinControl* e = g->ControlEditor();
    ASSERT_TRUE(e && e->Visible());
    ASSERT_TRUE(e->Focused());
    // The editor opens with its value selected: typing replaces it.
    TestKit::TypeText(e, "d");
    // The focus going elsewhere ends the editor and stores the value.
    next->SetFocus();
    QCoreApplication::processEvents();
    EXPECT_FALSE(g->CtrlEditing());
    EXPECT_TRUE(g->Cells(2, 3).contains("VALUE=\"d\"")) << g->Cells(2, 3).toStdString();
    EXPECT_TRUE(g->Cells(2, 3).endsWith(" kg"));
    // Read-only: no editor, only the link.
    g->OnCanEditCell = [](TObject*, int, int, bool& E) { E = false; };
    ClickControl(2, 3);
    EXPECT_FALSE(g->CtrlEditing());
}

TEST_F(ControlEditorTest, AComboControlListsTheHandlersValuesAndReportsTheChoice)
{
    g->SetCells(2, 3, "<CONTROL TYPE=\"COMBO\" ID=\"c\" VALUE=\"red\" WIDTH=\"80\">");
    g->OnControlComboList = [](TObject*, int, int, const String&, const String&, const String&, TStringList& V,
                               bool& Edit, int&) {
        V.Add("red");
        V.Add("green");
        Edit = false;
    };
    g->OnControlComboSelect = [this](TObject*, int R, int C, int I, const String& Id, const String& V) {
        log.push_back("select " + Cell(C, R) + " " + std::to_string(I) + " " + Id.toStdString() + " " + V.toStdString());
    };
    ClickControl(2, 3);
    ASSERT_TRUE(g->CtrlEditing());
    TControlCombo* cb = g->ControlComboEditor();
    ASSERT_TRUE(cb);
    EXPECT_EQ(cb->ItemIndex(), 0);
    cb->SetItemIndex(1);
    ASSERT_TRUE(cb->OnSelect);
    cb->OnSelect(cb);
    EXPECT_EQ(log.back(), "select 2,3 1 c green");
    cb->SetDroppedDown(false);
    next->SetFocus();
    EXPECT_TRUE(g->Cells(2, 3).contains("VALUE=\"green\"")) << g->Cells(2, 3).toStdString();
}
