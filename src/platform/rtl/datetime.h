#pragma once
// TDateTime: days since 1899-12-30 as a double; the fraction is the time of
// day. Negative values count back from that day with a positive fraction.
#include <QString>

#include <cstdint>

using TDateTime = double;

// Raise EConvertError for an invalid date or time.
TDateTime EncodeDate(int Year, int Month, int Day);
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Value);
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Value);
void DecodeDate(TDateTime Value, int& Year, int& Month, int& Day);
void DecodeTime(TDateTime Value, int& Hour, int& Min, int& Sec, int& MSec);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime Value);
// -1, 0 or 1 as A lies before, at or after B in time (to the millisecond).
// Before 1899-12-30 the serial numbers do not order the times of a day
// (18:00 is -1.75, 06:00 is -1.25), so values are never compared as numbers.
int CompareDateTime(TDateTime A, TDateTime B);
bool IsLeapYear(int Year);
int DaysInMonth(int Year, int Month);

TDateTime Now();
TDateTime Date();
TDateTime Time();

// Format letters: yyyy, yy, m, mm, mmm, mmmm, d, dd, ddd, dddd, h, hh, n, nn,
// s, ss, z, zzz, am/pm, "/" (DateSeparator) and ":" (TimeSeparator); text in
// double or single quotes is copied.
QString FormatDateTime(const QString& Format, TDateTime Value);

// The process-wide formats used by DateToStr, TimeToStr, DateTimeToStr and
// StrToDate/StrToTime.
struct TFormatSettings {
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    QChar DecimalSeparator = u'.';
    QString ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    QString LongTimeFormat = QStringLiteral("hh:nn:ss");
};
TFormatSettings& FormatSettings();

QString DateToStr(TDateTime Value);
QString TimeToStr(TDateTime Value);
QString DateTimeToStr(TDateTime Value);
// Parse in the order of ShortDateFormat (d, m, y) / hours:minutes[:seconds].
bool TryStrToDate(const QString& S, TDateTime& Value);
bool TryStrToTime(const QString& S, TDateTime& Value);
TDateTime StrToDate(const QString& S);
TDateTime StrToTime(const QString& S);

// Conversion to and from Qt's date-time (local time).
TDateTime DateTimeFromQt(const class QDateTime& Value);
class QDateTime DateTimeToQt(TDateTime Value);
