// The column grid's column popup, its column order in an ini file and its
// column streams.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <vector>

#include "column_grid_probe.h"
#include "platform/gui/forms.h"
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

namespace {

QByteArray SaveColumns(TVynColumnGrid& G)
{
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    G.SaveColumnsToStream(b);
    return b.data();
}

void LoadColumns(TVynColumnGrid& G, const QByteArray& Bytes)
{
    QBuffer b;
    b.setData(Bytes);
    b.open(QIODevice::ReadOnly);
    G.LoadColumnsFromStream(b);
}

// Every stored property away from its creation value.
void SetEverything(TGridColumnItem& C, TPopupMenu* Menu)
{
    C.SetAutoMinSize(3);
    C.SetAutoMaxSize(300);
    C.SetAlignment(taCenter);
    C.SetBorders({TCellBorder::cbTop, TCellBorder::cbRight});
    C.BorderPen()->SetColor(0x010203);
    C.BorderPen()->SetWidth(2);
    C.BorderPen()->SetStyle(psDot);
    C.SetCheckFalse("");
    C.SetCheckTrue("ja");
    C.SetColor(0x0A0B0C);
    C.SetColumnPopup(Menu);
    C.SetColumnPopupType(TColumnPopupType::cpNormalCellsLClick);
    C.ComboItems()->Add("one, two");
    C.ComboItems()->Add("\"q\"");
    C.SetDropDownCount(12);
    C.SetEditLength(15);
    C.SetEditMask("99;0");
    C.SetEditor(TEditorType::edComboEdit);
    C.Filter()->Add("Large=>100");
    C.SetFilterCaseSensitive(true);
    C.SetFixed(true);
    C.SetFloatFormat("%.3f");
    C.Font()->SetName("Verdana");
    C.Font()->SetHeight(-13);
    C.Font()->SetColor(0x112233);
    C.Font()->SetStyle({TFontStyle::fsItalic, TFontStyle::fsUnderline});
    C.SetHeaderText("Mode <&>");
    C.SetHeaderAlignment(taRightJustify);
    C.HeaderFont()->SetStyle({TFontStyle::fsBold});
    C.SetMinSize(20);
    C.SetMaxSize(200);
    C.SetName("mode");
    C.SetPassword(true);
    C.SetPrintBorderCustom(false);
    C.SetPrintBorders({TCellBorder::cbLeft});
    C.PrintBorderPen()->SetWidth(3);
    C.SetPrintColor(0x00FFEE);
    C.SetPrintFontCustom(false);
    C.PrintFont()->SetHeight(-20);
    C.SetReadOnly(true);
    C.SetShowBands(true);
    C.SetSortStyle(TSortStyle::ssNumeric);
    C.SetSortPrefix("$");
    C.SetSortSuffix("kg");
    C.SetSpinMax(9);
    C.SetSpinMin(-9);
    C.SetSpinStep(3);
    C.SetTag(42);
    C.SetWidth(77);
}

}  // namespace

TEST(ColumnStreams, EveryPropertyComesBackAndDefaultsAreLeftOut)
{
    TForm owner(nullptr);
    auto* menu = new TPopupMenu(&owner);
    menu->SetName("ColMenu");
    auto* g = new TVynColumnGrid(&owner);
    g->SetColCount(4);
    SetEverything(*g->Columns()->Items(2), menu);
    const QByteArray saved = SaveColumns(*g);
    const QString text = QString::fromUtf8(saved);
    EXPECT_EQ(text.count("<Column "), 4);
    // The print switches only when off; empty texts not at all.
    EXPECT_EQ(text.count("PrintFontCustom="), 1);
    EXPECT_EQ(text.count("PrintBorderCustom="), 1);
    EXPECT_EQ(text.count("EditMask="), 1);
    EXPECT_TRUE(text.contains("Editor=\"edComboEdit\""));

    auto* other = new TVynColumnGrid(&owner);
    other->SetColCount(2);
    LoadColumns(*other, saved);
    ASSERT_EQ(other->Columns()->Count(), 4);
    EXPECT_EQ(other->ColCount(), 4);
    const TGridColumnItem& c = *other->Columns()->Items(2);
    EXPECT_EQ(c.ColumnPopup(), menu);
    EXPECT_EQ(c.CheckFalse(), "");
    EXPECT_EQ(c.ComboItems()->Strings(0), "one, two");
    EXPECT_EQ(c.ComboItems()->Strings(1), "\"q\"");
    EXPECT_EQ(c.Header(), "Mode <&>");
    EXPECT_EQ(other->Cells(2, 0), "Mode <&>");
    EXPECT_EQ(c.Width(), 77);
    EXPECT_FALSE(c.PrintFontCustom());
    EXPECT_EQ(c.BorderPen()->Style(), psDot);
    // Saving the loaded grid gives the same stream: nothing was lost.
    EXPECT_EQ(QString::fromUtf8(SaveColumns(*other)), text);
}

TEST(ColumnStreams, AStreamThatDoesNotReadBackChangesNothing)
{
    TProbeColumnGrid g(nullptr);
    g.SetColCount(3);
    g.Columns()->Items(1)->SetName("keep");
    const QByteArray before = SaveColumns(g);
    const int owned = g.ComponentCount();
    const char* bad[] = {
        "not xml",
        "<Rows><Column/></Rows>",
        "<Columns><Column Editor=\"edNowhere\"/></Columns>",
        "<Columns><Column Width=\"wide\"/></Columns>",
        "<Columns><Column Fixed=\"yes\"/></Columns>",
        "<Columns><Column Color=\"-1\"/></Columns>",
        "<Columns><Column Font.Style=\"[fsHuge]\"/></Columns>",
        "<Columns><Column Bogus=\"1\"/></Columns>",
        "<Columns><Column Name=\"x\"/><Row/></Columns>",
    };
    for (const char* b : bad) {
        EXPECT_THROW(LoadColumns(g, b), EConvertError) << b;
        EXPECT_EQ(SaveColumns(g), before) << b;
        EXPECT_EQ(g.ComponentCount(), owned) << b;
    }
}
