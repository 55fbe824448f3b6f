#pragma once
// The date pickers of the grid's editors, with their flat ("metro") look.
//
// - TVsgDateTimePicker: the picker of the grid's date and time editors.
//   With MetroStyle it gets a one-pixel border in BorderColor and a flat
//   drop-down button in the button colours (the grid's colour tones set
//   them); otherwise the platform's look, with a themed or classic button.
// - TCustomDateTimePicker: the same look, plus AutoTab: after a typed digit
//   that changed a field, the registered message "DTPShiftFocus" is posted
//   to the picker, which then moves on to the next field (a posted Right).
//   It is the base of TVynDateTimePicker and its embedded time part.
// - TVynDateTimePicker: a date picker with an embedded time picker
//   (dkDateTime), joined and split on every read and write (milliseconds
//   dropped); AutoTab moves from the date's last field into the time part;
//   an attached label placed by LabelPosition.
//
// Colours start at clNone ("not set"): while unset the platform's look
// stays. The look of both classes lives in TFlatDateTimePicker.
#include "grid/core/grid_types.h"  // TLabelPosition
#include "platform/gui/dtpicker.h"
#include "platform/gui/stdctrls.h"
#include "platform/gui/timers.h"

// The number of the registered message "DTPShiftFocus" (registered once).
unsigned DTPShiftFocusMessage();

// The four bytes of a control version, most significant first, in decimal
// joined by ".".
String VersionText(uint32_t Version);

class TFlatDateTimePicker : public TDateTimePicker {
public:
    explicit TFlatDateTimePicker(TComponent* AOwner);

    TBorderStyle BorderStyle() const { return borderStyle_; }
    virtual void SetBorderStyle(TBorderStyle Value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value);
    bool MetroStyle() const { return metroStyle_; }
    void SetMetroStyle(bool Value);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool Value);

    TColor ButtonColorDown = clNone;
    TColor ButtonBorderColor = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonTextColorDown = clNone;

    // Width of the drop-down button area of the look: the platform's
    // vertical scroll bar width + 2.
    int FlatButtonWidth() const { return buttonWidth_; }
    bool ButtonHover() const { return buttonHover_; }
    bool MouseInControl() const { return mouseInControl_; }
    bool HasFocus() const { return hasFocus_; }
    // Metro mode is in effect (each class has its own rule).
    virtual bool MetroActive() const = 0;

protected:
    // TCustomDateTimePicker's differences.
    virtual bool IsCustomPicker() const { return false; }
    virtual bool IsEmbedded() const { return false; }

    bool Paints3DEdge() const override { return ctl3D_; }
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;

    // The drop-down button of the look (R in control coordinates).
    void DrawDropButton(TCanvas& Canvas);
    void DrawBorders(TCanvas& Canvas);
    // The frame of a picker without the 3-D edge.
    void DrawFlatFrame(TCanvas& Canvas);
    bool Hot() const;
    bool VisualStylesActive() const;
    TColor ParentBrushColor() const;

private:
    TBorderStyle borderStyle_ = bsNone;
    TColor borderColor_ = clNone;
    bool ctl3D_ = true;
    int buttonWidth_ = 0;
    bool buttonHover_ = false;
    bool mouseInControl_ = false;
    bool metroStyle_ = false;
    TColor focusBorderColor_ = clNone;
    bool disabledBorder_ = false;
    bool hasFocus_ = false;
    bool focusBorder_ = false;
};

// ---- TVsgDateTimePicker ------------------------------------------------------------------------

class TVsgDateTimePicker : public TFlatDateTimePicker {
public:
    explicit TVsgDateTimePicker(TComponent* AOwner);
    bool MetroActive() const override;
    // 1.0.0.0.
    String Version() const { return VersionText(0x01000000); }
};

// ---- TCustomDateTimePicker ---------------------------------------------------------------------

class TCustomDateTimePicker : public TFlatDateTimePicker {
public:
    explicit TCustomDateTimePicker(TComponent* AOwner);

    bool AutoTab() const { return autoTab_; }
    virtual void SetAutoTab(bool Value) { autoTab_ = Value; }
    bool MetroActive() const override;
    // True for a plain picker (the embedded time part); false for
    // TVynDateTimePicker.
    virtual bool IsEmbeddedPicker() const { return true; }
    // Text measured on one line in Font.
    TSize TextSize(const String& Text, const TFont& Font) const;

protected:
    // After "DTPShiftFocus": for the time kind, Right when the hour, minute
    // or second differ from those before the digit.
    virtual void ShiftFocusAfterDigit();
    bool IsCustomPicker() const override { return true; }
    bool IsEmbedded() const override { return IsEmbeddedPicker(); }
    void KeyPress(QChar& Key) override;
    void WndProc(TMessage& Message) override;

    uint16_t Fh = 0, Fm = 0, Fs = 0, Fms = 0;

private:
    bool autoTab_ = false;
};
