// The formatted-text renderer and its text utilities, each next to a Qt
// baseline in the same run:
// - DrawHTMLText painting and sizing (MeasureOnly) generated formatted texts
//   of 1, 10 and 100 KB (fonts, colours, links, line breaks, words wrapped
//   at 600 pixels), next to QTextDocument (setHtml, layout and drawContents
//   of the same markup in Qt's HTML; setHtml and layout for sizing);
// - HTMLToPlainText and HTMLEncodeText of 1 MB, next to one
//   QString::replace pass over the same text.
// Five repetitions each, the minimum reported. The report ends with the
// ratios: renderer / QTextDocument at each size (target: below 1), 100 KB /
// 10 KB for each (target: at most 11), utilities / replace (target: below 3).
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <cstdio>
#include <map>
#include <string>

#include "bench_main.h"
#include "grid/render/html/html_draw.h"
#include "grid/render/html/html_text.h"
#include "platform/gui/bitmap.h"

namespace {

constexpr int PageWidth = 600;
constexpr int PageHeight = 400;

// One paragraph of the renderer's markup and the same in Qt's HTML.
const QString OurPiece = QStringLiteral(
    "Rule <B>%1</B> maps <I>register</I> words to <FONT COLOR=\"#C00000\">process data</FONT> with "
    "<A HREF=\"rule%1\">details</A> &amp; notes <U>underlined</U> and some plain words that wrap<BR>");
const QString QtPiece = QStringLiteral(
    "Rule <b>%1</b> maps <i>register</i> words to <font color=\"#C00000\">process data</font> with "
    "<a href=\"rule%1\">details</a> &amp; notes <u>underlined</u> and some plain words that wrap<br>");

QString generate(const QString& Piece, int Bytes)
{
    QString s;
    for (int i = 0; s.size() < Bytes; ++i)
        s += Piece.arg(i);
    return s;
}

const QString& ourText(int KB)
{
    static std::map<int, QString> texts;
    auto it = texts.find(KB);
    if (it == texts.end())
        it = texts.emplace(KB, generate(OurPiece, KB * 1024)).first;
    return it->second;
}

const QString& qtText(int KB)
{
    static std::map<int, QString> texts;
    auto it = texts.find(KB);
    if (it == texts.end())
        it = texts.emplace(KB, generate(QtPiece, KB * 1024)).first;
    return it->second;
}

// The whole text is laid out: the rectangle is as tall as the text needs;
// the page clips what lies below it.
constexpr int Tall = 1 << 28;

void BM_Html_Paint(benchmark::State& State)
{
    const QString& text = ourText(int(State.range(0)));
    TBitmap page(PageWidth, PageHeight);
    THTMLDrawOptions o;
    o.WrapWords = true;
    for (auto _ : State) {
        page.Canvas().Brush().SetColor(clWhite);
        page.Canvas().FillRect(Rect(0, 0, PageWidth, PageHeight));
        benchmark::DoNotOptimize(DrawHTMLText(page.Canvas(), text, Rect(0, 0, PageWidth, Tall), o));
    }
}

void BM_Html_Baseline_QTextDocument_Paint(benchmark::State& State)
{
    const QString& text = qtText(int(State.range(0)));
    QImage page(PageWidth, PageHeight, QImage::Format_RGB32);
    for (auto _ : State) {
        page.fill(Qt::white);
        QTextDocument doc;
        doc.setDefaultFont(TFont().ToQFont());
        doc.setTextWidth(PageWidth);
        doc.setHtml(text);
        QPainter p(&page);
        doc.drawContents(&p);
        benchmark::DoNotOptimize(doc.size());
    }
}

void BM_Html_Measure(benchmark::State& State)
{
    const QString& text = ourText(int(State.range(0)));
    TBitmap page(PageWidth, PageHeight);
    THTMLDrawOptions o;
    o.WrapWords = true;
    o.MeasureOnly = true;
    for (auto _ : State)
        benchmark::DoNotOptimize(DrawHTMLText(page.Canvas(), text, Rect(0, 0, PageWidth, PageHeight), o));
}

void BM_Html_Baseline_QTextDocument_Measure(benchmark::State& State)
{
    const QString& text = qtText(int(State.range(0)));
    for (auto _ : State) {
        QTextDocument doc;
        doc.setDefaultFont(TFont().ToQFont());
        doc.setTextWidth(PageWidth);
        doc.setHtml(text);
        benchmark::DoNotOptimize(doc.documentLayout()->documentSize());
    }
}

#define SIZES ->Arg(1)->Arg(10)->Arg(100)->Apply(Repeated)
BENCHMARK(BM_Html_Paint) SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Html_Baseline_QTextDocument_Paint) SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Html_Measure) SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Html_Baseline_QTextDocument_Measure) SIZES->Unit(benchmark::kMillisecond);

const QString& megabyte()
{
    static const QString s = generate(OurPiece, 1 << 20);
    return s;
}

void BM_Util_ToPlainText(benchmark::State& State)
{
    for (auto _ : State)
        benchmark::DoNotOptimize(HTMLToPlainText(megabyte()));
}
void BM_Util_EncodeText(benchmark::State& State)
{
    for (auto _ : State)
        benchmark::DoNotOptimize(HTMLEncodeText(megabyte(), true));
}
void BM_Util_Baseline_Replace(benchmark::State& State)
{
    for (auto _ : State) {
        QString s = megabyte();
        benchmark::DoNotOptimize(s.replace(u'&', QLatin1String("&amp;")));
    }
}
BENCHMARK(BM_Util_ToPlainText)->Apply(Repeated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Util_EncodeText)->Apply(Repeated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Util_Baseline_Replace)->Apply(Repeated)->Unit(benchmark::kMillisecond);

// Prints the usual table and keeps the minimum of every benchmark and size.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& Runs) override
    {
        ConsoleReporter::ReportRuns(Runs);
        for (const Run& r : Runs)
            if (r.aggregate_name == "min")
                min_[r.run_name.function_name][r.run_name.args] = r.GetAdjustedRealTime();
    }
    double At(const std::string& Name, const std::string& Arg) const
    {
        auto a = min_.find(Name);
        if (a == min_.end())
            return 0;
        auto b = a->second.find(Arg);
        return b == a->second.end() ? 0 : b->second;
    }
    void PrintRatios() const
    {
        auto ratio = [](double A, double B) { return B > 0 ? A / B : 0.0; };
        std::printf("\nMinimum of 5. Renderer / QTextDocument (target below 1):\n");
        for (const char* kb : {"1", "10", "100"}) {
            std::printf("  paint   %3s KB %6.2f\n", kb,
                        ratio(At("BM_Html_Paint", kb), At("BM_Html_Baseline_QTextDocument_Paint", kb)));
            std::printf("  measure %3s KB %6.2f\n", kb,
                        ratio(At("BM_Html_Measure", kb), At("BM_Html_Baseline_QTextDocument_Measure", kb)));
        }
        std::printf("100 KB / 10 KB (target at most 11):\n");
        for (const char* name : {"BM_Html_Paint", "BM_Html_Measure", "BM_Html_Baseline_QTextDocument_Paint",
                                 "BM_Html_Baseline_QTextDocument_Measure"})
            std::printf("  %-40s %6.2f\n", name, ratio(At(name, "100"), At(name, "10")));
        std::printf("1 MB utilities / one QString::replace pass (target below 3):\n");
        std::printf("  HTMLToPlainText %6.2f\n", ratio(At("BM_Util_ToPlainText", ""), At("BM_Util_Baseline_Replace", "")));
        std::printf("  HTMLEncodeText  %6.2f\n", ratio(At("BM_Util_EncodeText", ""), At("BM_Util_Baseline_Replace", "")));
    }

private:
    std::map<std::string, std::map<std::string, double>> min_;
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
