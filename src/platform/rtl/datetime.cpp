#include "platform/rtl/datetime.h"

#include <QDateTime>

#include <cmath>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/strings.h"

static const char* const kShortMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
static const char* const kLongMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                            "July",    "August",   "September", "October", "November", "December"};
static const char* const kShortDays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
static const char* const kLongDays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};

// Day 0 of TDateTime is 1899-12-30, Julian day 2415019.
static constexpr int64_t kJulianOfZero = 2415019;
static constexpr double kMSecsPerDay = 86400000.0;

bool IsLeapYear(int Year) { return (Year % 4 == 0) && (Year % 100 != 0 || Year % 400 == 0); }

int DaysInMonth(int Year, int Month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month < 1 || Month > 12)
        return 0;
    return Month == 2 && IsLeapYear(Year) ? 29 : days[Month - 1];
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Value)
{
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInMonth(Year, Month))
        return false;
    Value = static_cast<double>(QDate(Year, Month, Day).toJulianDay() - kJulianOfZero);
    return true;
}

TDateTime EncodeDate(int Year, int Month, int Day)
{
    TDateTime v;
    if (!TryEncodeDate(Year, Month, Day, v))
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return v;
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Value)
{
    if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999)
        return false;
    Value = (((Hour * 60.0 + Min) * 60.0 + Sec) * 1000.0 + MSec) / kMSecsPerDay;
    return true;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec)
{
    TDateTime v;
    if (!TryEncodeTime(Hour, Min, Sec, MSec, v))
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return v;
}

// Splits a value into whole days and milliseconds of the day. Negative values
// keep a positive time part: -1.25 is the day -1 at 06:00.
static void split(TDateTime Value, int64_t& Day, int64_t& MSec)
{
    const double whole = std::trunc(Value);
    const double frac = std::fabs(Value - whole);
    Day = static_cast<int64_t>(whole);
    MSec = static_cast<int64_t>(std::llround(frac * kMSecsPerDay));
    if (MSec >= 86400000) {
        MSec -= 86400000;
        Day += Value < 0 ? -1 : 1;
    }
}

void DecodeDate(TDateTime Value, int& Year, int& Month, int& Day)
{
    int64_t day, msec;
    split(Value, day, msec);
    const QDate d = QDate::fromJulianDay(day + kJulianOfZero);
    Year = d.year();
    Month = d.month();
    Day = d.day();
}

void DecodeTime(TDateTime Value, int& Hour, int& Min, int& Sec, int& MSec)
{
    int64_t day, ms;
    split(Value, day, ms);
    Hour = static_cast<int>(ms / 3600000);
    Min = static_cast<int>(ms / 60000 % 60);
    Sec = static_cast<int>(ms / 1000 % 60);
    MSec = static_cast<int>(ms % 1000);
}

int CompareDateTime(TDateTime A, TDateTime B)
{
    int64_t dayA, msA, dayB, msB;
    split(A, dayA, msA);
    split(B, dayB, msB);
    const int64_t a = dayA * 86400000 + msA, b = dayB * 86400000 + msB;
    return a < b ? -1 : a > b ? 1 : 0;
}

int DayOfWeek(TDateTime Value)
{
    int64_t day, ms;
    split(Value, day, ms);
    // Day 0 was a Saturday.
    const int64_t w = ((day + 6) % 7 + 7) % 7;  // 0 = Sunday
    return static_cast<int>(w) + 1;
}

TDateTime DateTimeFromQt(const QDateTime& Value)
{
    TDateTime d = static_cast<double>(Value.date().toJulianDay() - kJulianOfZero);
    const double t = Value.time().msecsSinceStartOfDay() / kMSecsPerDay;
    return d >= 0 ? d + t : d - t;
}

QDateTime DateTimeToQt(TDateTime Value)
{
    int64_t day, ms;
    split(Value, day, ms);
    return QDateTime(QDate::fromJulianDay(day + kJulianOfZero), QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

TDateTime Now() { return DateTimeFromQt(QDateTime::currentDateTime()); }
TDateTime Date() { return std::trunc(Now()); }
TDateTime Time() { return Now() - Date(); }

TFormatSettings& FormatSettings()
{
    static TFormatSettings settings;
    return settings;
}

static QString pad(int v, int width) { return QString::number(v).rightJustified(width, u'0'); }

QString FormatDateTime(const QString& Format, TDateTime Value)
{
    int y, mo, d, h, mi, s, ms;
    DecodeDate(Value, y, mo, d);
    DecodeTime(Value, h, mi, s, ms);
    const TFormatSettings& fs = FormatSettings();
    QString r;
    const int n = static_cast<int>(Format.size());
    bool lastWasHour = false;
    auto run = [&](int i, QChar c) {
        int k = i;
        while (k < n && Format[k].toLower() == c)
            ++k;
        return k - i;
    };
    for (int i = 0; i < n;) {
        const QChar c = Format[i];
        const QChar lc = c.toLower();
        if (c == u'"' || c == u'\'') {
            int k = i + 1;
            while (k < n && Format[k] != c)
                r += Format[k++];
            i = k + 1;
            continue;
        }
        if (Format.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0) {
            r += h < 12 ? QStringLiteral("am") : QStringLiteral("pm");
            if (Format[i].isUpper())
                r.chop(2), r += h < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
            i += 5;
            continue;
        }
        const int len = run(i, lc);
        if (lc == u'y') {
            r += len <= 2 ? pad(y % 100, 2) : pad(y, 4);
            lastWasHour = false;
        } else if (lc == u'm') {
            if (lastWasHour && len <= 2)  // "hh:mm" means minutes
                r += len == 2 ? pad(mi, 2) : QString::number(mi);
            else if (len == 1)
                r += QString::number(mo);
            else if (len == 2)
                r += pad(mo, 2);
            else if (len == 3)
                r += QLatin1String(kShortMonths[mo - 1]);
            else
                r += QLatin1String(kLongMonths[mo - 1]);
            lastWasHour = false;
        } else if (lc == u'd') {
            const int w = DayOfWeek(Value) - 1;
            if (len == 1)
                r += QString::number(d);
            else if (len == 2)
                r += pad(d, 2);
            else if (len == 3)
                r += QLatin1String(kShortDays[w]);
            else
                r += QLatin1String(kLongDays[w]);
            lastWasHour = false;
        } else if (lc == u'h') {
            r += len >= 2 ? pad(h, 2) : QString::number(h);
            lastWasHour = true;
        } else if (lc == u'n') {
            r += len >= 2 ? pad(mi, 2) : QString::number(mi);
        } else if (lc == u's') {
            r += len >= 2 ? pad(s, 2) : QString::number(s);
        } else if (lc == u'z') {
            r += len >= 3 ? pad(ms, 3) : QString::number(ms);
        } else if (c == u'/') {
            r += fs.DateSeparator;
        } else if (c == u':') {
            r += fs.TimeSeparator;
        } else {
            r += QString(len, c);
        }
        i += len;
    }
    return r;
}

QString DateToStr(TDateTime Value) { return FormatDateTime(FormatSettings().ShortDateFormat, Value); }
QString TimeToStr(TDateTime Value) { return FormatDateTime(FormatSettings().LongTimeFormat, Value); }

QString DateTimeToStr(TDateTime Value)
{
    const double frac = Value - std::trunc(Value);
    if (frac == 0)
        return DateToStr(Value);
    return DateToStr(Value) + u' ' + TimeToStr(Value);
}

// Splits at the separator into decimal-digit fields.
static bool fields(const QString& S, QChar Sep, int Min, int Max, int* Out, int& Count)
{
    const QStringList parts = Trim(S).split(Sep);
    Count = static_cast<int>(parts.size());
    if (Count < Min || Count > Max)
        return false;
    for (int i = 0; i < Count; ++i)
        if (!TryStrToDecimalDigits(Trim(parts[i]), Out[i]))
            return false;
    return true;
}

bool TryStrToDate(const QString& S, TDateTime& Value)
{
    const TFormatSettings& fs = FormatSettings();
    int f[3], count;
    if (!fields(S, fs.DateSeparator, 3, 3, f, count))
        return false;
    // Field order follows the short date format.
    const QString order = fs.ShortDateFormat.toLower();
    const int pd = static_cast<int>(order.indexOf(u'd')), pm = static_cast<int>(order.indexOf(u'm')),
              py = static_cast<int>(order.indexOf(u'y'));
    int idx[3] = {0, 1, 2};  // positions of d, m, y
    const int pos[3] = {pd, pm, py};
    for (int a = 0; a < 3; ++a) {
        idx[a] = 0;
        for (int b = 0; b < 3; ++b)
            if (pos[b] < pos[a])
                ++idx[a];
    }
    int year = f[idx[2]];
    if (year < 100)
        year += 2000;
    return TryEncodeDate(year, f[idx[1]], f[idx[0]], Value);
}

bool TryStrToTime(const QString& S, TDateTime& Value)
{
    int f[3] = {0, 0, 0}, count;
    if (!fields(S, FormatSettings().TimeSeparator, 2, 3, f, count))
        return false;
    return TryEncodeTime(f[0], f[1], count == 3 ? f[2] : 0, 0, Value);
}

TDateTime StrToDate(const QString& S)
{
    TDateTime v;
    if (!TryStrToDate(S, v))
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(S));
    return v;
}

TDateTime StrToTime(const QString& S)
{
    TDateTime v;
    if (!TryStrToTime(S, v))
        throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(S));
    return v;
}
