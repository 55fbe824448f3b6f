// The formatted-text renderer on any text: painting, sizing and hit testing,
// with and without word wrapping, each call ending with sane results and the
// canvas as it was.
#include <QGuiApplication>

#include "fuzz_support.h"
#include "grid/render/html/html_draw.h"
#include "platform/gui/bitmap.h"

namespace {

QGuiApplication& application()
{
    static int argc = 1;
    static char name[] = "fuzz_html_draw";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

}  // namespace

// Font names from the text reach fontconfig, whose pattern caches live for
// the process: not leaks of this program.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    application();
    const QString text = fuzz::Utf8(Data, Size);
    static TBitmap page(160, 80);
    TCanvas& c = page.Canvas();
    c.Font().SetColor(clBlack);
    c.Brush().SetColor(clWhite);
    c.Pen().SetWidth(1);
    const TRect rect = Rect(0, 0, 160, 80);
    const int gh = c.TextHeight("gh");
    for (bool wrap : {false, true})
        for (int mode = 0; mode < 3; ++mode) {
            THTMLDrawOptions o;
            o.WrapWords = wrap;
            o.MeasureOnly = mode == 1;
            o.HitTestOnly = mode == 2;
            o.HitX = 20;
            o.HitY = 8;
            o.HitControlId = "e";
            o.FocusAnchorIndex = 0;
            const THTMLDrawResult r = DrawHTMLText(c, text, rect, o);
            if (r.LaidOutWidth < 0 || r.LaidOutHeight < gh || r.AnchorCount < 0 || (o.MeasureOnly && r.Hit))
                __builtin_trap();
            if (r.PlainText.size() > text.size())
                __builtin_trap();
            if (c.Font().Color() != clBlack || c.Brush().Color() != clWhite || c.Pen().Width() != 1 ||
                c.Font().Style() != TFontStyles())
                __builtin_trap();
        }
    return 0;
}
