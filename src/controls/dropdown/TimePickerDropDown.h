#pragma once
// TVynTimePickerDropDown: a drop-down edit holding a time of day. The edit
// shows it as masked text ("!90<sep>00<sep>00;1; ", without seconds
// "!90<sep>00;1; ", the separator of the program's formats): two digits per
// part, literals kept in the text, blanks as spaces. The popup hosts an
// analog watch (TVynWatch) and optionally a time picker below it.
//
// - Up and Down step the part under the caret (Up lowers it), wrapping
//   without carry; Ctrl or Alt held: nothing. They reach the edit only with
//   EditorEnabled.
// - Typing a complete time sets Time; an hour above 23 or a minute or
//   second above 59 is refused (Time and the text stay).
// - Writing Time rewrites the text and never fires OnTimeChange; the part
//   setters of the keys fire it.
// - While the popup is open every change of the watch sets Time and the
//   text. Accepting keeps the watch's time; cancelling (Esc, a cancelled
//   HideDropDown) puts Time, the text and the watch back as they were when
//   the popup opened.
// The text rules are in TimeText.h.
#include <memory>

#include "controls/dropdown/TimeText.h"
#include "controls/dropdown/VynDropDown.h"
#include "controls/dropdown/VynWatch.h"

class TPanel;
class TDateTimePicker;

class TVynTimePickerDropDown : public TVynCustomDropDown {
public:
    explicit TVynTimePickerDropDown(TComponent* AOwner);
    ~TVynTimePickerDropDown() override;

    TDateTime Time() const { return fTime_; }
    void SetTime(TDateTime Value);
    bool ShowSeconds() const { return fShowSeconds_; }
    void SetShowSeconds(bool Value);
    bool ShowTimePicker() const { return fShowTimePicker_; }
    void SetShowTimePicker(bool Value) { fShowTimePicker_ = Value; }
    TWatchAppearance& WatchAppearance() const { return *fWatchAppearance_; }
    void SetWatchAppearance(const TWatchAppearance& Value) { fWatchAppearance_->Assign(Value); }
    TWatchSettings& WatchSettings() const { return *fWatchSettings_; }
    void SetWatchSettings(const TWatchSettings& Value) { fWatchSettings_->Assign(Value); }
    bool ShowWatchAMPM() const { return fShowWatchAMPM_; }
    void SetShowWatchAMPM(bool Value) { fShowWatchAMPM_ = Value; }
    bool ShowWatchNumbers() const { return fShowWatchNumbers_; }
    void SetShowWatchNumbers(bool Value) { fShowWatchNumbers_ = Value; }
    bool Animation() const { return fAnimation_; }
    void SetAnimation(bool Value) { fAnimation_ = Value; }
    int AnimationFactor() const { return fAnimationFactor_; }
    void SetAnimationFactor(int Value) { fAnimationFactor_ = Value; }
    // The edit mask in the platform's syntax.
    const String& EditMask() const { return fEditMask_; }
    TVynWatch* Watch() const { return fVynWatch_; }
    TDateTimePicker* TimePicker() const { return fDateTimePicker_; }

    void SetComponentStyle(TVynStyle AStyle) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void DoHideDropDown(bool Cancel) override;

    TNotifyEvent OnTimeChange;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void AfterDropUp() override;
    void DropDownKeyDown(Word& Key, TShiftState Shift) override;
    void DropDownKeyUp(Word& Key, TShiftState Shift) override;
    void ControlKeyDown(Word& Key, TShiftState Shift) override;
    void ControlKeyUp(Word& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;
    void Change() override;
    void WMChar(TMessage& Message) override;

private:
    TTimeParts parts() const;
    void setPart(TTimePart Part, int Value);
    void writeText(const String& Text);
    void setMask(const String& Mask);
    void WatchChange();
    void TimePickerChange();
    // The keys the edit does not get: PageUp, PageDown, Up and Down without
    // Alt.
    static bool filtered(Word Key, TShiftState Shift);
    // One typed character into the mask's slots.
    void maskChar(QChar Ch);

    bool fShowTimePicker_ = false;
    TVynWatch* fVynWatch_ = nullptr;
    TDateTimePicker* fDateTimePicker_ = nullptr;
    TPanel* fPanelCtrl_ = nullptr;
    std::unique_ptr<TWatchAppearance> fWatchAppearance_;
    bool fShowWatchAMPM_ = true;
    bool fShowWatchNumbers_ = true;
    bool fAnimation_ = true;
    int fAnimationFactor_ = 10;
    TDateTime fTime_ = 0;
    std::unique_ptr<TWatchSettings> fWatchSettings_;
    bool fInternalCall_ = false;
    bool fShowSeconds_ = true;
    String fEditMask_;
    // What a cancelled close puts back.
    TDateTime fTimeAtOpen_ = 0;
};
