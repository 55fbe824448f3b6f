// The formatted-text renderer and its text utilities, each next to a Qt
// baseline in the same run:
// - DrawHTMLText painting and sizing (MeasureOnly) generated formatted texts
//   of 1, 10 and 100 KB (fonts, colours, links, line breaks, words wrapped
//   at 600 pixels), next to QTextDocument (setHtml, layout and drawContents
//   of the same markup in Qt's HTML; setHtml and layout for sizing), both
//   drawing what a 600 x 400 page shows;
// - sizing the same kind of text with every word distinct at 10, 100 and
//   1000 KB (more words than the font remembers widths for);
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
#include <utility>

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
// The same with every word made distinct: more words than the font
// remembers widths for, so every word is measured afresh.
const QString OurDistinctPiece = QStringLiteral(
    "Rule%1 <B>%1</B> maps%1 <I>register%1</I> words%1 to%1 <FONT COLOR=\"#C00000\">process%1 data%1</FONT> "
    "with%1 <A HREF=\"rule%1\">details%1</A> &amp; notes%1 <U>underlined%1</U> and%1 some%1 plain%1 words%1 "
    "that%1 wrap%1<BR>");
const QString QtDistinctPiece = QStringLiteral(
    "Rule%1 <b>%1</b> maps%1 <i>register%1</i> words%1 to%1 <font color=\"#C00000\">process%1 data%1</font> "
    "with%1 <a href=\"rule%1\">details%1</a> &amp; notes%1 <u>underlined%1</u> and%1 some%1 plain%1 words%1 "
    "that%1 wrap%1<br>");

QString generate(const QString& Piece, int Bytes)
{
    QString s;
    for (int i = 0; s.size() < Bytes; ++i)
        s += Piece.arg(i);
    return s;
}

// The generated text of Piece, KB kilobytes long, made once.
const QString& textOf(const QString& Piece, int KB)
{
    static std::map<std::pair<const QString*, int>, QString> texts;
    const auto key = std::make_pair(&Piece, KB);
    auto it = texts.find(key);
    if (it == texts.end())
        it = texts.emplace(key, generate(Piece, KB * 1024)).first;
    return it->second;
}

const QString& ourText(int KB) { return textOf(OurPiece, KB); }
const QString& qtText(int KB) { return textOf(QtPiece, KB); }

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
        // Both draw what the page shows: the document skips the blocks
        // outside the page as the renderer skips the runs outside it.
        doc.drawContents(&p, QRectF(0, 0, PageWidth, PageHeight));
        benchmark::DoNotOptimize(doc.size());
    }
}


// Sizing Piece's text next to QTextDocument sizing QtPiece's.
void measureText(benchmark::State& State, const QString& Text)
{
    TBitmap page(PageWidth, PageHeight);
    THTMLDrawOptions o;
    o.WrapWords = true;
    o.MeasureOnly = true;
    for (auto _ : State)
        benchmark::DoNotOptimize(DrawHTMLText(page.Canvas(), Text, Rect(0, 0, PageWidth, PageHeight), o));
}

void measureDocument(benchmark::State& State, const QString& Text)
{
    for (auto _ : State) {
        QTextDocument doc;
        doc.setDefaultFont(TFont().ToQFont());
        doc.setTextWidth(PageWidth);
        doc.setHtml(Text);
        benchmark::DoNotOptimize(doc.documentLayout()->documentSize());
    }
}

void BM_Html_MeasureDistinct(benchmark::State& State) { measureText(State, textOf(OurDistinctPiece, int(State.range(0)))); }
void BM_Html_Baseline_QTextDocument_MeasureDistinct(benchmark::State& State)
{
    measureDocument(State, textOf(QtDistinctPiece, int(State.range(0))));
}

void BM_Html_Measure(benchmark::State& State) { measureText(State, ourText(int(State.range(0)))); }
void BM_Html_Baseline_QTextDocument_Measure(benchmark::State& State)
{
    measureDocument(State, qtText(int(State.range(0))));
}

#define SIZES ->Arg(1)->Arg(10)->Arg(100)->Apply(Repeated)
BENCHMARK(BM_Html_Paint) SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Html_Baseline_QTextDocument_Paint) SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Html_Measure) SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Html_Baseline_QTextDocument_Measure) SIZES->Unit(benchmark::kMillisecond);
#define DISTINCT_SIZES ->Arg(10)->Arg(100)->Arg(1000)->Apply(Repeated)
BENCHMARK(BM_Html_MeasureDistinct) DISTINCT_SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Html_Baseline_QTextDocument_MeasureDistinct) DISTINCT_SIZES->Unit(benchmark::kMillisecond);

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
        std::printf("Every word distinct: sizing / QTextDocument, and the growth per 10 times the text (the\n"
                    "10 KB text fits the font's memory of widths, the larger ones do not):\n");
        for (const char* kb : {"10", "100", "1000"})
            std::printf("  measure %4s KB %6.2f\n", kb,
                        ratio(At("BM_Html_MeasureDistinct", kb), At("BM_Html_Baseline_QTextDocument_MeasureDistinct", kb)));
        std::printf("  100 KB / 10 KB %6.2f, 1000 KB / 100 KB %6.2f (QTextDocument %6.2f, %6.2f)\n",
                    ratio(At("BM_Html_MeasureDistinct", "100"), At("BM_Html_MeasureDistinct", "10")),
                    ratio(At("BM_Html_MeasureDistinct", "1000"), At("BM_Html_MeasureDistinct", "100")),
                    ratio(At("BM_Html_Baseline_QTextDocument_MeasureDistinct", "100"),
                          At("BM_Html_Baseline_QTextDocument_MeasureDistinct", "10")),
                    ratio(At("BM_Html_Baseline_QTextDocument_MeasureDistinct", "1000"),
                          At("BM_Html_Baseline_QTextDocument_MeasureDistinct", "100")));
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
