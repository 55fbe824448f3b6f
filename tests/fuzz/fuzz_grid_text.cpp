// The grid's text utilities on any text.
#include "fuzz_support.h"
#include "grid/core/grid_text.h"
#include "platform/rtl/exceptions.h"
#include "support/grid_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QString t = fuzz::Utf8(Data, Size);
    const TGridFormatSettings fs = UsGridFormats();
    (void)GetTextType(t, true);
    (void)IsURLText(t);
    String s = t;
    StripURLScheme(s);
    String r;
    (void)InsertURLAnchor(t, QStringLiteral("HTTP://"), r);
    (void)LooksLikeDate(t, fs);
    (void)GetNumberType(t, fs);
    (void)CleanNumberText(t, fs);
    TPoint cell;
    (void)ParseRowColRef(t, cell);
    try {
        (void)ParseShortDateUS(t);
        (void)ParseShortDateEU(t);
    } catch (const EConvertError&) {
    }
    (void)EscapeQuotes(t);
    (void)UndoubleChar(u'"', t);
    int pos = 0;
    (void)FindClosingQuote(u'"', t, pos);
    (void)CountClosingQuotes(u'"', t);
    s = t;
    QuoteMultiLineText(s);
    s = t;
    VTToCRLF(s);
    (void)CRToBR(t);
    (void)UnescapeNewLines(EscapeNewLines(t));
    s = t;
    RemoveCRofCRLF(s);
    s = t;
    CRLFToTilde(s);
    TildeToCRLF(s);
    (void)UnpackLineBreaks(PackLineBreaks(t), true);
    (void)UnpackLineBreaks(t, false);
    s = t;
    (void)CutFirstLine(s, true);
    (void)CountLines(t, true);
    (void)StripCR(t);
    (void)CRToLF(t);
    if (DecodeWideCellText(EncodeWideCellText(t)) != t)
        __builtin_trap();
    (void)DecodeWideCellText(t);
    (void)WidePos(QStringLiteral("a"), t);
    s = t;
    MakeHTMLClipboardText(s);
    (void)PosInUpper(QStringLiteral("AB"), t);
    (void)FindPos(QStringLiteral("ab"), t, pos);
    (void)FindCharPos(u'|', t, pos);
    s = t;
    (void)CutToken(s, QStringLiteral(";"));
    (void)ToMixedCase(t);
    s = t;
    StringToOem(s);
    OemToString(s);
    String formatted;
    double v = 0;
    if (TryStrToFloat(t.left(40), v, u'.'))
        (void)TryFormatNumber(QStringLiteral("%.2f"), v, formatted);
    return 0;
}
