// The item selector: layout, selection, stepping, lookup, painting and
// scrolling.
#include "dropdown_fixture.h"

#include "controls/dropdown/DropDownDraw.h"
#include "controls/dropdown/ItemSelector.h"
#include "platform/gui/messages.h"

using namespace DropDownTestKit;

namespace {

struct ItemSelectorFixture : DropDownFixture {
    TVynCustomItemSelector* sel = nullptr;
    int selects = 0;

    void SetUp() override
    {
        DropDownFixture::SetUp();
        sel = new TVynCustomItemSelector(form);
        sel->SetParent(form);
        sel->SetBounds(220, 10, 160, 120);
        sel->SetColor(clWhite);
        sel->OnItemSelect = [this](TObject* Sender) {
            EXPECT_EQ(Sender, sel);
            ++selects;
        };
    }
    void add(const char* Caption, TColor Color = clNone)
    {
        TSelectorItem* i = sel->Items().Add();
        i->SetCaption(Caption);
        i->SetColor(Color);
    }
    TCustomItemSelector* panel() const { return sel->SelectorPanel(); }
    TSize captionSize(const String& Caption) const
    {
        TBitmap scratch(1, 1);
        scratch.Canvas().SetFont(sel->ItemAppearance().Font());
        TSize s;
        DrawHTMLCaption(scratch.Canvas(), Caption, Rect(0, 0, 1000, 500), s, false, nullptr);
        return s;
    }
};

using ItemSelector = ItemSelectorFixture;

TEST_F(ItemSelector, Defaults)
{
    EXPECT_EQ(sel->SelectorType(), stImage);
    EXPECT_EQ(sel->ItemLayout(), ilCaptionRight);
    EXPECT_EQ(sel->Columns(), 1);
    EXPECT_EQ(sel->ColorBoxWidth(), 14);
    EXPECT_EQ(sel->ItemIndex(), -1);
    EXPECT_EQ(sel->ItemHot(), -1);
    EXPECT_TRUE(sel->AutoScroll());
    EXPECT_EQ(panel()->Parent(), sel);
    EXPECT_EQ(sel->ItemAppearance().ColorStyle(), scOffice2007);
    EXPECT_EQ(sel->ItemAppearance().ColorHot, 0xD7FFFD);
    EXPECT_EQ(sel->ItemAppearance().Font().Name(), "Tahoma");
    EXPECT_EQ(sel->Perform(WM_GETDLGCODE), 5);
    // No items: 100 x 50, nothing visible.
    TSize s;
    sel->GetSelectorPanelSize(s);
    EXPECT_EQ(s, (TSize{100, 50}));
    EXPECT_EQ(sel->GetVisibleItemCount(), 0);
    // The panel belongs to a selector only.
    try {
        TCustomItemSelector stray(form);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid parent");
    }
}

TEST_F(ItemSelector, LayoutInColumns)
{
    sel->SetSelectorType(stColor);
    add("Red", clRed);
    // stColor, caption right: 2 x 4 + box 14 + gap 4 + (text + 4) wide,
    // max(text, 14) + 8 high.
    const TSize t = captionSize("Red");
    TSize item;
    panel()->GetItemSize(item);
    EXPECT_EQ(item.cx, 2 * 4 + 14 + 4 + t.cx + 4);
    EXPECT_EQ(item.cy, std::max(t.cy, 14) + 8);
    for (const char* c : {"Green", "Blue", "Cyan", "Black"})
        add(c, clBlack);
    sel->SetColumns(2);
    panel()->GetItemSize(item);
    TSize s;
    sel->GetSelectorPanelSize(s);
    EXPECT_EQ(s.cx, 2 * item.cx + 4);
    EXPECT_EQ(s.cy, 3 * item.cy + 4) << "5 items in 2 columns: 3 rows";
    TRect r;
    panel()->GetItemRect(3, r);
    EXPECT_EQ(r, Bounds(2 + item.cx, 2 + item.cy, item.cx, item.cy));
    EXPECT_EQ(panel()->ItemAtPos(r.Left + 1, r.Top + 1), 3);
    EXPECT_EQ(panel()->ItemAtPos(r.Right, r.Top + 1), -1) << "right and bottom edges exclusive";
    TRect above;
    panel()->GetItemRect(1, above);
    EXPECT_EQ(panel()->ItemAtPos(above.Left, above.Bottom), 3) << "the bottom edge belongs to the item below";
    sel->SetColumns(0);
    EXPECT_EQ(sel->Columns(), 2) << "below 1 is ignored";
    // Caption top or bottom: the box over or under the caption.
    sel->SetItemLayout(ilCaptionBottom);
    sel->UpdateSelectorPanel();
    panel()->GetItemSize(item);
    TSize wide = captionSize("Green");
    EXPECT_EQ(item.cx, std::max(wide.cx + 4, 14) + 8);
    EXPECT_EQ(item.cy, 8 + 14 + 4 + t.cy);
    // OnItemSize replaces the measuring; a height of 0 shows no row.
    sel->OnItemSize = [](TObject*, TSize& S) { S = {40, 0}; };
    sel->UpdateSelectorPanel();
    EXPECT_EQ(sel->GetVisibleItemCount(), 0);
}

TEST_F(ItemSelector, SelectingAndStepping)
{
    for (const char* c : {"One", "Two", "Three", "Four"})
        add(c);
    sel->SetItemIndex(1);
    EXPECT_EQ(sel->ItemIndex(), 1);
    EXPECT_EQ(selects, 1);
    sel->SetItemIndex(1);
    EXPECT_EQ(selects, 2) << "selecting the same item again fires again";
    // Outside -1 .. Count - 1: ignored, no event.
    sel->SetItemIndex(4);
    sel->SetItemIndex(-2);
    EXPECT_EQ(sel->ItemIndex(), 1);
    EXPECT_EQ(selects, 2);
    sel->SetItemIndex(-1);
    EXPECT_EQ(sel->ItemIndex(), -1);
    EXPECT_EQ(selects, 2) << "no item, no event";
    sel->SelectNext();
    EXPECT_EQ(sel->ItemIndex(), 0) << "from none: the first";
    sel->Items().Items(1)->SetEnabled(false);
    sel->SelectNext();
    EXPECT_EQ(sel->ItemIndex(), 0) << "a disabled neighbour stops the step";
    sel->SelectLast();
    EXPECT_EQ(sel->ItemIndex(), 3);
    sel->SelectNext();
    EXPECT_EQ(sel->ItemIndex(), 3);
    sel->SelectPrevious();
    sel->SelectPrevious();
    EXPECT_EQ(sel->ItemIndex(), 2);
    sel->SelectFirst();
    EXPECT_EQ(sel->ItemIndex(), 0);
    // Hot stepping and the mouse.
    sel->HotNext();
    EXPECT_EQ(sel->ItemHot(), 0);
    sel->HotNext();
    EXPECT_EQ(sel->ItemHot(), 0) << "the disabled item takes no hot";
    TRect r;
    panel()->GetItemRect(2, r);
    TestKit::MouseMove(panel(), r.Left + 2, r.Top + 2);
    EXPECT_EQ(sel->ItemHot(), 2);
    panel()->GetItemRect(1, r);
    TestKit::MouseMove(panel(), r.Left + 2, r.Top + 2);
    EXPECT_EQ(sel->ItemHot(), -1) << "a disabled item makes no item hot";
    TestKit::Click(panel(), r.Left + 2, r.Top + 2);
    EXPECT_EQ(sel->ItemIndex(), 0) << "a disabled item is not selected by a click";
    panel()->GetItemRect(3, r);
    TestKit::Click(panel(), r.Left + 2, r.Top + 2);
    EXPECT_EQ(sel->ItemIndex(), 3);
}

TEST_F(ItemSelector, LookupItem)
{
    add("Blue");
    add("  <b>Red</b>");
    add("Rest");
    EXPECT_TRUE(sel->LookupItem("RE"));
    EXPECT_EQ(sel->ItemIndex(), 1) << "plain text, trimmed, upper case";
    EXPECT_FALSE(sel->LookupItem("re")) << "the text looked for is not upper-cased";
    EXPECT_TRUE(sel->LookupItem("RES"));
    EXPECT_EQ(sel->ItemIndex(), 2);
    EXPECT_FALSE(sel->LookupItem(""));
    sel->Items().Items(0)->SetCaption("Redder");
    EXPECT_TRUE(sel->LookupItem("RED"));
    EXPECT_EQ(sel->ItemIndex(), 0) << "a changed caption is looked up anew";
}

TEST_F(ItemSelector, CaptionBottomPutsTheGapBelowTheBox)
{
    sel->SetSelectorType(stColor);
    sel->SetItemLayout(ilCaptionBottom);
    add("Red", 0x0000FF);
    sel->UpdateSelectorPanel();
    const QImage img = TestKit::RenderToImage(panel());
    TRect r;
    panel()->GetItemRect(0, r);
    const TSize t = captionSize("Red");
    // The box centred at the top of the content, the caption below it.
    const int boxLeft = r.Left + 4 + (r.Width() - 8 - 14) / 2, boxTop = r.Top + 4;
    EXPECT_EQ(Hex(PixelAt(img, boxLeft, boxTop)), Hex(0x000000)) << "the box's black frame";
    EXPECT_EQ(Hex(PixelAt(img, boxLeft + 7, boxTop + 7)), Hex(0x0000FF));
    for (int y = boxTop + 14; y < boxTop + 14 + 4; ++y)
        for (int x = r.Left + 4; x < r.Right - 4; ++x)
            ASSERT_EQ(Hex(PixelAt(img, x, y)), Hex(0xFFFFFF)) << "the gap below the box at " << x << "," << y;
    bool ink = false;
    for (int y = boxTop + 18; y < boxTop + 18 + t.cy; ++y)
        for (int x = r.Left + 4; x < r.Right - 4; ++x)
            ink = ink || PixelAt(img, x, y) != 0xFFFFFF;
    EXPECT_TRUE(ink) << "the caption under the gap";
}

TEST_F(ItemSelector, HotAndSelectedColours)
{
    sel->SetSelectorType(stColor);
    add("One", clRed);
    add("Two", clLime);
    sel->SetItemIndex(1);
    const QImage img = TestKit::RenderToImage(panel());
    TRect r;
    panel()->GetItemRect(1, r);
    EXPECT_EQ(Hex(PixelAt(img, r.Left + 5, r.Top)), Hex(sel->ItemAppearance().BorderColor))
        << "the rounded frame of the selected item";
    EXPECT_EQ(Hex(PixelAt(img, r.Left, r.Top)), Hex(0xFFFFFF)) << "its outer corner in the panel's colour";
    panel()->GetItemRect(0, r);
    EXPECT_EQ(Hex(PixelAt(img, r.Left + 1, r.Top)), Hex(0xFFFFFF)) << "the panel's colour";
    // OnDrawItem draws the content itself.
    int drawn = 0;
    sel->OnDrawItem = [&](TObject* Sender, TCanvas&, const TRect&, int) {
        EXPECT_EQ(Sender, panel());
        ++drawn;
    };
    (void)TestKit::RenderToImage(panel());
    EXPECT_EQ(drawn, 2);
}

TEST_F(ItemSelector, ScrollingTheThumbLiveAndIntoView)
{
    for (int i = 0; i < 20; ++i)
        add(qPrintable(QStringLiteral("Item %1").arg(i)));
    sel->UpdateSelectorPanel();
    ASSERT_TRUE(sel->VertScrollBar().IsScrollBarVisible());
    EXPECT_GT(sel->GetVisibleItemCount(), 0);
    // A thumb drag moves the items while dragging.
    sel->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40), 0);
    EXPECT_EQ(sel->VertScrollBar().Position(), 40);
    EXPECT_EQ(panel()->Top(), -40);
    // Selecting the last scrolls it into view; the first back.
    sel->SelectLast();
    TRect r;
    panel()->GetItemRect(19, r);
    EXPECT_EQ(r.Bottom + panel()->Top(), sel->ClientHeight());
    sel->SelectFirst();
    panel()->GetItemRect(0, r);
    EXPECT_EQ(r.Top + panel()->Top(), 0);
}

TEST_F(ItemSelector, AppearanceStylesAndAssign)
{
    TItemAppearance a;
    a.SetColorStyle(scWindows7);
    EXPECT_EQ(a.ColorSelected, 0xF9D8B9);
    EXPECT_EQ(a.ColorMirrorHot, clNone);
    a.ColorHot = 0x123456;
    a.SetColorStyle(scCustom);
    EXPECT_EQ(a.ColorHot, 0x123456) << "scCustom keeps the colours";
    a.ColorHotText = 0x00FF00;
    TItemAppearance b;
    b.Assign(a);
    EXPECT_EQ(b.ColorStyle(), scCustom);
    EXPECT_EQ(b.ColorHot, 0x123456);
    EXPECT_EQ(b.ColorHotText, 0x00FF00);
    // The drop-down's component styles load an appearance.
    dd->SetItemAppearanceStyle(&b, tsWindows7);
    EXPECT_EQ(b.BorderColor, 0xCEA27D);
    EXPECT_EQ(b.ColorHotText, 0);
}

}  // namespace
