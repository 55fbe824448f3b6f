#include "controls/dropdown/CalculatorDropDown.h"

#include "controls/dropdown/DropDownForm.h"
#include "grid/core/grid_format.h"
#include "platform/gui/input_state.h"

TVynCalculatorDropdown::TVynCalculatorDropdown(TComponent* AOwner)
    : TVynCustomDropDown(AOwner), fCalcButtonAppearance_(std::make_unique<CalcPad::TButtonAppearance>())
{
    SetDropDownColor(0xFFFFFF);
    SetDropDownWidth(230);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    InitDropDown();
    SetEditType(etFloat);
    SetPrecision(2);
    fEngine_.P = coNone;
    fEngine_.F = 0;
    fEngine_.M = 0;
}

TVynCalculatorDropdown::~TVynCalculatorDropdown() = default;

void TVynCalculatorDropdown::CreateDropDownForm()
{
    TVynCustomDropDown::CreateDropDownForm();
    if (!fVynButtonPanel_) {
        fVynButtonPanel_ = new TCustomButtonPanel(this);
        fVynButtonPanel_->SetParent(DropDownForm());
        fVynButtonPanel_->SetVynDropDown(this);
        fVynButtonPanel_->SetHeight(150);
        fVynButtonPanel_->CreateDefaultButtons();
    }
    SetControl(fVynButtonPanel_);
    fVynButtonPanel_->OnButtonClick = [this](TObject*, int Index) { ButtonClick(Index); };
}

void TVynCalculatorDropdown::DoBeforeDropDown()
{
    TVynCustomDropDown::DoBeforeDropDown();
    if (DropDownForm())
        DropDownForm()->SetCancelOnDeActivate(false);
    if (fVynButtonPanel_) {
        fVynButtonPanel_->ButtonAppearance().Assign(*fCalcButtonAppearance_);
        fVynButtonPanel_->SetColor(DropDownColor());
        fVynButtonPanel_->UpdateLayout();
    }
    fEngine_.Opened();
    fCalcClosed_ = false;
}

bool TVynCalculatorDropdown::showing() const
{
    return !fCalcClosed_ && DropDownForm() && DropDownForm()->Visible();
}

void TVynCalculatorDropdown::SetShowThousandSeparator(bool Value)
{
    if (Value == fShowThousandSeparator_)
        return;
    fShowThousandSeparator_ = Value;
    SetEditType(Value ? etMoney : etFloat);
    SetFloatValue(GetFloatValue());
}

void TVynCalculatorDropdown::SetComponentStyle(TVynStyle AStyle)
{
    TVynCustomDropDown::SetComponentStyle(AStyle);
    if (!fCalcButtonAppearance_)
        return;
    const TVynButtonAppearance& b = ButtonAppearance();
    CalcPad::TButtonAppearance& c = *fCalcButtonAppearance_;
    c.SetBorderColorChecked(b.BorderColorDisabled());
    c.SetBorderColor(b.BorderColor());
    c.SetBorderColorHot(b.BorderColorHot());
    c.SetBorderColorDown(b.BorderColorDown());
    c.SetColor(b.Color());
    c.SetColorTo(b.ColorTo());
    c.SetColorDown(b.ColorDown());
    c.SetColorDownTo(b.ColorDownTo());
    c.SetColorChecked(b.ColorDisabledTo());
    c.SetColorCheckedTo(b.ColorHotTo());
    c.SetColorDisabled(b.ColorDisabled());
    c.SetColorDisabledTo(b.ColorDisabledTo());
    c.SetColorHot(b.ColorHot());
    c.SetColorHotTo(b.ColorHotTo());
    if (AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black) {
        c.SetGlowColorDown(b.ColorHot());
        c.SetGlowColorHot(b.ColorHot());
    } else {
        c.SetGlowColorDown(0xD5C244);
        c.SetGlowColorHot(b.ColorDownTo());
    }
}

void TVynCalculatorDropdown::ButtonClick(int Index)
{
    if (!fVynButtonPanel_ || Index < 0 || Index >= fVynButtonPanel_->Buttons().Count())
        return;
    BeforeCalcInput();
    if (fEngine_.PadKey(fVynButtonPanel_->Buttons().Items(Index)->Tag()))
        SetModifiedFlag(true);
}

void TVynCalculatorDropdown::caretAfterFirstDigit()
{
    // The display is one digit formatted: the caret goes behind the digit,
    // which is where the value's decimal separator (or its end) is.
    SelectBeforeDecimal();
}

void TVynCalculatorDropdown::calcKeyPress(QChar& Key)
{
    const char16_t k = Key.unicode();
    if (!showing()) {
        switch (k) {
        case 13:
        case u'=': fEngine_.DoEquals(); break;
        case u'%': fEngine_.DoPercent(); break;
        case u'*': fEngine_.DoMultiply(); break;
        case u'+': fEngine_.DoAdd(); break;
        case u'-': fEngine_.DoSubtract(); break;
        case u'/': fEngine_.DoDivide(); break;
        case u'C':
        case u'c':
            SetText(QStringLiteral("0"));
            fEngine_.N = true;
            fEngine_.P = coNone;
            break;
        default: break;
        }
    }
    const QChar dec = GetGridDecimalSeparator();
    const bool digit = Key.isDigit();
    if (!digit && Key != dec && k != 8 && k != u'-') {
        Key = QChar();
        return;
    }
    const String d = Text();
    if ((d == QLatin1String("0") || fEngine_.N) && digit) {
        SetText(String(Key));
        Key = QChar();
        caretAfterFirstDigit();
        fEngine_.N = false;
        return;
    }
    if (d.size() == 1 && k == 8) {
        SetText(QStringLiteral("0"));
        Key = QChar();
        caretAfterFirstDigit();
        return;
    }
    if (Key == GetGridThousandSeparator() || (Key == dec && d.contains(dec)))
        Key = QChar();
}

void TVynCalculatorDropdown::KeyPress(QChar& Key)
{
    if (!inChar_)
        calcKeyPress(Key);
    if (!Key.isNull())
        TVynCustomDropDown::KeyPress(Key);
}

void TVynCalculatorDropdown::WMChar(TMessage& Message)
{
    if (!EditorEnabled() || ReadOnly()) {
        TVynCustomDropDown::WMChar(Message);
        return;
    }
    TWeakRef<TVynCalculatorDropdown> self(this);
    QChar key(char16_t(Message.CharCode()));
    calcKeyPress(key);
    if (!self || key.isNull())
        return;
    Message.SetCharCode(key.unicode());
    inChar_ = true;
    TVynCustomDropDown::WMChar(Message);
    if (self)
        inChar_ = false;
}

void TVynCalculatorDropdown::WMKeyDown(TMessage& Message)
{
    TWeakRef<TVynCalculatorDropdown> self(this);
    TVynCustomDropDown::WMKeyDown(Message);
    if (self && Message.CharCode() == VK_DELETE && (Text().isEmpty() || Text() == QLatin1String("Error")))
        SetText(QStringLiteral("0"));
}

void TVynCalculatorDropdown::DropDownKeyPress(QChar& Key)
{
    TWeakRef<TVynCalculatorDropdown> self(this);
    const QChar key = Key;
    // Backspace did its work at key-down (the last character removed).
    if (key.unicode() != 8) {
        QChar forwarded = key;
        TVynCustomDropDown::DropDownKeyPress(forwarded);
    }
    if (self)
        popupKeyPress(key);
}

void TVynCalculatorDropdown::popupKeyPress(QChar Key)
{
    TWeakRef<TVynCalculatorDropdown> self(this);
    BeforeCalcInput();
    const QChar dec = GetGridDecimalSeparator();
    if (Key == dec && !Text().contains(dec))
        SetText(Text() + dec);
    if (Key.isDigit() && MaxLength() > 0 && Text().size() == MaxLength())
        return;
    switch (Key.unicode()) {
    case 13:
        fEngine_.DoEquals();
        if (self)
            DoHideDropDown(false);
        break;
    case 27: DoHideDropDown(true); break;
    case u'%': fEngine_.DoPercent(); break;
    case u'&':
        if (GetKeyState(VK_MENU) < 0)
            DoHideDropDown(true);
        break;
    case u'*': fEngine_.DoMultiply(); break;
    case u'+': fEngine_.DoAdd(); break;
    case u'-': fEngine_.DoSubtract(); break;
    case u'/': fEngine_.DoDivide(); break;
    case u'=': fEngine_.DoEquals(); break;
    case u'C':
    case u'c':
        SetText(QStringLiteral("0"));
        fEngine_.A = 0;
        fEngine_.N = true;
        fEngine_.P = coNone;
        break;
    default:
        if (Key.isDigit())
            fEngine_.N = false;
        break;
    }
}

void TVynCalculatorDropdown::DropDownKeyDown(Word& Key, TShiftState Shift)
{
    TWeakRef<TVynCalculatorDropdown> self(this);
    TVynCustomDropDown::DropDownKeyDown(Key, Shift);
    if (!self)
        return;
    if (Key == VK_TAB || Key == VK_F4) {
        DoHideDropDown(false);
    } else if (Key == VK_BACK) {
        if (Text() == QLatin1String("Error")) {
            SetText(QStringLiteral("0"));
        } else {
            String d = Text();
            d.chop(1);
            SetText(d.isEmpty() ? QStringLiteral("0") : d);
        }
    }
}
