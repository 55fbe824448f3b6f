// The outgoing drag: effects and Qt's actions, the drag carried by the test
// kit's drag driver to a control that takes (or refuses) it, what the source
// hears, and the cases that start nothing.
#include <QDrag>

#include "gui_fixture.h"
#include "platform/gui/drag_source.h"
#include "platform/gui/dragdrop.h"
#include "platform/gui/forms.h"
#include "platform/testing/drag_driver.h"

namespace {

// Carries the drag to (X, Y) of Target with the drag driver, as a drop from
// outside the layer's routing, and ends it with Action when the target took
// it (else as refused).
struct DriverLoop {
    TWinControl* Target = nullptr;
    int X = 0, Y = 0;
    Qt::DropAction Action = Qt::MoveAction;
    int Runs = 0;
    Qt::DropActions Allowed{};
    String Text{};

    TDragLoopOutcome operator()(QDrag& Drag, Qt::DropActions A)
    {
        ++Runs;
        Allowed = A;
        Text = Drag.mimeData()->text();
        TDragLoopOutcome out;
        if (Target && TestKit::DragDriver::ExternalDrop(Target, X, Y, *Drag.mimeData())) {
            out.Action = Action;
            out.Target = Target->Widget();
        }
        return out;
    }
};

struct DragSourceTest : ::testing::Test {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TCustomControl* source = nullptr;
    TCustomControl* target = nullptr;
    std::vector<std::string> drops;
    DriverLoop loop;
    TDragSourceLoop before;

    DragSourceTest()
    {
        form.SetBounds(0, 0, 400, 300);
        source = new TCustomControl(&form);
        source->SetBounds(10, 10, 100, 100);
        source->SetParent(&form);
        target = new TCustomControl(&form);
        target->SetBounds(200, 10, 100, 100);
        target->SetParent(&form);
        form.Show();
        target->OnDragOver = [](TObject*, TObject* S, int, int, TDragState, bool& Accept) {
            Accept = dynamic_cast<TExternalDragObject*>(S) != nullptr;
        };
        target->OnDragDrop = [this](TObject*, TObject* S, int X, int Y) {
            drops.push_back(dynamic_cast<TExternalDragObject*>(S)->Text().toStdString() + " at " + std::to_string(X) +
                            "," + std::to_string(Y));
        };
        before = SetDragSourceLoop(std::ref(loop));
    }
    ~DragSourceTest() override { SetDragSourceLoop(before); }

    static DriverLoop Loop(TWinControl* Target, int X = 0, int Y = 0, Qt::DropAction Action = Qt::MoveAction)
    {
        DriverLoop l;
        l.Target = Target;
        l.X = X;
        l.Y = Y;
        l.Action = Action;
        return l;
    }
    static std::unique_ptr<QMimeData> Text(const char* T)
    {
        auto d = std::make_unique<QMimeData>();
        d->setText(QString::fromUtf8(T));
        return d;
    }
};

}  // namespace

TEST(DragSourceEffects, CopyAndMoveMapToQtsActionsBothWays)
{
    struct Case {
        int effects;
        Qt::DropActions actions;
    };
    for (const Case& c : {Case{DROPEFFECT_NONE, {}}, Case{DROPEFFECT_COPY, Qt::CopyAction},
                          Case{DROPEFFECT_MOVE, Qt::MoveAction},
                          Case{DROPEFFECT_COPY | DROPEFFECT_MOVE, Qt::CopyAction | Qt::MoveAction}})
        EXPECT_EQ(DropEffectsToActions(c.effects), c.actions) << c.effects;
    EXPECT_EQ(DropActionToEffect(Qt::CopyAction), DROPEFFECT_COPY);
    EXPECT_EQ(DropActionToEffect(Qt::MoveAction), DROPEFFECT_MOVE);
    EXPECT_EQ(DropActionToEffect(Qt::TargetMoveAction), DROPEFFECT_MOVE);
    EXPECT_EQ(DropActionToEffect(Qt::LinkAction), DROPEFFECT_NONE);
    EXPECT_EQ(DropActionToEffect(Qt::IgnoreAction), DROPEFFECT_NONE);
}

TEST_F(DragSourceTest, TheDataReachesTheTargetAndTheSourceHearsTheEffectAndTheTarget)
{
    for (Qt::DropAction action : {Qt::MoveAction, Qt::CopyAction}) {
        drops.clear();
        loop = Loop(target, 30, 40, action);
        const TDragSourceResult r = DoDragDrop(source, Text("a\tb"), DROPEFFECT_COPY | DROPEFFECT_MOVE);
        EXPECT_EQ(r.Effect, action == Qt::MoveAction ? DROPEFFECT_MOVE : DROPEFFECT_COPY);
        EXPECT_FALSE(r.Cancelled());
        EXPECT_EQ(r.Target, target);
        EXPECT_EQ(loop.Allowed, Qt::CopyAction | Qt::MoveAction);
        EXPECT_EQ(drops, (std::vector<std::string>{"a\tb at 30,40"}));
        EXPECT_FALSE(DragSourceRunning());
    }
}

TEST_F(DragSourceTest, ARefusedOrCancelledDragAndAnActionNotAllowedAreNoEffect)
{
    // Dropped on the source, which takes nothing.
    loop = Loop(source, 5, 5);
    TDragSourceResult r = DoDragDrop(source, Text("x"), DROPEFFECT_COPY | DROPEFFECT_MOVE);
    EXPECT_TRUE(r.Cancelled());
    EXPECT_EQ(r.Target, nullptr);
    // Esc: the loop ends without a target.
    loop = Loop(nullptr);
    EXPECT_TRUE(DoDragDrop(source, Text("x"), DROPEFFECT_COPY).Cancelled());
    // Only copy allowed, and the target claims a move.
    loop = Loop(target, 30, 40, Qt::MoveAction);
    r = DoDragDrop(source, Text("x"), DROPEFFECT_COPY);
    EXPECT_EQ(loop.Allowed, Qt::CopyAction);
    EXPECT_TRUE(r.Cancelled());
    EXPECT_EQ(r.Target, nullptr);
}

TEST_F(DragSourceTest, NothingAllowedNoDataOrADragInsideADragStartNothing)
{
    EXPECT_TRUE(DoDragDrop(source, Text("x"), DROPEFFECT_NONE).Cancelled());
    EXPECT_TRUE(DoDragDrop(source, nullptr, DROPEFFECT_COPY).Cancelled());
    EXPECT_EQ(loop.Runs, 0);
    int inner = -1;
    SetDragSourceLoop([&](QDrag&, Qt::DropActions) {
        EXPECT_TRUE(DragSourceRunning());
        inner = DoDragDrop(source, Text("y"), DROPEFFECT_COPY).Effect;
        return TDragLoopOutcome{Qt::CopyAction, nullptr};
    });
    EXPECT_EQ(DoDragDrop(source, Text("x"), DROPEFFECT_COPY).Effect, DROPEFFECT_COPY);
    EXPECT_EQ(inner, DROPEFFECT_NONE);
}

TEST_F(DragSourceTest, TheDragTakesTheMouseFromTheSourcesCapture)
{
    source->SetMouseCapture(true);
    ASSERT_EQ(GetCaptureControl(), source);
    TControl* during = source;
    SetDragSourceLoop([&](QDrag& Drag, Qt::DropActions) {
        during = GetCaptureControl();
        EXPECT_EQ(Drag.source(), source->Widget());
        return TDragLoopOutcome{};
    });
    DoDragDrop(source, Text("x"), DROPEFFECT_MOVE);
    EXPECT_EQ(during, nullptr);
}

TEST_F(DragSourceTest, TheFeedbackHearsThePointerOnlyWhileTheDragRuns)
{
    std::vector<TPoint> heard;
    SetDragSourceLoop([](QDrag&, Qt::DropActions) {
        DragSourceMoved(TPoint(5, 6));
        DragSourceMoved(TPoint(7, 8));
        return TDragLoopOutcome{};
    });
    DoDragDrop(source, Text("x"), DROPEFFECT_COPY, [&](TPoint P) { heard.push_back(P); });
    DragSourceMoved(TPoint(9, 9));
    EXPECT_EQ(heard, (std::vector<TPoint>{TPoint(5, 6), TPoint(7, 8)}));
}
