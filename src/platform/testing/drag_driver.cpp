#include "platform/testing/drag_driver.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QUrl>
#include <QWidget>

#include "platform/gui/input_route.h"
#include "platform/testing/input_driver.h"

namespace TestKit {

void DragDriver::Press(TControl* Source, int X, int Y)
{
    MouseMove(Source, X, Y);
    MouseDown(Source, X, Y);
}

void DragDriver::Start(TControl* Source, int X, int Y, bool Immediate, int Threshold)
{
    TWeakRef<TControl> source(Source);
    Press(Source, X, Y);
    if (source.Get() && !DragLoopActive())
        source->BeginDrag(Immediate, Threshold);
}

void DragDriver::Move(TControl* Control, int X, int Y, TShiftState Shift)
{
    MouseMove(Control, X, Y, Shift + TShiftState{ssLeft});
}

void DragDriver::Drop(TControl* Control, int X, int Y) { MouseUp(Control, X, Y); }

void DragDriver::PressEsc()
{
    TypeKey(nullptr, VK_ESCAPE);
}

TControl* DragDriver::Target()
{
    TDragObject* o = ActiveDragObject();
    return o ? o->DragTarget() : nullptr;
}

bool DragDriver::Accepted()
{
    TDragObject* o = ActiveDragObject();
    return o && o->Accepted();
}

namespace {

// The window under the point and the point in its widget's coordinates.
struct WidgetPoint {
    QWidget* widget = nullptr;
    QPointF pos;
};

WidgetPoint locate(TControl* Control, int X, int Y)
{
    WidgetPoint r;
    if (!Control)
        return r;
    const TPoint screen = Control->ClientToScreen({X, Y});
    auto* root = dynamic_cast<TWinControl*>(Control);
    if (!root)
        root = Control->Parent();
    TWinControl* window = WindowAtPos(root, screen);
    if (!window || !window->Widget())
        return r;
    r.widget = window->Widget();
    QWidget* top = r.widget->window();
    TWinControl* topControl = TWinControl::FromWidget(top);
    if (topControl) {
        const TPoint o = topControl->ClientOrigin();
        r.pos = QPointF(r.widget->mapFrom(top, QPoint(screen.X - o.X, screen.Y - o.Y)));
    } else {
        const TPoint p = window->ScreenToClient(screen);
        r.pos = QPointF(p.X, p.Y);
    }
    return r;
}

constexpr Qt::DropActions kActions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

// The widget that took the drag's enter: as Qt's window does, a move onto
// another widget first sends a leave to it and an enter to the new one.
QPointer<QWidget>& entered()
{
    static QPointer<QWidget> w;
    return w;
}

bool sendEnter(const WidgetPoint& W, const QMimeData& Data)
{
    entered() = W.widget;
    QDragEnterEvent e(W.pos.toPoint(), kActions, &Data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(W.widget, &e);
    if (!e.isAccepted())
        entered().clear();
    return e.isAccepted();
}

void sendLeave()
{
    QPointer<QWidget> w = entered();
    entered().clear();
    if (!w)
        return;
    QDragLeaveEvent e;
    QCoreApplication::sendEvent(w, &e);
}

// The window under the point, entered unless it is the one entered last (a
// leave goes to that one first); no widget when there is none or it refuses.
WidgetPoint enterAt(TControl* Control, int X, int Y, const QMimeData& Data)
{
    const WidgetPoint w = locate(Control, X, Y);
    if (!w.widget || w.widget == entered().data())
        return w;
    sendLeave();
    return sendEnter(w, Data) ? w : WidgetPoint{};
}

}  // namespace

bool DragDriver::ExternalEnter(TControl* Control, int X, int Y, const QMimeData& Data)
{
    const WidgetPoint w = locate(Control, X, Y);
    if (!w.widget)
        return false;
    sendLeave();
    return sendEnter(w, Data);
}

bool DragDriver::ExternalMove(TControl* Control, int X, int Y, const QMimeData& Data)
{
    const WidgetPoint w = enterAt(Control, X, Y, Data);
    if (!w.widget)
        return false;
    QDragMoveEvent e(w.pos.toPoint(), kActions, &Data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.widget, &e);
    return e.isAccepted();
}

void DragDriver::ExternalLeave() { sendLeave(); }

bool DragDriver::ExternalRelease(TControl* Control, int X, int Y, const QMimeData& Data)
{
    const WidgetPoint w = enterAt(Control, X, Y, Data);
    if (!w.widget)
        return false;
    entered().clear();
    QDropEvent e(w.pos, kActions, &Data, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.widget, &e);
    return e.isAccepted();
}

bool DragDriver::ExternalDrop(TControl* Control, int X, int Y, const QMimeData& Data)
{
    ExternalEnter(Control, X, Y, Data);
    ExternalMove(Control, X, Y, Data);
    return ExternalRelease(Control, X, Y, Data);
}

std::unique_ptr<QMimeData> DragDriver::FileData(const QStringList& Paths)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& p : Paths)
        urls.push_back(QUrl::fromLocalFile(p));
    data->setUrls(urls);
    return data;
}

std::unique_ptr<QMimeData> DragDriver::TextData(const String& Text)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(Text);
    return data;
}

}  // namespace TestKit
