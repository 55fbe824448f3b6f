#pragma once
// TDateTimePicker: a date or a time in fields, with a calendar popup.
//
// A composite painted by the layer: an optional check box ("no date" when
// cleared), the value's fields laid out by Format, and at the right either a
// drop-down button (dtkDate in dmComboBox) or a pair of up/down arrows
// (dtkTime, or dmUpDown).
//
// Format uses the platform's letters: d dd (day), m mm (month), yy yyyy
// (year), h hh (hour), n nn (minute), s ss (second); text in quotes and any
// other character are shown as they are. An empty Format shows the short
// date format (dtkDate) or the long time format (dtkTime) of FormatSettings().
// The translation to and from other libraries' letters is TranslateQtFormat
// (the one place that knows them).
//
// Keys: Left/Right move the active field (Right after the last stays
// there); Home/End the first/last; Up/Down step the active field, wrapping
// inside its range (a day inside its month); digits type into the field (two
// digits complete a day, month, hour, minute or second; a year takes up to
// four); F4 and Alt+Down open the calendar; Space toggles the check box.
// Changing a field ticks the check box. MinDate/MaxDate (0: none) bound the
// date. Every change by the user fires OnChange; programmatic ones fire
// nothing.
//
// The calendar: a month of days; arrows move by a day or a week, Page
// Up/Down by a month, Enter or a click picks the day (OnChange, then
// OnCloseUp), Esc or a press outside closes it (OnCloseUp).
#include <vector>

#include "platform/gui/controls.h"
#include "platform/gui/popupform.h"
#include "platform/rtl/datetime.h"

enum class TDateTimeKind { dtkDate, dtkTime };
using TDateTimeKind::dtkDate, TDateTimeKind::dtkTime;
enum class TDTDateMode { dmComboBox, dmUpDown };
using TDTDateMode::dmComboBox, TDTDateMode::dmUpDown;

class TDateTimePicker;

// One field (or a piece of literal text) of a display format.
struct TDateTimeField {
    enum TKind { Literal, Day, Month, Year, Hour, Minute, Second };
    TKind Kind = Literal;
    int Digits = 1;   // 1 or 2 (4 or 2 for a year): the shortest form shown
    String Text;      // Literal only
};

// The fields of Format ("" for the kind's default, see above).
std::vector<TDateTimeField> ParseDateTimeFormat(const String& Format);
// A Qt display format (yyyy, MM, dd, HH, mm, ss ...) in the platform's letters.
String TranslateQtFormat(const String& QtFormat);

// The calendar shown under a picker: a month of days in a popup.
class TDateTimeCalendar : public TCustomControl {
public:
    TDateTimeCalendar(TComponent* AOwner, TDateTimePicker* Picker);

    TDateTime Selected() const { return selected_; }
    // Selects the day and shows its month.
    void SetSelected(TDateTime Value);
    // The rectangle of a day's cell (client coordinates); empty when the
    // day is not in the month shown.
    TRect DayRect(TDateTime Day) const;
    // The arrows of the title: previous and next month.
    TRect PrevRect() const;
    TRect NextRect() const;
    static constexpr int CellWidth = 24, CellHeight = 18, TitleHeight = 22;

protected:
    void Paint() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    TDateTime FirstCell() const;
    void ShowMonth(int Year, int Month);

    TDateTimePicker* picker_;
    TDateTime selected_ = 0;
    int year_ = 2000, month_ = 1;  // the month shown
};

class TDateTimeCalendarPopup : public TPopupForm {
public:
    TDateTimeCalendarPopup(TComponent* AOwner, TDateTimePicker* Picker);
    TDateTimeCalendar* View() const { return view_; }
    void PopupDeactivate(TWinControl* NewWindow) override;

private:
    TDateTimePicker* picker_;
    TDateTimeCalendar* view_;
};

class TDateTimePicker : public TCustomControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);
    ~TDateTimePicker() override;

    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind Value);
    TDTDateMode DateMode() const { return dateMode_; }
    void SetDateMode(TDTDateMode Value);
    const String& Format() const { return format_; }
    void SetFormat(const String& Value);

    TDateTime DateTime() const { return value_; }
    void SetDateTime(TDateTime Value);
    // The whole days of the value, and its time of day.
    TDateTime Date() const;
    void SetDate(TDateTime Value);
    TDateTime Time() const;
    void SetTime(TDateTime Value);
    // 0: no bound.
    TDateTime MinDate() const { return minDate_; }
    void SetMinDate(TDateTime Value);
    TDateTime MaxDate() const { return maxDate_; }
    void SetMaxDate(TDateTime Value);

    bool ShowCheckbox() const { return showCheckbox_; }
    void SetShowCheckbox(bool Value);
    bool Checked() const { return checked_; }
    void SetChecked(bool Value);

    // The value as shown (the fields of Format).
    String DisplayText() const;
    int FieldCount() const;
    // The active field (an index among the fields that are not literals).
    int ActiveField() const { return activeField_; }
    void SetActiveField(int Index);
    TDateTimeField::TKind ActiveFieldKind() const;

    bool DroppedDown() const;
    void DropDown();
    void CloseUp();
    // The calendar (nullptr before the first drop-down).
    TDateTimeCalendar* Calendar() const { return popup_ ? popup_->View() : nullptr; }

    // Width of the drop-down button or the arrows at the right.
    int ButtonWidth() const;
    TRect CheckboxRect() const;
    TRect ButtonRect() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    friend class TDateTimeCalendar;
    friend class TDateTimeCalendarPopup;

    // The user changed the value or the check box (fires OnChange).
    virtual void Change();
    // A date set by the program (SetDateTime and its kin) or chosen in the
    // calendar; NoDate: the check box was cleared.
    virtual void DateSet(bool NoDate) { (void)NoDate; }
    void Paint() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WMGetDlgCode(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;
    void CMEnabledChanged(TMessage& Message) override;
    // The rectangle the fields are drawn in.
    TRect FieldsRect() const;
    // Whether the sunken 3-D edge of the field is drawn (default true).
    virtual bool Paints3DEdge() const { return true; }
    // Draws the fields, the check box and the button(s); subclasses paint
    // their look over it.
    void PaintPicker(TCanvas& Canvas);

private:
    TDateTime Clamp(TDateTime Value) const;
    void UserSet(TDateTime Value);
    void StepField(int Delta);
    void TypeDigit(int Digit);
    std::vector<int> FieldIndexes() const;
    String FieldText(const TDateTimeField& F) const;
    void CalendarPicked(TDateTime Day);

    TDateTimeKind kind_ = dtkDate;
    TDTDateMode dateMode_ = dmComboBox;
    String format_;
    TDateTime value_ = 0;
    TDateTime minDate_ = 0;
    TDateTime maxDate_ = 0;
    bool showCheckbox_ = false;
    bool checked_ = true;
    int activeField_ = 0;
    // Digits typed into the active field so far (reset when it changes).
    int typedDigits_ = 0;
    int typedValue_ = 0;
    TDateTimeCalendarPopup* popup_ = nullptr;
};
