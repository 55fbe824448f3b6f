// The application's hint: the pauses on the layer's clock, the cursor
// rectangle, the time-outs and what cancels a hint.
#include "gui_fixture.h"
#include "platform/gui/hintwindow.h"

namespace {

// A control that logs what CM_HINTSHOW asks and may change the answer.
class THinted : public TBox {
public:
    using TBox::TBox;
    EventLog* Log = nullptr;
    // When set: the cursor rectangle becomes the 20 x 20 cell under the
    // pointer and the text names the cell.
    bool Cells = false;
    bool Refuse = false;
    int Reshow = 0;

protected:
    void Dispatch(TMessage& M) override
    {
        if (M.Msg != CM_HINTSHOW) {
            TBox::Dispatch(M);
            return;
        }
        auto* info = reinterpret_cast<THintInfo*>(M.LParam);
        if (Cells) {
            const int col = info->CursorPos.X / 20, row = info->CursorPos.Y / 20;
            info->CursorRect = Bounds(col * 20, row * 20, 20, 20);
            info->HintStr = QStringLiteral("cell %1,%2").arg(col).arg(row);
        }
        info->ReshowTimeout = Reshow;
        if (Log)
            Log->Add(Name().toStdString() + " asked \"" + info->HintStr.toStdString() + "\" at " +
                     std::to_string(info->CursorPos.X) + "," + std::to_string(info->CursorPos.Y));
        M.Result = Refuse ? 1 : 0;
    }
};

// A graphic control with a hint of its own.
class TMark : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
};

struct HintTest : GuiTest {
    TestKit::FakeClock clock;
    EventLog log;
    TCustomForm* form = new TCustomForm(nullptr);
    THinted* a = MakeControl<THinted>(form, form, "A", 10, 10, 100, 60);
    THinted* b = MakeControl<THinted>(form, form, "B", 120, 10, 100, 60);
    TMark* mark = MakeControl<TMark>(form, form, "Mark", 10, 100, 40, 20);
    const int pause = Application.HintPause();
    const int hidePause = Application.HintHidePause();
    const int shortPause = Application.HintShortPause();

    void SetUp() override
    {
        form->SetBounds(50, 60, 300, 200);
        for (THinted* c : {a, b}) {
            c->Log = &log;
            c->SetShowHint(true);
        }
        a->SetHint("Hint of A|Long text of A");
        b->SetHint("Hint of B");
        mark->SetHint("Hint of the mark");
        mark->SetShowHint(true);
        form->Show();
    }
    void TearDown() override
    {
        Application.CancelHint();
        Application.SetHintPause(pause);
        Application.SetHintHidePause(hidePause);
        Application.SetHintShortPause(shortPause);
        Application.SetShowHint(true);
        delete form;
    }

    static bool Showing()
    {
        THintWindow* w = ApplicationHintWindow();
        return w->IsHintShowing();
    }
    static String Shown() { return Showing() ? ApplicationHintWindow()->Caption() : String("(none)"); }
};

}  // namespace

TEST_F(HintTest, ShowsAfterTheRestPauseAndHidesAfterTheHidePause)
{
    TestKit::MouseMove(a, 5, 5);
    clock.Advance(499);
    EXPECT_FALSE(Showing());
    EXPECT_TRUE(log.lines.empty());
    clock.Advance(1);
    EXPECT_EQ(log.lines, std::vector<std::string>{"A asked \"Hint of A\" at 5,5"});
    EXPECT_EQ(Shown(), "Hint of A");
    // Below the pointer: the control at (60, 70) on the screen, 20 pixels down.
    EXPECT_EQ(ApplicationHintWindow()->Left(), 65);
    EXPECT_EQ(ApplicationHintWindow()->Top(), 95);

    clock.Advance(2499);
    EXPECT_TRUE(Showing());
    clock.Advance(1);
    EXPECT_FALSE(Showing());
    // Moving inside the cursor rectangle (the control) does not ask again.
    TestKit::MouseMove(a, 50, 30);
    clock.Advance(5000);
    EXPECT_FALSE(Showing());
    EXPECT_EQ(log.lines.size(), 1u);
}

TEST_F(HintTest, EachMoveRestartsThePause)
{
    // The hint waits for the pointer to rest: until it shows, every move
    // starts the pause again.
    Application.SetHintPause(300);
    TestKit::MouseMove(a, 5, 5);
    clock.Advance(200);
    TestKit::MouseMove(a, 6, 5);
    clock.Advance(200);
    EXPECT_FALSE(Showing());
    clock.Advance(100);
    EXPECT_EQ(Shown(), "Hint of A");
    EXPECT_EQ(log.lines, std::vector<std::string>{"A asked \"Hint of A\" at 6,5"});
}

TEST_F(HintTest, TheNeighbourShowsAfterTheShortPause)
{
    struct Row {
        int Pause, ShortPause;
    };
    for (const Row r : {Row{500, 50}, Row{800, 120}}) {
        SCOPED_TRACE(r.ShortPause);
        Application.SetHintPause(r.Pause);
        Application.SetHintShortPause(r.ShortPause);
        log.Clear();
        TestKit::MouseMove(a, 5, 5);
        clock.Advance(r.Pause);
        ASSERT_EQ(Shown(), "Hint of A");
        // Onto B: A's hint goes at once, B's comes after the short pause.
        TestKit::MouseMove(b, 5, 5);
        EXPECT_FALSE(Showing());
        clock.Advance(r.ShortPause - 1);
        EXPECT_FALSE(Showing());
        clock.Advance(1);
        EXPECT_EQ(Shown(), "Hint of B");
        // After the hint has timed out the next control still counts as a
        // neighbour (a hint was showing).
        clock.Advance(Application.HintHidePause());
        EXPECT_FALSE(Showing());
        TestKit::MouseMove(a, 5, 5);
        clock.Advance(r.ShortPause);
        EXPECT_EQ(Shown(), "Hint of A");
        // Once cancelled, the full pause again.
        Application.CancelHint();
        TestKit::MouseMove(b, 5, 5);
        clock.Advance(r.ShortPause);
        EXPECT_FALSE(Showing());
        clock.Advance(r.Pause - r.ShortPause);
        EXPECT_EQ(Shown(), "Hint of B");
        Application.CancelHint();
    }
}

TEST_F(HintTest, LeavingTheCursorRectangleHidesAndAsksAgain)
{
    a->Cells = true;
    TestKit::MouseMove(a, 5, 5);
    clock.Advance(500);
    EXPECT_EQ(Shown(), "cell 0,0");
    // Inside the cell: nothing changes.
    TestKit::MouseMove(a, 19, 19);
    clock.Advance(1000);
    EXPECT_EQ(Shown(), "cell 0,0");
    // Into the next cell of the same control: hidden now, asked again after
    // the short pause, at the new point.
    TestKit::MouseMove(a, 25, 5);
    EXPECT_FALSE(Showing());
    clock.Advance(50);
    EXPECT_EQ(Shown(), "cell 1,0");
    EXPECT_EQ(log.lines, (std::vector<std::string>{"A asked \"cell 0,0\" at 5,5", "A asked \"cell 1,0\" at 25,5"}));
    // The hide pause counts from the last show.
    clock.Advance(2499);
    EXPECT_TRUE(Showing());
    clock.Advance(1);
    EXPECT_FALSE(Showing());
}

TEST_F(HintTest, AReshowTimeoutAsksAgainWhileThePointerRests)
{
    a->Cells = true;
    a->Reshow = 100;
    TestKit::MouseMove(a, 5, 5);
    clock.Advance(500);
    EXPECT_EQ(Shown(), "cell 0,0");
    clock.Advance(100);
    clock.Advance(100);
    EXPECT_EQ(log.lines.size(), 3u);
    EXPECT_EQ(Shown(), "cell 0,0");
    // A refusal with a reshow time-out keeps asking too.
    a->Refuse = true;
    clock.Advance(100);
    EXPECT_FALSE(Showing());
    clock.Advance(100);
    EXPECT_EQ(log.lines.size(), 5u);
    // Without one the refused hint is given up until the pointer moves.
    a->Reshow = 0;
    clock.Advance(100);
    clock.Advance(5000);
    EXPECT_EQ(log.lines.size(), 6u);
    a->Refuse = false;
    TestKit::MouseMove(a, 6, 6);
    clock.Advance(500);
    EXPECT_EQ(Shown(), "cell 0,0");
}

TEST_F(HintTest, WhatCancelsAHint)
{
    struct Row {
        const char* What;
        std::function<void(HintTest&)> Do;
    };
    const Row rows[] = {
        {"CancelHint", [](HintTest&) { Application.CancelHint(); }},
        {"mouse button", [](HintTest& t) { TestKit::MouseDown(t.a, 5, 5); }},
        {"wheel", [](HintTest& t) { TestKit::Wheel(t.a, 5, 5, -120); }},
        {"key", [](HintTest&) { TestKit::TypeKey(nullptr, VK_SHIFT); }},
        {"pointer leaving the window", [](HintTest& t) { TestKit::MouseLeave(t.form); }},
        {"another form activated", [](HintTest&) {
             TCustomForm other(nullptr);
             other.Show();
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.What);
        // While showing: hidden, and no hint comes back by itself.
        TestKit::MouseMove(a, 5, 5);
        clock.Advance(500);
        ASSERT_EQ(Shown(), "Hint of A");
        r.Do(*this);
        EXPECT_FALSE(Showing());
        clock.Advance(5000);
        EXPECT_FALSE(Showing());
        TestKit::MouseUp(a, 5, 5);
        form->Show();
        // While pending: nothing shows; the next move waits the full pause.
        TestKit::MouseMove(a, 7, 7);
        clock.Advance(200);
        r.Do(*this);
        clock.Advance(5000);
        EXPECT_FALSE(Showing());
        TestKit::MouseUp(a, 5, 5);
        form->Show();
        TestKit::MouseMove(a, 8, 8);
        clock.Advance(499);
        EXPECT_FALSE(Showing());
        clock.Advance(1);
        EXPECT_EQ(Shown(), "Hint of A");
        Application.CancelHint();
    }
}

TEST_F(HintTest, WhichControlAndWhichText)
{
    // A graphic control's own hint; its rectangle is the cursor rectangle.
    TestKit::MouseMove(mark, 5, 5);
    clock.Advance(500);
    EXPECT_EQ(Shown(), "Hint of the mark");
    // Off it onto the form, whose ShowHint is off: no hint control.
    TestKit::MouseMove(form, 200, 150);
    EXPECT_FALSE(Showing());
    clock.Advance(5000);
    EXPECT_FALSE(Showing());

    // A child without ShowHint defers to the parent that has it, and
    // a control without text shows its parent's.
    auto* inner = MakeControl<TBox>(form, a, "Inner", 5, 5, 20, 20);
    inner->SetParentShowHint(false);
    inner->SetShowHint(false);
    TestKit::MouseMove(inner, 2, 2);
    clock.Advance(500);
    EXPECT_EQ(Shown(), "Hint of A");
    Application.CancelHint();
    inner->SetShowHint(true);
    TestKit::MouseMove(inner, 3, 3);
    clock.Advance(500);
    EXPECT_EQ(Shown(), "Hint of A");
    Application.CancelHint();

    // Hints off for the program, or refused by the control: nothing.
    Application.SetShowHint(false);
    TestKit::MouseMove(b, 5, 5);
    clock.Advance(5000);
    EXPECT_FALSE(Showing());
    Application.SetShowHint(true);
    b->Refuse = true;
    log.Clear();
    TestKit::MouseMove(b, 6, 6);
    clock.Advance(5000);
    EXPECT_FALSE(Showing());
    EXPECT_EQ(log.lines, std::vector<std::string>{"B asked \"Hint of B\" at 6,6"});
}

TEST_F(HintTest, AControlFreedWhileItsHintIsPendingShowsNothing)
{
    TestKit::MouseMove(b, 5, 5);
    clock.Advance(100);
    b->Free();
    clock.Advance(5000);
    EXPECT_FALSE(Showing());
}
