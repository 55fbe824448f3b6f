#include "controls/dropdown/TimePickerDropDown.h"

#include "controls/dropdown/DropDownForm.h"
#include "platform/gui/dtpicker.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/input_state.h"

namespace {

QChar timeSeparator() { return FormatSettings().TimeSeparator; }

TTimeParts partsOf(TDateTime T)
{
    int h, m, s, ms;
    DecodeTime(T, h, m, s, ms);
    return TTimeParts{h, m, s};
}

// The mask's pattern positions: true where a digit goes.
std::vector<bool> digitSlots(const String& Mask)
{
    std::vector<bool> digitAt;
    const String pattern = Mask.section(u';', 0, 0);
    for (QChar c : pattern) {
        if (c == u'!')
            continue;
        digitAt.push_back(c == u'0' || c == u'9');
    }
    return digitAt;
}

}  // namespace

TVynTimePickerDropDown::TVynTimePickerDropDown(TComponent* AOwner)
    : TVynCustomDropDown(AOwner), fWatchAppearance_(std::make_unique<TWatchAppearance>()),
      fWatchSettings_(std::make_unique<TWatchSettings>())
{
    InitDropDown();
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    fShowSeconds_ = true;
    setMask(TimeEditMask(true, timeSeparator()));
    writeText(FormatTimeText({}, true, timeSeparator()));
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
}

TVynTimePickerDropDown::~TVynTimePickerDropDown() = default;

void TVynTimePickerDropDown::writeText(const String& Text)
{
    const bool was = fInternalCall_;
    fInternalCall_ = true;
    SetTextDirect(Text);
    fInternalCall_ = was;
}

void TVynTimePickerDropDown::setMask(const String& Mask)
{
    fEditMask_ = Mask;
    SetMaxLength(Mask.isEmpty() ? 0 : int(digitSlots(Mask).size()));
}

TTimeParts TVynTimePickerDropDown::parts() const { return partsOf(fTime_); }

void TVynTimePickerDropDown::SetTime(TDateTime Value)
{
    if (Value == fTime_)
        return;
    fTime_ = Value;
    writeText(FormatTimeText(parts(), fShowSeconds_, timeSeparator()));
    if (DroppedDown()) {
        if (fVynWatch_)
            fVynWatch_->SetTime(Value);
        if (fShowTimePicker_ && fDateTimePicker_)
            fDateTimePicker_->SetTime(Value);
    }
}

void TVynTimePickerDropDown::setPart(TTimePart Part, int Value)
{
    int h, m, s, ms;
    DecodeTime(fTime_, h, m, s, ms);
    int& p = Part == tpHour ? h : Part == tpMinute ? m : s;
    if (Value == p || Value < 0 || Value > (Part == tpHour ? 23 : 59))
        return;
    p = Value;
    TDateTime t = 0;
    if (!TryEncodeTime(h, m, s, ms, t))
        return;
    SetTime(t);
    if (OnTimeChange)
        OnTimeChange(this);
}

void TVynTimePickerDropDown::SetShowSeconds(bool Value)
{
    if (Value == fShowSeconds_)
        return;
    fShowSeconds_ = Value;
    const TDateTime kept = fTime_;
    fInternalCall_ = true;
    setMask(String());
    SetText(String());
    fInternalCall_ = false;
    setMask(TimeEditMask(Value, timeSeparator()));
    // Step 1 of the Time writer must not find the value unchanged.
    fTime_ = kept + 1;
    SetTime(kept);
}

void TVynTimePickerDropDown::SetComponentStyle(TVynStyle AStyle)
{
    TVynCustomDropDown::SetComponentStyle(AStyle);
    if (fWatchAppearance_)
        ApplyWatchComponentStyle(*fWatchAppearance_, AStyle);
}

// ---- typing --------------------------------------------------------------------------------

void TVynTimePickerDropDown::KeyDown(Word& Key, TShiftState Shift)
{
    TWeakRef<TVynTimePickerDropDown> self(this);
    TVynCustomDropDown::KeyDown(Key, Shift);
    if (!self || GetKeyState(VK_MENU) < 0 || Shift.Contains(ssAlt) || Shift.Contains(ssCtrl))
        return;
    if (Key != VK_UP && Key != VK_DOWN)
        return;
    const int caret = SelStart();
    const TTimePart part = TimePartAtCaret(TCustomEdit::Text(), caret, fShowSeconds_, timeSeparator());
    const TTimeParts t = parts();
    const int value = part == tpHour ? t.Hour : part == tpMinute ? t.Minute : t.Second;
    setPart(part, StepTimePart(part, value, Key == VK_UP));
    if (self) {
        SetSelStart(caret);
        SetSelLength(0);
    }
}

void TVynTimePickerDropDown::Change()
{
    TWeakRef<TVynTimePickerDropDown> self(this);
    TVynCustomDropDown::Change();
    if (!self || fInternalCall_)
        return;
    const String text = TCustomEdit::Text();
    TTimeParts t;
    bool rewrite = false;
    // A time out of range is refused: Time and the text stay.
    if (ReadTypedTime(text, fShowSeconds_, timeSeparator(), t, rewrite) != tvTime)
        return;
    TDateTime v = 0;
    if (!TryEncodeTime(t.Hour, t.Minute, t.Second, 0, v))
        return;
    fTime_ = v;
    if (rewrite)
        writeText(FormatTimeText(t, fShowSeconds_, timeSeparator()));
}

void TVynTimePickerDropDown::WMChar(TMessage& Message)
{
    if (fEditMask_.isEmpty() || !EditorEnabled() || ReadOnly()) {
        TVynCustomDropDown::WMChar(Message);
        return;
    }
    const QChar ch(char16_t(Message.CharCode()));
    QChar k = ch;
    if (OnKeyPress)
        OnKeyPress(this, k);
    if (!k.isNull())
        maskChar(k);
}

void TVynTimePickerDropDown::maskChar(QChar Ch)
{
    // The masked edit's overwrite: a digit goes into the next digit slot at
    // or after the caret (literals are stepped over), Backspace blanks the
    // slot before the caret; anything else is refused.
    const std::vector<bool> digitAt = digitSlots(fEditMask_);
    String text = TCustomEdit::Text();
    while (text.size() < int(digitAt.size()))
        text += u' ';
    int p = SelStart();
    if (Ch.unicode() == 8) {
        --p;
        while (p >= 0 && !digitAt[size_t(p)])
            --p;
        if (p < 0)
            return;
        text[p] = u' ';
        SetTextDirect(text);
        SetSelStart(p);
        SetSelLength(0);
        return;
    }
    if (Ch < u'0' || Ch > u'9')
        return;
    while (p < int(digitAt.size()) && !digitAt[size_t(p)])
        ++p;
    if (p >= int(digitAt.size()))
        return;
    text[p] = Ch;
    ++p;
    while (p < int(digitAt.size()) && !digitAt[size_t(p)])
        ++p;
    SetTextDirect(text);
    SetSelStart(p);
    SetSelLength(0);
}

// ---- the popup -----------------------------------------------------------------------------

void TVynTimePickerDropDown::CreateDropDownForm()
{
    TVynCustomDropDown::CreateDropDownForm();
    if (!fPanelCtrl_) {
        fPanelCtrl_ = new TPanel(this);
        fPanelCtrl_->SetParent(DropDownForm());
        fPanelCtrl_->SetBevelInner(bvNone);
        fPanelCtrl_->SetBevelOuter(bvNone);
        fPanelCtrl_->SetBorderWidth(0);
    }
    fPanelCtrl_->SetBounds(0, 0, fPanelCtrl_->Width(), 180);
    if (!fVynWatch_) {
        fVynWatch_ = new TVynWatch(this);
        fVynWatch_->SetParent(fPanelCtrl_);
    }
    fVynWatch_->SetAlign(alClient);
    SetControl(fPanelCtrl_);
}

void TVynTimePickerDropDown::DoBeforeDropDown()
{
    TVynCustomDropDown::DoBeforeDropDown();
    fTimeAtOpen_ = fTime_;
    if (!fPanelCtrl_ || !fVynWatch_)
        return;
    fPanelCtrl_->SetBounds(0, 0, 170, 170);
    if (TDropDownForm* form = DropDownForm()) {
        form->SetWidth(form->Width() + 1);
        form->SetWidth(form->Width() - 1);
        form->SetCancelOnDeActivate(false);
    }
    fPanelCtrl_->SetColor(DropDownColor());
    fVynWatch_->SetAppearance(*fWatchAppearance_);
    fVynWatch_->SetSettings(*fWatchSettings_);
    fVynWatch_->SetShowAMPM(fShowWatchAMPM_);
    fVynWatch_->SetShowNumbers(fShowWatchNumbers_);
    fVynWatch_->SetAnimation(fAnimation_);
    fVynWatch_->SetAnimationFactor(fAnimationFactor_);
    fVynWatch_->OnChange = nullptr;
    if (!fWatchSettings_->Auto())
        fVynWatch_->SetTime(fTime_);
    fVynWatch_->OnChange = [this](TObject*) { WatchChange(); };
    if (!fShowTimePicker_) {
        if (fDateTimePicker_)
            fDateTimePicker_->SetVisible(false);
        return;
    }
    if (!fDateTimePicker_) {
        fDateTimePicker_ = new TDateTimePicker(this);
        fDateTimePicker_->SetParent(fPanelCtrl_);
        fDateTimePicker_->SetKind(TDateTimeKind::dtkTime);
    }
    fDateTimePicker_->OnChange = nullptr;
    fDateTimePicker_->SetAlign(alBottom);
    fDateTimePicker_->SetVisible(true);
    fDateTimePicker_->SetTime(fTime_);
    fDateTimePicker_->BringToFront();
    fDateTimePicker_->OnChange = [this](TObject*) { TimePickerChange(); };
    fDateTimePicker_->OnKeyDown = [this](TObject*, Word& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
    fDateTimePicker_->OnKeyUp = [this](TObject*, Word& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
    fDateTimePicker_->OnKeyPress = [this](TObject*, QChar& Key) { ControlKeyPress(Key); };
    fDateTimePicker_->SetFormat(TranslateQtFormat(fShowSeconds_ ? QStringLiteral("HH:mm:ss")
                                                                : QStringLiteral("HH:mm")));
    fPanelCtrl_->SetHeight(fDateTimePicker_->Height() + 170);
}

void TVynTimePickerDropDown::WatchChange()
{
    if (!fVynWatch_)
        return;
    if (fDateTimePicker_ && fShowTimePicker_ && fDateTimePicker_->Time() != fVynWatch_->Time()) {
        fDateTimePicker_->SetTime(fVynWatch_->Time());
        if (OnTimeChange)
            OnTimeChange(this);
    }
    SetTime(fVynWatch_->Time());
}

void TVynTimePickerDropDown::TimePickerChange()
{
    if (fVynWatch_ && fDateTimePicker_ && !fWatchSettings_->Auto())
        fVynWatch_->SetTime(fDateTimePicker_->Time());
}

void TVynTimePickerDropDown::AfterDropUp()
{
    TVynCustomDropDown::AfterDropUp();
    if (fVynWatch_)
        SetTime(fVynWatch_->Time());
}

void TVynTimePickerDropDown::DoHideDropDown(bool Cancel)
{
    const bool wasOpen = DroppedDown();
    TWeakRef<TVynTimePickerDropDown> self(this);
    TVynCustomDropDown::DoHideDropDown(Cancel);
    if (!self || !wasOpen || DroppedDown() || !fVynWatch_)
        return;
    if (Cancel) {
        // Time, the text and the watch as they were when the popup opened.
        fVynWatch_->OnChange = nullptr;
        fVynWatch_->SetTime(fTimeAtOpen_);
        fTime_ = fTimeAtOpen_ + 1;
        SetTime(fTimeAtOpen_);
    } else {
        SetTime(fVynWatch_->Time());
    }
}

// ---- keys of the popup ---------------------------------------------------------------------

bool TVynTimePickerDropDown::filtered(Word Key, TShiftState Shift)
{
    return (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssAlt);
}

void TVynTimePickerDropDown::DropDownKeyDown(Word& Key, TShiftState Shift)
{
    TWeakRef<TVynTimePickerDropDown> self(this);
    if (!filtered(Key, Shift))
        TVynCustomDropDown::DropDownKeyDown(Key, Shift);
    if (self && fVynWatch_ && DropDownForm() && DropDownForm()->Visible())
        fVynWatch_->WatchKeyDown(Key);
}

void TVynTimePickerDropDown::DropDownKeyUp(Word& Key, TShiftState Shift)
{
    if (!filtered(Key, Shift))
        TVynCustomDropDown::DropDownKeyUp(Key, Shift);
}

void TVynTimePickerDropDown::ControlKeyDown(Word& Key, TShiftState Shift)
{
    if (!filtered(Key, Shift))
        TVynCustomDropDown::ControlKeyDown(Key, Shift);
}

void TVynTimePickerDropDown::ControlKeyUp(Word& Key, TShiftState Shift)
{
    if (!filtered(Key, Shift))
        TVynCustomDropDown::ControlKeyUp(Key, Shift);
}

void TVynTimePickerDropDown::ControlKeyPress(QChar& Key)
{
    const char16_t k = Key.unicode();
    if ((k == 33 || k == 34 || k == 38 || k == 40) && GetKeyState(VK_MENU) >= 0)
        return;
    TVynCustomDropDown::ControlKeyPress(Key);
}
