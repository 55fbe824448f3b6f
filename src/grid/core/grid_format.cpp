#include "grid/core/grid_format.h"

#include "platform/rtl/datetime.h"

namespace {
QChar thousandOverride;  // null: derived from the decimal separator
}

void SetGridThousandSeparator(QChar Separator) { thousandOverride = Separator; }

QChar GetGridTimeSeparator() { return FormatSettings().TimeSeparator; }
QChar GetGridDateSeparator() { return FormatSettings().DateSeparator; }
QChar GetGridDecimalSeparator() { return FormatSettings().DecimalSeparator; }
String GetGridShortDateFormat() { return FormatSettings().ShortDateFormat; }

QChar GetGridThousandSeparator()
{
    if (!thousandOverride.isNull())
        return thousandOverride;
    return GetGridDecimalSeparator() == u',' ? QChar(u'.') : QChar(u',');
}

TGridFormatSettings CurrentGridFormatSettings()
{
    TGridFormatSettings s;
    s.DecimalSeparator = GetGridDecimalSeparator();
    s.ThousandSeparator = GetGridThousandSeparator();
    s.DateSeparator = GetGridDateSeparator();
    s.TimeSeparator = GetGridTimeSeparator();
    s.ShortDateFormat = GetGridShortDateFormat();
    return s;
}
