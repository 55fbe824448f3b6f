// The drag loop, the drag objects, CM_DRAG's default handling and Qt's drag
// events (rules in dragdrop.h).
#include "platform/gui/dragdrop.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <cmath>
#include <cstdlib>

#include "platform/gui/application.h"
#include "platform/gui/input_route.h"
#include "platform/gui/input_state.h"

// ---- drag objects ---------------------------------------------------------------------------------

TCursor TDragObject::GetDragCursor(bool Accepted, int, int) { return Accepted ? crDrag : crNoDrop; }

void TDragObject::Finished(TObject*, int, int, bool) {}

TCursor TDragControlObject::GetDragCursor(bool Accepted, int X, int Y)
{
    if (Accepted)
        if (TControl* c = control_.Get())
            return c->DragCursor();
    return TDragObject::GetDragCursor(Accepted, X, Y);
}

TExternalDragObject::TExternalDragObject(const QMimeData* Data) : data_(const_cast<QMimeData*>(Data))
{
    if (!Data)
        return;
    for (const QUrl& url : Data->urls())
        if (url.isLocalFile())
            files_.push_back(url.toLocalFile());
    formats_ = Data->formats();
    // Plain text only (Qt's text() would also give the URLs as text).
    for (const QString& f : formats_)
        if (f == QLatin1String("text/plain") || f.startsWith(QLatin1String("text/plain;")))
            hasText_ = true;
    if (hasText_)
        text_ = Data->text();
}

// ---- the loop -------------------------------------------------------------------------------------

class TDragLoop {
public:
    // A drag started by BeginDrag.
    struct Session {
        TWeakRef<TControl> source;
        std::shared_ptr<TDragObject> object;
        // False until the pointer has moved past the threshold.
        bool started = false;
        TPoint startPos;
        int threshold = 0;
        bool cursorSet = false;
        TCursor savedCursor = crDefault;
    };

    static std::unique_ptr<Session>& Internal()
    {
        static std::unique_ptr<Session> s;
        return s;
    }
    // Raised whenever a drag ends, so that a step learns that a handler
    // ended the drag it is running for.
    static int& Generation()
    {
        static int g = 0;
        return g;
    }
    static std::shared_ptr<TExternalDragObject>& External()
    {
        static std::shared_ptr<TExternalDragObject> e;
        return e;
    }

    static intptr_t Send(TControl* Target, TDragMessage Msg, TDragObject* Object, TPoint Pos)
    {
        TDragRec rec{Pos, Object, Target};
        return Target->Perform(CM_DRAG, intptr_t(Msg), intptr_t(&rec));
    }

    // The control under the pointer inside Window (an enabled graphic child,
    // else the window).
    static TControl* TargetIn(TWinControl* Window, TDragObject* Object, TPoint Pos)
    {
        if (!Window)
            return nullptr;
        TDragRec rec{Pos, Object, nullptr};
        auto* c = reinterpret_cast<TControl*>(Window->Perform(CM_DRAG, intptr_t(dmFindTarget), intptr_t(&rec)));
        return c ? c : Window;
    }

    // One step of a drag to Target at Pos: leave and enter when the target
    // changed, then the move; records the answer. False when a handler
    // ended the drag meanwhile (Object may be gone then).
    static bool Step(TDragObject* Object, TControl* Target, TPoint Pos, bool IsExternal)
    {
        const int generation = Generation();
        auto ended = [&] { return Generation() != generation || (IsExternal && External().get() != Object); };
        Object->pos_ = Pos;
        if (Target != Object->target_.Get()) {
            if (TControl* old = Object->target_.Get()) {
                Send(old, dmDragLeave, Object, Pos);
                if (ended())
                    return false;
            }
            TWeakRef<TControl> target(Target);
            Object->target_ = target;
            Object->accepted_ = false;
            if (Target) {
                Send(Target, dmDragEnter, Object, Pos);
                if (ended())
                    return false;
            }
        }
        TControl* target = Object->target_.Get();
        const bool accepted = target && Send(target, dmDragMove, Object, Pos) != 0;
        if (ended())
            return false;
        Object->accepted_ = accepted && Object->target_.Get();
        return true;
    }

    static void ShowCursor(Session& S)
    {
        TDragObject* o = S.object.get();
        TControl* target = o->target_.Get();
        const TPoint p = target ? target->ScreenToClient(o->pos_) : o->pos_;
        const TCursor cursor = o->GetDragCursor(o->accepted_, p.X, p.Y);
        if (!S.cursorSet) {
            S.savedCursor = Screen.Cursor();
            S.cursorSet = true;
        }
        Screen.SetCursor(cursor);
    }

    static void DragTo(TPoint Pos)
    {
        Session* s = Internal().get();
        if (!s || !s->object)
            return;
        std::shared_ptr<TDragObject> keep = s->object;
        if (!Step(keep.get(), FindDragTarget(Pos), Pos, false))
            return;
        if (Internal().get() == s)
            ShowCursor(*s);
    }

    // The target answers the end of a drag: the drop when it accepted,
    // else leave and cancel. Returns the target dropped on (nullptr: none)
    // and the drop point in its client coordinates.
    static TControl* Finish(TDragObject* Object, bool Drop, TPoint& Local)
    {
        Local = {0, 0};
        TWeakRef<TControl> target(Object->target_.Get());
        const bool accepted = Drop && target.Get() && Object->accepted_;
        Object->cancelling_ = !accepted;
        if (TControl* t = target.Get()) {
            if (accepted) {
                Local = t->ScreenToClient(Object->pos_);
                Send(t, dmDragDrop, Object, Object->pos_);
            } else {
                Send(t, dmDragLeave, Object, Object->pos_);
                if (TControl* still = target.Get())
                    Send(still, dmDragCancel, Object, Object->pos_);
            }
        }
        Object->dropped_ = accepted;
        TControl* dropped = accepted ? target.Get() : nullptr;
        if (!dropped)
            Local = {0, 0};
        return dropped;
    }

    static void Done(bool Drop)
    {
        std::unique_ptr<Session> s = std::move(Internal());
        if (!s)
            return;
        ++Generation();
        if (s->cursorSet)
            Screen.SetCursor(s->savedCursor);
        std::shared_ptr<TDragObject> o = s->object;
        if (!o)
            return;
        if (!s->started)
            o->target_.Reset();
        TPoint local;
        TControl* target = Finish(o.get(), Drop, local);
        TWeakRef<TControl> targetRef(target);
        o->Finished(target, local.X, local.Y, o->dropped_);
        if (TControl* source = s->source.Get())
            source->DoEndDrag(targetRef.Get(), local.X, local.Y);
    }

    static void Begin(TControl* Source, bool Immediate, int Threshold)
    {
        if (Internal())
            return;
        TWeakRef<TControl> source(Source);
        CancelMode();
        if (!source || Internal())
            return;
        TDragObject* supplied = nullptr;
        Source->DoStartDrag(supplied);
        if (!source || Internal())
            return;
        auto s = std::make_unique<Session>();
        s->source = source;
        if (supplied)
            s->object = std::shared_ptr<TDragObject>(supplied, [](TDragObject*) {});
        else
            s->object = std::make_shared<TDragControlObject>(Source);
        s->startPos = GetCursorPos();
        s->object->pos_ = s->startPos;
        s->threshold = Threshold < 0 ? GetDragThreshold() : Threshold;
        s->started = Immediate;
        Internal() = std::move(s);
        if (Immediate)
            DragTo(GetCursorPos());
    }

    // ---- drops from other programs

    // The data of the drag from outside that ended last.
    static QPointer<QMimeData>& Ended()
    {
        static QPointer<QMimeData> d;
        return d;
    }

    static std::shared_ptr<TExternalDragObject> StartExternal(const QMimeData* Data)
    {
        EndExternal(false);
        Ended().clear();
        External() = std::make_shared<TExternalDragObject>(Data);
        return External();
    }

    static void SetData(TExternalDragObject& Object, const QMimeData* Data)
    {
        Object.data_ = const_cast<QMimeData*>(Data);
    }

    static void EndExternal(bool Drop)
    {
        std::shared_ptr<TExternalDragObject> o = std::move(External());
        if (!o)
            return;
        Ended() = o->data_;
        TPoint local;
        Finish(o.get(), Drop, local);
        o->data_.clear();
    }
};

TDragObject* ActiveDragObject()
{
    const auto& s = TDragLoop::Internal();
    return s ? s->object.get() : nullptr;
}

bool DragLoopActive() { return TDragLoop::Internal() != nullptr; }

TControl* FindDragTarget(TPoint ScreenPos)
{
    for (TCustomForm* f : AllForms()) {
        if (!f->Visible() || !f->Enabled() || !f->ClientRect().Contains(f->ScreenToClient(ScreenPos)))
            continue;
        return TDragLoop::TargetIn(WindowAtPos(f, ScreenPos), ActiveDragObject(), ScreenPos);
    }
    return nullptr;
}

void DragLoopMouseMove(TPoint ScreenPos)
{
    TDragLoop::Session* s = TDragLoop::Internal().get();
    if (!s)
        return;
    if (!s->started) {
        if (std::abs(ScreenPos.X - s->startPos.X) < s->threshold && std::abs(ScreenPos.Y - s->startPos.Y) < s->threshold)
            return;
        s->started = true;
    }
    TDragLoop::DragTo(ScreenPos);
}

void DragLoopMouseButton(unsigned Msg, TPoint ScreenPos)
{
    TDragLoop::Session* s = TDragLoop::Internal().get();
    if (!s || (Msg != WM_LBUTTONUP && Msg != WM_RBUTTONUP))
        return;
    // The drop lands where the button is released.
    if (s->started && s->object && !(s->object->DragPos() == ScreenPos)) {
        const int generation = TDragLoop::Generation();
        TDragLoop::DragTo(ScreenPos);
        if (TDragLoop::Generation() != generation)
            return;
    }
    TDragLoop::Done(true);
}

void DragLoopKey(Word VK, bool Down)
{
    TDragLoop::Session* s = TDragLoop::Internal().get();
    if (!s)
        return;
    if (VK == VK_ESCAPE) {
        if (Down)
            TDragLoop::Done(false);
        return;
    }
    if ((VK == VK_SHIFT || VK == VK_CONTROL) && s->started)
        TDragLoop::DragTo(GetCursorPos());
}

void CancelDragLoop() { TDragLoop::Done(false); }

// ---- TControl ---------------------------------------------------------------------------------------

void TControl::BeginDrag(bool Immediate, int Threshold)
{
    if (dynamic_cast<TCustomForm*>(this))
        throw EInvalidOperation(QStringLiteral("A form cannot be dragged"));
    TDragLoop::Begin(this, Immediate, Threshold);
}

void TControl::EndDrag(bool Drop)
{
    if (Dragging())
        TDragLoop::Done(Drop);
}

bool TControl::Dragging() const
{
    const auto& s = TDragLoop::Internal();
    return s && s->source.Get() == this;
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    Accept = false;
    if (OnDragOver) {
        Accept = true;
        OnDragOver(this, Source, X, Y, State, Accept);
    }
}

void TControl::DragDrop(TObject* Source, int X, int Y)
{
    if (OnDragDrop)
        OnDragDrop(this, Source, X, Y);
}

void TControl::DoStartDrag(TDragObject*& DragObject)
{
    if (OnStartDrag)
        OnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y)
{
    if (OnEndDrag)
        OnEndDrag(this, Target, X, Y);
}

void TControl::CMDrag(TMessage& Message)
{
    auto* rec = reinterpret_cast<TDragRec*>(Message.LParam);
    if (!rec)
        return;
    TObject* source = rec->Source;
    if (auto* c = dynamic_cast<TDragControlObject*>(rec->Source))
        source = c->Control();
    const TPoint p = ScreenToClient(rec->Pos);
    switch (TDragMessage(Message.WParam)) {
    case dmDragEnter:
    case dmDragLeave:
    case dmDragMove: {
        const TDragMessage m = TDragMessage(Message.WParam);
        const TDragState state = m == dmDragEnter ? dsDragEnter : m == dmDragLeave ? dsDragLeave : dsDragMove;
        bool accept = false;
        DragOver(source, p.X, p.Y, state, accept);
        Message.Result = accept ? 1 : 0;
        break;
    }
    case dmDragDrop:
        DragDrop(source, p.X, p.Y);
        break;
    case dmFindTarget:
        Message.Result = intptr_t(this);
        break;
    case dmDragCancel:
        break;
    }
}

void TWinControl::CMDrag(TMessage& Message)
{
    auto* rec = reinterpret_cast<TDragRec*>(Message.LParam);
    if (rec && TDragMessage(Message.WParam) == dmFindTarget) {
        TControl* c = ControlAtPos(ScreenToClient(rec->Pos), false);
        Message.Result = intptr_t(c ? c : static_cast<TControl*>(this));
        return;
    }
    TControl::CMDrag(Message);
}

// ---- Qt's drag events -------------------------------------------------------------------------------

namespace {

// Screen position of a point of Control's widget: through the top-level
// window, so that a widget whose client area is inset maps right.
TPoint screenPosOf(TWinControl* Control, const QPointF& P)
{
    const QPoint local(int(std::floor(P.x())), int(std::floor(P.y())));
    QWidget* w = Control->Widget();
    QWidget* top = w ? w->window() : nullptr;
    if (TWinControl* window = top ? TWinControl::FromWidget(top) : nullptr) {
        const QPoint q = w->mapTo(top, local);
        const TPoint o = window->ClientOrigin();
        return {o.X + q.x(), o.Y + q.y()};
    }
    return Control->ClientToScreen({local.x(), local.y()});
}

// Tells Qt whether the control under the pointer takes the drop.
void answer(QDropEvent* E, bool Accepted)
{
    if (Accepted)
        E->acceptProposedAction();
    else
        E->ignore();
}

}  // namespace

bool TranslateQtDragEvent(TWinControl* Control, QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(Event);
        std::shared_ptr<TExternalDragObject> o = TDragLoop::External();
        // Qt passes a refused move or drop on to the parent widgets: the
        // drag has been answered (or has ended) already.
        if (!o && Event->type() != QEvent::DragEnter && TDragLoop::Ended().data() == e->mimeData()) {
            e->ignore();
            return true;
        }
        if (Event->type() == QEvent::DragEnter || !o)
            o = TDragLoop::StartExternal(e->mimeData());
        TDragLoop::SetData(*o, e->mimeData());
        const TPoint pos = screenPosOf(Control, e->position());
        const bool enabled = Control->Enabled() && Control->Widget() && Control->Widget()->isEnabled();
        TControl* target = enabled ? TDragLoop::TargetIn(WindowAtPos(Control, pos), o.get(), pos) : nullptr;
        // Qt follows an enter with a move, and a drop comes where the last
        // move was: the target is asked again only when something changed.
        const bool same = Event->type() != QEvent::DragEnter && o->DragPos() == pos && o->DragTarget() == target;
        const bool stepped = same || TDragLoop::Step(o.get(), target, pos, true);
        if (!stepped || TDragLoop::External() != o) {
            e->ignore();
            return true;
        }
        if (Event->type() == QEvent::Drop) {
            answer(e, o->Accepted());
            TDragLoop::EndExternal(true);
        } else {
            // Qt sends the moves only to a window that took the enter; the
            // move that always follows gives the real answer.
            answer(e, Event->type() == QEvent::DragEnter || o->Accepted());
        }
        return true;
    }
    case QEvent::DragLeave:
        TDragLoop::EndExternal(false);
        return true;
    default:
        return false;
    }
}
