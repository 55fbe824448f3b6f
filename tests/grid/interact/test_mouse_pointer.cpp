// Mouse buttons and pointer moves: event orders of clicks, OnClickCell and
// its veto, double-click sizing, cell buttons and the capture, fixed-border
// sizing, direct editing, links and form controls (and which links the shell
// sees), hover rows, sizing borders and hints, range-select editing,
// disjunct cells, the right button and the filter list's check marks.
#include <QDir>
#include <QPainter>

#include <memory>

#include "keys_mouse_fixture.h"

#include "grid/edit/grid_edit_holders.h"
#include "platform/gui/hintwindow.h"
#include "platform/os/recording_shell_opener.h"

namespace {

struct MouseTest : KeyMouseTest {
    MouseTest()
    {
        g->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("mousedown"); };
        g->OnClick = [this](TObject*) { log.push_back("click"); };
        g->OnClickCell = [this](TObject*, int R, int C) { log.push_back("clickcell " + std::to_string(R) + "," + std::to_string(C)); };
    }
    // Down, moves and up without the click's own bookkeeping.
    void Drag(int X0, int Y, int X1)
    {
        TestKit::MouseMove(g, X0, Y);
        TestKit::MouseDown(g, X0, Y);
        TestKit::MouseMove(g, (X0 + X1) / 2, Y);
        TestKit::MouseMove(g, X1, Y);
        TestKit::MouseUp(g, X1, Y);
    }
};

TEST_F(MouseTest, ADataCheckBoxClickTogglesWithoutOnClickCell)
{
    Editing(true);
    g->OnGetEditorType = [](TObject*, int C, int, TEditorType& E) {
        if (C == 2)
            E = TEditorType::edDataCheckBox;
    };
    g->OnCheckBoxChange = [this](TObject*, int C, int R, bool S) { log.push_back("change " + Cell(C, R) + (S ? " on" : " off")); };
    g->OnCheckBoxClick = [this](TObject*, int C, int R, bool S) { log.push_back("boxclick " + Cell(C, R) + (S ? " on" : " off")); };
    g->SetCells(2, 3, "Y");
    Goto(4, 6);
    ClickCell(2, 3);
    EXPECT_EQ(g->Cells(2, 3), "N");
    EXPECT_EQ(log, (std::vector<std::string>{"change 2,3 off", "boxclick 2,3 off", "mousedown", "click"}));
    EXPECT_EQ(Current(), "2,3");
}

TEST_F(MouseTest, PreciseCheckBoxCheckTogglesOnlyOnTheGlyph)
{
    Editing(true);
    g->AddCheckBox(3, 4, false, false);
    g->MouseActions()->SetPreciseCheckBoxCheck(true);
    Goto(1, 1);
    const TRect r = g->CellRect(3, 4);
    TestKit::Click(g, r.Right - 10, r.Top + 8);
    EXPECT_FALSE(g->IsChecked(3, 4));
    EXPECT_EQ(Current(), "3,4");
    EXPECT_NE(std::find(log.begin(), log.end(), "clickcell 4,3"), log.end());
    log.clear();
    TestKit::Click(g, r.Left + 6, r.Top + 8);
    EXPECT_TRUE(g->IsChecked(3, 4));
    EXPECT_EQ(std::find(log.begin(), log.end(), "clickcell 4,3"), log.end());
}

TEST_F(MouseTest, OnClickCellComesRowFirstAndOnCanClickCellMayRefuse)
{
    Goto(2, 2);
    ClickCell(0, 4);  // the row-number column
    EXPECT_NE(std::find(log.begin(), log.end(), "clickcell 4,0"), log.end());
    log.clear();
    ClickCell(3, 5);
    EXPECT_NE(std::find(log.begin(), log.end(), "clickcell 5,3"), log.end());
    EXPECT_EQ(Current(), "3,5");
    g->OnCanClickCell = [this](TObject*, int R, int C, bool& A) {
        log.push_back("can " + std::to_string(R) + "," + std::to_string(C));
        A = false;
    };
    log.clear();
    ClickCell(4, 7);
    EXPECT_EQ(log, (std::vector<std::string>{"can 7,4"}));
    EXPECT_EQ(Current(), "3,5");
}

TEST_F(MouseTest, DoubleClickOnAHeaderBorderSizesAndTheReleaseDoesNotSort)
{
    g->SetOptions(g->Options() + TGridOptions{goColSizing});
    g->OnEndColumnSize = [this](TObject*, int C) { log.push_back("endsize " + std::to_string(C)); };
    // Right border of column 2, then the left border of column 3 (sizes 2 too).
    for (int dx : {-1, 2}) {
        SCOPED_TRACE(dx);
        g->SetColWidths(2, 150);
        const int x = g->CellRect(2, 0).Right + dx;
        TestKit::MouseDown(g, x, 5);
        TestKit::MouseUp(g, x, 5);
        log.clear();
        g->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, 5));
        TestKit::MouseUp(g, x, 5);
        EXPECT_LT(g->ColWidths(2), 150);
        EXPECT_NE(std::find(log.begin(), log.end(), "endsize 2"), log.end());
        for (const std::string& e : log)
            EXPECT_EQ(e.rfind("sort", 0), std::string::npos);
    }
    // A plain header click sorts as its last step.
    log.clear();
    ClickCell(3, 0);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "sort 3,0");
}

TEST_F(MouseTest, ACellButtonCapturesTheMouseUntilTheRelease)
{
    Editing(true);
    g->AddButton(3, 4, 30, 16, "...", TCellHAlign::haRight, TCellVAlign::vaCenter);
    g->OnButtonClick = [this](TObject*, int C, int R) { log.push_back("button " + Cell(C, R)); };
    const TRect b = g->GetCellGraphicRect(3, 4);
    ASSERT_GT(b.Width(), 0);
    const TPoint p((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
    // Released far away: no button click, the capture is gone.
    TestKit::MouseDown(g, p.X, p.Y);
    EXPECT_TRUE(g->MouseCapture());
    TestKit::MouseUp(g, 700, 450);
    EXPECT_FALSE(g->MouseCapture());
    EXPECT_EQ(std::count(log.begin(), log.end(), "button 3,4"), 0);
    // Released over it.
    TestKit::Click(g, p.X, p.Y);
    EXPECT_FALSE(g->MouseCapture());
    EXPECT_EQ(std::count(log.begin(), log.end(), "button 3,4"), 1);
}

TEST_F(MouseTest, DraggingAFixedBorderSetsTheWidthFromThePointer)
{
    g->SetFixedCols(2);
    g->MouseActions()->SetSizeFixedCol(true);
    int answer = -1;
    g->OnEndColumnSize = [this](TObject*, int C) { log.push_back("end " + std::to_string(C)); };
    g->OnUpdateColumnSize = [&](TObject*, int C, int& W) {
        log.push_back("update " + std::to_string(C) + " " + std::to_string(W));
        if (answer >= 0)
            W = answer;
    };
    // Column 1's right border: 80 + 80 + one line.
    Drag(161, 30, 190);
    EXPECT_EQ(log, (std::vector<std::string>{"end 1", "update 1 110"}));
    EXPECT_EQ(g->ColWidths(1), 110);
    answer = 50;
    log.clear();
    Drag(80, 30, 60);
    EXPECT_EQ(log, (std::vector<std::string>{"end 0", "update 0 60"}));
    EXPECT_EQ(g->ColWidths(0), 50);
}

TEST_F(MouseTest, DirectEditAsksTheThreeChangingEventsOnOneAllow)
{
    Editing(true);
    g->MouseActions()->SetDirectEdit(true);
    int refuse = 0;
    g->OnRowChanging = [&](TObject*, int, int, bool& A) {
        log.push_back("row " + std::string(A ? "1" : "0"));
        A = A && refuse != 1;
    };
    g->OnColChanging = [&](TObject*, int, int, bool& A) {
        log.push_back("col " + std::string(A ? "1" : "0"));
        A = A && refuse != 2;
    };
    g->OnCellChanging = [&](TObject*, int, int, int, int, bool& A) { log.push_back("cell " + std::string(A ? "1" : "0")); };
    Goto(1, 1);
    refuse = 1;
    g->OnMouseDown = nullptr;
    g->OnClick = nullptr;
    g->OnClickCell = nullptr;
    ClickCell(3, 4);
    // The press is refused; the direct edit asks again, as refused.
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 3),
              (std::vector<std::string>{"row 1", "col 0", "cell 0"}));
    EXPECT_EQ(Current(), "1,1");
    refuse = 0;
    log.clear();
    Goto(1, 1);
    ClickCell(3, 4);
    EXPECT_EQ(log, (std::vector<std::string>{"row 1", "col 1", "cell 1"}));
    EXPECT_EQ(Current(), "3,4");
    EXPECT_TRUE(g->NormalEdit() && g->NormalEdit()->Visible());
}

struct LinkTest : MouseTest {
    Recording_Shell_Opener* shell = nullptr;
    LinkTest()
    {
        auto s = std::make_unique<Recording_Shell_Opener>();
        shell = s.get();
        Set_Shell_Opener(std::move(s));
        g->SetEnableHTML(true);
        g->SetColWidths(2, 200);
        g->OnAnchorClick = [this](TObject*, int R, int C, const String& A, bool&) {
            log.push_back("anchor " + std::to_string(R) + "," + std::to_string(C) + " " + A.toStdString());
        };
    }
    ~LinkTest() override { Set_Shell_Opener(nullptr); }
    void ClickText(int C, int R)
    {
        const TRect r = g->CellRect(C, R);
        TestKit::Click(g, r.Left + 6, r.Top + 8);
    }
};

TEST_F(LinkTest, OnlyWebAndMailAddressesReachTheShell)
{
    g->SetURLShow(true);
    const char* texts[] = {"http://a.example/x", "https://b.example", "mailto:x@example.org", "file:///etc/passwd",
                           "<a href=\"ftp://c.example\">f</a>", "<a href=\"javascript:run()\">j</a>",
                           "<a href=\"c:\\\\tools\\\\run.exe\">e</a>", "<a href=\"https://d.example\">d</a>"};
    for (const char* t : texts) {
        g->SetCells(2, 3, t);
        ClickText(2, 3);
    }
    EXPECT_EQ(shell->targets,
              (QStringList{"http://a.example/x", "https://b.example", "mailto:x@example.org", "https://d.example"}));
    // OnAnchorClick hears of every link first and may keep it from the shell.
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& e) { return e.rfind("anchor", 0) == 0; }),
              8);
    g->OnAnchorClick = [](TObject*, int, int, const String&, bool& Auto) { Auto = false; };
    g->SetCells(2, 3, "https://e.example");
    ClickText(2, 3);
    EXPECT_EQ(shell->targets.size(), 4);
}

TEST_F(LinkTest, ACellLinkJumpsAndScrolls)
{
    g->SetRowCount(60);
    g->SetCells(2, 3, "<a href=\"CELL://R50C4\">go</a>");
    Goto(1, 1);
    ClickText(2, 3);
    EXPECT_EQ(Current(), "4,50");
    EXPECT_GT(g->TopRow(), 1);
    // Only as a prefix.
    g->SetCells(2, 3, "<a href=\"x CELL://R5C2\">go</a>");
    Goto(1, 1);
    ClickText(2, 3);
    EXPECT_NE(Current(), "2,5");
    EXPECT_TRUE(shell->targets.isEmpty());
}

TEST_F(LinkTest, FormControlsRewriteTheStoredText)
{
    Editing(true);
    g->OnControlClick = [this](TObject*, int R, int C, const String& Id, const String& Type, const String& Val) {
        log.push_back("control " + Cell(C, R) + " " + Id.toStdString() + " " + Type.toStdString() + " " +
                      Val.toStdString());
    };
    const String check = "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"FALSE\" WIDTH=\"20\">";
    g->SetCells(2, 3, check);
    ClickText(2, 3);
    EXPECT_TRUE(g->Cells(2, 3).contains("VALUE=\"TRUE\"")) << g->Cells(2, 3).toStdString();
    EXPECT_EQ(log.front(), "control 2,3 c CHECK TRUE");
    ClickText(2, 3);
    EXPECT_TRUE(g->Cells(2, 3).contains("VALUE=\"FALSE\""));
    // A read-only cell only reports the link.
    g->OnCanEditCell = [](TObject*, int, int, bool& E) { E = false; };
    log.clear();
    ClickText(2, 3);
    EXPECT_TRUE(g->Cells(2, 3).contains("VALUE=\"FALSE\""));
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("anchor 3,2", 0), 0u);
}

TEST_F(MouseTest, HoverRowRepaintsRowsOnly)
{
    g->SetHoverRow(true);
    const int full = g->FullRepaints;
    TestKit::MouseMove(g, 100, Mid(1, 3).Y);
    EXPECT_EQ(g->HoverRowIndex(), 3);
    TestKit::MouseMove(g, 200, Mid(1, 3).Y + 2);
    TestKit::MouseMove(g, 200, Mid(1, 6).Y);
    EXPECT_EQ(g->HoverRowIndex(), 6);
    EXPECT_EQ(g->FullRepaints, full);
    TestKit::MouseLeave(g);
    EXPECT_EQ(g->HoverRowIndex(), -1);
}

TEST_F(MouseTest, IsNearSizingBorder)
{
    g->SetOptions(g->Options() + TGridOptions{goColSizing});
    const TRect h = g->CellRect(2, 0);
    const TRect d = g->CellRect(2, 4);
    struct Case {
        int x, y;
        bool near;
    };
    const Case cases[] = {{h.Left + 2, 5, true},       {h.Right - 2, 5, true},  {(h.Left + h.Right) / 2, 5, false},
                          {d.Right - 2, d.Top + 5, false}, {700, 5, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(g->IsNearSizingBorder(c.x, c.y), c.near);
    }
}

TEST_F(MouseTest, SizingAColumnShowsItsWidthAndARelease)
{
    g->SetOptions(g->Options() + TGridOptions{goColSizing});
    g->SetHintShowSizing(true);
    std::vector<int> sizing;
    g->OnColumnSizing = [&](TObject*, int C, int W) {
        if (C == 2)
            sizing.push_back(W);
    };
    const int edge = g->CellRect(2, 0).Right - 1;
    // Released right of the grid: the width stays.
    TestKit::MouseMove(g, edge, 5);
    TestKit::MouseDown(g, edge, 5);
    TestKit::MouseMove(g, edge + 20, 5);
    ASSERT_FALSE(sizing.empty());
    EXPECT_EQ(sizing.back(), 100);
    ASSERT_TRUE(g->ScrollHintWindow());
    EXPECT_EQ(g->ScrollHintWindow()->Caption(), "cw=<b>100</b>");
    TestKit::MouseMove(g, g->ClientWidth() + 30, 5);
    TestKit::MouseUp(g, g->ClientWidth() + 30, 5);
    EXPECT_EQ(g->ColWidths(2), 80);
    EXPECT_FALSE(g->ScrollHintShowing());
    // Released inside: the width shown.
    Drag(edge, 5, edge + 20);
    EXPECT_EQ(g->ColWidths(2), 100);
}

TEST_F(MouseTest, AColumnResizeDrawsItsLineAndHint)
{
    g->SetOptions(g->Options() + TGridOptions{goColSizing});
    g->SetHintShowSizing(true);
    const int edge = g->CellRect(2, 0).Right - 1;
    TestKit::MouseMove(g, edge, 5);
    TestKit::MouseDown(g, edge, 5);
    TestKit::MouseMove(g, edge + 40, 5);
    QCoreApplication::processEvents();
    QImage img = TestKit::RenderToImage(g);
    THintWindow* hint = g->ScrollHintWindow();
    ASSERT_TRUE(hint && hint->Visible());
    const QImage hintImg = TestKit::RenderToImage(hint);
    const TPoint at = g->ScreenToClient(TPoint(hint->Left(), hint->Top()));
    {
        QPainter p(&img);
        p.drawImage(at.X, at.Y, hintImg);
    }
    img.save(QDir::temp().filePath("grid_column_resize.png"));
    // The size line crosses the data cells where the border will go; the
    // hint sits at the top-left corner of the sized column's header.
    const int y = Mid(1, 6).Y;
    int darkest = 255;
    for (int x = edge + 38; x <= edge + 42; ++x)
        darkest = std::min(darkest, img.pixelColor(x, y).lightness());
    EXPECT_LT(darkest, 128);
    EXPECT_GT(img.pixelColor(edge + 60, y).lightness(), 128);
    EXPECT_EQ(at.X, g->CellRect(2, 0).Left);
    EXPECT_EQ(at.Y, 0);
    TestKit::MouseUp(g, edge + 40, 5);
    EXPECT_EQ(g->ColWidths(2), 120);
}

TEST_F(MouseTest, RangeSelectAndEditOpensTheCurrentCellOnly)
{
    g->MouseActions()->SetRangeSelectAndEdit(true);
    Goto(2, 2);
    ClickCell(2, 2);
    EXPECT_TRUE(g->NormalEdit() && g->NormalEdit()->Visible());
    TestKit::TypeKey(nullptr, VK_ESCAPE);
    g->SetFocus();
    ClickCell(4, 5, {ssShift});
    EXPECT_FALSE(g->NormalEdit() && g->NormalEdit()->Visible());
    const TGridRect s = g->Selection();
    EXPECT_EQ(Cell(s.Left, s.Top) + " " + Cell(s.Right, s.Bottom), "2,2 4,5");
}

TEST_F(MouseTest, CtrlReleasesTwiceUnselectADisjunctCell)
{
    g->MouseActions()->SetDisjunctCellSelect(true);
    ClickCell(3, 3);
    EXPECT_TRUE(g->SelectedCells(3, 3));
    ClickCell(4, 4, {ssCtrl});
    EXPECT_TRUE(g->SelectedCells(4, 4));
    ClickCell(4, 4, {ssCtrl});
    EXPECT_FALSE(g->SelectedCells(4, 4));
    EXPECT_TRUE(g->SelectedCells(3, 3));
}

TEST_F(MouseTest, SelectOnRightClickMakesTheCellCurrentFirst)
{
    g->MouseActions()->SetSelectOnRightClick(true);
    g->OnRightClickCell = [this](TObject*, int R, int C) {
        log.push_back("right " + std::to_string(R) + "," + std::to_string(C) + " at " + Current());
    };
    Goto(1, 1);
    const TPoint p = Mid(3, 6);
    TestKit::Click(g, p.X, p.Y, {}, mbRight);
    EXPECT_NE(std::find(log.begin(), log.end(), "right 6,3 at 3,6"), log.end());
    log.clear();
    TestKit::Click(g, 700, 450, {}, mbRight);
    g->MouseActions()->SetSelectOnRightClick(false);
    TestKit::Click(g, Mid(4, 2).X, Mid(4, 2).Y, {}, mbRight);
    EXPECT_NE(std::find(log.begin(), log.end(), "right 2,4 at 3,6"), log.end());
}

TEST(FilterListEntry, ABlankIsCheckedOnlyWhenQuoted)
{
    struct Case {
        const char* entry;
        std::vector<String> conditions;
        bool checked;
    };
    const Case cases[] = {{"North", {"North"}, true},
                          {"North=1", {"North"}, true},
                          {"New York", {"New York"}, false},
                          {"New York", {"\"New York\""}, true},
                          {"New York=2", {"\"New York\""}, true},
                          {"South", {"North"}, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(TVynStringGrid::FilterEntryChecked(c.entry, c.conditions), c.checked);
    }
}

}  // namespace
