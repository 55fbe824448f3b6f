// The scroll-bar control: the scroll messages the mouse sends, in the
// platform's order, standing alone and as a part of a window's frame.
#include "gui_fixture.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/stdctrls.h"

namespace {

// A parent that writes down the scroll messages its children send.
class TScrollLogPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<std::string>* Log = nullptr;

protected:
    void WndProc(TMessage& Message) override
    {
        if (Log && (Message.Msg == WM_HSCROLL || Message.Msg == WM_VSCROLL))
            Log->push_back(std::string(Message.Msg == WM_HSCROLL ? "H" : "V") + " " +
                           std::to_string(Message.WParamLo()) + "," + std::to_string(Message.WParamHi()) +
                           (Message.LParam == 0 ? " own" : ""));
        TCustomControl::WndProc(Message);
    }
};

const char* CodeName(TScrollCode C)
{
    switch (C) {
    case scLineUp: return "LineUp";
    case scLineDown: return "LineDown";
    case scPageUp: return "PageUp";
    case scPageDown: return "PageDown";
    case scPosition: return "Position";
    case scTrack: return "Track";
    case scTop: return "Top";
    case scBottom: return "Bottom";
    case scEndScroll: return "EndScroll";
    }
    return "?";
}

// A horizontal bar of 200 x 17 on a panel: arrows of 17 pixels, a square
// thumb of 17 over a track of 166 (149 pixels of travel for 0..100).
struct ScrollBarTest : ::testing::Test {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TScrollLogPanel* panel = nullptr;
    TButton* button = nullptr;
    TScrollBar* bar = nullptr;
    std::vector<std::string> log;

    ScrollBarTest()
    {
        form.SetBounds(0, 0, 400, 300);
        panel = new TScrollLogPanel(&form);
        panel->SetBounds(10, 10, 300, 100);
        panel->SetParent(&form);
        panel->Log = &log;
        button = new TButton(&form);
        button->SetBounds(10, 150, 80, 25);
        button->SetParent(&form);
        bar = new TScrollBar(&form);
        bar->SetBounds(20, 20, 200, 17);
        bar->SetParent(panel);
        bar->SetParams(50, 0, 100);
        bar->SetLargeChange(10);
        bar->OnScroll = [this](TObject*, TScrollCode Code, int& Pos) {
            log.push_back(std::string("OnScroll ") + CodeName(Code) + " " + std::to_string(Pos));
        };
        bar->OnChange = [this](TObject*) { log.push_back("OnChange " + std::to_string(bar->Position())); };
        form.Show();
        button->SetFocus();
    }
    // Pixel of the thumb's start for a position.
    int ThumbAt(int Pos) const { return 17 + MulDiv(Pos, 200 - 34 - 17, 100); }
};

}  // namespace

TEST_F(ScrollBarTest, EachPartSendsItsCodeThenEndScroll)
{
    struct Case {
        const char* what;
        int x;
        std::vector<std::string> expected;
    };
    const int thumb = ThumbAt(50);
    const Case cases[] = {
        {"left arrow", 5, {"H 0,0", "OnScroll LineUp 49", "OnChange 49", "H 8,0", "OnScroll EndScroll 49"}},
        {"right arrow", 195, {"H 1,0", "OnScroll LineDown 51", "OnChange 51", "H 8,0", "OnScroll EndScroll 51"}},
        {"track left of the thumb", thumb - 5,
         {"H 2,0", "OnScroll PageUp 40", "OnChange 40", "H 8,0", "OnScroll EndScroll 40"}},
        {"track right of the thumb", thumb + 30,
         {"H 3,0", "OnScroll PageDown 60", "OnChange 60", "H 8,0", "OnScroll EndScroll 60"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bar->SetPosition(50);
        log.clear();
        TestKit::Click(bar, c.x, 8);
        EXPECT_EQ(log, c.expected);
        // The bar never takes the focus; the capture ends with the release.
        EXPECT_TRUE(button->Focused());
        EXPECT_EQ(GetCaptureControl(), nullptr);
    }
}

TEST_F(ScrollBarTest, AHeldArrowRepeatsOnTheTimerUntilReleased)
{
    TestKit::FakeClock clock;
    TestKit::MouseDown(bar, 195, 8);
    EXPECT_EQ(bar->Position(), 51);
    clock.Advance(300);
    EXPECT_EQ(bar->Position(), 51);
    clock.Advance(300);  // 400, 500 and 600 ms
    EXPECT_EQ(bar->Position(), 54);
    // Off the arrow the repeats pause; back on it they go on.
    TestKit::MouseMove(bar, 100, 8, {ssLeft});
    clock.Advance(200);
    EXPECT_EQ(bar->Position(), 54);
    TestKit::MouseMove(bar, 195, 8, {ssLeft});
    clock.Advance(100);
    EXPECT_EQ(bar->Position(), 55);
    TestKit::MouseUp(bar, 195, 8);
    clock.Advance(1000);
    EXPECT_EQ(bar->Position(), 55);
    EXPECT_EQ(log.back(), "OnScroll EndScroll 55");
}

TEST_F(ScrollBarTest, APressedTrackPagesUntilTheThumbReachesThePointer)
{
    TestKit::FakeClock clock;
    bar->SetPosition(0);
    log.clear();
    TestKit::MouseDown(bar, ThumbAt(45) + 3, 8);
    clock.Advance(2000);
    TestKit::MouseUp(bar, ThumbAt(45) + 3, 8);
    // 0 -> 10 -> ... -> 40: the thumb then lies under the pointer.
    EXPECT_EQ(bar->Position(), 40);
    std::vector<std::string> pages;
    for (const auto& l : log)
        if (l[0] == 'H')
            pages.push_back(l);
    EXPECT_EQ(pages, (std::vector<std::string>{"H 3,0", "H 3,0", "H 3,0", "H 3,0", "H 8,0"}));
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksThenPositions)
{
    const int grab = ThumbAt(50) + 8;
    TestKit::MouseDown(bar, grab, 8);
    EXPECT_TRUE(log.empty());
    TestKit::MouseMove(bar, grab + 30, 5, {ssLeft});
    TestKit::MouseMove(bar, grab + 30, 3, {ssLeft});  // no change of position: nothing sent
    TestKit::MouseMove(bar, grab + 60, 8, {ssLeft});
    TestKit::MouseUp(bar, grab + 60, 8);
    // The thumb's start (pointer - 8) over the travel of 149 pixels after the arrow.
    const std::string p1 = "70", p2 = "91";
    EXPECT_EQ(log, (std::vector<std::string>{"H 5," + p1, "OnScroll Track " + p1, "OnChange " + p1, "H 5," + p2,
                                             "OnScroll Track " + p2, "OnChange " + p2, "H 4," + p2,
                                             "OnScroll Position " + p2, "H 8,0", "OnScroll EndScroll " + p2}));
    // OnScroll may change where the bar goes.
    bar->OnScroll = [](TObject*, TScrollCode, int& Pos) { Pos = 7; };
    TestKit::Click(bar, 5, 8);
    EXPECT_EQ(bar->Position(), 7);
}

TEST_F(ScrollBarTest, CancelModeEndsTheTrackingOnce)
{
    TestKit::FakeClock clock;
    TestKit::MouseDown(bar, 5, 8);
    EXPECT_EQ(GetCaptureControl(), bar);
    log.clear();
    bar->Perform(WM_CANCELMODE);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    clock.Advance(1000);
    EXPECT_EQ(log, (std::vector<std::string>{"H 8,0", "OnScroll EndScroll 49"}));
}

TEST_F(ScrollBarTest, AVerticalBarSendsVerticalMessages)
{
    bar->SetKind(sbVertical);
    EXPECT_EQ(bar->Width(), 17);
    EXPECT_EQ(bar->Height(), 200);
    log.clear();
    TestKit::Click(bar, 8, 195);
    EXPECT_EQ(log.front(), "V 1,0");
    EXPECT_EQ(bar->Position(), 51);
    // Disabled: no messages.
    bar->SetEnabled(false);
    log.clear();
    TestKit::Click(bar, 8, 195);
    EXPECT_TRUE(log.empty());
}

TEST_F(ScrollBarTest, AScrollBoxsOwnBarScrollsItsChildren)
{
    auto* box = new TScrollBox(&form);
    box->SetBounds(10, 120, 200, 100);
    box->SetParent(&form);
    auto* far = new TPanel(&form);
    far->SetBounds(0, 300, 50, 20);
    far->SetParent(box);
    ASSERT_TRUE(box->VertScrollBar().IsScrollBarVisible());
    // The bar lies in the frame, right of the client area, inside the border.
    const int barX = box->ClientWidth() + 8, bottom = box->ClientHeight() - 5;
    EXPECT_EQ(box->ClientRect(), Rect(0, 0, 196 - 17, 96));
    TestKit::Click(box, barX, bottom);  // the down arrow: one line
    EXPECT_EQ(box->VertScrollBar().Position(), 8);
    EXPECT_EQ(far->Top(), 292);
    // Dragging the thumb to the end shows the far panel's bottom.
    TestKit::MouseDown(box, barX, 17 + 8);
    TestKit::MouseMove(box, barX, bottom, {ssLeft});
    TestKit::MouseUp(box, barX, bottom);
    EXPECT_EQ(box->VertScrollBar().Position(), box->VertScrollBar().MaxPosition());
    EXPECT_EQ(far->Top() + far->Height(), box->ClientHeight());
    EXPECT_TRUE(button->Focused());
}
