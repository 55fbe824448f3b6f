#pragma once
// A form that is shown without ever becoming the active window: frameless,
// above the other windows, off the task bar. The grid shows a picture of
// dragged cells in one (SelectionToForm).
#include "platform/gui/forms.h"

class TNoActiveForm : public TForm {
public:
    explicit TNoActiveForm(TComponent* AOwner);

    // The form's opacity, 0 .. 255, taken into account when AlphaBlend is on.
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value);
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int Value);
    bool StayOnTop() const { return FStayOnTop; }
    void SetStayOnTop(bool Value);

    // Shows and hides the window; the active form stays the active form.
    void SetVisible(bool Value) override;

protected:
    void ApplyWindowFlags() override;

private:
    void ApplyOpacity();
    bool FAlphaBlend = false;
    int FAlphaBlendValue = 255;
    bool FStayOnTop = true;
};
