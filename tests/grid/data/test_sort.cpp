// Sorting: the cell comparison per style (under both decimal separators),
// blanks, the mixed automatic column, the handler styles, plain and indexed
// sorts with ties, what moves with the rows (hidden columns and rows, marks,
// the current row), undoing, the settings' string form and the
// restorations after a raising handler.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "data_grid_fixture.h"
#include "grid/core/grid_format.h"
#include "grid/core/grid_text.h"
#include "grid/data/grid_data_holders.h"
#include "grid/data/grid_sort_keys.h"
#include "platform/rtl/datetime.h"

namespace {

// Column 1 holds the texts, column 2 the row's number before the sort.
struct SortTest : ::testing::Test {
    TDataGrid g{nullptr};
    TFormatSettings saved = FormatSettings();
    ~SortTest() override
    {
        FormatSettings() = saved;
        SetGridThousandSeparator(QChar());
    }
    void Load(const std::vector<String>& Texts)
    {
        g.SetColCount(3);
        g.SetRowCount(int(Texts.size()) + 1);
        for (size_t i = 0; i < Texts.size(); ++i) {
            g.SetCells(1, int(i) + 1, Texts[i]);
            g.SetCells(2, int(i) + 1, QString::number(i));
        }
    }
    std::vector<String> Texts(int ACol = 1)
    {
        std::vector<String> v;
        for (int r = 1; r < g.RowCount(); ++r)
            v.push_back(g.Cells(ACol, r));
        return v;
    }
    void Style(TSortStyle S, const String& Prefix = String())
    {
        g.OnGetFormat = [S, Prefix](TObject*, int ACol, TSortStyle& AStyle, String& P, String&) {
            if (ACol == 1) {
                AStyle = S;
                P = Prefix;
            }
        };
    }
};

using V = std::vector<String>;

}  // namespace

TEST_F(SortTest, StylesOrderTheirCells)
{
    struct Case {
        const char* Name;
        TSortStyle Style;
        V In, Out;
        const char* Prefix = "";
    };
    const Case cases[] = {
        {"automatic numbers", TSortStyle::ssAutomatic, {"10", "9", "100"}, {"9", "10", "100"}},
        {"automatic ordinal", TSortStyle::ssAutomatic, {"abc", "Abd"}, {"Abd", "abc"}},
        {"alphabetic", TSortStyle::ssAlphabetic, {"10", "9", "100"}, {"10", "100", "9"}},
        {"no case", TSortStyle::ssAlphaNoCase, {"abd", "Abc", "ABE"}, {"Abc", "abd", "ABE"}},
        {"numeric, empty is 0", TSortStyle::ssNumeric, {"5", "", "-2"}, {"-2", "", "5"}},
        {"numeric leading part", TSortStyle::ssNumeric, {"12abc", "5", "3x", "y"}, {"y", "3x", "5", "12abc"}},
        {"financial", TSortStyle::ssFinancial, {"$1,200.50", "$999", "$5"}, {"$5", "$999", "$1,200.50"}, "$"},
        {"dates", TSortStyle::ssDate, {"02/01/2020", "01/02/2019", "31/12/2019"},
         {"01/02/2019", "31/12/2019", "02/01/2020"}},
        {"date-times", TSortStyle::ssDateTime, {"01/01/2020 10:00", "01/01/2020 09:30", "31/12/2019 23:59"},
         {"31/12/2019 23:59", "01/01/2020 09:30", "01/01/2020 10:00"}},
        {"times", TSortStyle::ssTime, {"10:00", "9:15", "23:01"}, {"9:15", "10:00", "23:01"}},
        {"automatic dates", TSortStyle::ssAutomatic, {"02/01/2020", "01/02/2019"}, {"01/02/2019", "02/01/2020"}},
        {"html", TSortStyle::ssHTML, {"<b>b</b>", "a", "<i>c</i>"}, {"a", "<b>b</b>", "<i>c</i>"}},
        {"short date US", TSortStyle::ssShortDateUS, {"12/01/2020", "01/12/2020"}, {"01/12/2020", "12/01/2020"}},
        {"alpha-numeric", TSortStyle::ssAlphaNumeric, {"b", "10", "a", "9"}, {"9", "10", "a", "b"}},
    };
    for (const Case& c : cases) {
        Load(c.In);
        Style(c.Style, QString::fromUtf8(c.Prefix));
        g.Sort(1, TSortDirection::sdAscending);
        EXPECT_EQ(Texts(), c.Out) << c.Name;
        g.Sort(1, TSortDirection::sdDescending);
        EXPECT_EQ(Texts(), V(c.Out.rbegin(), c.Out.rend())) << c.Name << " descending";
    }
}

// Texts that agree in their first code units, are prefixes of each other
// or hold U+0000, in a column full of ties broken by the next columns: the
// order is the ordinal compare of column 1, then of column 2, then the id.
TEST_F(SortTest, LongSharedTextsAndTiesOrderLikeTheOrdinalCompare)
{
    std::mt19937 rnd(17);
    const String alphabet = QStringLiteral("ab") + QChar(0);
    auto text = [&](int MaxLength) {
        String t = QStringLiteral("same prefix ");
        for (int n = int(rnd() % unsigned(MaxLength + 1)); n > 0; --n)
            t += alphabet[qsizetype(rnd() % 3)];
        return t;
    };
    const int n = 400;
    g.SetColCount(4);
    g.SetRowCount(n + 1);
    struct Row {
        String A, B;
        int Id;
    };
    std::vector<Row> rows;
    for (int r = 1; r <= n; ++r) {
        rows.push_back({text(12), text(2), r});
        g.SetCells(1, r, rows.back().A);
        g.SetCells(2, r, rows.back().B);
        g.SetCells(3, r, QString::number(r));
    }
    g.OnGetFormat = [](TObject*, int ACol, TSortStyle& AStyle, String&, String&) {
        AStyle = ACol == 3 ? TSortStyle::ssNumeric : TSortStyle::ssAlphabetic;
    };
    for (const int dir : {1, -1}) {
        std::stable_sort(rows.begin(), rows.end(), [dir](const Row& X, const Row& Y) {
            const int a = X.A.compare(Y.A), b = X.B.compare(Y.B);
            return dir * (a != 0 ? a : b != 0 ? b : X.Id - Y.Id) < 0;
        });
        g.Sort(1, dir > 0 ? TSortDirection::sdAscending : TSortDirection::sdDescending);
        V want;
        for (const Row& r : rows)
            want.push_back(QString::number(r.Id));
        EXPECT_EQ(Texts(3), want) << dir;
    }
}

// Columns where texts share a start and sit between numbers and blanks:
// numbers (and, automatic, blanks before them) in value order, the texts
// after them in the ordinal order of their upper-cased or plain code units,
// ties in row order.
TEST_F(SortTest, TextsAmongNumbersOrderLikeTheOrdinalCompare)
{
    std::mt19937 rnd(23);
    const String alphabet = QStringLiteral("aAbB1");
    const int n = 300;
    V texts;
    for (int i = 0; i < n; ++i) {
        const unsigned kind = rnd() % 4;
        String t;
        if (kind == 0)
            t = QString::number(int(rnd() % 200) - 100);
        else if (kind == 1 && i % 2)
            t = String();
        else
            for (t = QStringLiteral("shared "); rnd() % 4 != 0;)
                t += alphabet[qsizetype(rnd() % 5)];
        texts.push_back(t);
    }
    auto upper = [](String T) {
        for (QChar& c : T)
            if (c >= u'a' && c <= u'z')
                c = QChar(c.unicode() - 32);
        return T;
    };
    struct Case {
        TSortStyle Style;
        bool IgnoreCase;
    };
    for (const Case c : {Case{TSortStyle::ssAutomatic, false}, Case{TSortStyle::ssAutomatic, true},
                         Case{TSortStyle::ssAlphaNumericNoCase, false}}) {
        const bool noCase = c.IgnoreCase || c.Style == TSortStyle::ssAlphaNumericNoCase;
        // Blanks, numbers, texts (alpha-numeric: a blank is a text).
        auto cls = [&](const String& T) {
            return T.isEmpty() && c.Style == TSortStyle::ssAutomatic ? 0 : GetNumberType(T) != ntNone ? 1 : 2;
        };
        std::vector<int> want = Iota(0, n - 1);
        std::stable_sort(want.begin(), want.end(), [&](int A, int B) {
            const String &x = texts[size_t(A)], &y = texts[size_t(B)];
            if (cls(x) != cls(y))
                return cls(x) < cls(y);
            if (cls(x) == 1)
                return x.toDouble() < y.toDouble();
            return cls(x) == 2 && (noCase ? upper(x).compare(upper(y)) : x.compare(y)) < 0;
        });
        Load(texts);
        g.SortSettings()->SetFull(false);
        g.SortSettings()->SetIgnoreCase(c.IgnoreCase);
        Style(c.Style);
        g.Sort(1, TSortDirection::sdAscending);
        V order;
        for (const int i : want)
            order.push_back(QString::number(i));
        EXPECT_EQ(Texts(2), order) << int(c.Style) << c.IgnoreCase;
    }
}

// The automatic class of a text is a number exactly when the number scan
// finds one, whatever the text starts with, under both separator settings.
TEST_F(SortTest, TheAutomaticNumberClassIsTheNumberScans)
{
    const V texts{"12",  "-3",  "+4",  "+1e5", "e5",   "E",   ".5",     ",5",  "1,234.5", "1.234,5", "x1",
                  "-",   "--1", "1e3", "1e+3", "a",   "Z9",     " 1",  "5x",      "\u0661\u0662", "\u00e912",
                  "1-2", "$5",  "(1)", "0.0",  "1,2", "12:30"};
    TGridFormatSettings comma;
    comma.DecimalSeparator = u',';
    comma.ThousandSeparator = u'.';
    for (const TGridFormatSettings& fs : {TGridFormatSettings(), comma})
        for (const String& t : texts) {
            EXPECT_EQ(ClassifySortText(t, fs) == TSortClass::scNumber, GetNumberType(t, fs) != ntNone)
                << t.toStdString() << " " << char(fs.DecimalSeparator.unicode());
        }
}

TEST_F(SortTest, NumbersAndDatesFollowTheFormatSettings)
{
    FormatSettings().DecimalSeparator = u',';
    FormatSettings().DateSeparator = u'.';
    FormatSettings().ShortDateFormat = QStringLiteral("dd.mm.yyyy");
    SetGridThousandSeparator(u'.');
    Load({"10", "9,5", "100", "1.200,5"});
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Texts(), (V{"9,5", "10", "100", "1.200,5"}));
    Load({"1.200,50 EUR", "999 EUR"});
    g.OnGetFormat = [](TObject*, int, TSortStyle& S, String&, String& Suffix) {
        S = TSortStyle::ssFinancial;
        Suffix = QStringLiteral(" EUR");
    };
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Texts(), (V{"999 EUR", "1.200,50 EUR"}));
    g.OnGetFormat = nullptr;
    Load({"02.01.2020", "01.02.2019"});
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Texts(), (V{"01.02.2019", "02.01.2020"}));
}

TEST_F(SortTest, TheMixedAutomaticColumnSortsInClassOrder)
{
    Load({"b", "-5", "", "10", "01/02/2020", "12:30", "A", "3", "01/01/2020 10:00"});
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Texts(), (V{"", "-5", "3", "10", "01/02/2020", "01/01/2020 10:00", "12:30", "A", "b"}));
    // The order does not depend on where the rows started.
    Load({"10", "01/01/2020 10:00", "3", "A", "12:30", "", "01/02/2020", "b", "-5"});
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Texts(), (V{"", "-5", "3", "10", "01/02/2020", "01/01/2020 10:00", "12:30", "A", "b"}));
}

TEST_F(SortTest, IgnoredBlanksGoWhereBlankPosSaysInBothDirections)
{
    g.SortSettings()->SetIgnoreBlanks(true);
    g.SortSettings()->SetBlankPos(TSortBlankPosition::blLast);
    Load({"2", "", "1", "", "3"});
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Texts(), (V{"1", "2", "3", "", ""}));
    g.Sort(1, TSortDirection::sdDescending);
    EXPECT_EQ(Texts(), (V{"3", "2", "1", "", ""}));
    g.SortSettings()->SetBlankPos(TSortBlankPosition::blFirst);
    g.Sort(1, TSortDirection::sdDescending);
    EXPECT_EQ(Texts(), (V{"", "", "3", "2", "1"}));
}

TEST_F(SortTest, CellKindsAndHandlers)
{
    // Check boxes: ticked after unticked.
    Load({"", "", ""});
    g.AddCheckBox(1, 1, true, false);
    g.AddCheckBox(1, 2, false, false);
    g.AddCheckBox(1, 3, true, false);
    Style(TSortStyle::ssCheckBox);
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Texts(2), (V{"1", "0", "2"}));

    // Raw: the handler gets the rows' numbers as they stand before the run.
    Load({"x", "y", "z"});
    Style(TSortStyle::ssRaw);
    g.OnRawCompare = [this](TObject*, int ACol, int R1, int R2, int& Res) {
        EXPECT_EQ(ACol, 1);
        Res = g.Cells(2, R2).toInt() - g.Cells(2, R1).toInt();  // reversed
    };
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Texts(), (V{"z", "y", "x"}));

    // Custom: the texts; an inconsistent answer still ends with every row.
    Load({"bb", "a", "ccc"});
    Style(TSortStyle::ssCustom);
    g.OnCustomCompare = [](TObject*, const String& A, const String& B, int& Res) {
        Res = int(A.size() - B.size());
    };
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Texts(), (V{"a", "bb", "ccc"}));
    FillGrid(g, 3, 200);
    int calls = 0;
    g.OnCustomCompare = [&calls](TObject*, const String&, const String&, int& Res) { Res = ++calls % 3 - 1; };
    g.Sort(1, TSortDirection::sdAscending);
    std::vector<int> rows = RowOrder(g, 1);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, Iota(0, 199));

    // Images: indexes in order, pictures after them and equal among themselves.
    TSortColumnKeys k;
    TSortCellReader read;
    read.Text = [](int) { return String(); };
    read.Type = [](int R) { return R >= 2 ? TCellType::ctBitmap : TCellType::ctImageList; };
    read.ImageIndex = [](int R) { return intptr_t(R == 0 ? 7 : R == 1 ? 3 : 0x1000 * R); };
    FillSortKeys(k, TSortStyle::ssImages, String(), String(), false, TGridFormatSettings(), {0, 1, 2, 3}, read);
    EXPECT_EQ(CompareSortKeys(k, 0, 1), 1);
    EXPECT_EQ(CompareSortKeys(k, 0, 2), -1);
    EXPECT_EQ(CompareSortKeys(k, 2, 3), 0);
}

TEST_F(SortTest, FullTiesRunThroughTheNextColumnsHiddenOnesToo)
{
    g.SetColCount(4);
    g.SetRowCount(4);
    const V c1{"a", "a", "b"}, c3{"2", "1", "0"};
    for (int r = 1; r <= 3; ++r) {
        g.SetCells(1, r, c1[size_t(r - 1)]);
        g.SetCells(2, r, "same");
        g.SetCells(3, r, c3[size_t(r - 1)]);
    }
    g.HideColumn(3);
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Texts(), (V{"a", "a", "b"}));
    EXPECT_EQ((V{g.AllCells(3, 1), g.AllCells(3, 2), g.AllCells(3, 3)}), (V{"1", "2", "0"}));
    // Without Full equal rows keep their order (stable).
    g.SortSettings()->SetFull(false);
    g.Sort(1, TSortDirection::sdDescending);
    EXPECT_EQ((V{g.AllCells(3, 1), g.AllCells(3, 2), g.AllCells(3, 3)}), (V{"0", "1", "2"}));
}

TEST_F(SortTest, IndexedSortsByTwoKeys)
{
    g.SetColCount(4);
    g.SetRowCount(5);
    const V c1{"b", "a", "b", "a"}, c3{"1", "2", "3", "4"};
    auto load = [&] {
        for (int r = 1; r <= 4; ++r) {
            g.SetCells(1, r, c1[size_t(r - 1)]);
            g.SetCells(3, r, c3[size_t(r - 1)]);
        }
    };
    load();
    EXPECT_THROW(g.QSortIndexed(), EVynGridError);
    g.SortIndexes()->AddIndex(1, true);
    g.SortIndexes()->AddIndex(3, false);
    g.QSortIndexed();
    EXPECT_EQ(Texts(3), (V{"4", "2", "3", "1"}));
    // Without Full only the first key counts: ties keep their order.
    load();
    g.InitSortXRef();
    g.SortSettings()->SetFull(false);
    g.QSortIndexed();
    EXPECT_EQ(Texts(3), (V{"2", "4", "1", "3"}));
    EXPECT_GT(g.Compares, 0);
    EXPECT_GT(g.Swaps, 0);
}

TEST_F(SortTest, RowsCarryTheirHiddenRowsMarksAndHeights)
{
    FillGrid(g, 3, 7);
    const V keys{"", "e", "c", "a", "d", "b", "f"};
    for (int r = 1; r < 7; ++r)
        g.SetCells(1, r, keys[size_t(r)]);
    g.SetRowHeights(3, 40);  // "a"
    g.SetRowModified(2, true);  // "c"
    // Real row 5 ("b") hidden after real row 4 ("d").
    g.HideRow(5);
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Texts(), (V{"a", "c", "d", "e", "f"}));
    EXPECT_EQ(g.RowHeights(1), 40);
    EXPECT_TRUE(g.FModifiedRows->Items(2) != 0);
    EXPECT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.ColCount(), 3);
    // The hidden row stays after "d" (now real row 3).
    g.UnHideRowsAll();
    EXPECT_EQ(Texts(), (V{"a", "c", "d", "b", "e", "f"}));
}

TEST_F(SortTest, ContractedNodesSortWithTheirChildren)
{
    FillGrid(g, 3, 7);
    const V keys{"", "z", "z1", "z2", "a", "a1", "m"};
    for (int r = 1; r < 7; ++r)
        g.SetCells(1, r, keys[size_t(r)]);
    g.AddNode(1, 3);
    g.AddNode(4, 2);
    g.ContractAll();
    g.Sort(1, TSortDirection::sdAscending);
    g.ExpandAll();
    EXPECT_EQ(Texts(), (V{"a", "a1", "m", "z", "z1", "z2"}));
    // Sorting inside the nodes.
    g.Sort(1, TSortDirection::sdAscending);
    g.SortSettings()->SetDirection(TSortDirection::sdDescending);
    FillGrid(g, 3, 7);
    g.RemoveAllNodes();
    const V grouped{"", "g1", "b", "c", "g2", "y", "x"};
    for (int r = 1; r < 7; ++r)
        g.SetCells(1, r, grouped[size_t(r)]);
    g.AddNode(1, 3);
    g.AddNode(4, 3);
    g.QSortGroup();
    EXPECT_EQ(Texts(), (V{"g1", "c", "b", "g2", "y", "x"}));
}

TEST_F(SortTest, UnSortGivesBackTheOrderBeforeTheFirstSort)
{
    Load({"c", "a", "d", "b"});
    g.SetCells(0, 1, "keep");
    g.Sort(1, TSortDirection::sdAscending);
    g.Sort(2, TSortDirection::sdDescending);
    EXPECT_EQ(Texts(), (V{"b", "d", "a", "c"}));
    g.QUnSort();
    EXPECT_EQ(Texts(), (V{"c", "a", "d", "b"}));
    EXPECT_EQ(g.Cells(0, 1), "keep");
    auto list = [](const TIntList& L) {
        std::vector<int> v;
        for (int i = 0; i < L.Count(); ++i)
            v.push_back(L.Items(i));
        return v;
    };
    EXPECT_EQ(list(*g.FUnSortRowXRef), Iota(0, 4));
    EXPECT_EQ(list(*g.FSortRowXRef), Iota(0, 4));
    // A cross-reference set by hand that is no permutation: the rows go in
    // the order of its values, equal ones keeping theirs.
    const std::vector<int> byHand{0, 3, 1, 3, 1};
    for (int i = 0; i < 5; ++i)
        g.FSortRowXRef->SetItems(i, byHand[size_t(i)]);
    g.QUnSort();
    EXPECT_EQ(Texts(), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(list(*g.FUnSortRowXRef), (std::vector<int>{0, 1, 1, 3, 3}));
    EXPECT_EQ(list(*g.FSortRowXRef), (std::vector<int>{0, 1, 1, 3, 3}));
}

TEST_F(SortTest, SingleColumnMovesOnlyItsCellsAndQuickSortARange)
{
    Load({"c", "a", "b"});
    g.SortSettings()->SetSingleColumn(true);
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Texts(), (V{"a", "b", "c"}));
    EXPECT_EQ(Texts(2), (V{"0", "1", "2"}));
    g.SortSettings()->SetSingleColumn(false);
    Load({"d", "c", "b", "a"});
    g.QuickSort(1, 2, 3);
    EXPECT_EQ(Texts(), (V{"d", "b", "c", "a"}));
    g.QuickSort(-1, 1, 4);
    EXPECT_EQ(Texts(), (V{"d", "b", "c", "a"}));
}

TEST_F(SortTest, NormalCellsOnlyKeepsColumnZero)
{
    Load({"c", "a", "b"});
    for (int r = 1; r <= 3; ++r)
        g.SetCells(0, r, QString::number(r));
    g.SortSettings()->SetNormalCellsOnly(true);
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(Texts(), (V{"a", "b", "c"}));
    EXPECT_EQ(Texts(0), (V{"1", "2", "3"}));
    EXPECT_EQ(Texts(2), (V{"1", "2", "0"}));
}

TEST_F(SortTest, TheCurrentRowStaysOrFollowsItsRow)
{
    Load({"c", "a", "b"});
    g.SetRow(1);
    g.Sort(1, TSortDirection::sdAscending);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.SortRow, 3);
    g.Navigation()->SetMoveRowOnSort(true);
    g.SetRow(3);  // "c"
    g.Sort(1, TSortDirection::sdDescending);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Cells(1, g.Row()), "c");
}

TEST_F(SortTest, SettingsStringForm)
{
    Load({"c", "a", "b"});
    g.Sort(2, TSortDirection::sdDescending);
    EXPECT_EQ(g.SortSettings()->SaveToString(), "d2");
    g.SortSettings()->LoadFromString("u1");
    EXPECT_EQ(Texts(), (V{"a", "b", "c"}));
    EXPECT_TRUE(g.SortSettings()->Show());
    g.SortSettings()->LoadFromString("i;d1;u2");
    EXPECT_EQ(Texts(), (V{"c", "b", "a"}));
    EXPECT_EQ(g.SortSettings()->SaveToString(), "i;d1;u2");
    EXPECT_THROW(g.SortSettings()->LoadFromString("u"), Exception);
    g.SortSettings()->LoadFromString("");
    g.SortSettings()->Remove();
    EXPECT_EQ(g.SortSettings()->Column(), -1);
    EXPECT_EQ(g.SortIndexes()->Count(), 0);
    g.SortSettings()->ToggleDirection();
    EXPECT_EQ(g.SortSettings()->Direction(), TSortDirection::sdDescending);

    // The header row must lie above the data rows.
    EXPECT_THROW(g.SortSettings()->SetRow(1), Exception);
    g.SetFixedRows(2);
    g.SortSettings()->SetRow(1);
    EXPECT_EQ(g.SortSettings()->Row(), 1);

    TSortSettings copy(nullptr);
    copy.SetIgnoreCase(true);
    copy.Assign(*g.SortSettings());
    EXPECT_EQ(copy.Row(), 1);
    EXPECT_TRUE(copy.IgnoreCase());
}

TEST_F(SortTest, ARaisingFormatHandlerChangesNothingAndUnlocks)
{
    Load({"c", "a", "b"});
    g.OnGetFormat = [](TObject*, int, TSortStyle&, String&, String&) { throw Exception("format"); };
    const int depth = g.UpdateCount();
    EXPECT_THROW(g.Sort(1, TSortDirection::sdAscending), Exception);
    EXPECT_EQ(g.UpdateCount(), depth);
    EXPECT_EQ(Texts(), (V{"c", "a", "b"}));
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.ColCount(), 3);
}

TEST_F(SortTest, SortLineExchangesRowsOutOfOrder)
{
    Load({"b", "a"});
    EXPECT_TRUE(g.SortLine(1, 1, 2));
    EXPECT_EQ(Texts(), (V{"a", "b"}));
    EXPECT_FALSE(g.SortLine(1, 1, 2));
}

TEST(SortKeys, MergeSortIsStableAndBoundedWhateverTheComparison)
{
    std::vector<int> v{3, 1, 2, 1, 0, 3};
    std::vector<int> idx{0, 1, 2, 3, 4, 5};
    StableMergeSort(idx, [&v](int A, int B) { return v[size_t(A)] < v[size_t(B)]; });
    EXPECT_EQ(idx, (std::vector<int>{4, 1, 3, 2, 0, 5}));
    std::vector<int> all(1000);
    for (int i = 0; i < 1000; ++i)
        all[size_t(i)] = i;
    StableMergeSort(all, [](int, int) { return true; });
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, Iota(0, 999));
    EXPECT_DOUBLE_EQ(LeadingNumber(" 12.5abc"), 12.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e3x"), 1000);
    EXPECT_DOUBLE_EQ(LeadingNumber("1ex"), 1);
    EXPECT_DOUBLE_EQ(LeadingNumber("x"), 0);
}
