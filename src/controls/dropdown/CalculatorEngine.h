#pragma once
// The calculator of the calculator drop-down, without a window: a pocket
// calculator with an accumulator A, a pending operation P, a new-number
// flag N, a decimal divisor F and a memory M over a display D.
//
// D lives in the drop-down's edit; the engine reads and writes it through
// TCalculatorDisplay, so that every text written goes through the edit's
// Text writer (which formats numbers with Precision decimals) and every
// number shown through its float writer. Tests give it a display over the
// pure edit model.
//
// Rules of this engine:
// - "the number of D" is D without thousand separators, read strictly in
//   the current decimal separator; "the value of D" is the edit's tolerant
//   reading (0 for an empty text, "Error" or a lone minus).
// - nothing raises: an operation that needs the number of D and finds D is
//   no number does nothing (A, P, M and D stay as they were).
// - the accumulator is a long double; a result that is not finite (an
//   overflow, an invalid operation) counts as 0.
// - division by zero, the square root of a negative value and the
//   reciprocal of 0 show "Error".
#include <cstdint>

#include "platform/rtl/strings.h"

class TCalculatorDisplay {
public:
    virtual ~TCalculatorDisplay() = default;
    // D: the edit's value.
    virtual String Display() = 0;
    // The edit's Text writer (formats by the edit type).
    virtual void WriteText(const String& Value) = 0;
    // The edit's float writer.
    virtual void Show(double Value) = 0;
    // The edit's tolerant reading of D.
    virtual double Value() = 0;
    // The edit's maximum length (0: none).
    virtual int MaxLength() = 0;
};

// The pending operations (P) and their codes.
enum TCalcOperation { coNone = -1, coAdd = 0, coMultiply = 1, coSubtract = 2, coDivide = 3 };

// The key pad's tags.
namespace CalcTag {
constexpr int Add = 10, Subtract = 11, Multiply = 12, Divide = 13, Sign = 14, Decimal = 15, Clear = 16,
              Equals = 17, Percent = 18, On = 30, Back = 31, ClearEntry = 32, MemoryClear = 33,
              MemoryRecall = 34, MemoryStore = 35, MemoryAdd = 36, Sqrt = 37, Reciprocal = 38;
}

// D without thousand separators read strictly (the current separators);
// false when it is no number.
bool CalcNumberOf(const String& D, long double& X);

class TCalculatorEngine {
public:
    explicit TCalculatorEngine(TCalculatorDisplay& Display) : d_(Display) {}

    long double A = 0;  // the accumulator
    int P = coNone;     // the pending operation
    bool N = false;     // the next digit starts a new number
    int64_t F = 0;      // divisor of the next decimal digit (0: whole digits)
    long double M = 0;  // the memory

    // The pending operation with the number of D; false (nothing changed)
    // when D is no number.
    bool Calculate();
    void DoAdd() { DoOperation(coAdd); }
    void DoSubtract() { DoOperation(coSubtract); }
    void DoMultiply() { DoOperation(coMultiply); }
    void DoDivide() { DoOperation(coDivide); }
    void DoEquals();
    void DoPercent();
    // D "0", A 0, P none (N and M stay).
    void Clear();
    // A key of the pad by its tag; false when the key was ignored (a digit,
    // sign or point with D at MaxLength; an unknown tag).
    bool PadKey(int Tag);
    // Value (write): Value in the general format through the Text writer.
    void SetValue(long double Value);
    // Value (read): an empty D becomes "0" first; 0 when D is no number.
    long double GetValue();

    // The popup opens: a new number starts, whole digits first.
    void Opened()
    {
        N = true;
        F = 0;
    }

private:
    void DoOperation(int Op);
    void Digit(int Digit);
    void ShowAccumulator();
    // An empty D or "Error" becomes "0".
    void ZeroIfEmptyOrError();

    TCalculatorDisplay& d_;
};
