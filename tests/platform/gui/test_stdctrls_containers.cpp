// Containers and the rest: the category panel group, the scroll box, the
// clipboard and the hint window.
#include "gui_fixture.h"
#include "platform/gui/category_panel.h"
#include "platform/gui/clipboard.h"
#include "platform/gui/hintwindow.h"
#include "platform/gui/stdctrls.h"

namespace {

struct ContainerTest : GuiTest {
    TForm form{nullptr};
    ContainerTest()
    {
        form.SetBounds(0, 0, 400, 400);
        form.Show();
    }
};

// A group of three panels 100 pixels high (header 24) in a 200 high group,
// each holding an edit; watches the group's scroll messages.
class TWatchedGroup : public TCategoryPanelGroup {
public:
    using TCategoryPanelGroup::TCategoryPanelGroup;
    std::vector<int> scrollCodes;

protected:
    void WMVScroll(TMessage& Message) override
    {
        scrollCodes.push_back(Message.WParamLo());
        TCategoryPanelGroup::WMVScroll(Message);
    }
};

}  // namespace

TEST_F(ContainerTest, CategoryPanelsCollapseExpandAndStack)
{
    auto* group = MakeControl<TWatchedGroup>(&form, &form, "CPG", 10, 10, 250, 400);
    std::vector<TCategoryPanel*> panels;
    std::vector<TEdit*> edits;
    for (int i = 0; i < 3; ++i) {
        TCategoryPanel* p = group->CreatePanel(&form);
        p->SetName(QStringLiteral("CP_%1").arg(i));
        p->SetHeight(100);
        panels.push_back(p);
        edits.push_back(MakeControl<TEdit>(&form, p, QStringLiteral("E_%1").arg(i).toLatin1().constData(), 14, 9,
                                           100, 21));
    }
    // Controls given to a panel live on its surface, below the header.
    EXPECT_EQ(edits[0]->Parent(), panels[0]->Surface());
    EXPECT_EQ(edits[0]->ClientOrigin().Y, panels[0]->ClientOrigin().Y + 24 + 9);
    EXPECT_EQ(panels[1]->Top(), 100);
    EXPECT_EQ(panels[2]->Top(), 200);

    EventLog log;
    panels[0]->OnCollapse = [&](TObject*) { log.Add("collapse"); };
    panels[0]->OnExpand = [&](TObject*) { log.Add("expand"); };
    edits[0]->SetFocus();
    TestKit::Click(panels[0], 50, 10);  // the header
    EXPECT_TRUE(panels[0]->Collapsed());
    EXPECT_EQ(panels[0]->Height(), 24);
    EXPECT_EQ(panels[1]->Top(), 24);
    EXPECT_EQ(panels[2]->Top(), 124);
    EXPECT_FALSE(edits[0]->Focused());  // hidden with the surface
    TestKit::Click(panels[0], 50, 30);  // below the header: nothing (it is not there)
    EXPECT_TRUE(panels[0]->Collapsed());
    // Height set while collapsed is the height it expands to.
    panels[0]->SetHeight(150);
    EXPECT_EQ(panels[0]->Height(), 24);
    panels[0]->SetCollapsed(false);
    EXPECT_EQ(panels[0]->Height(), 150);
    EXPECT_EQ(panels[2]->Top(), 250);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"collapse", "expand"}));
    panels[0]->SetCollapsed(false);  // same value: nothing
    EXPECT_EQ(log.lines.size(), 2u);
    group->CollapseAll();
    EXPECT_EQ(panels[2]->Top(), 48);
    // A hidden panel leaves no gap.
    group->ExpandAll();
    panels[1]->Hide();
    EXPECT_EQ(panels[2]->Top(), 150);
}

TEST_F(ContainerTest, CategoryGroupScrollsWithTheWheel)
{
    SetWheelScrollLines(3);
    auto* group = MakeControl<TWatchedGroup>(&form, &form, "CPG", 10, 10, 250, 200);
    std::vector<TCategoryPanel*> panels;
    for (int i = 0; i < 3; ++i) {
        TCategoryPanel* p = group->CreatePanel(&form);
        p->SetHeight(100);
        panels.push_back(p);
    }
    auto* edit = MakeControl<TEdit>(&form, panels[0], "E", 14, 9, 100, 21);
    EXPECT_TRUE(group->VertScrollBar().IsScrollBarVisible());
    EXPECT_EQ(group->VertScrollBar().Range(), 300);
    EXPECT_EQ(panels[0]->Width(), 250 - group->VertScrollBar().Size());
    // One notch down: three lines, each followed by the end of the scroll.
    TestKit::Wheel(group, 100, 150, -WHEEL_DELTA);
    EXPECT_EQ(group->scrollCodes, (std::vector<int>{SB_LINEDOWN, SB_ENDSCROLL, SB_LINEDOWN, SB_ENDSCROLL,
                                                    SB_LINEDOWN, SB_ENDSCROLL}));
    const int line = group->VertScrollBar().Increment();
    EXPECT_EQ(group->VertScrollBar().Position(), 3 * line);
    EXPECT_EQ(panels[0]->Top(), -3 * line);
    EXPECT_EQ(panels[1]->Top(), 100 - 3 * line);
    // Over a control inside a panel the group scrolls too.
    TestKit::Wheel(edit, 5, 5, WHEEL_DELTA);
    EXPECT_EQ(group->VertScrollBar().Position(), 0);
    // It stops at the end of the contents.
    for (int i = 0; i < 20; ++i)
        TestKit::Wheel(group, 100, 150, -WHEEL_DELTA);
    EXPECT_EQ(group->VertScrollBar().Position(), 100);
    EXPECT_EQ(panels[2]->Top() + panels[2]->Height(), 200);
    // Collapsing shrinks the contents: the position comes back in range.
    panels[2]->Collapse();
    EXPECT_EQ(group->VertScrollBar().Position(), 24);
    // When everything fits the bar goes and the wheel goes on to the form.
    panels[1]->Collapse();
    EXPECT_FALSE(group->VertScrollBar().IsScrollBarVisible());
    EXPECT_EQ(panels[0]->Top(), 0);
    bool formGotIt = false;
    form.OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool& Handled) { formGotIt = Handled = true; };
    TestKit::Wheel(group, 100, 150, -WHEEL_DELTA);
    EXPECT_TRUE(formGotIt);
    SetWheelScrollLines(3);
}

TEST_F(ContainerTest, ScrollBoxScrollsItsChildren)
{
    auto* box = MakeControl<TScrollBox>(&form, &form, "Box", 10, 10, 200, 100);
    auto* far = MakeControl<TEdit>(&form, box, "Far", 10, 250, 80, 21);
    EXPECT_TRUE(box->VertScrollBar().IsScrollBarVisible());
    EXPECT_FALSE(box->HorzScrollBar().IsScrollBarVisible());
    box->ScrollInView(far);
    EXPECT_EQ(far->Top() + far->Height(), box->ClientHeight());  // client area: inside the border
    EXPECT_EQ(box->ClientHeight(), 100 - 4);
    box->Perform(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(far->Top(), 250);
    box->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40));
    EXPECT_EQ(far->Top(), 210);
    box->VertScrollBar().SetTracking(false);
    box->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 80));  // not followed while dragged
    EXPECT_EQ(far->Top(), 210);
    box->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 80));
    EXPECT_EQ(far->Top(), 170);
}

// ---- clipboard ----------------------------------------------------------------------------------------

TEST_F(ContainerTest, ClipboardFormats)
{
    TClipboard& cb = Clipboard();
    cb.SetAsText("plain");
    EXPECT_EQ(cb.AsText(), "plain");
    EXPECT_TRUE(cb.HasFormat(CF_UNICODETEXT));
    EXPECT_FALSE(cb.HasFormat(TClipboard::CF_HTML()));

    // One format replaces the others ...
    cb.SetAsHtml("<b>bold</b>", "bold");
    EXPECT_EQ(cb.AsHtml(), "<b>bold</b>");
    EXPECT_EQ(cb.AsText(), "bold");
    cb.SetAsRichText("{\\rtf1 x}");
    EXPECT_EQ(cb.AsRichText(), QByteArray("{\\rtf1 x}"));
    EXPECT_FALSE(cb.HasFormat(TClipboard::CF_HTML()));

    // ... unless the clipboard is open: then they go on together.
    const unsigned cells = RegisterClipboardFormat("TVynStringGrid Cells");
    EXPECT_EQ(RegisterClipboardFormat("tvynstringgrid cells"), cells);
    EXPECT_GE(cells, 0xC000u);
    cb.Open();
    cb.SetAsText("a\tb");
    cb.SetFormatData(cells, QByteArray("\x01\x02", 2));
    cb.SetAsHtml("<table></table>");
    cb.Close();
    EXPECT_EQ(cb.AsText(), "a\tb");
    EXPECT_EQ(cb.GetFormatData(cells), QByteArray("\x01\x02", 2));
    EXPECT_EQ(cb.AsHtml(), "<table></table>");
    EXPECT_EQ(ClipboardFormatMime(cells), "application/x-qt-windows-mime;value=\"TVynStringGrid Cells\"");
    cb.Clear();
    EXPECT_FALSE(cb.HasFormat(cells));
    EXPECT_EQ(cb.AsText(), "");
}

// ---- hint window ----------------------------------------------------------------------------------------

TEST_F(ContainerTest, HintWindowShowsAndHidesAfterItsTimeout)
{
    TestKit::FakeClock clock;
    THintInfo info;
    info.HintStr = "Insert the Slave Name";
    info.HintPos = {50, 60};
    info.HintColor = clInfoBk;
    info.HideTimeout = 2500;
    ActivateApplicationHint(info);
    THintWindow* hint = ApplicationHintWindow();
    EXPECT_TRUE(hint->IsHintShowing());
    EXPECT_EQ(hint->Caption(), "Insert the Slave Name");
    EXPECT_EQ(hint->Left(), 50);
    EXPECT_EQ(hint->Top(), 60);
    EXPECT_EQ(hint->BoundsRect(), Bounds(50, 60, hint->CalcHintRect(1000, info.HintStr, nullptr).Width(),
                                         hint->CalcHintRect(1000, info.HintStr, nullptr).Height()));
    clock.Advance(2499);
    EXPECT_TRUE(hint->IsHintShowing());
    clock.Advance(1);
    EXPECT_FALSE(hint->IsHintShowing());

    // Another class of hint window takes over.
    struct TMyHint : THintWindow {
        using THintWindow::THintWindow;
    };
    SetHintWindowClass([](TComponent* Owner) -> THintWindow* { return new TMyHint(Owner); });
    ActivateApplicationHint(info);
    EXPECT_NE(dynamic_cast<TMyHint*>(ApplicationHintWindow()), nullptr);
    HideApplicationHint();
    SetHintWindowClass({});
}
