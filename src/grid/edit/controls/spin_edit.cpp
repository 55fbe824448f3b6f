#include "grid/edit/controls/spin_edit.h"

#include <QApplication>
#include <QFontMetrics>

#include <cmath>

#include "platform/gui/application.h"
#include "platform/gui/canvas.h"
#include "platform/gui/graphics.h"
#include "platform/gui/menus.h"
#include "platform/gui/qt_widgets.h"
#include "platform/rtl/strings.h"

namespace {

constexpr TColor kGlyphKey = 0x008080;  // red 128, green 128, blue 0

// Position (from 1) of Ch in S after the position From (from 1); 0 when absent.
int PosAfter(QChar Ch, const String& S, int From)
{
    const qsizetype i = S.indexOf(Ch, From);
    return i < 0 ? 0 : int(i) + 1;
}

bool IsNumberChar(QChar C)
{
    const auto cat = C.category();
    return cat == QChar::Number_DecimalDigit || cat == QChar::Number_Letter || cat == QChar::Number_Other;
}

}  // namespace

QChar SpinThousandSeparator() { return FormatSettings().DecimalSeparator == u',' ? QChar(u'.') : QChar(u','); }

std::unique_ptr<TBitmap> SpinArrowGlyph(bool Up)
{
    auto bmp = std::make_unique<TBitmap>(9, 6);
    TCanvas& c = bmp->Canvas();
    c.Brush().SetColor(kGlyphKey);
    c.FillRect(Rect(0, 0, 9, 6));
    // Rows of 1, 3, 5 and 7 pixels around x = 4, from the apex.
    for (int r = 0; r < 4; ++r) {
        const int y = Up ? 1 + r : 4 - r;
        for (int x = 4 - r; x <= 4 + r; ++x)
            c.SetPixels(x, y, clBlack);
    }
    return bmp;
}

// ---- TVynTimerSpeedButton ----------------------------------------------------------------------

TVynTimerSpeedButton::TVynTimerSpeedButton(TComponent* AOwner) : THotSpeedButton(AOwner) {}

TVynTimerSpeedButton::~TVynTimerSpeedButton() = default;

TVsgSpinButton* TVynTimerSpeedButton::Pair() const { return dynamic_cast<TVsgSpinButton*>(Owner()); }

void TVynTimerSpeedButton::SetButtonDirection(TButtonDirection Value)
{
    if (Value == buttonDirection_)
        return;
    buttonDirection_ = Value;
    Invalidate();
}

void TVynTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynTimerSpeedButton> self(this);
    THotSpeedButton::MouseDown(Button, Shift, X, Y);
    if (!self)
        return;
    if (timeBtnState_.Contains(tbAllowTimer) && Button == mbLeft && Enabled()) {
        if (!repeatTimer_) {
            repeatTimer_ = new TTimer(this);
            repeatTimer_->SetEnabled(false);
            repeatTimer_->OnTimer = [this](TObject*) { TimerExpired(); };
        }
        repeatTimer_->SetEnabled(false);
        repeatTimer_->SetInterval(400);
        repeatTimer_->SetEnabled(true);
    }
    if (TVsgSpinButton* p = Pair())
        p->Invalidate();
}

void TVynTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (repeatTimer_)
        repeatTimer_->SetEnabled(false);
    TWeakRef<TVynTimerSpeedButton> self(this);
    THotSpeedButton::MouseUp(Button, Shift, X, Y);
    if (self)
        if (TVsgSpinButton* p = Pair())
            p->Invalidate();
}

void TVynTimerSpeedButton::TimerExpired()
{
    repeatTimer_->SetInterval(100);
    if (State() == bsDown && MouseCapture()) {
        try {
            Click();
        } catch (...) {
            if (repeatTimer_)
                repeatTimer_->SetEnabled(false);
            throw;
        }
    }
}

void TVynTimerSpeedButton::Paint()
{
    TCanvas& c = Canvas();
    const TRect r = Rect(0, 0, Width(), Height());
    const bool pressed = State() == bsDown;
    TVsgSpinButton* pair = Pair();
    if (pair && pair->ButtonColor != clNone) {
        const TColor color = pressed ? pair->ButtonColorDown : Hot() ? pair->ButtonColorHot : pair->ButtonColor;
        c.Brush().SetColor(color);
        c.Pen().SetColor(color);
        c.Rectangle(r);
        c.Brush().SetColor(clBlack);
        c.Pen().SetColor(clBlack);
        switch (buttonDirection_) {
        case bdUp: c.Polygon({Point(4, 4), Point(8, 4), Point(6, 2)}); break;
        case bdDown: c.Polygon({Point(4, 2), Point(8, 2), Point(6, 4)}); break;
        case bdLeft: c.Polygon({Point(5, 5), Point(3, 7), Point(5, 9)}); break;
        case bdRight: c.Polygon({Point(3, 5), Point(5, 7), Point(3, 9)}); break;
        }
        return;
    }
    if (IsWinXP() && Themes().IsActive()) {
        const int part = buttonDirection_ == bdUp ? 1 : buttonDirection_ == bdDown ? 2 : buttonDirection_ == bdRight ? 3 : 4;
        const int state = pressed ? 3 : Hot() ? 2 : 1;
        if (Themes().DrawPart(c, QStringLiteral("spin"), part, state, r))
            return;
    }
    if (buttonDirection_ == bdLeft || buttonDirection_ == bdRight) {
        unsigned flags = buttonDirection_ == bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
        if (pressed)
            flags |= DFCS_PUSHED;
        if (Flat())
            flags |= DFCS_FLAT;
        DrawFrameControl(c, r, DFC_SCROLL, flags);
        return;
    }
    THotSpeedButton::Paint();
}

// ---- TVsgSpinButton ----------------------------------------------------------------------------

TVsgSpinButton::TVsgSpinButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption} + TControlStyle{csOpaque});
    auto make = [this](bool Up) {
        auto* b = new TVynTimerSpeedButton(this);
        auto glyph = SpinArrowGlyph(Up);
        b->SetGlyph(glyph.get());
        b->SetNumGlyphs(1);
        b->SetTimeBtnState({tbAllowTimer});
        b->SetButtonDirection(Up ? bdUp : bdDown);
        b->SetParent(this);
        b->OnClick = [this](TObject* Sender) { BtnClick(Sender); };
        b->OnMouseDown = [this](TObject* Sender, TMouseButton Button, TShiftState, int, int) {
            BtnMouseDown(Sender, Button);
        };
        return b;
    };
    upButton_ = make(true);
    downButton_ = make(false);
    focusedButton_ = upButton_;
    SetBounds(0, 0, 15, 25);
}

TVsgSpinButton::~TVsgSpinButton() = default;

void TVsgSpinButton::Arrange(int& W, int H)
{
    if (!upButton_ || !downButton_)
        return;
    if (direction_ == spVertical) {
        W = std::max(W, 15);
        upButton_->SetBounds(0, 0, W, H / 2);
        const int u = upButton_->Height();
        downButton_->SetBounds(0, u - 1, W, H - u + 1);
    } else {
        W = std::max(W, 20);
        downButton_->SetBounds(0, 0, W / 2, H);
        upButton_->SetBounds(W / 2 + 1, 0, W / 2, H);
    }
}

void TVsgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (!ComponentState().Contains(TComponentStateItem::csLoading))
        Arrange(AWidth, AHeight);
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TVsgSpinButton::SetDirection(TSpinDirection Value)
{
    if (Value == direction_)
        return;
    direction_ = Value;
    if (Value == spHorizontal) {
        upButton_->SetButtonDirection(bdRight);
        downButton_->SetButtonDirection(bdLeft);
        SetWidth(20);
    } else {
        upButton_->SetButtonDirection(bdUp);
        downButton_->SetButtonDirection(bdDown);
        SetWidth(15);
    }
    SetBounds(Left(), Top(), Width(), Height());
    Invalidate();
}

void TVsgSpinButton::SetIsWinXP(bool Value)
{
    isWinXP_ = Value;
    upButton_->SetIsWinXP(Value);
    downButton_->SetIsWinXP(Value);
}

void TVsgSpinButton::SetUpGlyph(const TBitmap* Value)
{
    if (Value) {
        upButton_->SetGlyph(Value);
        return;
    }
    auto glyph = SpinArrowGlyph(true);
    upButton_->SetGlyph(glyph.get());
    upButton_->SetNumGlyphs(1);
    upButton_->Invalidate();
}

void TVsgSpinButton::SetDownGlyph(const TBitmap* Value)
{
    if (Value) {
        downButton_->SetGlyph(Value);
        return;
    }
    auto glyph = SpinArrowGlyph(false);
    downButton_->SetGlyph(glyph.get());
    downButton_->SetNumGlyphs(1);
    downButton_->Invalidate();
}

void TVsgSpinButton::BtnClick(TObject* Sender)
{
    if (Sender == upButton_) {
        if (OnUpClick)
            OnUpClick(this);
    } else if (OnDownClick) {
        OnDownClick(this);
    }
}

void TVsgSpinButton::BtnMouseDown(TObject* Sender, TMouseButton Button)
{
    if (Button != mbLeft)
        return;
    SetFocusBtn(static_cast<TVynTimerSpeedButton*>(Sender));
    TWinControl* fc = FocusControl();
    if (fc && fc->TabStop() && fc->CanFocus() && !fc->Focused())
        fc->SetFocus();
    else if (TabStop() && CanFocus() && !Focused())
        SetFocus();
}

void TVsgSpinButton::SetFocusBtn(TVynTimerSpeedButton* Btn)
{
    if (!TabStop() || !CanFocus() || Btn == focusedButton_)
        return;
    focusedButton_->SetTimeBtnState(focusedButton_->TimeBtnState() - TTimeBtnState{tbFocusRect});
    focusedButton_ = Btn;
    if (Focused()) {
        focusedButton_->SetTimeBtnState(focusedButton_->TimeBtnState() + TTimeBtnState{tbFocusRect});
        Invalidate();
    }
}

void TVsgSpinButton::KeyDown(Word& Key, TShiftState Shift)
{
    switch (Key) {
    case VK_SPACE: focusedButton_->Click(); break;
    case VK_UP:
        SetFocusBtn(upButton_);
        upButton_->Click();
        break;
    case VK_DOWN:
        SetFocusBtn(downButton_);
        downButton_->Click();
        break;
    default: break;
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TVsgSpinButton::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }

void TVsgSpinButton::WMSetFocus(TMessage& Message)
{
    TCustomControl::WMSetFocus(Message);
    focusedButton_->SetTimeBtnState(focusedButton_->TimeBtnState() + TTimeBtnState{tbFocusRect});
    focusedButton_->Invalidate();
}

void TVsgSpinButton::WMKillFocus(TMessage& Message)
{
    TCustomControl::WMKillFocus(Message);
    focusedButton_->SetTimeBtnState(focusedButton_->TimeBtnState() - TTimeBtnState{tbFocusRect});
    focusedButton_->Invalidate();
}

void TVsgSpinButton::Paint()
{
    Canvas().Brush().SetColor(clBtnFace);
    Canvas().FillRect(ClientRect());
}

// ---- TVsgSpinEdit ------------------------------------------------------------------------------

TVsgSpinEdit::TVsgSpinEdit(TComponent* AOwner) : TSideButtonMaskEdit(AOwner)
{
    button_ = new TVsgSpinButton(this);
    button_->SetBounds(0, 0, 15, 17);
    button_->SetVisible(true);
    button_->SetParent(this);
    button_->SetFocusControl(this);
    button_->OnUpClick = [this](TObject* Sender) { UpClick(Sender); };
    button_->OnDownClick = [this](TObject* Sender) { DownClick(Sender); };
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption});
    SetText(QStringLiteral("0"));
    UpdateLayout();
}

TVsgSpinEdit::~TVsgSpinEdit() { button_ = nullptr; }

void TVsgSpinEdit::SetIncrementHours(int Value)
{
    if (Value >= 0 && Value <= 23)
        incrementHours_ = Value;
}

void TVsgSpinEdit::SetIncrementMinutes(int Value)
{
    if (Value >= 0 && Value <= 59)
        incrementMinutes_ = Value;
}

void TVsgSpinEdit::SetIncrementSeconds(int Value)
{
    if (Value >= 0 && Value <= 59)
        incrementSeconds_ = Value;
}

void TVsgSpinEdit::SetSpinType(TVsgSpinType Value)
{
    spinType_ = Value;
    switch (Value) {
    case sptNormal: SetValue(this->Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
    }
}

void TVsgSpinEdit::SetPrecision(int Value)
{
    precision_ = std::max(0, Value);
    if (spinType_ == sptFloat)
        SetFloatValue(FloatValue());
}

void TVsgSpinEdit::SetDirection(TSpinDirection Value)
{
    direction_ = Value;
    button_->SetDirection(Value);
    UpdateLayout();
}

void TVsgSpinEdit::SetEditAlign(TEditAlign Value)
{
    editAlign_ = Value;
    SetAlignment(Value == eaRight ? taRightJustify : Value == eaCenter ? taCenter : taLeftJustify);
}

void TVsgSpinEdit::SetSpinFlat(bool Value)
{
    spinFlat_ = Value;
    button_->UpButton()->SetFlat(Value);
    button_->DownButton()->SetFlat(Value);
}

void TVsgSpinEdit::SetSpinTransparent(bool Value)
{
    spinTransparent_ = Value;
    button_->UpButton()->SetTransparent(Value);
    button_->DownButton()->SetTransparent(Value);
    UpdateLayout();
}

void TVsgSpinEdit::SetIsWinXP(bool Value)
{
    isWinXP_ = Value;
    button_->SetIsWinXP(Value);
}

// ---- values

int TVsgSpinEdit::CheckValue(int Value) const
{
    if (minValue_ == maxValue_)
        return Value;
    return std::clamp(Value, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
}

double TVsgSpinEdit::CheckFloatValue(double Value) const
{
    if (minFloatValue_ == maxFloatValue_)
        return Value;
    if (Value < minFloatValue_)
        return minFloatValue_;
    if (Value > maxFloatValue_)
        return maxFloatValue_;
    return Value;
}

TDateTime TVsgSpinEdit::CheckDateValue(TDateTime Value) const
{
    if (CompareDateTime(minDateValue_, maxDateValue_) == 0)
        return Value;
    if (CompareDateTime(Value, minDateValue_) < 0)
        return minDateValue_;
    if (CompareDateTime(Value, maxDateValue_) > 0)
        return maxDateValue_;
    return Value;
}

int TVsgSpinEdit::Value() const
{
    const String t = Text().trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    return ok ? v : minValue_;
}

void TVsgSpinEdit::SetValue(int Value)
{
    SetText(QString::number(CheckValue(Value)));
    if (!editorEnabled_)
        SelectAll();
}

String TVsgSpinEdit::FloatText(double Value) const
{
    const QChar sep = FormatSettings().DecimalSeparator;
    return precision_ > 0 ? FloatToStrF(Value, precision_, sep) : FloatToStr(Value, sep);
}

double TVsgSpinEdit::FloatValue() const
{
    double v = 0;
    if (TryStrToFloat(Text(), v, FormatSettings().DecimalSeparator))
        return v;
    return minFloatValue_;
}

void TVsgSpinEdit::SetFloatValue(double Value) { SetText(FloatText(CheckFloatValue(Value))); }

TDateTime TVsgSpinEdit::DateValue() const
{
    const String t = Text();
    if (t.isEmpty() || t == QStringLiteral("0"))
        return Now();
    TDateTime v = 0;
    if (TryStrToDate(t, v))
        return v;
    return minDateValue_;
}

void TVsgSpinEdit::SetDateValue(TDateTime Value)
{
    dateValue_ = Value;
    if (ComponentState().Contains(TComponentStateItem::csLoading))
        return;
    dateValue_ = CheckDateValue(Value);
    const int caret = SelStart();
    SetText(DateToStr(dateValue_));
    SetSelStart(caret);
}

String TVsgSpinEdit::TimeText(TDateTime Value) const
{
    double day = 0;
    double frac = std::modf(Value, &day);
    if (frac < 0)
        frac = -frac;
    if (showSeconds_)
        return FormatDateTime(FormatSettings().LongTimeFormat, frac);
    return FormatDateTime(QStringLiteral("h:nn"), frac);
}

TDateTime TVsgSpinEdit::TimeValue() const
{
    TDateTime v = 0;
    if (TryStrToTime(Text(), v))
        return v;
    return 0;
}

void TVsgSpinEdit::SetTimeValue(TDateTime Value)
{
    timeValue_ = Value;
    if (ComponentState().Contains(TComponentStateItem::csLoading))
        return;
    timeValue_ = CheckDateValue(Value);
    const int caret = SelStart();
    SetText(TimeText(timeValue_));
    SetSelStart(caret);
}

void TVsgSpinEdit::Loaded()
{
    TSideButtonMaskEdit::Loaded();
    if (spinType_ == sptDate)
        SetText(DateToStr(dateValue_));
    else if (spinType_ == sptTime)
        SetText(TimeText(timeValue_));
    SetSpinType(spinType_);
}

// ---- stepping

void TVsgSpinEdit::StepUp(bool Page) { Step(true, Page); }

void TVsgSpinEdit::StepDown(bool Page) { Step(false, Page); }

void TVsgSpinEdit::UpClick(TObject*) { StepUp(false); }

void TVsgSpinEdit::DownClick(TObject*) { StepDown(false); }

void TVsgSpinEdit::Step(bool Up, bool Page)
{
    if (ReadOnly()) {
        MessageBeep(0);
        return;
    }
    const int sign = Up ? 1 : -1;
    switch (spinType_) {
    case sptNormal: SetValue(Value() + sign * increment_); break;
    case sptFloat: SetFloatValue(FloatValue() + sign * (Page ? incrementFloatPage_ : incrementFloat_)); break;
    case sptDate: {
        const String fmt = FormatSettings().ShortDateFormat.toUpper();
        const int pm = int(fmt.indexOf(u'M')) + 1, pd = int(fmt.indexOf(u'D')) + 1;
        usDates_ = pm < pd;
        const String t = Text();
        const QChar sep = FormatSettings().DateSeparator;
        const int p1 = PosAfter(sep, t, 0);
        const int p2 = p1 > 0 ? PosAfter(sep, t, p1) : 0;
        const int c = SelStart();
        const int field = c < p1 ? 0 : c < p2 ? 1 : 2;
        enum { Day, Month, Year } what = field == 2 ? Year : (field == 0) == usDates_ ? Month : Day;
        int y = 0, m = 0, d = 0;
        DecodeDate(DateValue(), y, m, d);
        TDateTime v = 0;
        if (what == Day) {
            // Not past the first or the last day a date can hold.
            int ny = 0, nm = 0, nd = 0;
            v = EncodeDate(y, m, d) + sign;
            DecodeDate(v, ny, nm, nd);
            if (ny < 1 || ny > 9999)
                return;
        } else if (what == Month) {
            m += sign;
            if (m > 12) {
                m = 1;
                ++y;
            } else if (m < 1) {
                m = 12;
                --y;
            }
            if (!TryEncodeDate(y, m, std::min(d, DaysInMonth(y, m)), v))
                return;
        } else {
            y += sign;
            if (!TryEncodeDate(y, m, std::min(d, DaysInMonth(y, m)), v))
                return;
        }
        SetDateValue(v);
        break;
    }
    case sptTime: {
        const String t = Text();
        const QChar sep = FormatSettings().TimeSeparator;
        const int p1 = PosAfter(sep, t, 0);
        const int p2 = p1 > 0 ? PosAfter(sep, t, p1) : 0;
        const int c = SelStart();
        TDateTime step = 0;
        if (c < p1)
            step = EncodeTime(incrementHours_, 0, 0, 0);
        else if (showSeconds_ && c >= p2)
            step = EncodeTime(0, 0, incrementSeconds_, 0);
        else
            step = EncodeTime(0, incrementMinutes_, 0, 0);
        if (Up) {
            SetTimeValue(TimeValue() + step);
        } else {
            TDateTime v = TimeValue() + 1 - step;
            if (v > 1)
                v -= 1;
            SetTimeValue(v);
        }
        break;
    }
    }
}

// ---- keys and characters

bool TVsgSpinEdit::IsValidChar(QChar Key) const { return IsValidSpinChar(Key); }

bool TVsgSpinEdit::IsValidSpinChar(QChar Key) const
{
    const char16_t k = Key.unicode();
    if (k == 8)
        return editorEnabled_;
    const TFormatSettings& fs = FormatSettings();
    const QChar dec = fs.DecimalSeparator, thou = SpinThousandSeparator(), tsep = fs.TimeSeparator,
                dsep = fs.DateSeparator;
    bool result = Key == dec || Key == thou || Key == tsep || Key == dsep || IsNumberChar(Key) || Key == u'-' ||
                  (k < 32 && k != 13);
    const bool numeric = spinType_ == sptNormal || spinType_ == sptFloat;
    auto sharesANumberChar = [&](QChar Sep) { return Sep == dec || Sep == thou || Sep == u'-' || Sep == u'+'; };
    if (Key == tsep && spinType_ != sptTime && !(sharesANumberChar(tsep) && numeric))
        result = false;
    if (Key == dsep && spinType_ != sptDate && !(sharesANumberChar(dsep) && numeric))
        result = false;
    const String text = Text();
    if (Key == u'-') {
        if (SelStart() > 0)
            result = false;
        if (text.contains(u'-') && !SelText().contains(u'-'))
            result = false;
    }
    if (spinType_ == sptNormal && !(IsNumberChar(Key) || Key == u'-'))
        result = false;
    if (spinType_ == sptFloat && k != 27 && k != 13 && k != 8) {
        if (Key == thou)
            result = false;
        if (Key == dec && text.contains(dec) && !SelText().contains(dec))
            result = false;
        const int p = int(text.indexOf(dec)) + 1;
        if (precision_ > 0 && p > 0 && SelStart() >= p && SelLength() == 0 && result &&
            text.size() >= p + precision_)
            result = false;
    }
    if (spinType_ == sptTime && Key == tsep && text.count(tsep) >= 2)
        result = false;
    if (!editorEnabled_ && result && k >= 32)
        result = false;
    return result;
}

void TVsgSpinEdit::WMKeyDown(TMessage& Message)
{
    switch (Message.CharCode()) {
    case VK_UP: StepUp(false); break;
    case VK_DOWN: StepDown(false); break;
    case VK_PRIOR: StepUp(true); break;
    case VK_NEXT: StepDown(true); break;
    default: TSideButtonMaskEdit::WMKeyDown(Message); return;
    }
    Message.Result = 0;
}

void TVsgSpinEdit::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && returnIsTab_) {
        Key = VK_TAB;
        PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_DELETE && !editorEnabled_)
        Key = 0;
    TSideButtonMaskEdit::KeyDown(Key, Shift);
}

void TVsgSpinEdit::KeyPress(QChar& Key)
{
    if (!Key.isNull() && !IsValidSpinChar(Key)) {
        Key = QChar();
        MessageBeep(0);
    }
    if (!Key.isNull())
        TSideButtonMaskEdit::KeyPress(Key);
}

void TVsgSpinEdit::WMChar(TMessage& Message)
{
    // The keypad's decimal key types the locale's separator.
    if (excelStyleDecimalSeparator_ && Message.WParam == u'.' && (Message.LParam >> 22) & 1)
        Message.WParam = FormatSettings().DecimalSeparator.unicode();
    TSideButtonMaskEdit::WMChar(Message);
}

void TVsgSpinEdit::DefaultHandler(TMessage& Message)
{
    if (HandleClipboardMessage(Message, editorEnabled_ && !ReadOnly()))
        return;
    TSideButtonMaskEdit::DefaultHandler(Message);
}

void TVsgSpinEdit::DoEnter()
{
    if (AutoSelect() && (!ControlState().Contains(csLButtonDown) || !editorEnabled_))
        SelectAll();
    TSideButtonMaskEdit::DoEnter();
}

void TVsgSpinEdit::DoExit()
{
    TSideButtonMaskEdit::DoExit();
    ApplyBounds();
}

void TVsgSpinEdit::ApplyBounds()
{
    switch (spinType_) {
    case sptNormal:
        if (CheckValue(Value()) != Value())
            SetValue(Value());
        break;
    case sptFloat:
        if (CheckFloatValue(FloatValue()) != FloatValue())
            SetFloatValue(FloatValue());
        break;
    case sptDate:
        if (CompareDateTime(CheckDateValue(DateValue()), DateValue()) != 0)
            SetDateValue(DateValue());
        break;
    case sptTime:
        if (CompareDateTime(CheckDateValue(TimeValue()), TimeValue()) != 0)
            SetTimeValue(TimeValue());
        break;
    }
}

// ---- layout

int TVsgSpinEdit::MinHeight() const
{
    const int h = QFontMetrics(Font().ToQFont()).height();
    const int hs = QFontMetrics(QApplication::font()).height();
    int m = h + std::min(hs, h) / 4 + 2;
    if (BorderStyle() == bsSingle)
        m += 4 * 1;  // the platform's border height is one pixel
    return m;
}

void TVsgSpinEdit::UpdateLayout()
{
    if (!button_)
        return;
    const int m = MinHeight();
    if (Height() < m) {
        SetHeight(m);
        return;
    }
    // The field's client area lies inside its two-pixel frame (bsSingle).
    const int frame = BorderStyle() == bsSingle ? 2 : 0;
    const int bw = button_->Width();
    if (BorderStyle() == bsSingle)
        button_->SetBounds(Width() - bw - 3, frame, bw, Height() - 5);
    else
        button_->SetBounds(Width() - bw - 1, 0, bw, Height() - 1);
    // The text area: from 3 pixels inside the field to 2 pixels left of the
    // arrows (the field keeps 2 pixels of its own on either side).
    const int vertical = frame;
    Editor()->setTextMargins(1, vertical, Width() - button_->Left(), vertical);
}
