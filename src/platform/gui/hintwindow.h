#pragma once
// The hint window: the small top-level window that shows a control's hint.
//
// The application decides when (Application.HintMouseMessage and the hint
// settings, on the layer's clock): after the pointer rests on a control
// whose ShowHint is on, it asks the control (CM_HINTSHOW, which may change
// the text, the position, the colour, the cursor rectangle and the time-outs,
// or refuse) and shows the text in the application's hint window, an
// instance of the hint window class (THintWindow unless SetHintWindowClass
// installs a subclass, e.g. one that draws formatted hints). The hint hides
// after THintInfo::HideTimeout ms, when the pointer leaves the cursor
// rectangle (and is asked for again), on a mouse button or a key, and when
// the pointer leaves the program's windows.
#include <functional>

#include "platform/gui/controls.h"
#include "platform/gui/timers.h"

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* AOwner);
    ~THintWindow() override;

    // The screen rectangle (at 0, 0) the hint needs: its text wrapped at
    // MaxWidth, plus the frame and margins.
    virtual TRect CalcHintRect(int MaxWidth, const String& AHint, void* AData);
    // Shows the hint at Rect (screen coordinates).
    virtual void ActivateHint(const TRect& Rect, const String& AHint);
    virtual void ActivateHintData(const TRect& Rect, const String& AHint, void* AData);
    // Hides the window.
    virtual void ReleaseHandle();
    // True while the window is shown.
    bool IsHintShowing() const;

protected:
    void Paint() override;
    // Takes R (screen coordinates) as its bounds and shows itself there
    // on top, without activation, repainted.
    void ShowAt(const TRect& R);
};

using THintWindowClass = std::function<THintWindow*(TComponent* AOwner)>;

// Installs the class of the application's hint window (an empty function:
// THintWindow); the current window is replaced at the next hint.
void SetHintWindowClass(THintWindowClass Class);
// The application's hint window (created when first needed).
THintWindow* ApplicationHintWindow();
// Shows Info's text at Info.HintPos in the application's hint window (or in
// the window of the class SetHintWindowClassOfHint named), now;
// it hides after Info.HideTimeout ms (0: stays), or the hint is asked for
// again after Info.ReshowTimeout ms when that is set.
void ActivateApplicationHint(const THintInfo& Info);
// A CM_HINTSHOW handler names the hint window class of the hint it answers,
// for that hint only (one window per class is kept; the application forgets
// the class before it asks for a hint and once the hint shows).
void SetHintWindowClassOfHint(THintWindowClass Class);
// Hides the application's hint window (when there is one): Application.HideHint.
void HideApplicationHint();
