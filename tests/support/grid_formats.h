#pragma once
// The number and date settings the grid tests, harnesses and benchmarks read
// texts with: '.' decimals, ',' thousands, M/d/yyyy dates, ':' times.
#include "grid/core/grid_text.h"

inline TGridFormatSettings UsGridFormats()
{
    TGridFormatSettings f;
    f.DecimalSeparator = u'.';
    f.ThousandSeparator = u',';
    f.DateSeparator = u'/';
    f.TimeSeparator = u':';
    f.ShortDateFormat = QStringLiteral("M/d/yyyy");
    return f;
}
