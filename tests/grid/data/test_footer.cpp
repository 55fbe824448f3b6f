// The floating footer: when it calculates (never hidden, never with the
// calculation off, once per update bracket, one column for one cell), what
// (counts and sums with hidden rows, no error from a text that is no
// number), the template, the footer row's place and the panel's columns,
// clicks and hints; and a picture of a grid with its footer
// (VYN_RENDER_DIR=<dir> keeps it as a PNG; on a real display,
// VYN_TEST_DISPLAY=1 with QT_QPA_PLATFORM=xcb, the screen's pixels too).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>

#include <cstdlib>

#include "data_grid_fixture.h"
#include "grid/core/grid_startup.h"
#include "grid/data/grid_footer.h"
#include "grid/edit/grid_edit_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"

using enum TColumnCalcType;

namespace {

// Counts the footer calculations and the columns they were for.
class TFooterProbe : public TDataGrid {
public:
    using TDataGrid::TDataGrid;
    std::vector<int> Calcs;
    void DoCalcFooter(int ACol) override
    {
        Calcs.push_back(ACol);
        TDataGrid::DoCalcFooter(ACol);
    }
};

// One fixed row and column, data rows 1 .. Rows - 2 holding r in column 1,
// r * 10 in column 2 and "t<r mod 3>" in column 3; the last row the footer.
struct FooterTest : ::testing::Test {
    TFooterProbe g{nullptr};
    TFloatingFooter& ff = *g.FloatingFooter();
    void Make(int Rows)
    {
        g.SetColCount(5);
        g.SetRowCount(Rows);
        for (int r = 1; r < Rows - 1; ++r) {
            g.SetCells(1, r, String::number(r));
            g.SetCells(2, r, String::number(r * 10));
            g.SetCells(3, r, "t" + String::number(r % 3));
        }
        ff.SetVisible(true);
    }
    int Last() { return g.RowCount() - 1; }
    // The footer texts as a full calculation writes them.
    std::vector<String> Footer()
    {
        std::vector<String> v;
        for (int c = 0; c < g.ColCount(); ++c)
            v.push_back(g.Cells(c, Last()));
        return v;
    }
};

}  // namespace

TEST_F(FooterTest, CalculatesOnlyWhenShownWithCalculationOn)
{
    g.SetColCount(5);
    g.SetRowCount(6);
    g.SetCells(1, 2, "7");
    ff.SetColumnCalc(1, acSUM);
    EXPECT_EQ(g.Cells(1, 5), "");
    EXPECT_TRUE(g.Calcs.empty());
    ff.SetEnableCalculation(false);
    ff.SetVisible(true);
    g.CalcFooter(-1);
    EXPECT_EQ(g.Cells(1, 5), "");
    EXPECT_TRUE(g.Calcs.empty());
    ff.SetEnableCalculation(true);
    g.CalcFooter(-1);
    EXPECT_EQ(g.Cells(1, 5), "7.00");
    // Other styles do not calculate either.
    g.Calcs.clear();
    ff.SetFooterStyle(TFooterStyle::fsColumnPreview);
    g.CalcFooter(-1);
    EXPECT_TRUE(g.Calcs.empty());
}

TEST_F(FooterTest, CountAndSumWithHiddenRows)
{
    // 12 rows: 10 data rows and the footer; two data rows hidden.
    Make(12);
    g.HideRow(3);
    g.HideRow(8);
    ASSERT_EQ(g.RowCount(), 10);
    ff.SetColumnCalc(1, acCOUNT);
    EXPECT_EQ(g.Cells(1, Last()), "10");
    ff.SetColumnCalc(2, acSUM);
    EXPECT_EQ(g.Cells(2, Last()), "550.00");
    ff.SetCalculateHiddenRows(false);
    g.CalcFooter(-1);
    EXPECT_EQ(g.Cells(1, Last()), "8");
    EXPECT_EQ(g.Cells(2, Last()), "440.00");
    // The footer cell itself never counts: its own total stays put.
    ff.SetCalculateHiddenRows(true);
    g.CalcFooter(-1);
    g.CalcFooter(-1);
    EXPECT_EQ(g.Cells(2, Last()), "550.00");
    // Every kind.
    ff.SetColumnCalc(1, acMAX);
    EXPECT_EQ(g.Cells(1, Last()), "10.00");
    ff.SetColumnCalc(1, acMIN);
    EXPECT_EQ(g.Cells(1, Last()), "1.00");
    ff.SetColumnCalc(1, acAVG);
    EXPECT_EQ(g.Cells(1, Last()), "5.50");
    ff.SetColumnCalc(3, acDISTINCT);
    EXPECT_EQ(g.Cells(3, Last()), "3");
    ff.SetColumnCalc(1, acSTDDEV);
    EXPECT_EQ(g.Cells(1, Last()), "2.87");
    g.OnCalcFooter = [](TObject*, int ACol, String& V) { V = "c" + String::number(ACol); };
    ff.SetColumnCalc(4, acCUSTOM);
    EXPECT_EQ(g.Cells(4, Last()), "c4");
    EXPECT_EQ(ff.ColumnCalc(4), acCUSTOM);
    EXPECT_EQ(ff.ColumnCalc(0), acNONE);
}

TEST_F(FooterTest, ANonNumberUnderMinimumDoesNotThrow)
{
    Make(6);
    g.SetCells(1, 1, "x");
    g.SetCells(1, 3, "n/a");
    EXPECT_NO_THROW(ff.SetColumnCalc(1, acMIN));
    EXPECT_EQ(g.Cells(1, Last()), "2.00");
    EXPECT_NO_THROW(ff.SetColumnCalc(1, acSTDDEV));
    g.SetCells(1, 2, "y");
    g.SetCells(1, 4, "z");
    EXPECT_NO_THROW(g.CalcFooter(-1));
    EXPECT_EQ(g.Cells(1, Last()), "0.00");
}

TEST_F(FooterTest, SettingATypeRecalculatesThatColumn)
{
    Make(6);
    g.Calcs.clear();
    ff.SetColumnCalc(2, acSUM);
    EXPECT_EQ(g.Calcs, std::vector<int>{2});
    EXPECT_EQ(g.Cells(2, Last()), "100.00");
}

TEST_F(FooterTest, OneCalculationPerUpdateBracketAndOneColumnPerCell)
{
    const int rows = 5001;
    Make(rows + 1);
    ff.SetColumnCalc(1, acSUM);
    ff.SetColumnCalc(2, acMAX);
    ff.SetColumnCalc(3, acDISTINCT);
    g.Calcs.clear();
    // 100,000 cells set and reported inside one bracket: one calculation.
    g.BeginUpdate();
    g.BeginUpdate();
    for (int r = 1; r <= rows - 1; ++r)
        for (int c = 0; c < 20; ++c) {
            const int col = 1 + c % 3;
            g.SetCells(col, r, String::number(r + c));
            g.CellsChanged(TRect(col, r, col, r));
        }
    EXPECT_TRUE(g.Calcs.empty());
    g.EndUpdate();
    EXPECT_TRUE(g.Calcs.empty());
    g.EndUpdate();
    EXPECT_EQ(g.Calcs, std::vector<int>{-1});
    const std::vector<String> bracketed = Footer();
    g.CalcFooter(-1);
    EXPECT_EQ(Footer(), bracketed);
    // One cell: its column's kept values take it in, nothing is read again.
    g.Calcs.clear();
    g.SetCells(2, 7, "999999");
    g.CellsChanged(TRect(2, 7, 2, 7));
    EXPECT_TRUE(g.Calcs.empty());
    EXPECT_EQ(g.Cells(2, Last()), "999999.00");
    // Only one column changed in a bracket: only that column.
    g.Calcs.clear();
    g.BeginUpdate();
    g.SetCells(1, 3, "-5");
    g.CellsChanged(TRect(1, 3, 1, 3));
    g.SetCells(1, 4, "-6");
    g.CellsChanged(TRect(1, 4, 1, 4));
    g.EndUpdate();
    EXPECT_EQ(g.Calcs, std::vector<int>{1});
    const std::vector<String> single = Footer();
    g.CalcFooter(-1);
    EXPECT_EQ(Footer(), single);
    // Nothing changed in a bracket: nothing calculated.
    g.Calcs.clear();
    g.BeginUpdate();
    g.EndUpdate();
    EXPECT_TRUE(g.Calcs.empty());
}

// After every change the footer shows what a full calculation writes: single
// cells of every kind, texts that are no numbers, rows that do not count,
// hidden rows counted, and the footer's settings changed in between.
TEST_F(FooterTest, CellByCellEqualsAFullCalculation)
{
    Make(402);
    g.SetCells(4, 5, "x");
    for (int r = 1; r <= 400; ++r)
        g.SetCells(4, r, String::number((r * 37) % 101) + (r % 7 == 0 ? "" : ".5"));
    TIntList hide(0, 0);
    for (int r = 10; r < 400; r += 9)
        hide.Add(r);
    g.HideRowList(hide);
    g.CreateCellGraphic(0, 20)->SetCellType(TCellType::ctNode);
    g.FGroupColumn = 1;  // the grouped mark alone, no rows rebuilt
    const TColumnCalcType kinds[] = {acSUM, acMIN, acMAX, acSTDDEV, acDISTINCT};
    uint32_t seed = 39;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    const char* odd[] = {"", "-", "abc", "1e3", "-0.25", "<b>12</b>", "t1", "T1"};
    int full = 0;
    for (int round = 0; round < 600; ++round) {
        if (round % 100 == 0) {
            for (int c = 1; c <= 4; ++c)
                ff.SetColumnCalc(c, kinds[(round / 100 + c) % 5]);
            ff.SetColumnCalc(0, acCOUNT);
        }
        if (round == 300) {
            ff.SetEnableCalculation(false);
            g.SetCells(2, 3, "123456");
            ff.SetEnableCalculation(true);
        }
        const int c = 1 + int(next() % 4), r = 1 + int(next() % uint32_t(g.RowCount() - 2));
        const uint32_t k = next() % 10;
        g.SetCells(c, r, k < 8 ? String(odd[k]) : String::number(int(next() % 2000) - 1000));
        g.Calcs.clear();
        g.CellsChanged(TRect(c, r, c, r));
        full += !g.Calcs.empty();
        // The values kept before the calculation went off are not trusted.
        EXPECT_EQ(!g.Calcs.empty(), round == 300) << round;
        const std::vector<String> kept = Footer();
        g.CalcFooter(-1);
        ASSERT_EQ(Footer(), kept) << "round " << round << " cell " << c << "," << r;
    }
    // The other single cells were taken in without reading their columns.
    EXPECT_EQ(full, 1);
}

// An edit through the cell editor updates the footer once, from the text
// the cell is left with: no column is read again, and the footer equals a
// full calculation, also when the validation handler rewrites the value or
// another cell is reported while the edit is validated.
TEST(FooterEdits, OneUpdatePerValidatedEditFromTheFinalText)
{
    TestKit::InputStateScope input;
    VynGridModule::Start();
    TForm form{nullptr};
    form.SetBounds(0, 0, 500, 300);
    auto* g = new TFooterProbe(&form);
    g->SetBounds(0, 0, 480, 280);
    g->SetColCount(4);
    g->SetRowCount(12);
    for (int r = 1; r < 11; ++r)
        for (int c = 1; c < 4; ++c)
            g->SetCells(c, r, String::number(r * c));
    g->SetOptions(g->Options() + TGridOptions{goEditing});
    g->SetParent(&form);
    TFloatingFooter& ff = *g->FloatingFooter();
    ff.SetVisible(true);
    ff.SetColumnCalc(1, acSUM);
    ff.SetColumnCalc(2, acMAX);
    ff.SetColumnCalc(3, acSTDDEV);
    form.Show();
    g->SetFocus();
    auto footer = [g] {
        std::vector<String> v;
        for (int c = 0; c < g->ColCount(); ++c)
            v.push_back(g->Cells(c, g->RowCount() - 1));
        return v;
    };
    struct Case {
        const char* name;
        int col, row;
        const char* typed;
        const char* rewrite;  // what the validation handler makes of it
        bool otherCell;       // OnCellsChanged writes and reports (3, 1)
        const char* cell;     // the cell afterwards
        std::vector<int> calcs;
    };
    const Case cases[] = {
        {"plain", 1, 4, "250", nullptr, false, "250", {}},
        {"rewritten", 2, 6, "7", "700", false, "700", {}},
        {"not a number", 1, 2, "abc", nullptr, false, "abc", {}},
        {"another cell reported", 1, 9, "-3", nullptr, true, "-3", {-1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g->OnCellValidate = [&c](TObject*, int, int, String& V, bool&) {
            if (c.rewrite)
                V = c.rewrite;
        };
        g->OnCellsChanged = [&c, g](TObject*, const TRect& R) {
            if (c.otherCell && R.Left == c.col && R.Top == c.row) {
                g->SetCells(3, 1, "1000");
                g->CellsChanged(TRect(3, 1, 3, 1));
            }
        };
        g->FocusCell(c.col, c.row, true);
        TestKit::TypeKey(g, VK_F2);
        ProcessPostedMessages();
        ASSERT_NE(g->InplaceEditor(), nullptr);
        g->InplaceEditor()->SetText(c.typed);
        g->Calcs.clear();
        TestKit::TypeKey(nullptr, VK_RETURN);
        ProcessPostedMessages();
        g->OnCellsChanged = nullptr;
        EXPECT_EQ(g->Cells(c.col, c.row), c.cell);
        EXPECT_EQ(g->Calcs, c.calcs);
        const std::vector<String> kept = footer();
        g->CalcFooter(-1);
        EXPECT_EQ(footer(), kept);
    }
}

TEST_F(FooterTest, FooterRowAndFixedFooters)
{
    g.SetColCount(4);
    g.SetRowCount(6);
    EXPECT_EQ(g.FixedFooters(), 0);
    ff.SetVisible(true);
    EXPECT_EQ(g.FixedFooters(), 1);
    EXPECT_EQ(g.RowHeights(5), 0);
    // Without a height of its own the strip takes a row's.
    EXPECT_EQ(g.FooterPanel()->Height(), g.DefaultRowHeight());
    ff.SetHeight(31);
    EXPECT_EQ(g.FooterPanel()->Height(), 30);
    ff.SetVisible(false);
    EXPECT_EQ(g.FixedFooters(), 0);
    EXPECT_EQ(g.RowHeights(5), g.DefaultRowHeight());
    ff.SetFooterStyle(TFooterStyle::fsColumnPreview);
    ff.SetVisible(true);
    EXPECT_EQ(g.FixedFooters(), 0);
    ff.SetFooterStyle(TFooterStyle::fsFixedLastRow);
    EXPECT_EQ(g.FixedFooters(), 1);
    // The footer stays the last row and is recalculated as rows come.
    ff.SetColumnCalc(1, acCOUNT);
    EXPECT_EQ(g.Cells(1, 5), "4");
    g.SetRowCount(9);
    EXPECT_EQ(g.Cells(1, 8), "7");
    EXPECT_EQ(g.FloatingFooter()->ColumnCalc(1), acCOUNT);
    // Assign copies the settings through the setters.
    TFooterProbe other{nullptr};
    other.FloatingFooter()->Assign(ff);
    EXPECT_TRUE(other.FloatingFooter()->Visible());
    EXPECT_EQ(other.FixedFooters(), 1);
}

TEST_F(FooterTest, Template)
{
    Make(6);
    g.SetCells(2, 3, "5");
    g.SetRow(3);
    TFooterPanel& p = *g.FooterPanel();
    struct Case {
        const char* Template;
        const char* Want;
    };
    const Case cases[] = {
        {"Total: <#2> items<#x>", "Total: 5 items"},
        {"<#1>/<#2>", "3/5"},
        {"no references", "no references"},
        {"open <#2 and no end", "open <#2 and no end"},
        {"<#2> then <#", "5 then <#"},
        {"<#99> <#-1> <#>", "  "},
        {"<#", "<#"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(p.ExpandTemplate(c.Template), c.Want) << c.Template;
}

TEST_F(FooterTest, PanelColumnsClicksAndHints)
{
    Make(6);
    g.SetDefaultColWidth(50);
    TFooterPanel& p = *g.FooterPanel();
    EXPECT_EQ(p.FooterWidth(), 250);
    EXPECT_EQ(p.ColumnAt(0), -1);
    EXPECT_EQ(p.ColumnAt(1), 0);
    EXPECT_EQ(p.ColumnAt(50), 0);
    EXPECT_EQ(p.ColumnAt(51), 1);
    EXPECT_EQ(p.ColumnAt(250), 4);
    EXPECT_EQ(p.ColumnAt(251), -1);
    std::vector<std::string> log;
    g.OnClick = [&](TObject*) { log.push_back("click"); };
    g.OnFooterClickCell = [&](TObject*, int R, int C) { log.push_back(std::to_string(R) + "," + std::to_string(C)); };
    g.OnGridHint = [&](TObject*, int R, int C, String& H) { H = "hint " + String::number(R) + "," + String::number(C); };
    p.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 5));
    p.Perform(WM_LBUTTONUP, 0, MAKELPARAM(120, 5));
    EXPECT_EQ(log, (std::vector<std::string>{"click", "5,2"}));
    THintInfo info;
    info.CursorPos = TPoint(60, 3);
    EXPECT_EQ(p.Perform(CM_HINTSHOW, 0, intptr_t(&info)), 1);  // ShowHint off
    EXPECT_EQ(info.HintStr, "hint 5,1");
    EXPECT_EQ(p.LastHintColumn(), -1);
    ff.SetShowHint(true);
    EXPECT_EQ(p.Perform(CM_HINTSHOW, 0, intptr_t(&info)), 0);
    EXPECT_EQ(p.LastHintColumn(), 1);
    p.Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(p.LastHintColumn(), -1);
}

// A grid with its footer shown on a form, painted through the cell painter.
TEST(FooterPicture, GridWithTotals)
{
    TestKit::InputStateScope input;
    VynGridModule::Start();
    TForm form{nullptr};
    form.SetBounds(0, 0, 460, 260);
    form.SetCaption("Footer");
    auto* g = new TVynStringGrid(&form);
    g->SetBounds(8, 8, 440, 230);
    g->SetColCount(4);
    g->SetRowCount(8);
    g->SetDefaultColWidth(100);
    g->SetColWidths(0, 40);
    const char* names[] = {"", "Variable", "Size", "Offset"};
    for (int c = 1; c < 4; ++c)
        g->SetCells(c, 0, names[c]);
    for (int r = 1; r < 7; ++r) {
        g->SetCells(0, r, String::number(r));
        g->SetCells(1, r, "Var_" + String::number(r));
        g->SetCells(2, r, String::number(r * 8));
        g->SetCells(3, r, String::number(r * 16));
    }
    g->SetParent(&form);
    TFloatingFooter& ff = *g->FloatingFooter();
    ff.SetHeight(g->DefaultRowHeight() + 1);
    ff.SetVisible(true);
    ff.SetColumnCalc(1, acCOUNT);
    ff.SetColumnCalc(2, acSUM);
    ff.SetColumnCalc(3, acMAX);
    ff.SetBorderColor(0x808080);
    form.Show();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < (QGuiApplication::platformName() == "offscreen" ? 0 : 400)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    QCoreApplication::processEvents();
    ASSERT_EQ(g->Cells(2, 7), "168.00");
    const QImage img = TestKit::RenderToImage(&form);
    const char* dir = std::getenv("VYN_RENDER_DIR");
    if (dir)
        img.save(QString::fromLocal8Bit(dir) + "/grid_footer.png");
    if (dir && QGuiApplication::platformName() != "offscreen") {
        const TPoint at = form.ClientToScreen(TPoint(0, 0));
        QGuiApplication::primaryScreen()
            ->grabWindow(0, at.X, at.Y, img.width(), img.height())
            .toImage()
            .save(QString::fromLocal8Bit(dir) + "/grid_footer_screen.png");
    }
    // The panel sits at the grid's bottom and shows the totals' ink.
    const TFooterPanel& p = *g->FooterPanel();
    ASSERT_TRUE(p.Visible());
    EXPECT_EQ(p.Height(), g->DefaultRowHeight());
    const TPoint pAt = p.ClientToScreen(TPoint(0, 0)), fAt = form.ClientToScreen(TPoint(0, 0));
    const QRect total(pAt.X - fAt.X + 140, pAt.Y - fAt.Y + 2, 100, p.Height() - 4);
    int ink = 0;
    for (int x = total.left(); x <= total.right(); ++x)
        for (int y = total.top(); y <= total.bottom(); ++y)
            ink += qGray(img.pixel(x, y)) < 100;
    EXPECT_GT(ink, 10);
}
