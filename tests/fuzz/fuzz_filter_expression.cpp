// Grid filter expressions: the first byte picks letter case and the number
// and date formats; expression and value are separated by the byte 0x1E.
#include "fuzz_support.h"
#include "grid/core/grid_filter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 1)
        return 0;
    TGridFormatSettings fs;
    const bool eu = Data[0] & 2;
    fs.DecimalSeparator = eu ? u',' : u'.';
    fs.ThousandSeparator = eu ? u'.' : u',';
    fs.DateSeparator = eu ? u'.' : u'/';
    fs.TimeSeparator = u':';
    fs.ShortDateFormat = eu ? QStringLiteral("dd.mm.yyyy") : QStringLiteral("M/d/yyyy");
    const std::vector<QByteArray> parts = fuzz::Split(Data + 1, Size - 1, 2);
    const QString expression = QString::fromUtf8(parts[0]), value = QString::fromUtf8(parts[1]);
    (void)MatchFilterExpression(expression, value, Data[0] & 1, fs);
    (void)MatchCondition(expression, value, Data[0] & 1, fs);
    int pos;
    (void)FindOperatorOutsideQuotes(QStringLiteral("(;^&|"), expression, pos);
    (void)ClosingParenPos(expression);
    TDateTime d;
    (void)ParseDateTimeText(value, d, fs);
    return 0;
}
