#pragma once
// A balloon tooltip: a rounded top-level window with a title, an icon and a
// text, shown near the pointer while it rests over the control it serves
// (the tool), without taking the activation.
//
// The balloon watches the tool's messages: after the pointer rests on the
// tool for InitialDelay ms it asks OnGetContent for what to show there (an
// empty text shows nothing) and stays AutoHideDelay ms. A press, a key or
// the pointer leaving the tool hides it. When OnGetKey answers another key
// for the pointer's new place (another cell of a grid), the balloon hides
// and shows again for the new place after ReshowDelay ms. Delays of -1 are
// the platform's (500, 100 and 5000 ms). The clock is the layer's timer
// service (the test kit's fake clock in tests).
#include <cstdint>
#include <functional>

#include "platform/gui/hintwindow.h"
#include "platform/gui/timers.h"

struct TBalloonContent {
    String Title;
    String Text;
    // 0 none, 1 information, 2 warning, 3 error.
    int Icon = 0;
};

class TBalloonTip : public THintWindow {
public:
    static constexpr int DefaultInitialDelay = 500;
    static constexpr int DefaultReshowDelay = 100;
    static constexpr int DefaultAutoHideDelay = 5000;
    // The widest text in pixels before it wraps.
    static constexpr int MaxTextWidth = 300;

    explicit TBalloonTip(TComponent* AOwner);
    ~TBalloonTip() override;

    // The control the balloon serves (nullptr: none); one at a time.
    void SetTool(TControl* Tool);
    TControl* Tool() const { return tool_.Get(); }

    // The provisional title and icon (outside 0..3: none), used until the
    // content answers its own.
    void SetTitle(const String& Title, int Icon);
    const String& Title() const { return title_; }
    int Icon() const { return icon_; }

    // -1: the platform's.
    void SetInitialDelay(int Ms) { initialDelay_ = Ms; }
    void SetReshowDelay(int Ms) { reshowDelay_ = Ms; }
    void SetAutoHideDelay(int Ms) { autoHideDelay_ = Ms; }
    int InitialDelay() const { return initialDelay_ < 0 ? DefaultInitialDelay : initialDelay_; }
    int ReshowDelay() const { return reshowDelay_ < 0 ? DefaultReshowDelay : reshowDelay_; }
    int AutoHideDelay() const { return autoHideDelay_ < 0 ? DefaultAutoHideDelay : autoHideDelay_; }

    // clNone: the platform's hint colours.
    void SetColors(TColor Text, TColor Background);

    // What to show at a point of the tool (client coordinates).
    std::function<TBalloonContent(TPoint Pos)> OnGetContent;
    // Places with the same key share one balloon.
    std::function<int64_t(TPoint Pos)> OnGetKey;

    // Shows the balloon for the pointer's place now (false: nothing to show).
    bool Popup();
    // Hides it; the next rest over the tool shows it again.
    void Pop();
    bool Showing() const { return IsHintShowing(); }
    // What the balloon shows (or showed last).
    const TBalloonContent& Content() const { return content_; }
    // The waiting timer (nullptr while nothing waits), for the test kit.
    TTimer* WaitTimer() const { return waitTimer_; }

    TRect CalcBalloonRect(const TBalloonContent& Content) const;

protected:
    void Paint() override;

private:
    void Watch(TControl* Control, const TMessage& Message);
    void Arm(int Ms);
    void Disarm();
    void TimerFired();

    TWeakRef<TControl> tool_;
    int watcherId_ = 0;
    String title_;
    int icon_ = 0;
    int initialDelay_ = -1, reshowDelay_ = -1, autoHideDelay_ = -1;
    TColor textColor_ = clNone;
    TTimer* waitTimer_ = nullptr;
    enum class TWait { wShow, wHide } wait_ = TWait::wShow;
    bool hasKey_ = false;
    int64_t key_ = 0;
    TBalloonContent content_;
};
