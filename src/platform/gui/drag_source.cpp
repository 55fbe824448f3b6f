// The outgoing drag (rules in drag_source.h).
#include "platform/gui/drag_source.h"

#include <QCursor>
#include <QDrag>
#include <QTimer>
#include <QWidget>

namespace {

TDragSourceLoop& InstalledLoop()
{
    static TDragSourceLoop loop;
    return loop;
}

bool running = false;
TDragFeedback feedback;

TDragLoopOutcome QtLoop(QDrag& Drag, Qt::DropActions Allowed)
{
    const Qt::DropAction def = Allowed.testFlag(Qt::MoveAction) ? Qt::MoveAction : Qt::CopyAction;
    // Qt's drag runs its own loop: the pointer is followed by a timer in it.
    QTimer follow;
    QPoint last(-1000000, -1000000);
    QObject::connect(&follow, &QTimer::timeout, [&last] {
        const QPoint p = QCursor::pos();
        if (p != last) {
            last = p;
            DragSourceMoved(TPoint(p.x(), p.y()));
        }
    });
    if (feedback)
        follow.start(15);
    TDragLoopOutcome out;
    out.Action = Drag.exec(Allowed, def);
    out.Target = Drag.target();
    return out;
}

}  // namespace

Qt::DropActions DropEffectsToActions(int Effects)
{
    Qt::DropActions a;
    if (Effects & DROPEFFECT_COPY)
        a |= Qt::CopyAction;
    if (Effects & DROPEFFECT_MOVE)
        a |= Qt::MoveAction;
    return a;
}

int DropActionToEffect(Qt::DropAction Action)
{
    switch (Action) {
    case Qt::CopyAction: return DROPEFFECT_COPY;
    case Qt::MoveAction:
    // A target that takes the data over (its own move) moved it.
    case Qt::TargetMoveAction: return DROPEFFECT_MOVE;
    default: return DROPEFFECT_NONE;
    }
}

TDragSourceLoop SetDragSourceLoop(TDragSourceLoop Loop)
{
    TDragSourceLoop before = std::move(InstalledLoop());
    InstalledLoop() = std::move(Loop);
    return before;
}

bool DragSourceRunning() { return running; }

void DragSourceMoved(TPoint ScreenPos)
{
    if (running && feedback)
        feedback(ScreenPos);
}

TDragSourceResult DoDragDrop(TWinControl* Source, std::unique_ptr<QMimeData> Data, int AllowedEffects,
                             TDragFeedback Feedback)
{
    TDragSourceResult result;
    const Qt::DropActions allowed = DropEffectsToActions(AllowedEffects);
    if (!Data || allowed == Qt::DropActions() || running)
        return result;
    QWidget* widget = Source ? Source->Widget() : nullptr;
    // The drag owns the mouse until the button goes up.
    if (GetCaptureControl())
        SetCaptureControl(nullptr);
    running = true;
    feedback = std::move(Feedback);
    struct Done {
        ~Done()
        {
            running = false;
            feedback = nullptr;
        }
    } done;
    // A QDrag belongs to its source object; without a widget it has none.
    QObject parentless;
    auto* drag = new QDrag(widget ? static_cast<QObject*>(widget) : &parentless);
    std::unique_ptr<QDrag> owned(drag);
    drag->setMimeData(Data.release());
    const TDragSourceLoop& loop = InstalledLoop();
    const TDragLoopOutcome out = loop ? loop(*drag, allowed) : QtLoop(*drag, allowed);
    result.Effect = DropActionToEffect(out.Action);
    // An action the source did not allow counts as none.
    if (!(result.Effect & AllowedEffects))
        result.Effect = DROPEFFECT_NONE;
    if (result.Effect != DROPEFFECT_NONE)
        if (auto* w = qobject_cast<QWidget*>(out.Target))
            for (; w && !result.Target; w = w->parentWidget())
                result.Target = TWinControl::FromWidget(w);
    return result;
}
