#pragma once
// The typed input of a drop-down, without a window: the edit's text and
// selection, the value between a fixed prefix and suffix, the character
// rules of the twelve edit types, the caret rules around the prefix and
// suffix, the clipboard by edit type, the numeric routines and the
// normalisation when the edit loses the focus.
//
// The drop-down (TVynCustomDropDown) keeps one model with its settings; it
// loads its edit's text, selection and modified flag into it before each
// character, key, clipboard or focus message and writes the result back.
// Tests drive the model directly.
//
// Rules of this model:
// - the edit text is Prefix + value + Suffix; positions (SelStart, the
//   caret) count from the start of the edit text.
// - the separators are the grid's format settings, read at each use
//   (CurrentGridFormatSettings).
// - every write of the edit text that changes it is one change notification
//   of the edit (OnEditChange); BlockChange swallows the next one. A typed
//   character that a rule rewrites (mixed case, a sign toggle, the money
//   format) notifies once.
// - nothing typed or pasted raises: a text the edit type refuses is refused
//   whole and the text stays as it was. Number texts are built by our own
//   code from the value and Precision (decimals capped at 18); no text from
//   data reaches a format routine.
#include <functional>

#include "controls/dropdown/DropDownTypes.h"
#include "grid/core/grid_format.h"
#include "platform/gui/messages.h"

class TDropDownEditModel {
public:
    // ---- the edit
    String EditText;
    bool Modified = false;  // the edit's own modified flag
    // The selection as anchor and caret (the caret is where typing goes).
    int Anchor = 0, Caret = 0;
    // Maximum length of the edit text for typing and pasting (0: none).
    int MaxLength = 0;
    bool ReadOnly = false;
    bool Loading = false;

    // ---- the drop-down's typed-input fields
    TDropDownEditType EditType = etString;
    int Precision = 0;    // decimals; negative: general format
    int LengthLimit = 0;  // longest integer part; 0: none
    String Prefix, Suffix;
    bool Signed = false;
    String ValidChars;
    bool ExcelStyleDecimalSeparator = false;
    bool AutoThousandSeparator = true;
    bool AllowNumericNullValue = false;
    bool CanUndo = true;
    bool EditorEnabled = true;
    bool BlockChange = false;
    bool BlockCopy = false;
    bool IsModified = false;
    // The value last written through SetText.
    String OldText;

    // ---- notifications
    // The edit's change notification (not fired for one swallowed by
    // BlockChange) and the edit's Change called directly.
    std::function<void()> OnEditChange;
    // The clipboard events: the value concerned; answering false refuses.
    // An empty function counts as not assigned.
    std::function<bool(const String& Value)> OnCut, OnCopy, OnPaste;
    // A typed character on its way into the edit (the edit's key-press
    // handling): may change it; a null character drops it.
    std::function<void(QChar& Ch)> OnKeyPress;

    // ---- selection
    int SelStart() const { return std::min(Anchor, Caret); }
    int SelLength() const { return std::abs(Anchor - Caret); }
    int SelEnd() const { return std::max(Anchor, Caret); }
    // Anchor at Start, caret at its end.
    void SetSel(int Start, int Length);
    String SelText() const { return EditText.mid(SelStart(), SelLength()); }

    // ---- the value
    // The edit text less a leading Prefix and less as many trailing
    // characters as Suffix has.
    String Value() const { return ValueOf(EditText, Prefix, Suffix); }
    static String ValueOf(const String& EditText, const String& Prefix, const String& Suffix);
    // Where the value starts and ends in the edit text.
    int ValueStart() const { return int(Prefix.size()); }
    int ValueEnd() const { return ValueStart() + int(Value().size()); }
    // Formats and writes the value: empty -> "0" for the numeric types,
    // Precision formatting for etMoney and etFloat, upper case for etHex;
    // OldText := Value; not modified.
    void SetText(const String& Value);
    // The edit text becomes Value as it is (OldText unchanged).
    void SetTextDirect(const String& Value) { WriteEditText(Value); }
    // The edit control's own text write (caret at the start, as a
    // program's write puts it); one notification when the text changes.
    void WriteEditText(const String& Text);
    // Ignored unless etString, etFloat or etMoney; rewrites the value.
    void SetPrecision(int Value);
    void SetEditType(TDropDownEditType Value);
    // The password character the edit type asks for ('*' or none).
    QChar PasswordChar() const { return EditType == etPassword ? QChar(u'*') : QChar(); }
    void SetModifiedFlag(bool Value);

    double GetFloatValue() const;
    void SetFloatValue(double X);
    void SetIntValue(int64_t N);
    void SelectAll();
    void SelectBeforeDecimal();
    void SelectAfterDecimal();

    // ---- numeric routines (the separators of the current settings)
    // 0 integer, 1 float, 2 other text, 5 hexadecimal.
    static int ClassifyNumberText(const String& S);
    static String StripThousandSeparators(const String& S);
    static double TextToFloat(const String& S);
    // The integer part's length + 1 of S.
    int IntegerPartLength(const String& S) const;
    // The caret position just after the value's decimal separator (else
    // past the end of the edit text).
    int DecimalSeparatorPos() const;
    bool IsSignedMinus(QChar C) const;
    // Caret positions are edit-text positions.
    bool FractionFull(const String& Value, int Caret) const;
    bool ThousandSeparatorTooClose(const String& Value, int Caret) const;
    static int HexDigitValue(QChar C);
    static double HexToInt(const String& S);
    static bool IsRangeSeparator(QChar C) { return C == u',' || C == u'-' || C == u';'; }
    // Rewrites a non-empty money value with thousand separators (or
    // without, AutoThousandSeparator off), keeping the caret's distance
    // from the end.
    void FormatMoneyText();

    // ---- input
    // The text rules of a typed character (after the control's own rules
    // for Enter, Esc and the clipboard characters): Keypad is the key
    // data's keypad bit, Ctrl whether a Ctrl key is held.
    void TypeChar(QChar Ch, bool Keypad = false, bool Ctrl = false);
    // The key-down rules before the edit's own handling; false: the key is
    // dropped.
    bool KeyDownBefore(Word Key, TShiftState Shift);
    // The key-down rules after the edit's own handling.
    void KeyDownAfter(Word Key);
    // Before, the edit's own handling of Left, Right, Home, End and Delete
    // (others do nothing), after: a key stroke without a window.
    void KeyDown(Word Key, TShiftState Shift = {});
    // The caret limits after a left-button release.
    void MouseUp();
    // The edit's own handling of a character that goes to it: Backspace
    // deletes, a character from blank up replaces the selection (within
    // MaxLength); the edit is then modified.
    void EditorChar(QChar Ch);

    // ---- clipboard (Out: the text for the clipboard)
    bool Copy(String& Out);
    bool Cut(String& Out);
    // Clip: the clipboard's text (its first line is pasted).
    void Paste(String Clip);

    // The normalisation when the edit loses the focus.
    void KillFocus();

private:
    bool numericType() const { return EditType == etNumeric || EditType == etFloat || EditType == etMoney; }
    // The selection part inside the value.
    String selectedValue() const;
    void editorKey(Word Key, TShiftState Shift);
    void toggleSign(bool HoldPrecision);
    bool floatRules(QChar Ch);
    // A typed character goes to the edit (OnKeyPress, then EditorChar);
    // false when it was dropped on the way.
    bool passChar(QChar Ch);
    void changed();
};

// ---- number texts (our own formatting) -------------------------------------------------------------

// X with Decimals decimals (0..18), the decimal separator Dec and, with
// Thousands, the thousand separator Thou between groups of three digits.
String FormatFixedNumber(double X, int Decimals, bool Thousands, QChar Dec, QChar Thou);
// X in the general format: at most 15 significant digits, no trailing
// zeros, an exponent written "E" where the fixed form would not do.
String FormatGeneralNumber(double X, QChar Dec);
