#pragma once
// TVynWatch: an analog clock face with hour, minute and second hands, an
// AM/PM box, tick marks and hour numbers, painted by the control.
//
// - Modes: a clock (Settings.Auto: now plus TimeOffset minutes, the hands
//   redrawn every 100 ms, mouse and keys ignored) or a time setter (the
//   hands show Time; clicks and keys set it).
// - Setting: a click outside the face's ellipse sets the minute, a click in
//   the AM/PM box switches the half of the day, any other click in the face
//   sets the hour; the keys A, P, PageUp, PageDown, Home, End, Left and Right
//   (WatchKeyDown). With Animation the hands glide to a new hour or minute
//   on a GUI timer (the layer's shortest interval), each step the nearest of
//   the distance / AnimationFactor (0 counts as 1), at least 1; the AM/PM
//   text slides one pixel per 10 ms timer step.
// - OnChange: every change the user causes (a click, a key, the end of a
//   glide) fires it once; writing Time from the program fires nothing.
// - Out of range: SetHour above 23 and SetMinute at 60 or more are
//   ignored.
// - Painting: the face, marks, numbers and AM/PM box are drawn into a cache
//   once per change of the look, size or half of the day; the hands are
//   drawn over a copy of it.
// The geometry and the time arithmetic are in WatchGeometry.h.
#include <functional>
#include <memory>

#include "controls/dropdown/DropDownTypes.h"
#include "controls/dropdown/WatchGeometry.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/controls.h"
#include "platform/gui/timers.h"
#include "platform/rtl/datetime.h"

enum class TWatchShape { wsCircle, wsRect, wsRoundRect };
using TWatchShape::wsCircle, TWatchShape::wsRect, TWatchShape::wsRoundRect;
enum class TWatchBorderStyle { wbLine, wbDoubleLine, wbNone };
enum class THourMarkStyle { hmsLine, hmsQuartDblLine };
using THourMarkStyle::hmsLine, THourMarkStyle::hmsQuartDblLine;
enum class TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
using TTickMarks::tmAll, TTickMarks::tmHours, TTickMarks::tmQuartHours, TTickMarks::tmNone;
enum class TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
using TPointerStyle::psLine, TPointerStyle::psShortLine, TPointerStyle::psPointer, TPointerStyle::psLineArrow;
enum class TAMPMFrame { apRect, apRoundRect };
using TAMPMFrame::apRect, TAMPMFrame::apRoundRect;
enum class TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
using TWatchGradient::wgRadial, TWatchGradient::wgVertical, TWatchGradient::wgDiagonalForward,
    TWatchGradient::wgDiagonalBackward;
enum class TWatchStyle {
    wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack, wsBlackWhite, wsGray, wsSuperNova,
    wsSports, wsSmooth
};

// True when the point lies in the elliptic region of (X1, Y1)-(X2, Y2).
bool IsPointInEllipse(TPoint P, int X1, int Y1, int X2, int Y2);
// The picture at the rectangle's top-left, clipped to it, its pixels of
// the colour of its top-left pixel left out; nothing without a picture.
void DrawTransparentPicture(TCanvas& Canvas, const TPicture& Picture, const TRect& R);

// A setter of the watch's settings objects: stores a changed value and
// fires the object's OnChange.
template <class T> void WatchSetting(T& Field, T Value, const TNotifyEvent& OnChange, TObject* Sender)
{
    if (Field == Value)
        return;
    Field = Value;
    if (OnChange)
        OnChange(Sender);
}

class TWatchAppearance : public TPersistent {
public:
    TWatchAppearance();
    ~TWatchAppearance() override;

#define WATCH_PROP(Type, Name, Field)                                                                                  \
    Type Name() const { return Field; }                                                                                \
    void Set##Name(Type Value) { set(Field, Value); }
    WATCH_PROP(int, Size, fSize_)
    WATCH_PROP(TColor, HourPointer, fHourPointer_)
    WATCH_PROP(TColor, BackgroundColor, fBackgroundColor_)
    WATCH_PROP(TColor, MinutePointerShadow, fMinutePointerShadow_)
    WATCH_PROP(TColor, BackgroundColorTo, fBackgroundColorTo_)
    WATCH_PROP(TColor, HourPointerShadow, fHourPointerShadow_)
    WATCH_PROP(TColor, SecondPointer, fSecondPointer_)
    WATCH_PROP(TColor, BorderColor, fBorderColor_)
    WATCH_PROP(TColor, MinutePointer, fMinutePointer_)
    WATCH_PROP(TAMPMFrame, AMPMFrame, fAMPMFrame_)
    WATCH_PROP(TWatchShape, Shape, fWatchShape_)
    WATCH_PROP(TPointerStyle, PointerStyle, fPointerStyle_)
    WATCH_PROP(uint8_t, HourPointerSize, fHourPointerSize_)
    WATCH_PROP(uint8_t, SecondPointerSize, fSecondPointerSize_)
    WATCH_PROP(uint8_t, MinutePointerSize, fMinutePointerSize_)
    WATCH_PROP(TColor, HourColor, fHourColor_)
    WATCH_PROP(TColor, MinuteColor, fMinuteColor_)
    WATCH_PROP(uint8_t, CenterPointSize, fCenterPointSize_)
    WATCH_PROP(TColor, CenterPointColor, fCenterPointColor_)
    WATCH_PROP(TColor, CenterPointBorderColor, fCenterPointBorderColor_)
    WATCH_PROP(TWatchGradient, BackgroundGradient, fBackgroundGradient_)
    WATCH_PROP(uint8_t, HourMarkLength, fHourMarkLength_)
    WATCH_PROP(uint8_t, HourMarkWidth, fHourMarkWidth_)
    WATCH_PROP(uint8_t, MinuteMarkLength, fMinuteMarkLength_)
    WATCH_PROP(uint8_t, MinuteMarkWidth, fMinuteMarkWidth_)
    WATCH_PROP(int, BorderWidth, fBorderWidth_)
    WATCH_PROP(TColor, CenterPointOuterBorderColor, fCenterPointOuterBorderColor_)
    WATCH_PROP(TTickMarks, TickMarks, fTickMarks_)
    WATCH_PROP(THourMarkStyle, HourMarkStyle, fHourMarkStyle_)
#undef WATCH_PROP
    // Stored without notice.
    TColor AMPMColor() const { return fAMPMColor_; }
    void SetAMPMColor(TColor Value) { fAMPMColor_ = Value; }
    TColor AMPMBorderColor() const { return fAMPMBorderColor_; }
    void SetAMPMBorderColor(TColor Value) { fAMPMBorderColor_ = Value; }
    // Copied; always notify.
    TFont& HourFont() const { return *fHourFont_; }
    void SetHourFont(const TFont& Value) { fHourFont_->Assign(Value); }
    TFont& AMPMFont() const { return *fAMPMFont_; }
    void SetAMPMFont(const TFont& Value) { fAMPMFont_->Assign(Value); }
    TPicture& Picture() const { return *fPicture_; }
    void SetPicture(const TPicture& Value);
    // Stored and copied, never drawn.
    TColor SecondPointerShadow() const { return fSecondPointerShadow_; }
    TWatchBorderStyle BorderStyle() const { return fBorderStyle_; }
    int Rounding() const { return fRounding_; }

    // Every look value back to its default; fires nothing.
    void InitDefaults();
    void Assign(const TPersistent& Source) override;
    TNotifyEvent OnChange;

private:
    template <class T> void set(T& Field, T Value) { WatchSetting(Field, Value, OnChange, this); }
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }

    int fSize_ = 0;
    TColor fHourPointer_ = clBlack, fBackgroundColor_ = clWhite, fMinutePointerShadow_ = clBtnShadow;
    TColor fBackgroundColorTo_ = clNone, fHourPointerShadow_ = clBtnShadow, fSecondPointerShadow_ = clBtnShadow;
    TColor fSecondPointer_ = 0x0000FF, fBorderColor_ = clBlack, fMinutePointer_ = clBlack;
    std::unique_ptr<TFont> fHourFont_, fAMPMFont_;
    std::unique_ptr<TPicture> fPicture_;
    TAMPMFrame fAMPMFrame_ = apRect;
    TWatchShape fWatchShape_ = wsCircle;
    TPointerStyle fPointerStyle_ = psLine;
    TWatchBorderStyle fBorderStyle_ = TWatchBorderStyle::wbLine;
    uint8_t fHourPointerSize_ = 4, fSecondPointerSize_ = 1, fMinutePointerSize_ = 3;
    TColor fHourColor_ = clBlack, fMinuteColor_ = 0x808080;
    uint8_t fCenterPointSize_ = 4;
    TColor fCenterPointColor_ = clBlack, fCenterPointBorderColor_ = clNone;
    TWatchGradient fBackgroundGradient_ = wgVertical;
    int fRounding_ = 5;
    uint8_t fHourMarkLength_ = 0, fHourMarkWidth_ = 1, fMinuteMarkLength_ = 0, fMinuteMarkWidth_ = 1;
    int fBorderWidth_ = 4;
    TColor fAMPMColor_ = clWhite, fAMPMBorderColor_ = clBlack, fCenterPointOuterBorderColor_ = clNone;
    TTickMarks fTickMarks_ = tmAll;
    THourMarkStyle fHourMarkStyle_ = hmsLine;
};

class TWatchSettings : public TPersistent {
public:
    bool Auto() const { return fAuto_; }
    void SetAuto(bool Value) { set(fAuto_, Value); }
    bool Second() const { return fSeconds_; }
    void SetSecond(bool Value) { set(fSeconds_, Value); }
    int TimeOffset() const { return fTimeOffset_; }
    void SetTimeOffset(int Value) { set(fTimeOffset_, Value); }
    // Second and TimeOffset copied directly, Auto through its setter.
    void Assign(const TPersistent& Source) override;
    TNotifyEvent OnChange;

private:
    template <class T> void set(T& Field, T Value) { WatchSetting(Field, Value, OnChange, this); }
    bool fAuto_ = false;
    bool fSeconds_ = true;
    int fTimeOffset_ = 0;
};

// The component styles' colours on a watch look (the time picker applies
// them to its WatchAppearance too).
void ApplyWatchComponentStyle(TWatchAppearance& A, TVynStyle AStyle);
// A preset look: the defaults and the preset's values; ShowAMPM and
// ShowNumbers as the preset has them (ShowAMPM unchanged for wsTower).
// Width and Height: the control's size, for the sizes some presets take
// from it.
void ApplyWatchPreset(TWatchAppearance& A, TWatchStyle Style, int Width, int Height, bool& ShowAMPM,
                      bool& ShowNumbers);

class TVynWatch : public TCustomControl {
public:
    explicit TVynWatch(TComponent* AOwner);
    ~TVynWatch() override;

    TWatchAppearance& Appearance() const { return *fAppearance_; }
    void SetAppearance(const TWatchAppearance& Value) { fAppearance_->Assign(Value); }
    TWatchSettings& Settings() const { return *fSettings_; }
    void SetSettings(const TWatchSettings& Value) { fSettings_->Assign(Value); }
    TDateTime Time() const { return fTime_; }
    // No OnChange.
    void SetTime(TDateTime Value);
    bool Animation() const { return fAnimation_; }
    void SetAnimation(bool Value) { fAnimation_ = Value; }
    int AnimationFactor() const { return fAnimationFactor_; }
    void SetAnimationFactor(int Value) { fAnimationFactor_ = Value; }
    bool ShowAMPM() const { return fShowAMPM_; }
    void SetShowAMPM(bool Value);
    bool ShowNumbers() const { return fShowNumbers_; }
    void SetShowNumbers(bool Value);
    TWatchStyle Style() const { return fStyle_; }
    void SetStyle(TWatchStyle Value);
    bool AM() const { return fAM_; }
    // A glide is running.
    bool Animating() const { return fAnimationTimer_->Enabled(); }

    void SetHour(int Hour);
    void SetMinute(int Minute);
    void SetComponentStyle(TVynStyle AStyle);
    // The keys of the time setter (nothing in clock mode).
    void WatchKeyDown(Word Key);

    // The time shown: now plus TimeOffset in clock mode, else Time.
    TDateTime GetCurrentTime() const;
    TWatchGeometry Geometry() const;
    TRect GetWatchRect() const;
    // (-1, -1, -1, -1) without ShowAMPM.
    TRect GetAMPMRect();
    // The clock's "now" (tests replace it).
    std::function<TDateTime()> NowFunction = [] { return Now(); };

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMSize(TMessage& Message) override;

private:
    void SetTimeInternal(TDateTime T);
    void SetAM(bool Value);
    void SettingsChanged();
    void AnimationTimerTick();
    void SlideTimerTick();
    // The face changed: the cache is drawn again at the next paint.
    void PaintAll();
    // The hands moved.
    void PaintPointers() { Invalidate(); }
    void changed();
    void DrawBackground(TCanvas& C, const TRect& R);
    void DrawTickMarks(TCanvas& C);
    void DrawNumbers(TCanvas& C);
    void DrawAMPM(TCanvas& C);
    void DrawPointers(TCanvas& C);
    bool clockMode() const { return fSettings_->Auto(); }

    std::unique_ptr<TWatchAppearance> fAppearance_;
    std::unique_ptr<TWatchSettings> fSettings_;
    TDateTime fTime_ = 0;
    std::unique_ptr<TBitmap> fBKGCache_;
    bool cacheValid_ = false;
    TTimer* fWatchTimer_ = nullptr;
    bool fAnimation_ = true;
    int fAnimationFactor_ = 10;
    TTimer* fAnimationTimer_ = nullptr;
    int fCurrentHourTo_ = 0, fCurrentMinuteTo_ = 0, fMinuteFrom_ = 0;
    bool fHourAnimating_ = false;
    bool fInternalCall_ = false;
    bool fAM_ = true;
    bool fShowAMPM_ = true;
    bool fShowNumbers_ = true;
    bool fInternalSet_ = false;
    TWatchStyle fStyle_ = TWatchStyle::wsClassic;
    // Set while a click or a key of the user is handled.
    bool fUserAction_ = false;
    // The AM/PM slide: the step (0 .. its height) and its direction.
    TTimer* fSlideTimer_ = nullptr;
    int slideStep_ = -1;
    bool slideToPM_ = false;
};
