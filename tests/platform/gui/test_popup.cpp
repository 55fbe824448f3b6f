// The popup form (showing at a rectangle, the minimum size, the press
// outside and the loss of activation reaching PopupDeactivate, keys while it
// is open) and the displays (Screen.MonitorFromPoint). Offscreen.
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include "gui_fixture.h"
#include "platform/gui/input_route.h"
#include "platform/gui/popupform.h"

namespace {

std::string NameOf(const TControl* C) { return C ? C->Name().toStdString() : "(none)"; }

// A popup that logs PopupDeactivate and applies the rule the test sets.
class TLoggedPopup : public TPopupForm {
public:
    TLoggedPopup(TComponent* AOwner, EventLog& ALog) : TPopupForm(AOwner), Log(ALog) {}

    EventLog& Log;
    bool CloseOnDeactivate = true;
    // The pass-through decided inside PopupDeactivate (nullopt: leave it).
    std::optional<bool> PassDecided;

    void PopupDeactivate(TWinControl* NewWindow) override
    {
        Log.Add(Name().toStdString() + ".PopupDeactivate(" + NameOf(NewWindow) + ")");
        if (PassDecided)
            SetPassClosingPress(*PassDecided);
        if (CloseOnDeactivate)
            TPopupForm::PopupDeactivate(NewWindow);
    }
};

// Records where the popup's widget is each time Qt moves, sizes or shows it.
class GeometryRecorder : public QObject {
public:
    std::vector<QRect> seen;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        const QEvent::Type t = Event->type();
        if (t == QEvent::Move || t == QEvent::Resize || t == QEvent::Show)
            seen.push_back(static_cast<QWidget*>(Watched)->geometry());
        return false;
    }
};

// A main form at (100, 100) with an edit that has the focus and a target
// control, a second form, and a popup owned by the edit with a list inside.
struct PopupTest : GuiTest {
    TForm* main = new TForm(nullptr);
    TEditLike* edit = MakeControl<TEditLike>(main, main, "Edit", 10, 10, 100, 20);
    TEditLike* target = MakeControl<TEditLike>(main, main, "Target", 10, 200, 100, 20);
    TForm* other = new TForm(nullptr);
    EventLog log;
    TLoggedPopup* popup = new TLoggedPopup(edit, log);
    TEditLike* list = MakeControl<TEditLike>(popup, popup, "List", 0, 0, 150, 90);

    void SetUp() override
    {
        main->SetName("Main");
        main->SetBorderStyle(bsNone);
        main->SetBounds(100, 100, 400, 300);
        other->SetName("Other");
        other->SetBorderStyle(bsNone);
        other->SetBounds(700, 100, 200, 200);
        popup->SetName("Popup");
        main->Show();
        edit->SetFocus();
        Watch(target, log);
        Watch(list, log);
        list->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) {
            log.Add("List.MouseMove " + std::to_string(X) + "," + std::to_string(Y));
        };
        popup->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) {
            log.Add("Popup.MouseMove " + std::to_string(X) + "," + std::to_string(Y));
        };
        popup->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int X, int Y) {
            log.Add("Popup.MouseUp " + std::to_string(X) + "," + std::to_string(Y));
        };
    }
    void TearDown() override
    {
        delete other;
        delete main;  // owns the edit, which owns the popup
    }

    // Opens the popup just below the edit, (110, 130) on the screen.
    void Open()
    {
        popup->ShowAt(Bounds(110, 130, 150, 90));
        ASSERT_TRUE(popup->Visible());
        log.Clear();
    }
};

using Lines = std::vector<std::string>;

TEST_F(PopupTest, ShowAtPutsTheWindowAtItsRectangleInOneStep)
{
    GeometryRecorder recorder;
    popup->Widget()->installEventFilter(&recorder);
    TRect atShow;
    popup->OnShow = [&](TObject*) { atShow = TRect::FromQt(popup->Widget()->geometry()); };
    TControl* capture = target;
    SetCaptureControl(capture);

    const TRect r = Bounds(110, 130, 150, 90);
    popup->ShowAt(r);

    EXPECT_EQ(popup->BoundsRect(), r);
    EXPECT_EQ(atShow, r);
    ASSERT_FALSE(recorder.seen.empty());
    for (const QRect& g : recorder.seen)
        EXPECT_EQ(TRect::FromQt(g), r) << "the window was seen elsewhere before it got to its place";
    QWidget* w = popup->Widget();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowType(), Qt::Popup);
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::FramelessWindowHint));
    ASSERT_NE(w->windowHandle(), nullptr);
    EXPECT_EQ(w->windowHandle()->transientParent(), main->Widget()->windowHandle());
    EXPECT_EQ(popup->OwnerForm(), main);
    // The popup takes the mouse and the keyboard; the captor was told first.
    EXPECT_EQ(target->CancelModes, 1);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(Screen.ActiveForm(), popup);
    EXPECT_EQ(GetFocusedControl(), list);
    EXPECT_EQ(ActivePopup(), popup);
    popup->Widget()->removeEventFilter(&recorder);
}

TEST_F(PopupTest, MinimumSizeHoldsWhoeverSizesThePopup)
{
    popup->SetMinSize(80, 50);
    popup->ShowAt(Bounds(20, 30, 40, 20));
    EXPECT_EQ(popup->BoundsRect(), Bounds(20, 30, 80, 50));
    EXPECT_EQ(popup->Widget()->geometry(), QRect(20, 30, 80, 50));
    EXPECT_EQ(popup->Widget()->minimumSize(), QSize(80, 50));

    popup->SetBounds(20, 30, 10, 200);
    EXPECT_EQ(popup->BoundsRect(), Bounds(20, 30, 80, 200));
    // Qt sizing the window (a size grip) stops at the minimum too.
    popup->Widget()->resize(30, 30);
    EXPECT_EQ(popup->Width(), 80);
    EXPECT_EQ(popup->Height(), 50);
    // A larger minimum grows the open popup.
    popup->SetMinSize(100, 60);
    EXPECT_EQ(popup->BoundsRect(), Bounds(20, 30, 100, 60));
}

// A press outside: PopupDeactivate first, with the window under the
// pointer; the press goes on only when the popup passes it.
TEST_F(PopupTest, CornerResizeFollowsThePointerUnderTheCapture)
{
    // Offscreen the window system resizes nothing: the popup drags its own
    // corner under the mouse capture until the release, never below its
    // minimum size, reporting each size change.
    popup->SetMinSize(80, 50);
    popup->ShowAt(Bounds(110, 130, 150, 90));
    int resizes = 0;
    popup->OnResizing = [&](TObject*) { ++resizes; };
    EXPECT_FALSE(popup->CornerResizing());
    TestKit::MouseDown(popup, 145, 85);
    ASSERT_TRUE(popup->StartCornerResize(popup->ClientToScreen(TPoint{145, 85})));
    EXPECT_TRUE(popup->CornerResizing());
    EXPECT_EQ(GetCaptureControl(), popup);
    // Moves outside the popup still reach it.
    TestKit::MouseMove(popup, 195, 125);
    EXPECT_EQ(popup->BoundsRect(), Bounds(110, 130, 200, 130));
    TestKit::MouseMove(popup, 10, 10);
    EXPECT_EQ(popup->BoundsRect(), Bounds(110, 130, 80, 50)) << "held at the minimum size";
    EXPECT_EQ(resizes, 2);
    TestKit::MouseUp(popup, 10, 10);
    EXPECT_FALSE(popup->CornerResizing());
    TestKit::MouseMove(popup, 100, 100);
    EXPECT_EQ(popup->BoundsRect(), Bounds(110, 130, 80, 50)) << "the release ended the drag";
    // A cancelled mode ends it too; a hidden popup starts none.
    TestKit::MouseDown(popup, 70, 40);
    ASSERT_TRUE(popup->StartCornerResize(popup->ClientToScreen(TPoint{70, 40})));
    CancelMode();
    EXPECT_FALSE(popup->CornerResizing());
    popup->Hide();
    EXPECT_FALSE(popup->StartCornerResize(TPoint{0, 0}));
    EXPECT_FALSE(popup->CornerResizing());
}

TEST_F(PopupTest, DropShadowIsAStoredRequest)
{
    EXPECT_FALSE(popup->DropShadow());
    popup->SetDropShadow(true);
    popup->ShowAt(Bounds(110, 130, 150, 90));
    EXPECT_TRUE(popup->DropShadow());
}

TEST_F(PopupTest, PressOutsideReachesPopupDeactivateWithTheWindowUnderThePointer)
{
    struct Case {
        const char* name;
        bool close;
        std::optional<bool> pass;
        Lines expected;
        bool openAfter;
    };
    const Case cases[] = {
        {"closes and passes (default)", true, std::nullopt,
         {"Popup.PopupDeactivate(Target)", "Target.MouseDown L 5,5 [Left]", "Target.Click", "Target.MouseUp L 5,5 []"},
         false},
        // The release then reaches the window under the pointer: no click.
        {"closes and keeps the press", true, false, {"Popup.PopupDeactivate(Target)", "Target.MouseUp L 5,5 []"}, false},
        {"stays open and passes", false, true,
         {"Popup.PopupDeactivate(Target)", "Target.MouseDown L 5,5 [Left]", "Target.Click", "Target.MouseUp L 5,5 []"},
         true},
        {"stays open and keeps the press", false, false, {"Popup.PopupDeactivate(Target)", "Popup.MouseUp 5,175"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        popup->CloseOnDeactivate = c.close;
        popup->PassDecided = c.pass;
        popup->SetPassClosingPress(true);
        Open();
        TestKit::Click(target, 5, 5);
        // The popup closing hands the activation back to the owner's form.
        Lines expected = c.expected;
        EXPECT_EQ(log.lines, expected);
        EXPECT_EQ(popup->Visible(), c.openAfter);
        if (!c.openAfter) {
            EXPECT_EQ(Screen.ActiveForm(), main);
        }
        popup->Hide();
    }
}

TEST_F(PopupTest, PressInsideThePopupIsAnOrdinaryPress)
{
    Open();
    // (115, 135) on the screen: inside the popup, which lies over the edit.
    TestKit::Click(main, 15, 35);
    EXPECT_EQ(log.lines, (Lines{"List.MouseDown L 5,5 [Left]", "List.Click", "List.MouseUp L 5,5 []"}));
    EXPECT_TRUE(popup->Visible());
}

TEST_F(PopupTest, PressOnAnotherProgramReachesPopupDeactivateWithNoWindow)
{
    Open();
    // What the Qt backend routes for a press on no window of ours.
    RouteMouseButton(nullptr, WM_LBUTTONDOWN, {2000, 900}, {ssLeft});
    RouteMouseButton(nullptr, WM_LBUTTONUP, {2000, 900}, {});
    EXPECT_EQ(log.lines, (Lines{"Popup.PopupDeactivate((none))"}));
    EXPECT_FALSE(popup->Visible());
}

// The Qt way: while the popup grabs the mouse, Qt gives it the press made
// outside it; the popup sends it on through the same routing.
TEST_F(PopupTest, QtPressOutsideGoesThroughTheSameRouting)
{
    Open();
    const QPointF global(115, 305);  // Target at (10, 200) of the main form
    const QPointF local = global - QPointF(popup->Left(), popup->Top());
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(popup->Widget(), &press);
    EXPECT_EQ(log.lines, (Lines{"Popup.PopupDeactivate(Target)", "Target.MouseDown L 5,5 [Left]"}));
    EXPECT_FALSE(popup->Visible());
    SetCaptureControl(nullptr);
}

TEST_F(PopupTest, LossOfActivationReachesPopupDeactivate)
{
    // Another form becomes active.
    // (Qt's own close request on that show is explained by it: no second call.)
    Open();
    other->Show();
    TestKit::PumpPostedMessages();
    EXPECT_EQ(log.lines, (Lines{"Popup.PopupDeactivate(Other)"}));
    EXPECT_FALSE(popup->Visible());
    EXPECT_EQ(Screen.ActiveForm(), other);
    other->Hide();

    // The owner's form is activated (Qt's window activation, or a SetFocus).
    popup->CloseOnDeactivate = false;
    Open();
    edit->SetFocus();
    EXPECT_EQ(log.lines, (Lines{"Popup.PopupDeactivate(Main)"}));
    EXPECT_TRUE(popup->Visible());  // this popup's rule keeps it open
    popup->CloseOnDeactivate = true;
    popup->Hide();

    // Qt closing the popup window for reasons of its own: PopupDeactivate
    // with no window once the posted messages run.
    Open();
    popup->Widget()->close();
    EXPECT_TRUE(popup->Visible());
    TestKit::PumpPostedMessages();
    EXPECT_EQ(log.lines, (Lines{"Popup.PopupDeactivate((none))"}));
    EXPECT_FALSE(popup->Visible());
    // Closing it for its own reasons runs no PopupDeactivate.
    Open();
    popup->Close();
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(PopupTest, KeysGoToThePopupWhileItIsOpen)
{
    Open();
    TestKit::TypeText(nullptr, "ab");
    EXPECT_EQ(list->Typed, "ab");
    EXPECT_EQ(edit->Typed, "");
    // A key event Qt delivers to the popup's window goes there too.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, "c");
    QCoreApplication::sendEvent(popup->Widget(), &key);
    EXPECT_EQ(list->Typed, "abc");

    popup->Hide();
    EXPECT_EQ(GetFocusedControl(), edit);
    TestKit::TypeText(nullptr, "d");
    EXPECT_EQ(edit->Typed, "d");
}

TEST_F(PopupTest, FreeingAnOpenPopupGivesTheKeysBack)
{
    Open();
    popup->Free();
    EXPECT_EQ(ActivePopup(), nullptr);
    EXPECT_EQ(Screen.ActiveForm(), main);
    EXPECT_EQ(GetFocusedControl(), edit);
}

TEST_F(PopupTest, MovesAndReleasesOutsideGoToThePopup)
{
    Open();
    TestKit::MouseMove(target, 5, 5);  // screen (115, 305)
    TestKit::MouseUp(target, 5, 5);
    EXPECT_EQ(log.lines, (Lines{"Popup.MouseMove 5,175", "Popup.MouseUp 5,175"}));
    // While a control of the popup holds the capture, it gets them.
    log.Clear();
    TestKit::MouseDown(list, 5, 5);
    TestKit::MouseMove(target, 5, 5);
    TestKit::MouseUp(target, 5, 5);
    EXPECT_EQ(log.lines, (Lines{"List.MouseDown L 5,5 [Left]", "List.MouseMove 5,175", "List.MouseUp L 5,175 []"}));
    EXPECT_TRUE(popup->Visible());
}

// A popup opened from a popup: a press outside both reaches the top one,
// then the one below; a press in the lower one closes only the top one.
TEST_F(PopupTest, StackedPopupsLearnOfThePressTopFirst)
{
    TLoggedPopup* inner = new TLoggedPopup(list, log);
    inner->SetName("Inner");
    for (const bool inLower : {false, true}) {
        SCOPED_TRACE(inLower ? "press in the lower popup" : "press outside both");
        Open();
        inner->ShowAt(Bounds(300, 130, 60, 60));
        EXPECT_EQ(inner->OwnerForm(), popup);
        EXPECT_EQ(inner->Widget()->windowHandle()->transientParent(), popup->Widget()->windowHandle());
        log.Clear();
        if (inLower) {
            TestKit::MouseDown(list, 5, 5);
            EXPECT_EQ(log.lines, (Lines{"Inner.PopupDeactivate(List)", "List.MouseDown L 5,5 [Left]"}));
            EXPECT_TRUE(popup->Visible());
            EXPECT_EQ(Screen.ActiveForm(), popup);
            TestKit::MouseUp(list, 5, 5);
        } else {
            TestKit::MouseDown(target, 5, 5);
            EXPECT_EQ(log.lines, (Lines{"Inner.PopupDeactivate(Target)", "Popup.PopupDeactivate(Target)",
                                        "Target.MouseDown L 5,5 [Left]"}));
            EXPECT_FALSE(popup->Visible());
            EXPECT_EQ(Screen.ActiveForm(), main);
            TestKit::MouseUp(target, 5, 5);
        }
        EXPECT_FALSE(inner->Visible());
        popup->Hide();
    }
}

// ---- displays ---------------------------------------------------------------------------------

TEST(Monitors, FollowQtsScreensWithoutALayout)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(Screen.MonitorCount(), int(screens.size()));
    ASSERT_NE(Screen.PrimaryMonitor(), nullptr);
    EXPECT_EQ(Screen.PrimaryMonitor()->BoundsRect(), TRect::FromQt(QGuiApplication::primaryScreen()->geometry()));
    EXPECT_EQ(Screen.PrimaryMonitor()->WorkareaRect(),
              TRect::FromQt(QGuiApplication::primaryScreen()->availableGeometry()));
    EXPECT_EQ(Screen.WorkAreaRect(), Screen.PrimaryMonitor()->WorkareaRect());
    EXPECT_EQ(Screen.Monitors(Screen.MonitorCount()), nullptr);
}

// The primary display A at (0, 0) and B left of it at negative x, lower and
// with a 20-pixel gap between them.
TEST(Monitors, MonitorFromPointWithTwoMonitors)
{
    const TRect a = Bounds(0, 0, 1920, 1080), aWork = Bounds(0, 0, 1920, 1040);
    const TRect b = Bounds(-1300, 100, 1280, 1024), bWork = Bounds(-1300, 100, 1280, 1000);
    TestKit::MonitorLayoutScope layout({{b, bWork, false}, {a, aWork, true}});
    ASSERT_EQ(Screen.MonitorCount(), 2);
    TMonitor* mb = Screen.Monitors(0);
    TMonitor* ma = Screen.Monitors(1);
    EXPECT_EQ(mb->BoundsRect(), b);
    EXPECT_EQ(mb->WorkareaRect(), bWork);
    EXPECT_EQ(mb->Left(), -1300);
    EXPECT_EQ(mb->MonitorNum(), 0);
    EXPECT_FALSE(mb->Primary());
    EXPECT_EQ(Screen.PrimaryMonitor(), ma);
    EXPECT_EQ(Screen.WorkAreaRect(), aWork);

    struct Case {
        const char* where;
        TPoint p;
        TMonitor* nearest;
        bool onOne;
    };
    const Case cases[] = {
        {"inside A", {500, 500}, ma, true},
        {"inside B", {-640, 600}, mb, true},
        {"A's top-left pixel", {0, 0}, ma, true},
        {"B's last pixel", {-21, 1123}, mb, true},
        {"left of both", {-5000, 600}, mb, false},
        {"in the gap, nearer A", {-5, 600}, ma, false},
        {"in the gap, nearer B", {-15, 600}, mb, false},
        {"right of A", {2500, 300}, ma, false},
        {"above A", {100, -40}, ma, false},
        {"above B", {-640, 20}, mb, false},
        {"below both, under B", {-600, 3000}, mb, false},
        {"A's right edge (outside)", {1920, 10}, ma, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        EXPECT_EQ(Screen.MonitorFromPoint(c.p), c.nearest);
        EXPECT_EQ(Screen.MonitorFromPoint(c.p, mdNearest), c.nearest);
        EXPECT_EQ(Screen.MonitorFromPoint(c.p, mdNull), c.onOne ? c.nearest : nullptr);
        EXPECT_EQ(Screen.MonitorFromPoint(c.p, mdPrimary), c.onOne ? c.nearest : ma);
    }
}

TEST(Monitors, LayoutWithoutAPrimaryMakesTheFirstOnePrimaryAndTheObjectsStay)
{
    TMonitor* first = nullptr;
    {
        TestKit::MonitorLayoutScope layout({{Bounds(-800, 0, 800, 600), Bounds(-800, 0, 800, 560), false},
                                            {Bounds(0, 0, 1024, 768), Bounds(0, 0, 1024, 768), false}});
        first = Screen.Monitors(0);
        EXPECT_EQ(Screen.PrimaryMonitor(), first);
        EXPECT_EQ(Screen.MonitorFromPoint({-10, -10}), first);
    }
    // Back to Qt's displays: the object is still there and describes the first of them.
    EXPECT_EQ(Screen.Monitors(0), first);
    EXPECT_EQ(first->BoundsRect(), TRect::FromQt(QGuiApplication::screens().front()->geometry()));
}

}  // namespace
