#pragma once
// Drag and drop: drags between the program's own controls, run on the
// layer's message routing, and drops of files and text from other programs,
// which arrive as Qt's drag events. Both reach a control through the same
// message, CM_DRAG, and the same virtuals (DragOver, DragDrop).
//
// A drag inside the program:
// - It starts with BeginDrag (or a left press on a control with DragMode
//   dmAutomatic, which starts at once): first CancelMode ends whatever the
//   mouse was doing (the source's own press, its capture), then the source's
//   OnStartDrag may supply a drag object of its own. Immediate: the first
//   step is made where the pointer is; otherwise the drag waits until the
//   pointer has moved Threshold pixels along either axis from there, and a
//   release before that ends it with OnEndDrag(nullptr) and no CM_DRAG sent.
// - While it runs, the pointer belongs to the drag: moves and releases go
//   to the drag loop, not to the controls; keys too (Esc cancels; Shift and
//   Ctrl ask the target again, other keys are swallowed).
// - Each step finds the control under the pointer (an enabled graphic child,
//   else the enabled window; dmFindTarget). A new target gets dmDragEnter
//   (the old one dmDragLeave first); then the target gets dmDragMove, whose
//   answer decides the cursor: the source's DragCursor (crDrag) when it
//   accepts, crNoDrop when it does not or when there is no target. The
//   cursor is Screen.Cursor, put back when the drag ends.
// - A release drops: the target under the pointer gets dmDragDrop
//   (DragDrop, OnDragDrop) when its last answer accepted; otherwise, and on
//   Esc, EndDrag(false) or CancelMode, it gets dmDragLeave and then
//   dmDragCancel. Every target that saw dsDragEnter thus sees either a drop
//   or a dsDragLeave. Last, the source's OnEndDrag(Target, X, Y), with the
//   target and the drop point in its client coordinates, or nullptr, 0, 0.
// - DragOver's Source is the dragged control when the drag object is a
//   TDragControlObject, else the drag object.
//
// A drop from another program: every layer window accepts Qt's drops. Qt's
// drag enter, move, leave and drop events on a window are mapped to the same
// CM_DRAG messages for the control under the pointer, with a
// TExternalDragObject (file names, text, the MIME data) as Source. The
// enter is always taken (Qt sends moves only to a window that took it); the
// move that follows it and the drop are accepted exactly when DragOver
// accepted. There is no source control, so no OnStartDrag or OnEndDrag.
#include <QMimeData>
#include <QPointer>
#include <QStringList>

#include <memory>

#include "platform/gui/controls.h"

class QEvent;

enum class TDragMessage { dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop, dmDragCancel, dmFindTarget };
using TDragMessage::dmDragEnter, TDragMessage::dmDragLeave, TDragMessage::dmDragMove, TDragMessage::dmDragDrop,
    TDragMessage::dmDragCancel, TDragMessage::dmFindTarget;

// What CM_DRAG's LParam points to.
struct TDragRec {
    TPoint Pos;                     // the pointer, screen coordinates
    TDragObject* Source = nullptr;  // the drag
    TControl* Target = nullptr;     // the control the message is for
};

// A drag in progress.
class TDragObject : public TObject {
public:
    TDragObject() = default;
    // The pointer (screen coordinates) at the last step.
    TPoint DragPos() const { return pos_; }
    // The control under the pointer at the last step (nullptr: none).
    TControl* DragTarget() const { return target_.Get(); }
    // The target's last answer.
    bool Accepted() const { return accepted_; }
    // Set when the drag ends: dropped on a target that accepted it, or not.
    bool Dropped() const { return dropped_; }
    bool Cancelling() const { return cancelling_; }
    // The cursor over a target: crDrag when it accepts, else crNoDrop.
    virtual TCursor GetDragCursor(bool Accepted, int X, int Y);
    // The drag ended (Target nullptr: without a drop), before OnEndDrag.
    virtual void Finished(TObject* Target, int X, int Y, bool Accepted);

private:
    friend class TDragLoop;
    TPoint pos_;
    TWeakRef<TControl> target_;
    bool accepted_ = false;
    bool dropped_ = false;
    bool cancelling_ = false;
};

// The drag object the layer makes for a dragged control.
class TDragControlObject : public TDragObject {
public:
    explicit TDragControlObject(TControl* AControl) : control_(AControl) {}
    TControl* Control() const { return control_.Get(); }
    // The control's DragCursor when accepted.
    TCursor GetDragCursor(bool Accepted, int X, int Y) override;

private:
    TWeakRef<TControl> control_;
};

// Files or text dragged in from another program.
class TExternalDragObject : public TDragObject {
public:
    explicit TExternalDragObject(const QMimeData* Data);
    // The local files of the drag's URLs, in order (other URLs are left out).
    const QStringList& Files() const { return files_; }
    // The plain text (empty when there is none).
    const String& Text() const { return text_; }
    bool HasFiles() const { return !files_.isEmpty(); }
    bool HasText() const { return hasText_; }
    // The MIME types offered.
    const QStringList& Formats() const { return formats_; }
    // All of the drag's data; only valid while a handler runs (the data
    // belongs to the other program's drag), nullptr after.
    const QMimeData* MimeData() const { return data_.data(); }

private:
    friend class TDragLoop;
    QPointer<QMimeData> data_;
    QStringList files_;
    String text_;
    bool hasText_ = false;
    QStringList formats_;
};

// The drag running inside the program (nullptr: none).
TDragObject* ActiveDragObject();
// The control a drop at ScreenPos goes to: on the topmost shown form there,
// the enabled control under the point (nullptr: none).
TControl* FindDragTarget(TPoint ScreenPos);

// ---- for the input routing and the Qt backend

// True while a drag started by BeginDrag runs (also before its threshold).
bool DragLoopActive();
// The pointer moved, a button changed, a key went down or up during the
// drag (the input state is up to date already).
void DragLoopMouseMove(TPoint ScreenPos);
void DragLoopMouseButton(unsigned Msg, TPoint ScreenPos);
void DragLoopKey(Word VK, bool Down);
// Ends the drag without a drop (nothing when none runs).
void CancelDragLoop();
// Qt's drag enter, move, leave and drop events on a control's widget;
// false for other events.
bool TranslateQtDragEvent(TWinControl* Control, QEvent* Event);
