#include "controls/dropdown/VynWatch.h"

#include <algorithm>
#include <cmath>

#include "controls/dropdown/DropDownDraw.h"
#include "platform/gui/canvas.h"

namespace {

bool loading(const TComponent* C) { return C->ComponentState().Contains(TComponentStateItem::csLoading); }

int hourOf(TDateTime T)
{
    int h, m, s, ms;
    DecodeTime(T, h, m, s, ms);
    return h;
}

void split(TDateTime T, int& H, int& M, int& S, int& MS) { DecodeTime(T, H, M, S, MS); }

// The time of day of the parts (the date part is not kept).
TDateTime timeOf(int H, int M, int S, int MS)
{
    TDateTime t = 0;
    TryEncodeTime(H, M, S, MS, t);
    return t;
}

}  // namespace

bool IsPointInEllipse(TPoint P, int X1, int Y1, int X2, int Y2)
{
    return TRegion::FromEllipse(TRect{X1, Y1, X2, Y2}).Contains(P);
}

void DrawTransparentPicture(TCanvas& Canvas, const TPicture& Picture, const TRect& R)
{
    const TGraphic* g = Picture.Graphic();
    if (!g || g->Width() == 0 || g->Height() == 0 || R.IsEmpty())
        return;
    TBitmap bmp(R.Right - R.Left, R.Bottom - R.Top);
    // The automatic transparent colour: the picture's top-left pixel, also
    // under the part of the bitmap the picture does not cover.
    TBitmap probe(g->Width(), g->Height());
    probe.Canvas().Draw(0, 0, *g);
    const TColor key = probe.Canvas().Pixels(0, 0);
    bmp.Canvas().Brush().SetColor(key);
    bmp.Canvas().FillRect(TRect{0, 0, bmp.Width(), bmp.Height()});
    bmp.Canvas().Draw(0, 0, *g);
    Canvas.DrawTransparent(R.Left, R.Top, bmp, key);
}

// ---- TWatchAppearance ----------------------------------------------------------------------

TWatchAppearance::TWatchAppearance()
    : fHourFont_(std::make_unique<TFont>()), fAMPMFont_(std::make_unique<TFont>()),
      fPicture_(std::make_unique<TPicture>())
{
    InitDefaults();
    auto fire = [this](TObject*) { Changed(); };
    fHourFont_->OnChange = fire;
    fAMPMFont_->OnChange = fire;
    fPicture_->OnChange = fire;
}

TWatchAppearance::~TWatchAppearance()
{
    fHourFont_->OnChange = nullptr;
    fAMPMFont_->OnChange = nullptr;
    fPicture_->OnChange = nullptr;
}

void TWatchAppearance::SetPicture(const TPicture& Value)
{
    fPicture_->Assign(Value);
    Changed();
}

void TWatchAppearance::InitDefaults()
{
    // The fonts and the picture keep their objects (and their OnChange).
    const TNotifyEvent hf = std::move(fHourFont_->OnChange), af = std::move(fAMPMFont_->OnChange),
                       pf = std::move(fPicture_->OnChange);
    fHourFont_->OnChange = nullptr;
    fAMPMFont_->OnChange = nullptr;
    fPicture_->OnChange = nullptr;
    fHourFont_->Assign(TFont());
    fHourFont_->SetName(QStringLiteral("Tahoma"));
    fHourFont_->SetSize(8);
    fAMPMFont_->Assign(TFont());
    fAMPMFont_->SetName(QStringLiteral("Tahoma"));
    fAMPMFont_->SetSize(10);
    fPicture_->SetGraphic(nullptr);
    fHourFont_->OnChange = hf;
    fAMPMFont_->OnChange = af;
    fPicture_->OnChange = pf;
    fSize_ = 0;
    fHourPointer_ = clBlack;
    fBackgroundColor_ = clWhite;
    fMinutePointerShadow_ = clBtnShadow;
    fBackgroundColorTo_ = clNone;
    fHourPointerShadow_ = clBtnShadow;
    fSecondPointerShadow_ = clBtnShadow;
    fSecondPointer_ = 0x0000FF;
    fBorderColor_ = clBlack;
    fMinutePointer_ = clBlack;
    fAMPMFrame_ = apRect;
    fWatchShape_ = wsCircle;
    fPointerStyle_ = psLine;
    fBorderStyle_ = TWatchBorderStyle::wbLine;
    fHourPointerSize_ = 4;
    fSecondPointerSize_ = 1;
    fMinutePointerSize_ = 3;
    fHourColor_ = clBlack;
    fMinuteColor_ = 0x808080;
    fCenterPointSize_ = 4;
    fCenterPointColor_ = clBlack;
    fCenterPointBorderColor_ = clNone;
    fBackgroundGradient_ = wgVertical;
    fRounding_ = 5;
    fHourMarkLength_ = 0;
    fHourMarkWidth_ = 1;
    fMinuteMarkLength_ = 0;
    fMinuteMarkWidth_ = 1;
    fBorderWidth_ = 4;
    fAMPMColor_ = clWhite;
    fAMPMBorderColor_ = clBlack;
    fCenterPointOuterBorderColor_ = clNone;
    fTickMarks_ = tmAll;
    fHourMarkStyle_ = hmsLine;
}

void TWatchAppearance::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TWatchAppearance*>(&Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    if (s == this)
        return;
    fSize_ = s->fSize_;
    fHourPointer_ = s->fHourPointer_;
    fBackgroundColor_ = s->fBackgroundColor_;
    fMinutePointerShadow_ = s->fMinutePointerShadow_;
    fBackgroundColorTo_ = s->fBackgroundColorTo_;
    fHourPointerShadow_ = s->fHourPointerShadow_;
    fSecondPointerShadow_ = s->fSecondPointerShadow_;
    fSecondPointer_ = s->fSecondPointer_;
    fBorderColor_ = s->fBorderColor_;
    fMinutePointer_ = s->fMinutePointer_;
    fAMPMFrame_ = s->fAMPMFrame_;
    fWatchShape_ = s->fWatchShape_;
    fPointerStyle_ = s->fPointerStyle_;
    fBorderStyle_ = s->fBorderStyle_;
    fHourPointerSize_ = s->fHourPointerSize_;
    fSecondPointerSize_ = s->fSecondPointerSize_;
    fMinutePointerSize_ = s->fMinutePointerSize_;
    fHourColor_ = s->fHourColor_;
    fMinuteColor_ = s->fMinuteColor_;
    fCenterPointSize_ = s->fCenterPointSize_;
    fCenterPointColor_ = s->fCenterPointColor_;
    fCenterPointBorderColor_ = s->fCenterPointBorderColor_;
    fBackgroundGradient_ = s->fBackgroundGradient_;
    fRounding_ = s->fRounding_;
    fHourMarkLength_ = s->fHourMarkLength_;
    fHourMarkWidth_ = s->fHourMarkWidth_;
    fMinuteMarkLength_ = s->fMinuteMarkLength_;
    fMinuteMarkWidth_ = s->fMinuteMarkWidth_;
    fBorderWidth_ = s->fBorderWidth_;
    fAMPMColor_ = s->fAMPMColor_;
    fAMPMBorderColor_ = s->fAMPMBorderColor_;
    fHourFont_->Assign(*s->fHourFont_);
    fAMPMFont_->Assign(*s->fAMPMFont_);
    fPicture_->Assign(*s->fPicture_);
    SetCenterPointOuterBorderColor(s->fCenterPointOuterBorderColor_);
    SetTickMarks(s->fTickMarks_);
    SetHourMarkStyle(s->fHourMarkStyle_);
}

void TWatchSettings::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TWatchSettings*>(&Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    fSeconds_ = s->fSeconds_;
    fTimeOffset_ = s->fTimeOffset_;
    SetAuto(s->fAuto_);
}

// ---- TVynWatch -----------------------------------------------------------------------------

TVynWatch::TVynWatch(TComponent* AOwner)
    : TCustomControl(AOwner), fAppearance_(std::make_unique<TWatchAppearance>()),
      fSettings_(std::make_unique<TWatchSettings>()), fBKGCache_(std::make_unique<TBitmap>(180, 180))
{
    SetBounds(Left(), Top(), 180, 180);
    fAppearance_->OnChange = [this](TObject*) { changed(); };
    fSettings_->OnChange = [this](TObject*) { SettingsChanged(); };
    fWatchTimer_ = new TTimer(this);
    fWatchTimer_->SetEnabled(fSettings_->Auto());
    fWatchTimer_->SetInterval(100);
    fWatchTimer_->OnTimer = [this](TObject*) { PaintPointers(); };
    fAnimationTimer_ = new TTimer(this);
    fAnimationTimer_->SetEnabled(false);
    fAnimationTimer_->SetInterval(1);
    fAnimationTimer_->OnTimer = [this](TObject*) { AnimationTimerTick(); };
    fSlideTimer_ = new TTimer(this);
    fSlideTimer_->SetEnabled(false);
    fSlideTimer_->SetInterval(10);
    fSlideTimer_->OnTimer = [this](TObject*) { SlideTimerTick(); };
}

TVynWatch::~TVynWatch()
{
    fAppearance_->OnChange = nullptr;
    fSettings_->OnChange = nullptr;
}

void TVynWatch::changed() { PaintAll(); }

void TVynWatch::PaintAll()
{
    cacheValid_ = false;
    Invalidate();
}

void TVynWatch::WMSize(TMessage& Message)
{
    TCustomControl::WMSize(Message);
    PaintAll();
}

void TVynWatch::SetShowAMPM(bool Value)
{
    if (Value == fShowAMPM_)
        return;
    fShowAMPM_ = Value;
    PaintAll();
}

void TVynWatch::SetShowNumbers(bool Value)
{
    if (Value == fShowNumbers_)
        return;
    fShowNumbers_ = Value;
    PaintAll();
}

void TVynWatch::SetStyle(TWatchStyle Value)
{
    if (Value == fStyle_)
        return;
    fStyle_ = Value;
    bool ampm = fShowAMPM_, numbers = fShowNumbers_;
    const TNotifyEvent keep = std::move(fAppearance_->OnChange);
    fAppearance_->OnChange = nullptr;
    ApplyWatchPreset(*fAppearance_, Value, Width(), Height(), ampm, numbers);
    fAppearance_->OnChange = keep;
    if (Value == TWatchStyle::wsClassic) {
        fAnimation_ = true;
        fAnimationFactor_ = 10;
    }
    fShowAMPM_ = ampm;
    fShowNumbers_ = numbers;
    PaintAll();
}

void TVynWatch::SetComponentStyle(TVynStyle AStyle)
{
    ApplyWatchComponentStyle(*fAppearance_, AStyle);
    PaintAll();
}

TDateTime TVynWatch::GetCurrentTime() const
{
    if (clockMode())
        return NowFunction() + fSettings_->TimeOffset() / 1440.0;
    return fTime_;
}

TRect TVynWatch::GetWatchRect() const { return WatchFaceRect(ClientRect(), fAppearance_->Size()); }

TWatchGeometry TVynWatch::Geometry() const
{
    return MakeWatchGeometry(ClientRect(), fAppearance_->Size(), fAppearance_->BorderWidth());
}

TRect TVynWatch::GetAMPMRect()
{
    if (!fShowAMPM_)
        return TRect{-1, -1, -1, -1};
    TBitmap scratch(1, 1);
    scratch.Canvas().SetFont(fAppearance_->AMPMFont());
    const TSize s = scratch.Canvas().TextExtent(QStringLiteral("AM"));
    const TWatchGeometry g = Geometry();
    return WatchAMPMRect(g.CX, g.CY, g.R, s.cx, s.cy);
}

// ---- the time ------------------------------------------------------------------------------

void TVynWatch::SetTimeInternal(TDateTime T)
{
    if (T == fTime_)
        return;
    fTime_ = T;
    fInternalSet_ = true;
    SetAM(hourOf(T) < 12);
    fInternalSet_ = false;
}

void TVynWatch::SetTime(TDateTime Value)
{
    if (Value == fTime_)
        return;
    SetTimeInternal(Value);
    PaintPointers();
}

void TVynWatch::SetAM(bool Value)
{
    if (Value == fAM_)
        return;
    fAM_ = Value;
    if (fAnimation_ && fShowAMPM_ && fAppearance_->AMPMColor() != clNone && !fInternalSet_ && !loading(this)) {
        // The text slides one pixel per timer step through a strip of "AM"
        // above "PM".
        slideToPM_ = !Value;
        slideStep_ = 0;
        fSlideTimer_->SetEnabled(true);
    }
    PaintAll();
}

void TVynWatch::SlideTimerTick()
{
    const TRect box = GetAMPMRect();
    const int inner = std::max(0, box.Bottom - box.Top - 2);
    if (slideStep_ < 0 || ++slideStep_ >= inner) {
        slideStep_ = -1;
        fSlideTimer_->SetEnabled(false);
    }
    PaintAll();
}

void TVynWatch::SetHour(int Hour)
{
    if (Hour < 0 || Hour > 23)
        return;
    int h, m, s, ms;
    split(GetCurrentTime(), h, m, s, ms);
    if (Hour == h)
        return;
    if (fAnimation_ && !fInternalCall_ && !loading(this)) {
        fCurrentHourTo_ = Hour;
        fHourAnimating_ = true;
        fAnimationTimer_->SetEnabled(true);
        return;
    }
    SetTimeInternal(timeOf(Hour, m, s, ms));
    PaintPointers();
    if ((Hour == fCurrentHourTo_ || fUserAction_) && OnChange)
        OnChange(this);
}

void TVynWatch::SetMinute(int Minute)
{
    if (Minute < 0 || Minute >= 60)
        return;
    int h, m, s, ms;
    split(GetCurrentTime(), h, m, s, ms);
    if (Minute == m)
        return;
    if (fAnimation_ && !fInternalCall_ && !loading(this)) {
        fCurrentMinuteTo_ = Minute;
        fHourAnimating_ = false;
        fMinuteFrom_ = m;
        fAnimationTimer_->SetEnabled(true);
        return;
    }
    if (!fAnimation_)
        fMinuteFrom_ = m;
    const THourMinute t = ApplyMinute(THourMinute{h, m}, Minute, fMinuteFrom_);
    if (t.Hour != h)
        fMinuteFrom_ = 0;
    SetTimeInternal(timeOf(t.Hour, t.Minute, s, ms));
    PaintPointers();
    if ((Minute == fCurrentMinuteTo_ || fUserAction_) && OnChange)
        OnChange(this);
}

void TVynWatch::AnimationTimerTick()
{
    if (!fAnimation_ || loading(this))
        return;
    int h, m, s, ms;
    split(GetCurrentTime(), h, m, s, ms);
    TWeakRef<TVynWatch> self(this);
    fInternalCall_ = true;
    if (fHourAnimating_) {
        if (h == fCurrentHourTo_) {
            SetHour(fCurrentHourTo_);
            if (self)
                fAnimationTimer_->SetEnabled(false);
        } else {
            SetHour(NextHourTowards(h, fCurrentHourTo_, fAnimationFactor_));
        }
    } else {
        if (m == fCurrentMinuteTo_) {
            SetMinute(fCurrentMinuteTo_);
            if (self)
                fAnimationTimer_->SetEnabled(false);
        } else {
            SetMinute(NextMinuteTowards(m, fCurrentMinuteTo_, fAnimationFactor_));
        }
    }
    if (self)
        fInternalCall_ = false;
}

void TVynWatch::SettingsChanged()
{
    fWatchTimer_->SetEnabled(fSettings_->Auto());
    if (fSettings_->Auto()) {
        fInternalSet_ = true;
        SetTime(NowFunction());
        SetAM(hourOf(NowFunction()) < 12);
        fInternalSet_ = false;
    }
    PaintAll();
}

// ---- mouse and keys ------------------------------------------------------------------------

void TVynWatch::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    SetCursor(GetAMPMRect().Contains(TPoint{X, Y}) ? crHandPoint : crDefault);
}

void TVynWatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynWatch> self(this);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!self || clockMode())
        return;
    const TRect face = GetWatchRect();
    const TWatchGeometry g = Geometry();
    fUserAction_ = true;
    if (!IsPointInEllipse(TPoint{X, Y}, face.Left, face.Top, face.Right, face.Bottom)) {
        SetMinute(MinuteFromPoint(g.CX, g.CY, X, Y));
    } else if (GetAMPMRect().Contains(TPoint{X, Y})) {
        if (fAnimation_)
            SetAM(!fAM_);
        if (!self)
            return;
        const int h = hourOf(fTime_);
        fInternalCall_ = true;
        fCurrentHourTo_ = h >= 12 ? h - 12 : h + 12;
        SetHour(fCurrentHourTo_);
        if (self)
            fInternalCall_ = false;
    } else {
        SetHour(HourFromPoint(g.CX, g.CY, X, Y, fAM_));
    }
    if (self)
        fUserAction_ = false;
}

void TVynWatch::WatchKeyDown(Word Key)
{
    if (clockMode())
        return;
    TWeakRef<TVynWatch> self(this);
    int h, m, s, ms;
    split(GetCurrentTime(), h, m, s, ms);
    fUserAction_ = true;
    auto internal = [&](auto&& Set) {
        fInternalCall_ = true;
        Set();
        if (self)
            fInternalCall_ = false;
    };
    switch (Key) {
    case 'A':
        if (h > 11)
            SetHour(h - 12);
        break;
    case 'P':
        if (h < 12)
            SetHour(h + 12);
        break;
    case VK_PRIOR:
        if (h < 23)
            SetHour(h + 1);
        else
            internal([&] { SetHour(0); });
        break;
    case VK_NEXT:
        if (h > 0)
            SetHour(h - 1);
        else
            internal([&] { SetHour(23); });
        break;
    case VK_HOME: internal([&] { SetHour(12); }); break;
    case VK_END: SetMinute(0); break;
    case VK_RIGHT: SetMinute(m < 59 ? m + 1 : 0); break;
    case VK_LEFT:
        if (m > 0) {
            SetMinute(m - 1);
        } else {
            SetTime(timeOf(h > 0 ? h - 1 : 23, 59, s, ms));
            if (self && OnChange)
                OnChange(this);
        }
        break;
    default: break;
    }
    if (self)
        fUserAction_ = false;
}

void TVynWatch::WMGetDlgCode(TMessage& Message)
{
    TCustomControl::WMGetDlgCode(Message);
    Message.Result = DLGC_WANTARROWS | (TabStop() ? DLGC_WANTALLKEYS : 0);
}

// ---- painting ------------------------------------------------------------------------------

void TVynWatch::Paint()
{
    TCanvas& c = Canvas();
    const TRect client = ClientRect();
    if (!cacheValid_ || fBKGCache_->Width() != client.Right || fBKGCache_->Height() != client.Bottom) {
        fBKGCache_->SetSize(client.Right, client.Bottom);
        TCanvas& k = fBKGCache_->Canvas();
        k.Brush().SetColor(Color());
        k.Brush().SetStyle(bsSolid);
        k.FillRect(client);
        DrawBackground(k, client);
        DrawTickMarks(k);
        DrawNumbers(k);
        DrawAMPM(k);
        cacheValid_ = slideStep_ < 0;
    }
    c.Draw(0, 0, *fBKGCache_);
    DrawPointers(c);
}

void TVynWatch::DrawBackground(TCanvas& C, const TRect& R)
{
    const TWatchAppearance& a = *fAppearance_;
    const TRect face = GetWatchRect();
    const TRect area = a.Shape() == wsCircle ? face : R;
    const TRect clip{area.Left - 1, area.Top - 1, area.Right + 2, area.Bottom + 2};
    {
        auto state = C.SaveState();
        if (a.Shape() == wsCircle)
            C.SetClipRegion(TRegion::FromEllipse(clip));
        else if (a.Shape() == wsRoundRect)
            C.SetClipRegion(TRegion::FromRoundRect(clip, 20, 20));
        if (a.BackgroundColor() != clNone && a.BackgroundColorTo() != clNone) {
            DrawSteppedGradient(C, a.BackgroundColor(), a.BackgroundColorTo(), a.BackgroundGradient() == wgRadial,
                                area, 80);
        } else if (a.BackgroundColor() != clNone) {
            C.Brush().SetColor(a.BackgroundColor());
            C.FillRect(area);
        }
        if (a.BorderColor() != clNone && a.BorderWidth() > 0) {
            C.Pen().SetColor(a.BorderColor());
            C.Pen().SetWidth(a.BorderWidth());
            C.Brush().SetStyle(bsClear);
            if (a.Shape() == wsCircle)
                C.Ellipse(face);
            else if (a.Shape() == wsRect)
                C.Rectangle(R);
            else
                C.RoundRect(R, 20, 20);
            C.Brush().SetStyle(bsSolid);
            C.Pen().SetWidth(1);
        }
    }
    DrawTransparentPicture(C, a.Picture(), R);
}

void TVynWatch::DrawTickMarks(TCanvas& C)
{
    const TWatchAppearance& a = *fAppearance_;
    if (a.TickMarks() == tmNone)
        return;
    const TWatchGeometry g = Geometry();
    auto line = [&](double Angle, double From, double To, int Dx, int Dy) {
        const TPoint p = WatchPolar(g.CX, g.CY, Angle, From), q = WatchPolar(g.CX, g.CY, Angle, To);
        C.MoveTo(p.X + Dx, p.Y + Dy);
        C.LineTo(q.X + Dx, q.Y + Dy);
    };
    const double outer = g.R0;
    if (a.HourColor() != clNone) {
        C.Pen().SetColor(a.HourColor());
        C.Pen().SetWidth(a.HourMarkWidth());
        const double inner = a.HourMarkLength() > 0 ? g.R0 - a.HourMarkLength() : g.R0 * 0.9;
        for (int q = 0; q < 4; ++q) {
            const double angle = q * 90.0;
            if (a.HourMarkStyle() == hmsQuartDblLine) {
                const bool horizontal = q == 1 || q == 3;  // 3 and 9 o'clock
                line(angle, inner, outer, horizontal ? 0 : -2, horizontal ? -2 : 0);
                line(angle, inner, outer, horizontal ? 0 : 2, horizontal ? 2 : 0);
            } else {
                line(angle, inner, outer, 0, 0);
            }
        }
        if (a.TickMarks() == tmAll || a.TickMarks() == tmHours)
            for (int hr = 1; hr < 12; ++hr)
                if (hr % 3 != 0)
                    line(hr * 30.0, inner, outer, 0, 0);
    }
    if (a.TickMarks() == tmAll && a.MinuteColor() != clNone) {
        C.Pen().SetColor(a.MinuteColor());
        C.Pen().SetWidth(a.MinuteMarkWidth());
        const double inner = a.MinuteMarkLength() > 0 ? g.R0 - a.MinuteMarkLength() : g.R0 * 0.95;
        for (int mk = 0; mk < 60; ++mk)
            if (mk % 5 != 0)
                line(mk * 6.0, inner, outer, 0, 0);
    }
    C.Pen().SetWidth(1);
}

void TVynWatch::DrawNumbers(TCanvas& C)
{
    const TWatchAppearance& a = *fAppearance_;
    if (!fShowNumbers_ || a.TickMarks() == tmNone || a.TickMarks() == tmHours)
        return;
    const TWatchGeometry g = Geometry();
    C.SetFont(a.HourFont());
    C.Brush().SetStyle(bsClear);
    const int b = a.HourMarkLength() > 0 ? a.HourMarkLength() : WatchRound(g.R0 - g.R0 * 0.9) + 2;
    for (int n = 1; n <= 12; ++n) {
        if (a.TickMarks() == tmQuartHours && n % 3 != 0)
            continue;
        const String text = QString::number(n);
        const TSize s = C.TextExtent(text);
        const int e = n == 10 ? WatchRound(s.cy * 0.2) : n == 11 ? WatchRound(s.cy * 0.15) : 0;
        const double q = g.R0 - 2 * b - 2 - e + b / 2;
        const double angle = n * 30.0 * std::numbers::pi / 180.0;
        C.TextOut(g.CX + WatchRound(std::sin(angle) * q) - s.cx / 2, g.CY - WatchRound(std::cos(angle) * q) - s.cy / 2,
                  text);
    }
    C.Brush().SetStyle(bsSolid);
}

void TVynWatch::DrawAMPM(TCanvas& C)
{
    const TWatchAppearance& a = *fAppearance_;
    if (!fShowAMPM_)
        return;
    const TRect box = GetAMPMRect();
    if (a.AMPMColor() != clNone || a.AMPMBorderColor() != clNone) {
        C.Brush().SetStyle(a.AMPMColor() == clNone ? bsClear : bsSolid);
        if (a.AMPMColor() != clNone)
            C.Brush().SetColor(a.AMPMColor());
        C.Pen().SetStyle(a.AMPMBorderColor() == clNone ? psClear : psSolid);
        C.Pen().SetColor(a.AMPMBorderColor());
        C.Pen().SetWidth(1);
        if (a.AMPMFrame() == apRect)
            C.Rectangle(box);
        else
            C.RoundRect(box, 5, 5);
        C.Pen().SetStyle(psSolid);
    }
    C.SetFont(a.AMPMFont());
    C.Brush().SetStyle(bsClear);
    if (slideStep_ >= 0) {
        // The strip "AM" over "PM", one inner box height each, moved by the
        // step through the box less its frame.
        auto state = C.SaveState();
        const TRect inner{box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1};
        const int h = inner.Bottom - inner.Top;
        C.SetClipRect(inner);
        const int offset = slideToPM_ ? -slideStep_ : slideStep_ - h;
        TRect am{inner.Left, inner.Top + offset, inner.Right, inner.Top + offset + h};
        TRect pm{inner.Left, am.Bottom, inner.Right, am.Bottom + h};
        C.DrawText(am, QStringLiteral("AM"), DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
        C.DrawText(pm, QStringLiteral("PM"), DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    } else {
        TRect r = box;
        C.DrawText(r, fAM_ ? QStringLiteral("AM") : QStringLiteral("PM"),
                   DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    }
    C.Brush().SetStyle(bsSolid);
}

void TVynWatch::DrawPointers(TCanvas& C)
{
    const TWatchAppearance& a = *fAppearance_;
    int h, m, s, ms;
    split(GetCurrentTime(), h, m, s, ms);
    if (clockMode() && fAM_ != (h < 12)) {
        fAM_ = h < 12;
        cacheValid_ = false;
    }
    const TWatchGeometry g = Geometry();
    const double R = g.R;
    const double ah = (h % 12) * 30 + m * 0.5, am = m * 6.0, as = s * 6.0;
    auto line = [&](double Angle, double Back, double Length, TColor Color, int Width, int Dx, int Dy) {
        const TPoint p = WatchPolar(g.CX, g.CY, Angle + 180, Back), q = WatchPolar(g.CX, g.CY, Angle, Length);
        C.Pen().SetColor(Color);
        C.Pen().SetWidth(Width);
        C.MoveTo(p.X + Dx, p.Y + Dy);
        C.LineTo(q.X + Dx, q.Y + Dy);
    };
    auto pointer = [&](double Angle, double Length, TColor Color, int Dx, int Dy) {
        const TPoint tail = WatchPolar(g.CX, g.CY, Angle + 180, 0.1 * R);
        const double a1 = (Angle + 90) * std::numbers::pi / 180, a2 = (Angle - 90) * std::numbers::pi / 180;
        const TPoint side1{WatchRound(g.CX - std::sin(a1) * 0.05 * R), WatchRound(g.CY + std::cos(a1) * 0.05 * R)};
        const TPoint side2{WatchRound(g.CX - std::sin(a2) * 0.05 * R), WatchRound(g.CY + std::cos(a2) * 0.05 * R)};
        const TPoint tip = WatchPolar(g.CX, g.CY, Angle, Length);
        C.Pen().SetColor(Color);
        C.Pen().SetWidth(1);
        C.Brush().SetColor(Color);
        C.Polygon({TPoint{tail.X + Dx, tail.Y + Dy}, TPoint{side1.X + Dx, side1.Y + Dy}, TPoint{tip.X + Dx, tip.Y + Dy},
                   TPoint{side2.X + Dx, side2.Y + Dy}});
    };
    const bool drawn = a.PointerStyle() == psLine || a.PointerStyle() == psPointer;
    if (a.PointerStyle() == psLine) {
        if (a.HourPointerShadow() != clNone)
            line(ah, 0.1 * R, 0.46 * R, a.HourPointerShadow(), a.HourPointerSize(), -1, 3);
        if (a.MinutePointerShadow() != clNone)
            line(am, 0.1 * R, 0.65 * R, a.MinutePointerShadow(), a.MinutePointerSize(), 0, 3);
        if (a.HourPointer() != clNone)
            line(ah, 0.1 * R, 0.5 * R, a.HourPointer(), a.HourPointerSize(), 0, 0);
        if (a.MinutePointer() != clNone)
            line(am, 0.1 * R, 0.7 * R, a.MinutePointer(), a.MinutePointerSize(), 0, 0);
    } else if (a.PointerStyle() == psPointer) {
        if (a.HourPointerShadow() != clNone)
            pointer(ah, 0.5 * R, a.HourPointerShadow(), 1, 3);
        if (a.HourPointer() != clNone)
            pointer(ah, 0.5 * R, a.HourPointer(), 0, 0);
        if (a.MinutePointerShadow() != clNone)
            pointer(am, 0.7 * R, a.MinutePointerShadow(), 1, 3);
        if (a.MinutePointer() != clNone)
            pointer(am, 0.7 * R, a.MinutePointer(), 0, 0);
    }
    if (drawn && clockMode() && fSettings_->Second() && a.SecondPointer() != clNone)
        line(as, 0.2 * R, 0.9 * R, a.SecondPointer(), a.SecondPointerSize(), 0, 0);
    C.Pen().SetWidth(1);
    // The centre point.
    const int cs = a.CenterPointSize();
    if (cs > 0) {
        const int left = WatchRound(g.CX - cs / 2.0), top = WatchRound(g.CY - cs / 2.0);
        C.Brush().SetStyle(bsClear);
        if (a.CenterPointColor() != clNone) {
            C.Brush().SetStyle(bsSolid);
            C.Brush().SetColor(a.CenterPointColor());
            C.Pen().SetColor(a.CenterPointColor());
            C.Ellipse(left, top, left + cs, top + cs);
            C.Brush().SetStyle(bsClear);
        }
        int w = 0;
        if (a.CenterPointOuterBorderColor() != clNone) {
            w = WatchRound(cs * 0.2);
            C.Pen().SetColor(a.CenterPointOuterBorderColor());
            C.Pen().SetWidth(std::max(1, w));
            C.Ellipse(left, top, left + cs, top + cs);
        }
        if (a.CenterPointBorderColor() != clNone) {
            C.Pen().SetColor(a.CenterPointBorderColor());
            C.Pen().SetWidth(std::max(1, WatchRound(cs * 0.1)));
            C.Ellipse(left, top, left + cs - w, top + cs - w);
        }
        C.Pen().SetWidth(1);
        C.Brush().SetStyle(bsSolid);
    }
}
