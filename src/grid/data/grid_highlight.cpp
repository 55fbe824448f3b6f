// TVynStringGrid: highlighting and marking text in cells, checking cells
// over columns, rows and the grid, and filling cells.
//
// Highlighting wraps each occurrence in "<hi>" ... "</hi>", marking in
// "<e>" ... "</e>" (HilightInRect, UnHilightInRect); only cells whose text
// changes are written.
#include <random>

#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/html/html_text.h"

namespace {

const QString HiTag = QStringLiteral("hi");
const QString MarkTag = QStringLiteral("e");

std::mt19937& FillRandom()
{
    static std::mt19937 generator{std::random_device{}()};
    return generator;
}

// Fmt with the column and the row through the checked number formatter:
// each conversion (%d, %u, %x, %X with the flags "-" and "0" and a width)
// takes the next of the two values, "%%" is "%". False for any other format
// and for more than two conversions.
bool FormatColRow(const String& Fmt, int ACol, int ARow, String& Result)
{
    const int values[2] = {ACol, ARow};
    int used = 0;
    String out;
    const qsizetype n = Fmt.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (Fmt[i] != u'%') {
            out += Fmt[i];
            continue;
        }
        if (i + 1 < n && Fmt[i + 1] == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        while (j < n && (Fmt[j] == u'-' || Fmt[j] == u'0'))
            ++j;
        while (j < n && Fmt[j].isDigit() && Fmt[j].unicode() < 128)
            ++j;
        if (j >= n || !QStringLiteral("duxX").contains(Fmt[j]) || used == 2)
            return false;
        String piece;
        if (!TryFormatNumber(Fmt.mid(i, j - i + 1), values[used++], piece))
            return false;
        out += piece;
        i = j;
    }
    Result = out;
    return true;
}

}  // namespace

// ---- text functions ---------------------------------------------------------------------------

String TVynStringGrid::HilightText(bool DoCase, const String& S, const String& Text)
{
    return HTMLHighlightText(S, Text, HiTag, DoCase);
}

String TVynStringGrid::MarkText(bool DoCase, const String& S, const String& Text)
{
    return HTMLHighlightText(S, Text, MarkTag, DoCase);
}

String TVynStringGrid::UnHilightText(const String& S) { return HTMLUnhighlightText(S, HiTag); }
String TVynStringGrid::UnMarkText(const String& S) { return HTMLUnhighlightText(S, MarkTag); }

// ---- cells --------------------------------------------------------------------------------------

void TVynStringGrid::HilightInCell(bool DoCase, int ACol, int ARow, const String& HiText)
{
    HilightInRect(HiText, HiTag, ACol, ARow, ACol, ARow, DoCase);
}

void TVynStringGrid::MarkInCell(bool DoCase, int ACol, int ARow, const String& HiText)
{
    HilightInRect(HiText, MarkTag, ACol, ARow, ACol, ARow, DoCase);
}

void TVynStringGrid::HilightInCol(bool DoFixed, bool DoCase, int ACol, const String& HiText)
{
    HilightInRect(HiText, HiTag, ACol, DoFixed ? 0 : FixedRows(), ACol, RowCount() - (DoFixed ? 0 : FFixedFooters) - 1,
                  DoCase);
}

void TVynStringGrid::MarkInCol(bool DoFixed, bool DoCase, int ACol, const String& HiText)
{
    HilightInRect(HiText, MarkTag, ACol, DoFixed ? 0 : FixedRows(), ACol,
                  RowCount() - (DoFixed ? 0 : FFixedFooters) - 1, DoCase);
}

void TVynStringGrid::HilightInRow(bool DoFixed, bool DoCase, int ARow, const String& HiText)
{
    HilightInRect(HiText, HiTag, DoFixed ? 0 : FixedCols(), ARow, ColCount() - (DoFixed ? 0 : FFixedRightCols) - 1,
                  ARow, DoCase);
}

void TVynStringGrid::MarkInRow(bool DoFixed, bool DoCase, int ARow, const String& HiText)
{
    HilightInRect(HiText, MarkTag, DoFixed ? 0 : FixedCols(), ARow, ColCount() - (DoFixed ? 0 : FFixedRightCols) - 1,
                  ARow, DoCase);
}

void TVynStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const String& HiText)
{
    if (DoFixed)
        HilightInRect(HiText, HiTag, 0, 0, ColCount() - 1, RowCount() - 1, DoCase);
    else
        HilightInRect(HiText, HiTag, FixedCols(), FixedRows(), ColCount() + NumHiddenColumns() - FFixedRightCols - 1,
                      RowCount() - FFixedFooters - 1, DoCase);
}

void TVynStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const String& HiText)
{
    if (DoFixed)
        HilightInRect(HiText, MarkTag, 0, 0, ColCount() - 1, RowCount() - 1, DoCase);
    else
        HilightInRect(HiText, MarkTag, FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1,
                      RowCount() - FFixedFooters - 1, DoCase);
}

void TVynStringGrid::UnHilightInCell(int ACol, int ARow) { UnHilightInRect(HiTag, ACol, ARow, ACol, ARow); }
void TVynStringGrid::UnMarkInCell(int ACol, int ARow) { UnHilightInRect(MarkTag, ACol, ARow, ACol, ARow); }

void TVynStringGrid::UnHilightInCol(bool DoFixed, int ACol)
{
    UnHilightInRect(HiTag, ACol, DoFixed ? 0 : FixedRows(), ACol, RowCount() - (DoFixed ? 0 : FFixedFooters) - 1);
}

void TVynStringGrid::UnMarkInCol(bool DoFixed, int ACol)
{
    UnHilightInRect(MarkTag, ACol, DoFixed ? 0 : FixedRows(), ACol, RowCount() - (DoFixed ? 0 : FFixedFooters) - 1);
}

void TVynStringGrid::UnHilightInRow(bool DoFixed, int ARow)
{
    UnHilightInRect(HiTag, DoFixed ? 0 : FixedCols(), ARow,
                    ColCount() + NumHiddenColumns() - (DoFixed ? 0 : FFixedRightCols) - 1, ARow);
}

void TVynStringGrid::UnMarkInRow(bool DoFixed, int ARow)
{
    UnHilightInRect(MarkTag, DoFixed ? 0 : FixedCols(), ARow,
                    ColCount() + NumHiddenColumns() - (DoFixed ? 0 : FFixedRightCols) - 1, ARow);
}

void TVynStringGrid::UnHilightInGrid(bool DoFixed)
{
    UnHilightInRect(HiTag, DoFixed ? 0 : FixedCols(), DoFixed ? 0 : FixedRows(),
                    ColCount() + NumHiddenColumns() - (DoFixed ? 0 : FFixedRightCols) - 1,
                    RowCount() - (DoFixed ? 0 : FFixedFooters) - 1);
}

void TVynStringGrid::UnMarkInGrid(bool DoFixed)
{
    UnHilightInRect(MarkTag, DoFixed ? 0 : FixedCols(), DoFixed ? 0 : FixedRows(),
                    ColCount() + NumHiddenColumns() - (DoFixed ? 0 : FFixedRightCols) - 1,
                    RowCount() - (DoFixed ? 0 : FFixedFooters) - 1);
}

void TVynStringGrid::RehilightInRect(const String& HiText, const String& Tag, const TRect& R, bool DoCase)
{
    const String encoded = HTMLEncodeText(HiText, false);
    for (int r = R.Top; r <= R.Bottom; ++r)
        for (int c = R.Left; c <= R.Right; ++c) {
            if (!IsBaseCell(c, r))
                continue;
            const String t = OnGetDisplText ? GetCellEx(c, r) : GetGridCell(c, r);
            // Without a "<" the cell holds no old mark.
            const String u = t.contains(u'<') ? RemoveTag(t, Tag) : t;
            const String h = HiText.isEmpty() ? u : HilightCellText(u, HiText, encoded, Tag, DoCase);
            if (h != t)
                SetCellEx(c, r, h);
        }
}

// ---- checks -------------------------------------------------------------------------------------

bool TVynStringGrid::CheckCol(bool DoFixed, int ACol)
{
    return CheckCells(ACol, DoFixed ? 0 : FixedRows(), ACol, RowCount() - (DoFixed ? 0 : FFixedFooters) - 1);
}

bool TVynStringGrid::CheckRow(bool DoFixed, int ARow)
{
    return CheckCells(DoFixed ? 0 : FixedCols(), ARow, ColCount() - (DoFixed ? 0 : FFixedRightCols) - 1, ARow);
}

bool TVynStringGrid::CheckGrid(bool DoFixed)
{
    return CheckCells(DoFixed ? 0 : FixedCols(), DoFixed ? 0 : FixedRows(),
                      ColCount() - (DoFixed ? 0 : FFixedRightCols) - 1, RowCount() - (DoFixed ? 0 : FFixedFooters) - 1);
}

// ---- fills --------------------------------------------------------------------------------------

void TVynStringGrid::FillCells(bool DoFixed, const std::function<String(int ACol, int ARow)>& Text)
{
    const int c0 = DoFixed ? 0 : FixedCols(), c1 = ColCount() - (DoFixed ? 0 : FFixedRightCols) - 1;
    const int r0 = DoFixed ? 0 : FixedRows(), r1 = RowCount() - (DoFixed ? 0 : FFixedFooters) - 1;
    {
        BeginUpdate();
        struct TEnd {
            TVynStringGrid& G;
            ~TEnd() { G.EndUpdate(); }
        } end{*this};
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                SetCellEx(DisplToRealCol(c), r, Text(c, r));
    }
    RecalcFooter();
}

void TVynStringGrid::TextFill(bool DoFixed, const String& Txt)
{
    FillCells(DoFixed, [&](int, int) { return Txt; });
}

void TVynStringGrid::FormatFill(bool DoFixed, const String& Fmt)
{
    FillCells(DoFixed, [&](int c, int r) {
        String s;
        return FormatColRow(Fmt, c, r, s) ? s : Fmt;
    });
}

void TVynStringGrid::RandomFill(bool DoFixed, int Rnd)
{
    FillCells(DoFixed, [&](int, int) {
        const int v = Rnd < 1 ? 0 : std::uniform_int_distribution<int>(0, Rnd - 1)(FillRandom());
        return String::number(v);
    });
}

void TVynStringGrid::LinearFill(bool DoFixed)
{
    FillCells(DoFixed, [](int c, int r) { return String::number(c) + u':' + String::number(r); });
}

void TVynStringGrid::RandomFillSeed(uint32_t Seed) { FillRandom().seed(Seed); }
