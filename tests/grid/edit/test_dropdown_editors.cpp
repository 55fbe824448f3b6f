// The drop-down cell editors: which kinds open which control with which
// value, what each writes back, and the keys of the wrapper family.
#include "edit_fixture.h"

#include "grid/core/grid_types.h"
#include "grid/edit/grid_dropdown_editors.h"
#include "grid/render/grid_render_holders.h"

namespace {

struct DropTest : EditTest {
    TEditorType kind = TEditorType::edMemoDropDown;

    DropTest()
    {
        grid->OnGetEditorType = [this](TObject*, int C, int, TEditorType& E) {
            if (C == 2)
                E = kind;
        };
    }
    TVynCustomDropDown* Drop() const { return grid->DropDownEditor(kind, false); }
    bool DropShown() const { return Drop() && Drop()->Visible(); }
    void Open(int C, int R)
    {
        Goto(C, R);
        TestKit::TypeKey(grid, VK_F2);
        TestKit::PumpPostedMessages();
    }
};

// A plain drop-down as the control of a grid drop-down kind.
struct TTestGridDropDown : TGridDropDownEditor<TVynDropDown> {
    explicit TTestGridDropDown(TComponent* AOwner)
        : TGridDropDownEditor(AOwner, TDropDownEditorFlavour::Plain, false)
    {
    }
};

}  // namespace

TEST_F(DropTest, EachKindOpensItsControlLoadedWithTheCell)
{
    struct Case {
        TEditorType kind;
        const char* cell;
        const char* shown;
    };
    const Case cases[] = {
        {TEditorType::edTrackbarDropDown, "7", "7"},
        {TEditorType::edTrackbarDropDown, "seven", "0"},
        {TEditorType::edMemoDropDown, "alpha", "alpha"},
        {TEditorType::edCalculatorDropDown, "12", "12"},
        {TEditorType::edTimePickerDropDown, "10:20:30", "10:20:30"},
        {TEditorType::edDetailDropDown, "beta", "beta"},
    };
    for (const Case& c : cases) {
        kind = c.kind;
        SCOPED_TRACE(EnumToName(kind).toStdString() + " " + c.cell);
        grid->SetCells(2, 1, c.cell);
        Open(2, 1);
        ASSERT_TRUE(DropShown());
        EXPECT_TRUE(grid->EditMode);
        EXPECT_FALSE(EditorShown());
        EXPECT_EQ(S(Drop()->Text()).find(c.shown), 0u) << S(Drop()->Text());
        const TRect r = grid->CellRect(2, 1);
        EXPECT_EQ(Drop()->Left(), r.Left);
        EXPECT_EQ(Drop()->Top(), r.Top);
        Key(VK_ESCAPE);
        TestKit::PumpPostedMessages();
        EXPECT_FALSE(DropShown());
        EXPECT_FALSE(grid->EditMode);
        EXPECT_EQ(S(grid->Cells(2, 1)), c.cell) << "Esc keeps the cell";
    }
}

TEST_F(DropTest, GridDropDownKindsOpenOnlyThroughARegisteredFactory)
{
    for (TEditorType k : {TEditorType::edGridDropDown, TEditorType::edVynGridDropDown}) {
        kind = k;
        SCOPED_TRACE(EnumToName(kind).toStdString());
        grid->SetCells(2, 1, "2,1");
        Open(2, 1);
        EXPECT_EQ(Drop(), nullptr);
        EXPECT_FALSE(grid->EditMode) << "no control: nothing opens";
        EXPECT_EQ(S(grid->Cells(2, 1)), "2,1");

        RegisterGridDropDownFactory(k, [](TVynStringGrid* G) { return new TTestGridDropDown(G); });
        Open(2, 1);
        ASSERT_TRUE(DropShown());
        EXPECT_EQ(S(Drop()->Text()), "2,1");
        Key(VK_END);
        Type("!");
        Key(VK_RETURN);
        TestKit::PumpPostedMessages();
        EXPECT_EQ(S(grid->Cells(2, 1)), "2,1!");
        RegisterGridDropDownFactory(k, nullptr);
    }
    EXPECT_THROW(RegisterGridDropDownFactory(TEditorType::edMemoDropDown, nullptr), EInvalidOperation);
}

TEST_F(DropTest, TypedTextIsWrittenAndValidatedOnEnter)
{
    kind = TEditorType::edTimePickerDropDown;
    Validate();
    grid->SetCells(2, 1, "10:20:30");
    Open(2, 1);
    Drop()->SetTextDirect("11:22:33");
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(grid->Cells(2, 1)), "11:22:33");
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "validate 2,1 '11:22:33' cell '11:22:33'");
    EXPECT_FALSE(DropShown());
}

TEST_F(DropTest, ARefusedValueKeepsTheEditorWithTheValidatedText)
{
    kind = TEditorType::edCalculatorDropDown;
    Validate([](String& Value, bool& Valid) {
        Valid = false;
        Value = "99";
    });
    grid->SetCells(2, 1, "12");
    Open(2, 1);
    Drop()->SetTextDirect("13");
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_TRUE(DropShown());
    EXPECT_EQ(Current(), TPoint(2, 1));
    EXPECT_DOUBLE_EQ(Drop()->Text().toDouble(), 99.0) << S(Drop()->Text());
}

TEST_F(DropTest, EnterInTheCalculatorCompletesThePendingCalculationFirst)
{
    kind = TEditorType::edCalculatorDropDown;
    Validate();
    grid->SetCells(2, 1, "12");
    Open(2, 1);
    Type("+3");
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(DropShown());
    EXPECT_DOUBLE_EQ(grid->Cells(2, 1).toDouble(), 15.0) << S(grid->Cells(2, 1));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().rfind("validate 2,1 '15", 0), 0u) << log.front();
}

TEST_F(DropTest, EscInAClosedMemoRestoresTheCellAndFocusesTheGrid)
{
    kind = TEditorType::edMemoDropDown;
    grid->SetCells(2, 1, "alpha");
    Open(2, 1);
    ASSERT_FALSE(Drop()->DroppedDown());
    Drop()->SetTextDirect("changed");
    Key(VK_ESCAPE);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(grid->Cells(2, 1)), "alpha");
    EXPECT_FALSE(DropShown());
    EXPECT_TRUE(grid->Focused());
}

TEST_F(DropTest, AltDownOpensThePopupInsteadOfLeavingTheCell)
{
    for (TEditorType k : {TEditorType::edMemoDropDown, TEditorType::edCalculatorDropDown,
                          TEditorType::edColorPickerDropDown, TEditorType::edTrackbarDropDown}) {
        kind = k;
        SCOPED_TRACE(EnumToName(kind).toStdString());
        Open(2, 1);
        ASSERT_TRUE(DropShown());
        Key(VK_DOWN, TShiftState{ssAlt});
        TestKit::PumpPostedMessages();
        EXPECT_TRUE(Drop()->DroppedDown());
        EXPECT_TRUE(DropShown());
        EXPECT_EQ(Current(), TPoint(2, 1));
        Drop()->HideDropDown(true);
        Key(VK_ESCAPE);
        TestKit::PumpPostedMessages();
    }
}

TEST_F(DropTest, DownValidatesAndMovesARow)
{
    kind = TEditorType::edMemoDropDown;
    Validate();
    Open(2, 1);
    Drop()->SetTextDirect("new");
    Key(VK_DOWN);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(grid->Cells(2, 1)), "new");
    EXPECT_EQ(Current(), TPoint(2, 2));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "validate 2,1 'new' cell 'new'");
}

TEST_F(DropTest, UpInAClosedColourPickerEndsTheEditWithoutItsValidation)
{
    kind = TEditorType::edColorPickerDropDown;
    Validate();
    Open(2, 2);
    ASSERT_TRUE(DropShown());
    Key(VK_UP);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(DropShown());
    EXPECT_EQ(Current(), TPoint(2, 1));
    for (const std::string& e : log)
        EXPECT_EQ(e.rfind("validate", 0), std::string::npos) << e;
}

TEST_F(DropTest, TheColourPickerWritesTheColourTextAndTheCellColour)
{
    kind = TEditorType::edColorPickerDropDown;
    grid->AddShape(2, 3, TCellShape::csCircle, clBlue, clBlack, TCellHAlign::haLeft, TCellVAlign::vaTop);
    struct Case {
        int row;
        bool shape;
    };
    for (const Case c : {Case{1, false}, Case{3, true}}) {
        SCOPED_TRACE(c.row);
        Open(2, c.row);
        auto* p = static_cast<TVynColorPickerDropDown*>(Drop());
        ASSERT_TRUE(DropShown());
        p->SetSelectedColor(clRed);
        const String text = p->SelectedColorText();
        Key(VK_RETURN);
        TestKit::PumpPostedMessages();
        EXPECT_FALSE(DropShown());
        EXPECT_EQ(S(grid->Cells(2, c.row)), S(text));
        if (c.shape)
            EXPECT_EQ(grid->GetShapeColor(2, c.row), clRed);
        else
            EXPECT_EQ(grid->Colors(2, c.row), clRed);
    }
    // OnColorSelected may change both.
    grid->OnColorSelected = [](TObject*, int, int, TColor& Color, String& Value) {
        Color = clGreen;
        Value = "green";
    };
    Open(2, 1);
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(grid->Cells(2, 1)), "green");
    EXPECT_EQ(grid->Colors(2, 1), clGreen);
}

TEST_F(DropTest, TheColourPickerAndTheTrackBarClaimEnterAndEscAllClaimTab)
{
    struct Case {
        TEditorType kind;
        bool enterEsc;
    };
    grid->SetOptions(grid->Options() + TGridOptions{goTabs});
    for (const Case c : {Case{TEditorType::edColorPickerDropDown, true}, Case{TEditorType::edTrackbarDropDown, true},
                         Case{TEditorType::edMemoDropDown, false}, Case{TEditorType::edDetailDropDown, false}}) {
        kind = c.kind;
        SCOPED_TRACE(EnumToName(kind).toStdString());
        Open(2, 1);
        ASSERT_TRUE(DropShown());
        // The others leave Enter and Esc to the drop-down's own answer.
        if (c.enterEsc) {
            EXPECT_NE(Drop()->Perform(CM_WANTSPECIALKEY, VK_RETURN), 0);
            EXPECT_NE(Drop()->Perform(CM_WANTSPECIALKEY, VK_ESCAPE), 0);
        }
        EXPECT_NE(Drop()->Perform(CM_WANTSPECIALKEY, VK_TAB), 0);
        Key(VK_ESCAPE);
        TestKit::PumpPostedMessages();
    }
}

TEST_F(DropTest, TabWithGoTabsCommitsAndMovesToTheNextCell)
{
    kind = TEditorType::edMemoDropDown;
    grid->SetOptions(grid->Options() + TGridOptions{goTabs});
    Open(2, 1);
    Drop()->SetTextDirect("tabbed");
    Key(VK_TAB);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(grid->Cells(2, 1)), "tabbed");
    EXPECT_EQ(Current(), TPoint(3, 1));
    EXPECT_FALSE(DropShown());
}

TEST_F(DropTest, TheStartCharacterIsReplayedOnceAndReportedOnce)
{
    kind = TEditorType::edMemoDropDown;
    grid->SetCells(2, 1, "");
    Goto(2, 1);
    Type("q");
    TestKit::PumpPostedMessages();
    ASSERT_TRUE(DropShown());
    EXPECT_EQ(S(Drop()->Text()), "q");
    EXPECT_EQ(std::count(log.begin(), log.end(), "press q"), 1);
}
