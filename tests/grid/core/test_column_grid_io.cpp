// The column grid's column popup and its column order in an ini file.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <vector>

#include "column_grid_probe.h"
#include "platform/gui/menus.h"
#include "platform/rtl/files.h"
#include "platform/rtl/inifile.h"

namespace {

using ColumnPopupTest = ColumnGridFixture;

struct PopupRecord {
    int Shown = 0;
    std::vector<int> EventCols, EventRows;
};

// Clicks the middle of a display cell with a button.
void Click(TProbeColumnGrid& G, int DisplCol, int Row, TMouseButton B)
{
    const TRect r = G.CellRect(DisplCol, Row);
    G.MouseDown(B, {}, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

}  // namespace

TEST_F(ColumnPopupTest, TheTypeDecidesWhichButtonAndWhichCellsShowTheMenu)
{
    TPopupMenu menu(nullptr);
    menu.Items() << "Sort" << "Hide";
    PopupRecord rec;
    TPoint shownAt;
    const TPopupMenuChooser before = SetPopupMenuChooser([&](const QStringList&, TPoint At) {
        ++rec.Shown;
        shownAt = At;
        return 0;
    });
    g.OnColumnPopup = [&](TObject*, int C, int R, TPopupMenu* P) {
        EXPECT_EQ(P, &menu);
        rec.EventCols.push_back(C);
        rec.EventRows.push_back(R);
    };
    // Display column 3 is real column 4 (3 is hidden): its definition holds
    // the menu.
    Col(4).SetColumnPopup(&menu);
    struct Case {
        TColumnPopupType Type;
        TMouseButton Button;
        int Row;
        bool Event, Shows;
    } cases[] = {
        {TColumnPopupType::cpFixedCellsRClick, mbRight, 2, true, false},
        {TColumnPopupType::cpFixedCellsRClick, mbRight, 0, true, true},
        {TColumnPopupType::cpFixedCellsRClick, mbLeft, 0, false, false},
        {TColumnPopupType::cpNormalCellsLClick, mbLeft, 2, true, true},
        {TColumnPopupType::cpNormalCellsLClick, mbLeft, 0, true, false},
        {TColumnPopupType::cpAllCellsLClick, mbLeft, 0, true, true},
        {TColumnPopupType::cpAllCellsRClick, mbRight, 3, true, true},
        {TColumnPopupType::cpAllCellsRClick, mbLeft, 3, false, false},
    };
    for (const Case& c : cases) {
        Col(4).SetColumnPopupType(c.Type);
        rec = {};
        Click(g, 3, c.Row, c.Button);
        EXPECT_EQ(rec.Shown, c.Shows ? 1 : 0) << int(c.Type) << " row " << c.Row;
        ASSERT_EQ(rec.EventCols.size(), c.Event ? 1u : 0u) << int(c.Type) << " row " << c.Row;
        if (c.Event) {
            EXPECT_EQ(rec.EventCols[0], 4);
            EXPECT_EQ(rec.EventRows[0], c.Row);
        }
    }
    // The menu hangs from the lower left corner of the clicked cell.
    const TRect r = g.CellRect(3, 3);
    EXPECT_EQ(shownAt, g.ClientToScreen(TPoint{r.Left, r.Bottom}));
    // Display column 4 (real 5) has no menu.
    rec = {};
    Click(g, 4, 0, mbRight);
    EXPECT_EQ(rec.Shown + int(rec.EventCols.size()), 0);
    SetPopupMenuChooser(before);
}

TEST_F(ColumnPopupTest, AFreedMenuLeavesTheColumn)
{
    auto* menu = new TPopupMenu(nullptr);
    Col(2).SetColumnPopup(menu);
    menu->Free();
    EXPECT_EQ(Col(2).ColumnPopup(), nullptr);
}

namespace {

struct PositionsTest : ColumnGridFixture {
    QTemporaryDir dir;
    QString file = dir.filePath("cols.ini");
    PositionsTest()
    {
        g.Columns()->SetOrganization();
        for (int c = 0; c < 6; ++c)
            g.SetAllCells(c, 1, QStringLiteral("v%1").arg(c));
    }
    QStringList Names()
    {
        QStringList n;
        for (int c = 0; c < 6; ++c)
            n << Col(c).Name();
        return n;
    }
    void WriteFile(const QString& Body) { WriteFileAtomic(file, Body.toUtf8()); }
};

}  // namespace

TEST_F(PositionsTest, ASavedOrderComesBackInAFreshGrid)
{
    g.MoveColumn(4, 1);  // real 5 to real 1
    const QStringList moved = Names();
    ASSERT_EQ(moved[1], "c5");
    g.SaveColumnPositions(file, "Grid");

    TProbeColumnGrid fresh(nullptr);
    BuildColumnFixture(fresh);
    fresh.Columns()->SetOrganization();
    fresh.LoadColumnPositions(file, "Grid");
    QStringList names;
    for (int c = 0; c < 6; ++c)
        names << fresh.Columns()->Items(c)->Name();
    EXPECT_EQ(names, moved);
    // The DefIdx values are those of the saving grid again.
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(fresh.Columns()->Items(c)->DefIdx(), Col(c).DefIdx()) << c;
}

TEST_F(PositionsTest, AFileThatIsNotAnOrderOfTheColumnsChangesNothing)
{
    const QStringList before = Names();
    const struct {
        const char* What;
        const char* Body;
    } cases[] = {
        {"CP5 missing", "[Grid]\nCP0=0\nCP1=2\nCP2=1\nCP3=3\nCP4=4\n"},
        {"a duplicate", "[Grid]\nCP0=0\nCP1=1\nCP2=1\nCP3=3\nCP4=4\nCP5=5\n"},
        {"out of range", "[Grid]\nCP0=0\nCP1=9\nCP2=2\nCP3=3\nCP4=4\nCP5=5\n"},
        {"not a number", "[Grid]\nCP0=0\nCP1=x\nCP2=2\nCP3=3\nCP4=4\nCP5=5\n"},
        {"other section", "[Other]\nCP0=5\nCP1=4\nCP2=3\nCP3=2\nCP4=1\nCP5=0\n"},
    };
    for (const auto& c : cases) {
        WriteFile(c.Body);
        g.LoadColumnPositions(file, "Grid");
        EXPECT_EQ(Names(), before) << c.What;
    }
    g.LoadColumnPositions(dir.filePath("missing.ini"), "Grid");
    EXPECT_EQ(Names(), before);
}
