// The typed input of the time picker and the calculator: the text is read
// as a typed time (with and without seconds, every caret position), and
// the bytes drive the calculator's keys over a display that starts with
// the text. Nothing may raise; a typed time is always in range; the
// calculator's accumulator and memory stay finite.
#include <cmath>
#include <cstdlib>

#include "controls/dropdown/CalculatorEngine.h"
#include "controls/dropdown/DropDownEditModel.h"
#include "controls/dropdown/TimeText.h"
#include "fuzz_support.h"
#include "platform/rtl/datetime.h"

namespace {

struct ModelDisplay : TCalculatorDisplay {
    TDropDownEditModel M;
    String Display() override { return M.Value(); }
    void WriteText(const String& V) override { M.SetText(V); }
    void Show(double V) override { M.SetFloatValue(V); }
    double Value() override { return M.GetFloatValue(); }
    int MaxLength() override { return M.MaxLength; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size == 0)
        return 0;
    const uint8_t set = Data[0];
    FormatSettings().DecimalSeparator = (set & 0x80) ? u',' : u'.';
    SetGridThousandSeparator(QChar());
    const QString text = fuzz::Utf8(Data + 1, Size - 1);

    for (const bool seconds : {false, true}) {
        TTimeParts t;
        bool rewrite = false;
        if (ReadTypedTime(text, seconds, u':', t, rewrite) == tvTime &&
            (t.Hour < 0 || t.Hour > 23 || t.Minute < 0 || t.Minute > 59 || t.Second < 0 || t.Second > 59))
            std::abort();
        for (int caret = 0; caret <= text.size() && caret < 64; ++caret)
            (void)TimePartAtCaret(text, caret, seconds, u':');
    }

    ModelDisplay d;
    d.M.EditType = (set & 0x40) ? etMoney : etFloat;
    d.M.Precision = int(set & 3);
    d.M.MaxLength = (set & 0x20) ? 6 : 0;
    d.M.SetText(text.left(40));
    TCalculatorEngine calc(d);
    for (size_t i = 1; i < Size; ++i) {
        calc.PadKey(int(Data[i] % 40));
        if (!std::isfinite(calc.A) || !std::isfinite(calc.M))
            std::abort();
    }
    (void)calc.GetValue();
    return 0;
}
