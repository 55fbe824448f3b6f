// The string grid's dimensions and headers: the "always" fixed rows and
// columns, fixed footers and right columns, heights and the integral
// height, the floating footer row, the header lists, the recorded column
// order, the version answers, the change notifiers and the print metrics.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <memory>
#include <vector>

#include "grid/data/grid_data_holders.h"
#include "platform/gui/forms.h"
#include "platform/gui/input_state.h"
#include "platform/testing/test_kit.h"
#include "string_grid_probe.h"

namespace {

int PlatformFixedRows(const TVynStringGrid& G) { return G.TBaseGrid::FixedRows(); }
int PlatformFixedCols(const TVynStringGrid& G) { return G.TBaseGrid::FixedCols(); }

std::unique_ptr<TStringList> Owned(std::initializer_list<const char*> Items)
{
    auto l = std::make_unique<TStringList>();
    for (const char* s : Items)
        l->Add(QString::fromUtf8(s));
    return l;
}

}  // namespace

// ---- fixed rows and columns ---------------------------------------------------------------------

TEST(Dimensions, FixedRowsThatSurviveTheRowCount)
{
    TProbeStringGrid g(nullptr);
    g.SetFixedRowAlways(true);
    g.SetFixedRows(1);
    // No room for the fixed row: the platform has none, the grid reads one.
    g.SetRowCount(1);
    EXPECT_EQ(PlatformFixedRows(g), 0);
    EXPECT_EQ(g.FixedRows(), 1);
    g.SetRowCount(5);
    EXPECT_EQ(PlatformFixedRows(g), 1);
    // More fixed rows than rows: as many as fit, the request kept.
    g.SetRowCount(2);
    g.SetFixedRows(3);
    EXPECT_EQ(PlatformFixedRows(g), 1);
    EXPECT_EQ(g.FFixedRowsMin, 3);
    g.SetRowCount(4);
    EXPECT_EQ(PlatformFixedRows(g), 3);
    // The same for columns.
    g.SetFixedColAlways(true);
    g.SetColCount(2);
    g.SetFixedCols(4);
    EXPECT_EQ(PlatformFixedCols(g), 1);
    EXPECT_EQ(g.FFixedColsMin, 4);
    g.SetColCount(1);
    EXPECT_EQ(PlatformFixedCols(g), 0);
    EXPECT_EQ(g.FixedCols(), 1);
    g.SetColCount(6);
    EXPECT_EQ(PlatformFixedCols(g), 4);
}

TEST(Dimensions, WithoutAlwaysTooManyFixedRowsRaiseThePlatformsError)
{
    TProbeStringGrid g(nullptr);
    g.SetRowCount(3);
    const int before = g.FFixedRowsMin;
    EXPECT_THROW(g.SetFixedRows(3), EInvalidGridOperation);
    EXPECT_EQ(g.FFixedRowsMin, before);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_THROW(g.SetFixedCols(g.ColCount()), EInvalidGridOperation);
    // Loading keeps the recorded counts for Loaded.
    g.BeginLoading();
    g.SetFixedRows(2);
    EXPECT_EQ(g.FFixedRowsMin, before);
    g.Loaded();
    EXPECT_EQ(g.FFixedRowsMin, 2);
}

TEST(Dimensions, FixedFootersAndRightColumnsAreFixedCells)
{
    TProbeStringGrid g(nullptr);
    g.SetColCount(6);
    g.SetRowCount(8);
    EXPECT_FALSE(g.IsFixed(5, 7));
    g.SetFixedFooters(2);
    g.SetFixedRightCols(1);
    struct Case {
        int Col, Row;
        bool Fixed;
    };
    const Case cases[] = {{2, 5, false}, {2, 6, true}, {2, 7, true}, {5, 3, true}, {4, 3, false}, {0, 3, true},
                          {3, 0, true}};
    for (const Case& c : cases)
        EXPECT_EQ(g.IsFixed(c.Col, c.Row), c.Fixed) << c.Col << "," << c.Row;
    // A merge counts by its base cell.
    g.MergeCells(2, 5, 1, 2);
    EXPECT_FALSE(g.IsFixed(2, 6));
}

// ---- heights and widths -------------------------------------------------------------------------

TEST(Dimensions, FixedRowHeightAndFixedColWidth)
{
    TProbeStringGrid g(nullptr);
    g.SetFixedRows(2);
    g.SetFixedRowHeight(30);
    EXPECT_EQ(g.FixedRowHeight(), 30);
    EXPECT_EQ(g.RowHeights(0), 30);
    EXPECT_EQ(g.RowHeights(1), 30);
    EXPECT_EQ(g.RowHeights(2), 22);
    // The default height again: every row takes it.
    g.SetFixedRowHeight(22);
    EXPECT_EQ(g.RowHeights(0), 22);
    g.SetFixedCols(2);
    g.SetFixedColWidth(40);
    EXPECT_EQ(g.FixedColWidth(), 40);
    EXPECT_EQ(g.ColWidths(1), 40);
    EXPECT_EQ(g.ColWidths(2), g.DefaultColWidth());
    // The default width leaves the fixed columns as they are.
    g.SetFixedColWidth(g.DefaultColWidth());
    EXPECT_EQ(g.ColWidths(0), 40);
    // While loading only the row height is recorded.
    g.BeginLoading();
    g.SetFixedRowHeight(35);
    g.SetFixedColWidth(50);
    EXPECT_EQ(g.FixedRowHeight(), 35);
    EXPECT_EQ(g.RowHeights(0), 22);
    EXPECT_EQ(g.ColWidths(0), 40);
}

TEST(Dimensions, IntegralHeightSnapsToWholeRows)
{
    TProbeStringGrid g(nullptr);
    g.SetColCount(3);
    ASSERT_EQ(g.BorderStyle(), bsSingle);
    ASSERT_EQ(g.DefaultRowHeight(), 22);
    g.SetIntegralHeight(true);
    g.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(g.Height(), 92);  // 100 + 2 - (98 mod 22)
    // With a horizontal scroll bar its height is left out.
    g.SetColCount(30);
    const int s = GetSystemMetrics(SM_CYHSCROLL);
    g.SetBounds(0, 0, 400, 150);
    EXPECT_EQ(g.Height(), 150 + 2 - ((150 - s - 2) % 22));
    // Not while updating, not without the switch.
    g.BeginUpdate();
    g.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(g.Height(), 100);
    g.EndUpdate();
    g.SetIntegralHeight(false);
    g.SetBounds(0, 0, 400, 101);
    EXPECT_EQ(g.Height(), 101);
}

// ---- the floating footer row ------------------------------------------------------------------

TEST(Dimensions, TheFloatingFooterRowStaysLastAndKeepsItsObjects)
{
    CountedProps::Alive = 0;
    {
        TProbeStringGrid g(nullptr);
        g.SetRowCount(5);
        g.FloatingFooter()->SetVisible(true);
        auto* footerA = new CountedProps(&g, 1, 4);
        auto* footerB = new CountedProps(&g, 2, 4);
        g.SetCellProperties(1, 4, footerA);
        g.SetCellProperties(2, 4, footerB);
        g.SetCells(1, 4, "sum");
        g.SetCells(1, 3, "data");
        g.SetRowHeights(4, 30);
        g.SetRowCount(8);
        EXPECT_EQ(g.Cells(1, 7), "sum");
        EXPECT_EQ(g.GridObjects(1, 7), footerA);
        EXPECT_EQ(g.GridObjects(2, 7), footerB);
        EXPECT_EQ(footerA->OwnerRow(), 7);
        EXPECT_EQ(g.RowHeights(7), 30);
        EXPECT_EQ(g.Cells(1, 4), "");
        EXPECT_EQ(g.GridObjects(1, 4), nullptr);
        EXPECT_EQ(g.Cells(1, 3), "data");
        EXPECT_EQ(CountedProps::Alive, 2);
        // Rows with objects of their own go; the footer moves up first.
        g.SetCellProperties(1, 5, new CountedProps(&g, 1, 5));
        g.SetCellProperties(3, 4, new CountedProps(&g, 3, 4));
        EXPECT_EQ(CountedProps::Alive, 4);
        g.SetRowCount(5);
        EXPECT_EQ(g.Cells(1, 4), "sum");
        EXPECT_EQ(g.GridObjects(1, 4), footerA);
        EXPECT_EQ(g.GridObjects(2, 4), footerB);
        EXPECT_EQ(footerB->OwnerRow(), 4);
        EXPECT_EQ(g.GridObjects(3, 4), nullptr);
        EXPECT_EQ(g.Cells(1, 3), "data");
        EXPECT_EQ(CountedProps::Alive, 2);
    }
    EXPECT_EQ(CountedProps::Alive, 0);
}

TEST(Dimensions, WithoutAFloatingFooterTheLastRowStaysWhereItIs)
{
    TProbeStringGrid g(nullptr);
    g.SetRowCount(5);
    g.SetCells(1, 4, "last");
    g.SetRowCount(8);
    EXPECT_EQ(g.Cells(1, 4), "last");
    EXPECT_EQ(g.Cells(1, 7), "");
}

// ---- headers ----------------------------------------------------------------------------------

TEST(Headers, ColumnHeadersFillRowZero)
{
    TProbeStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetCells(2, 0, "old");
    g.SetColumnHeaders(*Owned({"A\\nB", "C"}));
    EXPECT_EQ(g.Cells(0, 0), "A\rB");
    EXPECT_EQ(g.Cells(1, 0), "C");
    EXPECT_EQ(g.Cells(2, 0), "");  // cleared first
    // A longer list than the real columns: as many as there are columns.
    g.HideColumn(1);
    g.SetColumnHeaders(*Owned({"a", "b", "c", "d", "e"}));
    EXPECT_EQ(g.AllCells(1, 0), "b");
    EXPECT_EQ(g.AllCells(2, 0), "c");
    EXPECT_EQ(g.GridCells(3, 0), "");  // a stored column beyond them
    // Without fixed rows the list is kept and nothing is written.
    TProbeStringGrid h(nullptr);
    h.SetFixedRows(0);
    h.SetCells(0, 0, "data");
    h.SetColumnHeaders(*Owned({"X"}));
    EXPECT_EQ(h.ColumnHeaders()->Count(), 1);
    EXPECT_EQ(h.Cells(0, 0), "data");
}

TEST(Headers, RowHeadersFillColumnZero)
{
    TProbeStringGrid g(nullptr);
    g.SetRowCount(3);
    g.SetRowHeaders(*Owned({"one", "two\\nlines", "three", "four"}));
    EXPECT_EQ(g.Cells(0, 0), "one");
    EXPECT_EQ(g.Cells(0, 1), "two\rlines");
    EXPECT_EQ(g.Cells(0, 2), "three");
    EXPECT_EQ(g.RowCount(), 3);
    g.ClearRowHeaders();
    EXPECT_EQ(g.Cells(0, 1), "");
    // Loaded writes the headers again.
    g.Loaded();
    EXPECT_EQ(g.Cells(0, 1), "two\rlines");
}

TEST(Headers, ColumnByHeaderFindsTheFirstMatch)
{
    TProbeStringGrid g(nullptr);
    g.SetColumnHeaders(*Owned({"Name", "Type", "Name", "name"}));
    EXPECT_EQ(g.ColumnByHeader("Name"), 0);
    EXPECT_EQ(g.ColumnByHeader("name"), 3);
    EXPECT_EQ(g.ColumnByHeader("Size"), -1);
    g.HideColumn(1);
    EXPECT_EQ(g.ColumnByHeader("Type"), 1);
}

// ---- column order -----------------------------------------------------------------------------

TEST(ColumnOrder, AMoveAndItsReset)
{
    TProbeStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetFixedCols(0);
    for (int c = 0; c < 3; ++c)
        g.SetCells(c, 1, QString("c%1").arg(c));
    g.Loaded();
    g.MoveColumn(0, 2);
    EXPECT_EQ(g.ColumnPosition(0), 2);
    EXPECT_EQ(g.ColumnAtPosition(2), 0);
    EXPECT_EQ(g.OriginalCells(0, 1), "c0");
    g.ResetColumnOrder();
    EXPECT_EQ(g.Cells(0, 1), "c0");
    EXPECT_EQ(g.Cells(1, 1), "c1");
    EXPECT_EQ(g.Cells(2, 1), "c2");
    EXPECT_EQ(g.ColumnPosition(2), 2);
}

TEST(ColumnOrder, ResetRestoresAnyPermutationAndNothingElse)
{
    TProbeStringGrid g(nullptr);
    g.SetColCount(6);
    g.SetFixedCols(0);
    for (int c = 0; c < 6; ++c)
        g.SetCells(c, 1, QString::number(c));
    g.SetColumnOrder();
    const std::pair<int, int> moves[] = {{5, 0}, {1, 4}, {3, 2}, {0, 5}, {2, 3}};
    for (auto [from, to] : moves)
        g.MoveColumn(from, to);
    g.ResetColumnOrder();
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(g.Cells(c, 1), QString::number(c));
    // A recorded order that is not an order of the columns restores nothing.
    g.MoveColumn(0, 1);
    g.FColumnOrder->SetItems(2, 1);
    g.ResetColumnOrder();
    EXPECT_EQ(g.Cells(0, 1), "1");
    EXPECT_EQ(g.Cells(1, 1), "0");
    // Without a recorded order a reset records one.
    TProbeStringGrid h(nullptr);
    EXPECT_EQ(h.ColumnPosition(3), 3);
    h.ResetColumnOrder();
    EXPECT_EQ(h.FColumnOrder->Count(), h.ColCount());
    EXPECT_THROW(h.ColumnAtPosition(99), EStringListError);
}

// ---- version, notifiers, print metrics --------------------------------------------------------

TEST(GridVersion, TheVersionAnswersIgnoreWrites)
{
    TProbeStringGrid g(nullptr);
    EXPECT_EQ(g.Version(), "6.2.1.3");
    g.SetVersion("9.9.9.9");
    EXPECT_EQ(g.Version(), "6.2.1.3");
    EXPECT_EQ(g.VersionNr(), 0x06020103);
    EXPECT_EQ(g.VersionString(), "6.2.1.3 Sep, 2012");
}

namespace {

struct Recorder : TGridChangeNotifier {
    Recorder(std::vector<String>& Log, const char* Name) : TGridChangeNotifier(nullptr), log(Log), name(Name) {}
    void CellsChanged(const TRect& R) override { log.push_back(name + QString(":%1,%2").arg(R.Left).arg(R.Bottom)); }
    std::vector<String>& log;
    String name;
};

}  // namespace

TEST(ChangeNotifiers, AreToldInRegistrationOrderAndLeaveWhenFreed)
{
    TProbeStringGrid g(nullptr);
    std::vector<String> log;
    Recorder a(log, "a");
    auto* b = new Recorder(log, "b");
    TGridChangeNotifier plain(nullptr);
    g.RegisterNotifier(&a);
    g.RegisterNotifier(b);
    g.RegisterNotifier(&a);
    g.RegisterNotifier(&plain);
    TRect r(1, 2, 3, 4);
    g.DoCellsChanged(r);
    EXPECT_EQ(log, std::vector<String>({"a:1,4", "b:1,4"}));
    // A notifier freed while registered is forgotten.
    delete b;
    g.UnRegisterNotifier(&plain);
    log.clear();
    g.DoCellsChanged(r);
    EXPECT_EQ(log, std::vector<String>({"a:1,4"}));
}

TEST(PrintMetrics, ColumnsZeroTo511)
{
    TProbeStringGrid g(nullptr);
    EXPECT_EQ(g.PrintColWidth(0), 0);
    EXPECT_EQ(g.PrintColWidth(511), 0);
    EXPECT_EQ(g.PrintColOffset(511), 0);
    for (int c : {512, -1}) {
        try {
            g.PrintColWidth(c);
            ADD_FAILURE() << c;
        } catch (const EVynGridError& e) {
            EXPECT_EQ(e.Message(), "Columns is not in valid range");
        }
        EXPECT_THROW(g.PrintColOffset(c), EVynGridError);
    }
}

// ---- settings that repaint --------------------------------------------------------------------

TEST(Dimensions, SettingsCopiedAndConverted)
{
    TProbeStringGrid g(nullptr);
    g.SetVynGradientFrom(clBtnFace);
    EXPECT_EQ(g.VynGradientFrom(), ColorToRGB(clBtnFace));
    g.SetVynGradientTo(clNone);
    EXPECT_EQ(g.VynGradientTo(), clNone);
    TFont f;
    f.SetName("Courier");
    g.SetFixedFont(f);
    EXPECT_EQ(g.FixedFont()->Name(), "Courier");
    EXPECT_NE(g.FixedFont(), &f);
    TStringList items;
    items.Add("x");
    g.SetLookupItems(&items);
    g.SetLookupItems(nullptr);
    EXPECT_EQ(g.LookupItems()->Count(), 1);
    g.SetWordWrap(false);
    EXPECT_FALSE(g.WordWrap());
    EXPECT_FALSE(g.TBaseGrid::WordWrap());
    g.SetDefaultAlignment(taRightJustify);
    EXPECT_EQ(g.DefaultAlignment(), taRightJustify);
}
