#include "platform/gui/dtpicker.h"

#include <QImage>
#include <QPainter>

#include <cmath>

#include "platform/gui/canvas.h"
#include "platform/gui/graphics.h"
#include "platform/gui/input_state.h"

namespace {

double WholeDays(TDateTime V)
{
    double days = 0;
    std::modf(V, &days);
    return days;
}

double TimeOfDay(TDateTime V) { return std::fabs(V - WholeDays(V)); }

// A value from whole days and a time of day.
TDateTime Join(double Days, double Time) { return Days >= 0 ? Days + Time : Days - Time; }

struct Parts {
    int y = 1899, m = 12, d = 30, h = 0, n = 0, s = 0, ms = 0;
};

Parts Split(TDateTime V)
{
    Parts p;
    DecodeDate(V, p.y, p.m, p.d);
    DecodeTime(V, p.h, p.n, p.s, p.ms);
    return p;
}

bool Make(const Parts& P, TDateTime& Out)
{
    TDateTime d = 0, t = 0;
    if (!TryEncodeDate(P.y, P.m, P.d, d) || !TryEncodeTime(P.h, P.n, P.s, P.ms, t))
        return false;
    Out = Join(d, t);
    return true;
}

}  // namespace

// ---- formats --------------------------------------------------------------------------------------

std::vector<TDateTimeField> ParseDateTimeFormat(const String& Format)
{
    std::vector<TDateTimeField> out;
    auto literal = [&](const String& T) {
        if (!out.empty() && out.back().Kind == TDateTimeField::Literal)
            out.back().Text += T;
        else
            out.push_back({TDateTimeField::Literal, 0, T});
    };
    const TFormatSettings& fs = FormatSettings();
    for (int i = 0; i < Format.size();) {
        const QChar c = Format[i];
        const QChar lc = c.toLower();
        int run = 1;
        while (i + run < Format.size() && Format[i + run].toLower() == lc)
            ++run;
        TDateTimeField f;
        if (c == u'"' || c == u'\'') {
            const qsizetype end = Format.indexOf(c, i + 1);
            literal(Format.mid(i + 1, end < 0 ? -1 : end - i - 1));
            i = end < 0 ? int(Format.size()) : int(end) + 1;
            continue;
        }
        if (lc == u'd' && run <= 2)
            f = {TDateTimeField::Day, run, {}};
        else if (lc == u'm' && run <= 2)
            f = {TDateTimeField::Month, run, {}};
        else if (lc == u'y')
            f = {TDateTimeField::Year, run >= 3 ? 4 : 2, {}};
        else if (lc == u'h' && run <= 2)
            f = {TDateTimeField::Hour, run, {}};
        else if (lc == u'n' && run <= 2)
            f = {TDateTimeField::Minute, run, {}};
        else if (lc == u's' && run <= 2)
            f = {TDateTimeField::Second, run, {}};
        else {
            literal(c == u'/' ? String(fs.DateSeparator) : c == u':' ? String(fs.TimeSeparator) : String(c));
            ++i;
            continue;
        }
        out.push_back(f);
        i += run;
    }
    return out;
}

String TranslateQtFormat(const String& QtFormat)
{
    // Qt: d dd (day), M MM (month), yy yyyy, H HH / h hh (hour), m mm
    // (minute), s ss; the platform: d dd, m mm, yy yyyy, h hh, n nn, s ss.
    String out;
    for (int i = 0; i < QtFormat.size(); ++i) {
        const QChar c = QtFormat[i];
        switch (c.unicode()) {
        case u'M': out += u'm'; break;
        case u'm': out += u'n'; break;
        case u'H': out += u'h'; break;
        case u'\'': {
            const qsizetype end = QtFormat.indexOf(u'\'', i + 1);
            const String text = QtFormat.mid(i + 1, end < 0 ? -1 : end - i - 1);
            out += u'"' + text + u'"';
            i = end < 0 ? int(QtFormat.size()) : int(end);
            break;
        }
        default: out += c; break;
        }
    }
    return out;
}

// ---- the calendar ---------------------------------------------------------------------------------

TDateTimeCalendar::TDateTimeCalendar(TComponent* AOwner, TDateTimePicker* Picker)
    : TCustomControl(AOwner), picker_(Picker)
{
    SetTabStop(true);
    SetColor(clWindow);
}

void TDateTimeCalendar::ShowMonth(int Year, int Month)
{
    year_ = Year;
    month_ = Month;
    Invalidate();
}

void TDateTimeCalendar::SetSelected(TDateTime Value)
{
    selected_ = WholeDays(Value);
    int y = 0, m = 0, d = 0;
    DecodeDate(selected_, y, m, d);
    ShowMonth(y, m);
}

// The first cell: the Monday on or before the first of the month.
TDateTime TDateTimeCalendar::FirstCell() const
{
    const TDateTime first = EncodeDate(year_, month_, 1);
    const int dow = DayOfWeek(first);  // 1 = Sunday
    const int back = (dow + 5) % 7;     // days since Monday
    return first - back;
}

TRect TDateTimeCalendar::DayRect(TDateTime Day) const
{
    const int index = int(WholeDays(Day) - FirstCell());
    int y = 0, m = 0, d = 0;
    DecodeDate(Day, y, m, d);
    if (index < 0 || index >= 42 || y != year_ || m != month_)
        return Rect(0, 0, 0, 0);
    const int top = TitleHeight + CellHeight;
    return Bounds(1 + (index % 7) * CellWidth, top + (index / 7) * CellHeight, CellWidth, CellHeight);
}

TRect TDateTimeCalendar::PrevRect() const { return Bounds(2, 2, 18, TitleHeight - 4); }

TRect TDateTimeCalendar::NextRect() const { return Bounds(Width() - 20, 2, 18, TitleHeight - 4); }

void TDateTimeCalendar::Paint()
{
    TCanvas& c = Canvas();
    c.Brush().SetColor(clWindow);
    c.FillRect(ClientRect());
    c.Brush().SetColor(clBtnShadow);
    c.FrameRect(ClientRect());
    // Title: the month and the year between two arrows.
    c.Brush().SetColor(clBtnFace);
    c.FillRect(Rect(1, 1, Width() - 1, TitleHeight));
    DrawFrameControl(c, PrevRect(), DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_FLAT);
    DrawFrameControl(c, NextRect(), DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_FLAT);
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(clBtnText);
    static const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
    c.DrawText(Rect(0, 0, Width(), TitleHeight), QString::fromLatin1(months[month_ - 1]) + u' ' + QString::number(year_),
               DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    static const char* const days[] = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};
    for (int i = 0; i < 7; ++i)
        c.DrawText(Bounds(1 + i * CellWidth, TitleHeight, CellWidth, CellHeight), QString::fromLatin1(days[i]),
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const TDateTime first = FirstCell();
    for (int i = 0; i < 42; ++i) {
        const TDateTime day = first + i;
        int y = 0, m = 0, d = 0;
        DecodeDate(day, y, m, d);
        const TRect r = Bounds(1 + (i % 7) * CellWidth, TitleHeight + CellHeight + (i / 7) * CellHeight, CellWidth,
                               CellHeight);
        const bool sel = WholeDays(day) == selected_;
        if (sel) {
            c.Brush().SetStyle(bsSolid);
            c.Brush().SetColor(clHighlight);
            c.FillRect(r);
            c.Brush().SetStyle(bsClear);
        }
        c.Font().SetColor(sel ? clHighlightText : m == month_ ? clWindowText : clGrayText);
        c.DrawText(r, QString::number(d), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void TDateTimeCalendar::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS; }

void TDateTimeCalendar::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    auto move = [&](TDateTime Day) {
        SetSelected(Day);
        Key = 0;
    };
    int y = 0, m = 0, d = 0;
    DecodeDate(selected_, y, m, d);
    switch (Key) {
    case VK_LEFT: move(selected_ - 1); break;
    case VK_RIGHT: move(selected_ + 1); break;
    case VK_UP: move(selected_ - 7); break;
    case VK_DOWN: move(selected_ + 7); break;
    case VK_PRIOR:
    case VK_NEXT: {
        m += Key == VK_NEXT ? 1 : -1;
        if (m > 12) {
            m = 1;
            ++y;
        } else if (m < 1) {
            m = 12;
            --y;
        }
        TDateTime v = 0;
        if (TryEncodeDate(y, m, std::min(d, DaysInMonth(y, m)), v))
            move(v);
        break;
    }
    case VK_RETURN:
        Key = 0;
        picker_->CalendarPicked(selected_);
        break;
    case VK_ESCAPE:
    case VK_F4:
        Key = 0;
        picker_->CloseUp();
        break;
    default: break;
    }
}

void TDateTimeCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    const TPoint p = Point(X, Y);
    if (PrevRect().Contains(p) || NextRect().Contains(p)) {
        int m = month_ + (PrevRect().Contains(p) ? -1 : 1), y = year_;
        if (m > 12) {
            m = 1;
            ++y;
        } else if (m < 1) {
            m = 12;
            --y;
        }
        ShowMonth(y, m);
        return;
    }
    const int top = TitleHeight + CellHeight;
    if (Y < top || X < 1)
        return;
    const int col = (X - 1) / CellWidth, row = (Y - top) / CellHeight;
    if (col > 6 || row > 5)
        return;
    picker_->CalendarPicked(FirstCell() + row * 7 + col);
}

TDateTimeCalendarPopup::TDateTimeCalendarPopup(TComponent* AOwner, TDateTimePicker* Picker)
    : TPopupForm(AOwner), picker_(Picker)
{
    view_ = new TDateTimeCalendar(this, Picker);
    view_->SetParent(this);
    view_->SetAlign(alClient);
    const int w = 7 * TDateTimeCalendar::CellWidth + 2;
    const int h = TDateTimeCalendar::TitleHeight + 7 * TDateTimeCalendar::CellHeight + 2;
    SetBounds(0, 0, w, h);
    SetActiveControl(view_);
}

void TDateTimeCalendarPopup::PopupDeactivate(TWinControl*) { picker_->CloseUp(); }

// ---- TDateTimePicker ------------------------------------------------------------------------------

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 186, 21);
    value_ = Now();
}

TDateTimePicker::~TDateTimePicker() = default;

void TDateTimePicker::SetKind(TDateTimeKind Value)
{
    if (Value == kind_)
        return;
    kind_ = Value;
    activeField_ = 0;
    typedDigits_ = 0;
    Invalidate();
}

void TDateTimePicker::SetDateMode(TDTDateMode Value)
{
    if (Value == dateMode_)
        return;
    dateMode_ = Value;
    Invalidate();
}

void TDateTimePicker::SetFormat(const String& Value)
{
    if (Value == format_)
        return;
    format_ = Value;
    activeField_ = std::min(activeField_, std::max(0, FieldCount() - 1));
    typedDigits_ = 0;
    Invalidate();
}

TDateTime TDateTimePicker::Clamp(TDateTime Value) const
{
    if (minDate_ != 0 && WholeDays(Value) < WholeDays(minDate_))
        return Join(WholeDays(minDate_), TimeOfDay(Value));
    if (maxDate_ != 0 && WholeDays(Value) > WholeDays(maxDate_))
        return Join(WholeDays(maxDate_), TimeOfDay(Value));
    return Value;
}

void TDateTimePicker::SetDateTime(TDateTime Value)
{
    value_ = Clamp(Value);
    typedDigits_ = 0;
    Invalidate();
    DateSet(false);
}

TDateTime TDateTimePicker::Date() const { return WholeDays(value_); }

void TDateTimePicker::SetDate(TDateTime Value) { SetDateTime(Join(WholeDays(Value), TimeOfDay(value_))); }

TDateTime TDateTimePicker::Time() const { return TimeOfDay(value_); }

void TDateTimePicker::SetTime(TDateTime Value) { SetDateTime(Join(WholeDays(value_), TimeOfDay(Value))); }

void TDateTimePicker::SetMinDate(TDateTime Value)
{
    minDate_ = Value;
    value_ = Clamp(value_);
    Invalidate();
}

void TDateTimePicker::SetMaxDate(TDateTime Value)
{
    maxDate_ = Value;
    value_ = Clamp(value_);
    Invalidate();
}

void TDateTimePicker::SetShowCheckbox(bool Value)
{
    if (Value == showCheckbox_)
        return;
    showCheckbox_ = Value;
    Invalidate();
}

void TDateTimePicker::SetChecked(bool Value)
{
    if (Value == checked_)
        return;
    checked_ = Value;
    Invalidate();
    DateSet(!Value);
}

std::vector<int> TDateTimePicker::FieldIndexes() const
{
    const auto fields = ParseDateTimeFormat(format_.isEmpty() ? (kind_ == dtkDate ? FormatSettings().ShortDateFormat
                                                                                  : FormatSettings().LongTimeFormat)
                                                              : format_);
    std::vector<int> out;
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].Kind != TDateTimeField::Literal)
            out.push_back(int(i));
    return out;
}

int TDateTimePicker::FieldCount() const { return int(FieldIndexes().size()); }

TDateTimeField::TKind TDateTimePicker::ActiveFieldKind() const
{
    const auto fields = ParseDateTimeFormat(format_.isEmpty() ? (kind_ == dtkDate ? FormatSettings().ShortDateFormat
                                                                                  : FormatSettings().LongTimeFormat)
                                                              : format_);
    const auto idx = FieldIndexes();
    if (idx.empty())
        return TDateTimeField::Literal;
    return fields[size_t(idx[size_t(std::clamp(activeField_, 0, int(idx.size()) - 1))])].Kind;
}

void TDateTimePicker::SetActiveField(int Index)
{
    const int n = FieldCount();
    const int v = n == 0 ? 0 : std::clamp(Index, 0, n - 1);
    if (v != activeField_) {
        activeField_ = v;
        typedDigits_ = 0;
        Invalidate();
    }
}

String TDateTimePicker::FieldText(const TDateTimeField& F) const
{
    const Parts p = Split(value_);
    auto num = [](int V, int Digits) { return QString::number(V).rightJustified(Digits, u'0'); };
    switch (F.Kind) {
    case TDateTimeField::Literal: return F.Text;
    case TDateTimeField::Day: return num(p.d, F.Digits);
    case TDateTimeField::Month: return num(p.m, F.Digits);
    case TDateTimeField::Year: return F.Digits == 4 ? num(p.y, 4) : num(p.y % 100, 2);
    case TDateTimeField::Hour: return num(p.h, F.Digits);
    case TDateTimeField::Minute: return num(p.n, F.Digits);
    case TDateTimeField::Second: return num(p.s, F.Digits);
    }
    return {};
}

String TDateTimePicker::DisplayText() const
{
    String out;
    for (const TDateTimeField& f : ParseDateTimeFormat(
             format_.isEmpty() ? (kind_ == dtkDate ? FormatSettings().ShortDateFormat : FormatSettings().LongTimeFormat)
                               : format_))
        out += FieldText(f);
    return out;
}

void TDateTimePicker::UserSet(TDateTime Value)
{
    const TDateTime v = Clamp(Value);
    const bool wasChecked = checked_;
    checked_ = true;
    if (v == value_ && wasChecked)
        return;
    value_ = v;
    Invalidate();
    Change();
}

void TDateTimePicker::Change()
{
    if (OnChange)
        OnChange(this);
}

void TDateTimePicker::StepField(int Delta)
{
    Parts p = Split(value_);
    auto wrap = [](int V, int Lo, int Hi) {
        const int n = Hi - Lo + 1;
        return Lo + ((V - Lo) % n + n) % n;
    };
    switch (ActiveFieldKind()) {
    case TDateTimeField::Day: p.d = wrap(p.d + Delta, 1, DaysInMonth(p.y, p.m)); break;
    case TDateTimeField::Month:
        p.m = wrap(p.m + Delta, 1, 12);
        p.d = std::min(p.d, DaysInMonth(p.y, p.m));
        break;
    case TDateTimeField::Year:
        p.y = std::clamp(p.y + Delta, 1, 9999);
        p.d = std::min(p.d, DaysInMonth(p.y, p.m));
        break;
    case TDateTimeField::Hour: p.h = wrap(p.h + Delta, 0, 23); break;
    case TDateTimeField::Minute: p.n = wrap(p.n + Delta, 0, 59); break;
    case TDateTimeField::Second: p.s = wrap(p.s + Delta, 0, 59); break;
    case TDateTimeField::Literal: return;
    }
    typedDigits_ = 0;
    TDateTime v = 0;
    if (Make(p, v))
        UserSet(v);
}

void TDateTimePicker::TypeDigit(int Digit)
{
    Parts p = Split(value_);
    const TDateTimeField::TKind kind = ActiveFieldKind();
    if (kind == TDateTimeField::Literal)
        return;
    const bool year = kind == TDateTimeField::Year;
    int next = typedDigits_ > 0 ? typedValue_ * 10 + Digit : Digit;
    int hi = 0, lo = 0;
    switch (kind) {
    case TDateTimeField::Day: lo = 1, hi = DaysInMonth(p.y, p.m); break;
    case TDateTimeField::Month: lo = 1, hi = 12; break;
    case TDateTimeField::Year: lo = 1, hi = 9999; break;
    case TDateTimeField::Hour: lo = 0, hi = 23; break;
    case TDateTimeField::Minute:
    case TDateTimeField::Second: lo = 0, hi = 59; break;
    case TDateTimeField::Literal: break;
    }
    if (next > hi) {
        // Too big with the digits before: this digit starts the field again.
        next = Digit;
        typedDigits_ = 0;
    }
    typedValue_ = next;
    ++typedDigits_;
    const int maxDigits = year ? 4 : 2;
    if (typedDigits_ >= maxDigits || (!year && next * 10 > hi))
        typedDigits_ = 0;  // complete: the next digit starts anew
    if (next < lo)
        return;  // a leading 0 waits for the next digit
    switch (kind) {
    case TDateTimeField::Day: p.d = next; break;
    case TDateTimeField::Month:
        p.m = next;
        p.d = std::min(p.d, DaysInMonth(p.y, p.m));
        break;
    case TDateTimeField::Year:
        p.y = next;
        p.d = std::min(p.d, DaysInMonth(p.y, p.m));
        break;
    case TDateTimeField::Hour: p.h = next; break;
    case TDateTimeField::Minute: p.n = next; break;
    case TDateTimeField::Second: p.s = next; break;
    case TDateTimeField::Literal: break;
    }
    TDateTime v = 0;
    if (Make(p, v))
        UserSet(v);
}

bool TDateTimePicker::DroppedDown() const { return popup_ && popup_->Visible(); }

void TDateTimePicker::DropDown()
{
    if (DroppedDown() || kind_ != dtkDate)
        return;
    if (!popup_)
        popup_ = new TDateTimeCalendarPopup(this, this);
    popup_->View()->SetSelected(value_);
    if (OnDropDown)
        OnDropDown(this);
    const TPoint at = ClientToScreen(Point(0, Height()));
    popup_->ShowAt(Bounds(at.X, at.Y, popup_->Width(), popup_->Height()));
    Invalidate();
}

void TDateTimePicker::CloseUp()
{
    if (!DroppedDown())
        return;
    popup_->Hide();
    Invalidate();
    if (OnCloseUp)
        OnCloseUp(this);
}

void TDateTimePicker::CalendarPicked(TDateTime Day)
{
    TWeakRef<TDateTimePicker> self(this);
    const TDateTime v = Clamp(Join(WholeDays(Day), TimeOfDay(value_)));
    popup_->Hide();
    const bool changed = v != value_ || !checked_;
    value_ = v;
    checked_ = true;
    Invalidate();
    DateSet(false);
    if (self && changed)
        Change();
    if (self && OnCloseUp)
        OnCloseUp(this);
}

// ---- geometry and painting

int TDateTimePicker::ButtonWidth() const { return GetSystemMetrics(SM_CXVSCROLL); }

TRect TDateTimePicker::CheckboxRect() const
{
    if (!showCheckbox_)
        return Rect(0, 0, 0, 0);
    return Bounds(4, (Height() - 13) / 2, 13, 13);
}

TRect TDateTimePicker::ButtonRect() const { return Rect(Width() - 2 - ButtonWidth(), 2, Width() - 2, Height() - 2); }

TRect TDateTimePicker::FieldsRect() const
{
    const int left = showCheckbox_ ? CheckboxRect().Right + 3 : 4;
    return Rect(left, 2, ButtonRect().Left - 1, Height() - 2);
}

void TDateTimePicker::PaintPicker(TCanvas& c)
{
    TRect r = ClientRect();
    c.Brush().SetColor(Enabled() ? Color() : clBtnFace);
    c.FillRect(r);
    if (Paints3DEdge())
        DrawEdge(c, r, EDGE_SUNKEN, BF_RECT);
    if (showCheckbox_)
        DrawFrameControl(c, CheckboxRect(), DFC_BUTTON,
                         DFCS_BUTTONCHECK | (checked_ ? DFCS_CHECKED : 0) | (Enabled() ? 0 : DFCS_INACTIVE));
    // The fields, the active one highlighted while focused.
    const auto fields = ParseDateTimeFormat(
        format_.isEmpty() ? (kind_ == dtkDate ? FormatSettings().ShortDateFormat : FormatSettings().LongTimeFormat)
                          : format_);
    const TRect fr = FieldsRect();
    c.SetFont(Font());
    const int th = c.TextHeight(QStringLiteral("0"));
    int x = fr.Left;
    const int y = fr.Top + (fr.Height() - th) / 2;
    int fieldNo = 0;
    const bool dim = !Enabled() || (showCheckbox_ && !checked_);
    c.IntersectClipRect(fr);
    for (const TDateTimeField& f : fields) {
        const String t = FieldText(f);
        const int w = c.TextWidth(t);
        const bool active = f.Kind != TDateTimeField::Literal && fieldNo == activeField_ && Focused() && !dim &&
                            !DroppedDown();
        if (active) {
            c.Brush().SetStyle(bsSolid);
            c.Brush().SetColor(clHighlight);
            c.FillRect(Bounds(x, y, w, th));
        }
        c.Brush().SetStyle(bsClear);
        c.Font().SetColor(dim ? clGrayText : active ? clHighlightText : Font().Color());
        c.TextOut(x, y, t);
        x += w;
        if (f.Kind != TDateTimeField::Literal)
            ++fieldNo;
    }
    c.RemoveClip();
    c.Brush().SetStyle(bsSolid);
    const TRect b = ButtonRect();
    if (kind_ == dtkDate && dateMode_ == dmComboBox) {
        const int state = !Enabled() ? CBXS_DISABLED : DroppedDown() ? CBXS_PRESSED : CBXS_NORMAL;
        if (!(Themes().IsActive() && Themes().DrawPart(c, QStringLiteral("combobox"), CP_DROPDOWNBUTTON, state, b)))
            DrawFrameControl(c, b, DFC_SCROLL,
                             DFCS_SCROLLCOMBOBOX | (DroppedDown() ? DFCS_PUSHED : 0) | (Enabled() ? 0 : DFCS_INACTIVE));
    } else {
        const TRect up = Rect(b.Left, b.Top, b.Right, b.Top + b.Height() / 2);
        const TRect down = Rect(b.Left, up.Bottom, b.Right, b.Bottom);
        const int st = Enabled() ? UPS_NORMAL : UPS_DISABLED;
        if (!(Themes().IsActive() && Themes().DrawPart(c, QStringLiteral("spin"), SPNP_UP, st, up) &&
              Themes().DrawPart(c, QStringLiteral("spin"), SPNP_DOWN, st, down))) {
            DrawFrameControl(c, up, DFC_SCROLL, DFCS_SCROLLUP | (Enabled() ? 0 : DFCS_INACTIVE));
            DrawFrameControl(c, down, DFC_SCROLL, DFCS_SCROLLDOWN | (Enabled() ? 0 : DFCS_INACTIVE));
        }
    }
}

void TDateTimePicker::Paint() { PaintPicker(Canvas()); }

// ---- input

void TDateTimePicker::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TDateTimePicker::KeyDown(Word& Key, TShiftState Shift)
{
    TWeakRef<TDateTimePicker> self(this);
    TCustomControl::KeyDown(Key, Shift);
    if (!self || Key == 0)
        return;
    const bool calendarKey =
        (Key == VK_F4 && !Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl)) || (Key == VK_DOWN && Shift.Contains(ssAlt));
    if (calendarKey && kind_ == dtkDate && dateMode_ == dmComboBox) {
        DroppedDown() ? CloseUp() : DropDown();
        Key = 0;
        return;
    }
    switch (Key) {
    case VK_LEFT: SetActiveField(activeField_ - 1); break;
    case VK_RIGHT: SetActiveField(activeField_ + 1); break;
    case VK_HOME: SetActiveField(0); break;
    case VK_END: SetActiveField(FieldCount() - 1); break;
    case VK_UP: StepField(1); break;
    case VK_DOWN: StepField(-1); break;
    default: return;
    }
    Key = 0;
}

void TDateTimePicker::KeyPress(QChar& Key)
{
    TWeakRef<TDateTimePicker> self(this);
    TCustomControl::KeyPress(Key);
    if (!self)
        return;
    if (Key == u' ' && showCheckbox_) {
        checked_ = !checked_;
        Invalidate();
        DateSet(!checked_);
        if (self)
            Change();
    } else if (Key >= u'0' && Key <= u'9') {
        TypeDigit(Key.unicode() - u'0');
    }
}

void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TDateTimePicker> self(this);
    if (Button == mbLeft && CanFocus() && !Focused())
        SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!self || Button != mbLeft)
        return;
    const TPoint p = Point(X, Y);
    if (CheckboxRect().Contains(p)) {
        checked_ = !checked_;
        Invalidate();
        DateSet(!checked_);
        if (self)
            Change();
        return;
    }
    const TRect b = ButtonRect();
    if (b.Contains(p)) {
        if (kind_ == dtkDate && dateMode_ == dmComboBox)
            DroppedDown() ? CloseUp() : DropDown();
        else
            StepField(Y < b.Top + b.Height() / 2 ? 1 : -1);
        return;
    }
    // A click on a field makes it the active one.
    const auto fields = ParseDateTimeFormat(
        format_.isEmpty() ? (kind_ == dtkDate ? FormatSettings().ShortDateFormat : FormatSettings().LongTimeFormat)
                          : format_);
    TCanvas measure;
    QImage img(1, 1, QImage::Format_ARGB32);
    QPainter painter(&img);
    measure.SetPainter(&painter);
    measure.SetFont(Font());
    int x = FieldsRect().Left, fieldNo = 0;
    for (const TDateTimeField& f : fields) {
        const int w = measure.TextWidth(FieldText(f));
        if (f.Kind != TDateTimeField::Literal) {
            if (X < x + w) {
                SetActiveField(fieldNo);
                break;
            }
            SetActiveField(fieldNo);
            ++fieldNo;
        }
        x += w;
    }
    measure.SetPainter(nullptr);
}

void TDateTimePicker::DoEnter()
{
    TCustomControl::DoEnter();
    Invalidate();
}

void TDateTimePicker::DoExit()
{
    typedDigits_ = 0;
    TCustomControl::DoExit();
    Invalidate();
}

void TDateTimePicker::CMEnabledChanged(TMessage& Message)
{
    TCustomControl::CMEnabledChanged(Message);
    Invalidate();
}
