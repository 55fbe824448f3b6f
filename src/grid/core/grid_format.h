#pragma once
// The number and date formats the grid's text routines read.
//
// Every routine that depends on a separator or on the short date format
// takes a TGridFormatSettings as its last argument; the default is the
// current settings, read afresh at each call, so a change of the program's
// formats is seen by the next call and tests can pass fixed settings.
#include <QChar>

#include "platform/rtl/strings.h"

struct TGridFormatSettings {
    QChar DecimalSeparator = u'.';
    QChar ThousandSeparator = u',';
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    // Pattern letters d, m, y (any case) as in FormatDateTime.
    String ShortDateFormat = QStringLiteral("dd/mm/yyyy");
};

// The current settings: the decimal, date and time separators and the short
// date format of the program's formats (FormatSettings()), and the grid's
// thousand separator.
TGridFormatSettings CurrentGridFormatSettings();

// The program's formats carry no thousand separator; the grid keeps its own.
// By default it is "." when the decimal separator is "," and "," otherwise;
// a null character restores that default.
void SetGridThousandSeparator(QChar Separator);

QChar GetGridTimeSeparator();
QChar GetGridDateSeparator();
QChar GetGridThousandSeparator();
QChar GetGridDecimalSeparator();
String GetGridShortDateFormat();
