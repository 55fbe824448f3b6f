#pragma once
// Drags in tests, one step at a time. A drag inside the program runs through
// the same routing as real mouse and key input (input_driver.h); a drop from
// another program is sent as Qt's own drag events to the window under the
// point, as Qt delivers them.
//
//   TestKit::DragDriver drag;
//   drag.Start(a, 10, 10);        // press on a; a->BeginDrag(true) unless the press started a drag
//   drag.Move(b, 30, 12);         // one step over b, left button held
//   EXPECT_TRUE(drag.Accepted());
//   drag.Drop(b, 30, 12);         // the release
//
//   auto files = TestKit::DragDriver::FileData({"/tmp/x.xml"});
//   EXPECT_TRUE(TestKit::DragDriver::ExternalDrop(grid, 40, 30, *files));
//
// Positions are client coordinates of the control named.
#include <QStringList>

#include <memory>

#include "platform/gui/dragdrop.h"

class QMimeData;

namespace TestKit {

class DragDriver {
public:
    // Presses the left button on Source at (X, Y); when that started no drag
    // (no dmAutomatic, no BeginDrag in OnMouseDown), Source->BeginDrag(
    // Immediate, Threshold) follows.
    void Start(TControl* Source, int X, int Y, bool Immediate = true, int Threshold = -1);
    // Only the press: the control starts the drag itself (or not).
    void Press(TControl* Source, int X, int Y);
    // The pointer moves to (X, Y) of Control with the left button held.
    void Move(TControl* Control, int X, int Y, TShiftState Shift = {});
    // The left button is released at (X, Y) of Control.
    void Drop(TControl* Control, int X, int Y);
    // Esc goes down and up.
    void PressEsc();

    // The drag in progress.
    static bool Active() { return ActiveDragObject() != nullptr || DragLoopActive(); }
    static TControl* Target();
    static bool Accepted();

    // ---- drops from other programs: true when the window under the point
    // accepted the event (QDropEvent::isAccepted). As Qt's window does, a
    // move or release over another window than the one entered first sends
    // a leave to that one and an enter to the new one. A layer window takes
    // every enter; the move that follows it gives the real answer.
    static bool ExternalEnter(TControl* Control, int X, int Y, const QMimeData& Data);
    static bool ExternalMove(TControl* Control, int X, int Y, const QMimeData& Data);
    static void ExternalLeave();
    static bool ExternalRelease(TControl* Control, int X, int Y, const QMimeData& Data);
    // Enter, move and drop at one point.
    static bool ExternalDrop(TControl* Control, int X, int Y, const QMimeData& Data);
    // Data as a file manager offers it (file URLs), or plain text.
    static std::unique_ptr<QMimeData> FileData(const QStringList& Paths);
    static std::unique_ptr<QMimeData> TextData(const String& Text);
};

}  // namespace TestKit
