// Number conversions of texts from files and fields: the integer rules, the
// decimal-digits rule, floats under both separators, and row Lengths as the
// layout reads them.
#include "app/core/Helpers.h"
#include "app/core/ULanguage.h"
#include "ethercat/model/EtherCAT_Layout.h"
#include "fuzz_support.h"
#include "platform/rtl/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static const bool init = [] {
        Load_Default_Lang();
        return true;
    }();
    (void)init;
    const QString t = fuzz::Utf8(Data, Size);
    int i = 0;
    int64_t i64 = 0;
    if (TryStrToInt(t, i))
        (void)IntToStr(i);
    if (TryStrToInt64(t, i64))
        (void)IntToHex(i64, 8);
    (void)StrToIntDef(t, -1);
    (void)TryStrToDecimalDigits(t, i);
    double d = 0;
    for (QChar sep : {QChar(u'.'), QChar(u',')}) {
        if (TryStrToFloat(t, d, sep)) {
            (void)FloatToStr(d, sep);
            (void)FloatToStrF(d, 7, sep);
        }
        float f = 0;
        (void)Str_To_Float_Sep(t, sep, f);
    }
    // Every line a row "Type Length" of the layout.
    std::vector<TLayout_Row> rows;
    for (const QString& line : t.split(u'\n')) {
        const qsizetype blank = line.indexOf(u' ');
        rows.push_back({true, line.left(blank), blank < 0 ? QString() : line.mid(blank + 1)});
        (void)Type_Bytes(Find_EtherCAT_Type(rows.back().Type), rows.back().Length);
        if (rows.size() >= 300)
            break;
    }
    int size = 0;
    try {
        Calc_Position_Bit(rows, &size);
    } catch (const EConvertError&) {
    }
    return 0;
}
