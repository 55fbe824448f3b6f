// One screen of a grid, 12 columns x 23 rows = 276 cells of 64 x 20 pixels,
// drawn the way the grid library draws its cells: through TCanvas (a fill,
// the right and bottom lines with the pen, the text: TextRect in the fixed
// cells, DrawText with single line, vertical centre and end ellipsis in the
// others), next to the same fills, lines and texts drawn with plain
// QPainter calls. Every third text is too wide for its cell.
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <vector>

#include "bench_main.h"
#include "platform/gui/canvas.h"

namespace {

constexpr int Cols = 12;
constexpr int Rows = 23;
constexpr int CellW = 64;
constexpr int CellH = 20;

struct Cell {
    TRect R;  // without the lines right and below
    QString Text;
    bool Fixed;
    bool Selected;
};

const std::vector<Cell>& Screen()
{
    static const std::vector<Cell> cells = [] {
        std::vector<Cell> v;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) {
                const int x = c * (CellW + 1), y = r * (CellH + 1);
                QString text = r == 0   ? QString("Column %1").arg(c)
                               : c == 0 ? QString::number(r)
                               : (r + c) % 3 == 0 ? QString("Variable %1 of the slave, long").arg(r * 100 + c)
                                                  : QString::number(r * 1000 + c * 7);
                v.push_back({Rect(x, y, x + CellW, y + CellH), text, r == 0 || c == 0, r == 5 && c > 0});
            }
        return v;
    }();
    return cells;
}

constexpr unsigned CellTextFlags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;

void BM_Screen276_TCanvas(benchmark::State& State)
{
    QImage image(Cols * (CellW + 1), Rows * (CellH + 1), QImage::Format_ARGB32_Premultiplied);
    TCanvas cv;
    TFont gridFont;
    gridFont.SetName("Tahoma");
    for (auto _ : State) {
        QPainter painter(&image);
        cv.SetPainter(&painter);
        for (const Cell& c : Screen()) {
            cv.Font().Assign(gridFont);
            cv.Brush().SetStyle(bsSolid);
            cv.Brush().SetColor(c.Fixed ? clBtnFace : c.Selected ? clHighlight : clWindow);
            cv.FillRect(c.R);
            cv.Pen().SetColor(c.Fixed ? clBlack : clSilver);
            cv.MoveTo(c.R.Right, c.R.Top);
            cv.LineTo(c.R.Right, c.R.Bottom + 1);
            cv.MoveTo(c.R.Left, c.R.Bottom);
            cv.LineTo(c.R.Right, c.R.Bottom);
            cv.Font().SetColor(c.Selected ? clHighlightText : clWindowText);
            if (c.Fixed) {
                cv.TextRect(c.R, c.R.Left + 2, c.R.Top + 2, c.Text);
            } else {
                cv.Brush().SetStyle(bsClear);
                cv.DrawText(Rect(c.R.Left + 2, c.R.Top, c.R.Right - 2, c.R.Bottom), c.Text, CellTextFlags);
            }
        }
        cv.SetPainter(nullptr);
    }
    State.counters["cells"] = double(Screen().size());
}
BENCHMARK(BM_Screen276_TCanvas)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void BM_Screen276_Baseline_QPainter(benchmark::State& State)
{
    QImage image(Cols * (CellW + 1), Rows * (CellH + 1), QImage::Format_ARGB32_Premultiplied);
    TFont gridFont;
    gridFont.SetName("Tahoma");
    const QFont font = gridFont.ToQFont();
    const QFontMetrics fm(font);
    const QColor face = ToQColor(clBtnFace), window = ToQColor(clWindow), highlight = ToQColor(clHighlight);
    const QColor text = ToQColor(clWindowText), highlightText = ToQColor(clHighlightText);
    const QColor black = ToQColor(clBlack), silver = ToQColor(clSilver);
    for (auto _ : State) {
        QPainter p(&image);
        p.setFont(font);
        for (const Cell& c : Screen()) {
            const QRect r = c.R.ToQt();
            p.fillRect(r, c.Fixed ? face : c.Selected ? highlight : window);
            p.setPen(c.Fixed ? black : silver);
            p.drawLine(r.right() + 1, r.top(), r.right() + 1, r.bottom() + 1);
            p.drawLine(r.left(), r.bottom() + 1, r.right(), r.bottom() + 1);
            p.setPen(c.Selected ? highlightText : text);
            if (c.Fixed) {
                p.save();
                p.setClipRect(r);
                p.drawText(QPoint(r.left() + 2, r.top() + 2 + fm.ascent()), c.Text);
                p.restore();
            } else {
                const QRect t = r.adjusted(2, 0, -2, 0);
                p.drawText(t, Qt::AlignLeft | Qt::AlignVCenter, fm.elidedText(c.Text, Qt::ElideRight, t.width()));
            }
        }
    }
    State.counters["cells"] = double(Screen().size());
}
BENCHMARK(BM_Screen276_Baseline_QPainter)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

}  // namespace

VYN_BENCH_MAIN()
