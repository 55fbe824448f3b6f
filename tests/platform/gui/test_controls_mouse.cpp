// Mouse input: click order, double click, capture, wheel, enter/leave.
#include "gui_fixture.h"

namespace {

class TPaintBox : public TGraphicControl {
public:
    explicit TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner) {}
};

// A window at (100, 50) on the screen with two windowed children and a
// graphic one.
struct MouseTest : GuiTest {
    TBox* root = new TBox(nullptr);
    TBox* left = MakeControl<TBox>(root, root, "Left", 10, 10, 100, 100);
    TBox* right = MakeControl<TBox>(root, root, "Right", 150, 10, 100, 100);
    TPaintBox* image = MakeControl<TPaintBox>(root, root, "Image", 10, 150, 60, 40);
    EventLog log;

    void SetUp() override
    {
        root->SetName("Root");
        root->SetBounds(100, 50, 300, 220);
        for (TControl* c : std::initializer_list<TControl*>{root, left, right, image})
            Watch(c, log);
    }
    void TearDown() override { delete root; }
};

}  // namespace

TEST_F(MouseTest, ClickFiresDownClickUp)
{
    TestKit::Click(left, 5, 6);
    TestKit::Click(left, 7, 8, {ssShift}, mbRight);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Left.MouseDown L 5,6 [Left]", "Left.Click", "Left.MouseUp L 5,6 []",
                                                    "Left.MouseDown R 7,8 [Shift+Right]", "Left.MouseUp R 7,8 [Shift]"}));
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(MouseTest, DoubleClickArrivesAsDownUpDblClickUp)
{
    TestKit::DblClick(left, 20, 30);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Left.MouseDown L 20,30 [Left]", "Left.Click",
                                                    "Left.MouseUp L 20,30 []", "Left.DblClick",
                                                    "Left.MouseDown L 20,30 [Left+Double]", "Left.MouseUp L 20,30 []"}));
    // Without csDoubleClicks the second press is a plain one.
    log.Clear();
    right->SetControlStyle(right->ControlStyle() - TControlStyle{csDoubleClicks});
    TestKit::DblClick(right, 1, 2);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Right.MouseDown L 1,2 [Left]", "Right.Click",
                                                    "Right.MouseUp L 1,2 []", "Right.MouseDown L 1,2 [Left]",
                                                    "Right.Click", "Right.MouseUp L 1,2 []"}));
}

TEST_F(MouseTest, TheCaptorGetsMovesAndTheReleaseOutsideItself)
{
    TestKit::MouseDown(left, 50, 50);
    EXPECT_EQ(GetCaptureControl(), left);
    EXPECT_EQ(Mouse.Capture(), left);
    TestKit::MouseMove(right, 10, 10);      // over Right: still Left's
    TestKit::MouseUp(right, 20, 20);        // released over Right: no click
    TestKit::MouseMove(right, 30, 30);      // no capture any more
    EXPECT_EQ(log.lines, (std::vector<std::string>{
                             "Left.MouseDown L 50,50 [Left]", "Left.MouseMove 150,10 [Left]", "Left.MouseUp L 160,20 []",
                             "Right.Enter(mouse)", "Right.MouseMove 30,30 []"}));
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(MouseTest, CaptureLastsWhileAnyButtonIsHeld)
{
    TestKit::MouseDown(left, 5, 5);
    TestKit::MouseDown(left, 5, 5, mbRight);
    TestKit::MouseUp(right, 5, 5);
    EXPECT_EQ(GetCaptureControl(), left);
    TestKit::MouseUp(right, 5, 5, mbRight);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(log.lines.back(), "Left.MouseUp R 145,5 []");
}

TEST_F(MouseTest, GraphicControlsGetTheirMouseThroughTheParent)
{
    TestKit::MouseDown(image, 3, 4);
    EXPECT_EQ(GetCaptureControl(), image);
    TestKit::MouseMove(root, 5, 5);  // outside the image, in its parent
    TestKit::MouseUp(image, 3, 4);
    TestKit::Click(root, 200, 200);  // the parent itself
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Image.MouseDown L 3,4 [Left]", "Image.MouseMove -5,-145 [Left]",
                                                    "Image.Click", "Image.MouseUp L 3,4 []",
                                                    "Root.MouseDown L 200,200 [Left]", "Root.Click",
                                                    "Root.MouseUp L 200,200 []"}));
    // A disabled graphic control is passed over.
    log.Clear();
    image->SetEnabled(false);
    TestKit::Click(image, 3, 4);
    EXPECT_EQ(log.lines.front(), "Root.MouseDown L 13,154 [Left]");
}

TEST_F(MouseTest, InputForADisabledWindowGoesToItsEnabledParent)
{
    left->SetEnabled(false);
    TestKit::Click(left, 5, 5);
    EXPECT_EQ(log.lines.front(), "Root.MouseDown L 15,15 [Left]");
}

TEST_F(MouseTest, EnterAndLeaveFollowThePointer)
{
    TestKit::MouseMove(root, 200, 200);
    TestKit::MouseMove(root, 20, 160);  // over the graphic child
    TestKit::MouseMove(left, 5, 5);
    TestKit::MouseLeave(left);
    log.lines.erase(std::remove_if(log.lines.begin(), log.lines.end(),
                                   [](const std::string& l) { return l.find("MouseMove") != std::string::npos; }),
                    log.lines.end());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Root.Enter(mouse)", "Root.Leave(mouse)", "Image.Enter(mouse)",
                                                    "Image.Leave(mouse)", "Left.Enter(mouse)", "Left.Leave(mouse)"}));
    EXPECT_EQ(InputState().ControlUnderCursor(), nullptr);
}

TEST_F(MouseTest, WheelGoesToTheControlThenToItsParent)
{
    std::vector<std::string> wheel;
    left->OnMouseWheel = [&](TObject*, TShiftState S, int Delta, TPoint P, bool& Handled) {
        wheel.push_back("Left " + std::to_string(Delta) + " " + ShiftText(S) + " " + std::to_string(P.X) + "," +
                        std::to_string(P.Y));
        Handled = Delta > 0;
    };
    root->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& Handled) {
        wheel.push_back("Root down");
        Handled = true;
    };
    left->OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool& Handled) {
        wheel.push_back("Left up");
        Handled = true;
    };
    TestKit::Wheel(left, 5, 5, -WHEEL_DELTA, {ssCtrl});
    TestKit::Wheel(left, 5, 5, WHEEL_DELTA);
    // The position is the screen's: (100+10+5, 50+10+5).
    EXPECT_EQ(wheel, (std::vector<std::string>{"Left -120 [Ctrl] 115,65", "Root down", "Left 120 [] 115,65"}));

    // Unhandled small steps add up to one notch.
    wheel.clear();
    left->OnMouseWheel = nullptr;
    TestKit::Wheel(left, 5, 5, 60);
    EXPECT_TRUE(wheel.empty());
    TestKit::Wheel(left, 5, 5, 60);
    EXPECT_EQ(wheel, std::vector<std::string>{"Left up"});
}

TEST_F(MouseTest, MessagesSentByTheControlItselfTakeTheSamePath)
{
    // A control may feed itself a click (the grid does), bypassing the router.
    left->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    left->Perform(WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    root->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(15, 155));  // lands on the graphic child
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Left.MouseDown L 4,4 [Left]", "Left.Click", "Left.MouseUp L 4,4 []",
                                                    "Image.MouseMove 5,5 []"}));
}
