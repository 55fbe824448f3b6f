#pragma once
// TVynDateTimePicker: a date, a time, or a date and a time in one control,
// with an attached label (see date_picker.h).
//
// - dkDateTime: the picker shows the date; an embedded time picker (a plain
//   TCustomDateTimePicker, created when needed and freed when the kind
//   changes) sits right of the date, left of the drop-down button.
//   DateTime joins the two; writing it drops the milliseconds.
// - AutoTab: a digit that completes the date's last field (the last letter
//   of Format: d, m or y; with no Format the year) moves the focus into the
//   time part; a digit that changed another field moves on (a posted Right).
// - ShowCheckbox: the time part is enabled only while the box is ticked.
// - The label lives in the picker's parent, placed by LabelPosition and
//   LabelMargin; it follows the picker's visibility and enabled state
//   (unless LabelAlwaysEnabled) and turns bold while the picker has the
//   focus with FocusLabel.
#include "grid/edit/controls/date_picker.h"

enum class TVynDateTimeKind { dkDate, dkTime, dkDateTime };
using TVynDateTimeKind::dkDate, TVynDateTimeKind::dkTime, TVynDateTimeKind::dkDateTime;

class TVynDateTimePicker : public TCustomDateTimePicker {
public:
    explicit TVynDateTimePicker(TComponent* AOwner);
    ~TVynDateTimePicker() override;

    TVynDateTimeKind Kind() const { return kind_; }
    void SetKind(TVynDateTimeKind Value);
    // The date of the picker with the time of the time part.
    TDateTime DateTime();
    virtual void SetDateTime(TDateTime Value);
    TDateTime Date() const { return TDateTimePicker::Date(); }
    void SetDate(TDateTime Value);
    TDateTime Time() const;
    void SetTime(TDateTime Value);
    const String& TimeFormat() const { return timeFormat_; }
    void SetTimeFormat(const String& Value);
    void SetAutoTab(bool Value) override;
    void SetBorderStyle(TBorderStyle Value) override;
    bool IsEmbeddedPicker() const override { return false; }
    // 1.2.0.0.
    String Version() const { return VersionText(0x01020000); }

    // The embedded time part (nullptr unless dkDateTime).
    TCustomDateTimePicker* TimePicker() const { return timePicker_; }
    TTimer* FocusTimer() const { return focusTimer_; }

    // ---- the label
    TLabel* PickerLabel() const { return label_; }
    String LabelCaption() const;
    void SetLabelCaption(const String& Value);
    TFont& LabelFont() { return *labelFont_; }
    void SetLabelFont(const TFont& Value);
    TLabelPosition LabelPosition() const { return labelPosition_; }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const { return labelMargin_; }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const { return labelTransparent_; }
    void SetLabelTransparent(bool Value);
    bool FocusLabel() const { return focusLabel_; }
    void SetFocusLabel(bool Value) { focusLabel_ = Value; }
    bool LabelAlwaysEnabled() const { return labelAlwaysEnabled_; }
    void SetLabelAlwaysEnabled(bool Value);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* AParent) override;
    void Loaded() override;

    TNotifyEvent OnTimeChange;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

protected:
    virtual void DoChange();
    virtual void DoClick();
    virtual void TimePickerKeyPress(QChar& Key) { (void)Key; }
    void ShiftFocusAfterDigit() override;
    void Change() override;
    void DateSet(bool NoDate) override;
    void KeyPress(QChar& Key) override;
    void Paint() override;
    void Resize() override;
    void DoEnter() override;
    void DoExit() override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;

private:
    void CreateTimePart();
    void UpdateTimePart();
    void PlaceLabel();

    TVynDateTimeKind kind_ = dkDateTime;
    TTimer* focusTimer_ = nullptr;
    String timeFormat_;
    uint16_t Fy = 0, Fm = 0, Fd = 0;
    TLabel* label_ = nullptr;
    std::unique_ptr<TFont> labelFont_;
    TLabelPosition labelPosition_ = lpLeftTop;
    int labelMargin_ = 4;
    bool labelTransparent_ = false;
    bool focusLabel_ = false;
    bool labelAlwaysEnabled_ = false;
    bool parentFnt_ = false;
    bool ignoreTimePickerCheck_ = false;
    bool firstRun_ = true;
    TCustomDateTimePicker* timePicker_ = nullptr;
    TDateTime notedDate_ = 0;
};
