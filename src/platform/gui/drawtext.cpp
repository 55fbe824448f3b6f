// DrawText: the classic formatted-text call on the canvas.
//
// Decisions where the flags leave room:
// - DT_VCENTER and DT_BOTTOM act only with DT_SINGLELINE;
// - DT_WORDBREAK breaks after blanks (the blanks at a break are dropped); a
//   word wider than the rectangle stays whole (it overflows and is clipped),
//   except with DT_EDITCONTROL, which breaks it between characters;
// - DT_EDITCONTROL leaves out lines that would be partly visible below the
//   rectangle (never the first), and with DT_WORDBREAK | DT_END_ELLIPSIS the
//   last visible line ends with "..." when text was left out;
// - the ellipsis flags (end, word and path alike) cut each line that is wider
//   than the rectangle and append "..."; DT_CALCRECT measures the whole text,
//   without ellipsis;
// - tab stops (DT_EXPANDTABS) lie every 8 average character widths, or every
//   N with DT_TABSTOP (N in bits 8..15, which then are not flags);
// - the return value is the height of the text; with DT_VCENTER/DT_BOTTOM it
//   is the offset from R.Top to the bottom of the drawn text.
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QPaintDevice>
#include <QTextLayout>

#include "platform/gui/canvas.h"
#include "platform/gui/text_runs.h"

namespace {

// ---- shaped lines kept (text_runs.h)

thread_local int runScopes = 0;
bool runCacheEnabled = true;
constexpr int MaxKeptLines = 4096;

struct TShapedLine {
    QFont Font;
    int Dpi = 0;
    QList<QGlyphRun> Runs;
    qreal Ascent = 0;
};

QHash<QString, std::vector<TShapedLine>>& keptLines()
{
    static QHash<QString, std::vector<TShapedLine>> kept;
    return kept;
}
int keptCount = 0;

// Lines that the glyph runs draw exactly as drawText does.
bool keepable(const QPainter& P, const QString& Text)
{
    if (runScopes == 0 || !runCacheEnabled || Text.isEmpty() || Text.size() > 256)
        return false;
    const QFont& f = P.font();
    // (Automatic direction: the characters allowed below are laid out left
    // to right.)
    if (f.underline() || f.strikeOut() || f.overline() || P.layoutDirection() == Qt::RightToLeft ||
        P.transform().type() > QTransform::TxTranslate || P.pen().style() == Qt::NoPen)
        return false;
    // Left-to-right scripts only, no control characters.
    for (QChar c : Text)
        if (c.unicode() < 0x20 || c.unicode() >= 0x0590)
            return false;
    return true;
}

const TShapedLine& shapedLine(const QPainter& P, const QString& Text)
{
    const QFont& font = P.font();
    const int dpi = P.device() ? P.device()->logicalDpiY() : 0;
    QHash<QString, std::vector<TShapedLine>>& kept = keptLines();
    auto it = kept.find(Text);
    if (it != kept.end())
        for (const TShapedLine& l : *it)
            if (l.Dpi == dpi && l.Font == font)
                return l;
    if (keptCount >= MaxKeptLines) {
        kept.clear();
        keptCount = 0;
    }
    TShapedLine line;
    line.Font = font;
    line.Dpi = dpi;
    QTextLayout layout(Text, font, P.device());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine l = layout.createLine();
    l.setPosition(QPointF(0, 0));
    layout.endLayout();
    line.Runs = l.glyphRuns();
    line.Ascent = l.ascent();
    ++keptCount;
    std::vector<TShapedLine>& slot = kept[Text];
    slot.push_back(std::move(line));
    return slot.back();
}

// drawText at the baseline point, from kept glyph runs where it can.
void drawLine(QPainter& P, int X, int Baseline, const QString& Text)
{
    if (!keepable(P, Text)) {
        P.drawText(QPoint(X, Baseline), Text);
        return;
    }
    const TShapedLine& l = shapedLine(P, Text);
    for (const QGlyphRun& run : l.Runs)
        P.drawGlyphRun(QPointF(X, Baseline - l.Ascent), run);
}

struct Prepared {
    QString Text;
    std::vector<int> Underlined;  // indices into Text
};

// "&&" gives "&"; "&x" gives x, underlined; a trailing "&" is dropped.
Prepared processPrefixes(const QString& Text, bool Prefixes)
{
    if (!Prefixes || !Text.contains(u'&'))
        return {Text, {}};
    Prepared p;
    p.Text.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (Text[i] != u'&') {
            p.Text += Text[i];
            continue;
        }
        if (++i >= Text.size())
            break;
        if (Text[i] != u'&')
            p.Underlined.push_back(int(p.Text.size()));
        p.Text += Text[i];
    }
    return p;
}

struct Line {
    QString Text;
    int Start = 0;  // index of the first character in the prepared text
    int Kept = -1;  // characters of the text before an added "..." (-1: all)
};

class Measurer {
public:
    Measurer(const TFontMeasure& M, bool ExpandTabs, int TabWidth) : m_(M), tabs_(ExpandTabs), tabWidth_(TabWidth) {}

    const TFontMeasure& Measure() const { return m_; }
    int Width(const QString& S) const
    {
        if (!tabs_ || !S.contains(u'\t'))
            return m_.Width(S);
        int x = 0;
        const QStringList parts = S.split(u'\t');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            x += m_.Width(parts[i]);
            if (i + 1 < parts.size())
                x = tabWidth_ > 0 ? (x / tabWidth_ + 1) * tabWidth_ : x;
        }
        return x;
    }
    bool Tabs() const { return tabs_; }
    int TabWidth() const { return tabWidth_; }

private:
    const TFontMeasure& m_;
    bool tabs_;
    int tabWidth_;
};

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Greedy word wrap of one paragraph (Start: its index in the prepared text).
void wrapParagraph(const QString& Para, int Start, int MaxWidth, bool BreakWords, const Measurer& M,
                   std::vector<Line>& Out)
{
    qsizetype i = 0;
    const qsizetype n = Para.size();
    if (n == 0) {
        Out.push_back({QString(), Start});
        return;
    }
    while (i < n) {
        // Candidate ends: before each run of blanks, and the paragraph end.
        qsizetype best = -1;
        for (qsizetype j = i + 1; j <= n; ++j) {
            if (j < n && !(isBlank(Para[j]) && !isBlank(Para[j - 1])))
                continue;
            if (M.Width(Para.mid(i, j - i)) <= MaxWidth)
                best = j;
            else
                break;
        }
        if (best < 0) {
            // The first word alone does not fit.
            qsizetype wordEnd = i;
            while (wordEnd < n && !isBlank(Para[wordEnd]))
                ++wordEnd;
            best = wordEnd;
            if (BreakWords) {
                qsizetype k = i + 1;
                while (k < wordEnd && M.Width(Para.mid(i, k + 1 - i)) <= MaxWidth)
                    ++k;
                best = k;
            }
            if (best == i)
                best = i + 1;
        }
        Out.push_back({Para.mid(i, best - i), Start + int(i)});
        i = best;
        while (i < n && isBlank(Para[i]))
            ++i;
    }
}

// Cuts the line so that it fits with "..." appended (Force: append even when
// it fits as it is).
void ellipsize(Line& L, int MaxWidth, const Measurer& M, bool Force = false)
{
    static const QString dots = QStringLiteral("...");
    if (!Force && M.Width(L.Text) <= MaxWidth)
        return;
    // The longest start that fits with the dots; the cuts of whole lines
    // are remembered (the same cell is drawn again and again), the texts
    // tried on the way are measured without filling the width cache.
    const bool tabs = M.Tabs() && L.Text.contains(u'\t');
    const bool remember = L.Kept < 0 && !tabs;
    qsizetype k = remember ? M.Measure().FindEllipsisCut(L.Text, MaxWidth) : -1;
    if (k < 0) {
        k = L.Kept < 0 ? L.Text.size() : L.Kept;
        auto width = [&](qsizetype n) {
            const QString s = L.Text.left(n) + dots;
            return tabs ? M.Width(s) : M.Measure().Metrics().horizontalAdvance(s);
        };
        while (k > 0 && width(k) > MaxWidth)
            --k;
        if (remember)
            M.Measure().StoreEllipsisCut(L.Text, MaxWidth, int(k));
    }
    L.Text = L.Text.left(k) + dots;
    L.Kept = int(k);
}

}  // namespace

int TCanvas::DrawText(TRect& R, const String& Text, unsigned Flags)
{
    int tabChars = 8;
    if (Flags & DT_TABSTOP) {
        tabChars = int((Flags >> 8) & 0xFF);
        Flags &= ~0xFF00u;
    }
    const TFontMeasure& m = font_.Measure();
    const int lineHeight = m.Height() + ((Flags & DT_EXTERNALLEADING) ? m.Leading() : 0);
    const Measurer measure(m, Flags & DT_EXPANDTABS, tabChars * m.AverageCharWidth());
    const bool singleLine = Flags & DT_SINGLELINE;
    const bool calc = Flags & DT_CALCRECT;
    const bool ellipsis = Flags & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS);
    const bool editControl = Flags & DT_EDITCONTROL;
    const int width = R.Width();

    const Prepared prep = processPrefixes(Text, !(Flags & DT_NOPREFIX));

    // Lines: paragraphs split at CR, LF or CR LF (unless single line), then wrapped.
    std::vector<Line> lines;
    if (singleLine) {
        lines.push_back({prep.Text, 0});
    } else {
        qsizetype start = 0;
        const qsizetype n = prep.Text.size();
        for (qsizetype i = 0; i <= n; ++i) {
            if (i < n && prep.Text[i] != u'\r' && prep.Text[i] != u'\n')
                continue;
            const QString para = prep.Text.mid(start, i - start);
            if (Flags & DT_WORDBREAK)
                wrapParagraph(para, int(start), width, editControl, measure, lines);
            else
                lines.push_back({para, int(start)});
            if (i + 1 < n && prep.Text[i] == u'\r' && prep.Text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
        if (!prep.Text.isEmpty() && (prep.Text.endsWith(u'\n') || prep.Text.endsWith(u'\r')))
            lines.pop_back();  // a final line break opens no new line
    }

    if (calc) {
        int maxWidth = 0;
        for (const Line& l : lines)
            maxWidth = std::max(maxWidth, measure.Width(l.Text));
        const int height = int(lines.size()) * lineHeight;
        R.Right = R.Left + maxWidth;
        R.Bottom = R.Top + height;
        return height;
    }

    // Vertical placement.
    int top = R.Top;
    if (singleLine && (Flags & DT_VCENTER))
        top = R.Top + (R.Height() - lineHeight) / 2;
    else if (singleLine && (Flags & DT_BOTTOM))
        top = R.Bottom - lineHeight;

    if (editControl && !singleLine) {
        size_t fit = 1;
        while (fit < lines.size() && top + int(fit + 1) * lineHeight <= R.Bottom)
            ++fit;
        if (fit < lines.size()) {
            if (ellipsis && (Flags & DT_WORDBREAK))
                ellipsize(lines[fit - 1], width, measure, true);
            lines.resize(fit);
        }
    }
    if (ellipsis)
        for (Line& l : lines)
            ellipsize(l, width, measure);

    QPainter* p = RequirePainter();
    const int drawnHeight = int(lines.size()) * lineHeight;
    if (!p)
        return drawnHeight;
    p->save();
    if (!(Flags & DT_NOCLIP))
        p->setClipRect(R.ToQt(), Qt::IntersectClip);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setBackgroundMode(Qt::TransparentMode);
    p->setFont(m.Font());
    if (Flags & DT_RTLREADING)
        p->setLayoutDirection(Qt::RightToLeft);
    const QColor textColor = ToQColor(font_.Color());
    const bool opaque = BkMode() == OPAQUE;
    const bool prefixOnly = Flags & DT_PREFIXONLY;
    const bool underline = !(Flags & DT_HIDEPREFIX);

    int y = top;
    for (const Line& l : lines) {
        const int w = measure.Width(l.Text);
        int x = R.Left;
        if (Flags & DT_CENTER)
            x = R.Left + (width - w) / 2;
        else if (Flags & DT_RIGHT)
            x = R.Right - w;
        if (opaque && !prefixOnly)
            p->fillRect(QRect(x, y, w, lineHeight), ToQColor(BkColor()));
        p->setPen(textColor);
        if (!prefixOnly) {
            if (measure.Tabs() && l.Text.contains(u'\t')) {
                int dx = 0;
                const QStringList parts = l.Text.split(u'\t');
                for (qsizetype i = 0; i < parts.size(); ++i) {
                    p->drawText(QPoint(x + dx, y + m.Ascent()), parts[i]);
                    dx += m.Width(parts[i]);
                    if (measure.TabWidth() > 0)
                        dx = (dx / measure.TabWidth() + 1) * measure.TabWidth();
                }
            } else {
                drawLine(*p, x, y + m.Ascent(), l.Text);
            }
        }
        if (underline) {
            for (int u : prep.Underlined) {
                const int i = u - l.Start;
                if (i < 0 || i >= (l.Kept >= 0 ? l.Kept : l.Text.size()))
                    continue;
                const int x0 = measure.Width(l.Text.left(i)), x1 = measure.Width(l.Text.left(i + 1));
                p->fillRect(QRect(x + x0, y + m.Ascent() + std::max(1, m.UnderlinePos()), x1 - x0,
                                  std::max(1, m.LineWidth())),
                            textColor);
            }
        }
        y += lineHeight;
    }
    p->restore();
    if (singleLine && (Flags & (DT_VCENTER | DT_BOTTOM)))
        return top + lineHeight - R.Top;
    return drawnHeight;
}

std::vector<int> TCanvas::TextCharPositions(const String& Text)
{
    const QFontMetrics& m = font_.Measure().Metrics();
    std::vector<int> out;
    out.reserve(size_t(Text.size()) + 1);
    for (qsizetype i = 0; i <= Text.size(); ++i)
        out.push_back(m.horizontalAdvance(Text.left(i)));
    return out;
}

// ---- text_runs.h

TTextRunCacheScope::TTextRunCacheScope() { ++runScopes; }

TTextRunCacheScope::~TTextRunCacheScope() { --runScopes; }

void SetTextRunCacheEnabled(bool Value) { runCacheEnabled = Value; }

int TextRunCacheCount() { return keptCount; }
