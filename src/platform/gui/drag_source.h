#pragma once
// The outgoing drag: data a control hands to the window system's drag and
// drop, for other windows and other programs (drags between the layer's own
// controls run on its routing instead, dragdrop.h).
//
// DoDragDrop runs one drag of the data and answers what the drop did with
// it: DROPEFFECT_COPY, DROPEFFECT_MOVE, or DROPEFFECT_NONE when the drag was
// cancelled (Esc) or ended where nothing took it. The source's own press
// ends first: the mouse capture is released, since the drag owns the mouse
// until the button goes up. When the drop landed on a window of this
// program, the result names its control.
//
// The loop that carries the drag is Qt's (QDrag::exec) unless another is
// installed with SetDragSourceLoop: tests install one that delivers the
// drag with the test kit's drag driver and says how it ended.
#include <QMimeData>

#include <functional>
#include <memory>

#include "platform/gui/controls.h"

class QDrag;

// The effects of a drop; allowed effects are a combination.
constexpr int DROPEFFECT_NONE = 0;
constexpr int DROPEFFECT_COPY = 1;
constexpr int DROPEFFECT_MOVE = 2;

// Copy and move to Qt's actions and back (any other action is no effect).
Qt::DropActions DropEffectsToActions(int Effects);
int DropActionToEffect(Qt::DropAction Action);

struct TDragSourceResult {
    int Effect = DROPEFFECT_NONE;
    // The control of this program the data was dropped on (nullptr: none,
    // or another program's window).
    TWinControl* Target = nullptr;
    bool Cancelled() const { return Effect == DROPEFFECT_NONE; }
};

// How a drag ended: Qt's action (Qt::IgnoreAction: cancelled or refused)
// and the object dropped on (QDrag::target(); nullptr when none).
struct TDragLoopOutcome {
    Qt::DropAction Action = Qt::IgnoreAction;
    QObject* Target = nullptr;
};
// Runs the prepared drag (its data and source are set) with the allowed
// actions and returns how it ended.
using TDragSourceLoop = std::function<TDragLoopOutcome(QDrag& Drag, Qt::DropActions Allowed)>;

// Installs Loop (an empty one: Qt's) and returns the one installed before.
TDragSourceLoop SetDragSourceLoop(TDragSourceLoop Loop);

// True while DoDragDrop runs.
bool DragSourceRunning();

// Hears the pointer (screen coordinates) while a drag runs: the source
// moves its drag picture with it.
using TDragFeedback = std::function<void(TPoint ScreenPos)>;

// Drags Data from Source with AllowedEffects (a combination of COPY and
// MOVE; none allowed, or no data, starts nothing and answers NONE). A drag
// started while one runs answers NONE at once. Feedback hears every move
// of the pointer until the drag ends.
TDragSourceResult DoDragDrop(TWinControl* Source, std::unique_ptr<QMimeData> Data, int AllowedEffects,
                             TDragFeedback Feedback = {});

// The loop reports a move of the pointer to the running drag's feedback
// (nothing when no drag runs). Qt's loop follows the cursor by itself.
void DragSourceMoved(TPoint ScreenPos);
