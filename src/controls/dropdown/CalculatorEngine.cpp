#include "controls/dropdown/CalculatorEngine.h"

#include <cmath>

#include "controls/dropdown/DropDownEditModel.h"
#include "grid/core/grid_format.h"

namespace {

const String kError = QStringLiteral("Error");

bool finite(long double X) { return std::isfinite(X) && std::isfinite(double(X)); }

}  // namespace

bool CalcNumberOf(const String& D, long double& X)
{
    double v = 0;
    if (!TryStrToFloat(TDropDownEditModel::StripThousandSeparators(D), v, GetGridDecimalSeparator()))
        return false;
    X = v;
    return true;
}

void TCalculatorEngine::ZeroIfEmptyOrError()
{
    const String d = d_.Display();
    if (d.isEmpty() || d == kError)
        d_.WriteText(QStringLiteral("0"));
}

void TCalculatorEngine::ShowAccumulator() { d_.Show(double(A)); }

bool TCalculatorEngine::Calculate()
{
    ZeroIfEmptyOrError();
    long double x = 0;
    if (!CalcNumberOf(d_.Display(), x))
        return false;
    // The guarded block: a result that is not finite counts as 0.
    switch (P) {
    case coAdd: A = A + x; break;
    case coMultiply: A = A * x; break;
    case coSubtract: A = A - x; break;
    case coDivide:
        if (x == 0) {
            A = 0;
            d_.WriteText(kError);
            return true;
        }
        A = A / x;
        break;
    default: A = x; break;
    }
    if (!finite(A))
        A = 0;
    ShowAccumulator();
    N = true;
    return true;
}

void TCalculatorEngine::DoOperation(int Op)
{
    if (Calculate())
        P = Op;
}

void TCalculatorEngine::DoEquals()
{
    if (!Calculate())
        return;
    if (d_.Display().isEmpty())
        d_.WriteText(QStringLiteral("0"));
    P = coNone;
    if (d_.Display() != kError) {
        long double x = 0;
        if (CalcNumberOf(d_.Display(), x))
            A = x;
    }
}

void TCalculatorEngine::DoPercent()
{
    ZeroIfEmptyOrError();
    long double x = 0;
    if (!CalcNumberOf(d_.Display(), x))
        return;
    long double r = A * x / 100;
    if (!finite(r))
        r = 0;
    d_.WriteText(FormatGeneralNumber(double(r), GetGridDecimalSeparator()));
}

void TCalculatorEngine::Clear()
{
    d_.WriteText(QStringLiteral("0"));
    A = 0;
    P = coNone;
}

void TCalculatorEngine::SetValue(long double Value)
{
    d_.WriteText(FormatGeneralNumber(finite(Value) ? double(Value) : 0.0, GetGridDecimalSeparator()));
}

long double TCalculatorEngine::GetValue()
{
    if (d_.Display().isEmpty())
        d_.WriteText(QStringLiteral("0"));
    long double x = 0;
    return CalcNumberOf(d_.Display(), x) ? x : 0;
}

void TCalculatorEngine::Digit(int Digit)
{
    double v = d_.Value();
    if ((v == 0 && F == 0) || N) {
        d_.WriteText(QString::number(Digit));
        N = false;
        return;
    }
    if (F > 0) {
        v += double(Digit) / double(F);
        // Past 18 decimals the next digit adds nothing a double can hold.
        if (F < 1000000000000000000LL)
            F *= 10;
    } else {
        v = v * 10 + Digit;
    }
    d_.Show(std::isfinite(v) ? v : 0.0);
}

bool TCalculatorEngine::PadKey(int Tag)
{
    if ((Tag >= CalcTag::Add && Tag <= CalcTag::Sign) || (Tag >= CalcTag::Clear && Tag <= CalcTag::Percent))
        F = 0;
    const bool lengthBound = (Tag >= 0 && Tag <= 9) || Tag == CalcTag::Sign || Tag == CalcTag::Decimal;
    if (lengthBound && d_.MaxLength() > 0 && d_.Display().size() == d_.MaxLength())
        return false;
    const QChar sep = GetGridDecimalSeparator();
    switch (Tag) {
    case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 9: Digit(Tag); break;
    case CalcTag::Add: DoAdd(); break;
    case CalcTag::Subtract: DoSubtract(); break;
    case CalcTag::Multiply: DoMultiply(); break;
    case CalcTag::Divide: DoDivide(); break;
    case CalcTag::Sign: {
        String d = d_.Display();
        if (d.contains(u'-'))
            d.remove(0, 1);
        else
            d.prepend(u'-');
        d_.WriteText(d);
        break;
    }
    case CalcTag::Decimal:
        if (!d_.Display().contains(sep))
            d_.WriteText(d_.Display() + sep);
        F = 10;
        if (N)
            d_.WriteText(QStringLiteral("0"));
        N = false;
        break;
    case CalcTag::Clear:
    case CalcTag::On:
    case CalcTag::ClearEntry: Clear(); break;
    case CalcTag::Equals: DoEquals(); break;
    case CalcTag::Percent: DoPercent(); break;
    case CalcTag::Back:
        if (P == coNone) {
            String g = FormatGeneralNumber(d_.Value(), sep);
            g.chop(1);
            d_.WriteText(g);
        }
        break;
    case CalcTag::MemoryClear: M = 0; break;
    case CalcTag::MemoryRecall: d_.Show(double(M)); break;
    case CalcTag::MemoryStore: {
        long double x = 0;
        if (CalcNumberOf(d_.Display(), x))
            M = x;
        break;
    }
    case CalcTag::MemoryAdd: {
        long double x = 0;
        if (CalcNumberOf(d_.Display(), x) && finite(M + x))
            M = M + x;
        break;
    }
    case CalcTag::Sqrt: {
        const double v = d_.Value();
        if (v >= 0)
            d_.Show(std::sqrt(v));
        else
            d_.WriteText(kError);
        break;
    }
    case CalcTag::Reciprocal: {
        const double v = d_.Value();
        if (v != 0 && std::isfinite(1 / v))
            d_.Show(1 / v);
        else
            d_.WriteText(kError);
        break;
    }
    default: return false;
    }
    return true;
}
