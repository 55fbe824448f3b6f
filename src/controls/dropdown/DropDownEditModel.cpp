// The typed input of a drop-down without a window.
#include "controls/dropdown/DropDownEditModel.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

#include "grid/core/grid_text.h"

namespace {

QChar decSep() { return GetGridDecimalSeparator(); }
QChar thouSep() { return GetGridThousandSeparator(); }

bool isDigit(QChar C) { return C >= u'0' && C <= u'9'; }
bool isHexLetter(QChar C) { return (C >= u'A' && C <= u'F') || (C >= u'a' && C <= u'f'); }
bool isAsciiLetter(QChar C) { return (C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z'); }

constexpr QChar BS(u'\b'), TAB(u'\t'), CR(u'\r');

// An integer or float text whose '-' (if any) stands in front: the paste
// rules refuse "1-2", which the classification alone lets through.
bool minusInFront(const String& S) { return S.lastIndexOf(u'-') <= 0; }

}  // namespace

// ---- number texts ------------------------------------------------------------------------------------

String FormatFixedNumber(double X, int Decimals, bool Thousands, QChar Dec, QChar Thou)
{
    Decimals = std::clamp(Decimals, 0, 18);
    if (!std::isfinite(X))
        X = 0;
    String s = QString::number(X, 'f', Decimals);
    bool negative = s.startsWith(u'-');
    if (negative)
        s.remove(0, 1);
    // "-0.00" is zero.
    if (negative && !s.contains(QRegularExpression(QStringLiteral("[1-9]"))))
        negative = false;
    const qsizetype dot = s.indexOf(u'.');
    String integer = dot < 0 ? s : s.left(dot);
    const String fraction = dot < 0 ? String() : s.mid(dot + 1);
    if (Thousands)
        for (qsizetype i = integer.size() - 3; i > 0; i -= 3)
            integer.insert(i, Thou);
    String r = negative ? String(u'-') + integer : integer;
    if (!fraction.isEmpty())
        r += Dec + fraction;
    return r;
}

String FormatGeneralNumber(double X, QChar Dec)
{
    if (!std::isfinite(X))
        X = 0;
    String s = QString::number(X, 'g', 15);
    // Qt writes "1e+20" and "1e-05": the exponent is written "E20", "E-5".
    const qsizetype e = s.indexOf(u'e');
    if (e >= 0) {
        String mant = s.left(e), exp = s.mid(e + 1);
        const bool neg = exp.startsWith(u'-');
        exp.remove(QRegularExpression(QStringLiteral("^[+-]0*")));
        if (exp.isEmpty())
            exp = QStringLiteral("0");
        s = mant + u'E' + (neg ? QStringLiteral("-") : String()) + exp;
    }
    s.replace(u'.', Dec);
    return s;
}

// ---- selection and value -----------------------------------------------------------------------------

void TDropDownEditModel::SetSel(int Start, int Length)
{
    const int n = int(EditText.size());
    Anchor = std::clamp(Start, 0, n);
    Caret = std::clamp(Start + std::max(0, Length), 0, n);
}

String TDropDownEditModel::ValueOf(const String& EditText, const String& Prefix, const String& Suffix)
{
    String t = EditText;
    if (!Prefix.isEmpty() && t.startsWith(Prefix))
        t.remove(0, Prefix.size());
    if (!Suffix.isEmpty())
        t.chop(std::min(t.size(), Suffix.size()));
    return t;
}

String TDropDownEditModel::selectedValue() const
{
    const int s = std::max(SelStart(), ValueStart()), e = std::min(SelEnd(), ValueEnd());
    return e > s ? EditText.mid(s, e - s) : String();
}

void TDropDownEditModel::changed()
{
    if (BlockChange) {
        BlockChange = false;
        return;
    }
    if (OnEditChange)
        OnEditChange();
}

void TDropDownEditModel::WriteEditText(const String& Text)
{
    if (Text == EditText)
        return;
    EditText = Text;
    Anchor = Caret = 0;
    changed();
}

void TDropDownEditModel::SetText(const String& AValue)
{
    String v = AValue;
    if (v.isEmpty() && (numericType() || EditType == etHex))
        v = QStringLiteral("0");
    if (Precision > 0 && !v.isEmpty() && v != QLatin1String("Error")) {
        if (EditType == etMoney)
            v = FormatFixedNumber(TextToFloat(v), Precision, true, decSep(), thouSep());
        else if (EditType == etFloat)
            v = FormatFixedNumber(TextToFloat(v), Precision, false, decSep(), thouSep());
    }
    if (EditType == etHex)
        v = v.toUpper();
    WriteEditText(Prefix + v + Suffix);
    OldText = v;
    SetModifiedFlag(false);
}

void TDropDownEditModel::SetModifiedFlag(bool V)
{
    if (Loading || !EditorEnabled || ReadOnly)
        return;
    Modified = V;
    IsModified = V;
}

void TDropDownEditModel::SetPrecision(int V)
{
    if (V == Precision || !(EditType == etString || EditType == etFloat || EditType == etMoney))
        return;
    Precision = V;
    const int kind = ClassifyNumberText(Value());
    SetFloatValue(kind == 0 || kind == 1 ? GetFloatValue() : 0);
}

void TDropDownEditModel::SetEditType(TDropDownEditType V)
{
    if (V == EditType)
        return;
    EditType = V;
    if (V == etPassword)
        CanUndo = false;
    const int kind = ClassifyNumberText(Value());
    if (V == etNumeric && kind != 0)
        SetIntValue(0);
    else if ((V == etFloat || V == etMoney) && kind != 0 && kind != 1)
        SetFloatValue(0);
    else if (V == etHex && kind != 0 && kind != 5)
        SetIntValue(0);
}

double TDropDownEditModel::GetFloatValue() const
{
    const String v = Value();
    switch (EditType) {
    case etString: {
        double x = 0;
        return TryStrToFloat(v, x, u'.') ? x : 0;
    }
    case etNumeric:
    case etFloat:
        if (v.isEmpty() || v == QLatin1String("Error") || v == QLatin1String("-"))
            return 0;
        return TextToFloat(v);
    case etMoney: {
        if (v.isEmpty())
            return 0;
        String s = StripThousandSeparators(v);
        if (s.endsWith(decSep()))
            s.chop(1);
        if (s.isEmpty() || s == QLatin1String("-"))
            return 0;
        return TextToFloat(s);
    }
    case etHex: return v.isEmpty() ? 0 : HexToInt(v);
    default: return 0;
    }
}

void TDropDownEditModel::SetFloatValue(double X)
{
    auto formatted = [&](bool Thousands) {
        return Precision < 0 ? FormatGeneralNumber(X, decSep())
                             : FormatFixedNumber(X, Precision, Thousands, decSep(), thouSep());
    };
    switch (EditType) {
    case etString:
    case etFloat: SetText(formatted(false)); break;
    case etNumeric: SetText(formatted(true)); break;
    case etMoney:
        SetText(formatted(false));
        FormatMoneyText();
        break;
    case etHex: {
        const double t = std::trunc(X);
        const int64_t n = t >= 9.2e18 ? INT64_MAX : t <= -9.2e18 ? INT64_MIN : int64_t(t);
        SetText(IntToHex(n, 0));
        break;
    }
    default: break;
    }
    SetModifiedFlag(true);
}

void TDropDownEditModel::SetIntValue(int64_t N)
{
    switch (EditType) {
    case etNumeric:
    case etFloat: SetText(IntToStr(N)); break;
    case etMoney:
        SetText(IntToStr(N));
        FormatMoneyText();
        break;
    case etHex: SetText(IntToHex(N, 0)); break;
    default: break;
    }
    SetModifiedFlag(true);
}

void TDropDownEditModel::SelectAll() { SetSel(ValueStart(), int(Value().size())); }

void TDropDownEditModel::SelectBeforeDecimal()
{
    const qsizetype p = Value().indexOf(decSep());
    SetSel(ValueStart() + (p < 0 ? 0 : int(p)), 0);
}

void TDropDownEditModel::SelectAfterDecimal()
{
    const qsizetype p = Value().indexOf(decSep());
    SetSel(ValueStart() + (p < 0 ? 0 : int(p) + 1), 0);
}

// ---- numeric routines --------------------------------------------------------------------------------

int TDropDownEditModel::ClassifyNumberText(const String& S)
{
    if (S.isEmpty())
        return 2;
    const QChar dec = decSep(), thou = thouSep();
    int kind;
    if (std::all_of(S.begin(), S.end(), [](QChar c) { return c == u'-' || isDigit(c); })) {
        kind = 0;
    } else {
        bool floatChars = std::all_of(S.begin(), S.end(), [](QChar c) {
            return isDigit(c) || c == u',' || c == u'-' || c == u'.';
        });
        // Every thousand separator more than two places after the one
        // before it, the first one after position 1.
        int last = -1;
        for (qsizetype i = 0; floatChars && i < S.size(); ++i) {
            if (S[i] != thou)
                continue;
            const int pos = int(i) + 1;
            if (last < 0 ? pos <= 1 : pos - last <= 2)
                floatChars = false;
            last = pos;
        }
        if (floatChars)
            kind = 1;
        else if (std::all_of(S.begin(), S.end(), [](QChar c) { return c == u'-' || isDigit(c) || isHexLetter(c); }))
            kind = 5;
        else
            kind = 2;
    }
    if (S.count(u'-') > 1 || S.count(dec) > 1)
        kind = 2;
    return kind;
}

String TDropDownEditModel::StripThousandSeparators(const String& S)
{
    String r = S;
    r.remove(thouSep());
    return r;
}

double TDropDownEditModel::TextToFloat(const String& S)
{
    double x = 0;
    return TryStrToFloat(StripThousandSeparators(S), x, decSep()) ? x : 0;
}

int TDropDownEditModel::IntegerPartLength(const String& S) const
{
    const String s = StripThousandSeparators(S);
    const qsizetype p = s.indexOf(decSep());
    int n = p < 0 ? int(s.size()) + 1 : int(p) + 1;
    if (Signed && numericType() && s.contains(u'-'))
        --n;
    return n;
}

int TDropDownEditModel::DecimalSeparatorPos() const
{
    const String v = Value();
    const qsizetype p = v.indexOf(decSep());
    if (p < 0)
        return int(Prefix.size() + v.size() + Suffix.size()) + 1;
    return int(p) + 1 + int(Prefix.size());
}

bool TDropDownEditModel::IsSignedMinus(QChar C) const { return Signed && numericType() && C == u'-'; }

bool TDropDownEditModel::FractionFull(const String& V, int CaretPos) const
{
    if (Precision <= 0)
        return false;
    const int c = CaretPos - ValueStart();
    const qsizetype p = V.indexOf(decSep());
    if (p < 0 || c <= p)
        return false;
    return int(V.size()) - c <= Precision && int(V.size() - p - 1) >= Precision;
}

bool TDropDownEditModel::ThousandSeparatorTooClose(const String& V, int CaretPos) const
{
    const QChar thou = thouSep();
    const int c = CaretPos - ValueStart();
    int nearest = -1;
    for (qsizetype i = 0; i < V.size(); ++i)
        if (V[i] == thou) {
            const int d = std::abs(int(i) + 1 - c);
            if (nearest < 0 || d < nearest)
                nearest = d;
        }
    return nearest >= 0 && nearest != 3;
}

int TDropDownEditModel::HexDigitValue(QChar C)
{
    if (isDigit(C))
        return C.unicode() - u'0';
    if (C >= u'A' && C <= u'F')
        return C.unicode() - u'A' + 10;
    if (C >= u'a' && C <= u'f')
        return C.unicode() - u'a' + 10;
    return 0;
}

double TDropDownEditModel::HexToInt(const String& S)
{
    double r = 0;
    for (QChar c : S)
        r = r * 16 + HexDigitValue(c);
    return r;
}

void TDropDownEditModel::FormatMoneyText()
{
    String v = Value();
    if (v.isEmpty())
        return;
    const int l0 = int(v.size()), c0 = Caret;
    const bool negative = v.startsWith(u'-');
    if (negative)
        v.remove(0, 1);
    const qsizetype p = v.indexOf(decSep());
    const String fraction = p < 0 ? String() : v.mid(p, 255);
    String integer = FormatFixedNumber(std::trunc(std::fabs(GetFloatValue())), 0, AutoThousandSeparator, decSep(),
                                       thouSep());
    const String newValue = (negative ? QStringLiteral("-") : String()) + integer + fraction;
    const String text = Prefix + newValue + Suffix;
    // The rewrite is part of the change the user made: its notification is
    // swallowed (only when there is one to swallow).
    if (text != EditText)
        BlockChange = true;
    WriteEditText(text);
    const int caret = std::clamp(c0 + int(newValue.size()) - l0, 0, int(EditText.size()));
    Anchor = Caret = caret;
}

// ---- characters --------------------------------------------------------------------------------------

void TDropDownEditModel::EditorChar(QChar Ch)
{
    if (ReadOnly)
        return;
    String t = EditText;
    int caret;
    if (Ch == BS) {
        if (SelLength() > 0) {
            t.remove(SelStart(), SelLength());
            caret = SelStart();
        } else if (Caret > 0) {
            t.remove(Caret - 1, 1);
            caret = Caret - 1;
        } else {
            return;
        }
    } else if (Ch.unicode() >= 32 && Ch.unicode() != 127) {
        if (MaxLength > 0 && int(t.size()) - SelLength() + 1 > MaxLength)
            return;
        t.remove(SelStart(), SelLength());
        t.insert(SelStart(), Ch);
        caret = SelStart() + 1;
    } else {
        return;
    }
    if (t == EditText)
        return;
    EditText = t;
    Anchor = Caret = caret;
    Modified = true;
    changed();
}

bool TDropDownEditModel::passChar(QChar Ch)
{
    if (OnKeyPress)
        OnKeyPress(Ch);
    if (Ch.isNull())
        return false;
    EditorChar(Ch);
    return true;
}

void TDropDownEditModel::toggleSign(bool HoldPrecision)
{
    String v = Value();
    int caret = Caret;
    if (v.contains(u'-')) {
        v.remove(0, 1);
        caret = std::max(ValueStart(), caret - 1);
    } else {
        v.prepend(u'-');
        caret = caret + 1;
    }
    const int keep = Precision;
    if (HoldPrecision)
        Precision = 0;
    SetText(v);
    Precision = keep;
    Anchor = Caret = std::clamp(caret, 0, int(EditText.size()));
    SetModifiedFlag(true);
}

// The rules etFloat and etMoney share (the separator distance, the full
// fraction, the leading "0" and the sign toggle); true: handling ended.
bool TDropDownEditModel::floatRules(QChar Ch)
{
    const String v = Value();
    const QChar dec = decSep();
    if ((Ch == thouSep() || Ch == dec) && ThousandSeparatorTooClose(v, Caret))
        return true;
    if (FractionFull(v, Caret) && (isDigit(Ch) || Ch == dec) && SelLength() == 0) {
        const int c = Caret - ValueStart();
        if (isDigit(Ch) && c > v.indexOf(dec) && c < v.size())
            SetSel(Caret, 1);
        else
            return true;
    }
    if (SelStart() == ValueStart() && v.isEmpty() && Ch == dec) {
        WriteEditText(Prefix + QStringLiteral("0") + dec + Suffix);
        Anchor = Caret = ValueStart() + 2;
        SetModifiedFlag(true);
        return true;
    }
    if (Ch == u'-' && SelLength() == 0) {
        toggleSign(true);
        return true;
    }
    return false;
}

void TDropDownEditModel::TypeChar(QChar Ch, bool Keypad, bool Ctrl)
{
    if (!EditorEnabled)
        return;
    const String v0 = Value();
    const bool wholeValue = SelLength() > 0 && SelLength() == v0.size() && !v0.isEmpty();
    const QChar dec = decSep();
    if (ExcelStyleDecimalSeparator && Keypad && (Ch == u'.' || Ch == u','))
        Ch = dec;
    if (Ch == BS && !Prefix.isEmpty() && Caret <= ValueStart() && SelLength() == 0)
        return;
    if (LengthLimit > 0 && IntegerPartLength(v0) - 1 >= LengthLimit && SelLength() == 0 &&
        Caret < DecimalSeparatorPos() && Ch != BS && Ch != dec && !IsSignedMinus(Ch))
        return;
    if (Ch == BS) {
        // Deleting the whole value: the edit's notification is swallowed
        // and Change runs once of its own.
        if (wholeValue)
            BlockChange = true;
        const bool passed = passChar(Ch);
        if (wholeValue) {
            BlockChange = false;
            if (passed && OnEditChange)
                OnEditChange();
        }
        return;
    }
    if (Ctrl && Ch == u'\n')
        return;
    if (Ch == u'-' && numericType() && !Signed)
        return;

    auto toEdit = [&] {
        if (Ch == BS || Ch.unicode() >= 32)
            SetModifiedFlag(true);
        passChar(Ch);
    };
    switch (EditType) {
    case etString:
    case etPassword: toEdit(); break;
    case etNumeric:
        if (Ch == u'-') {
            if (SelLength() == int(v0.size())) {
                SetText(QStringLiteral("-"));
                Anchor = Caret = ValueStart() + 1;
                SetModifiedFlag(true);
            } else {
                toggleSign(false);
            }
        } else if (Ch == BS || Ch == TAB || Ch == CR || isDigit(Ch) || Ctrl) {
            passChar(Ch);
        } else {
            return;
        }
        break;
    case etFloat:
        if ((Ch == u',' && dec != u',' && thouSep() != u',') || (Ch == u'.' && dec != u'.' && thouSep() != u'.'))
            return;
        if (!(Ch == BS || Ch == TAB || Ch == CR || Ch == u',' || Ch == u'-' || Ch == u'.' || isDigit(Ch)))
            return;
        if (Ch == dec && !SelText().contains(dec) && (v0.contains(dec) || Precision == 0)) {
            if (Precision > 0)
                SelectAfterDecimal();
            return;
        }
        if (Ch == u',' && v0.contains(u',') && !SelText().contains(u',') && thouSep() != u',')
            return;
        if (floatRules(Ch))
            return;
        passChar(Ch);
        break;
    case etUppercase:
        Ch = Ch.toUpper();
        toEdit();
        break;
    case etMixedCase: {
        // The character goes in and the value is written mixed case, as one
        // change.
        const int caret = SelStart();
        if (OnKeyPress)
            OnKeyPress(Ch);
        if (Ch.isNull())
            return;
        TDropDownEditModel probe = *this;
        probe.OnEditChange = nullptr;
        probe.EditorChar(Ch);
        if (probe.EditText == EditText)
            return;
        const String text = Prefix + ToMixedCase(probe.Value()) + Suffix;
        EditText = text;
        Modified = true;
        Anchor = Caret = std::min(caret + 1, int(text.size()));
        changed();
        break;
    }
    case etLowerCase:
        Ch = Ch.toLower();
        toEdit();
        break;
    case etMoney: {
        if (Ch == dec && (v0.contains(dec) || Precision == 0)) {
            if (Precision > 0) {
                if (SelLength() == int(v0.size()))
                    SetText(QStringLiteral("0,0"));
                SelectAfterDecimal();
            }
            return;
        }
        if (!(Ch == BS || Ch == TAB || Ch == CR || Ch == u'-' || isDigit(Ch) || Ch == dec))
            return;
        if (floatRules(Ch))
            return;
        // The formatting's notification is swallowed: the typed character
        // notified already.
        if (!passChar(Ch))
            return;
        const String v = Value();
        if (!v.isEmpty() && v != QLatin1String("-") && Ch != dec) {
            IsModified = Modified;
            FormatMoneyText();
        }
        break;
    }
    case etRange: {
        if (!(Ch == BS || Ch == TAB || Ch == CR || Ch == u',' || Ch == u'-' || isDigit(Ch) || Ch == u';'))
            return;
        SetModifiedFlag(true);
        if (IsRangeSeparator(Ch)) {
            const QChar before = Caret > 0 ? EditText[Caret - 1] : QChar(u' ');
            const QChar after = Caret < EditText.size() ? EditText[Caret] : QChar(u' ');
            if (Caret <= ValueStart() || IsRangeSeparator(before) || IsRangeSeparator(after))
                return;
        }
        passChar(Ch);
        break;
    }
    case etHex:
        if (!(Ch == BS || Ch == TAB || Ch == CR || Ch == u'-' || isDigit(Ch) || isHexLetter(Ch)))
            return;
        toEdit();
        break;
    case etAlphaNumeric:
        if (!(Ch == BS || Ch == TAB || Ch == CR || isDigit(Ch) || isAsciiLetter(Ch)))
            return;
        toEdit();
        break;
    case etValidChars:
        if (!(Ch == BS || ValidChars.contains(Ch)))
            return;
        toEdit();
        break;
    }
    if (Modified)
        SetModifiedFlag(true);
}

// ---- keys --------------------------------------------------------------------------------------------

bool TDropDownEditModel::KeyDownBefore(Word Key, TShiftState Shift)
{
    const int valueEnd = ValueEnd();
    const bool shift = Shift.Contains(ssShift);
    switch (Key) {
    case VK_RIGHT:
        if (!Suffix.isEmpty() && SelEnd() >= valueEnd)
            return false;
        break;
    case VK_LEFT:
        if (!Prefix.isEmpty() && SelEnd() <= ValueStart())
            return false;
        break;
    case VK_END:
        if (!Suffix.isEmpty()) {
            if (shift) {
                Anchor = SelStart();
                Caret = valueEnd;
            } else {
                Anchor = Caret = valueEnd;
            }
            return false;
        }
        break;
    case VK_HOME:
        if (!Prefix.isEmpty()) {
            if (shift) {
                Anchor = valueEnd;
                Caret = ValueStart();
            } else {
                Anchor = Caret = ValueStart();
            }
            return false;
        }
        break;
    case VK_BACK:
        if (!Prefix.isEmpty()) {
            if (Caret <= ValueStart() + 1)
                return false;
            SetModifiedFlag(true);
        }
        break;
    case VK_DELETE:
        if (!Suffix.isEmpty()) {
            if (SelEnd() >= valueEnd && SelLength() == 0)
                return false;
            SetModifiedFlag(true);
        }
        if (Caret >= ValueStart()) {
            String t = EditText;
            if (SelLength() > 0)
                t.remove(SelStart(), SelLength());
            else
                t.remove(Caret, 1);
            TDropDownEditModel probe = *this;
            probe.EditText = t;
            if (LengthLimit > 0 && IntegerPartLength(probe.Value()) - 1 > LengthLimit)
                return false;
            SetModifiedFlag(true);
        }
        break;
    default: break;
    }
    return true;
}

void TDropDownEditModel::KeyDownAfter(Word Key)
{
    if (Key == VK_DELETE && EditType == etMoney)
        FormatMoneyText();
    if (!Prefix.isEmpty() && Caret < ValueStart())
        Anchor = Caret = ValueStart();
}

void TDropDownEditModel::editorKey(Word Key, TShiftState Shift)
{
    const int n = int(EditText.size());
    const bool shift = Shift.Contains(ssShift);
    auto move = [&](int To) {
        Caret = std::clamp(To, 0, n);
        if (!shift)
            Anchor = Caret;
    };
    switch (Key) {
    case VK_LEFT:
        if (!shift && SelLength() > 0)
            Anchor = Caret = SelStart();
        else
            move(Caret - 1);
        break;
    case VK_RIGHT:
        if (!shift && SelLength() > 0)
            Anchor = Caret = SelEnd();
        else
            move(Caret + 1);
        break;
    case VK_HOME: move(0); break;
    case VK_END: move(n); break;
    case VK_DELETE: {
        if (ReadOnly)
            break;
        String t = EditText;
        const int at = SelStart();
        if (SelLength() > 0)
            t.remove(at, SelLength());
        else if (at < n)
            t.remove(at, 1);
        if (t != EditText) {
            EditText = t;
            Anchor = Caret = at;
            Modified = true;
            changed();
        }
        break;
    }
    default: break;
    }
}

void TDropDownEditModel::KeyDown(Word Key, TShiftState Shift)
{
    if (!KeyDownBefore(Key, Shift))
        return;
    editorKey(Key, Shift);
    KeyDownAfter(Key);
}

void TDropDownEditModel::MouseUp()
{
    if (!Prefix.isEmpty() && Caret < ValueStart()) {
        SelectAll();
        return;
    }
    if (!Suffix.isEmpty()) {
        const int end = ValueEnd();
        if (SelLength() == 0 && Caret > end)
            Anchor = Caret = end;
        else if (SelEnd() > end)
            SetSel(SelStart(), std::max(0, end - SelStart()));
    }
}

// ---- clipboard ---------------------------------------------------------------------------------------

bool TDropDownEditModel::Copy(String& Out)
{
    bool allow = true;
    if (OnCopy && !BlockCopy)
        allow = OnCopy(selectedValue());
    BlockCopy = false;
    if (allow)
        Out = SelText();
    return allow;
}

bool TDropDownEditModel::Cut(String& Out)
{
    if (!EditorEnabled || ReadOnly)
        return false;
    BlockCopy = true;
    bool allow = true;
    if (OnCut)
        allow = OnCut(selectedValue());
    if (allow) {
        Out = SelText();
        EditorChar(BS);
        if (SelLength() == 0 && !Out.isEmpty())
            Modified = true;
    }
    BlockCopy = false;
    return allow;
}

void TDropDownEditModel::Paste(String Clip)
{
    // One line: the text up to the first line break.
    const qsizetype br = Clip.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (br >= 0)
        Clip.truncate(br);
    if (ReadOnly || Clip.isEmpty())
        return;
    const String v = Value();
    const int vs = ValueStart();
    const int s = std::clamp(SelStart() - vs, 0, int(v.size()));
    const int e = std::clamp(SelEnd() - vs, s, int(v.size()));
    const bool replaced = e > s;
    const String newValue = v.left(s) + Clip + v.mid(e);
    const int selFrom = replaced ? vs + s : vs + s + int(Clip.size());
    const int selLen = replaced ? int(Clip.size()) : 0;

    if (OnPaste && !OnPaste(newValue))
        return;
    if (MaxLength > 0 && int(Clip.size() + v.size()) - (e - s) > MaxLength)
        return;
    const QChar dec = decSep();
    const int kind = ClassifyNumberText(newValue);
    switch (EditType) {
    case etString:
    case etPassword: SetText(newValue); break;
    case etUppercase: SetText(newValue.toUpper()); break;
    case etMixedCase: SetText(ToMixedCase(newValue)); break;
    case etLowerCase: SetText(newValue.toLower()); break;
    case etNumeric:
        if (kind == 0 && minusInFront(newValue) && (Signed || !newValue.contains(u'-'))) {
            SetText(newValue);
            SetModifiedFlag(true);
        }
        break;
    case etFloat:
    case etMoney:
        if ((kind == 0 || kind == 1) && minusInFront(newValue) && !(Precision == 0 && Clip.contains(dec)) &&
            (Signed || !newValue.contains(u'-'))) {
            SetText(newValue);
            SetFloatValue(GetFloatValue());
            SetModifiedFlag(true);
        }
        break;
    case etAlphaNumeric:
        if (std::all_of(newValue.begin(), newValue.end(), [](QChar c) { return isDigit(c) || isAsciiLetter(c); })) {
            SetText(newValue);
            SetModifiedFlag(true);
        }
        break;
    case etValidChars:
        if (std::all_of(newValue.begin(), newValue.end(), [&](QChar c) { return ValidChars.contains(c); })) {
            SetText(newValue);
            SetModifiedFlag(true);
        }
        break;
    case etRange:
    case etHex: break;
    }
    if (EditType == etMoney && Value().size() > 3)
        SelectAll();
    else
        SetSel(selFrom, selLen);
    if (EditType == etString || EditType == etUppercase || EditType == etMixedCase || EditType == etLowerCase ||
        EditType == etPassword)
        SetModifiedFlag(true);
}

// ---- focus -------------------------------------------------------------------------------------------

void TDropDownEditModel::KillFocus()
{
    if (Loading)
        return;
    const bool money = EditType == etFloat || EditType == etMoney;
    const bool empty = Value().isEmpty();
    if (money && Precision > 0 && (!empty || !AllowNumericNullValue)) {
        const bool modified = IsModified, editModified = Modified;
        SetFloatValue(GetFloatValue());
        IsModified = modified;
        Modified = editModified;
    } else if (EditType == etNumeric && empty && !AllowNumericNullValue) {
        SetText(QStringLiteral("0"));
    } else if (money && empty && !AllowNumericNullValue) {
        SetFloatValue(0);
    }
}
