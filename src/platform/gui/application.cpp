#include "platform/gui/application.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

#include <deque>

#include "platform/gui/qt_backend.h"

TApplication& Application = *new TApplication();
TScreen& Screen = *new TScreen();
TMouse& Mouse = *new TMouse();

// ---- posted messages ------------------------------------------------------------------------------

namespace {

struct Posted {
    TWeakRef<TControl> target;
    TMessage message;
};

std::deque<Posted>& queue()
{
    static std::deque<Posted> q;
    return q;
}

// Receives one Qt event per wake-up and delivers what was queued by then.
class Pump : public QObject {
public:
    bool event(QEvent* E) override
    {
        if (E->type() != QEvent::User)
            return QObject::event(E);
        pending = false;
        int n = int(queue().size());
        while (n-- > 0 && !queue().empty())
            DeliverOne();
        if (!queue().empty())
            Wake();
        return true;
    }

    void Wake()
    {
        if (pending || !QCoreApplication::instance())
            return;
        pending = true;
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }

    // False when the message was dropped (its control is gone).
    static bool DeliverOne()
    {
        Posted p = queue().front();
        queue().pop_front();
        TControl* c = p.target.Get();
        if (!c)
            return false;
        if (p.message.Msg >= WM_KEYFIRST && p.message.Msg <= WM_KEYLAST)
            if (auto* w = dynamic_cast<TWinControl*>(c)) {
                DeliverKeyMessage(w, p.message);
                return true;
            }
        c->Perform(p.message);
        return true;
    }

    bool pending = false;
};

Pump& pump()
{
    // Never destroyed: a QObject must not be destroyed after the QApplication.
    static Pump* p = new Pump();
    return *p;
}

}  // namespace

intptr_t SendMessage(TControl* Control, unsigned Msg, intptr_t WParam, intptr_t LParam)
{
    return Control ? Control->Perform(Msg, WParam, LParam) : 0;
}

bool PostMessage(TControl* Control, unsigned Msg, intptr_t WParam, intptr_t LParam)
{
    if (!Control)
        return false;
    queue().push_back({TWeakRef<TControl>(Control), TMessage{Msg, WParam, LParam, 0}});
    pump().Wake();
    return true;
}

int ProcessPostedMessages()
{
    // A handler that posts again on every delivery would keep this going
    // forever; that is a fault worth a loud failure.
    constexpr int kLimit = 1000000;
    int taken = 0, delivered = 0;
    while (!queue().empty()) {
        if (++taken > kLimit)
            throw Exception(QStringLiteral("Posted messages keep coming"));
        if (Pump::DeliverOne())
            ++delivered;
    }
    return delivered;
}

int PostedMessageCount() { return int(queue().size()); }

// ---- Application ----------------------------------------------------------------------------------

TApplication::TApplication() : TComponent(nullptr) {}

void TApplication::Initialize()
{
    terminated_ = false;
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        app->setQuitOnLastWindowClosed(false);  // closing the main form decides
}

void TApplication::FormCreated(TCustomForm* Form)
{
    if (!mainForm_.Get())
        mainForm_ = TWeakRef<TCustomForm>(Form);
    if (!cleanupRegistered_ && QCoreApplication::instance()) {
        cleanupRegistered_ = true;
        qAddPostRoutine([] { Application.DestroyComponents(); });
    }
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == mainForm_.Get())
        mainForm_.Reset();
}

void TApplication::DestroyComponents()
{
    while (ComponentCount() > 0) {
        TComponent* c = Components(ComponentCount() - 1);
        c->BeforeDestruction();
        RemoveComponent(c);
        delete c;
    }
    mainForm_.Reset();
}

void TApplication::Run()
{
    if (terminated_)
        return;
    if (TCustomForm* main = MainForm(); main && !main->Visible())
        main->Show();
    QEventLoop loop;
    loop_ = &loop;
    loop.exec();
    loop_ = nullptr;
    terminated_ = true;
}

void TApplication::ProcessMessages()
{
    ProcessPostedMessages();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    TTimerService::Instance().FireDue();
    ProcessPostedMessages();
}

void TApplication::HandleMessage()
{
    if (PostedMessageCount() > 0) {
        ProcessPostedMessages();
        return;
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TApplication::WaitUntil(const std::function<bool()>& Done)
{
    while (!terminated_ && !Done())
        HandleMessage();
}

void TApplication::Terminate()
{
    terminated_ = true;
    if (loop_)
        loop_->exit();
}

// ---- Screen -----------------------------------------------------------------------------------------

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }

int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() const
{
    if (const TMonitor* m = PrimaryMonitor())
        return m->WorkareaRect();
    return Rect(0, 0, Width(), Height());
}

void TScreen::SetCursor(TCursor Value)
{
    if (cursor_ == Value)
        return;
    const bool had = cursor_ != crDefault;
    cursor_ = Value;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    if (Value == crDefault)
        QGuiApplication::restoreOverrideCursor();
    else if (had)
        QGuiApplication::changeOverrideCursor(CursorToQt(Value));
    else
        QGuiApplication::setOverrideCursor(CursorToQt(Value));
}

QCursor TScreen::Cursors(TCursor Index) const { return CursorToQt(Index); }

void TScreen::SetCursors(TCursor Index, const QCursor& Shape) { RegisterCursor(Index, Shape); }

TCustomForm* TScreen::Forms(int Index) const
{
    const auto forms = AllForms();
    if (Index < 0 || Index >= int(forms.size()))
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return forms[size_t(Index)];
}

// ---- Mouse ------------------------------------------------------------------------------------------

void TMouse::SetCursorPos(TPoint Value)
{
    InputState().SetCursorPos(Value);
    if (QGuiApplication::platformName() != QLatin1String("offscreen") &&
        qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QCursor::setPos(Value.X, Value.Y);
}
