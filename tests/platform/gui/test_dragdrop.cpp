// Cancel mode and drag and drop: who ends a press in progress, the drag loop
// step by step (targets, answers, cursor, drop), its threshold, Esc and the
// other ways a drag is cancelled, and drops from other programs through
// Qt's drag events.
#include <QCoreApplication>
#include <QEvent>
#include <QApplicationStateChangeEvent>
#include <QMimeData>
#include <QWidget>

#include <functional>

#include "gui_fixture.h"
#include "platform/gui/dialogs.h"
#include "platform/gui/dragdrop.h"
#include "platform/gui/forms.h"

namespace {

std::string Pt(int X, int Y) { return std::to_string(X) + "," + std::to_string(Y); }

std::string SourceName(TObject* Source)
{
    if (auto* c = dynamic_cast<TControl*>(Source))
        return c->Name().toStdString();
    if (auto* e = dynamic_cast<TExternalDragObject*>(Source))
        return "outside[" + e->Text().toStdString() + e->Files().join(QLatin1Char(';')).toStdString() + "]";
    return Source ? "object" : "none";
}

const char* StateName(TDragState S)
{
    return S == dsDragEnter ? "enter" : S == dsDragLeave ? "leave" : "move";
}

// Logs the drag events of C; C accepts what is dragged over its left half
// (when Accepts is set).
void WatchDrag(TControl* C, EventLog& Log, bool Accepts)
{
    const std::string n = C->Name().toStdString();
    if (Accepts) {
        C->OnDragOver = [&Log, n, C](TObject*, TObject* Source, int X, int Y, TDragState State, bool& Accept) {
            Accept = X < C->Width() / 2;
            Log.Add(n + ".DragOver " + StateName(State) + " " + Pt(X, Y) + " " + SourceName(Source));
        };
        C->OnDragDrop = [&Log, n](TObject*, TObject* Source, int X, int Y) {
            Log.Add(n + ".DragDrop " + Pt(X, Y) + " " + SourceName(Source));
        };
    }
    C->OnStartDrag = [&Log, n](TObject*, TDragObject*&) { Log.Add(n + ".StartDrag"); };
    C->OnEndDrag = [&Log, n](TObject*, TObject* Target, int X, int Y) {
        Log.Add(n + ".EndDrag " + SourceName(Target) + " " + Pt(X, Y));
    };
    C->OnMouseDown = [&Log, n](TObject*, TMouseButton, TShiftState, int, int) { Log.Add(n + ".MouseDown"); };
    C->OnMouseUp = [&Log, n](TObject*, TMouseButton, TShiftState, int, int) { Log.Add(n + ".MouseUp"); };
    C->OnClick = [&Log, n](TObject*) { Log.Add(n + ".Click"); };
}

// A control that logs the cancel-mode and capture-changed messages.
class TModal : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    EventLog* Log = nullptr;

protected:
    void WMCancelMode(TMessage& Message) override
    {
        Log->Add(Name().toStdString() + ".CancelMode" + (MouseCapture() ? " captured" : ""));
        TCustomControl::WMCancelMode(Message);
    }
    void WMCaptureChanged(TMessage& Message) override
    {
        Log->Add(Name().toStdString() + ".CaptureChanged");
        TCustomControl::WMCaptureChanged(Message);
    }
};

// A form with two controls side by side, A (10,10) and B (200,10), each
// 100 x 100; B holds a graphic control G over its lower half. B and G accept
// drops on their left half, A accepts none.
struct DragTest : ::testing::Test {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TModal* a = nullptr;
    TCustomControl* b = nullptr;
    TGraphicControl* g = nullptr;
    EventLog log;
    TestKit::DragDriver drag;

    DragTest()
    {
        form.SetBounds(0, 0, 400, 300);
        a = new TModal(&form);
        a->Log = &log;
        a->SetName("A");
        a->SetBounds(10, 10, 100, 100);
        a->SetParent(&form);
        b = new TCustomControl(&form);
        b->SetName("B");
        b->SetBounds(200, 10, 100, 100);
        b->SetParent(&form);
        g = new TGraphicControl(&form);
        g->SetName("G");
        g->SetBounds(0, 50, 100, 50);
        g->SetParent(b);
        form.Show();
        WatchDrag(a, log, false);
        WatchDrag(b, log, true);
        WatchDrag(g, log, true);
    }
    ~DragTest() override { Screen.SetCursor(crDefault); }
};

}  // namespace

TEST_F(DragTest, ADragStepsOverTargetsAndDropsWhereTheTargetAccepts)
{
    drag.Start(a, 20, 20);
    EXPECT_TRUE(a->Dragging());
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(Screen.Cursor(), crNoDrop);  // A accepts nothing

    drag.Move(b, 70, 20);  // right half: refused
    EXPECT_EQ(drag.Target(), b);
    EXPECT_FALSE(drag.Accepted());
    EXPECT_EQ(Screen.Cursor(), crNoDrop);
    drag.Move(b, 30, 20);
    EXPECT_TRUE(drag.Accepted());
    EXPECT_EQ(Screen.Cursor(), crDrag);
    drag.Move(b, 30, 70);  // over the graphic child
    EXPECT_EQ(drag.Target(), g);
    drag.Move(b, 20, 30);
    drag.Drop(b, 20, 30);

    EXPECT_FALSE(a->Dragging());
    EXPECT_FALSE(drag.Active());
    EXPECT_EQ(Screen.Cursor(), crDefault);
    EXPECT_EQ(log.lines, (std::vector<std::string>{
                             "A.MouseDown",
                             "A.CancelMode captured",
                             "A.CaptureChanged",
                             "A.StartDrag",
                             "B.DragOver enter 70,20 A",
                             "B.DragOver move 70,20 A",
                             "B.DragOver move 30,20 A",
                             "B.DragOver leave 30,70 A",
                             "G.DragOver enter 30,20 A",
                             "G.DragOver move 30,20 A",
                             "G.DragOver leave 20,-20 A",
                             "B.DragOver enter 20,30 A",
                             "B.DragOver move 20,30 A",
                             "B.DragDrop 20,30 A",
                             "A.EndDrag B 20,30",
                         }));
    // The press was ended by the drag: A saw no release, no click.
    log.Clear();
    TestKit::Click(b, 20, 30);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"B.MouseDown", "B.Click", "B.MouseUp"}));
}

TEST_F(DragTest, ADropThatIsRefusedLeavesTheTargetAndEndsWithoutOne)
{
    drag.Start(a, 20, 20);
    drag.Move(b, 30, 20);
    log.Clear();
    drag.Drop(b, 80, 20);  // the release lands on the refused half
    EXPECT_EQ(log.lines, (std::vector<std::string>{"B.DragOver move 80,20 A", "B.DragOver leave 80,20 A",
                                                   "A.EndDrag none 0,0"}));
    EXPECT_EQ(Screen.Cursor(), crDefault);
}

TEST_F(DragTest, EscCancelModeAndDeactivationCancelADrag)
{
    const std::vector<std::pair<const char*, std::function<void(DragTest&)>>> ways = {
        {"Esc", [](DragTest& t) { t.drag.PressEsc(); }},
        {"EndDrag(false)", [](DragTest& t) { t.a->EndDrag(false); }},
        {"CancelMode", [](DragTest&) { CancelMode(); }},
        {"modal form",
         [](DragTest&) {
             TestKit::ModalFormDriver modal;
             TForm dialog(nullptr);
             modal.When(&dialog, TestKit::ModalFormDriver::SetResult(mrOk));
             dialog.ShowModal();
         }},
        {"message box",
         [](DragTest&) {
             TestKit::MessageBoxScript boxes;
             boxes.ExpectAny(mrOk);
             ShowMessage("Stop");
         }},
        {"window deactivated",
         [](DragTest& t) {
             QEvent e(QEvent::WindowDeactivate);
             QCoreApplication::sendEvent(t.form.Widget(), &e);
         }},
        {"application inactive",
         [](DragTest&) {
             QApplicationStateChangeEvent e(Qt::ApplicationInactive);
             QCoreApplication::sendEvent(QCoreApplication::instance(), &e);
         }},
    };
    for (const auto& [name, cancel] : ways) {
        SCOPED_TRACE(name);
        drag.Start(a, 20, 20);
        drag.Move(b, 30, 20);
        ASSERT_TRUE(drag.Accepted());
        log.Clear();
        cancel(*this);
        EXPECT_FALSE(a->Dragging());
        EXPECT_EQ(Screen.Cursor(), crDefault);
        EXPECT_EQ(log.lines, (std::vector<std::string>{"B.DragOver leave 30,20 A", "A.EndDrag none 0,0"}));
        // The release that follows is an ordinary one, on B.
        log.Clear();
        drag.Drop(b, 30, 20);
        EXPECT_EQ(log.lines, (std::vector<std::string>{"B.MouseUp"}));
    }
}

TEST_F(DragTest, AThresholdDragStartsOnceThePointerHasMovedFarEnough)
{
    // Threshold 5: four pixels along either axis do not start it, five do.
    drag.Start(a, 20, 20, false, 5);
    EXPECT_TRUE(a->Dragging());
    drag.Move(a, 24, 16);
    drag.Move(a, 16, 24);
    EXPECT_EQ(drag.Target(), nullptr);
    EXPECT_EQ(Screen.Cursor(), crDefault);
    drag.Move(b, 30, 20);
    EXPECT_EQ(drag.Target(), b);
    EXPECT_EQ(log.lines.back(), "B.DragOver move 30,20 A");
    drag.Drop(b, 30, 20);
    EXPECT_EQ(log.lines.back(), "A.EndDrag B 30,20");

    // Released before the threshold: ended without any target.
    log.Clear();
    drag.Start(a, 20, 20, false, 5);
    drag.Move(a, 23, 20);
    drag.Drop(a, 23, 20);
    EXPECT_FALSE(a->Dragging());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"A.MouseDown", "A.CancelMode captured", "A.CaptureChanged",
                                                   "A.StartDrag", "A.EndDrag none 0,0"}));
}

TEST_F(DragTest, DragModeAutomaticStartsOnThePressInsteadOfTheMouseEvents)
{
    b->SetDragMode(dmAutomatic);
    b->SetDragCursor(crMultiDrag);
    drag.Press(b, 10, 20);
    EXPECT_TRUE(b->Dragging());
    EXPECT_EQ(Screen.Cursor(), crMultiDrag);  // over itself, left half
    drag.Drop(b, 10, 20);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"B.StartDrag", "B.DragOver enter 10,20 B", "B.DragOver move 10,20 B",
                                                   "B.DragDrop 10,20 B", "B.EndDrag B 10,20"}));
}

TEST_F(DragTest, ADragObjectOfTheSourcesOwnIsTheSourceTargetsSee)
{
    TDragObject own;
    a->OnStartDrag = [&](TObject*, TDragObject*& Object) { Object = &own; };
    drag.Start(a, 20, 20);
    EXPECT_EQ(ActiveDragObject(), &own);
    drag.Move(b, 30, 20);
    drag.Drop(b, 30, 20);
    EXPECT_EQ(log.lines.back(), "A.EndDrag B 30,20");
    EXPECT_EQ(log.lines[log.lines.size() - 2], "B.DragDrop 30,20 object");
    EXPECT_TRUE(own.Dropped());
}

TEST_F(DragTest, CancelModeGoesToTheCaptorWhenAModalWindowOrABoxComes)
{
    const std::vector<std::pair<const char*, std::function<void()>>> shows = {
        {"modal form",
         [] {
             TestKit::ModalFormDriver modal;
             TForm dialog(nullptr);
             modal.When(&dialog, TestKit::ModalFormDriver::SetResult(mrOk));
             dialog.ShowModal();
         }},
        {"message box",
         [] {
             TestKit::MessageBoxScript boxes;
             boxes.ExpectAny(mrOk);
             MessageDlg("Sure?", mtConfirmation, TMsgDlgButtons{mbOK}, 0);
         }},
        {"file dialog",
         [] {
             TestKit::FileDialogScript files;
             files.Cancel();
             TOpenDialog d(nullptr);
             d.Execute();
         }},
        {"window deactivated",
         [this] {
             QEvent e(QEvent::WindowDeactivate);
             QCoreApplication::sendEvent(form.Widget(), &e);
         }},
        {"application inactive",
         [] {
             QApplicationStateChangeEvent e(Qt::ApplicationInactive);
             QCoreApplication::sendEvent(QCoreApplication::instance(), &e);
         }},
    };
    for (const auto& [name, show] : shows) {
        SCOPED_TRACE(name);
        TestKit::MouseDown(a, 20, 20);
        ASSERT_EQ(GetCaptureControl(), a);
        log.Clear();
        show();
        EXPECT_EQ(GetCaptureControl(), nullptr);
        EXPECT_EQ(log.lines, (std::vector<std::string>{"A.CancelMode captured", "A.CaptureChanged"}));
        TestKit::MouseUp(a, 20, 20);
    }
    // Nothing captured: nothing to cancel.
    log.Clear();
    CancelMode();
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(DragTest, TextAndFilesDroppedFromOutsideArriveThroughQtsDragEvents)
{
    auto text = TestKit::DragDriver::TextData("hello");
    EXPECT_TRUE(TestKit::DragDriver::ExternalDrop(b, 30, 20, *text));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"B.DragOver enter 30,20 outside[hello]",
                                                   "B.DragOver move 30,20 outside[hello]",
                                                   "B.DragDrop 30,20 outside[hello]"}));

    // Refused on the right half; Qt hears it from the move after the enter.
    log.Clear();
    auto files = TestKit::DragDriver::FileData({"/data/one.xml", "/data/two.xml"});
    EXPECT_TRUE(TestKit::DragDriver::ExternalEnter(b, 80, 20, *files));
    EXPECT_FALSE(TestKit::DragDriver::ExternalMove(b, 80, 20, *files));
    EXPECT_TRUE(TestKit::DragDriver::ExternalMove(b, 20, 70, *files));  // onto G
    EXPECT_FALSE(TestKit::DragDriver::ExternalMove(a, 20, 20, *files));  // A accepts nothing
    TestKit::DragDriver::ExternalLeave();
    EXPECT_EQ(log.lines, (std::vector<std::string>{
                             "B.DragOver enter 80,20 outside[/data/one.xml;/data/two.xml]",
                             "B.DragOver move 80,20 outside[/data/one.xml;/data/two.xml]",
                             "B.DragOver leave 20,70 outside[/data/one.xml;/data/two.xml]",
                             "G.DragOver enter 20,20 outside[/data/one.xml;/data/two.xml]",
                             "G.DragOver move 20,20 outside[/data/one.xml;/data/two.xml]",
                             "G.DragOver leave 20,20 outside[/data/one.xml;/data/two.xml]",
                         }));
    // The handler sees all of the MIME data.
    const QMimeData* seen = nullptr;
    b->OnDragDrop = [&](TObject*, TObject* Source, int, int) {
        auto* object = dynamic_cast<TExternalDragObject*>(Source);
        seen = object ? object->MimeData() : nullptr;
    };
    EXPECT_TRUE(TestKit::DragDriver::ExternalDrop(b, 30, 20, *files));
    EXPECT_EQ(seen, files.get());
}
