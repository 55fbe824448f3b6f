#include "grid/edit/controls/vyn_date_time_picker.h"

#include <QImage>
#include <QPainter>

#include <cmath>

#include "platform/gui/application.h"
#include "platform/gui/canvas.h"

namespace {

double WholeDays(TDateTime V)
{
    double days = 0;
    std::modf(V, &days);
    return days;
}

// The time of day of V to whole seconds.
TDateTime TimeToSeconds(TDateTime V)
{
    int h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(V, h, m, s, ms);
    return EncodeTime(h, m, s, 0);
}

TDateTime Join(double Days, TDateTime Time) { return Days >= 0 ? Days + Time : Days - Time; }

}  // namespace

TVynDateTimePicker::TVynDateTimePicker(TComponent* AOwner)
    : TCustomDateTimePicker(AOwner), labelFont_(std::make_unique<TFont>())
{
    focusTimer_ = new TTimer(this);
    focusTimer_->SetEnabled(false);
    focusTimer_->SetInterval(20);
    focusTimer_->OnTimer = [this](TObject*) { focusTimer_->SetEnabled(false); };
    SetBorderColor(0);
    SetBorderStyle(bsSingle);
    SetCtl3D(true);
    TDateTimePicker::SetKind(dtkDate);
    notedDate_ = TDateTimePicker::Date();
    // The window exists: the stored kind applies now (the time part).
    CreateTimePart();
    UpdateTimePart();
}

TVynDateTimePicker::~TVynDateTimePicker()
{
    if (focusTimer_)
        focusTimer_->SetEnabled(false);
    if (label_) {
        TLabel* l = label_;
        label_ = nullptr;
        delete l;
    }
}

// ---- value

void TVynDateTimePicker::SetKind(TVynDateTimeKind Value)
{
    if (Value == kind_)
        return;
    kind_ = Value;
    TDateTimePicker::SetKind(Value == dkTime ? dtkTime : dtkDate);
    if (Value == dkDateTime)
        CreateTimePart();
    UpdateTimePart();
}

TDateTime TVynDateTimePicker::DateTime()
{
    if (timePicker_)
        TDateTimePicker::SetTime(timePicker_->Time());
    return TDateTimePicker::DateTime();
}

void TVynDateTimePicker::SetDateTime(TDateTime Value)
{
    const TDateTime v = Join(WholeDays(Value), TimeToSeconds(Value));
    TDateTimePicker::SetDateTime(v);
    if (kind_ == dkDateTime && !timePicker_)
        CreateTimePart();
    if (timePicker_)
        timePicker_->SetDateTime(v);
}

void TVynDateTimePicker::SetDate(TDateTime Value) { SetDateTime(Join(WholeDays(Value), TimeToSeconds(DateTime()))); }

TDateTime TVynDateTimePicker::Time() const
{
    if (kind_ == dkDateTime && timePicker_)
        return timePicker_->Time();
    return TDateTimePicker::Time();
}

void TVynDateTimePicker::SetTime(TDateTime Value)
{
    TDateTimePicker::SetTime(Value);
    UpdateTimePart();
}

void TVynDateTimePicker::SetTimeFormat(const String& Value)
{
    if (timePicker_)
        timePicker_->SetFormat(Value);
    if (kind_ == dkTime)
        SetFormat(Value);
    timeFormat_ = Value;
    UpdateTimePart();
}

void TVynDateTimePicker::SetAutoTab(bool Value)
{
    TCustomDateTimePicker::SetAutoTab(Value);
    if (timePicker_)
        timePicker_->SetAutoTab(Value);
}

void TVynDateTimePicker::SetBorderStyle(TBorderStyle Value)
{
    TCustomDateTimePicker::SetBorderStyle(Value);
    UpdateTimePart();
}

// ---- the time part

void TVynDateTimePicker::CreateTimePart()
{
    if (timePicker_ || kind_ != dkDateTime)
        return;
    auto* t = new TCustomDateTimePicker(this);
    t->SetParent(this);
    t->SetBounds(0, 0, 90, 17);
    t->SetVisible(false);
    t->SetEnabled(Enabled());
    t->SetKind(dtkTime);
    t->SetAutoTab(AutoTab());
    t->SetFormat(timeFormat_);
    t->OnChange = [this](TObject*) {
        TWeakRef<TVynDateTimePicker> self(this);
        DoChange();
        if (self && OnTimeChange)
            OnTimeChange(this);
    };
    t->OnClick = [this](TObject*) { DoClick(); };
    t->OnKeyPress = [this](TObject*, QChar& Key) { TimePickerKeyPress(Key); };
    t->OnKeyDown = [this](TObject*, Word& Key, TShiftState Shift) {
        if (OnKeyDown)
            OnKeyDown(this, Key, Shift);
    };
    timePicker_ = t;
}

void TVynDateTimePicker::UpdateTimePart()
{
    TCustomDateTimePicker* t = timePicker_;
    if (!t)
        return;
    t->SetColor(Color());
    t->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
    t->SetVisible(kind_ == dkDateTime);
    const TDateTime own = TDateTimePicker::DateTime();
    t->SetDateTime(Join(WholeDays(own), TimeToSeconds(t->Time())));
    t->SetFormat(timeFormat_);
    t->SetFont(Font());
    if (!t->Visible() && !ComponentState().Contains(TComponentStateItem::csLoading)) {
        timePicker_ = nullptr;
        delete t;
        return;
    }
    const int w = t->TextSize(t->DisplayText().left(255), Font()).cx + 31;
    const int W = Width(), H = Height();
    const int b = 0;  // no bevels on this platform
    if (Themes().IsActive()) {
        if (MetroStyle())
            t->SetBounds(W - w - 21 - b, 1, w, H - 2 - b);
        else
            t->SetBounds(W - w - 34 - b, 1, w, H - 2 - b);
    } else {
        t->SetBounds(W - w - 21 - b, 2, w, H - 4 - b);
    }
}

// ---- events and notifications

void TVynDateTimePicker::DoChange()
{
    if (OnChange)
        OnChange(this);
}

void TVynDateTimePicker::DoClick()
{
    if (OnClick)
        OnClick(this);
}

void TVynDateTimePicker::Change()
{
    TWeakRef<TVynDateTimePicker> self(this);
    const TDateTime before = notedDate_;
    DoChange();
    if (!self)
        return;
    notedDate_ = TDateTimePicker::Date();
    if (ShowCheckbox()) {
        if (notedDate_ != before)
            focusTimer_->SetEnabled(true);
        if (!ignoreTimePickerCheck_ && timePicker_)
            timePicker_->SetEnabled(Enabled() && Checked());
    }
    ignoreTimePickerCheck_ = false;
}

void TVynDateTimePicker::DateSet(bool NoDate)
{
    TCustomDateTimePicker::DateSet(NoDate);
    notedDate_ = TDateTimePicker::Date();
    if (ShowCheckbox() && timePicker_) {
        timePicker_->SetEnabled(Enabled() && Checked());
        ignoreTimePickerCheck_ = timePicker_->Enabled();
    }
}

void TVynDateTimePicker::KeyPress(QChar& Key)
{
    if (Key >= u'0' && Key <= u'9') {
        int y = 0, m = 0, d = 0;
        DecodeDate(DateTime(), y, m, d);
        Fy = uint16_t(y), Fm = uint16_t(m), Fd = uint16_t(d);
    }
    TCustomDateTimePicker::KeyPress(Key);
}

void TVynDateTimePicker::ShiftFocusAfterDigit()
{
    if (kind_ == dkTime) {
        TCustomDateTimePicker::ShiftFocusAfterDigit();
        return;
    }
    int y = 0, m = 0, d = 0;
    DecodeDate(DateTime(), y, m, d);
    const bool dayChanged = d != Fd, monthChanged = m != Fm, yearChanged = y != Fy;
    auto intoTimePart = [this] {
        if (timePicker_ && timePicker_->CanFocus())
            timePicker_->SetFocus();
    };
    const String& fmt = Format();
    if (!fmt.isEmpty()) {
        const QChar c = fmt.back().toLower();
        if ((dayChanged && c == u'd') || (monthChanged && c == u'm') || (yearChanged && c == u'y'))
            intoTimePart();
        else if (dayChanged || monthChanged || yearChanged)
            PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
    } else if (dayChanged || monthChanged) {
        PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
    } else if (yearChanged) {
        intoTimePart();
    }
}

void TVynDateTimePicker::Paint()
{
    TCustomDateTimePicker::Paint();
    if (firstRun_) {
        firstRun_ = false;
        UpdateTimePart();
    }
}

void TVynDateTimePicker::Resize()
{
    TCustomDateTimePicker::Resize();
    UpdateTimePart();
}

void TVynDateTimePicker::CMColorChanged(TMessage& Message)
{
    TCustomDateTimePicker::CMColorChanged(Message);
    UpdateTimePart();
}

void TVynDateTimePicker::CMFontChanged(TMessage& Message)
{
    TCustomDateTimePicker::CMFontChanged(Message);
    if (label_ && ParentFont())
        label_->SetFont(Font());
}

void TVynDateTimePicker::Loaded()
{
    TCustomDateTimePicker::Loaded();
    CreateTimePart();
    UpdateTimePart();
    if (ShowCheckbox() && !Checked() && timePicker_)
        timePicker_->SetEnabled(false);
    if (label_) {
        if (!labelAlwaysEnabled_)
            label_->SetEnabled(Enabled());
        parentFnt_ = ParentFont();
        PlaceLabel();
    }
}

// ---- the label

String TVynDateTimePicker::LabelCaption() const { return label_ ? label_->Caption() : String(); }

void TVynDateTimePicker::SetLabelCaption(const String& Value)
{
    if (!label_) {
        label_ = new TLabel(this);
        label_->SetParent(Parent());
        label_->SetFocusControl(this);
        label_->SetFont(*labelFont_);
        label_->SetParentFont(ParentFont());
        label_->OnClick = [this](TObject*) {
            if (OnLabelClick)
                OnLabelClick(this);
        };
        label_->OnDblClick = [this](TObject*) {
            if (OnLabelDblClick)
                OnLabelDblClick(this);
        };
    }
    label_->SetCaption(Value);
    PlaceLabel();
}

void TVynDateTimePicker::SetLabelFont(const TFont& Value)
{
    if (!ParentFont())
        labelFont_->Assign(Value);
    if (label_)
        PlaceLabel();
}

void TVynDateTimePicker::SetLabelPosition(TLabelPosition Value)
{
    labelPosition_ = Value;
    if (label_)
        PlaceLabel();
}

void TVynDateTimePicker::SetLabelMargin(int Value)
{
    labelMargin_ = Value;
    if (label_)
        PlaceLabel();
}

void TVynDateTimePicker::SetLabelTransparent(bool Value)
{
    labelTransparent_ = Value;
    if (label_)
        PlaceLabel();
}

void TVynDateTimePicker::SetLabelAlwaysEnabled(bool Value)
{
    labelAlwaysEnabled_ = Value;
    if (Value && label_)
        label_->SetEnabled(true);
    Invalidate();
}

void TVynDateTimePicker::PlaceLabel()
{
    if (!label_)
        return;
    label_->SetTransparent(labelTransparent_);
    label_->SetFont(parentFnt_ ? Font() : *labelFont_);
    const int L = Left(), T = Top(), W = Width(), H = Height();
    const int lw = label_->Width(), lh = label_->Height(), m = labelMargin_;
    TCanvas measure;
    QImage img(1, 1, QImage::Format_ARGB32);
    QPainter painter(&img);
    measure.SetPainter(&painter);
    measure.SetFont(label_->Font());
    const int tw = measure.TextWidth(label_->Caption());
    measure.SetPainter(nullptr);
    const int vcentre = lh < H ? T + (H - lh) / 2 : T - (lh - H) / 2;
    const int hcentre = W > lw ? L + (W - lw) / 2 : L - (lw - W) / 2;
    int top = T, left = L;
    switch (labelPosition_) {
    case lpLeftTop: top = T, left = L - tw - m; break;
    case lpLeftCenter: top = vcentre, left = L - tw - m; break;
    case lpLeftBottom: top = T + H - lh, left = L - tw - m; break;
    case lpTopLeft: top = T - lh - m, left = L; break;
    case lpBottomLeft: top = T + H + m, left = L; break;
    case lpLeftTopLeft: top = T, left = L - m; break;
    case lpLeftCenterLeft: top = vcentre, left = L - m; break;
    case lpLeftBottomLeft: top = T + H - lh, left = L - m; break;
    case lpTopCenter: top = T - lh - m, left = hcentre; break;
    case lpBottomCenter: top = T + H + m, left = hcentre; break;
    case lpRightTop: top = T, left = L + W + m; break;
    case lpRightCenter: top = vcentre, left = L + W + m; break;
    case lpRighBottom: top = T + H - lh, left = L + W + m; break;
    // The two positions the drop-down controls add: above or below, right-aligned.
    case lpTopRight: top = T - lh - m, left = L + W - tw; break;
    case lpBottomRight: top = T + H + m, left = L + W - tw; break;
    }
    label_->SetBounds(left, top, label_->Width(), label_->Height());
    label_->SetVisible(Visible());
}

void TVynDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (label_ && label_->Parent())
        PlaceLabel();
}

void TVynDateTimePicker::SetParent(TWinControl* AParent)
{
    TCustomDateTimePicker::SetParent(AParent);
    if (label_) {
        label_->SetParent(AParent);
        label_->SetVisible(Visible());
    }
}

void TVynDateTimePicker::CMEnabledChanged(TMessage& Message)
{
    TCustomDateTimePicker::CMEnabledChanged(Message);
    if (timePicker_)
        timePicker_->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
    if (label_ && !labelAlwaysEnabled_)
        label_->SetEnabled(Enabled());
}

void TVynDateTimePicker::CMVisibleChanged(TMessage& Message)
{
    TCustomDateTimePicker::CMVisibleChanged(Message);
    if (label_)
        label_->SetVisible(Visible());
}

void TVynDateTimePicker::DoEnter()
{
    if (label_ && focusLabel_ && !ComponentState().Contains(TComponentStateItem::csLoading)) {
        TFontStyles s = label_->Font().Style();
        s.Include(fsBold);
        label_->Font().SetStyle(s);
    }
    TCustomDateTimePicker::DoEnter();
}

void TVynDateTimePicker::DoExit()
{
    if (label_ && focusLabel_) {
        TFontStyles s = label_->Font().Style();
        s.Exclude(fsBold);
        label_->Font().SetStyle(s);
    }
    TCustomDateTimePicker::DoExit();
}
