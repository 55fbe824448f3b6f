// The drop-down button of fixed cells and its menu, the hovered fixed cell
// as painted, and the hot fixed cell of the list-view look.
#include <QDir>

#include "keys_mouse_fixture.h"

#include "platform/gui/menus.h"
#include "platform/testing/render_png.h"

namespace {

struct FixedDropDownTest : KeyMouseTest {
    TPopupMenu* menu = nullptr;
    std::vector<std::string> shown;
    TPoint shownAt{-1, -1};
    TPopupMenuChooser previous;
    FixedDropDownTest()
    {
        g->SetHoverFixedCells(THoverFixedCells::hfAll);
        g->ControlLook()->SetFixedDropDownButton(true);
        menu = new TPopupMenu(&form);
        menu->Items() = QStringList{"Sort", "Hide"};
        menu->OnItemClick = [this](TObject* S, int Item) {
            log.push_back("item " + std::to_string(Item) + " tag " + std::to_string(static_cast<TComponent*>(S)->Tag()));
        };
        previous = SetPopupMenuChooser([this](const QStringList& Items, TPoint At) {
            shown.push_back(Items.join(",").toStdString());
            shownAt = At;
            // The cell is drawn hot while the menu is open.
            log.push_back("menu hover " + Cell(g->HoverFixedCell().X, g->HoverFixedCell().Y));
            return 2;
        });
    }
    ~FixedDropDownTest() override { SetPopupMenuChooser(previous); }
    // A press inside the button of header cell C (Dx pixels from its right).
    void PressButton(int C, int Dx = 8)
    {
        const TRect r = g->CellRect(C, 0);
        TestKit::MouseMove(g, r.Right - Dx, r.Top + 5);
        TestKit::MouseDown(g, r.Right - Dx, r.Top + 5);
    }
};

}  // namespace

TEST_F(FixedDropDownTest, APressOnTheButtonPopsTheMenuUpBelowIt)
{
    g->SetFixedDropDownMenu(menu);
    Goto(1, 4);
    PressButton(2);
    ASSERT_EQ(shown, (std::vector<std::string>{"Sort,Hide"}));
    const TRect r = g->CellRect(2, 0);
    EXPECT_EQ(shownAt, g->ClientToScreen(TPoint(r.Right - 16, r.Bottom)));
    EXPECT_EQ(log, (std::vector<std::string>{"menu hover 2,0", "item 2 tag 2"}));
    // The press went no further: the current cell stays, the hover is gone.
    EXPECT_EQ(Current(), "1,4");
    EXPECT_EQ(g->HoverFixedCell(), TPoint(-1, -1));
    TestKit::MouseUp(g, r.Right - 8, r.Top + 5);
}

TEST_F(FixedDropDownTest, TheZoneAndTheHandler)
{
    std::vector<std::string> asked;
    TPopupMenu* other = nullptr;
    bool keep = false;
    g->OnFixedDropDownClick = [&](TObject*, int C, int R, TPopupMenu*& M, bool& Keep) {
        asked.push_back(Cell(C, R) + (M ? " menu" : " none"));
        M = other;
        Keep = keep;
    };
    // A handler without a menu: asked, nothing pops up.
    PressButton(3);
    TestKit::MouseUp(g, g->CellRect(3, 0).Right - 8, 5);
    EXPECT_EQ(asked, (std::vector<std::string>{"3,0 none"}));
    EXPECT_TRUE(shown.empty());
    // The handler hands a menu and keeps the cell hot.
    other = menu;
    keep = true;
    PressButton(1);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(g->HoverFixedCell(), TPoint(1, 0));
    TestKit::MouseUp(g, g->CellRect(1, 0).Right - 8, 5);
    // Outside the 16 pixels, or on the sizing border with goColSizing: no button.
    asked.clear();
    PressButton(2, 20);
    TestKit::MouseUp(g, g->CellRect(2, 0).Right - 20, 5);
    g->SetGridOption(goColSizing, true);
    PressButton(2, 1);
    TestKit::MouseUp(g, g->CellRect(2, 0).Right - 1, 5);
    EXPECT_TRUE(asked.empty());
    // Without the button look, or where OnCanShowFixedDropDown hides it.
    g->SetGridOption(goColSizing, false);
    g->OnCanShowFixedDropDown = [](TObject*, int C, bool& Can) { Can = C != 4; };
    PressButton(4);
    TestKit::MouseUp(g, g->CellRect(4, 0).Right - 8, 5);
    g->ControlLook()->SetFixedDropDownButton(false);
    PressButton(2);
    TestKit::MouseUp(g, g->CellRect(2, 0).Right - 8, 5);
    EXPECT_TRUE(asked.empty());
}

TEST_F(FixedDropDownTest, AHoveredHeaderIsPaintedHoveredAndTheListViewLookTracksItsHotCell)
{
    g->ControlLook()->SetFixedDropDownButton(false);
    const TRect r = g->CellRect(2, 0);
    const QPoint probe((r.Left + r.Right) / 2 - 20, r.Top + 3);
    QCoreApplication::processEvents();
    const QImage cold = TestKit::RenderToImage(g);
    TestKit::MouseMove(g, (r.Left + r.Right) / 2, r.Top + 5);
    const QImage hot = TestKit::RenderToImage(g);
    hot.save(QDir::temp().filePath("grid_fixed_hover.png"));
    EXPECT_NE(cold.pixelColor(probe), hot.pixelColor(probe));
    TestKit::MouseLeave(g);
    EXPECT_EQ(TestKit::RenderToImage(g).pixelColor(probe), cold.pixelColor(probe));

    g->SetHoverFixedCells(THoverFixedCells::hfNone);
    g->SetLook(TGridLook::glListView);
    TestKit::MouseMove(g, (r.Left + r.Right) / 2, r.Top + 5);
    EXPECT_EQ(g->HotFixedCell(), TPoint(2, 0));
    const TRect d = g->CellRect(3, 4);
    TestKit::MouseMove(g, d.Left + 5, d.Top + 5);
    EXPECT_EQ(g->HotFixedCell(), TPoint(3, 4));
    TestKit::MouseLeave(g);
    EXPECT_EQ(g->HotFixedCell(), TPoint(-1, -1));
}
