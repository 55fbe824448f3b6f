#pragma once
// The spin edit: a one-line edit whose text holds an integer, a float, a
// date or a time, with a pair of arrow buttons at its right edge.
//
// - TVsgSpinEdit: the edit. The text is the only store of the value;
//   Value/FloatValue/DateValue/TimeValue parse and format it. The arrows,
//   Up/Down and Page Up/Page Down step it; for dates and times the field
//   under the caret decides what steps. Characters are filtered by kind;
//   leaving the control pulls an out-of-range value into its bounds. A
//   bound pair with lower = upper does not clamp.
// - TVsgSpinButton: the pair of arrows (OnUpClick, OnDownClick).
// - TVynTimerSpeedButton: one arrow; held down it repeats after 400 ms and
//   then every 100 ms (GUI timers), and the release clicks as usual.
//
// Text forms follow FormatSettings(): integers in decimal; floats in the
// shortest form (Precision 0) or with Precision decimals; dates in the
// short date format; times in the long time format, or "h:nn" without
// ShowSeconds.
#include <memory>

#include "platform/gui/buttons.h"
#include "grid/edit/controls/side_button_edit.h"
#include "platform/gui/timers.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/set.h"

enum class TVsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
using TVsgSpinType::sptNormal, TVsgSpinType::sptFloat, TVsgSpinType::sptDate, TVsgSpinType::sptTime;
enum class TSpinDirection { spVertical, spHorizontal };
using TSpinDirection::spVertical, TSpinDirection::spHorizontal;
enum class TEditAlign { eaLeft, eaRight, eaCenter };
using TEditAlign::eaLeft, TEditAlign::eaRight, TEditAlign::eaCenter;
enum class TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
using TButtonDirection::bdLeft, TButtonDirection::bdRight, TButtonDirection::bdUp, TButtonDirection::bdDown;
enum class TTimeBtnStateItem { tbFocusRect, tbAllowTimer };
using TTimeBtnState = Set<TTimeBtnStateItem>;
using TTimeBtnStateItem::tbFocusRect, TTimeBtnStateItem::tbAllowTimer;

class TVsgSpinButton;

// ---- TVynTimerSpeedButton ----------------------------------------------------------------------

class TVynTimerSpeedButton : public THotSpeedButton {
public:
    explicit TVynTimerSpeedButton(TComponent* AOwner);
    ~TVynTimerSpeedButton() override;

    TTimeBtnState TimeBtnState() const { return timeBtnState_; }
    void SetTimeBtnState(TTimeBtnState Value) { timeBtnState_ = Value; }
    TButtonDirection ButtonDirection() const { return buttonDirection_; }
    void SetButtonDirection(TButtonDirection Value);
    // The repeat timer (nullptr before the first press).
    TTimer* RepeatTimer() const { return repeatTimer_; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void TimerExpired();
    TVsgSpinButton* Pair() const;

    TTimer* repeatTimer_ = nullptr;
    TTimeBtnState timeBtnState_;
    TButtonDirection buttonDirection_ = bdUp;
};

// ---- TVsgSpinButton ----------------------------------------------------------------------------

class TVsgSpinButton : public TCustomControl {
public:
    explicit TVsgSpinButton(TComponent* AOwner);
    ~TVsgSpinButton() override;

    TVynTimerSpeedButton* UpButton() const { return upButton_; }
    TVynTimerSpeedButton* DownButton() const { return downButton_; }
    TVynTimerSpeedButton* FocusedButton() const { return focusedButton_; }
    TWinControl* FocusControl() const { return focusControl_.Get(); }
    void SetFocusControl(TWinControl* Value) { focusControl_ = TWeakRef<TWinControl>(Value); }
    TSpinDirection Direction() const { return direction_; }
    void SetDirection(TSpinDirection Value);
    bool IsWinXP() const { return isWinXP_; }
    void SetIsWinXP(bool Value);
    // nullptr: the built-in arrow.
    void SetUpGlyph(const TBitmap* Value);
    void SetDownGlyph(const TBitmap* Value);
    int UpNumGlyphs() const { return upButton_->NumGlyphs(); }
    void SetUpNumGlyphs(int Value) { upButton_->SetNumGlyphs(Value); }
    int DownNumGlyphs() const { return downButton_->NumGlyphs(); }
    void SetDownNumGlyphs(int Value) { downButton_->SetNumGlyphs(Value); }

    // Only ButtonColor, ButtonColorHot and ButtonColorDown change the
    // painting; the others are kept.
    TColor ButtonColorDown = clNone;
    TColor ButtonBorderColor = 0;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonTextColorDown = clNone;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void Paint() override;

private:
    void BtnClick(TObject* Sender);
    void BtnMouseDown(TObject* Sender, TMouseButton Button);
    void SetFocusBtn(TVynTimerSpeedButton* Btn);
    void Arrange(int& W, int H);

    TVynTimerSpeedButton* upButton_;
    TVynTimerSpeedButton* downButton_;
    TVynTimerSpeedButton* focusedButton_;
    TWeakRef<TWinControl> focusControl_;
    TSpinDirection direction_ = spVertical;
    bool isWinXP_ = false;
};

// The built-in arrow glyphs: 9 x 6, a black triangle 7 pixels wide and 4
// rows high on red 128, green 128, blue 0 (the transparent colour).
std::unique_ptr<TBitmap> SpinArrowGlyph(bool Up);

// ---- TVsgSpinEdit ------------------------------------------------------------------------------

class TVsgSpinEdit : public TSideButtonMaskEdit {
public:
    explicit TVsgSpinEdit(TComponent* AOwner);
    ~TVsgSpinEdit() override;

    TVsgSpinButton* Button() const { return button_; }

    int MinValue() const { return minValue_; }
    void SetMinValue(int Value) { minValue_ = Value; }
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int Value) { maxValue_ = Value; }
    double MinFloatValue() const { return minFloatValue_; }
    void SetMinFloatValue(double Value) { minFloatValue_ = Value; }
    double MaxFloatValue() const { return maxFloatValue_; }
    void SetMaxFloatValue(double Value) { maxFloatValue_ = Value; }
    TDateTime MinDateValue() const { return minDateValue_; }
    void SetMinDateValue(TDateTime Value) { minDateValue_ = Value; }
    TDateTime MaxDateValue() const { return maxDateValue_; }
    void SetMaxDateValue(TDateTime Value) { maxDateValue_ = Value; }
    int Increment() const { return increment_; }
    void SetIncrement(int Value) { increment_ = Value; }
    double IncrementFloat() const { return incrementFloat_; }
    void SetIncrementFloat(double Value) { incrementFloat_ = Value; }
    double IncrementFloatPage() const { return incrementFloatPage_; }
    void SetIncrementFloatPage(double Value) { incrementFloatPage_ = Value; }
    // 0..23, 0..59, 0..59 (a time step is a time of day); others are refused.
    int IncrementHours() const { return incrementHours_; }
    void SetIncrementHours(int Value);
    int IncrementMinutes() const { return incrementMinutes_; }
    void SetIncrementMinutes(int Value);
    int IncrementSeconds() const { return incrementSeconds_; }
    void SetIncrementSeconds(int Value);
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool Value) { editorEnabled_ = Value; }
    TSpinDirection Direction() const { return direction_; }
    void SetDirection(TSpinDirection Value);
    TVsgSpinType SpinType() const { return spinType_; }
    void SetSpinType(TVsgSpinType Value);
    // Decimals of a float (0: the shortest form); negative values count as 0.
    int Precision() const { return precision_; }
    void SetPrecision(int Value);
    bool ReturnIsTab() const { return returnIsTab_; }
    void SetReturnIsTab(bool Value) { returnIsTab_ = Value; }
    bool ExcelStyleDecimalSeparator() const { return excelStyleDecimalSeparator_; }
    void SetExcelStyleDecimalSeparator(bool Value) { excelStyleDecimalSeparator_ = Value; }
    bool ShowSeconds() const { return showSeconds_; }
    void SetShowSeconds(bool Value) { showSeconds_ = Value; }
    TEditAlign EditAlign() const { return editAlign_; }
    void SetEditAlign(TEditAlign Value);
    bool SpinFlat() const { return spinFlat_; }
    void SetSpinFlat(bool Value);
    bool SpinTransparent() const { return spinTransparent_; }
    void SetSpinTransparent(bool Value);
    bool IsWinXP() const { return isWinXP_; }
    void SetIsWinXP(bool Value);
    // Read by the grid: an empty text is a value.
    bool AllowEmptyValue() const { return allowEmptyValue_; }
    void SetAllowEmptyValue(bool Value) { allowEmptyValue_ = Value; }
    // Set by every date step: the short date format names the month first.
    bool UsDates() const { return usDates_; }

    // The text read as the kind's value; the fallbacks: an integer text that
    // does not read gives MinValue (empty: 0); a float MinFloatValue; a
    // date "0" or empty is now, otherwise MinDateValue; a time 0.
    int Value() const;
    void SetValue(int Value);
    double FloatValue() const;
    void SetFloatValue(double Value);
    TDateTime DateValue() const;
    void SetDateValue(TDateTime Value);
    TDateTime TimeValue() const;
    void SetTimeValue(TDateTime Value);

    // What leaving the control does to the value: pulled into its bounds
    // (a text that does not read stays when its fallback lies inside them).
    void ApplyBounds();

    virtual void StepUp(bool Page);
    virtual void StepDown(bool Page);
    virtual void UpClick(TObject* Sender);
    virtual void DownClick(TObject* Sender);

    void Loaded() override;

protected:
    virtual bool IsValidSpinChar(QChar Key) const;
    bool IsValidChar(QChar Key) const override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void WMKeyDown(TMessage& Message) override;
    void WMChar(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;

    int CheckValue(int Value) const;
    double CheckFloatValue(double Value) const;
    TDateTime CheckDateValue(TDateTime Value) const;
    // Lays the arrows and the text area out again.
    void UpdateLayout() override;

private:
    void Step(bool Up, bool Page);
    String FloatText(double Value) const;
    String TimeText(TDateTime Value) const;
    int MinHeight() const;

    TVsgSpinButton* button_;
    int minValue_ = 0;
    int maxValue_ = 100;
    double minFloatValue_ = 0.0;
    double maxFloatValue_ = 100.0;
    TDateTime minDateValue_ = 0;
    TDateTime maxDateValue_ = 0;
    TDateTime dateValue_ = 0;
    TDateTime timeValue_ = 0;
    int increment_ = 1;
    double incrementFloat_ = 0.1;
    bool editorEnabled_ = true;
    TSpinDirection direction_ = spVertical;
    TVsgSpinType spinType_ = sptNormal;
    int precision_ = 0;
    bool returnIsTab_ = false;
    bool isWinXP_ = false;
    bool excelStyleDecimalSeparator_ = false;
    bool usDates_ = false;
    bool showSeconds_ = true;
    int incrementSeconds_ = 1;
    int incrementMinutes_ = 1;
    int incrementHours_ = 1;
    TEditAlign editAlign_ = eaLeft;
    bool spinFlat_ = false;
    bool spinTransparent_ = false;
    bool allowEmptyValue_ = false;
    double incrementFloatPage_ = 1.0;
};

// The thousand separator that goes with the decimal separator of
// FormatSettings() ("," beside ".", "." beside ",").
QChar SpinThousandSeparator();
