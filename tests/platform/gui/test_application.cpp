// Real Qt events through the backend, and the program-wide objects.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

#include "gui_fixture.h"
#include "platform/gui/qt_backend.h"

namespace {

struct QtEventTest : GuiTest {
    TCustomForm* form = new TCustomForm(nullptr);
    TEditLike* edit1 = MakeControl<TEditLike>(form, form, "Edit1", 10, 10, 100, 20);
    TEditLike* edit2 = MakeControl<TEditLike>(form, form, "Edit2", 10, 40, 100, 20);
    EventLog log;

    void SetUp() override
    {
        form->SetName("Form");
        form->SetBounds(50, 60, 300, 200);
        Watch(edit1, log);
        Watch(edit2, log);
        form->Show();
        edit1->SetFocus();
        log.Clear();
    }
    void TearDown() override { delete form; }

    static void Send(QWidget* W, QEvent* E)
    {
        QCoreApplication::sendEvent(W, E);
        delete E;
    }
    static QMouseEvent* Mouse(QEvent::Type T, QPoint P, Qt::MouseButton B, Qt::MouseButtons Held,
                              Qt::KeyboardModifiers M = Qt::NoModifier)
    {
        return new QMouseEvent(T, QPointF(P), QPointF(P), B, Held, M);
    }
};

}  // namespace

TEST_F(QtEventTest, KeyEventsBecomeTheSameMessagesAsTheTestKitSends)
{
    // Sent to the form's widget: the keyboard goes to the focused control.
    Send(form->Widget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    Send(form->Widget(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a"));
    Send(edit1->Widget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, "A"));
    Send(edit1->Widget(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_A, Qt::ShiftModifier, "A"));
    const std::vector<std::string> fromQt = log.lines;

    log.Clear();
    TestKit::TypeKey(nullptr, 'A');
    TestKit::TypeKey(nullptr, 'A', {ssShift});
    EXPECT_EQ(fromQt, log.lines);
    EXPECT_EQ(fromQt.size(), 6u);
    EXPECT_EQ(edit1->Typed, QString("aAaA"));
}

TEST_F(QtEventTest, QtFocusFollowsTheLayersFocus)
{
    QCoreApplication::processEvents();  // the window's activation arrives queued
    edit2->SetFocus();
    EXPECT_EQ(QApplication::focusWidget(), edit2->Widget());
    // Qt moving its focus by a click (a stock widget taking focus) moves the layer's.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(edit1->Widget(), &focusIn);
    EXPECT_TRUE(edit1->Focused());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Edit1.OnExit", "Edit2.OnEnter", "Edit2.OnExit", "Edit1.OnEnter"}));
}

TEST_F(QtEventTest, TabAndControlKeysFromQt)
{
    Send(edit1->Widget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t"));
    EXPECT_TRUE(edit2->Focused());
    Send(edit2->Widget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier, ""));
    EXPECT_TRUE(edit1->Focused());
    // Ctrl+C types character 3 whatever text Qt reports.
    Send(edit1->Widget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, "c"));
    EXPECT_EQ(edit1->Typed, QString(QChar(char16_t(3))));
    // The keypad '.' arrives with bit 22 in its key data, the main one without.
    edit1->Typed.clear();
    Send(edit1->Widget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Period, Qt::KeypadModifier, "."));
    EXPECT_EQ(edit1->Typed, QString("."));
    EXPECT_NE(edit1->LastCharKeyData & KEYDATA_SCANBIT6, 0);
    Send(edit1->Widget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, "."));
    EXPECT_EQ(edit1->LastCharKeyData & KEYDATA_SCANBIT6, 0);
}

TEST_F(QtEventTest, MouseEventsBecomeTheSameMessagesAsTheTestKitSends)
{
    QWidget* w = edit1->Widget();
    Send(w, Mouse(QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::LeftButton));
    Send(w, Mouse(QEvent::MouseMove, {150, 7}, Qt::NoButton, Qt::LeftButton));  // outside: still Edit1's
    Send(w, Mouse(QEvent::MouseButtonRelease, {5, 6}, Qt::LeftButton, Qt::NoButton));
    Send(w, Mouse(QEvent::MouseButtonDblClick, {5, 6}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier));
    Send(w, Mouse(QEvent::MouseButtonRelease, {5, 6}, Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Edit1.MouseDown L 5,6 [Left]", "Edit1.MouseMove 150,7 [Left]",
                                                    "Edit1.Click", "Edit1.MouseUp L 5,6 []", "Edit1.DblClick",
                                                    "Edit1.MouseDown L 5,6 [Shift+Left+Double]",
                                                    "Edit1.MouseUp L 5,6 [Shift]"}));
    const std::vector<std::string> fromQt = log.lines;
    log.Clear();
    TestKit::MouseDown(edit1, 5, 6);
    TestKit::MouseMove(edit1, 150, 7);
    TestKit::MouseUp(edit1, 5, 6);
    TestKit::DblClick(edit1, 5, 6, {ssShift});
    // The test kit's double click starts with its own first click.
    log.lines.erase(log.lines.begin() + 4, log.lines.begin() + 7);
    EXPECT_EQ(log.lines, fromQt);
}

TEST_F(QtEventTest, WheelAndHoverFromQt)
{
    std::vector<int> deltas;
    edit2->OnMouseWheel = [&](TObject*, TShiftState, int Delta, TPoint P, bool& Handled) {
        deltas.push_back(Delta);
        deltas.push_back(P.X);
        Handled = true;
    };
    QWheelEvent wheel(QPointF(3, 4), QPointF(3, 4), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(edit2->Widget(), &wheel);
    EXPECT_EQ(deltas, (std::vector<int>{-120, 50 + 10 + 3}));

    Send(edit2->Widget(), Mouse(QEvent::MouseMove, {3, 4}, Qt::NoButton, Qt::NoButton));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(edit2->Widget(), &leave);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Edit2.Enter(mouse)", "Edit2.MouseMove 3,4 []", "Edit2.Leave(mouse)"}));
}

TEST_F(QtEventTest, PaintEventsReachPaint)
{
    struct TCounting : TCustomControl {
        using TCustomControl::TCustomControl;
        int paints = 0;
        bool canvasReady = false;
        void Paint() override
        {
            ++paints;
            canvasReady = Canvas().HandleAllocated();
        }
    };
    auto* c = MakeControl<TCounting>(form, form, "Painted", 10, 70, 40, 30);
    QCoreApplication::processEvents();  // the offscreen window is exposed asynchronously
    const int before = c->paints;
    c->Repaint();  // paints now, through WM_PAINT
    EXPECT_EQ(c->paints, before + 1);
    EXPECT_TRUE(c->canvasReady);
    EXPECT_FALSE(c->Canvas().HandleAllocated());  // only during Paint
}

TEST_F(QtEventTest, QtMouseMovesStartTheHintOnTheLayerClock)
{
    TestKit::FakeClock clock;
    struct THinted : TBox {
        using TBox::TBox;
        std::vector<std::string> asked;
        void Dispatch(TMessage& M) override
        {
            if (M.Msg == CM_HINTSHOW) {
                auto* info = reinterpret_cast<THintInfo*>(M.LParam);
                asked.push_back(info->HintStr.toStdString() + " at " + std::to_string(info->CursorPos.X) + "," +
                                std::to_string(info->CursorPos.Y));
                M.Result = 1;  // no hint window: answered here
                return;
            }
            TBox::Dispatch(M);
        }
    };
    auto* c = MakeControl<THinted>(form, form, "Hinted", 150, 10, 50, 50);
    c->SetHint("Short|Longer text for the status line");
    // Qt's own tool-tip requests are not used.
    QHelpEvent help(QEvent::ToolTip, QPoint(7, 9), QPoint(0, 0));
    c->SetShowHint(true);
    QCoreApplication::sendEvent(c->Widget(), &help);
    clock.Advance(5000);
    EXPECT_TRUE(c->asked.empty());
    Send(c->Widget(), Mouse(QEvent::MouseMove, QPoint(7, 9), Qt::NoButton, Qt::NoButton));
    clock.Advance(Application.HintPause());
    EXPECT_EQ(c->asked, std::vector<std::string>{"Short at 7,9"});
    // A Qt key press cancels it.
    Send(c->Widget(), Mouse(QEvent::MouseMove, QPoint(8, 9), Qt::NoButton, Qt::NoButton));
    Send(form->Widget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier));
    Send(form->Widget(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier));
    clock.Advance(5000);
    EXPECT_EQ(c->asked.size(), 1u);
}

TEST_F(QtEventTest, ClosingTheWindowHidesTheForm)
{
    QCloseEvent close;
    QCoreApplication::sendEvent(form->Widget(), &close);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Widget()->isVisible());
    EXPECT_EQ(Screen.ActiveForm(), nullptr);
}

// ---- the program-wide objects ---------------------------------------------------------------------

namespace {
struct TMainForm : TCustomForm {
    using TCustomForm::TCustomForm;
};
}  // namespace

TEST(ApplicationObject, FirstFormCreatedIsTheMainForm)
{
    TMainForm* main = nullptr;
    TCustomForm* second = nullptr;
    Application.CreateForm(main);
    Application.CreateForm(second);
    EXPECT_EQ(Application.MainForm(), main);
    EXPECT_EQ(main->Owner(), &Application);
    EXPECT_FALSE(Application.Terminated());
    // Closing the main form ends the application.
    main->Show();
    main->Close();
    EXPECT_TRUE(Application.Terminated());
    Application.DestroyComponents();
    EXPECT_EQ(Application.MainForm(), nullptr);
    Application.Initialize();
    EXPECT_FALSE(Application.Terminated());
}

TEST(ApplicationObject, RunShowsTheMainFormAndReturnsWhenItCloses)
{
    Application.Initialize();
    TMainForm* main = nullptr;
    Application.CreateForm(main);
    bool wasVisible = false;
    QTimer::singleShot(0, [&] {
        wasVisible = main->Visible() && main->Widget()->isVisible();
        main->Close();
    });
    Application.Run();
    EXPECT_TRUE(wasVisible);
    EXPECT_TRUE(Application.Terminated());
    Application.DestroyComponents();
    Application.Initialize();
}

TEST(ApplicationObject, HintSettingsHaveThePlatformDefaults)
{
    EXPECT_TRUE(Application.ShowHint());
    EXPECT_EQ(Application.HintPause(), 500);
    EXPECT_EQ(Application.HintHidePause(), 2500);
    EXPECT_EQ(Application.HintColor(), clInfoBk);
}

TEST(ScreenObject, CursorOverrideIsReadable)
{
    EXPECT_EQ(Screen.Cursor(), crDefault);
    Screen.SetCursor(crDrag);
    EXPECT_EQ(Screen.Cursor(), crDrag);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), CursorToQt(crDrag).shape());
    Screen.SetCursor(crHourGlass);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen.SetCursor(crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_GT(Screen.Width(), 0);
    EXPECT_GT(Screen.WorkAreaRect().Height(), 0);
}

TEST(ScreenObject, ControlCursorsFollowThePointer)
{
    TestKit::InputStateScope input;
    TBox box(nullptr);
    box.SetBounds(0, 0, 100, 100);
    struct TImage : TGraphicControl {
        using TGraphicControl::TGraphicControl;
    };
    auto* link = MakeControl<TImage>(&box, &box, "Link", 10, 10, 20, 20);
    link->SetCursor(crHandPoint);
    box.SetCursor(crHSplit);
    EXPECT_EQ(box.Widget()->cursor().shape(), Qt::SplitHCursor);
    TestKit::MouseMove(&box, 15, 15);
    EXPECT_EQ(box.Widget()->cursor().shape(), Qt::PointingHandCursor);
    TestKit::MouseMove(&box, 50, 50);
    EXPECT_EQ(box.Widget()->cursor().shape(), Qt::SplitHCursor);
}

TEST(SystemMetrics, ClassicValuesAndOverrides)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CYEDGE), 2);
    EXPECT_EQ(GetDoubleClickTime(), 500u);
    EXPECT_EQ(GetWheelScrollLines(), 3u);
    EXPECT_EQ(Mouse.WheelScrollLines(), 3);
    SetSystemMetric(SM_CXVSCROLL, 21);
    SetWheelScrollLines(WHEEL_PAGESCROLL);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 21);
    ResetSystemMetrics();
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_EQ(GetWheelScrollLines(), 3u);
}

TEST(InputStateService, SettableAndReplaceable)
{
    TestKit::InputStateScope input;
    InputState().SetKeyDown(VK_LBUTTON, true);
    InputState().SetKeyToggled(VK_NUMLOCK, true);
    EXPECT_LT(GetKeyState(VK_LBUTTON), 0);
    EXPECT_EQ(GetKeyState(VK_NUMLOCK) & 1, 1);
    Mouse.SetCursorPos({12, 34});
    EXPECT_EQ(GetCursorPos(), (TPoint{12, 34}));

    struct AlwaysShift : TInputState {
        bool IsKeyDown(int VK) const override { return VK == VK_SHIFT || TInputState::IsKeyDown(VK); }
    } replacement;
    TInputState* previous = SetInputState(&replacement);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
    SetInputState(nullptr);
    EXPECT_EQ(&InputState(), previous);
}
