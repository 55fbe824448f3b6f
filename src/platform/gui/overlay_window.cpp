#include "platform/gui/overlay_window.h"

#include <QWidget>

TOverlayWindow::TOverlayWindow(TComponent* AOwner, bool Translucent)
    : TCustomControl(AOwner), translucent_(Translucent)
{
    SetVisible(false);
    if (QWidget* w = Widget()) {
        // A tool-tip window is placed by the program alone (no window
        // manager moves, decorates or focuses it) and lies above the others.
        w->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
        w->setAttribute(Qt::WA_ShowWithoutActivating);
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
        w->setFocusPolicy(Qt::NoFocus);
        if (translucent_) {
            w->setAttribute(Qt::WA_TranslucentBackground);
            w->setAttribute(Qt::WA_NoSystemBackground);
        }
        w->hide();
    }
}

TOverlayWindow::~TOverlayWindow() = default;

void TOverlayWindow::SetParent(TWinControl* AParent)
{
    if (AParent)
        throw EInvalidOperation(QStringLiteral("An overlay window cannot have a parent"));
    TCustomControl::SetParent(nullptr);
}

void TOverlayWindow::SetWindowRegion(const TRegion& Region)
{
    region_ = Region;
    ApplyRegion();
}

void TOverlayWindow::ApplyRegion()
{
    if (QWidget* w = Widget()) {
        if (region_.IsEmpty())
            w->clearMask();
        else
            w->setMask(region_.ToQt());
    }
}

void TOverlayWindow::CMVisibleChanged(TMessage& Message)
{
    TCustomControl::CMVisibleChanged(Message);
    QWidget* w = Widget();
    if (!w)
        return;
    if (Visible()) {
        HandleNeeded();
        w->setGeometry(Left(), Top(), Width(), Height());
        ApplyRegion();
        w->show();
        w->raise();
    } else {
        w->hide();
    }
}
