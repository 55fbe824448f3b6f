#include "grid/core/no_active_form.h"

#include <QWidget>

#include <algorithm>

TNoActiveForm::TNoActiveForm(TComponent* AOwner) : TForm(AOwner)
{
    SetBorderStyle(bsNone);
    ApplyWindowFlags();
}

void TNoActiveForm::ApplyWindowFlags()
{
    QWidget* w = Widget();
    if (!w)
        return;
    Qt::WindowFlags f = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
    if (FStayOnTop)
        f |= Qt::WindowStaysOnTopHint;
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    SetWindowFlagsKeepingPlace(f);
}

void TNoActiveForm::SetStayOnTop(bool Value)
{
    FStayOnTop = Value;
    ApplyWindowFlags();
}

void TNoActiveForm::SetAlphaBlend(bool Value)
{
    FAlphaBlend = Value;
    ApplyOpacity();
}

void TNoActiveForm::SetAlphaBlendValue(int Value)
{
    FAlphaBlendValue = std::clamp(Value, 0, 255);
    ApplyOpacity();
}

void TNoActiveForm::ApplyOpacity()
{
    if (QWidget* w = Widget())
        w->setWindowOpacity(FAlphaBlend ? FAlphaBlendValue / 255.0 : 1.0);
}

void TNoActiveForm::SetVisible(bool Value)
{
    if (Visible() == Value)
        return;
    // The window only: no activation, no focus.
    TWinControl::SetVisible(Value);
    if (Value)
        (void)Widget();
}
