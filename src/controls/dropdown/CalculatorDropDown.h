#pragma once
// TVynCalculatorDropdown: a numeric edit whose popup holds the calculator
// key pad. The edit's text is the calculator's display; the calculator
// itself is TCalculatorEngine (CalculatorEngine.h) over that text.
//
// - Keys: clicked on the pad, typed while the popup is open, or typed into
//   the closed edit, where "+", "-", "*", "/", "=", Enter, "%" and "C" run
//   the calculator (the "-" then also reaches the edit's own rules).
// - Each opening starts a new number (N set, F cleared) and keeps A, P and
//   M, so a pending operation survives closing and reopening.
// - ShowThousandSeparator switches the edit type between etFloat and
//   etMoney; Precision (2) decimals are shown.
// - Nothing typed raises: a display that is no number makes the
//   operations, MS and M+ do nothing.
#include <memory>

#include "controls/dropdown/CalculatorEngine.h"
#include "controls/dropdown/CalculatorPad.h"
#include "controls/dropdown/VynDropDown.h"

class TVynCalculatorDropdown : public TVynCustomDropDown {
public:
    explicit TVynCalculatorDropdown(TComponent* AOwner);
    ~TVynCalculatorDropdown() override;

    // The equals key.
    void CalcResult() { fEngine_.DoEquals(); }
    long double Value() { return fEngine_.GetValue(); }
    void SetValue(long double Value) { fEngine_.SetValue(Value); }
    bool ShowThousandSeparator() const { return fShowThousandSeparator_; }
    void SetShowThousandSeparator(bool Value);
    CalcPad::TButtonAppearance& CalcButtonAppearance() const { return *fCalcButtonAppearance_; }
    void SetCalcButtonAppearance(const CalcPad::TButtonAppearance& Value) { fCalcButtonAppearance_->Assign(Value); }
    // The key pad (created with the popup).
    TCustomButtonPanel* ButtonPanel() const { return fVynButtonPanel_; }
    // The calculator's state (A, P, N, F, M).
    TCalculatorEngine& Engine() { return fEngine_; }
    // The popup has not been opened yet.
    bool CalcClosed() const { return fCalcClosed_; }

    void SetComponentStyle(TVynStyle AStyle) override;
    // Typed characters (the grid's editor passes its characters here).
    void KeyPress(QChar& Key) override;
    // A key of the pad by its index.
    void ButtonClick(int Index);

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void DropDownKeyPress(QChar& Key) override;
    void DropDownKeyDown(Word& Key, TShiftState Shift) override;
    void WMKeyDown(TMessage& Message) override;
    void WMChar(TMessage& Message) override;
    // Before every pad key and every character typed into the open popup.
    virtual void BeforeCalcInput() {}

private:
    struct EditDisplay : TCalculatorDisplay {
        TVynCalculatorDropdown& C;
        explicit EditDisplay(TVynCalculatorDropdown& AC) : C(AC) {}
        String Display() override { return C.Text(); }
        void WriteText(const String& V) override { C.SetText(V); }
        void Show(double V) override { C.SetFloatValue(V); }
        double Value() override { return C.GetFloatValue(); }
        int MaxLength() override { return C.MaxLength(); }
    };
    // The popup is showing (opened once and its form visible).
    bool showing() const;
    // The calculator's part of a typed character; Key null: consumed.
    void calcKeyPress(QChar& Key);
    void popupKeyPress(QChar Key);
    void caretAfterFirstDigit();

    TCustomButtonPanel* fVynButtonPanel_ = nullptr;
    bool fCalcClosed_ = true;
    std::unique_ptr<CalcPad::TButtonAppearance> fCalcButtonAppearance_;
    bool fShowThousandSeparator_ = false;
    EditDisplay display_{*this};
    TCalculatorEngine fEngine_{display_};
    // Set while WM_CHAR runs the calculator's part itself.
    bool inChar_ = false;
};
