// Check boxes toggled by Space and by a left click: the text and state they
// leave, the events in order with the real column, the read-only column.
#include "../core/string_grid_probe.h"
#include "../edit/edit_fixture.h"
#include "grid/core/column_grid.h"
#include "grid/render/grid_render_holders.h"

namespace {

struct CheckBoxTest : EditTest {
    // Real column 2 holds data check boxes (its cells' editor kind).
    int checkCol = 2;
    CheckBoxTest()
    {
        grid->OnGetEditorType = [this](TObject*, int C, int, TEditorType& E) {
            if (C == checkCol)
                E = TEditorType::edDataCheckBox;
        };
        auto record = [this](const char* What) {
            return [this, What](TObject*, int C, int R, bool State) {
                log.push_back(std::string(What) + " " + std::to_string(C) + "," + std::to_string(R) + " " +
                              (State ? "on" : "off"));
            };
        };
        grid->OnCheckBoxChange = record("change");
        grid->OnCheckBoxClick = record("click");
        grid->OnKeyPress = nullptr;
    }
    void Space() { Key(VK_SPACE); }
    void ClickCell(int C, int R)
    {
        const TPoint p = Mid(C, R);
        TestKit::Click(grid, p.X, p.Y);
        TestKit::PumpPostedMessages();
    }
};

TEST_F(CheckBoxTest, SpaceAndClickToggleTheTextOfADataCheckBox)
{
    struct Case {
        const char* before;
        const char* after;
        const char* state;
    };
    const Case cases[] = {{"Y", "N", "off"}, {"N", "Y", "on"}, {"", "Y", "on"}, {"x", "Y", "on"}};
    for (bool click : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(click ? "click " : "space ") + "'" + c.before + "'");
            grid->SetCells(checkCol, 3, c.before);
            Goto(1, 3);
            if (click) {
                ClickCell(checkCol, 3);
            } else {
                Goto(checkCol, 3);
                Space();
            }
            EXPECT_EQ(S(grid->Cells(checkCol, 3)), c.after);
            const std::string st = c.state;
            EXPECT_EQ(log, (std::vector<std::string>{"change 2,3 " + st, "click 2,3 " + st}));
            EXPECT_FALSE(EditorShown());
            if (click) {
                EXPECT_EQ(Current(), TPoint(checkCol, 3));
            }
        }
    }
}

TEST_F(CheckBoxTest, EnterAndTypingDoNotToggle)
{
    grid->SetCells(checkCol, 2, "Y");
    Goto(checkCol, 2);
    Key(VK_RETURN);
    Type("a");
    EXPECT_EQ(S(grid->Cells(checkCol, 2)), "Y");
    EXPECT_TRUE(log.empty());
}

TEST_F(CheckBoxTest, AGraphicCheckBoxTogglesItsState)
{
    grid->AddCheckBox(3, 1, false, false);
    Goto(3, 1);
    Space();
    EXPECT_TRUE(grid->IsChecked(3, 1));
    ClickCell(3, 1);
    EXPECT_FALSE(grid->IsChecked(3, 1));
    EXPECT_EQ(log, (std::vector<std::string>{"change 3,1 on", "click 3,1 on", "change 3,1 off", "click 3,1 off"}));
}

TEST_F(CheckBoxTest, AHiddenColumnBeforeTheBoxReportsTheRealColumn)
{
    checkCol = 3;
    grid->SetCells(3, 2, "N");
    HideGridColumn(*grid, 1);
    ASSERT_EQ(grid->DisplColIndex(3), 2);
    Goto(2, 2);
    Space();
    ClickCell(2, 2);
    EXPECT_EQ(S(grid->AllCells(3, 2)), "N");
    EXPECT_EQ(log, (std::vector<std::string>{"change 3,2 on", "click 3,2 on", "change 3,2 off", "click 3,2 off"}));
}

TEST_F(CheckBoxTest, AReadOnlyColumnTogglesOnlyWithCheckAlwaysActive)
{
    for (int r = 0; r < 6; ++r)
        readOnly.insert({checkCol, r});
    for (bool always : {false, true}) {
        SCOPED_TRACE(always ? "CheckAlwaysActive" : "default");
        grid->ControlLook()->SetCheckAlwaysActive(always);
        grid->SetCells(checkCol, 4, "Y");
        Goto(checkCol, 4);
        Space();
        EXPECT_EQ(S(grid->Cells(checkCol, 4)), always ? "N" : "Y");
        grid->SetCells(checkCol, 4, "Y");
        Goto(1, 4);
        log.clear();
        ClickCell(checkCol, 4);
        EXPECT_EQ(S(grid->Cells(checkCol, 4)), always ? "N" : "Y");
        EXPECT_EQ(log.size(), always ? 2u : 0u);
    }
}

}  // namespace

namespace {

// The rule tables: a column grid whose column 1 edits data check boxes.
struct ColumnCheckTest : ::testing::Test {
    TestKit::InputStateScope input;
    bool startedModule = VynGridModule::Start();
    TForm form{nullptr};
    TVynColumnGrid* grid = nullptr;
    std::vector<std::string> log;
    ColumnCheckTest()
    {
        form.SetBounds(0, 0, 500, 300);
        grid = new TVynColumnGrid(&form);
        grid->SetBounds(8, 8, 420, 220);
        grid->SetColCount(3);
        grid->SetRowCount(4);
        grid->Columns()->Items(1)->SetEditor(TEditorType::edDataCheckBox);
        grid->SetOptions(grid->Options() + TGridOptions{goEditing});
        grid->SetParent(&form);
        grid->OnCheckBoxChange = [this](TObject*, int C, int R, bool State) {
            log.push_back("change " + std::to_string(C) + "," + std::to_string(R) + (State ? " on" : " off"));
        };
        grid->OnCheckBoxClick = [this](TObject*, int C, int R, bool State) {
            log.push_back("click " + std::to_string(C) + "," + std::to_string(R) + (State ? " on" : " off"));
        };
        form.Show();
        grid->SetFocus();
    }
    ~ColumnCheckTest() override
    {
        TestKit::PumpPostedMessages();
        if (startedModule)
            VynGridModule::End();
    }
};

TEST_F(ColumnCheckTest, SpaceAndClickToggleTheColumnsBoxesUnlessTheColumnIsReadOnly)
{
    grid->SetCells(1, 2, "Y");
    grid->FocusCell(1, 2, true);
    TestKit::TypeKey(nullptr, VK_SPACE);
    EXPECT_EQ(S(grid->Cells(1, 2)), "N");
    const TRect r = grid->CellRect(1, 3);
    TestKit::Click(grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(grid->Cells(1, 3)), "Y");
    EXPECT_EQ(log, (std::vector<std::string>{"change 1,2 off", "click 1,2 off", "change 1,3 on", "click 1,3 on"}));
    log.clear();
    grid->Columns()->Items(1)->SetReadOnly(true);
    TestKit::TypeKey(nullptr, VK_SPACE);
    TestKit::Click(grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    EXPECT_EQ(S(grid->Cells(1, 3)), "Y");
    EXPECT_TRUE(log.empty());
    grid->ControlLook()->SetCheckAlwaysActive(true);
    TestKit::TypeKey(nullptr, VK_SPACE);
    EXPECT_EQ(S(grid->Cells(1, 3)), "N");
}

}  // namespace
